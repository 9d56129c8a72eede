#include "win/dockbar.h"

#include "win/dockcont.h"
#include "win/frame.h"
#include "win/minifrm.h"

#include <afxpriv.h>

#include <algorithm>

IMPLEMENT_DYNAMIC(CDockBar, CControlBar)

BEGIN_MESSAGE_MAP(CDockBar, CControlBar)
    ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
    ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {

// Along/across for the edge: a vertical edge swaps x and y.
CRect Orient(const CRect& rect, BOOL bHorz) {
    return bHorz ? rect : CRect(rect.top, rect.left, rect.bottom, rect.right);
}
CSize Orient(CSize size, BOOL bHorz) { return bHorz ? size : CSize(size.cy, size.cx); }

}  // namespace

CDockBar::CDockBar(BOOL bFloating) : m_bFloating(bFloating) {
    m_cxLeftBorder = m_cxRightBorder = m_cyTopBorder = m_cyBottomBorder = 0;
}

CDockBar::~CDockBar() {
    // The bars still here are not ours: they just lose their dock bar.
    for (std::vector<CDockRows::Slot>& row : m_rows.rows)
        for (CDockRows::Slot& slot : row) static_cast<CControlBar*>(slot.pBar)->m_pDockBar = nullptr;
}

BOOL CDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    if (pParentWnd == nullptr || pParentWnd->GetSafeHwnd() == nullptr) return FALSE;
    m_dwStyle = dwStyle & CBRS_ALL;
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW),
                                            reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    const DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    if (!CWnd::Create(lpszClass, nullptr, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID)) return FALSE;
    // Its bars' commands and notifications reach the frame through it.
    SetOwner(pParentWnd->IsFrameWnd() ? pParentWnd : pParentWnd->GetParentFrame());
    return TRUE;
}

int CDockBar::GetDockedVisibleCount() const {
    int n = 0;
    for (const std::vector<CDockRows::Slot>& row : m_rows.rows)
        for (const CDockRows::Slot& slot : row) n += static_cast<CControlBar*>(slot.pBar)->IsVisible() ? 1 : 0;
    return n;
}

void CDockBar::GetDockedBars(std::vector<CControlBar*>& bars, std::vector<int>* pRows) const {
    bars.clear();
    if (pRows != nullptr) pRows->clear();
    for (size_t r = 0; r < m_rows.rows.size(); ++r) {
        for (const CDockRows::Slot& slot : m_rows.rows[r]) {
            bars.push_back(static_cast<CControlBar*>(slot.pBar));
            if (pRows != nullptr) pRows->push_back(static_cast<int>(r));
        }
    }
}

CSize CDockBar::AttachBar(CControlBar* pBar) {
    // The bar turns to this edge (or floats) before it is measured.
    DWORD dwStyle = pBar->GetBarStyle() & ~(CBRS_ALIGN_ANY | CBRS_FLOATING);
    dwStyle |= (m_dwStyle & CBRS_ALIGN_ANY) | (m_bFloating ? CBRS_FLOATING : 0);
    // Its new parent first: leaving a floating frame may destroy that frame.
    CDockBar* pOldDockBar = pBar->m_pDockBar;
    if (pOldDockBar != nullptr && pOldDockBar != this) pOldDockBar->RecordPlace(pBar);
    if (pBar->GetParent() != this) pBar->SetParent(this);
    if (pOldDockBar != nullptr && pOldDockBar != this) pOldDockBar->RemoveControlBar(pBar);
    pBar->m_pDockBar = this;
    pBar->SetBarStyle(dwStyle);
    const BOOL bHorz = IsHorz();
    return Orient(pBar->CalcDynamicLayout(-1, bHorz ? LM_HORZ | LM_HORZDOCK : LM_VERTDOCK), bHorz);
}

void CDockBar::DockControlBar(CControlBar* pBar, LPCRECT lpRect) {
    ASSERT(pBar != nullptr && pBar->m_hWnd != nullptr);
    if (pBar == nullptr || pBar->m_hWnd == nullptr) return;
    const CSize size = AttachBar(pBar);
    if (lpRect != nullptr) {
        CRect rect(lpRect);
        ScreenToClient(&rect);
        const CRect oriented = Orient(rect, IsHorz());
        m_rows.Insert(pBar, size, &oriented);
    } else {
        m_rows.Insert(pBar, size);
    }
}

void CDockBar::DockControlBarInRow(CControlBar* pBar, BOOL bNewRow, int nPos) {
    ASSERT(pBar != nullptr && pBar->m_hWnd != nullptr);
    if (pBar == nullptr || pBar->m_hWnd == nullptr) return;
    const CSize size = AttachBar(pBar);
    m_rows.Remove(pBar);
    CDockRows::Slot slot;
    slot.pBar = pBar;
    slot.size = size;
    slot.nPos = std::max(0, nPos);
    if (bNewRow || m_rows.rows.empty())
        m_rows.rows.push_back({slot});
    else
        m_rows.rows.back().push_back(slot);
}

void CDockBar::RecordPlace(CControlBar* pBar) {
    // Where it is, for docking back (and floating again) on a double click.
    CDockContext* pContext = pBar->m_pDockContext;
    if (pContext == nullptr || pBar->m_hWnd == nullptr || pBar->GetParent() != this) return;
    if (m_bFloating) {
        CRect rectFrame;
        GetParent()->GetWindowRect(&rectFrame);
        pContext->m_ptMRUFloatPos = rectFrame.TopLeft();
    } else {
        CRect rect;
        pBar->GetWindowRect(&rect);
        ScreenToClient(&rect);
        pContext->m_uMRUDockID = static_cast<UINT>(GetDlgCtrlID());
        pContext->m_rectMRUDockPos = rect;
    }
}

BOOL CDockBar::RemoveControlBar(CControlBar* pBar) {
    if (m_rows.Find(pBar) == nullptr) return FALSE;
    RecordPlace(pBar);
    m_rows.Remove(pBar);
    if (pBar->m_pDockBar == this) pBar->m_pDockBar = nullptr;
    if (m_bFloating && m_rows.GetCount() == 0 && GetParent() != nullptr) {
        // An empty floating frame has nothing left to show.  It goes once
        // the messages in progress are done: the drag that emptied it may
        // have started in its own caption.
        GetParent()->ShowWindow(SW_HIDE);
        GetParent()->PostMessage(WM_DESTROYFLOATFRAME);
    }
    return TRUE;
}

int CDockBar::LayoutBars(int nLength, BOOL bMove) {
    const BOOL bHorz = IsHorz();
    for (std::vector<CDockRows::Slot>& row : m_rows.rows) {
        for (CDockRows::Slot& slot : row) {
            CControlBar* pBar = static_cast<CControlBar*>(slot.pBar);
            slot.bVisible = pBar->IsVisible() != FALSE;
            if (!slot.bVisible) continue;
            const DWORD dwMode = m_bFloating ? LM_HORZ | LM_MRUWIDTH : bHorz ? LM_HORZ | LM_HORZDOCK : LM_VERTDOCK;
            slot.size = Orient(pBar->CalcDynamicLayout(-1, dwMode | LM_COMMIT), bHorz);
        }
    }
    const int thickness = m_rows.Layout(nLength);
    if (bMove) {
        for (std::vector<CDockRows::Slot>& row : m_rows.rows) {
            for (CDockRows::Slot& slot : row) {
                if (!slot.bVisible) continue;
                CControlBar* pBar = static_cast<CControlBar*>(slot.pBar);
                const CRect rect = Orient(slot.rect, bHorz);
                CRect rectOld;
                pBar->GetWindowRect(&rectOld);
                ScreenToClient(&rectOld);
                if (rectOld != rect)
                    pBar->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                                       SWP_NOZORDER | SWP_NOACTIVATE);
            }
        }
    }
    return thickness;
}

CSize CDockBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
    const int nLength = bHorz ? m_rectLayout.Width() : m_rectLayout.Height();
    const int thickness = LayoutBars(nLength, FALSE);
    int nEnd = 0;
    for (const std::vector<CDockRows::Slot>& row : m_rows.rows)
        for (const CDockRows::Slot& slot : row)
            if (slot.bVisible) nEnd = std::max(nEnd, static_cast<int>(slot.rect.right));
    const int along = bStretch ? 32767 : nEnd;
    return bHorz ? CSize(along, thickness) : CSize(thickness, along);
}

LRESULT CDockBar::OnSizeParent(WPARAM wParam, LPARAM lParam) {
    AFX_SIZEPARENTPARAMS* lpLayout = reinterpret_cast<AFX_SIZEPARENTPARAMS*>(lParam);
    m_rectLayout = lpLayout->rect;
    const LRESULT lResult = CControlBar::OnSizeParent(wParam, lParam);
    if (lpLayout->hDWP != nullptr) LayoutBars(IsHorz() ? m_rectLayout.Width() : m_rectLayout.Height(), TRUE);
    return lResult;
}

void CDockBar::OnSize(UINT nType, int cx, int cy) {
    CControlBar::OnSize(nType, cx, cy);
    // A floating frame's dock bar is sized by its frame: the bars follow.
    if (m_bFloating) {
        m_rectLayout = CRect(0, 0, cx, cy);
        LayoutBars(IsHorz() ? cx : cy, TRUE);
    }
}
