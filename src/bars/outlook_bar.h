// CKXOutlookBar: a list box that shows a column of large icons with their
// captions, the outlook bar's simple sibling.  The row under the mouse
// becomes the selection; releasing the left button sends WM_OUTBAR_NOTIFY
// to the owner with the selection (-1 for none) and the control's
// identifier.  Rows are owner-drawn (the parent reflects the owner-draw
// messages, as a framework parent does) into an off-screen picture.
#pragma once

#include "bars/outbar_defs.h"
#include "win/afxwin.h"

// One row: its list-box index, caption and icon (owned).
struct KX_CONTENT_ITEM {
    int nIndex;
    CString strText;
    HICON hIcon;
};

class CKXOutlookBar : public CListBox {
    DECLARE_DYNCREATE(CKXOutlookBar)
public:
    CKXOutlookBar();
    ~CKXOutlookBar() override;  // the records and their icons

    // Adds LBS_OWNERDRAWVARIABLE | LBS_NOINTEGRALHEIGHT and the stock GUI font.
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // A row with the icon resource nIconID (large icon size) and a caption;
    // returns its index, or a negative list-box error.
    int AddMenuItem(UINT nIconID, LPCSTR lpszText);
    int InsertMenuItemA(int nIndex, UINT nIconID, LPCSTR lpszText);
    // The record of row nIndex, or null.
    KX_CONTENT_ITEM* GetMenuItem(int nIndex);

    // The application's colours from now on.
    void SetColors(COLORREF clrText, COLORREF clrBack);
    // The application's, else the look's: the XP toolbar face or the
    // button shadow behind light window-coloured text.
    COLORREF GetBackColor() const;
    COLORREF GetTextColor() const;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

    // The hover timer.
    static constexpr UINT_PTR kTimerID = 1;

protected:
    // The list box's own painting, run into an off-screen picture of the
    // background colour and copied to pDC.
    void OnNoFlickerPaint(CDC* pDC);
    int AddRecord(int nIndex, UINT nIconID, LPCSTR lpszText);

    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnTimer(UINT_PTR nIDEvent);
    void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    void OnPaint();
    LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    BOOL OnEraseBkgnd(CDC* pDC);

    int m_cxIcon;
    int m_cyIcon;
    bool m_bMouseInside = true;
    bool m_bUserColors = false;
    CPoint m_ptLast;
    COLORREF m_clrBack = 0;
    COLORREF m_clrText = 0;
    CTypedPtrList<CPtrList, KX_CONTENT_ITEM*> m_items{10};

    DECLARE_MESSAGE_MAP()
};
