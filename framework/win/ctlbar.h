// CControlBar: the base of the bars that sit along a window's edge
// (toolbars, status bars).  It keeps the bar's CBRS_ style bits apart from
// the window style, updates its items through command routing when the
// application is idle (WM_IDLEUPDATECMDUI), takes its edge when its frame
// lays out (WM_SIZEPARENT), and may delete itself when its window goes.  Docking and floating are not part of this framework.
#pragma once

#include "win/cmdtarget.h"
#include "win/wnd.h"

// Bar styles (kept in m_dwStyle, not in the window style).
#define CBRS_ALIGN_LEFT 0x1000L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_RIGHT 0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY 0xF000L
#define CBRS_BORDER_LEFT 0x0100L
#define CBRS_BORDER_TOP 0x0200L
#define CBRS_BORDER_RIGHT 0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_BORDER_ANY 0x0F00L
#define CBRS_TOOLTIPS 0x0010L
#define CBRS_FLYBY 0x0020L
#define CBRS_FLOAT_MULTI 0x0040L
#define CBRS_BORDER_3D 0x0080L
#define CBRS_HIDE_INPLACE 0x0008L
#define CBRS_SIZE_DYNAMIC 0x0004L
#define CBRS_SIZE_FIXED 0x0002L
#define CBRS_FLOATING 0x0001L
#define CBRS_GRIPPER 0x00400000L
#define CBRS_ORIENT_HORZ (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_ALL 0x0040FFFFL
#define CBRS_NOALIGN 0x00000000L
#define CBRS_LEFT (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

// Standard bar identifiers.
#define AFX_IDW_CONTROLBAR_FIRST 0xE800
#define AFX_IDW_CONTROLBAR_LAST 0xE8FF
#define AFX_IDW_TOOLBAR 0xE800
#define AFX_IDW_STATUS_BAR 0xE801

class CFrameWnd;

class CControlBar : public CWnd {
    DECLARE_DYNAMIC(CControlBar)
public:
    CControlBar();

    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD dwStyle) { m_dwStyle = dwStyle & CBRS_ALL; }
    void SetBorders(int cxLeft = 0, int cyTop = 0, int cxRight = 0, int cyBottom = 0);
    CRect GetBorders() const { return CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder); }

    virtual int GetCount() const { return 0; }
    // The bar's size along its edge; bStretch fills the whole length.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    // Updates the bar's items through pTarget's command routing: the
    // owner when it is a frame, else the frame the bar is in.
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;
    // A bar in a window that is not in any frame (a dialog, say) updates
    // through that window's routing instead; bars that can do so override
    // this (the toolbar and the status bar do).
    virtual void OnUpdateCmdUIOutsideFrame(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    BOOL m_bAutoDelete = FALSE;  // delete the object when its window is destroyed

protected:
    void PostNcDestroy() override;
    // The window that routes the bar's commands: the owner, else the parent.
    CWnd* GetRoutingTarget() const;
    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM);
    // Takes the bar's edge of the space its parent lays out (WM_SIZEPARENT).
    LRESULT OnSizeParent(WPARAM, LPARAM lParam);

    DWORD m_dwStyle = 0;
    int m_cxLeftBorder = 6, m_cxRightBorder = 6;
    int m_cyTopBorder = 1, m_cyBottomBorder = 1;

    DECLARE_MESSAGE_MAP()
};
