#include "colour/color_picker.h"

#include "colour/color_popup.h"
#include "colour/color_text.h"
#include "core/aux_data.h"

#include <new>

IMPLEMENT_DYNAMIC(CKXColorPicker, CButton)

BEGIN_MESSAGE_MAP(CKXColorPicker, CButton)
    ON_MESSAGE(CKXColorPicker::WM_KX_SHOWPOPUP, OnShowPopup)
    ON_MESSAGE(KXCPN_SELCHANGE, OnSelChange)
    ON_MESSAGE(KXCPN_DROPDOWN, OnDropDown)
    ON_MESSAGE(KXCPN_CLOSEUP, OnCloseUp)
    ON_MESSAGE(KXCPN_SELENDOK, OnSelEndOK)
    ON_MESSAGE(KXCPN_SELENDCANCEL, OnSelEndCancel)
    ON_MESSAGE(KXCPN_SELNOFILL, OnSelNoFill)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
    ON_WM_KEYDOWN()
    ON_WM_SYSKEYDOWN()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CKXColorPicker::CKXColorPicker() = default;

CKXColorPicker::~CKXColorPicker() {
    if (m_hWnd != nullptr) DestroyWindow();
}

BOOL CKXColorPicker::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    if (!CButton::Create(lpszCaption, (dwStyle & ~BS_TYPEMASK) | BS_OWNERDRAW, rect, pParentWnd, nID)) return FALSE;
    // The creation gives the window the size asked for after the subclassing.
    SetWindowSize();
    return TRUE;
}

void CKXColorPicker::PreSubclassWindow() {
    CButton::PreSubclassWindow();
    ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
    SetWindowSize();
}

KX_PICKER_METRICS CKXColorPicker::Metrics() const {
    KX_PICKER_METRICS m;
    m.cxEdge = ::GetSystemMetrics(SM_CXEDGE);
    m.cyEdge = ::GetSystemMetrics(SM_CYEDGE);
    m.cxVScroll = ::GetSystemMetrics(SM_CXVSCROLL);
    m.cyVThumb = ::GetSystemMetrics(SM_CYVTHUMB);
    return m;
}

void CKXColorPicker::SetWindowSize() {
    const KX_PICKER_METRICS m = Metrics();
    CRect rc;
    GetWindowRect(&rc);
    if (CWnd* pParent = GetParent()) pParent->ScreenToClient(&rc);
    const CRect rcNew = KXPickerWindowRect(rc, m);
    SetWindowPos(nullptr, rcNew.left, rcNew.top, rcNew.Width(), rcNew.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    CRect rcClient;
    GetClientRect(&rcClient);
    m_rcArrow = KXPickerArrowRect(rcClient, m);
}

void CKXColorPicker::SetColor(COLORREF clr) {
    m_clrColor = clr;
    if (m_hWnd != nullptr) Invalidate(FALSE);
}

void CKXColorPicker::SetFlatLook(BOOL bFlat) {
    m_bFlat = bFlat;
    if (m_hWnd != nullptr) Invalidate(FALSE);
}

void CKXColorPicker::ShowText(BOOL bShow) {
    m_bShowText = bShow;
    if (m_hWnd != nullptr) Invalidate(FALSE);
}

void CKXColorPicker::SetTextInColor(BOOL bInColor) {
    m_bTextInColor = bInColor;
    if (m_hWnd != nullptr) Invalidate(FALSE);
}

COLORREF CKXColorPicker::GetContrastColor() const { return KXContrastColor(m_clrColor); }

// --- the popup -----------------------------------------------------------------

void CKXColorPicker::ShowPopupWindow() { PostMessage(WM_KX_SHOWPOPUP); }

void CKXColorPicker::OnClicked() { ShowPopupWindow(); }

LRESULT CKXColorPicker::OnShowPopup(WPARAM, LPARAM) {
    if (IsPopupOpen() || !IsWindowEnabled()) return 0;
    CRect rc;
    GetWindowRect(&rc);
    auto* pPopup = new (std::nothrow) CKXColorPopup(1, 0);
    if (pPopup == nullptr) return 0;
    // The popup reports KXCPN_DROPDOWN while it is created: it must be
    // known as ours by then.
    m_bPopupActive = TRUE;
    if (!pPopup->Create(rc, this, m_dwPopupStyle, m_clrColor, m_clrDefault)) {
        // A failed creation ends in PostNcDestroy: the object is gone.
        m_bPopupActive = FALSE;
        m_hWndPopup = nullptr;
        return 0;
    }
    m_hWndPopup = pPopup->GetSafeHwnd();
    Invalidate(FALSE);
    return 0;
}

void CKXColorPicker::OnDestroy() {
    // The popup never outlives its picker.
    if (IsPopupOpen()) ::DestroyWindow(m_hWndPopup);
    m_hWndPopup = nullptr;
    CButton::OnDestroy();
}

BOOL CKXColorPicker::ForwardKey(const MSG& msg) {
    if (!IsPopupOpen() || (msg.message != WM_KEYDOWN && msg.message != WM_KEYUP && msg.message != WM_CHAR))
        return FALSE;
    if (msg.message == WM_KEYDOWN) ::SendMessageA(m_hWndPopup, WM_KEYDOWN, msg.wParam, msg.lParam);
    return TRUE;
}

BOOL CKXColorPicker::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->hwnd == m_hWnd && ForwardKey(*pMsg)) return TRUE;
    return CButton::PreTranslateMessage(pMsg);
}

void CKXColorPicker::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    const MSG* pMsg = GetCurrentMessage();
    if (pMsg != nullptr && ForwardKey(*pMsg)) return;
    if (nChar == VK_F4) {
        ShowPopupWindow();
        return;
    }
    CButton::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CKXColorPicker::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    // Alt+Down opens the popup, as it opens a combo box's list.
    if (nChar == VK_DOWN && !IsPopupOpen()) {
        ShowPopupWindow();
        return;
    }
    CButton::OnSysKeyDown(nChar, nRepCnt, nFlags);
}

// --- notifications from the popup ------------------------------------------------

LRESULT CKXColorPicker::Relay(UINT nMessage, WPARAM wParam) {
    bool bTakes = false;
    const std::vector<UINT> codes = KXPickerRelay(nMessage, &bTakes);
    if (bTakes) SetColor(static_cast<COLORREF>(wParam));
    const HWND hWnd = m_hWnd;
    const UINT nID = static_cast<UINT>(GetDlgCtrlID());
    for (UINT nCode : codes) {
        CWnd* pOwner = CWnd::FromHandle(hWnd)->GetOwner();
        if (pOwner == nullptr || !::IsWindow(pOwner->m_hWnd)) break;
        pOwner->SendMessage(WM_COMMAND, MAKEWPARAM(nID, nCode), reinterpret_cast<LPARAM>(hWnd));
        if (!::IsWindow(hWnd)) break;  // the owner closed us
    }
    return 0;
}

LRESULT CKXColorPicker::OnSelChange(WPARAM wParam, LPARAM) { return Relay(KXCPN_SELCHANGE, wParam); }

LRESULT CKXColorPicker::OnDropDown(WPARAM wParam, LPARAM) { return Relay(KXCPN_DROPDOWN, wParam); }

LRESULT CKXColorPicker::OnCloseUp(WPARAM wParam, LPARAM) {
    // The popup's window is going.
    m_bPopupActive = FALSE;
    m_hWndPopup = nullptr;
    if (m_hWnd != nullptr) Invalidate(FALSE);
    return Relay(KXCPN_CLOSEUP, wParam);
}

LRESULT CKXColorPicker::OnSelEndOK(WPARAM wParam, LPARAM) { return Relay(KXCPN_SELENDOK, wParam); }

LRESULT CKXColorPicker::OnSelEndCancel(WPARAM wParam, LPARAM) { return Relay(KXCPN_SELENDCANCEL, wParam); }

LRESULT CKXColorPicker::OnSelNoFill(WPARAM wParam, LPARAM) { return Relay(KXCPN_SELNOFILL, wParam); }

// --- data exchange -----------------------------------------------------------------

void DDX_KXColorPicker(CDataExchange* pDX, int nIDC, COLORREF& clr) {
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    auto* pPicker = DYNAMIC_DOWNCAST(CKXColorPicker, CWnd::FromHandlePermanent(hWnd));
    ASSERT(pPicker != nullptr);  // the control is subclassed by a CKXColorPicker
    if (pPicker == nullptr) return;
    if (pDX->m_bSaveAndValidate)
        clr = pPicker->GetColor();
    else
        pPicker->SetColor(clr);
}
