// CKXColorPopup: the colour selector as a popup window, the one a picker
// button drops down.  It opens below the given rectangle, captures the
// mouse, tells its parent KXCPN_DROPDOWN, and ends with the choice, with
// Escape, with a click outside it or when its application is deactivated:
// then it releases the mouse, closes, tells its parent KXCPN_CLOSEUP while
// its window is destroyed, and deletes its own object.  Every message
// carries the tag given to the constructor.
//
//   CKXColorPopup* pPopup = new CKXColorPopup(1, lTag);
//   pPopup->Create(rcButton, this, KXCPS_USERCOLORS, clrNow, clrAuto);
//   // from here on the popup owns itself
#pragma once

#include "colour/color_selector.h"

class CKXColorPopup : public CKXColorSelectorCtrl {
    DECLARE_DYNAMIC(CKXColorPopup)
public:
    CKXColorPopup(int nKind = 0, long lTag = 0);
    ~CKXColorPopup() override;

    // rect: the area the popup opens under (screen coordinates).
    virtual BOOL Create(CRect& rect, CWnd* pParentWnd, DWORD dwStyle, COLORREF clrColor,
                        COLORREF clrDefault = KXCOLOR_UNSET);
    void AddListener(HWND hWnd) { CKXColorSelectorCtrl::AddListener(hWnd); }
    void EndSelection(int nIndex) override;

    long GetTag() const { return m_lTag; }

    // The user colours every selector shows.
    static void AddUserColor(COLORREF clr);
    static void ResetUserColors();

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnDestroy();
    void PostNcDestroy() override;
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnNcPaint();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    void OnKillFocus(CWnd* pNewWnd);

    int m_nKind;             // kept for the caller; not read here
    BOOL m_bShadow = TRUE;   // a drop shadow is wanted in the XP look
    CRect m_rcAnchor;
    long m_lTag;
    BOOL m_bEnded = FALSE;   // a selection ends once

    DECLARE_MESSAGE_MAP()
};
