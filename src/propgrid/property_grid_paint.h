// CKXPropertyGridPaintManager: how a property grid looks.  The grid control
// owns one painter and can swap it for a themed one (property_grid_themes.h);
// the painter draws the grid's own surface, the frame and background of the
// view, every row and the in-place button, and sets the colours of the grid
// and its view from the system (RefreshMetrics).
//
// A row is drawn into an off-screen context of its rectangle: the caption
// column from the row's left edge to the divider, the value column right of
// it, a 14-pixel margin on the left and, for rows with children, the expand
// box (the visual style's tree glyph when the painter is themed and a style
// is active).
#pragma once

#include "core/mem_dc.h"
#include "core/theme_wrapper.h"
#include "propgrid/property_grid_layout.h"
#include "win/afxwin.h"

class CKXPropertyGrid;
class CKXPropertyGridItem;
class CKXPropertyGridView;
class CKXPropertyGridInplaceButton;

class CKXPropertyGridPaintManager {
public:
    explicit CKXPropertyGridPaintManager(CKXPropertyGrid* pGrid);
    virtual ~CKXPropertyGridPaintManager();
    CKXPropertyGridPaintManager(const CKXPropertyGridPaintManager&) = delete;
    CKXPropertyGridPaintManager& operator=(const CKXPropertyGridPaintManager&) = delete;

    // The grid control's client area: its face and the help pane.
    virtual void FillPropertyGrid(CDC* pDC);
    // bClient: the view's background; otherwise its 1-pixel frame in the
    // shadow colour (pDC is then the view's window context).
    virtual void FillPropertyGridView(CDC* pDC, BOOL bClient);
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void FillInplaceButton(CDC* pDC, CKXPropertyGridInplaceButton* pButton);
    virtual void RefreshMetrics();

    COLORREF GetFaceColor() const { return m_clrFace; }
    COLORREF GetShadowColor() const { return m_clrShadow; }
    BOOL IsThemed() const { return m_bThemed; }

protected:
    // The view of the grid (null without a grid).
    CKXPropertyGridView* GetView() const;
    // Themed and a visual style is in use.
    BOOL IsStyleActive(const CKXWinThemeWrapper& theme) const;
    // The value of a non-category row: the item's own drawing, or its text
    // single-line, vertically centred, without prefixes.
    void DrawItemValue(CDC& dc, CKXPropertyGridItem* pItem, const CRect& rcValue);
    // The expand box of a row with children, clipped to the caption column:
    // the style's glyph, or a box filled with clrBack and framed in clrText
    // (not on a category) with a minus, or a plus while collapsed.
    void DrawExpandButton(CDC& dc, CKXPropertyGridItem* pItem, const KX_PROPERTY_ROW_LAYOUT& l, COLORREF clrBack,
                          COLORREF clrText);
    // A 1-pixel line or column.
    static void HorzLine(CDC& dc, int x0, int x1, int y, COLORREF clr);
    static void VertLine(CDC& dc, int x, int y0, int y1, COLORREF clr);
    // One row being drawn: an off-screen context over the row's rectangle,
    // drawn in the view's coordinates, with the regular font and transparent
    // text; the row's item and its layout.  Invalid for a request without an
    // item (an empty list's focus) or when no context can be had.
    class CRowDC {
    public:
        CRowDC(CKXPropertyGridPaintManager* pPainter, LPDRAWITEMSTRUCT lpDIS, bool bIndentAtLeastOne);
        ~CRowDC();
        CRowDC(const CRowDC&) = delete;
        CRowDC& operator=(const CRowDC&) = delete;
        bool IsValid() const { return m_pItem != nullptr && m_memDC.IsValid(); }
        CDC& dc() { return m_memDC; }

        CKXPropertyGridItem* m_pItem;
        CKXPropertyGridView* m_pView;
        CRect m_rc;                    // r
        UINT m_nState;                 // ODS_*
        KX_PROPERTY_ROW_LAYOUT m_l;

    private:
        CKXMemDC m_memDC;
        CFont* m_pOldFont = nullptr;
    };

    CKXPropertyGrid* m_pGrid;
    BOOL m_bThemed = FALSE;
    CKXWinThemeWrapper m_themeTree;
    CKXWinThemeWrapper m_themeButton;
    COLORREF m_clrFace = 0;
    COLORREF m_clrShadow = 0;
};
