// CKXHexEdit: creation, options, keyboard, mouse, focus and scrolling.
// Painting is in hex_edit_paint_win.cpp, the clipboard and the context menu
// in hex_edit_clipboard_win.cpp.
#include "edit/hex_edit.h"

#include "core/aux_data.h"
#include "kxres_ids.h"

#include <cstring>

// The model takes the platform's codes as they come.
static_assert(KX_HEX_SB_LINEUP == SB_LINEUP && KX_HEX_SB_LINEDOWN == SB_LINEDOWN && KX_HEX_SB_PAGEUP == SB_PAGEUP &&
              KX_HEX_SB_PAGEDOWN == SB_PAGEDOWN && KX_HEX_SB_THUMBTRACK == SB_THUMBTRACK);
static_assert(KX_HEX_VK_TAB == VK_TAB && KX_HEX_VK_PRIOR == VK_PRIOR && KX_HEX_VK_NEXT == VK_NEXT &&
              KX_HEX_VK_END == VK_END && KX_HEX_VK_HOME == VK_HOME && KX_HEX_VK_LEFT == VK_LEFT &&
              KX_HEX_VK_UP == VK_UP && KX_HEX_VK_RIGHT == VK_RIGHT && KX_HEX_VK_DOWN == VK_DOWN &&
              KX_HEX_VK_INSERT == VK_INSERT && KX_HEX_VK_DELETE == VK_DELETE);

IMPLEMENT_DYNAMIC(CKXHexEdit, CEdit)

namespace {

// "Courier New" at a character height of 12 pixels, everything else 0.
LOGFONT DefaultLogFont() {
    LOGFONT lf = {};
    lf.lfHeight = -12;
    std::strcpy(lf.lfFaceName, "Courier New");
    return lf;
}

}  // namespace

BEGIN_MESSAGE_MAP(CKXHexEdit, CEdit)
    ON_WM_CHAR()
    ON_WM_KEYDOWN()
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_WM_ERASEBKGND()
    ON_WM_NCPAINT()
    ON_WM_SIZE()
    ON_WM_VSCROLL()
    ON_WM_HSCROLL()
    ON_WM_MOUSEWHEEL()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_GETDLGCODE()
    ON_WM_CONTEXTMENU()
    ON_WM_MENUCHAR()
    ON_COMMAND(ID_KX_EDIT_CLEAR, OnEditClear)
    ON_COMMAND(ID_KX_EDIT_COPY, OnEditCopy)
    ON_COMMAND(ID_KX_EDIT_CUT, OnEditCut)
    ON_COMMAND(ID_KX_EDIT_PASTE, OnEditPaste)
    ON_COMMAND(ID_KX_EDIT_SELECT_ALL, OnEditSelectAll)
    ON_COMMAND(ID_KX_EDIT_UNDO, OnEditUndo)
END_MESSAGE_MAP()

CKXHexEdit::CKXHexEdit() {
    const CKXAuxData& aux = CKXAuxData::Get();
    m_clrBack = aux.clrWindow;
    m_clrText = aux.clrWindowText;
    m_clrDisabledBack = aux.clrBtnFace;
    m_clrDisabledText = aux.clrGrayText;
    m_clrHighlightText = aux.clrHiliteText;
    m_clrHighlightBack = aux.clrHilite;
    m_clrDisabledHighlightText = aux.clrHiliteText;
    m_clrDisabledHighlightBack = aux.clrBtnShadow;
    const LOGFONT lf = DefaultLogFont();
    m_Font.CreateFontIndirect(&lf);
}

CKXHexEdit::~CKXHexEdit() {
    // The handlers see the whole object while the window goes.
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this) DestroyWindow();
}

BOOL CKXHexEdit::PreCreateWindow(CREATESTRUCT& cs) {
    if (cs.lpszClass == nullptr) cs.lpszClass = "EDIT";
    // A single-line edit control drops WS_VSCROLL and WS_HSCROLL.
    cs.style |= ES_MULTILINE;
    return CEdit::PreCreateWindow(cs);
}

BOOL CKXHexEdit::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID, void* pContext) {
    if (!CEdit::Create(lpszClassName, lpszWindowName, dwStyle, rect, pParentWnd, nID, pContext)) return FALSE;
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_Font.GetSafeHandle()), TRUE);
    return TRUE;
}

// --- data and options ----------------------------------------------------------

BOOL CKXHexEdit::SetData(BYTE* p, int len, int maxLen) {
    if (!CKXHexEditModel::SetData(p, len, maxLen)) return FALSE;
    if (m_hWnd != nullptr) {
        UpdateScrollbars();
        RepositionCaret(m_nCurrentAddress);
        RedrawWindow();
        // No scroll code: the view stays, the frame follows the new range.
        if (GetStyle() & WS_VSCROLL) SendMessage(WM_VSCROLL, static_cast<WPARAM>(0xFFFFFFFF), 0);
    }
    return TRUE;
}

void CKXHexEdit::SetOptions(int address, int hex, int ascii, int wideAddress) {
    CKXHexEditModel::SetOptions(address != 0, hex != 0, ascii != 0, wideAddress != 0);
    if (m_hWnd == nullptr) return;
    RepositionCaret(m_nCurrentAddress);
    Invalidate();
}

void CKXHexEdit::SetBPR(int nBPR) {
    if (!CKXHexEditModel::SetBPR(nBPR) || m_hWnd == nullptr) return;
    UpdateScrollbars();
    RepositionCaret(m_nCurrentAddress);
    Invalidate();
}

DWORD CKXHexEdit::SetAddressBase(DWORD dwBase) {
    const DWORD dwOld = CKXHexEditModel::SetAddressBase(dwBase);
    if (m_hWnd != nullptr) Invalidate();
    return dwOld;
}

void CKXHexEdit::SetAutoBPR(BOOL bAuto) {
    m_bAutoBPR = bAuto ? 1 : 0;
    if (m_hWnd == nullptr || !bAuto) return;
    CRect rc;
    GetClientRect(&rc);
    EnsureLayout();
    if (FitBPR(rc.Width())) SetBPR(m_nBPR);
}

void CKXHexEdit::EnableCaret(bool bEnable) {
    m_bShowCaret = bEnable;
    if (m_hWnd == nullptr || ::GetFocus() != m_hWnd) return;
    if (bEnable) RepositionCaret(m_nCurrentAddress);
    else HideCaret();
}

bool CKXHexEdit::SetAllowDeletes(bool bAllow) {
    const bool bOld = m_bAllowDeletes;
    m_bAllowDeletes = bAllow;
    return bOld;
}


void CKXHexEdit::SetHexFont(LOGFONT* pLogFont) {
    if (pLogFont == nullptr) return;
    CFont font;
    if (!font.CreateFontIndirect(pLogFont)) return;
    m_Font.DeleteObject();
    m_Font.Attach(font.Detach());
    m_bUpdate = 1;
    if (m_hWnd == nullptr) return;
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_Font.GetSafeHandle()), FALSE);
    Invalidate();
}

void CKXHexEdit::SetHexFont(CFont* pFont) {
    LOGFONT lf = {};
    if (pFont != nullptr && pFont->GetSafeHandle() != nullptr && pFont->GetLogFont(&lf)) SetHexFont(&lf);
}

void CKXHexEdit::RestoreDefaultFont() {
    LOGFONT lf = DefaultLogFont();
    SetHexFont(&lf);
}

// --- selection and colours ------------------------------------------------------

void CKXHexEdit::SetSel(int start, int end) {
    if (m_hWnd != nullptr) HideCaret();
    CKXHexEditModel::SetSel(start, end);
    if (m_hWnd == nullptr) return;
    RedrawWindow();
    RepositionCaret(m_nCurrentAddress);
}

bool CKXHexEdit::IsEditable() const { return IsWindowEnabled() && !(GetStyle() & ES_READONLY); }

COLORREF CKXHexEdit::GetActualBackColor() const { return IsEditable() ? m_clrBack : m_clrDisabledBack; }
COLORREF CKXHexEdit::GetActualTextColor() const { return IsWindowEnabled() ? m_clrText : m_clrDisabledText; }
COLORREF CKXHexEdit::GetActualHighlightBackColor() const {
    return IsWindowEnabled() ? m_clrHighlightBack : m_clrDisabledHighlightBack;
}
COLORREF CKXHexEdit::GetActualHighlightTextColor() const {
    return IsWindowEnabled() ? m_clrHighlightText : m_clrDisabledHighlightText;
}

// --- what the model asks for ------------------------------------------------------

void CKXHexEdit::Apply(UINT nEffects) {
    if (nEffects & KX_HEX_COPY) OnEditCopy();
    if (nEffects & KX_HEX_CUT) OnEditCut();
    if (nEffects & KX_HEX_PASTE) OnEditPaste();
    if (nEffects & KX_HEX_BEEP) ::MessageBeep(0);
    if (m_hWnd == nullptr) return;
    if (nEffects & KX_HEX_SCROLLED) UpdateScrollbars();
    if (nEffects & KX_HEX_CARET) RepositionCaret(m_nCurrentAddress);
    if (nEffects & KX_HEX_REDRAW) RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    if (nEffects & KX_HEX_FOCUS_NEXT) FocusSibling(true);
    if (nEffects & KX_HEX_FOCUS_PREV) FocusSibling(false);
}

void CKXHexEdit::RepositionCaret(int nAddress) {
    if (m_hWnd == nullptr || ::GetFocus() != m_hWnd || !HasData()) return;
    EnsureLayout();
    const bool bVisible = PlaceCaret(nAddress);
    CreateSolidCaret(m_nCaretWidth, m_nCaretHeight);
    if (!bVisible) return;
    SetCaretPos(CPoint(m_nCaretX, m_nCaretY));
    if (m_bShowCaret) ShowCaret();
}

void CKXHexEdit::FocusSibling(bool bNext) {
    // The next (previous) sibling that takes the focus by Tab, round the
    // end of the list; nothing when the control is the only one.
    HWND hWnd = m_hWnd;
    for (;;) {
        HWND hOther = ::GetWindow(hWnd, bNext ? GW_HWNDNEXT : GW_HWNDPREV);
        if (hOther == nullptr) hOther = ::GetWindow(hWnd, bNext ? GW_HWNDFIRST : GW_HWNDLAST);
        if (hOther == nullptr || hOther == m_hWnd) return;
        hWnd = hOther;
        const DWORD dwStyle = static_cast<DWORD>(::GetWindowLongA(hWnd, GWL_STYLE));
        if ((dwStyle & (WS_TABSTOP | WS_VISIBLE | WS_DISABLED)) == (WS_TABSTOP | WS_VISIBLE)) {
            ::SetFocus(hWnd);
            return;
        }
    }
}

// --- keyboard ---------------------------------------------------------------------

void CKXHexEdit::OnChar(UINT nChar, UINT, UINT) {
    Apply(CKXHexEditModel::Char(nChar, ::GetKeyState(VK_CONTROL) < 0, IsEditable()));
}

void CKXHexEdit::OnKeyDown(UINT nChar, UINT, UINT) {
    // Other keys are not passed on: the edit control underneath has no text.
    Apply(CKXHexEditModel::KeyDown(nChar, ::GetKeyState(VK_SHIFT) < 0, ::GetKeyState(VK_CONTROL) < 0, IsEditable()));
}

UINT CKXHexEdit::OnGetDlgCode() { return DLGC_WANTALLKEYS; }

// --- scrolling and size -------------------------------------------------------------

int CKXHexEdit::TrackPos(int nBar, UINT nPos) {
    // The message has 16 bits of position; a longer range reads the thumb.
    SCROLLINFO si = {};
    si.cbSize = sizeof si;
    if (GetScrollInfo(nBar, &si, SIF_RANGE | SIF_TRACKPOS) && si.nMax > 0xFFFF) return si.nTrackPos;
    return static_cast<int>(nPos & 0xFFFF);
}

void CKXHexEdit::DoVScroll(UINT nSBCode, bool bMoveCaret, int nTrackPos) {
    // WM_SETREDRAW TRUE shows a hidden window: only a visible one is suspended.
    const BOOL bVisible = IsWindowVisible();
    if (bVisible) SetRedraw(FALSE);
    CKXHexEditModel::VScroll(static_cast<int>(nSBCode), nTrackPos, bMoveCaret);
    UpdateScrollbars();
    if (bVisible) SetRedraw(TRUE);
    RepositionCaret(m_nCurrentAddress);
    Invalidate();
    UpdateWindow();
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CKXHexEdit::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar*) {
    DoVScroll(nSBCode, false, nSBCode == SB_THUMBTRACK ? TrackPos(SB_VERT, nPos) : 0);
}

void CKXHexEdit::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar*) {
    const int nTrack = nSBCode == SB_THUMBTRACK ? TrackPos(SB_HORZ, nPos) : 0;
    if (!CKXHexEditModel::HScroll(static_cast<int>(nSBCode), nTrack)) return;
    SetScrollPos(SB_HORZ, GetHorzPos());
    RedrawWindow();
    RepositionCaret(m_nCurrentAddress);
}

BOOL CKXHexEdit::OnMouseWheel(UINT, short zDelta, CPoint) {
    DoVScroll(zDelta < 0 ? SB_LINEDOWN : SB_LINEUP, false);
    return TRUE;
}

void CKXHexEdit::OnSize(UINT nType, int cx, int cy) {
    const BOOL bVisible = IsWindowVisible();
    if (bVisible) SetRedraw(FALSE);
    CEdit::OnSize(nType, cx, cy);
    m_bUpdate = 1;
    EnsureLayout();
    if (m_bAutoBPR && FitBPR(cx)) EnsureLayout();
    UpdateScrollbars();
    if (bVisible) SetRedraw(TRUE);
    Invalidate();
    UpdateWindow();
}

// --- mouse --------------------------------------------------------------------------

void CKXHexEdit::OnLButtonDown(UINT nFlags, CPoint point) {
    SetFocus();
    if (!HasData()) return;
    const bool bShift = (nFlags & MK_SHIFT) != 0;
    if (bShift) AnchorSelection();
    if (CalcPos(point.x, point.y).x >= 0) {
        RepositionCaret(m_nCurrentAddress);
        if (bShift) {
            ExtendSelection();
            RedrawWindow();
        } else {
            CPoint ptScreen = point;
            ClientToScreen(&ptScreen);
            if (!DragDetect(ptScreen)) {
                if (ClearSelection()) RedrawWindow();
            } else {
                m_nSelStart = m_nSelEnd = m_nCurrentAddress;
                SetCapture();
            }
        }
    }
    if (!IsAnchored() && m_bShowCaret) ShowCaret();
}

void CKXHexEdit::OnMouseMove(UINT nFlags, CPoint point) {
    if (!HasData() || !(nFlags & MK_LBUTTON) || !IsAnchored()) return;
    CRect rc;
    GetClientRect(&rc);
    if (point.y < rc.top) {
        DoVScroll(SB_LINEUP, true);
        point.y = 0;
    } else if (point.y >= rc.bottom) {
        DoVScroll(SB_LINEDOWN, true);
        point.y = rc.bottom - 1;
    }
    const int nOldEnd = m_nSelEnd;
    if (CalcPos(point.x, point.y).x >= 0) ExtendSelection();
    HideCaret();
    if (m_nSelEnd != nOldEnd) RedrawWindow();
}

void CKXHexEdit::OnLButtonUp(UINT nFlags, CPoint point) {
    if (IsAnchored() && ::GetCapture() == m_hWnd) ::ReleaseCapture();
    CEdit::OnLButtonUp(nFlags, point);
}

void CKXHexEdit::OnLButtonDblClk(UINT, CPoint) {}

// --- focus ----------------------------------------------------------------------------

void CKXHexEdit::OnSetFocus(CWnd* pOldWnd) {
    CEdit::OnSetFocus(pOldWnd);
    // The edit control underneath made a caret of its own.
    if (HasData() && !HasSelection()) RepositionCaret(m_nCurrentAddress);
    else ::DestroyCaret();
}

void CKXHexEdit::OnKillFocus(CWnd* pNewWnd) {
    HideCaret();
    CEdit::OnKillFocus(pNewWnd);
}
