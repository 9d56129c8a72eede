#include "core/button.h"

#include "core/aux_data.h"
#include "core/color_manager.h"

IMPLEMENT_DYNAMIC(CKXButton, CButton)

BEGIN_MESSAGE_MAP(CKXButton, CButton)
    ON_WM_ERASEBKGND()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
END_MESSAGE_MAP()

BOOL CKXButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CButton::Create(lpszCaption, (dwStyle & ~0x0Fu) | BS_OWNERDRAW, rect, pParentWnd, nID);
}

HICON CKXButton::SetIcon(HICON hIcon) {
    HICON hOld = m_hIcon;
    m_hIcon = hIcon;
    if (::IsWindow(m_hWnd)) Invalidate();
    return hOld;
}

void CKXButton::SetPushed(BOOL bPushed) {
    if (m_bPushed == bPushed) return;
    m_bPushed = bPushed;
    if (::IsWindow(m_hWnd)) RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

BOOL CKXButton::OnEraseBkgnd(CDC*) { return TRUE; }

void CKXButton::OnMouseMove(UINT nFlags, CPoint point) {
    if (!m_bHot) {
        m_bHot = TRUE;
        TRACKMOUSEEVENT tme = {sizeof tme, TME_LEAVE, m_hWnd, 0};
        ::TrackMouseEvent(&tme);
        Invalidate();
    }
    CButton::OnMouseMove(nFlags, point);
}

void CKXButton::OnMouseLeave() {
    m_bHot = FALSE;
    Invalidate();
    Default();
}

void CKXButton::DrawFace(CDC* pDC, const CRect& rc, bool bPressed, bool bHot, bool bEnabled) {
    const CKXAuxData& aux = CKXAuxData::Get();
    if (aux.bXPLook && bEnabled && (bPressed || bHot)) {
        const CKXColorManager& cm = CKXColorManager::s_managerInstance;
        pDC->FillSolidRect(&rc, cm.GetColor(bPressed ? XPCOLOR_HIGHLIGHT_PUSHED : XPCOLOR_HIGHLIGHT));
        pDC->Draw3dRect(&rc, cm.GetColor(XPCOLOR_HIGHLIGHT_BORDER), cm.GetColor(XPCOLOR_HIGHLIGHT_BORDER));
        return;
    }
    pDC->FillSolidRect(&rc, aux.clrBtnFace);
    if (bPressed) pDC->Draw3dRect(&rc, aux.clrBtnShadow, aux.clrBtnHilite);
    else if (bHot && bEnabled) pDC->Draw3dRect(&rc, aux.clrBtnHilite, aux.clrBtnDkShadow);
    else pDC->Draw3dRect(&rc, aux.clrBtnHilite, aux.clrBtnShadow);
}

void CKXButton::DrawContent(CDC* pDC, const CRect& rc, bool bEnabled) {
    const CKXAuxData& aux = CKXAuxData::Get();
    if (m_hIcon) {
        ICONINFO info = {};
        CSize size(16, 16);
        if (::GetIconInfo(m_hIcon, &info)) {
            BITMAP bm = {};
            if (info.hbmColor && ::GetObject(info.hbmColor, sizeof bm, &bm)) size = CSize(bm.bmWidth, bm.bmHeight);
            if (info.hbmColor) ::DeleteObject(info.hbmColor);
            if (info.hbmMask) ::DeleteObject(info.hbmMask);
        }
        const CPoint pt(rc.left + (rc.Width() - size.cx) / 2, rc.top + (rc.Height() - size.cy) / 2);
        if (bEnabled) ::DrawIconEx(pDC->GetSafeHdc(), pt.x, pt.y, m_hIcon, size.cx, size.cy, 0, nullptr, DI_NORMAL);
        else pDC->DrawState(pt, size, m_hIcon, DSS_DISABLED, static_cast<HBRUSH>(nullptr));
        return;
    }
    CString strText;
    GetWindowText(strText);
    CFont* pOldFont = pDC->SelectObject(GetFont() ? GetFont() : &CKXAuxData::Get().fontRegular);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(bEnabled ? aux.clrBtnText : aux.clrBtnShadow);
    CRect rcText = rc;
    pDC->DrawText(strText, &rcText, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    pDC->SelectObject(pOldFont);
}

void CKXButton::DrawItem(LPDRAWITEMSTRUCT lpDIS) {
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    const CRect rc(lpDIS->rcItem);
    const bool bEnabled = (lpDIS->itemState & ODS_DISABLED) == 0;
    const bool bPressed = m_bPushed || (lpDIS->itemState & ODS_SELECTED) != 0;
    DrawFace(pDC, rc, bPressed, m_bHot != FALSE, bEnabled);
    CRect rcContent = rc;
    rcContent.DeflateRect(2, 2);
    if (bPressed) rcContent.OffsetRect(1, 1);
    DrawContent(pDC, rcContent, bEnabled);
    if (lpDIS->itemState & ODS_FOCUS) {
        CRect rcFocus = rc;
        rcFocus.DeflateRect(3, 3);
        if (rcFocus.Width() > 0 && rcFocus.Height() > 0) pDC->DrawFocusRect(&rcFocus);
    }
}
