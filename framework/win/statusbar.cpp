#include "win/statusbar.h"

#include "afxres.h"
#include "base/bar_layout.h"
#include "win/frame.h"

#include <algorithm>
#include <cstring>
#include <memory>

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

BEGIN_MESSAGE_MAP(CStatusBar, CControlBar)
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_MESSAGE(WM_GETTEXT, OnGetText)
    ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
    ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {
// Room around a pane's text: the pane's border and a little air.
const int kPaneGap = 8;

class CStatusCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn) override {
        m_bEnableChanged = TRUE;
        CStatusBar* pBar = static_cast<CStatusBar*>(m_pOther);
        UINT nStyle = pBar->GetPaneStyle(static_cast<int>(m_nIndex)) & ~SBPS_DISABLED;
        pBar->SetPaneStyle(static_cast<int>(m_nIndex), bOn ? nStyle : nStyle | SBPS_DISABLED);
    }
    void SetCheck(int nCheck) override {
        // A checked pane stands out.
        CStatusBar* pBar = static_cast<CStatusBar*>(m_pOther);
        UINT nStyle = pBar->GetPaneStyle(static_cast<int>(m_nIndex)) & ~SBPS_POPOUT;
        pBar->SetPaneStyle(static_cast<int>(m_nIndex), nCheck ? nStyle | SBPS_POPOUT : nStyle);
    }
    void SetText(LPCTSTR lpszText) override {
        static_cast<CStatusBar*>(m_pOther)->SetPaneText(static_cast<int>(m_nIndex), lpszText);
    }
};
}  // namespace

CStatusBar::CStatusBar() {
    m_cxLeftBorder = m_cxRightBorder = 0;
    m_cyTopBorder = 2;
    m_cyBottomBorder = 0;
}

CStatusBar::~CStatusBar() {
    // The object is going already: the window's end must not delete it again.
    m_bAutoDelete = FALSE;
    DestroyWindow();
}

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) { return CreateEx(pParentWnd, 0, dwStyle, nID); }

BOOL CStatusBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, UINT nID) {
    if (pParentWnd == nullptr || pParentWnd->GetSafeHwnd() == nullptr) return FALSE;
    m_dwStyle = dwStyle & CBRS_ALL;
    // The bar places itself: the control must not move or size itself.
    const DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | dwCtrlStyle | CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER |
                             CCS_NORESIZE;
    return CWnd::Create(STATUSCLASSNAMEA, nullptr, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID);
}

int CStatusBar::TextWidth(LPCTSTR lpsz) const {
    HDC hDC = ::GetDC(m_hWnd);
    HFONT hFont = reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
    if (hFont == nullptr) hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    HGDIOBJ hOld = ::SelectObject(hDC, hFont);
    SIZE size = {};
    ::GetTextExtentPoint32A(hDC, lpsz, static_cast<int>(strlen(lpsz)), &size);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(m_hWnd, hDC);
    return size.cx;
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount) {
    ASSERT(nIDCount >= 0 && (nIDCount == 0 || lpIDArray != nullptr));
    if (m_hWnd == nullptr || nIDCount < 0 || (nIDCount > 0 && lpIDArray == nullptr)) return FALSE;
    std::vector<Pane> panes(static_cast<size_t>(nIDCount));
    for (int i = 0; i < nIDCount; ++i) {
        Pane& pane = panes[static_cast<size_t>(i)];
        pane.nID = lpIDArray[i];
        if (pane.nID != ID_SEPARATOR) {
            if (!pane.strText.LoadString(pane.nID)) {
                TRACE("CStatusBar::SetIndicators: no string for indicator %u.\n", pane.nID);
                return FALSE;
            }
            pane.cxText = TextWidth(pane.strText);
        } else {
            // A pane reached by its index: the first one stretches.
            pane.cxText = ::GetSystemMetrics(SM_CXSCREEN) / 4;
            if (i == 0) pane.nStyle |= SBPS_STRETCH | SBPS_NOBORDERS;
        }
    }
    m_panes = std::move(panes);
    UpdateAllPanes(TRUE, TRUE);
    return TRUE;
}

int CStatusBar::CommandToIndex(UINT nIDFind) const {
    for (int i = 0; i < GetCount(); ++i)
        if (m_panes[static_cast<size_t>(i)].nID == nIDFind) return i;
    return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const { return IsIndex(nIndex) ? m_panes[static_cast<size_t>(nIndex)].nID : 0; }

void CStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const {
    ::SetRectEmpty(lpRect);
    if (IsIndex(nIndex)) ::SendMessageA(m_hWnd, SB_GETRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect));
}

CString CStatusBar::GetPaneText(int nIndex) const {
    return IsIndex(nIndex) ? m_panes[static_cast<size_t>(nIndex)].strText : CString();
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate) {
    if (!IsIndex(nIndex)) return FALSE;
    Pane& pane = m_panes[static_cast<size_t>(nIndex)];
    CString text = lpszNewText != nullptr ? lpszNewText : "";
    if (pane.strText == text) return TRUE;
    pane.strText = text;
    if (bUpdate) ShowPaneText(nIndex);
    return TRUE;
}

void CStatusBar::ShowPaneText(int nIndex) {
    const Pane& pane = m_panes[static_cast<size_t>(nIndex)];
    // A disabled indicator shows nothing.
    LPCTSTR lpsz = (pane.nStyle & SBPS_DISABLED) ? "" : static_cast<LPCTSTR>(pane.strText);
    UINT nType = pane.nStyle & (SBPS_NOBORDERS | SBPS_POPOUT | SBPS_OWNERDRAW);
    ::SendMessageA(m_hWnd, SB_SETTEXTA, static_cast<WPARAM>(nIndex) | nType, reinterpret_cast<LPARAM>(lpsz));
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const {
    nID = nStyle = 0;
    cxWidth = 0;
    if (!IsIndex(nIndex)) return;
    const Pane& pane = m_panes[static_cast<size_t>(nIndex)];
    nID = pane.nID;
    nStyle = pane.nStyle;
    cxWidth = pane.cxText;
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth) {
    if (!IsIndex(nIndex)) return;
    Pane& pane = m_panes[static_cast<size_t>(nIndex)];
    pane.nID = nID;
    pane.nStyle = nStyle;
    pane.cxText = std::max(0, cxWidth);
    UpdateAllPanes(TRUE, TRUE);
}

UINT CStatusBar::GetPaneStyle(int nIndex) const {
    return IsIndex(nIndex) ? m_panes[static_cast<size_t>(nIndex)].nStyle : 0;
}

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle) {
    if (!IsIndex(nIndex) || m_panes[static_cast<size_t>(nIndex)].nStyle == nStyle) return;
    bool bWidth = ((m_panes[static_cast<size_t>(nIndex)].nStyle ^ nStyle) & SBPS_STRETCH) != 0;
    m_panes[static_cast<size_t>(nIndex)].nStyle = nStyle;
    if (bWidth) UpdateAllPanes(TRUE, FALSE);
    ShowPaneText(nIndex);
}

void CStatusBar::UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText) {
    if (m_hWnd == nullptr) return;
    const int n = GetCount();
    if (bUpdateRects) {
        std::vector<int> widths(static_cast<size_t>(n)), edges(static_cast<size_t>(std::max(n, 1)));
        std::unique_ptr<bool[]> stretch(new bool[static_cast<size_t>(std::max(n, 1))]);
        for (int i = 0; i < n; ++i) {
            widths[static_cast<size_t>(i)] = m_panes[static_cast<size_t>(i)].cxText;
            stretch[static_cast<size_t>(i)] = (m_panes[static_cast<size_t>(i)].nStyle & SBPS_STRETCH) != 0;
        }
        CRect rect;
        GetClientRect(&rect);
        AfxStatusPaneEdges(widths.data(), stretch.get(), n, rect.Width() - m_cxLeftBorder - m_cxRightBorder, kPaneGap,
                           edges.data());
        if (n == 0) edges[0] = -1;
        ::SendMessageA(m_hWnd, SB_SETPARTS, static_cast<WPARAM>(std::max(n, 1)), reinterpret_cast<LPARAM>(edges.data()));
    }
    if (bUpdateText)
        for (int i = 0; i < n; ++i) ShowPaneText(i);
}

CSize CStatusBar::CalcFixedLayout(BOOL, BOOL bHorz) {
    // As long as its edge, as tall as a line of its font with the borders.
    HDC hDC = ::GetDC(m_hWnd);
    HFONT hFont = reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0));
    if (hFont == nullptr) hFont = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    HGDIOBJ hOld = ::SelectObject(hDC, hFont);
    TEXTMETRICA tm = {};
    ::GetTextMetricsA(hDC, &tm);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(m_hWnd, hDC);
    const int cy = tm.tmHeight + 2 * ::GetSystemMetrics(SM_CYEDGE) + 2 + m_cyTopBorder + m_cyBottomBorder;
    return bHorz ? CSize(32767, cy) : CSize(cy, 32767);
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
    OnUpdateCmdUIOutsideFrame(pTarget, bDisableIfNoHndler);
}

void CStatusBar::OnUpdateCmdUIOutsideFrame(CCmdTarget* pTarget, BOOL) {
    CStatusCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(GetCount());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = m_panes[state.m_nIndex].nID;
        // The prompt pane is the frame's.  An indicator without a handler
        // keeps its state, whatever bDisableIfNoHndler says.
        if (state.m_nID != ID_SEPARATOR) state.DoUpdate(pTarget, FALSE);
    }
}

LRESULT CStatusBar::OnSetText(WPARAM, LPARAM lParam) {
    int nIndex = CommandToIndex(ID_SEPARATOR);
    if (nIndex < 0) return FALSE;
    SetPaneText(nIndex, reinterpret_cast<LPCTSTR>(lParam));
    return TRUE;
}

LRESULT CStatusBar::OnGetText(WPARAM wParam, LPARAM lParam) {
    int nIndex = CommandToIndex(ID_SEPARATOR);
    CString text = nIndex >= 0 ? GetPaneText(nIndex) : CString();
    if (wParam == 0 || lParam == 0) return 0;
    int n = std::min(text.GetLength(), static_cast<int>(wParam) - 1);
    memcpy(reinterpret_cast<char*>(lParam), static_cast<LPCTSTR>(text), static_cast<size_t>(n));
    reinterpret_cast<char*>(lParam)[n] = '\0';
    return n;
}

LRESULT CStatusBar::OnGetTextLength(WPARAM, LPARAM) {
    int nIndex = CommandToIndex(ID_SEPARATOR);
    return nIndex >= 0 ? GetPaneText(nIndex).GetLength() : 0;
}

void CStatusBar::OnSize(UINT, int, int) {
    Default();
    UpdateAllPanes(TRUE, FALSE);
}
