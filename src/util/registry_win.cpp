#include "util/registry.h"

#include "win/afxwin.h"

#include <cstring>
#include <memory>

namespace {

constexpr int kMaxStringWrite = 4096;

}  // namespace

CKXRegistry::CKXRegistry() : m_hKey(HKEY_CURRENT_USER), m_bLazyWrite(TRUE) {}

CKXRegistry::~CKXRegistry() {
    if (m_hKey != nullptr && !IsPredefinedKey(m_hKey)) ::RegCloseKey(m_hKey);
}

BOOL CKXRegistry::IsPredefinedKey(HKEY hKey) {
    static const HKEY kRoots[] = {
        HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE,   HKEY_USERS,
        HKEY_PERFORMANCE_DATA, HKEY_CURRENT_CONFIG, HKEY_DYN_DATA, HKEY_PERFORMANCE_TEXT,
        HKEY_PERFORMANCE_NLSTEXT,
    };
    for (HKEY root : kRoots)
        if (hKey == root) return TRUE;
    return FALSE;
}

void CKXRegistry::FlushIfEager() {
    if (!m_bLazyWrite && m_hKey != nullptr) ::RegFlushKey(m_hKey);
}

BOOL CKXRegistry::OpenKey(HKEY hRoot, LPCTSTR lpszPath) {
    if (!IsPredefinedKey(hRoot) || lpszPath == nullptr) return FALSE;
    HKEY hKey = nullptr;
    LONG rc = ::RegOpenKeyExA(hRoot, lpszPath, 0, KEY_ALL_ACCESS, &hKey);
    if (m_hKey != nullptr && !IsPredefinedKey(m_hKey)) ::RegCloseKey(m_hKey);
    m_hKey = rc == ERROR_SUCCESS ? hKey : nullptr;
    return m_hKey != nullptr;
}

BOOL CKXRegistry::CreateKey(LPCTSTR lpszPath, BOOL bMakeCurrent) {
    if (m_hKey == nullptr || lpszPath == nullptr || *lpszPath == '\0' || *lpszPath == '\\') return FALSE;
    HKEY hKey = nullptr;
    DWORD disp = 0;
    if (::RegCreateKeyExA(m_hKey, lpszPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &hKey,
                          &disp) != ERROR_SUCCESS)
        return FALSE;
    if (!m_bLazyWrite) ::RegFlushKey(hKey);
    if (bMakeCurrent) {
        if (!IsPredefinedKey(m_hKey)) ::RegCloseKey(m_hKey);
        m_hKey = hKey;
    } else {
        ::RegCloseKey(hKey);
    }
    return TRUE;
}

BOOL CKXRegistry::SetKey(LPCTSTR lpszPath, BOOL bCanCreate) {
    if (m_hKey == nullptr || lpszPath == nullptr || *lpszPath == '\0') return FALSE;
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(m_hKey, lpszPath, 0, KEY_ALL_ACCESS, &hKey) == ERROR_SUCCESS) {
        if (!IsPredefinedKey(m_hKey)) ::RegCloseKey(m_hKey);
        m_hKey = hKey;
        return TRUE;
    }
    return bCanCreate && CreateKey(lpszPath, TRUE);
}

BOOL CKXRegistry::CloseKey() {
    if (m_hKey == nullptr) return FALSE;
    if (!IsPredefinedKey(m_hKey)) ::RegCloseKey(m_hKey);
    m_hKey = nullptr;
    return TRUE;
}

BOOL CKXRegistry::DeleteKey(LPCTSTR lpszPath) {
    if (m_hKey == nullptr) return FALSE;
    return kxreg::DeleteTree(m_hKey, lpszPath) == ERROR_SUCCESS;
}

BOOL CKXRegistry::KeyExists(LPCTSTR lpszPath, HKEY hRoot) {
    HKEY base = hRoot ? hRoot : m_hKey;
    if (base == nullptr || lpszPath == nullptr) return FALSE;
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(base, lpszPath, 0, KEY_READ, &hKey) != ERROR_SUCCESS) return FALSE;
    ::RegCloseKey(hKey);
    return TRUE;
}

int CKXRegistry::GetSubKeyCount() {
    DWORD keys = 0;
    if (m_hKey == nullptr || ::RegQueryInfoKeyA(m_hKey, nullptr, nullptr, nullptr, &keys, nullptr, nullptr, nullptr,
                                                nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return -1;
    return static_cast<int>(keys);
}

int CKXRegistry::GetValueCount() {
    DWORD values = 0;
    if (m_hKey == nullptr || ::RegQueryInfoKeyA(m_hKey, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                                &values, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return -1;
    return static_cast<int>(values);
}

int CKXRegistry::EnumKeys(CStringArray& arrKeys) { return kxreg::EnumKeyNames(m_hKey, arrKeys); }

int CKXRegistry::EnumValues(CKXValueTypeMap* pValues, CStringArray* pNames) {
    return kxreg::EnumValueNames(m_hKey, pValues, pNames);
}

// --- values ------------------------------------------------------------------

BOOL CKXRegistry::ValueExists(LPCTSTR lpszName) { return GetDataType(lpszName) >= 0; }

BOOL CKXRegistry::DeleteValue(LPCTSTR lpszName) {
    if (m_hKey == nullptr) return FALSE;
    if (::RegDeleteValueA(m_hKey, lpszName) != ERROR_SUCCESS) return FALSE;
    FlushIfEager();
    return TRUE;
}

int CKXRegistry::GetDataType(LPCTSTR lpszName) {
    DWORD type = 0;
    if (m_hKey == nullptr || ::RegQueryValueExA(m_hKey, lpszName, nullptr, &type, nullptr, nullptr) != ERROR_SUCCESS)
        return -1;
    return static_cast<int>(type);
}

int CKXRegistry::GetDataSize(LPCTSTR lpszName) {
    DWORD size = 0;
    if (m_hKey == nullptr || ::RegQueryValueExA(m_hKey, lpszName, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS)
        return -1;
    return static_cast<int>(size);
}

BOOL CKXRegistry::WriteBinary(LPCTSTR lpszName, const void* pData, DWORD nBytes) {
    if (m_hKey == nullptr ||
        ::RegSetValueExA(m_hKey, lpszName, 0, REG_BINARY, static_cast<const BYTE*>(pData), nBytes) != ERROR_SUCCESS)
        return FALSE;
    FlushIfEager();
    return TRUE;
}

BOOL CKXRegistry::ReadBinary(LPCTSTR lpszName, void* pData, DWORD nBytes) {
    DWORD type = 0, size = 0;
    if (m_hKey == nullptr || ::RegQueryValueExA(m_hKey, lpszName, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        size != nBytes)
        return FALSE;
    BYTE buf[sizeof(LOGFONTA)];
    static_assert(sizeof(LOGFONTA) == 60, "the stored font record is 60 bytes");
    if (nBytes > sizeof buf) return FALSE;
    if (::RegQueryValueExA(m_hKey, lpszName, nullptr, &type, buf, &size) != ERROR_SUCCESS || size != nBytes)
        return FALSE;
    memcpy(pData, buf, nBytes);
    return TRUE;
}

int CKXRegistry::ReadInt(LPCTSTR lpszName, int nDefault) {
    int v = nDefault;
    return ReadBinary(lpszName, &v, sizeof v) ? v : nDefault;
}
BOOL CKXRegistry::WriteInt(LPCTSTR lpszName, int nValue) { return WriteBinary(lpszName, &nValue, sizeof nValue); }

long CKXRegistry::ReadLong(LPCTSTR lpszName, long lDefault) {
    LONG v = 0;
    return ReadBinary(lpszName, &v, sizeof v) ? v : lDefault;
}
BOOL CKXRegistry::WriteLong(LPCTSTR lpszName, long lValue) {
    LONG v = static_cast<LONG>(lValue);
    return WriteBinary(lpszName, &v, sizeof v);
}

BOOL CKXRegistry::ReadBool(LPCTSTR lpszName, BOOL bDefault) {
    BOOL v = 0;
    return ReadBinary(lpszName, &v, sizeof v) ? v : bDefault;
}
BOOL CKXRegistry::WriteBool(LPCTSTR lpszName, BOOL bValue) { return WriteBinary(lpszName, &bValue, sizeof bValue); }

COLORREF CKXRegistry::ReadColor(LPCTSTR lpszName, COLORREF crDefault) {
    COLORREF v = 0;
    return ReadBinary(lpszName, &v, sizeof v) ? v : crDefault;
}
BOOL CKXRegistry::WriteColor(LPCTSTR lpszName, COLORREF crValue) {
    return WriteBinary(lpszName, &crValue, sizeof crValue);
}

DWORD CKXRegistry::ReadDword(LPCTSTR lpszName, DWORD dwDefault) {
    DWORD v = 0;
    return ReadBinary(lpszName, &v, sizeof v) ? v : dwDefault;
}
BOOL CKXRegistry::WriteDword(LPCTSTR lpszName, DWORD dwValue) {
    return WriteBinary(lpszName, &dwValue, sizeof dwValue);
}

double CKXRegistry::ReadFloat(LPCTSTR lpszName, double dDefault) {
    double v = 0;
    return ReadBinary(lpszName, &v, sizeof v) ? v : dDefault;
}
BOOL CKXRegistry::WriteFloat(LPCTSTR lpszName, double dValue) { return WriteBinary(lpszName, &dValue, sizeof dValue); }

// The stored date is the 8-byte DATE followed by the 4-byte status.
COleDateTime CKXRegistry::ReadDateTime(LPCTSTR lpszName, const COleDateTime& dtDefault) {
    BYTE raw[12];
    if (!ReadBinary(lpszName, raw, sizeof raw)) return dtDefault;
    DATE date;
    LONG status;
    memcpy(&date, raw, 8);
    memcpy(&status, raw + 8, 4);
    COleDateTime dt(date);
    dt.SetStatus(status == COleDateTime::valid     ? COleDateTime::valid
                 : status == COleDateTime::null    ? COleDateTime::null
                                                   : COleDateTime::invalid);
    return dt;
}
BOOL CKXRegistry::WriteDateTime(LPCTSTR lpszName, const COleDateTime& dtValue) {
    BYTE raw[12];
    DATE date = dtValue.m_dt;
    LONG status = static_cast<LONG>(dtValue.GetStatus());
    memcpy(raw, &date, 8);
    memcpy(raw + 8, &status, 4);
    return WriteBinary(lpszName, raw, sizeof raw);
}

CString CKXRegistry::ReadString(LPCTSTR lpszName, LPCTSTR lpszDefault) {
    const CString fallback = lpszDefault ? CString(lpszDefault) : CString();
    DWORD type = 0, size = 0;
    if (m_hKey == nullptr || ::RegQueryValueExA(m_hKey, lpszName, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ && type != REG_MULTI_SZ))
        return fallback;
    std::unique_ptr<char[]> buf(new char[size + 1]);
    DWORD got = size;
    if (::RegQueryValueExA(m_hKey, lpszName, nullptr, &type, reinterpret_cast<BYTE*>(buf.get()), &got) !=
            ERROR_SUCCESS ||
        got > size)
        return fallback;
    buf[got] = '\0';
    return CString(buf.get());
}

BOOL CKXRegistry::WriteString(LPCTSTR lpszName, LPCTSTR lpszValue, DWORD dwType) {
    if (m_hKey == nullptr || lpszValue == nullptr) return FALSE;
    size_t len = strlen(lpszValue);
    if (len >= kMaxStringWrite) return FALSE;
    if (::RegSetValueExA(m_hKey, lpszName, 0, dwType, reinterpret_cast<const BYTE*>(lpszValue),
                         static_cast<DWORD>(len + 1)) != ERROR_SUCCESS)
        return FALSE;
    FlushIfEager();
    return TRUE;
}

BOOL CKXRegistry::ReadFont(LPCTSTR lpszName, CFont* pFont) {
    LOGFONTA lf;
    if (pFont == nullptr || !ReadBinary(lpszName, &lf, sizeof lf)) return FALSE;
    lf.lfFaceName[LF_FACESIZE - 1] = '\0';  // stored data need not be terminated
    pFont->DeleteObject();
    return pFont->CreateFontIndirect(&lf);
}
BOOL CKXRegistry::WriteFont(LPCTSTR lpszName, CFont* pFont) {
    LOGFONTA lf = {};
    if (pFont == nullptr || pFont->GetSafeHandle() == nullptr ||
        ::GetObjectA(pFont->GetSafeHandle(), sizeof lf, &lf) != sizeof lf)
        return FALSE;
    // The font keeps whatever its creator left after the face name's
    // terminator; the stored record holds zeros there instead.
    const size_t nName = strnlen(lf.lfFaceName, LF_FACESIZE);
    memset(lf.lfFaceName + nName, 0, LF_FACESIZE - nName);
    return WriteBinary(lpszName, &lf, sizeof lf);
}

BOOL CKXRegistry::ReadSize(LPCTSTR lpszName, CSize* pSize) { return ReadLongs<SIZE>(lpszName, pSize); }
BOOL CKXRegistry::WriteSize(LPCTSTR lpszName, CSize* pSize) { return WriteLongs<SIZE>(lpszName, pSize); }

BOOL CKXRegistry::ReadPoint(LPCTSTR lpszName, CPoint* pPoint) { return ReadLongs<POINT>(lpszName, pPoint); }
BOOL CKXRegistry::WritePoint(LPCTSTR lpszName, CPoint* pPoint) { return WriteLongs<POINT>(lpszName, pPoint); }

BOOL CKXRegistry::ReadRect(LPCTSTR lpszName, CRect* pRect) { return ReadLongs<RECT>(lpszName, pRect); }
BOOL CKXRegistry::WriteRect(LPCTSTR lpszName, CRect* pRect) { return WriteLongs<RECT>(lpszName, pRect); }
