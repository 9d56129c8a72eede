// CKXPropertyGrid: the window an application places in a dialog or view to
// show properties: the grid view (the rows) above a help pane that
// shows the selected item's caption and description.  It owns the painter,
// sets the colours, and turns the view's events into the notifications its
// owner receives (KX_PGN_SELECTION_CHANGED, KX_PGN_SORTORDER_CHANGED).
//
// Present so far: creation, the layout of view and pane, painting, themes,
// colours, categories and the sort order.  Not yet: the toolbar with the
// two sort buttons, dragging the pane's splitter, searching items, data
// exchange with application variables and saving the expanded state.
#pragma once

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
    CKXPropertyGridItems* GetCategories() const { return m_wndView.GetCategories(); }
    CKXPropertyGridItem* GetSelectedItem() const { return m_wndView.GetSelectedItem(); }
    void SetPropertySort(eKX_PROPERTYSORT sort) { m_wndView.SetPropertySort(sort); }
    eKX_PROPERTYSORT GetPropertySort() const { return m_wndView.GetPropertySort(); }

    void ShowHelp(BOOL bShow);
    BOOL IsHelpVisible() const { return m_bHelpVisible; }
    void SetHelpHeight(int nHeight);
    // Stored in the view as given (no limits), then the layout.
    void SetViewDivider(double dRatio);

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

    int m_nHelpHeight = 58;
    COLORREF m_clrHelpBack = 0;
    COLORREF m_clrHelpFore = 0;

protected:
    void Reposition(int cx, int cy);
    void RedrawAll();

    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSetFocus(CWnd* pOldWnd);
    void OnSize(UINT nType, int cx, int cy);
    void OnSysColorChange();

    CKXPropertyGridPaintManager* m_pPaintManager;
    CKXPropertyGridView m_wndView;
    BOOL m_bHelpVisible = TRUE;
    eKXPROPERTYGRIDPAINTTHEME m_eTheme = KX_GRIDTHEME_DEFAULT;

    DECLARE_MESSAGE_MAP()
};
