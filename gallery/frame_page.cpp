#include "frame_page.h"

#include "snapshot.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CGalleryDemoFrame, CFrameWnd)
    ON_COMMAND_RANGE(ID_FILE_NEW, ID_HELP, OnDemoCommand)
    ON_UPDATE_COMMAND_UI_RANGE(ID_FILE_NEW, ID_HELP, OnUpdateDemoCommand)
END_MESSAGE_MAP()

BOOL CGalleryDemoFrame::CreateDemo(CWnd* pParent, const CRect& rect, LPCTSTR lpszTitle) {
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                            reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1));
    return Create(lpszClass, lpszTitle, WS_CHILD | WS_VISIBLE | WS_BORDER | WS_CLIPCHILDREN, rect, pParent);
}

BOOL CGalleryDemoFrame::CreateStatusAndView(LPCTSTR lpszHint) {
    const UINT indicators[] = {ID_SEPARATOR};
    if (!m_wndStatus.Create(this) || !m_wndStatus.SetIndicators(indicators, 1)) return FALSE;
    if (!m_wndView.Create(lpszHint, WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE, CRect(0, 0, 0, 0), this,
                          AFX_IDW_PANE_FIRST))
        return FALSE;
    m_wndView.SetFont(&GalleryFont());
    return TRUE;
}

void CGalleryDemoFrame::DockBeside(CControlBar* pBar, CControlBar* pLeft) {
    // The row under a rectangle just right of the left bar.
    RecalcLayout();
    CRect rect;
    pLeft->GetWindowRect(&rect);
    rect.OffsetRect(rect.Width(), 0);
    DockControlBar(pBar, AFX_IDW_DOCKBAR_TOP, &rect);
}

void CGalleryDemoFrame::OnDemoCommand(UINT nID) {
    CString str;
    str.Format("Command %u", nID);
    SetMessageText(str);
}

BEGIN_MESSAGE_MAP(CFramePage, CGalleryPage)
    ON_WM_SHOWWINDOW()
    ON_WM_DESTROY()
    ON_WM_SIZE()
END_MESSAGE_MAP()

BOOL CFramePage::CreateControls() {
    CRect rect;
    GetClientRect(&rect);
    rect.DeflateRect(10, 10);
    rect.bottom = rect.top + 360;
    return GetFrame().CreateDemo(this, rect, m_strName);
}

BOOL CFramePage::SaveExtraSnapshots(const CString& strPathPrefix, CWnd* pFrame) {
    CFrameWnd* pMini = GetFloatingBar().GetParentFrame();
    if (pMini == nullptr || pMini == &GetFrame()) return FALSE;
    pMini->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return SaveWindowPngWithPopup(pFrame, strPathPrefix + "-floating.png", pMini->m_hWnd);
}

void CFramePage::FloatBar() {
    if (GetFloatingBar().IsFloating()) return;
    CRect rect;
    GetFrame().GetWindowRect(&rect);
    GetFrame().FloatControlBar(&GetFloatingBar(), CPoint(rect.left + GetFloatingOffset(), rect.bottom + 30));
}

void CFramePage::OnShowWindow(BOOL bShow, UINT nStatus) {
    CGalleryPage::OnShowWindow(bShow, nStatus);
    // Floating bars belong to the page: they come and go with it.
    if (bShow) FloatBar();
    CFrameWnd* pMini = GetFloatingBar().IsFloating() ? GetFloatingBar().GetParentFrame() : nullptr;
    if (pMini != nullptr && pMini != &GetFrame()) pMini->ShowWindow(bShow ? SW_SHOWNA : SW_HIDE);
}

void CFramePage::OnDestroy() {
    GetFrame().DestroyWindow();
    CGalleryPage::OnDestroy();
}

void CFramePage::OnSize(UINT nType, int cx, int cy) {
    CGalleryPage::OnSize(nType, cx, cy);
    // The small frame takes the page's width and most of its height.
    if (GetFrame().m_hWnd != nullptr) GetFrame().MoveWindow(10, 10, std::max(cx - 20, 0), std::max(cy / 2 + 80, 0));
}
