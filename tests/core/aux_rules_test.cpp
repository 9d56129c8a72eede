#include "core/aux_rules.h"

#include "base/carchive.h"
#include "base/cexception.h"
#include "base/cmemfile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

TEST(KXClampMenuFontHeight, SmallCharacterHeightsBecomeEleven) {
    EXPECT_EQ(-11, KXClampMenuFontHeight(-9));
    EXPECT_EQ(-11, KXClampMenuFontHeight(-1));
    EXPECT_EQ(-11, KXClampMenuFontHeight(-10));
    EXPECT_EQ(-11, KXClampMenuFontHeight(-11));
    EXPECT_EQ(-13, KXClampMenuFontHeight(-13));
    EXPECT_EQ(16, KXClampMenuFontHeight(16));
    EXPECT_EQ(5, KXClampMenuFontHeight(5));  // cell heights are never raised
    EXPECT_EQ(0, KXClampMenuFontHeight(0));
}

struct FaceCase {
    const char* menu;
    BYTE charset;
    int office;
    bool tahoma, arial;
    const char* horz;
    const char* vert;
    int officeAfter;
};

TEST(KXChooseFontFaces, SubstitutionsFollowTheRules) {
    const FaceCase cases[] = {
        {"MS Sans Serif", 0, 0, true, true, "MS Sans Serif", "Arial", 0},
        {"MS Sans Serif", 1, 0, true, false, "MS Sans Serif", "MS Sans Serif", 0},  // no Arial
        {"MS Sans Serif", 0, 1, true, true, "Tahoma", "Tahoma", 1},
        {"MS Sans Serif", 2, 1, false, true, "MS Sans Serif", "MS Sans Serif", 1},  // no Tahoma, no Arial either
        {"tahoma", 0, 0, true, true, "tahoma", "tahoma", 1},                        // menu Tahoma turns the office font on
        {"MS UI Gothic", 128, 0, true, true, "MS UI Gothic", "MS UI Gothic", 0},    // Shift-JIS: nothing substituted
        {"MS UI Gothic", 128, 1, true, true, "MS UI Gothic", "MS UI Gothic", 1},
    };
    for (const FaceCase& c : cases) {
        int office = c.office;
        const KX_FONT_FACES f = KXChooseFontFaces(c.menu, c.charset, office, c.tahoma, c.arial);
        EXPECT_STREQ(c.horz, f.szHorz) << c.menu << " charset " << int(c.charset);
        EXPECT_STREQ(c.vert, f.szVert) << c.menu << " charset " << int(c.charset);
        EXPECT_EQ(c.officeAfter, office) << c.menu;
    }
}

TEST(KXChooseFontFaces, OverlongOrMissingFaceIsCut) {
    int office = 0;
    const KX_FONT_FACES f = KXChooseFontFaces("A face name far longer than thirty-two characters", 3, office,
                                              false, false);
    EXPECT_EQ(31u, std::strlen(f.szHorz));
    const KX_FONT_FACES g = KXChooseFontFaces(nullptr, 3, office, false, false);
    EXPECT_STREQ("", g.szHorz);
}

CKXVersionNumbers Ver(DWORD platform, DWORD major, DWORD minor) {
    CKXVersionNumbers v;
    v.dwPlatformId = platform;
    v.dwMajorVersion = major;
    v.dwMinorVersion = minor;
    return v;
}

TEST(CKXVersionNumbers, NamesFromTheFirstRuleThatHolds) {
    EXPECT_STREQ("Win32s", Ver(0, 3, 10).GetOSName());
    EXPECT_STREQ("Win95", Ver(1, 4, 0).GetOSName());
    EXPECT_STREQ("Win95", Ver(1, 4, 3).GetOSName());
    EXPECT_STREQ("Win98", Ver(1, 4, 10).GetOSName());
    EXPECT_STREQ("WinME", Ver(1, 4, 90).GetOSName());
    EXPECT_STREQ("Win95OrGreater", Ver(1, 4, 50).GetOSName());
    EXPECT_STREQ("Win95OrGreater", Ver(1, 5, 0).GetOSName());
    EXPECT_STREQ("Not Recognized", Ver(1, 3, 95).GetOSName());
    EXPECT_STREQ("WinNT4", Ver(2, 4, 0).GetOSName());
    EXPECT_STREQ("Win2000", Ver(2, 5, 0).GetOSName());
    EXPECT_STREQ("WinXP", Ver(2, 5, 1).GetOSName());
    EXPECT_STREQ("WinNT4 Or Greater", Ver(2, 5, 2).GetOSName());
    EXPECT_STREQ("WinNT4 Or Greater", Ver(2, 6, 0).GetOSName());
    EXPECT_STREQ("WinNT4 Or Greater", Ver(3, 10, 0).GetOSName());
    EXPECT_STREQ("Not Recognized", Ver(2, 3, 51).GetOSName());
}

TEST(CKXVersionNumbers, OrGreaterTestsCompareMajorThenMinor) {
    EXPECT_TRUE(Ver(1, 4, 10).IsWin98OrGreater());
    EXPECT_FALSE(Ver(1, 4, 9).IsWin98OrGreater());
    EXPECT_TRUE(Ver(1, 5, 0).IsWin98OrGreater());  // a higher major beats a lower minor
    EXPECT_FALSE(Ver(2, 5, 0).IsWin98OrGreater());  // other family
    EXPECT_TRUE(Ver(1, 4, 90).IsWinMEOrGreater());
    EXPECT_FALSE(Ver(1, 4, 89).IsWinMEOrGreater());
    EXPECT_TRUE(Ver(2, 5, 1).IsWinXPOrGreater());
    EXPECT_TRUE(Ver(2, 6, 0).IsWinXPOrGreater());
    EXPECT_FALSE(Ver(2, 5, 0).IsWinXPOrGreater());
    EXPECT_TRUE(Ver(3, 5, 1).IsWinXPOrGreater());  // platform "at least 2"
    EXPECT_TRUE(Ver(2, 5, 0).IsWin2KOrGreater());
    EXPECT_FALSE(Ver(2, 4, 99).IsWin2KOrGreater());
    EXPECT_TRUE(Ver(2, 4, 0).IsWinNT4OrGreater());
    EXPECT_FALSE(Ver(1, 4, 0).IsWinNT4OrGreater());
    EXPECT_TRUE(Ver(0, 0, 0).IsWin31());
    EXPECT_FALSE(Ver(1, 4, 0).IsWin31());
    EXPECT_FALSE(Ver(2, 4, 1).IsWinNT4());
}

std::vector<int> Ints(CMemFile& f) {
    std::vector<int> v(static_cast<size_t>(f.GetLength() / 4));
    f.SeekToBegin();
    f.Read(v.data(), static_cast<UINT>(v.size() * 4));
    return v;
}

TEST(KXSerializeOptionWords, StoresSchemaThenWordsLittleEndian) {
    int w[KX_OPTION_WORDS] = {0, 0, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0};
    int* const p[KX_OPTION_WORDS] = {&w[0], &w[1], &w[2], &w[3], &w[4], &w[5], &w[6],
                                     &w[7], &w[8], &w[9], &w[10], &w[11], &w[12]};
    CMemFile f;
    {
        CArchive ar(&f, CArchive::store);
        KXSerializeOptionWords(ar, p);
    }
    ASSERT_EQ(56u, f.GetLength());
    EXPECT_EQ((std::vector<int>{1, 0, 0, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0}), Ints(f));
    BYTE first[8];
    f.SeekToBegin();
    f.Read(first, 8);
    EXPECT_EQ(0, std::memcmp(first, "\x01\x00\x00\x00\x00\x00\x00\x00", 8));
}

TEST(KXSerializeOptionWords, LoadIgnoresSchemaAndShortArchiveChangesNothing) {
    int w[KX_OPTION_WORDS] = {};
    int* const p[KX_OPTION_WORDS] = {&w[0], &w[1], &w[2], &w[3], &w[4], &w[5], &w[6],
                                     &w[7], &w[8], &w[9], &w[10], &w[11], &w[12]};
    int stored[14] = {77, -1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    CMemFile f;
    f.Write(stored, sizeof stored);
    f.SeekToBegin();
    {
        CArchive ar(&f, CArchive::load);
        KXSerializeOptionWords(ar, p);
    }
    for (int i = 0; i < KX_OPTION_WORDS; ++i) EXPECT_EQ(stored[i + 1], w[i]);

    CMemFile shortFile;
    shortFile.Write(stored, 13 * 4);  // one word missing
    shortFile.SeekToBegin();
    int before[KX_OPTION_WORDS];
    std::memcpy(before, w, sizeof w);
    bool bThrown = false;
    try {
        CArchive ar(&shortFile, CArchive::load);
        KXSerializeOptionWords(ar, p);
    } catch (CArchiveException* e) {
        bThrown = true;
        e->Delete();
    }
    EXPECT_TRUE(bThrown);
    EXPECT_EQ(0, std::memcmp(before, w, sizeof w));
}

}  // namespace
