// CStatusBar: a control bar around the common status bar control, with
// one pane per indicator.  An indicator's text is its string resource; the
// first pane (ID_SEPARATOR) stretches and shows the frame's prompts (its
// window text is that pane's text); the indicators follow command routing
// when the application is idle (disabled ones show nothing).
#pragma once

#include "win/ctlbar.h"

#include <vector>

// Pane styles
#define SBPS_NORMAL 0x0000
#define SBPS_NOBORDERS 0x0100   // SBT_NOBORDERS
#define SBPS_POPOUT 0x0200      // SBT_POPOUT
#define SBPS_OWNERDRAW 0x1000   // SBT_OWNERDRAW
#define SBPS_DISABLED 0x04000000
#define SBPS_STRETCH 0x08000000  // takes the width the others leave

class CStatusBar : public CControlBar {
    DECLARE_DYNAMIC(CStatusBar)
public:
    CStatusBar();
    ~CStatusBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, UINT nID = AFX_IDW_STATUS_BAR);
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = 0, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM,
                  UINT nID = AFX_IDW_STATUS_BAR);
    // One pane per identifier; FALSE (and no panes) when an indicator
    // other than ID_SEPARATOR has no string.
    BOOL SetIndicators(const UINT* lpIDArray, int nIDCount);

    int GetCount() const override { return static_cast<int>(m_panes.size()); }
    int CommandToIndex(UINT nIDFind) const;  // -1 when absent
    UINT GetItemID(int nIndex) const;
    void GetItemRect(int nIndex, LPRECT lpRect) const;
    CString GetPaneText(int nIndex) const;
    void GetPaneText(int nIndex, CString& rString) const { rString = GetPaneText(nIndex); }
    BOOL SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL bUpdate = TRUE);
    void GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const;
    void SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth);
    UINT GetPaneStyle(int nIndex) const;
    void SetPaneStyle(int nIndex, UINT nStyle);

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void OnUpdateCmdUIOutsideFrame(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) override;

protected:
    struct Pane {
        UINT nID = 0;
        UINT nStyle = SBPS_NORMAL;
        int cxText = 0;
        CString strText;
    };
    std::vector<Pane> m_panes;

    bool IsIndex(int nIndex) const { return nIndex >= 0 && nIndex < GetCount(); }
    // Gives the control its parts' edges (after a size change) and texts.
    void UpdateAllPanes(BOOL bUpdateRects, BOOL bUpdateText);
    void ShowPaneText(int nIndex);
    int TextWidth(LPCTSTR lpsz) const;

    LRESULT OnSetText(WPARAM, LPARAM lParam);
    LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetTextLength(WPARAM, LPARAM);
    void OnSize(UINT nType, int cx, int cy);

    DECLARE_MESSAGE_MAP()
};
