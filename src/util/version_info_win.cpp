// Reading the version resource through the platform's version functions.
#include "util/version_info.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

BOOL CKXVersionInfo::ReadVersionInfo(LPCTSTR lpszPath) {
    Release();
    InitFixedInfo();
    InitDynamicInfo();
    if (lpszPath == nullptr) return FALSE;
    DWORD handle = 0;
    DWORD size = ::GetFileVersionInfoSizeA(lpszPath, &handle);
    if (size == 0) return FALSE;
    m_pBuffer = new BYTE[size];
    m_nBufferSize = size;
    if (!::GetFileVersionInfoA(lpszPath, 0, size, m_pBuffer)) {
        Release();
        return FALSE;
    }
    if (!GetFixedFileInfo()) return FALSE;
    return GetDynamicInfo(0U);
}

BOOL CKXVersionInfo::GetFixedFileInfo() {
    if (m_pBuffer == nullptr) return FALSE;
    void* p = nullptr;
    UINT len = 0;
    if (!::VerQueryValueA(m_pBuffer, "\\", &p, &len) || p == nullptr || len < sizeof(VS_FIXEDFILEINFO))
        return FALSE;
    memcpy(&m_FixedInfo, p, sizeof m_FixedInfo);
    return TRUE;
}

BOOL CKXVersionInfo::GetDynamicInfo(UINT nIndex) {
    if (m_pBuffer == nullptr) return FALSE;
    void* p = nullptr;
    UINT len = 0;
    if (!::VerQueryValueA(m_pBuffer, "\\VarFileInfo\\Translation", &p, &len) || p == nullptr) return FALSE;
    if (nIndex >= len / (2 * sizeof(WORD))) return FALSE;
    WORD pair[2];
    memcpy(pair, static_cast<const BYTE*>(p) + nIndex * sizeof pair, sizeof pair);
    return GetDynamicInfo(pair[0], pair[1]);
}

BOOL CKXVersionInfo::GetDynamicInfo(WORD wLang, WORD wCharset) {
    if (m_pBuffer == nullptr) return FALSE;
    m_wLang = wLang;
    m_wCharset = wCharset;
    static const char* const kNames[12] = {
        "CompanyName",  "LegalCopyRight", "ProductName", "ProductVersion", "OriginalFileName", "FileDescription",
        "FileVersion",  "InternalName",   "Comments",    "LegalTrademarks", "PrivateBuild",    "SpecialBuild",
    };
    for (int i = 0; i < 12; ++i) {
        char query[96];
        snprintf(query, sizeof query, "\\StringFileInfo\\%04x%04x\\%s", wLang, wCharset, kNames[i]);
        void* p = nullptr;
        UINT len = 0;
        CString* field = StringField(i);
        if (::VerQueryValueA(m_pBuffer, query, &p, &len) && p != nullptr && len > 0)
            *field = CString(static_cast<const char*>(p), static_cast<int>(strnlen(static_cast<const char*>(p), len)));
        else
            field->Empty();
    }
    return TRUE;
}
