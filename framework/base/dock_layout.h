// The arithmetic of docking, apart from any window: the bars on one edge of
// a frame in rows, where a dragged bar would dock, and the outline the drag
// shows.
//
// Coordinates here are "along" and "across" the edge: for a top or bottom
// edge x runs along and y across; for a left or right edge the window code
// swaps them.  A rectangle's left/right are along, top/bottom across.
#pragma once

#include "base/geometry.h"

#include <vector>

// The bars on one edge, row after row, each row from its start to its end.
class CDockRows {
public:
    struct Slot {
        void* pBar = nullptr;  // the caller's bar; never dereferenced here
        CSize size;            // along, across
        int nPos = 0;          // where the bar wants to start along the edge
        bool bVisible = true;  // hidden bars keep their place but take no room
        CRect rect;            // where Layout put it (empty when hidden)
    };
    std::vector<std::vector<Slot>> rows;

    // Puts pBar on the edge.  Without a rectangle (or with one before or
    // after every row) it starts a row of its own, at the end or at the
    // start; with one across an existing row it joins that row in the order
    // of its start (before a bar that starts where it does).  A bar already there moves.
    void Insert(void* pBar, CSize size, const CRect* pRect = nullptr);
    // Takes pBar off; an emptied row goes.  FALSE when it is not there.
    bool Remove(void* pBar);
    Slot* Find(void* pBar);
    int GetCount() const;
    int GetVisibleCount() const;

    // Places the bars of each row for an edge nLength long: each at its
    // wanted start or just after the bar before it, and when the row runs
    // past the end, pulled back toward the start as far as the bars before
    // allow.  Rows follow each other across; a row without visible bars
    // takes nothing.  Returns the thickness of all rows.
    int Layout(int nLength);
};

// Which edge a dragged bar would dock to: the first, in the order top,
// bottom, left, right, of the edges allowed (CBRS_ALIGN_* bits in
// dwAllowed) whose dock rectangle (screen; made at least one pixel thick
// so that an empty edge can be hit) meets the outline of the bar in that
// orientation.  Returns the edge's CBRS_ALIGN_* bit, or 0 for none.
// rectEdges holds the edges in the order top, bottom, left, right.
DWORD AfxChooseDockEdge(const CRect rectEdges[4], DWORD dwAllowed, const CRect& rectHorz, const CRect& rectVert);

// The outline a drag shows, and where the bar goes when it ends.
class CDockDragTracker {
public:
    // The drag starts at ptStart (screen) on a bar that occupies rectBar;
    // sizeHorz, sizeVert and sizeFloat are the bar's outline sizes docked
    // along a horizontal edge, along a vertical one, and floating.  Each
    // outline keeps the grabbed point inside it, at the same offset from
    // its corner as on the bar where it fits.
    void Start(CPoint ptStart, const CRect& rectBar, CSize sizeHorz, CSize sizeVert, CSize sizeFloat);
    // The mouse is at pt: the outlines follow it.  With bNoDock (the
    // control key) the bar only floats; otherwise it docks where
    // AfxChooseDockEdge says.
    void Move(CPoint pt, bool bNoDock, const CRect rectEdges[4], DWORD dwAllowed);

    DWORD GetDockEdge() const { return m_dwEdge; }  // 0: float
    // The outline to draw now: docked horizontally, vertically, or floating.
    CRect GetOutline() const;
    CRect GetHorzRect() const { return m_rectHorz; }
    CRect GetVertRect() const { return m_rectVert; }
    CRect GetFloatRect() const { return m_rectFloat; }

private:
    CPoint m_ptLast;
    CRect m_rectHorz, m_rectVert, m_rectFloat;
    DWORD m_dwEdge = 0;
};

// Resizing a floating bar's frame by an edge or corner (fwSide: the
// WM_SIZING side, 1 left, 2 right, 3 top, 4 top left, 5 top right,
// 6 bottom, 7 bottom left, 8 bottom right).  Dragging the top or bottom edge
// asks the bar for a height, any other edge or corner for a width.
bool AfxSizingByHeight(unsigned fwSide);
// The frame's rectangle once the bar has answered with sizeFrame: the
// edges the user drags move, the opposite ones stay where rectAsked has them.
CRect AfxFitSizingRect(const CRect& rectAsked, CSize sizeFrame, unsigned fwSide);
