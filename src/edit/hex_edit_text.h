// The texts of the hex editor's three columns: the address of a row, two
// upper-case digits and a blank per byte, one character per byte.  Shared by
// the painting and by the text the editor puts on the clipboard.
#pragma once

#include "base/wintypes.h"

#include <cstddef>

// Room for the longest address text and its terminating NUL.
constexpr int KX_HEX_ADDRESS_CHARS = 12;

// "%0*lX" of dwAddress at width 8 (bWide) or 4, NUL-terminated; returns its
// length.  Wider values keep all their digits.
int KXHexFormatAddress(DWORD dwAddress, bool bWide, char* pszOut);

// Two digits of "0123456789ABCDEF" and a blank per byte: 3 * n characters,
// not terminated.
void KXHexFormatBytes(const BYTE* pData, size_t n, char* pOut);

// Each byte as itself when printable, else '.': n characters, not terminated.
void KXHexFormatChars(const BYTE* pData, size_t n, char* pOut);

// Printable in the "C" locale: 0x20 to 0x7E.
inline bool KXHexIsPrintable(BYTE b) { return b >= 0x20 && b < 0x7F; }

// The value of a hexadecimal digit (either case), -1 for anything else.
int KXHexDigitValue(UINT ch);
