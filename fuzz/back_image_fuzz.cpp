// Loads a stored background image the way the library does before it makes
// any bitmap: the record's fields, then (for a bitmap source) the two DIB
// blocks, each checked against its header.  Whatever loads must be
// self-consistent; whatever does not must be a CArchiveException.  The
// placement arithmetic then runs on the loaded sizes and offsets.
#include "base/carchive.h"
#include "base/cexception.h"
#include "base/cmemfile.h"
#include "core/back_image_archive.h"
#include "core/back_image_flags.h"
#include "core/back_image_layout.h"
#include "core/dib_block.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

void CheckLayout(const KX_BKIMAGE_FIELDS& fields, int cx, int cy, const uint8_t* data, size_t size) {
    // A rectangle from the input's first bytes; the clip keeps tiling bounded.
    auto at = [&](size_t i) { return i < size ? static_cast<int>(static_cast<int8_t>(data[i])) * 3 : 0; };
    const CRect rect(at(0), at(1), at(2) + 200, at(3) + 200);
    const CRect clip(0, 0, 256, 256);
    for (const KX_BKIMAGE_COPY& c : KXLayoutBkImage(cx, cy, rect, fields.ulFlags, fields.xOffset, fields.yOffset,
                                                    &clip)) {
        const CRect& s = c.rcSource;
        if (s.left < 0 || s.top < 0 || s.right > cx || s.bottom > cy || s.IsRectEmpty()) std::abort();
        if (!c.bStretch && (c.rcDest.Width() != s.Width() || c.rcDest.Height() != s.Height())) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    (void)KXCheckBitmapFile(data, size);

    std::vector<BYTE> bytes(data, data + size);
    CMemFile file(bytes.empty() ? nullptr : bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load, 256);
    try {
        KX_BKIMAGE_FIELDS fields;
        KXSerializeBkImageFields(ar, fields);
        if (fields.xOffset < 0 || fields.yOffset < 0) std::abort();
        int cx = 16, cy = 16;
        if (fields.ulFlags & KX_LVBKIF_SOURCE_HBITMAP) {
            KX_DIBBLOCKS blocks;
            KXReadDIBBlocks(ar, blocks);
            if (!blocks.IsEmpty()) {
                KX_DIBFORMAT f;
                if (!KXParseDIBInfo(blocks.info.data(), blocks.info.size(), &f) ||
                    blocks.bits.size() != f.cbImage || f.cbImage != blocks.format.cbImage)
                    std::abort();
                cx = f.nWidth;
                cy = f.nHeight < 0 ? -f.nHeight : f.nHeight;
            }
        }
        CheckLayout(fields, cx, cy, data, size);
    } catch (CException* e) {
        e->Delete();
    }
    ar.Abort();
    return 0;
}
