// CDockContext: moving a dockable bar with the mouse.  StartDrag runs a
// loop with the mouse captured, drawing the bar's outline on the screen
// where it would land (thin where it would dock, thick where it would
// float); the control key keeps it from docking, Escape cancels.  On
// release the bar docks at the edge under the outline or floats there.
// ToggleDocking (a double click) sends a docked bar back to where it last
// floated and a floating one back to where it was docked.
#pragma once

#include "base/dock_layout.h"
#include "win/ctlbar.h"

class CDockContext {
public:
    explicit CDockContext(CControlBar* pBar);
    virtual ~CDockContext();
    CDockContext(const CDockContext&) = delete;
    CDockContext& operator=(const CDockContext&) = delete;

    // The drag from pt (screen), until the button comes up.
    virtual void StartDrag(CPoint pt);
    virtual void ToggleDocking();

    CControlBar* m_pBar;
    CFrameWnd* m_pDockSite;
    DWORD m_dwDockStyle;

    // Where the bar was last docked (the dock bar and the bar's rectangle in
    // its client coordinates) and where it last floated (screen).
    UINT m_uMRUDockID = 0;
    CRect m_rectMRUDockPos;
    DWORD m_dwMRUFloatStyle = CBRS_ALIGN_TOP;
    CPoint m_ptMRUFloatPos{-1, -1};

    BOOL m_bDragging = FALSE;
    CDockDragTracker m_tracker;
    CRect m_rectLast;      // the outline drawn now (screen), empty when none
    BOOL m_bDitherLast = FALSE;

protected:
    // The edges of the dock site (screen), in the order top, bottom, left, right.
    void GetEdgeRects(CRect rectEdges[4]) const;
    BOOL Track();
    void Move(CPoint pt, BOOL bNoDock);
    void EndDrag();
    void CancelLoop();
    void DrawFocusRect(BOOL bRemoveRect = FALSE);

    CPoint m_ptStart;
    BOOL m_bMoved = FALSE;
};
