// CKXOutBarLayout: where everything of an outlook bar lies.  The folder
// buttons are stacked at the top up to the selected one and at the bottom
// after it; the inside rectangle between them shows the selected folder's
// items in a column, each an icon with its caption (centred below it in
// large view, right of it in small view), scrolled by whole items.
//
// The window supplies three measurements: its client rectangle, the image
// size and count of an image list, and the size of a caption in the bar's
// font.  Painting, hit testing and every rectangle query use this class.
//
// Item positions depend on every item above them.  They are measured once
// and kept until something that moves items changes (an item's caption or
// image, the order or number of items, a folder's view or image lists,
// the spacing, the width of the inside rectangle, an image list's size,
// or InvalidateLayout for the font), so scrolling through a long folder
// measures each item once and painting touches only the items on screen.
#pragma once

#include "base/geometry.h"
#include "bars/outbar_model.h"

#include <vector>

// What a dragged item would be dropped on (CKXOutBarLayout::GetDropTarget).
enum eKX_OUTBAR_DROP {
    KX_DROP_NONE = 0,    // nowhere: the no-drop cursor
    KX_DROP_ITEM = 1,    // before an item of the selected folder
    KX_DROP_END = 2,     // after the last item
    KX_DROP_FOLDER = 3,  // appended to another folder (OUTBAR_DROPONFOLDERS)
};

class CKXOutBarLayout : public CKXOutBarModel {
public:
    CKXOutBarLayout() = default;

    // --- geometry (virtual, so that a variant can change the look) ------------------
    // FALSE, rc untouched, without folders or for a bad index.
    virtual BOOL GetFolderRect(int nIndex, CRect& rc) const;
    virtual void GetInsideRect(CRect& rc) const;
    // Kind 1: the icon, 2: the caption, 3: the whole item; (0, 0) otherwise.
    virtual CSize GetItemSize(int nFolder, int nIndex, int nKind);
    // FALSE, rc empty, for a bad folder or item.
    virtual BOOL GetItemRect(int nFolder, int nIndex, CRect& rc);
    virtual BOOL GetIconRect(int nFolder, int nIndex, CRect& rc);
    virtual BOOL GetLabelRect(int nFolder, int nIndex, CRect& rc);
    // nFirst is the first item shown; nLast the last one wholly inside,
    // m_nFirstItem - 1 when even that one sticks out.  nLast is not written
    // for an empty folder or a scroll position at or past the count.
    virtual void GetVisibleRange(int nFolder, int& nFirst, int& nLast);
    // An OBHT_ code; nIndex receives the folder or item (not written for
    // the scroll buttons and nowhere).
    virtual int HitTestEx(const CPoint& pt, int& nIndex);
    // The drop mark before item nIndex (past the last item when nIndex is
    // the count or more): 0 above the first item, 1 between two items,
    // 2 below the last one.
    virtual int GetDragItemRect(int nIndex, CRect& rc);

    // --- helpers of the window --------------------------------------------------------
    // Places the scroll buttons (squares of nSide) in the inside rectangle's
    // corners and shows each when there is something to scroll to.
    void LayoutScrollButtons(int nSide);
    // Whether the last item's bottom is below the inside rectangle's.
    BOOL CanScrollDown();
    // What a dragged item over pt would be dropped on; nTarget receives the
    // item (KX_DROP_ITEM), the count (KX_DROP_END) or the folder.
    eKX_OUTBAR_DROP GetDropTarget(const CPoint& pt, int& nTarget);
    // Whether item nIndex of the selected folder is shown whole and at or
    // after the scroll position.
    BOOL IsItemWhollyVisible(int nIndex);
    // Measurements are out of date (a new font).
    void InvalidateLayout() { ++m_nLayoutRevision; }

    // The drop mark drawn in rcMark: a line across its middle with arrow
    // heads of 7, 5 and 3 pixels at both ends; the area it covers.
    static CRect DropMarkBounds(const CRect& rcMark);
    // One tick of the selection jiggle: advances nStep (-1 to 10, then
    // round again) and says whether to draw the selected icon, moved by dx
    // and dy from its place.
    static bool JiggleStep(int& nStep, int& dx, int& dy);
    // The rename edit over a caption nText wide: small view, right of the
    // icon; large view, centred on the inside rectangle.
    CRect GetItemEditRect(int nIndex, int cxText);
    // An edit rectangle kept within the inside rectangle shrunk by 5: when
    // wider, its right edge (and, unless in small view, its left edge) is
    // set to that rectangle's.
    CRect ClampEditRect(CRect rc, BOOL bSmallView) const;
    // The rename edit while typing: at least as wide as it started and as
    // its text (cxText) with the same padding, centred (large view) or
    // growing to the right (small view), kept within the same limits.
    CRect FitEditRect(const CRect& rcStart, int cxText, BOOL bSmallView) const;
    // A tool box row from an item's icon rectangle: the whole inside width
    // less nInset at each side, nGrow taller at the top and bottom, and
    // short of a scroll button (by 6 + cxThumb) when it reaches beside a
    // shown one.
    static CRect ToolBoxRow(const CRect& rcIcon, const CRect& rcInside, int nInset, int nGrow, BOOL bUpVisible,
                            const CRect& rcUp, BOOL bDownVisible, const CRect& rcDown, int cxThumb);

protected:
    // --- what the window measures ---------------------------------------------------
    virtual void GetBarClientRect(CRect& rc) const = 0;
    // The size of every image of the list and how many it holds.
    virtual void GetImageListInfo(CImageList* pList, CSize& szImage, int& nCount) = 0;
    // A caption in the bar's font: small view one line; large view the
    // rectangle that word-wrapped, centred text takes between nLeft and nRight.
    virtual CSize MeasureLabel(const CString& strText, BOOL bSmall, int nLeft, int nRight) = 0;

    // The item of a folder, through the measured snapshot when it is current.
    CKXBarItem* ItemAt(int nFolder, int nIndex);
    // The gap added below each item of a folder.
    int ItemGap(int nFolder) const { return IsSmallIconView(nFolder) ? m_nSmallItemSpacing : m_nLargeItemSpacing; }

    int m_nFolderHeight = 22;
    int m_nDropMarkIndex = -1;  // position of the drop mark drawn last
    int m_nDropMarkKind = -1;
    BOOL m_bUpArrowVisible = FALSE;
    BOOL m_bDownArrowVisible = FALSE;
    CRect m_rcUpArrow;
    CRect m_rcDownArrow;
    int m_nLargeIconTextGap = 3;
    int m_nSmallIconTextGap = 4;
    int m_nItemMarginX = 5;
    int m_nItemMarginY = 5;

private:
    // What the measurements of one folder were taken with.
    struct MeasureKey {
        const CKXBarFolder* pFolder = nullptr;
        unsigned nRevision = 0;
        unsigned nLayoutRevision = 0;
        BOOL bSmall = FALSE;
        int nLeft = 0, nRight = 0;
        CImageList* pList = nullptr;
        CSize szImage;
        int nImages = 0;
        int nGap = 0, nSpacing = 0, nTextGap = 0;
        bool operator==(const MeasureKey&) const = default;
    };
    MeasureKey CurrentKey(int nFolder);
    // Measures the items of nFolder up to nUpTo (clamped to the count);
    // FALSE for a bad folder.
    BOOL Measure(int nFolder, int nUpTo);
    // The top of item nIndex relative to the inside top, as stacked, and
    // the scroll offset that applies to it.
    int StackTop(int nIndex) const { return m_stack[static_cast<size_t>(nIndex)]; }
    int ScrollOffset(int nIndex) const;
    // Item nIndex's whole size and stacked top (screen y); FALSE for a bad item.
    BOOL Place(int nFolder, int nIndex, CSize& szWhole, int& y);

    unsigned m_nLayoutRevision = 0;
    MeasureKey m_key;                 // valid while m_key.pFolder is set
    std::vector<CKXBarItem*> m_items;  // the folder's items in order
    std::vector<CSize> m_whole;        // measured whole sizes, from item 0
    std::vector<int> m_stack;          // tops relative to the inside top; one more than m_whole
};
