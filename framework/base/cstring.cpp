#include "base/cstring.h"

#include "base/cexception.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <cwctype>
#include <new>
#include <vector>

#ifdef _WIN32
#include <mbstring.h>
#else
#include <strings.h>
#endif

namespace {

// What differs between narrow and wide characters.
template <class X>
struct Traits;

template <>
struct Traits<char> {
    static int Length(const char* p) { return p ? static_cast<int>(strnlen(p, INT_MAX - 1)) : 0; }
    static const char* Str(const char* s, const char* sub) { return strstr(s, sub); }
    static const char* Chr(const char* s, int n, char ch) { return static_cast<const char*>(memchr(s, ch, n)); }
    static size_t Spn(const char* s, const char* set) { return strspn(s, set); }
    static size_t CSpn(const char* s, const char* set) { return strcspn(s, set); }
    static int Cmp(const char* a, const char* b) { return strcmp(a, b); }
    static int ICmp(const char* a, const char* b) {
#ifdef _WIN32
        return _mbsicmp(reinterpret_cast<const unsigned char*>(a), reinterpret_cast<const unsigned char*>(b));
#else
        return strcasecmp(a, b);
#endif
    }
    static int Coll(const char* a, const char* b) { return strcoll(a, b); }
    static bool IsSpace(char ch) { return isspace(static_cast<unsigned char>(ch)) != 0; }
    static void Upper(char* p, int n) {
#ifdef _WIN32
        (void)n;
        _mbsupr(reinterpret_cast<unsigned char*>(p));
#else
        for (int i = 0; i < n; ++i) p[i] = static_cast<char>(toupper(static_cast<unsigned char>(p[i])));
#endif
    }
    static void Lower(char* p, int n) {
#ifdef _WIN32
        (void)n;
        _mbslwr(reinterpret_cast<unsigned char*>(p));
#else
        for (int i = 0; i < n; ++i) p[i] = static_cast<char>(tolower(static_cast<unsigned char>(p[i])));
#endif
    }
    // The characters the format produces (without the terminator), or -1.
    static int FormatLength(const char* fmt, va_list args) {
        va_list copy;
        va_copy(copy, args);
        int n = vsnprintf(nullptr, 0, fmt, copy);
        va_end(copy);
        return n;
    }
    static void FormatTo(char* out, int nRoom, const char* fmt, va_list args) {
        vsnprintf(out, static_cast<size_t>(nRoom) + 1, fmt, args);
    }
    static const char* GetEnv(const char* name) { return getenv(name); }
};

template <>
struct Traits<wchar_t> {
    static int Length(const wchar_t* p) { return p ? static_cast<int>(wcsnlen(p, INT_MAX - 1)) : 0; }
    static const wchar_t* Str(const wchar_t* s, const wchar_t* sub) { return wcsstr(s, sub); }
    static const wchar_t* Chr(const wchar_t* s, int n, wchar_t ch) { return wmemchr(s, ch, n); }
    static size_t Spn(const wchar_t* s, const wchar_t* set) { return wcsspn(s, set); }
    static size_t CSpn(const wchar_t* s, const wchar_t* set) { return wcscspn(s, set); }
    static int Cmp(const wchar_t* a, const wchar_t* b) { return wcscmp(a, b); }
    static int ICmp(const wchar_t* a, const wchar_t* b) {
#ifdef _WIN32
        return _wcsicmp(a, b);
#else
        return wcscasecmp(a, b);
#endif
    }
    static int Coll(const wchar_t* a, const wchar_t* b) { return wcscoll(a, b); }
    static bool IsSpace(wchar_t ch) { return iswspace(static_cast<wint_t>(ch)) != 0; }
    static void Upper(wchar_t* p, int n) {
        for (int i = 0; i < n; ++i) p[i] = static_cast<wchar_t>(towupper(static_cast<wint_t>(p[i])));
    }
    static void Lower(wchar_t* p, int n) {
        for (int i = 0; i < n; ++i) p[i] = static_cast<wchar_t>(towlower(static_cast<wint_t>(p[i])));
    }
    static int FormatLength(const wchar_t* fmt, va_list args) {
        va_list copy;
        va_copy(copy, args);
#ifdef _WIN32
        // The platform's wide printf: "%s" is a wide string, as programs expect.
        int n = _vscwprintf(fmt, copy);
#else
        // No length query for wide text here: grow until it fits.
        int n = -1;
        for (size_t room = 256; room <= (1u << 26); room *= 4) {
            std::vector<wchar_t> buf(room);
            va_list again;
            va_copy(again, copy);
            int got = vswprintf(buf.data(), room, fmt, again);
            va_end(again);
            if (got >= 0) {
                n = got;
                break;
            }
        }
#endif
        va_end(copy);
        return n;
    }
    static void FormatTo(wchar_t* out, int nRoom, const wchar_t* fmt, va_list args) {
#ifdef _WIN32
        _vsnwprintf(out, static_cast<size_t>(nRoom) + 1, fmt, args);
        out[nRoom] = L'\0';
#else
        vswprintf(out, static_cast<size_t>(nRoom) + 1, fmt, args);
#endif
    }
    static const wchar_t* GetEnv(const wchar_t* name) {
#ifdef _WIN32
        return _wgetenv(name);
#else
        (void)name;
        return nullptr;
#endif
    }
};

// Narrow <-> wide through the ANSI code page (Windows) or Latin-1.
// Returns the characters written, or with a null destination those needed.
int Convert(const wchar_t* src, int n, char* dst, int nRoom) {
    if (n <= 0) return 0;
#ifdef _WIN32
    return ::WideCharToMultiByte(CP_ACP, 0, src, n, dst, dst ? nRoom : 0, nullptr, nullptr);
#else
    if (dst == nullptr) return n;
    int k = std::min(n, nRoom);
    for (int i = 0; i < k; ++i) dst[i] = static_cast<unsigned>(src[i]) <= 0xFF ? static_cast<char>(src[i]) : '?';
    return k;
#endif
}

int Convert(const char* src, int n, wchar_t* dst, int nRoom) {
    if (n <= 0) return 0;
#ifdef _WIN32
    return ::MultiByteToWideChar(CP_ACP, 0, src, n, dst, dst ? nRoom : 0);
#else
    if (dst == nullptr) return n;
    int k = std::min(n, nRoom);
    for (int i = 0; i < k; ++i) dst[i] = static_cast<wchar_t>(static_cast<unsigned char>(src[i]));
    return k;
#endif
}

template <class X>
bool IsResourceId(const X* psz) {
    return psz != nullptr && (reinterpret_cast<UINT_PTR>(psz) >> 16) == 0;
}

template <class X>
bool InSet(X ch, const X* set) {
    if (set == nullptr || ch == X(0)) return false;
    for (; *set; ++set)
        if (*set == ch) return true;
    return false;
}

std::atomic_ref<int> Refs(CStringData* p) { return std::atomic_ref<int>(p->nRefs); }

// The empty string's shared buffer, one per character type.
template <class X>
struct NilString {
    CStringData data = {0, 0, 2};
    X chars[2] = {X(0), X(0)};
};

}  // namespace

// --- memory -------------------------------------------------------------------

template <class B>
CStringData* CStringT<B>::Nil() noexcept {
    static NilString<B> s_nil;
    return &s_nil.data;
}

template <class B>
CStringData* CStringT<B>::Allocate(int nChars) {
    if (nChars < 0 || static_cast<size_t>(nChars) > (SIZE_MAX - sizeof(CStringData)) / sizeof(B) - 1)
        AfxThrowMemoryException();
    void* p = ::operator new(sizeof(CStringData) + (static_cast<size_t>(nChars) + 1) * sizeof(B), std::nothrow);
    if (p == nullptr) AfxThrowMemoryException();
    CStringData* pData = static_cast<CStringData*>(p);
    pData->nDataLength = 0;
    pData->nAllocLength = nChars;
    pData->nRefs = 1;
    Chars(pData)[0] = B(0);
    return pData;
}

template <class B>
void CStringT<B>::Release(CStringData* pData) noexcept {
    if (pData == Nil()) return;
    // A locked buffer (-1) has one owner.
    if (pData->nRefs < 0 || Refs(pData).fetch_sub(1, std::memory_order_acq_rel) == 1) ::operator delete(pData);
}

template <class B>
typename CStringT<B>::PXSTR CStringT<B>::PrepareWrite(int nChars) {
    CStringData* pOld = GetData();
    int nLength = pOld->nDataLength;
    bool bShared = pOld == Nil() || pOld->nRefs > 1;
    if (!bShared && nChars <= pOld->nAllocLength) return m_pszData;
    // Grow geometrically so that repeated appends stay linear.
    long long want = nChars;
    if (!bShared) want = std::max<long long>(want, pOld->nAllocLength + pOld->nAllocLength / 2);
    want = std::min<long long>(std::max<long long>(want, 15), INT_MAX - 1);
    CStringData* pNew = Allocate(static_cast<int>(want));
    int nKeep = std::min(nLength, static_cast<int>(want));
    memcpy(Chars(pNew), m_pszData, static_cast<size_t>(nKeep) * sizeof(B));
    pNew->nDataLength = nKeep;
    Chars(pNew)[nKeep] = B(0);
    Release(pOld);
    m_pszData = Chars(pNew);
    return m_pszData;
}

template <class B>
void CStringT<B>::SetLength(int nLength) noexcept {
    CStringData* pData = GetData();
    if (pData == Nil()) return;
    pData->nDataLength = nLength;
    m_pszData[nLength] = B(0);
}

template <class B>
bool CStringT<B>::Within(const void* p) const noexcept {
    const B* q = static_cast<const B*>(p);
    return q >= m_pszData && q <= m_pszData + GetData()->nAllocLength;
}

template <class B>
void CStringT<B>::Assign(PCXSTR pch, int nLength) {
    if (pch == nullptr || nLength <= 0) {
        Empty();
        return;
    }
    if (Within(pch)) {
        // A piece of ourselves: shared text must survive for the other owners.
        CStringT copy;
        copy.Assign(pch, nLength);  // copy is a different string: no aliasing
        *this = std::move(copy);
        return;
    }
    PXSTR p = PrepareWrite(nLength);
    memcpy(p, pch, static_cast<size_t>(nLength) * sizeof(B));
    SetLength(nLength);
}

template <class B>
void CStringT<B>::AssignOther(PCYSTR pch, int nLength) {
    if (pch == nullptr || nLength <= 0) {
        Empty();
        return;
    }
    int nNeed = Convert(pch, nLength, static_cast<PXSTR>(nullptr), 0);
    if (nNeed <= 0) {
        Empty();
        return;
    }
    CStringT out;
    PXSTR p = out.PrepareWrite(nNeed);
    out.SetLength(Convert(pch, nLength, p, nNeed));
    *this = std::move(out);
}

// --- construction ----------------------------------------------------------------

template <class B>
CStringT<B>::CStringT() noexcept : m_pszData(Chars(Nil())) {}

template <class B>
CStringT<B>::CStringT(const CStringT& strSrc) : m_pszData(Chars(Nil())) {
    CStringData* pData = strSrc.GetData();
    if (pData == Nil()) return;
    if (pData->nRefs < 0) {  // locked: its owner may still write to it
        Assign(strSrc.m_pszData, pData->nDataLength);
        return;
    }
    Refs(pData).fetch_add(1, std::memory_order_relaxed);
    m_pszData = strSrc.m_pszData;
}

template <class B>
CStringT<B>::CStringT(CStringT&& strSrc) noexcept : m_pszData(strSrc.m_pszData) {
    strSrc.m_pszData = Chars(Nil());
}

template <class B>
CStringT<B>::CStringT(const CStringT<YCHAR>& strSrc) : m_pszData(Chars(Nil())) {
    AssignOther(strSrc.GetString(), strSrc.GetLength());
}

template <class B>
CStringT<B>::CStringT(PCXSTR pszSrc) : m_pszData(Chars(Nil())) {
    if (IsResourceId(pszSrc))
        LoadString(static_cast<UINT>(reinterpret_cast<UINT_PTR>(pszSrc)));
    else
        Assign(pszSrc, StringLength(pszSrc));
}

template <class B>
CStringT<B>::CStringT(PCYSTR pszSrc) : m_pszData(Chars(Nil())) {
    if (IsResourceId(pszSrc))
        LoadString(static_cast<UINT>(reinterpret_cast<UINT_PTR>(pszSrc)));
    else
        AssignOther(pszSrc, Traits<YCHAR>::Length(pszSrc));
}

template <class B>
CStringT<B>::CStringT(const unsigned char* pszSrc) : CStringT(reinterpret_cast<const char*>(pszSrc)) {}

template <class B>
CStringT<B>::CStringT(PCXSTR pch, int nLength) : m_pszData(Chars(Nil())) {
    ASSERT(nLength >= 0);
    Assign(pch, pch ? std::max(nLength, 0) : 0);
}

template <class B>
CStringT<B>::CStringT(PCYSTR pch, int nLength) : m_pszData(Chars(Nil())) {
    ASSERT(nLength >= 0);
    AssignOther(pch, pch ? std::max(nLength, 0) : 0);
}

template <class B>
CStringT<B>::CStringT(XCHAR ch, int nRepeat) : m_pszData(Chars(Nil())) {
    if (nRepeat > 0) {
        PXSTR p = PrepareWrite(nRepeat);
        std::fill(p, p + nRepeat, ch);
        SetLength(nRepeat);
    }
}

template <class B>
CStringT<B>::~CStringT() {
    Release(GetData());
}

template <class B>
CStringT<B>& CStringT<B>::operator=(const CStringT& strSrc) {
    if (this != &strSrc && m_pszData != strSrc.m_pszData) {
        CStringT copy(strSrc);
        *this = std::move(copy);
    }
    return *this;
}

template <class B>
CStringT<B>& CStringT<B>::operator=(CStringT&& strSrc) noexcept {
    if (this != &strSrc) {
        Release(GetData());
        m_pszData = strSrc.m_pszData;
        strSrc.m_pszData = Chars(Nil());
    }
    return *this;
}

template <class B>
CStringT<B>& CStringT<B>::operator=(const CStringT<YCHAR>& strSrc) {
    AssignOther(strSrc.GetString(), strSrc.GetLength());
    return *this;
}

template <class B>
CStringT<B>& CStringT<B>::operator=(PCXSTR pszSrc) {
    if (IsResourceId(pszSrc)) {
        Empty();
        LoadString(static_cast<UINT>(reinterpret_cast<UINT_PTR>(pszSrc)));
    } else {
        Assign(pszSrc, StringLength(pszSrc));
    }
    return *this;
}

template <class B>
CStringT<B>& CStringT<B>::operator=(PCYSTR pszSrc) {
    AssignOther(pszSrc, Traits<YCHAR>::Length(pszSrc));
    return *this;
}

template <class B>
CStringT<B>& CStringT<B>::operator=(const unsigned char* pszSrc) {
    *this = CStringT(pszSrc);
    return *this;
}

template <class B>
CStringT<B>& CStringT<B>::operator=(XCHAR ch) {
    Assign(&ch, 1);
    return *this;
}

template <class B>
CStringT<B>& CStringT<B>::operator=(YCHAR ch) {
    AssignOther(&ch, 1);
    return *this;
}

template <class B>
CStringT<B>& CStringT<B>::operator+=(const CStringT& str) {
    Append(str.m_pszData, str.GetLength());
    return *this;
}

template <class B>
CStringT<B>& CStringT<B>::operator+=(PCXSTR psz) {
    Append(psz, StringLength(psz));
    return *this;
}

template <class B>
CStringT<B>& CStringT<B>::operator+=(PCYSTR psz) {
    return *this += CStringT(psz);
}

template <class B>
CStringT<B>& CStringT<B>::operator+=(XCHAR ch) {
    Append(&ch, 1);
    return *this;
}

template <class B>
CStringT<B>& CStringT<B>::operator+=(YCHAR ch) {
    CStringT one;
    one.AssignOther(&ch, 1);
    return *this += one;
}

template <class B>
CStringT<B>& CStringT<B>::operator+=(unsigned char ch) {
    return *this += static_cast<char>(ch);
}

// --- access ------------------------------------------------------------------------

template <class B>
void CStringT<B>::Empty() noexcept {
    CStringData* pData = GetData();
    if (pData == Nil()) return;
    if (pData->nRefs < 0) {  // locked: keep the buffer, drop the text
        SetLength(0);
        return;
    }
    Release(pData);
    m_pszData = Chars(Nil());
}

template <class B>
typename CStringT<B>::XCHAR CStringT<B>::GetAt(int iChar) const noexcept {
    ASSERT(iChar >= 0 && iChar <= GetLength());
    return (iChar >= 0 && iChar <= GetLength()) ? m_pszData[iChar] : B(0);
}

template <class B>
void CStringT<B>::SetAt(int iChar, XCHAR ch) {
    ASSERT(iChar >= 0 && iChar < GetLength());
    if (iChar < 0 || iChar >= GetLength()) return;
    PrepareWrite(GetLength())[iChar] = ch;
}

template <class B>
void CStringT<B>::SetString(PCXSTR psz) {
    Assign(psz, StringLength(psz));
}

template <class B>
void CStringT<B>::SetString(PCXSTR pch, int nLength) {
    ASSERT(nLength >= 0);
    Assign(pch, nLength);
}

template <class B>
int CStringT<B>::StringLength(PCXSTR psz) noexcept {
    return Traits<B>::Length(psz);
}

// --- comparison ----------------------------------------------------------------------

namespace {
template <class B>
const B* OrEmpty(const B* p) {
    static const B empty[1] = {B(0)};
    return p ? p : empty;
}
}  // namespace

template <class B>
int CStringT<B>::Compare(PCXSTR psz) const noexcept {
    return Traits<B>::Cmp(m_pszData, OrEmpty(psz));
}

template <class B>
int CStringT<B>::CompareNoCase(PCXSTR psz) const noexcept {
    return Traits<B>::ICmp(m_pszData, OrEmpty(psz));
}

template <class B>
int CStringT<B>::Collate(PCXSTR psz) const noexcept {
    return Traits<B>::Coll(m_pszData, OrEmpty(psz));
}

template <class B>
int CStringT<B>::CollateNoCase(PCXSTR psz) const {
    CStringT a(*this), b(psz);
    a.MakeLower();
    b.MakeLower();
    return a.Collate(b);
}

// --- extraction -------------------------------------------------------------------------

template <class B>
CStringT<B> CStringT<B>::Left(int nCount) const {
    nCount = std::clamp(nCount, 0, GetLength());
    if (nCount == GetLength()) return *this;
    return CStringT(m_pszData, nCount);
}

template <class B>
CStringT<B> CStringT<B>::Mid(int iFirst) const {
    return Mid(iFirst, GetLength());
}

template <class B>
CStringT<B> CStringT<B>::Mid(int iFirst, int nCount) const {
    iFirst = std::max(iFirst, 0);
    nCount = std::max(nCount, 0);
    if (iFirst > GetLength()) return CStringT();
    nCount = std::min(nCount, GetLength() - iFirst);
    if (iFirst == 0 && nCount == GetLength()) return *this;
    return CStringT(m_pszData + iFirst, nCount);
}

template <class B>
CStringT<B> CStringT<B>::Right(int nCount) const {
    nCount = std::clamp(nCount, 0, GetLength());
    return Mid(GetLength() - nCount, nCount);
}

template <class B>
CStringT<B> CStringT<B>::SpanIncluding(PCXSTR pszCharSet) const {
    return Left(static_cast<int>(Traits<B>::Spn(m_pszData, OrEmpty(pszCharSet))));
}

template <class B>
CStringT<B> CStringT<B>::SpanExcluding(PCXSTR pszCharSet) const {
    return Left(static_cast<int>(Traits<B>::CSpn(m_pszData, OrEmpty(pszCharSet))));
}

template <class B>
CStringT<B> CStringT<B>::Tokenize(PCXSTR pszTokens, int& iStart) const {
    const int nLength = GetLength();
    if (iStart < 0) return CStringT();
    if (pszTokens == nullptr || *pszTokens == B(0)) {
        if (iStart < nLength) return Mid(iStart);
    } else if (iStart < nLength) {
        PCXSTR place = m_pszData + iStart;
        int nIncluding = static_cast<int>(Traits<B>::Spn(place, pszTokens));
        if (iStart + nIncluding < nLength) {
            int nExcluding = static_cast<int>(Traits<B>::CSpn(place + nIncluding, pszTokens));
            int iFrom = iStart + nIncluding;
            iStart = iFrom + nExcluding + 1;
            return Mid(iFrom, nExcluding);
        }
    }
    iStart = -1;
    return CStringT();
}

// --- search -----------------------------------------------------------------------------

template <class B>
int CStringT<B>::Find(XCHAR ch, int iStart) const noexcept {
    const int nLength = GetLength();
    if (iStart < 0 || iStart >= nLength) return -1;
    const B* p = Traits<B>::Chr(m_pszData + iStart, nLength - iStart, ch);
    return p ? static_cast<int>(p - m_pszData) : -1;
}

template <class B>
int CStringT<B>::Find(PCXSTR pszSub, int iStart) const noexcept {
    if (pszSub == nullptr || iStart < 0 || iStart > GetLength()) return -1;
    const B* p = Traits<B>::Str(m_pszData + iStart, pszSub);
    return p ? static_cast<int>(p - m_pszData) : -1;
}

template <class B>
int CStringT<B>::ReverseFind(XCHAR ch) const noexcept {
    for (int i = GetLength() - 1; i >= 0; --i)
        if (m_pszData[i] == ch) return i;
    return -1;
}

template <class B>
int CStringT<B>::FindOneOf(PCXSTR pszCharSet) const noexcept {
    if (pszCharSet == nullptr) return -1;
    int n = static_cast<int>(Traits<B>::CSpn(m_pszData, pszCharSet));
    return n < GetLength() ? n : -1;
}

// --- modification --------------------------------------------------------------------

template <class B>
CStringT<B>& CStringT<B>::MakeUpper() {
    if (int n = GetLength()) Traits<B>::Upper(PrepareWrite(n), n);
    return *this;
}

template <class B>
CStringT<B>& CStringT<B>::MakeLower() {
    if (int n = GetLength()) Traits<B>::Lower(PrepareWrite(n), n);
    return *this;
}

template <class B>
CStringT<B>& CStringT<B>::MakeReverse() {
    if (int n = GetLength()) {
        PXSTR p = PrepareWrite(n);
        std::reverse(p, p + n);
    }
    return *this;
}

template <class B>
int CStringT<B>::Replace(XCHAR chOld, XCHAR chNew) {
    if (Find(chOld) < 0) return 0;  // nothing to change: stay shared
    const int nLength = GetLength();
    PXSTR p = PrepareWrite(nLength);
    int n = 0;
    for (int i = 0; i < nLength; ++i)
        if (p[i] == chOld) {
            p[i] = chNew;
            ++n;
        }
    return n;
}

template <class B>
int CStringT<B>::Replace(PCXSTR pszOld, PCXSTR pszNew) {
    const int nOld = StringLength(pszOld);
    if (nOld == 0 || IsEmpty()) return 0;
    const int nNew = StringLength(pszNew);
    CStringT out;
    int n = 0, i = 0;
    for (;;) {
        const B* hit = Traits<B>::Str(m_pszData + i, pszOld);
        if (!hit) break;
        int at = static_cast<int>(hit - m_pszData);
        out.Append(m_pszData + i, at - i);
        out.Append(pszNew, nNew);
        i = at + nOld;
        ++n;
    }
    if (n) {
        out.Append(m_pszData + i, GetLength() - i);
        *this = std::move(out);
    }
    return n;
}

template <class B>
int CStringT<B>::Remove(XCHAR ch) {
    if (Find(ch) < 0) return 0;
    const int nLength = GetLength();
    PXSTR p = PrepareWrite(nLength);
    int j = 0;
    for (int i = 0; i < nLength; ++i)
        if (p[i] != ch) p[j++] = p[i];
    SetLength(j);
    return nLength - j;
}

template <class B>
int CStringT<B>::Insert(int iIndex, XCHAR ch) {
    const B sz[2] = {ch, B(0)};
    return Insert(iIndex, sz);
}

template <class B>
int CStringT<B>::Insert(int iIndex, PCXSTR psz) {
    const int nOldLength = GetLength();
    iIndex = std::clamp(iIndex, 0, nOldLength);
    const int n = StringLength(psz);
    if (n == 0) return nOldLength;
    CStringT copy(psz, n);  // psz may point into this string
    PXSTR p = PrepareWrite(nOldLength + n);
    memmove(p + iIndex + n, p + iIndex, static_cast<size_t>(nOldLength - iIndex) * sizeof(B));
    memcpy(p + iIndex, copy.m_pszData, static_cast<size_t>(n) * sizeof(B));
    SetLength(nOldLength + n);
    return GetLength();
}

template <class B>
int CStringT<B>::Delete(int iIndex, int nCount) {
    const int nLength = GetLength();
    iIndex = std::max(iIndex, 0);
    if (nCount <= 0 || iIndex >= nLength) return nLength;
    nCount = std::min(nCount, nLength - iIndex);
    PXSTR p = PrepareWrite(nLength);
    memmove(p + iIndex, p + iIndex + nCount, static_cast<size_t>(nLength - iIndex - nCount) * sizeof(B));
    SetLength(nLength - nCount);
    return GetLength();
}

template <class B>
void CStringT<B>::Truncate(int nNewLength) {
    ASSERT(nNewLength >= 0 && nNewLength <= GetLength());
    if (nNewLength < 0 || nNewLength >= GetLength()) return;
    PrepareWrite(nNewLength);
    SetLength(nNewLength);
}

template <class B>
CStringT<B>& CStringT<B>::Trim() {
    return TrimRight().TrimLeft();
}

template <class B>
CStringT<B>& CStringT<B>::Trim(XCHAR chTarget) {
    return TrimRight(chTarget).TrimLeft(chTarget);
}

template <class B>
CStringT<B>& CStringT<B>::Trim(PCXSTR pszTargets) {
    return TrimRight(pszTargets).TrimLeft(pszTargets);
}

namespace {
template <class S, class Pred>
S& TrimLeftWhile(S& s, Pred pred) {
    int i = 0;
    while (i < s.GetLength() && pred(s.GetString()[i])) ++i;
    if (i) s.Delete(0, i);
    return s;
}
template <class S, class Pred>
S& TrimRightWhile(S& s, Pred pred) {
    int n = s.GetLength();
    while (n > 0 && pred(s.GetString()[n - 1])) --n;
    if (n != s.GetLength()) s.Truncate(n);
    return s;
}
}  // namespace

template <class B>
CStringT<B>& CStringT<B>::TrimLeft() {
    return TrimLeftWhile(*this, [](B ch) { return Traits<B>::IsSpace(ch); });
}

template <class B>
CStringT<B>& CStringT<B>::TrimLeft(XCHAR chTarget) {
    return TrimLeftWhile(*this, [chTarget](B ch) { return ch == chTarget; });
}

template <class B>
CStringT<B>& CStringT<B>::TrimLeft(PCXSTR pszTargets) {
    return TrimLeftWhile(*this, [pszTargets](B ch) { return InSet(ch, pszTargets); });
}

template <class B>
CStringT<B>& CStringT<B>::TrimRight() {
    return TrimRightWhile(*this, [](B ch) { return Traits<B>::IsSpace(ch); });
}

template <class B>
CStringT<B>& CStringT<B>::TrimRight(XCHAR chTarget) {
    return TrimRightWhile(*this, [chTarget](B ch) { return ch == chTarget; });
}

template <class B>
CStringT<B>& CStringT<B>::TrimRight(PCXSTR pszTargets) {
    return TrimRightWhile(*this, [pszTargets](B ch) { return InSet(ch, pszTargets); });
}

template <class B>
void CStringT<B>::Append(PCXSTR psz) {
    Append(psz, StringLength(psz));
}

template <class B>
void CStringT<B>::Append(PCXSTR pch, int nLength) {
    if (pch == nullptr || nLength <= 0) return;
    if (Within(pch)) {  // appending a piece of ourselves
        CStringT copy(pch, nLength);
        Append(copy.m_pszData, nLength);
        return;
    }
    const int nOldLength = GetLength();
    if (nLength > INT_MAX - 1 - nOldLength) AfxThrowMemoryException();
    PXSTR p = PrepareWrite(nOldLength + nLength);
    memcpy(p + nOldLength, pch, static_cast<size_t>(nLength) * sizeof(B));
    SetLength(nOldLength + nLength);
}

template <class B>
void CStringT<B>::Append(const CStringT& str) {
    Append(str.m_pszData, str.GetLength());
}

template <class B>
void CStringT<B>::AppendChar(XCHAR ch) {
    Append(&ch, 1);
}

template <class B>
CStringT<B> CStringT<B>::Concat(const CStringT& a, PCXSTR b, int nLength) {
    CStringT s;
    s.Preallocate(a.GetLength() + nLength);
    s.Append(a);
    s.Append(b, nLength);
    return s;
}

// --- formatting ------------------------------------------------------------------------

template <class B>
void CStringT<B>::FormatV(PCXSTR pszFormat, va_list args) {
    CStringT out;
    out.AppendFormatV(pszFormat, args);
    *this = std::move(out);  // the arguments may point into this string
}

template <class B>
void CStringT<B>::AppendFormatV(PCXSTR pszFormat, va_list args) {
    if (pszFormat == nullptr) return;
    int n = Traits<B>::FormatLength(pszFormat, args);
    if (n <= 0) return;
    const int nOldLength = GetLength();
    PXSTR p = PrepareWrite(nOldLength + n);
    Traits<B>::FormatTo(p + nOldLength, n, pszFormat, args);
    SetLength(nOldLength + n);
}

#ifdef _WIN32
template <class B>
void CStringT<B>::FormatMessageV(PCXSTR pszFormat, va_list* pArgList) {
    if (pszFormat == nullptr) {
        Empty();
        return;
    }
    const DWORD dwFlags = FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ALLOCATE_BUFFER;
    PXSTR pBuffer = nullptr;
    DWORD n;
    if constexpr (std::is_same_v<B, char>)
        n = ::FormatMessageA(dwFlags, pszFormat, 0, 0, reinterpret_cast<LPSTR>(&pBuffer), 0, pArgList);
    else
        n = ::FormatMessageW(dwFlags, pszFormat, 0, 0, reinterpret_cast<LPWSTR>(&pBuffer), 0, pArgList);
    if (n == 0 || pBuffer == nullptr) AfxThrowMemoryException();
    Assign(pBuffer, static_cast<int>(n));
    ::LocalFree(pBuffer);
}
#endif

// --- buffers -----------------------------------------------------------------------------

template <class B>
typename CStringT<B>::PXSTR CStringT<B>::GetBuffer(int nMinBufLength) {
    ASSERT(nMinBufLength >= 0);
    return PrepareWrite(std::max(nMinBufLength, GetLength()));
}

template <class B>
typename CStringT<B>::PXSTR CStringT<B>::GetBufferSetLength(int nLength) {
    ASSERT(nLength >= 0);
    nLength = std::max(nLength, 0);
    PXSTR p = PrepareWrite(nLength);
    SetLength(nLength);
    return p;
}

template <class B>
void CStringT<B>::ReleaseBuffer(int nNewLength) {
    CStringData* pData = GetData();
    if (pData == Nil()) return;
    ASSERT(pData->nRefs <= 1);  // GetBuffer made it unshared
    if (nNewLength < 0) {
        nNewLength = 0;
        while (nNewLength < pData->nAllocLength && m_pszData[nNewLength] != B(0)) ++nNewLength;
    }
    ASSERT(nNewLength <= pData->nAllocLength);
    SetLength(std::min(nNewLength, pData->nAllocLength));
}

template <class B>
typename CStringT<B>::PXSTR CStringT<B>::LockBuffer() {
    PXSTR p = PrepareWrite(std::max(GetLength(), 1));  // the empty string's buffer is not ours to lock
    GetData()->nRefs = -1;
    return p;
}

template <class B>
void CStringT<B>::UnlockBuffer() noexcept {
    CStringData* pData = GetData();
    if (pData != Nil() && pData->nRefs < 0) pData->nRefs = 1;
}

template <class B>
void CStringT<B>::Preallocate(int nLength) {
    ASSERT(nLength >= 0);
    if (nLength > GetAllocLength()) PrepareWrite(nLength);
}

template <class B>
void CStringT<B>::FreeExtra() {
    CStringData* pData = GetData();
    if (pData == Nil() || pData->nRefs != 1 || pData->nAllocLength == pData->nDataLength) return;
    CStringT copy(m_pszData, pData->nDataLength);
    *this = std::move(copy);
}

// --- resources and the system -----------------------------------------------------------

template <class B>
BOOL CStringT<B>::LoadString(UINT nID) {
#ifdef _WIN32
    HINSTANCE hInst = AfxFindStringResourceHandle(nID);
    return hInst != nullptr && LoadString(hInst, nID);
#else
    (void)nID;
    return FALSE;
#endif
}

#ifdef _WIN32
template <class B>
BOOL CStringT<B>::LoadString(HINSTANCE hInstance, UINT nID) {
    // A string resource holds at most 4095 characters.
    B buf[4096];
    int n;
    if constexpr (std::is_same_v<B, char>)
        n = ::LoadStringA(hInstance, nID, buf, 4096);
    else
        n = ::LoadStringW(hInstance, nID, buf, 4096);
    if (n <= 0) return FALSE;
    Assign(buf, n);
    return TRUE;
}

template <class B>
BOOL CStringT<B>::LoadString(HINSTANCE hInstance, UINT nID, WORD wLanguageID) {
    // The block of sixteen strings that holds nID, in that language.
    HRSRC hRes = ::FindResourceExW(hInstance, MAKEINTRESOURCEW(6) /* RT_STRING */,
                                   MAKEINTRESOURCEW((nID >> 4) + 1), wLanguageID);
    HGLOBAL hGlobal = hRes ? ::LoadResource(hInstance, hRes) : nullptr;
    const WORD* p = hGlobal ? static_cast<const WORD*>(::LockResource(hGlobal)) : nullptr;
    if (p == nullptr) return FALSE;
    const WORD* pEnd = p + ::SizeofResource(hInstance, hRes) / sizeof(WORD);
    for (UINT i = 0; i < (nID & 15); ++i) {
        if (p >= pEnd) return FALSE;
        p += 1 + *p;
    }
    if (p >= pEnd || *p == 0 || p + 1 + *p > pEnd) return FALSE;
    CStringW wide(reinterpret_cast<const wchar_t*>(p + 1), *p);
    *this = wide;
    return TRUE;
}

template <class B>
BSTR CStringT<B>::AllocSysString() const {
    BSTR bstr;
    if constexpr (std::is_same_v<B, char>) {
        int n = Convert(m_pszData, GetLength(), static_cast<wchar_t*>(nullptr), 0);
        bstr = ::SysAllocStringLen(nullptr, static_cast<UINT>(n));
        if (bstr) Convert(m_pszData, GetLength(), bstr, n);
    } else {
        bstr = ::SysAllocStringLen(m_pszData, static_cast<UINT>(GetLength()));
    }
    if (bstr == nullptr) AfxThrowMemoryException();
    return bstr;
}

template <class B>
BSTR CStringT<B>::SetSysString(BSTR* pbstr) const {
    ASSERT(pbstr != nullptr);
    BSTR bstr = AllocSysString();
    if (pbstr) {
        ::SysFreeString(*pbstr);
        *pbstr = bstr;
    }
    return bstr;
}

template <class B>
void CStringT<B>::AnsiToOem() {
    if constexpr (std::is_same_v<B, char>) {
        if (int n = GetLength()) {
            PXSTR p = PrepareWrite(n);
            ::CharToOemBuffA(p, p, static_cast<DWORD>(n));
        }
    }
}

template <class B>
void CStringT<B>::OemToAnsi() {
    if constexpr (std::is_same_v<B, char>) {
        if (int n = GetLength()) {
            PXSTR p = PrepareWrite(n);
            ::OemToCharBuffA(p, p, static_cast<DWORD>(n));
        }
    }
}
#endif

template <class B>
BOOL CStringT<B>::GetEnvironmentVariable(PCXSTR pszVar) {
    const B* p = pszVar ? Traits<B>::GetEnv(pszVar) : nullptr;
    if (p == nullptr) {
        Empty();
        return FALSE;
    }
    SetString(p);
    return TRUE;
}

// --- the formatting members with "..." --------------------------------------------------

template <class S>
void CStringFormatT<char, S>::Format(const char* pszFormat, ...) {
    va_list args;
    va_start(args, pszFormat);
    static_cast<S*>(this)->FormatV(pszFormat, args);
    va_end(args);
}

template <class S>
void CStringFormatT<char, S>::Format(UINT nFormatID, ...) {
    S strFormat;
    VERIFY(strFormat.LoadString(nFormatID));
    va_list args;
    va_start(args, nFormatID);
    static_cast<S*>(this)->FormatV(strFormat, args);
    va_end(args);
}

template <class S>
void CStringFormatT<char, S>::AppendFormat(const char* pszFormat, ...) {
    va_list args;
    va_start(args, pszFormat);
    static_cast<S*>(this)->AppendFormatV(pszFormat, args);
    va_end(args);
}

template <class S>
void CStringFormatT<wchar_t, S>::Format(const wchar_t* pszFormat, ...) {
    va_list args;
    va_start(args, pszFormat);
    static_cast<S*>(this)->FormatV(pszFormat, args);
    va_end(args);
}

template <class S>
void CStringFormatT<wchar_t, S>::Format(UINT nFormatID, ...) {
    S strFormat;
    VERIFY(strFormat.LoadString(nFormatID));
    va_list args;
    va_start(args, nFormatID);
    static_cast<S*>(this)->FormatV(strFormat, args);
    va_end(args);
}

template <class S>
void CStringFormatT<wchar_t, S>::AppendFormat(const wchar_t* pszFormat, ...) {
    va_list args;
    va_start(args, pszFormat);
    static_cast<S*>(this)->AppendFormatV(pszFormat, args);
    va_end(args);
}

#ifdef _WIN32
template <class S>
void CStringFormatT<char, S>::FormatMessage(const char* pszFormat, ...) {
    va_list args;
    va_start(args, pszFormat);
    static_cast<S*>(this)->FormatMessageV(pszFormat, &args);
    va_end(args);
}

template <class S>
void CStringFormatT<char, S>::FormatMessage(UINT nFormatID, ...) {
    S strFormat;
    VERIFY(strFormat.LoadString(nFormatID));
    va_list args;
    va_start(args, nFormatID);
    static_cast<S*>(this)->FormatMessageV(strFormat, &args);
    va_end(args);
}

template <class S>
void CStringFormatT<wchar_t, S>::FormatMessage(const wchar_t* pszFormat, ...) {
    va_list args;
    va_start(args, pszFormat);
    static_cast<S*>(this)->FormatMessageV(pszFormat, &args);
    va_end(args);
}

template <class S>
void CStringFormatT<wchar_t, S>::FormatMessage(UINT nFormatID, ...) {
    S strFormat;
    VERIFY(strFormat.LoadString(nFormatID));
    va_list args;
    va_start(args, nFormatID);
    static_cast<S*>(this)->FormatMessageV(strFormat, &args);
    va_end(args);
}
#endif

template class CStringT<char>;
template class CStringT<wchar_t>;
template class CStringFormatT<char, CStringT<char>>;
template class CStringFormatT<wchar_t, CStringT<wchar_t>>;
