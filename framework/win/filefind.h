// CFileFind: the files of a folder that match a pattern, one at a time.
//
//   CFileFind finder;
//   for (BOOL bMore = finder.FindFile("C:\\data\\*.txt"); bMore;) {
//       bMore = finder.FindNextFile();   // the file is current after this
//       ... finder.GetFilePath() ...
//   }
//
// FindNextFile makes the next file current and answers whether there is yet
// another one after it, so the loop also visits the last file.  The default
// pattern is "*.*" in the current folder.
#pragma once

#include "base/cobject.h"
#include "base/cstring.h"
#include "base/ctime.h"

class CFileFind : public CObject {
    DECLARE_DYNAMIC(CFileFind)
public:
    CFileFind() = default;
    ~CFileFind() override { Close(); }

    BOOL FindFile(LPCTSTR pstrName = nullptr, DWORD dwUnused = 0);
    BOOL FindNextFile();
    void Close();

    // The current file (after FindNextFile).
    ULONGLONG GetLength() const;
    CString GetFileName() const;
    CString GetFilePath() const;  // the folder of the pattern, then the name
    CString GetFileTitle() const;  // the name without its extension
    CString GetFileURL() const;   // file:// and the path
    CString GetRoot() const;      // the folder of the pattern
    BOOL GetLastWriteTime(FILETIME* pTimeStamp) const;
    BOOL GetLastAccessTime(FILETIME* pTimeStamp) const;
    BOOL GetCreationTime(FILETIME* pTimeStamp) const;
    BOOL GetLastWriteTime(CTime& refTime) const;
    BOOL GetLastAccessTime(CTime& refTime) const;
    BOOL GetCreationTime(CTime& refTime) const;

    BOOL MatchesMask(DWORD dwMask) const;  // any of the FILE_ATTRIBUTE_ bits
    BOOL IsDots() const;                  // "." or ".."
    BOOL IsReadOnly() const { return MatchesMask(FILE_ATTRIBUTE_READONLY); }
    BOOL IsDirectory() const { return MatchesMask(FILE_ATTRIBUTE_DIRECTORY); }
    BOOL IsCompressed() const { return MatchesMask(FILE_ATTRIBUTE_COMPRESSED); }
    BOOL IsSystem() const { return MatchesMask(FILE_ATTRIBUTE_SYSTEM); }
    BOOL IsHidden() const { return MatchesMask(FILE_ATTRIBUTE_HIDDEN); }
    BOOL IsTemporary() const { return MatchesMask(FILE_ATTRIBUTE_TEMPORARY); }
    BOOL IsNormal() const { return MatchesMask(FILE_ATTRIBUTE_NORMAL); }
    BOOL IsArchived() const { return MatchesMask(FILE_ATTRIBUTE_ARCHIVE); }

protected:
    HANDLE m_hContext = nullptr;
    WIN32_FIND_DATAA m_found = {};  // the current file
    WIN32_FIND_DATAA m_next = {};   // the one after it, when bNext
    BOOL m_bFound = FALSE;
    BOOL m_bNext = FALSE;
    CString m_strRoot;

private:
    const WIN32_FIND_DATAA* Current() const;
};
