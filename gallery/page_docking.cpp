// "Docking": a small frame inside the page with docking toolbars: two side
// by side on top, one down the left edge, one floating in its own small
// frame.  Drag a bar by its gripper to another edge or away from the frame;
// hold Control to keep it from docking; double-click to toggle.
#include "gallery_page.h"
#include "snapshot.h"

#include <afxext.h>

#include <algorithm>

namespace {

const UINT kFileButtons[] = {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_FILE_PRINT};
const int kFileImages[] = {STD_FILENEW, STD_FILEOPEN, STD_FILESAVE, 0, STD_PRINT};
const UINT kEditButtons[] = {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, 0, ID_EDIT_UNDO, ID_EDIT_REDO};
const int kEditImages[] = {STD_CUT, STD_COPY, STD_PASTE, 0, STD_UNDO, STD_REDOW};
const UINT kFindButtons[] = {ID_EDIT_FIND, ID_EDIT_REPLACE, 0, ID_HELP};
const int kFindImages[] = {STD_FIND, STD_REPLACE, 0, STD_HELP};
const UINT kMoreButtons[] = {ID_EDIT_CLEAR, ID_FILE_PRINT_PREVIEW, ID_APP_ABOUT};
const int kMoreImages[] = {STD_DELETE, STD_PRINTPRE, STD_PROPERTIES};

class CDemoFrame : public CFrameWnd {
public:
    BOOL CreateDemo(CWnd* pParent, const CRect& rect) {
        LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                                reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1));
        return Create(lpszClass, "Docking", WS_CHILD | WS_VISIBLE | WS_BORDER | WS_CLIPCHILDREN, rect, pParent);
    }
    CToolBar m_bars[4];
    CStatusBar m_wndStatus;
    CStatic m_wndView;

protected:
    BOOL MakeBar(CToolBar& bar, LPCTSTR lpszName, UINT nID, const UINT* pIDs, const int* pImages, int n) {
        if (!bar.CreateEx(this, TBSTYLE_FLAT,
                          WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_SIZE_DYNAMIC,
                          CRect(0, 0, 0, 0), nID))
            return FALSE;
        bar.SendMessage(TB_LOADIMAGES, IDB_STD_SMALL_COLOR, reinterpret_cast<LPARAM>(HINST_COMMCTRL));
        bar.SetButtons(pIDs, n);
        for (int i = 0; i < n; ++i)
            if (pIDs[i] != 0) bar.SetButtonInfo(i, pIDs[i], TBBS_BUTTON, pImages[i]);
        bar.SetSizes(CSize(23, 22), CSize(16, 16));
        bar.SetWindowText(lpszName);
        bar.EnableDocking(CBRS_ALIGN_ANY);
        return TRUE;
    }
    int OnCreate(LPCREATESTRUCT lpcs) {
        if (CFrameWnd::OnCreate(lpcs) == -1) return -1;
        const UINT indicators[] = {ID_SEPARATOR};
        if (!m_wndStatus.Create(this) || !m_wndStatus.SetIndicators(indicators, 1)) return -1;
        m_wndView.Create("Drag a toolbar by its gripper to any edge, or away to float it.",
                         WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE, CRect(0, 0, 0, 0), this,
                         AFX_IDW_PANE_FIRST);
        m_wndView.SetFont(&GalleryFont());
        if (!MakeBar(m_bars[0], "File", AFX_IDW_TOOLBAR, kFileButtons, kFileImages, 5) ||
            !MakeBar(m_bars[1], "Edit", AFX_IDW_TOOLBAR + 10, kEditButtons, kEditImages, 6) ||
            !MakeBar(m_bars[2], "Find", AFX_IDW_TOOLBAR + 11, kFindButtons, kFindImages, 4) ||
            !MakeBar(m_bars[3], "More", AFX_IDW_TOOLBAR + 12, kMoreButtons, kMoreImages, 3))
            return -1;
        EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(&m_bars[0]);
        // The second beside the first: a rectangle just right of it.
        RecalcLayout();
        CRect rect;
        m_bars[0].GetWindowRect(&rect);
        rect.OffsetRect(rect.Width(), 0);
        DockControlBar(&m_bars[1], AFX_IDW_DOCKBAR_TOP, &rect);
        DockControlBar(&m_bars[2], AFX_IDW_DOCKBAR_LEFT);
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

BEGIN_MESSAGE_MAP(CDemoFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND_RANGE(ID_FILE_NEW, ID_HELP, OnDemoCommand)
    ON_UPDATE_COMMAND_UI_RANGE(ID_FILE_NEW, ID_HELP, OnUpdateDemoCommand)
END_MESSAGE_MAP()

class CDockingPage : public CGalleryPage {
public:
    CDockingPage() : CGalleryPage("Docking") {}

    void PrepareSnapshot() override { FloatMore(); }
    BOOL SaveExtraSnapshots(const CString& strPathPrefix, CWnd* pFrame) override {
        // The floating bar is a window of its own, over the page.
        CFrameWnd* pMini = m_frame.m_bars[3].GetParentFrame();
        if (pMini == nullptr || pMini == &m_frame) return FALSE;
        pMini->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        return SaveWindowPngWithPopup(pFrame, strPathPrefix + "-floating.png", pMini->m_hWnd);
    }

protected:
    BOOL CreateControls() override {
        CRect rect;
        GetClientRect(&rect);
        rect.DeflateRect(10, 10);
        rect.bottom = rect.top + 360;
        return m_frame.CreateDemo(this, rect);
    }
    // The fourth bar floats over the lower part of the page.
    void FloatMore() {
        if (m_frame.m_bars[3].IsFloating()) return;
        CRect rect;
        m_frame.GetWindowRect(&rect);
        m_frame.FloatControlBar(&m_frame.m_bars[3], CPoint(rect.left + 260, rect.bottom + 30));
    }
    void OnShowWindow(BOOL bShow, UINT nStatus) {
        CGalleryPage::OnShowWindow(bShow, nStatus);
        // Floating bars belong to the page: they come and go with it.
        if (bShow) FloatMore();
        CFrameWnd* pMini = m_frame.m_bars[3].IsFloating() ? m_frame.m_bars[3].GetParentFrame() : nullptr;
        if (pMini != nullptr && pMini != &m_frame) pMini->ShowWindow(bShow ? SW_SHOWNA : SW_HIDE);
    }
    void OnDestroy() {
        m_frame.DestroyWindow();
        CGalleryPage::OnDestroy();
    }
    void OnSize(UINT nType, int cx, int cy) {
        CGalleryPage::OnSize(nType, cx, cy);
        // The small frame takes the page's width and most of its height.
        if (m_frame.m_hWnd != nullptr) m_frame.MoveWindow(10, 10, std::max(cx - 20, 0), std::max(cy / 2 + 80, 0));
    }

    CDemoFrame m_frame;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDockingPage, CGalleryPage)
    ON_WM_SHOWWINDOW()
    ON_WM_DESTROY()
    ON_WM_SIZE()
END_MESSAGE_MAP()

}  // namespace

CGalleryPage* CreateDockingPage() { return new CDockingPage; }
