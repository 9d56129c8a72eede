#include "win/menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/menu_loop.h"
#include "win/gdiobj.h"
#include "win/wnd.h"

namespace {

enum : UINT { ID_OPEN = 100, ID_SAVE = 101, ID_CLOSE = 102, ID_HELP = 200, ID_LEFT = 300, ID_CENTRE, ID_RIGHT };

class MenuTest : public ::testing::Test {
protected:
    void TearDown() override { AfxDeleteTempMaps(); }

    size_t TempCount() {
        CHandleMap<CMenu>* pMap = afxMapHMENU(FALSE);
        return pMap ? pMap->GetTemporaryCount() : 0;
    }

    // A bar: "&File" (Open, separator, Save, Close) and "Help".
    void BuildBar(CMenu& bar) {
        CMenu file;
        ASSERT_TRUE(file.CreatePopupMenu());
        file.AppendMenu(MF_STRING, ID_OPEN, "&Open");
        file.AppendMenu(MF_SEPARATOR);
        file.AppendMenu(MF_STRING, ID_SAVE, "&Save");
        file.AppendMenu(MF_STRING, ID_CLOSE, "Close");
        ASSERT_TRUE(bar.CreateMenu());
        ASSERT_TRUE(bar.AppendMenu(MF_POPUP, (UINT_PTR)file.m_hMenu, "&File"));
        file.Detach();  // the bar owns it now
        bar.AppendMenu(MF_STRING, ID_HELP, "Help");
    }
};

}  // namespace

TEST_F(MenuTest, StringsAreReadWholeOrCutToTheBuffer) {
    CMenu bar;
    BuildBar(bar);
    CMenu* pFile = bar.GetSubMenu(0);
    ASSERT_NE(pFile, nullptr);
    CString s;
    EXPECT_EQ(bar.GetMenuString(0, s, MF_BYPOSITION), 5);
    EXPECT_STREQ(s, "&File");
    // Missing items read as empty, from either overload.
    EXPECT_EQ(bar.GetMenuString(999, s, MF_BYCOMMAND), 0);
    EXPECT_TRUE(s.IsEmpty());
    char buf[4] = "xyz";
    EXPECT_EQ(pFile->GetMenuString(ID_CLOSE, buf, sizeof(buf), MF_BYCOMMAND), 3);
    EXPECT_STREQ(buf, "Clo");  // cut to the buffer, terminated
    EXPECT_EQ(pFile->GetMenuString(ID_CLOSE, buf, 0, MF_BYCOMMAND), 0);
    EXPECT_EQ(pFile->GetMenuString(ID_CLOSE, nullptr, 10, MF_BYCOMMAND), 0);

    std::string text(700, 'm');
    text.back() = 'Z';
    pFile->ModifyMenu(ID_OPEN, MF_BYCOMMAND | MF_STRING, ID_OPEN, text.c_str());
    EXPECT_EQ(pFile->GetMenuString(ID_OPEN, s, MF_BYCOMMAND), 700);
    EXPECT_EQ(std::string((LPCTSTR)s), text);
    // A bitmap passed as a CBitmap makes a bitmap item.
    CBitmap bmp;
    ASSERT_TRUE(bmp.CreateBitmap(8, 8, 1, 1, nullptr));
    ASSERT_TRUE(pFile->AppendMenu(MF_STRING, ID_HELP + 1, &bmp));
    EXPECT_TRUE(pFile->GetMenuState(ID_HELP + 1, MF_BYCOMMAND) & MF_BITMAP);
    bar.DestroyMenu();  // before the bitmap it shows
}

TEST_F(MenuTest, OwnersAndTemporaryWrappers) {
    CMenu bar;
    BuildBar(bar);
    // A sub-menu's wrapper is a temporary: freeing it leaves the menu alone.
    HMENU hFile = ::GetSubMenu(bar.m_hMenu, 0);
    EXPECT_EQ(CMenu::FromHandle(hFile), bar.GetSubMenu(0));
    EXPECT_EQ(TempCount(), 1u);
    AfxDeleteTempMaps();
    EXPECT_TRUE(::IsMenu(hFile));
    // Attaching makes the handle permanent; the stale temporary goes.
    CMenu::FromHandle(hFile);
    CMenu owner;
    ASSERT_TRUE(owner.Attach(hFile));
    EXPECT_EQ(TempCount(), 0u);
    EXPECT_EQ(CMenu::FromHandle(hFile), &owner);
    EXPECT_EQ(owner.Detach(), hFile);

    // An owner destroys its menu unless it was detached, and takes no second one.
    HMENU hKept, hDestroyed;
    {
        CMenu a, b, c;
        ASSERT_TRUE(a.CreatePopupMenu());
        ASSERT_TRUE(b.CreatePopupMenu());
        EXPECT_FALSE(a.CreateMenu());  // already holds one
        EXPECT_FALSE(c.Attach(b.m_hMenu));  // b owns it
        hDestroyed = a.m_hMenu;
        hKept = b.Detach();
    }
    EXPECT_FALSE(::IsMenu(hDestroyed));
    EXPECT_TRUE(::IsMenu(hKept));
    ::DestroyMenu(hKept);
    CMenu empty;
    EXPECT_FALSE(empty.Attach(nullptr));
    EXPECT_FALSE(empty.DestroyMenu());
}

TEST_F(MenuTest, LoadingAndTrackingFailWithoutTheirInputs) {
    CMenu missing;
    EXPECT_FALSE(missing.LoadMenu(31999));
    EXPECT_FALSE(missing.LoadMenuIndirect(nullptr));
    EXPECT_EQ(missing.m_hMenu, nullptr);
    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    popup.AppendMenu(MF_STRING, ID_OPEN, "Open");
    EXPECT_FALSE(popup.TrackPopupMenu(TPM_RETURNCMD, 10, 10, nullptr));
    EXPECT_FALSE(popup.TrackPopupMenuEx(TPM_RETURNCMD, 10, 10, nullptr, nullptr));
}

namespace {

class CCountingMenu : public CMenu {
public:
    int m_nMeasured = 0;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override {
        ++m_nMeasured;
        lpMIS->itemWidth = 80;
        lpMIS->itemHeight = 20;
    }
    void DrawItem(LPDRAWITEMSTRUCT) override {}
};

}  // namespace

// Two menus of the program hold the same owner-drawn command: the owner's
// measuring goes to the one being tracked.
TEST_F(MenuTest, TheTrackedPopupMeasuresItsOwnItems) {
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP | WS_VISIBLE, 100, 100, 50, 50, nullptr,
                               nullptr));
    CCountingMenu menus[2];
    for (CCountingMenu& menu : menus) {
        ASSERT_TRUE(menu.CreatePopupMenu());
        menu.AppendMenu(MF_OWNERDRAW, ID_OPEN, reinterpret_cast<LPCTSTR>(static_cast<UINT_PTR>(1)));
    }
    // Each in turn, so that a search that happens to meet one first fails.
    for (int nTracked = 0; nTracked < 2; ++nTracked) {
        menus[0].m_nMeasured = menus[1].m_nMeasured = 0;
        kxtest::WithMenu(owner.m_hWnd, [&] { menus[nTracked].TrackPopupMenu(TPM_RETURNCMD, 120, 120, &owner); },
                         [](HWND) {});
        EXPECT_GT(menus[nTracked].m_nMeasured, 0) << nTracked;
        EXPECT_EQ(0, menus[1 - nTracked].m_nMeasured) << nTracked;
    }
    EXPECT_EQ(nullptr, AfxGetThreadState()->m_hTrackingMenu);
    owner.DestroyWindow();
}
