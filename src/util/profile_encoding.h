// The text form of non-text values in INI files: two letters per byte, in
// byte order, first 'A' + the low nibble, then 'A' + the high nibble (0x3C
// becomes "MD").  Shared by the profile manager and its tests and fuzzing.
#pragma once

#include "base/cstring.h"
#include "base/wintypes.h"

#include <cstddef>

CString GfxEncodeProfileBytes(const BYTE* pData, UINT nBytes);

// Decodes nLength characters of text into pBuffer, which holds nMax bytes.
// Fails, writing nothing, when the length is odd, a letter lies outside
// 'A'..'P', or the bytes would not fit.  *pnBytes gets the decoded count.
BOOL GfxDecodeProfileBytes(const char* text, size_t nLength, BYTE* pBuffer, UINT nMax, UINT* pnBytes);
