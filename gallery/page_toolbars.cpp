// "Toolbars": the library's toolbar in a small frame: a flat bar whose
// Paste button drops a menu down and whose right-click menu customises it,
// a bar with a search box in its row, a classic bar down the left edge, a
// bar in a rebar band along the top, and one floating in its own small frame.
#include "frame_page.h"
#include "resource.h"
#include "snapshot.h"

#include "bars/toolbar.h"
#include "core/resource_scope.h"
#include "kxres_ids.h"

namespace {

const UINT kFileButtons[] = {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE};
const int kFileImages[] = {STD_FILENEW, STD_FILEOPEN, STD_FILESAVE};
const UINT kFindButtons[] = {ID_FIND_BOX, ID_EDIT_FIND, ID_EDIT_REPLACE};
const int kFindImages[] = {0, STD_FIND, STD_REPLACE};
const UINT kMoreButtons[] = {ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, 0, ID_APP_ABOUT};
const int kMoreImages[] = {STD_PRINT, STD_PRINTPRE, 0, STD_PROPERTIES};
const UINT kSideButtons[] = {ID_EDIT_UNDO, ID_EDIT_REDO, 0, ID_EDIT_CLEAR};
const int kSideImages[] = {STD_UNDO, STD_REDOW, 0, STD_DELETE};

// The edit bar's buttons, every one of which the user may take off and put back.
TOOLBARINFO g_editButtons[] = {
    {{0, ID_EDIT_UNDO, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0}, "Undo"},
    {{1, ID_EDIT_CUT, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0}, "Cut"},
    {{2, ID_EDIT_COPY, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0}, "Copy"},
    {{3, ID_EDIT_PASTE, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0}, "Paste"},
    {{4, ID_EDIT_CLEAR, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0}, "Delete"},
    {{5, ID_EDIT_SELECT_ALL, TBSTATE_ENABLED, TBSTYLE_BUTTON, {}, 0, 0}, "Select All"},
};

class CToolbarsFrame : public CGalleryDemoFrame {
public:
    CReBar m_wndReBar;
    CKXToolBar m_barFile, m_barEdit, m_barFind, m_barSide, m_barMore;

protected:
    // A bar with the common controls' standard images.
    BOOL MakeBar(CKXToolBar& bar, CWnd* pParent, DWORD dwCtrlStyle, LPCTSTR lpszName, UINT nID, const UINT* pIDs,
                 const int* pImages, int n) {
        const DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_SIZE_DYNAMIC;
        const BOOL bMade = dwCtrlStyle != 0 ? bar.CreateEx(pParent, dwCtrlStyle, dwStyle, CRect(0, 0, 0, 0), nID)
                                            : bar.Create(pParent, dwStyle, nID);
        if (!bMade) return FALSE;
        FillStandardBar(bar, lpszName, pIDs, pImages, n);
        if (pParent == this) bar.EnableDocking(CBRS_ALIGN_ANY);
        return TRUE;
    }
    int OnCreate(LPCREATESTRUCT lpcs) {
        if (CFrameWnd::OnCreate(lpcs) == -1) return -1;
        if (!CreateStatusAndView("Right-click the Edit bar to customise it; Paste drops a menu down.")) return -1;

        // Along the top, a rebar whose band holds a bar of the library.
        if (!m_wndReBar.Create(this)) return -1;
        m_wndReBar.GetReBarCtrl().SetBkColor(::GetSysColor(COLOR_BTNFACE));
        if (!MakeBar(m_barFile, &m_wndReBar, TBSTYLE_FLAT, "File", AFX_IDW_TOOLBAR + 20, kFileButtons, kFileImages, 3) ||
            !m_wndReBar.AddBar(&m_barFile, ::GetSysColor(COLOR_BTNTEXT), ::GetSysColor(COLOR_BTNFACE), "Rebar"))
            return -1;
        // The edit bar from the library's toolbar resource, customisable.
        CKXResourceScope scope;
        if (!m_barEdit.CreateEx(this, TBSTYLE_FLAT,
                                WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_SIZE_DYNAMIC,
                                CRect(0, 0, 0, 0), AFX_IDW_TOOLBAR + 21) ||
            !m_barEdit.LoadToolBar(IDR_KX_EDIT_TOOLBAR, g_editButtons))
            return -1;
        m_barEdit.SetWindowText("Edit");
        m_barEdit.EnableDocking(CBRS_ALIGN_ANY);
        m_barEdit.AddDropDownButton(ID_EDIT_PASTE, IDR_PASTE_MENU, TRUE);
        // A search box in the row of the find bar.
        if (!MakeBar(m_barFind, this, TBSTYLE_FLAT, "Find", AFX_IDW_TOOLBAR + 22, kFindButtons, kFindImages, 3))
            return -1;
        CRect rectBox(0, 0, 130, 200);
        if (CComboBox* pBox = static_cast<CComboBox*>(m_barFind.InsertControl(
                RUNTIME_CLASS(CComboBox), nullptr, rectBox, ID_FIND_BOX, CBS_DROPDOWN | WS_VSCROLL | WS_TABSTOP))) {
            pBox->SetFont(&GalleryFont());
            for (LPCTSTR lpsz : {"toolbar", "rebar", "gripper"}) pBox->AddString(lpsz);
            pBox->SetWindowText("toolbar");
        }
        // The classic look down the left edge, and one more bar floating.
        if (!MakeBar(m_barSide, this, 0, "Side", AFX_IDW_TOOLBAR + 23, kSideButtons, kSideImages, 4) ||
            !MakeBar(m_barMore, this, TBSTYLE_FLAT, "More", AFX_IDW_TOOLBAR + 24, kMoreButtons, kMoreImages, 4))
            return -1;

        EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(&m_barEdit);
        DockBeside(&m_barFind, &m_barEdit);
        DockControlBar(&m_barSide, AFX_IDW_DOCKBAR_LEFT);
        DockControlBar(&m_barMore, AFX_IDW_DOCKBAR_BOTTOM);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CToolbarsFrame, CGalleryDemoFrame)
    ON_WM_CREATE()
    ON_COMMAND_RANGE(ID_PASTE_SPECIAL, ID_PASTE_TEXT, OnDemoCommand)
END_MESSAGE_MAP()

class CToolbarsPage : public CFramePage {
public:
    CToolbarsPage() : CFramePage("Toolbars") {}

    BOOL SaveExtraSnapshots(const CString& strPathPrefix, CWnd* pFrame) override {
        // The floating bar, then the paste menu dropped down from the edit bar.
        if (!CFramePage::SaveExtraSnapshots(strPathPrefix, pFrame)) return FALSE;
        CKXToolBar& bar = m_frame.m_barEdit;
        return SaveWindowPngWithMenu(pFrame, strPathPrefix + "-drop-down.png", [&] {
            CRect rc;
            bar.GetItemRect(bar.CommandToIndex(ID_EDIT_PASTE), &rc);
            const LPARAM lPoint = MAKELPARAM(rc.right - 4, rc.top + rc.Height() / 2);
            bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
            bar.SendMessage(WM_LBUTTONUP, 0, lPoint);
        });
    }

protected:
    CGalleryDemoFrame& GetFrame() override { return m_frame; }
    CControlBar& GetFloatingBar() override { return m_frame.m_barMore; }
    int GetFloatingOffset() const override { return 300; }

    CToolbarsFrame m_frame;
};

}  // namespace

CGalleryPage* CreateToolbarsPage() { return new CToolbarsPage; }
