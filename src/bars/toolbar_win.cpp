// CKXToolBar: creation, loading, layout and the window's own messages.
#include "bars/toolbar.h"

#include "core/aux_data.h"

#include <atomic>
#include <vector>

IMPLEMENT_DYNAMIC(CKXToolBar, CKXToolBarBase)

BEGIN_MESSAGE_MAP(CKXToolBar, CKXToolBarBase)
    ON_WM_NCCREATE()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_NCHITTEST()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_RBUTTONDOWN()
    ON_WM_DESTROY()
    ON_MESSAGE(TB_SETBUTTONSIZE, OnSetButtonSize)
    ON_MESSAGE(TB_SETBITMAPSIZE, OnSetBitmapSize)
    ON_NOTIFY_REFLECT(TBN_DROPDOWN, OnDropDown)
    ON_NOTIFY_REFLECT(TBN_GETBUTTONINFOA, OnGetButtonInfo)
    ON_NOTIFY_REFLECT(TBN_QUERYINSERT, OnQueryInsertDelete)
    ON_NOTIFY_REFLECT(TBN_QUERYDELETE, OnQueryInsertDelete)
    ON_NOTIFY_REFLECT(TBN_TOOLBARCHANGE, OnToolBarChange)
    ON_NOTIFY_REFLECT(TBN_ENDADJUST, OnEndAdjust)
    ON_NOTIFY_REFLECT(TBN_RESET, OnReset)
    ON_NOTIFY_REFLECT(TBN_BEGINDRAG, OnNothing)
    ON_NOTIFY_REFLECT(TBN_ENDDRAG, OnNothing)
    ON_NOTIFY_REFLECT(TBN_BEGINADJUST, OnNothing)
    ON_NOTIFY_REFLECT(TBN_CUSTHELP, OnNothing)
END_MESSAGE_MAP()

namespace {

// Toolbars are numbered in the order they are constructed: the number
// names the registry value that keeps each one's layout.
std::atomic<int> g_nToolBars{0};

// The window style bits a bar takes from the bar style it is given.
const DWORD kControlPlacement = CCS_NODIVIDER | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NOMOVEY;

CString FormatStateSubKey() {
    // "Software\<company>\<application>\Settings"; a part the application
    // leaves unset is left out rather than leaving an empty key name.
    CString strKey = "Software";
    const CWinApp* pApp = AfxGetApp();
    for (LPCTSTR lpsz : {pApp ? pApp->m_pszRegistryKey : nullptr, pApp ? pApp->m_pszProfileName : nullptr})
        if (lpsz != nullptr && *lpsz != 0) strKey += CString("\\") + lpsz;
    return strKey + "\\Settings";
}

}  // namespace

CKXToolBar::CKXToolBar() {
    m_cyTopBorder = m_cyBottomBorder = 3;
    m_strValueName.Format("KXToolBar %d", ++g_nToolBars);
    m_strSubKey = FormatStateSubKey();
}

CKXToolBar::~CKXToolBar() {
    // The control draws from the image well: the window goes first, and
    // the object is going already, so its end must not delete it again.
    m_bAutoDelete = FALSE;
    DestroyWindow();
    while (pDropDownButtons != nullptr) {
        DROPDOWNBUTTON* pNext = pDropDownButtons->next;
        delete pDropDownButtons;
        pDropDownButtons = pNext;
    }
}

DWORD CKXToolBar::GetComCtlVersion() {
    static const DWORD dwVersion = [] {
        const DWORD dw = CKXAuxData::Get().GetComCtlVersion();
        return dw != 0 ? dw : static_cast<DWORD>(KX_COMCTL_400);
    }();
    return dwVersion;
}

int CKXToolBar::GetDropDownArrowWidth() {
    static const int cxArrow = [] {
        LOGFONTA lf = {};
        lf.lfHeight = ::GetSystemMetrics(SM_CYMENUCHECK);
        lf.lfWeight = FW_NORMAL;
        lf.lfCharSet = SYMBOL_CHARSET;
        lstrcpynA(lf.lfFaceName, "Marlett", LF_FACESIZE);
        const HFONT hFont = ::CreateFontIndirectA(&lf);
        const HDC hDC = ::CreateCompatibleDC(nullptr);
        const HGDIOBJ hOld = ::SelectObject(hDC, hFont);
        int cx = 0;
        if (!::GetCharWidthA(hDC, '6', '6', &cx)) cx = 0;
        ::SelectObject(hDC, hOld);
        ::DeleteDC(hDC);
        ::DeleteObject(hFont);
        return cx;
    }();
    return cxArrow;
}

// --- creation and loading -------------------------------------------------------

BOOL CKXToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    return CreateEx(pParentWnd, 0, dwStyle, GetBorders(), nID);
}

BOOL CKXToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders, UINT nID) {
    if (pParentWnd == nullptr || pParentWnd->GetSafeHwnd() == nullptr) return FALSE;
    bFlatStyle = dwCtrlStyle != 0;
    SetBorders(rcBorders.left, rcBorders.top, rcBorders.right, rcBorders.bottom);
    m_dwStyle = dwStyle & CBRS_ALL;
    if (nID == AFX_IDW_TOOLBAR) m_dwStyle |= CBRS_HIDE_INPLACE;
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&icc);
    GetComCtlVersion();
    GetDropDownArrowWidth();
    // The bar places itself: the control must not move or size itself.
    const DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | dwCtrlStyle | kControlPlacement;
    if (!CWnd::Create(TOOLBARCLASSNAMEA, nullptr, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID)) return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    // With CBRS_TOOLTIPS the buttons' tips are the framework's (the thread's
    // one tip, the text from the command's string through the owner).
    EnableToolTips((m_dwStyle & CBRS_TOOLTIPS) != 0);
    SetSizes(m_buttons.m_sizeButton, m_buttons.m_sizeImage);
    return TRUE;
}

BOOL CKXToolBar::PreCreateWindow(CREATESTRUCT& cs) {
    if (!CKXToolBarBase::PreCreateWindow(cs)) return FALSE;
    cs.style |= kControlPlacement;
    return TRUE;
}

BOOL CKXToolBar::LoadToolBar(LPCTSTR lpszResourceName, TOOLBARINFO* pButtons) {
    if (!m_buttons.LoadToolBar(lpszResourceName)) return FALSE;
    if (pButtons != nullptr) {
        pCustomizeButtons = pButtons;
        nCustomizeButtons = GetCount();
        ModifyStyle(0, CCS_ADJUSTABLE);
        RestoreState();
    }
    return TRUE;
}

void CKXToolBar::SetOwner(CWnd* pOwnerWnd) {
    CWnd::SetOwner(pOwnerWnd);
    if (GetSafeHwnd() != nullptr) SendMessage(TB_SETPARENT, reinterpret_cast<WPARAM>(pOwnerWnd->GetSafeHwnd()));
}

BOOL CKXToolBar::SetButton(int nIndex, LPTBBUTTON lpButton) {
    if (lpButton == nullptr || nIndex < 0 || nIndex >= GetCount()) return FALSE;
    if (!InsertButton(nIndex, lpButton)) return FALSE;
    return DeleteButton(nIndex + 1);
}

// --- layout ---------------------------------------------------------------------

CSize CKXToolBar::GetButtonSize(TBBUTTON* pData, int iButton) {
    CRect rc;
    GetItemRect(iButton, &rc);
    AFX_TBLAYOUTBUTTON b;
    b.size = rc.Size();
    b.fsStyle = pData[iButton].fsStyle;
    b.fsState = pData[iButton].fsState;
    b.idCommand = pData[iButton].idCommand;
    return KXToolBarButtonSize(b, GetComCtlVersion(), m_bKeepDropDownWidth != FALSE);
}

namespace {

// The layout records of the control's buttons, and the measure that asks
// the bar (whose GetButtonSize may be overridden) with the state a layout
// has reached.
std::vector<AFX_TBLAYOUTBUTTON> ToLayout(const TBBUTTON* pData, int nCount) {
    std::vector<AFX_TBLAYOUTBUTTON> buttons(static_cast<size_t>(nCount));
    for (int i = 0; i < nCount; ++i) {
        buttons[static_cast<size_t>(i)].fsStyle = pData[i].fsStyle;
        buttons[static_cast<size_t>(i)].fsState = pData[i].fsState;
        buttons[static_cast<size_t>(i)].idCommand = pData[i].idCommand;
    }
    return buttons;
}

}  // namespace

int CKXToolBar::WrapToolBar(TBBUTTON* pData, int nCount, int nWidth) {
    std::vector<AFX_TBLAYOUTBUTTON> buttons = ToLayout(pData, nCount);
    const int nRows = KXWrapToolBar(buttons.data(), nCount, nWidth, [&](const AFX_TBLAYOUTBUTTON& b, int i) {
        pData[i].fsState = b.fsState;
        return GetButtonSize(pData, i);
    });
    for (int i = 0; i < nCount; ++i) pData[i].fsState = buttons[static_cast<size_t>(i)].fsState;
    return nRows;
}

CSize CKXToolBar::CalcSize(TBBUTTON* pData, int nCount) {
    const std::vector<AFX_TBLAYOUTBUTTON> buttons = ToLayout(pData, nCount);
    return KXToolBarCalcSize(buttons.data(), nCount,
                             [&](const AFX_TBLAYOUTBUTTON&, int i) { return GetButtonSize(pData, i); });
}

CSize CKXToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
    const DWORD dwMode = (bStretch ? LM_STRETCH : 0) | (bHorz ? LM_HORZ | LM_HORZDOCK : LM_VERTDOCK);
    return CalcLayout(dwMode | LM_COMMIT);
}

CSize CKXToolBar::CalcDynamicLayout(int nLength, DWORD dwMode) { return CalcLayout(dwMode, nLength); }

CSize CKXToolBar::CalcLayout(DWORD dwMode, int nLength) {
    const int nCount = GetCount();
    std::vector<TBBUTTON> data(static_cast<size_t>(nCount));
    for (int i = 0; i < nCount; ++i) m_buttons.GetButton(i, &data[static_cast<size_t>(i)]);
    TBBUTTON* pData = data.data();

    const bool bVert = (dwMode & LM_VERTDOCK) != 0 || (!(dwMode & (LM_HORZ | LM_HORZDOCK)) && nLength < 0);
    CRect rectInset(0, 0, 0, 0);
    CalcInsideRect(rectInset, !bVert);
    const CSize sizeInset(-rectInset.Width(), -rectInset.Height());
    CSize sizeButtons;
    if (dwMode & LM_HORZDOCK) {
        WrapToolBar(pData, nCount, 32767);
    } else if (bVert) {
        WrapToolBar(pData, nCount, 0);
    } else if ((dwMode & LM_MRUWIDTH) || nLength < 0) {
        WrapToolBar(pData, nCount, m_nMRUWidth);
    } else {
        // A floating bar sized by its frame: rows for the width, or the
        // narrowest rows whose height fits.
        std::vector<AFX_TBLAYOUTBUTTON> buttons = ToLayout(pData, nCount);
        for (int i = 0; i < nCount; ++i) buttons[static_cast<size_t>(i)].size = GetButtonSize(pData, i);
        const auto wrap = [&](AFX_TBLAYOUTBUTTON* p, int n, int cx) {
            const int nRows = WrapToolBar(pData, n, cx);
            for (int i = 0; i < n; ++i) p[i].fsState = pData[i].fsState;
            return nRows;
        };
        const auto measure = [&](const AFX_TBLAYOUTBUTTON*, int n) { return CalcSize(pData, n); };
        if (dwMode & LM_LENGTHY)
            AfxFitToolBar(buttons.data(), nCount, nLength - sizeInset.cy, false, wrap, measure);
        else
            AfxFitToolBar(buttons.data(), nCount, nLength - sizeInset.cx, true, wrap, measure);
    }
    sizeButtons = CalcSize(pData, nCount);

    if ((dwMode & LM_COMMIT) && GetSafeHwnd() != nullptr) {
        const std::vector<AFX_TBLAYOUTBUTTON> buttons = ToLayout(pData, nCount);
        m_buttons.CommitLayout(buttons.data(), nCount);
        if (!(dwMode & (LM_HORZDOCK | LM_VERTDOCK)) && !bVert) m_nMRUWidth = sizeButtons.cx;
        RepositionButtonCtrl();
    }
    return AfxToolBarOuterSize(sizeButtons, sizeInset, m_buttons.m_sizeButton, bVert, (dwMode & LM_STRETCH) != 0);
}

void CKXToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
    OnUpdateCmdUIOutsideFrame(pTarget, bDisableIfNoHndler);
}

void CKXToolBar::OnUpdateCmdUIOutsideFrame(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
    m_buttons.UpdateCmdUI(pTarget, bDisableIfNoHndler);
}

void CKXToolBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) {
    CKXToolBarBase::OnBarStyleChange(dwOldStyle, dwNewStyle);
    if ((dwOldStyle ^ dwNewStyle) & CBRS_TOOLTIPS) EnableToolTips((dwNewStyle & CBRS_TOOLTIPS) != 0);
    RepositionButtonCtrl();
}

// --- painting -------------------------------------------------------------------

void CKXToolBar::DoPaint(CDC* pDC) {
    // The whole bar into pDC, window coordinates: face, borders, gripper,
    // then the buttons as the control paints them.
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    CRect rectClient;
    GetClientRect(&rectClient);
    ClientToScreen(&rectClient);
    rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);
    pDC->FillSolidRect(&rectWindow, AfxGetBarData().clrBtnFace);
    CRect rect = rectWindow;
    DrawBorders(pDC, rect);
    DrawGripper(pDC, rect);
    const CPoint ptOld = pDC->SetViewportOrg(rectClient.TopLeft());
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(0, 0, rectClient.Width(), rectClient.Height());
    SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(pDC->GetSafeHdc()));
    SendMessage(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(pDC->GetSafeHdc()), PRF_CLIENT);
    pDC->RestoreDC(nSaved);
    pDC->SetViewportOrg(ptOld);
}

void CKXToolBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp) { CalcNcInsideRect(lpncsp); }

void CKXToolBar::OnNcPaint() { EraseNonClient(); }

LRESULT CKXToolBar::OnNcHitTest(CPoint) {
    // Borders and gripper are part of the bar to grab: presses there come
    // as client messages (with coordinates outside the client area).
    return HTCLIENT;
}

// --- the window's messages --------------------------------------------------------

BOOL CKXToolBar::OnNcCreate(LPCREATESTRUCT lpcs) {
    char szClass[32] = {};
    if (lpcs->hwndParent != nullptr && ::GetClassNameA(lpcs->hwndParent, szClass, sizeof szClass) &&
        lstrcmpiA(szClass, REBARCLASSNAMEA) == 0) {
        // A band's bar works for the frame around the rebar; the rebar
        // draws its own bands, so the buttons are not made flat here.
        if (CWnd* pReBar = CWnd::FromHandle(lpcs->hwndParent)) CWnd::SetOwner(pReBar->GetParentFrame());
        bInReBar = 1;
        bFlatStyle = 0;
    }
    return static_cast<BOOL>(Default());
}

void CKXToolBar::OnWindowPosChanging(WINDOWPOS* lpwndpos) {
    CRect rectOld;
    GetWindowRect(&rectOld);
    if (CWnd* pParent = GetParent()) pParent->ScreenToClient(&rectOld);
    CKXToolBarBase::OnWindowPosChanging(lpwndpos);
    if (!(lpwndpos->flags & SWP_NOMOVE) && (lpwndpos->x != rectOld.left || lpwndpos->y != rectOld.top))
        InvalidateOldPos(rectOld);
}

void CKXToolBar::InvalidateOldPos(const CRect& rectOld) {
    if (CWnd* pParent = GetParent()) pParent->InvalidateRect(&rectOld);
}

void CKXToolBar::OnWindowPosChanged(WINDOWPOS* lpwndpos) {
    CKXToolBarBase::OnWindowPosChanged(lpwndpos);
    RepositionButtonCtrl();
}

void CKXToolBar::OnSysColorChange() {
    CKXToolBarBase::OnSysColorChange();
    m_buttons.ReloadBitmap();
}

LRESULT CKXToolBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SETTINGCHANGE || message == WM_SETFONT) return OnPreserveZeroBorder(wParam, lParam);
    return CKXToolBarBase::WindowProc(message, wParam, lParam);
}

LRESULT CKXToolBar::OnPreserveZeroBorder(WPARAM, LPARAM) {
    // The control measures a border of its own unless it sees one in its
    // style: show it one while it takes the change, then take it away.
    const DWORD dwStyle = GetStyle();
    const BOOL bModified = !(dwStyle & WS_BORDER);
    if (bModified) ::SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(dwStyle | WS_BORDER));
    const LRESULT lResult = Default();
    if (bModified) ::SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(dwStyle));
    return lResult;
}

LRESULT CKXToolBar::OnSetButtonSize(WPARAM, LPARAM lParam) { return OnSetSize(TRUE, lParam); }

LRESULT CKXToolBar::OnSetBitmapSize(WPARAM, LPARAM lParam) { return OnSetSize(FALSE, lParam); }

LRESULT CKXToolBar::OnSetSize(BOOL bButton, LPARAM lParam) {
    const LRESULT lResult = Default();
    if (!lResult) return lResult;
    const CSize size(LOWORD(lParam), HIWORD(lParam));
    if (bButton)
        m_buttons.NoteButtonSize(size);
    else
        m_buttons.NoteImageSize(size);
    if (m_pDockSite != nullptr && IsWindowVisible()) m_pDockSite->DelayRecalcLayout();
    return lResult;
}

void CKXToolBar::OnDestroy() {
    SaveState();
    DestroyControls();
    CKXToolBarBase::OnDestroy();
}

CWnd* CKXToolBar::GetCommandFrame() const {
    // The frame the bar works for, also while it floats in a small frame of its own.
    CWnd* pOwner = GetOwner();
    if (pOwner != nullptr && pOwner->IsFrameWnd()) return pOwner;
    if (CFrameWnd* pFrame = GetDockingFrame()) return pFrame;
    return pOwner;
}
