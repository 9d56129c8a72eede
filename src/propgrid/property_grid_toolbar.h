// The property grid's toolbar: the two sort buttons on a flat bar without
// a border, painted on the button face through an off-screen context.  Its
// buttons are not updated through command routing: the grid checks the
// button of the current order itself.
#pragma once

#include "win/toolbar.h"

class CKXPropertyGridToolBar : public CToolBar {
    DECLARE_DYNAMIC(CKXPropertyGridToolBar)
public:
    CKXPropertyGridToolBar() = default;

    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void OnUpdateCmdUIOutsideFrame(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    DECLARE_MESSAGE_MAP()
};
