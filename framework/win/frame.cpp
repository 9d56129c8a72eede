#include "win/frame.h"

#include "afxres.h"
#include "base/bar_layout.h"
#include "base/format_strings.h"
#include "win/afx_strings.h"
#include "win/ctlbar.h"
#include "win/doc.h"
#include "win/menu.h"
#include "win/view.h"
#include "win/winapp.h"

#include <afxpriv.h>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_ACTIVATE()
    ON_WM_ERASEBKGND()
    ON_WM_INITMENUPOPUP()
    ON_WM_MENUSELECT()
    ON_WM_ENTERIDLE()
    ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnToolTipText)
    ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, OnUpdateControlBarMenu)
    ON_COMMAND_EX(ID_VIEW_STATUS_BAR, OnBarCheck)
    ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, OnUpdateControlBarMenu)
    ON_COMMAND_EX(ID_VIEW_TOOLBAR, OnBarCheck)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_CAPS, OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_NUM, OnUpdateKeyIndicator)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_SCRL, OnUpdateKeyIndicator)
END_MESSAGE_MAP()

CFrameWnd::CFrameWnd() = default;

// The menu the frame was loaded with goes with its window (OnDestroy puts
// it back in place); accelerator tables from resources need no freeing.
CFrameWnd::~CFrameWnd() = default;

void CFrameWnd::PostNcDestroy() { delete this; }

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs) {
    if (cs.lpszClass == nullptr) {
        // Frames are not erased: the view and the bars cover them.
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
        if (cs.lpszClass == nullptr) return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCTSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext) {
    HMENU hMenu = nullptr;
    if (lpszMenuName != nullptr) {
        HINSTANCE hInst = AfxFindResourceHandle(lpszMenuName, RT_MENU);
        hMenu = ::LoadMenuA(hInst, lpszMenuName);
        if (hMenu == nullptr) {
            TRACE("CFrameWnd::Create: no menu resource.\n");
            PostNcDestroy();
            return FALSE;
        }
    }
    m_strTitle = lpszWindowName;
    // The FWS_ bits live in the low word of the style, which the frame's
    // own window class leaves to it.
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top, pParentWnd->GetSafeHwnd(), hMenu, pContext)) {
        if (hMenu != nullptr) ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext) {
    m_nIDHelp = nIDResource;
    CString strFull;
    strFull.LoadString(nIDResource);
    AfxExtractSubString(m_strTitle, strFull, 0);  // the window title is the first field

    LPCTSTR lpszClass = nullptr;
    if (HICON hIcon = ::LoadIconA(AfxFindResourceHandle(MAKEINTRESOURCEA(nIDResource), MAKEINTRESOURCEA(14)),
                                  MAKEINTRESOURCEA(nIDResource))) {
        lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), hIcon);
    }
    LPCTSTR lpszMenu = MAKEINTRESOURCEA(nIDResource);
    if (::FindResourceA(AfxFindResourceHandle(lpszMenu, RT_MENU), lpszMenu, RT_MENU) == nullptr) lpszMenu = nullptr;
    CString title = m_strTitle;
    if (!Create(lpszClass, title, dwDefaultStyle, rectDefault, pParentWnd, lpszMenu, 0, pContext)) return FALSE;
    m_hMenuDefault = ::GetMenu(m_hWnd);
    LoadAccelTable(MAKEINTRESOURCEA(nIDResource));
    // The first update: views get WM_INITIALUPDATE when the frame has no document to do it.
    if (pContext == nullptr) SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
    return TRUE;
}

BOOL CFrameWnd::LoadAccelTable(LPCTSTR lpszResourceName) {
    if (m_hAccelTable != nullptr) return FALSE;  // loaded once
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_ACCELERATOR);
    m_hAccelTable = ::LoadAcceleratorsA(hInst, lpszResourceName);
    return m_hAccelTable != nullptr;
}

HACCEL CFrameWnd::GetDefaultAccelerator() {
    // A document's template may bring its own table.
    if (CDocument* pDoc = GetActiveDocument(); pDoc != nullptr) {
        if (HACCEL hAccel = pDoc->GetDefaultAccelerator()) return hAccel;
    }
    return m_hAccelTable;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpcs) {
    CCreateContext* pContext = static_cast<CCreateContext*>(lpcs->lpCreateParams);
    return OnCreateHelper(lpcs, pContext);
}

int CFrameWnd::OnCreateHelper(LPCREATESTRUCT lpcs, CCreateContext* pContext) {
    if (CWnd::OnCreate(lpcs) == -1) return -1;
    if (!OnCreateClient(lpcs, pContext)) {
        TRACE("CFrameWnd: OnCreateClient failed.\n");
        return -1;
    }
    // The idle prompt once the frame is up, and the first layout.
    PostMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) {
    if (pContext != nullptr && pContext->m_pNewViewClass != nullptr) {
        if (CreateView(pContext, AFX_IDW_PANE_FIRST) == nullptr) return FALSE;
    }
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID) {
    ASSERT(pContext != nullptr && pContext->m_pNewViewClass != nullptr);
    if (pContext == nullptr || pContext->m_pNewViewClass == nullptr) return nullptr;
    CWnd* pView = static_cast<CWnd*>(pContext->m_pNewViewClass->CreateObject());
    ASSERT(pView != nullptr && pView->IsKindOf(RUNTIME_CLASS(CWnd)));  // a DECLARE_DYNCREATE window class
    if (pView == nullptr) return nullptr;
    // The view deletes itself when its window goes, or when creation fails.
    if (!pView->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 0, 0), this, nID, pContext)) {
        TRACE("CFrameWnd::CreateView: the view's window was not created.\n");
        return nullptr;
    }
    return pView;
}

void CFrameWnd::OnDestroy() {
    // The menu of a document type is not the frame's to destroy.
    HMENU hMenu = ::GetMenu(m_hWnd);
    if (m_hMenuDefault != nullptr && hMenu != m_hMenuDefault) ::SetMenu(m_hWnd, m_hMenuDefault);
    CWnd::OnDestroy();
}

void CFrameWnd::OnClose() {
    CWinApp* pApp = AfxGetApp();
    CDocument* pDocument = GetActiveDocument();
    if (pApp != nullptr && pApp->m_pMainWnd == this) {
        // Closing the main window asks about every modified document.
        if (!pApp->SaveAllModified()) return;
        pApp->CloseAllDocuments(FALSE);
        if (pApp->m_pMainWnd == nullptr) return;  // closing the documents closed this frame
    } else if (pDocument != nullptr && !pDocument->CanCloseFrame(this)) {
        return;
    }
    // The last frame of a document closes the document.
    if (pDocument != nullptr && pDocument->m_bAutoDelete) {
        BOOL bOtherFrame = FALSE;
        POSITION pos = pDocument->GetFirstViewPosition();
        while (pos != nullptr) {
            CView* pView = pDocument->GetNextView(pos);
            if (pView->GetParentFrame() != this) {
                bOtherFrame = TRUE;
                break;
            }
        }
        if (!bOtherFrame) {
            pDocument->OnCloseDocument();
            return;
        }
        pDocument->PreCloseFrame(this);
    }
    DestroyWindow();
}

// --- views and activation --------------------------------------------------------

CDocument* CFrameWnd::GetActiveDocument() {
    CView* pView = GetActiveView();
    return pView != nullptr ? pView->GetDocument() : nullptr;
}

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify) {
    CView* pViewOld = m_pViewActive;
    if (pViewNew == pViewOld) return;
    m_pViewActive = nullptr;  // none is active while they are told
    if (pViewOld != nullptr && bNotify) pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
    m_pViewActive = pViewNew;
    if (pViewNew != nullptr && bNotify) pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd) {
    if (m_pViewActive != nullptr && m_pViewActive->m_hWnd != nullptr)
        m_pViewActive->SetFocus();
    else
        CWnd::OnSetFocus(pOldWnd);
}

void CFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
    CWnd::OnActivate(nState, pWndOther, bMinimized);
    CView* pActiveView = GetActiveView();
    if (pActiveView == nullptr) {
        if (CFrameWnd* pFrame = GetActiveFrame(); pFrame != nullptr && pFrame != this)
            pActiveView = pFrame->GetActiveView();
    }
    if (pActiveView != nullptr) {
        // The frame coming back makes its view active again.
        if (nState != WA_INACTIVE && !bMinimized) pActiveView->OnActivateView(TRUE, pActiveView, pActiveView);
        pActiveView->OnActivateFrame(nState, this);
    }
}

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible) {
    CView* pView = nullptr;
    if (GetActiveView() == nullptr) {
        CWnd* pWnd = GetDescendantWindow(AFX_IDW_PANE_FIRST, TRUE);
        if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CView))) {
            pView = static_cast<CView*>(pWnd);
            SetActiveView(pView, FALSE);
        }
    }
    if (bMakeVisible) {
        SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
        if (pView != nullptr) pView->OnActivateFrame(WA_INACTIVE, this);
        int nCmdShow = -1;
        // The application's first window shows as the program was started.
        CWinApp* pApp = AfxGetApp();
        if (pApp != nullptr && pApp->m_pMainWnd == this && pApp->m_nCmdShow != -1) {
            nCmdShow = pApp->m_nCmdShow;
            pApp->m_nCmdShow = -1;
        }
        ActivateFrame(nCmdShow);
        if (pView != nullptr) pView->OnActivateView(TRUE, pView, pView);
    }
    if (pDoc != nullptr) pDoc->UpdateFrameCounts();
    OnUpdateFrameTitle(TRUE);
}

void CFrameWnd::ActivateFrame(int nCmdShow) {
    if (nCmdShow == -1) {
        if (!IsWindowVisible())
            nCmdShow = SW_SHOWNORMAL;
        else if (IsIconic())
            nCmdShow = SW_RESTORE;
    }
    BringToTop(nCmdShow);
    if (nCmdShow != -1) {
        ShowWindow(nCmdShow);
        BringToTop(nCmdShow);
    }
}

void CFrameWnd::BringToTop(int nCmdShow) {
    // To the top (its last active popup, if any), unless hidden or minimised.
    if (nCmdShow != SW_HIDE && nCmdShow != SW_MINIMIZE && nCmdShow != SW_SHOWMINNOACTIVE && nCmdShow != SW_SHOWNA &&
        nCmdShow != SW_SHOWNOACTIVATE)
        ::BringWindowToTop(::GetLastActivePopup(m_hWnd));
}

// --- commands ---------------------------------------------------------------------

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    // The active view first (it passes on to its document)...
    if (CView* pView = GetActiveView(); pView != nullptr && pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    // ...then the frame itself...
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    // ...then the application (commands only, not controls' notifications).
    // A frame inside another (an MDI child) leaves that to the outer frame,
    // which asks the application after itself.
    if (nCode != CN_COMMAND && nCode != static_cast<int>(CN_UPDATE_COMMAND_UI)) return FALSE;
    if ((GetStyle() & WS_CHILD) && GetParentFrame() != nullptr) return FALSE;
    CWinApp* pApp = AfxGetApp();
    return pApp != nullptr && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    // A control bar's button is a command like a menu's: one whose command
    // is disabled is not carried out.
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    if (hWndCtrl != nullptr && HIWORD(wParam) == BN_CLICKED) {
        CWnd* pBar = CWnd::FromHandlePermanent(hWndCtrl);
        if (pBar != nullptr && pBar->IsKindOf(RUNTIME_CLASS(CControlBar))) return CWnd::OnCommand(LOWORD(wParam), 0);
    }
    return CWnd::OnCommand(wParam, lParam);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg) {
    if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) {
        HACCEL hAccel = GetDefaultAccelerator();
        return hAccel != nullptr && ::TranslateAcceleratorA(m_hWnd, hAccel, pMsg);
    }
    return FALSE;
}

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu) {
    if (bSysMenu) return;  // the system menu updates itself
    AfxUpdateMenuCmdUI(this, pPopupMenu, m_bAutoMenuEnable);
}

BOOL CFrameWnd::OnBarCheck(UINT nID) {
    CControlBar* pBar = GetControlBar(nID);
    if (pBar == nullptr) return FALSE;
    ShowControlBar(pBar, (pBar->GetStyle() & WS_VISIBLE) == 0, FALSE);
    return TRUE;
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI) {
    CControlBar* pBar = GetControlBar(pCmdUI->m_nID);
    if (pBar == nullptr) {
        pCmdUI->ContinueRouting();
        return;
    }
    pCmdUI->SetCheck((pBar->GetStyle() & WS_VISIBLE) != 0);
}

void CFrameWnd::OnUpdateKeyIndicator(CCmdUI* pCmdUI) {
    UINT nVK = pCmdUI->m_nID == ID_INDICATOR_CAPS ? VK_CAPITAL
               : pCmdUI->m_nID == ID_INDICATOR_NUM ? VK_NUMLOCK
                                                   : VK_SCROLL;
    pCmdUI->Enable(::GetKeyState(static_cast<int>(nVK)) & 1);
}

CControlBar* CFrameWnd::GetControlBar(UINT nID) {
    if (nID == 0) return nullptr;
    CWnd* pWnd = CWnd::FromHandlePermanent(::GetDlgItem(m_hWnd, static_cast<int>(nID)));
    return pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CControlBar)) ? static_cast<CControlBar*>(pWnd) : nullptr;
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay) {
    ASSERT(pBar != nullptr);
    if (pBar == nullptr) return;
    pBar->SetWindowPos(nullptr, 0, 0, 0, 0,
                       SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE |
                           (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    if (bDelay)
        DelayRecalcLayout();
    else
        RecalcLayout();
}

// --- layout ------------------------------------------------------------------------

void CFrameWnd::RecalcLayout(BOOL) {
    if (m_bInRecalcLayout) return;  // a bar that resizes itself while laid out
    m_bInRecalcLayout = TRUE;
    RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposDefault);
    m_bInRecalcLayout = FALSE;
    m_nIdleFlags &= ~(idleLayout | idleNotify);
}

void CFrameWnd::DelayRecalcLayout(BOOL bNotify) { m_nIdleFlags |= idleLayout | (bNotify ? idleNotify : 0); }

void CFrameWnd::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED) RecalcLayout();
}

BOOL CFrameWnd::OnEraseBkgnd(CDC* pDC) {
    // With a view covering the client area there is nothing to erase.
    if (m_pViewActive != nullptr) return TRUE;
    return CWnd::OnEraseBkgnd(pDC);
}

LRESULT CFrameWnd::OnSizeParent(WPARAM, LPARAM lParam) {
    // A frame inside another frame (a nested frame) is laid out like a bar
    // that takes all the space left.
    AFX_SIZEPARENTPARAMS* lpLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    if (lpLayout->hDWP != nullptr && (GetStyle() & WS_CHILD)) AfxRepositionWindow(lpLayout, m_hWnd, &lpLayout->rect);
    return 0;
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM) {
    if (m_nIdleFlags & idleMenu) {
        m_nIdleFlags &= ~idleMenu;
        OnUpdateFrameMenu(m_hMenuAlt);
    }
    if (m_nIdleFlags & idleTitle) OnUpdateFrameTitle(TRUE);
    if (m_nIdleFlags & idleLayout) {
        RecalcLayout(m_nIdleFlags & idleNotify);
        UpdateWindow();
    }
    if (m_nIDTracking != m_nIDLastMessage) SetMessageText(m_nIDTracking);
    m_nIdleFlags = 0;
    return 0;
}

void CFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt) {
    if (hMenuAlt == nullptr) hMenuAlt = m_hMenuDefault;
    if (hMenuAlt != nullptr && ::GetMenu(m_hWnd) != hMenuAlt) ::SetMenu(m_hWnd, hMenuAlt);
}

// --- prompts -------------------------------------------------------------------------

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const {
    // The prompt is the string's first line; the second is the tool tip.
    // The framework's own prompts ("Ready", the system commands') are there
    // without the program's strings.
    CString strFull = AfxFrameworkString(nID);
    if (!AfxExtractSubString(rMessage, strFull, 0)) rMessage.Empty();
}

CWnd* CFrameWnd::GetMessageBar() { return GetDescendantWindow(AFX_IDW_STATUS_BAR, TRUE); }

void CFrameWnd::SetMessageText(LPCTSTR lpszText) { SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(lpszText)); }

void CFrameWnd::SetMessageText(UINT nID) { SendMessage(WM_SETMESSAGESTRING, nID); }

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam) {
    UINT nIDLast = m_nIDLastMessage;
    if (CWnd* pMessageBar = GetMessageBar(); pMessageBar != nullptr) {
        CString strMessage;
        LPCTSTR lpsz = nullptr;
        if (lParam != 0) {
            lpsz = reinterpret_cast<LPCTSTR>(lParam);
        } else if (wParam != 0) {
            GetMessageString(static_cast<UINT>(wParam), strMessage);
            lpsz = strMessage;
        }
        pMessageBar->SetWindowText(lpsz != nullptr ? lpsz : "");
    }
    m_nIDLastMessage = static_cast<UINT>(wParam);
    m_nIDTracking = static_cast<UINT>(wParam);
    return nIDLast;
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu) {
    CFrameWnd* pFrame = GetTopLevelFrame();
    if (pFrame == nullptr) pFrame = this;
    if (nFlags == 0xFFFF && hSysMenu == nullptr) {
        m_nIDTracking = AFX_IDS_IDLEMESSAGE;  // the menu closed: back to the idle prompt
    } else if (nItemID == 0 || (nFlags & (MF_SEPARATOR | MF_POPUP))) {
        m_nIDTracking = 0;
    } else if (nItemID >= 0xF000 && nItemID < 0xF1F0) {
        m_nIDTracking = AFX_IDS_SCFIRST + ((nItemID - 0xF000) >> 4);  // system commands' prompts
    } else if (nItemID >= AFX_IDM_FIRST_MDICHILD) {
        m_nIDTracking = AFX_IDS_MDICHILD;
    } else {
        m_nIDTracking = nItemID;
    }
    // The prompt follows the selection at once.
    if (m_nIDTracking != m_nIDLastMessage) pFrame->SetMessageText(m_nIDTracking);
    m_nIDLastMessage = pFrame->m_nIDLastMessage;
}

void CFrameWnd::OnEnterIdle(UINT nWhy, CWnd* pWho) {
    CWnd::OnEnterIdle(nWhy, pWho);
    if (nWhy == MSGF_MENU && m_nIDTracking != m_nIDLastMessage) SetMessageText(m_nIDTracking);
}

BOOL CFrameWnd::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult) {
    // The tip of a bar's button is the second line of its command's string.
    TOOLTIPTEXTA* pTTT = reinterpret_cast<TOOLTIPTEXTA*>(pNMHDR);
    UINT_PTR nID = pNMHDR->idFrom;
    if (pTTT->uFlags & TTF_IDISHWND) nID = static_cast<UINT_PTR>(::GetDlgCtrlID(reinterpret_cast<HWND>(nID)));
    if (nID == 0) return FALSE;
    CString strFull, strTip;
    if (strFull.LoadString(static_cast<UINT>(nID))) {
        if (!AfxExtractSubString(strTip, strFull, 1)) strTip.Empty();
    }
    lstrcpynA(pTTT->szText, strTip, static_cast<int>(sizeof pTTT->szText));
    pTTT->lpszText = pTTT->szText;
    *pResult = 0;
    // Tips sit over everything.
    ::SetWindowPos(pNMHDR->hwndFrom, HWND_TOP, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE | SWP_NOOWNERZORDER);
    return TRUE;
}

// --- title ---------------------------------------------------------------------------

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle) {
    if ((GetStyle() & FWS_ADDTOTITLE) == 0) return;
    CDocument* pDocument = GetActiveDocument();
    if (bAddToTitle && pDocument != nullptr)
        UpdateFrameTitleForDocument(pDocument->GetTitle());
    else
        UpdateFrameTitleForDocument(nullptr);
}

void CFrameWnd::UpdateFrameTitleForDocument(LPCTSTR lpszDocNameArg) {
    CString docName = lpszDocNameArg;
    if (lpszDocNameArg != nullptr && m_nWindow > 0) docName.AppendFormat(":%d", m_nWindow);
    LPCTSTR lpszDocName = lpszDocNameArg != nullptr ? static_cast<LPCTSTR>(docName) : nullptr;
    CString title;
    if (GetStyle() & FWS_PREFIXTITLE) {
        if (lpszDocName != nullptr) title = CString(lpszDocName) + " - ";
        title += m_strTitle;
    } else {
        title = m_strTitle;
        if (lpszDocName != nullptr && *lpszDocName != '\0') title += CString(" - ") + lpszDocName;
    }
    CString current;
    GetWindowText(current);
    if (current != title) SetWindowText(title);  // no flicker when nothing changed
}

// --- RepositionBars ---------------------------------------------------------------------

void AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect) {
    ASSERT(hWnd != nullptr && lpRect != nullptr);
    HWND hWndParent = ::GetParent(hWnd);
    CRect rectOld;
    ::GetWindowRect(hWnd, &rectOld);
    ::MapWindowPoints(nullptr, hWndParent, reinterpret_cast<LPPOINT>(&rectOld), 2);
    if (rectOld == CRect(*lpRect)) return;  // where it is already
    if (lpLayout->hDWP != nullptr)
        lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, hWnd, nullptr, lpRect->left, lpRect->top,
                                          lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
                                          SWP_NOACTIVATE | SWP_NOZORDER);
    else
        ::SetWindowPos(hWnd, nullptr, lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                       lpRect->bottom - lpRect->top, SWP_NOACTIVATE | SWP_NOZORDER);
}

void CWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlags, LPRECT lpRectParam,
                          LPCRECT lpRectClient, BOOL bStretch) {
    AFX_SIZEPARENTPARAMS layout = {};
    layout.bStretch = bStretch;
    if (lpRectClient != nullptr)
        layout.rect = *lpRectClient;
    else
        ::GetClientRect(m_hWnd, &layout.rect);
    layout.hDWP = (nFlags & reposQuery) ? nullptr : ::BeginDeferWindowPos(8);
    HWND hWndLeftOver = nullptr;
    for (HWND hChild = ::GetTopWindow(m_hWnd); hChild != nullptr; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        UINT nIDC = static_cast<UINT>(::GetDlgCtrlID(hChild));
        CWnd* pWnd = CWnd::FromHandlePermanent(hChild);
        if (nIDC == nIDLeftOver)
            hWndLeftOver = hChild;
        else if (nIDC >= nIDFirst && nIDC <= nIDLast && pWnd != nullptr)
            ::SendMessageA(hChild, WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
    }
    if (nFlags & reposQuery) {
        ASSERT(lpRectParam != nullptr);
        if (lpRectParam != nullptr) {
            if (bStretch)
                ::CopyRect(lpRectParam, &layout.rect);
            else
                ::SetRect(lpRectParam, 0, 0, layout.sizeTotal.cx, layout.sizeTotal.cy);
        }
        return;
    }
    if (nIDLeftOver != 0 && hWndLeftOver != nullptr && !(nFlags & reposNoPosLeftOver)) {
        CWnd* pLeftOver = CWnd::FromHandle(hWndLeftOver);
        if ((nFlags & reposExtra) && lpRectParam != nullptr) {
            layout.rect.left += lpRectParam->left;
            layout.rect.top += lpRectParam->top;
            layout.rect.right -= lpRectParam->right;
            layout.rect.bottom -= lpRectParam->bottom;
        }
        // The rest is the left-over window's client area: its borders go around it.
        pLeftOver->CalcWindowRect(&layout.rect);
        AfxRepositionWindow(&layout, hWndLeftOver, &layout.rect);
    }
    if (layout.hDWP == nullptr || !::EndDeferWindowPos(layout.hDWP)) TRACE("RepositionBars: deferred moves failed.\n");
}
