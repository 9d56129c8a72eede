#include "util/memfile.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

IMPLEMENT_DYNAMIC(CKXMemFile, CMemFile)

namespace {
constexpr UINT kBlock = 1024;
constexpr UINT kWriteAccess = CFile::modeWrite | CFile::modeReadWrite;
}  // namespace

CKXMemFile::CKXMemFile(UINT nGrowBytes) : CMemFile(nGrowBytes) {}

CKXMemFile::CKXMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
    : CMemFile(lpBuffer, nBufferSize, nGrowBytes) {}

CKXMemFile::CKXMemFile(LPCTSTR lpszFileName, UINT nOpenFlags) : CMemFile(kBlock) {
    Open(lpszFileName, nOpenFlags);
}

CKXMemFile::~CKXMemFile() {
    if (m_bLoaded) Close();
}

BOOL CKXMemFile::Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
    if (m_File.m_hFile != CFile::hFileNull || lpszFileName == nullptr) return FALSE;
    if (!m_File.Open(lpszFileName, nOpenFlags, pError)) return FALSE;
    m_nOpenFlags = nOpenFlags;
    Load();
    m_bLoaded = TRUE;
    return TRUE;
}

void CKXMemFile::Flush() {
    CMemFile::Flush();
    Save();
}

void CKXMemFile::Close() {
    if (m_bLoaded) {
        m_bLoaded = FALSE;
        Save();
        m_File.Close();
        m_nOpenFlags = 0;
    }
    CMemFile::Close();
}

BOOL CKXMemFile::Discard() { return Load(); }

BOOL CKXMemFile::Load() {
    if (m_File.m_hFile == CFile::hFileNull) return FALSE;
    SetLength(0);
    SeekToBegin();
    // A write-only disk file cannot be read back; its memory image starts empty.
    if ((m_nOpenFlags & 3) != CFile::modeWrite) {
        m_File.SeekToBegin();
        BYTE block[kBlock];
        for (UINT n; (n = m_File.Read(block, kBlock)) > 0;) Write(block, n);
    }
    SeekToBegin();
    return TRUE;
}

BOOL CKXMemFile::Save() {
    if (m_File.m_hFile == CFile::hFileNull || (m_nOpenFlags & kWriteAccess) == 0) return FALSE;
    m_File.SetLength(0);
    m_File.SeekToBegin();
    for (SIZE_T at = 0; at < m_nFileSize; at += kBlock) {
        SIZE_T n = m_nFileSize - at < kBlock ? m_nFileSize - at : kBlock;
        m_File.Write(m_lpBuffer + at, static_cast<UINT>(n));
    }
    m_File.Flush();
    SeekToBegin();
    return TRUE;
}

BOOL CKXMemFile::Import(CFile* pFile) {
    if (pFile == nullptr || pFile == this) return FALSE;
    SetLength(0);
    SeekToBegin();
    pFile->SeekToBegin();
    BYTE block[kBlock];
    for (UINT n; (n = pFile->Read(block, kBlock)) > 0;) Write(block, n);
    SeekToBegin();
    return TRUE;
}

BOOL CKXMemFile::Append(CFile* pFile) {
    if (pFile == nullptr || pFile == this) return FALSE;
    SeekToEnd();
    pFile->SeekToBegin();
    BYTE block[kBlock];
    for (UINT n; (n = pFile->Read(block, kBlock)) > 0;) Write(block, n);
    return TRUE;
}

BOOL CKXMemFile::Duplicate(CFile* pFile) {
    if (pFile == nullptr || pFile == this) return FALSE;
    for (SIZE_T at = 0; at < m_nFileSize; at += kBlock) {
        SIZE_T n = m_nFileSize - at < kBlock ? m_nFileSize - at : kBlock;
        pFile->Write(m_lpBuffer + at, static_cast<UINT>(n));
    }
    pFile->Flush();
    return TRUE;
}

BOOL CKXMemFile::Duplicate(LPCTSTR lpszFileName) {
    CFile file;
    if (lpszFileName == nullptr || !file.Open(lpszFileName, CFile::modeCreate | CFile::modeWrite)) return FALSE;
    return Duplicate(&file);
}

void CKXMemFile::ReadRange(CFile* pFile, DWORD dwFrom, DWORD dwCount, CMemFile& out) {
    if (dwFrom >= pFile->GetLength()) return;
    pFile->Seek(dwFrom, CFile::begin);
    BYTE block[kBlock];
    while (dwCount > 0) {
        UINT want = dwCount < kBlock ? dwCount : kBlock;
        UINT n = pFile->Read(block, want);
        if (n == 0) break;
        out.Write(block, n);
        dwCount -= n;
    }
}

DWORD CKXMemFile::Insert(CFile* pFile, DWORD dwAt, DWORD dwFrom, DWORD dwCount) {
    if (pFile == nullptr || pFile == this) return static_cast<DWORD>(m_nFileSize);
    if (dwAt > m_nFileSize) dwAt = static_cast<DWORD>(m_nFileSize);
    CMemFile middle(kBlock);
    ReadRange(pFile, dwFrom, dwCount, middle);
    const SIZE_T n = static_cast<SIZE_T>(middle.GetLength());
    if (n > 0) {
        const SIZE_T oldSize = m_nFileSize;
        SetLength(oldSize + n);
        memmove(m_lpBuffer + dwAt + n, m_lpBuffer + dwAt, oldSize - dwAt);
        middle.SeekToBegin();
        middle.Read(m_lpBuffer + dwAt, static_cast<UINT>(n));
    }
    m_nPosition = dwAt + n;
    return static_cast<DWORD>(m_nFileSize);
}

DWORD CKXMemFile::Insert(LPCTSTR lpszFileName, DWORD dwAt, DWORD dwFrom, DWORD dwCount) {
    CFile file;
    if (lpszFileName == nullptr || !file.Open(lpszFileName, CFile::modeRead | CFile::shareDenyWrite)) return 0;
    return Insert(&file, dwAt, dwFrom, dwCount);
}

DWORD CKXMemFile::Extract(CFile* pFile, DWORD dwFrom, DWORD dwCount) {
    if (pFile == nullptr || pFile == this || dwFrom >= m_nFileSize) return 0;
    if (dwCount > m_nFileSize - dwFrom) dwCount = static_cast<DWORD>(m_nFileSize - dwFrom);
    for (DWORD done = 0; done < dwCount;) {
        UINT n = dwCount - done < kBlock ? dwCount - done : kBlock;
        pFile->Write(m_lpBuffer + dwFrom + done, n);
        done += n;
    }
    pFile->Flush();
    return dwCount;
}

DWORD CKXMemFile::Extract(LPCTSTR lpszFileName, DWORD dwFrom, DWORD dwCount) {
    CFile file;
    if (lpszFileName == nullptr || !file.Open(lpszFileName, CFile::modeCreate | CFile::modeWrite)) return 0;
    return Extract(&file, dwFrom, dwCount);
}

namespace {

// Leftmost occurrence of pattern in [p, end), or null.  A candidate is a
// place where both the first and the last byte of the pattern match; only
// candidates get a full comparison.  With SSE2 sixteen candidates are
// tested at once; candidates are visited in order, so the first occurrence
// is found, overlapping partial matches included.
const BYTE* Search(const BYTE* p, const BYTE* end, const BYTE* pattern, size_t len) {
    if (static_cast<size_t>(end - p) < len) return nullptr;
    if (len == 1) return static_cast<const BYTE*>(memchr(p, pattern[0], static_cast<size_t>(end - p)));
    const BYTE first = pattern[0], last = pattern[len - 1];
    const BYTE* const stop = end - len;  // the last possible candidate
#if defined(__SSE2__)
    const __m128i vFirst = _mm_set1_epi8(static_cast<char>(first));
    const __m128i vLast = _mm_set1_epi8(static_cast<char>(last));
    // Both loads stay inside the buffer while p + 15 <= stop.
    for (; stop - p >= 15; p += 16) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + len - 1));
        unsigned mask = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, vFirst), _mm_cmpeq_epi8(b, vLast))));
        while (mask != 0) {
            const int bit = __builtin_ctz(mask);
            if (memcmp(p + bit + 1, pattern + 1, len - 2) == 0) return p + bit;
            mask &= mask - 1;
        }
    }
#endif
    for (; p <= stop; ++p)
        if (p[0] == first && p[len - 1] == last && memcmp(p + 1, pattern + 1, len - 2) == 0) return p;
    return nullptr;
}

}  // namespace

LONG CKXMemFile::FindData(const void* pData, DWORD nLen, LONG nStart) {
    if (pData == nullptr || nLen == 0 || nStart < 0 || static_cast<SIZE_T>(nStart) >= m_nFileSize) return -1;
    const BYTE* hit = Search(m_lpBuffer + nStart, m_lpBuffer + m_nFileSize, static_cast<const BYTE*>(pData), nLen);
    if (hit == nullptr) {
        m_nPosition = m_nFileSize;
        return -1;
    }
    m_nPosition = static_cast<SIZE_T>(hit - m_lpBuffer);
    return static_cast<LONG>(m_nPosition);
}

BYTE CKXMemFile::operator[](DWORD nIndex) {
    if (nIndex >= m_nFileSize) return 0;
    m_nPosition = nIndex;
    return m_lpBuffer[nIndex];
}

CKXMemFile& CKXMemFile::operator=(DWORD dwPos) {
    Seek(dwPos, CFile::begin);
    return *this;
}

CKXMemFile& CKXMemFile::operator=(CFile* pFile) {
    Import(pFile);
    return *this;
}

CKXMemFile& CKXMemFile::operator=(LPCTSTR lpszFileName) {
    CFile file;
    if (lpszFileName != nullptr && file.Open(lpszFileName, CFile::modeRead | CFile::shareDenyWrite)) Import(&file);
    return *this;
}

CKXMemFile& CKXMemFile::operator+=(CFile* pFile) {
    Append(pFile);
    return *this;
}

CKXMemFile& CKXMemFile::operator+=(LPCTSTR lpszFileName) {
    CFile file;
    if (lpszFileName != nullptr && file.Open(lpszFileName, CFile::modeRead | CFile::shareDenyWrite)) Append(&file);
    return *this;
}

BOOL CKXMemFile::ReadString(CString& rString) {
    rString.Empty();
    SIZE_T pos = m_nPosition;
    if (pos >= m_nFileSize) return FALSE;
    const BYTE* data = m_lpBuffer;
    SIZE_T stop = pos;
    while (stop < m_nFileSize && data[stop] != '\r' && data[stop] != '\0') ++stop;
    rString = CString(reinterpret_cast<const char*>(data + pos), static_cast<int>(stop - pos));
    SIZE_T next = stop;
    if (next < m_nFileSize) {
        ++next;  // the CR or NUL that ended the line
        if (data[stop] == '\r' && next < m_nFileSize && data[next] == '\n') ++next;
    }
    m_nPosition = next;
    return !rString.IsEmpty();
}

void CKXMemFile::WriteString(LPCTSTR lpsz) {
    CString line;
    if (lpsz != nullptr) {
        size_t n = strlen(lpsz);
        char* out = line.GetBuffer(static_cast<int>(n + 2));
        size_t k = 0;
        for (size_t i = 0; i < n; ++i)
            if (lpsz[i] != '\r') out[k++] = lpsz[i];
        out[k++] = '\r';
        out[k++] = '\n';
        line.ReleaseBuffer(static_cast<int>(k));
    } else {
        line = "\r\n";
    }
    Write(line.GetString(), static_cast<UINT>(line.GetLength()));
}
