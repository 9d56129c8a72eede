// CString: the framework's narrow-character string.  Behaves as MFC's:
// positions are clamped the same way, searches return -1 when nothing is
// found, and a CString converts implicitly to LPCTSTR.
#pragma once

#include "base/wintypes.h"

#include <cstdarg>

class CArchive;

class CString {
public:
    CString() noexcept = default;
    CString(const CString& src);
    CString(CString&& src) noexcept;
    CString(LPCTSTR psz);  // a resource identifier (MAKEINTRESOURCE) loads that string
    CString(LPCTSTR pch, int nLength);
    CString(char ch, int nRepeat = 1);
    ~CString();

    CString& operator=(const CString& src);
    CString& operator=(CString&& src) noexcept;
    CString& operator=(LPCTSTR psz);
    CString& operator=(char ch);

    CString& operator+=(const CString& s);
    CString& operator+=(LPCTSTR psz);
    CString& operator+=(char ch);

    // Access
    int GetLength() const noexcept { return m_nLength; }
    BOOL IsEmpty() const noexcept { return m_nLength == 0; }
    void Empty() noexcept;
    LPCTSTR GetString() const noexcept { return m_pch ? m_pch : ""; }
    operator LPCTSTR() const noexcept { return GetString(); }
    // Out-of-range indices read as NUL and are ignored by SetAt.
    char GetAt(int i) const noexcept;
    char operator[](int i) const noexcept { return GetAt(i); }
    void SetAt(int i, char ch) noexcept;

    // Comparison
    int Compare(LPCTSTR psz) const noexcept;
    int CompareNoCase(LPCTSTR psz) const noexcept;
    int Collate(LPCTSTR psz) const noexcept;
    int CollateNoCase(LPCTSTR psz) const noexcept;

    // Extraction
    CString Left(int nCount) const;
    CString Mid(int iFirst) const;
    CString Mid(int iFirst, int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCTSTR pszCharSet) const;
    CString SpanExcluding(LPCTSTR pszCharSet) const;
    CString Tokenize(LPCTSTR pszTokens, int& iStart) const;

    // Search
    int Find(char ch, int iStart = 0) const noexcept;
    int Find(LPCTSTR pszSub, int iStart = 0) const noexcept;
    int ReverseFind(char ch) const noexcept;
    int FindOneOf(LPCTSTR pszCharSet) const noexcept;

    // Modification
    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();
    int Replace(char chOld, char chNew);
    int Replace(LPCTSTR pszOld, LPCTSTR pszNew);
    int Remove(char ch);
    int Insert(int iIndex, char ch);
    int Insert(int iIndex, LPCTSTR psz);
    int Delete(int iIndex, int nCount = 1);
    CString& Trim();
    CString& Trim(char chTarget);
    CString& Trim(LPCTSTR pszTargets);
    CString& TrimLeft();
    CString& TrimLeft(char chTarget);
    CString& TrimLeft(LPCTSTR pszTargets);
    CString& TrimRight();
    CString& TrimRight(char chTarget);
    CString& TrimRight(LPCTSTR pszTargets);
    void Append(LPCTSTR pch, int nLength);

    // Formatting (printf semantics)
    void Format(LPCTSTR pszFormat, ...) __attribute__((format(printf, 2, 3)));
    void AppendFormat(LPCTSTR pszFormat, ...) __attribute__((format(printf, 2, 3)));
    void FormatV(LPCTSTR pszFormat, va_list args);
    void AppendFormatV(LPCTSTR pszFormat, va_list args);

    // Raw buffer access.  GetBuffer returns room for at least nMinBufLength
    // characters plus the terminator; ReleaseBuffer(-1) takes the length up
    // to the first NUL.
    LPTSTR GetBuffer(int nMinBufLength);
    LPTSTR GetBuffer() { return GetBuffer(0); }
    LPTSTR GetBufferSetLength(int nLength);
    void ReleaseBuffer(int nNewLength = -1);
    void ReleaseBufferSetLength(int nNewLength) { ReleaseBuffer(nNewLength); }
    void Preallocate(int nLength);
    void FreeExtra();

    // Resources (Windows build: the module chain; natively always FALSE)
    BOOL LoadString(UINT nID);

private:
    void Reserve(int nChars);
    void SetLength(int nLength);
    void Assign(LPCTSTR pch, int nLength);

    char* m_pch = nullptr;  // NUL-terminated when allocated
    int m_nLength = 0;
    int m_nAlloc = 0;       // characters available, excluding the terminator
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, LPCTSTR b);
CString operator+(LPCTSTR a, const CString& b);
CString operator+(const CString& a, char b);
CString operator+(char a, const CString& b);

inline bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
inline bool operator==(const CString& a, LPCTSTR b) { return a.Compare(b) == 0; }
inline bool operator==(LPCTSTR a, const CString& b) { return b.Compare(a) == 0; }
inline bool operator!=(const CString& a, const CString& b) { return a.Compare(b) != 0; }
inline bool operator!=(const CString& a, LPCTSTR b) { return a.Compare(b) != 0; }
inline bool operator!=(LPCTSTR a, const CString& b) { return b.Compare(a) != 0; }
inline bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
inline bool operator<(const CString& a, LPCTSTR b) { return a.Compare(b) < 0; }
inline bool operator<(LPCTSTR a, const CString& b) { return b.Compare(a) > 0; }
inline bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
inline bool operator>(const CString& a, LPCTSTR b) { return a.Compare(b) > 0; }
inline bool operator>(LPCTSTR a, const CString& b) { return b.Compare(a) < 0; }
inline bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
inline bool operator<=(const CString& a, LPCTSTR b) { return a.Compare(b) <= 0; }
inline bool operator<=(LPCTSTR a, const CString& b) { return b.Compare(a) >= 0; }
inline bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }
inline bool operator>=(const CString& a, LPCTSTR b) { return a.Compare(b) >= 0; }
inline bool operator>=(LPCTSTR a, const CString& b) { return b.Compare(a) <= 0; }

#ifdef _WIN32
// Finds the module that holds string nID (the resource-module chain).
HINSTANCE AfxFindStringResourceHandle(UINT nID);
#endif
