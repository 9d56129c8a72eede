#include "base/carchive.h"

#include <algorithm>
#include <cstring>

namespace {
const WORD wNullTag = 0;
const WORD wNewClassTag = 0xFFFF;
const WORD wClassTag = 0x8000;
const DWORD dwBigClassTag = 0x80000000;
const WORD wBigObjectTag = 0x7FFF;
const DWORD nMaxMapCount = 0x3FFFFFFE;

// Strings are read in pieces of this size, so a forged length costs no more
// memory than the bytes that are really there.
const UINT kStringChunk = 64 * 1024;
}  // namespace

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize, void* lpBuf)
    : m_pFile(pFile), m_nMode(nMode), m_bUserBuf(lpBuf != nullptr) {
    m_nBufSize = nBufSize < 128 ? 128 : static_cast<UINT>(nBufSize);
    m_lpBufStart = m_bUserBuf ? static_cast<BYTE*>(lpBuf) : new BYTE[m_nBufSize];
    m_lpBufCur = m_lpBufStart;
    // Loading starts with an empty buffer; storing with the whole buffer free.
    m_lpBufMax = IsLoading() ? m_lpBufStart : m_lpBufStart + m_nBufSize;
    if (pFile) m_strFileName = pFile->GetFilePath();
    m_loadArray.push_back(nullptr);
    m_loadIsClass.push_back(false);
}

CArchive::~CArchive() {
    if (!m_bClosed && !(m_nMode & bNoFlushOnDelete)) {
        try {
            Close();
        } catch (CException* e) {  // a destructor must not throw
            e->Delete();
        }
    }
    if (!m_bUserBuf) delete[] m_lpBufStart;
}

UINT CArchive::GetObjectSchema() {
    UINT n = m_nObjectSchema;
    m_nObjectSchema = static_cast<UINT>(-1);  // can be asked once per object
    return n;
}

void CArchive::Throw(int cause) const { AfxThrowArchiveException(cause, m_strFileName); }

void CArchive::FillBuffer(UINT nBytesNeeded) {
    // Keep unread bytes at the front, then read until enough are there.
    UINT unread = static_cast<UINT>(m_lpBufMax - m_lpBufCur);
    if (unread && m_lpBufCur != m_lpBufStart) memmove(m_lpBufStart, m_lpBufCur, unread);
    m_lpBufCur = m_lpBufStart;
    m_lpBufMax = m_lpBufStart + unread;
    while (static_cast<UINT>(m_lpBufMax - m_lpBufCur) < nBytesNeeded) {
        UINT room = m_nBufSize - static_cast<UINT>(m_lpBufMax - m_lpBufStart);
        UINT got = m_pFile->Read(m_lpBufMax, room);
        if (got == 0) break;
        m_lpBufMax += got;
    }
}

UINT CArchive::Read(void* lpBuf, UINT nMax) {
    if (!IsLoading()) Throw(CArchiveException::writeOnly);
    BYTE* out = static_cast<BYTE*>(lpBuf);
    UINT done = 0;
    while (done < nMax) {
        if (m_lpBufCur == m_lpBufMax) {
            // Large reads go straight to the file once the buffer is drained.
            if (nMax - done >= m_nBufSize) {
                UINT got = m_pFile->Read(out + done, nMax - done);
                done += got;
                break;
            }
            FillBuffer(1);
            if (m_lpBufCur == m_lpBufMax) break;
        }
        UINT n = std::min(nMax - done, static_cast<UINT>(m_lpBufMax - m_lpBufCur));
        memcpy(out + done, m_lpBufCur, n);
        m_lpBufCur += n;
        done += n;
    }
    return done;
}

CArchive& CArchive::ReadRaw(void* p, UINT n) {
    if (!IsLoading()) Throw(CArchiveException::writeOnly);
    if (static_cast<UINT>(m_lpBufMax - m_lpBufCur) < n) {
        FillBuffer(n);
        if (static_cast<UINT>(m_lpBufMax - m_lpBufCur) < n) Throw(CArchiveException::endOfFile);
    }
    memcpy(p, m_lpBufCur, n);
    m_lpBufCur += n;
    return *this;
}

void CArchive::Write(const void* lpBuf, UINT nMax) { WriteRaw(lpBuf, nMax); }

CArchive& CArchive::WriteRaw(const void* p, UINT n) {
    if (!IsStoring()) Throw(CArchiveException::readOnly);
    const BYTE* in = static_cast<const BYTE*>(p);
    while (n > 0) {
        UINT room = static_cast<UINT>(m_lpBufMax - m_lpBufCur);
        if (room == 0) {
            Flush();
            continue;
        }
        UINT k = std::min(n, room);
        memcpy(m_lpBufCur, in, k);
        m_lpBufCur += k;
        in += k;
        n -= k;
    }
    return *this;
}

void CArchive::Flush() {
    if (IsStoring()) {
        if (m_lpBufCur != m_lpBufStart) m_pFile->Write(m_lpBufStart, static_cast<UINT>(m_lpBufCur - m_lpBufStart));
        m_lpBufCur = m_lpBufStart;
    } else if (m_lpBufCur != m_lpBufMax) {
        // Give unread bytes back to the file so its position is where we stopped.
        m_pFile->Seek(-static_cast<LONGLONG>(m_lpBufMax - m_lpBufCur), CFile::current);
        m_lpBufCur = m_lpBufMax;
    }
}

void CArchive::Close() {
    if (m_bClosed) return;
    Flush();
    m_bClosed = TRUE;
    m_pFile = nullptr;
}

void CArchive::Abort() {
    m_bClosed = TRUE;
    m_pFile = nullptr;
}

CArchive& CArchive::operator<<(float v) {
    DWORD d;
    memcpy(&d, &v, 4);
    return WriteLE(d);
}

CArchive& CArchive::operator<<(double v) {
    ULONGLONG q;
    memcpy(&q, &v, 8);
    return WriteLE(q);
}

CArchive& CArchive::operator>>(LONG& v) {
    DWORD d;
    ReadLE(d);
    v = static_cast<LONG>(d);
    return *this;
}

CArchive& CArchive::operator>>(LONGLONG& v) {
    ULONGLONG q;
    ReadLE(q);
    v = static_cast<LONGLONG>(q);
    return *this;
}

CArchive& CArchive::operator>>(float& v) {
    DWORD d;
    ReadLE(d);
    memcpy(&v, &d, 4);
    return *this;
}

CArchive& CArchive::operator>>(double& v) {
    ULONGLONG q;
    ReadLE(q);
    memcpy(&v, &q, 8);
    return *this;
}

CArchive& CArchive::operator>>(char& v) {
    BYTE b;
    ReadRaw(&b, 1);
    v = static_cast<char>(b);
    return *this;
}

CArchive& CArchive::operator>>(short& v) {
    WORD w;
    ReadLE(w);
    v = static_cast<short>(w);
    return *this;
}

#ifdef _WIN32
CArchive& CArchive::operator>>(int& v) {
    LONG l;
    *this >> l;
    v = l;
    return *this;
}

CArchive& CArchive::operator>>(unsigned& v) {
    DWORD d;
    ReadLE(d);
    v = d;
    return *this;
}
#endif

CArchive& CArchive::operator>>(bool& v) {
    BYTE b;
    ReadRaw(&b, 1);
    v = b != 0;
    return *this;
}

CArchive& CArchive::operator>>(wchar_t& v) {
    WORD w;
    ReadLE(w);
    v = static_cast<wchar_t>(w);
    return *this;
}

void CArchive::WriteString(LPCTSTR lpsz) {
    if (lpsz) Write(lpsz, static_cast<UINT>(strlen(lpsz)));
}

BOOL CArchive::ReadString(CString& rString) {
    rString.Empty();
    char ch;
    bool any = false;
    while (Read(&ch, 1) == 1) {
        any = true;
        if (ch == '\n') break;
        rString += ch;
    }
    if (!rString.IsEmpty() && rString[rString.GetLength() - 1] == '\r') rString.Delete(rString.GetLength() - 1);
    return any;
}

LPTSTR CArchive::ReadString(LPTSTR lpsz, UINT nMax) {
    if (lpsz == nullptr || nMax == 0) return nullptr;
    UINT n = 0;
    char ch;
    bool any = false;
    while (n + 1 < nMax && Read(&ch, 1) == 1) {
        any = true;
        if (ch == '\n') {
            if (n > 0 && lpsz[n - 1] == '\r') --n;
            break;
        }
        lpsz[n++] = ch;
    }
    lpsz[n] = '\0';
    return any ? lpsz : nullptr;
}

DWORD_PTR CArchive::ReadCount() {
    WORD w;
    *this >> w;
    if (w != 0xFFFF) return w;
    DWORD d;
    *this >> d;
    if (d != 0xFFFFFFFF) return d;
    ULONGLONG q;
    *this >> q;
    return static_cast<DWORD_PTR>(q);
}

void CArchive::WriteCount(DWORD_PTR dwCount) {
    if (dwCount < 0xFFFF) {
        *this << static_cast<WORD>(dwCount);
        return;
    }
    *this << static_cast<WORD>(0xFFFF);
    if (static_cast<ULONGLONG>(dwCount) < 0xFFFFFFFFull) {
        *this << static_cast<DWORD>(dwCount);
    } else {
        *this << static_cast<DWORD>(0xFFFFFFFF) << static_cast<ULONGLONG>(dwCount);
    }
}

// --- objects -----------------------------------------------------------------

void CArchive::CheckCount() {
    if (m_nMapCount >= nMaxMapCount) Throw(CArchiveException::badIndex);
}

void CArchive::MapObject(const CObject* pOb) {
    if (IsStoring()) {
        if (pOb && m_storeMap.find(pOb) == m_storeMap.end()) {
            CheckCount();
            m_storeMap[pOb] = m_nMapCount++;
        }
    } else {
        CheckCount();
        m_loadArray.push_back(const_cast<CObject*>(pOb));
        m_loadIsClass.push_back(false);
        ++m_nMapCount;
    }
}

void CArchive::WriteClass(const CRuntimeClass* pClassRef) {
    if (!IsStoring()) Throw(CArchiveException::readOnly);
    if (pClassRef == nullptr || pClassRef->m_wSchema == 0xFFFF) Throw(CArchiveException::badClass);
    auto it = m_storeMap.find(pClassRef);
    if (it != m_storeMap.end()) {
        DWORD nClassIndex = it->second;
        if (nClassIndex < wBigObjectTag) {
            *this << static_cast<WORD>(wClassTag | nClassIndex);
        } else {
            *this << wBigObjectTag << static_cast<DWORD>(dwBigClassTag | nClassIndex);
        }
        return;
    }
    *this << wNewClassTag;
    pClassRef->Store(*this);
    CheckCount();
    m_storeMap[pClassRef] = m_nMapCount++;
}

void CArchive::WriteObject(const CObject* pOb) {
    if (!IsStoring()) Throw(CArchiveException::readOnly);
    if (pOb == nullptr) {
        *this << wNullTag;
        return;
    }
    auto it = m_storeMap.find(pOb);
    if (it != m_storeMap.end()) {
        DWORD nObIndex = it->second;
        if (nObIndex < wBigObjectTag) {
            *this << static_cast<WORD>(nObIndex);
        } else {
            *this << wBigObjectTag << nObIndex;
        }
        return;
    }
    WriteClass(pOb->GetRuntimeClass());
    CheckCount();
    m_storeMap[pOb] = m_nMapCount++;
    const_cast<CObject*>(pOb)->Serialize(*this);
}

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema, DWORD* pObTag) {
    if (!IsLoading()) Throw(CArchiveException::writeOnly);
    WORD wTag;
    *this >> wTag;
    DWORD obTag;
    if (wTag == wBigObjectTag)
        *this >> obTag;
    else
        obTag = (static_cast<DWORD>(wTag & wClassTag) << 16) | (wTag & ~wClassTag);

    if (!(obTag & dwBigClassTag)) {  // an object reference, not a class
        if (pObTag == nullptr) Throw(CArchiveException::badIndex);
        *pObTag = obTag;
        return nullptr;
    }

    CRuntimeClass* pClassRef = nullptr;
    UINT nSchema = 0;
    if (wTag == wNewClassTag) {
        pClassRef = CRuntimeClass::Load(*this, &nSchema);
        if (pClassRef == nullptr) Throw(CArchiveException::badClass);
        if ((pClassRef->m_wSchema & ~VERSIONABLE_SCHEMA) != nSchema && !(pClassRef->m_wSchema & VERSIONABLE_SCHEMA))
            Throw(CArchiveException::badSchema);
        CheckCount();
        m_loadArray.push_back(pClassRef);
        m_loadIsClass.push_back(true);
        ++m_nMapCount;
        m_loadSchemas[pClassRef] = nSchema;
    } else {
        DWORD nClassIndex = obTag & ~dwBigClassTag;
        if (nClassIndex == 0 || nClassIndex >= m_loadArray.size() || !m_loadIsClass[nClassIndex])
            Throw(CArchiveException::badIndex);
        pClassRef = static_cast<CRuntimeClass*>(m_loadArray[nClassIndex]);
        nSchema = m_loadSchemas.at(pClassRef);
    }
    if (pClassRefRequested && !pClassRef->IsDerivedFrom(pClassRefRequested)) Throw(CArchiveException::badClass);
    if (pSchema)
        *pSchema = nSchema;
    else
        m_nObjectSchema = nSchema;
    return pClassRef;
}

void CArchive::SerializeClass(const CRuntimeClass* pClassRef) {
    if (IsStoring())
        WriteClass(pClassRef);
    else
        ReadClass(pClassRef, &m_nObjectSchema);
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested) {
    UINT nSchema = 0;
    DWORD obTag = 0;
    CRuntimeClass* pClassRef = ReadClass(pClassRefRequested, &nSchema, &obTag);
    if (pClassRef == nullptr) {
        if (obTag >= m_loadArray.size() || m_loadIsClass[obTag]) Throw(CArchiveException::badIndex);
        CObject* pOb = static_cast<CObject*>(m_loadArray[obTag]);
        if (pOb && pClassRefRequested && !pOb->IsKindOf(pClassRefRequested)) Throw(CArchiveException::badClass);
        return pOb;
    }
    CObject* pOb = pClassRef->CreateObject();
    if (pOb == nullptr) AfxThrowMemoryException();
    CheckCount();
    size_t slot = m_loadArray.size();
    m_loadArray.push_back(pOb);
    m_loadIsClass.push_back(false);
    ++m_nMapCount;
    UINT nSchemaSave = m_nObjectSchema;
    m_nObjectSchema = nSchema;
    try {
        pOb->Serialize(*this);
    } catch (...) {
        // A half-read object is of no use to anyone: release it here.
        m_loadArray[slot] = nullptr;
        delete pOb;
        throw;
    }
    m_nObjectSchema = nSchemaSave;
    return pOb;
}

// --- strings -----------------------------------------------------------------

CArchive& operator<<(CArchive& ar, const CString& s) {
    ULONGLONG n = static_cast<ULONGLONG>(s.GetLength());
    if (n < 255) {
        ar << static_cast<BYTE>(n);
    } else if (n < 0xFFFE) {
        ar << static_cast<BYTE>(0xFF) << static_cast<WORD>(n);
    } else {
        ar << static_cast<BYTE>(0xFF) << static_cast<WORD>(0xFFFF);
        if (n < 0xFFFFFFFF) {
            ar << static_cast<DWORD>(n);
        } else {
            ar << static_cast<DWORD>(0xFFFFFFFF) << n;
        }
    }
    ar.Write(s.GetString(), static_cast<UINT>(n));
    return ar;
}

namespace {
// Reads a string's length prefix; wide is set for UTF-16 text.
ULONGLONG ReadStringLength(CArchive& ar, bool& wide) {
    BYTE b;
    WORD w;
    wide = false;
    ar >> b;
    if (b < 0xFF) return b;
    ar >> w;
    if (w == 0xFFFE) {
        wide = true;
        ar >> b;
        if (b < 0xFF) return b;
        ar >> w;
    }
    if (w < 0xFFFF) return w;
    DWORD d;
    ar >> d;
    if (d < 0xFFFFFFFF) return d;
    ULONGLONG q;
    ar >> q;
    return q;
}
}  // namespace

CArchive& operator>>(CArchive& ar, CString& s) {
    bool wide = false;
    ULONGLONG n = ReadStringLength(ar, wide);
    ULONGLONG bytes = wide ? n * 2 : n;
    if (n > 0x7FFFFFFF || bytes > 0x7FFFFFFF) ar.Throw(CArchiveException::genericException);

    // Read straight into the string, growing it a piece at a time.
    CString out;
    int done = 0;
    while (static_cast<ULONGLONG>(done) < bytes) {
        UINT piece = static_cast<UINT>(std::min<ULONGLONG>(bytes - done, kStringChunk));
        char* p = out.GetBuffer(done + static_cast<int>(piece));
        UINT got = ar.Read(p + done, piece);
        out.ReleaseBuffer(done + static_cast<int>(got));
        if (got != piece) ar.Throw(CArchiveException::endOfFile);
        done += static_cast<int>(piece);
    }
    if (wide) {
        // Narrow the UTF-16 text: ASCII is kept, other characters become '?'.
#ifdef _WIN32
        CString narrow;
        int cch = static_cast<int>(n);
        if (cch > 0) {
            int need = ::WideCharToMultiByte(CP_ACP, 0, reinterpret_cast<LPCWSTR>(out.GetString()), cch, nullptr, 0,
                                             nullptr, nullptr);
            char* p = narrow.GetBuffer(need);
            ::WideCharToMultiByte(CP_ACP, 0, reinterpret_cast<LPCWSTR>(out.GetString()), cch, p, need, nullptr,
                                  nullptr);
            narrow.ReleaseBuffer(need);
        }
        out = narrow;
#else
        CString narrow;
        for (ULONGLONG i = 0; i < n; ++i) {
            unsigned u = static_cast<BYTE>(out[static_cast<int>(2 * i)]) |
                         (static_cast<unsigned>(static_cast<BYTE>(out[static_cast<int>(2 * i + 1)])) << 8);
            narrow += u < 0x80 ? static_cast<char>(u) : '?';
        }
        out = narrow;
#endif
    }
    s = out;
    return ar;
}
