// CKXColorPicker: an owner-drawn button that shows a colour and drops down
// a CKXColorPopup under itself when clicked.  What the popup reports
// reaches the picker's owner (its parent when it has none) as WM_COMMAND:
// the KXCPN_* number in the high word, the control identifier in the low
// word, the picker's window in LPARAM.  A choice of another colour arrives
// as KXCPN_CLOSEUP, KXCPN_SELENDOK and, when the popup's window goes, a
// second KXCPN_CLOSEUP; the picker has taken the colour before.
//
//   CKXColorPicker m_picker;   // subclasses a button of a dialog template
//   DDX_KXColorPicker(pDX, IDC_COLOR, m_clr);
//   ON_COMMAND... or ON_CONTROL(KXCPN_SELENDOK, IDC_COLOR, OnColourChosen)
#pragma once

#include "colour/color_grid_layout.h"
#include "colour/color_picker_layout.h"
#include "colour/color_selection.h"
#include "win/afxwin.h"

class CKXColorPicker : public CButton {
    DECLARE_DYNAMIC(CKXColorPicker)
public:
    CKXColorPicker();
    ~CKXColorPicker() override;

    // An owner-drawn button, sized to its arrow's height.
    BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    virtual void SetColor(COLORREF clr);
    COLORREF GetColor() const { return m_clrColor; }
    void SetDefaultColor(COLORREF clr) { m_clrDefault = clr; }
    COLORREF GetDefaultColor() const { return m_clrDefault; }
    // The selector style (KXCPS_*) the popup opens with.
    void SetPopupStyle(DWORD dwStyle) { m_dwPopupStyle = dwStyle; }
    DWORD GetPopupStyle() const { return m_dwPopupStyle; }
    // The flat face: a white field with a sunken edge instead of a button.
    void SetFlatLook(BOOL bFlat);
    BOOL IsFlatLook() const { return m_bFlat; }
    // The window text over the swatch, in the contrast colour or (in
    // colour) in the picker's colour on a swatch of the contrast colour.
    void ShowText(BOOL bShow);
    BOOL IsTextShown() const { return m_bShowText; }
    void SetTextInColor(BOOL bInColor);
    BOOL IsTextInColor() const { return m_bTextInColor; }

    // Black on light colours, white on dark ones.
    COLORREF GetContrastColor() const;

    // Opens the popup once the current message is done.
    virtual void ShowPopupWindow();
    BOOL IsPopupOpen() const { return m_hWndPopup != nullptr && ::IsWindow(m_hWndPopup); }
    HWND GetPopupWindow() const { return IsPopupOpen() ? m_hWndPopup : nullptr; }

    BOOL PreTranslateMessage(MSG* pMsg) override;
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    // The message the picker posts itself to open the popup.
    static constexpr UINT WM_KX_SHOWPOPUP = 0x8001;

protected:
    void PreSubclassWindow() override;
    void SetWindowSize();
    KX_PICKER_METRICS Metrics() const;
    // Passes a notification on to the owner as the relay rules say.
    LRESULT Relay(UINT nMessage, WPARAM wParam);
    // A key for the open popup: it has no focus of its own.
    BOOL ForwardKey(const MSG& msg);

    LRESULT OnShowPopup(WPARAM wParam, LPARAM lParam);
    LRESULT OnSelChange(WPARAM wParam, LPARAM lParam);
    LRESULT OnDropDown(WPARAM wParam, LPARAM lParam);
    LRESULT OnCloseUp(WPARAM wParam, LPARAM lParam);
    LRESULT OnSelEndOK(WPARAM wParam, LPARAM lParam);
    LRESULT OnSelEndCancel(WPARAM wParam, LPARAM lParam);
    LRESULT OnSelNoFill(WPARAM wParam, LPARAM lParam);
    void OnClicked();
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnDestroy();

    COLORREF m_clrColor = 0;
    COLORREF m_clrDefault = KXCOLOR_UNSET;
    DWORD m_dwPopupStyle = KXCPS_USERCOLORS;
    BOOL m_bFlat = FALSE;
    BOOL m_bShowText = FALSE;
    BOOL m_bTextInColor = FALSE;
    BOOL m_bPopupActive = FALSE;
    HWND m_hWndPopup = nullptr;
    CRect m_rcArrow;

    DECLARE_MESSAGE_MAP()
};

// Dialog data exchange of a picker's colour.
void DDX_KXColorPicker(CDataExchange* pDX, int nIDC, COLORREF& clr);
