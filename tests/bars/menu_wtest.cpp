// Building, loading, synchronising and destroying owner-drawn menus, and one
// real popup driven through its own modal loop.
#include "bars/menu.h"

#include "kxres_ids.h"
#include "support/gdi_leak.h"
#include "support/companion_fixture.h"
#include "support/host_window.h"
#include "support/input.h"
#include "support/menu_loop.h"
#include "support/pixel_assert.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

// The companion module's menus and toolbars are the real data.
class MenuTest : public kxtest::CompanionModuleTest {
protected:
    // Entry i of the records belongs to position i, all the way down.
    static void ExpectInStep(CKXMenu& menu) {
        const int n = menu.GetMenuItemCount();
        ASSERT_EQ(n, menu.m_arrMenuData.GetSize());
        for (int i = 0; i < n; ++i) {
            const CKXMenuData* pData = menu.m_arrMenuData[i];
            if (HMENU hSub = ::GetSubMenu(menu.m_hMenu, i)) {
                EXPECT_EQ(reinterpret_cast<UINT_PTR>(hSub), pData->m_nID) << i;
                if (auto* pSub = DYNAMIC_DOWNCAST(CKXMenu, CMenu::FromHandlePermanent(hSub))) ExpectInStep(*pSub);
            } else {
                EXPECT_EQ(static_cast<UINT_PTR>(menu.GetMenuItemID(i)), pData->m_nID) << i;
            }
        }
    }

    static std::wstring Text(const CKXMenuData* p) { return p->m_pszText ? p->m_pszText : L""; }
    static bool OwnerDrawn(CMenu& menu, int nPos) {
        MENUITEMINFOA mii = {};
        mii.cbSize = sizeof mii;
        mii.fMask = MIIM_FTYPE;
        return menu.GetMenuItemInfo(nPos, &mii, TRUE) && (mii.fType & MFT_OWNERDRAW);
    }

};

TEST_F(MenuTest, LoadMenuKeepsTheBarPlainAndDrawsTheDropDowns) {
    CKXMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_KX_CONTEXT_MENUS));
    EXPECT_FALSE(menu.LoadMenu(IDR_KX_CONTEXT_MENUS));  // holds one already
    ASSERT_EQ(3, menu.GetMenuItemCount());
    ExpectInStep(menu);
    CString str;
    menu.GetMenuString(1, str, MF_BYPOSITION);
    EXPECT_STREQ("Edit", str);
    EXPECT_FALSE(OwnerDrawn(menu, 1));

    CMenu* pEdit = menu.GetSubMenu(1);
    ASSERT_NE(nullptr, pEdit);
    EXPECT_TRUE(CKXMenu::IsMenu(pEdit));
    auto* pKXEdit = DYNAMIC_DOWNCAST(CKXMenu, pEdit);
    ASSERT_NE(nullptr, pKXEdit);
    ASSERT_EQ(8, pEdit->GetMenuItemCount());
    for (int i = 0; i < 8; ++i) EXPECT_TRUE(OwnerDrawn(*pEdit, i)) << i;
    EXPECT_EQ(L"Cu&t", Text(pKXEdit->m_arrMenuData[2]));
    EXPECT_EQ(static_cast<UINT>(MF_OWNERDRAW | MF_SEPARATOR), pKXEdit->m_arrMenuData[1]->m_nFlags);
    EXPECT_TRUE(menu.GetMenuText(ID_EDIT_PASTE, str, MF_BYCOMMAND));
    EXPECT_STREQ("&Paste", str);
    EXPECT_FALSE(menu.GetMenuText(12345, str, MF_BYCOMMAND));

    CKXMenu missing;
    EXPECT_FALSE(missing.LoadMenu(12345));
    EXPECT_EQ(nullptr, missing.m_hMenu);
}

TEST_F(MenuTest, TemplateAcceleratorsArePaddedToOneWidth) {
    // A drop-down with tabbed accelerators, as the resource compiler lays it out.
    std::vector<WORD> t = {0, 0, MF_POPUP | MF_END};
    auto text = [&](const wchar_t* psz) {
        for (; *psz; ++psz) t.push_back(*psz);
        t.push_back(0);
    };
    text(L"&File");
    for (auto [id, psz, last] : {std::tuple{101, L"&Open\tCtrl+O", false}, std::tuple{102, L"Save &As...\tF12", false},
                                 std::tuple{103, L"E&xit", true}}) {
        t.push_back(static_cast<WORD>(last ? MF_END : 0));
        t.push_back(static_cast<WORD>(id));
        text(psz);
    }
    CKXMenu menu;
    ASSERT_TRUE(menu.LoadMenuTemplate(t.data(), static_cast<UINT>(t.size() * sizeof(WORD))));
    auto* pFile = DYNAMIC_DOWNCAST(CKXMenu, menu.GetSubMenu(0));
    ASSERT_NE(nullptr, pFile);
    const std::wstring open = Text(pFile->m_arrMenuData[0]), save = Text(pFile->m_arrMenuData[1]);
    EXPECT_EQ(L"&Open ", open.substr(0, 6));
    EXPECT_EQ(L"\tCtrl+O", open.substr(open.find(L'\t')));
    EXPECT_EQ(L"Save &As... \tF12", save);  // the widest gets one space
    EXPECT_EQ(L"E&xit", Text(pFile->m_arrMenuData[2]));

    // A cut template fails and leaves no menu.
    CKXMenu cut;
    EXPECT_FALSE(cut.LoadMenuTemplate(t.data(), static_cast<UINT>(t.size() * sizeof(WORD) - 2)));
    EXPECT_EQ(nullptr, cut.m_hMenu);
}

TEST_F(MenuTest, ToolbarImagesGoToTheirCommands) {
    CKXMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_KX_CONTEXT_MENUS));
    EXPECT_FALSE(menu.LoadToolbar(12345, &m_host));
    ASSERT_TRUE(menu.LoadToolbar(IDR_KX_EDIT_TOOLBAR, &m_host));
    auto* pEdit = DYNAMIC_DOWNCAST(CKXMenu, menu.GetSubMenu(1));
    ASSERT_NE(nullptr, pEdit);
    // Undo, separator, Cut, Copy, Paste, Delete, separator, Select All.
    const int images[8] = {0, -1, 1, 2, 3, 4, -1, 5};
    for (int i = 0; i < 8; ++i) {
        const CKXMenuData* p = pEdit->m_arrMenuData[i];
        EXPECT_EQ(images[i], p->m_nImageIndex) << i;
        EXPECT_EQ(images[i] < 0 ? -1 : IDR_KX_EDIT_TOOLBAR, p->m_nIconSource) << i;
        if (images[i] >= 0) {
            ASSERT_NE(nullptr, p->m_pImageList);
            EXPECT_EQ(6, p->m_pImageList->GetImageCount());
        }
    }
    // The header's drop-down has none of these commands.
    auto* pHeader = DYNAMIC_DOWNCAST(CKXMenu, menu.GetSubMenu(2));
    EXPECT_EQ(-1, pHeader->m_arrMenuData[0]->m_nIconSource);
    // Without a parent window the images still come (a hidden one stands in).
    ASSERT_TRUE(menu.LoadToolbar(IDR_KX_HEADER_TOOLBAR));
    EXPECT_EQ(IDR_KX_HEADER_TOOLBAR, pHeader->m_arrMenuData[1]->m_nIconSource);
    EXPECT_EQ(1, pHeader->m_arrMenuData[1]->m_nImageIndex);
}

TEST_F(MenuTest, RemovingKeepsRecordsInStepWithItems) {
    CKXMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    ASSERT_TRUE(menu.AppendODMenuA("One", 0, 1, -1));
    CKXMenu* pSub = menu.AppendODPopupMenuA("Sub");
    ASSERT_NE(nullptr, pSub);
    const HMENU hSub = pSub->m_hMenu;
    ASSERT_TRUE(pSub->AppendODMenuA("Inner A", 0, 11, -1));
    ASSERT_TRUE(pSub->AppendODMenuA("Inner B", 0, 12, -1));
    ASSERT_TRUE(menu.AppendODMenuA("Two", 0, 2, -1));
    ASSERT_TRUE(menu.InsertODMenuA(12, "Before B", 0, 13, -1));  // before a command of the sub-menu
    ASSERT_TRUE(menu.InsertODMenuA(0, "Zero", MF_BYPOSITION, 3, -1));
    EXPECT_FALSE(menu.InsertODMenuA(999, "Nowhere", 0, 4, -1));
    ExpectInStep(menu);
    EXPECT_EQ(L"Before B", Text(pSub->m_arrMenuData[1]));
    EXPECT_TRUE(CKXMenu::IsMenu(hSub));

    int nLoc = -1;
    EXPECT_EQ(pSub, menu.FindMenuOption(12, nLoc));
    EXPECT_EQ(2, nLoc);
    EXPECT_EQ(nullptr, menu.FindMenuOption(99, nLoc));
    EXPECT_EQ(-1, nLoc);
    EXPECT_EQ(pSub->m_arrMenuData[0], menu.FindMenuOption(L"Inner A"));

    EXPECT_TRUE(menu.DeleteMenu(11, MF_BYCOMMAND));  // found in the sub-menu
    EXPECT_FALSE(menu.RemoveMenu(99, MF_BYCOMMAND));
    EXPECT_FALSE(menu.RemoveMenu(42, MF_BYPOSITION));
    ExpectInStep(menu);
    EXPECT_TRUE(menu.RemoveMenu(2, MF_BYPOSITION));  // the popup, with its sub-menu
    ExpectInStep(menu);
    EXPECT_FALSE(CKXMenu::IsMenu(hSub));
    EXPECT_FALSE(::IsMenu(hSub));
    EXPECT_EQ(3, menu.GetMenuItemCount());
}

TEST_F(MenuTest, SynchronizeAdoptsPlainChanges) {
    CKXMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    ASSERT_TRUE(menu.AppendODMenuA("&Keep", 0, 1, -1));
    ASSERT_TRUE(menu.AppendODMenuA("&Gone", 0, 2, -1));
    CKXMenuData* pKeep = menu.m_arrMenuData[0];
    ASSERT_TRUE(menu.AppendMenu(MF_STRING, 3, "&Plain"));
    ASSERT_TRUE(::DeleteMenu(menu.m_hMenu, 1, MF_BYPOSITION));
    HMENU hPlainSub = ::CreatePopupMenu();
    ASSERT_TRUE(::InsertMenuA(menu.m_hMenu, 0, MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(hPlainSub),
                              "&Folder"));
    CKXMenu::UpdateMenu(CMenu::FromHandle(menu.m_hMenu));
    ExpectInStep(menu);
    EXPECT_EQ(pKeep, menu.m_arrMenuData[1]);  // the surviving record is kept
    EXPECT_EQ(L"&Plain", Text(menu.m_arrMenuData[2]));
    EXPECT_EQ(L"&Folder", Text(menu.m_arrMenuData[0]));
    EXPECT_TRUE(CKXMenu::IsMenu(hPlainSub));
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(OwnerDrawn(menu, i)) << i;
    // The keyboard finds the adopted item, and counts that differ resynchronise.
    ASSERT_TRUE(menu.AppendMenu(MF_STRING, 4, "&Xtra"));
    EXPECT_EQ(MAKELRESULT(3, MNC_EXECUTE), CKXMenu::FindKeyboardShortcut('X', MF_POPUP, &menu));
    menu.DestroyMenu();
    EXPECT_FALSE(CKXMenu::IsMenu(hPlainSub));
}

TEST_F(MenuTest, KeyboardShortcutTakesTheFirstMatchInAnyCase) {
    CKXMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    ASSERT_TRUE(menu.AppendODMenuA("Ne&xt", 0, 1, -1));
    ASSERT_TRUE(menu.AppendODMenuA("E&xit", 0, 2, -1));
    EXPECT_EQ(MAKELRESULT(0, MNC_EXECUTE), CKXMenu::FindKeyboardShortcut('x', MF_POPUP, &menu));
    EXPECT_EQ(MAKELRESULT(0, MNC_EXECUTE), CKXMenu::FindKeyboardShortcut('X', MF_POPUP, &menu));
    EXPECT_EQ(0, CKXMenu::FindKeyboardShortcut('q', MF_POPUP, &menu));
    EXPECT_EQ(0, CKXMenu::FindKeyboardShortcut('x', 0, &menu));
    EXPECT_EQ(0, CKXMenu::FindKeyboardShortcut('x', MF_POPUP, nullptr));
}

TEST_F(MenuTest, DestroyFreesEverythingItMade) {
    auto cycle = [&] {
        CKXMenu menu;
        ASSERT_TRUE(menu.LoadMenu(IDR_KX_CONTEXT_MENUS));
        ASSERT_TRUE(menu.LoadToolbar(IDR_KX_EDIT_TOOLBAR, &m_host));
        ASSERT_TRUE(menu.LoadCheckmarkBitmap(IDR_KX_HEADER_TOOLBAR, IDR_KX_OUTLOOK_TOOLBAR));
        CKXMenu* pExtra = menu.GetSubMenu(0) ? DYNAMIC_DOWNCAST(CKXMenu, menu.GetSubMenu(0)) : nullptr;
        ASSERT_NE(nullptr, pExtra);
        ASSERT_NE(nullptr, pExtra->AppendODPopupMenuA("More"));
        EXPECT_TRUE(menu.DestroyMenu());
        EXPECT_EQ(nullptr, menu.m_hMenu);
        EXPECT_EQ(0, menu.m_arrMenuData.GetSize());
        EXPECT_EQ(nullptr, menu.m_pCheckImages);
    };
    cycle();  // the system's lazily made objects come into being here
    const INT_PTR nListed = CKXMenu::m_AllSubMenus.GetSize();
    {
        kxtest::GdiLeakCheck check;
        for (int i = 0; i < 20; ++i) cycle();
    }
    EXPECT_EQ(nListed, CKXMenu::m_AllSubMenus.GetSize());
}

// A real popup: the owner routes measuring, drawing and menu characters to
// the menu, and typing an item's mnemonic chooses it.
TEST_F(MenuTest, RealPopupChoosesByMnemonic) {
    CKXMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_KX_CONTEXT_MENUS));
    ASSERT_TRUE(menu.LoadToolbar(IDR_KX_EDIT_TOOLBAR, &m_host));
    int nDrawn = 0;
    m_window.SetMessageHandler([&](HWND, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
        switch (msg) {
        case WM_MEASUREITEM:
            menu.MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
            *result = TRUE;
            return true;
        case WM_DRAWITEM:
            menu.DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
            ++nDrawn;
            *result = TRUE;
            return true;
        case WM_MENUCHAR:
            *result = CKXMenu::FindKeyboardShortcut(LOWORD(wParam), HIWORD(wParam),
                                                    CMenu::FromHandle(reinterpret_cast<HMENU>(lParam)));
            return true;
        default:
            return false;
        }
    });
    kxtest::Capture shot;
    const UINT nChosen = kxtest::TrackMenu(m_window.hwnd(), menu.GetSubMenu(1)->m_hMenu, POINT{200, 200},
                                           [&](HWND popup) {
                                               shot = kxtest::CaptureMenu(popup);
                                               kxtest::PostChar(popup, 'p', 'P');
                                           });
    EXPECT_EQ(static_cast<UINT>(ID_EDIT_PASTE), nChosen);
    EXPECT_GE(nDrawn, 8);
    ASSERT_FALSE(shot.empty());
    EXPECT_RECT_CONTAINS(shot, (RECT{0, 0, shot.width(), shot.height()}), ::GetSysColor(COLOR_MENUTEXT));
    EXPECT_RECT_CONTAINS(shot, (RECT{0, 0, 24, shot.height()}), ::GetSysColor(COLOR_BTNSHADOW));
}

}  // namespace
