// "Toolbars": the library's toolbar in a small frame: a flat bar whose
// Paste button drops a menu down and whose right-click menu customises it,
// a bar with a search box in its row, a classic bar down the left edge, a
// bar in a rebar band along the top, and one floating in its own small frame.
#include "gallery_page.h"
#include "resource.h"
#include "snapshot.h"

#include <afxext.h>

#include "bars/toolbar.h"
#include "core/resource_scope.h"
#include "kxres_ids.h"

#include <algorithm>

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

class CToolbarsFrame : public CFrameWnd {
public:
    BOOL CreateDemo(CWnd* pParent, const CRect& rect) {
        LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                                reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1));
        return Create(lpszClass, "Toolbars", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_CLIPCHILDREN, rect, pParent);
    }
    CReBar m_wndReBar;
    CKXToolBar m_barFile, m_barEdit, m_barFind, m_barSide, m_barMore;
    CStatusBar m_wndStatus;
    CStatic m_wndView;

protected:
    // A bar with the common controls' standard images.
    BOOL MakeBar(CKXToolBar& bar, CWnd* pParent, DWORD dwCtrlStyle, LPCTSTR lpszName, UINT nID, const UINT* pIDs,
                 const int* pImages, int n) {
        const DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_SIZE_DYNAMIC;
        const BOOL bMade = dwCtrlStyle != 0 ? bar.CreateEx(pParent, dwCtrlStyle, dwStyle, CRect(0, 0, 0, 0), nID)
                                            : bar.Create(pParent, dwStyle, nID);
        if (!bMade) return FALSE;
        bar.SendMessage(TB_LOADIMAGES, IDB_STD_SMALL_COLOR, reinterpret_cast<LPARAM>(HINST_COMMCTRL));
        bar.SetButtons(pIDs, n);
        for (int i = 0; i < n; ++i)
            if (pIDs[i] != 0) bar.SetButtonInfo(i, pIDs[i], TBBS_BUTTON, pImages[i]);
        bar.SetSizes(CSize(23, 22), CSize(16, 16));
        bar.SetWindowText(lpszName);
        if (pParent == this) bar.EnableDocking(CBRS_ALIGN_ANY);
        return TRUE;
    }
    int OnCreate(LPCREATESTRUCT lpcs) {
        if (CFrameWnd::OnCreate(lpcs) == -1) return -1;
        const UINT indicators[] = {ID_SEPARATOR};
        if (!m_wndStatus.Create(this) || !m_wndStatus.SetIndicators(indicators, 1)) return -1;
        m_wndView.Create("Right-click the Edit bar to customise it; Paste drops a menu down.",
                         WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE, CRect(0, 0, 0, 0), this,
                         AFX_IDW_PANE_FIRST);
        m_wndView.SetFont(&GalleryFont());

        // Along the top, a rebar whose band holds a bar of the library.
        if (!m_wndReBar.Create(this) ||
            !MakeBar(m_barFile, &m_wndReBar, TBSTYLE_FLAT, "File", AFX_IDW_TOOLBAR + 20, kFileButtons, kFileImages, 3) ||
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
        RecalcLayout();
        CRect rect;
        m_barEdit.GetWindowRect(&rect);
        rect.OffsetRect(rect.Width(), 0);
        DockControlBar(&m_barFind, AFX_IDW_DOCKBAR_TOP, &rect);
        DockControlBar(&m_barSide, AFX_IDW_DOCKBAR_LEFT);
        DockControlBar(&m_barMore, AFX_IDW_DOCKBAR_BOTTOM);
        return 0;
    }
    void OnDemoCommand(UINT nID) {
        CString str;
        str.Format("Command %u", nID);
        SetMessageText(str);
    }
    void OnUpdateDemoCommand(CCmdUI* pCmdUI) { pCmdUI->Enable(pCmdUI->m_nID != ID_EDIT_REDO); }
    void PostNcDestroy() override {}  // a member of its page

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CToolbarsFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND_RANGE(ID_FILE_NEW, ID_HELP, OnDemoCommand)
    ON_UPDATE_COMMAND_UI_RANGE(ID_FILE_NEW, ID_HELP, OnUpdateDemoCommand)
    ON_COMMAND_RANGE(ID_PASTE_SPECIAL, ID_PASTE_TEXT, OnDemoCommand)
END_MESSAGE_MAP()

class CToolbarsPage : public CGalleryPage {
public:
    CToolbarsPage() : CGalleryPage("Toolbars") {}

    void PrepareSnapshot() override { FloatMore(); }
    BOOL SaveExtraSnapshots(const CString& strPathPrefix, CWnd* pFrame) override {
        // The floating bar is a window of its own, over the page; then the
        // paste menu dropped down from the edit bar.
        CFrameWnd* pMini = m_frame.m_barMore.GetParentFrame();
        if (pMini == nullptr || pMini == &m_frame) return FALSE;
        pMini->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        if (!SaveWindowPngWithPopup(pFrame, strPathPrefix + "-floating.png", pMini->m_hWnd)) return FALSE;
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
    BOOL CreateControls() override {
        CRect rect;
        GetClientRect(&rect);
        rect.DeflateRect(10, 10);
        rect.bottom = rect.top + 360;
        return m_frame.CreateDemo(this, rect);
    }
    // The last bar floats over the lower part of the page.
    void FloatMore() {
        if (m_frame.m_barMore.IsFloating()) return;
        CRect rect;
        m_frame.GetWindowRect(&rect);
        m_frame.FloatControlBar(&m_frame.m_barMore, CPoint(rect.left + 300, rect.bottom + 30));
    }
    void OnShowWindow(BOOL bShow, UINT nStatus) {
        CGalleryPage::OnShowWindow(bShow, nStatus);
        // Floating bars belong to the page: they come and go with it.
        if (bShow) FloatMore();
        CFrameWnd* pMini = m_frame.m_barMore.IsFloating() ? m_frame.m_barMore.GetParentFrame() : nullptr;
        if (pMini != nullptr && pMini != &m_frame) pMini->ShowWindow(bShow ? SW_SHOWNA : SW_HIDE);
    }
    void OnDestroy() {
        m_frame.DestroyWindow();
        CGalleryPage::OnDestroy();
    }
    void OnSize(UINT nType, int cx, int cy) {
        CGalleryPage::OnSize(nType, cx, cy);
        if (m_frame.m_hWnd != nullptr) m_frame.MoveWindow(10, 10, std::max(cx - 20, 0), std::max(cy / 2 + 80, 0));
    }

    CToolbarsFrame m_frame;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CToolbarsPage, CGalleryPage)
    ON_WM_SHOWWINDOW()
    ON_WM_DESTROY()
    ON_WM_SIZE()
END_MESSAGE_MAP()

}  // namespace

CGalleryPage* CreateToolbarsPage() { return new CToolbarsPage; }
