// CKXToolBarBase: the control-bar part of the library's toolbar: flat or
// classic borders, the gripper of a docked bar (two raised bars when flat,
// one in a rebar, the classic double bar otherwise), the space both take,
// painting through DoPaint, and border lines that never stay behind when
// the bar changes size.  What its controls tell it and it does not handle
// itself goes on to its owner (the parent when none is set), as for every
// control bar.
#pragma once

#include "bars/toolbar_layout.h"

#include <afxext.h>

class CKXToolBarBase : public CControlBar {
    DECLARE_DYNAMIC(CKXToolBarBase)
public:
    CKXToolBarBase() = default;

    // Border lines, border widths and the gripper of a docked bar: 7 pixels
    // across, 10 for a flat bar, 2 for a bar neither flat nor in a rebar.
    void CalcInsideRect(CRect& rect, BOOL bHorz) const override;
    // In a rebar, the framework's lines on the sides the style names;
    // otherwise the flat frame: light at the top and left, dark at the
    // right and bottom, one pixel each.
    void DrawBorders(CDC* pDC, CRect& rect) override;
    void DrawGripper(CDC* pDC, const CRect& rect) override;

    BYTE bInReBar = 0;    // the parent is a rebar
    BYTE bFlatStyle = 0;  // created with a control style (flat buttons), not in a rebar

protected:
    // The look's parameters for the portable arithmetic.
    KX_TOOLBAR_FRAME GetFrame() const;

    void OnWindowPosChanging(WINDOWPOS* lpwndpos);

    DECLARE_MESSAGE_MAP()
};
