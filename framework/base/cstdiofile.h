// CStdioFile: a file read and written through the C library's buffered
// streams, by lines of text or by bytes.  Without CFile::typeBinary the file
// is in text mode: on Windows "\r\n" reads as "\n" and "\n" writes as "\r\n".
// Opening follows the framework's modes: modeCreate truncates unless
// modeNoTruncate is given.  As with the framework's, the stream is not in
// append mode: writing starts at the beginning of an existing file (seek to
// its end to add to it).  Errors throw CFileException* as CFile's do; Open
// returns FALSE.
#pragma once

#include "base/cfile.h"

#include <cstdio>

class CStdioFile : public CFile {
    DECLARE_DYNAMIC(CStdioFile)
public:
    CStdioFile();
    explicit CStdioFile(FILE* pOpenStream);  // not closed by this object
    CStdioFile(LPCTSTR lpszFileName, UINT nOpenFlags);  // throws CFileException* on failure
    ~CStdioFile() override;

    BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr) override;

    // Writes the text as it is (no newline is added).
    virtual void WriteString(LPCTSTR lpsz);
    // Up to nMax - 1 characters, stopping after a newline (which is kept);
    // NULL at the end of the file.
    virtual LPTSTR ReadString(LPTSTR lpsz, UINT nMax);
    // One line without its newline; FALSE at the end of the file.
    virtual BOOL ReadString(CString& rString);

    ULONGLONG GetPosition() const override;
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetLength() const override;
    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    void Flush() override;
    void Close() override;
    void Abort() override;

    FILE* m_pStream = nullptr;

private:
    [[noreturn]] void ThrowError() const;
};
