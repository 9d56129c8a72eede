// MainFrm.h : the main frame, with its status bar.
#pragma once

class CMainFrame : public CMDIFrameWnd {
    DECLARE_DYNAMIC(CMainFrame)
public:
    CMainFrame() = default;

protected:
    CStatusBar m_wndStatusBar;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()
};
