// "Menu": the owner-drawn menu.  Three still drop-downs painted through the
// menu's own DrawItem, each with another item highlighted (an image, a
// check mark, a disabled item), and a button that opens the real popup; the
// page routes measuring, drawing and menu characters to the menu.
#include "gallery_page.h"

#include "bars/menu.h"
#include "core/resource_scope.h"
#include "kxres_ids.h"

#include <algorithm>

namespace {

enum {
    IDC_OPEN_MENU = 100,
    ID_WORD_WRAP = 200,
    ID_ALIGN_LEFT,
    ID_ALIGN_RIGHT,
};

struct MenuEntry {
    const char* pszText;
    UINT nID;
    UINT nState;      // MF_CHECKED, MF_GRAYED
    BOOL bImage;      // from the edit toolbar
};

const MenuEntry s_entries[] = {
    {"&Undo\tCtrl+Z", ID_EDIT_UNDO, 0, TRUE},
    {"", 0, 0, FALSE},
    {"Cu&t\tCtrl+X", ID_EDIT_CUT, 0, TRUE},
    {"&Copy\tCtrl+C", ID_EDIT_COPY, MF_CHECKED, TRUE},
    {"&Paste\tCtrl+V", ID_EDIT_PASTE, MF_GRAYED, TRUE},
    {"&Delete\tDel", ID_EDIT_CLEAR, MF_GRAYED, FALSE},
    {"", 0, 0, FALSE},
    {"&Word wrap", ID_WORD_WRAP, MF_CHECKED, FALSE},
    {"Align &left", ID_ALIGN_LEFT, MF_CHECKED, FALSE},
    {"Align &right", ID_ALIGN_RIGHT, 0, FALSE},
    {"", 0, 0, FALSE},
    {"Select &All\tCtrl+A", ID_EDIT_SELECT_ALL, 0, TRUE},
};
constexpr int kEntries = static_cast<int>(sizeof s_entries / sizeof s_entries[0]);

// Each preview highlights one item: an image, a check mark, a disabled one.
const struct {
    const char* pszCaption;
    int nSelected;
} s_previews[] = {{"Image highlighted", 2}, {"Check mark highlighted", 7}, {"Disabled highlighted", 5}};

class CMenuPage : public CPaintedGalleryPage {
public:
    CMenuPage() : CPaintedGalleryPage("Menu") {}

protected:
    BOOL CreateControls() override {
        // A radio item shows a dot: it carries a check bitmap, as the
        // framework gives radio items.
        m_bmpRadio.CreateBitmap(8, 8, 1, 1, nullptr);
        {
            CKXResourceScope scope;
            if (!m_menu.CreatePopupMenu()) return FALSE;
            for (const MenuEntry& e : s_entries)
                m_menu.AppendODMenuA(e.pszText, e.nState, e.nID, e.bImage ? IDR_KX_EDIT_TOOLBAR : -1);
        }
        m_menu.InsertSpaces();
        m_menu.SetMenuItemBitmaps(ID_ALIGN_LEFT, MF_BYCOMMAND, nullptr, &m_bmpRadio);
        m_menu.SetMenuItemBitmaps(ID_ALIGN_RIGHT, MF_BYCOMMAND, nullptr, &m_bmpRadio);
        return m_wndOpen.Create("Open the menu", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                                CRect(20, 400, 180, 426), this, IDC_OPEN_MENU);
    }

    BOOL OnEraseBkgnd(CDC*) { return TRUE; }  // the paint covers everything

    void OnOpenMenu() {
        CRect rc;
        m_wndOpen.GetWindowRect(&rc);
        m_menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_TOPALIGN, rc.left, rc.bottom, this);
    }

    void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMIS) {
        if (lpMIS->CtlType == ODT_MENU) m_menu.MeasureItem(lpMIS);
        else CPaintedGalleryPage::OnMeasureItem(nIDCtl, lpMIS);
    }

    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDIS) {
        if (lpDIS->CtlType == ODT_MENU) m_menu.DrawItem(lpDIS);
        else CPaintedGalleryPage::OnDrawItem(nIDCtl, lpDIS);
    }

    LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu) {
        return CKXMenu::FindKeyboardShortcut(nChar, nFlags, pMenu);
    }

private:
    void Paint(CDC& dc) override {
        CRect rc;
        GetClientRect(&rc);
        dc.FillSolidRect(&rc, ::GetSysColor(COLOR_BTNFACE));
        dc.SetBkMode(TRANSPARENT);
        CFont* pOldFont = dc.SelectObject(&GalleryFont());
        int x = 20;
        for (const auto& preview : s_previews) {
            dc.TextOut(x, 10, preview.pszCaption);
            x += DrawDropDown(dc, CPoint(x, 32), preview.nSelected) + 24;
        }
        dc.TextOut(20, 378, "The real popup: type a mnemonic or click an item.");
        dc.SelectObject(pOldFont);
    }

    // One drop-down at pt: its frame and every item in the state the menu
    // holds, with item nSelected highlighted.  Returns the width.
    int DrawDropDown(CDC& dc, CPoint pt, int nSelected) {
        int cx = 0, cy = 0;
        int heights[kEntries] = {};
        for (int i = 0; i < kEntries; ++i) {
            MEASUREITEMSTRUCT mis = {ODT_MENU, 0, m_menu.GetMenuItemID(i), 0, 0,
                                     reinterpret_cast<ULONG_PTR>(m_menu.m_arrMenuData[i])};
            m_menu.MeasureItem(&mis);
            cx = std::max(cx, static_cast<int>(mis.itemWidth) + 24);
            heights[i] = static_cast<int>(mis.itemHeight);
            cy += heights[i];
        }
        CRect rcFrame(pt.x, pt.y, pt.x + cx + 6, pt.y + cy + 6);
        dc.FillSolidRect(&rcFrame, ::GetSysColor(COLOR_MENU));
        dc.DrawEdge(&rcFrame, EDGE_RAISED, BF_RECT);
        int y = pt.y + 3;
        for (int i = 0; i < kEntries; ++i) {
            const UINT nState = m_menu.GetMenuState(i, MF_BYPOSITION);
            DRAWITEMSTRUCT dis = {};
            dis.CtlType = ODT_MENU;
            dis.itemID = m_menu.GetMenuItemID(i);
            dis.itemState = ((nState & MF_CHECKED) ? ODS_CHECKED : 0) | ((nState & MF_GRAYED) ? ODS_GRAYED : 0) |
                            (i == nSelected ? ODS_SELECTED : 0);
            dis.hwndItem = reinterpret_cast<HWND>(m_menu.m_hMenu);
            dis.hDC = dc.GetSafeHdc();
            dis.rcItem = CRect(pt.x + 3, y, pt.x + 3 + cx, y + heights[i]);
            dis.itemData = reinterpret_cast<ULONG_PTR>(m_menu.m_arrMenuData[i]);
            m_menu.DrawItem(&dis);
            y += heights[i];
        }
        return rcFrame.Width();
    }

    CKXMenu m_menu;
    CBitmap m_bmpRadio;
    CButton m_wndOpen;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMenuPage, CPaintedGalleryPage)
    ON_WM_ERASEBKGND()
    ON_WM_MEASUREITEM()
    ON_WM_DRAWITEM()
    ON_WM_MENUCHAR()
    ON_BN_CLICKED(IDC_OPEN_MENU, OnOpenMenu)
END_MESSAGE_MAP()

}  // namespace

CGalleryPage* CreateMenuPage() { return new CMenuPage; }
