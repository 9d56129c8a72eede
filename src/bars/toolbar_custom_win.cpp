// CKXToolBar: drop-down buttons, the customise menu and dialog, and the
// button layout kept in the registry.
#include "bars/menu.h"
#include "bars/toolbar.h"

// --- drop-down buttons -------------------------------------------------------------

BOOL CKXToolBar::AddDropDownButton(UINT nID, UINT nIDMenu, BOOL bArrow) {
    DROPDOWNBUTTON* pButton = FindDropDownButton(nID);
    if (pButton == nullptr) {
        pButton = new DROPDOWNBUTTON;
        pButton->idButton = nID;
        pButton->next = pDropDownButtons;
        pDropDownButtons = pButton;
    }
    pButton->idMenu = nIDMenu;
    const int nIndex = CommandToIndex(nID);
    if (nIndex >= 0) SetButtonStyle(nIndex, GetButtonStyle(nIndex) | TBSTYLE_DROPDOWN);
    if (bArrow && GetSafeHwnd() != nullptr)
        SetExtendedStyle(GetToolBarCtrl().GetExtendedStyle() | TBSTYLE_EX_DRAWDDARROWS);
    return TRUE;
}

DROPDOWNBUTTON* CKXToolBar::FindDropDownButton(UINT nID) const {
    for (DROPDOWNBUTTON* p = pDropDownButtons; p != nullptr; p = p->next)
        if (p->idButton == nID) return p;
    return nullptr;
}

void CKXToolBar::OnDropDown(NMHDR* pNMHDR, LRESULT* pResult) {
    const NMTOOLBARA* pNMTB = reinterpret_cast<const NMTOOLBARA*>(pNMHDR);
    CRect rc;
    GetToolBarCtrl().GetRect(pNMTB->iItem, &rc);
    ClientToScreen(&rc);
    OnDropDownButton(*pNMTB, static_cast<UINT>(pNMTB->iItem), rc);
    *pResult = TBDDRET_DEFAULT;
}

void CKXToolBar::OnDropDownButton(const NMTOOLBARA&, UINT nID, CRect rc) {
    const DROPDOWNBUTTON* pButton = FindDropDownButton(nID);
    if (pButton == nullptr || pButton->idMenu == 0) return;
    CKXMenu menu;
    if (!menu.LoadMenu(pButton->idMenu)) return;
    CMenu* pPopup = menu.GetSubMenu(0);
    CWnd* pFrame = GetCommandFrame();
    if (pPopup == nullptr || pFrame == nullptr) return;
    // Below the button, or above it when the screen ends first.
    TPMPARAMS tpm = {sizeof tpm, rc};
    pPopup->TrackPopupMenuEx(TPM_LEFTALIGN | TPM_LEFTBUTTON | TPM_VERTICAL, rc.left, rc.bottom, pFrame, &tpm);
}

// --- customising ---------------------------------------------------------------------

void CKXToolBar::OnRButtonDown(UINT nFlags, CPoint point) {
    if (pCustomizeButtons == nullptr) {
        CKXToolBarBase::OnRButtonDown(nFlags, point);
        return;
    }
    ClientToScreen(&point);
    CKXMenu menu;
    if (!menu.CreatePopupMenu() ||
        !menu.InsertODMenuA(0, "&Customize...", MF_BYPOSITION | MF_STRING, ID_KX_TOOLBAR_CUSTOMIZE, -1))
        return;
    const UINT nCmd = static_cast<UINT>(
        menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, point.x, point.y, this));
    if (nCmd == ID_KX_TOOLBAR_CUSTOMIZE) Customize();
}

void CKXToolBar::OnGetButtonInfo(NMHDR* pNMHDR, LRESULT* pResult) {
    NMTOOLBARA* pNMTB = reinterpret_cast<NMTOOLBARA*>(pNMHDR);
    *pResult = FALSE;
    if (pCustomizeButtons == nullptr || pNMTB->iItem < 0 || pNMTB->iItem >= nCustomizeButtons) return;
    const TOOLBARINFO& info = pCustomizeButtons[pNMTB->iItem];
    pNMTB->tbButton = info.tbButton;
    if (pNMTB->pszText != nullptr && pNMTB->cchText > 0)
        lstrcpynA(pNMTB->pszText, info.btnText != nullptr ? info.btnText : "", pNMTB->cchText);
    *pResult = TRUE;
}

void CKXToolBar::OnQueryInsertDelete(NMHDR*, LRESULT* pResult) {
    // Every place takes every button.
    *pResult = TRUE;
}

void CKXToolBar::OnToolBarChange(NMHDR*, LRESULT*) {
    RepositionButtonCtrl();
    if (CFrameWnd* pFrame = GetParentFrame()) pFrame->RecalcLayout();
}

void CKXToolBar::OnEndAdjust(NMHDR*, LRESULT*) { SaveState(); }

void CKXToolBar::OnReset(NMHDR*, LRESULT*) { RestoreState(); }

void CKXToolBar::OnNothing(NMHDR*, LRESULT*) {}

// --- the saved layout ------------------------------------------------------------------

void CKXToolBar::SaveState() {
    if (m_strSubKey.IsEmpty() || GetSafeHwnd() == nullptr) return;
    TBSAVEPARAMSA params = {m_hKeyRoot, m_strSubKey, m_strValueName};
    SendMessage(TB_SAVERESTOREA, TRUE, reinterpret_cast<LPARAM>(&params));
}

void CKXToolBar::RestoreState() {
    if (m_strSubKey.IsEmpty() || GetSafeHwnd() == nullptr) return;
    // Only a layout that is there is handed to the control; and one the
    // control cannot make sense of must not cost the user the buttons shown.
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(m_hKeyRoot, m_strSubKey, 0, KEY_READ, &hKey) != ERROR_SUCCESS) return;
    DWORD dwType = 0, cbData = 0;
    const LONG lResult = ::RegQueryValueExA(hKey, m_strValueName, nullptr, &dwType, nullptr, &cbData);
    ::RegCloseKey(hKey);
    if (lResult != ERROR_SUCCESS || dwType != REG_BINARY || cbData == 0) return;

    CArray<TBBUTTON, const TBBUTTON&> arBefore;
    for (int i = 0, n = GetCount(); i < n; ++i) {
        TBBUTTON b;
        if (m_buttons.GetButton(i, &b)) arBefore.Add(b);
    }
    TBSAVEPARAMSA params = {m_hKeyRoot, m_strSubKey, m_strValueName};
    BOOL bGood = static_cast<BOOL>(SendMessage(TB_SAVERESTOREA, FALSE, reinterpret_cast<LPARAM>(&params)));
    // Every button restored must be one the bar knows: in the table, or shown before.
    const int nCount = GetCount();
    bGood = bGood && (nCount > 0 || arBefore.GetSize() == 0);
    for (int i = 0; bGood && i < nCount; ++i) {
        TBBUTTON b;
        if (!m_buttons.GetButton(i, &b) || (b.fsStyle & TBSTYLE_SEP)) continue;
        bool bKnown = false;
        for (int j = 0; !bKnown && pCustomizeButtons != nullptr && j < nCustomizeButtons; ++j)
            bKnown = pCustomizeButtons[j].tbButton.idCommand == b.idCommand;
        for (INT_PTR j = 0; !bKnown && j < arBefore.GetSize(); ++j) bKnown = arBefore[j].idCommand == b.idCommand;
        bGood = bKnown;
    }
    if (!bGood) PutBackButtons(arBefore);
    RepositionButtonCtrl();
    if (CFrameWnd* pFrame = GetParentFrame(); pFrame != nullptr && IsWindowVisible()) pFrame->DelayRecalcLayout();
}

void CKXToolBar::PutBackButtons(const CArray<TBBUTTON, const TBBUTTON&>& arButtons) {
    while (SendMessage(TB_DELETEBUTTON, 0)) {
    }
    if (arButtons.GetSize() > 0)
        SendMessage(TB_ADDBUTTONSA, static_cast<WPARAM>(arButtons.GetSize()),
                    reinterpret_cast<LPARAM>(arButtons.GetData()));
}
