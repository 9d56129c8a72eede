// The two blocks of a device-independent bitmap as a background image keeps
// them in an archive: the information block (a 40-byte BITMAPINFOHEADER,
// then the colour masks and the colour table) and the pixel block.  Stored
// data is untrusted, so every block is checked against its header before
// anything is allocated for it or a bitmap is made from it.
#pragma once

#include "base/wintypes.h"

#include <vector>

class CArchive;

// Limits on what is accepted.  The pixel bound keeps a stored size from
// asking for more memory than any background picture needs.
constexpr DWORD KX_DIB_HEADER_SIZE = 40;
constexpr LONG KX_DIB_MAX_DIMENSION = 65535;
constexpr DWORD KX_DIB_MAX_INFO_BYTES = KX_DIB_HEADER_SIZE + 3 * 4 + 256 * 4;
constexpr DWORD KX_DIB_MAX_PIXEL_BYTES = 256u << 20;

// The compressions that are accepted (the values of BI_RGB and BI_BITFIELDS).
constexpr DWORD KX_DIB_RGB = 0;
constexpr DWORD KX_DIB_BITFIELDS = 3;

// What a valid information block describes.
struct KX_DIBFORMAT {
    LONG nWidth = 0;
    LONG nHeight = 0;           // negative: rows run from the top
    WORD nBitCount = 0;         // 1, 4, 8, 16, 24 or 32
    DWORD dwCompression = 0;    // KX_DIB_RGB or KX_DIB_BITFIELDS
    DWORD nColors = 0;          // entries of the colour table
    DWORD cbInfo = 0;           // header + masks + table: the exact size of the block
    DWORD cbStride = 0;         // bytes per row, a multiple of 4
    DWORD cbImage = 0;          // cbStride * |nHeight|: the exact size of the pixel block
};

// Checks the 40-byte header that starts pInfo: header size 40, width 1 to the
// limit, height non-zero within the limit, one plane, a supported bit count
// and compression (bit fields only at 16 and 32 bits), a colour count no
// larger than the bit count allows (at most 256 for deeper bitmaps), and a
// pixel block within KX_DIB_MAX_PIXEL_BYTES.  Fills *pFormat (with the sizes
// the whole information block and the pixel block must have) when it holds.
bool KXMeasureDIBHeader(const BYTE* pInfo, KX_DIBFORMAT* pFormat);

// Checks a whole information block of cb bytes: the header as above, cb
// exactly the header with its masks and table, and for bit fields three
// non-empty, contiguous, disjoint masks that fit the bit count.
bool KXParseDIBInfo(const BYTE* pInfo, size_t cb, KX_DIBFORMAT* pFormat);

// Bytes per row and of the whole pixel block; false when the size is out of
// range (bad dimensions or bit count, or above KX_DIB_MAX_PIXEL_BYTES).
bool KXDIBImageSize(LONG nWidth, LONG nHeight, WORD nBitCount, DWORD* pcbStride, DWORD* pcbImage);

// A pair of blocks read from an archive; empty when the archive held the
// single 0 that stands for "no bitmap".
struct KX_DIBBLOCKS {
    std::vector<BYTE> info;
    std::vector<BYTE> bits;
    KX_DIBFORMAT format;
    bool IsEmpty() const { return info.empty(); }
};

// Writes "size, information block, size, pixel block", or the single 0 when
// pInfo is null.
void KXWriteDIBBlocks(CArchive& ar, const void* pInfo, DWORD cbInfo, const void* pBits, DWORD cbBits);

// Reads what KXWriteDIBBlocks wrote.  A size out of bounds or a block that
// does not agree with its header throws CArchiveException* (generic), a
// short archive CArchiveException* (endOfFile); memory grows only as bytes
// actually arrive.  Leaves blocks untouched when it throws.
void KXReadDIBBlocks(CArchive& ar, KX_DIBBLOCKS& blocks);

// Whether bytes that start like a bitmap file ("BM") hold what its headers
// promise: the file header, the information header and, for an uncompressed
// bitmap with a 40-byte header that passes KXMeasureDIBHeader, every pixel
// row.  Other bytes pass: they are for the picture loader to judge.
bool KXCheckBitmapFile(const BYTE* p, size_t cb);
