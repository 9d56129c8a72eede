#include "edit/flat_combo_box.h"

#include "core/aux_data.h"
#include "core/color_manager.h"
#include "core/mem_dc.h"
#include "edit/combo_complete.h"
#include "edit/flat_combo_look.h"
#include "edit/flat_edge.h"
#include "edit/flat_edit.h"

IMPLEMENT_DYNCREATE(CKXFlatComboBox, CComboBox)

BEGIN_MESSAGE_MAP(CKXFlatComboBox, CComboBox)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_WM_SETCURSOR()
    ON_WM_TIMER()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_KILLFOCUS()
    ON_WM_CTLCOLOR()
    ON_WM_CTLCOLOR_REFLECT()
    ON_CONTROL_REFLECT_EX(CBN_SETFOCUS, OnSetFocusReflect)
    ON_CONTROL_REFLECT_EX(CBN_KILLFOCUS, OnKillFocusReflect)
    ON_CONTROL_REFLECT_EX(CBN_EDITUPDATE, OnEditUpdate)
    ON_CONTROL_REFLECT_EX(CBN_CLOSEUP, OnCloseUp)
END_MESSAGE_MAP()

namespace {

// The list as the completion reads it.
class CComboItems : public IKXComboItems {
public:
    explicit CComboItems(const CComboBox& combo) : m_combo(combo) {}
    int GetCount() const override { return m_combo.GetCount(); }
    CString GetText(int nIndex) const override {
        CString str;
        if (m_combo.GetLBTextLen(nIndex) >= 0) m_combo.GetLBText(nIndex, str);
        return str;
    }

private:
    const CComboBox& m_combo;
};

COLORREF MenuText() { return CKXAuxData::Get().clrXP[XPCOLOR_MENU_TEXT - XPCOLOR_TOOLBAR_FACE]; }

}  // namespace

CKXFlatComboBox::CKXFlatComboBox() {
    const CKXAuxData& aux = CKXAuxData::Get();
    m_clrText = MenuText();
    m_clrReadOnlyText = m_clrText;
    m_clrBk = aux.clrWindow;
    m_clrReadOnlyBk = aux.clrBtnFace;
}

CKXFlatComboBox::~CKXFlatComboBox() {
    if (m_hBrush) ::DeleteObject(m_hBrush);
}

int CKXFlatComboBox::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CComboBox::OnCreate(lpCreateStruct) == -1) return -1;
    m_dwStyle = static_cast<DWORD>(lpCreateStruct->style);
    m_dwExStyle = lpCreateStruct->dwExStyle;
    return 0;
}

void CKXFlatComboBox::PreSubclassWindow() {
    CComboBox::PreSubclassWindow();
    // A dialog item was created before we saw it: its styles are saved now.
    if (m_dwStyle == 0) {
        m_dwStyle = GetStyle();
        m_dwExStyle = GetExStyle();
    }
}

// --- state and colours -------------------------------------------------------------

void CKXFlatComboBox::SetReadOnly(BOOL bReadOnly) {
    m_bReadOnly = bReadOnly;
    if (!::IsWindow(m_hWnd)) return;
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    if (::GetComboBoxInfo(m_hWnd, &info) && info.hwndItem && info.hwndItem != m_hWnd)
        ::SendMessage(info.hwndItem, EM_SETREADONLY, bReadOnly ? TRUE : FALSE, 0);
    if (bReadOnly) KillTimer(kTimerID);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void CKXFlatComboBox::SetBkColor(COLORREF clrBk) {
    m_clrBk = clrBk;
    if (::IsWindow(m_hWnd)) RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void CKXFlatComboBox::SetReadOnlyColor(COLORREF clrText, COLORREF clrBk) {
    m_clrReadOnlyText = clrText;
    m_clrReadOnlyBk = clrBk;
    if (::IsWindow(m_hWnd)) RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

COLORREF CKXFlatComboBox::CurrentBkColor() const {
    const CKXAuxData& aux = CKXAuxData::Get();
    const BOOL bEnabled = !::IsWindow(m_hWnd) || IsWindowEnabled();
    return KXFlatComboBackground(aux.clrBtnFace, m_clrBk, m_clrReadOnlyBk, bEnabled != FALSE, m_bReadOnly != FALSE);
}

COLORREF CKXFlatComboBox::CurrentTextColor() const {
    if (::IsWindow(m_hWnd) && !IsWindowEnabled()) return CKXAuxData::Get().clrBtnShadow;
    return m_bReadOnly ? m_clrReadOnlyText : m_clrText;
}

HBRUSH CKXFlatComboBox::CtlColor(CDC* pDC, UINT) {
    pDC->SetTextColor(CurrentTextColor());
    pDC->SetBkColor(CurrentBkColor());
    if (m_hBrush) ::DeleteObject(m_hBrush);
    m_hBrush = ::CreateSolidBrush(CurrentBkColor());
    return m_hBrush;
}

HBRUSH CKXFlatComboBox::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    // The edit part takes the control's colours (a read-only edit asks as a
    // static); the dropped list keeps the platform's.
    const bool bEditPart = pWnd != nullptr && ::GetParent(pWnd->GetSafeHwnd()) == m_hWnd;
    if (nCtlColor == CTLCOLOR_EDIT || (nCtlColor == CTLCOLOR_STATIC && bEditPart)) return CtlColor(pDC, nCtlColor);
    return CComboBox::OnCtlColor(pDC, pWnd, nCtlColor);
}

BOOL CKXFlatComboBox::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    const BOOL bChanged = CComboBox::ModifyStyle(dwRemove, dwAdd, nFlags);
    m_dwStyle = GetStyle();
    return bChanged;
}

BOOL CKXFlatComboBox::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    const BOOL bChanged = CComboBox::ModifyStyleEx(dwRemove, dwAdd, nFlags);
    m_dwExStyle = GetExStyle();
    return bChanged;
}

void CKXFlatComboBox::DisableFlatLook(BOOL bDisable) {
    m_bFlat = !bDisable;
    if (::IsWindow(m_hWnd)) KXSetFlatFrame(this, m_bFlat, m_dwStyle, m_dwExStyle, kTimerID, kTimerPeriod);
}

// --- painting ------------------------------------------------------------------------

BOOL CKXFlatComboBox::PointInRect() { return KXCursorInWindow(this); }

void CKXFlatComboBox::DrawCombo(CDC* pDC, eSTATE eState) {
    const CKXAuxData& aux = CKXAuxData::Get();
    const CKXColorManager& cm = CKXColorManager::s_managerInstance;
    const KX_COMBO_PALETTE pal = {aux.clrBtnFace,
                                  aux.clrBtnShadow,
                                  aux.clrBtnHilite,
                                  aux.clrWindow,
                                  MenuText(),
                                  cm.GetColor(XPCOLOR_HIGHLIGHT),
                                  cm.GetColor(XPCOLOR_HIGHLIGHT_BORDER),
                                  cm.GetColor(XPCOLOR_HIGHLIGHT_PUSHED),
                                  cm.GetColor(XPCOLOR_PUSHED_TEXT),
                                  m_clrText,
                                  m_clrReadOnlyText,
                                  m_clrBk,
                                  m_clrReadOnlyBk};
    KX_COMBO_STATE state;
    state.nLook = eState;
    state.bXPLook = aux.bXPLook != 0;
    state.bDropped = GetDroppedState() != FALSE;
    state.bEnabled = IsWindowEnabled() != FALSE;
    state.bReadOnly = m_bReadOnly != FALSE;
    const KX_COMBO_COLORS colors = KXFlatComboColors(pal, state);
    CRect rcClient;
    GetClientRect(&rcClient);
    const bool bSunken = !state.bXPLook && (eState == STATE_PRESSED || state.bDropped);
    const KX_COMBO_LAYOUT layout = KXFlatComboLayout(rcClient, aux.cxHThumb, bSunken);

    pDC->Draw3dRect(&layout.rcOuter, colors.clrOuterTL, colors.clrOuterBR);
    pDC->Draw3dRect(&layout.rcInner, colors.clrInnerTL, colors.clrInnerBR);
    CRect rcButton = layout.rcButton;
    pDC->Draw3dRect(&rcButton, colors.clrButtonTL, colors.clrButtonBR);
    rcButton.DeflateRect(1, 1);
    pDC->FillSolidRect(&rcButton, colors.clrButtonFill);
    const CRect& rcArrow = layout.rcArrow;
    for (int i = 0; i < rcArrow.Height(); ++i)
        pDC->FillSolidRect(rcArrow.left + i, rcArrow.top + i, rcArrow.Width() - 2 * i, 1, colors.clrArrow);
}

void CKXFlatComboBox::RenderContent(CDC* pDC) {
    if (!m_bFlat) return;
    const BOOL bInside = !m_bHasFocus && PointInRect();
    BOOL bOverSelf = FALSE;
    if (bInside) {
        // Inside the rectangle but under another window (a popup over the
        // control) is not hovering.
        CPoint pt;
        ::GetCursorPos(&pt);
        const HWND hUnder = ::WindowFromPoint(pt);
        bOverSelf = hUnder == m_hWnd || ::IsChild(m_hWnd, hUnder);
    }
    const int nState = KXFlatEdgeState(true, m_bHasFocus != FALSE, bInside != FALSE, bOverSelf != FALSE);
    DrawCombo(pDC, nState == STATE_RAISED ? STATE_RAISED : STATE_NORMAL);
}

BOOL CKXFlatComboBox::OnEraseBkgnd(CDC*) { return TRUE; }

void CKXFlatComboBox::Paint(CDC* pDC) {
    CRect rc;
    GetClientRect(&rc);
    CKXMemDC memDC(pDC, rc, CurrentBkColor());
    if (!memDC.IsValid()) return;
    DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(memDC.GetSafeHdc()), 0);
    RenderContent(&memDC);
}

void CKXFlatComboBox::OnPaint() {
    CPaintDC dc(this);
    Paint(&dc);
}

LRESULT CKXFlatComboBox::OnPrintClient(WPARAM wParam, LPARAM lParam) {
    const LRESULT lResult = Default();
    (void)lParam;
    RenderContent(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    return lResult;
}

// --- hover -----------------------------------------------------------------------------

BOOL CKXFlatComboBox::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message) {
    if (message == WM_MOUSEMOVE) {
        if (!m_bFlat || m_bReadOnly) {
            KillTimer(kTimerID);
        } else if (PointInRect()) {
            SetTimer(kTimerID, kTimerPeriod);
            OnTimer(kTimerID);
        }
    }
    return CComboBox::OnSetCursor(pWnd, nHitTest, message);
}

void CKXFlatComboBox::Tick() {
    CClientDC dc(this);
    if (m_bLBtnDown) {
        KillTimer(kTimerID);
        if (m_bPainted) {
            DrawCombo(&dc, STATE_PRESSED);
            m_bPainted = FALSE;
        }
    } else if (!PointInRect() && !m_bHasFocus) {
        KillTimer(kTimerID);
        if (m_bPainted) {
            DrawCombo(&dc, STATE_NORMAL);
            m_bPainted = FALSE;
        }
    } else if (!m_bPainted) {
        m_bPainted = TRUE;
        DrawCombo(&dc, STATE_RAISED);
    }
}

void CKXFlatComboBox::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent != kTimerID) {
        CComboBox::OnTimer(nIDEvent);
        return;
    }
    if (!m_bFlat) {
        KillTimer(kTimerID);
        return;
    }
    Tick();
}

// --- mouse and focus -------------------------------------------------------------------

void CKXFlatComboBox::OnLButtonDown(UINT nFlags, CPoint point) {
    if (m_bReadOnly) return;  // the list never drops
    if (m_bFlat) m_bLBtnDown = TRUE;
    CComboBox::OnLButtonDown(nFlags, point);
}

void CKXFlatComboBox::OnLButtonUp(UINT nFlags, CPoint point) {
    if (m_bReadOnly) return;
    if (m_bFlat) {
        m_bLBtnDown = FALSE;
        Invalidate();
    }
    CComboBox::OnLButtonUp(nFlags, point);
}

BOOL CKXFlatComboBox::OnSetFocusReflect() {
    m_bHasFocus = TRUE;
    if (m_bFlat) Invalidate();
    return FALSE;  // the parent hears of it too
}

// With an edit part the focus lives in the edit, so the combo box itself
// sees no WM_KILLFOCUS: the notification stands in for it.
BOOL CKXFlatComboBox::OnKillFocusReflect() {
    m_bHasFocus = FALSE;
    if (m_bFlat) Invalidate();
    return FALSE;
}

void CKXFlatComboBox::OnKillFocus(CWnd* pNewWnd) {
    CComboBox::OnKillFocus(pNewWnd);
    m_bHasFocus = FALSE;
    if (m_bFlat) Invalidate();
}

BOOL CKXFlatComboBox::OnCloseUp() {
    if (m_bFlat) Invalidate();
    return FALSE;
}

// --- keyboard and completion -----------------------------------------------------------

BOOL CKXFlatComboBox::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message == WM_KEYDOWN || pMsg->message == WM_KEYUP) {
        const UINT nKey = static_cast<UINT>(pMsg->wParam);
        if (m_bAutoComp && KXComboKeySuppresses(nKey)) m_bAutoCompSuppressed = pMsg->message == WM_KEYDOWN;
        if (nKey == VK_TAB || nKey == VK_RETURN || nKey == VK_ESCAPE) return CComboBox::PreTranslateMessage(pMsg);
        // F4 and Alt+arrows would drop the list of a read-only box.
        if (m_bReadOnly && (nKey == VK_F4 || nKey == VK_DOWN || nKey == VK_UP) && pMsg->message == WM_KEYDOWN &&
            (nKey == VK_F4 || (::GetKeyState(VK_MENU) & 0x8000)))
            return TRUE;
        // Keys meant for the edit part go straight to it, before a dialog
        // can take them for navigation.
        if (SendMessage(CB_GETEDITSEL) != CB_ERR) {
            ::TranslateMessage(pMsg);
            ::DispatchMessage(pMsg);
            return TRUE;
        }
    }
    return CComboBox::PreTranslateMessage(pMsg);
}

BOOL CKXFlatComboBox::OnEditUpdate() {
    if (!m_bAutoComp || m_bAutoCompSuppressed) return FALSE;
    CString strText;
    GetWindowText(strText);
    if (strText.IsEmpty()) return FALSE;
    const DWORD dwSel = GetEditSel();
    const int nStart = dwSel == static_cast<DWORD>(CB_ERR) ? -1 : LOWORD(dwSel);
    const int nEnd = dwSel == static_cast<DWORD>(CB_ERR) ? -1 : HIWORD(dwSel);
    const KX_COMBO_COMPLETION done = KXComboComplete(CComboItems(*this), strText, nStart, nEnd);
    if (done.nItem < 0) return FALSE;  // nothing offered: the text stays as typed
    SetCurSel(done.nItem);
    SetEditSel(done.nSelStart, done.nSelEnd);
    return FALSE;
}
