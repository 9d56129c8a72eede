// CKXMemFile: a memory file that can be bound to a disk file.  Opening by
// name loads the whole disk file; Close and Flush write it back when it was
// opened for writing.  Adds splicing (Insert, Extract), whole-file copies
// (Import, Append, Duplicate), search (FindData) and line-oriented text.
//
// Lines: ReadString ends a line at CR (a following LF is consumed) or at a
// NUL byte; a lone LF is part of the line's text.  WriteString drops the
// text's CRs and ends the line with CR LF, so an embedded CR LF comes back
// from ReadString as a plain LF.
//
// Decisions where the rules leave a choice:
// - A disk file opened write-only is not read: the memory file starts empty.
// - The destructor closes a bound file (saving it when opened for writing).
// - Positions: Import leaves it at 0, Append at the end, Insert after the
//   inserted bytes; FindData at the match (at the end when there is none);
//   operator[] at the byte read.
// - Insert and Extract clamp their ranges to the bytes that exist; the
//   by-name forms return 0 when the named file cannot be opened.
// The framework's file exceptions (a failing disk, a full fixed buffer)
// pass through, as for any CFile.
#pragma once

#include "base/cfile.h"
#include "base/cmemfile.h"
#include "base/cstring.h"

class CKXMemFile : public CMemFile {
    DECLARE_DYNAMIC(CKXMemFile)
public:
    explicit CKXMemFile(UINT nGrowBytes = 1024);
    CKXMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    CKXMemFile(LPCTSTR lpszFileName, UINT nOpenFlags);
    ~CKXMemFile() override;

    BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr) override;
    void Flush() override;
    void Close() override;

    virtual BOOL ReadString(CString& rString);
    virtual void WriteString(LPCTSTR lpsz);
    virtual BOOL Duplicate(LPCTSTR lpszFileName);
    virtual BOOL Duplicate(CFile* pFile);
    virtual BOOL Discard();
    virtual DWORD Insert(LPCTSTR lpszFileName, DWORD dwAt, DWORD dwFrom, DWORD dwCount);
    virtual DWORD Insert(CFile* pFile, DWORD dwAt, DWORD dwFrom, DWORD dwCount);
    virtual DWORD Extract(LPCTSTR lpszFileName, DWORD dwFrom, DWORD dwCount);
    virtual DWORD Extract(CFile* pFile, DWORD dwFrom, DWORD dwCount);
    virtual BOOL Load();
    virtual BOOL Save();
    virtual BOOL Import(CFile* pFile);
    virtual BOOL Append(CFile* pFile);

    // Position of the first occurrence of the nLen bytes at or after nStart,
    // -1 when there is none (or the pattern is empty, or nStart is outside).
    LONG FindData(const void* pData, DWORD nLen, LONG nStart);

    BYTE operator[](DWORD nIndex);
    CKXMemFile& operator=(DWORD dwPos);
    CKXMemFile& operator=(CFile* pFile);
    CKXMemFile& operator=(LPCTSTR lpszFileName);
    CKXMemFile& operator+=(CFile* pFile);
    CKXMemFile& operator+=(LPCTSTR lpszFileName);

    BOOL IsBound() const { return m_bLoaded; }
    UINT GetOpenFlags() const { return m_nOpenFlags; }

protected:
    UINT m_nOpenFlags = 0;
    BOOL m_bLoaded = FALSE;
    CFile m_File;

private:
    // Reads up to dwCount bytes of pFile from dwFrom, in blocks, so that a
    // huge count asks for no more memory than the file really holds.
    static void ReadRange(CFile* pFile, DWORD dwFrom, DWORD dwCount, CMemFile& out);
};
