#include "base/dock_state.h"

#include <algorithm>

namespace {

CString BarSection(LPCTSTR lpszProfileName, int nIndex) {
    CString str;
    str.Format("%s-Bar%d", lpszProfileName, nIndex);
    return str;
}

CString SummarySection(LPCTSTR lpszProfileName) {
    CString str;
    str.Format("%s-Summary", lpszProfileName);
    return str;
}

// Identifiers are window identifiers: 16 bits.
bool IsBarID(int n) { return n > 0 && n <= 0xFFFF; }

}  // namespace

BOOL CControlBarInfo::SaveState(CDockStateStore& store, LPCTSTR lpszProfileName, int nIndex) const {
    const CString strSection = BarSection(lpszProfileName, nIndex);
    store.DeleteSection(strSection);
    store.WriteInt(strSection, "BarID", static_cast<int>(m_nBarID));
    store.WriteInt(strSection, "Visible", m_bVisible ? 1 : 0);
    store.WriteInt(strSection, "Horz", m_bHorz ? 1 : 0);
    store.WriteInt(strSection, "Floating", m_bFloating ? 1 : 0);
    store.WriteInt(strSection, "XPos", m_pointPos.x);
    store.WriteInt(strSection, "YPos", m_pointPos.y);
    store.WriteInt(strSection, "MRUWidth", m_nMRUWidth);
    store.WriteInt(strSection, "Docking", m_bDocking ? 1 : 0);
    if (m_bDocking) {
        store.WriteInt(strSection, "MRUDockID", static_cast<int>(m_uMRUDockID));
        store.WriteInt(strSection, "MRUDockLeftPos", m_rectMRUDockPos.left);
        store.WriteInt(strSection, "MRUDockTopPos", m_rectMRUDockPos.top);
        store.WriteInt(strSection, "MRUDockRightPos", m_rectMRUDockPos.right);
        store.WriteInt(strSection, "MRUDockBottomPos", m_rectMRUDockPos.bottom);
        store.WriteInt(strSection, "MRUFloatStyle", static_cast<int>(m_dwMRUFloatStyle));
        store.WriteInt(strSection, "MRUFloatXPos", m_ptMRUFloatPos.x);
        store.WriteInt(strSection, "MRUFloatYPos", m_ptMRUFloatPos.y);
    }
    if (m_bDockBar) {
        store.WriteInt(strSection, "Bars", static_cast<int>(m_arrBarID.size()));
        for (size_t i = 0; i < m_arrBarID.size(); ++i) {
            CString strEntry;
            strEntry.Format("Bar#%d", static_cast<int>(i));
            store.WriteInt(strSection, strEntry, static_cast<int>(m_arrBarID[i]));
        }
    }
    return TRUE;
}

BOOL CControlBarInfo::LoadState(CDockStateStore& store, LPCTSTR lpszProfileName, int nIndex) {
    const CString strSection = BarSection(lpszProfileName, nIndex);
    const int nBarID = store.GetInt(strSection, "BarID", 0);
    if (!IsBarID(nBarID)) return FALSE;
    m_nBarID = static_cast<UINT>(nBarID);
    m_bVisible = store.GetInt(strSection, "Visible", 1) != 0;
    m_bHorz = store.GetInt(strSection, "Horz", 1) != 0;
    m_bFloating = store.GetInt(strSection, "Floating", 0) != 0;
    m_pointPos.x = store.GetInt(strSection, "XPos", -1);
    m_pointPos.y = store.GetInt(strSection, "YPos", -1);
    m_nMRUWidth = std::max(0, store.GetInt(strSection, "MRUWidth", 32767));
    m_bDocking = store.GetInt(strSection, "Docking", 0) != 0;
    if (m_bDocking) {
        const int nDockID = store.GetInt(strSection, "MRUDockID", 0);
        m_uMRUDockID = IsBarID(nDockID) ? static_cast<UINT>(nDockID) : 0;
        m_rectMRUDockPos.left = store.GetInt(strSection, "MRUDockLeftPos", 0);
        m_rectMRUDockPos.top = store.GetInt(strSection, "MRUDockTopPos", 0);
        m_rectMRUDockPos.right = store.GetInt(strSection, "MRUDockRightPos", 0);
        m_rectMRUDockPos.bottom = store.GetInt(strSection, "MRUDockBottomPos", 0);
        m_dwMRUFloatStyle = static_cast<DWORD>(store.GetInt(strSection, "MRUFloatStyle", 0));
        m_ptMRUFloatPos.x = store.GetInt(strSection, "MRUFloatXPos", -1);
        m_ptMRUFloatPos.y = store.GetInt(strSection, "MRUFloatYPos", -1);
    }
    const int nBars = store.GetInt(strSection, "Bars", -1);
    m_bDockBar = nBars >= 0;
    m_arrBarID.clear();
    // A dock bar lists at most as many bars as a state holds, with a row
    // break after each.
    const int nMax = std::min(nBars, 2 * CDockState::kMaxBars);
    for (int i = 0; i < nMax; ++i) {
        CString strEntry;
        strEntry.Format("Bar#%d", i);
        const int nID = store.GetInt(strSection, strEntry, 0);
        m_arrBarID.push_back(IsBarID(nID) ? static_cast<UINT>(nID) : 0u);
    }
    return TRUE;
}

void CDockState::Clear() {
    for (INT_PTR i = 0; i < m_arrBarInfo.GetSize(); ++i) delete static_cast<CControlBarInfo*>(m_arrBarInfo[i]);
    m_arrBarInfo.RemoveAll();
}

void CDockState::SaveState(CDockStateStore& store, LPCTSTR lpszProfileName) const {
    const int nCount = static_cast<int>(m_arrBarInfo.GetSize());
    for (int i = 0; i < nCount; ++i) GetBarInfo(i)->SaveState(store, lpszProfileName, i);
    const CString strSummary = SummarySection(lpszProfileName);
    store.DeleteSection(strSummary);
    store.WriteInt(strSummary, "Bars", nCount);
}

void CDockState::LoadState(CDockStateStore& store, LPCTSTR lpszProfileName) {
    Clear();
    const int nCount = std::clamp(store.GetInt(SummarySection(lpszProfileName), "Bars", 0), 0, kMaxBars);
    for (int i = 0; i < nCount; ++i) {
        CControlBarInfo* pInfo = new CControlBarInfo;
        if (pInfo->LoadState(store, lpszProfileName, i))
            Add(pInfo);
        else
            delete pInfo;  // a damaged record is skipped
    }
}
