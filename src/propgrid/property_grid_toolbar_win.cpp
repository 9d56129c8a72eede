#include "propgrid/property_grid_toolbar.h"

#include "core/mem_dc.h"

IMPLEMENT_DYNAMIC(CKXPropertyGridToolBar, CToolBar)

BEGIN_MESSAGE_MAP(CKXPropertyGridToolBar, CToolBar)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
END_MESSAGE_MAP()

void CKXPropertyGridToolBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}

void CKXPropertyGridToolBar::OnUpdateCmdUIOutsideFrame(CCmdTarget*, BOOL) {}

void CKXPropertyGridToolBar::OnPaint() {
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    CKXMemDC memDC(&dc, rc, ::GetSysColor(COLOR_BTNFACE));
    if (!memDC.IsValid()) return;
    // The control draws its buttons over the face.
    DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(memDC.GetSafeHdc()), 0);
}

BOOL CKXPropertyGridToolBar::OnEraseBkgnd(CDC*) { return TRUE; }

void CKXPropertyGridToolBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) {}

void CKXPropertyGridToolBar::OnNcPaint() {}
