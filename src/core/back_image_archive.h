// The part of a stored background image that comes before its bitmap:
// flags, transparent colour, offsets and, for a file source, the file name.
// The bitmap itself follows as the blocks of core/dib_block.h when the
// bitmap-source bit is set.
#pragma once

#include "base/cstring.h"
#include "base/wintypes.h"

class CArchive;

struct KX_BKIMAGE_FIELDS {
    UINT ulFlags = 0;
    COLORREF clrTransparent = 0;
    int xOffset = 0;
    int yOffset = 0;
    CString strImage;  // stored only when ulFlags has the file-source bit
};

// Stores, or loads into fields: ulFlags, clrTransparent, xOffset, yOffset
// (32-bit little-endian each), then the file name as an archive string when
// the file-source bit is set.  Loaded offsets below 0 become 0, as the
// setters keep them.  A short or malformed archive throws
// CArchiveException*; fields is then unchanged.
void KXSerializeBkImageFields(CArchive& ar, KX_BKIMAGE_FIELDS& fields);
