#include "edit/flat_edit.h"

#include "core/aux_data.h"
#include "edit/flat_edge.h"

IMPLEMENT_DYNCREATE(CKXFlatEdit, CKXEdit)

BEGIN_MESSAGE_MAP(CKXFlatEdit, CKXEdit)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_NCPAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_TIMER()
    ON_WM_SETCURSOR()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

namespace {

// The whole window's context, its origin moved to the client area's corner,
// so that client coordinates reach the frame around the client area.
class CClientEdgeDC : public CWindowDC {
public:
    explicit CClientEdgeDC(CWnd* pWnd) : CWindowDC(pWnd) {
        CRect rcWindow;
        pWnd->GetWindowRect(&rcWindow);
        CPoint ptClient(0, 0);
        pWnd->ClientToScreen(&ptClient);
        SetViewportOrg(ptClient.x - rcWindow.left, ptClient.y - rcWindow.top);
    }
};

}  // namespace

CKXFlatEdit::CKXFlatEdit() = default;
CKXFlatEdit::~CKXFlatEdit() = default;

void CKXFlatEdit::PreSubclassWindow() {
    CKXEdit::PreSubclassWindow();
    // A dialog item gets no WM_CREATE here: its styles are saved now, so
    // that both ways of making the control restore the same bits.
    if (!m_bInitOnCreate) {
        m_dwStyle = GetStyle();
        m_dwExStyle = GetExStyle();
    }
}

int CKXFlatEdit::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CKXEdit::OnCreate(lpCreateStruct) == -1) return -1;
    m_dwStyle = static_cast<DWORD>(lpCreateStruct->style);
    m_dwExStyle = lpCreateStruct->dwExStyle;
    return 0;
}

// --- styles ---------------------------------------------------------------------

BOOL CKXFlatEdit::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    const BOOL bChanged = CKXEdit::ModifyStyle(dwRemove, dwAdd, nFlags);
    m_dwStyle = GetStyle();
    return bChanged;
}

BOOL CKXFlatEdit::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    const BOOL bChanged = CKXEdit::ModifyStyleEx(dwRemove, dwAdd, nFlags);
    m_dwExStyle = GetExStyle();
    return bChanged;
}

void CKXFlatEdit::DisableFlatLook(BOOL bDisable) {
    m_bFlat = !bDisable;
    if (::IsWindow(m_hWnd)) KXSetFlatFrame(this, m_bFlat, m_dwStyle, m_dwExStyle, kTimerID, kTimerPeriod);
}

void KXSetFlatFrame(CWnd* pWnd, BOOL bFlat, DWORD dwStyle, DWORD dwExStyle, UINT_PTR nTimerID, UINT nPeriod) {
    const DWORD dwEdges = WS_EX_CLIENTEDGE | WS_EX_STATICEDGE;
    // Only the frame bits come and go: the others (a combo box's scroll bar
    // for its list, say) are not the frame's business.
    if (bFlat) {
        pWnd->ModifyStyle(WS_BORDER, 0);
        pWnd->ModifyStyleEx(dwEdges, 0);
        pWnd->SetTimer(nTimerID, nPeriod, nullptr);
        pWnd->SendMessage(WM_TIMER, nTimerID);
    } else {
        pWnd->ModifyStyle(0, dwStyle & WS_BORDER);
        pWnd->ModifyStyleEx(0, dwExStyle & dwEdges);
        pWnd->KillTimer(nTimerID);
    }
    pWnd->SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    pWnd->Invalidate();
}

// --- the edge ---------------------------------------------------------------------

BOOL KXCursorInWindow(const CWnd* pWnd) {
    CPoint pt;
    CRect rc;
    if (!::GetCursorPos(&pt) || !::GetWindowRect(pWnd->GetSafeHwnd(), &rc)) return FALSE;
    return rc.PtInRect(pt);
}

BOOL CKXFlatEdit::PointInRect() { return KXCursorInWindow(this); }

void CKXFlatEdit::DrawEdit(CDC* pDC, eSTATE eState) {
    const CKXAuxData& aux = CKXAuxData::Get();
    CRect rc;
    GetClientRect(&rc);
    KX_FLAT_EDGE_RING rings[2];
    KXFlatEdgeRings(rc, eState == STATE_RAISED || m_bHasFocus, IsWindowEnabled() != FALSE,
                    {aux.clrBtnFace, aux.clrWindow, aux.clrBtnShadow, aux.clrBtnHilite}, rings);
    for (const KX_FLAT_EDGE_RING& ring : rings) pDC->Draw3dRect(&ring.rect, ring.clrTopLeft, ring.clrBottomRight);
}

void CKXFlatEdit::RenderContent(CDC* pDC) {
    const BOOL bInside = m_bFlat && !m_bHasFocus && PointInRect();
    BOOL bOverSelf = FALSE;
    if (bInside) {
        CPoint pt;
        ::GetCursorPos(&pt);
        bOverSelf = ::WindowFromPoint(pt) == m_hWnd;
    }
    const int nState = KXFlatEdgeState(m_bFlat != FALSE, m_bHasFocus != FALSE, bInside != FALSE, bOverSelf != FALSE);
    if (nState != 0) DrawEdit(pDC, nState == STATE_RAISED ? STATE_RAISED : STATE_NORMAL);
}

void CKXFlatEdit::RenderEdge() {
    if (!m_bFlat) return;
    CClientEdgeDC dc(this);
    RenderContent(&dc);
}

void CKXFlatEdit::OnPaint() {
    {
        CPaintDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        PaintText(&dc, rc);
    }
    RenderEdge();
}

void CKXFlatEdit::OnNcPaint() {
    Default();
    RenderEdge();
}

// --- hot tracking ---------------------------------------------------------------

BOOL CKXFlatEdit::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
    if (message == WM_MOUSEMOVE) {
        if (!m_bFlat) {
            KillTimer(kTimerID);
        } else {
            // Where the cursor is now: the message position still holds the
            // previous message's while WM_SETCURSOR is being sent.
            if (PointInRect()) {
                SetTimer(kTimerID, kTimerPeriod);
                OnTimer(kTimerID);
            }
        }
    }
    return CKXEdit::OnSetCursor(pWnd, nHitTest, message);
}

void CKXFlatEdit::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent != kTimerID) {
        CKXEdit::OnTimer(nIDEvent);
        return;
    }
    if (!m_bFlat) {
        KillTimer(kTimerID);
        return;
    }
    CClientEdgeDC dc(this);
    if (!PointInRect() && !m_bHasFocus) {
        KillTimer(kTimerID);
        DrawEdit(&dc, STATE_NORMAL);
    } else {
        DrawEdit(&dc, STATE_RAISED);
    }
}

void CKXFlatEdit::OnSetFocus(CWnd* pOldWnd) {
    CKXEdit::OnSetFocus(pOldWnd);
    if (m_bFlat) m_bHasFocus = TRUE;
    Invalidate();
}

void CKXFlatEdit::OnKillFocus(CWnd* pNewWnd) {
    CKXEdit::OnKillFocus(pNewWnd);
    if (m_bFlat) m_bHasFocus = FALSE;
    Invalidate();
}

void CKXFlatEdit::OnLButtonDown(UINT nFlags, CPoint point) {
    if (m_bFlat) m_bLBtnDown = TRUE;
    CKXEdit::OnLButtonDown(nFlags, point);
}

void CKXFlatEdit::OnLButtonUp(UINT nFlags, CPoint point) {
    if (m_bFlat) {
        m_bLBtnDown = FALSE;
        Invalidate();
    }
    CKXEdit::OnLButtonUp(nFlags, point);
}
