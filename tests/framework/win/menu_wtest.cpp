#include "win/menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win/gdiobj.h"

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

TEST_F(MenuTest, BuiltMenuAnswersCountsIdsStringsAndSubMenus) {
    CMenu bar;
    BuildBar(bar);
    EXPECT_EQ(bar.GetMenuItemCount(), 2);
    EXPECT_EQ(bar.GetMenuItemID(0), (UINT)-1);  // a popup has no command
    EXPECT_EQ(bar.GetMenuItemID(1), (UINT)ID_HELP);

    CMenu* pFile = bar.GetSubMenu(0);
    ASSERT_NE(pFile, nullptr);
    EXPECT_EQ(pFile->GetMenuItemCount(), 4);
    EXPECT_EQ(pFile->GetMenuItemID(1), 0u);  // separator
    EXPECT_TRUE(pFile->GetMenuState(1, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(bar.GetSubMenu(1), nullptr);
    EXPECT_EQ(bar.GetSubMenu(7), nullptr);

    // The popup's state word carries its item count in the high byte.
    UINT state = bar.GetMenuState(0, MF_BYPOSITION);
    EXPECT_TRUE(state & MF_POPUP);
    EXPECT_EQ(HIBYTE(state), 4);

    CString s;
    EXPECT_EQ(bar.GetMenuString(0, s, MF_BYPOSITION), 5);
    EXPECT_STREQ(s, "&File");
    EXPECT_EQ(pFile->GetMenuString(ID_SAVE, s, MF_BYCOMMAND), 5);
    EXPECT_STREQ(s, "&Save");
    // Missing items read as empty, from either overload.
    EXPECT_EQ(bar.GetMenuString(999, s, MF_BYCOMMAND), 0);
    EXPECT_TRUE(s.IsEmpty());
    char buf[4] = "xyz";
    EXPECT_EQ(pFile->GetMenuString(ID_CLOSE, buf, sizeof(buf), MF_BYCOMMAND), 3);
    EXPECT_STREQ(buf, "Clo");  // cut to the buffer, terminated
    EXPECT_EQ(pFile->GetMenuString(ID_CLOSE, buf, 0, MF_BYCOMMAND), 0);
    EXPECT_EQ(pFile->GetMenuString(ID_CLOSE, nullptr, 10, MF_BYCOMMAND), 0);
}

TEST_F(MenuTest, LongItemTextIsReadWhole) {
    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    std::string text(700, 'm');
    text.back() = 'Z';
    popup.AppendMenu(MF_STRING, ID_OPEN, text.c_str());
    CString s;
    EXPECT_EQ(popup.GetMenuString(ID_OPEN, s, MF_BYCOMMAND), 700);
    EXPECT_EQ(std::string((LPCTSTR)s), text);
}

TEST_F(MenuTest, FromHandleGivesPermanentOwnerOrTemporaryWrapper) {
    CMenu bar;
    BuildBar(bar);
    EXPECT_EQ(CMenu::FromHandle(bar.m_hMenu), &bar);
    EXPECT_EQ(CMenu::FromHandlePermanent(bar.m_hMenu), &bar);
    EXPECT_EQ(CMenu::FromHandle(nullptr), nullptr);

    HMENU hFile = ::GetSubMenu(bar.m_hMenu, 0);
    CMenu* pTemp = bar.GetSubMenu(0);
    EXPECT_EQ(pTemp->m_hMenu, hFile);
    EXPECT_EQ(CMenu::FromHandle(hFile), pTemp);  // the same wrapper until idle
    EXPECT_EQ(CMenu::FromHandlePermanent(hFile), nullptr);
    EXPECT_EQ(TempCount(), 1u);

    // Freeing the temporaries leaves the menu itself alone.
    AfxDeleteTempMaps();
    EXPECT_EQ(TempCount(), 0u);
    EXPECT_TRUE(::IsMenu(hFile));
    EXPECT_EQ(CMenu::FromHandle(bar.m_hMenu), &bar);

    // Attaching makes the handle permanent; the stale temporary goes.
    CMenu* pAgain = CMenu::FromHandle(hFile);
    ASSERT_NE(pAgain, nullptr);
    CMenu owner;
    ASSERT_TRUE(owner.Attach(hFile));
    EXPECT_EQ(TempCount(), 0u);
    EXPECT_EQ(CMenu::FromHandle(hFile), &owner);
    EXPECT_EQ(owner.Detach(), hFile);
    EXPECT_EQ(CMenu::FromHandlePermanent(hFile), nullptr);
}

TEST_F(MenuTest, OwnerDestroysItsMenuUnlessDetached) {
    HMENU hKept, hDestroyed;
    {
        CMenu a, b;
        ASSERT_TRUE(a.CreatePopupMenu());
        ASSERT_TRUE(b.CreatePopupMenu());
        EXPECT_FALSE(a.CreateMenu());  // already holds one
        EXPECT_FALSE(a.Attach(b.m_hMenu));
        CMenu c;
        EXPECT_FALSE(c.Attach(b.m_hMenu));  // b owns it
        hDestroyed = a.m_hMenu;
        hKept = b.Detach();
        EXPECT_EQ(b.GetSafeHmenu(), nullptr);
    }
    EXPECT_FALSE(::IsMenu(hDestroyed));
    EXPECT_TRUE(::IsMenu(hKept));
    ::DestroyMenu(hKept);

    CMenu empty;
    EXPECT_FALSE(empty.Attach(nullptr));
    EXPECT_FALSE(empty.DestroyMenu());
}

TEST_F(MenuTest, InsertModifyRemoveAndDelete) {
    CMenu bar;
    BuildBar(bar);
    CMenu* pFile = bar.GetSubMenu(0);
    ASSERT_TRUE(pFile->InsertMenu(0, MF_BYPOSITION | MF_STRING, ID_HELP + 1, "New"));
    ASSERT_TRUE(pFile->ModifyMenu(ID_SAVE, MF_BYCOMMAND | MF_STRING, ID_SAVE, "Save &As"));
    CString s;
    pFile->GetMenuString(0, s, MF_BYPOSITION);
    EXPECT_STREQ(s, "New");
    pFile->GetMenuString(ID_SAVE, s, MF_BYCOMMAND);
    EXPECT_STREQ(s, "Save &As");
    EXPECT_TRUE(pFile->DeleteMenu(ID_CLOSE, MF_BYCOMMAND));
    EXPECT_EQ(pFile->GetMenuItemCount(), 4);
    EXPECT_FALSE(pFile->DeleteMenu(ID_CLOSE, MF_BYCOMMAND));

    // Removing a popup keeps it alive; deleting one destroys it.
    HMENU hFile = pFile->m_hMenu;
    ASSERT_TRUE(bar.RemoveMenu(0, MF_BYPOSITION));
    EXPECT_TRUE(::IsMenu(hFile));
    ASSERT_TRUE(bar.InsertMenu(0, MF_BYPOSITION | MF_POPUP, (UINT_PTR)hFile, "&File"));
    ASSERT_TRUE(bar.DeleteMenu(0, MF_BYPOSITION));
    EXPECT_FALSE(::IsMenu(hFile));
    EXPECT_EQ(bar.GetMenuItemCount(), 1);
}

TEST_F(MenuTest, ItemInfoCarriesDataAndBitmapItemsAreBitmaps) {
    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    popup.AppendMenu(MF_STRING, ID_OPEN, "Open");
    MENUITEMINFO mii = {};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_DATA;
    mii.dwItemData = 0xC0FFEE;
    ASSERT_TRUE(popup.SetMenuItemInfo(ID_OPEN, &mii));
    mii.dwItemData = 0;
    ASSERT_TRUE(popup.GetMenuItemInfo(0, &mii, TRUE));
    EXPECT_EQ(mii.dwItemData, 0xC0FFEEu);

    CBitmap bmp;
    ASSERT_TRUE(bmp.CreateBitmap(8, 8, 1, 1, nullptr));
    ASSERT_TRUE(popup.AppendMenu(MF_STRING, ID_SAVE, &bmp));
    EXPECT_TRUE(popup.GetMenuState(ID_SAVE, MF_BYCOMMAND) & MF_BITMAP);
    ASSERT_TRUE(popup.ModifyMenu(ID_OPEN, MF_BYCOMMAND, ID_OPEN, &bmp));
    EXPECT_TRUE(popup.GetMenuState(ID_OPEN, MF_BYCOMMAND) & MF_BITMAP);
    popup.DestroyMenu();  // before the bitmap it shows
}

TEST_F(MenuTest, LoadsFromTemplateAndFailsOnMissingResource) {
    // A menu template: header, then items (popups have no identifier);
    // MF_END marks the last item of each level.
    std::vector<WORD> t = {0, 0};
    auto add = [&t](WORD flags, int id, const char* text) {
        t.push_back(flags);
        if (id >= 0) t.push_back((WORD)id);
        for (const char* p = text; *p; ++p) t.push_back((WORD)*p);
        t.push_back(0);
    };
    add(MF_POPUP, -1, "&File");
    add(0, ID_OPEN, "Open");
    add(MF_END, ID_CLOSE, "Close");
    add(MF_END, ID_HELP, "Help");

    CMenu menu;
    ASSERT_TRUE(menu.LoadMenuIndirect(t.data()));
    EXPECT_EQ(menu.GetMenuItemCount(), 2);
    EXPECT_EQ(menu.GetMenuItemID(1), (UINT)ID_HELP);
    ASSERT_NE(menu.GetSubMenu(0), nullptr);
    EXPECT_EQ(menu.GetSubMenu(0)->GetMenuItemID(1), (UINT)ID_CLOSE);
    EXPECT_FALSE(menu.LoadMenuIndirect(t.data()));  // already holds one

    CMenu missing;
    EXPECT_FALSE(missing.LoadMenu(31999));
    EXPECT_EQ(missing.m_hMenu, nullptr);
    EXPECT_FALSE(missing.LoadMenuIndirect(nullptr));
}

TEST_F(MenuTest, TrackingWithoutAWindowFails) {
    CMenu popup;
    ASSERT_TRUE(popup.CreatePopupMenu());
    popup.AppendMenu(MF_STRING, ID_OPEN, "Open");
    EXPECT_FALSE(popup.TrackPopupMenu(TPM_RETURNCMD, 10, 10, nullptr));
    EXPECT_FALSE(popup.TrackPopupMenuEx(TPM_RETURNCMD, 10, 10, nullptr, nullptr));
}
