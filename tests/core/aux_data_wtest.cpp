#include "core/aux_data.h"

#include "core/color_manager.h"
#include "core/color_ref.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

LOGFONTA LogFontOf(CFont& font) {
    LOGFONTA lf;
    std::memset(&lf, 0, sizeof lf);
    EXPECT_NE(nullptr, font.GetSafeHandle());
    font.GetLogFont(&lf);
    return lf;
}

int CALLBACK FoundProc(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM l) {
    *reinterpret_cast<bool*>(l) = true;
    return 0;
}

// Asked of the font list independently of the library.
bool Installed(const char* face) {
    HDC hdc = ::GetDC(nullptr);
    LOGFONTA lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, face, LF_FACESIZE);
    bool found = false;
    ::EnumFontFamiliesExA(hdc, &lf, FoundProc, reinterpret_cast<LPARAM>(&found), 0);
    ::ReleaseDC(nullptr, hdc);
    return found;
}

// Sets the system's menu font for the test (not persisted) and puts the old
// one and the shared fonts back afterwards.
class SharedFonts : public ::testing::Test {
protected:
    void SetUp() override {
        std::memset(&m_saved, 0, sizeof m_saved);
        m_saved.cbSize = 340;
        ASSERT_TRUE(::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 340, &m_saved, 0));
        m_bSavedOffice = CKXAuxData::Get().bUseOfficeFont;
    }
    void TearDown() override {
        ::SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, 340, &m_saved, 0);
        CKXAuxData::Get().bUseOfficeFont = m_bSavedOffice;
        CKXAuxData::Get().LoadSysFonts();
    }
    // Loads the shared fonts from a menu font of the given face, height and character set.
    void LoadWithMenuFont(const char* face, LONG height, BYTE charset, int office) {
        NONCLIENTMETRICSA ncm = m_saved;
        lstrcpynA(ncm.lfMenuFont.lfFaceName, face, LF_FACESIZE);
        ncm.lfMenuFont.lfHeight = height;
        ncm.lfMenuFont.lfCharSet = charset;
        ASSERT_TRUE(::SystemParametersInfoA(SPI_SETNONCLIENTMETRICS, 340, &ncm, 0));
        CKXAuxData::Get().bUseOfficeFont = office;
        CKXAuxData::Get().LoadSysFonts();
    }
    NONCLIENTMETRICSA m_saved;
    int m_bSavedOffice = 0;
};

TEST_F(SharedFonts, HeightIsRaisedToElevenPixelsOnly) {
    const struct { LONG in, out; } cases[] = {{-9, -11}, {-13, -13}, {16, 16}};
    for (const auto& c : cases) {
        LoadWithMenuFont("MS Sans Serif", c.in, ANSI_CHARSET, 0);
        CKXAuxData& d = CKXAuxData::Get();
        for (CFont* f : {&d.fontRegular, &d.fontBold, &d.fontUnderline, &d.fontBar, &d.fontVert, &d.fontVertBold,
                         &d.fontVert270, &d.fontVert270Bold})
            EXPECT_EQ(c.out, LogFontOf(*f).lfHeight) << "menu height " << c.in;
    }
}

TEST_F(SharedFonts, WeightsUnderlineAndAngles) {
    LoadWithMenuFont("MS Sans Serif", -11, ANSI_CHARSET, 0);
    CKXAuxData& d = CKXAuxData::Get();
    const struct { CFont* font; LONG weight; BYTE underline; LONG angle; } expect[] = {
        {&d.fontRegular, 400, 0, 0},   {&d.fontBold, 700, 0, 0},          {&d.fontUnderline, 400, 1, 0},
        {&d.fontBar, 400, 0, 0},       {&d.fontVert, 400, 0, 900},        {&d.fontVertBold, 700, 0, 900},
        {&d.fontVert270, 400, 0, 2700}, {&d.fontVert270Bold, 700, 0, 2700},
    };
    for (const auto& e : expect) {
        const LOGFONTA lf = LogFontOf(*e.font);
        EXPECT_EQ(e.weight, lf.lfWeight);
        EXPECT_EQ(e.underline, lf.lfUnderline);
        EXPECT_EQ(e.angle, lf.lfEscapement);
        EXPECT_EQ(e.angle, lf.lfOrientation);
    }
}

TEST_F(SharedFonts, TahomaAndArialSubstitutionAgainstTheInstalledFonts) {
    const bool tahoma = Installed("Tahoma"), arial = Installed("Arial");
    CKXAuxData& d = CKXAuxData::Get();

    LoadWithMenuFont("MS Sans Serif", -11, ANSI_CHARSET, 0);
    EXPECT_STREQ("MS Sans Serif", LogFontOf(d.fontRegular).lfFaceName);
    EXPECT_STREQ(arial ? "Arial" : "MS Sans Serif", LogFontOf(d.fontVert).lfFaceName);
    EXPECT_EQ(0, d.bUseOfficeFont);

    LoadWithMenuFont("MS Sans Serif", -11, ANSI_CHARSET, 1);
    EXPECT_STREQ(tahoma ? "Tahoma" : "MS Sans Serif", LogFontOf(d.fontBold).lfFaceName);
    EXPECT_STREQ(tahoma ? "Tahoma" : "MS Sans Serif", LogFontOf(d.fontVert270).lfFaceName);

    LoadWithMenuFont("Tahoma", -11, ANSI_CHARSET, 0);
    EXPECT_EQ(1, d.bUseOfficeFont);
    EXPECT_STREQ("Tahoma", LogFontOf(d.fontVertBold).lfFaceName);

    LoadWithMenuFont("MS UI Gothic", -12, SHIFTJIS_CHARSET, 0);
    EXPECT_STREQ("MS UI Gothic", LogFontOf(d.fontRegular).lfFaceName);
    EXPECT_STREQ("MS UI Gothic", LogFontOf(d.fontVert).lfFaceName);
}

TEST_F(SharedFonts, UseOfficeFontReloads) {
    if (!Installed("Tahoma")) GTEST_SKIP() << "Tahoma is not installed";
    LoadWithMenuFont("MS Sans Serif", -11, ANSI_CHARSET, 0);
    CKXAuxData::Get().UseOfficeFont(TRUE);
    EXPECT_STREQ("Tahoma", LogFontOf(CKXAuxData::Get().fontRegular).lfFaceName);
}

TEST_F(SharedFonts, SetGlobalFontReplacesOnlyTheGivenHalf) {
    CKXAuxData& d = CKXAuxData::Get();
    LoadWithMenuFont("MS Sans Serif", -11, ANSI_CHARSET, 0);
    const HGDIOBJ hVert = d.fontVert.GetSafeHandle();
    CFont horz;
    ASSERT_TRUE(horz.CreateFont(-20, 0, 0, 0, 400, 1, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Courier New"));
    d.SetGlobalFont(&horz, nullptr);
    EXPECT_EQ(-20, LogFontOf(d.fontRegular).lfHeight);
    EXPECT_EQ(700, LogFontOf(d.fontBold).lfWeight);
    EXPECT_EQ(1, LogFontOf(d.fontUnderline).lfUnderline);
    EXPECT_EQ(hVert, d.fontVert.GetSafeHandle());

    d.SetGlobalFont(nullptr, "Courier New");
    EXPECT_STREQ("Courier New", LogFontOf(d.fontVert).lfFaceName);
    // The horizontal fonts come from the menu font itself when no face is given.
    EXPECT_STREQ("MS Sans Serif", LogFontOf(d.fontRegular).lfFaceName);
    d.SetGlobalFont("Courier New", nullptr);  // the vertical fonts keep the horizontal face
    EXPECT_STREQ("Courier New", LogFontOf(d.fontVertBold).lfFaceName);
    EXPECT_EQ(2700, LogFontOf(d.fontVert270Bold).lfEscapement);
}

TEST(AuxDataCursors, OwnedCursorsLoadWithTheirHotSpots) {
    CKXAuxData& d = CKXAuxData::Get();
    const struct { HCURSOR h; DWORD x, y; } cursors[] = {
        {d.hcurDragCopy, 6, 3}, {d.hcurDragMove, 6, 3}, {d.hcurDragNone, 6, 3}, {d.hcurHand, 5, 0},
        {d.hcurHandNone, 5, 0}, {d.hcurSplitH, 15, 15}, {d.hcurSplitV, 15, 15},
    };
    for (const auto& c : cursors) {
        ASSERT_NE(nullptr, c.h);
        ICONINFO ii;
        ASSERT_TRUE(::GetIconInfo(c.h, &ii));
        EXPECT_FALSE(ii.fIcon);
        EXPECT_EQ(c.x, ii.xHotspot);
        EXPECT_EQ(c.y, ii.yHotspot);
        BITMAP bm;
        ASSERT_TRUE(::GetObjectA(ii.hbmMask, sizeof bm, &bm));
        EXPECT_EQ(32, bm.bmWidth);
        if (ii.hbmColor == nullptr) {
            EXPECT_EQ(64, bm.bmHeight);  // monochrome: AND over XOR
        }
        if (ii.hbmColor) ::DeleteObject(ii.hbmColor);
        ::DeleteObject(ii.hbmMask);
    }
    EXPECT_EQ(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32646)), d.hcurSizeAll);
}

TEST(AuxDataCursors, ReloadFreesAndLoadsAgainAndMissingResourcesStayNull) {
    CKXAuxData& d = CKXAuxData::Get();
    const HINSTANCE hRes = d.hResInstance;
    d.hResInstance = ::GetModuleHandleA(nullptr);  // the test program has no such cursors
    d.LoadSysCursors();
    EXPECT_EQ(nullptr, d.hcurDragCopy);
    EXPECT_EQ(nullptr, d.hcurSplitV);
    EXPECT_NE(nullptr, d.hcurSizeAll);
    d.hResInstance = hRes;
    d.LoadSysCursors();
    EXPECT_NE(nullptr, d.hcurDragCopy);
    EXPECT_NE(nullptr, d.hcurSplitV);
}

std::vector<int> Store(CKXAuxData& d) {
    CMemFile f;
    {
        CArchive ar(&f, CArchive::store);
        d.Serialize(ar);
    }
    std::vector<int> v(static_cast<size_t>(f.GetLength() / 4));
    f.SeekToBegin();
    f.Read(v.data(), static_cast<UINT>(v.size() * 4));
    EXPECT_EQ(v.size() * 4, f.GetLength());
    return v;
}

TEST(AuxDataSerialize, DefaultWordsAndRoundTrip) {
    CKXAuxData& d = CKXAuxData::Get();
    ASSERT_EQ(0, d.bUseOfficeFont) << "another test left the office font on";
    EXPECT_EQ((std::vector<int>{1, 0, 0, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0}), Store(d));

    const int words[14] = {5, 7, 1, 0, 2, 3, 4, 5, 6, 7, 8, 9, 1, 0};
    CMemFile f;
    f.Write(words, sizeof words);
    f.SeekToBegin();
    {
        CArchive ar(&f, CArchive::load);
        d.Serialize(ar);
    }
    EXPECT_EQ(7, d.nOption1);
    EXPECT_EQ(1, d.bXPLook);
    EXPECT_EQ(0, d.bPopupEffects);
    EXPECT_EQ(1, d.bNoLayeredEffect);
    std::vector<int> back = Store(d);
    EXPECT_EQ(1, back[0]);  // the stored schema is 1 whatever was read
    EXPECT_TRUE(std::equal(back.begin() + 1, back.end(), words + 1));

    // Back to the defaults for the other tests.
    const int defaults[14] = {1, 0, 0, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0};
    CMemFile g;
    g.Write(defaults, sizeof defaults);
    g.SeekToBegin();
    CArchive ar(&g, CArchive::load);
    d.Serialize(ar);
}

TEST(AuxData, ColoursMetricsAndVersions) {
    CKXAuxData& d = CKXAuxData::Get();
    d.UpdateSysColors();
    CKXColorManager& cm = CKXColorManager::s_managerInstance;
    EXPECT_EQ(cm.GetColor(COLOR_BTNFACE), d.clrBtnFace);
    EXPECT_EQ(cm.GetColor(COLOR_INACTIVECAPTIONTEXT), d.clrInactiveCaptionText);
    EXPECT_EQ(cm.GetColor(XPCOLOR_TOOLBAR_FACE), d.clrXP[0]);
    EXPECT_EQ(cm.GetColor(XPCOLOR_SHADOW_DARK), d.clrXP[19]);
    const COLORREF face = d.clrBtnFace;
    auto up15 = [](int c) { return c + 15 > 255 ? 255 : c + 15; };
    EXPECT_EQ(RGB(up15(GetRValue(face)), up15(GetGValue(face)), up15(GetBValue(face))), d.clrBtnLight);

    EXPECT_EQ(::GetSystemMetrics(SM_CXSMICON), d.cxSmIcon);
    EXPECT_EQ(::GetSystemMetrics(SM_CYMENU), d.cyMenu);
    EXPECT_EQ(18, d.cxSmButton);
    EXPECT_EQ(0x00D0FFFFu, d.clrReserved);
    EXPECT_STREQ("MS Sans Serif, 9, , ,", d.strDefaultFont);

    const DWORD v = d.GetComCtlVersion();
    EXPECT_GE(v >> 16, 5u);  // every comctl32 with DllGetVersion is 4.71 or later; Wine reports 5.x or 6.x
    EXPECT_EQ(v, d.dwComCtlVersion);
    EXPECT_TRUE(d.GetKXCtlVersion(true).IsEmpty());

    d.SetINIFileName("C:\\kx\\settings.ini");
    EXPECT_STREQ("C:\\kx\\settings.ini", d.GetINIFileName());
    d.SetINIFileName(nullptr);
    EXPECT_TRUE(d.GetINIFileName().IsEmpty());
}

}  // namespace
