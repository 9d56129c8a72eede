// CKXVersionInfo: the version resource of an executable file, kept as plain
// fields: the fixed part and the twelve standard strings of one language and
// code page.  Also names the operating-system and file-type codes of the
// fixed part and formats its version numbers.  A value class.
//
// Reading needs the platform's version functions; outside Windows
// ReadVersionInfo and the queries find nothing and return FALSE.
#pragma once

#include "base/carchive.h"
#include "base/cstring.h"
#include "base/wintypes.h"

#ifndef _WIN32
struct VS_FIXEDFILEINFO {
    DWORD dwSignature;
    DWORD dwStrucVersion;
    DWORD dwFileVersionMS;
    DWORD dwFileVersionLS;
    DWORD dwProductVersionMS;
    DWORD dwProductVersionLS;
    DWORD dwFileFlagsMask;
    DWORD dwFileFlags;
    DWORD dwFileOS;
    DWORD dwFileType;
    DWORD dwFileSubtype;
    DWORD dwFileDateMS;
    DWORD dwFileDateLS;
};
#endif

class CKXVersionInfo {
public:
    explicit CKXVersionInfo(LPCTSTR lpszPath = nullptr);
    CKXVersionInfo(const CKXVersionInfo& other);
    CKXVersionInfo& operator=(const CKXVersionInfo& other);
    virtual ~CKXVersionInfo();

    BOOL ReadVersionInfo(LPCTSTR lpszPath);
    BOOL GetFixedFileInfo();
    // Strings of the nIndex-th language/code-page pair of the translation table.
    BOOL GetDynamicInfo(UINT nIndex);
    BOOL GetDynamicInfo(WORD wLang, WORD wCharset);
    void InitFixedInfo();
    void InitDynamicInfo();

    // "%u,%u,%u,%u": high and low half of the most, then the least significant word.
    CString GetFixedFileVersion() const;
    CString GetFixedProductVersion() const;
    CString GetFixedFileOS() const { return GetFileOS(m_FixedInfo.dwFileOS); }
    CString GetFixedFileType() const;
    DWORD GetLangCharset() const { return MAKELONG(m_wLang, m_wCharset); }

    static CString GetFileOS(DWORD dwFileOS);
    // The code whose name is lpszName, byte for byte; 0 when none is.
    static DWORD GetFileOS(LPCTSTR lpszName);
    static CString FormatVersion(DWORD dwMS, DWORD dwLS);
    static CString GetFileTypeName(DWORD dwType, DWORD dwSubtype);

    // Fixed part, language, code page and the twelve strings; not the raw buffer.
    virtual void Serialize(CArchive& ar);

    VS_FIXEDFILEINFO m_FixedInfo;
    CString m_strComments;
    CString m_strCompanyName;
    CString m_strFileDescription;
    CString m_strFileVersion;
    CString m_strInternalName;
    CString m_strLegalCopyright;
    CString m_strLegalTrademarks;
    CString m_strOriginalFileName;
    CString m_strPrivateBuild;
    CString m_strProductName;
    CString m_strProductVersion;
    CString m_strSpecialBuild;
    WORD m_wLang;
    WORD m_wCharset;

protected:
    void Release();

    BYTE* m_pBuffer;
    UINT m_nBufferSize;  // bytes in m_pBuffer, so that copies can duplicate it

private:
    // The strings in the order they are queried and archived.
    CString* StringField(int i);
};
