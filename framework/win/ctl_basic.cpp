#include "win/ctl_basic.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CListBox, CWnd)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)
IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

namespace {

// Reads an item's text whose length the control reports first.  Items of an
// owner-drawn control without strings answer with their item data, which
// is pointer-sized whatever length the control claimed.
void ReadItemText(const CWnd* pWnd, UINT nLenMsg, UINT nTextMsg, int nIndex, CString& rString) {
    rString.Empty();
    int nLen = (int)pWnd->SendMessage(nLenMsg, nIndex);
    if (nLen < 0) return;  // LB_ERR / CB_ERR: no such item
    int nRoom = std::max(nLen, (int)sizeof(ULONG_PTR));
    LPTSTR p = rString.GetBuffer(nRoom + 1);
    p[0] = '\0';
    int n = (int)pWnd->SendMessage(nTextMsg, nIndex, (LPARAM)p);
    rString.ReleaseBuffer(n < 0 ? 0 : std::min(n, nLen));
}

}  // namespace

// --- CStatic ----------------------------------------------------------------

BEGIN_MESSAGE_MAP(CStatic, CWnd)
    ON_WM_DRAWITEM_REFLECT()
END_MESSAGE_MAP()

BOOL CStatic::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("STATIC", lpszText, dwStyle, rect, pParentWnd, nID);
}

void CStatic::DrawItem(LPDRAWITEMSTRUCT) {}

// --- CButton ----------------------------------------------------------------

BEGIN_MESSAGE_MAP(CButton, CWnd)
    ON_WM_DRAWITEM_REFLECT()
END_MESSAGE_MAP()

BOOL CButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("BUTTON", lpszCaption, dwStyle, rect, pParentWnd, nID);
}

void CButton::DrawItem(LPDRAWITEMSTRUCT) {}

// --- CEdit ------------------------------------------------------------------

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("EDIT", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
    DWORD dwStart = 0, dwEnd = 0;
    SendMessage(EM_GETSEL, (WPARAM)&dwStart, (LPARAM)&dwEnd);
    nStartChar = (int)dwStart;
    nEndChar = (int)dwEnd;
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll) {
    SendMessage(EM_SETSEL, nStartChar, nEndChar);
    if (!bNoScroll) SendMessage(EM_SCROLLCARET);
}

int CEdit::GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const {
    if (lpszBuffer == nullptr || nMaxLength <= 0) return 0;
    // The control reads the room from the buffer's first WORD, so a buffer
    // of fewer than two characters goes through a scratch one.
    TCHAR scratch[sizeof(WORD)];
    LPTSTR p = nMaxLength >= (int)sizeof(WORD) ? lpszBuffer : scratch;
    int nRoom = std::max(nMaxLength, (int)sizeof(WORD));
    *(WORD*)p = (WORD)std::min(nRoom, 0xFFFF);
    int n = (int)SendMessage(EM_GETLINE, nIndex, (LPARAM)p);
    n = std::clamp(n, 0, nMaxLength);
    if (p == scratch) std::copy(scratch, scratch + n, lpszBuffer);
    if (n < nMaxLength) lpszBuffer[n] = '\0';
    return n;
}

CPoint CEdit::PosFromChar(UINT nChar) const {
    LRESULT r = SendMessage(EM_POSFROMCHAR, nChar);
    return CPoint((short)LOWORD(r), (short)HIWORD(r));
}

// --- CListBox ---------------------------------------------------------------

BEGIN_MESSAGE_MAP(CListBox, CWnd)
    ON_WM_DRAWITEM_REFLECT()
    ON_WM_MEASUREITEM_REFLECT()
    ON_WM_COMPAREITEM_REFLECT()
    ON_WM_DELETEITEM_REFLECT()
END_MESSAGE_MAP()

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("LISTBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

UINT CListBox::ItemFromPoint(CPoint pt, BOOL& bOutside) const {
    DWORD dw = (DWORD)SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y));
    bOutside = (BOOL)HIWORD(dw);
    return LOWORD(dw);
}

void CListBox::GetText(int nIndex, CString& rString) const {
    ReadItemText(this, LB_GETTEXTLEN, LB_GETTEXT, nIndex, rString);
}

int CListBox::SelItemRange(BOOL bSelect, int nFirstItem, int nLastItem) {
    // The message selects when the first index is the lower one and clears
    // when it is the higher one, so a single item is cleared on its own.
    int nLow = std::min(nFirstItem, nLastItem), nHigh = std::max(nFirstItem, nLastItem);
    if (bSelect) return (int)SendMessage(LB_SELITEMRANGEEX, nLow, nHigh);
    if (nLow == nHigh) return (int)SendMessage(LB_SETSEL, FALSE, nLow);
    return (int)SendMessage(LB_SELITEMRANGEEX, nHigh, nLow);
}

void CListBox::DrawItem(LPDRAWITEMSTRUCT) {}
void CListBox::MeasureItem(LPMEASUREITEMSTRUCT) {}
int CListBox::CompareItem(LPCOMPAREITEMSTRUCT) { return 0; }
void CListBox::DeleteItem(LPDELETEITEMSTRUCT) {}

// --- CComboBox --------------------------------------------------------------

BEGIN_MESSAGE_MAP(CComboBox, CWnd)
    ON_WM_DRAWITEM_REFLECT()
    ON_WM_MEASUREITEM_REFLECT()
    ON_WM_COMPAREITEM_REFLECT()
    ON_WM_DELETEITEM_REFLECT()
END_MESSAGE_MAP()

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("COMBOBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CComboBox::GetLBText(int nIndex, CString& rString) const {
    ReadItemText(this, CB_GETLBTEXTLEN, CB_GETLBTEXT, nIndex, rString);
}

void CComboBox::DrawItem(LPDRAWITEMSTRUCT) {}
void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT) {}
int CComboBox::CompareItem(LPCOMPAREITEMSTRUCT) { return 0; }
void CComboBox::DeleteItem(LPDELETEITEMSTRUCT) {}

// --- CScrollBar -------------------------------------------------------------

BOOL CScrollBar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("SCROLLBAR", nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CScrollBar::GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask) {
    if (lpScrollInfo == nullptr) return FALSE;
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    lpScrollInfo->fMask = nMask;
    return ::GetScrollInfo(m_hWnd, SB_CTL, lpScrollInfo);
}

int CScrollBar::GetScrollLimit() {
    SCROLLINFO info = {};
    if (!GetScrollInfo(&info, SIF_RANGE | SIF_PAGE)) return 0;
    return info.nMax - std::max((int)info.nPage - 1, 0);
}
