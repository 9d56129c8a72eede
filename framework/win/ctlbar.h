// CControlBar: the base of the bars that sit along a window's edge
// (toolbars, status bars, dialog bars).  It keeps the bar's CBRS_ style
// bits apart from the window style, updates its items through command
// routing when the application is idle (WM_IDLEUPDATECMDUI), takes its
// edge when its frame lays out (WM_SIZEPARENT), draws its borders and
// gripper, and may delete itself when its window goes.  A bar whose frame
// allows it docks along any edge its docking style names or floats in a
// small frame of its own (see CDockBar, CDockContext, CMiniDockFrameWnd).
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
#ifndef AFX_IDW_CONTROLBAR_FIRST
#define AFX_IDW_CONTROLBAR_FIRST 0xE800
#define AFX_IDW_CONTROLBAR_LAST 0xE8FF
#define AFX_IDW_TOOLBAR 0xE800
#define AFX_IDW_STATUS_BAR 0xE801
#endif
#ifndef AFX_IDW_DOCKBAR_TOP
#define AFX_IDW_DOCKBAR_TOP 0xE81B
#define AFX_IDW_DOCKBAR_LEFT 0xE81C
#define AFX_IDW_DOCKBAR_RIGHT 0xE81D
#define AFX_IDW_DOCKBAR_BOTTOM 0xE81E
#define AFX_IDW_DOCKBAR_FLOAT 0xE81F
#endif

// What CalcDynamicLayout is asked for.
#define LM_STRETCH 0x01   // fill the whole length (docked, CBRS_SIZE_FIXED bars)
#define LM_HORZ 0x02      // horizontal, else vertical
#define LM_MRUWIDTH 0x04  // the width the floating bar had last
#define LM_HORZDOCK 0x08  // the size docked along a horizontal edge
#define LM_VERTDOCK 0x10  // the size docked along a vertical edge
#define LM_LENGTHY 0x20   // nLength is a height, not a width
#define LM_COMMIT 0x40    // remember the result as the floating width

class CFrameWnd;
class CDockBar;
class CDockContext;
class CDC;

// The framework's bar colours and border metrics, read from the system
// (again after WM_SYSCOLORCHANGE, which frames pass on to their bars).
struct AFX_BARDATA {
    int cxBorder2 = 2, cyBorder2 = 2;  // a bar border: a dark and a light line
    COLORREF clrBtnFace = 0, clrBtnShadow = 0, clrBtnHilite = 0, clrWindowFrame = 0, clrBtnText = 0;
    void UpdateSysColors();
};
AFX_BARDATA& AfxGetBarData();

class CControlBar : public CWnd {
    DECLARE_DYNAMIC(CControlBar)
public:
    CControlBar();
    ~CControlBar() override;

    DWORD GetBarStyle() const { return m_dwStyle; }
    // Keeps the CBRS_ bits; a change reaches OnBarStyleChange.
    void SetBarStyle(DWORD dwStyle);
    void SetBorders(int cxLeft = 0, int cyTop = 0, int cxRight = 0, int cyBottom = 0);
    void SetBorders(LPCRECT lpRect) { SetBorders(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }
    CRect GetBorders() const { return CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder); }

    virtual int GetCount() const { return 0; }
    // The bar's size along its edge; bStretch fills the whole length.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    // The size for a layout mode (LM_*): a bar that can change its shape
    // (CBRS_SIZE_DYNAMIC) answers for a length; others give their fixed size.
    virtual CSize CalcDynamicLayout(int nLength, DWORD dwMode);
    // rect less the borders and the gripper the bar shows.
    virtual void CalcInsideRect(CRect& rect, BOOL bHorz) const;
    // Paints the bar's client area (borders and gripper for bars drawn there).
    virtual void DoPaint(CDC* pDC);
    // Draws the border lines the style asks for and shrinks rect by them.
    virtual void DrawBorders(CDC* pDC, CRect& rect);
    virtual void DrawGripper(CDC* pDC, const CRect& rect);
    virtual void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle);
    virtual BOOL IsDockBar() const { return FALSE; }
    // Updates the bar's items through pTarget's command routing: the
    // owner when it is a frame, else the frame the bar is in.
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) = 0;
    // A bar in a window that is not in any frame (a dialog, say) updates
    // through that window's routing instead; bars that can do so override
    // this (the toolbar and the status bar do).
    virtual void OnUpdateCmdUIOutsideFrame(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    // Docking: the edges the bar may dock to (CBRS_ALIGN_*, CBRS_FLOAT_MULTI).
    void EnableDocking(DWORD dwDockStyle);
    BOOL IsFloating() const;
    BOOL IsVisible() const;
    // The frame the bar docks in (the main frame also while it floats).
    CFrameWnd* GetDockingFrame() const;
    // Shows or hides the bar when the application is next idle.
    void DelayShow(BOOL bShow);

    BOOL m_bAutoDelete = FALSE;  // delete the object when its window is destroyed
    int m_cxDefaultGap = 2;      // between bars docked in one row
    int m_nMRUWidth = 32767;     // the width the bar had when it last floated

    DWORD m_dwDockStyle = 0;             // the edges it may dock to; 0: none
    CFrameWnd* m_pDockSite = nullptr;    // the frame it docks in
    CDockBar* m_pDockBar = nullptr;      // the dock bar holding it, if any
    CDockContext* m_pDockContext = nullptr;  // the drag tracker, when docking is enabled

    enum StateFlags { delayHide = 1, delayShow = 2, tempHide = 4, statusSet = 8 };
    UINT m_nStateFlags = 0;

    // Tips, and with CBRS_FLYBY the prompt of the item under the mouse in
    // the frame's status bar (the idle prompt again once the mouse leaves).
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    void PostNcDestroy() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The window that routes the bar's commands: the owner, else the parent.
    CWnd* GetRoutingTarget() const;
    // Paints the non-client area: face, borders, gripper (for bars whose
    // client a control paints, such as the toolbar).
    void EraseNonClient();
    // The non-client area the borders and gripper take (WM_NCCALCSIZE).
    void CalcNcInsideRect(NCCALCSIZE_PARAMS* lpncsp);
    // Makes the whole bar cyHeight high around content cyContent high: the
    // border lines, then the space split into top and bottom borders (the
    // odd pixel on top).
    void SetHeightAround(int cyHeight, int cyContent);

    LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM);
    // Takes the bar's edge of the space its parent lays out (WM_SIZEPARENT).
    LRESULT OnSizeParent(WPARAM, LPARAM lParam);
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    void OnDestroy();
    void OnTimer(UINT_PTR nIDEvent);
    // Shows the prompt of item nHit (the idle prompt for -1) unless it shows.
    void ShowFlyby(INT_PTR nHit);

    DWORD m_dwStyle = 0;
    INT_PTR m_nFlybyHit = -1;  // the item whose prompt the status bar shows
    int m_cxLeftBorder = 6, m_cxRightBorder = 6;
    int m_cyTopBorder = 1, m_cyBottomBorder = 1;

    friend class CFrameWnd;
    friend class CDockBar;
    friend class CDockContext;
    DECLARE_MESSAGE_MAP()
};
