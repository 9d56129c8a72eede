#include "base/cstring.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#ifdef _WIN32
#include <mbstring.h>
#else
#include <strings.h>
#endif

namespace {

int SafeLen(LPCTSTR psz) { return psz ? static_cast<int>(strnlen(psz, INT_MAX - 1)) : 0; }

bool IsResourceId(LPCTSTR psz) {
    return psz != nullptr && (reinterpret_cast<UINT_PTR>(psz) >> 16) == 0;
}

bool InSet(char ch, LPCTSTR set) { return set && ch != '\0' && strchr(set, ch) != nullptr; }

}  // namespace

CString::CString(const CString& src) { Assign(src.m_pch, src.m_nLength); }

CString::CString(CString&& src) noexcept
    : m_pch(src.m_pch), m_nLength(src.m_nLength), m_nAlloc(src.m_nAlloc) {
    src.m_pch = nullptr;
    src.m_nLength = src.m_nAlloc = 0;
}

CString::CString(LPCTSTR psz) {
    if (IsResourceId(psz))
        LoadString(static_cast<UINT>(reinterpret_cast<UINT_PTR>(psz)));
    else
        Assign(psz, SafeLen(psz));
}

CString::CString(LPCTSTR pch, int nLength) { Assign(pch, pch ? std::max(nLength, 0) : 0); }

CString::CString(char ch, int nRepeat) {
    if (nRepeat > 0) {
        Reserve(nRepeat);
        memset(m_pch, ch, nRepeat);
        SetLength(nRepeat);
    }
}

CString::~CString() { delete[] m_pch; }

CString& CString::operator=(const CString& src) {
    if (this != &src) Assign(src.m_pch, src.m_nLength);
    return *this;
}

CString& CString::operator=(CString&& src) noexcept {
    if (this != &src) {
        delete[] m_pch;
        m_pch = src.m_pch;
        m_nLength = src.m_nLength;
        m_nAlloc = src.m_nAlloc;
        src.m_pch = nullptr;
        src.m_nLength = src.m_nAlloc = 0;
    }
    return *this;
}

CString& CString::operator=(LPCTSTR psz) {
    if (IsResourceId(psz)) {
        Empty();
        LoadString(static_cast<UINT>(reinterpret_cast<UINT_PTR>(psz)));
    } else {
        Assign(psz, SafeLen(psz));
    }
    return *this;
}

CString& CString::operator=(char ch) {
    Assign(&ch, 1);
    return *this;
}

CString& CString::operator+=(const CString& s) {
    Append(s.m_pch, s.m_nLength);
    return *this;
}

CString& CString::operator+=(LPCTSTR psz) {
    Append(psz, SafeLen(psz));
    return *this;
}

CString& CString::operator+=(char ch) {
    Append(&ch, 1);
    return *this;
}

void CString::Empty() noexcept {
    if (m_pch) m_pch[0] = '\0';
    m_nLength = 0;
}

char CString::GetAt(int i) const noexcept {
    return (i >= 0 && i < m_nLength) ? m_pch[i] : '\0';
}

void CString::SetAt(int i, char ch) noexcept {
    if (i >= 0 && i < m_nLength) m_pch[i] = ch;
}

int CString::Compare(LPCTSTR psz) const noexcept { return strcmp(GetString(), psz ? psz : ""); }

int CString::CompareNoCase(LPCTSTR psz) const noexcept {
#ifdef _WIN32
    return _mbsicmp(reinterpret_cast<const unsigned char*>(GetString()),
                    reinterpret_cast<const unsigned char*>(psz ? psz : ""));
#else
    return strcasecmp(GetString(), psz ? psz : "");
#endif
}

int CString::Collate(LPCTSTR psz) const noexcept { return strcoll(GetString(), psz ? psz : ""); }

int CString::CollateNoCase(LPCTSTR psz) const noexcept {
    CString a(*this), b(psz);
    a.MakeLower();
    b.MakeLower();
    return a.Collate(b);
}

CString CString::Left(int nCount) const {
    nCount = std::clamp(nCount, 0, m_nLength);
    return CString(GetString(), nCount);
}

CString CString::Mid(int iFirst) const { return Mid(iFirst, m_nLength); }

CString CString::Mid(int iFirst, int nCount) const {
    iFirst = std::max(iFirst, 0);
    nCount = std::max(nCount, 0);
    if (iFirst > m_nLength) return CString();
    nCount = std::min(nCount, m_nLength - iFirst);
    return CString(GetString() + iFirst, nCount);
}

CString CString::Right(int nCount) const {
    nCount = std::clamp(nCount, 0, m_nLength);
    return CString(GetString() + m_nLength - nCount, nCount);
}

CString CString::SpanIncluding(LPCTSTR pszCharSet) const {
    return Left(static_cast<int>(strspn(GetString(), pszCharSet ? pszCharSet : "")));
}

CString CString::SpanExcluding(LPCTSTR pszCharSet) const {
    return Left(static_cast<int>(strcspn(GetString(), pszCharSet ? pszCharSet : "")));
}

CString CString::Tokenize(LPCTSTR pszTokens, int& iStart) const {
    if (iStart < 0) return CString();
    if (pszTokens == nullptr || *pszTokens == '\0') {
        if (iStart < m_nLength) return Mid(iStart);
    } else if (iStart < m_nLength) {
        LPCTSTR place = GetString() + iStart;
        int nIncluding = static_cast<int>(strspn(place, pszTokens));
        if (iStart + nIncluding < m_nLength) {
            int nExcluding = static_cast<int>(strcspn(place + nIncluding, pszTokens));
            int iFrom = iStart + nIncluding;
            iStart = iFrom + nExcluding + 1;
            return Mid(iFrom, nExcluding);
        }
    }
    iStart = -1;
    return CString();
}

int CString::Find(char ch, int iStart) const noexcept {
    if (iStart < 0 || iStart >= m_nLength) return -1;
    const void* p = memchr(m_pch + iStart, ch, m_nLength - iStart);
    return p ? static_cast<int>(static_cast<const char*>(p) - m_pch) : -1;
}

int CString::Find(LPCTSTR pszSub, int iStart) const noexcept {
    if (pszSub == nullptr || iStart < 0 || iStart > m_nLength) return -1;
    const char* p = strstr(GetString() + iStart, pszSub);
    return p ? static_cast<int>(p - GetString()) : -1;
}

int CString::ReverseFind(char ch) const noexcept {
    for (int i = m_nLength - 1; i >= 0; --i)
        if (m_pch[i] == ch) return i;
    return -1;
}

int CString::FindOneOf(LPCTSTR pszCharSet) const noexcept {
    if (pszCharSet == nullptr) return -1;
    size_t n = strcspn(GetString(), pszCharSet);
    return static_cast<int>(n) < m_nLength ? static_cast<int>(n) : -1;
}

CString& CString::MakeUpper() {
    if (m_nLength == 0) return *this;
#ifdef _WIN32
    _mbsupr(reinterpret_cast<unsigned char*>(m_pch));
#else
    for (int i = 0; i < m_nLength; ++i)
        m_pch[i] = static_cast<char>(toupper(static_cast<unsigned char>(m_pch[i])));
#endif
    return *this;
}

CString& CString::MakeLower() {
    if (m_nLength == 0) return *this;
#ifdef _WIN32
    _mbslwr(reinterpret_cast<unsigned char*>(m_pch));
#else
    for (int i = 0; i < m_nLength; ++i)
        m_pch[i] = static_cast<char>(tolower(static_cast<unsigned char>(m_pch[i])));
#endif
    return *this;
}

CString& CString::MakeReverse() {
    if (m_nLength) std::reverse(m_pch, m_pch + m_nLength);
    return *this;
}

int CString::Replace(char chOld, char chNew) {
    int n = 0;
    for (int i = 0; i < m_nLength; ++i)
        if (m_pch[i] == chOld) {
            m_pch[i] = chNew;
            ++n;
        }
    return n;
}

int CString::Replace(LPCTSTR pszOld, LPCTSTR pszNew) {
    int nOld = SafeLen(pszOld);
    if (nOld == 0 || m_nLength == 0) return 0;
    int nNew = SafeLen(pszNew);
    CString out;
    int n = 0, i = 0;
    for (;;) {
        const char* hit = strstr(m_pch + i, pszOld);
        if (!hit) break;
        int at = static_cast<int>(hit - m_pch);
        out.Append(m_pch + i, at - i);
        out.Append(pszNew, nNew);
        i = at + nOld;
        ++n;
    }
    if (n) {
        out.Append(m_pch + i, m_nLength - i);
        *this = std::move(out);
    }
    return n;
}

int CString::Remove(char ch) {
    int j = 0;
    for (int i = 0; i < m_nLength; ++i)
        if (m_pch[i] != ch) m_pch[j++] = m_pch[i];
    int n = m_nLength - j;
    if (n) SetLength(j);
    return n;
}

int CString::Insert(int iIndex, char ch) { return Insert(iIndex, CString(ch).GetString()); }

int CString::Insert(int iIndex, LPCTSTR psz) {
    iIndex = std::clamp(iIndex, 0, m_nLength);
    int n = SafeLen(psz);
    if (n == 0) return m_nLength;
    CString copy(psz, n);  // psz may point into this string
    int oldLen = m_nLength;
    Reserve(oldLen + n);
    memmove(m_pch + iIndex + n, m_pch + iIndex, oldLen - iIndex);
    memcpy(m_pch + iIndex, copy.m_pch, n);
    SetLength(oldLen + n);
    return m_nLength;
}

int CString::Delete(int iIndex, int nCount) {
    iIndex = std::max(iIndex, 0);
    if (nCount <= 0 || iIndex >= m_nLength) return m_nLength;
    nCount = std::min(nCount, m_nLength - iIndex);
    memmove(m_pch + iIndex, m_pch + iIndex + nCount, m_nLength - iIndex - nCount);
    SetLength(m_nLength - nCount);
    return m_nLength;
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }
CString& CString::Trim(char chTarget) { return TrimRight(chTarget).TrimLeft(chTarget); }
CString& CString::Trim(LPCTSTR pszTargets) { return TrimRight(pszTargets).TrimLeft(pszTargets); }

CString& CString::TrimLeft() {
    int i = 0;
    while (i < m_nLength && isspace(static_cast<unsigned char>(m_pch[i]))) ++i;
    Delete(0, i);
    return *this;
}

CString& CString::TrimLeft(char chTarget) {
    int i = 0;
    while (i < m_nLength && m_pch[i] == chTarget) ++i;
    Delete(0, i);
    return *this;
}

CString& CString::TrimLeft(LPCTSTR pszTargets) {
    int i = 0;
    while (i < m_nLength && InSet(m_pch[i], pszTargets)) ++i;
    Delete(0, i);
    return *this;
}

CString& CString::TrimRight() {
    int n = m_nLength;
    while (n > 0 && isspace(static_cast<unsigned char>(m_pch[n - 1]))) --n;
    if (n != m_nLength) SetLength(n);
    return *this;
}

CString& CString::TrimRight(char chTarget) {
    int n = m_nLength;
    while (n > 0 && m_pch[n - 1] == chTarget) --n;
    if (n != m_nLength) SetLength(n);
    return *this;
}

CString& CString::TrimRight(LPCTSTR pszTargets) {
    int n = m_nLength;
    while (n > 0 && InSet(m_pch[n - 1], pszTargets)) --n;
    if (n != m_nLength) SetLength(n);
    return *this;
}

void CString::Append(LPCTSTR pch, int nLength) {
    if (pch == nullptr || nLength <= 0) return;
    if (m_pch && pch >= m_pch && pch < m_pch + m_nAlloc + 1) {  // appending from ourselves
        CString copy(pch, nLength);
        Append(copy.m_pch, copy.m_nLength);
        return;
    }
    int oldLen = m_nLength;
    Reserve(oldLen + nLength);
    memcpy(m_pch + oldLen, pch, nLength);
    SetLength(oldLen + nLength);
}

void CString::Format(LPCTSTR pszFormat, ...) {
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void CString::AppendFormat(LPCTSTR pszFormat, ...) {
    va_list args;
    va_start(args, pszFormat);
    AppendFormatV(pszFormat, args);
    va_end(args);
}

void CString::FormatV(LPCTSTR pszFormat, va_list args) {
    Empty();
    AppendFormatV(pszFormat, args);
}

void CString::AppendFormatV(LPCTSTR pszFormat, va_list args) {
    if (pszFormat == nullptr) return;
    va_list copy;
    va_copy(copy, args);
    int n = vsnprintf(nullptr, 0, pszFormat, copy);
    va_end(copy);
    if (n <= 0) return;
    int oldLen = m_nLength;
    Reserve(oldLen + n);
    vsnprintf(m_pch + oldLen, static_cast<size_t>(n) + 1, pszFormat, args);
    SetLength(oldLen + n);
}

LPTSTR CString::GetBuffer(int nMinBufLength) {
    Reserve(std::max(nMinBufLength, m_nLength));
    return m_pch;
}

LPTSTR CString::GetBufferSetLength(int nLength) {
    nLength = std::max(nLength, 0);
    Reserve(nLength);
    SetLength(nLength);
    return m_pch;
}

void CString::ReleaseBuffer(int nNewLength) {
    if (m_pch == nullptr) return;
    if (nNewLength < 0) nNewLength = static_cast<int>(strnlen(m_pch, m_nAlloc));
    SetLength(std::min(nNewLength, m_nAlloc));
}

void CString::Preallocate(int nLength) { Reserve(nLength); }

void CString::FreeExtra() {
    if (m_nAlloc > m_nLength) {
        CString copy(*this);
        *this = std::move(copy);
    }
}

BOOL CString::LoadString(UINT nID) {
#ifdef _WIN32
    HINSTANCE hInst = AfxFindStringResourceHandle(nID);
    if (hInst == nullptr) return FALSE;
    // A string resource holds at most 4095 characters.
    char buf[4096];
    int n = ::LoadStringA(hInst, nID, buf, sizeof buf);
    if (n <= 0) return FALSE;
    Assign(buf, n);
    return TRUE;
#else
    (void)nID;
    return FALSE;
#endif
}

void CString::Reserve(int nChars) {
    if (nChars <= m_nAlloc && m_pch) return;
    // Grow geometrically so repeated appends stay linear.
    long long want = std::max<long long>(nChars, m_nAlloc + m_nAlloc / 2);
    want = std::min<long long>(std::max<long long>(want, 15), INT_MAX - 1);
    char* p = new char[static_cast<size_t>(want) + 1];
    if (m_nLength) memcpy(p, m_pch, m_nLength);
    p[m_nLength] = '\0';
    delete[] m_pch;
    m_pch = p;
    m_nAlloc = static_cast<int>(want);
}

void CString::SetLength(int nLength) {
    m_nLength = nLength;
    if (m_pch) m_pch[nLength] = '\0';
}

void CString::Assign(LPCTSTR pch, int nLength) {
    if (nLength <= 0 || pch == nullptr) {
        Empty();
        return;
    }
    if (m_pch && pch >= m_pch && pch <= m_pch + m_nAlloc) {  // a piece of ourselves
        memmove(m_pch, pch, nLength);
        SetLength(nLength);
        return;
    }
    if (nLength > m_nAlloc || !m_pch) {
        delete[] m_pch;
        m_pch = nullptr;
        m_nAlloc = 0;
        m_nLength = 0;
        Reserve(nLength);
    }
    memcpy(m_pch, pch, nLength);
    SetLength(nLength);
}

namespace {
template <class A, class B>
CString Concat(const A& a, const B& b) {
    CString s(a);
    s += b;
    return s;
}
}  // namespace

CString operator+(const CString& a, const CString& b) { return Concat(a, b); }
CString operator+(const CString& a, LPCTSTR b) { return Concat(a, b); }
CString operator+(LPCTSTR a, const CString& b) { return Concat(a, b); }
CString operator+(const CString& a, char b) { return Concat(a, b); }
CString operator+(char a, const CString& b) { return Concat(a, b); }
