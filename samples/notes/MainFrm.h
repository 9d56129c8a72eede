// MainFrm.h : the main frame, with its docking toolbar and its status bar.
#pragma once

#include "PropertiesBar.h"

class CMainFrame : public CMDIFrameWnd {
    DECLARE_DYNAMIC(CMainFrame)
public:
    CMainFrame() = default;

protected:
    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;
    CPropertiesBar m_wndProperties;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnClose();
    DECLARE_MESSAGE_MAP()
};
