#include "base/cstdiofile.h"

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

CStdioFile::CStdioFile() = default;

CStdioFile::CStdioFile(FILE* pOpenStream) : m_pStream(pOpenStream) {
#ifdef _WIN32
    if (pOpenStream) m_hFile = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(pOpenStream)));
#else
    if (pOpenStream) m_hFile = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(fileno(pOpenStream)));
#endif
}

CStdioFile::CStdioFile(LPCTSTR lpszFileName, UINT nOpenFlags) {
    CFileException e;
    if (!Open(lpszFileName, nOpenFlags, &e)) AfxThrowFileException(e.m_cause, e.m_lOsError, e.m_strFileName);
}

CStdioFile::~CStdioFile() {
    if (m_pStream != nullptr && m_bCloseOnDelete) Abort();
}

BOOL CStdioFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
    if (m_pStream != nullptr) Close();
    // The mode of the stream: created files are written from the start (or
    // the end with modeNoTruncate), existing ones appended to or read.
    char szMode[4];
    int nMode = 0;
    if (nOpenFlags & modeCreate)
        szMode[nMode++] = (nOpenFlags & modeNoTruncate) ? 'a' : 'w';
    else if (nOpenFlags & modeWrite)
        szMode[nMode++] = 'a';
    else
        szMode[nMode++] = 'r';
    if ((szMode[0] == 'r' && (nOpenFlags & modeReadWrite)) || (szMode[0] != 'r' && !(nOpenFlags & modeWrite)))
        szMode[nMode++] = '+';
#ifdef _WIN32
    szMode[nMode++] = (nOpenFlags & typeBinary) ? 'b' : 't';
#endif
    szMode[nMode] = '\0';

    if (!CFile::Open(lpszFileName, nOpenFlags & ~static_cast<UINT>(typeText), pError)) return FALSE;
#ifdef _WIN32
    int nFlags = (nOpenFlags & (modeWrite | modeReadWrite)) ? 0 : _O_RDONLY;
    nFlags |= (nOpenFlags & typeBinary) ? _O_BINARY : _O_TEXT;
    int fd = _open_osfhandle(reinterpret_cast<intptr_t>(m_hFile), nFlags);
#else
    int fd = static_cast<int>(reinterpret_cast<INT_PTR>(m_hFile));
    // The C library here would put an "a" stream in append mode; the
    // Windows one does not, and the framework's files never append.
    if (szMode[0] == 'a') szMode[0] = 'w';
#endif
    m_pStream = fd >= 0 ? fdopen(fd, szMode) : nullptr;
    if (m_pStream == nullptr) {
        LONG err = errno;
#ifdef _WIN32
        if (fd >= 0) {
            _close(fd);  // closes the handle too
            m_hFile = hFileNull;
        }
#endif
        CFile::Abort();
        if (pError) {
            pError->m_cause = CFileException::genericException;
            pError->m_lOsError = err;
            pError->m_strFileName = lpszFileName;
        }
        return FALSE;
    }
    return TRUE;
}

void CStdioFile::ThrowError() const {
    LONG err = errno;
    AfxThrowFileException(CFileException::OsErrorToException(err), err, m_strFileName);
}

void CStdioFile::WriteString(LPCTSTR lpsz) {
    ASSERT(lpsz != nullptr && m_pStream != nullptr);
    if (lpsz == nullptr || m_pStream == nullptr) AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
    if (fputs(lpsz, m_pStream) == EOF) ThrowError();
}

LPTSTR CStdioFile::ReadString(LPTSTR lpsz, UINT nMax) {
    ASSERT(lpsz != nullptr && nMax > 0 && m_pStream != nullptr);
    if (lpsz == nullptr || nMax == 0 || m_pStream == nullptr)
        AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
    LPTSTR lpszResult = fgets(lpsz, static_cast<int>(nMax), m_pStream);
    if (lpszResult == nullptr && !feof(m_pStream)) {
        clearerr(m_pStream);
        ThrowError();
    }
    return lpszResult;
}

BOOL CStdioFile::ReadString(CString& rString) {
    rString.Empty();
    if (m_pStream == nullptr) AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
    // A piece at a time, until a piece ends with the newline or the file ends.
    const int nPiece = 128;
    for (;;) {
        int nOld = rString.GetLength();
        char* p = rString.GetBuffer(nOld + nPiece) + nOld;
        char* got = fgets(p, nPiece + 1, m_pStream);
        if (got == nullptr) {
            rString.ReleaseBuffer(nOld);
            if (!feof(m_pStream)) {
                clearerr(m_pStream);
                ThrowError();
            }
            break;
        }
        rString.ReleaseBuffer();
        if (rString.GetLength() > 0 && rString[rString.GetLength() - 1] == '\n') break;
    }
    int nLen = rString.GetLength();
    if (nLen != 0 && rString[nLen - 1] == '\n') rString.Truncate(nLen - 1);
    return nLen != 0;
}

ULONGLONG CStdioFile::GetPosition() const {
    if (m_pStream == nullptr) AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
#ifdef _WIN32
    long long pos = _ftelli64(m_pStream);
#else
    long long pos = ftello(m_pStream);
#endif
    if (pos < 0) ThrowError();
    return static_cast<ULONGLONG>(pos);
}

ULONGLONG CStdioFile::Seek(LONGLONG lOff, UINT nFrom) {
    if (m_pStream == nullptr) AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
    int whence = nFrom == begin ? SEEK_SET : nFrom == end ? SEEK_END : SEEK_CUR;
#ifdef _WIN32
    int r = _fseeki64(m_pStream, lOff, whence);
#else
    int r = fseeko(m_pStream, static_cast<off_t>(lOff), whence);
#endif
    if (r != 0) AfxThrowFileException(CFileException::badSeek, errno, m_strFileName);
    return GetPosition();
}

ULONGLONG CStdioFile::GetLength() const {
    CStdioFile* self = const_cast<CStdioFile*>(this);
    ULONGLONG pos = GetPosition();
    ULONGLONG len = self->Seek(0, end);
    self->Seek(static_cast<LONGLONG>(pos), begin);
    return len;
}

UINT CStdioFile::Read(void* lpBuf, UINT nCount) {
    if (nCount == 0) return 0;
    if (m_pStream == nullptr) AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
    size_t n = fread(lpBuf, 1, nCount, m_pStream);
    if (n == 0 && !feof(m_pStream)) {
        clearerr(m_pStream);
        ThrowError();
    }
    return static_cast<UINT>(n);
}

void CStdioFile::Write(const void* lpBuf, UINT nCount) {
    if (nCount == 0) return;
    if (m_pStream == nullptr) AfxThrowFileException(CFileException::invalidFile, -1, m_strFileName);
    if (fwrite(lpBuf, 1, nCount, m_pStream) != nCount) ThrowError();
}

void CStdioFile::Flush() {
    if (m_pStream != nullptr && fflush(m_pStream) != 0) ThrowError();
}

void CStdioFile::Close() {
    int r = 0;
    if (m_pStream != nullptr) r = fclose(m_pStream);  // closes the handle as well
    m_pStream = nullptr;
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
    if (r != 0) ThrowError();
}

void CStdioFile::Abort() {
    if (m_pStream != nullptr && m_bCloseOnDelete) fclose(m_pStream);
    m_pStream = nullptr;
    m_hFile = hFileNull;
    m_bCloseOnDelete = FALSE;
}
