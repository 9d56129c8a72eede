// Where a frame's control bars are, as the profile keeps it: one record per
// bar (and one per dock bar, listing its bars row by row), written and read
// as integer entries of sections "<name>-Summary" and "<name>-Bar<n>".
//
// The profile is reached through CDockStateStore so that the records can be
// read and checked without a registry; CDockState::SaveState and LoadState
// with a profile name alone use the application's profile.  What is read
// is bounded and checked: a damaged or foreign profile yields fewer
// records, never a crash or an unbounded allocation.
#pragma once

#include "base/afx.h"
#include "base/array_types.h"
#include "base/geometry.h"

#include <vector>

// The integer entries of a profile.
class CDockStateStore {
public:
    virtual ~CDockStateStore() = default;
    virtual int GetInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault) = 0;
    virtual void WriteInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue) = 0;
    // Removes a whole section (before it is written anew).
    virtual void DeleteSection(LPCTSTR lpszSection) = 0;
};

class CControlBarInfo {
public:
    UINT m_nBarID = 0;
    BOOL m_bVisible = FALSE;
    BOOL m_bFloating = FALSE;
    BOOL m_bHorz = FALSE;
    BOOL m_bDockBar = FALSE;   // a dock bar: m_arrBarID lists its bars
    CPoint m_pointPos{-1, -1}; // docked: in its dock bar; floating: the floating frame's corner (screen)
    int m_nMRUWidth = 32767;   // the width it had floating
    BOOL m_bDocking = FALSE;   // it can dock: the MRU fields mean something
    UINT m_uMRUDockID = 0;
    CRect m_rectMRUDockPos;
    DWORD m_dwMRUFloatStyle = 0;
    CPoint m_ptMRUFloatPos{-1, -1};
    std::vector<UINT> m_arrBarID;  // a dock bar's bars in order, 0 between rows
    void* m_pBar = nullptr;        // the bar while the state is applied

    BOOL SaveState(CDockStateStore& store, LPCTSTR lpszProfileName, int nIndex) const;
    BOOL LoadState(CDockStateStore& store, LPCTSTR lpszProfileName, int nIndex);
};

class CDockState : public CObject {
public:
    CDockState() = default;
    ~CDockState() override { Clear(); }
    CDockState(const CDockState&) = delete;
    CDockState& operator=(const CDockState&) = delete;

    static constexpr int kMaxBars = 256;  // records read from a profile at most

    CPtrArray m_arrBarInfo;  // CControlBarInfo*, owned
    CControlBarInfo* GetBarInfo(int nIndex) const {
        return static_cast<CControlBarInfo*>(m_arrBarInfo.GetAt(nIndex));
    }
    void Add(CControlBarInfo* pInfo) { m_arrBarInfo.Add(pInfo); }
    void Clear();

    void SaveState(CDockStateStore& store, LPCTSTR lpszProfileName) const;
    // Replaces the records with those in the profile.
    void LoadState(CDockStateStore& store, LPCTSTR lpszProfileName);
    // The same through the application's profile (Windows build).
    void SaveState(LPCTSTR lpszProfileName) const;
    void LoadState(LPCTSTR lpszProfileName);
};
