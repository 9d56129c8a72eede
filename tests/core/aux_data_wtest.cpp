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

TEST_F(SharedFonts, EveryFontTakesTheRaisedMenuHeight) {
    // A small menu font is raised to eleven pixels in every shared font; a
    // cell height stays.
    LoadWithMenuFont("MS Sans Serif", -9, ANSI_CHARSET, 0);
    CKXAuxData& d = CKXAuxData::Get();
    for (CFont* f : {&d.fontRegular, &d.fontBold, &d.fontUnderline, &d.fontBar, &d.fontVert, &d.fontVertBold,
                     &d.fontVert270, &d.fontVert270Bold})
        EXPECT_EQ(-11, LogFontOf(*f).lfHeight);
    LoadWithMenuFont("MS Sans Serif", 16, ANSI_CHARSET, 0);
    EXPECT_EQ(16, LogFontOf(d.fontVert270Bold).lfHeight);
}

TEST_F(SharedFonts, TahomaAndArialSubstitutionAgainstTheInstalledFonts) {
    const bool tahoma = Installed("Tahoma"), arial = Installed("Arial");
    CKXAuxData& d = CKXAuxData::Get();

    LoadWithMenuFont("MS Sans Serif", -11, ANSI_CHARSET, 0);
    EXPECT_STREQ(arial ? "Arial" : "MS Sans Serif", LogFontOf(d.fontVert).lfFaceName);
    EXPECT_EQ(0, d.bUseOfficeFont);

    LoadWithMenuFont("Tahoma", -11, ANSI_CHARSET, 0);
    EXPECT_EQ(1, d.bUseOfficeFont);
    // Switching to the office font reloads the fonts.
    LoadWithMenuFont("MS Sans Serif", -11, ANSI_CHARSET, 0);
    d.UseOfficeFont(TRUE);
    EXPECT_STREQ(tahoma ? "Tahoma" : "MS Sans Serif", LogFontOf(d.fontRegular).lfFaceName);
}

TEST_F(SharedFonts, SetGlobalFontReplacesOnlyTheGivenHalf) {
    CKXAuxData& d = CKXAuxData::Get();
    LoadWithMenuFont("MS Sans Serif", -11, ANSI_CHARSET, 0);
    const HGDIOBJ hVert = d.fontVert.GetSafeHandle();
    CFont horz;
    ASSERT_TRUE(horz.CreateFont(-20, 0, 0, 0, 400, 1, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Courier New"));
    d.SetGlobalFont(&horz, nullptr);
    EXPECT_EQ(-20, LogFontOf(d.fontRegular).lfHeight);
    EXPECT_TRUE(LogFontOf(d.fontBold).lfWeight == 700 && LogFontOf(d.fontUnderline).lfUnderline);
    EXPECT_EQ(hVert, d.fontVert.GetSafeHandle());

    d.SetGlobalFont(nullptr, "Courier New");
    EXPECT_STREQ("Courier New", LogFontOf(d.fontVert).lfFaceName);
    // The horizontal fonts come from the menu font itself when no face is given.
    EXPECT_STREQ("MS Sans Serif", LogFontOf(d.fontRegular).lfFaceName);
    d.SetGlobalFont("Courier New", nullptr);  // the vertical fonts keep the horizontal face
    EXPECT_STREQ("Courier New", LogFontOf(d.fontVertBold).lfFaceName);
    EXPECT_EQ(2700, LogFontOf(d.fontVert270Bold).lfEscapement);
}

TEST(AuxDataCursors, OwnedCursorsLoadAndReload) {
    CKXAuxData& d = CKXAuxData::Get();
    // The art and its hot spots are checked natively; here that each one loads.
    for (HCURSOR h : {d.hcurDragCopy, d.hcurDragMove, d.hcurDragNone, d.hcurHand, d.hcurHandNone, d.hcurSplitH})
        EXPECT_NE(nullptr, h);
    EXPECT_EQ(::LoadCursorA(nullptr, MAKEINTRESOURCEA(32646)), d.hcurSizeAll);

    // Reloading from a module without them leaves them null, and back.
    const HINSTANCE hRes = d.hResInstance;
    d.hResInstance = ::GetModuleHandleA(nullptr);  // the test program has no such cursors
    d.LoadSysCursors();
    EXPECT_TRUE(d.hcurDragCopy == nullptr && d.hcurSplitV == nullptr);
    EXPECT_NE(nullptr, d.hcurSizeAll);
    d.hResInstance = hRes;
    d.LoadSysCursors();
    EXPECT_TRUE(d.hcurDragCopy != nullptr && d.hcurSplitV != nullptr);
}

// The option words through the shared data's archive form.
std::vector<int> Store(CKXAuxData& d) {
    CMemFile f;
    {
        CArchive ar(&f, CArchive::store);
        d.Serialize(ar);
    }
    std::vector<int> v(static_cast<size_t>(f.GetLength() / 4));
    f.SeekToBegin();
    f.Read(v.data(), static_cast<UINT>(v.size() * 4));
    return v;
}

void Load(CKXAuxData& d, int (&words)[14]) {
    CMemFile f(reinterpret_cast<BYTE*>(words), sizeof words);
    CArchive ar(&f, CArchive::load);
    d.Serialize(ar);
}

TEST(AuxDataSerialize, DefaultWordsAndRoundTrip) {
    CKXAuxData& d = CKXAuxData::Get();
    int defaults[14] = {1, 0, 0, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0};
    ASSERT_EQ(0, d.bUseOfficeFont) << "another test left the office font on";
    EXPECT_EQ(std::vector<int>(defaults, defaults + 14), Store(d));
    int words[14] = {5, 7, 1, 0, 2, 3, 4, 5, 6, 7, 8, 9, 1, 0};
    Load(d, words);
    EXPECT_TRUE(d.nOption1 == 7 && d.bXPLook == 1 && d.bPopupEffects == 0 && d.bNoLayeredEffect == 1);
    std::vector<int> back = Store(d);
    EXPECT_EQ(1, back[0]);  // the stored schema is 1 whatever was read
    EXPECT_TRUE(std::equal(back.begin() + 1, back.end(), words + 1));
    Load(d, defaults);  // back to the defaults for the other tests
}

TEST(AuxData, ColoursFollowThePaletteAndTheComCtlVersionIsKept) {
    CKXAuxData& d = CKXAuxData::Get();
    d.UpdateSysColors();
    CKXColorManager& cm = CKXColorManager::s_managerInstance;
    EXPECT_EQ(cm.GetColor(XPCOLOR_TOOLBAR_FACE), d.clrXP[0]);
    EXPECT_EQ(cm.GetColor(XPCOLOR_SHADOW_DARK), d.clrXP[19]);
    const COLORREF face = d.clrBtnFace;
    auto up15 = [](int c) { return c + 15 > 255 ? 255 : c + 15; };
    EXPECT_EQ(RGB(up15(GetRValue(face)), up15(GetGValue(face)), up15(GetBValue(face))), d.clrBtnLight);
    // Every comctl32 with DllGetVersion is 4.71 or later; Wine reports 5.x or 6.x.
    EXPECT_GE(d.GetComCtlVersion() >> 16, 5u);
    EXPECT_EQ(d.GetComCtlVersion(), d.dwComCtlVersion);
}

}  // namespace
