// CFile: unbuffered binary file access with MFC's open flags.  Errors are
// reported as MFC does: Open returns FALSE (and fills the optional
// CFileException); the other operations throw CFileException*.
#pragma once

#include "base/cexception.h"
#include "base/cobject.h"
#include "base/cstring.h"
#include "base/ctime.h"

// A file's status: its times (0 where the file system keeps none), its size,
// its attributes (CFile::Attribute) and its full path.
struct CFileStatus {
    CTime m_ctime;          // creation
    CTime m_mtime;          // last modification
    CTime m_atime;          // last access
    ULONGLONG m_size = 0;
    BYTE m_attribute = 0;
    BYTE _m_padding = 0;
    TCHAR m_szFullName[_MAX_PATH] = {};
};

class CFile : public CObject {
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000,
    };
    enum SeekPosition : UINT { begin = 0x0, current = 0x1, end = 0x2 };
    enum Attribute {
        normal = 0x00,
        readOnly = 0x01,
        hidden = 0x02,
        system = 0x04,
        volume = 0x08,
        directory = 0x10,
        archive = 0x20,
    };
    // How an archive may reach a file's storage directly (memory files).
    enum BufferCommand { bufferRead, bufferWrite, bufferCommit, bufferCheck };
    enum BufferFlags { bufferDirect = 0x01, bufferBlocking = 0x02 };

    static const HANDLE hFileNull;

    CFile();
    explicit CFile(HANDLE hFile);
    CFile(LPCTSTR lpszFileName, UINT nOpenFlags);  // throws CFileException* on failure
    ~CFile() override;

    virtual BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
    virtual ULONGLONG GetPosition() const;
    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    void SeekToBegin() { Seek(0, begin); }
    ULONGLONG SeekToEnd() { return Seek(0, end); }
    virtual void SetLength(ULONGLONG dwNewLen);
    virtual ULONGLONG GetLength() const;
    virtual UINT Read(void* lpBuf, UINT nCount);
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual void Flush();
    virtual void Close();
    virtual void Abort();  // closes, ignoring errors
    virtual UINT GetBufferPtr(UINT nCommand, UINT nCount = 0, void** ppBufStart = nullptr,
                              void** ppBufMax = nullptr);

    virtual CString GetFileName() const;
    virtual CString GetFileTitle() const;
    virtual CString GetFilePath() const { return m_strFileName; }

    // The open file's status; FALSE when it cannot be read.
    BOOL GetStatus(CFileStatus& rStatus) const;
    // A named file's status; FALSE when there is no such file.
    static BOOL GetStatus(LPCTSTR lpszFileName, CFileStatus& rStatus);
    // Sets the times that are not 0 and the attributes; throws CFileException*.
    static void SetStatus(LPCTSTR lpszFileName, const CFileStatus& status);
    static void Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName);
    static void Remove(LPCTSTR lpszFileName);

    HANDLE m_hFile;
    operator HANDLE() const { return m_hFile; }

protected:
    BOOL m_bCloseOnDelete;
    CString m_strFileName;
};
