// CCheckListBox: an owner-drawn list box (LBS_OWNERDRAWFIXED or
// LBS_OWNERDRAWVARIABLE, with LBS_HASSTRINGS) with a check box before each
// item.  With an automatic style a click on the box (or the space bar)
// moves the check on and the parent hears CLBN_CHKCHANGE; a disabled item
// takes no clicks.  The checks follow the items as they are added, inserted
// (also sorted) and deleted; an item's data stays the program's.
#pragma once

#include "win/ctl_basic.h"

#include <vector>

#define CLBN_CHKCHANGE 40
#define ON_CLBN_CHKCHANGE(id, memberFxn) AFX_ON_CONTROL(ON_CLBN_CHKCHANGE, CLBN_CHKCHANGE, id, memberFxn)

class CCheckListBox : public CListBox {
    DECLARE_DYNAMIC(CCheckListBox)
public:
    CCheckListBox() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // BS_CHECKBOX, BS_AUTOCHECKBOX (the default), BS_3STATE or BS_AUTO3STATE.
    void SetCheckStyle(UINT nStyle);
    UINT GetCheckStyle() const { return m_nStyle; }
    // 0 unchecked, 1 checked, 2 indeterminate (3-state styles only).
    void SetCheck(int nIndex, int nCheck);
    int GetCheck(int nIndex) const;
    void Enable(int nIndex, BOOL bEnabled = TRUE);
    BOOL IsEnabled(int nIndex) const;

    // Where the check box of an item goes; rectCheckBox is the default place.
    virtual CRect OnGetCheckPosition(CRect rectItem, CRect rectCheckBox);
    // Draws the item's text in the part of the item after the check box.
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

    static const int kCheckSize = 13;  // the check box, square, in pixels

protected:
    void PreSubclassWindow() override;
    int CalcMinimumItemHeight();
    // The item under the point, and whether the point is on its check box.
    int CheckFromPoint(CPoint point, BOOL& bInCheck) const;
    // The new check of a click on an item, and telling the parent.
    void ToggleFromUser(int nIndex);

    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    LRESULT OnReflectDrawItem(WPARAM wParam, LPARAM lParam);
    LRESULT OnReflectMeasureItem(WPARAM wParam, LPARAM lParam);
    LRESULT OnLBAddString(WPARAM wParam, LPARAM lParam);
    LRESULT OnLBInsertString(WPARAM wParam, LPARAM lParam);
    LRESULT OnLBDeleteString(WPARAM wParam, LPARAM lParam);
    LRESULT OnLBResetContent(WPARAM wParam, LPARAM lParam);

    struct CheckState {
        int nCheck = 0;
        BOOL bEnabled = TRUE;
    };
    std::vector<CheckState> m_states;  // by item index
    UINT m_nStyle = BS_AUTOCHECKBOX;
    int m_cyText = 0;

    DECLARE_MESSAGE_MAP()
};
