// Copying a bitmap with one colour left out.
#pragma once

#include "win/afxwin.h"

// TransparentBlt from msimg32.dll, bound by name on first use; where it is
// missing, KXMaskedTransparentBlt.  Pixels of crTransparent in the source
// are not drawn; the source part is scaled to the destination.
BOOL KXTransparentBlt(HDC hdcDest, int xDest, int yDest, int cxDest, int cyDest, HDC hdcSrc, int xSrc, int ySrc,
                      int cxSrc, int cySrc, COLORREF crTransparent);

// The same through a monochrome mask made from the source (1 where the
// source has crTransparent): the target is blackened where the picture goes
// and the picture, blackened where it is transparent, is ORed in.
BOOL KXMaskedTransparentBlt(HDC hdcDest, int xDest, int yDest, int cxDest, int cyDest, HDC hdcSrc, int xSrc,
                            int ySrc, int cxSrc, int cySrc, COLORREF crTransparent);
