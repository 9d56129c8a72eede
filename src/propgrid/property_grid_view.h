// CKXPropertyGridView: the rows of a property grid.  An owner-drawn list
// box, one fixed-height row per shown item (the row's item data is the
// item), the caption column on the left, the value column on the right and a
// movable divider between them.  It owns the categories (the top of the
// tree), the sort order, the fonts and colours of the rows, the three shared
// in-place controls and the tooltip for text that does not fit.  Rows are
// painted by the grid control's painter.
//
// The grid control creates the view as its child and sets m_pGrid; the
// notifications of the items go to the grid's owner (its parent when it has
// none).  Everything that needs the window does nothing before it exists.
#pragma once

#include "propgrid/property_grid_inplace.h"
#include "propgrid/property_grid_item.h"
#include "propgrid/property_grid_tooltip.h"

#include <functional>

class CKXPropertyGrid;
class CKXPropertyGridPaintManager;

class CKXPropertyGridView : public CListBox {
    DECLARE_DYNAMIC(CKXPropertyGridView)
public:
    CKXPropertyGridView();
    ~CKXPropertyGridView() override;

    // --- rows --------------------------------------------------------------
    // Null outside the rows.
    CKXPropertyGridItem* GetItem(int nIndex) const;
    // Null below the last row.
    CKXPropertyGridItem* ItemFromPoint(CPoint point) const;
    // The item of the current row, or null.
    CKXPropertyGridItem* GetSelectedItem() const;
    // The window width times the divider ratio.
    int GetDividerPos() const;
    double GetDividerRatio() const { return m_dDivider; }
    void SetDividerRatio(double dRatio) { m_dDivider = dRatio; }
    // Renumbers the rows and rebuilds them in the current order.
    void Refresh();
    // Deselects the active item, empties the rows, sets the font and the row
    // height.
    void ResetContent();
    // Rebuilds the rows in the order; nothing when it is the current one and
    // bForce is FALSE, or while the window does not exist.
    void SetPropertySort(eKX_PROPERTYSORT sort, BOOL bForce = FALSE);
    eKX_PROPERTYSORT GetPropertySort() const { return m_propertySort; }
    // A new collapsed category at the end, shown in the categorized order.
    CKXPropertyGridItem* AddCategory(CString strCaption);
    CKXPropertyGridItems* GetCategories() const { return m_pCategories; }
    // The row height: a space of the regular font, plus 3.
    int GetRowHeight();

    // --- row primitives ----------------------------------------------------------
    // pItem's row at nIndex (-1: the end) and its shown descendants' below;
    // the index after them.
    int InsertItem(CKXPropertyGridItem* pItem, int nIndex);
    // The rows of pItem's shown descendants below its row nIndex.
    int _DoExpand(CKXPropertyGridItem* pItem, int nIndex);
    // Deletes the rows of pItem's descendants that follow its row.
    void _DoCollapse(CKXPropertyGridItem* pItem);
    void _RefreshIndexes();
    void SwitchExpandState(int nIndex);
    // The active item is deselected, the current row's item selected and
    // made active; the grid is told about a new non-null one.
    void OnSelectionChanged();

    // The rows as the tree rules (CKXPropertyRows) see them.  Changing rows
    // switches the list's redrawing off until the selection change that
    // follows (or the end of the host's life), so that thousands of rows go
    // in without a repaint and a scroll-bar update each.  While the
    // application has switched redrawing off (WM_SETREDRAW), it stays off.
    class CRowHost {
    public:
        explicit CRowHost(CKXPropertyGridView* pView) : m_pView(pView) {}
        ~CRowHost() { Resume(); }
        CRowHost(const CRowHost&) = delete;
        CRowHost& operator=(const CRowHost&) = delete;
        int GetRowCount() const;
        CKXPropertyGridItem* GetRow(int nIndex) const;
        int InsertRow(int nIndex, CKXPropertyGridItem* pItem);
        void DeleteRow(int nIndex);
        int GetCurSel() const;
        void SetCurSel(int nIndex);
        void ResetRows();
        void OnSelectionChanged();

    private:
        bool Live() const { return m_pView != nullptr && m_pView->GetSafeHwnd() != nullptr; }
        void Quiet();
        void Resume();
        CKXPropertyGridView* m_pView;
        bool m_bQuiet = false;
    };
    using CRows = CKXPropertyRows<CKXPropertyGridItem>;

    // --- the look --------------------------------------------------------------
    // Sends KXWM_PROPERTYGRID_NOTIFY to the grid's owner; 0 without windows.
    LRESULT NotifyOwner(WPARAM nCode, LPARAM lParam);
    // The grid's painter; null without a grid.
    CKXPropertyGridPaintManager* GetPaintManager() const;
    // Whether the focus is in the view, in a child of it, or in a window it
    // owns: rows then show their selection in the highlight colour.
    BOOL HasFocusWithin() const;
    // The client area into pDC: the background, then every visible row.
    void Paint(CDC& dc);
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

    CKXPropertyGridInplaceEdit& GetInplaceEdit() { return m_wndEdit; }
    CKXPropertyGridInplaceButton& GetInplaceButton() { return m_wndButton; }
    CKXPropertyGridInplaceList& GetInplaceList() { return m_wndListBox; }
    CKXPropertyGridToolTip& GetToolTip() { return m_wndTip; }
    BOOL IsDividerTracking() const { return m_bTracking; }
    // Set while the grid is being destroyed: nothing is committed then.
    BOOL IsClosing() const { return m_bClosing; }
    // The focus to the next (or previous) control of the dialog after the
    // grid control.
    void FocusNextControl(BOOL bPrevious);
    // The focus to the grid control (to the view without one).
    void FocusGrid();

    CFont m_fontNormal;
    CFont m_fontBold;
    COLORREF m_clrLine;
    COLORREF m_clrFore;
    COLORREF m_clrCategoryFore;
    COLORREF m_clrBack;
    CKXPropertyGrid* m_pGrid = nullptr;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnNcPaint();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnCaptureChanged(CWnd* pWnd);
    void OnSize(UINT nType, int cx, int cy);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    UINT OnGetDlgCode();
    void OnDestroy();
    void OnSelChange();
    LRESULT OnSetRedraw(WPARAM wParam, LPARAM lParam);
    // Redrawing off and on again around work of the view's own, unless the
    // application keeps it off; whether it was switched off.
    bool SuspendRedraw();
    void ResumeRedraw();

    // The divider moved to dRatio: the active item's controls follow.
    void MoveDivider(double dRatio);
    // Hides the in-place controls while the list scrolls.
    void ScrollAround(const std::function<void()>& scroll);
    // Shows the tooltip for the text under point when it does not fit.
    void TrackToolTip(CPoint point);
    // Creates the two fonts from the system's icon-title font.
    void CreateFonts();

    BOOL m_bTracking = FALSE;
    double m_dDivider = 0.5;
    HCURSOR m_hCursor = nullptr;
    CString m_strTipText;
    eKX_PROPERTYSORT m_propertySort = KX_SORT_CATEGORIZED;
    CKXPropertyGridItem* m_pSelected = nullptr;
    CKXPropertyGridItems* m_pCategories;
    CKXPropertyGridToolTip m_wndTip;
    CKXPropertyGridInplaceEdit m_wndEdit;
    CKXPropertyGridInplaceButton m_wndButton;
    CKXPropertyGridInplaceList m_wndListBox;
    BOOL m_bClosing = FALSE;
    BOOL m_bRedraw = TRUE;  // as the application last set it
    CRect m_rcTip;  // the tooltip's place (client coordinates) while it shows

    friend class CKXPropertyGrid;
    friend class CKXPropertyGridItem;
    friend class CKXPropertyGridItems;

    DECLARE_MESSAGE_MAP()
};
