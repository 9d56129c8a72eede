#include "win/wnd.h"

#include "base/cexception.h"
#include "win/ctl_basic.h"
#include "win/dc.h"
#include "win/frame.h"
#include "win/gdiobj.h"
#include "win/menu.h"
#include "win/winapp.h"

#include <algorithm>
#include <cstdio>

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

namespace {

// Asks whether a command is enabled before it is routed (menu and
// accelerator commands of a disabled item are dropped).
class CTestCmdUI : public CCmdUI {
public:
    BOOL m_bEnabled = TRUE;
    void Enable(BOOL bOn) override {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
    }
    void SetCheck(int) override {}
    void SetRadio(BOOL) override {}
    void SetText(LPCTSTR) override {}
};

LRESULT CALLBACK CbtFilterHook(int code, WPARAM wParam, LPARAM lParam) {
    AFX_THREAD_STATE* state = AfxGetThreadState();
    if (code == HCBT_CREATEWND && state->m_pWndInit != nullptr) {
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        CWnd* pWndInit = state->m_pWndInit;
        state->m_pWndInit = nullptr;
        // Attach before the window's first message so that WM_NCCREATE and
        // WM_CREATE already reach the message map.
        if (pWndInit->Attach(hWnd)) {
            pWndInit->PreSubclassWindow();
            WNDPROC* pOld = pWndInit->GetSuperWndProcAddr();
            WNDPROC oldProc = reinterpret_cast<WNDPROC>(
                ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
            if (oldProc != &AfxWndProc) *pOld = oldProc;
        }
    }
    return ::CallNextHookEx(state->m_hHookOldCbtFilter, code, wParam, lParam);
}

UINT QueryAfxWndProcMessage() {
    static const UINT msg = ::RegisterWindowMessageA("KXQueryWndProc");
    return msg;
}

}  // namespace

// --- window classes and the window procedure ---------------------------------

LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon) {
    // One class per attribute set; the name encodes the attributes.
    static thread_local char name[96];
    HINSTANCE hInst = AfxGetInstanceHandle();
    snprintf(name, sizeof name, "Afx:%p:%x:%p:%p:%p", static_cast<void*>(hInst), nClassStyle,
             static_cast<void*>(hCursor), static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));
    WNDCLASSA wc;
    if (!::GetClassInfoA(hInst, name, &wc)) {
        wc = {};
        wc.style = nClassStyle;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = hInst;
        wc.hCursor = hCursor;
        wc.hbrBackground = hbrBackground;
        wc.hIcon = hIcon;
        wc.lpszClassName = name;
        if (!::RegisterClassA(&wc)) return nullptr;
    }
    return name;
}

WNDPROC AfxGetAfxWndProc() { return &AfxWndProc; }

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    if (nMsg == QueryAfxWndProcMessage()) return 1;
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr || pWnd->m_hWnd != hWnd) return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    AFX_THREAD_STATE* state = AfxGetThreadState();
    MSG oldState = state->m_lastSentMsg;  // nested messages restore it
    state->m_lastSentMsg.hwnd = hWnd;
    state->m_lastSentMsg.message = nMsg;
    state->m_lastSentMsg.wParam = wParam;
    state->m_lastSentMsg.lParam = lParam;
    LRESULT lResult = 0;
    try {
        lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    } catch (CException* e) {
        // An exception must not unwind through the window manager's frames.
        lResult = (nMsg == WM_CREATE) ? -1 : 0;
        if (nMsg == WM_PAINT) ::ValidateRect(hWnd, nullptr);
        e->Delete();
    }
    state->m_lastSentMsg = oldState;
    return lResult;
}

void AfxHookWindowCreate(CWnd* pWnd) {
    AFX_THREAD_STATE* state = AfxGetThreadState();
    if (state->m_hHookOldCbtFilter == nullptr)
        state->m_hHookOldCbtFilter = ::SetWindowsHookExA(WH_CBT, CbtFilterHook, nullptr, ::GetCurrentThreadId());
    state->m_pWndInit = pWnd;
}

BOOL AfxUnhookWindowCreate() {
    AFX_THREAD_STATE* state = AfxGetThreadState();
    if (state->m_hHookOldCbtFilter != nullptr) {
        ::UnhookWindowsHookEx(state->m_hHookOldCbtFilter);
        state->m_hHookOldCbtFilter = nullptr;
    }
    if (state->m_pWndInit != nullptr) {
        state->m_pWndInit = nullptr;
        return FALSE;  // the hook never saw the window
    }
    return TRUE;
}

// --- construction and the handle map ----------------------------------------

CWnd::CWnd() = default;

CWnd::CWnd(HWND hWnd) : m_hWnd(hWnd) {}

CWnd::~CWnd() {
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this) DestroyWindow();
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (hWnd == nullptr) return nullptr;
    return afxMapHWND(TRUE)->FromHandle(hWnd);
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    CHandleMap<CWnd>* map = afxMapHWND();
    return (map && hWnd) ? map->LookupPermanent(hWnd) : nullptr;
}

void CWnd::DeleteTempMap() {
    if (CHandleMap<CWnd>* map = afxMapHWND()) map->DeleteTemp();
}

BOOL CWnd::Attach(HWND hWndNew) {
    ASSERT(hWndNew != nullptr && m_hWnd == nullptr);
    if (hWndNew == nullptr || m_hWnd != nullptr) return FALSE;
    CHandleMap<CWnd>* map = afxMapHWND(TRUE);
    CWnd* other = map->LookupPermanent(hWndNew);
    ASSERT(other == nullptr || other == this);  // one object per window
    if (other && other != this) return FALSE;
    m_hWnd = hWndNew;
    map->SetPermanent(hWndNew, this);
    return TRUE;
}

HWND CWnd::Detach() {
    HWND h = m_hWnd;
    if (h != nullptr) {
        if (CHandleMap<CWnd>* map = afxMapHWND(); map && map->LookupPermanent(h) == this) map->RemoveHandle(h);
    }
    m_hWnd = nullptr;
    return h;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    ASSERT(::IsWindow(hWnd));
    if (!::IsWindow(hWnd) || !Attach(hWnd)) return FALSE;
    PreSubclassWindow();
    WNDPROC oldProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    if (m_pfnSuper == nullptr && oldProc != &AfxWndProc) m_pfnSuper = oldProc;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    HWND hWndControl = ::GetDlgItem(pParent->GetSafeHwnd(), static_cast<int>(nID));
    return hWndControl != nullptr && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow() {
    if (m_hWnd == nullptr) return nullptr;
    if (m_pfnSuper != nullptr) {
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
        m_pfnSuper = nullptr;
    }
    return Detach();
}

// --- creation ------------------------------------------------------------------

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT nID, void* pContext) {
    // A view's creation context reaches its WM_CREATE as the creation parameter.
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam) {
    ASSERT(m_hWnd == nullptr);  // already a window
    if (m_hWnd != nullptr) return FALSE;
    CREATESTRUCTA cs = {};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = static_cast<LONG>(dwStyle);
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, static_cast<DWORD>(cs.style), cs.x, cs.y,
                                  cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    if (!AfxUnhookWindowCreate()) PostNcDestroy();  // creation failed before it began
    if (hWnd == nullptr) {
        // A window that failed in WM_CREATE was destroyed and detached already.
        if (m_hWnd != nullptr) Detach();
        return FALSE;
    }
    return TRUE;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs) {
    if (cs.lpszClass == nullptr) {
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursorA(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
        if (cs.lpszClass == nullptr) return FALSE;
    }
    return TRUE;
}

void CWnd::OnFinalRelease() {
    if (m_hWnd != nullptr)
        DestroyWindow();
    else
        PostNcDestroy();
}

void CWnd::PreSubclassWindow() {}
void CWnd::PostNcDestroy() {}

void CWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType) {
    // Laid out by its parent (adjustBorder), a window's client edge stays
    // inside the space it is given; its border goes outside.
    DWORD dwExStyle = GetExStyle();
    if (nAdjustType == adjustBorder) dwExStyle &= ~WS_EX_CLIENTEDGE;
    ::AdjustWindowRectEx(lpClientRect, GetStyle(), FALSE, dwExStyle);
}

BOOL CWnd::DestroyWindow() {
    if (m_hWnd == nullptr) return FALSE;
    HWND hWnd = m_hWnd;
    bool permanent = FromHandlePermanent(hWnd) == this;
    BOOL bResult = ::DestroyWindow(hWnd);
    // A permanent window detaches itself in WM_NCDESTROY; a wrapper that
    // never was in the map just forgets the handle.
    if (!permanent) m_hWnd = nullptr;
    return bResult;
}

// --- message routing ------------------------------------------------------------

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult)) lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper != nullptr) return ::CallWindowProcA(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    LRESULT lResult = 0;
    const AFX_MSGMAP_ENTRY* entry = nullptr;
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam)) return FALSE;
        lResult = 1;
    } else if (message == WM_NOTIFY) {
        NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        if (pNMHDR == nullptr || pNMHDR->hwndFrom == nullptr || !OnNotify(wParam, lParam, &lResult)) return FALSE;
    } else if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        // Every colour message is handled as WM_CTLCOLOR with its control type.
        entry = FindMessageEntry(GetMessageMap(), WM_CTLCOLOR, 0, 0);
        if (entry == nullptr) return FALSE;
        AFX_CTLCOLOR ctl = {reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam),
                            message - WM_CTLCOLORMSGBOX};
        if (!entry->pfn(this, WM_CTLCOLOR, 0, reinterpret_cast<LPARAM>(&ctl), nullptr, &lResult)) return FALSE;
    } else {
        entry = FindMessageEntry(GetMessageMap(), message, 0, 0);
        if (entry == nullptr || !entry->pfn(this, message, wParam, lParam, nullptr, &lResult)) return FALSE;
    }
    if (pResult) *pResult = lResult;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    int nCode = HIWORD(wParam);
    if (hWndCtrl == nullptr) {
        // A menu or accelerator command: drop it when its item is disabled.
        if (nID == 0) return FALSE;
        CTestCmdUI state;
        state.m_nID = nID;
        OnCmdMsg(nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr);
        if (!state.m_bEnabled) {
            TRACE("Not carrying out the disabled command %u.\n", nID);
            return TRUE;
        }
        nCode = CN_COMMAND;
    } else {
        if (AfxGetThreadState()->m_hLockoutNotifyWindow == m_hWnd) return TRUE;
        // The control may handle its own notification (reflection).
        if (ReflectLastMsg(hWndCtrl)) return TRUE;
        if (nID == 0) return FALSE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) {
    NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    HWND hWndCtrl = pNMHDR->hwndFrom;
    UINT nID = static_cast<UINT>(::GetDlgCtrlID(hWndCtrl));
    int nCode = static_cast<int>(pNMHDR->code);
    if (AfxGetThreadState()->m_hLockoutNotifyWindow == m_hWnd) return TRUE;
    if (ReflectLastMsg(hWndCtrl, pResult)) return TRUE;
    AFX_NOTIFY notify = {pResult, pNMHDR};
    return OnCmdMsg(nID, MAKELONG(nCode, WM_NOTIFY), &notify, nullptr);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    switch (uMsg) {
        case WM_HSCROLL:
        case WM_VSCROLL:
        case WM_PARENTNOTIFY:
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
        case WM_DELETEITEM:
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM:
        case WM_COMPAREITEM:
            return CWnd::OnWndMsg(WM_REFLECT_BASE + uMsg, wParam, lParam, pResult);
        case WM_COMMAND: {
            int nCode = HIWORD(wParam);
            if (CCmdTarget::OnCmdMsg(0, MAKELONG(nCode, WM_REFLECT_BASE + WM_COMMAND), nullptr, nullptr)) {
                if (pResult) *pResult = 1;
                return TRUE;
            }
            return FALSE;
        }
        case WM_NOTIFY: {
            NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
            LRESULT dummy = 0;
            AFX_NOTIFY notify = {pResult ? pResult : &dummy, pNMHDR};
            return CCmdTarget::OnCmdMsg(0, MAKELONG(static_cast<int>(pNMHDR->code), WM_REFLECT_BASE + WM_NOTIFY),
                                        &notify, nullptr);
        }
        default:
            if (uMsg >= WM_CTLCOLORMSGBOX && uMsg <= WM_CTLCOLORSTATIC) {
                AFX_CTLCOLOR ctl = {m_hWnd, reinterpret_cast<HDC>(wParam), uMsg - WM_CTLCOLORMSGBOX};
                return CWnd::OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, 0, reinterpret_cast<LPARAM>(&ctl), pResult);
            }
            return FALSE;
    }
}

BOOL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult) {
    CWnd* pWnd = FromHandlePermanent(hWndChild);
    return pWnd != nullptr && pWnd->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult) {
    const MSG& m = AfxGetThreadState()->m_lastSentMsg;
    return OnChildNotify(m.message, m.wParam, m.lParam, pResult);
}

LRESULT CWnd::Default() {
    const MSG& m = AfxGetThreadState()->m_lastSentMsg;
    return DefWindowProc(m.message, m.wParam, m.lParam);
}

const MSG* CWnd::GetCurrentMessage() {
    AFX_THREAD_STATE* state = AfxGetThreadState();
    DWORD pos = ::GetMessagePos();
    state->m_lastSentMsg.pt.x = (short)LOWORD(pos);
    state->m_lastSentMsg.pt.y = (short)HIWORD(pos);
    state->m_lastSentMsg.time = static_cast<DWORD>(::GetMessageTime());
    return &state->m_lastSentMsg;
}

BOOL CWnd::PreTranslateMessage(MSG* pMsg) {
    // Mouse messages show, move or hide the tool tip of windows that have them.
    FilterToolTipMessage(pMsg, this);
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg) {
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg)) return TRUE;
        if (hWnd == hWndStop) break;
    }
    return FALSE;
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep, BOOL bOnlyPerm) {
    for (HWND hChild = ::GetTopWindow(m_hWnd); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if (bOnlyPerm) {
            if (CWnd* pWnd = FromHandlePermanent(hChild)) AfxCallWndProc(pWnd, hChild, message, wParam, lParam);
        } else {
            ::SendMessageA(hChild, message, wParam, lParam);
        }
        if (bDeep && ::GetTopWindow(hChild)) {
            CWnd child(hChild);
            child.SendMessageToDescendants(message, wParam, lParam, bDeep, bOnlyPerm);
            child.m_hWnd = nullptr;
        }
    }
}

void CWnd::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
    CCmdUI state;
    CWnd wndTemp;
    for (HWND hChild = ::GetTopWindow(m_hWnd); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        wndTemp.m_hWnd = hChild;
        state.m_nID = static_cast<UINT>(::GetDlgCtrlID(hChild));
        state.m_pOther = &wndTemp;
        // Only push buttons follow the command's state by default.
        bool isPushButton = (::SendMessageA(hChild, WM_GETDLGCODE, 0, 0) &
                             (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
        state.DoUpdate(pTarget, bDisableIfNoHndler && isPushButton);
    }
    wndTemp.m_hWnd = nullptr;
}

INT_PTR CWnd::RunModalLoop(DWORD dwFlags) {
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    BOOL bShowIdle = (dwFlags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
    HWND hWndParent = ::GetParent(m_hWnd);
    m_nFlags |= (WF_MODALLOOP | WF_CONTINUEMODAL);
    MSG msg;
    for (;;) {
        while (bIdle && !::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (bShowIdle) {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }
            if (!(dwFlags & MLF_NOIDLEMSG) && hWndParent && lIdleCount == 0)
                ::SendMessageA(hWndParent, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(m_hWnd));
            if ((dwFlags & MLF_NOKICKIDLE) || !SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, lIdleCount++)) bIdle = FALSE;
        }
        do {
            if (!AfxPumpMessage()) {
                ::PostQuitMessage(0);
                m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
                return -1;
            }
            if (bShowIdle && ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) == FALSE) {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }
            if (!ContinueModal()) {
                m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
                return m_nModalResult;
            }
            const MSG& cur = AfxGetThreadState()->m_msgCur;
            if (cur.message != WM_PAINT && cur.message != 0x0118) {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    }
}

void CWnd::EndModalLoop(int nResult) {
    m_nModalResult = nResult;
    if (m_nFlags & WF_CONTINUEMODAL) {
        m_nFlags &= ~WF_CONTINUEMODAL;
        PostMessage(WM_NULL);  // wake the loop
    }
}

// --- styles and relations --------------------------------------------------------

BOOL CWnd::ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    DWORD dwStyle = static_cast<DWORD>(::GetWindowLongA(hWnd, GWL_STYLE));
    DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle) return FALSE;
    ::SetWindowLongA(hWnd, GWL_STYLE, static_cast<LONG>(dwNewStyle));
    if (nFlags != 0)
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

BOOL CWnd::ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    DWORD dwStyle = static_cast<DWORD>(::GetWindowLongA(hWnd, GWL_EXSTYLE));
    DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle) return FALSE;
    ::SetWindowLongA(hWnd, GWL_EXSTYLE, static_cast<LONG>(dwNewStyle));
    if (nFlags != 0)
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags) { return ModifyStyle(m_hWnd, dwRemove, dwAdd, nFlags); }
BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags) {
    return ModifyStyleEx(m_hWnd, dwRemove, dwAdd, nFlags);
}

int CWnd::GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton) const {
    for (int nID = nIDFirstButton; nID <= nIDLastButton; ++nID)
        if (IsDlgButtonChecked(nID)) return nID;
    return 0;
}

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const {
    // The direct children first, then each child's descendants.
    if (HWND hWndChild = ::GetDlgItem(m_hWnd, nID)) {
        if (::GetTopWindow(hWndChild) == nullptr || !bOnlyPerm || FromHandlePermanent(hWndChild))
            return bOnlyPerm ? FromHandlePermanent(hWndChild) : FromHandle(hWndChild);
    }
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild; hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT)) {
        if (::GetTopWindow(hWndChild) == nullptr) continue;
        CWnd child(hWndChild);
        CWnd* pFound = child.GetDescendantWindow(nID, bOnlyPerm);
        child.m_hWnd = nullptr;
        if (pFound) return pFound;
    }
    return nullptr;
}

CWnd* CWnd::GetOwner() const { return m_hWndOwner ? FromHandle(m_hWndOwner) : GetParent(); }

CWnd* CWnd::GetParentOwner() const {
    HWND h = m_hWnd;
    if (::GetWindowLongA(h, GWL_STYLE) & WS_CHILD) return FromHandle(::GetParent(h));
    return FromHandle(::GetWindow(h, GW_OWNER));
}

CWnd* CWnd::GetTopLevelParent() const {
    HWND h = m_hWnd;
    while (h && (::GetWindowLongA(h, GWL_STYLE) & WS_CHILD)) {
        HWND parent = ::GetParent(h);
        if (!parent) break;
        h = parent;
    }
    return FromHandle(h);
}

HWND CWnd::GetSafeOwner_(HWND hParent, HWND* pWndTop) {
    HWND hWnd = hParent;
    if (hWnd == nullptr) {
        CWnd* pMainWnd = AfxGetMainWnd();
        hWnd = pMainWnd ? pMainWnd->m_hWnd : nullptr;
    }
    // A popup cannot be owned by a child window.
    while (hWnd != nullptr && (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD)) hWnd = ::GetParent(hWnd);
    HWND hWndTop = hWnd;
    for (HWND h = hWnd; h != nullptr; h = ::GetParent(h)) hWndTop = h;
    if (hParent == nullptr && hWnd != nullptr) hWnd = ::GetLastActivePopup(hWnd);
    if (pWndTop != nullptr) {
        if (hWndTop != nullptr && ::IsWindowEnabled(hWndTop) && hWndTop != hWnd) {
            *pWndTop = hWndTop;
            ::EnableWindow(hWndTop, FALSE);
        } else {
            *pWndTop = nullptr;
        }
    }
    return hWnd;
}

CWnd* CWnd::GetSafeOwner(CWnd* pParent, HWND* pWndTop) {
    return FromHandle(GetSafeOwner_(pParent->GetSafeHwnd(), pWndTop));
}

CWnd* CWnd::GetTopLevelOwner() const {
    HWND h = m_hWnd, owner;
    while ((owner = ::GetWindow(h, GW_OWNER)) != nullptr) h = owner;
    return FromHandle(h);
}

BOOL CWnd::IsFrameWnd() const { return IsKindOf(RUNTIME_CLASS(CFrameWnd)); }

CFrameWnd* CWnd::GetParentFrame() const {
    if (m_hWnd == nullptr) return nullptr;
    for (HWND h = ::GetParent(m_hWnd); h != nullptr; h = ::GetParent(h)) {
        CWnd* pWnd = FromHandlePermanent(h);
        if (pWnd != nullptr && pWnd->IsFrameWnd()) return static_cast<CFrameWnd*>(pWnd);
    }
    return nullptr;
}

CFrameWnd* CWnd::GetTopLevelFrame() const {
    if (m_hWnd == nullptr) return nullptr;
    CFrameWnd* pFrame = IsFrameWnd() ? static_cast<CFrameWnd*>(const_cast<CWnd*>(this)) : GetParentFrame();
    if (pFrame == nullptr) return nullptr;
    for (CFrameWnd* pUp = pFrame->GetParentFrame(); pUp != nullptr; pUp = pUp->GetParentFrame()) pFrame = pUp;
    return pFrame;
}

BOOL CWnd::IsTopParentActive() const {
    CWnd* pTop = GetTopLevelFrame();
    if (pTop == nullptr) pTop = GetTopLevelParent();
    return pTop != nullptr && ::GetActiveWindow() == ::GetLastActivePopup(pTop->m_hWnd);
}

void CWnd::GetWindowText(CString& rString) const {
    int n = ::GetWindowTextLengthA(m_hWnd);
    char* p = rString.GetBuffer(n);
    int got = ::GetWindowTextA(m_hWnd, p, n + 1);
    rString.ReleaseBuffer(got);
}

int CWnd::GetDlgItemText(int nID, CString& rString) const {
    rString.Empty();
    HWND h = ::GetDlgItem(m_hWnd, nID);
    if (h == nullptr) return 0;
    CWnd(h).GetWindowText(rString);
    return rString.GetLength();
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw) {
    ::SendMessageA(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(pFont ? pFont->GetSafeHandle() : nullptr), bRedraw);
}

CFont* CWnd::GetFont() const {
    return CFont::FromHandle(reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0)));
}

void CWnd::ClientToScreen(LPRECT lpRect) const {
    ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(lpRect));
    ::ClientToScreen(m_hWnd, reinterpret_cast<LPPOINT>(lpRect) + 1);
}

void CWnd::ScreenToClient(LPRECT lpRect) const {
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(lpRect));
    ::ScreenToClient(m_hWnd, reinterpret_cast<LPPOINT>(lpRect) + 1);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
    HWND after = pWndInsertAfter ? pWndInsertAfter->m_hWnd : nullptr;
    return ::SetWindowPos(m_hWnd, after, x, y, cx, cy, nFlags);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner) {
    CRect rcDlg;
    GetWindowRect(rcDlg);
    CRect rcArea;
    HWND hCenter = pAlternateOwner ? pAlternateOwner->m_hWnd
                   : (GetStyle() & WS_CHILD) ? ::GetParent(m_hWnd)
                                             : ::GetWindow(m_hWnd, GW_OWNER);
    if (hCenter && ::IsWindowVisible(hCenter) && !::IsIconic(hCenter)) {
        ::GetWindowRect(hCenter, rcArea);
    } else {
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, static_cast<RECT*>(rcArea), 0);
    }
    int x = (rcArea.left + rcArea.right) / 2 - rcDlg.Width() / 2;
    int y = (rcArea.top + rcArea.bottom) / 2 - rcDlg.Height() / 2;
    if (GetStyle() & WS_CHILD) {
        POINT pt = {x, y};
        ::ScreenToClient(::GetParent(m_hWnd), &pt);
        x = pt.x;
        y = pt.y;
    }
    ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::InvalidateRgn(CRgn* pRgn, BOOL bErase) {
    ::InvalidateRgn(m_hWnd, pRgn ? static_cast<HRGN>(pRgn->GetSafeHandle()) : nullptr, bErase);
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, CRgn* prgnUpdate, UINT flags) {
    return ::RedrawWindow(m_hWnd, lpRectUpdate, prgnUpdate ? static_cast<HRGN>(prgnUpdate->GetSafeHandle()) : nullptr,
                          flags);
}

CDC* CWnd::GetDC() { return CDC::FromHandle(::GetDC(m_hWnd)); }
CDC* CWnd::GetWindowDC() { return CDC::FromHandle(::GetWindowDC(m_hWnd)); }
CDC* CWnd::GetDCEx(CRgn* prgnClip, DWORD flags) {
    return CDC::FromHandle(::GetDCEx(m_hWnd, prgnClip ? static_cast<HRGN>(prgnClip->GetSafeHandle()) : nullptr, flags));
}
int CWnd::ReleaseDC(CDC* pDC) { return pDC ? ::ReleaseDC(m_hWnd, pDC->m_hDC) : 0; }

void CWnd::Print(CDC* pDC, DWORD dwFlags) const {
    ::SendMessageA(m_hWnd, WM_PRINT, reinterpret_cast<WPARAM>(pDC->GetSafeHdc()), static_cast<LPARAM>(dwFlags));
}
void CWnd::PrintClient(CDC* pDC, DWORD dwFlags) const {
    ::SendMessageA(m_hWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(pDC->GetSafeHdc()), static_cast<LPARAM>(dwFlags));
}

void CWnd::DragAcceptFiles(BOOL bAccept) { ModifyStyleEx(bAccept ? 0 : WS_EX_ACCEPTFILES, bAccept ? WS_EX_ACCEPTFILES : 0); }

CMenu* CWnd::GetMenu() const { return CMenu::FromHandle(::GetMenu(m_hWnd)); }
BOOL CWnd::SetMenu(CMenu* pMenu) { return ::SetMenu(m_hWnd, pMenu ? pMenu->m_hMenu : nullptr); }
CMenu* CWnd::GetSystemMenu(BOOL bRevert) const { return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert)); }

// --- scroll bars ------------------------------------------------------------------

CScrollBar* CWnd::GetScrollBarCtrl(int) const { return nullptr; }

namespace {

// The window and bar a scroll member acts on: a window's own bar, or the
// control that stands in for it.
HWND ScrollTarget(const CWnd* pWnd, int& nBar) {
    if (nBar != SB_CTL) {
        if (CScrollBar* pBar = pWnd->GetScrollBarCtrl(nBar)) {
            nBar = SB_CTL;
            return pBar->m_hWnd;
        }
    }
    return pWnd->m_hWnd;
}

}  // namespace

int CWnd::GetScrollPos(int nBar) const {
    HWND hWnd = ScrollTarget(this, nBar);
    return ::GetScrollPos(hWnd, nBar);
}

int CWnd::SetScrollPos(int nBar, int nPos, BOOL bRedraw) {
    HWND hWnd = ScrollTarget(this, nBar);
    return ::SetScrollPos(hWnd, nBar, nPos, bRedraw);
}

void CWnd::GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const {
    HWND hWnd = ScrollTarget(this, nBar);
    ::GetScrollRange(hWnd, nBar, lpMinPos, lpMaxPos);
}

void CWnd::SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw) {
    HWND hWnd = ScrollTarget(this, nBar);
    ::SetScrollRange(hWnd, nBar, nMinPos, nMaxPos, bRedraw);
}

int CWnd::ScrollWindowEx(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip, CRgn* prgnUpdate,
                         LPRECT lpRectUpdate, UINT flags) {
    return ::ScrollWindowEx(m_hWnd, dx, dy, lpRectScroll, lpRectClip,
                            prgnUpdate ? static_cast<HRGN>(prgnUpdate->GetSafeHandle()) : nullptr, lpRectUpdate,
                            flags);
}

void CWnd::EnableScrollBarCtrl(int nBar, BOOL bEnable) {
    if (nBar == SB_BOTH) {
        EnableScrollBarCtrl(SB_HORZ, bEnable);
        EnableScrollBarCtrl(SB_VERT, bEnable);
    } else if (CScrollBar* pScrollBar = GetScrollBarCtrl(nBar)) {
        pScrollBar->EnableWindow(bEnable);
    } else {
        ShowScrollBar(nBar, bEnable);
    }
}

int CWnd::GetScrollLimit(int nBar) {
    int nMin = 0, nMax = 0;
    GetScrollRange(nBar, &nMin, &nMax);
    SCROLLINFO info;
    if (GetScrollInfo(nBar, &info, SIF_PAGE)) nMax -= std::max<int>(static_cast<int>(info.nPage) - 1, 0);
    return nMax;
}

void CWnd::CreateCaret(CBitmap* pBitmap) {
    ::CreateCaret(m_hWnd, pBitmap ? static_cast<HBITMAP>(pBitmap->GetSafeHandle()) : nullptr, 0, 0);
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask) {
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    lpScrollInfo->fMask = nMask;
    HWND hWnd = ScrollTarget(this, nBar);
    return ::GetScrollInfo(hWnd, nBar, lpScrollInfo);
}

BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw) {
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    HWND hWnd = ScrollTarget(this, nBar);
    return ::SetScrollInfo(hWnd, nBar, lpScrollInfo, bRedraw);
}

int CWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType) {
    return ::MessageBoxA(m_hWnd, lpszText, lpszCaption ? lpszCaption : AfxGetAppName(), nType);
}

// Dialog initialisation data: (control id, message, length, data) records
// that fill combo and list boxes from the resource.
BOOL CWnd::ExecuteDlgInit(LPCTSTR lpszResourceName) {
    if (lpszResourceName == nullptr) return TRUE;
    LPCTSTR type = MAKEINTRESOURCEA(240);  // RT_DLGINIT
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, type);
    HRSRC hRes = ::FindResourceA(hInst, lpszResourceName, type);
    if (hRes == nullptr) return TRUE;
    HGLOBAL hData = ::LoadResource(hInst, hRes);
    return hData ? ExecuteDlgInit(::LockResource(hData)) : FALSE;
}

BOOL CWnd::ExecuteDlgInit(LPVOID lpResource) {
    if (lpResource == nullptr) return TRUE;
    const BYTE* p = static_cast<const BYTE*>(lpResource);
    for (;;) {
        WORD nIDC = *reinterpret_cast<const WORD*>(p);
        if (nIDC == 0) break;
        WORD nMsg = *reinterpret_cast<const WORD*>(p + 2);
        DWORD dwLen = *reinterpret_cast<const DWORD*>(p + 4);
        p += 8;
        UINT msg = nMsg;
        if (nMsg == 0x0403 || nMsg == 0x1234) msg = CB_ADDSTRING;  // 16-bit and framework codes
        else if (nMsg == 0x0401) msg = LB_ADDSTRING;
        if (msg == CB_ADDSTRING || msg == LB_ADDSTRING) {
            if (::SendDlgItemMessageA(m_hWnd, nIDC, msg, 0, reinterpret_cast<LPARAM>(p)) < 0) return FALSE;
        }
        p += dwLen;
    }
    return TRUE;
}

// --- default handlers ----------------------------------------------------------

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_DRAWITEM()
    ON_WM_MEASUREITEM()
    ON_WM_COMPAREITEM()
    ON_WM_DELETEITEM()
    ON_WM_CTLCOLOR()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_CHARTOITEM()
    ON_WM_VKEYTOITEM()
    ON_WM_PARENTNOTIFY()
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

void CWnd::OnNcDestroy() {
    // The thread's main window going ends the thread's message loop.
    if (CWinThread* pThread = AfxGetThread()) {
        if (pThread->m_pMainWnd == this) {
            ::PostQuitMessage(0);
            pThread->m_pMainWnd = nullptr;
        }
        if (pThread->m_pActiveWnd == this) pThread->m_pActiveWnd = nullptr;
    }
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_pLastHit == this) {  // the tool tip's tool was ours
        pState->m_pLastHit = nullptr;
        pState->m_nLastHit = -1;
        pState->m_lastInfo.cbSize = 0;
    }
    WNDPROC procNow = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC));
    Default();
    // Give the window back its own procedure unless someone subclassed it after us.
    if (reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC)) == procNow && m_pfnSuper)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = nullptr;
    Detach();
    PostNcDestroy();
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct) {
    if (lpDrawItemStruct->CtlType == ODT_MENU) {
        CMenu* pMenu = CMenu::FromHandlePermanent(reinterpret_cast<HMENU>(lpDrawItemStruct->hwndItem));
        if (pMenu) {
            pMenu->DrawItem(lpDrawItemStruct);
            return;
        }
    } else if (ReflectLastMsg(lpDrawItemStruct->hwndItem)) {
        return;
    }
    Default();
}

namespace {

// The menu in hMenu's tree (hMenu itself or a popup below it) that holds
// command nID as one of its own items; null when none does.
HMENU FindPopupMenuFromID(HMENU hMenu, UINT nID, int nDepth = 0) {
    if (hMenu == nullptr || nDepth > 16) return nullptr;
    const int nCount = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nCount; ++i) {
        if (HMENU hSub = ::GetSubMenu(hMenu, i)) {
            if (HMENU hFound = FindPopupMenuFromID(hSub, nID, nDepth + 1)) return hFound;
        } else if (::GetMenuItemID(hMenu, i) == nID) {
            return hMenu;
        }
    }
    return nullptr;
}

}  // namespace

void CWnd::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
    if (lpMeasureItemStruct->CtlType == ODT_MENU) {
        // The popup this window is tracking first: other menus of the
        // program may hold the same command.
        const AFX_THREAD_STATE* pState = AfxGetThreadState();
        if (pState->m_hTrackingWindow == m_hWnd) {
            const HMENU hFound = FindPopupMenuFromID(pState->m_hTrackingMenu, lpMeasureItemStruct->itemID);
            if (CMenu* pMenu = CMenu::FromHandlePermanent(hFound)) {
                pMenu->MeasureItem(lpMeasureItemStruct);
                return;
            }
        }
        // Else the menu that holds the item, among the menus the program owns.
        CMenu* pFound = nullptr;
        if (CHandleMap<CMenu>* map = afxMapHMENU()) {
            map->ForEachPermanent([&](HANDLE h, CMenu* pMenu) {
                if (!pFound && ::GetMenuState(static_cast<HMENU>(h), lpMeasureItemStruct->itemID, MF_BYCOMMAND) !=
                                   static_cast<UINT>(-1))
                    pFound = pMenu;
            });
        }
        if (pFound) {
            pFound->MeasureItem(lpMeasureItemStruct);
            return;
        }
    } else {
        HWND hWndChild = ::GetDlgItem(m_hWnd, nIDCtl);
        if (hWndChild && ReflectLastMsg(hWndChild)) return;
    }
    Default();
}

int CWnd::OnCompareItem(int, LPCOMPAREITEMSTRUCT lpCompareItemStruct) {
    LRESULT lResult = 0;
    if (ReflectLastMsg(lpCompareItemStruct->hwndItem, &lResult)) return static_cast<int>(lResult);
    return static_cast<int>(Default());
}

void CWnd::OnDeleteItem(int, LPDELETEITEMSTRUCT lpDeleteItemStruct) {
    if (ReflectLastMsg(lpDeleteItemStruct->hwndItem)) return;
    Default();
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT) {
    LRESULT lResult = 0;
    if (pWnd && ReflectLastMsg(pWnd->m_hWnd, &lResult)) return reinterpret_cast<HBRUSH>(lResult);
    return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar* pScrollBar) {
    if (pScrollBar && ReflectLastMsg(reinterpret_cast<CWnd*>(pScrollBar)->m_hWnd)) return;
    Default();
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar* pScrollBar) {
    if (pScrollBar && ReflectLastMsg(reinterpret_cast<CWnd*>(pScrollBar)->m_hWnd)) return;
    Default();
}

// A list box's keyboard messages and a child's creation and destruction
// go to the child first (reflection), as the owner-draw messages do.
int CWnd::OnCharToItem(UINT, CListBox* pListBox, UINT) {
    LRESULT lResult = 0;
    if (pListBox && ReflectLastMsg(reinterpret_cast<CWnd*>(pListBox)->m_hWnd, &lResult)) return static_cast<int>(lResult);
    return static_cast<int>(Default());
}

int CWnd::OnVKeyToItem(UINT, CListBox* pListBox, UINT) {
    LRESULT lResult = 0;
    if (pListBox && ReflectLastMsg(reinterpret_cast<CWnd*>(pListBox)->m_hWnd, &lResult)) return static_cast<int>(lResult);
    return static_cast<int>(Default());
}

void CWnd::OnParentNotify(UINT message, LPARAM lParam) {
    if ((LOWORD(message) == WM_CREATE || LOWORD(message) == WM_DESTROY) &&
        ReflectLastMsg(reinterpret_cast<HWND>(lParam)))
        return;
    Default();
}

int CWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
BOOL CWnd::OnNcCreate(LPCREATESTRUCT) { return static_cast<BOOL>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnNcPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnEnable(BOOL) { Default(); }
void CWnd::OnWindowPosChanging(WINDOWPOS*) { Default(); }
void CWnd::OnWindowPosChanged(WINDOWPOS*) { Default(); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) { Default(); }
LRESULT CWnd::OnNcHitTest(CPoint) { return Default(); }
BOOL CWnd::OnNcActivate(BOOL) { return static_cast<BOOL>(Default()); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
int CWnd::OnMouseActivate(CWnd*, UINT, UINT) { return static_cast<int>(Default()); }
void CWnd::OnMDIActivate(BOOL, CWnd*, CWnd*) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnCaptureChanged(CWnd*) { Default(); }
void CWnd::OnCancelMode() { Default(); }
UINT CWnd::OnGetDlgCode() { return static_cast<UINT>(Default()); }
void CWnd::OnSysColorChange() { Default(); }
void CWnd::OnSettingChange(UINT, LPCTSTR) { Default(); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
void CWnd::OnStyleChanged(int, LPSTYLESTRUCT) { Default(); }
void CWnd::OnStyleChanging(int, LPSTYLESTRUCT) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnMButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnMButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnNcMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonDblClk(UINT, CPoint) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return static_cast<BOOL>(Default()); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) { Default(); }
LRESULT CWnd::OnMenuChar(UINT, UINT, CMenu*) { return Default(); }
void CWnd::OnMenuSelect(UINT, UINT, HMENU) { Default(); }
BOOL CWnd::OnQueryEndSession() { return static_cast<BOOL>(Default()); }
void CWnd::OnEndSession(BOOL) { Default(); }
BOOL CWnd::OnQueryOpen() { return static_cast<BOOL>(Default()); }
void CWnd::OnIconEraseBkgnd(CDC*) { Default(); }
HCURSOR CWnd::OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(Default()); }
void CWnd::OnPaletteChanged(CWnd*) { Default(); }
void CWnd::OnPaletteIsChanging(CWnd*) { Default(); }
BOOL CWnd::OnQueryNewPalette() { return static_cast<BOOL>(Default()); }
LRESULT CWnd::OnThemeChanged() { return Default(); }
void CWnd::OnSizing(UINT, LPRECT) { Default(); }
void CWnd::OnMoving(UINT, LPRECT) { Default(); }
void CWnd::OnEnterSizeMove() { Default(); }
void CWnd::OnExitSizeMove() { Default(); }
void CWnd::OnChildActivate() { Default(); }
void CWnd::OnNcRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnNcRButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnNcMButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcMButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnNcMButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnNcMouseHover(UINT, CPoint) { Default(); }
void CWnd::OnNcMouseLeave() { Default(); }
void CWnd::OnActivateApp(BOOL, DWORD) { Default(); }
void CWnd::OnChangeUIState(UINT, UINT) { Default(); }
void CWnd::OnUpdateUIState(UINT, UINT) { Default(); }
UINT CWnd::OnQueryUIState() { return static_cast<UINT>(Default()); }
void CWnd::OnWinIniChange(LPCTSTR) { Default(); }
void CWnd::OnDevModeChange(LPTSTR) { Default(); }
void CWnd::OnFontChange() { Default(); }
void CWnd::OnTimeChange() { Default(); }
void CWnd::OnCompacting(UINT) { Default(); }
BOOL CWnd::OnDeviceChange(UINT, DWORD_PTR) { return static_cast<BOOL>(Default()); }
UINT CWnd::OnPowerBroadcast(UINT, LPARAM) { return static_cast<UINT>(Default()); }
void CWnd::OnTCard(UINT, DWORD) { Default(); }
BOOL CWnd::OnHelpInfo(HELPINFO*) { return static_cast<BOOL>(Default()); }
BOOL CWnd::OnCopyData(CWnd*, COPYDATASTRUCT*) { return static_cast<BOOL>(Default()); }
void CWnd::OnDropFiles(HDROP) { Default(); }
void CWnd::OnEnterIdle(UINT, CWnd*) { Default(); }
void CWnd::OnAppCommand(CWnd*, UINT, UINT, UINT) { Default(); }
void CWnd::OnXButtonDown(UINT, UINT, CPoint) { Default(); }
void CWnd::OnXButtonUp(UINT, UINT, CPoint) { Default(); }
void CWnd::OnXButtonDblClk(UINT, UINT, CPoint) { Default(); }
void CWnd::OnMouseHover(UINT, CPoint) { Default(); }
void CWnd::OnMouseLeave() { Default(); }
void CWnd::OnMouseHWheel(UINT, short, CPoint) { Default(); }
void CWnd::OnDeadChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysDeadChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnInitMenu(CMenu*) { Default(); }
void CWnd::OnUnInitMenuPopup(CMenu*, UINT) { Default(); }
void CWnd::OnMenuRButtonUp(UINT, CMenu*) { Default(); }
void CWnd::OnEnterMenuLoop(BOOL) { Default(); }
void CWnd::OnExitMenuLoop(BOOL) { Default(); }
void CWnd::OnNextMenu(UINT, LPMDINEXTMENU) { Default(); }
void CWnd::OnAskCbFormatName(UINT, LPTSTR) { Default(); }
void CWnd::OnChangeCbChain(HWND, HWND) { Default(); }
void CWnd::OnDestroyClipboard() { Default(); }
void CWnd::OnDrawClipboard() { Default(); }
void CWnd::OnHScrollClipboard(CWnd*, UINT, UINT) { Default(); }
void CWnd::OnVScrollClipboard(CWnd*, UINT, UINT) { Default(); }
void CWnd::OnPaintClipboard(CWnd*, HGLOBAL) { Default(); }
void CWnd::OnSizeClipboard(CWnd*, HGLOBAL) { Default(); }
void CWnd::OnRenderFormat(UINT) { Default(); }
void CWnd::OnRenderAllFormats() { Default(); }
