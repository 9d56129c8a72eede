// MainFrm.cpp : the main frame.
#include "stdafx.h"

#include "MainFrm.h"
#include "Notes.h"

IMPLEMENT_DYNAMIC(CMainFrame, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CMDIFrameWnd)
    ON_WM_CREATE()
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
    return 0;
}
