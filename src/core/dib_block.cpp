#include "core/dib_block.h"

#include "base/carchive.h"
#include "base/cexception.h"

#include <algorithm>

namespace {

DWORD Le32(const BYTE* p) {
    return static_cast<DWORD>(p[0]) | static_cast<DWORD>(p[1]) << 8 | static_cast<DWORD>(p[2]) << 16 |
           static_cast<DWORD>(p[3]) << 24;
}

WORD Le16(const BYTE* p) { return static_cast<WORD>(p[0] | p[1] << 8); }

// A mask is one run of set bits.
bool IsContiguous(DWORD m) {
    if (m == 0) return false;
    while ((m & 1) == 0) m >>= 1;
    return (m & (m + 1)) == 0;
}

bool MasksAreValid(const BYTE* pMasks, WORD nBitCount) {
    const DWORD r = Le32(pMasks), g = Le32(pMasks + 4), b = Le32(pMasks + 8);
    const DWORD limit = nBitCount == 16 ? 0xFFFFu : 0xFFFFFFFFu;
    for (DWORD m : {r, g, b})
        if (!IsContiguous(m) || (m & ~limit) != 0) return false;
    return (r & g) == 0 && (r & b) == 0 && (g & b) == 0;
}

// Pixel blocks are read in pieces so that a stored size alone never
// allocates more than the archive holds.
constexpr DWORD kReadPiece = 1u << 20;

}  // namespace

bool KXDIBImageSize(LONG nWidth, LONG nHeight, WORD nBitCount, DWORD* pcbStride, DWORD* pcbImage) {
    if (nWidth < 1 || nWidth > KX_DIB_MAX_DIMENSION || nHeight == 0 || nHeight < -KX_DIB_MAX_DIMENSION ||
        nHeight > KX_DIB_MAX_DIMENSION || nBitCount == 0 || nBitCount > 32)
        return false;
    const ULONGLONG stride = (static_cast<ULONGLONG>(nWidth) * nBitCount + 31) / 32 * 4;
    const ULONGLONG rows = nHeight < 0 ? -static_cast<LONGLONG>(nHeight) : nHeight;
    const ULONGLONG image = stride * rows;
    if (image > KX_DIB_MAX_PIXEL_BYTES) return false;
    if (pcbStride) *pcbStride = static_cast<DWORD>(stride);
    if (pcbImage) *pcbImage = static_cast<DWORD>(image);
    return true;
}

bool KXMeasureDIBHeader(const BYTE* pInfo, KX_DIBFORMAT* pFormat) {
    if (pInfo == nullptr || Le32(pInfo) != KX_DIB_HEADER_SIZE) return false;
    KX_DIBFORMAT f;
    f.nWidth = static_cast<LONG>(Le32(pInfo + 4));
    f.nHeight = static_cast<LONG>(Le32(pInfo + 8));
    const WORD nPlanes = Le16(pInfo + 12);
    f.nBitCount = Le16(pInfo + 14);
    f.dwCompression = Le32(pInfo + 16);
    const DWORD nClrUsed = Le32(pInfo + 32);
    if (nPlanes != 1) return false;
    switch (f.nBitCount) {
        case 1: case 4: case 8: case 16: case 24: case 32: break;
        default: return false;
    }
    const bool bBitFields = f.dwCompression == KX_DIB_BITFIELDS;
    if (f.dwCompression != KX_DIB_RGB && !bBitFields) return false;
    if (bBitFields && f.nBitCount != 16 && f.nBitCount != 32) return false;

    // Up to 8 bits a pixel indexes the table, which then has every entry
    // unless biClrUsed says fewer; deeper bitmaps may carry a short table.
    if (f.nBitCount <= 8) {
        const DWORD nMax = 1u << f.nBitCount;
        if (nClrUsed > nMax) return false;
        f.nColors = nClrUsed ? nClrUsed : nMax;
    } else {
        if (nClrUsed > 256) return false;
        f.nColors = nClrUsed;
    }
    f.cbInfo = KX_DIB_HEADER_SIZE + (bBitFields ? 12 : 0) + f.nColors * 4;
    if (!KXDIBImageSize(f.nWidth, f.nHeight, f.nBitCount, &f.cbStride, &f.cbImage)) return false;
    if (pFormat) *pFormat = f;
    return true;
}

bool KXParseDIBInfo(const BYTE* pInfo, size_t cb, KX_DIBFORMAT* pFormat) {
    KX_DIBFORMAT f;
    if (pInfo == nullptr || cb < KX_DIB_HEADER_SIZE || !KXMeasureDIBHeader(pInfo, &f) || cb != f.cbInfo) return false;
    if (f.dwCompression == KX_DIB_BITFIELDS && !MasksAreValid(pInfo + KX_DIB_HEADER_SIZE, f.nBitCount))
        return false;
    if (pFormat) *pFormat = f;
    return true;
}

void KXWriteDIBBlocks(CArchive& ar, const void* pInfo, DWORD cbInfo, const void* pBits, DWORD cbBits) {
    if (pInfo == nullptr) {
        ar << static_cast<DWORD>(0);
        return;
    }
    ar << cbInfo;
    ar.Write(pInfo, cbInfo);
    ar << cbBits;
    if (cbBits) ar.Write(pBits, cbBits);
}

void KXReadDIBBlocks(CArchive& ar, KX_DIBBLOCKS& blocks) {
    DWORD cbInfo = 0;
    ar >> cbInfo;
    if (cbInfo == 0) {
        blocks = KX_DIBBLOCKS();
        return;
    }
    if (cbInfo < KX_DIB_HEADER_SIZE || cbInfo > KX_DIB_MAX_INFO_BYTES)
        AfxThrowArchiveException(CArchiveException::genericException);
    std::vector<BYTE> info(cbInfo);
    if (ar.Read(info.data(), cbInfo) != cbInfo) AfxThrowArchiveException(CArchiveException::endOfFile);
    KX_DIBFORMAT format;
    if (!KXParseDIBInfo(info.data(), info.size(), &format))
        AfxThrowArchiveException(CArchiveException::genericException);

    DWORD cbBits = 0;
    ar >> cbBits;
    if (cbBits != format.cbImage) AfxThrowArchiveException(CArchiveException::genericException);
    std::vector<BYTE> bits;
    while (bits.size() < cbBits) {
        const size_t done = bits.size();
        const UINT piece = static_cast<UINT>(std::min<size_t>(cbBits - done, kReadPiece));
        bits.resize(done + piece);
        if (ar.Read(bits.data() + done, piece) != piece) AfxThrowArchiveException(CArchiveException::endOfFile);
    }
    blocks.info.swap(info);
    blocks.bits.swap(bits);
    blocks.format = format;
}

bool KXCheckBitmapFile(const BYTE* p, size_t cb) {
    if (p == nullptr || cb < 2 || p[0] != 'B' || p[1] != 'M') return true;
    constexpr size_t kFileHeader = 14;
    if (cb < kFileHeader + 4) return false;
    const DWORD offBits = Le32(p + 10);
    const DWORD cbHeader = Le32(p + kFileHeader);
    if (cbHeader < 12 || cbHeader > cb - kFileHeader || offBits > cb) return false;
    if (cbHeader != KX_DIB_HEADER_SIZE) return true;
    const DWORD dwCompression = Le32(p + kFileHeader + 16);
    if (dwCompression != KX_DIB_RGB && dwCompression != KX_DIB_BITFIELDS) return true;
    KX_DIBFORMAT f;
    return KXMeasureDIBHeader(p + kFileHeader, &f) && f.cbImage <= cb - offBits;
}
