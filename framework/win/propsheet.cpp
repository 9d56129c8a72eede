#include "win/propsheet.h"

#include "win/winapp.h"

#include <shlwapi.h>

#include <cstring>

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)
IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

// --- structure sizes ---------------------------------------------------------

DWORD AfxGetComCtlVersion() {
    static DWORD version = [] {
        HMODULE hMod = ::GetModuleHandleA("comctl32.dll");
        if (hMod == nullptr) return DWORD{0};
        using PFNDLLGETVERSION = HRESULT(CALLBACK*)(DLLVERSIONINFO*);
        auto pfn = reinterpret_cast<PFNDLLGETVERSION>(
            reinterpret_cast<void (*)()>(::GetProcAddress(hMod, "DllGetVersion")));
        DLLVERSIONINFO dvi = {};
        dvi.cbSize = sizeof dvi;
        if (pfn == nullptr || FAILED(pfn(&dvi))) return DWORD{0};
        return static_cast<DWORD>(MAKELONG(dvi.dwMinorVersion, dvi.dwMajorVersion));
    }();
    return version;
}

DWORD AfxPropSheetPageSize(DWORD dwComCtlVersion) {
    if (dwComCtlVersion >= MAKELONG(0, 6)) return sizeof(PROPSHEETPAGEA);
    return PROPSHEETPAGEA_V2_SIZE;
}

DWORD AfxPropSheetHeaderSize(DWORD dwComCtlVersion) {
    if (dwComCtlVersion >= MAKELONG(71, 4)) return sizeof(PROPSHEETHEADERA);
    return PROPSHEETHEADERA_V1_SIZE;
}

// --- creation hooks ----------------------------------------------------------

struct PropSheetAccess {
    // The sheet being created on this thread, for the pre-creation callback.
    static thread_local CPropertySheet* s_pSheetInit;

    // Attaches each page's window to its object before its first message.
    static UINT CALLBACK PageCallback(HWND, UINT message, LPPROPSHEETPAGEA ppsp) {
        if (message == PSPCB_CREATE && ppsp != nullptr) {
            auto* pPage = reinterpret_cast<CPropertyPage*>(ppsp->lParam);
            if (pPage != nullptr && pPage->m_hWnd == nullptr) AfxHookWindowCreate(pPage);
        }
        return TRUE;
    }

    // Gives the sheet's window the style asked for.
    static int CALLBACK SheetCallback(HWND, UINT message, LPARAM lParam) {
        CPropertySheet* pSheet = s_pSheetInit;
        if (message != PSCB_PRECREATE || lParam == 0 || pSheet == nullptr || pSheet->m_dwCreateStyle == 0) return 0;
        auto* words = reinterpret_cast<WORD*>(lParam);
        // An extended template starts with its version 1 and 0xFFFF.
        const bool extended = words[0] == 1 && words[1] == 0xFFFF;
        auto* pStyle = reinterpret_cast<DWORD*>(lParam + (extended ? 12 : 0));
        auto* pExStyle = reinterpret_cast<DWORD*>(lParam + (extended ? 8 : 4));
        *pStyle = pSheet->m_dwCreateStyle;
        *pExStyle |= pSheet->m_dwCreateExStyle;
        return 0;
    }
};
thread_local CPropertySheet* PropSheetAccess::s_pSheetInit = nullptr;

// --- CPropertyPage -----------------------------------------------------------

BEGIN_MESSAGE_MAP(CPropertyPage, CDialog)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
END_MESSAGE_MAP()

CPropertyPage::CPropertyPage() { CommonConstruct(nullptr, 0, 0); }

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption, DWORD dwSize) {
    CommonConstruct(MAKEINTRESOURCEA(nIDTemplate), nIDCaption, dwSize);
}

CPropertyPage::CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption, DWORD dwSize) {
    CommonConstruct(lpszTemplateName, nIDCaption, dwSize);
}

CPropertyPage::~CPropertyPage() = default;

void CPropertyPage::Construct(UINT nIDTemplate, UINT nIDCaption) {
    CommonConstruct(MAKEINTRESOURCEA(nIDTemplate), nIDCaption, m_psp.dwSize);
}

void CPropertyPage::Construct(LPCTSTR lpszTemplateName, UINT nIDCaption) {
    CommonConstruct(lpszTemplateName, nIDCaption, m_psp.dwSize);
}

void CPropertyPage::CommonConstruct(LPCTSTR lpszTemplateName, UINT nIDCaption, DWORD dwSize) {
    ASSERT(dwSize == 0 || (dwSize >= PROPSHEETPAGEA_V1_SIZE && dwSize <= sizeof(PROPSHEETPAGEA)));
    if (dwSize < PROPSHEETPAGEA_V1_SIZE || dwSize > sizeof(PROPSHEETPAGEA))
        dwSize = AfxPropSheetPageSize(AfxGetComCtlVersion());
    m_lpszTemplateName = lpszTemplateName;
    m_nIDHelp = IS_INTRESOURCE(lpszTemplateName) ? LOWORD(reinterpret_cast<UINT_PTR>(lpszTemplateName)) : 0;
    std::memset(&m_psp, 0, sizeof m_psp);
    m_psp.dwSize = dwSize;
    m_psp.dwFlags = PSP_USECALLBACK;
    m_psp.hInstance = AfxGetResourceHandle();
    m_psp.pszTemplate = lpszTemplateName;
    m_psp.pfnDlgProc = AfxDlgProc;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
    m_psp.pfnCallback = &PropSheetAccess::PageCallback;
    m_strCaption.Empty();
    if (nIDCaption != 0 && m_strCaption.LoadString(nIDCaption)) {
        m_psp.pszTitle = m_strCaption;
        m_psp.dwFlags |= PSP_USETITLE;
    }
    m_bFirstSetActive = TRUE;
}

BOOL CPropertyPage::PreparePageDescription(PROPSHEETPAGEA& psp) {
    std::memcpy(&psp, &m_psp, m_psp.dwSize);
    psp.lParam = reinterpret_cast<LPARAM>(this);
    if (m_psp.dwFlags & PSP_DLGINDIRECT) {
        m_pLoadedTemplate = m_psp.pResource;
        return m_psp.pResource != nullptr;
    }
    // The template is loaded here so that it may come from any module of
    // the resource chain; the sheet then takes it as an in-memory template.
    LPCTSTR name = m_psp.pszTemplate;
    if (name == nullptr) return FALSE;
    HINSTANCE hInst = AfxFindResourceHandle(name, RT_DIALOG);
    HRSRC hRes = ::FindResourceA(hInst, name, RT_DIALOG);
    HGLOBAL hTemplate = hRes ? ::LoadResource(hInst, hRes) : nullptr;
    const void* pTemplate = hTemplate ? ::LockResource(hTemplate) : nullptr;
    if (pTemplate == nullptr) return FALSE;
    m_pLoadedTemplate = pTemplate;
    psp.hInstance = hInst;
    psp.pResource = static_cast<LPCDLGTEMPLATE>(pTemplate);
    psp.dwFlags |= PSP_DLGINDIRECT;
    return TRUE;
}

LRESULT CPropertyPage::HandleInitDialog(WPARAM wParam, LPARAM lParam) {
    // The creation hook set by the page callback has done its work.
    AfxUnhookWindowCreate();
    return CDialog::HandleInitDialog(wParam, lParam);
}

CPropertySheet* CPropertyPage::GetSheet() const {
    return DYNAMIC_DOWNCAST(CPropertySheet, CWnd::FromHandlePermanent(::GetParent(m_hWnd)));
}

void CPropertyPage::SetModified(BOOL bChanged) {
    m_bModified = bChanged;
    if (m_hWnd == nullptr) return;
    if (HWND hSheet = ::GetParent(m_hWnd))
        ::SendMessageA(hSheet, bChanged ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

LRESULT CPropertyPage::QuerySiblings(WPARAM wParam, LPARAM lParam) {
    HWND hSheet = m_hWnd ? ::GetParent(m_hWnd) : nullptr;
    return hSheet ? ::SendMessageA(hSheet, PSM_QUERYSIBLINGS, wParam, lParam) : 0;
}

void CPropertyPage::CancelToClose() {
    if (HWND hSheet = m_hWnd ? ::GetParent(m_hWnd) : nullptr) ::SendMessageA(hSheet, PSM_CANCELTOCLOSE, 0, 0);
}

BOOL CPropertyPage::OnSetActive() {
    // The first time, OnInitDialog has just filled the controls.
    if (m_bFirstSetActive)
        m_bFirstSetActive = FALSE;
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }

BOOL CPropertyPage::OnApply() {
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset() { OnCancel(); }
BOOL CPropertyPage::OnQueryCancel() { return TRUE; }
LRESULT CPropertyPage::OnWizardBack() { return 0; }
LRESULT CPropertyPage::OnWizardNext() { return 0; }
BOOL CPropertyPage::OnWizardFinish() { return TRUE; }

// A page never ends a dialog: the sheet does.
void CPropertyPage::OnOK() { m_bModified = FALSE; }
void CPropertyPage::OnCancel() {}

BOOL CPropertyPage::PreTranslateMessage(MSG* pMsg) {
    // Dialog keys are the sheet's (its PreTranslateMessage comes next).
    return CWnd::PreTranslateMessage(pMsg);
}

LRESULT CPropertyPage::MapWizardResult(LRESULT lToPage) const {
    if (lToPage == 0 || lToPage == -1) return lToPage;
    // The sheet knows pages by their templates, which it was given in memory.
    CPropertySheet* pSheet = GetSheet();
    for (int i = 0; pSheet != nullptr && i < pSheet->GetPageCount(); ++i) {
        CPropertyPage* pPage = pSheet->GetPage(i);
        if (IS_INTRESOURCE(pPage->m_lpszTemplateName) &&
            reinterpret_cast<UINT_PTR>(pPage->m_lpszTemplateName) == static_cast<UINT_PTR>(lToPage))
            return reinterpret_cast<LRESULT>(pPage->m_pLoadedTemplate);
    }
    TRACE("No page of the sheet has the template %d; staying.\n", static_cast<int>(lToPage));
    return -1;
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (static_cast<int>(pNMHDR->code) > static_cast<int>(PSN_FIRST) ||
        static_cast<int>(pNMHDR->code) < static_cast<int>(PSN_LAST))
        return CDialog::OnNotify(wParam, lParam, pResult);
    LRESULT result = 0;
    switch (pNMHDR->code) {
    case PSN_SETACTIVE: result = OnSetActive() ? 0 : -1; break;
    case PSN_KILLACTIVE: result = !OnKillActive(); break;
    case PSN_APPLY: result = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE; break;
    case PSN_RESET: OnReset(); break;
    case PSN_QUERYCANCEL: result = !OnQueryCancel(); break;
    case PSN_WIZBACK: result = MapWizardResult(OnWizardBack()); break;
    case PSN_WIZNEXT: result = MapWizardResult(OnWizardNext()); break;
    case PSN_WIZFINISH: result = !OnWizardFinish(); break;
    case PSN_HELP: SendMessage(WM_COMMAND, ID_HELP); break;
    default: return CDialog::OnNotify(wParam, lParam, pResult);
    }
    // The sheet reads the answer either way: from the call, or as the
    // dialog's message result.
    ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
    *pResult = result;
    return TRUE;
}

// --- CPropertySheet ----------------------------------------------------------

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
    ON_MESSAGE(PSM_PRESSBUTTON, OnPressButton)
END_MESSAGE_MAP()

CPropertySheet::CPropertySheet() { CommonConstruct(nullptr, 0); }

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage) {
    Construct(nIDCaption, pParentWnd, iSelectPage);
}

CPropertySheet::CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage) {
    Construct(pszCaption, pParentWnd, iSelectPage);
}

CPropertySheet::~CPropertySheet() {
    if (m_hWnd != nullptr) DestroyWindow();
}

void CPropertySheet::Construct(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage) {
    CommonConstruct(pParentWnd, iSelectPage);
    m_strCaption.LoadString(nIDCaption);
}

void CPropertySheet::Construct(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage) {
    CommonConstruct(pParentWnd, iSelectPage);
    m_strCaption = pszCaption ? pszCaption : "";
}

void CPropertySheet::CommonConstruct(CWnd* pParentWnd, UINT iSelectPage) {
    std::memset(&m_psh, 0, sizeof m_psh);
    m_psh.dwSize = AfxPropSheetHeaderSize(AfxGetComCtlVersion());
    m_psh.dwFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK;
    m_psh.pfnCallback = &PropSheetAccess::SheetCallback;
    m_psh.nStartPage = iSelectPage;
    m_pParentWnd = pParentWnd;
}

void CPropertySheet::SetTitle(LPCTSTR lpszText, UINT nStyle) {
    m_strCaption = lpszText ? lpszText : "";
    m_psh.dwFlags = (m_psh.dwFlags & ~PSH_PROPTITLE) | (nStyle & PSH_PROPTITLE);
    if (m_hWnd != nullptr) ::SendMessageA(m_hWnd, PSM_SETTITLEA, nStyle, reinterpret_cast<LPARAM>(lpszText));
}

int CPropertySheet::GetPageCount() const { return static_cast<int>(m_pages.GetSize()); }

CPropertyPage* CPropertySheet::GetPage(int nPage) const {
    if (nPage < 0 || nPage >= GetPageCount()) return nullptr;
    return static_cast<CPropertyPage*>(m_pages[nPage]);
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) const {
    for (int i = 0; i < GetPageCount(); ++i)
        if (m_pages[i] == pPage) return i;
    return -1;
}

void CPropertySheet::AddPage(CPropertyPage* pPage) {
    ASSERT(pPage != nullptr && GetPageIndex(pPage) < 0);
    if (pPage == nullptr || GetPageIndex(pPage) >= 0) return;
    m_pages.Add(pPage);
    if (m_hWnd == nullptr) return;
    // The sheet is up: the page joins it at once.
    PROPSHEETPAGEA psp;
    HPROPSHEETPAGE hPage = pPage->PreparePageDescription(psp) ? ::CreatePropertySheetPageA(&psp) : nullptr;
    if (hPage == nullptr || !::SendMessageA(m_hWnd, PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(hPage))) {
        if (hPage) ::DestroyPropertySheetPage(hPage);
        m_pages.RemoveAt(GetPageCount() - 1);
    }
}

void CPropertySheet::RemovePage(CPropertyPage* pPage) {
    const int nPage = GetPageIndex(pPage);
    ASSERT(nPage >= 0);
    if (nPage >= 0) RemovePage(nPage);
}

void CPropertySheet::RemovePage(int nPage) {
    ASSERT(nPage >= 0 && nPage < GetPageCount());
    if (nPage < 0 || nPage >= GetPageCount()) return;
    // The sheet destroys the page's window (the object stays the caller's).
    if (m_hWnd != nullptr) ::SendMessageA(m_hWnd, PSM_REMOVEPAGE, nPage, 0);
    m_pages.RemoveAt(nPage);
    if (m_hWnd == nullptr && m_psh.nStartPage > 0 && static_cast<int>(m_psh.nStartPage) >= nPage) --m_psh.nStartPage;
}

CPropertyPage* CPropertySheet::GetActivePage() const {
    if (m_hWnd == nullptr) return GetPage(static_cast<int>(m_psh.nStartPage));
    HWND hPage = reinterpret_cast<HWND>(::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0));
    for (int i = 0; i < GetPageCount(); ++i)
        if (GetPage(i)->m_hWnd == hPage && hPage != nullptr) return GetPage(i);
    return nullptr;
}

int CPropertySheet::GetActiveIndex() const {
    if (m_hWnd == nullptr) return static_cast<int>(m_psh.nStartPage);
    CPropertyPage* pPage = GetActivePage();
    return pPage ? GetPageIndex(pPage) : -1;
}

BOOL CPropertySheet::SetActivePage(int nPage) {
    if (nPage < 0 || nPage >= GetPageCount()) return FALSE;
    if (m_hWnd == nullptr) {
        m_psh.nStartPage = nPage;
        return TRUE;
    }
    return static_cast<BOOL>(::SendMessageA(m_hWnd, PSM_SETCURSEL, nPage, 0));
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage) { return SetActivePage(GetPageIndex(pPage)); }

CTabCtrl* CPropertySheet::GetTabControl() const {
    if (m_hWnd == nullptr) return nullptr;
    return static_cast<CTabCtrl*>(CWnd::FromHandle(reinterpret_cast<HWND>(::SendMessageA(m_hWnd, PSM_GETTABCONTROL, 0, 0))));
}

void CPropertySheet::SetWizardButtons(DWORD dwFlags) {
    ASSERT(m_hWnd != nullptr);
    if (m_hWnd != nullptr) ::SendMessageA(m_hWnd, PSM_SETWIZBUTTONS, 0, dwFlags);
}

void CPropertySheet::SetFinishText(LPCTSTR lpszText) {
    if (m_hWnd != nullptr) ::SendMessageA(m_hWnd, PSM_SETFINISHTEXTA, 0, reinterpret_cast<LPARAM>(lpszText));
}

BOOL CPropertySheet::PressButton(int nButton) {
    if (m_hWnd == nullptr) return FALSE;
    return ::PostMessageA(m_hWnd, PSM_PRESSBUTTON, nButton, 0);
}

LRESULT CPropertySheet::OnPressButton(WPARAM wParam, LPARAM) {
    // A button pressed by the program ends a modal sheet as a click would.
    static const UINT ids[] = {ID_WIZBACK, ID_WIZNEXT, ID_WIZFINISH, IDOK, ID_APPLY_NOW, IDCANCEL, IDHELP};
    if (wParam < sizeof ids / sizeof ids[0]) m_nModalResult = static_cast<int>(ids[wParam]);
    return Default();
}

void CPropertySheet::EndDialog(int nEndID) {
    m_nModalResult = nEndID;
    if (m_nFlags & WF_CONTINUEMODAL)
        EndModalLoop(nEndID);
    else if (m_hWnd != nullptr)
        DestroyWindow();
}

BOOL CPropertySheet::BuildPropPageArray() {
    size_t total = 0;
    for (int i = 0; i < GetPageCount(); ++i) total += GetPage(i)->m_psp.dwSize;
    m_pageDescriptions.assign(total, 0);
    BYTE* p = m_pageDescriptions.data();
    for (int i = 0; i < GetPageCount(); ++i) {
        PROPSHEETPAGEA psp;
        if (!GetPage(i)->PreparePageDescription(psp)) {
            TRACE("The template of page %d was not found.\n", i);
            return FALSE;
        }
        std::memcpy(p, &psp, psp.dwSize);
        p += psp.dwSize;
    }
    m_psh.dwFlags |= PSH_PROPSHEETPAGE;
    m_psh.nPages = static_cast<UINT>(GetPageCount());
    m_psh.ppsp = reinterpret_cast<LPCPROPSHEETPAGEA>(m_pageDescriptions.data());
    if (m_psh.nStartPage >= m_psh.nPages) m_psh.nStartPage = 0;
    return TRUE;
}

HWND CPropertySheet::CreateSheet(HWND hWndParent, DWORD dwStyle, DWORD dwExStyle) {
    ASSERT(m_hWnd == nullptr);
    if (m_hWnd != nullptr || GetPageCount() == 0 || !BuildPropPageArray()) return nullptr;
    m_psh.hwndParent = hWndParent;
    m_psh.hInstance = AfxGetResourceHandle();
    m_psh.pszCaption = m_strCaption;
    m_psh.dwFlags |= PSH_MODELESS | PSH_USECALLBACK;
    m_psh.pfnCallback = &PropSheetAccess::SheetCallback;
    m_dwCreateStyle = dwStyle;
    m_dwCreateExStyle = dwExStyle;
    m_nModalResult = 0;
    PropSheetAccess::s_pSheetInit = this;
    AfxHookWindowCreate(this);
    HWND hWnd = reinterpret_cast<HWND>(::PropertySheetA(&m_psh));
    if (!AfxUnhookWindowCreate()) PostNcDestroy();
    PropSheetAccess::s_pSheetInit = nullptr;
    if (hWnd == nullptr || hWnd == reinterpret_cast<HWND>(-1)) {
        if (m_hWnd != nullptr) Detach();
        return nullptr;
    }
    return hWnd;
}

BOOL CPropertySheet::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExStyle) {
    if (dwStyle == static_cast<DWORD>(-1))
        dwStyle = DS_MODALFRAME | DS_3DLOOK | DS_SETFONT | WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU;
    m_bModeless = TRUE;
    if (pParentWnd != nullptr) m_pParentWnd = pParentWnd;
    return CreateSheet(m_pParentWnd->GetSafeHwnd(), dwStyle, dwExStyle) != nullptr;
}

INT_PTR CPropertySheet::DoModal() {
    HWND hWndParent = CWnd::GetSafeOwner_(m_pParentWnd->GetSafeHwnd(), nullptr);
    BOOL bEnableParent = FALSE;
    if (hWndParent && hWndParent != ::GetDesktopWindow() && ::IsWindowEnabled(hWndParent)) {
        ::EnableWindow(hWndParent, FALSE);
        bEnableParent = TRUE;
    }
    m_bModeless = FALSE;
    // Hidden until the modal loop first goes idle.
    const DWORD dwStyle = DS_MODALFRAME | DS_3DLOOK | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    m_nFlags |= WF_CONTINUEMODAL;
    INT_PTR nResult = -1;
    if (CreateSheet(hWndParent, dwStyle, 0) != nullptr) {
        if (ContinueModal()) RunModalLoop(MLF_SHOWONIDLE);
        nResult = m_nModalResult;
        if (m_hWnd)
            ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                           SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    m_nFlags &= ~WF_CONTINUEMODAL;
    if (bEnableParent) ::EnableWindow(hWndParent, TRUE);
    if (hWndParent && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(hWndParent);
    if (m_hWnd) DestroyWindow();
    m_psh.dwFlags &= ~PSH_MODELESS;
    return nResult;
}

BOOL CPropertySheet::ContinueModal() {
    // The sheet has closed once it has no current page.
    if (m_hWnd != nullptr && ::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0) == 0) return FALSE;
    return CWnd::ContinueModal();
}

LRESULT CPropertySheet::HandleInitDialog(WPARAM, LPARAM) { return OnInitDialog(); }

BOOL CPropertySheet::OnInitDialog() {
    // The sheet sets itself up and shows the first page.
    const BOOL bResult = static_cast<BOOL>(Default());
    if (!m_bStacked && !IsWizard())
        if (CTabCtrl* pTab = GetTabControl()) pTab->ModifyStyle(TCS_MULTILINE, TCS_SINGLELINE);
    return bResult;
}

BOOL CPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (CWnd::OnCommand(wParam, lParam)) return TRUE;
    // The button that ends a modal sheet is its result.
    const UINT nID = LOWORD(wParam);
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    if (nID == IDOK || nID == IDCANCEL || nID == ID_WIZFINISH) {
        m_nModalResult = static_cast<int>(nID);
    } else if (hWndCtrl != nullptr && HIWORD(wParam) == BN_CLICKED) {
        const LONG style = ::GetWindowLongA(hWndCtrl, GWL_STYLE) & BS_TYPEMASK;
        if (style == BS_PUSHBUTTON || style == BS_DEFPUSHBUTTON) m_nModalResult = static_cast<int>(nID);
    }
    return FALSE;  // the sheet carries the command out
}

LRESULT CPropertySheet::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT lResult = CWnd::WindowProc(message, wParam, lParam);
    // A modeless sheet closed by OK, Cancel or Finish goes away.
    if (m_bModeless && (message == WM_COMMAND || message == PSM_PRESSBUTTON) && m_hWnd != nullptr &&
        !(m_nFlags & WF_CONTINUEMODAL) && ::SendMessageA(m_hWnd, PSM_GETCURRENTPAGEHWND, 0, 0) == 0)
        DestroyWindow();  // last: PostNcDestroy may delete the object
    return lResult;
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg) {
    if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
    if ((pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) ||
        (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST))
        return static_cast<BOOL>(::SendMessageA(m_hWnd, PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(pMsg)));
    return FALSE;
}
