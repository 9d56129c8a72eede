#include "base/cfile.h"

#include <cerrno>
#include <climits>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#endif

IMPLEMENT_DYNAMIC(CFile, CObject)

const HANDLE CFile::hFileNull = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-1));

namespace {

#ifdef _WIN32
LONG LastOsError() { return static_cast<LONG>(::GetLastError()); }
#else
LONG LastOsError() { return errno; }
int Fd(HANDLE h) { return static_cast<int>(reinterpret_cast<INT_PTR>(h)); }
HANDLE FromFd(int fd) { return reinterpret_cast<HANDLE>(static_cast<INT_PTR>(fd)); }
#endif

[[noreturn]] void ThrowOsError(LONG err, const CString& name) {
    AfxThrowFileException(CFileException::OsErrorToException(err), err, name);
}

}  // namespace

CFile::CFile() : m_hFile(hFileNull), m_bCloseOnDelete(FALSE) {}

CFile::CFile(HANDLE hFile) : m_hFile(hFile), m_bCloseOnDelete(FALSE) {}

CFile::CFile(LPCTSTR lpszFileName, UINT nOpenFlags) : CFile() {
    CFileException e;
    if (!Open(lpszFileName, nOpenFlags, &e))
        AfxThrowFileException(e.m_cause, e.m_lOsError, e.m_strFileName);
}

CFile::~CFile() {
    if (m_hFile != hFileNull && m_bCloseOnDelete) Abort();
}

BOOL CFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
    if (m_hFile != hFileNull) Close();
    m_strFileName = lpszFileName;
    nOpenFlags &= ~static_cast<UINT>(typeBinary);
#ifdef _WIN32
    DWORD access = 0;
    switch (nOpenFlags & 3) {
        case modeRead: access = GENERIC_READ; break;
        case modeWrite: access = GENERIC_WRITE; break;
        case modeReadWrite: access = GENERIC_READ | GENERIC_WRITE; break;
        default: access = GENERIC_READ; break;
    }
    DWORD share = 0;
    switch (nOpenFlags & 0x70) {
        case shareCompat:
        case shareExclusive: share = 0; break;
        case shareDenyWrite: share = FILE_SHARE_READ; break;
        case shareDenyRead: share = FILE_SHARE_WRITE; break;
        case shareDenyNone: share = FILE_SHARE_READ | FILE_SHARE_WRITE; break;
        default: break;
    }
    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, (nOpenFlags & modeNoInherit) == 0};
    DWORD create = OPEN_EXISTING;
    if (nOpenFlags & modeCreate) create = (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;
    HANDLE h = ::CreateFileA(lpszFileName, access, share, &sa, create, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        if (pError) {
            pError->m_lOsError = LastOsError();
            pError->m_cause = CFileException::OsErrorToException(pError->m_lOsError);
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    m_hFile = h;
#else
    int flags = 0;
    switch (nOpenFlags & 3) {
        case modeWrite: flags = O_WRONLY; break;
        case modeReadWrite: flags = O_RDWR; break;
        default: flags = O_RDONLY; break;
    }
    if (nOpenFlags & modeCreate) flags |= O_CREAT | ((nOpenFlags & modeNoTruncate) ? 0 : O_TRUNC);
    if (nOpenFlags & modeNoInherit) flags |= O_CLOEXEC;
    int fd = lpszFileName ? ::open(lpszFileName, flags, 0644) : -1;
    if (fd < 0) {
        if (pError) {
            pError->m_lOsError = lpszFileName ? LastOsError() : EINVAL;
            pError->m_cause = CFileException::OsErrorToException(pError->m_lOsError);
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    m_hFile = FromFd(fd);
#endif
    m_bCloseOnDelete = TRUE;
    return TRUE;
}

ULONGLONG CFile::GetPosition() const { return const_cast<CFile*>(this)->Seek(0, current); }

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom) {
    if (m_hFile == hFileNull) AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
#ifdef _WIN32
    LARGE_INTEGER li, out;
    li.QuadPart = lOff;
    DWORD method = nFrom == begin ? FILE_BEGIN : nFrom == end ? FILE_END : FILE_CURRENT;
    if (!::SetFilePointerEx(m_hFile, li, &out, method)) ThrowOsError(LastOsError(), m_strFileName);
    return static_cast<ULONGLONG>(out.QuadPart);
#else
    int whence = nFrom == begin ? SEEK_SET : nFrom == end ? SEEK_END : SEEK_CUR;
    off_t r = ::lseek(Fd(m_hFile), static_cast<off_t>(lOff), whence);
    if (r < 0) AfxThrowFileException(CFileException::badSeek, LastOsError(), m_strFileName);
    return static_cast<ULONGLONG>(r);
#endif
}

void CFile::SetLength(ULONGLONG dwNewLen) {
    if (m_hFile == hFileNull) AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
#ifdef _WIN32
    Seek(static_cast<LONGLONG>(dwNewLen), begin);
    if (!::SetEndOfFile(m_hFile)) ThrowOsError(LastOsError(), m_strFileName);
#else
    if (::ftruncate(Fd(m_hFile), static_cast<off_t>(dwNewLen)) != 0) ThrowOsError(LastOsError(), m_strFileName);
#endif
}

ULONGLONG CFile::GetLength() const {
    if (m_hFile == hFileNull) AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
#ifdef _WIN32
    LARGE_INTEGER li;
    if (!::GetFileSizeEx(m_hFile, &li)) ThrowOsError(LastOsError(), m_strFileName);
    return static_cast<ULONGLONG>(li.QuadPart);
#else
    struct stat st;
    if (::fstat(Fd(m_hFile), &st) != 0) ThrowOsError(LastOsError(), m_strFileName);
    return static_cast<ULONGLONG>(st.st_size);
#endif
}

UINT CFile::Read(void* lpBuf, UINT nCount) {
    if (nCount == 0) return 0;
    if (m_hFile == hFileNull) AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
#ifdef _WIN32
    DWORD nRead = 0;
    if (!::ReadFile(m_hFile, lpBuf, nCount, &nRead, nullptr)) ThrowOsError(LastOsError(), m_strFileName);
    return nRead;
#else
    UINT total = 0;
    while (total < nCount) {
        ssize_t n = ::read(Fd(m_hFile), static_cast<char*>(lpBuf) + total, nCount - total);
        if (n < 0) {
            if (errno == EINTR) continue;
            ThrowOsError(LastOsError(), m_strFileName);
        }
        if (n == 0) break;
        total += static_cast<UINT>(n);
    }
    return total;
#endif
}

void CFile::Write(const void* lpBuf, UINT nCount) {
    if (nCount == 0) return;
    if (m_hFile == hFileNull) AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
#ifdef _WIN32
    DWORD nWritten = 0;
    if (!::WriteFile(m_hFile, lpBuf, nCount, &nWritten, nullptr)) ThrowOsError(LastOsError(), m_strFileName);
    if (nWritten != nCount) AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
#else
    UINT total = 0;
    while (total < nCount) {
        ssize_t n = ::write(Fd(m_hFile), static_cast<const char*>(lpBuf) + total, nCount - total);
        if (n < 0) {
            if (errno == EINTR) continue;
            ThrowOsError(LastOsError(), m_strFileName);
        }
        total += static_cast<UINT>(n);
    }
#endif
}

void CFile::Flush() {
    if (m_hFile == hFileNull) return;
#ifdef _WIN32
    if (!::FlushFileBuffers(m_hFile)) ThrowOsError(LastOsError(), m_strFileName);
#else
    ::fsync(Fd(m_hFile));
#endif
}

void CFile::Close() {
    bool failed = false;
    LONG err = 0;
    if (m_hFile != hFileNull) {
#ifdef _WIN32
        failed = !::CloseHandle(m_hFile);
#else
        failed = ::close(Fd(m_hFile)) != 0;
#endif
        if (failed) err = LastOsError();
    }
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    if (failed) ThrowOsError(err, m_strFileName);
}

void CFile::Abort() {
    if (m_hFile != hFileNull) {
#ifdef _WIN32
        ::CloseHandle(m_hFile);
#else
        ::close(Fd(m_hFile));
#endif
        m_hFile = hFileNull;
    }
    m_bCloseOnDelete = FALSE;
}

UINT CFile::GetBufferPtr(UINT, UINT, void** ppBufStart, void** ppBufMax) {
    if (ppBufStart) *ppBufStart = nullptr;
    if (ppBufMax) *ppBufMax = nullptr;
    return 0;  // plain files are not reachable directly
}

CString CFile::GetFileName() const {
    int slash = -1;
    for (int i = 0; i < m_strFileName.GetLength(); ++i) {
        char c = m_strFileName[i];
        if (c == '\\' || c == '/' || c == ':') slash = i;
    }
    return m_strFileName.Mid(slash + 1);
}

CString CFile::GetFileTitle() const {
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot > 0 ? name.Left(dot) : name;
}

void CFile::Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName) {
#ifdef _WIN32
    if (!::MoveFileA(lpszOldName, lpszNewName)) ThrowOsError(LastOsError(), lpszOldName);
#else
    if (::rename(lpszOldName, lpszNewName) != 0) ThrowOsError(LastOsError(), lpszOldName);
#endif
}

void CFile::Remove(LPCTSTR lpszFileName) {
#ifdef _WIN32
    if (!::DeleteFileA(lpszFileName)) ThrowOsError(LastOsError(), lpszFileName);
#else
    if (::unlink(lpszFileName) != 0) ThrowOsError(LastOsError(), lpszFileName);
#endif
}
