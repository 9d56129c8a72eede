// The text form of binary values in INI files, shared by the application's
// profile functions and the library's profile manager.
//
// Writing: two letters per byte, in byte order, first 'A' + the low nibble,
// then 'A' + the high nibble (0x3C becomes "MD").
//
// Reading reverses the arithmetic for every pair of characters:
//   byte i = (char 2i - 'A') + 16 * (char 2i+1 - 'A'), kept to 8 bits,
// for as many bytes as the text has pairs.  Nothing is rejected: a character
// outside 'A'..'P' simply contributes its distance from 'A' (so a text
// written by hand may decode to bytes no writer produced), and an odd
// trailing character is ignored.
#pragma once

#include "base/cstring.h"
#include "base/wintypes.h"

#include <cstddef>

CString AfxEncodeProfileBinary(const BYTE* pData, UINT nBytes);

// Decodes nLength characters of text into pBuffer, which holds nMax bytes,
// and stores the decoded count in *pnBytes.  Fails, writing nothing and
// setting the count to 0, when the nLength / 2 bytes would not fit (or the
// text or buffer is missing).
BOOL AfxDecodeProfileBinary(const char* text, size_t nLength, BYTE* pBuffer, UINT nMax, UINT* pnBytes);
