// CKXFlatTabLayout: the geometry and scroll state of a flat tab strip, kept
// apart from the window so that it is plain arithmetic.  The control feeds
// it the metrics, its client size and the caption widths it measured; every
// rectangle it paints, hit-tests or gives its child windows comes from here.
//
// Coordinates are client coordinates of the control unless a name says
// otherwise.  "Row" coordinates are those of the row of tabs laid end to end
// from x = 0, before the scroll offset and the arrow area are applied: tab i
// starts in the row at GetTabStart(i), and on the screen at
// GetArrowAreaWidth() + GetTabStart(i) - GetScrollOffset().
//
// Sums are taken in 64 bits and results saturate to int, so no caption
// width, tab count or position an application passes can overflow.
// Indexes out of range give the failure value and change nothing.
#pragma once

#include "base/geometry.h"

#include <vector>

// Style bits of the control (the low bits of its window style).
#define KX_FTS_BOTTOM 0x01      // strip along the bottom edge, tab windows above it
#define KX_FTS_HASARROWS 0x02   // left and right scroll buttons
#define KX_FTS_HASHOMEEND 0x04  // first and last buttons as well (implies the arrows)
#define KX_FTS_TOOLTIPS 0x08    // a tooltip shows each tab's tip text
#define KX_FTS_HSCROLL 0x10     // a horizontal scroll bar and a gripper share the strip
#define KX_FTS_ALL 0x1F

// Commands of the scroll buttons, handled by the control itself.
#define ID_KX_FLATTAB_LEFT 18050
#define ID_KX_FLATTAB_RIGHT 18051
#define ID_KX_FLATTAB_HOME 18052
#define ID_KX_FLATTAB_END 18053

// Shape flags of a scroll button.
#define KX_FTB_STOPBAR 0x001    // a stop bar beyond the arrow's tip
#define KX_FTB_POINTLEFT 0x200  // the arrow points left (else right)

// The gripper is this wide, over the strip's full height.
constexpr int KX_FLATTAB_GRIPPER_WIDTH = 6;

class CKXFlatTabLayout {
public:
    // --- set-up ------------------------------------------------------------
    // cxButton: width of a scroll button; cyTab: height of the strip and of
    // every tab.  Both are clamped to 0..32767, the client size to
    // 0..0x3FFFFFFF.
    void SetMetrics(int cxButton, int cyTab);
    // KX_FTS_* bits; KX_FTS_HASHOMEEND switches KX_FTS_HASARROWS on.
    void SetStyle(UINT nStyle);
    void SetClientSize(int cx, int cy);

    UINT GetStyle() const { return m_nStyle; }
    bool HasStyle(UINT nBits) const { return (m_nStyle & nBits) != 0; }
    int GetButtonWidth() const { return m_cxButton; }
    int GetTabHeight() const { return m_cyTab; }
    int GetClientWidth() const { return m_cxClient; }
    int GetClientHeight() const { return m_cyClient; }

    // --- tabs --------------------------------------------------------------
    // Caption widths of a tab in the normal and in the selected font
    // (negative widths count as 0).
    //
    // Inserting at 0..count shifts the selection with the tab it points at
    // and makes a negative selection 0; the caller then selects the new tab.
    bool InsertTab(int nIndex, int cxNormal, int cxSelected);
    // Removes the tab and nothing else: the selection is the caller's
    // (see AfterDelete).
    bool RemoveTab(int nIndex);
    bool SetCaptionWidths(int nIndex, int cxNormal, int cxSelected);
    int GetCount() const { return static_cast<int>(m_cxNormal.size()); }
    // Whether a deleted tab leaves the selection on tab 0, which the caller
    // must then select again; applies the other rules itself: no tabs left
    // gives -1, a tab deleted before the selected one moves it down by one.
    bool AfterDelete(int nDeleted);

    // --- selection and scrolling -------------------------------------------
    int GetCurSel() const { return m_nSel; }
    // The index alone, without scrolling (the control's bookkeeping).
    void SetSelIndex(int nSel) { m_nSel = nSel; }
    // Selects tab nIndex and scrolls it into view; returns the previous
    // selection, or -1 (nothing changed) for an index out of range.
    int Select(int nIndex);
    int GetScrollOffset() const { return m_nOffset; }
    void SetScrollOffset(int nOffset) { m_nOffset = nOffset; }

    // The scroll buttons: left and right step by one tab against the arrow
    // area's edge; home shows the first tab; end the last one at the right.
    void ScrollLeft();
    void ScrollRight();
    void ScrollHome() { m_nOffset = 0; }
    void ScrollEnd();
    bool IsLeftEnabled() const { return m_nOffset > 0; }
    bool IsRightEnabled() const;

    // --- measures ----------------------------------------------------------
    int GetOverlap() const { return m_cyTab / 2 + 2; }
    // Caption width of tab i in its font (the selected one for the selection).
    int GetCaptionWidth(int i) const;
    // Caption + h + h/2; 0 out of range.
    int GetTabWidth(int i) const;
    // Sum of the widths less the overlaps between neighbours; 0 without tabs.
    int GetTotalTabWidth() const;
    int GetTabStart(int i) const;  // in row coordinates
    int GetButtonCount() const;    // 0, 2 or 4
    int GetArrowAreaWidth() const { return GetButtonCount() * m_cxButton; }
    // Up to the gripper with KX_FTS_HSCROLL, else the client width, less the
    // arrow area.  May be negative in a narrow window.
    int GetTabAreaWidth() const;

    // --- rectangles --------------------------------------------------------
    CRect GetStripRect() const;
    // Where the tabs' windows go: the client area less the strip.
    CRect GetWindowRect() const;
    // Button state k (0..3, in the order home, left, right, end when all
    // four exist, else left, right).
    CRect GetButtonRect(int k) const;
    // The tab's box over the strip; FALSE out of range.
    bool GetItemRect(int i, CRect& rect) const;
    // Empty until the gripper has been placed.
    CRect GetGripperRect() const;
    // From the gripper to h pixels short of the right edge, one pixel taller
    // than the strip on the side of the windows.
    CRect GetScrollBarRect() const;

    // --- hit testing -------------------------------------------------------
    // Only x counts: the arrow area and (with the scroll bar) anything right
    // of the gripper's left edge hit nothing; otherwise tab i covers
    // [start, start + width - overlap], the last tab its whole width, and
    // the first that holds x wins.  -1 for no tab.
    int HitTest(int x) const;
    // The button state under the point, -1 for none.
    int ButtonHitTest(CPoint pt) const;
    // The tabs that meet the tab area at the current offset: [nFirst, nLast).
    void GetVisibleTabs(int& nFirst, int& nLast) const;

    // --- gripper -----------------------------------------------------------
    // Only with KX_FTS_HSCROLL.  With bPercent the position is that share of
    // the client width and the share is kept as given (so a later resize
    // clamps again); otherwise it is pixels and the share follows.  The
    // result is clamped to 0 .. client width - 4 buttons - h.
    void SetGripperPosition(int nPos, bool bPercent);
    int GetGripperPosition() const { return m_nGripperPos; }
    int GetGripperPercent() const { return m_nGripperPercent; }

private:
    bool HasSelection() const { return m_nSel >= 0 && m_nSel < GetCount(); }
    long long Cx(int i) const;              // caption width in its font
    long long Width(int i) const;           // tab width
    long long Start(int i) const;           // row start, i may be count
    long long HitEnd(int i) const;          // right end of tab i's hit range
    long long Total() const;
    void Reindex(int nFrom);                // recomputes m_sumNormal from nFrom on
    bool Monotonic() const { return m_cyTab >= 2; }

    int m_cxButton = 0;
    int m_cyTab = 0;
    UINT m_nStyle = 0;
    int m_cxClient = 0;
    int m_cyClient = 0;
    int m_nSel = -1;
    int m_nOffset = 0;
    int m_nGripperPos = -1;
    int m_nGripperPercent = 0;
    std::vector<int> m_cxNormal;
    std::vector<int> m_cxSelected;
    std::vector<long long> m_sumNormal;  // [i]: sum of the normal widths before tab i
};
