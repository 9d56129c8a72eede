// CFile's status functions: times, size, attributes and full path.
#include "base/cfile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>
#endif

namespace {

void CopyName(TCHAR* out, LPCTSTR name) {
    size_t n = name ? strlen(name) : 0;
    if (n >= _MAX_PATH) n = _MAX_PATH - 1;
    if (n) memcpy(out, name, n);
    out[n] = '\0';
}

#ifdef _WIN32
CTime FromFileTime(const FILETIME& ft) { return CTime::IsValidFILETIME(ft) ? CTime(ft) : CTime(); }
#endif

}  // namespace

BOOL CFile::GetStatus(CFileStatus& rStatus) const {
    rStatus = CFileStatus();
    if (m_hFile == hFileNull) return FALSE;
    // The path first: the name the file was opened with, made absolute.
    if (!GetStatus(m_strFileName, rStatus)) CopyName(rStatus.m_szFullName, m_strFileName);
#ifdef _WIN32
    // The handle knows the current times and size better than the directory.
    FILETIME c, a, m;
    if (!::GetFileTime(m_hFile, &c, &a, &m)) return FALSE;
    rStatus.m_ctime = FromFileTime(c);
    rStatus.m_atime = FromFileTime(a);
    rStatus.m_mtime = FromFileTime(m);
#endif
    try {
        rStatus.m_size = GetLength();
    } catch (CFileException* e) {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

BOOL CFile::GetStatus(LPCTSTR lpszFileName, CFileStatus& rStatus) {
    rStatus = CFileStatus();
    if (lpszFileName == nullptr || *lpszFileName == '\0') return FALSE;
#ifdef _WIN32
    char full[_MAX_PATH];
    if (::GetFullPathNameA(lpszFileName, _MAX_PATH, full, nullptr) == 0) return FALSE;
    WIN32_FIND_DATAA fd;
    HANDLE hFind = ::FindFirstFileA(lpszFileName, &fd);
    if (hFind == INVALID_HANDLE_VALUE) return FALSE;
    ::FindClose(hFind);
    CopyName(rStatus.m_szFullName, full);
    rStatus.m_attribute = static_cast<BYTE>(fd.dwFileAttributes & ~FILE_ATTRIBUTE_NORMAL);
    rStatus.m_size = (static_cast<ULONGLONG>(fd.nFileSizeHigh) << 32) | fd.nFileSizeLow;
    rStatus.m_ctime = FromFileTime(fd.ftCreationTime);
    rStatus.m_atime = FromFileTime(fd.ftLastAccessTime);
    rStatus.m_mtime = FromFileTime(fd.ftLastWriteTime);
#else
    struct stat st;
    if (::stat(lpszFileName, &st) != 0) return FALSE;
    char full[PATH_MAX];
    CopyName(rStatus.m_szFullName, ::realpath(lpszFileName, full) ? full : lpszFileName);
    if (S_ISDIR(st.st_mode)) rStatus.m_attribute |= directory;
    if (!(st.st_mode & S_IWUSR)) rStatus.m_attribute |= readOnly;
    rStatus.m_size = static_cast<ULONGLONG>(st.st_size);
    // No creation time here: the time of the last status change stands in.
    rStatus.m_ctime = CTime(static_cast<AFX_TIME64>(st.st_ctime));
    rStatus.m_atime = CTime(static_cast<AFX_TIME64>(st.st_atime));
    rStatus.m_mtime = CTime(static_cast<AFX_TIME64>(st.st_mtime));
#endif
    return TRUE;
}

void CFile::SetStatus(LPCTSTR lpszFileName, const CFileStatus& status) {
#ifdef _WIN32
    DWORD wAttr = ::GetFileAttributesA(lpszFileName);
    if (wAttr == INVALID_FILE_ATTRIBUTES)
        AfxThrowFileException(CFileException::OsErrorToException(::GetLastError()), static_cast<LONG>(::GetLastError()),
                              lpszFileName);
    // A read-only file takes new times only once it is writable again.
    if (status.m_attribute != wAttr && (wAttr & readOnly) && !::SetFileAttributesA(lpszFileName, status.m_attribute))
        AfxThrowFileException(CFileException::OsErrorToException(::GetLastError()), static_cast<LONG>(::GetLastError()),
                              lpszFileName);
    FILETIME c, a, m;
    BOOL bC = AfxTimeToFileTime(status.m_ctime, &c), bA = AfxTimeToFileTime(status.m_atime, &a),
         bM = AfxTimeToFileTime(status.m_mtime, &m);
    if (bC || bA || bM) {
        HANDLE h = ::CreateFileA(lpszFileName, FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            AfxThrowFileException(CFileException::OsErrorToException(::GetLastError()),
                                  static_cast<LONG>(::GetLastError()), lpszFileName);
        BOOL bOK = ::SetFileTime(h, bC ? &c : nullptr, bA ? &a : nullptr, bM ? &m : nullptr);
        LONG err = static_cast<LONG>(::GetLastError());
        ::CloseHandle(h);
        if (!bOK) AfxThrowFileException(CFileException::OsErrorToException(err), err, lpszFileName);
    }
    if (status.m_attribute != wAttr && !(wAttr & readOnly) && !::SetFileAttributesA(lpszFileName, status.m_attribute))
        AfxThrowFileException(CFileException::OsErrorToException(::GetLastError()), static_cast<LONG>(::GetLastError()),
                              lpszFileName);
#else
    struct stat st;
    if (lpszFileName == nullptr || ::stat(lpszFileName, &st) != 0)
        AfxThrowFileException(CFileException::OsErrorToException(errno), errno, lpszFileName);
    if (status.m_atime.GetTime() != 0 || status.m_mtime.GetTime() != 0) {
        struct timeval tv[2];
        tv[0].tv_sec = status.m_atime.GetTime() != 0 ? static_cast<time_t>(status.m_atime.GetTime()) : st.st_atime;
        tv[1].tv_sec = status.m_mtime.GetTime() != 0 ? static_cast<time_t>(status.m_mtime.GetTime()) : st.st_mtime;
        tv[0].tv_usec = tv[1].tv_usec = 0;
        if (::utimes(lpszFileName, tv) != 0)
            AfxThrowFileException(CFileException::OsErrorToException(errno), errno, lpszFileName);
    }
    mode_t mode = st.st_mode & 07777;
    mode = (status.m_attribute & readOnly) ? (mode & ~(S_IWUSR | S_IWGRP | S_IWOTH)) : (mode | S_IWUSR);
    if (mode != (st.st_mode & 07777) && ::chmod(lpszFileName, mode) != 0)
        AfxThrowFileException(CFileException::OsErrorToException(errno), errno, lpszFileName);
#endif
}
