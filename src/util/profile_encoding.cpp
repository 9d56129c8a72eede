#include "util/profile_encoding.h"

CString GfxEncodeProfileBytes(const BYTE* pData, UINT nBytes) {
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

BOOL GfxDecodeProfileBytes(const char* text, size_t nLength, BYTE* pBuffer, UINT nMax, UINT* pnBytes) {
    if (pnBytes) *pnBytes = 0;
    if (text == nullptr && nLength != 0) return FALSE;
    if (nLength % 2 != 0 || nLength / 2 > nMax) return FALSE;
    for (size_t i = 0; i < nLength; ++i)
        if (text[i] < 'A' || text[i] > 'P') return FALSE;
    const size_t n = nLength / 2;
    for (size_t i = 0; i < n; ++i)
        pBuffer[i] = static_cast<BYTE>((text[2 * i] - 'A') + 16 * (text[2 * i + 1] - 'A'));
    if (pnBytes) *pnBytes = static_cast<UINT>(n);
    return TRUE;
}
