#include "util/registry_manager.h"

#include "base/profile_binary.h"
#include "core/aux_data.h"
#include "win/afxwin.h"

#include <cstdio>
#include <memory>

namespace {

constexpr DWORD kAccess = KEY_READ | KEY_WRITE;
// The stored size and type of a value, or FALSE when it does not exist.
BOOL QueryValue(HKEY hKey, LPCTSTR lpszEntry, DWORD* pType, DWORD* pSize) {
    *pType = 0;
    *pSize = 0;
    return hKey != nullptr && ::RegQueryValueExA(hKey, lpszEntry, nullptr, pType, nullptr, pSize) == ERROR_SUCCESS;
}

struct KeyCloser {
    HKEY h;
    ~KeyCloser() {
        if (h) ::RegCloseKey(h);
    }
};

}  // namespace

CKXRegistryManager::CKXRegistryManager(HKEY hRootKey)
    : m_hRootKey(hRootKey), m_strINIFileName(CKXAuxData::Get().GetINIFileName()), m_pApp(AfxGetApp()) {}

CKXRegistryManager::~CKXRegistryManager() = default;

BOOL CKXRegistryManager::UseRegistry() const { return m_pApp != nullptr && m_pApp->m_pszRegistryKey != nullptr; }

HKEY CKXRegistryManager::GetAppRegistryKey() {
    if (!UseRegistry() || m_pApp->m_pszProfileName == nullptr) return nullptr;
    HKEY hSoft = nullptr, hCompany = nullptr, hApp = nullptr;
    DWORD disp = 0;
    if (::RegOpenKeyExA(m_hRootKey, "Software", 0, kAccess, &hSoft) == ERROR_SUCCESS &&
        ::RegCreateKeyExA(hSoft, m_pApp->m_pszRegistryKey, 0, nullptr, REG_OPTION_NON_VOLATILE, kAccess, nullptr,
                          &hCompany, &disp) == ERROR_SUCCESS &&
        ::RegCreateKeyExA(hCompany, m_pApp->m_pszProfileName, 0, nullptr, REG_OPTION_NON_VOLATILE, kAccess,
                          nullptr, &hApp, &disp) != ERROR_SUCCESS) {
        hApp = nullptr;
    }
    if (hCompany) ::RegCloseKey(hCompany);
    if (hSoft) ::RegCloseKey(hSoft);
    return hApp;
}

HKEY CKXRegistryManager::GetSectionKey(LPCTSTR lpszSection) {
    if (lpszSection == nullptr) return nullptr;
    HKEY hApp = GetAppRegistryKey();
    if (hApp == nullptr) return nullptr;
    HKEY hSection = nullptr;
    DWORD disp = 0;
    if (::RegCreateKeyExA(hApp, lpszSection, 0, nullptr, REG_OPTION_NON_VOLATILE, kAccess, nullptr, &hSection,
                          &disp) != ERROR_SUCCESS)
        hSection = nullptr;
    ::RegCloseKey(hApp);
    return hSection;
}

// --- integers and strings ----------------------------------------------------

BOOL CKXRegistryManager::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue) {
    if (lpszSection == nullptr || lpszEntry == nullptr) return FALSE;
    if (UseINI()) {
        char text[16];
        snprintf(text, sizeof text, "%d", nValue);
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, text, m_strINIFileName);
    }
    return WriteBytes(lpszSection, lpszEntry, &nValue, sizeof nValue, REG_DWORD);
}

UINT CKXRegistryManager::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault) {
    if (lpszSection == nullptr || lpszEntry == nullptr) return static_cast<UINT>(nDefault);
    if (UseINI()) return ::GetPrivateProfileIntA(lpszSection, lpszEntry, nDefault, m_strINIFileName);
    DWORD value = 0;
    KeyCloser key{UseRegistry() ? GetSectionKey(lpszSection) : nullptr};
    DWORD type, size;
    if (!QueryValue(key.h, lpszEntry, &type, &size) || type != REG_DWORD || size != sizeof value)
        return static_cast<UINT>(nDefault);
    if (::RegQueryValueExA(key.h, lpszEntry, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS)
        return static_cast<UINT>(nDefault);
    return value;
}

BOOL CKXRegistryManager::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue) {
    if (lpszSection == nullptr) return FALSE;
    if (UseINI()) return ::WritePrivateProfileStringA(lpszSection, lpszEntry, lpszValue, m_strINIFileName);
    if (!UseRegistry()) return FALSE;
    if (lpszEntry == nullptr) {
        KeyCloser app{GetAppRegistryKey()};
        if (app.h == nullptr) return FALSE;
        return kxreg::DeleteTree(app.h, lpszSection) == ERROR_SUCCESS;
    }
    KeyCloser key{GetSectionKey(lpszSection)};
    if (key.h == nullptr) return FALSE;
    if (lpszValue == nullptr) return ::RegDeleteValueA(key.h, lpszEntry) == ERROR_SUCCESS;
    return ::RegSetValueExA(key.h, lpszEntry, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                            static_cast<DWORD>(strlen(lpszValue) + 1)) == ERROR_SUCCESS;
}

CString CKXRegistryManager::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault) {
    const CString fallback = lpszDefault ? CString(lpszDefault) : CString();
    if (lpszSection == nullptr || lpszEntry == nullptr) return fallback;
    if (UseINI()) return AfxGetPrivateProfileString(lpszSection, lpszEntry, lpszDefault, m_strINIFileName);
    KeyCloser key{UseRegistry() ? GetSectionKey(lpszSection) : nullptr};
    DWORD type, size;
    if (!QueryValue(key.h, lpszEntry, &type, &size) || (type != REG_SZ && type != REG_EXPAND_SZ)) return fallback;
    std::unique_ptr<char[]> buf(new char[size + 1]);
    if (::RegQueryValueExA(key.h, lpszEntry, nullptr, &type, reinterpret_cast<BYTE*>(buf.get()), &size) !=
        ERROR_SUCCESS)
        return fallback;
    buf[size] = '\0';  // a stored string need not carry its terminator
    return CString(buf.get());
}

// --- fixed-size values -------------------------------------------------------

BOOL CKXRegistryManager::WriteBytes(LPCTSTR lpszSection, LPCTSTR lpszEntry, const void* pData, UINT nBytes,
                                    DWORD dwType) {
    if (lpszSection == nullptr || lpszEntry == nullptr || (pData == nullptr && nBytes != 0)) return FALSE;
    if (UseINI()) {
        CString text = AfxEncodeProfileBinary(static_cast<const BYTE*>(pData), nBytes);
        return ::WritePrivateProfileStringA(lpszSection, lpszEntry, text, m_strINIFileName);
    }
    if (!UseRegistry()) return FALSE;
    KeyCloser key{GetSectionKey(lpszSection)};
    if (key.h == nullptr) return FALSE;
    return ::RegSetValueExA(key.h, lpszEntry, 0, dwType, static_cast<const BYTE*>(pData), nBytes) == ERROR_SUCCESS;
}

BOOL CKXRegistryManager::ReadBytes(LPCTSTR lpszSection, LPCTSTR lpszEntry, void* pData, UINT nSize) {
    if (lpszSection == nullptr || lpszEntry == nullptr || pData == nullptr) return FALSE;
    if (UseINI()) {
        CString text = AfxGetPrivateProfileString(lpszSection, lpszEntry, nullptr, m_strINIFileName);
        if (text.GetLength() < 2) return FALSE;
        return AfxDecodeProfileBinary(text.GetString(), static_cast<size_t>(text.GetLength()),
                                     static_cast<BYTE*>(pData), nSize, nullptr);
    }
    KeyCloser key{UseRegistry() ? GetSectionKey(lpszSection) : nullptr};
    DWORD type, size;
    if (!QueryValue(key.h, lpszEntry, &type, &size) || size > nSize) return FALSE;
    BYTE buf[16];  // the largest fixed-size value (a rectangle)
    if (size > sizeof buf) return FALSE;
    if (::RegQueryValueExA(key.h, lpszEntry, nullptr, &type, buf, &size) != ERROR_SUCCESS || size > nSize)
        return FALSE;
    memcpy(pData, buf, size);
    return TRUE;
}

BOOL CKXRegistryManager::WriteProfileDouble(LPCTSTR lpszSection, LPCTSTR lpszEntry, double dValue) {
    return WriteBytes(lpszSection, lpszEntry, &dValue, sizeof dValue, REG_BINARY);
}
BOOL CKXRegistryManager::GetProfileDouble(LPCTSTR lpszSection, LPCTSTR lpszEntry, double* pValue) {
    return ReadBytes(lpszSection, lpszEntry, pValue, sizeof(double));
}

BOOL CKXRegistryManager::WriteProfilePoint(LPCTSTR lpszSection, LPCTSTR lpszEntry, CPoint* pValue) {
    return WriteLongs<POINT>(lpszSection, lpszEntry, pValue);
}
BOOL CKXRegistryManager::GetProfilePoint(LPCTSTR lpszSection, LPCTSTR lpszEntry, CPoint* pValue) {
    return ReadLongs<POINT>(lpszSection, lpszEntry, pValue);
}

BOOL CKXRegistryManager::WriteProfileSize(LPCTSTR lpszSection, LPCTSTR lpszEntry, CSize* pValue) {
    return WriteLongs<SIZE>(lpszSection, lpszEntry, pValue);
}
BOOL CKXRegistryManager::GetProfileSize(LPCTSTR lpszSection, LPCTSTR lpszEntry, CSize* pValue) {
    return ReadLongs<SIZE>(lpszSection, lpszEntry, pValue);
}

BOOL CKXRegistryManager::WriteProfileRect(LPCTSTR lpszSection, LPCTSTR lpszEntry, CRect* pValue) {
    return WriteLongs<RECT>(lpszSection, lpszEntry, pValue);
}
BOOL CKXRegistryManager::GetProfileRect(LPCTSTR lpszSection, LPCTSTR lpszEntry, CRect* pValue) {
    return ReadLongs<RECT>(lpszSection, lpszEntry, pValue);
}

BOOL CKXRegistryManager::WriteProfileDword(LPCTSTR lpszSection, LPCTSTR lpszEntry, DWORD dwValue) {
    return WriteBytes(lpszSection, lpszEntry, &dwValue, sizeof dwValue, REG_DWORD);
}
BOOL CKXRegistryManager::GetProfileDword(LPCTSTR lpszSection, LPCTSTR lpszEntry, DWORD* pValue) {
    return ReadBytes(lpszSection, lpszEntry, pValue, sizeof(DWORD));
}

BOOL CKXRegistryManager::WriteProfileColor(LPCTSTR lpszSection, LPCTSTR lpszEntry, COLORREF crValue) {
    return WriteBytes(lpszSection, lpszEntry, &crValue, sizeof crValue, REG_DWORD);
}
BOOL CKXRegistryManager::GetProfileColor(LPCTSTR lpszSection, LPCTSTR lpszEntry, COLORREF* pValue) {
    return ReadBytes(lpszSection, lpszEntry, pValue, sizeof(COLORREF));
}

// --- byte blocks -------------------------------------------------------------

BOOL CKXRegistryManager::WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes) {
    return WriteBytes(lpszSection, lpszEntry, pData, nBytes, REG_BINARY);
}

BOOL CKXRegistryManager::GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, BYTE** ppData, UINT* pBytes) {
    if (ppData == nullptr || pBytes == nullptr) return FALSE;
    *ppData = nullptr;
    *pBytes = 0;
    if (lpszSection == nullptr || lpszEntry == nullptr) return FALSE;
    if (UseINI()) {
        CString text = AfxGetPrivateProfileString(lpszSection, lpszEntry, nullptr, m_strINIFileName);
        const UINT n = static_cast<UINT>(text.GetLength() / 2);
        if (n == 0) return FALSE;
        std::unique_ptr<BYTE[]> data(new BYTE[n]);
        UINT got = 0;
        if (!AfxDecodeProfileBinary(text.GetString(), static_cast<size_t>(text.GetLength()), data.get(), n, &got))
            return FALSE;
        *ppData = data.release();
        *pBytes = got;
        return TRUE;
    }
    KeyCloser key{UseRegistry() ? GetSectionKey(lpszSection) : nullptr};
    DWORD type, size;
    if (!QueryValue(key.h, lpszEntry, &type, &size)) return FALSE;
    std::unique_ptr<BYTE[]> data(new BYTE[size ? size : 1]);
    DWORD got = size;
    if (::RegQueryValueExA(key.h, lpszEntry, nullptr, &type, data.get(), &got) != ERROR_SUCCESS || got > size)
        return FALSE;
    *ppData = data.release();
    *pBytes = got;
    return TRUE;
}

// --- keys --------------------------------------------------------------------

bool CKXRegistryManager::DeleteKey(LPCTSTR lpszSection, LPCTSTR lpszEntry) {
    if (UseINI() || !UseRegistry() || lpszEntry == nullptr) return false;
    KeyCloser key{GetSectionKey(lpszSection)};
    return key.h != nullptr && kxreg::DeleteTree(key.h, lpszEntry) == ERROR_SUCCESS;
}

bool CKXRegistryManager::DeleteValue(LPCTSTR lpszSection, LPCTSTR lpszEntry) {
    if (lpszSection == nullptr || lpszEntry == nullptr) return false;
    if (UseINI()) return ::WritePrivateProfileStringA(lpszSection, lpszEntry, nullptr, m_strINIFileName) != FALSE;
    if (!UseRegistry()) return false;
    KeyCloser key{GetSectionKey(lpszSection)};
    return key.h != nullptr && ::RegDeleteValueA(key.h, lpszEntry) == ERROR_SUCCESS;
}

int CKXRegistryManager::EnumKeys(LPCTSTR lpszSection, CStringArray& arrKeys) {
    if (UseINI() || !UseRegistry()) return 0;
    KeyCloser key{GetSectionKey(lpszSection)};
    return kxreg::EnumKeyNames(key.h, arrKeys);
}

int CKXRegistryManager::EnumValues(LPCTSTR lpszSection, CKXValueTypeMap* pValues, CStringArray* pNames) {
    if (UseINI() || !UseRegistry()) return 0;
    KeyCloser key{GetSectionKey(lpszSection)};
    return kxreg::EnumValueNames(key.h, pValues, pNames);
}
