// The framework's helpers for text made of pieces: AfxExtractSubString
// takes the n-th piece of a separated list (resource strings such as
// "File\nOpen a file" hold several); AfxFormatStrings and AfxFormatString1/2
// put strings in for "%1".."%9" (then "%A".."%Z" for the 10th and later);
// an insert that was not given becomes "?".
#pragma once

#include "base/cstring.h"

// FALSE (and rString empty) when the list has fewer pieces.
BOOL AfxExtractSubString(CString& rString, LPCTSTR lpszFullString, int iSubString, TCHAR chSep = '\n');

void AfxFormatStrings(CString& rString, LPCTSTR lpszFormat, LPCTSTR const* rglpsz, int nString);
// The format is string resource nIDS.
void AfxFormatString1(CString& rString, UINT nIDS, LPCTSTR lpsz1);
void AfxFormatString2(CString& rString, UINT nIDS, LPCTSTR lpsz1, LPCTSTR lpsz2);
