// MainFrm.h : the main frame, with its docking toolbar and its status bar.
#pragma once

class CMainFrame : public CMDIFrameWnd {
    DECLARE_DYNAMIC(CMainFrame)
public:
    CMainFrame() = default;

protected:
    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnClose();
    DECLARE_MESSAGE_MAP()
};
