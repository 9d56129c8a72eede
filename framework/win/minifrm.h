// CMiniFrameWnd: a frame with a tool window's small caption.
// CMiniDockFrameWnd: the one that holds a floating control bar: its client
// is a floating CDockBar with the bar in it, its size follows the bar's,
// dragging its caption drags the bar, double-clicking the caption docks
// the bar again, and closing it hides the bar.  Around a bar that can
// change its shape (CBRS_SIZE_DYNAMIC) the frame has sizing borders:
// dragging one asks the bar for a shape of that width (or, by the top or
// bottom edge, that height), and the frame takes the shape the bar gives.
#pragma once

#include "win/dockbar.h"
#include "win/frame.h"

// Posted to an emptied floating frame, which then destroys itself.
#define WM_DESTROYFLOATFRAME 0x037F

class CMiniFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CMiniFrameWnd)
public:
    CMiniFrameWnd();
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                CWnd* pParentWnd = nullptr, UINT nID = 0);
    BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd = nullptr, UINT nID = 0);
};

class CMiniDockFrameWnd : public CMiniFrameWnd {
    DECLARE_DYNCREATE(CMiniDockFrameWnd)
public:
    CMiniDockFrameWnd();

    // Creates the frame owned by pParent (the dock site) with its dock bar
    // aligned as dwBarStyle says (CBRS_ALIGN_*).
    virtual BOOL Create(CWnd* pParent, DWORD dwBarStyle);
    // The frame's window rectangle around a client rectangle (with sizing
    // borders around a bar that can change its shape).
    static void CalcFrameRect(CRect& rect, BOOL bSizable = FALSE);

    void RecalcLayout(BOOL bNotify = TRUE) override;

    CDockBar m_wndDockBar;

protected:
    CControlBar* GetFirstBar();
    void OnClose();
    void OnNcLButtonDown(UINT nHitTest, CPoint point);
    void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    void OnSizing(UINT fwSide, LPRECT pRect);
    // A small bar makes a small frame: no minimum but the frame's own edges.
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    // Whether the frame is sizable: its bar can change its shape.
    BOOL IsSizable();
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    LRESULT OnDestroyFloatFrame(WPARAM, LPARAM);

    DECLARE_MESSAGE_MAP()
};
