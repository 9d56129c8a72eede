// CKXFlatTabCtrl: a strip of flat, overlapping trapezoid tabs like the sheet
// tabs under a spreadsheet, with scroll buttons at its left end and,
// optionally, a horizontal scroll bar sharing the strip behind a draggable
// gripper.  Each tab may own a child window: the control places them all
// beside the strip and shows only the selected tab's.  The scroll bar stands
// in for the horizontal scroll bar of the selected tab's window.
//
//   m_tabs.Create(WS_CHILD | WS_VISIBLE | KX_FTS_HASHOMEEND | KX_FTS_HSCROLL, rc, this, IDC_TABS);
//   m_list.Create(..., &m_tabs, IDC_LIST);
//   m_tabs.InsertItem(0, "Sheet 1", &m_list);
//
// A click on another tab sends the owner WM_NOTIFY with TCN_SELCHANGING (a
// nonzero reply keeps the old tab) and then TCN_SELCHANGE; selecting from
// code sends nothing.  The tabs' windows are not owned: deleting a tab hides
// its window and hands it to the desktop.
//
// The geometry is CKXFlatTabLayout's; this class measures captions, moves
// windows, paints and turns input into the layout's operations.
#pragma once

#include "tabs/flat_tab_layout.h"
#include "tabs/flat_tab_shape.h"
#include "win/afxwin.h"

class CKXFlatTabCtrl : public CWnd {
    DECLARE_DYNAMIC(CKXFlatTabCtrl)
public:
    // One scroll button.
    class CKXFTButtonState {
    public:
        CRect m_rect;
        bool m_bPressed = false;
        bool m_bEnabled = true;
        UINT m_nCommand = 0;
        UINT m_nShape = 0;  // KX_FTB_STOPBAR, KX_FTB_POINTLEFT
    };

    CKXFlatTabCtrl();
    ~CKXFlatTabCtrl() override;  // deletes every tab (their windows live on)

    // --- operations added by the control, in this order ---------------------
    // Null keeps that font; the fonts are not owned.
    virtual void SetTabFonts(CFont* pNormal, CFont* pSelected);
    // index 0..count, else -1.  The window (may be null) is re-parented to
    // the control and placed beside the strip; the new tab is selected.
    virtual int InsertItem(int nIndex, LPCTSTR lpszText, CWnd* pWnd = nullptr);
    // The caption from the application's string resources (empty when missing).
    virtual int InsertItem(int nIndex, UINT nTextID, CWnd* pWnd = nullptr);
    virtual BOOL DeleteItem(int nIndex);
    virtual void DeleteAllItems();
    virtual BOOL GetItemRect(int nIndex, LPRECT lpRect) const;
    virtual int HitTest(TCHITTESTINFO* pHitTestInfo) const;
    virtual int GetCurSel() const;
    // Returns the previous selection, or -1 (nothing changed) out of range.
    virtual int SetCurSel(int nIndex);
    virtual int GetItemCount() const;
    virtual void SetTipText(int nIndex, LPCTSTR lpszText);
    virtual CString GetTipText(int nIndex) const;
    virtual void Home();
    using CWnd::Create;
    virtual BOOL Create(DWORD dwStyle, const CRect& rect, CWnd* pParentWnd, UINT nID);
    // The index of the button state under the point, -1 for none.
    virtual int ButtonHitTest(CPoint& pt) const;
    // Removes the tab, hides its window and gives it to the desktop; leaves
    // the selection alone.
    virtual BOOL _DeleteItem(int nIndex);
    virtual int GetOverlap() const;

    // --- framework overrides -------------------------------------------------
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    CScrollBar* GetScrollBarCtrl(int nBar) const override;

    // --- tabs ----------------------------------------------------------------
    LPCTSTR GetItemText(int nIndex) const;           // null out of range
    bool SetItemText(int nIndex, LPCTSTR lpszText);  // false out of range
    CWnd* GetItemWindow(int nIndex) const;           // null out of range

    // --- geometry ------------------------------------------------------------
    void SetGripperPosition(int nPos, bool bPercent);
    int GetGripperPosition() const { return m_layout.GetGripperPosition(); }
    const CKXFlatTabLayout& GetLayout() const { return m_layout; }

    // --- look ----------------------------------------------------------------
    // Each setter marks the colours as the user's (a system colour change then
    // keeps them); the four background and edge colours re-create their pen.
    // None repaints.
    void SetTabTextColor(COLORREF clr);
    void SetSelTabTextColor(COLORREF clr);
    void SetTabBackColor(COLORREF clr);
    void SetSelTabBackColor(COLORREF clr);
    void SetTabShadowColor(COLORREF clr);
    void SetTabHilightColor(COLORREF clr);
    COLORREF GetTabTextColor() const { return m_clrText; }
    COLORREF GetSelTabTextColor() const { return m_clrSelText; }
    COLORREF GetTabBackColor() const { return m_clrBack; }
    COLORREF GetSelTabBackColor() const { return m_clrSelBack; }
    COLORREF GetTabShadowColor() const { return m_clrShadow; }
    COLORREF GetTabHilightColor() const { return m_clrHilight; }
    // The system's colours again, and the pens from them.
    void UpdateDefaultColors();

    // Copies the selected window's horizontal scroll state into the embedded bar.
    void SyncScrollBar();

    // Paints the strip into pDC (what WM_PAINT and WM_PRINTCLIENT draw).
    void Paint(CDC* pDC);

protected:
    struct KX_FLATTAB_ITEM {
        CWnd* pWnd = nullptr;   // as given; not owned
        HWND hWnd = nullptr;    // its handle then: every window call goes through it
        CString strText;
        CString strTip;
    };

    // Lays out the strip, the windows and the buttons for the client size.
    void RecalcLayout();
    void EnableButtons();
    void InvalidateTabs();
    // The tab's window when it is still a window; null otherwise (also when
    // it was destroyed behind the control's back).
    HWND LiveWindow(int nIndex) const;
    // Measures tab nIndex's caption in both fonts.
    void MeasureItem(int nIndex, int& cxNormal, int& cxSelected) const;
    void RemeasureAll();
    void CreatePens();
    // After a scroll command: the buttons' states and the tabs again.
    void AfterScroll();
    // Marks an enabled button pressed, shows it at once and captures the mouse.
    void PressButton(int k);
    void EndGripperDrag();
    void UpdateToolTip(MSG* pMsg);
    // Asks the owner (TCN_SELCHANGING) and selects on its consent (TCN_SELCHANGE).
    void SelectByUser(int nIndex);
    LRESULT Notify(UINT nCode);

    // Drawing, in the order of a paint.
    void DrawButton(CDC* pDC, int k, int yStrip);
    void DrawTabs(CDC* pDC, const CRect& rcStrip);
    int DrawTab(CDC* pDC, const CPoint& pt, bool bSelected, int nIndex);
    void DrawGripper(CDC* pDC, int yStrip);
    CPen* PenOf(eKXFLATTABPEN ePen);

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    void OnSysColorChange();
    void OnScrollLeft();
    void OnScrollRight();
    void OnScrollHome();
    void OnScrollEnd();

    // The metrics, the client size, the style bits, the selection, the
    // scroll offset and the gripper are m_layout's.
    bool m_bHasWindows = false;
    bool m_bUserColors = false;
    CFont* m_pFontNormal = nullptr;
    CFont* m_pFontSelected = nullptr;
    COLORREF m_clrShadow = 0;
    COLORREF m_clrText = 0;
    COLORREF m_clrHilight = 0;
    COLORREF m_clrSelBack = 0;
    COLORREF m_clrBack = 0;
    COLORREF m_clrSelText = 0;
    CScrollBar m_wndHScroll;
    CToolTipCtrl m_wndToolTip;
    CPen m_penShadow;
    CPen m_penSelBack;
    CPen m_penBack;
    CPen m_penText;
    CPen m_penHilight;
    CArray<KX_FLATTAB_ITEM*, KX_FLATTAB_ITEM*> m_arrItems;
    bool m_bTracking = false;
    int m_nDragOffset = 0;
    HWND m_hWndPrevFocus = nullptr;
    int m_nLeftButton = 3;
    int m_nRightButton = 3;
    int m_nHomeButton = 3;
    int m_nEndButton = 3;
    CKXFTButtonState m_buttons[4];

    CKXFlatTabLayout m_layout;
    CString m_strLastTip;  // what the tooltip shows now

    DECLARE_MESSAGE_MAP()
};
