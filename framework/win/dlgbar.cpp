#include "win/dlgbar.h"

#include "win/frame.h"

IMPLEMENT_DYNAMIC(CDialogBar, CControlBar)

namespace {
// The dialog manager's side of the bar: everything goes through the message map.
INT_PTR CALLBACK AfxDialogBarProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
}  // namespace

CDialogBar::CDialogBar() { m_cxLeftBorder = m_cxRightBorder = m_cyTopBorder = m_cyBottomBorder = 0; }

CDialogBar::~CDialogBar() {
    // The object is going already: the window's end must not delete it again.
    m_bAutoDelete = FALSE;
    DestroyWindow();
}

BOOL CDialogBar::Create(CWnd* pParentWnd, LPCTSTR lpszTemplateName, UINT nStyle, UINT nID) {
    if (pParentWnd == nullptr || pParentWnd->GetSafeHwnd() == nullptr || lpszTemplateName == nullptr) return FALSE;
    // The bar's CBRS_ bits stay with the bar, not the window.
    m_dwStyle = nStyle & CBRS_ALL;
    HINSTANCE hInst = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
    HRSRC hResource = ::FindResourceA(hInst, lpszTemplateName, RT_DIALOG);
    HGLOBAL hTemplate = hResource ? ::LoadResource(hInst, hResource) : nullptr;
    const DLGTEMPLATE* pTemplate = hTemplate ? static_cast<const DLGTEMPLATE*>(::LockResource(hTemplate)) : nullptr;
    if (pTemplate == nullptr) return FALSE;
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(hInst, pTemplate, pParentWnd->m_hWnd, AfxDialogBarProc, 0);
    AfxUnhookWindowCreate();
    if (hWnd == nullptr) return FALSE;
    ASSERT(GetStyle() & WS_CHILD);  // a bar's template is a child dialog
    SetDlgCtrlID(static_cast<int>(nID));
    CRect rect;
    GetWindowRect(&rect);
    m_sizeDefault = rect.Size();
    ExecuteDlgInit(lpszTemplateName);
    // The window style asked for (visible or not) over the template's.
    ModifyStyle(0, (nStyle & ~CBRS_ALL) & (WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN));
    if (nStyle & WS_VISIBLE) ShowWindow(SW_SHOWNA);
    return TRUE;
}

CSize CDialogBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
    if (!bStretch) return m_sizeDefault;
    return bHorz ? CSize(32767, m_sizeDefault.cy) : CSize(m_sizeDefault.cx, 32767);
}

void CDialogBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}

void CDialogBar::OnUpdateCmdUIOutsideFrame(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
    UpdateDialogControls(pTarget, bDisableIfNoHndler);
}
