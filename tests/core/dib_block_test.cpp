#include "core/dib_block.h"

#include "base/carchive.h"
#include "base/cmemfile.h"

#include <gtest/gtest.h>

#include <climits>
#include <initializer_list>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;

void Put32(Bytes& b, size_t at, DWORD v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<BYTE>(v >> (8 * i));
}

// An information block: header, masks (for bit fields), table.
Bytes Info(LONG w, LONG h, WORD bits, DWORD comp = KX_DIB_RGB, DWORD used = 0,
           std::initializer_list<DWORD> masks = {}) {
    const DWORD colors = bits <= 8 && used == 0 ? 1u << bits : used;
    Bytes b(40 + 4 * (masks.size() + colors), 0);
    for (auto [at, v] : {std::pair<size_t, DWORD>{0, 40}, {4, DWORD(w)}, {8, DWORD(h)}, {12, 1u | bits << 16},
                         {16, comp}, {32, used}})
        Put32(b, at, v);
    size_t at = 40;
    for (DWORD m : masks) Put32(b, at, m), at += 4;
    return b;
}

bool Valid(const Bytes& b, DWORD cbImage = 0) {
    KX_DIBFORMAT f;
    return KXParseDIBInfo(b.data(), b.size(), &f) && (cbImage == 0 || f.cbImage == cbImage);
}

TEST(DibBlock, HeadersMustBeConsistent) {
    EXPECT_TRUE(Valid(Info(3, 2, 24), 24));       // rows of 9 bytes padded to 12
    EXPECT_TRUE(Valid(Info(33, -5, 1), 40));      // top-down, a 2-entry table
    EXPECT_TRUE(Valid(Info(10, 10, 8, KX_DIB_RGB, 16)));  // a short table
    EXPECT_TRUE(Valid(Info(5, 1, 16, KX_DIB_BITFIELDS, 0, {0xF800, 0x07E0, 0x001F}), 12));
    EXPECT_TRUE(Valid(Info(8192, -8192, 32), 256u << 20));  // the largest pixel block
    Bytes badSize = Info(4, 4, 24), badPlanes = badSize, longer = badSize, shorter = Info(4, 4, 8);
    Put32(badSize, 0, 108);
    badPlanes[12] = 2;
    longer.push_back(0);
    shorter.pop_back();
    for (const Bytes& bad : {badSize, badPlanes, longer, shorter, Info(0, 4, 24), Info(-4, 4, 24), Info(4, 0, 24),
                             Info(4, INT_MIN, 24), Info(KX_DIB_MAX_DIMENSION + 1, 1, 24), Info(4, 4, 2),
                             Info(4, 4, 8, 1 /* run-length */), Info(4, 4, 4, KX_DIB_RGB, 17),
                             Info(4, 4, 24, KX_DIB_RGB, 257), Info(8192, 8193, 32),
                             Info(4, 4, 24, KX_DIB_BITFIELDS, 0, {0xFF0000, 0xFF00, 0xFF}),
                             Info(4, 4, 16, KX_DIB_BITFIELDS, 0, {0xF800, 0, 0x001F}),
                             Info(4, 4, 16, KX_DIB_BITFIELDS, 0, {0xF800, 0x0FE0, 0x001F}),  // overlapping
                             Info(4, 4, 16, KX_DIB_BITFIELDS, 0, {0xF800, 0x05E0, 0x001F}),  // not one run
                             Info(4, 4, 16, KX_DIB_BITFIELDS, 0, {0x1F0000, 0x07E0, 0x001F})})
        EXPECT_FALSE(Valid(bad));
}

// Loads blocks from bytes; the archive exception's cause, or -1.
int Load(Bytes bytes, KX_DIBBLOCKS& blocks) {
    CMemFile file(bytes.empty() ? nullptr : bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    try {
        KXReadDIBBlocks(ar, blocks);
    } catch (CArchiveException* e) {
        const int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

TEST(DibBlock, ArchivedBlocksLoadWholeOrNotAtAll) {
    const Bytes info = Info(3, 2, 8, KX_DIB_RGB, 2), bits = {1, 0, 1, 0, 0, 1, 0, 0};
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        KXWriteDIBBlocks(ar, info.data(), DWORD(info.size()), bits.data(), DWORD(bits.size()));
        KXWriteDIBBlocks(ar, nullptr, 0, nullptr, 0);
    }
    Bytes stored(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(stored.data(), UINT(stored.size()));
    ASSERT_EQ(4 + info.size() + 4 + bits.size() + 4, stored.size());
    KX_DIBBLOCKS blocks;
    ASSERT_EQ(-1, Load(stored, blocks));
    EXPECT_EQ(info, blocks.info);
    EXPECT_EQ(bits, blocks.bits);
    ASSERT_EQ(-1, Load(Bytes(stored.end() - 4, stored.end()), blocks));  // the single 0
    EXPECT_TRUE(blocks.IsEmpty());

    blocks.info = {7};
    for (size_t n = 0; n < stored.size() - 4; ++n)
        EXPECT_EQ(CArchiveException::endOfFile, Load(Bytes(stored.begin(), stored.begin() + n), blocks)) << n;
    // Sizes out of bounds or at odds with the header: no allocation for the
    // claimed size (ASan would report a huge one).
    const size_t bitsAt = 4 + info.size();
    for (auto [at, v] : {std::pair<size_t, DWORD>{0, 39}, {0, KX_DIB_MAX_INFO_BYTES + 1}, {0, 0xFFFFFFFF},
                         {bitsAt, 7}, {bitsAt, 9}, {bitsAt, 0xFFFFFFF0}, {4 + 14, 7 /* bit count */}}) {
        Bytes bad = stored;
        Put32(bad, at, v);
        EXPECT_EQ(CArchiveException::genericException, Load(bad, blocks));
    }
    EXPECT_EQ(Bytes{7}, blocks.info);
}

TEST(DibBlock, BitmapFilesMustHoldWhatTheirHeadersPromise) {
    Bytes file = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0};
    const Bytes info = Info(4, 2, 24);
    file.insert(file.end(), info.begin(), info.end());
    file.resize(54 + 24, 0x55);
    auto check = [](const Bytes& b) { return KXCheckBitmapFile(b.data(), b.size()); };
    EXPECT_TRUE(check(file));
    EXPECT_FALSE(check(Bytes(file.begin(), file.end() - 1)));     // a pixel short
    EXPECT_FALSE(check(Bytes(file.begin(), file.begin() + 20)));  // the header cut
    Bytes rle = file;  // compressed: only the headers are checked
    Put32(rle, 14 + 16, 1);
    EXPECT_TRUE(check(Bytes(rle.begin(), rle.begin() + 60)));
    Put32(rle, 10, 1000);
    EXPECT_FALSE(check(rle));
    EXPECT_TRUE(check(Bytes{'G', 'I', 'F', '8'}));  // for the picture loader to judge
}

}  // namespace
