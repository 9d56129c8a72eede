#include "colour/color_popup.h"

#include "core/aux_data.h"
#include "core/color_manager.h"

IMPLEMENT_DYNAMIC(CKXColorPopup, CKXColorSelectorCtrl)

BEGIN_MESSAGE_MAP(CKXColorPopup, CKXColorSelectorCtrl)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_ACTIVATE()
    ON_WM_ACTIVATEAPP()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

CKXColorPopup::CKXColorPopup(int nKind, long lTag) : m_nKind(nKind), m_lTag(lTag) {}

CKXColorPopup::~CKXColorPopup() = default;

void CKXColorPopup::AddUserColor(COLORREF clr) { m_arUserDefColors.Add(clr); }

void CKXColorPopup::ResetUserColors() { m_arUserDefColors.RemoveAll(); }

BOOL CKXColorPopup::Create(CRect& rect, CWnd* pParentWnd, DWORD dwStyle, COLORREF clrColor, COLORREF clrDefault) {
    const bool bXP = CKXAuxData::Get().bXPLook != 0;
    m_nMarginLeft = 4;
    m_nMarginTop = 4;
    m_nMarginRight = bXP ? 6 : 10;
    m_nMarginBottom = bXP ? 6 : 10;
    m_rcAnchor = rect;
    return CKXColorSelectorCtrl::Create(rect, pParentWnd, dwStyle | KXCPS_POPUP, clrColor, clrDefault);
}

int CKXColorPopup::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CKXColorSelectorCtrl::OnCreate(lpCreateStruct) == -1) return -1;
    if (CKXAuxData::Get().bXPLook) {
        ModifyStyle(0x00C40000, 0, SWP_FRAMECHANGED);
        ModifyStyleEx(0x00020101, 0, SWP_FRAMECHANGED);
        // The drop shadow belongs to the popup effects, which the library
        // does not draw yet: m_bShadow only records the wish.
    } else {
        ModifyStyle(0, WS_DLGFRAME, SWP_FRAMECHANGED);
    }
    SetCapture();
    if (m_pParentWnd->GetSafeHwnd() != nullptr)
        ::SendMessageA(m_pParentWnd->GetSafeHwnd(), KXCPN_DROPDOWN, (WPARAM)m_clrColor, (LPARAM)m_lTag);
    return 0;
}

void CKXColorPopup::OnDestroy() {
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    if (m_pParentWnd->GetSafeHwnd() != nullptr && ::IsWindow(m_pParentWnd->GetSafeHwnd()))
        ::SendMessageA(m_pParentWnd->GetSafeHwnd(), KXCPN_CLOSEUP, (WPARAM)m_clrColor, (LPARAM)m_lTag);
    CKXColorSelectorCtrl::OnDestroy();
}

void CKXColorPopup::PostNcDestroy() { delete this; }

void CKXColorPopup::EndSelection(int nIndex) {
    if (m_bEnded) return;
    // Escape and a lost activation may both arrive before the close.
    m_bEnded = TRUE;
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    HWND hWnd = m_hWnd;
    EndSelectionWithTag(nIndex, m_lTag);
    // A listener may have destroyed us (and with us this object).
    if (::IsWindow(hWnd) && CWnd::FromHandlePermanent(hWnd) == this) PostMessage(WM_CLOSE);
}

void CKXColorPopup::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) {
    if (!CKXAuxData::Get().bXPLook) {
        CKXColorSelectorCtrl::OnNcCalcSize(bCalcValidRects, lpncsp);
        return;
    }
    ::InflateRect(&lpncsp->rgrc[0], -1, -1);
}

void CKXColorPopup::OnNcPaint() {
    if (!CKXAuxData::Get().bXPLook) {
        Default();
        return;
    }
    CWindowDC dc(this);
    CRect rc;
    GetWindowRect(&rc);
    rc.OffsetRect(-rc.left, -rc.top);
    CBrush brush(CKXColorManager::s_managerInstance.GetColor(XPCOLOR_SHADOW_TEXT));
    dc.FrameRect(&rc, &brush);
}

void CKXColorPopup::OnLButtonDown(UINT nFlags, CPoint point) {
    CRect rc;
    GetClientRect(&rc);
    if (rc.PtInRect(point)) {
        CKXColorSelectorCtrl::OnLButtonDown(nFlags, point);
    } else if (!IsColorDlgVisible()) {
        EndSelection(-1);
    }
}

void CKXColorPopup::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
    CKXColorSelectorCtrl::OnActivate(nState, pWndOther, bMinimized);
    if (nState == WA_INACTIVE && !IsColorDlgVisible()) PostMessage(WM_CLOSE);
}

void CKXColorPopup::OnActivateApp(BOOL bActive, DWORD dwThreadID) {
    CKXColorSelectorCtrl::OnActivateApp(bActive, dwThreadID);
    if (!bActive && !IsColorDlgVisible()) EndSelection(-1);
}

void CKXColorPopup::OnKillFocus(CWnd* pNewWnd) {
    CKXColorSelectorCtrl::OnKillFocus(pNewWnd);
    if (pNewWnd != this && ::GetCapture() == m_hWnd) ::ReleaseCapture();
}
