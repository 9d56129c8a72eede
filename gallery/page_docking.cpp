// "Docking": a small frame inside the page with docking toolbars: two side
// by side on top, one down the left edge, one floating in its own small
// frame.  Drag a bar by its gripper to another edge or away from the frame;
// hold Control to keep it from docking; double-click to toggle.
#include "frame_page.h"

namespace {

const UINT kFileButtons[] = {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_FILE_PRINT};
const int kFileImages[] = {STD_FILENEW, STD_FILEOPEN, STD_FILESAVE, 0, STD_PRINT};
const UINT kEditButtons[] = {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, 0, ID_EDIT_UNDO, ID_EDIT_REDO};
const int kEditImages[] = {STD_CUT, STD_COPY, STD_PASTE, 0, STD_UNDO, STD_REDOW};
const UINT kFindButtons[] = {ID_EDIT_FIND, ID_EDIT_REPLACE, 0, ID_HELP};
const int kFindImages[] = {STD_FIND, STD_REPLACE, 0, STD_HELP};
const UINT kMoreButtons[] = {ID_EDIT_CLEAR, ID_FILE_PRINT_PREVIEW, ID_APP_ABOUT};
const int kMoreImages[] = {STD_DELETE, STD_PRINTPRE, STD_PROPERTIES};

class CDemoFrame : public CGalleryDemoFrame {
public:
    CToolBar m_bars[4];

protected:
    BOOL MakeBar(CToolBar& bar, LPCTSTR lpszName, UINT nID, const UINT* pIDs, const int* pImages, int n) {
        if (!bar.CreateEx(this, TBSTYLE_FLAT,
                          WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_SIZE_DYNAMIC,
                          CRect(0, 0, 0, 0), nID))
            return FALSE;
        FillStandardBar(bar, lpszName, pIDs, pImages, n);
        bar.EnableDocking(CBRS_ALIGN_ANY);
        return TRUE;
    }
    int OnCreate(LPCREATESTRUCT lpcs) {
        if (CFrameWnd::OnCreate(lpcs) == -1) return -1;
        if (!CreateStatusAndView("Drag a toolbar by its gripper to any edge, or away to float it.")) return -1;
        if (!MakeBar(m_bars[0], "File", AFX_IDW_TOOLBAR, kFileButtons, kFileImages, 5) ||
            !MakeBar(m_bars[1], "Edit", AFX_IDW_TOOLBAR + 10, kEditButtons, kEditImages, 6) ||
            !MakeBar(m_bars[2], "Find", AFX_IDW_TOOLBAR + 11, kFindButtons, kFindImages, 4) ||
            !MakeBar(m_bars[3], "More", AFX_IDW_TOOLBAR + 12, kMoreButtons, kMoreImages, 3))
            return -1;
        EnableDocking(CBRS_ALIGN_ANY);
        DockControlBar(&m_bars[0]);
        DockBeside(&m_bars[1], &m_bars[0]);
        DockControlBar(&m_bars[2], AFX_IDW_DOCKBAR_LEFT);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDemoFrame, CGalleryDemoFrame)
    ON_WM_CREATE()
END_MESSAGE_MAP()

class CDockingPage : public CFramePage {
public:
    CDockingPage() : CFramePage("Docking") {}

protected:
    CGalleryDemoFrame& GetFrame() override { return m_frame; }
    CControlBar& GetFloatingBar() override { return m_frame.m_bars[3]; }
    int GetFloatingOffset() const override { return 260; }

    CDemoFrame m_frame;
};

}  // namespace

CGalleryPage* CreateDockingPage() { return new CDockingPage; }
