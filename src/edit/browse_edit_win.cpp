#include "edit/browse_edit.h"

#include "bars/menu.h"
#include "core/aux_data.h"
#include "core/os_version.h"
#include "core/kx_messages.h"
#include "core/resource_scope.h"
#include "edit/browse_button.h"
#include "edit/browse_dialog.h"
#include "kxres_ids.h"
#include "win/commdlg.h"

IMPLEMENT_DYNAMIC(CKXBrowseEdit, CKXEdit)

BEGIN_MESSAGE_MAP(CKXBrowseEdit, CKXEdit)
    ON_MESSAGE(WM_KX_INITCONTROL, OnInitControl)
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_SHOWWINDOW()
    ON_WM_ENABLE()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CKXBrowseEdit::CKXBrowseEdit() : m_nEdgeWidth(::GetSystemMetrics(SM_CXEDGE)) {
    // A missing string leaves its text empty.
    CKXResourceScope scope;
    if (!m_strDefExt.LoadString(IDS_KX_BROWSE_DEFEXT)) m_strDefExt.Empty();
    if (!m_strFilter.LoadString(IDS_KX_BROWSE_FILTER)) m_strFilter.Empty();
    if (!m_strTitle.LoadString(IDS_KX_BROWSE_FOLDER_TITLE)) m_strTitle.Empty();
}

CKXBrowseEdit::~CKXBrowseEdit() { delete m_pButton; }

int CKXBrowseEdit::GetButtonWidth() {
    // The metrics do not change while the module is loaded.
    static const int s_cxButton =
        KXBrowseButtonWidth(::GetSystemMetrics(SM_CXHTHUMB), ::GetSystemMetrics(SM_CXEDGE));
    return s_cxButton;
}

void CKXBrowseEdit::SetBrowseStyle(DWORD dwStyle, UINT nMenuID, int nSubMenu) {
    m_dwBrowseStyle = dwStyle;
    m_nMenuID = nMenuID;
    m_nSubMenu = nSubMenu;
}

bool CKXBrowseEdit::HasButtonWindow() const { return m_pButton != nullptr && ::IsWindow(m_pButton->GetSafeHwnd()); }

// --- initialisation -------------------------------------------------------------

BOOL CKXBrowseEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    if (!CKXEdit::Create(dwStyle, rect, pParentWnd, nID)) return FALSE;
    ++m_nInitCookie;
    SendMessage(WM_KX_INITCONTROL, 0, m_nInitCookie);
    return TRUE;
}

void CKXBrowseEdit::PreSubclassWindow() {
    CKXEdit::PreSubclassWindow();
    if (m_nInitCookie != 0) PostMessage(WM_KX_INITCONTROL, 0, m_nInitCookie);
}

LRESULT CKXBrowseEdit::OnInitControl(WPARAM, LPARAM lParam) {
    if (static_cast<int>(lParam) != m_nInitCookie || m_nInitCookie == 0) return 0;  // a stale request
    m_nInitCookie = 0;
    if ((m_dwBrowseStyle & 7) != 0 && m_pButton == nullptr) {
        m_pButton = new CKXBrowseButton(this, m_dwBrowseStyle, m_nMenuID, m_nSubMenu);
        CWnd* pParent = GetParent();
        if (static_cast<CKXBrowseButton*>(m_pButton)->Create(pParent, (GetStyle() & WS_VISIBLE) != 0)) {
            m_pButton->EnableWindow(IsWindowEnabled());
            PositionBrowseButton(true);
        }
    }
    SetFont(&CKXAuxData::Get().fontRegular);
    m_pDlgOwner = this;
    return 0;
}

// --- layout -----------------------------------------------------------------------------

void CKXBrowseEdit::OnWindowPosChanging(WINDOWPOS* lpwndpos) {
    CKXEdit::OnWindowPosChanging(lpwndpos);
    if (HasButtonWindow() && !(lpwndpos->flags & SWP_NOSIZE))
        lpwndpos->cx = KXBrowseEditWidth(lpwndpos->cx, m_nEdgeWidth, GetButtonWidth());
}

void CKXBrowseEdit::OnWindowPosChanged(WINDOWPOS* lpwndpos) {
    CKXEdit::OnWindowPosChanged(lpwndpos);
    if (!HasButtonWindow()) return;
    if (lpwndpos->flags & SWP_SHOWWINDOW) m_pButton->ShowWindow(SW_SHOWNA);
    if (lpwndpos->flags & SWP_HIDEWINDOW) m_pButton->ShowWindow(SW_HIDE);
    PositionBrowseButton(false);
}

void CKXBrowseEdit::PositionBrowseButton(bool bSelf) {
    if (!HasButtonWindow()) return;
    CWnd* pParent = GetParent();
    if (pParent == nullptr) return;
    CRect rc;
    GetWindowRect(&rc);
    pParent->ScreenToClient(&rc);
    if (bSelf) {
        SetWindowPos(nullptr, rc.left, rc.top, rc.Width(), rc.Height(),
                     SWP_NOZORDER | SWP_NOREDRAW | SWP_FRAMECHANGED);
        return;  // the position change places the button
    }
    const CRect rcButton = KXBrowseButtonRect(rc, m_nEdgeWidth, GetButtonWidth());
    m_pButton->SetWindowPos(this, rcButton.left, rcButton.top, rcButton.Width(), rcButton.Height(),
                            SWP_NOREDRAW | SWP_FRAMECHANGED | SWP_NOACTIVATE);
    pParent->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void CKXBrowseEdit::OnShowWindow(BOOL bShow, UINT nStatus) {
    CKXEdit::OnShowWindow(bShow, nStatus);
    if (HasButtonWindow()) m_pButton->ShowWindow(bShow ? SW_SHOWNA : SW_HIDE);
}

void CKXBrowseEdit::OnEnable(BOOL bEnable) {
    CKXEdit::OnEnable(bEnable);
    if (HasButtonWindow()) m_pButton->EnableWindow(bEnable);
}

void CKXBrowseEdit::OnDestroy() {
    // The button is the parent's child: it goes with the edit, not with the parent.
    if (HasButtonWindow()) m_pButton->DestroyWindow();
    CKXEdit::OnDestroy();
}

// --- browsing -------------------------------------------------------------------------

void CKXBrowseEdit::OnBrowse() {
    m_bBrowsing = 1;
    const HWND hWnd = m_hWnd;
    const eKXBROWSEACTION action = KXBrowseAction(m_dwBrowseStyle);
    if (action == KX_BROWSE_MENU && HasButtonWindow()) m_pButton->SetPushed(TRUE);

    NMHDR nmh = {};
    nmh.hwndFrom = m_hWnd;
    nmh.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    nmh.code = kBrowseNotify;
    const HWND hParent = ::GetParent(m_hWnd);
    const LRESULT lHandled =
        hParent ? ::SendMessage(hParent, WM_NOTIFY, nmh.idFrom, reinterpret_cast<LPARAM>(&nmh)) : 0;
    if (lHandled == 0 && ::IsWindow(hWnd)) {
        switch (action) {
        case KX_BROWSE_DIRECTORY: ChooseDirectory(); break;
        case KX_BROWSE_FILE: ChooseFile(); break;
        case KX_BROWSE_MENU: PopupMenu(); break;
        default: break;
        }
    }
    if (!::IsWindow(hWnd)) return;  // closed meanwhile
    if (HasButtonWindow()) m_pButton->SetPushed(FALSE);
    SetSel(0, -1);
    SendMessage(EM_SCROLLCARET);
    SetFocus();
    m_bBrowsing = 0;
}

void CKXBrowseEdit::ChooseDirectory() {
    CKXBrowseDialog dlg(GetParent());
    dlg.SetTitle(m_strTitle);
    CString strText;
    GetWindowText(strText);
    dlg.SetSelPath(strText);  // a path too long for the platform starts at the current directory
    if (dlg.DoModal() == IDOK && ::IsWindow(m_hWnd)) SetWindowText(dlg.GetSelPath());
}

void CKXBrowseEdit::ChooseFile() {
    if (m_pFileDialog != nullptr) {
        if (m_pFileDialog->DoModal() == IDOK && ::IsWindow(m_hWnd)) SetWindowText(m_pFileDialog->GetPathName());
        return;
    }
    // The older, shorter structure, unless the system knows the full one.
    const DWORD dwSize =
        CKXOSVersionInfo::Get().IsWin2KOrGreater() ? sizeof(OPENFILENAMEA) : OPENFILENAME_SIZE_VERSION_400A;
    CFileDialog dlg(m_bOpenFileDialog, m_strDefExt, m_strFileName, m_dwDlgStyle, m_strFilter, m_pDlgOwner, dwSize);
    if (dlg.DoModal() == IDOK && ::IsWindow(m_hWnd)) SetWindowText(dlg.GetPathName());
}

void CKXBrowseEdit::PopupMenu() {
    if (!HasButtonWindow()) return;
    CKXMenu menu;
    if (!menu.LoadMenu(m_nMenuID)) return;
    CMenu* pPopup = m_nSubMenu >= 0 ? menu.GetSubMenu(m_nSubMenu) : nullptr;
    if (pPopup == nullptr || pPopup->GetMenuItemCount() <= 0) return;
    // The command goes to the window the edit lives in, not to a child.
    CWnd* pTarget = this;
    while ((pTarget->GetStyle() & WS_CHILD) && pTarget->GetParent() != nullptr) pTarget = pTarget->GetParent();
    CRect rcButton;
    m_pButton->GetWindowRect(&rcButton);
    TPMPARAMS tpm = {sizeof tpm, rcButton};
    pPopup->TrackPopupMenuEx(TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_VERTICAL, rcButton.right, rcButton.top, pTarget,
                             &tpm);
}
