#include "win/ctl_common.h"

#include "win/gdiobj.h"

#include <oleidl.h>

#include <cstring>

IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)
IMPLEMENT_DYNAMIC(CSliderCtrl, CWnd)
IMPLEMENT_DYNAMIC(CHotKeyCtrl, CWnd)
IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)
IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)
IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)
IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)
IMPLEMENT_DYNAMIC(CToolBarCtrl, CWnd)
IMPLEMENT_DYNAMIC(CIPAddressCtrl, CWnd)
IMPLEMENT_DYNAMIC(CComboBoxEx, CComboBox)
IMPLEMENT_DYNAMIC(CAnimateCtrl, CWnd)

BOOL AfxInitCommonControls() {
    static const BOOL bDone = [] {
        INITCOMMONCONTROLSEX icc = {};
        icc.dwSize = sizeof(icc);
        icc.dwICC = ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS |
                    ICC_HOTKEY_CLASS | ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_DATE_CLASSES |
                    ICC_INTERNET_CLASSES | ICC_USEREX_CLASSES | ICC_ANIMATE_CLASS;
        return ::InitCommonControlsEx(&icc);
    }();
    return bDone;
}

namespace {

// The module holding string nID: strings live in blocks of sixteen.
HINSTANCE StringModule(UINT nID) {
    return AfxFindResourceHandle(MAKEINTRESOURCEA((nID >> 4) + 1), (LPCTSTR)RT_STRING);
}

}  // namespace

// --- CSpinButtonCtrl --------------------------------------------------------

BOOL CSpinButtonCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControls();
    return CWnd::Create(UPDOWN_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

void CSpinButtonCtrl::GetRange(int& lower, int& upper) const {
    DWORD dw = GetRange();
    lower = (int)(short)HIWORD(dw);
    upper = (int)(short)LOWORD(dw);
}

// --- CSliderCtrl ------------------------------------------------------------

BOOL CSliderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControls();
    return CWnd::Create(TRACKBAR_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

// --- CHotKeyCtrl ------------------------------------------------------------

BOOL CHotKeyCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControls();
    return CWnd::Create(HOTKEY_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

void CHotKeyCtrl::GetHotKey(WORD& wVirtualKeyCode, WORD& wModifiers) const {
    DWORD dw = GetHotKey();
    wVirtualKeyCode = LOBYTE(LOWORD(dw));
    wModifiers = HIBYTE(LOWORD(dw));
}

CString CHotKeyCtrl::GetKeyName(UINT vk, BOOL fExtended) {
    LONG lScan = (LONG)(::MapVirtualKeyA(vk, 0) << 16);
    if (fExtended) lScan |= 0x01000000L;
    char buf[128];
    int n = ::GetKeyNameTextA(lScan, buf, (int)sizeof(buf));
    return CString(buf, n > 0 ? n : 0);
}

CString CHotKeyCtrl::GetHotKeyName() const {
    WORD wCode = 0, wModifiers = 0;
    GetHotKey(wCode, wModifiers);
    CString strName;
    if (wCode == 0 && wModifiers == 0) return strName;
    static const char szPlus[] = " + ";
    if (wModifiers & HOTKEYF_CONTROL) {
        strName += GetKeyName(VK_CONTROL, FALSE);
        strName += szPlus;
    }
    if (wModifiers & HOTKEYF_SHIFT) {
        strName += GetKeyName(VK_SHIFT, FALSE);
        strName += szPlus;
    }
    if (wModifiers & HOTKEYF_ALT) {
        strName += GetKeyName(VK_MENU, FALSE);
        strName += szPlus;
    }
    strName += GetKeyName(wCode, (wModifiers & HOTKEYF_EXT) != 0);
    return strName;
}

// --- CProgressCtrl ----------------------------------------------------------

BOOL CProgressCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControls();
    return CWnd::Create(PROGRESS_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

void CProgressCtrl::GetRange(int& nLower, int& nUpper) const {
    PBRANGE range = {};
    SendMessage(PBM_GETRANGE, FALSE, (LPARAM)&range);
    nLower = range.iLow;
    nUpper = range.iHigh;
}

// --- CHeaderCtrl ------------------------------------------------------------

BEGIN_MESSAGE_MAP(CHeaderCtrl, CWnd)
    ON_WM_DRAWITEM_REFLECT()
END_MESSAGE_MAP()

BOOL CHeaderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControls();
    return CWnd::Create(WC_HEADERA, nullptr, dwStyle, rect, pParentWnd, nID);
}

CImageList* CHeaderCtrl::CreateDragImage(int nIndex) {
    HIMAGELIST hImageList = (HIMAGELIST)SendMessage(HDM_CREATEDRAGIMAGE, nIndex);
    if (hImageList == nullptr) return nullptr;
    CImageList* pImageList = new CImageList;
    pImageList->Attach(hImageList);
    return pImageList;
}

void CHeaderCtrl::DrawItem(LPDRAWITEMSTRUCT) {}

// --- CTabCtrl ---------------------------------------------------------------

BEGIN_MESSAGE_MAP(CTabCtrl, CWnd)
    ON_WM_DRAWITEM_REFLECT()
END_MESSAGE_MAP()

BOOL CTabCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControls();
    return CWnd::Create(WC_TABCONTROLA, nullptr, dwStyle, rect, pParentWnd, nID);
}

LONG CTabCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, int nImage, LPARAM lParam) {
    TCITEMA item = {};
    item.mask = nMask;
    item.pszText = (LPSTR)lpszItem;
    item.iImage = nImage;
    item.lParam = lParam;
    return InsertItem(nItem, &item);
}

LONG CTabCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, int nImage, LPARAM lParam, DWORD dwState,
                          DWORD dwStateMask) {
    TCITEMA item = {};
    item.mask = nMask;
    item.pszText = (LPSTR)lpszItem;
    item.iImage = nImage;
    item.lParam = lParam;
    item.dwState = dwState;
    item.dwStateMask = dwStateMask;
    return InsertItem(nItem, &item);
}

void CTabCtrl::DrawItem(LPDRAWITEMSTRUCT) {}

// --- CToolTipCtrl -----------------------------------------------------------

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle) {
    AfxInitCommonControls();
    BOOL bResult = CWnd::CreateEx(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | dwStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, pParentWnd->GetSafeHwnd(), nullptr, nullptr);
    if (bResult) CWnd::SetOwner(pParentWnd);
    return bResult;
}

void CToolTipCtrl::FillInToolInfo(TOOLINFOA& ti, CWnd* pWnd, UINT_PTR nIDTool) const {
    // The size every version of the control accepts.
    std::memset(&ti, 0, sizeof(ti));
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    HWND hWnd = pWnd->GetSafeHwnd();
    if (nIDTool == 0) {
        ti.hwnd = ::GetParent(hWnd);
        ti.uFlags = TTF_IDISHWND;
        ti.uId = (UINT_PTR)hWnd;
    } else {
        ti.hwnd = hWnd;
        ti.uFlags = 0;
        ti.uId = nIDTool;
    }
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
    if (pWnd->GetSafeHwnd() == nullptr || lpszText == nullptr) return FALSE;
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    if (lpRectTool != nullptr) ti.rect = *lpRectTool;
    ti.lpszText = (LPSTR)lpszText;
    return (BOOL)SendMessage(TTM_ADDTOOLA, 0, (LPARAM)&ti);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool, UINT_PTR nIDTool) {
    if (pWnd->GetSafeHwnd() == nullptr || nIDText == 0) return FALSE;
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    if (lpRectTool != nullptr) ti.rect = *lpRectTool;
    ti.hinst = StringModule(nIDText);
    ti.lpszText = MAKEINTRESOURCEA(nIDText);
    return (BOOL)SendMessage(TTM_ADDTOOLA, 0, (LPARAM)&ti);
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool) {
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    SendMessage(TTM_DELTOOLA, 0, (LPARAM)&ti);
}

void CToolTipCtrl::UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool) {
    if (lpszText == nullptr) return;
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.lpszText = (LPSTR)lpszText;
    SendMessage(TTM_UPDATETIPTEXTA, 0, (LPARAM)&ti);
}

void CToolTipCtrl::UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool) {
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.hinst = StringModule(nIDText);
    ti.lpszText = MAKEINTRESOURCEA(nIDText);
    SendMessage(TTM_UPDATETIPTEXTA, 0, (LPARAM)&ti);
}

void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect) {
    if (lpRect == nullptr) return;
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.rect = *lpRect;
    SendMessage(TTM_NEWTOOLRECTA, 0, (LPARAM)&ti);
}

void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool) const {
    // The control copies at most this many characters (its tip-text limit);
    // newer versions also read the room from wParam.
    const int kRoom = 1024;
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.lpszText = str.GetBuffer(kRoom);
    ti.lpszText[0] = '\0';
    SendMessage(TTM_GETTEXTA, kRoom, (LPARAM)&ti);
    ti.lpszText[kRoom - 1] = '\0';
    str.ReleaseBuffer();
}

BOOL CToolTipCtrl::GetToolInfo(TOOLINFOA& ToolInfo, CWnd* pWnd, UINT_PTR nIDTool) const {
    // lpszText stays null, so the text is not copied (GetText reads it).
    FillInToolInfo(ToolInfo, pWnd, nIDTool);
    return (BOOL)SendMessage(TTM_GETTOOLINFOA, 0, (LPARAM)&ToolInfo);
}

void CToolTipCtrl::SetToolInfo(LPTOOLINFOA lpToolInfo) { SendMessage(TTM_SETTOOLINFOA, 0, (LPARAM)lpToolInfo); }

BOOL CToolTipCtrl::HitTest(CWnd* pWnd, CPoint pt, LPTOOLINFOA lpToolInfo) const {
    TTHITTESTINFOA hti = {};
    hti.ti.cbSize = TTTOOLINFOA_V2_SIZE;
    hti.hwnd = pWnd->GetSafeHwnd();
    hti.pt = pt;
    if (!SendMessage(TTM_HITTESTA, 0, (LPARAM)&hti)) return FALSE;
    if (lpToolInfo != nullptr) std::memcpy(lpToolInfo, &hti.ti, TTTOOLINFOA_V2_SIZE);
    return TRUE;
}

// --- CToolBarCtrl -----------------------------------------------------------

BOOL CToolBarCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControls();
    if (!CWnd::Create(TOOLBARCLASSNAMEA, nullptr, dwStyle, rect, pParentWnd, nID)) return FALSE;
    SetButtonStructSize(sizeof(TBBUTTON));
    return TRUE;
}

int CToolBarCtrl::AddBitmap(int nNumButtons, UINT nBitmapID) {
    TBADDBITMAP tbab = {};
    tbab.hInst = AfxFindResourceHandle(MAKEINTRESOURCEA(nBitmapID), (LPCTSTR)RT_BITMAP);
    tbab.nID = nBitmapID;
    return (int)SendMessage(TB_ADDBITMAP, nNumButtons, (LPARAM)&tbab);
}

int CToolBarCtrl::AddBitmap(int nNumButtons, CBitmap* pBitmap) {
    TBADDBITMAP tbab = {};
    tbab.hInst = nullptr;
    tbab.nID = (UINT_PTR)pBitmap->GetSafeHandle();
    return (int)SendMessage(TB_ADDBITMAP, nNumButtons, (LPARAM)&tbab);
}

HRESULT CToolBarCtrl::GetDropTarget(IDropTarget** ppDropTarget) const {
    if (ppDropTarget == nullptr) return E_POINTER;
    *ppDropTarget = nullptr;
    return (HRESULT)SendMessage(TB_GETOBJECT, (WPARAM)&IID_IDropTarget, (LPARAM)ppDropTarget);
}

int CToolBarCtrl::AddString(UINT nStringID) {
    return (int)SendMessage(TB_ADDSTRINGA, (WPARAM)StringModule(nStringID), nStringID);
}

// --- CIPAddressCtrl, CComboBoxEx, CAnimateCtrl ---------------------------------

BOOL CIPAddressCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControls();
    return CWnd::Create(WC_IPADDRESSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

int CIPAddressCtrl::GetAddress(BYTE& nField0, BYTE& nField1, BYTE& nField2, BYTE& nField3) const {
    DWORD dwAddress = 0;
    int nFields = GetAddress(dwAddress);
    nField0 = static_cast<BYTE>(FIRST_IPADDRESS(dwAddress));
    nField1 = static_cast<BYTE>(SECOND_IPADDRESS(dwAddress));
    nField2 = static_cast<BYTE>(THIRD_IPADDRESS(dwAddress));
    nField3 = static_cast<BYTE>(FOURTH_IPADDRESS(dwAddress));
    return nFields;
}

void DDX_IPAddress(CDataExchange* pDX, int nIDC, DWORD& value) {
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = 0;
        ::SendMessageA(hWndCtrl, IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&value));
    } else {
        ::SendMessageA(hWndCtrl, IPM_SETADDRESS, 0, static_cast<LPARAM>(value));
    }
}

BOOL CComboBoxEx::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControls();
    return CWnd::Create(WC_COMBOBOXEXA, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CAnimateCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControls();
    return CWnd::Create(ANIMATE_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CAnimateCtrl::Open(UINT nID) {
    // The control loads the clip from the module it was created with: find
    // the module of the chain that has it.
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCEA(nID), "AVI");
    return (BOOL)SendMessage(ACM_OPENA, reinterpret_cast<WPARAM>(hInst), reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(nID)));
}
