// The wrappers of the common controls: up-down, trackbar, hot key, progress,
// header, tab, tooltip, toolbar, IP address, extended combo box and
// animation.  Each forwards to the control's
// messages; Create registers the common-control classes first.
#pragma once

#include "base/cstring.h"
#include "win/ctl_basic.h"
#include "win/dialog.h"
#include "win/imagelist.h"
#include "win/wnd.h"

struct IDropTarget;

// Registers the common-control window classes (once per process).
BOOL AfxInitCommonControls();

class CSpinButtonCtrl : public CWnd {
    DECLARE_DYNAMIC(CSpinButtonCtrl)
public:
    CSpinButtonCtrl() = default;
    using CWnd::Create;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    BOOL SetAccel(int nAccel, UDACCEL* pAccel) { return (BOOL)SendMessage(UDM_SETACCEL, nAccel, (LPARAM)pAccel); }
    UINT GetAccel(int nAccel, UDACCEL* pAccel) const {
        return (UINT)LOWORD(SendMessage(UDM_GETACCEL, nAccel, (LPARAM)pAccel));
    }
    int SetBase(int nBase) { return (int)SendMessage(UDM_SETBASE, nBase); }
    UINT GetBase() const { return (UINT)LOWORD(SendMessage(UDM_GETBASE)); }
    CWnd* SetBuddy(CWnd* pWndBuddy) {
        return CWnd::FromHandle((HWND)SendMessage(UDM_SETBUDDY, (WPARAM)pWndBuddy->GetSafeHwnd()));
    }
    CWnd* GetBuddy() const { return CWnd::FromHandle((HWND)SendMessage(UDM_GETBUDDY)); }
    int SetPos(int nPos) { return (int)(short)LOWORD(SendMessage(UDM_SETPOS, 0, MAKELPARAM(nPos, 0))); }
    // The position in the low word; the high word is non-zero on error.
    int GetPos() const { return (int)SendMessage(UDM_GETPOS); }
    int SetPos32(int nPos) { return (int)SendMessage(UDM_SETPOS32, 0, nPos); }
    int GetPos32(LPBOOL lpbError = nullptr) const { return (int)SendMessage(UDM_GETPOS32, 0, (LPARAM)lpbError); }
    void SetRange(short nLower, short nUpper) { SendMessage(UDM_SETRANGE, 0, MAKELPARAM(nUpper, nLower)); }
    void SetRange32(int nLower, int nUpper) { SendMessage(UDM_SETRANGE32, nLower, nUpper); }
    DWORD GetRange() const { return (DWORD)SendMessage(UDM_GETRANGE); }
    void GetRange(int& lower, int& upper) const;
    void GetRange32(int& lower, int& upper) const {
        SendMessage(UDM_GETRANGE32, (WPARAM)&lower, (LPARAM)&upper);
    }
};

class CSliderCtrl : public CWnd {
    DECLARE_DYNAMIC(CSliderCtrl)
public:
    CSliderCtrl() = default;
    using CWnd::Create;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetLineSize() const { return (int)SendMessage(TBM_GETLINESIZE); }
    int SetLineSize(int nSize) { return (int)SendMessage(TBM_SETLINESIZE, 0, nSize); }
    int GetPageSize() const { return (int)SendMessage(TBM_GETPAGESIZE); }
    int SetPageSize(int nSize) { return (int)SendMessage(TBM_SETPAGESIZE, 0, nSize); }
    int GetRangeMax() const { return (int)SendMessage(TBM_GETRANGEMAX); }
    int GetRangeMin() const { return (int)SendMessage(TBM_GETRANGEMIN); }
    void GetRange(int& nMin, int& nMax) const {
        nMin = GetRangeMin();
        nMax = GetRangeMax();
    }
    void SetRangeMin(int nMin, BOOL bRedraw = FALSE) { SendMessage(TBM_SETRANGEMIN, bRedraw, nMin); }
    void SetRangeMax(int nMax, BOOL bRedraw = FALSE) { SendMessage(TBM_SETRANGEMAX, bRedraw, nMax); }
    // Each end is set on its own: the packed form holds only 16 bits.
    void SetRange(int nMin, int nMax, BOOL bRedraw = FALSE) {
        SetRangeMin(nMin, FALSE);
        SetRangeMax(nMax, bRedraw);
    }
    void GetSelection(int& nMin, int& nMax) const {
        nMin = (int)SendMessage(TBM_GETSELSTART);
        nMax = (int)SendMessage(TBM_GETSELEND);
    }
    void SetSelection(int nMin, int nMax) {
        SendMessage(TBM_SETSELSTART, FALSE, nMin);
        SendMessage(TBM_SETSELEND, TRUE, nMax);
    }
    void ClearSel(BOOL bRedraw = FALSE) { SendMessage(TBM_CLEARSEL, bRedraw); }
    void GetChannelRect(LPRECT lprc) const { SendMessage(TBM_GETCHANNELRECT, 0, (LPARAM)lprc); }
    void GetThumbRect(LPRECT lprc) const { SendMessage(TBM_GETTHUMBRECT, 0, (LPARAM)lprc); }
    int GetPos() const { return (int)SendMessage(TBM_GETPOS); }
    void SetPos(int nPos) { SendMessage(TBM_SETPOS, TRUE, nPos); }
    UINT GetNumTics() const { return (UINT)SendMessage(TBM_GETNUMTICS); }
    DWORD* GetTicArray() const { return (DWORD*)SendMessage(TBM_GETPTICS); }
    int GetTic(int nTic) const { return (int)SendMessage(TBM_GETTIC, nTic); }
    int GetTicPos(int nTic) const { return (int)SendMessage(TBM_GETTICPOS, nTic); }
    BOOL SetTic(int nTic) { return (BOOL)SendMessage(TBM_SETTIC, 0, nTic); }
    void SetTicFreq(int nFreq) { SendMessage(TBM_SETTICFREQ, nFreq); }
    void ClearTics(BOOL bRedraw = FALSE) { SendMessage(TBM_CLEARTICS, bRedraw); }
    void VerifyPos() { SendMessage(TBM_SETPOS, FALSE, GetPos()); }
    CWnd* SetBuddy(CWnd* pWndBuddy, BOOL fLocation = TRUE) {
        return CWnd::FromHandle((HWND)SendMessage(TBM_SETBUDDY, fLocation, (LPARAM)pWndBuddy->GetSafeHwnd()));
    }
    CWnd* GetBuddy(BOOL fLocation = TRUE) const { return CWnd::FromHandle((HWND)SendMessage(TBM_GETBUDDY, fLocation)); }
    void SetToolTips(CWnd* pWndTip) { SendMessage(TBM_SETTOOLTIPS, (WPARAM)pWndTip->GetSafeHwnd()); }
    int SetTipSide(int nLocation) { return (int)SendMessage(TBM_SETTIPSIDE, nLocation); }
};

class CHotKeyCtrl : public CWnd {
    DECLARE_DYNAMIC(CHotKeyCtrl)
public:
    CHotKeyCtrl() = default;
    using CWnd::Create;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    void SetHotKey(WORD wVirtualKeyCode, WORD wModifiers) {
        SendMessage(HKM_SETHOTKEY, MAKEWORD(wVirtualKeyCode, wModifiers));
    }
    // The key code in the low byte, the HOTKEYF_ modifiers in the next one.
    DWORD GetHotKey() const { return (DWORD)SendMessage(HKM_GETHOTKEY); }
    void GetHotKey(WORD& wVirtualKeyCode, WORD& wModifiers) const;
    void SetRules(WORD wInvalidComb, WORD wModifiers) { SendMessage(HKM_SETRULES, wInvalidComb, MAKELPARAM(wModifiers, 0)); }
    // The key as the keyboard names it, e.g. "Ctrl + Shift + F5".
    CString GetHotKeyName() const;
    static CString GetKeyName(UINT vk, BOOL fExtended);
};

class CProgressCtrl : public CWnd {
    DECLARE_DYNAMIC(CProgressCtrl)
public:
    CProgressCtrl() = default;
    using CWnd::Create;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    void SetRange(short nLower, short nUpper) { SendMessage(PBM_SETRANGE, 0, MAKELPARAM(nLower, nUpper)); }
    void SetRange32(int nLower, int nUpper) { SendMessage(PBM_SETRANGE32, nLower, nUpper); }
    void GetRange(int& nLower, int& nUpper) const;
    int GetPos() const { return (int)SendMessage(PBM_GETPOS); }
    int SetPos(int nPos) { return (int)SendMessage(PBM_SETPOS, nPos); }
    int OffsetPos(int nPos) { return (int)SendMessage(PBM_DELTAPOS, nPos); }
    int SetStep(int nStep) { return (int)SendMessage(PBM_SETSTEP, nStep); }
    int StepIt() { return (int)SendMessage(PBM_STEPIT); }
    COLORREF SetBarColor(COLORREF clrBar) { return (COLORREF)SendMessage(PBM_SETBARCOLOR, 0, clrBar); }
    COLORREF SetBkColor(COLORREF clrNew) { return (COLORREF)SendMessage(PBM_SETBKCOLOR, 0, clrNew); }
};

class CHeaderCtrl : public CWnd {
    DECLARE_DYNAMIC(CHeaderCtrl)
public:
    CHeaderCtrl() = default;
    using CWnd::Create;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetItemCount() const { return (int)SendMessage(HDM_GETITEMCOUNT); }
    BOOL GetItem(int nPos, HDITEMA* pHeaderItem) const { return (BOOL)SendMessage(HDM_GETITEMA, nPos, (LPARAM)pHeaderItem); }
    BOOL SetItem(int nPos, HDITEMA* pHeaderItem) { return (BOOL)SendMessage(HDM_SETITEMA, nPos, (LPARAM)pHeaderItem); }
    int InsertItem(int nPos, HDITEMA* phdi) { return (int)SendMessage(HDM_INSERTITEMA, nPos, (LPARAM)phdi); }
    BOOL DeleteItem(int nPos) { return (BOOL)SendMessage(HDM_DELETEITEM, nPos); }
    BOOL Layout(HDLAYOUT* pHeaderLayout) { return (BOOL)SendMessage(HDM_LAYOUT, 0, (LPARAM)pHeaderLayout); }
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const {
        return (BOOL)SendMessage(HDM_GETITEMRECT, nIndex, (LPARAM)lpRect);
    }
    BOOL GetOrderArray(LPINT piArray, int iCount) const {
        return (BOOL)SendMessage(HDM_GETORDERARRAY, iCount, (LPARAM)piArray);
    }
    BOOL SetOrderArray(int iCount, LPINT piArray) {
        return (BOOL)SendMessage(HDM_SETORDERARRAY, iCount, (LPARAM)piArray);
    }
    int OrderToIndex(int nOrder) const { return (int)SendMessage(HDM_ORDERTOINDEX, nOrder); }
    int HitTest(LPHDHITTESTINFO pHeaderHitTestInfo) {
        return (int)SendMessage(HDM_HITTEST, 0, (LPARAM)pHeaderHitTestInfo);
    }
    int SetHotDivider(CPoint pt) { return (int)SendMessage(HDM_SETHOTDIVIDER, TRUE, MAKELPARAM(pt.x, pt.y)); }
    int SetHotDivider(int nIndex) { return (int)SendMessage(HDM_SETHOTDIVIDER, FALSE, nIndex); }
    CImageList* GetImageList() const { return CImageList::FromHandle((HIMAGELIST)SendMessage(HDM_GETIMAGELIST)); }
    CImageList* SetImageList(CImageList* pImageList) {
        return CImageList::FromHandle(
            (HIMAGELIST)SendMessage(HDM_SETIMAGELIST, 0, (LPARAM)pImageList->GetSafeHandle()));
    }
    // A new image list the caller owns (null on failure).
    CImageList* CreateDragImage(int nIndex);
    int GetBitmapMargin() const { return (int)SendMessage(HDM_GETBITMAPMARGIN); }
    int SetBitmapMargin(int nWidth) { return (int)SendMessage(HDM_SETBITMAPMARGIN, nWidth); }

    // HDF_OWNERDRAW items
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

    DECLARE_MESSAGE_MAP()
};

class CTabCtrl : public CWnd {
    DECLARE_DYNAMIC(CTabCtrl)
public:
    CTabCtrl() = default;
    using CWnd::Create;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    CImageList* GetImageList() const { return CImageList::FromHandle((HIMAGELIST)SendMessage(TCM_GETIMAGELIST)); }
    CImageList* SetImageList(CImageList* pImageList) {
        return CImageList::FromHandle(
            (HIMAGELIST)SendMessage(TCM_SETIMAGELIST, 0, (LPARAM)pImageList->GetSafeHandle()));
    }
    int GetItemCount() const { return (int)SendMessage(TCM_GETITEMCOUNT); }
    BOOL GetItem(int nItem, TCITEMA* pTabCtrlItem) const {
        return (BOOL)SendMessage(TCM_GETITEMA, nItem, (LPARAM)pTabCtrlItem);
    }
    BOOL SetItem(int nItem, TCITEMA* pTabCtrlItem) {
        return (BOOL)SendMessage(TCM_SETITEMA, nItem, (LPARAM)pTabCtrlItem);
    }
    BOOL SetItemExtra(int nBytes) { return (BOOL)SendMessage(TCM_SETITEMEXTRA, nBytes); }
    BOOL GetItemRect(int nItem, LPRECT lpRect) const {
        return (BOOL)SendMessage(TCM_GETITEMRECT, nItem, (LPARAM)lpRect);
    }
    int GetCurSel() const { return (int)SendMessage(TCM_GETCURSEL); }
    int SetCurSel(int nItem) { return (int)SendMessage(TCM_SETCURSEL, nItem); }
    void SetCurFocus(int nItem) { SendMessage(TCM_SETCURFOCUS, nItem); }
    int GetCurFocus() const { return (int)SendMessage(TCM_GETCURFOCUS); }
    CSize SetItemSize(CSize size) {
        return CSize((DWORD)SendMessage(TCM_SETITEMSIZE, 0, MAKELPARAM(size.cx, size.cy)));
    }
    void SetPadding(CSize size) { SendMessage(TCM_SETPADDING, 0, MAKELPARAM(size.cx, size.cy)); }
    int GetRowCount() const { return (int)SendMessage(TCM_GETROWCOUNT); }
    HWND GetToolTips() const { return (HWND)SendMessage(TCM_GETTOOLTIPS); }
    void SetToolTips(CWnd* pWndTip) { SendMessage(TCM_SETTOOLTIPS, (WPARAM)pWndTip->GetSafeHwnd()); }
    int SetMinTabWidth(int cx) { return (int)SendMessage(TCM_SETMINTABWIDTH, 0, cx); }
    DWORD GetExtendedStyle() const { return (DWORD)SendMessage(TCM_GETEXTENDEDSTYLE); }
    DWORD SetExtendedStyle(DWORD dwNewStyle, DWORD dwExMask = 0) {
        return (DWORD)SendMessage(TCM_SETEXTENDEDSTYLE, dwExMask, dwNewStyle);
    }

    LONG InsertItem(int nItem, TCITEMA* pTabCtrlItem) {
        return (LONG)SendMessage(TCM_INSERTITEMA, nItem, (LPARAM)pTabCtrlItem);
    }
    LONG InsertItem(int nItem, LPCTSTR lpszItem) { return InsertItem(TCIF_TEXT, nItem, lpszItem, 0, 0); }
    LONG InsertItem(int nItem, LPCTSTR lpszItem, int nImage) {
        return InsertItem(TCIF_TEXT | TCIF_IMAGE, nItem, lpszItem, nImage, 0);
    }
    LONG InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, int nImage, LPARAM lParam);
    LONG InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, int nImage, LPARAM lParam, DWORD dwState,
                    DWORD dwStateMask);
    BOOL DeleteItem(int nItem) { return (BOOL)SendMessage(TCM_DELETEITEM, nItem); }
    BOOL DeleteAllItems() { return (BOOL)SendMessage(TCM_DELETEALLITEMS); }
    void AdjustRect(BOOL bLarger, LPRECT lpRect) { SendMessage(TCM_ADJUSTRECT, bLarger, (LPARAM)lpRect); }
    void RemoveImage(int nImage) { SendMessage(TCM_REMOVEIMAGE, nImage); }
    int HitTest(TCHITTESTINFO* pHitTestInfo) const { return (int)SendMessage(TCM_HITTEST, 0, (LPARAM)pHitTestInfo); }
    void DeselectAll(BOOL fExcludeFocus) { SendMessage(TCM_DESELECTALL, fExcludeFocus); }
    BOOL HighlightItem(int idItem, BOOL fHighlight = TRUE) {
        return (BOOL)SendMessage(TCM_HIGHLIGHTITEM, idItem, MAKELPARAM(fHighlight, 0));
    }

    // TCS_OWNERDRAWFIXED tabs
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

    DECLARE_MESSAGE_MAP()
};

class CToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    CToolTipCtrl() = default;
    using CWnd::Create;
    // A popup tip window owned by pParentWnd.
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);

    // A tool is a window (nIDTool 0: the tip shows over the whole window,
    // which must be a child of the tip's owner) or an area of a window
    // (nIDTool and lpRectTool).  The text may be LPSTR_TEXTCALLBACK.
    BOOL AddTool(CWnd* pWnd, LPCTSTR lpszText = LPSTR_TEXTCALLBACKA, LPCRECT lpRectTool = nullptr,
                 UINT_PTR nIDTool = 0);
    BOOL AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool = nullptr, UINT_PTR nIDTool = 0);
    void DelTool(CWnd* pWnd, UINT_PTR nIDTool = 0);
    void UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool = 0);
    void SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect);
    void GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    BOOL GetToolInfo(TOOLINFOA& ToolInfo, CWnd* pWnd, UINT_PTR nIDTool = 0) const;
    void SetToolInfo(LPTOOLINFOA lpToolInfo);
    BOOL HitTest(CWnd* pWnd, CPoint pt, LPTOOLINFOA lpToolInfo) const;
    int GetToolCount() const { return (int)SendMessage(TTM_GETTOOLCOUNT); }
    // Fills the identifying part of a TOOLINFO for the tool (pWnd, nIDTool).
    void FillInToolInfo(TOOLINFOA& ti, CWnd* pWnd, UINT_PTR nIDTool) const;

    void Activate(BOOL bActivate) { SendMessage(TTM_ACTIVATE, bActivate); }
    void RelayEvent(LPMSG lpMsg) { SendMessage(TTM_RELAYEVENT, 0, (LPARAM)lpMsg); }
    void SetDelayTime(UINT nDelay) { SendMessage(TTM_SETDELAYTIME, TTDT_AUTOMATIC, (LPARAM)nDelay); }
    void SetDelayTime(DWORD dwDuration, int iTime) {
        SendMessage(TTM_SETDELAYTIME, dwDuration, MAKELPARAM(iTime, 0));
    }
    int GetDelayTime(DWORD dwDuration) const { return (int)SendMessage(TTM_GETDELAYTIME, dwDuration); }
    int SetMaxTipWidth(int iWidth) { return (int)SendMessage(TTM_SETMAXTIPWIDTH, 0, iWidth); }
    int GetMaxTipWidth() const { return (int)SendMessage(TTM_GETMAXTIPWIDTH); }
    void SetTipBkColor(COLORREF clr) { SendMessage(TTM_SETTIPBKCOLOR, clr); }
    COLORREF GetTipBkColor() const { return (COLORREF)SendMessage(TTM_GETTIPBKCOLOR); }
    void SetTipTextColor(COLORREF clr) { SendMessage(TTM_SETTIPTEXTCOLOR, clr); }
    COLORREF GetTipTextColor() const { return (COLORREF)SendMessage(TTM_GETTIPTEXTCOLOR); }
    void SetMargin(LPRECT lprc) { SendMessage(TTM_SETMARGIN, 0, (LPARAM)lprc); }
    void GetMargin(LPRECT lprc) const { SendMessage(TTM_GETMARGIN, 0, (LPARAM)lprc); }
    BOOL SetTitle(UINT uIcon, LPCTSTR lpstrTitle) {
        return (BOOL)SendMessage(TTM_SETTITLEA, uIcon, (LPARAM)lpstrTitle);
    }
    void Pop() { SendMessage(TTM_POP); }
    void Update() { SendMessage(TTM_UPDATE); }
    // Tracking tips (TTF_TRACK tools)
    void TrackActivate(BOOL bActivate, LPTOOLINFOA lpToolInfo) {
        SendMessage(TTM_TRACKACTIVATE, bActivate, (LPARAM)lpToolInfo);
    }
    void TrackPosition(int x, int y) { SendMessage(TTM_TRACKPOSITION, 0, MAKELPARAM(x, y)); }
};

class CToolBarCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolBarCtrl)
public:
    CToolBarCtrl() = default;
    using CWnd::Create;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Buttons
    BOOL EnableButton(int nID, BOOL bEnable = TRUE) { return (BOOL)SendMessage(TB_ENABLEBUTTON, nID, MAKELPARAM(bEnable, 0)); }
    BOOL CheckButton(int nID, BOOL bCheck = TRUE) { return (BOOL)SendMessage(TB_CHECKBUTTON, nID, MAKELPARAM(bCheck, 0)); }
    BOOL PressButton(int nID, BOOL bPress = TRUE) { return (BOOL)SendMessage(TB_PRESSBUTTON, nID, MAKELPARAM(bPress, 0)); }
    BOOL HideButton(int nID, BOOL bHide = TRUE) { return (BOOL)SendMessage(TB_HIDEBUTTON, nID, MAKELPARAM(bHide, 0)); }
    BOOL Indeterminate(int nID, BOOL bIndeterminate = TRUE) {
        return (BOOL)SendMessage(TB_INDETERMINATE, nID, MAKELPARAM(bIndeterminate, 0));
    }
    BOOL IsButtonEnabled(int nID) const { return (BOOL)SendMessage(TB_ISBUTTONENABLED, nID); }
    BOOL IsButtonChecked(int nID) const { return (BOOL)SendMessage(TB_ISBUTTONCHECKED, nID); }
    BOOL IsButtonPressed(int nID) const { return (BOOL)SendMessage(TB_ISBUTTONPRESSED, nID); }
    BOOL IsButtonHidden(int nID) const { return (BOOL)SendMessage(TB_ISBUTTONHIDDEN, nID); }
    BOOL IsButtonIndeterminate(int nID) const { return (BOOL)SendMessage(TB_ISBUTTONINDETERMINATE, nID); }
    BOOL SetState(int nID, UINT nState) { return (BOOL)SendMessage(TB_SETSTATE, nID, MAKELPARAM(nState, 0)); }
    int GetState(int nID) const { return (int)SendMessage(TB_GETSTATE, nID); }
    BOOL AddButtons(int nNumButtons, LPTBBUTTON lpButtons) {
        return (BOOL)SendMessage(TB_ADDBUTTONSA, nNumButtons, (LPARAM)lpButtons);
    }
    BOOL InsertButton(int nIndex, LPTBBUTTON lpButton) {
        return (BOOL)SendMessage(TB_INSERTBUTTONA, nIndex, (LPARAM)lpButton);
    }
    BOOL DeleteButton(int nIndex) { return (BOOL)SendMessage(TB_DELETEBUTTON, nIndex); }
    BOOL MoveButton(UINT nOldPos, UINT nNewPos) { return (BOOL)SendMessage(TB_MOVEBUTTON, nOldPos, nNewPos); }
    BOOL GetButton(int nIndex, LPTBBUTTON lpButton) const {
        return (BOOL)SendMessage(TB_GETBUTTON, nIndex, (LPARAM)lpButton);
    }
    int GetButtonCount() const { return (int)SendMessage(TB_BUTTONCOUNT); }
    UINT CommandToIndex(UINT nID) const { return (UINT)SendMessage(TB_COMMANDTOINDEX, nID); }
    BOOL SetCmdID(int nIndex, UINT nID) { return (BOOL)SendMessage(TB_SETCMDID, nIndex, nID); }
    int GetButtonInfo(UINT nID, TBBUTTONINFOA* ptbbi) const {
        return (int)SendMessage(TB_GETBUTTONINFOA, nID, (LPARAM)ptbbi);
    }
    BOOL SetButtonInfo(UINT nID, TBBUTTONINFOA* ptbbi) {
        return (BOOL)SendMessage(TB_SETBUTTONINFOA, nID, (LPARAM)ptbbi);
    }
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const {
        return (BOOL)SendMessage(TB_GETITEMRECT, nIndex, (LPARAM)lpRect);
    }
    BOOL GetRect(int nID, LPRECT lpRect) const { return (BOOL)SendMessage(TB_GETRECT, nID, (LPARAM)lpRect); }
    // The button index at pt (client coordinates); negative over a separator
    // or outside every button.
    int HitTest(LPPOINT ppt) const { return (int)SendMessage(TB_HITTEST, 0, (LPARAM)ppt); }
    int GetHotItem() const { return (int)SendMessage(TB_GETHOTITEM); }
    int SetHotItem(int nHot) { return (int)SendMessage(TB_SETHOTITEM, nHot); }

    // Bitmaps, strings and sizes
    void SetButtonStructSize(int nSize) { SendMessage(TB_BUTTONSTRUCTSIZE, nSize); }
    BOOL SetBitmapSize(CSize size) { return (BOOL)SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(size.cx, size.cy)); }
    BOOL SetButtonSize(CSize size) { return (BOOL)SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(size.cx, size.cy)); }
    CSize GetButtonSize() const { return CSize((DWORD)SendMessage(TB_GETBUTTONSIZE)); }
    BOOL SetButtonWidth(int cxMin, int cxMax) {
        return (BOOL)SendMessage(TB_SETBUTTONWIDTH, 0, MAKELPARAM(cxMin, cxMax));
    }
    int AddBitmap(int nNumButtons, UINT nBitmapID);
    int AddBitmap(int nNumButtons, CBitmap* pBitmap);
    BOOL ReplaceBitmap(LPTBREPLACEBITMAP pReplaceBitmap) {
        return (BOOL)SendMessage(TB_REPLACEBITMAP, 0, (LPARAM)pReplaceBitmap);
    }
    int AddString(UINT nStringID);
    // A sequence of strings, each terminated, the last followed by a second terminator.
    int AddStrings(LPCTSTR lpszStrings) { return (int)SendMessage(TB_ADDSTRINGA, 0, (LPARAM)lpszStrings); }
    void AutoSize() { SendMessage(TB_AUTOSIZE); }
    int GetRows() const { return (int)SendMessage(TB_GETROWS); }
    void SetRows(int nRows, BOOL bLarger, LPRECT lpRect) {
        SendMessage(TB_SETROWS, MAKEWPARAM(nRows, bLarger), (LPARAM)lpRect);
    }
    UINT GetBitmapFlags() const { return (UINT)SendMessage(TB_GETBITMAPFLAGS); }
    BOOL SetIndent(int iIndent) { return (BOOL)SendMessage(TB_SETINDENT, iIndent); }
    BOOL SetMaxTextRows(int iMaxRows) { return (BOOL)SendMessage(TB_SETMAXTEXTROWS, iMaxRows); }
    DWORD SetDrawTextFlags(DWORD dwMask, DWORD dwDTFlags) {
        return (DWORD)SendMessage(TB_SETDRAWTEXTFLAGS, dwMask, dwDTFlags);
    }
    BOOL GetMaxSize(LPSIZE pSize) const { return (BOOL)SendMessage(TB_GETMAXSIZE, 0, (LPARAM)pSize); }
    DWORD GetExtendedStyle() const { return (DWORD)SendMessage(TB_GETEXTENDEDSTYLE); }
    DWORD SetExtendedStyle(DWORD dwExStyle) { return (DWORD)SendMessage(TB_SETEXTENDEDSTYLE, 0, dwExStyle); }

    // Image lists
    CImageList* SetImageList(CImageList* pImageList) {
        return CImageList::FromHandle((HIMAGELIST)SendMessage(TB_SETIMAGELIST, 0, (LPARAM)pImageList->GetSafeHandle()));
    }
    CImageList* GetImageList() const { return CImageList::FromHandle((HIMAGELIST)SendMessage(TB_GETIMAGELIST)); }
    CImageList* SetHotImageList(CImageList* pImageList) {
        return CImageList::FromHandle(
            (HIMAGELIST)SendMessage(TB_SETHOTIMAGELIST, 0, (LPARAM)pImageList->GetSafeHandle()));
    }
    CImageList* GetHotImageList() const {
        return CImageList::FromHandle((HIMAGELIST)SendMessage(TB_GETHOTIMAGELIST));
    }
    CImageList* SetDisabledImageList(CImageList* pImageList) {
        return CImageList::FromHandle(
            (HIMAGELIST)SendMessage(TB_SETDISABLEDIMAGELIST, 0, (LPARAM)pImageList->GetSafeHandle()));
    }
    CImageList* GetDisabledImageList() const {
        return CImageList::FromHandle((HIMAGELIST)SendMessage(TB_GETDISABLEDIMAGELIST));
    }

    // Relations: the window that receives the toolbar's notifications.
    void SetOwner(CWnd* pWnd) { SendMessage(TB_SETPARENT, (WPARAM)pWnd->GetSafeHwnd()); }
    CToolTipCtrl* GetToolTips() const { return (CToolTipCtrl*)CWnd::FromHandle((HWND)SendMessage(TB_GETTOOLTIPS)); }
    void SetToolTips(CToolTipCtrl* pTip) { SendMessage(TB_SETTOOLTIPS, (WPARAM)pTip->GetSafeHwnd()); }
    BOOL MapAccelerator(TCHAR chAccel, UINT* pIDBtn) {
        return (BOOL)SendMessage(TB_MAPACCELERATORA, (BYTE)chAccel, (LPARAM)pIDBtn);
    }

    // Text rows, highlighting and the insertion mark
    int GetMaxTextRows() const { return (int)SendMessage(TB_GETTEXTROWS); }
    BOOL IsButtonHighlighted(int nID) const { return (BOOL)SendMessage(TB_ISBUTTONHIGHLIGHTED, nID); }
    BOOL MarkButton(int nID, BOOL bHighlight = TRUE) {
        return (BOOL)SendMessage(TB_MARKBUTTON, nID, MAKELPARAM(bHighlight, 0));
    }
    BOOL GetAnchorHighlight() const { return (BOOL)SendMessage(TB_GETANCHORHIGHLIGHT); }
    BOOL SetAnchorHighlight(BOOL bAnchor = TRUE) { return (BOOL)SendMessage(TB_SETANCHORHIGHLIGHT, bAnchor); }
    void GetInsertMark(TBINSERTMARK* ptbim) const { SendMessage(TB_GETINSERTMARK, 0, (LPARAM)ptbim); }
    void SetInsertMark(TBINSERTMARK* ptbim) { SendMessage(TB_SETINSERTMARK, 0, (LPARAM)ptbim); }
    BOOL InsertMarkHitTest(LPPOINT ppt, LPTBINSERTMARK ptbim) const {
        return (BOOL)SendMessage(TB_INSERTMARKHITTEST, (WPARAM)ppt, (LPARAM)ptbim);
    }
    COLORREF GetInsertMarkColor() const { return (COLORREF)SendMessage(TB_GETINSERTMARKCOLOR); }
    COLORREF SetInsertMarkColor(COLORREF clrNew) { return (COLORREF)SendMessage(TB_SETINSERTMARKCOLOR, 0, clrNew); }
    // The control's own style (TB_GETSTYLE), not the window's.
    DWORD GetStyle() const { return (DWORD)SendMessage(TB_GETSTYLE); }
    void SetStyle(DWORD dwStyle) { SendMessage(TB_SETSTYLE, 0, dwStyle); }
    // The control's drop target (IDropTarget), with a reference for the caller.
    HRESULT GetDropTarget(IDropTarget** ppDropTarget) const;
};

class CIPAddressCtrl : public CWnd {
    DECLARE_DYNAMIC(CIPAddressCtrl)
public:
    CIPAddressCtrl() = default;
    using CWnd::Create;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    BOOL IsBlank() const { return (BOOL)SendMessage(IPM_ISBLANK); }
    void ClearAddress() { SendMessage(IPM_CLEARADDRESS); }
    // The number of fields that are not blank.
    int GetAddress(BYTE& nField0, BYTE& nField1, BYTE& nField2, BYTE& nField3) const;
    int GetAddress(DWORD& dwAddress) const { return (int)SendMessage(IPM_GETADDRESS, 0, (LPARAM)&dwAddress); }
    void SetAddress(DWORD dwAddress) { SendMessage(IPM_SETADDRESS, 0, (LPARAM)dwAddress); }
    void SetAddress(BYTE nField0, BYTE nField1, BYTE nField2, BYTE nField3) {
        SetAddress((DWORD)MAKEIPADDRESS(nField0, nField1, nField2, nField3));
    }
    void SetFieldFocus(WORD nField) { SendMessage(IPM_SETFOCUS, nField); }
    void SetFieldRange(int nField, BYTE nLower, BYTE nUpper) {
        SendMessage(IPM_SETRANGE, nField, MAKEIPRANGE(nLower, nUpper));
    }
};

// The address in an IP address control (a blank control saves 0).
void DDX_IPAddress(CDataExchange* pDX, int nIDC, DWORD& value);

class CComboBoxEx : public CComboBox {
    DECLARE_DYNAMIC(CComboBoxEx)
public:
    CComboBoxEx() = default;
    using CWnd::Create;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int DeleteItem(int iIndex) { return (int)SendMessage(CBEM_DELETEITEM, iIndex); }
    BOOL GetItem(COMBOBOXEXITEMA* pCBItem) { return (BOOL)SendMessage(CBEM_GETITEMA, 0, (LPARAM)pCBItem); }
    int InsertItem(const COMBOBOXEXITEMA* pCBItem) { return (int)SendMessage(CBEM_INSERTITEMA, 0, (LPARAM)pCBItem); }
    BOOL SetItem(const COMBOBOXEXITEMA* pCBItem) { return (BOOL)SendMessage(CBEM_SETITEMA, 0, (LPARAM)pCBItem); }
    BOOL HasEditChanged() { return (BOOL)SendMessage(CBEM_HASEDITCHANGED); }
    DWORD GetExtendedStyle() const { return (DWORD)SendMessage(CBEM_GETEXTENDEDSTYLE); }
    DWORD SetExtendedStyle(DWORD dwExMask, DWORD dwExStyles) {
        return (DWORD)SendMessage(CBEM_SETEXTENDEDSTYLE, dwExMask, dwExStyles);
    }
    CEdit* GetEditCtrl() const { return (CEdit*)CWnd::FromHandle((HWND)SendMessage(CBEM_GETEDITCONTROL)); }
    CComboBox* GetComboBoxCtrl() const { return (CComboBox*)CWnd::FromHandle((HWND)SendMessage(CBEM_GETCOMBOCONTROL)); }
    CImageList* GetImageList() const { return CImageList::FromHandle((HIMAGELIST)SendMessage(CBEM_GETIMAGELIST)); }
    CImageList* SetImageList(CImageList* pImageList) {
        return CImageList::FromHandle(
            (HIMAGELIST)SendMessage(CBEM_SETIMAGELIST, 0, (LPARAM)pImageList->GetSafeHandle()));
    }
};

class CAnimateCtrl : public CWnd {
    DECLARE_DYNAMIC(CAnimateCtrl)
public:
    CAnimateCtrl() = default;
    using CWnd::Create;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // A clip from a file, or (nID) from the resources of the module chain.
    BOOL Open(LPCTSTR lpszFileName) { return (BOOL)SendMessage(ACM_OPENA, 0, (LPARAM)lpszFileName); }
    BOOL Open(UINT nID);
    BOOL Play(UINT nFrom, UINT nTo, UINT nRep) { return (BOOL)SendMessage(ACM_PLAY, nRep, MAKELPARAM(nFrom, nTo)); }
    BOOL Stop() { return (BOOL)SendMessage(ACM_STOP); }
    BOOL Close() { return Open(static_cast<LPCTSTR>(nullptr)); }
    BOOL Seek(UINT nTo) { return Play(nTo, nTo, 1); }
};
