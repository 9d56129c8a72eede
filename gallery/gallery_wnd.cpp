#include "gallery_wnd.h"

namespace {

const int kMargin = 8;
const int kListWidth = 150;
const int kHeadingHeight = 30;
const UINT IDC_PAGE_LIST = 100;

}  // namespace

BEGIN_MESSAGE_MAP(CGalleryWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_GETMINMAXINFO()
    ON_LBN_SELCHANGE(IDC_PAGE_LIST, OnPageListSelChange)
END_MESSAGE_MAP()

BOOL CGalleryWnd::CreateGallery() {
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursorA(nullptr, IDC_ARROW),
                                            reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                                            ::LoadIconA(nullptr, IDI_APPLICATION));
    return CreateEx(0, lpszClass, "KX Gallery", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                    900, 640, nullptr, nullptr);
}

int CGalleryWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CWnd::OnCreate(lpCreateStruct) == -1) return -1;

    LOGFONTA lf = {};
    GalleryFont().GetLogFont(&lf);
    lf.lfHeight = -18;
    lf.lfWeight = FW_BOLD;
    m_fontHeading.CreateFontIndirect(&lf);

    if (!m_wndPageList.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY |
                                  LBS_NOINTEGRALHEIGHT,
                              CRect(0, 0, kListWidth, 100), this, IDC_PAGE_LIST))
        return -1;
    m_wndPageList.SetFont(&GalleryFont());
    m_wndPageList.SetItemHeight(0, 20);

    // Every page of the table, created once; only the selected one is visible.
    for (int i = 0; i < g_nGalleryPages; ++i) {
        std::unique_ptr<CGalleryPage> pPage(g_galleryPages[i]());
        if (!pPage->Create(this, CRect(0, 0, 100, 100))) {
            m_failedPages.Add(pPage->GetName());
            continue;
        }
        m_wndPageList.AddString(pPage->GetName());
        m_pages.push_back(std::move(pPage));
    }
    SelectPage(0);
    RecalcLayout();
    return 0;
}

BOOL CGalleryWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    CGalleryPage* pPage = GetPage(m_nCurrentPage);
    if (pPage && pPage->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

CGalleryPage* CGalleryWnd::GetPage(int nPage) const {
    if (nPage < 0 || nPage >= GetPageCount()) return nullptr;
    return m_pages[static_cast<size_t>(nPage)].get();
}

void CGalleryWnd::SelectPage(int nPage) {
    CGalleryPage* pPage = GetPage(nPage);
    if (pPage == nullptr) return;
    if (CGalleryPage* pOld = GetPage(m_nCurrentPage); pOld && pOld != pPage) pOld->ShowWindow(SW_HIDE);
    m_nCurrentPage = nPage;
    if (m_wndPageList.GetCurSel() != nPage) m_wndPageList.SetCurSel(nPage);
    pPage->MoveWindow(GetPageRect());
    pPage->ShowWindow(SW_SHOW);
    InvalidateRect(GetHeadingRect());
}

CRect CGalleryWnd::GetHeadingRect() const {
    CRect rcClient;
    GetClientRect(&rcClient);
    const int left = kMargin + kListWidth + kMargin;
    return CRect(left, kMargin, rcClient.right - kMargin, kMargin + kHeadingHeight);
}

CRect CGalleryWnd::GetPageRect() const {
    CRect rcClient;
    GetClientRect(&rcClient);
    const CRect rcHeading = GetHeadingRect();
    return CRect(rcHeading.left, rcHeading.bottom + kMargin, rcHeading.right, rcClient.bottom - kMargin);
}

void CGalleryWnd::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    RecalcLayout();
}

void CGalleryWnd::RecalcLayout() {
    if (m_wndPageList.GetSafeHwnd() == nullptr) return;
    CRect rcClient;
    GetClientRect(&rcClient);
    m_wndPageList.MoveWindow(kMargin, kMargin, kListWidth, rcClient.Height() - 2 * kMargin);
    if (CGalleryPage* pPage = GetPage(m_nCurrentPage)) pPage->MoveWindow(GetPageRect());
}

void CGalleryWnd::OnPaint() {
    CPaintDC dc(this);
    CGalleryPage* pPage = GetPage(m_nCurrentPage);
    if (pPage == nullptr) return;
    CRect rc = GetHeadingRect();
    CFont* pOldFont = dc.SelectObject(&m_fontHeading);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
    dc.DrawText(pPage->GetName(), &rc, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    dc.SelectObject(pOldFont);
    // A rule under the heading.
    dc.FillSolidRect(rc.left, rc.bottom - 1, rc.Width(), 1, ::GetSysColor(COLOR_BTNSHADOW));
}

void CGalleryWnd::OnGetMinMaxInfo(MINMAXINFO* lpMMI) {
    // The pages lay out their controls for about 700 x 560 pixels.
    lpMMI->ptMinTrackSize.x = 900;
    lpMMI->ptMinTrackSize.y = 640;
}

void CGalleryWnd::OnPageListSelChange() { SelectPage(m_wndPageList.GetCurSel()); }

BOOL CGalleryWnd::PreTranslateMessage(MSG* pMsg) {
    // Tab and the arrow keys move between controls as in a dialog.
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && ::IsDialogMessageA(m_hWnd, pMsg)) return TRUE;
    return CWnd::PreTranslateMessage(pMsg);
}
