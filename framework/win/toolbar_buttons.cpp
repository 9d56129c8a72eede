#include "win/toolbar_buttons.h"

#include "base/toolbar_resource.h"
#include "win/afxstate.h"
#include "win/cmdtarget.h"
#include "win/toolbar.h"

#include <vector>

namespace {

// Updates one toolbar button the way a menu item is updated.
class CToolCmdUI : public CCmdUI {
public:
    explicit CToolCmdUI(CToolBarButtons& buttons) : m_buttons(buttons) {}
    void Enable(BOOL bOn) override {
        m_bEnableChanged = TRUE;
        const int nIndex = static_cast<int>(m_nIndex);
        UINT nStyle = m_buttons.GetButtonStyle(nIndex) & ~TBBS_DISABLED;
        // A disabled button cannot stay pressed.
        if (!bOn) nStyle = (nStyle | TBBS_DISABLED) & ~TBBS_PRESSED;
        m_buttons.SetButtonStyle(nIndex, nStyle);
    }
    void SetCheck(int nCheck) override {
        const int nIndex = static_cast<int>(m_nIndex);
        UINT nStyle = m_buttons.GetButtonStyle(nIndex) & ~(TBBS_CHECKED | TBBS_INDETERMINATE);
        if (nCheck == 1) nStyle |= TBBS_CHECKED;
        else if (nCheck == 2) nStyle |= TBBS_INDETERMINATE;
        m_buttons.SetButtonStyle(nIndex, nStyle | TBBS_CHECKBOX);
    }
    void SetText(LPCTSTR) override {}  // toolbar buttons keep their text

private:
    CToolBarButtons& m_buttons;
};

}  // namespace

CToolBarButtons::~CToolBarButtons() {
    ASSERT(!HasWindow());  // the control draws from the image well
    if (m_hbmImageWell) ::DeleteObject(m_hbmImageWell);
}

LRESULT CToolBarButtons::Send(UINT message, WPARAM wParam, LPARAM lParam) const {
    return m_pBar->SendMessage(message, wParam, lParam);
}

BOOL CToolBarButtons::LoadToolBar(LPCTSTR lpszResourceName) {
    if (!HasWindow() || lpszResourceName == nullptr) return FALSE;
    const HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_TOOLBAR);
    const HRSRC hRsrc = ::FindResourceA(hInst, lpszResourceName, RT_TOOLBAR);
    if (hRsrc == nullptr) return FALSE;
    const HGLOBAL hGlobal = ::LoadResource(hInst, hRsrc);
    const void* pData = hGlobal ? ::LockResource(hGlobal) : nullptr;
    AFX_TOOLBAR_RESOURCE res;
    if (pData == nullptr || !AfxReadToolBarResource(pData, ::SizeofResource(hInst, hRsrc), res)) return FALSE;

    std::vector<UINT> ids(static_cast<size_t>(res.nItems));
    for (int i = 0; i < res.nItems; ++i) ids[static_cast<size_t>(i)] = res.GetItem(i);
    if (!SetButtons(ids.data(), res.nItems)) return FALSE;
    const CSize sizeImage(res.cxImage, res.cyImage);
    SetSizes(CSize(sizeImage.cx + 7, sizeImage.cy + 7), sizeImage);
    return LoadBitmap(lpszResourceName);
}

BOOL CToolBarButtons::LoadBitmap(LPCTSTR lpszResourceName) {
    if (lpszResourceName == nullptr) return FALSE;
    const HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
    // Black, dark grey, light grey and white become the system's 3D colours.
    HBITMAP hbm = ::CreateMappedBitmap(hInst, reinterpret_cast<INT_PTR>(lpszResourceName), 0, nullptr, 0);
    if (hbm == nullptr && !IS_INTRESOURCE(lpszResourceName))
        hbm = static_cast<HBITMAP>(::LoadImageA(hInst, lpszResourceName, IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
    if (hbm == nullptr || !SetBitmap(hbm)) return FALSE;
    m_hInstImageWell = hInst;
    m_nIDImageWell = IS_INTRESOURCE(lpszResourceName) ? reinterpret_cast<UINT_PTR>(lpszResourceName) : 0;
    m_strImageWell = IS_INTRESOURCE(lpszResourceName) ? CString() : CString(lpszResourceName);
    return TRUE;
}

void CToolBarButtons::ReloadBitmap() {
    // The greys of the images follow the new system colours.
    if (m_hInstImageWell == nullptr || m_hbmImageWell == nullptr) return;
    const HINSTANCE hInst = m_hInstImageWell;
    const UINT_PTR nID = m_nIDImageWell;
    const CString strName = m_strImageWell;
    HBITMAP hbm = nullptr;
    if (nID != 0)
        hbm = ::CreateMappedBitmap(hInst, static_cast<INT_PTR>(nID), 0, nullptr, 0);
    else
        hbm = static_cast<HBITMAP>(::LoadImageA(hInst, strName, IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
    if (hbm != nullptr && SetBitmap(hbm)) {
        // Still the resource's bitmap: the next change maps it again.
        m_hInstImageWell = hInst;
        m_nIDImageWell = nID;
        m_strImageWell = strName;
    }
    m_pBar->Invalidate();
}

BOOL CToolBarButtons::SetBitmap(HBITMAP hbmImageWell) {
    if (!HasWindow() || hbmImageWell == nullptr) return FALSE;
    BITMAP bm = {};
    ::GetObjectA(hbmImageWell, sizeof bm, &bm);
    const int nImages = m_sizeImage.cx > 0 ? bm.bmWidth / m_sizeImage.cx : 0;
    BOOL bResult;
    if (m_hbmImageWell) {
        TBREPLACEBITMAP rb = {nullptr, reinterpret_cast<UINT_PTR>(m_hbmImageWell), nullptr,
                              reinterpret_cast<UINT_PTR>(hbmImageWell), nImages};
        bResult = static_cast<BOOL>(Send(TB_REPLACEBITMAP, 0, reinterpret_cast<LPARAM>(&rb)));
    } else {
        TBADDBITMAP ab = {nullptr, reinterpret_cast<UINT_PTR>(hbmImageWell)};
        bResult = Send(TB_ADDBITMAP, nImages, reinterpret_cast<LPARAM>(&ab)) != -1;
    }
    if (!bResult) {
        ::DeleteObject(hbmImageWell);
        return FALSE;
    }
    if (m_hbmImageWell) ::DeleteObject(m_hbmImageWell);
    m_hbmImageWell = hbmImageWell;
    m_hInstImageWell = nullptr;  // LoadBitmap sets it again for a resource
    return TRUE;
}

BOOL CToolBarButtons::SetButtons(const UINT* lpIDArray, int nIDCount) {
    if (!HasWindow() || nIDCount < 0) return FALSE;
    while (Send(TB_DELETEBUTTON, 0)) {
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
    return nIDCount == 0 || static_cast<BOOL>(Send(TB_ADDBUTTONSA, nIDCount, reinterpret_cast<LPARAM>(buttons.data())));
}

void CToolBarButtons::SetSizes(SIZE sizeButton, SIZE sizeImage) {
    m_sizeButton = sizeButton;
    m_sizeImage = sizeImage;
    if (!HasWindow()) return;
    Send(TB_SETBITMAPSIZE, 0, MAKELPARAM(sizeImage.cx, sizeImage.cy));
    Send(TB_SETBUTTONSIZE, 0, MAKELPARAM(sizeButton.cx, sizeButton.cy));
    m_pBar->Invalidate();
}

int CToolBarButtons::GetCount() const { return HasWindow() ? static_cast<int>(Send(TB_BUTTONCOUNT)) : 0; }

int CToolBarButtons::CommandToIndex(UINT nIDFind) const {
    return HasWindow() ? static_cast<int>(Send(TB_COMMANDTOINDEX, nIDFind)) : -1;
}

BOOL CToolBarButtons::GetButton(int nIndex, TBBUTTON* pButton) const {
    *pButton = TBBUTTON{};
    return HasWindow() && nIndex >= 0 &&
           static_cast<BOOL>(Send(TB_GETBUTTON, nIndex, reinterpret_cast<LPARAM>(pButton)));
}

UINT CToolBarButtons::GetItemID(int nIndex) const {
    TBBUTTON b;
    return GetButton(nIndex, &b) && !(b.fsStyle & TBSTYLE_SEP) ? static_cast<UINT>(b.idCommand) : 0;
}

void CToolBarButtons::GetItemRect(int nIndex, LPRECT lpRect) const {
    if (lpRect == nullptr) return;
    if (!HasWindow() || !Send(TB_GETITEMRECT, nIndex, reinterpret_cast<LPARAM>(lpRect))) ::SetRectEmpty(lpRect);
}

UINT CToolBarButtons::GetButtonStyle(int nIndex) const {
    TBBUTTON b;
    if (!GetButton(nIndex, &b)) return 0;
    // TBBS_DISABLED is the enabled state bit, inverted.
    return MAKELONG(b.fsStyle, b.fsState ^ TBSTATE_ENABLED);
}

void CToolBarButtons::SetButtonStyle(int nIndex, UINT nStyle) {
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
    Send(TB_SETBUTTONINFOA, nIndex, reinterpret_cast<LPARAM>(&info));
}

void CToolBarButtons::GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const {
    TBBUTTON b;
    const BOOL bFound = GetButton(nIndex, &b);
    nID = bFound ? static_cast<UINT>(b.idCommand) : 0;
    nStyle = bFound ? MAKELONG(b.fsStyle, b.fsState ^ TBSTATE_ENABLED) : 0;
    iImage = bFound ? b.iBitmap : 0;
}

void CToolBarButtons::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage) {
    TBBUTTON b;
    if (!GetButton(nIndex, &b)) return;
    TBBUTTONINFOA info = {};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_COMMAND | TBIF_IMAGE | TBIF_BYINDEX;
    info.idCommand = static_cast<int>(nID);
    info.iImage = iImage;  // a separator's width
    Send(TB_SETBUTTONINFOA, nIndex, reinterpret_cast<LPARAM>(&info));
    SetButtonStyle(nIndex, nStyle);
}

CString CToolBarButtons::GetButtonText(int nIndex) const {
    CString str;
    TBBUTTONINFOA info = {};
    char sz[256] = {};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_TEXT | TBIF_BYINDEX;
    info.pszText = sz;
    info.cchText = sizeof sz;
    if (HasWindow() && Send(TB_GETBUTTONINFOA, nIndex, reinterpret_cast<LPARAM>(&info)) != -1) str = sz;
    return str;
}

BOOL CToolBarButtons::SetButtonText(int nIndex, LPCTSTR lpszText) {
    if (!HasWindow() || lpszText == nullptr) return FALSE;
    TBBUTTONINFOA info = {};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_TEXT | TBIF_BYINDEX;
    info.pszText = const_cast<LPSTR>(lpszText);
    return static_cast<BOOL>(Send(TB_SETBUTTONINFOA, nIndex, reinterpret_cast<LPARAM>(&info)));
}

void CToolBarButtons::ReadLayout(AFX_TBLAYOUTBUTTON* pButtons, int nCount) const {
    for (int i = 0; i < nCount; ++i) {
        TBBUTTON b;
        GetButton(i, &b);
        pButtons[i].fsStyle = b.fsStyle;
        pButtons[i].fsState = b.fsState;
        pButtons[i].idCommand = b.idCommand;
    }
}

void CToolBarButtons::CommitLayout(const AFX_TBLAYOUTBUTTON* pButtons, int nCount) {
    for (int i = 0; i < nCount; ++i) {
        TBBUTTON b;
        if (!GetButton(i, &b) || b.fsState == pButtons[i].fsState) continue;
        TBBUTTONINFOA info = {};
        info.cbSize = sizeof info;
        info.dwMask = TBIF_STATE | TBIF_BYINDEX;
        info.fsState = pButtons[i].fsState;
        Send(TB_SETBUTTONINFOA, i, reinterpret_cast<LPARAM>(&info));
    }
}

CSize CToolBarButtons::GetButtonsExtent() const {
    CRect rectAll(0, 0, 0, 0);
    const int nCount = GetCount();
    for (int i = 0; i < nCount; ++i) {
        // A separator that ends a row lies across the bar, as wide as the
        // control likes: the rows' buttons say how wide the layout is.
        TBBUTTON b;
        if (GetButton(i, &b) && (b.fsStyle & TBSTYLE_SEP) && (b.fsState & TBSTATE_WRAP)) continue;
        CRect rc;
        GetItemRect(i, &rc);
        if (!rc.IsRectEmpty()) rectAll.UnionRect(&rectAll, &rc);
    }
    return CSize(rectAll.right, rectAll.bottom);
}

INT_PTR CToolBarButtons::ToolHitTest(CPoint point, TOOLINFOA* pTI) const {
    if (!HasWindow()) return -1;
    POINT pt = point;
    const int nIndex = static_cast<int>(Send(TB_HITTEST, 0, reinterpret_cast<LPARAM>(&pt)));
    if (nIndex < 0 || nIndex >= GetCount()) return -1;
    TBBUTTON b;
    if (!GetButton(nIndex, &b) || (b.fsStyle & TBSTYLE_SEP) || b.idCommand == 0) return -1;
    // TB_HITTEST also answers for a point beside the last button.
    CRect rect;
    GetItemRect(nIndex, &rect);
    if (!rect.PtInRect(point)) return -1;
    const INT_PTR nHit = b.idCommand;
    if (pTI != nullptr) {
        pTI->hwnd = m_pBar->m_hWnd;
        pTI->rect = rect;
        pTI->uId = static_cast<UINT_PTR>(nHit);
        pTI->lpszText = LPSTR_TEXTCALLBACKA;
    }
    return nHit;
}

void CToolBarButtons::UpdateCmdUI(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
    CToolCmdUI state(*this);
    state.m_pOther = m_pBar;
    state.m_nIndexMax = static_cast<UINT>(GetCount());
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        TBBUTTON b;
        if (!GetButton(static_cast<int>(state.m_nIndex), &b) || (b.fsStyle & TBSTYLE_SEP)) continue;
        state.m_nID = static_cast<UINT>(b.idCommand);
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}
