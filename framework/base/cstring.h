// CString, CStringA and CStringW: the framework's strings, of narrow (char)
// and wide (wchar_t) characters.  CString is the narrow one, as the program
// is built without UNICODE.
//
// Layout, as MFC's: the object is one pointer to its NUL-terminated
// characters; the length, the capacity and a reference count sit in a
// header just before them.  Copies share the characters until one of them
// changes (copy on write); the empty string shares one static buffer.
//
// Behaviour, as MFC's: positions are clamped, searches return -1 when
// nothing is found, a string converts implicitly to its character pointer,
// and a resource identifier (MAKEINTRESOURCE) given as a pointer loads that
// string.  Narrow and wide strings convert into each other through the ANSI
// code page on Windows; natively through Latin-1 (characters above 0xFF
// become '?').  An index outside the string asserts in Debug builds; GetAt
// then reads NUL and SetAt does nothing.
//
// Formatting: the framework's own functions with a variable argument list
// (Format, AppendFormat, FormatMessage, TRACE and the printf family through
// afx.h) take a CString argument for "%s" as MFC programs pass it.  Other
// functions with "..." receive a CString the way the compiler passes class
// objects there (by address, not by value): give them GetString() or an
// (LPCTSTR) cast.
#pragma once

#include "base/diagnostics.h"
#include "base/wintypes.h"

#include <cstdarg>
#include <type_traits>

#ifdef _WIN32
#include <oleauto.h>
#endif

class CArchive;

// The header in front of a string's characters.
struct CStringData {
    int nDataLength;   // characters, without the terminator
    int nAllocLength;  // room for characters, without the terminator
    int nRefs;         // owners; -1 while the buffer is locked (LockBuffer)
};

template <class BaseType>
class CStringT;

template <class T>
inline constexpr bool AfxIsStringT = false;
template <class B>
inline constexpr bool AfxIsStringT<CStringT<B>> = true;

// Whether any of the arguments is a framework string (then the formatting
// functions pass its characters on).
template <class... A>
concept AfxHasStringArg = (AfxIsStringT<std::remove_cvref_t<A>> || ...);

// An argument as it goes on through "...": a string's characters, an array
// as its pointer, anything else as it is.
template <class T>
constexpr auto AfxStringArg(const T& v) {
    if constexpr (AfxIsStringT<T>)
        return v.GetString();
    else if constexpr (std::is_array_v<T>)
        return static_cast<const std::remove_extent_t<T>*>(v);
    else
        return v;
}

// The formatting members with "...": narrow ones are checked against their
// format string by the compiler, wide ones are not.  They are a base of
// CStringT so that the checked declarations exist only for char.
template <class BaseType, class S>
class CStringFormatT;

template <class S>
class CStringFormatT<char, S> {
public:
    void Format(const char* pszFormat, ...) __attribute__((format(printf, 2, 3)));
    void Format(UINT nFormatID, ...);
    void AppendFormat(const char* pszFormat, ...) __attribute__((format(printf, 2, 3)));
    template <class... A>
        requires AfxHasStringArg<A...>
    void Format(const char* pszFormat, const A&... args) {
        Format(pszFormat, AfxStringArg(args)...);
    }
    template <class... A>
        requires AfxHasStringArg<A...>
    void Format(UINT nFormatID, const A&... args) {
        Format(nFormatID, AfxStringArg(args)...);
    }
    template <class... A>
        requires AfxHasStringArg<A...>
    void AppendFormat(const char* pszFormat, const A&... args) {
        AppendFormat(pszFormat, AfxStringArg(args)...);
    }
#ifdef _WIN32
    // The system's message format: %1, %2!d!, ... (FORMAT_MESSAGE_FROM_STRING).
    void FormatMessage(const char* pszFormat, ...);
    void FormatMessage(UINT nFormatID, ...);
    template <class... A>
        requires AfxHasStringArg<A...>
    void FormatMessage(const char* pszFormat, const A&... args) {
        FormatMessage(pszFormat, AfxStringArg(args)...);
    }
    template <class... A>
        requires AfxHasStringArg<A...>
    void FormatMessage(UINT nFormatID, const A&... args) {
        FormatMessage(nFormatID, AfxStringArg(args)...);
    }
#endif
};

template <class S>
class CStringFormatT<wchar_t, S> {
public:
    void Format(const wchar_t* pszFormat, ...);
    void Format(UINT nFormatID, ...);
    void AppendFormat(const wchar_t* pszFormat, ...);
    template <class... A>
        requires AfxHasStringArg<A...>
    void Format(const wchar_t* pszFormat, const A&... args) {
        Format(pszFormat, AfxStringArg(args)...);
    }
    template <class... A>
        requires AfxHasStringArg<A...>
    void Format(UINT nFormatID, const A&... args) {
        Format(nFormatID, AfxStringArg(args)...);
    }
    template <class... A>
        requires AfxHasStringArg<A...>
    void AppendFormat(const wchar_t* pszFormat, const A&... args) {
        AppendFormat(pszFormat, AfxStringArg(args)...);
    }
#ifdef _WIN32
    void FormatMessage(const wchar_t* pszFormat, ...);
    void FormatMessage(UINT nFormatID, ...);
    template <class... A>
        requires AfxHasStringArg<A...>
    void FormatMessage(const wchar_t* pszFormat, const A&... args) {
        FormatMessage(pszFormat, AfxStringArg(args)...);
    }
    template <class... A>
        requires AfxHasStringArg<A...>
    void FormatMessage(UINT nFormatID, const A&... args) {
        FormatMessage(nFormatID, AfxStringArg(args)...);
    }
#endif
};

template <class BaseType>
class CStringT : public CStringFormatT<BaseType, CStringT<BaseType>> {
public:
    typedef BaseType XCHAR;
    typedef BaseType* PXSTR;
    typedef const BaseType* PCXSTR;
    typedef std::conditional_t<std::is_same_v<BaseType, char>, wchar_t, char> YCHAR;
    typedef YCHAR* PYSTR;
    typedef const YCHAR* PCYSTR;

    CStringT() noexcept;
    CStringT(const CStringT& strSrc);
    CStringT(CStringT&& strSrc) noexcept;
    CStringT(const CStringT<YCHAR>& strSrc);
    CStringT(PCXSTR pszSrc);  // a resource identifier loads that string
    CStringT(PCYSTR pszSrc);
    CStringT(const unsigned char* pszSrc);
    CStringT(PCXSTR pch, int nLength);
    CStringT(PCYSTR pch, int nLength);
    CStringT(XCHAR ch, int nRepeat = 1);
    ~CStringT();

    CStringT& operator=(const CStringT& strSrc);
    CStringT& operator=(CStringT&& strSrc) noexcept;
    CStringT& operator=(const CStringT<YCHAR>& strSrc);
    CStringT& operator=(PCXSTR pszSrc);
    CStringT& operator=(PCYSTR pszSrc);
    CStringT& operator=(const unsigned char* pszSrc);
    CStringT& operator=(XCHAR ch);
    CStringT& operator=(YCHAR ch);

    CStringT& operator+=(const CStringT& str);
    CStringT& operator+=(PCXSTR psz);
    CStringT& operator+=(PCYSTR psz);
    CStringT& operator+=(XCHAR ch);
    CStringT& operator+=(YCHAR ch);
    CStringT& operator+=(unsigned char ch);

    // Access
    int GetLength() const noexcept { return GetData()->nDataLength; }
    int GetAllocLength() const noexcept { return GetData()->nAllocLength; }
    BOOL IsEmpty() const noexcept { return GetLength() == 0; }
    void Empty() noexcept;
    PCXSTR GetString() const noexcept { return m_pszData; }
    operator PCXSTR() const noexcept { return m_pszData; }
    // The terminator (index GetLength()) may be read.
    XCHAR GetAt(int iChar) const noexcept;
    XCHAR operator[](int iChar) const noexcept { return GetAt(iChar); }
    void SetAt(int iChar, XCHAR ch);
    void SetString(PCXSTR psz);
    void SetString(PCXSTR pch, int nLength);
    static int StringLength(PCXSTR psz) noexcept;

    // Comparison
    int Compare(PCXSTR psz) const noexcept;
    int CompareNoCase(PCXSTR psz) const noexcept;
    int Collate(PCXSTR psz) const noexcept;
    int CollateNoCase(PCXSTR psz) const;

    // Extraction
    CStringT Left(int nCount) const;
    CStringT Mid(int iFirst) const;
    CStringT Mid(int iFirst, int nCount) const;
    CStringT Right(int nCount) const;
    CStringT SpanIncluding(PCXSTR pszCharSet) const;
    CStringT SpanExcluding(PCXSTR pszCharSet) const;
    CStringT Tokenize(PCXSTR pszTokens, int& iStart) const;

    // Search
    int Find(XCHAR ch, int iStart = 0) const noexcept;
    int Find(PCXSTR pszSub, int iStart = 0) const noexcept;
    int ReverseFind(XCHAR ch) const noexcept;
    int FindOneOf(PCXSTR pszCharSet) const noexcept;

    // Modification
    CStringT& MakeUpper();
    CStringT& MakeLower();
    CStringT& MakeReverse();
    int Replace(XCHAR chOld, XCHAR chNew);
    int Replace(PCXSTR pszOld, PCXSTR pszNew);
    int Remove(XCHAR ch);
    int Insert(int iIndex, XCHAR ch);
    int Insert(int iIndex, PCXSTR psz);
    int Delete(int iIndex, int nCount = 1);
    void Truncate(int nNewLength);
    CStringT& Trim();
    CStringT& Trim(XCHAR chTarget);
    CStringT& Trim(PCXSTR pszTargets);
    CStringT& TrimLeft();
    CStringT& TrimLeft(XCHAR chTarget);
    CStringT& TrimLeft(PCXSTR pszTargets);
    CStringT& TrimRight();
    CStringT& TrimRight(XCHAR chTarget);
    CStringT& TrimRight(PCXSTR pszTargets);
    void Append(PCXSTR psz);
    void Append(PCXSTR pch, int nLength);
    void Append(const CStringT& str);
    void AppendChar(XCHAR ch);

    // Formatting (printf semantics; for wide strings "%s" takes a wide
    // string on Windows, as the platform's wide printf does)
    void FormatV(PCXSTR pszFormat, va_list args);
    void AppendFormatV(PCXSTR pszFormat, va_list args);
#ifdef _WIN32
    void FormatMessageV(PCXSTR pszFormat, va_list* pArgList);
#endif

    // Raw buffer access.  GetBuffer returns room for at least nMinBufLength
    // characters plus the terminator, unshared; ReleaseBuffer(-1) takes the
    // length up to the first NUL.  A locked buffer is never shared.
    PXSTR GetBuffer(int nMinBufLength);
    PXSTR GetBuffer() { return GetBuffer(0); }
    PXSTR GetBufferSetLength(int nLength);
    void ReleaseBuffer(int nNewLength = -1);
    void ReleaseBufferSetLength(int nNewLength) { ReleaseBuffer(nNewLength); }
    PXSTR LockBuffer();
    void UnlockBuffer() noexcept;
    void Preallocate(int nLength);
    void FreeExtra();

    // Resources (Windows: the module chain; natively always FALSE)
    BOOL LoadString(UINT nID);
#ifdef _WIN32
    BOOL LoadString(HINSTANCE hInstance, UINT nID);
    BOOL LoadString(HINSTANCE hInstance, UINT nID, WORD wLanguageID);
    // A BSTR copy (the caller frees it with SysFreeString); SetSysString
    // replaces *pbstr with one.
    BSTR AllocSysString() const;
    BSTR SetSysString(BSTR* pbstr) const;
    void AnsiToOem();
    void OemToAnsi();
#endif
    BOOL GetEnvironmentVariable(PCXSTR pszVar);

    // Comparison and concatenation (found through the string argument).
    friend bool operator==(const CStringT& a, const CStringT& b) noexcept { return a.Compare(b) == 0; }
    friend bool operator==(const CStringT& a, PCXSTR b) noexcept { return a.Compare(b) == 0; }
    friend bool operator==(PCXSTR a, const CStringT& b) noexcept { return b.Compare(a) == 0; }
    friend bool operator!=(const CStringT& a, const CStringT& b) noexcept { return a.Compare(b) != 0; }
    friend bool operator!=(const CStringT& a, PCXSTR b) noexcept { return a.Compare(b) != 0; }
    friend bool operator!=(PCXSTR a, const CStringT& b) noexcept { return b.Compare(a) != 0; }
    friend bool operator<(const CStringT& a, const CStringT& b) noexcept { return a.Compare(b) < 0; }
    friend bool operator<(const CStringT& a, PCXSTR b) noexcept { return a.Compare(b) < 0; }
    friend bool operator<(PCXSTR a, const CStringT& b) noexcept { return b.Compare(a) > 0; }
    friend bool operator>(const CStringT& a, const CStringT& b) noexcept { return a.Compare(b) > 0; }
    friend bool operator>(const CStringT& a, PCXSTR b) noexcept { return a.Compare(b) > 0; }
    friend bool operator>(PCXSTR a, const CStringT& b) noexcept { return b.Compare(a) < 0; }
    friend bool operator<=(const CStringT& a, const CStringT& b) noexcept { return a.Compare(b) <= 0; }
    friend bool operator<=(const CStringT& a, PCXSTR b) noexcept { return a.Compare(b) <= 0; }
    friend bool operator<=(PCXSTR a, const CStringT& b) noexcept { return b.Compare(a) >= 0; }
    friend bool operator>=(const CStringT& a, const CStringT& b) noexcept { return a.Compare(b) >= 0; }
    friend bool operator>=(const CStringT& a, PCXSTR b) noexcept { return a.Compare(b) >= 0; }
    friend bool operator>=(PCXSTR a, const CStringT& b) noexcept { return b.Compare(a) <= 0; }
    friend CStringT operator+(const CStringT& a, const CStringT& b) { return Concat(a, b, b.GetLength()); }
    friend CStringT operator+(const CStringT& a, PCXSTR b) { return Concat(a, b, StringLength(b)); }
    friend CStringT operator+(PCXSTR a, const CStringT& b) { return Concat(CStringT(a), b, b.GetLength()); }
    friend CStringT operator+(const CStringT& a, XCHAR b) { return Concat(a, &b, 1); }
    friend CStringT operator+(XCHAR a, const CStringT& b) { return Concat(CStringT(a), b, b.GetLength()); }

private:
    friend class CStringFormatT<BaseType, CStringT>;

    CStringData* GetData() const noexcept { return reinterpret_cast<CStringData*>(m_pszData) - 1; }
    static CStringData* Nil() noexcept;
    static CStringData* Allocate(int nChars);
    static void Release(CStringData* pData) noexcept;
    static PXSTR Chars(CStringData* pData) noexcept { return reinterpret_cast<PXSTR>(pData + 1); }
    // Makes the buffer unshared with room for nChars, keeping the text.
    PXSTR PrepareWrite(int nChars);
    void SetLength(int nLength) noexcept;
    void Assign(PCXSTR pch, int nLength);
    void AssignOther(PCYSTR pch, int nLength);
    bool Within(const void* p) const noexcept;
    static CStringT Concat(const CStringT& a, PCXSTR b, int nLength);

    PXSTR m_pszData;
};

extern template class CStringT<char>;
extern template class CStringT<wchar_t>;
extern template class CStringFormatT<char, CStringT<char>>;
extern template class CStringFormatT<wchar_t, CStringT<wchar_t>>;

typedef CStringT<char> CStringA;
typedef CStringT<wchar_t> CStringW;
typedef CStringA CString;

static_assert(sizeof(CString) == sizeof(void*) && sizeof(CStringW) == sizeof(void*));

#ifdef _WIN32
// Finds the module that holds string nID (the resource-module chain).
HINSTANCE AfxFindStringResourceHandle(UINT nID);
#endif

// TRACE with string arguments passes their characters on.
template <class... A>
    requires AfxHasStringArg<A...>
void AfxTrace(LPCTSTR lpszFormat, const A&... args) {
    ::AfxTrace(lpszFormat, AfxStringArg(args)...);
}
