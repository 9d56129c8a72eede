// CToolBar: a control bar around the common toolbar control, filled from a
// toolbar resource (the command of each button, the image size) and the
// bitmap of the same name, whose standard greys are mapped to the current
// system colours.  Buttons are updated through command routing when the
// application is idle, like menu items.
#pragma once

#include "win/ctl_common.h"
#include "win/ctlbar.h"
#include "win/gdiobj.h"
#include "win/toolbar_buttons.h"

#ifndef RT_TOOLBAR
#define RT_TOOLBAR MAKEINTRESOURCE(241)
#endif

// Button styles as GetButtonStyle reports them: the control's style byte,
// and its state byte shifted left by 16.
#define TBBS_BUTTON MAKELONG(TBSTYLE_BUTTON, 0)
#define TBBS_SEPARATOR MAKELONG(TBSTYLE_SEP, 0)
#define TBBS_CHECKBOX MAKELONG(TBSTYLE_CHECK, 0)
#define TBBS_GROUP MAKELONG(TBSTYLE_GROUP, 0)
#define TBBS_CHECKGROUP (TBBS_GROUP | TBBS_CHECKBOX)
#define TBBS_DROPDOWN MAKELONG(TBSTYLE_DROPDOWN, 0)
#define TBBS_AUTOSIZE MAKELONG(TBSTYLE_AUTOSIZE, 0)
#define TBBS_CHECKED MAKELONG(0, TBSTATE_CHECKED)
#define TBBS_PRESSED MAKELONG(0, TBSTATE_PRESSED)
#define TBBS_DISABLED MAKELONG(0, TBSTATE_ENABLED)
#define TBBS_INDETERMINATE MAKELONG(0, TBSTATE_INDETERMINATE)
#define TBBS_HIDDEN MAKELONG(0, TBSTATE_HIDDEN)
#define TBBS_WRAPPED MAKELONG(0, TBSTATE_WRAP)

class CToolBar : public CControlBar {
    DECLARE_DYNAMIC(CToolBar)
public:
    CToolBar();
    ~CToolBar() override;

    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT nID = AFX_IDW_TOOLBAR);
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                  DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect rcBorders = CRect(0, 0, 0, 0),
                  UINT nID = AFX_IDW_TOOLBAR);

    // The buttons of toolbar resource lpszResourceName (version 1) and its
    // bitmap; FALSE when either is missing or malformed.
    BOOL LoadToolBar(LPCTSTR lpszResourceName) { return m_buttons.LoadToolBar(lpszResourceName); }
    BOOL LoadToolBar(UINT nIDResource) { return LoadToolBar(MAKEINTRESOURCE(nIDResource)); }
    BOOL LoadBitmap(LPCTSTR lpszResourceName) { return m_buttons.LoadBitmap(lpszResourceName); }
    BOOL LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCE(nIDResource)); }
    // Takes ownership of hbmImageWell, replacing the bitmap in use.
    BOOL SetBitmap(HBITMAP hbmImageWell) { return m_buttons.SetBitmap(hbmImageWell); }
    // One button per identifier, images numbered in order; 0 makes a
    // separator.  With null, nIDCount empty separators to fill in later.
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount) { return m_buttons.SetButtons(lpIDArray, nIDCount); }
    void SetSizes(SIZE sizeButton, SIZE sizeImage) { m_buttons.SetSizes(sizeButton, sizeImage); }
    void SetHeight(int cyHeight) { SetHeightAround(cyHeight, m_buttons.m_sizeButton.cy); }

    int GetCount() const override { return m_buttons.GetCount(); }
    int CommandToIndex(UINT nIDFind) const { return m_buttons.CommandToIndex(nIDFind); }  // -1 when absent
    // 0 for a separator or a bad index
    UINT GetItemID(int nIndex) const { return m_buttons.GetItemID(nIndex); }
    void GetItemRect(int nIndex, LPRECT lpRect) const { m_buttons.GetItemRect(nIndex, lpRect); }
    UINT GetButtonStyle(int nIndex) const { return m_buttons.GetButtonStyle(nIndex); }
    void SetButtonStyle(int nIndex, UINT nStyle) { m_buttons.SetButtonStyle(nIndex, nStyle); }
    void GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const {
        m_buttons.GetButtonInfo(nIndex, nID, nStyle, iImage);
    }
    void SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage) {
        m_buttons.SetButtonInfo(nIndex, nID, nStyle, iImage);
    }
    CString GetButtonText(int nIndex) const { return m_buttons.GetButtonText(nIndex); }
    BOOL SetButtonText(int nIndex, LPCTSTR lpszText) { return m_buttons.SetButtonText(nIndex, lpszText); }
    CToolBarCtrl& GetToolBarCtrl() const { return *reinterpret_cast<CToolBarCtrl*>(const_cast<CToolBar*>(this)); }

    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    // Docked vertically the buttons stand in one column; floating, they
    // wrap into rows for the length asked for (or the last width used).
    CSize CalcDynamicLayout(int nLength, DWORD dwMode) override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    void OnUpdateCmdUIOutsideFrame(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) override;
    // The button under point (client): its command, and its rectangle as
    // the tool; -1 over a separator or no button.
    INT_PTR OnToolHitTest(CPoint point, TOOLINFOA* pTI) const override;

protected:
    BOOL GetButton(int nIndex, TBBUTTON* pButton) const { return m_buttons.GetButton(nIndex, pButton); }
    // The bar's size for a layout mode; with LM_COMMIT the buttons take
    // the rows it makes.
    CSize CalcLayout(DWORD dwMode, int nLength = -1);

    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    LRESULT OnNcHitTest(CPoint point);
    void OnPaint() { Default(); }  // the control paints its buttons
    BOOL OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
    void OnSysColorChange();

    CToolBarButtons m_buttons{this};

    DECLARE_MESSAGE_MAP()
};
