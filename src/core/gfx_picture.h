// Pictures from files and device-independent copies of bitmaps.
#pragma once

#include "win/afxwin.h"

// Loads an image file with the system's picture loader (bitmap, JPEG, GIF
// and whatever else it reads).  Returns a bitmap that the caller owns, or
// null when the file cannot be read or holds no bitmap picture.
HBITMAP GfxLoadImageFile(LPCTSTR lpszFileName);

// A device-independent copy of hBitmap in two GlobalAlloc'd blocks, each for
// the caller to GlobalFree: *ppInfo the BITMAPINFO (a 40-byte header, then
// the colour masks of a BI_BITFIELDS copy and the colour table, if any) and
// *ppBits the pixel rows.  A DIB section keeps its own format; any other
// bitmap keeps its depth (16 bits and other odd depths become 24).  The
// block sizes follow from the header (KXParseDIBInfo).  FALSE, with both
// pointers null and nothing allocated, on failure.  hBitmap must not be
// selected into a device context unless it is a DIB section.
BOOL GfxGetDIBBitmap(HBITMAP hBitmap, LPVOID* ppBits, BITMAPINFO** ppInfo);
