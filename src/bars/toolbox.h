// CKXToolBox: an outlook bar whose items are flat full-width rows, icon and
// left-aligned caption, with flat folder buttons; it always animates folder
// changes and keeps the selected row marked (OUTBAR_ANIMATEFOLDERS and
// OUTBAR_SHOWSELECTION are added to any flags it is created with).
#pragma once

#include "bars/outbar.h"

class CKXToolBox : public CKXOutBarCtrl {
    DECLARE_DYNCREATE(CKXToolBox)
public:
    CKXToolBox() = default;

    using CKXOutBarCtrl::CreateEx;
    BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                  DWORD dwFlag = OUTBAR_DEFAULTFLAGS) override;
    // Ends an open rename first: its edit belongs to the folder shown.
    void SetSelFolder(int nIndex) override;
    // The base's edit, then moved onto the item's row beside its icon.
    void StartItemEdit(int nIndex) override;

    // An item is its row.
    BOOL GetIconRect(int nFolder, int nIndex, CRect& rc) override;
    BOOL GetItemRect(int nFolder, int nIndex, CRect& rc) override;

    void DrawScrollButton(CDC* pDC, CRect rc, UINT nType, UINT nState) override;
    void DrawItem(CDC* pDC, int nFolder, CRect rc, int nIndex, BOOL bOnlyImage = FALSE) override;
    void DrawFolder(CDC* pDC, int nIndex, CRect rect, eFOLDER_HILIGHT eHilight) override;
    void DrawIcon(CDC* pDC, int nFolder, int nIndex, bool bFrame) override;

protected:
    void FillInside(CDC* pDC, const CRect& rcInside) override;
    // One row in its look: plain, selected, hot (raised) or pressed.
    void DrawRow(CDC* pDC, int nFolder, int nIndex, const CRect& rcRow, bool bHot);
    COLORREF RowBackColor() const;

    void OnPaint();
    void OnRButtonUp(UINT nFlags, CPoint point);

    int m_nRowInset = 2;        // a row's distance from the inside rectangle's sides
    int m_nRowGrow = 4;         // how much taller than its icon a row is, at each end
    bool m_bEditOnRow = false;  // a rename edit has been moved onto a row

    DECLARE_MESSAGE_MAP()
};
