// A frame's docking: the dock bars along its edges, bars moving between
// them and floating frames, and the frame's list of its bars.
#include "base/dock_state.h"
#include "win/dockbar.h"
#include "win/dockcont.h"
#include "win/frame.h"
#include "win/minifrm.h"

const DWORD CFrameWnd::dwDockBarMap[4][2] = {
    {AFX_IDW_DOCKBAR_TOP, CBRS_TOP},
    {AFX_IDW_DOCKBAR_BOTTOM, CBRS_BOTTOM},
    {AFX_IDW_DOCKBAR_LEFT, CBRS_LEFT},
    {AFX_IDW_DOCKBAR_RIGHT, CBRS_RIGHT},
};

void CFrameWnd::EnableDocking(DWORD dwDockStyle) {
    // Only the edges and CBRS_FLOAT_MULTI mean anything here.
    ASSERT((dwDockStyle & ~(CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI)) == 0);
    for (const auto& entry : dwDockBarMap) {
        if (!(entry[1] & dwDockStyle & CBRS_ALIGN_ANY) || GetControlBar(entry[0]) != nullptr) continue;
        CDockBar* pDock = new CDockBar;
        pDock->m_bAutoDelete = TRUE;
        // The dock bar's edge without the border line a bar on it would draw.
        if (!pDock->Create(this, WS_CHILD | WS_VISIBLE | (entry[1] & CBRS_ALIGN_ANY), entry[0])) {
            delete pDock;
            continue;
        }
    }
}

void CFrameWnd::AddControlBar(CControlBar* pBar) {
    if (m_listControlBars.Find(pBar) == nullptr) m_listControlBars.AddTail(pBar);
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar) {
    if (POSITION pos = m_listControlBars.Find(pBar); pos != nullptr) m_listControlBars.RemoveAt(pos);
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect) {
    CDockBar* pDockBar = nullptr;
    if (nDockBarID != 0) {
        CControlBar* p = GetControlBar(nDockBarID);
        pDockBar = p != nullptr && p->IsDockBar() ? static_cast<CDockBar*>(p) : nullptr;
    }
    DockControlBar(pBar, pDockBar, lpRect);
}

void CFrameWnd::DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect) {
    ASSERT(pBar != nullptr && pBar->m_pDockContext != nullptr);  // EnableDocking on the bar first
    if (pBar == nullptr || pBar->m_hWnd == nullptr) return;
    if (pDockBar == nullptr) {
        // The first edge, in the order of the map, that both allow.
        for (const auto& entry : dwDockBarMap) {
            if (!(entry[1] & pBar->m_dwDockStyle & CBRS_ALIGN_ANY)) continue;
            CControlBar* p = GetControlBar(entry[0]);
            if (p != nullptr && p->IsDockBar()) {
                pDockBar = static_cast<CDockBar*>(p);
                break;
            }
        }
    }
    // A bar may dock only where its frame and its own style allow.
    ASSERT(pDockBar != nullptr);
    if (pDockBar == nullptr || !(pDockBar->GetBarStyle() & pBar->m_dwDockStyle & CBRS_ALIGN_ANY)) return;
    pBar->m_pDockSite = this;
    AddControlBar(pBar);
    if (pBar->m_pDockContext != nullptr) pBar->m_pDockContext->m_pDockSite = this;
    // Commands and updates keep going to this frame wherever the bar is.
    if (pBar->GetOwner() == nullptr || pBar->GetOwner() == pBar->GetParent()) pBar->SetOwner(this);
    pDockBar->DockControlBar(pBar, lpRect);
    RecalcLayout();
}

CMiniDockFrameWnd* CFrameWnd::CreateFloatingFrame(DWORD dwStyle) {
    ASSERT(m_pFloatingFrameClass != nullptr);
    CObject* pObject = m_pFloatingFrameClass != nullptr ? m_pFloatingFrameClass->CreateObject() : nullptr;
    if (pObject == nullptr || !pObject->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd))) {
        delete pObject;
        return nullptr;
    }
    CMiniDockFrameWnd* pFrame = static_cast<CMiniDockFrameWnd*>(pObject);
    // The frame deletes itself with its window, also when creation fails.
    if (!pFrame->Create(this, dwStyle)) return nullptr;
    return pFrame;
}

void CFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle) {
    ASSERT(pBar != nullptr);
    if (pBar == nullptr || pBar->m_hWnd == nullptr) return;
    pBar->m_pDockSite = this;
    AddControlBar(pBar);
    if (pBar->GetOwner() == nullptr || pBar->GetOwner() == pBar->GetParent()) pBar->SetOwner(this);
    if (pBar->IsFloating()) {
        // Already floating: its frame just moves.
        pBar->GetParentFrame()->SetWindowPos(nullptr, point.x, point.y, 0, 0,
                                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    CMiniDockFrameWnd* pFrame = CreateFloatingFrame(dwStyle);
    if (pFrame == nullptr) return;
    CString strTitle;
    pBar->GetWindowText(strTitle);
    pFrame->SetWindowText(strTitle);
    pFrame->SetWindowPos(nullptr, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    pFrame->m_wndDockBar.DockControlBar(pBar);
    pFrame->RecalcLayout();
    RecalcLayout();
}

DWORD CFrameWnd::CanDock(CRect rect, DWORD dwDockStyle, CDockBar** ppDockBar) {
    CRect edges[4];
    DWORD dwAllowed = 0;
    CDockBar* pBars[4] = {};
    for (int i = 0; i < 4; ++i) {
        CControlBar* p = GetControlBar(dwDockBarMap[i][0]);
        if (p == nullptr || !p->IsDockBar()) continue;
        pBars[i] = static_cast<CDockBar*>(p);
        p->GetWindowRect(&edges[i]);
        dwAllowed |= dwDockBarMap[i][1] & CBRS_ALIGN_ANY;
    }
    const DWORD dwEdge = AfxChooseDockEdge(edges, dwAllowed & dwDockStyle, rect, rect);
    if (ppDockBar != nullptr) {
        *ppDockBar = nullptr;
        for (int i = 0; i < 4; ++i)
            if (dwDockBarMap[i][1] & dwEdge) *ppDockBar = pBars[i];
    }
    return dwEdge;
}

// --- the saved layout ------------------------------------------------------------

void CFrameWnd::GetDockState(CDockState& state) const {
    state.Clear();
    CFrameWnd* pThis = const_cast<CFrameWnd*>(this);
    // The dock bars, each with its bars row by row.
    for (const auto& entry : dwDockBarMap) {
        CControlBar* p = pThis->GetControlBar(entry[0]);
        if (p == nullptr || !p->IsDockBar()) continue;
        CControlBarInfo* pInfo = new CControlBarInfo;
        pInfo->m_nBarID = entry[0];
        pInfo->m_bDockBar = TRUE;
        pInfo->m_bVisible = TRUE;
        pInfo->m_bHorz = (entry[1] & CBRS_ORIENT_HORZ) != 0;
        std::vector<CControlBar*> bars;
        std::vector<int> rows;
        static_cast<CDockBar*>(p)->GetDockedBars(bars, &rows);
        for (size_t i = 0; i < bars.size(); ++i) {
            if (i > 0 && rows[i] != rows[i - 1]) pInfo->m_arrBarID.push_back(0);
            pInfo->m_arrBarID.push_back(static_cast<UINT>(bars[i]->GetDlgCtrlID()));
        }
        state.Add(pInfo);
    }
    // Every bar: where it is and where it was.
    POSITION pos = m_listControlBars.GetHeadPosition();
    while (pos != nullptr) {
        CControlBar* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (pBar->m_hWnd == nullptr || pBar->IsDockBar()) continue;
        CControlBarInfo* pInfo = new CControlBarInfo;
        pInfo->m_nBarID = static_cast<UINT>(pBar->GetDlgCtrlID());
        pInfo->m_bVisible = pBar->IsVisible();
        pInfo->m_bHorz = (pBar->GetBarStyle() & CBRS_ORIENT_HORZ) != 0;
        pInfo->m_bFloating = pBar->IsFloating();
        pInfo->m_nMRUWidth = pBar->m_nMRUWidth;
        CRect rect;
        if (pInfo->m_bFloating) {
            pBar->GetParentFrame()->GetWindowRect(&rect);
        } else {
            pBar->GetWindowRect(&rect);
            if (pBar->m_pDockBar != nullptr) pBar->m_pDockBar->ScreenToClient(&rect);
        }
        pInfo->m_pointPos = rect.TopLeft();
        if (CDockContext* pContext = pBar->m_pDockContext; pContext != nullptr) {
            pInfo->m_bDocking = TRUE;
            pInfo->m_uMRUDockID = pContext->m_uMRUDockID;
            pInfo->m_rectMRUDockPos = pContext->m_rectMRUDockPos;
            pInfo->m_dwMRUFloatStyle = pContext->m_dwMRUFloatStyle;
            pInfo->m_ptMRUFloatPos = pContext->m_ptMRUFloatPos;
        }
        state.Add(pInfo);
    }
}

void CFrameWnd::SetDockState(const CDockState& state) {
    // The bars that still exist; records of bars that are gone are passed over.
    for (INT_PTR i = 0; i < state.m_arrBarInfo.GetSize(); ++i) {
        CControlBarInfo* pInfo = state.GetBarInfo(static_cast<int>(i));
        pInfo->m_pBar = pInfo->m_bDockBar ? nullptr : GetControlBar(pInfo->m_nBarID);
        CControlBar* pBar = static_cast<CControlBar*>(pInfo->m_pBar);
        if (pBar == nullptr || pBar->IsDockBar() || pBar->m_pDockContext == nullptr) {
            pInfo->m_pBar = nullptr;
            continue;
        }
        pBar->m_nMRUWidth = pInfo->m_nMRUWidth;
        pBar->ShowWindow(pInfo->m_bVisible ? SW_SHOWNA : SW_HIDE);
        pBar->m_nStateFlags &= ~(CControlBar::delayHide | CControlBar::delayShow);
        if (pInfo->m_bFloating) FloatControlBar(pBar, pInfo->m_pointPos, CBRS_ALIGN_TOP);
    }
    // The docked bars, row by row, at their places along each edge.
    for (INT_PTR i = 0; i < state.m_arrBarInfo.GetSize(); ++i) {
        const CControlBarInfo* pDockInfo = state.GetBarInfo(static_cast<int>(i));
        if (!pDockInfo->m_bDockBar) continue;
        CControlBar* p = GetControlBar(pDockInfo->m_nBarID);
        if (p == nullptr || !p->IsDockBar()) continue;
        CDockBar* pDockBar = static_cast<CDockBar*>(p);
        const BOOL bHorz = (pDockBar->GetBarStyle() & CBRS_ORIENT_HORZ) != 0;
        BOOL bNewRow = TRUE;
        for (UINT nID : pDockInfo->m_arrBarID) {
            if (nID == 0) {
                bNewRow = TRUE;
                continue;
            }
            const CControlBarInfo* pBarInfo = nullptr;
            for (INT_PTR j = 0; j < state.m_arrBarInfo.GetSize() && pBarInfo == nullptr; ++j) {
                const CControlBarInfo* pCandidate = state.GetBarInfo(static_cast<int>(j));
                if (!pCandidate->m_bDockBar && pCandidate->m_nBarID == nID && pCandidate->m_pBar != nullptr)
                    pBarInfo = pCandidate;
            }
            if (pBarInfo == nullptr || pBarInfo->m_bFloating) continue;
            CControlBar* pBar = static_cast<CControlBar*>(pBarInfo->m_pBar);
            pBar->m_pDockSite = this;
            pDockBar->DockControlBarInRow(pBar, bNewRow, bHorz ? pBarInfo->m_pointPos.x : pBarInfo->m_pointPos.y);
            bNewRow = FALSE;
        }
    }
    // Where each bar was before: moving them just now has overwritten it.
    for (INT_PTR i = 0; i < state.m_arrBarInfo.GetSize(); ++i) {
        CControlBarInfo* pInfo = state.GetBarInfo(static_cast<int>(i));
        CControlBar* pBar = static_cast<CControlBar*>(pInfo->m_pBar);
        pInfo->m_pBar = nullptr;
        if (pBar == nullptr || !pInfo->m_bDocking) continue;
        CDockContext* pContext = pBar->m_pDockContext;
        pContext->m_uMRUDockID = pInfo->m_uMRUDockID;
        pContext->m_rectMRUDockPos = pInfo->m_rectMRUDockPos;
        pContext->m_dwMRUFloatStyle = pInfo->m_dwMRUFloatStyle & CBRS_ALIGN_ANY;
        if (pContext->m_dwMRUFloatStyle == 0) pContext->m_dwMRUFloatStyle = CBRS_ALIGN_TOP;
        pContext->m_ptMRUFloatPos = pInfo->m_ptMRUFloatPos;
    }
    // Floating frames fit their bars again; then the frame lays out.
    POSITION pos = m_listControlBars.GetHeadPosition();
    while (pos != nullptr) {
        CControlBar* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (pBar->IsFloating()) pBar->GetParentFrame()->RecalcLayout();
    }
    RecalcLayout();
}

void CFrameWnd::SaveBarState(LPCTSTR lpszProfileName) const {
    CDockState state;
    GetDockState(state);
    state.SaveState(lpszProfileName);
}

void CFrameWnd::LoadBarState(LPCTSTR lpszProfileName) {
    CDockState state;
    state.LoadState(lpszProfileName);
    SetDockState(state);
}
