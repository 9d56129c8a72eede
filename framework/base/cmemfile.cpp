#include "base/cmemfile.h"

#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNAMIC(CMemFile, CFile)

CMemFile::CMemFile(UINT nGrowBytes)
    : m_nGrowBytes(nGrowBytes), m_nPosition(0), m_nBufferSize(0), m_nFileSize(0),
      m_lpBuffer(nullptr), m_bAutoDelete(TRUE) {}

CMemFile::CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes) : CMemFile(nGrowBytes) {
    Attach(lpBuffer, nBufferSize, nGrowBytes);
}

CMemFile::~CMemFile() {
    if (m_lpBuffer) Close();
}

void CMemFile::Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes) {
    if (m_lpBuffer && m_bAutoDelete) Free(m_lpBuffer);
    m_nGrowBytes = nGrowBytes;
    m_nPosition = 0;
    m_nBufferSize = nBufferSize;
    m_nFileSize = nGrowBytes == 0 ? nBufferSize : 0;
    m_lpBuffer = lpBuffer;
    m_bAutoDelete = FALSE;
}

BYTE* CMemFile::Detach() {
    BYTE* p = m_lpBuffer;
    m_lpBuffer = nullptr;
    m_nFileSize = m_nBufferSize = m_nPosition = 0;
    return p;
}

ULONGLONG CMemFile::Seek(LONGLONG lOff, UINT nFrom) {
    LONGLONG base = nFrom == begin ? 0 : nFrom == end ? static_cast<LONGLONG>(m_nFileSize)
                                                      : static_cast<LONGLONG>(m_nPosition);
    LONGLONG pos = base + lOff;
    if ((lOff < 0 && pos > base) || pos < 0) AfxThrowFileException(CFileException::badSeek);
    m_nPosition = static_cast<SIZE_T>(pos);
    return m_nPosition;
}

void CMemFile::SetLength(ULONGLONG dwNewLen) {
    if (dwNewLen > m_nBufferSize) GrowFile(static_cast<SIZE_T>(dwNewLen));
    if (dwNewLen > m_nFileSize) memset(m_lpBuffer + m_nFileSize, 0, dwNewLen - m_nFileSize);
    if (dwNewLen < m_nPosition) m_nPosition = static_cast<SIZE_T>(dwNewLen);
    m_nFileSize = static_cast<SIZE_T>(dwNewLen);
}

UINT CMemFile::Read(void* lpBuf, UINT nCount) {
    if (nCount == 0 || m_nPosition >= m_nFileSize) return 0;
    SIZE_T n = m_nFileSize - m_nPosition;
    if (n > nCount) n = nCount;
    Memcpy(static_cast<BYTE*>(lpBuf), m_lpBuffer + m_nPosition, n);
    m_nPosition += n;
    return static_cast<UINT>(n);
}

void CMemFile::Write(const void* lpBuf, UINT nCount) {
    if (nCount == 0) return;
    SIZE_T newEnd = m_nPosition + nCount;
    if (newEnd < m_nPosition) AfxThrowFileException(CFileException::diskFull);
    if (newEnd > m_nBufferSize) GrowFile(newEnd);
    // Bytes skipped by a seek past the end read as zero.
    if (m_nPosition > m_nFileSize) memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);
    Memcpy(m_lpBuffer + m_nPosition, static_cast<const BYTE*>(lpBuf), nCount);
    m_nPosition = newEnd;
    if (m_nPosition > m_nFileSize) m_nFileSize = m_nPosition;
}

void CMemFile::Close() {
    m_nGrowBytes = m_nPosition = m_nBufferSize = m_nFileSize = 0;
    if (m_lpBuffer && m_bAutoDelete) Free(m_lpBuffer);
    m_lpBuffer = nullptr;
}

UINT CMemFile::GetBufferPtr(UINT nCommand, UINT nCount, void** ppBufStart, void** ppBufMax) {
    if (nCommand == bufferCheck) return bufferDirect;
    if (nCommand == bufferCommit) {
        m_nPosition += nCount;
        if (m_nPosition > m_nFileSize) m_nFileSize = m_nPosition;
        return 0;
    }
    if (nCommand == bufferWrite && m_nPosition + nCount > m_nBufferSize) GrowFile(m_nPosition + nCount);
    BYTE* start = m_lpBuffer + m_nPosition;
    SIZE_T avail = nCommand == bufferRead ? (m_nPosition < m_nFileSize ? m_nFileSize - m_nPosition : 0)
                                          : m_nBufferSize - m_nPosition;
    if (nCount == 0 || nCount > avail) nCount = static_cast<UINT>(avail);
    if (ppBufStart) *ppBufStart = start;
    if (ppBufMax) *ppBufMax = start + nCount;
    if (nCommand == bufferRead) m_nPosition += nCount;
    return nCount;
}

BYTE* CMemFile::Alloc(SIZE_T nBytes) { return static_cast<BYTE*>(malloc(nBytes)); }

BYTE* CMemFile::Realloc(BYTE* lpMem, SIZE_T nBytes) {
    return nBytes == 0 ? nullptr : static_cast<BYTE*>(realloc(lpMem, nBytes));
}

BYTE* CMemFile::Memcpy(BYTE* lpMemTarget, const BYTE* lpMemSource, SIZE_T nBytes) {
    return static_cast<BYTE*>(memcpy(lpMemTarget, lpMemSource, nBytes));
}

void CMemFile::Free(BYTE* lpMem) { free(lpMem); }

void CMemFile::GrowFile(SIZE_T dwNewLen) {
    if (dwNewLen <= m_nBufferSize) return;
    // An attached fixed buffer cannot grow.
    if (m_nGrowBytes == 0) AfxThrowMemoryException();
    SIZE_T newSize = m_nBufferSize;
    SIZE_T steps = (dwNewLen - newSize + m_nGrowBytes - 1) / m_nGrowBytes;
    newSize += steps * m_nGrowBytes;
    BYTE* p = m_lpBuffer == nullptr ? Alloc(newSize) : Realloc(m_lpBuffer, newSize);
    if (p == nullptr) AfxThrowMemoryException();
    m_lpBuffer = p;
    m_nBufferSize = newSize;
}
