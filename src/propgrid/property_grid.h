// CKXPropertyGrid: the window an application places in a dialog or view to
// show properties: from the top, an optional toolbar with the two sort
// buttons, the grid view (the rows), and a help pane that shows the selected
// item's caption and description, below a splitter the user drags.  It owns
// the painter, sets the colours and fonts, finds items, exchanges values
// with application variables, keeps which items were expanded, and turns
// the view's events into the notifications its owner receives
// (KX_PGN_SELECTION_CHANGED, KX_PGN_SORTORDER_CHANGED).
#pragma once

#include "base/map_types.h"
#include "propgrid/property_grid_layout.h"
#include "propgrid/property_grid_toolbar.h"
#include "propgrid/property_grid_view.h"

enum eKXPROPERTYGRIDPAINTTHEME {
    KX_GRIDTHEME_DEFAULT = 0,
    KX_GRIDTHEME_NATIVEXP = 1,
    KX_GRIDTHEME_OFFICE2003 = 2,
    KX_GRIDTHEME_COOL = 3,
    KX_GRIDTHEME_SIMPLE = 4,
    KX_GRIDTHEME_DELPHI = 5,
};

class CKXPropertyGrid : public CWnd {
    DECLARE_DYNAMIC(CKXPropertyGrid)
public:
    CKXPropertyGrid();
    ~CKXPropertyGrid() override;

    // A child window with the view inside; FALSE when a window cannot be made.
    using CWnd::Create;
    virtual BOOL Create(const RECT& rect, CWnd* pParentWnd, UINT nID);

    CKXPropertyGridView& GetGridView() { return m_wndView; }
    CKXPropertyGridItem* AddCategory(CString strCaption) { return m_wndView.AddCategory(strCaption); }
    // The caption from the application's string resource (no description).
    CKXPropertyGridItem* AddCategory(UINT nID);
    CKXPropertyGridItems* GetCategories() const { return m_wndView.GetCategories(); }
    CKXPropertyGridItem* GetSelectedItem() const { return m_wndView.GetSelectedItem(); }
    // Depth first among all items, categories included; null when none.
    CKXPropertyGridItem* FindItem(UINT nID) const;
    CKXPropertyGridItem* FindItem(CString strCaption) const;
    // Empties the rows, then releases every category.
    void ResetContent();
    // Whether the item was found.
    BOOL SetItemReadOnly(UINT nID, BOOL bReadOnly);
    void SetPropertySort(eKX_PROPERTYSORT sort) { m_wndView.SetPropertySort(sort); }
    eKX_PROPERTYSORT GetPropertySort() const { return m_wndView.GetPropertySort(); }

    void ShowHelp(BOOL bShow);
    BOOL IsHelpVisible() const { return m_bHelpVisible; }
    void SetHelpHeight(int nHeight);
    // The toolbar is made the first time it shows (from the library's own
    // resource); CreateToolbar makes it from another toolbar resource.
    void ShowToolBar(BOOL bShow);
    BOOL IsBarVisible() const { return m_bToolBarVisible; }
    BOOL CreateToolbar(UINT nIDResource = 0);
    CToolBar& GetToolBar() { return m_wndToolBar; }
    // Stored in the view as given (no limits), then the layout.
    void SetViewDivider(double dRatio);
    // The rows' regular and bold fonts made from pFont's description.
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);

    // --- values --------------------------------------------------------------------
    // UpdateData of the item of every row shown (collapsed items are not
    // visited); TRUE when all of them succeeded.
    BOOL UpdateData(BOOL bSaveAndValidate);
    // The item nID exchanges its native value with the variable (save: into
    // the variable); FALSE when there is no such item.  The item must be
    // of the type the variable names: Bool (int), Number (long), Color
    // (DWORD), Font (LOGFONT), Rect (CRect), Size (CSize), Icon (HICON); any
    // item's text for a CString.
    BOOL UpdateItemValue(int& nValue, UINT nID, BOOL bSaveAndValidate);
    BOOL UpdateItemValue(long& nValue, UINT nID, BOOL bSaveAndValidate);
    BOOL UpdateItemValue(DWORD& dwValue, UINT nID, BOOL bSaveAndValidate);
    BOOL UpdateItemValue(LOGFONT& lfValue, UINT nID, BOOL bSaveAndValidate);
    BOOL UpdateItemValue(CRect& rcValue, UINT nID, BOOL bSaveAndValidate);
    BOOL UpdateItemValue(CSize& szValue, UINT nID, BOOL bSaveAndValidate);
    BOOL UpdateItemValue(HICON& hValue, UINT nID, BOOL bSaveAndValidate);
    BOOL UpdateItemValue(CString& strValue, UINT nID, BOOL bSaveAndValidate);

    // --- which items are expanded --------------------------------------------------------
    // Records the expanded state of every item with an identifier, and the
    // selected item's identifier into nSelectedID (0 when none).
    void SaveExpandingState(int& nSelectedID);
    // Expands or collapses the recorded items and selects nSelectedID.
    void RestoreExpandingState(int nSelectedID);

    // The painter of the theme; values outside the six keep the default one.
    void SetTheme(eKXPROPERTYGRIDPAINTTHEME eTheme);
    eKXPROPERTYGRIDPAINTTHEME GetCurrentTheme() const { return m_eTheme; }
    // Takes ownership of pPaintManager (null is refused); the old one goes.
    void SetCustomTheme(CKXPropertyGridPaintManager* pPaintManager);
    CKXPropertyGridPaintManager* GetPaintManager() const { return m_pPaintManager; }
    // The painter's colours again, everything redrawn.
    void SetStandardColors();
    void SetCustomColors(COLORREF clrHelpBack, COLORREF clrHelpFore, COLORREF clrViewLine, COLORREF clrViewBack,
                         COLORREF clrViewFore, COLORREF clrCategoryFore);

    // From the view: a selection change (pane redrawn; the owner told about
    // a non-null item) and a new sort order (the owner told).
    void OnSelectionChanged(CKXPropertyGridItem* pItem);
    void OnSortChanged();
    // The help pane's rectangle (empty while hidden).
    CRect GetHelpRect() const;
    // Where the toolbar, the view, the splitter and the help pane are now.
    KX_PROPERTY_GRID_LAYOUT GetLayout() const;

    int m_nHelpHeight = 58;
    COLORREF m_clrHelpBack = 0;
    COLORREF m_clrHelpFore = 0;

protected:
    void Reposition(int cx, int cy);
    void RedrawAll();
    // The sort buttons show the order.
    void RefreshToolBarButtons();
    // The tracking loop of the help pane's splitter.
    void TrackHelpSplitter(CPoint point);

    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnSortCategorized();
    void OnSortAlphabetical();
    BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);

    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSetFocus(CWnd* pOldWnd);
    void OnSize(UINT nType, int cx, int cy);
    void OnSysColorChange();

    CKXPropertyGridPaintManager* m_pPaintManager;
    CKXPropertyGridView m_wndView;
    BOOL m_bHelpVisible = TRUE;
    BOOL m_bToolBarVisible = FALSE;
    CKXPropertyGridToolBar m_wndToolBar;
    HCURSOR m_hCursorSplit = nullptr;
    eKXPROPERTYGRIDPAINTTHEME m_eTheme = KX_GRIDTHEME_DEFAULT;
    CMap<UINT, UINT, BOOL, BOOL> m_mapExpanding;

    DECLARE_MESSAGE_MAP()
};
