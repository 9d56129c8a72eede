#include "core/aux_rules.h"

#include "base/carchive.h"
#include "base/cexception.h"
#include "base/cmemfile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

TEST(KXClampMenuFontHeight, SmallCharacterHeightsBecomeEleven) {
    for (auto [in, out] : {std::pair{-1, -11}, {-10, -11}, {-11, -11}, {-12, -12}, {5, 5} /* a cell height */, {0, 0}})
        EXPECT_EQ(out, KXClampMenuFontHeight(in)) << in;
}

TEST(KXChooseFontFaces, SubstitutionsFollowTheRulesAndLongFacesAreCut) {
    const struct {
        const char* menu;
        BYTE charset;
        int office;
        bool tahoma, arial;
        const char* horz;
        const char* vert;
        int officeAfter;
    } cases[] = {
        {"MS Sans Serif", 0, 0, true, true, "MS Sans Serif", "Arial", 0},
        {"MS Sans Serif", 1, 0, true, false, "MS Sans Serif", "MS Sans Serif", 0},  // no Arial
        {"MS Sans Serif", 0, 1, true, true, "Tahoma", "Tahoma", 1},
        {"MS Sans Serif", 2, 1, false, true, "MS Sans Serif", "MS Sans Serif", 1},  // no Tahoma, no Arial either
        {"tahoma", 0, 0, true, true, "tahoma", "tahoma", 1},                        // menu Tahoma turns the office font on
        {"MS UI Gothic", 128, 0, true, true, "MS UI Gothic", "MS UI Gothic", 0},    // Shift-JIS: nothing substituted
        {"MS UI Gothic", 128, 1, true, true, "MS UI Gothic", "MS UI Gothic", 1},
    };
    for (const auto& c : cases) {
        int office = c.office;
        const KX_FONT_FACES f = KXChooseFontFaces(c.menu, c.charset, office, c.tahoma, c.arial);
        EXPECT_STREQ(c.horz, f.szHorz) << c.menu << " charset " << int(c.charset);
        EXPECT_STREQ(c.vert, f.szVert) << c.menu << " charset " << int(c.charset);
        EXPECT_EQ(c.officeAfter, office) << c.menu;
    }
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

TEST(CKXVersionNumbers, NamesAndOrGreaterTestsAtTheirBoundaries) {
    const struct { DWORD platform, major, minor; const char* name; } names[] = {
        {0, 3, 10, "Win32s"},        {1, 4, 0, "Win95"},           {1, 4, 3, "Win95"},
        {1, 4, 10, "Win98"},         {1, 4, 90, "WinME"},          {1, 4, 50, "Win95OrGreater"},
        {1, 5, 0, "Win95OrGreater"}, {1, 3, 95, "Not Recognized"}, {2, 4, 0, "WinNT4"},
        {2, 5, 0, "Win2000"},        {2, 5, 1, "WinXP"},           {2, 5, 2, "WinNT4 Or Greater"},
        {3, 10, 0, "WinNT4 Or Greater"}, {2, 3, 51, "Not Recognized"},
    };
    for (const auto& n : names)
        EXPECT_STREQ(n.name, Ver(n.platform, n.major, n.minor).GetOSName()) << n.platform << " " << n.major;
    // Major, then minor; only within the family (the NT tests take platform 2 or above).
    EXPECT_TRUE(Ver(1, 5, 0).IsWin98OrGreater() && Ver(2, 6, 0).IsWinXPOrGreater() && Ver(3, 5, 1).IsWinXPOrGreater());
    EXPECT_FALSE(Ver(1, 4, 9).IsWin98OrGreater());
    EXPECT_FALSE(Ver(2, 5, 0).IsWin98OrGreater());
    EXPECT_FALSE(Ver(2, 5, 0).IsWinXPOrGreater());
    EXPECT_FALSE(Ver(2, 4, 99).IsWin2KOrGreater());
    EXPECT_FALSE(Ver(1, 4, 0).IsWinNT4OrGreater());
}

// The schema word, then the option words, little-endian; loading ignores the
// schema, and a short archive throws and changes nothing.
TEST(KXSerializeOptionWords, LayoutRoundTripAndShortArchive) {
    int w[KX_OPTION_WORDS] = {0, 0, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0};
    int* const p[KX_OPTION_WORDS] = {&w[0], &w[1], &w[2], &w[3], &w[4], &w[5], &w[6],
                                     &w[7], &w[8], &w[9], &w[10], &w[11], &w[12]};
    CMemFile f;
    {
        CArchive ar(&f, CArchive::store);
        KXSerializeOptionWords(ar, p);
    }
    const int defaults[14] = {1, 0, 0, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0};
    ASSERT_EQ(sizeof defaults, f.GetLength());
    BYTE* stored = f.Detach();
    EXPECT_EQ(0, std::memcmp(stored, defaults, sizeof defaults));  // the test runs little-endian
    EXPECT_EQ(0, std::memcmp(stored, "\x01\x00\x00\x00\x00\x00\x00\x00", 8));
    free(stored);

    int words[14] = {77, -1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    for (UINT n : {14u * 4, 13u * 4}) {  // whole, then one word missing
        CMemFile in(reinterpret_cast<BYTE*>(words), n);
        int before[KX_OPTION_WORDS];
        std::memcpy(before, w, sizeof w);
        try {
            CArchive ar(&in, CArchive::load);
            KXSerializeOptionWords(ar, p);
            EXPECT_EQ(n, 14u * 4);
            EXPECT_EQ(0, std::memcmp(w, words + 1, sizeof w));
        } catch (CArchiveException* e) {
            EXPECT_EQ(n, 13u * 4);
            EXPECT_EQ(0, std::memcmp(before, w, sizeof w));
            e->Delete();
        }
    }
}

}  // namespace
