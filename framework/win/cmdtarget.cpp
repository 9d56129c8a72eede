#include "win/cmdtarget.h"

#include "win/menu.h"
#include "win/winapp.h"
#include "win/wnd.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

namespace {
const AFX_MSGMAP_ENTRY kNoEntries[] = {{0, 0, 0, 0, AfxSig_end, nullptr, nullptr}};
const AFX_MSGMAP kCmdTargetMap = {nullptr, &kNoEntries[0]};
}  // namespace

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() { return &kCmdTargetMap; }
const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMsg, UINT nCode, UINT nID) {
    for (; pMap; pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = pMap->lpEntries; e->nSig != AfxSig_end; ++e) {
            if (e->nSig == AfxSig_cmd) continue;  // commands are found by OnCmdMsg
            UINT msg = e->nSig == AfxSig_registered ? *e->pnRegistered : e->nMessage;
            if (msg == nMsg && e->nCode == nCode && nID >= e->nID && nID <= e->nLastID) return e;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    UINT nMsg = 0;
    UINT code = static_cast<UINT>(nCode);
    if (code != CN_UPDATE_COMMAND_UI) {
        nMsg = HIWORD(code);
        code = LOWORD(code);
    }
    if (nMsg == 0) nMsg = WM_COMMAND;

    // Command entries live in the maps with nSig AfxSig_cmd; walk each map so a
    // derived class's entry wins over its base's.
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap;
         pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = pMap->lpEntries; e->nSig != AfxSig_end; ++e) {
            if (e->nSig != AfxSig_cmd || e->nMessage != nMsg || e->nCode != code) continue;
            if (nID < e->nID || nID > e->nLastID) continue;
            if (pHandlerInfo) {  // only asked whether a handler exists
                pHandlerInfo->pTarget = this;
                pHandlerInfo->pEntry = e;
                return TRUE;
            }
            LRESULT unused = 0;
            if (code == CN_UPDATE_COMMAND_UI && nMsg == WM_COMMAND) {
                CCmdUI* pCmdUI = static_cast<CCmdUI*>(pExtra);
                pCmdUI->m_bContinueRouting = FALSE;
                e->pfn(this, nMsg, nID, 0, pExtra, &unused);
                return !pCmdUI->m_bContinueRouting;
            }
            return e->pfn(this, nMsg, nID, 0, pExtra, &unused);
        }
    }
    return FALSE;
}

namespace {
// The application keeps the count, so that waits nest; without one the
// cursor just changes.
void DoWaitCursor(int nCode) {
    if (CWinApp* pApp = AfxGetApp())
        pApp->DoWaitCursor(nCode);
    else
        ::SetCursor(::LoadCursorA(nullptr, nCode < 0 ? IDC_ARROW : IDC_WAIT));
}
}  // namespace

DWORD CCmdTarget::InternalAddRef() { return static_cast<DWORD>(::InterlockedIncrement(&m_dwRef)); }

DWORD CCmdTarget::InternalRelease() {
    ASSERT(m_dwRef > 0);  // released more often than referenced
    if (m_dwRef <= 0) return 0;
    long lResult = ::InterlockedDecrement(&m_dwRef);
    if (lResult == 0) OnFinalRelease();
    return static_cast<DWORD>(lResult);
}

void CCmdTarget::OnFinalRelease() { delete this; }

void CCmdTarget::BeginWaitCursor() { DoWaitCursor(1); }
void CCmdTarget::EndWaitCursor() { DoWaitCursor(-1); }
void CCmdTarget::RestoreWaitCursor() { DoWaitCursor(0); }

// --- CCmdUI ------------------------------------------------------------------

void CCmdUI::Enable(BOOL bOn) {
    if (m_pMenu) {
        if (m_pSubMenu) return;  // popups are not enabled or disabled here
        m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
    } else if (m_pOther) {
        // A control that loses the focus by being disabled passes it on first.
        if (!bOn && ::GetFocus() == m_pOther->m_hWnd) {
            HWND hParent = ::GetParent(m_pOther->m_hWnd);
            if (hParent) ::SendMessageA(hParent, WM_NEXTDLGCTL, 0, FALSE);
        }
        m_pOther->EnableWindow(bOn);
    }
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck) {
    if (m_pMenu) {
        if (m_pSubMenu) return;
        m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
    } else if (m_pOther && (m_pOther->SendMessage(WM_GETDLGCODE) & DLGC_BUTTON)) {
        m_pOther->SendMessage(BM_SETCHECK, nCheck);
    }
}

void CCmdUI::SetRadio(BOOL bOn) {
    if (m_pMenu && !m_pSubMenu) {
        // A radio mark is a check with the radio-bullet item type.
        MENUITEMINFOA mii = {};
        mii.cbSize = sizeof mii;
        mii.fMask = MIIM_FTYPE;
        ::GetMenuItemInfoA(m_pMenu->m_hMenu, m_nIndex, TRUE, &mii);
        mii.fType = bOn ? (mii.fType | MFT_RADIOCHECK) : (mii.fType & ~MFT_RADIOCHECK);
        ::SetMenuItemInfoA(m_pMenu->m_hMenu, m_nIndex, TRUE, &mii);
    }
    SetCheck(bOn ? 1 : 0);
}

void CCmdUI::SetText(LPCTSTR lpszText) {
    if (m_pMenu) {
        if (m_pSubMenu) return;
        UINT nState = m_pMenu->GetMenuState(m_nIndex, MF_BYPOSITION) & (MF_GRAYED | MF_DISABLED | MF_CHECKED);
        m_pMenu->ModifyMenu(m_nIndex, MF_BYPOSITION | MF_STRING | nState, m_nID, lpszText);
    } else if (m_pOther) {
        m_pOther->SetWindowText(lpszText);
    }
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
    if (m_nID == 0 || LOWORD(m_nID) == 0xFFFF) return TRUE;  // separators and unknowns
    m_bEnableChanged = FALSE;
    BOOL bResult = pTarget->OnCmdMsg(m_nID, static_cast<int>(CN_UPDATE_COMMAND_UI), this, nullptr);
    if (bDisableIfNoHndler && !m_bEnableChanged) {
        AFX_CMDHANDLERINFO info = {nullptr, nullptr};
        BOOL bHandler = pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info);
        Enable(bHandler);  // no update handler: enabled exactly when a command handler exists
    }
    return bResult;
}

void AfxUpdateMenuCmdUI(CCmdTarget* pTarget, CMenu* pPopupMenu, BOOL bDisableIfNoHndler) {
    if (pTarget == nullptr || pPopupMenu == nullptr) return;
    CCmdUI state;
    state.m_pMenu = pPopupMenu;
    state.m_nIndexMax = static_cast<UINT>(pPopupMenu->GetMenuItemCount());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++) {
        state.m_nID = pPopupMenu->GetMenuItemID(static_cast<int>(state.m_nIndex));
        if (state.m_nID == 0) continue;  // separator
        if (state.m_nID == static_cast<UINT>(-1)) {
            // A popup: it is updated by the first command inside it.
            state.m_pSubMenu = pPopupMenu->GetSubMenu(static_cast<int>(state.m_nIndex));
            if (state.m_pSubMenu == nullptr || (state.m_nID = state.m_pSubMenu->GetMenuItemID(0)) == 0 ||
                state.m_nID == static_cast<UINT>(-1))
                continue;
            state.DoUpdate(pTarget, FALSE);
        } else {
            state.m_pSubMenu = nullptr;
            state.DoUpdate(pTarget, bDisableIfNoHndler && state.m_nID < 0xF000);
        }
        // The item count may change as items are updated.
        UINT nCount = static_cast<UINT>(pPopupMenu->GetMenuItemCount());
        if (nCount < state.m_nIndexMax) {
            state.m_nIndex -= (state.m_nIndexMax - nCount);
            while (state.m_nIndex < nCount && pPopupMenu->GetMenuItemID(static_cast<int>(state.m_nIndex)) == state.m_nID)
                state.m_nIndex++;
        }
        state.m_nIndexMax = nCount;
    }
}
