// MainFrm.cpp : the main frame.
#include "stdafx.h"

#include "MainFrm.h"
#include "Notes.h"

IMPLEMENT_DYNAMIC(CMainFrame, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CMDIFrameWnd)
    ON_WM_CREATE()
    ON_WM_CLOSE()
END_MESSAGE_MAP()

static const UINT indicators[] = {
    ID_SEPARATOR,  // the prompt line
    ID_INDICATOR_CAPS,
    ID_INDICATOR_NUM,
};

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CMDIFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
    if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(indicators, sizeof indicators / sizeof(UINT))) {
        TRACE("Failed to create the status bar\n");
        return -1;
    }
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT,
                               WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY |
                                   CBRS_SIZE_DYNAMIC) ||
        !m_wndToolBar.LoadToolBar(IDR_MAINFRAME)) {
        TRACE("Failed to create the toolbar\n");
        return -1;
    }
    m_wndToolBar.SetWindowText("Edit");
    m_wndToolBar.AddDropDownButton(ID_FILE_NEW, IDR_NEWMENU, TRUE);
    // The toolbar docks to any edge and floats; it comes back where it was.
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar);
    // The active document's properties, on the right.
    if (!m_wndProperties.Create(this)) {
        TRACE("Failed to create the properties bar\n");
        return -1;
    }
    LoadBarState("Bars");
    return 0;
}

void CMainFrame::OnClose() {
    SaveBarState("Bars");
    CMDIFrameWnd::OnClose();
}
