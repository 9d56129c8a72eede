#include "edit/edit.h"

#include "bars/menu.h"
#include "edit/edit_menu.h"
#include "core/aux_data.h"
#include "core/color_manager.h"
#include "core/mem_dc.h"
#include "core/resource_scope.h"
#include "kxres_ids.h"

IMPLEMENT_DYNCREATE(CKXEdit, CEdit)

BEGIN_MESSAGE_MAP(CKXEdit, CEdit)
    ON_WM_CREATE()
    ON_WM_CONTEXTMENU()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, OnPrintClient)
    ON_WM_INITMENUPOPUP()
    ON_WM_MENUCHAR()
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_ENABLE()
    ON_COMMAND(ID_KX_EDIT_UNDO, OnEditUndo)
    ON_UPDATE_COMMAND_UI(ID_KX_EDIT_UNDO, OnUpdateEditUndo)
    ON_COMMAND(ID_KX_EDIT_CUT, OnEditCut)
    ON_UPDATE_COMMAND_UI(ID_KX_EDIT_CUT, OnUpdateEditCut)
    ON_COMMAND(ID_KX_EDIT_COPY, OnEditCopy)
    ON_UPDATE_COMMAND_UI(ID_KX_EDIT_COPY, OnUpdateEditCut)
    ON_COMMAND(ID_KX_EDIT_PASTE, OnEditPaste)
    ON_UPDATE_COMMAND_UI(ID_KX_EDIT_PASTE, OnUpdateEditPaste)
    ON_COMMAND(ID_KX_EDIT_CLEAR, OnEditClear)
    ON_UPDATE_COMMAND_UI(ID_KX_EDIT_CLEAR, OnUpdateEditCut)
    ON_COMMAND(ID_KX_EDIT_SELECT_ALL, OnEditSelectAll)
    ON_UPDATE_COMMAND_UI(ID_KX_EDIT_SELECT_ALL, OnUpdateEditSelectAll)
END_MESSAGE_MAP()

CKXEdit::CKXEdit() {
    const CKXAuxData& aux = CKXAuxData::Get();
    m_clrText = aux.clrXP[XPCOLOR_MENU_TEXT - XPCOLOR_TOOLBAR_FACE];
    m_clrReadOnlyText = m_clrText;
    m_clrBk = aux.clrWindow;
    m_clrReadOnlyBk = aux.clrBtnFace;
    m_hBrush = ::CreateSolidBrush(m_clrBk);
}

CKXEdit::~CKXEdit() {
    if (m_hBrush) ::DeleteObject(m_hBrush);
}

BOOL CKXEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    m_bInitOnCreate = true;
    return CEdit::Create(dwStyle, rect, pParentWnd, nID);
}

// --- initialisation -----------------------------------------------------------

void CKXEdit::Init() {
    if (!::IsWindow(m_hWnd)) return;
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(CKXAuxData::Get().fontRegular.GetSafeHandle()), TRUE);
    CreateBrushType();
}

void CKXEdit::PreSubclassWindow() {
    CEdit::PreSubclassWindow();
    if (!m_bInitOnCreate) Init();
}

int CKXEdit::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CEdit::OnCreate(lpCreateStruct) == -1) return -1;
    if (m_bInitOnCreate) Init();
    return 0;
}

// --- colours --------------------------------------------------------------------

COLORREF CKXEdit::CurrentBkColor() const {
    if (!::IsWindow(m_hWnd)) return m_clrBk;
    if (!IsWindowEnabled()) return CKXAuxData::Get().clrBtnFace;
    return (GetStyle() & ES_READONLY) ? m_clrReadOnlyBk : m_clrBk;
}

COLORREF CKXEdit::CurrentTextColor() const {
    if (!::IsWindow(m_hWnd)) return m_clrText;
    if (!IsWindowEnabled()) return CKXAuxData::Get().clrBtnDkShadow;
    return (GetStyle() & ES_READONLY) ? m_clrReadOnlyText : m_clrText;
}

void CKXEdit::CreateBrushType() {
    const COLORREF clrBk = CurrentBkColor();
    if (m_hBrush) ::DeleteObject(m_hBrush);
    m_hBrush = ::CreateSolidBrush(clrBk);
}

void CKXEdit::SetTextColor(COLORREF clrText) {
    m_clrText = clrText;
    if (::IsWindow(m_hWnd)) Invalidate(TRUE);
}

void CKXEdit::SetBkColor(COLORREF clrBk) {
    m_clrBk = clrBk;
    CreateBrushType();
    if (::IsWindow(m_hWnd)) Invalidate(TRUE);
}

void CKXEdit::SetReadOnlyColor(COLORREF clrText, COLORREF clrBk) {
    m_clrReadOnlyText = clrText;
    m_clrReadOnlyBk = clrBk;
    CreateBrushType();
    if (::IsWindow(m_hWnd)) Invalidate(TRUE);
}

BOOL CKXEdit::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    const BOOL bChanged = CEdit::ModifyStyle(dwRemove, dwAdd, nFlags);
    if ((dwRemove | dwAdd) & ES_READONLY) {
        // The platform edit takes read-only from EM_SETREADONLY only; the
        // message keeps its behaviour in step with the style.
        SendMessage(EM_SETREADONLY, (GetStyle() & ES_READONLY) ? TRUE : FALSE);
        CreateBrushType();
        Invalidate(TRUE);
    }
    return bChanged;
}

HBRUSH CKXEdit::CtlColor(CDC* pDC, UINT) {
    pDC->SetTextColor(CurrentTextColor());
    pDC->SetBkColor(CurrentBkColor());
    CreateBrushType();
    return m_hBrush;
}

void CKXEdit::OnEnable(BOOL bEnable) {
    CEdit::OnEnable(bEnable);
    CreateBrushType();
    Invalidate(TRUE);
}

// --- painting ---------------------------------------------------------------------

BOOL CKXEdit::OnEraseBkgnd(CDC*) { return TRUE; }

void CKXEdit::PaintText(CDC* pDC, const CRect& rcClient) {
    CKXMemDC memDC(pDC, rcClient, CurrentBkColor());
    if (memDC.IsValid()) DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(memDC.GetSafeHdc()), 0);
}

void CKXEdit::OnPaint() {
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    PaintText(&dc, rc);
}

LRESULT CKXEdit::OnPrintClient(WPARAM wParam, LPARAM) {
    CRect rc;
    GetClientRect(&rc);
    PaintText(CDC::FromHandle(reinterpret_cast<HDC>(wParam)), rc);
    return 0;
}

// --- context menu ---------------------------------------------------------------

void CKXEdit::OnContextMenu(CWnd*, CPoint point) {
    if (point.x == -1 && point.y == -1) {  // from the keyboard
        CRect rc;
        GetClientRect(&rc);
        ClientToScreen(&rc);
        point = rc.TopLeft() + CPoint(5, 5);
    }
    CKXResourceScope scope;
    CKXMenu menu;
    CKXMenu* pPopup = KXLoadEditContextMenu(menu);
    if (pPopup == nullptr) return;
    pPopup->TrackPopupMenu(TPM_RIGHTBUTTON, point.x, point.y, this);
}

void CKXEdit::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu) {
    CEdit::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
    if (!bSysMenu) AfxUpdateMenuCmdUI(this, pPopupMenu, FALSE);
}

LRESULT CKXEdit::OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu) {
    // Owner-drawn items have no text for the system to find mnemonics in.
    return CKXMenu::FindKeyboardShortcut(nChar, nFlags, pMenu);
}

// --- editing commands -------------------------------------------------------------

BOOL CKXEdit::CanPaste() { return ::IsClipboardFormatAvailable(CF_TEXT); }

BOOL CKXEdit::SelectionMade() {
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    return nStart < nEnd;
}

void CKXEdit::OnEditUndo() { SendMessage(EM_UNDO); }
void CKXEdit::OnEditCut() { SendMessage(WM_CUT); }
void CKXEdit::OnEditCopy() { SendMessage(WM_COPY); }
void CKXEdit::OnEditPaste() { SendMessage(WM_PASTE); }
void CKXEdit::OnEditClear() { SendMessage(WM_CLEAR); }

void CKXEdit::OnEditSelectAll() {
    SendMessage(EM_SETSEL, 0, -1);
    SendMessage(EM_SCROLLCARET);
}

void CKXEdit::OnUpdateEditUndo(CCmdUI* pCmdUI) { pCmdUI->Enable(SendMessage(EM_CANUNDO) != 0); }
void CKXEdit::OnUpdateEditCut(CCmdUI* pCmdUI) { pCmdUI->Enable(SelectionMade()); }
void CKXEdit::OnUpdateEditCopy(CCmdUI* pCmdUI) { pCmdUI->Enable(SelectionMade()); }
void CKXEdit::OnUpdateEditClear(CCmdUI* pCmdUI) { pCmdUI->Enable(SelectionMade()); }
void CKXEdit::OnUpdateEditPaste(CCmdUI* pCmdUI) { pCmdUI->Enable(CanPaste()); }
void CKXEdit::OnUpdateEditSelectAll(CCmdUI* pCmdUI) { pCmdUI->Enable(GetWindowTextLength() > 0); }
