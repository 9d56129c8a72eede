#include "base/cexception.h"

#include <cerrno>
#include <cstring>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CMemoryException, CException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CException)
IMPLEMENT_DYNAMIC(CArchiveException, CException)
IMPLEMENT_DYNAMIC(CFileException, CException)

namespace {
BOOL CopyMessage(LPCTSTR text, LPTSTR out, UINT nMax, UINT* pnHelpContext) {
    if (pnHelpContext) *pnHelpContext = 0;
    if (out == nullptr || nMax == 0) return FALSE;
    size_t n = strlen(text);
    if (n >= nMax) n = nMax - 1;
    memcpy(out, text, n);
    out[n] = '\0';
    return TRUE;
}
}  // namespace

void CException::Delete() {
    if (m_bAutoDelete) delete this;
}

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext) const {
    if (pnHelpContext) *pnHelpContext = 0;
    if (lpszError && nMaxError) *lpszError = '\0';
    return FALSE;
}

BOOL CMemoryException::GetErrorMessage(LPTSTR s, UINT n, UINT* h) const {
    return CopyMessage("Out of memory.", s, n, h);
}

BOOL CNotSupportedException::GetErrorMessage(LPTSTR s, UINT n, UINT* h) const {
    return CopyMessage("Unsupported operation was attempted.", s, n, h);
}

BOOL CArchiveException::GetErrorMessage(LPTSTR s, UINT n, UINT* h) const {
    static const char* const texts[] = {
        "No error occurred.",
        "An unknown error occurred while accessing the archive.",
        "An attempt was made to write to an archive opened for loading.",
        "An unexpected end of file was reached.",
        "An attempt was made to read from an archive opened for storing.",
        "The archive contains an invalid object index.",
        "The archive contains an unexpected object class.",
        "The archive contains an object of an incompatible schema.",
        "The archive buffer is full.",
    };
    int cause = (m_cause >= 0 && m_cause <= bufferFull) ? m_cause : genericException;
    return CopyMessage(texts[cause], s, n, h);
}

BOOL CFileException::GetErrorMessage(LPTSTR s, UINT n, UINT* h) const {
    static const char* const texts[] = {
        "No error occurred.",
        "An unknown error occurred while accessing the file.",
        "The file could not be found.",
        "The path is invalid.",
        "Too many files are open.",
        "Access to the file was denied.",
        "The file handle is invalid.",
        "The current directory cannot be removed.",
        "There are no more directory entries.",
        "An error occurred while setting the file position.",
        "A hardware I/O error occurred.",
        "A sharing violation occurred.",
        "A locking violation occurred.",
        "The disk is full.",
        "The end of the file was reached.",
    };
    int cause = (m_cause >= 0 && m_cause <= endOfFile) ? m_cause : genericException;
    CString text(texts[cause]);
    if (!m_strFileName.IsEmpty()) text += CString(" (") + m_strFileName + ")";
    return CopyMessage(text, s, n, h);
}

int CFileException::OsErrorToException(LONG lOsError) {
#ifdef _WIN32
    switch (lOsError) {
        case 0: return none;
        case ERROR_FILE_NOT_FOUND: return fileNotFound;
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_PATHNAME: return badPath;
        case ERROR_TOO_MANY_OPEN_FILES: return tooManyOpenFiles;
        case ERROR_ACCESS_DENIED:
        case ERROR_WRITE_PROTECT: return accessDenied;
        case ERROR_INVALID_HANDLE: return invalidFile;
        case ERROR_CURRENT_DIRECTORY: return removeCurrentDir;
        case ERROR_CANNOT_MAKE: return directoryFull;
        case ERROR_SEEK:
        case ERROR_NEGATIVE_SEEK: return badSeek;
        case ERROR_SHARING_VIOLATION: return sharingViolation;
        case ERROR_LOCK_VIOLATION: return lockViolation;
        case ERROR_HANDLE_DISK_FULL:
        case ERROR_DISK_FULL: return diskFull;
        case ERROR_HANDLE_EOF: return endOfFile;
        default: return genericException;
    }
#else
    switch (lOsError) {
        case 0: return none;
        case ENOENT: return fileNotFound;
        case ENOTDIR:
        case ENAMETOOLONG:
        case EINVAL: return badPath;
        case EMFILE:
        case ENFILE: return tooManyOpenFiles;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR: return accessDenied;
        case EBADF: return invalidFile;
        case ESPIPE: return badSeek;
        case EIO: return hardIO;
        case ENOSPC: return diskFull;
        default: return genericException;
    }
#endif
}

void AfxThrowMemoryException() { throw new CMemoryException; }
void AfxThrowNotSupportedException() { throw new CNotSupportedException; }
void AfxThrowArchiveException(int cause, LPCTSTR name) { throw new CArchiveException(cause, name); }
void AfxThrowFileException(int cause, LONG lOsError, LPCTSTR name) {
    throw new CFileException(cause, lOsError, name);
}
