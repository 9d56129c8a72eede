#include "win/dockcont.h"

#include "win/dc.h"
#include "win/dockbar.h"
#include "win/frame.h"
#include "win/minifrm.h"

namespace {

const UINT kDockBarIDs[4] = {AFX_IDW_DOCKBAR_TOP, AFX_IDW_DOCKBAR_BOTTOM, AFX_IDW_DOCKBAR_LEFT,
                             AFX_IDW_DOCKBAR_RIGHT};
const DWORD kDockEdges[4] = {CBRS_ALIGN_TOP, CBRS_ALIGN_BOTTOM, CBRS_ALIGN_LEFT, CBRS_ALIGN_RIGHT};

// A mouse message's point in screen coordinates: taken from the message,
// not from the cursor, so that posted input counts as real input does.
CPoint MessagePoint(const MSG& msg) {
    CPoint pt(static_cast<int>(static_cast<short>(LOWORD(msg.lParam))),
              static_cast<int>(static_cast<short>(HIWORD(msg.lParam))));
    if (msg.hwnd != nullptr) ::ClientToScreen(msg.hwnd, &pt);
    return pt;
}

}  // namespace

CDockContext::CDockContext(CControlBar* pBar)
    : m_pBar(pBar), m_pDockSite(pBar->m_pDockSite), m_dwDockStyle(pBar->m_dwDockStyle) {}

CDockContext::~CDockContext() = default;

void CDockContext::GetEdgeRects(CRect rectEdges[4]) const {
    for (int i = 0; i < 4; ++i) {
        rectEdges[i].SetRectEmpty();
        if (CControlBar* pDock = m_pDockSite->GetControlBar(kDockBarIDs[i]); pDock != nullptr)
            pDock->GetWindowRect(&rectEdges[i]);
    }
}

void CDockContext::StartDrag(CPoint pt) {
    m_pDockSite = m_pBar->m_pDockSite;
    m_dwDockStyle = m_pBar->m_dwDockStyle;
    if (m_pDockSite == nullptr) return;
    CRect rectBar;
    m_pBar->GetWindowRect(&rectBar);
    const CSize sizeHorz = m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_HORZDOCK);
    const CSize sizeVert = m_pBar->CalcDynamicLayout(0, LM_VERTDOCK);
    // Floating, the bar comes with its small frame around it.
    CRect rectFloat(CPoint(0, 0), m_pBar->CalcDynamicLayout(0, LM_HORZ | LM_MRUWIDTH));
    CMiniDockFrameWnd::CalcFrameRect(rectFloat, (m_pBar->GetBarStyle() & CBRS_SIZE_DYNAMIC) != 0);
    if (m_pBar->IsFloating()) m_pBar->GetParentFrame()->GetWindowRect(&rectBar);
    m_tracker.Start(pt, rectBar, sizeHorz, sizeVert, rectFloat.Size());
    m_ptStart = pt;
    m_bMoved = FALSE;
    Track();
}

BOOL CDockContext::Track() {
    if (::GetCapture() != nullptr) return FALSE;
    m_pBar->SetCapture();
    m_bDragging = TRUE;
    m_rectLast.SetRectEmpty();
    CPoint ptLast = m_ptStart;
    while (::GetCapture() == m_pBar->m_hWnd) {
        MSG msg;
        if (!::GetMessageA(&msg, nullptr, 0, 0)) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        switch (msg.message) {
        case WM_LBUTTONUP:
            ptLast = MessagePoint(msg);
            Move(ptLast, (msg.wParam & MK_CONTROL) != 0);
            if (m_bMoved)
                EndDrag();
            else
                CancelLoop();
            return TRUE;
        case WM_MOUSEMOVE:
            ptLast = MessagePoint(msg);
            Move(ptLast, (msg.wParam & MK_CONTROL) != 0);
            break;
        case WM_KEYDOWN:
        case WM_KEYUP:
            if (msg.wParam == VK_CONTROL) Move(ptLast, msg.message == WM_KEYDOWN);
            if (msg.wParam == VK_ESCAPE) {
                CancelLoop();
                return FALSE;
            }
            break;
        case WM_RBUTTONDOWN:
            CancelLoop();
            return FALSE;
        default:
            ::DispatchMessageA(&msg);
            break;
        }
    }
    CancelLoop();
    return FALSE;
}

void CDockContext::Move(CPoint pt, BOOL bNoDock) {
    if (pt != m_ptStart) m_bMoved = TRUE;
    CRect edges[4];
    GetEdgeRects(edges);
    DWORD dwAllowed = 0;
    for (int i = 0; i < 4; ++i)
        if (m_pDockSite->GetControlBar(kDockBarIDs[i]) != nullptr) dwAllowed |= kDockEdges[i];
    m_tracker.Move(pt, bNoDock != FALSE, edges, dwAllowed & m_dwDockStyle);
    DrawFocusRect();
}

void CDockContext::DrawFocusRect(BOOL bRemoveRect) {
    HDC hDC = ::GetDCEx(nullptr, nullptr, DCX_WINDOW | DCX_CACHE);
    if (hDC == nullptr) return;
    CDC dc;
    dc.Attach(hDC);
    // Thin where the bar would dock, thick and halftone where it would float.
    const BOOL bDither = m_tracker.GetDockEdge() == 0;
    const CSize size = bDither ? CSize(3, 3) : CSize(1, 1);
    CBrush* pWhite = CBrush::FromHandle(static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    CBrush* pBrush = bDither ? CDC::GetHalftoneBrush() : pWhite;
    CBrush* pBrushLast = m_bDitherLast ? CDC::GetHalftoneBrush() : pWhite;
    if (bRemoveRect) pBrush = pBrushLast;
    const CSize sizeLast = m_bDitherLast ? CSize(3, 3) : CSize(1, 1);
    const CRect rectNew = bRemoveRect ? CRect(0, 0, 0, 0) : m_tracker.GetOutline();
    const CSize sizeNew = bRemoveRect ? CSize(0, 0) : size;
    dc.DrawDragRect(&rectNew, sizeNew, m_rectLast.IsRectEmpty() ? nullptr : &m_rectLast, sizeLast, pBrush,
                    pBrushLast);
    m_rectLast = rectNew;
    m_bDitherLast = bDither;
    ::ReleaseDC(nullptr, dc.Detach());
}

void CDockContext::CancelLoop() {
    DrawFocusRect(TRUE);
    m_rectLast.SetRectEmpty();
    m_bDragging = FALSE;
    if (::GetCapture() == m_pBar->m_hWnd) ::ReleaseCapture();
}

void CDockContext::EndDrag() {
    CancelLoop();
    const DWORD dwEdge = m_tracker.GetDockEdge();
    if (dwEdge != 0) {
        UINT nID = 0;
        for (int i = 0; i < 4; ++i)
            if (kDockEdges[i] == dwEdge) nID = kDockBarIDs[i];
        const CRect rect = (dwEdge & CBRS_ORIENT_HORZ) ? m_tracker.GetHorzRect() : m_tracker.GetVertRect();
        m_pDockSite->DockControlBar(m_pBar, nID, &rect);
    } else {
        m_pDockSite->FloatControlBar(m_pBar, m_tracker.GetFloatRect().TopLeft(),
                                     m_dwMRUFloatStyle | (m_dwDockStyle & CBRS_FLOAT_MULTI));
    }
    m_pDockSite->RecalcLayout();
}

void CDockContext::ToggleDocking() {
    m_pDockSite = m_pBar->m_pDockSite;
    if (m_pDockSite == nullptr) return;
    if (m_pBar->IsFloating()) {
        // Back where it was docked, or to the first edge it may use.
        CControlBar* pDock = m_uMRUDockID != 0 ? m_pDockSite->GetControlBar(m_uMRUDockID) : nullptr;
        if (pDock != nullptr) {
            CRect rect = m_rectMRUDockPos;
            pDock->ClientToScreen(&rect);
            m_pDockSite->DockControlBar(m_pBar, m_uMRUDockID, &rect);
        } else {
            m_pDockSite->DockControlBar(m_pBar);
        }
    } else {
        CPoint pt = m_ptMRUFloatPos;
        if (pt.x == -1 && pt.y == -1) {
            // Never floated: just below and right of where it is.
            CRect rect;
            m_pBar->GetWindowRect(&rect);
            pt = rect.TopLeft() + CSize(20, 20);
        }
        m_pDockSite->FloatControlBar(m_pBar, pt, m_dwMRUFloatStyle | (m_dwDockStyle & CBRS_FLOAT_MULTI));
    }
    m_pDockSite->RecalcLayout();
}
