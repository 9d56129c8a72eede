#include "edit/hex_edit_text.h"

namespace {

const char s_szDigits[] = "0123456789ABCDEF";

}  // namespace

int KXHexFormatAddress(DWORD dwAddress, bool bWide, char* pszOut) {
    char digits[8];
    int n = 0;
    do {
        digits[n++] = s_szDigits[dwAddress & 0xF];
        dwAddress >>= 4;
    } while (dwAddress != 0);
    const int nWidth = bWide ? 8 : 4;
    int nOut = 0;
    for (int i = n; i < nWidth; ++i) pszOut[nOut++] = '0';
    while (n > 0) pszOut[nOut++] = digits[--n];
    pszOut[nOut] = '\0';
    return nOut;
}

void KXHexFormatBytes(const BYTE* pData, size_t n, char* pOut) {
    for (size_t i = 0; i < n; ++i) {
        *pOut++ = s_szDigits[pData[i] >> 4];
        *pOut++ = s_szDigits[pData[i] & 0xF];
        *pOut++ = ' ';
    }
}

void KXHexFormatChars(const BYTE* pData, size_t n, char* pOut) {
    for (size_t i = 0; i < n; ++i) pOut[i] = KXHexIsPrintable(pData[i]) ? static_cast<char>(pData[i]) : '.';
}

int KXHexDigitValue(UINT ch) {
    if (ch >= '0' && ch <= '9') return static_cast<int>(ch - '0');
    if (ch >= 'a' && ch <= 'f') return static_cast<int>(ch - 'a' + 10);
    if (ch >= 'A' && ch <= 'F') return static_cast<int>(ch - 'A' + 10);
    return -1;
}
