#include "base/profile_binary.h"

CString AfxEncodeProfileBinary(const BYTE* pData, UINT nBytes) {
    CString text;
    if (pData == nullptr || nBytes == 0) return text;
    char* p = text.GetBuffer(static_cast<int>(nBytes * 2));
    for (UINT i = 0; i < nBytes; ++i) {
        p[2 * i] = static_cast<char>('A' + (pData[i] & 0x0F));
        p[2 * i + 1] = static_cast<char>('A' + (pData[i] >> 4));
    }
    text.ReleaseBuffer(static_cast<int>(nBytes * 2));
    return text;
}

BOOL AfxDecodeProfileBinary(const char* text, size_t nLength, BYTE* pBuffer, UINT nMax, UINT* pnBytes) {
    if (pnBytes) *pnBytes = 0;
    const size_t n = nLength / 2;
    if (n > nMax || (n != 0 && (text == nullptr || pBuffer == nullptr))) return FALSE;
    for (size_t i = 0; i < n; ++i) {
        const unsigned lo = static_cast<unsigned char>(text[2 * i]) - unsigned{'A'};
        const unsigned hi = static_cast<unsigned char>(text[2 * i + 1]) - unsigned{'A'};
        pBuffer[i] = static_cast<BYTE>(lo + 16 * hi);
    }
    if (pnBytes) *pnBytes = static_cast<UINT>(n);
    return TRUE;
}
