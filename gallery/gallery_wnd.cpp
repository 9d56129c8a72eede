#include "gallery_wnd.h"

#include "resource.h"

namespace {

const int kMargin = 8;
const int kListWidth = 150;
const int kHeadingHeight = 30;
const UINT IDC_PAGE_LIST = 100;

}  // namespace

BEGIN_MESSAGE_MAP(CGalleryView, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_LBN_SELCHANGE(IDC_PAGE_LIST, OnPageListSelChange)
END_MESSAGE_MAP()

BOOL CGalleryView::CreateView(CWnd* pParent) {
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, ::LoadCursorA(nullptr, IDC_ARROW),
                                            reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    return CreateEx(0, lpszClass, nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, 0, 0), pParent,
                    AFX_IDW_PANE_FIRST);
}

int CGalleryView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
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

BOOL CGalleryView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    CGalleryPage* pPage = GetPage(m_nCurrentPage);
    if (pPage && pPage->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    return CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

CGalleryPage* CGalleryView::GetPage(int nPage) const {
    if (nPage < 0 || nPage >= GetPageCount()) return nullptr;
    return m_pages[static_cast<size_t>(nPage)].get();
}

void CGalleryView::SelectPage(int nPage) {
    CGalleryPage* pPage = GetPage(nPage);
    if (pPage == nullptr) return;
    if (CGalleryPage* pOld = GetPage(m_nCurrentPage); pOld && pOld != pPage) pOld->ShowWindow(SW_HIDE);
    m_nCurrentPage = nPage;
    if (m_wndPageList.GetCurSel() != nPage) m_wndPageList.SetCurSel(nPage);
    pPage->MoveWindow(GetPageRect());
    pPage->ShowWindow(SW_SHOW);
    InvalidateRect(GetHeadingRect());
}

CRect CGalleryView::GetHeadingRect() const {
    CRect rcClient;
    GetClientRect(&rcClient);
    const int left = kMargin + kListWidth + kMargin;
    return CRect(left, kMargin, rcClient.right - kMargin, kMargin + kHeadingHeight);
}

CRect CGalleryView::GetPageRect() const {
    CRect rcClient;
    GetClientRect(&rcClient);
    const CRect rcHeading = GetHeadingRect();
    return CRect(rcHeading.left, rcHeading.bottom + kMargin, rcHeading.right, rcClient.bottom - kMargin);
}

void CGalleryView::OnSize(UINT nType, int cx, int cy) {
    CWnd::OnSize(nType, cx, cy);
    RecalcLayout();
}

void CGalleryView::RecalcLayout() {
    if (m_wndPageList.GetSafeHwnd() == nullptr) return;
    CRect rcClient;
    GetClientRect(&rcClient);
    m_wndPageList.MoveWindow(kMargin, kMargin, kListWidth, rcClient.Height() - 2 * kMargin);
    if (CGalleryPage* pPage = GetPage(m_nCurrentPage)) pPage->MoveWindow(GetPageRect());
}

void CGalleryView::OnPaint() {
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

void CGalleryView::OnPageListSelChange() { SelectPage(m_wndPageList.GetCurSel()); }

BOOL CGalleryView::PreTranslateMessage(MSG* pMsg) {
    // Tab and the arrow keys move between controls as in a dialog.
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && ::IsDialogMessageA(m_hWnd, pMsg)) return TRUE;
    return CWnd::PreTranslateMessage(pMsg);
}

// --- the frame ---------------------------------------------------------------------

namespace {
const UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM};
const UINT kButtons[] = {ID_PAGE_PREV, ID_PAGE_NEXT, 0, ID_PAGE_CHOOSER};
}  // namespace

BEGIN_MESSAGE_MAP(CGalleryWnd, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_GETMINMAXINFO()
    ON_COMMAND(ID_PAGE_PREV, OnPagePrev)
    ON_COMMAND(ID_PAGE_NEXT, OnPageNext)
    ON_UPDATE_COMMAND_UI(ID_PAGE_PREV, OnUpdatePagePrev)
    ON_UPDATE_COMMAND_UI(ID_PAGE_NEXT, OnUpdatePageNext)
    ON_CBN_SELCHANGE(ID_PAGE_CHOOSER, OnPageChooserChange)
END_MESSAGE_MAP()

BOOL CGalleryWnd::CreateGallery() {
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursorA(nullptr, IDC_ARROW),
                                            reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                                            ::LoadIconA(nullptr, IDI_APPLICATION));
    return Create(lpszClass, "KX Gallery", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CRect(0, 0, 900, 700), nullptr,
                  MAKEINTRESOURCEA(IDR_GALLERY));
}

BOOL CGalleryWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext*) { return m_wndView.CreateView(this); }

BOOL CGalleryWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    // The view is a plain window, not the frame's active CView: route to it here.
    if (m_wndView.OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

int CGalleryWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
    m_hMenuDefault = ::GetMenu(m_hWnd);
    LoadAccelTable(MAKEINTRESOURCEA(IDR_GALLERY));
    // Back and forward through the pages, with the common controls' history images.
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT,
                               WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_SIZE_DYNAMIC))
        return -1;
    m_wndToolBar.SendMessage(TB_LOADIMAGES, IDB_HIST_SMALL_COLOR, reinterpret_cast<LPARAM>(HINST_COMMCTRL));
    m_wndToolBar.SetButtons(kButtons, sizeof kButtons / sizeof kButtons[0]);
    m_wndToolBar.SetSizes(CSize(23, 22), CSize(16, 16));
    m_wndToolBar.SetWindowText("Pages");
    // Any page by its name, from a list in the toolbar's row.
    CRect rectChooser(0, 0, 220, 400);
    m_pPageChooser = static_cast<CComboBox*>(m_wndToolBar.InsertControl(
        RUNTIME_CLASS(CComboBox), nullptr, rectChooser, ID_PAGE_CHOOSER, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP));
    if (m_pPageChooser == nullptr) return -1;
    m_pPageChooser->SetFont(&GalleryFont());
    for (int i = 0; i < GetPageCount(); ++i) m_pPageChooser->AddString(GetPage(i)->GetName());
    if (!m_wndStatusBar.Create(this) ||
        !m_wndStatusBar.SetIndicators(kIndicators, sizeof kIndicators / sizeof kIndicators[0]))
        return -1;
    // The page toolbar docks to any edge of the gallery, or floats.
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar);
    RecalcLayout();  // the bars came after the frame's first layout
    return 0;
}

void CGalleryWnd::OnGetMinMaxInfo(MINMAXINFO* lpMMI) {
    // The pages lay out their controls for about 700 x 560 pixels.
    lpMMI->ptMinTrackSize.x = 900;
    lpMMI->ptMinTrackSize.y = 700;
}

void CGalleryWnd::OnPagePrev() { SelectPage(GetCurrentPage() - 1); }
void CGalleryWnd::OnPageNext() { SelectPage(GetCurrentPage() + 1); }
void CGalleryWnd::OnUpdatePagePrev(CCmdUI* pCmdUI) {
    pCmdUI->Enable(GetCurrentPage() > 0);
    // At idle the chooser follows the page too, however it was selected.
    if (m_pPageChooser != nullptr && m_pPageChooser->GetCurSel() != GetCurrentPage() &&
        !m_pPageChooser->GetDroppedState())
        m_pPageChooser->SetCurSel(GetCurrentPage());
}
void CGalleryWnd::OnPageChooserChange() { SelectPage(m_pPageChooser->GetCurSel()); }
void CGalleryWnd::OnUpdatePageNext(CCmdUI* pCmdUI) { pCmdUI->Enable(GetCurrentPage() + 1 < GetPageCount()); }
