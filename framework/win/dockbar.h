// CDockBar: the strip along one edge of a frame (or the inside of a
// floating frame) that holds docked control bars in rows.  The frame makes
// one per edge in EnableDocking; bars move between them through the
// frame's DockControlBar and FloatControlBar.  Where the bars go within the
// strip is CDockRows' arithmetic.
#pragma once

#include "base/dock_layout.h"
#include "win/ctlbar.h"

#include <vector>

class CDockBar : public CControlBar {
    DECLARE_DYNAMIC(CDockBar)
public:
    explicit CDockBar(BOOL bFloating = FALSE);
    ~CDockBar() override;

    // dwStyle carries the edge (CBRS_ALIGN_*); nID is one of AFX_IDW_DOCKBAR_*.
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);

    // Takes pBar in: into the row under lpRect (screen) at its position,
    // or into a row of its own at the end.  The bar turns to the edge.
    void DockControlBar(CControlBar* pBar, LPCRECT lpRect = nullptr);
    // Takes pBar in at the end of the last row (or of a new one), wanting
    // to start at nPos along the edge: how a saved layout is rebuilt.
    void DockControlBarInRow(CControlBar* pBar, BOOL bNewRow, int nPos);
    // Lets pBar go (its window stays); FALSE when it was not here.
    BOOL RemoveControlBar(CControlBar* pBar);
    int GetDockedCount() const { return m_rows.GetCount(); }
    int GetDockedVisibleCount() const;
    // The bars in row order, with the row each is in (for saving the layout).
    void GetDockedBars(std::vector<CControlBar*>& bars, std::vector<int>* pRows = nullptr) const;

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}
    BOOL IsDockBar() const override { return TRUE; }

    BOOL m_bFloating;
    CDockRows m_rows;     // the docked bars (CControlBar*), row by row
    CRect m_rectLayout;   // the space the frame offered in its last layout

protected:
    BOOL IsHorz() const { return (m_dwStyle & CBRS_ORIENT_HORZ) != 0; }
    // Notes in pBar's drag tracker where it sits here now.
    void RecordPlace(CControlBar* pBar);
    // Makes pBar this bar's child, turned to its edge; returns its size
    // along and across the edge.
    CSize AttachBar(CControlBar* pBar);
    // Measures each bar for this edge and places the rows; with bMove the
    // bars go to their places.  Returns the rows' thickness.
    int LayoutBars(int nLength, BOOL bMove);
    LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()
};
