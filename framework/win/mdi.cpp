#include "win/mdi.h"

#include "afxres.h"
#include "base/format_strings.h"
#include "win/doc.h"
#include "win/menu.h"
#include "win/view.h"
#include "win/winapp.h"

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)
IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

// --- CMDIFrameWnd -----------------------------------------------------------------

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
    ON_WM_SIZE()
    ON_COMMAND_EX(ID_WINDOW_ARRANGE, OnMDIWindowCmd)
    ON_COMMAND_EX(ID_WINDOW_CASCADE, OnMDIWindowCmd)
    ON_COMMAND_EX(ID_WINDOW_TILE_HORZ, OnMDIWindowCmd)
    ON_COMMAND_EX(ID_WINDOW_TILE_VERT, OnMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_ARRANGE, OnUpdateMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_CASCADE, OnUpdateMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_HORZ, OnUpdateMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_VERT, OnUpdateMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_NEW, OnUpdateMDIWindowCmd)
    ON_COMMAND(ID_WINDOW_NEW, OnWindowNew)
END_MESSAGE_MAP()

CMDIFrameWnd::CMDIFrameWnd() = default;

BOOL CMDIFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext) {
    if (!CFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext)) return FALSE;
    m_hMenuDefault = ::GetMenu(m_hWnd);  // shown while no child is active
    return TRUE;
}

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext*) {
    return CreateClient(lpcs, CMenu::FromHandle(GetWindowMenuPopup(::GetMenu(m_hWnd))));
}

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu) {
    CLIENTCREATESTRUCT ccs;
    ccs.hWindowMenu = pWindowMenu->GetSafeHmenu();
    ccs.idFirstChild = AFX_IDM_FIRST_MDICHILD;
    // The frame's scroll bars belong to the client; its border is the client edge.
    DWORD dwStyle = WS_VISIBLE | WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | MDIS_ALLCHILDSTYLES |
                    (static_cast<DWORD>(lpCreateStruct->style) & (WS_HSCROLL | WS_VSCROLL));
    if (lpCreateStruct->style & (WS_HSCROLL | WS_VSCROLL)) ModifyStyle(WS_HSCROLL | WS_VSCROLL, 0, SWP_NOREDRAW | SWP_FRAMECHANGED);
    m_hWndMDIClient = ::CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr, dwStyle, 0, 0, 0, 0, m_hWnd,
                                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_PANE_FIRST)),
                                        AfxGetInstanceHandle(), &ccs);
    if (m_hWndMDIClient == nullptr) {
        TRACE("CMDIFrameWnd: the MDI client was not created.\n");
        return FALSE;
    }
    ::BringWindowToTop(m_hWndMDIClient);
    return TRUE;
}

HMENU CMDIFrameWnd::GetWindowMenuPopup(HMENU hMenuBar) {
    if (hMenuBar == nullptr || !::IsMenu(hMenuBar)) return nullptr;
    // From the right: the popup holding a Window command.
    for (int iItem = ::GetMenuItemCount(hMenuBar); iItem-- > 0;) {
        HMENU hMenuPop = ::GetSubMenu(hMenuBar, iItem);
        if (hMenuPop == nullptr) continue;
        int nItems = ::GetMenuItemCount(hMenuPop);
        for (int i = 0; i < nItems; ++i) {
            UINT nID = ::GetMenuItemID(hMenuPop, i);
            if (nID >= AFX_IDM_WINDOW_FIRST && nID <= AFX_IDM_WINDOW_LAST) return hMenuPop;
        }
    }
    return nullptr;
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefFrameProcA(m_hWnd, m_hWndMDIClient, message, wParam, lParam);
}

void CMDIFrameWnd::OnSize(UINT nType, int, int) {
    // Not the default: it would stretch the client over the bars.
    if (nType != SIZE_MINIMIZED) RecalcLayout();
}

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate) {
    ::SendMessageA(m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(pWndActivate->GetSafeHwnd()), 0);
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const {
    if (m_hWndMDIClient == nullptr) {
        if (pbMaximized) *pbMaximized = FALSE;
        return nullptr;
    }
    HWND hWnd = reinterpret_cast<HWND>(
        ::SendMessageA(m_hWndMDIClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(pbMaximized)));
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    return pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CMDIChildWnd)) ? static_cast<CMDIChildWnd*>(pWnd) : nullptr;
}

void CMDIFrameWnd::MDIIconArrange() { ::SendMessageA(m_hWndMDIClient, WM_MDIICONARRANGE, 0, 0); }
void CMDIFrameWnd::MDIMaximize(CWnd* pWnd) {
    ::SendMessageA(m_hWndMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(pWnd->GetSafeHwnd()), 0);
}
void CMDIFrameWnd::MDINext() { ::SendMessageA(m_hWndMDIClient, WM_MDINEXT, 0, 0); }
void CMDIFrameWnd::MDIPrev() { ::SendMessageA(m_hWndMDIClient, WM_MDINEXT, 0, 1); }
void CMDIFrameWnd::MDIRestore(CWnd* pWnd) {
    ::SendMessageA(m_hWndMDIClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(pWnd->GetSafeHwnd()), 0);
}
CMenu* CMDIFrameWnd::MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu) {
    return CMenu::FromHandle(reinterpret_cast<HMENU>(
        ::SendMessageA(m_hWndMDIClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(pFrameMenu->GetSafeHmenu()),
                       reinterpret_cast<LPARAM>(pWindowMenu->GetSafeHmenu()))));
}
void CMDIFrameWnd::MDITile() { ::SendMessageA(m_hWndMDIClient, WM_MDITILE, 0, 0); }
void CMDIFrameWnd::MDITile(int nType) { ::SendMessageA(m_hWndMDIClient, WM_MDITILE, static_cast<WPARAM>(nType), 0); }
void CMDIFrameWnd::MDICascade() { ::SendMessageA(m_hWndMDIClient, WM_MDICASCADE, 0, 0); }
void CMDIFrameWnd::MDICascade(int nType) {
    ::SendMessageA(m_hWndMDIClient, WM_MDICASCADE, static_cast<WPARAM>(nType), 0);
}

CMDIChildWnd* CMDIFrameWnd::CreateNewChild(CRuntimeClass* pClass, UINT nResource, HMENU hMenu, HACCEL hAccel) {
    ASSERT(pClass != nullptr && pClass->IsDerivedFrom(RUNTIME_CLASS(CMDIChildWnd)));
    if (pClass == nullptr || !pClass->IsDerivedFrom(RUNTIME_CLASS(CMDIChildWnd))) return nullptr;
    CMDIChildWnd* pFrame = static_cast<CMDIChildWnd*>(pClass->CreateObject());
    if (pFrame == nullptr) return nullptr;
    CCreateContext context;
    context.m_pCurrentFrame = this;
    pFrame->SetHandles(hMenu, hAccel);
    if (!pFrame->LoadFrame(nResource, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, this, &context))
        return nullptr;
    pFrame->InitialUpdateFrame(nullptr, TRUE);
    return pFrame;
}

CFrameWnd* CMDIFrameWnd::GetActiveFrame() {
    CMDIChildWnd* pActiveChild = MDIGetActive();
    return pActiveChild != nullptr ? static_cast<CFrameWnd*>(pActiveChild) : this;
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    // The active child (its view and document, then itself) goes first.
    if (CMDIChildWnd* pActiveChild = MDIGetActive();
        pActiveChild != nullptr && pActiveChild->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CMDIFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (CFrameWnd::OnCommand(wParam, lParam)) return TRUE;
    // The Window menu's list of children (and system commands of a maximised
    // child) are the MDI client's.
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    if (hWndCtrl == nullptr && (LOWORD(wParam) & 0xF000) == 0xF000) {
        DefWindowProc(WM_COMMAND, wParam, lParam);
        return TRUE;
    }
    return FALSE;
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* pMsg) {
    if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) {
        // The frame's accelerators (a child's went first, on the way up),
        // then the MDI keys (Ctrl+F4, Ctrl+F6).
        if (m_hAccelTable != nullptr && ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg)) return TRUE;
        if ((pMsg->message == WM_KEYDOWN || pMsg->message == WM_SYSKEYDOWN) && m_hWndMDIClient != nullptr &&
            ::TranslateMDISysAccel(m_hWndMDIClient, pMsg))
            return TRUE;
    }
    return FALSE;
}

void CMDIFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle) {
    if ((GetStyle() & FWS_ADDTOTITLE) == 0) return;
    // A maximised child's title is shown by the MDI client already.
    CMDIChildWnd* pActiveChild = MDIGetActive();
    CDocument* pDocument = nullptr;
    if (bAddToTitle && pActiveChild != nullptr && (pActiveChild->GetStyle() & WS_MAXIMIZE) == 0 &&
        (pDocument = pActiveChild->GetActiveDocument()) != nullptr) {
        UpdateFrameTitleForDocument(pDocument->GetTitle());
    } else {
        CString strTitle;
        if (bAddToTitle && pActiveChild != nullptr && (pActiveChild->GetStyle() & WS_MAXIMIZE) == 0)
            strTitle = pActiveChild->GetTitle();
        UpdateFrameTitleForDocument(strTitle.IsEmpty() ? nullptr : static_cast<LPCTSTR>(strTitle));
    }
}

void CMDIFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt) {
    if (CMDIChildWnd* pActiveWnd = MDIGetActive()) {
        pActiveWnd->OnUpdateFrameMenu(TRUE, pActiveWnd, hMenuAlt);
    } else {
        if (hMenuAlt == nullptr) hMenuAlt = m_hMenuDefault;
        ::SendMessageA(m_hWndMDIClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(hMenuAlt),
                       reinterpret_cast<LPARAM>(GetWindowMenuPopup(hMenuAlt)));
    }
    DrawMenuBar();
}

BOOL CMDIFrameWnd::OnMDIWindowCmd(UINT nID) {
    UINT nMsg = 0;
    WPARAM wParam = 0;
    switch (nID) {
        case ID_WINDOW_ARRANGE: nMsg = WM_MDIICONARRANGE; break;
        case ID_WINDOW_CASCADE: nMsg = WM_MDICASCADE; break;
        case ID_WINDOW_TILE_HORZ:
            nMsg = WM_MDITILE;
            wParam = MDITILE_HORIZONTAL;
            break;
        case ID_WINDOW_TILE_VERT:
            nMsg = WM_MDITILE;
            wParam = MDITILE_VERTICAL;
            break;
        default: return FALSE;
    }
    ::SendMessageA(m_hWndMDIClient, nMsg, wParam, 0);
    return TRUE;
}

void CMDIFrameWnd::OnUpdateMDIWindowCmd(CCmdUI* pCmdUI) { pCmdUI->Enable(MDIGetActive() != nullptr); }

void CMDIFrameWnd::OnWindowNew() {
    // Another frame on the active document.
    CMDIChildWnd* pActiveChild = MDIGetActive();
    CDocument* pDocument = pActiveChild != nullptr ? pActiveChild->GetActiveDocument() : nullptr;
    if (pDocument == nullptr || pDocument->GetDocTemplate() == nullptr) {
        TRACE("CMDIFrameWnd::OnWindowNew: no active document.\n");
        return;
    }
    CDocTemplate* pTemplate = pDocument->GetDocTemplate();
    CFrameWnd* pFrame = pTemplate->CreateNewFrame(pDocument, pActiveChild);
    if (pFrame == nullptr) return;
    pTemplate->InitialUpdateFrame(pFrame, pDocument);
}

// --- CMDIChildWnd -------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_MDIACTIVATE()
    ON_WM_SIZE()
END_MESSAGE_MAP()

CMDIChildWnd::CMDIChildWnd() = default;

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const {
    // The child's parent is the MDI client, whose parent is the frame.
    HWND hWndClient = ::GetParent(m_hWnd);
    CWnd* pFrame = CWnd::FromHandlePermanent(hWndClient ? ::GetParent(hWndClient) : nullptr);
    return pFrame != nullptr && pFrame->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)) ? static_cast<CMDIFrameWnd*>(pFrame)
                                                                                : nullptr;
}

void CMDIChildWnd::SetHandles(HMENU hMenu, HACCEL hAccel) {
    m_hMenuShared = hMenu;
    m_hAccelTable = hAccel;
}

BOOL CMDIChildWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                          CMDIFrameWnd* pParentWnd, CCreateContext* pContext) {
    if (pParentWnd == nullptr) {
        CWinThread* pThread = AfxGetThread();
        CWnd* pMainWnd = pThread != nullptr ? pThread->m_pMainWnd : nullptr;
        if (pMainWnd != nullptr && pMainWnd->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
            pParentWnd = static_cast<CMDIFrameWnd*>(pMainWnd);
    }
    ASSERT(pParentWnd != nullptr && pParentWnd->m_hWndMDIClient != nullptr);  // a child of an MDI frame
    if (pParentWnd == nullptr || pParentWnd->m_hWndMDIClient == nullptr) {
        PostNcDestroy();
        return FALSE;
    }
    pParentWnd->RecalcLayout();  // the client where it belongs before the child is placed in it
    m_strTitle = lpszWindowName;
    CREATESTRUCT cs = {};
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = static_cast<LONG>(dwStyle | WS_CHILD);
    cs.x = rect.left;
    cs.y = rect.top;
    cs.cx = rect.right - rect.left;
    cs.cy = rect.bottom - rect.top;
    cs.hwndParent = pParentWnd->m_hWnd;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = pContext;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    // The MDI client creates the window, always hidden; it is shown below.
    MDICREATESTRUCTA mcs = {};
    mcs.szClass = cs.lpszClass;
    mcs.szTitle = cs.lpszName;
    mcs.hOwner = cs.hInstance;
    mcs.x = cs.x;
    mcs.y = cs.y;
    mcs.cx = cs.cx;
    mcs.cy = cs.cy;
    mcs.style = static_cast<DWORD>(cs.style) & ~(WS_MAXIMIZE | WS_VISIBLE);
    mcs.lParam = reinterpret_cast<LPARAM>(cs.lpCreateParams);
    AfxHookWindowCreate(this);
    HWND hWnd = reinterpret_cast<HWND>(
        ::SendMessageA(pParentWnd->m_hWndMDIClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
    if (!AfxUnhookWindowCreate()) PostNcDestroy();  // failed before the window existed
    if (hWnd == nullptr) return FALSE;
    if (cs.style & WS_VISIBLE) {
        ::BringWindowToTop(hWnd);
        if (cs.style & WS_MINIMIZE)
            ShowWindow(SW_SHOWMINIMIZED);
        else if (cs.style & WS_MAXIMIZE)
            ShowWindow(SW_SHOWMAXIMIZED);
        else
            ShowWindow(SW_SHOWNORMAL);
        pParentWnd->MDIActivate(this);  // shown is active
        ::SendMessageA(pParentWnd->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
    }
    return TRUE;
}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext) {
    m_nIDHelp = nIDResource;
    CString strFull, strTitle;
    if (strFull.LoadString(nIDResource)) AfxExtractSubString(strTitle, strFull, 0);
    // The document type's menu and accelerators while the child is active.
    if (pContext != nullptr && pContext->m_pNewDocTemplate != nullptr &&
        pContext->m_pNewDocTemplate->IsKindOf(RUNTIME_CLASS(CMultiDocTemplate))) {
        CMultiDocTemplate* pTemplate = static_cast<CMultiDocTemplate*>(pContext->m_pNewDocTemplate);
        if (m_hMenuShared == nullptr) m_hMenuShared = pTemplate->m_hMenuShared;
        if (m_hAccelTable == nullptr) m_hAccelTable = pTemplate->m_hAccelTable;
    }
    LPCTSTR lpszClass = nullptr;
    if (HICON hIcon = ::LoadIconA(AfxFindResourceHandle(MAKEINTRESOURCEA(nIDResource), MAKEINTRESOURCEA(14)),
                                  MAKEINTRESOURCEA(nIDResource)))
        lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                        reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), hIcon);
    CMDIFrameWnd* pMDIFrame = pParentWnd != nullptr && pParentWnd->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd))
                                  ? static_cast<CMDIFrameWnd*>(pParentWnd)
                                  : nullptr;
    return Create(lpszClass, strTitle, dwDefaultStyle | WS_CHILD, rectDefault, pMDIFrame, pContext);
}

int CMDIChildWnd::OnCreate(LPCREATESTRUCT lpcs) {
    // The creation context comes inside the MDI client's structure.
    MDICREATESTRUCTA* lpmcs = static_cast<MDICREATESTRUCTA*>(lpcs->lpCreateParams);
    CCreateContext* pContext = lpmcs != nullptr ? reinterpret_cast<CCreateContext*>(lpmcs->lParam) : nullptr;
    return OnCreateHelper(lpcs, pContext);
}

LRESULT CMDIChildWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefMDIChildProcA(m_hWnd, message, wParam, lParam);
}

BOOL CMDIChildWnd::DestroyWindow() {
    if (m_hWnd == nullptr) return FALSE;
    // The frame's title does not change with each message of the destruction.
    CMDIFrameWnd* pFrame = GetMDIFrame();
    HWND hWndFrame = pFrame != nullptr ? pFrame->m_hWnd : nullptr;
    LONG dwStyle = hWndFrame ? ::GetWindowLongA(hWndFrame, GWL_STYLE) : 0;
    if (hWndFrame) ::SetWindowLongA(hWndFrame, GWL_STYLE, dwStyle & ~FWS_ADDTOTITLE);
    MDIDestroy();
    if (hWndFrame && ::IsWindow(hWndFrame)) {
        ::SetWindowLongA(hWndFrame, GWL_STYLE, dwStyle);
        pFrame->OnUpdateFrameTitle(TRUE);
    }
    return TRUE;
}

void CMDIChildWnd::MDIDestroy() {
    HWND hWndClient = ::GetParent(m_hWnd);
    ::SendMessageA(hWndClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::MDIActivate() {
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::MDIMaximize() {
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::MDIRestore() {
    ::SendMessageA(::GetParent(m_hWnd), WM_MDIRESTORE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::ActivateFrame(int nCmdShow) {
    BOOL bVisibleThen = (GetStyle() & WS_VISIBLE) != 0;
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (nCmdShow == -1 && pFrame != nullptr) {
        // A new child is maximised when the one before it was.
        BOOL bMaximized = FALSE;
        pFrame->MDIGetActive(&bMaximized);
        DWORD dwStyle = GetStyle();
        if (bMaximized || (dwStyle & WS_MAXIMIZE))
            nCmdShow = SW_SHOWMAXIMIZED;
        else if (dwStyle & WS_MINIMIZE)
            nCmdShow = SW_SHOWMINIMIZED;
    }
    CFrameWnd::ActivateFrame(nCmdShow);
    if (pFrame == nullptr) return;
    ::SendMessageA(pFrame->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
    BOOL bVisibleNow = (GetStyle() & WS_VISIBLE) != 0;
    if (bVisibleNow && !bVisibleThen) pFrame->MDIActivate(this);  // showing a child activates it
}

BOOL CMDIChildWnd::PreTranslateMessage(MSG* pMsg) {
    if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
    // A child has no menu: its accelerators act on the MDI frame.
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) {
        HACCEL hAccel = GetDefaultAccelerator();
        CMDIFrameWnd* pFrame = GetMDIFrame();
        return hAccel != nullptr && pFrame != nullptr && ::TranslateAcceleratorA(pFrame->m_hWnd, hAccel, pMsg);
    }
    return FALSE;
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle) {
    if (CMDIFrameWnd* pFrame = GetMDIFrame()) pFrame->OnUpdateFrameTitle(bAddToTitle);
    if ((GetStyle() & FWS_ADDTOTITLE) == 0) return;
    if (!bAddToTitle) return;
    // A child's title is its document's name ("Doc:2" for a second window).
    CDocument* pDocument = GetActiveDocument();
    CString text = pDocument != nullptr ? pDocument->GetTitle() : m_strTitle;
    if (m_nWindow > 0) text.AppendFormat(":%d", m_nWindow);
    CString current;
    GetWindowText(current);
    if (current != text) SetWindowText(text);
}

void CMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd*) {
    CView* pActiveView = GetActiveView();
    if (!bActivate && pActiveView != nullptr) pActiveView->OnActivateView(FALSE, pActiveView, pActiveView);
    OnUpdateFrameTitle(bActivate || pActivateWnd != nullptr);
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (bActivate && pActiveView != nullptr && pFrame != nullptr && ::GetActiveWindow() == pFrame->m_hWnd)
        pActiveView->OnActivateView(TRUE, pActiveView, pActiveView);
    OnUpdateFrameMenu(bActivate, pActivateWnd, nullptr);
    if (pFrame != nullptr) pFrame->DrawMenuBar();
}

void CMDIChildWnd::OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt) {
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame == nullptr) return;
    if (hMenuAlt == nullptr && bActivate) {
        if (CDocument* pDoc = GetActiveDocument()) hMenuAlt = pDoc->GetDefaultMenu();
    }
    if (hMenuAlt == nullptr) hMenuAlt = m_hMenuShared;
    if (hMenuAlt != nullptr && bActivate) {
        // The document type's menu, with the window list in its Window menu.
        ::SendMessageA(pFrame->m_hWndMDIClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(hMenuAlt),
                       reinterpret_cast<LPARAM>(pFrame->GetWindowMenuPopup(hMenuAlt)));
    } else if (hMenuAlt != nullptr && !bActivate && pActivateWnd == nullptr) {
        // The last child going: the frame's own menu comes back.
        ::SendMessageA(pFrame->m_hWndMDIClient, WM_MDISETMENU, reinterpret_cast<WPARAM>(pFrame->m_hMenuDefault),
                       reinterpret_cast<LPARAM>(pFrame->GetWindowMenuPopup(pFrame->m_hMenuDefault)));
    } else {
        ::SendMessageA(pFrame->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
    }
}

void CMDIChildWnd::OnSize(UINT nType, int cx, int cy) {
    CFrameWnd::OnSize(nType, cx, cy);
    // Maximised or not, the frame's title changes.
    if (CMDIFrameWnd* pFrame = GetMDIFrame()) pFrame->OnUpdateFrameTitle(TRUE);
}
