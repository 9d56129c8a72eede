#include "win/filefind.h"

IMPLEMENT_DYNAMIC(CFileFind, CObject)

BOOL CFileFind::FindFile(LPCTSTR pstrName, DWORD) {
    Close();
    if (pstrName == nullptr || *pstrName == '\0') pstrName = "*.*";
    m_hContext = ::FindFirstFileA(pstrName, &m_next);
    if (m_hContext == INVALID_HANDLE_VALUE) {
        m_hContext = nullptr;
        return FALSE;
    }
    m_bNext = TRUE;
    // The folder part of the pattern, made absolute.
    char full[MAX_PATH];
    LPSTR pName = nullptr;
    if (::GetFullPathNameA(pstrName, MAX_PATH, full, &pName) == 0) {
        m_strRoot.Empty();
    } else {
        if (pName) *pName = '\0';
        m_strRoot = full;
        if (m_strRoot.GetLength() > 3) m_strRoot.TrimRight('\\');
    }
    return TRUE;
}

BOOL CFileFind::FindNextFile() {
    ASSERT(m_hContext != nullptr);
    if (m_hContext == nullptr || !m_bNext) return FALSE;
    m_found = m_next;
    m_bFound = TRUE;
    m_bNext = ::FindNextFileA(m_hContext, &m_next);
    return m_bNext;
}

void CFileFind::Close() {
    if (m_hContext != nullptr) ::FindClose(m_hContext);
    m_hContext = nullptr;
    m_bFound = m_bNext = FALSE;
    m_strRoot.Empty();
}

const WIN32_FIND_DATAA* CFileFind::Current() const {
    ASSERT(m_bFound);  // FindNextFile has not made a file current yet
    return m_bFound ? &m_found : nullptr;
}

ULONGLONG CFileFind::GetLength() const {
    const WIN32_FIND_DATAA* p = Current();
    return p ? (static_cast<ULONGLONG>(p->nFileSizeHigh) << 32) | p->nFileSizeLow : 0;
}

CString CFileFind::GetFileName() const {
    const WIN32_FIND_DATAA* p = Current();
    return p ? CString(p->cFileName) : CString();
}

CString CFileFind::GetFilePath() const {
    CString strRoot = GetRoot();
    if (!strRoot.IsEmpty() && strRoot[strRoot.GetLength() - 1] != '\\') strRoot += '\\';
    return strRoot + GetFileName();
}

CString CFileFind::GetFileTitle() const {
    CString strName = GetFileName();
    int nDot = strName.ReverseFind('.');
    return nDot > 0 ? strName.Left(nDot) : strName;
}

CString CFileFind::GetFileURL() const {
    CString strPath = GetFilePath();
    strPath.Replace('\\', '/');
    return "file://" + strPath;
}

CString CFileFind::GetRoot() const {
    ASSERT(m_hContext != nullptr);
    return m_strRoot;
}

BOOL CFileFind::GetLastWriteTime(FILETIME* pTimeStamp) const {
    const WIN32_FIND_DATAA* p = Current();
    if (p == nullptr || pTimeStamp == nullptr) return FALSE;
    *pTimeStamp = p->ftLastWriteTime;
    return TRUE;
}

BOOL CFileFind::GetLastAccessTime(FILETIME* pTimeStamp) const {
    const WIN32_FIND_DATAA* p = Current();
    if (p == nullptr || pTimeStamp == nullptr) return FALSE;
    *pTimeStamp = p->ftLastAccessTime;
    return TRUE;
}

BOOL CFileFind::GetCreationTime(FILETIME* pTimeStamp) const {
    const WIN32_FIND_DATAA* p = Current();
    if (p == nullptr || pTimeStamp == nullptr) return FALSE;
    *pTimeStamp = p->ftCreationTime;
    return TRUE;
}

namespace {
BOOL ToTime(BOOL bOK, const FILETIME& ft, CTime& refTime) {
    if (!bOK || !CTime::IsValidFILETIME(ft)) return FALSE;
    refTime = CTime(ft);
    return TRUE;
}
}  // namespace

BOOL CFileFind::GetLastWriteTime(CTime& refTime) const {
    FILETIME ft = {};
    return ToTime(GetLastWriteTime(&ft), ft, refTime);
}

BOOL CFileFind::GetLastAccessTime(CTime& refTime) const {
    FILETIME ft = {};
    return ToTime(GetLastAccessTime(&ft), ft, refTime);
}

BOOL CFileFind::GetCreationTime(CTime& refTime) const {
    FILETIME ft = {};
    return ToTime(GetCreationTime(&ft), ft, refTime);
}

BOOL CFileFind::MatchesMask(DWORD dwMask) const {
    const WIN32_FIND_DATAA* p = Current();
    return p != nullptr && (p->dwFileAttributes & dwMask) != 0;
}

BOOL CFileFind::IsDots() const {
    const WIN32_FIND_DATAA* p = Current();
    if (p == nullptr || !(p->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return FALSE;
    return strcmp(p->cFileName, ".") == 0 || strcmp(p->cFileName, "..") == 0;
}
