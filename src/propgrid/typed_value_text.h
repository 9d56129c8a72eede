// The text forms of the typed property items' values, and how typed text is
// read back.  Reading never fails: what is missing or not a number reads as
// 0, the way the C library's atoi, atol, atof and strtoul read it on the
// platform (32-bit long), so a value typed by the user always gives a value.
#pragma once

#include "base/cstring.h"
#include "base/geometry.h"
#include "base/wintypes.h"

// "%i" of n, and n read back: atol, clamped to the 32-bit range.
CString KXNumberToString(long n);
long KXStringToNumber(LPCTSTR lpszText);

// The application's number format applied to d (a format that converts no
// double is the application's error), and d read back (atof).
CString KXDoubleToString(LPCTSTR lpszFormat, double d);
double KXStringToDouble(LPCTSTR lpszText);

// "red; green; blue" in decimal.  Reading splits at ';': each of the first
// three parts read with atoi (a missing part is 0); 255 or more becomes 255;
// otherwise the low byte counts (so -1 is 255).
CString KXColorToString(COLORREF clr);
COLORREF KXStringToColor(LPCTSTR lpszText);

// "RRGGBB" in upper-case hexadecimal; read back as one hexadecimal number
// (strtoul base 16, 32 bits) whose bits 16..23 are red, 8..15 green, 0..7
// blue.
CString KXColorToHexString(COLORREF clr);
COLORREF KXHexStringToColor(LPCTSTR lpszText);

// "width; height", read back part by part with atoi.
CString KXSizeToString(CSize size);
CSize KXStringToSize(LPCTSTR lpszText);

// "left; top; right; bottom" (rectangles are shown, never read back).
CString KXRectToString(const CRect& rect);

// Whether text is the true text, letter case aside.
BOOL KXIsTrueText(LPCTSTR lpszText, LPCTSTR lpszTrueText);

// The point size of a font height in pixels at nPixelsPerInch
// (-MulDiv(lfHeight, 72, nPixelsPerInch)), and "face; Npt".
int KXFontPointSize(long lfHeight, int nPixelsPerInch);
CString KXFontToString(LPCTSTR lpszFaceName, int nPoints);

// The platform's MulDiv: a * b / c rounded half away from zero, -1 when c is 0
// or the result does not fit in 32 bits.
int KXMulDiv(int a, int b, int c);

// What a file item keeps of the chosen path, by its mode: 1 the name with
// its extension, 3 the title (no extension), 4 the extension; any other
// mode the full path.  (Mode 2 chooses a folder, kept whole.)
enum {
    KX_FILE_MODE_PATH = 0,
    KX_FILE_MODE_NAME = 1,
    KX_FILE_MODE_FOLDER = 2,
    KX_FILE_MODE_TITLE = 3,
    KX_FILE_MODE_EXT = 4,
};
CString KXFileDialogResult(int nMode, LPCTSTR lpszPath);
