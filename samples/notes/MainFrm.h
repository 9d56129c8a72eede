// MainFrm.h : the main frame, with its docking toolbar (the library's: its New
// button drops a menu of document types down) and its status bar.
#pragma once

#include "PropertiesBar.h"

#include "bars/toolbar.h"

class CMainFrame : public CMDIFrameWnd {
    DECLARE_DYNAMIC(CMainFrame)
public:
    CMainFrame() = default;

protected:
    CStatusBar m_wndStatusBar;
    CKXToolBar m_wndToolBar;
    CPropertiesBar m_wndProperties;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnClose();
    DECLARE_MESSAGE_MAP()
};
