#include "win/toolbar.h"

#include "win/frame.h"

#include <algorithm>
#include <vector>

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

namespace {

// The layout of a toolbar resource.
struct CToolBarData {
    WORD wVersion;
    WORD wWidth;
    WORD wHeight;
    WORD wItemCount;
    // WORD aItems[wItemCount]
};

// Updates one toolbar button the way a menu item is updated.
class CToolCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn) override {
        m_bEnableChanged = TRUE;
        CToolBar* pBar = static_cast<CToolBar*>(m_pOther);
        UINT nStyle = pBar->GetButtonStyle(static_cast<int>(m_nIndex)) & ~TBBS_DISABLED;
        // A disabled button cannot stay pressed.
        if (!bOn) nStyle = (nStyle | TBBS_DISABLED) & ~TBBS_PRESSED;
        pBar->SetButtonStyle(static_cast<int>(m_nIndex), nStyle);
    }
    void SetCheck(int nCheck) override {
        CToolBar* pBar = static_cast<CToolBar*>(m_pOther);
        UINT nStyle = pBar->GetButtonStyle(static_cast<int>(m_nIndex)) & ~(TBBS_CHECKED | TBBS_INDETERMINATE);
        if (nCheck == 1) nStyle |= TBBS_CHECKED;
        else if (nCheck == 2) nStyle |= TBBS_INDETERMINATE;
        pBar->SetButtonStyle(static_cast<int>(m_nIndex), nStyle | TBBS_CHECKBOX);
    }
    void SetText(LPCTSTR) override {}  // toolbar buttons keep their text
};

}  // namespace

CToolBar::CToolBar() {
    m_cxLeftBorder = m_cxRightBorder = 1;
    m_cyTopBorder = m_cyBottomBorder = 1;
}

CToolBar::~CToolBar() {
    // The control draws from the image well: it goes first.  The object is
    // going already, so the window's end must not delete it again.
    m_bAutoDelete = FALSE;
    DestroyWindow();
    if (m_hbmImageWell) ::DeleteObject(m_hbmImageWell);
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    return CreateEx(pParentWnd, 0, dwStyle, CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder),
                    nID);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders, UINT nID) {
    if (pParentWnd == nullptr || pParentWnd->GetSafeHwnd() == nullptr) return FALSE;
    SetBorders(rcBorders.left, rcBorders.top, rcBorders.right, rcBorders.bottom);
    m_dwStyle = dwStyle & CBRS_ALL;
    // The bar places itself: the control must not move or size itself.
    // With CBRS_TOOLTIPS the buttons' tips come from their commands' strings
    // (the frame answers TTN_NEEDTEXT).
    const DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | dwCtrlStyle | CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER |
                             CCS_NORESIZE | ((dwStyle & CBRS_TOOLTIPS) ? TBSTYLE_TOOLTIPS : 0);
    if (!CWnd::Create(TOOLBARCLASSNAMEA, nullptr, dwWndStyle, CRect(0, 0, 0, 0), pParentWnd, nID)) return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    SetSizes(m_sizeButton, m_sizeImage);
    return TRUE;
}

BOOL CToolBar::LoadToolBar(LPCTSTR lpszResourceName) {
    if (GetSafeHwnd() == nullptr || lpszResourceName == nullptr) return FALSE;
    const HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_TOOLBAR);
    const HRSRC hRsrc = ::FindResourceA(hInst, lpszResourceName, RT_TOOLBAR);
    if (hRsrc == nullptr) return FALSE;
    const HGLOBAL hGlobal = ::LoadResource(hInst, hRsrc);
    const DWORD cbSize = ::SizeofResource(hInst, hRsrc);
    const auto* pData = static_cast<const CToolBarData*>(hGlobal ? ::LockResource(hGlobal) : nullptr);
    if (pData == nullptr || cbSize < sizeof(CToolBarData) || pData->wVersion != 1 ||
        cbSize < sizeof(CToolBarData) + pData->wItemCount * sizeof(WORD))
        return FALSE;

    const WORD* pItems = reinterpret_cast<const WORD*>(pData + 1);
    std::vector<UINT> ids(pItems, pItems + pData->wItemCount);
    if (!SetButtons(ids.data(), static_cast<int>(ids.size()))) return FALSE;
    const CSize sizeImage(pData->wWidth, pData->wHeight);
    SetSizes(CSize(sizeImage.cx + 7, sizeImage.cy + 7), sizeImage);
    return LoadBitmap(lpszResourceName);
}

BOOL CToolBar::LoadBitmap(LPCTSTR lpszResourceName) {
    if (lpszResourceName == nullptr) return FALSE;
    const HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
    // Black, dark grey, light grey and white become the system's 3D colours.
    HBITMAP hbm = ::CreateMappedBitmap(hInst, reinterpret_cast<INT_PTR>(lpszResourceName), 0, nullptr, 0);
    if (hbm == nullptr && !IS_INTRESOURCE(lpszResourceName))
        hbm = static_cast<HBITMAP>(::LoadImageA(hInst, lpszResourceName, IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
    return hbm != nullptr && SetBitmap(hbm);
}

BOOL CToolBar::SetBitmap(HBITMAP hbmImageWell) {
    if (GetSafeHwnd() == nullptr || hbmImageWell == nullptr) return FALSE;
    BITMAP bm = {};
    ::GetObjectA(hbmImageWell, sizeof bm, &bm);
    const int nImages = m_sizeImage.cx > 0 ? bm.bmWidth / m_sizeImage.cx : 0;
    BOOL bResult;
    if (m_hbmImageWell) {
        TBREPLACEBITMAP rb = {nullptr, reinterpret_cast<UINT_PTR>(m_hbmImageWell), nullptr,
                              reinterpret_cast<UINT_PTR>(hbmImageWell), nImages};
        bResult = static_cast<BOOL>(SendMessage(TB_REPLACEBITMAP, 0, reinterpret_cast<LPARAM>(&rb)));
    } else {
        TBADDBITMAP ab = {nullptr, reinterpret_cast<UINT_PTR>(hbmImageWell)};
        bResult = SendMessage(TB_ADDBITMAP, nImages, reinterpret_cast<LPARAM>(&ab)) != -1;
    }
    if (!bResult) {
        ::DeleteObject(hbmImageWell);
        return FALSE;
    }
    if (m_hbmImageWell) ::DeleteObject(m_hbmImageWell);
    m_hbmImageWell = hbmImageWell;
    m_nImages = nImages;
    return TRUE;
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount) {
    if (GetSafeHwnd() == nullptr || nIDCount < 0) return FALSE;
    while (SendMessage(TB_DELETEBUTTON, 0)) {
    }
    std::vector<TBBUTTON> buttons(static_cast<size_t>(nIDCount));
    int iImage = 0;
    for (int i = 0; i < nIDCount; ++i) {
        TBBUTTON& b = buttons[static_cast<size_t>(i)];
        b = TBBUTTON{};
        b.fsState = TBSTATE_ENABLED;
        if (lpIDArray == nullptr || lpIDArray[i] == 0) {
            b.fsStyle = TBSTYLE_SEP;
            b.iBitmap = 8;  // a separator's width
        } else {
            b.idCommand = static_cast<int>(lpIDArray[i]);
            b.fsStyle = TBSTYLE_BUTTON;
            b.iBitmap = iImage++;
        }
    }
    return nIDCount == 0 ||
           static_cast<BOOL>(SendMessage(TB_ADDBUTTONSA, nIDCount, reinterpret_cast<LPARAM>(buttons.data())));
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage) {
    m_sizeButton = sizeButton;
    m_sizeImage = sizeImage;
    if (GetSafeHwnd() == nullptr) return;
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(sizeImage.cx, sizeImage.cy));
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(sizeButton.cx, sizeButton.cy));
}

void CToolBar::SetHeight(int cyHeight) {
    m_cyTopBorder = m_cyBottomBorder = std::max(0, (cyHeight - static_cast<int>(m_sizeButton.cy)) / 2);
}

int CToolBar::GetCount() const {
    return GetSafeHwnd() ? static_cast<int>(SendMessage(TB_BUTTONCOUNT)) : 0;
}

int CToolBar::CommandToIndex(UINT nIDFind) const {
    return GetSafeHwnd() ? static_cast<int>(SendMessage(TB_COMMANDTOINDEX, nIDFind)) : -1;
}

BOOL CToolBar::GetButton(int nIndex, TBBUTTON* pButton) const {
    *pButton = TBBUTTON{};
    return GetSafeHwnd() && nIndex >= 0 &&
           static_cast<BOOL>(SendMessage(TB_GETBUTTON, nIndex, reinterpret_cast<LPARAM>(pButton)));
}

UINT CToolBar::GetItemID(int nIndex) const {
    TBBUTTON b;
    return GetButton(nIndex, &b) && !(b.fsStyle & TBSTYLE_SEP) ? static_cast<UINT>(b.idCommand) : 0;
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const {
    if (lpRect == nullptr) return;
    if (!GetSafeHwnd() || !SendMessage(TB_GETITEMRECT, nIndex, reinterpret_cast<LPARAM>(lpRect)))
        ::SetRectEmpty(lpRect);
}

UINT CToolBar::GetButtonStyle(int nIndex) const {
    TBBUTTON b;
    if (!GetButton(nIndex, &b)) return 0;
    // TBBS_DISABLED is the enabled state bit, inverted.
    return MAKELONG(b.fsStyle, b.fsState ^ TBSTATE_ENABLED);
}

void CToolBar::SetButtonStyle(int nIndex, UINT nStyle) {
    TBBUTTON b;
    if (!GetButton(nIndex, &b)) return;
    const BYTE fsStyle = static_cast<BYTE>(LOWORD(nStyle));
    const BYTE fsState = static_cast<BYTE>(HIWORD(nStyle) ^ TBSTATE_ENABLED);
    if (b.fsStyle == fsStyle && b.fsState == fsState) return;
    TBBUTTONINFOA info = {};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_STYLE | TBIF_STATE | TBIF_BYINDEX;
    info.fsStyle = fsStyle;
    info.fsState = fsState;
    SendMessage(TB_SETBUTTONINFOA, nIndex, reinterpret_cast<LPARAM>(&info));
}

void CToolBar::GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const {
    TBBUTTON b;
    const BOOL bFound = GetButton(nIndex, &b);
    nID = bFound ? static_cast<UINT>(b.idCommand) : 0;
    nStyle = bFound ? MAKELONG(b.fsStyle, b.fsState ^ TBSTATE_ENABLED) : 0;
    iImage = bFound ? b.iBitmap : 0;
}

void CToolBar::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage) {
    TBBUTTON b;
    if (!GetButton(nIndex, &b)) return;
    TBBUTTONINFOA info = {};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_COMMAND | TBIF_IMAGE | TBIF_BYINDEX;
    info.idCommand = static_cast<int>(nID);
    info.iImage = iImage;  // a separator's width
    SendMessage(TB_SETBUTTONINFOA, nIndex, reinterpret_cast<LPARAM>(&info));
    SetButtonStyle(nIndex, nStyle);
}

CString CToolBar::GetButtonText(int nIndex) const {
    CString str;
    TBBUTTONINFOA info = {};
    char sz[256] = {};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_TEXT | TBIF_BYINDEX;
    info.pszText = sz;
    info.cchText = sizeof sz;
    if (GetSafeHwnd() && SendMessage(TB_GETBUTTONINFOA, nIndex, reinterpret_cast<LPARAM>(&info)) != -1) str = sz;
    return str;
}

BOOL CToolBar::SetButtonText(int nIndex, LPCTSTR lpszText) {
    if (!GetSafeHwnd() || lpszText == nullptr) return FALSE;
    TBBUTTONINFOA info = {};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_TEXT | TBIF_BYINDEX;
    info.pszText = const_cast<LPSTR>(lpszText);
    return static_cast<BOOL>(SendMessage(TB_SETBUTTONINFOA, nIndex, reinterpret_cast<LPARAM>(&info)));
}

CSize CToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
    // The buttons in one row (or column), plus the borders.
    CSize sizeButtons(0, 0);
    for (int i = 0, n = GetCount(); i < n; ++i) {
        CRect rc;
        GetItemRect(i, &rc);
        if (bHorz) {
            sizeButtons.cx += rc.Width();
            sizeButtons.cy = std::max(sizeButtons.cy, static_cast<LONG>(rc.Height()));
        } else {
            sizeButtons.cx = std::max(sizeButtons.cx, static_cast<LONG>(rc.Width()));
            sizeButtons.cy += rc.Height();
        }
    }
    CSize size = CControlBar::CalcFixedLayout(bStretch, bHorz);
    if (bHorz) {
        if (!bStretch) size.cx += sizeButtons.cx;
        size.cy += std::max(sizeButtons.cy, m_sizeButton.cy);
    } else {
        size.cx += std::max(sizeButtons.cx, m_sizeButton.cx);
        if (!bStretch) size.cy += sizeButtons.cy;
    }
    return size;
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
    OnUpdateCmdUIOutsideFrame(pTarget, bDisableIfNoHndler);
}

void CToolBar::OnUpdateCmdUIOutsideFrame(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
    CToolCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(GetCount());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        TBBUTTON b;
        if (!GetButton(static_cast<int>(state.m_nIndex), &b) || (b.fsStyle & TBSTYLE_SEP)) continue;
        state.m_nID = static_cast<UINT>(b.idCommand);
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}
