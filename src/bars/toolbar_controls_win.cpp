// CKXToolBar: ordinary controls standing in the button row, each over a
// separator as wide as the control that keeps the control's command.
#include "bars/toolbar.h"

namespace {

// The framework's standard controls: made directly, of their window class
// (as is any class derived from one); any other class must be able to
// create itself.
struct KX_STANDARD_CONTROL {
    CRuntimeClass* pClass;
    LPCTSTR lpszWindowClass;
    CWnd* (*pfnNew)();
};

template <class T>
CWnd* NewOf() {
    return new T;
}

const KX_STANDARD_CONTROL* FindStandard(CRuntimeClass* pClass) {
    static const KX_STANDARD_CONTROL kControls[] = {
        {RUNTIME_CLASS(CComboBox), "COMBOBOX", NewOf<CComboBox>},
        {RUNTIME_CLASS(CEdit), "EDIT", NewOf<CEdit>},
        {RUNTIME_CLASS(CButton), "BUTTON", NewOf<CButton>},
        {RUNTIME_CLASS(CStatic), "STATIC", NewOf<CStatic>},
        {RUNTIME_CLASS(CListBox), "LISTBOX", NewOf<CListBox>},
        {RUNTIME_CLASS(CScrollBar), "SCROLLBAR", NewOf<CScrollBar>},
    };
    for (const KX_STANDARD_CONTROL& control : kControls)
        if (pClass != nullptr && pClass->IsDerivedFrom(control.pClass)) return &control;
    return nullptr;
}

CWnd* NewControl(CRuntimeClass* pClass) {
    if (const KX_STANDARD_CONTROL* pStandard = FindStandard(pClass); pStandard && pStandard->pClass == pClass)
        return pStandard->pfnNew();
    if (pClass == nullptr || !pClass->IsDerivedFrom(RUNTIME_CLASS(CWnd))) return nullptr;
    return static_cast<CWnd*>(pClass->CreateObject());
}

}  // namespace

CWnd* CKXToolBar::InsertControl(CRuntimeClass* pClass, LPCTSTR lpszWindowName, CRect& rect, UINT nID,
                                DWORD dwStyle) {
    if (GetSafeHwnd() == nullptr || CommandToIndex(nID) < 0) return nullptr;
    CWnd* pCtrl = NewControl(pClass);
    if (pCtrl == nullptr) return nullptr;
    const KX_STANDARD_CONTROL* pStandard = FindStandard(pCtrl->GetRuntimeClass());
    LPCTSTR lpszClass = pStandard != nullptr ? pStandard->lpszWindowClass : nullptr;
    const DWORD dwWndStyle = dwStyle | WS_CHILD | WS_VISIBLE;
    const BOOL bCreated = lpszClass != nullptr
                              ? pCtrl->CreateEx(0, lpszClass, lpszWindowName, dwWndStyle, rect, this, nID)
                              : pCtrl->Create(nullptr, lpszWindowName, dwWndStyle, rect, this, nID);
    if (!bCreated || InsertControl(pCtrl, rect, nID) == nullptr) {
        if (pCtrl->GetSafeHwnd() != nullptr) pCtrl->DestroyWindow();
        delete pCtrl;
        return nullptr;
    }
    m_ownedControls.AddTail(pCtrl);
    return pCtrl;
}

CWnd* CKXToolBar::InsertControl(CWnd* pCtrl, CRect& rect, UINT nID) {
    const int nIndex = CommandToIndex(nID);
    if (pCtrl == nullptr || pCtrl->GetSafeHwnd() == nullptr || nIndex < 0) return nullptr;
    // The button gives its place to the control: a separator as wide as
    // the control, keeping the command so that the row knows who stands there.
    SetButtonInfo(nIndex, nID, TBBS_SEPARATOR, rect.Width());
    if (pCtrl->GetParent() != this) pCtrl->SetParent(this);
    if (pCtrl->GetDlgCtrlID() != static_cast<int>(nID)) ::SetWindowLongPtrA(pCtrl->m_hWnd, GWLP_ID, nID);
    if (HFONT hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)))
        pCtrl->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont));
    if (m_pControls == nullptr) m_pControls = new CObList;
    if (m_pControls->Find(pCtrl) == nullptr) m_pControls->AddTail(pCtrl);
    RepositionButtonCtrl();
    return pCtrl;
}

CWnd* CKXToolBar::GetButtonCtrl(int nIndex) const {
    TBBUTTON b;
    if (m_pControls == nullptr || !m_buttons.GetButton(nIndex, &b) || !(b.fsStyle & TBSTYLE_SEP) || b.idCommand == 0)
        return nullptr;
    for (POSITION pos = m_pControls->GetHeadPosition(); pos != nullptr;) {
        CWnd* pCtrl = static_cast<CWnd*>(m_pControls->GetNext(pos));
        if (pCtrl->GetSafeHwnd() != nullptr && pCtrl->GetDlgCtrlID() == b.idCommand) return pCtrl;
    }
    return nullptr;
}

void CKXToolBar::RepositionButtonCtrl() {
    if (m_pControls == nullptr || GetSafeHwnd() == nullptr) return;
    for (POSITION pos = m_pControls->GetHeadPosition(); pos != nullptr;) {
        CWnd* pCtrl = static_cast<CWnd*>(m_pControls->GetNext(pos));
        if (pCtrl->GetSafeHwnd() == nullptr) continue;
        const int nIndex = CommandToIndex(static_cast<UINT>(pCtrl->GetDlgCtrlID()));
        TBBUTTON b;
        CRect rcButton;
        GetItemRect(nIndex, &rcButton);
        // A place the row hides, or one lying across the bar, shows no control.
        const bool bShow = m_buttons.GetButton(nIndex, &b) && !(b.fsState & (TBSTATE_HIDDEN | TBSTATE_WRAP)) &&
                           !rcButton.IsRectEmpty();
        if (!bShow) {
            pCtrl->ShowWindow(SW_HIDE);
            continue;
        }
        CRect rcCtrl;
        pCtrl->GetWindowRect(&rcCtrl);
        const CRect rcPlace = KXToolBarControlRect(rcButton, rcCtrl.Height());
        pCtrl->SetWindowPos(nullptr, rcPlace.left, rcPlace.top, rcPlace.Width(), rcPlace.Height(),
                            SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
}

void CKXToolBar::DestroyControls() {
    if (m_pControls != nullptr) {
        for (POSITION pos = m_pControls->GetHeadPosition(); pos != nullptr;) {
            CWnd* pCtrl = static_cast<CWnd*>(m_pControls->GetNext(pos));
            if (pCtrl->GetSafeHwnd() != nullptr) pCtrl->DestroyWindow();
        }
        delete m_pControls;
        m_pControls = nullptr;
    }
    while (!m_ownedControls.IsEmpty()) delete static_cast<CWnd*>(m_ownedControls.RemoveHead());
}
