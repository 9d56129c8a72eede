// CKXColorSelectorCtrl: a grid of colour cells with an item above it (the
// automatic colour, or "no fill") and, optionally, a row of user colours
// and an item below it that opens the colour dialog.  Mouse and keyboard
// move the highlight; a click, Return or Space ends the selection, Escape
// cancels it.  The ending is sent to every listener window as one of the
// KXCPN_* messages (colour in WPARAM, the tag in LPARAM: 0 here, the
// popup's tag for CKXColorPopup).
//
//   m_wndSelector.Create(CRect(x, y, x, y), this, KXCPS_USERCOLORS, clrNow, clrAuto);
//   // the window opens below the rectangle's bottom edge, sized to its cells
//
// The geometry is KXColorGridSize/KXLayoutColorCells'; this class loads the
// texts, keeps the cells, paints them and turns input into selections.
#pragma once

#include "colour/color_grid_layout.h"
#include "colour/color_selection.h"
#include "win/afxwin.h"
#include "win/ctl_common.h"

// One item of the selector, in index order.
struct KX_COLOR_CELL {
    UINT nID;          // tooltip string; 0 for user colours
    int nIndex;
    bool bSelected;
    RECT rect;         // client coordinates
    DWORD dwType;      // KXCELL_COLOR, KXCELL_BOTTOM, or the style word for the top item
    TCHAR szText[256]; // the top and bottom items' text, else empty
    COLORREF clr;      // top item: the default colour; bottom item: the current colour
};

class CKXColorDialog;

class CKXColorSelectorCtrl : public CWnd {
    DECLARE_DYNAMIC(CKXColorSelectorCtrl)
public:
    CKXColorSelectorCtrl();
    ~CKXColorSelectorCtrl() override;

    // Opens below rect (its left and bottom edges), sized to the cells; a
    // popup window with KXCPS_POPUP, else a child of pParentWnd.  The parent
    // becomes the first listener.
    virtual BOOL Create(CRect rect, CWnd* pParentWnd, DWORD dwStyle, COLORREF clrColor,
                        COLORREF clrDefault = KXCOLOR_UNSET);

    // Marks the colour cells holding clr selected (the top and bottom items
    // keep their marks) and repaints.
    void SelectColor(COLORREF clr);
    COLORREF GetColor() const { return m_clrColor; }
    COLORREF GetDefaultColor() const { return m_clrDefault; }
    // Highlights the cell (null: none) and repaints.
    void SelectColorCell(KX_COLOR_CELL* pCell);
    // Highlights the cell of that index when there is one.
    void SetCurSel(int nIndex);
    int GetCurSel(KX_COLOR_CELL* pCell = nullptr) const;
    KX_COLOR_CELL* GetCellFromIndex(int nIndex) const;  // null out of range
    int GetCellCount() const { return static_cast<int>(m_arCells.GetSize()); }
    int GetLastIndex() const { return m_nLastIndex; }
    int GetPressedIndex() const { return m_nPressed; }
    DWORD GetSelectorStyle() const { return m_dwStyle; }

    // While the colour dialog shows the selector ignores keys and the mouse.
    BOOL IsColorDlgVisible() const;
    // The dialog the bottom item opened, while it runs (tests answer it).
    CKXColorDialog* GetColorDialog() const { return m_pColorDlg; }

    void AddListener(HWND hWnd);
    void RemoveListener(HWND hWnd);

    // Ends the selection on nIndex (-1 cancels) with tag 0.
    virtual void EndSelection(int nIndex);

    BOOL PreTranslateMessage(MSG* pMsg) override;

    // Paints every cell into pDC (what WM_PAINT and WM_PRINTCLIENT draw).
    void Paint(CDC* pDC);
    virtual void DrawColorCell(KX_COLOR_CELL* pCell, CDC* pDC, BOOL bHot, BOOL bPressed);

    // The user colours every selector shows (the module keeps them).
    static CUIntArray m_arUserDefColors;

protected:
    // The ending of nIndex sent to the listeners with lTag; the colour
    // dialog runs first for the bottom item.
    void EndSelectionWithTag(int nIndex, long lTag);
    void BuildCells();
    void DeleteCells();
    void MoveHighlight(UINT nChar);
    COLORREF BackgroundColor(CDC* pDC);

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnMouseLeave();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    UINT OnGetDlgCode();
    LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcHitTest(CPoint point);

    int m_nRows = 0;
    int m_nCols = KXCOLOR_COLUMNS;
    int m_nLastIndex = 16;         // colours of the fixed grid until Create makes it L
    int m_nCurSel = -1;            // highlighted index
    int m_nPressed = -1;           // where the left button went down
    CWnd* m_pParentWnd = nullptr;
    CRect m_rcWnd;
    int m_cxCell = KXCOLOR_CELL;
    int m_cyCell = KXCOLOR_CELL;
    int m_nMarginLeft = 0, m_nMarginTop = 0, m_nMarginRight = 0, m_nMarginBottom = 0;
    DWORD m_dwStyle = 0;
    CPoint m_ptLast;
    COLORREF m_clrColor = KXCOLOR_UNSET;
    COLORREF m_clrDefault = KXCOLOR_UNSET;
    CToolTipCtrl m_tooltip;
    CList<HWND, HWND> m_listListeners;
    CTypedPtrArray<CPtrArray, KX_COLOR_CELL*> m_arCells;
    CKXColorDialog* m_pColorDlg = nullptr;
    CString m_strCaption;          // drawn above the 16-colour grid
    HFONT m_hFont = nullptr;       // WM_SETFONT's; not owned

    DECLARE_MESSAGE_MAP()
};
