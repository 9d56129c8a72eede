#include "util/version_info.h"

#include <cstring>

namespace {

struct OsName {
    DWORD code;
    const char* name;
};

const OsName kOsNames[] = {
    {0x00000, "Unknown OS"},
    {0x10000, "MS-DOS"},
    {0x20000, "16-bit OS/2"},
    {0x30000, "32-bit OS/2"},
    {0x40000, "Windows NT"},
    {0x00001, "16-bit Windows"},
    {0x00002, "16-bit Presentation Manager"},
    {0x00003, "32-bit Presentation Manager"},
    {0x00004, "32-bit Windows"},
    {0x10001, "16-bit windows running on MS-DOS"},
    {0x10004, "32-bit Windows running on MS-DOS"},
    {0x20002, "16-bit Presentation manager running on 16-bit OS/2"},
    {0x30003, "32-bit Presentation manager running on 32-bit OS/2"},
    {0x40004, "Win32 API on Windows NT"},
};

// The reverse lookup knows 0x10004 only under its lower-case spelling, so
// that one name does not round-trip; every other name does.
const char* ReverseName(const OsName& e) {
    return e.code == 0x10004 ? "32-bit windows running on MS-DOS" : e.name;
}

const char* const kDriverNames[] = {
    "Unknown driver", "Printer driver", "Keyboard driver", "Language driver", "Display driver",
    "Mouse driver",   "Network driver", "System driver",   "Installable driver", "Sound driver",
};

const char* const kFontNames[] = {"Unknown font", "Raster font", "Vector font", "Truetype font"};

}  // namespace

CKXVersionInfo::CKXVersionInfo(LPCTSTR lpszPath) : m_wLang(0), m_wCharset(0), m_pBuffer(nullptr), m_nBufferSize(0) {
    InitFixedInfo();
    if (lpszPath != nullptr && *lpszPath != '\0') ReadVersionInfo(lpszPath);
}

CKXVersionInfo::CKXVersionInfo(const CKXVersionInfo& other)
    : m_wLang(0), m_wCharset(0), m_pBuffer(nullptr), m_nBufferSize(0) {
    InitFixedInfo();
    *this = other;
}

CKXVersionInfo& CKXVersionInfo::operator=(const CKXVersionInfo& other) {
    if (this == &other) return *this;
    m_FixedInfo = other.m_FixedInfo;
    for (int i = 0; i < 12; ++i) *StringField(i) = *const_cast<CKXVersionInfo&>(other).StringField(i);
    m_wLang = other.m_wLang;
    m_wCharset = other.m_wCharset;
    Release();
    if (other.m_pBuffer != nullptr && other.m_nBufferSize > 0) {
        m_pBuffer = new BYTE[other.m_nBufferSize];
        memcpy(m_pBuffer, other.m_pBuffer, other.m_nBufferSize);
        m_nBufferSize = other.m_nBufferSize;
    }
    return *this;
}

CKXVersionInfo::~CKXVersionInfo() { Release(); }

void CKXVersionInfo::Release() {
    delete[] m_pBuffer;
    m_pBuffer = nullptr;
    m_nBufferSize = 0;
}

void CKXVersionInfo::InitFixedInfo() { memset(&m_FixedInfo, 0, sizeof m_FixedInfo); }

void CKXVersionInfo::InitDynamicInfo() {
    for (int i = 0; i < 12; ++i) StringField(i)->Empty();
    m_wLang = 0;
    m_wCharset = 0;
}

CString* CKXVersionInfo::StringField(int i) {
    CString* const fields[12] = {
        &m_strCompanyName,  &m_strLegalCopyright,  &m_strProductName,  &m_strProductVersion,
        &m_strOriginalFileName, &m_strFileDescription, &m_strFileVersion, &m_strInternalName,
        &m_strComments,     &m_strLegalTrademarks, &m_strPrivateBuild, &m_strSpecialBuild,
    };
    return fields[i];
}

CString CKXVersionInfo::FormatVersion(DWORD dwMS, DWORD dwLS) {
    CString s;
    s.Format("%u,%u,%u,%u", static_cast<unsigned>(HIWORD(dwMS)), static_cast<unsigned>(LOWORD(dwMS)),
             static_cast<unsigned>(HIWORD(dwLS)), static_cast<unsigned>(LOWORD(dwLS)));
    return s;
}

CString CKXVersionInfo::GetFixedFileVersion() const {
    return FormatVersion(m_FixedInfo.dwFileVersionMS, m_FixedInfo.dwFileVersionLS);
}

CString CKXVersionInfo::GetFixedProductVersion() const {
    return FormatVersion(m_FixedInfo.dwProductVersionMS, m_FixedInfo.dwProductVersionLS);
}

CString CKXVersionInfo::GetFileOS(DWORD dwFileOS) {
    for (const OsName& e : kOsNames)
        if (e.code == dwFileOS) return e.name;
    return CString();
}

DWORD CKXVersionInfo::GetFileOS(LPCTSTR lpszName) {
    if (lpszName == nullptr) return 0;
    for (const OsName& e : kOsNames)
        if (strcmp(ReverseName(e), lpszName) == 0) return e.code;
    return 0;
}

CString CKXVersionInfo::GetFileTypeName(DWORD dwType, DWORD dwSubtype) {
    switch (dwType) {
        case 0: return "Unknown type";
        case 1: return "Application";
        case 2: return "Dynamic link library";
        case 3: return dwSubtype < 10 ? CString(kDriverNames[dwSubtype]) : CString();
        case 4: return dwSubtype < 4 ? CString(kFontNames[dwSubtype]) : CString();
        case 5: return "Virtual device";
        case 7: return "Static link library";
        default: return CString();
    }
}

CString CKXVersionInfo::GetFixedFileType() const {
    return GetFileTypeName(m_FixedInfo.dwFileType, m_FixedInfo.dwFileSubtype);
}

static_assert(sizeof(VS_FIXEDFILEINFO) == 13 * sizeof(DWORD), "the fixed part is thirteen words");

void CKXVersionInfo::Serialize(CArchive& ar) {
    DWORD words[13];
    if (ar.IsStoring()) {
        memcpy(words, &m_FixedInfo, sizeof words);
        for (DWORD w : words) ar << w;
        ar << m_wLang << m_wCharset;
        for (int i = 0; i < 12; ++i) ar << *StringField(i);
    } else {
        // Read everything before changing anything, so that a truncated
        // archive (which throws) leaves the object as it was.
        WORD lang = 0, charset = 0;
        CString strings[12];
        for (DWORD& w : words) ar >> w;
        ar >> lang >> charset;
        for (CString& s : strings) ar >> s;
        memcpy(&m_FixedInfo, words, sizeof words);
        m_wLang = lang;
        m_wCharset = charset;
        for (int i = 0; i < 12; ++i) *StringField(i) = strings[i];
    }
}

#ifndef _WIN32
// No version resources outside Windows.
BOOL CKXVersionInfo::ReadVersionInfo(LPCTSTR) {
    Release();
    InitFixedInfo();
    InitDynamicInfo();
    return FALSE;
}
BOOL CKXVersionInfo::GetFixedFileInfo() { return FALSE; }
BOOL CKXVersionInfo::GetDynamicInfo(UINT) { return FALSE; }
BOOL CKXVersionInfo::GetDynamicInfo(WORD, WORD) { return FALSE; }
#endif
