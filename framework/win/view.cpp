#include "win/view.h"

#include "afxres.h"
#include "base/bar_layout.h"
#include "base/carchive.h"
#include "win/ctl_common.h"
#include "win/dc.h"
#include "win/doc.h"
#include "win/gdiobj.h"

#include <afxpriv.h>

#include <algorithm>
#include <climits>
#include <vector>

IMPLEMENT_DYNAMIC(CView, CWnd)
IMPLEMENT_DYNAMIC(CScrollView, CView)
IMPLEMENT_DYNAMIC(CFormView, CScrollView)
IMPLEMENT_DYNAMIC(CCtrlView, CView)
IMPLEMENT_DYNCREATE(CEditView, CCtrlView)
IMPLEMENT_DYNCREATE(CListView, CCtrlView)
IMPLEMENT_DYNCREATE(CTreeView, CCtrlView)

// --- CView ------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_MOUSEACTIVATE()
    ON_MESSAGE(WM_INITIALUPDATE, OnInitialUpdateMessage)
END_MESSAGE_MAP()

CView::CView() = default;

CView::~CView() {
    if (m_pDocument != nullptr) m_pDocument->RemoveView(this);
}

void CView::PostNcDestroy() { delete this; }

BOOL CView::PreCreateWindow(CREATESTRUCT& cs) {
    if (!CWnd::PreCreateWindow(cs)) return FALSE;
    // A view's border is the sunken client edge.
    if (cs.style & WS_BORDER) {
        cs.dwExStyle |= WS_EX_CLIENTEDGE;
        cs.style &= ~WS_BORDER;
    }
    return TRUE;
}

int CView::OnCreate(LPCREATESTRUCT lpcs) {
    if (CWnd::OnCreate(lpcs) == -1) return -1;
    // The document of the creation context gets the view.
    CCreateContext* pContext = static_cast<CCreateContext*>(lpcs->lpCreateParams);
    if (pContext != nullptr && pContext->m_pCurrentDoc != nullptr) pContext->m_pCurrentDoc->AddView(this);
    return 0;
}

void CView::OnDestroy() {
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr && pFrame->GetActiveView() == this) pFrame->SetActiveView(nullptr);
    CWnd::OnDestroy();
}

void CView::OnPaint() {
    CPaintDC dc(this);
    OnPrepareDC(&dc);
    OnDraw(&dc);
}

void CView::OnPrepareDC(CDC*, CPrintInfo*) {}

int CView::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message) {
    int nResult = CWnd::OnMouseActivate(pDesktopWnd, nHitTest, message);
    if (nResult == MA_NOACTIVATE || nResult == MA_NOACTIVATEANDEAT) return nResult;
    // A click in a view makes it the frame's active view.
    if (CFrameWnd* pParentFrame = GetParentFrame()) {
        CView* pView = pParentFrame->GetActiveView();
        HWND hWndFocus = ::GetFocus();
        if (pView == this && m_hWnd != hWndFocus && !::IsChild(m_hWnd, hWndFocus))
            OnActivateView(TRUE, this, this);  // active already: take the focus back
        else
            pParentFrame->SetActiveView(this);
    }
    return nResult;
}

LRESULT CView::OnInitialUpdateMessage(WPARAM, LPARAM) {
    OnInitialUpdate();
    return 0;
}

void CView::OnInitialUpdate() { OnUpdate(nullptr, 0, nullptr); }

void CView::OnUpdate(CView* pSender, LPARAM, CObject*) {
    if (pSender != this) Invalidate(TRUE);
}

BOOL CView::IsSelected(const CObject*) const { return FALSE; }

void CView::OnActivateView(BOOL bActivate, CView*, CView*) {
    // The active view takes the focus while its frame is the active window.
    if (bActivate && IsTopParentActive()) SetFocus();
}

void CView::OnActivateFrame(UINT, CFrameWnd*) {}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    return m_pDocument != nullptr && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// --- CScrollView ----------------------------------------------------------------------

const SIZE CScrollView::sizeDefault = {0, 0};

BEGIN_MESSAGE_MAP(CScrollView, CView)
    ON_WM_SIZE()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

CScrollView::CScrollView() = default;

namespace {
// Logical to device units of a mapping mode (positive sizes).
CSize ToDevice(int nMapMode, SIZE size) {
    HDC hDC = ::GetDC(nullptr);
    ::SetMapMode(hDC, nMapMode);
    POINT pt = {size.cx, size.cy};
    ::LPtoDP(hDC, &pt, 1);
    ::ReleaseDC(nullptr, hDC);
    return CSize(std::abs(static_cast<int>(pt.x)), std::abs(static_cast<int>(pt.y)));
}
}  // namespace

void CScrollView::SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage, const SIZE& sizeLine) {
    ASSERT(sizeTotal.cx >= 0 && sizeTotal.cy >= 0);
    ASSERT(nMapMode > 0 && nMapMode != MM_ISOTROPIC && nMapMode != MM_ANISOTROPIC);
    if (nMapMode <= 0 || nMapMode == MM_ISOTROPIC || nMapMode == MM_ANISOTROPIC) return;
    int nOldMapMode = m_nMapMode;
    m_nMapMode = nMapMode;
    m_totalLog = CSize(std::max(0, static_cast<int>(sizeTotal.cx)), std::max(0, static_cast<int>(sizeTotal.cy)));
    m_totalDev = ToDevice(nMapMode, m_totalLog);
    m_pageDev = ToDevice(nMapMode, sizePage);
    m_lineDev = ToDevice(nMapMode, sizeLine);
    // Pages default to a tenth of the document, lines to a tenth of a page.
    if (m_pageDev.cx == 0) m_pageDev.cx = m_totalDev.cx / 10;
    if (m_pageDev.cy == 0) m_pageDev.cy = m_totalDev.cy / 10;
    if (m_lineDev.cx == 0) m_lineDev.cx = std::max(1, static_cast<int>(m_pageDev.cx / 10));
    if (m_lineDev.cy == 0) m_lineDev.cy = std::max(1, static_cast<int>(m_pageDev.cy / 10));
    if (m_hWnd != nullptr) {
        UpdateBars();
        if (nOldMapMode != m_nMapMode) Invalidate(TRUE);
    }
}

void CScrollView::SetScaleToFitSize(SIZE sizeTotal) {
    // The whole document in the window: no scroll bars, stretched to fit.
    m_nMapMode = MM_ANISOTROPIC;
    m_totalLog = sizeTotal;
    m_totalDev = CSize(0, 0);
    if (m_hWnd != nullptr) {
        ShowScrollBar(SB_BOTH, FALSE);
        Invalidate(TRUE);
    }
}

void CScrollView::GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage, SIZE& sizeLine) const {
    nMapMode = m_nMapMode;
    sizeTotal = m_totalDev;
    sizePage = m_pageDev;
    sizeLine = m_lineDev;
}

CPoint CScrollView::GetDeviceScrollPosition() const {
    return CPoint(::GetScrollPos(m_hWnd, SB_HORZ), ::GetScrollPos(m_hWnd, SB_VERT));
}

CPoint CScrollView::GetScrollPosition() const {
    CPoint pt = GetDeviceScrollPosition();
    if (m_nMapMode != MM_TEXT && m_nMapMode != MM_ANISOTROPIC && m_nMapMode != 0) {
        HDC hDC = ::GetDC(nullptr);
        ::SetMapMode(hDC, m_nMapMode);
        ::DPtoLP(hDC, &pt, 1);
        ::ReleaseDC(nullptr, hDC);
    }
    return pt;
}

void CScrollView::ScrollToPosition(POINT pt) {
    if (m_nMapMode == MM_ANISOTROPIC || m_nMapMode == 0) return;  // nothing scrolls
    if (m_nMapMode != MM_TEXT) {
        HDC hDC = ::GetDC(nullptr);
        ::SetMapMode(hDC, m_nMapMode);
        ::LPtoDP(hDC, &pt, 1);
        ::ReleaseDC(nullptr, hDC);
        pt.y = std::abs(static_cast<int>(pt.y));  // y grows upwards in the metric modes
    }
    ScrollToDevicePosition(pt);
}

void CScrollView::ScrollToDevicePosition(POINT ptDev) {
    ptDev.x = std::max(0, std::min<int>(ptDev.x, GetScrollLimit(SB_HORZ)));
    ptDev.y = std::max(0, std::min<int>(ptDev.y, GetScrollLimit(SB_VERT)));
    int xOrig = ::GetScrollPos(m_hWnd, SB_HORZ);
    int yOrig = ::GetScrollPos(m_hWnd, SB_VERT);
    if (ptDev.x == xOrig && ptDev.y == yOrig) return;
    ::SetScrollPos(m_hWnd, SB_HORZ, ptDev.x, TRUE);
    ::SetScrollPos(m_hWnd, SB_VERT, ptDev.y, TRUE);
    ScrollWindow(xOrig - ptDev.x, yOrig - ptDev.y);
}

void CScrollView::UpdateBars() {
    if (m_bInsideUpdate || m_nMapMode == MM_ANISOTROPIC || m_nMapMode == 0) return;
    m_bInsideUpdate = TRUE;  // showing a bar sizes the window again
    CRect rectClient;
    GetClientRect(&rectClient);
    const int cxV = ::GetSystemMetrics(SM_CXVSCROLL), cyH = ::GetSystemMetrics(SM_CYHSCROLL);
    // The client area without the bars shown now.
    DWORD dwStyle = GetStyle();
    CSize sizeClient(rectClient.Width() + ((dwStyle & WS_VSCROLL) ? cxV : 0),
                     rectClient.Height() + ((dwStyle & WS_HSCROLL) ? cyH : 0));
    bool bNeedH = false, bNeedV = false;
    AfxNeededScrollBars(m_totalDev, sizeClient, cxV, cyH, bNeedH, bNeedV);
    CSize sizeView(sizeClient.cx - (bNeedV ? cxV : 0), sizeClient.cy - (bNeedH ? cyH : 0));
    CPoint ptPos = GetDeviceScrollPosition();
    ptPos.x = bNeedH ? std::max(0, std::min<int>(ptPos.x, m_totalDev.cx - sizeView.cx)) : 0;
    ptPos.y = bNeedV ? std::max(0, std::min<int>(ptPos.y, m_totalDev.cy - sizeView.cy)) : 0;
    // The window's content moves with the position it is clamped to.
    CPoint ptOld = GetDeviceScrollPosition();
    for (int nBar : {SB_HORZ, SB_VERT}) {
        bool bNeed = nBar == SB_HORZ ? bNeedH : bNeedV;
        SCROLLINFO info = {};
        info.cbSize = sizeof info;
        info.fMask = SIF_PAGE | SIF_RANGE | SIF_POS;
        info.nMin = 0;
        info.nMax = bNeed ? (nBar == SB_HORZ ? m_totalDev.cx : m_totalDev.cy) - 1 : 0;
        info.nPage = bNeed ? static_cast<UINT>(nBar == SB_HORZ ? sizeView.cx : sizeView.cy) : 0;
        info.nPos = nBar == SB_HORZ ? ptPos.x : ptPos.y;
        ::SetScrollInfo(m_hWnd, nBar, &info, TRUE);
        ::ShowScrollBar(m_hWnd, nBar, bNeed);
    }
    if (ptOld != ptPos) ScrollWindow(ptOld.x - ptPos.x, ptOld.y - ptPos.y);
    m_bInsideUpdate = FALSE;
}

void CScrollView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) {
    if (m_nMapMode == MM_ANISOTROPIC) {
        CRect rect;
        GetClientRect(&rect);
        pDC->SetMapMode(MM_ANISOTROPIC);
        pDC->SetWindowExt(m_totalLog);
        pDC->SetViewportExt(rect.Size());
    } else if (m_nMapMode != 0) {
        pDC->SetMapMode(m_nMapMode);
        CPoint ptVpOrg = -GetDeviceScrollPosition();
        if (m_bCenter) {
            CRect rect;
            GetClientRect(&rect);
            if (m_totalDev.cx < rect.Width()) ptVpOrg.x = (rect.Width() - m_totalDev.cx) / 2;
            if (m_totalDev.cy < rect.Height()) ptVpOrg.y = (rect.Height() - m_totalDev.cy) / 2;
        }
        pDC->SetViewportOrg(ptVpOrg);
    }
    CView::OnPrepareDC(pDC, pInfo);
}

void CScrollView::FillOutsideRect(CDC* pDC, CBrush* pBrush) {
    // The parts of the window beyond the document.
    CRect rect;
    GetClientRect(&rect);
    CPoint pt = GetDeviceScrollPosition();
    HDC hDC = pDC->m_hDC;
    int nSaved = ::SaveDC(hDC);
    ::SetMapMode(hDC, MM_TEXT);
    ::SetViewportOrgEx(hDC, 0, 0, nullptr);
    CRect right(m_totalDev.cx - pt.x, rect.top, rect.right, rect.bottom);
    CRect below(rect.left, m_totalDev.cy - pt.y, std::min<int>(rect.right, right.left), rect.bottom);
    if (!right.IsRectEmpty()) ::FillRect(hDC, &right, static_cast<HBRUSH>(pBrush->GetSafeHandle()));
    if (!below.IsRectEmpty()) ::FillRect(hDC, &below, static_cast<HBRUSH>(pBrush->GetSafeHandle()));
    ::RestoreDC(hDC, nSaved);
}

void CScrollView::OnSize(UINT nType, int cx, int cy) {
    CView::OnSize(nType, cx, cy);
    UpdateBars();
}

void CScrollView::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    if (pScrollBar != nullptr && pScrollBar->SendChildNotifyLastMsg()) return;  // a control's own
    OnScroll(MAKEWORD(nSBCode, 0xFF), nPos);
}

void CScrollView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
    if (pScrollBar != nullptr && pScrollBar->SendChildNotifyLastMsg()) return;
    OnScroll(MAKEWORD(0xFF, nSBCode), nPos);
}

BOOL CScrollView::OnMouseWheel(UINT, short zDelta, CPoint) {
    // Three lines a notch, down the vertical bar if there is one, else across.
    int nLines = -zDelta * 3 / WHEEL_DELTA;
    if (GetStyle() & WS_VSCROLL) return OnScrollBy(CSize(0, nLines * m_lineDev.cy));
    if (GetStyle() & WS_HSCROLL) return OnScrollBy(CSize(nLines * m_lineDev.cx, 0));
    return FALSE;
}

BOOL CScrollView::OnScroll(UINT nScrollCode, UINT, BOOL bDoScroll) {
    // The low byte is the horizontal bar's code, the high byte the vertical one's.
    auto step = [this](int nBar, UINT nCode, int line, int page) -> int {
        int pos = ::GetScrollPos(m_hWnd, nBar);
        switch (nCode) {
            case SB_TOP: return 0;
            case SB_BOTTOM: return INT_MAX / 2;
            case SB_LINEUP: return pos - line;
            case SB_LINEDOWN: return pos + line;
            case SB_PAGEUP: return pos - page;
            case SB_PAGEDOWN: return pos + page;
            case SB_THUMBTRACK: {
                SCROLLINFO info = {};
                info.cbSize = sizeof info;
                info.fMask = SIF_TRACKPOS;
                ::GetScrollInfo(m_hWnd, nBar, &info);  // 32-bit position
                return info.nTrackPos;
            }
            default: return pos;
        }
    };
    int x = ::GetScrollPos(m_hWnd, SB_HORZ), y = ::GetScrollPos(m_hWnd, SB_VERT);
    int xNew = step(SB_HORZ, LOBYTE(nScrollCode), m_lineDev.cx, m_pageDev.cx);
    int yNew = step(SB_VERT, HIBYTE(nScrollCode), m_lineDev.cy, m_pageDev.cy);
    return OnScrollBy(CSize(xNew - x, yNew - y), bDoScroll);
}

BOOL CScrollView::OnScrollBy(CSize sizeScroll, BOOL bDoScroll) {
    DWORD dwStyle = GetStyle();
    if (!(dwStyle & WS_HSCROLL)) sizeScroll.cx = 0;
    if (!(dwStyle & WS_VSCROLL)) sizeScroll.cy = 0;
    int xOrig = ::GetScrollPos(m_hWnd, SB_HORZ), yOrig = ::GetScrollPos(m_hWnd, SB_VERT);
    int x = std::max(0, std::min(xOrig + static_cast<int>(sizeScroll.cx), GetScrollLimit(SB_HORZ)));
    int y = std::max(0, std::min(yOrig + static_cast<int>(sizeScroll.cy), GetScrollLimit(SB_VERT)));
    if (x == xOrig && y == yOrig) return FALSE;
    if (bDoScroll) {
        ScrollWindow(xOrig - x, yOrig - y);
        if (x != xOrig) ::SetScrollPos(m_hWnd, SB_HORZ, x, TRUE);
        if (y != yOrig) ::SetScrollPos(m_hWnd, SB_VERT, y, TRUE);
    }
    return TRUE;
}

// --- CFormView ----------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CFormView, CScrollView)
    ON_WM_CREATE()
    ON_WM_SETFOCUS()
    ON_WM_PAINT()
END_MESSAGE_MAP()

namespace {
// The dialog manager's side of a form: everything goes through the message map.
INT_PTR CALLBACK AfxFormDlgProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }
}  // namespace

CFormView::CFormView(LPCTSTR lpszTemplateName) : m_lpszTemplateName(lpszTemplateName) {}
CFormView::CFormView(UINT nIDTemplate) : m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)) {}

BOOL CFormView::Create(LPCTSTR, LPCTSTR, DWORD dwRequestedStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                       void* pContext) {
    HINSTANCE hInst = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
    HRSRC hResource = ::FindResourceA(hInst, m_lpszTemplateName, RT_DIALOG);
    HGLOBAL hTemplate = hResource ? ::LoadResource(hInst, hResource) : nullptr;
    const DLGTEMPLATE* pTemplate = hTemplate ? static_cast<const DLGTEMPLATE*>(::LockResource(hTemplate)) : nullptr;
    if (pTemplate == nullptr) {
        TRACE("CFormView: no dialog template.\n");
        PostNcDestroy();
        return FALSE;
    }
    // The form's window comes from the template; its creation context
    // reaches OnCreate through the object, as dialogs carry no parameter.
    m_pCreateContext = static_cast<CCreateContext*>(pContext);
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(hInst, pTemplate, pParentWnd->GetSafeHwnd(), AfxFormDlgProc, 0);
    bool bHooked = !AfxUnhookWindowCreate();
    m_pCreateContext = nullptr;
    if (hWnd == nullptr) {
        if (!bHooked) PostNcDestroy();  // creation failed before the window existed
        return FALSE;
    }
    ASSERT(GetStyle() & WS_CHILD);  // a form's template is a child dialog
    SetDlgCtrlID(static_cast<int>(nID));
    CRect rectTemplate;
    GetWindowRect(&rectTemplate);
    SetScrollSizes(MM_TEXT, rectTemplate.Size());
    ExecuteDlgInit(m_lpszTemplateName);
    if (dwRequestedStyle & WS_BORDER) ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED);
    SetWindowPos(nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (dwRequestedStyle & WS_VISIBLE) ShowWindow(SW_SHOWNORMAL);
    return TRUE;
}

int CFormView::OnCreate(LPCREATESTRUCT lpcs) {
    CREATESTRUCT cs = *lpcs;
    cs.lpCreateParams = m_pCreateContext;
    return CView::OnCreate(&cs);
}

void CFormView::OnInitialUpdate() {
    UpdateData(FALSE);
    CScrollView::OnInitialUpdate();
}

void CFormView::OnPaint() { Default(); }  // the dialog paints its background; the controls themselves

BOOL CFormView::PreTranslateMessage(MSG* pMsg) {
    // The frames' accelerators come before the dialog's keys.
    for (CFrameWnd* pFrame = GetParentFrame(); pFrame != nullptr; pFrame = pFrame->GetParentFrame())
        if (pFrame->PreTranslateMessage(pMsg)) return TRUE;
    if (::GetWindow(m_hWnd, GW_CHILD) == nullptr) return FALSE;  // an empty form
    if ((pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) ||
        (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST))
        return ::IsDialogMessageA(m_hWnd, pMsg);
    return FALSE;
}

void CFormView::SaveFocusControl() {
    HWND hWndFocus = ::GetFocus();
    if (hWndFocus != nullptr && ::IsChild(m_hWnd, hWndFocus)) m_hWndFocus = hWndFocus;
}

void CFormView::OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView) {
    if (!bActivate) SaveFocusControl();
    CScrollView::OnActivateView(bActivate, pActivateView, pDeactiveView);
}

void CFormView::OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd) {
    if (nState == WA_INACTIVE) SaveFocusControl();
    CScrollView::OnActivateFrame(nState, pFrameWnd);
}

void CFormView::OnSetFocus(CWnd*) {
    // The focus goes on to the control that had it, else the first tab stop.
    if (m_hWndFocus == nullptr || !::IsWindow(m_hWndFocus) || !::IsChild(m_hWnd, m_hWndFocus))
        m_hWndFocus = ::GetNextDlgTabItem(m_hWnd, nullptr, FALSE);
    if (m_hWndFocus != nullptr) ::SetFocus(m_hWndFocus);
}

// --- control views ------------------------------------------------------------------------

BEGIN_MESSAGE_MAP(CCtrlView, CView)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CCtrlView::CCtrlView(LPCTSTR lpszClass, DWORD dwStyle) : m_strClass(lpszClass), m_dwDefaultStyle(dwStyle) {}

BOOL CCtrlView::PreCreateWindow(CREATESTRUCT& cs) {
    ASSERT(!m_strClass.IsEmpty());  // the control's window class
    AfxInitCommonControls();
    cs.lpszClass = m_strClass;
    cs.style |= m_dwDefaultStyle;
    return CView::PreCreateWindow(cs);
}

const DWORD CEditView::dwStyleDefault =
    AFX_WS_DEFAULT_VIEW | WS_HSCROLL | WS_VSCROLL | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_MULTILINE | ES_NOHIDESEL;

BEGIN_MESSAGE_MAP(CEditView, CCtrlView)
    ON_CONTROL_REFLECT_EX(EN_CHANGE, OnEditChange)
    ON_COMMAND(ID_EDIT_CUT, OnEditCut)
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
    ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
    ON_COMMAND(ID_EDIT_CLEAR, OnEditClear)
    ON_COMMAND(ID_EDIT_UNDO, OnEditUndo)
    ON_COMMAND(ID_EDIT_SELECT_ALL, OnEditSelectAll)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateNeedSel)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateNeedSel)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CLEAR, OnUpdateNeedSel)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateNeedClip)
    ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, OnUpdateEditUndo)
    ON_UPDATE_COMMAND_UI(ID_EDIT_SELECT_ALL, OnUpdateNeedText)
END_MESSAGE_MAP()

CEditView::CEditView() : CCtrlView("EDIT", dwStyleDefault) {}

BOOL CEditView::OnEditChange() {
    if (m_pDocument != nullptr) m_pDocument->SetModifiedFlag();
    return FALSE;  // the parent hears of it too
}

void CEditView::SerializeRaw(CArchive& ar) {
    if (ar.IsStoring()) {
        CString text;
        GetWindowText(text);
        ar.Write(static_cast<LPCTSTR>(text), static_cast<UINT>(text.GetLength()));
    } else {
        std::vector<char> bytes;
        char buf[4096];
        for (UINT n; (n = ar.Read(buf, sizeof buf)) > 0;) bytes.insert(bytes.end(), buf, buf + n);
        bytes.push_back('\0');
        SetWindowText(bytes.data());
    }
}

void CEditView::GetSelectedText(CString& strResult) const {
    DWORD dwStart = 0, dwEnd = 0;
    ::SendMessageA(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
    CString text;
    GetWindowText(text);
    strResult = text.Mid(static_cast<int>(dwStart), static_cast<int>(dwEnd - dwStart));
}

void CEditView::OnEditCut() { SendMessage(WM_CUT); }
void CEditView::OnEditCopy() { SendMessage(WM_COPY); }
void CEditView::OnEditPaste() { SendMessage(WM_PASTE); }
void CEditView::OnEditClear() { SendMessage(WM_CLEAR); }
void CEditView::OnEditUndo() { SendMessage(EM_UNDO); }
void CEditView::OnEditSelectAll() { SendMessage(EM_SETSEL, 0, -1); }

void CEditView::OnUpdateNeedSel(CCmdUI* pCmdUI) {
    DWORD dwStart = 0, dwEnd = 0;
    SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
    pCmdUI->Enable(dwStart != dwEnd);
}

void CEditView::OnUpdateNeedClip(CCmdUI* pCmdUI) { pCmdUI->Enable(::IsClipboardFormatAvailable(CF_TEXT)); }
void CEditView::OnUpdateEditUndo(CCmdUI* pCmdUI) { pCmdUI->Enable(SendMessage(EM_CANUNDO) != 0); }
void CEditView::OnUpdateNeedText(CCmdUI* pCmdUI) { pCmdUI->Enable(GetWindowTextLength() != 0); }

CListView::CListView() : CCtrlView(WC_LISTVIEWA, AFX_WS_DEFAULT_VIEW) {}
CTreeView::CTreeView() : CCtrlView(WC_TREEVIEWA, AFX_WS_DEFAULT_VIEW) {}
