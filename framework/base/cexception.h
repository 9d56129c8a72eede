// The framework's exceptions.  As in MFC they are thrown as pointers to heap
// objects, and the handler releases them with Delete():
//
//   TRY { ar >> value; }
//   CATCH(CArchiveException, e) { /* e->m_cause */ }
//   END_CATCH
//
// TRY/CATCH release the exception when the handler ends unless it rethrows
// with THROW_LAST().  Library code catches these at its boundaries and turns
// them into failure results.
#pragma once

#include "base/cobject.h"
#include "base/cstring.h"

class CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    explicit CException(BOOL bAutoDelete = TRUE) : m_bAutoDelete(bAutoDelete) {}
    void Delete();
    // Copies a description into the buffer; FALSE when there is none.
    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const;
#ifdef _WIN32
    // Tells the user in a message box: the description, or else the string
    // nMessageID (0: "No error message is available."); the box's answer.
    virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);
#endif

    BOOL m_bAutoDelete;
};

class CMemoryException : public CException {
    DECLARE_DYNAMIC(CMemoryException)
public:
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const override;
};

class CNotSupportedException : public CException {
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const override;
};

class CArchiveException : public CException {
    DECLARE_DYNAMIC(CArchiveException)
public:
    enum {
        none,
        genericException,
        readOnly,
        endOfFile,
        writeOnly,
        badIndex,
        badClass,
        badSchema,
        bufferFull,
    };
    explicit CArchiveException(int cause = none, LPCTSTR lpszArchiveName = nullptr)
        : m_cause(cause), m_strFileName(lpszArchiveName) {}
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const override;

    int m_cause;
    CString m_strFileName;
};

class CFileException : public CException {
    DECLARE_DYNAMIC(CFileException)
public:
    enum {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile,
    };
    explicit CFileException(int cause = none, LONG lOsError = -1, LPCTSTR lpszArchiveName = nullptr)
        : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszArchiveName) {}
    BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const override;
    // Maps an operating-system error (errno natively, GetLastError on Windows) to a cause.
    static int OsErrorToException(LONG lOsError);

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

[[noreturn]] void AfxThrowMemoryException();
[[noreturn]] void AfxThrowNotSupportedException();
[[noreturn]] void AfxThrowArchiveException(int cause, LPCTSTR lpszArchiveName = nullptr);
[[noreturn]] void AfxThrowFileException(int cause, LONG lOsError = -1, LPCTSTR lpszFileName = nullptr);

// Releases a caught exception when the handler is left normally.
struct AfxExceptionGuard {
    CException* p;
    ~AfxExceptionGuard() {
        if (p) p->Delete();
    }
};

#define TRY try
#define CATCH(class_name, e) \
    catch (class_name * e) { \
        AfxExceptionGuard _afxGuard{e};
#define AND_CATCH(class_name, e) \
    }                            \
    catch (class_name * e) {     \
        AfxExceptionGuard _afxGuard{e};
#define END_CATCH }
#define CATCH_ALL(e) CATCH(CException, e)
#define AND_CATCH_ALL(e) AND_CATCH(CException, e)
#define END_CATCH_ALL }
#define THROW(e) throw e
#define THROW_LAST()          \
    do {                      \
        _afxGuard.p = nullptr; \
        throw;                \
    } while (0)
