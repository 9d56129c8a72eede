#include "win/commdlg.h"

#include "base/file_dialog_names.h"
#include "win/dc.h"
#include "win/winapp.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)
IMPLEMENT_DYNAMIC(CFileDialog, CCommonDialog)
IMPLEMENT_DYNAMIC(CColorDialog, CCommonDialog)
IMPLEMENT_DYNAMIC(CFontDialog, CCommonDialog)
IMPLEMENT_DYNAMIC(CFindReplaceDialog, CCommonDialog)

namespace {
// The object the next hooked dialog of this thread belongs to.
thread_local CCommonDialog* s_pDlgInit = nullptr;

void CopyText(char* dst, size_t size, LPCTSTR src) {
    if (size == 0) return;
    std::strncpy(dst, src ? src : "", size - 1);
    dst[size - 1] = '\0';
}
}  // namespace

DWORD AfxOpenFileNameSize(DWORD dwMajorVersion) {
    return dwMajorVersion >= 5 ? sizeof(OPENFILENAMEA) : OPENFILENAME_SIZE_VERSION_400A;
}

// --- CCommonDialog -----------------------------------------------------------

CCommonDialog::CCommonDialog(CWnd* pParentWnd) { m_pParentWnd = pParentWnd; }

UINT_PTR CALLBACK CCommonDialog::HookProc(HWND hWnd, UINT message, WPARAM, LPARAM) {
    if (message != WM_INITDIALOG) return 0;  // the rest went through the message map
    CCommonDialog* pDlg = s_pDlgInit;
    if (pDlg == nullptr || pDlg->m_hWnd != nullptr) return TRUE;
    s_pDlgInit = nullptr;
    if (!pDlg->SubclassWindow(hWnd)) return TRUE;
    return static_cast<UINT_PTR>(pDlg->OnInitDialog());
}

void CCommonDialog::PrepareHook() { s_pDlgInit = this; }

HWND CCommonDialog::PreModalOwner(BOOL& bEnabledParent) {
    // The system's dialog disables its owner itself.
    bEnabledParent = FALSE;
    return CWnd::GetSafeOwner_(m_pParentWnd->GetSafeHwnd(), nullptr);
}

void CCommonDialog::PostModal(HWND hWndOwner, BOOL) {
    s_pDlgInit = nullptr;
    if (m_hWnd != nullptr) Detach();  // a dialog that ended without WM_NCDESTROY reaching us
    if (hWndOwner && ::IsWindow(hWndOwner) && ::GetActiveWindow() == nullptr) ::SetActiveWindow(hWndOwner);
}

void CCommonDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    Default();  // the system's dialog takes it from here
}

void CCommonDialog::OnCancel() { Default(); }

// --- CFileDialog -------------------------------------------------------------

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd, DWORD dwSize)
    : CCommonDialog(pParentWnd), m_bOpenFileDialog(bOpenFileDialog) {
    std::memset(&m_ofn, 0, sizeof m_ofn);
    if (dwSize == 0 || dwSize > sizeof(OPENFILENAMEA)) dwSize = AfxOpenFileNameSize(LOBYTE(LOWORD(::GetVersion())));
    m_ofn.lStructSize = dwSize;
    m_ofn.Flags = dwFlags | OFN_ENABLEHOOK | OFN_EXPLORER;
    m_ofn.lpfnHook = &CCommonDialog::HookProc;
    m_ofn.lCustData = reinterpret_cast<LPARAM>(this);
    // A multiple selection needs room for many names.
    m_fileBuffer.assign((dwFlags & OFN_ALLOWMULTISELECT) ? 65536 : MAX_PATH, '\0');
    if (lpszFileName) CopyText(m_fileBuffer.data(), m_fileBuffer.size(), lpszFileName);
    m_ofn.lpstrFile = m_fileBuffer.data();
    m_ofn.nMaxFile = static_cast<DWORD>(m_fileBuffer.size());
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = sizeof m_szFileTitle;
    if (lpszDefExt) {
        m_defExt = lpszDefExt;
        m_ofn.lpstrDefExt = m_defExt.c_str();
    }
    if (lpszFilter) {
        m_filter = afx_filedlg::ConvertFilter(lpszFilter);
        m_ofn.lpstrFilter = m_filter.c_str();
    }
}

CFileDialog::~CFileDialog() = default;

INT_PTR CFileDialog::DoModal() {
    BOOL bEnabled;
    m_ofn.hwndOwner = PreModalOwner(bEnabled);
    if (m_ofn.lpstrFile != nullptr && m_ofn.nMaxFile > 0 && (m_ofn.Flags & OFN_ALLOWMULTISELECT) == 0)
        m_ofn.lpstrFile[m_ofn.nMaxFile - 1] = '\0';
    PrepareHook();
    const BOOL bResult = m_bOpenFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    PostModal(m_ofn.hwndOwner, bEnabled);
    return bResult ? IDOK : IDCANCEL;
}

HWND CFileDialog::SystemDialog() const {
    if (m_hWnd == nullptr) return nullptr;
    return (m_ofn.Flags & OFN_EXPLORER) ? ::GetParent(m_hWnd) : m_hWnd;
}

namespace {
CString AskDialog(HWND hDlg, UINT message) {
    char buf[MAX_PATH * 2] = {};
    if (::SendMessageA(hDlg, message, sizeof buf, reinterpret_cast<LPARAM>(buf)) < 0) return CString();
    return buf;
}
}  // namespace

CString CFileDialog::GetPathName() const {
    if ((m_ofn.Flags & OFN_EXPLORER) && m_hWnd != nullptr) return AskDialog(SystemDialog(), CDM_GETFILEPATH);
    return m_ofn.lpstrFile ? m_ofn.lpstrFile : "";
}

CString CFileDialog::GetFileName() const {
    return afx_filedlg::PathFileName(static_cast<LPCTSTR>(GetPathName())).c_str();
}

CString CFileDialog::GetFileExt() const {
    return afx_filedlg::PathFileExt(static_cast<LPCTSTR>(GetPathName())).c_str();
}

CString CFileDialog::GetFileTitle() const {
    return afx_filedlg::PathFileTitle(static_cast<LPCTSTR>(GetPathName())).c_str();
}

CString CFileDialog::GetFolderPath() const {
    if ((m_ofn.Flags & OFN_EXPLORER) && m_hWnd != nullptr) return AskDialog(SystemDialog(), CDM_GETFOLDERPATH);
    // After a multiple selection the buffer starts with the folder.
    const std::string first = m_ofn.lpstrFile ? m_ofn.lpstrFile : "";
    if ((m_ofn.Flags & OFN_ALLOWMULTISELECT) && GetStartPosition() != nullptr) {
        POSITION pos = GetStartPosition();
        const CString path = GetNextPathName(pos);
        if (pos != nullptr) return first.c_str();  // more than one name: the folder comes first
        return afx_filedlg::PathFolder(static_cast<LPCTSTR>(path)).c_str();
    }
    return afx_filedlg::PathFolder(first).c_str();
}

POSITION CFileDialog::GetStartPosition() const {
    if (m_ofn.lpstrFile == nullptr || m_ofn.lpstrFile[0] == '\0') return nullptr;
    return reinterpret_cast<POSITION>(static_cast<UINT_PTR>(1));
}

CString CFileDialog::GetNextPathName(POSITION& pos) const {
    const afx_filedlg::SelectionReader reader(m_ofn.lpstrFile, m_ofn.nMaxFile, (m_ofn.Flags & OFN_EXPLORER) != 0,
                                              (m_ofn.Flags & OFN_ALLOWMULTISELECT) != 0);
    size_t at = reinterpret_cast<UINT_PTR>(pos);
    const std::string path = reader.Next(at);
    pos = reinterpret_cast<POSITION>(static_cast<UINT_PTR>(at));
    return path.c_str();
}

void CFileDialog::SetControlText(int nID, LPCTSTR lpsz) {
    if (HWND h = SystemDialog()) ::SendMessageA(h, CDM_SETCONTROLTEXT, nID, reinterpret_cast<LPARAM>(lpsz));
}

void CFileDialog::HideControl(int nID) {
    if (HWND h = SystemDialog()) ::SendMessageA(h, CDM_HIDECONTROL, nID, 0);
}

void CFileDialog::SetDefExt(LPCSTR lpsz) {
    m_defExt = lpsz ? lpsz : "";
    m_ofn.lpstrDefExt = lpsz ? m_defExt.c_str() : nullptr;
    if (HWND h = SystemDialog()) ::SendMessageA(h, CDM_SETDEFEXT, 0, reinterpret_cast<LPARAM>(m_ofn.lpstrDefExt));
}

BOOL CFileDialog::OnFileNameOK() { return FALSE; }
void CFileDialog::OnInitDone() {}
void CFileDialog::OnFileNameChange() {}
void CFileDialog::OnFolderChange() {}
void CFileDialog::OnTypeChange() {}

BOOL CFileDialog::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    LRESULT result = 0;
    switch (pNMHDR->code) {
    case CDN_INITDONE: OnInitDone(); break;
    case CDN_SELCHANGE: OnFileNameChange(); break;
    case CDN_FOLDERCHANGE: OnFolderChange(); break;
    case CDN_TYPECHANGE: OnTypeChange(); break;
    case CDN_FILEOK: result = OnFileNameOK(); break;
    default: return CCommonDialog::OnNotify(wParam, lParam, pResult);
    }
    // The dialog reads the answer as the hook dialog's message result.
    ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
    *pResult = result;
    return TRUE;
}

// --- CColorDialog ------------------------------------------------------------

namespace {
UINT s_nMsgColorOK = ::RegisterWindowMessageA(COLOROKSTRINGA);
UINT SetRgbMessage() {
    static const UINT msg = ::RegisterWindowMessageA(SETRGBSTRINGA);
    return msg;
}
}  // namespace

BEGIN_MESSAGE_MAP(CColorDialog, CCommonDialog)
    ON_REGISTERED_MESSAGE(s_nMsgColorOK, HandleColorOK)
END_MESSAGE_MAP()

COLORREF* CColorDialog::GetSavedCustomColors() {
    static COLORREF colors[16] = {
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
        RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255)};
    return colors;
}

CColorDialog::CColorDialog(COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd) : CCommonDialog(pParentWnd) {
    std::memset(&m_cc, 0, sizeof m_cc);
    m_cc.lStructSize = sizeof m_cc;
    m_cc.lpCustColors = GetSavedCustomColors();
    m_cc.Flags = dwFlags | CC_ENABLEHOOK;
    m_cc.lpfnHook = &CCommonDialog::HookProc;
    m_cc.lCustData = reinterpret_cast<LPARAM>(this);
    if ((m_cc.rgbResult = clrInit) != 0) m_cc.Flags |= CC_RGBINIT;
}

INT_PTR CColorDialog::DoModal() {
    return RunModal(m_cc.hwndOwner, [this] { return ::ChooseColorA(&m_cc); });
}

void CColorDialog::SetCurrentColor(COLORREF clr) {
    ASSERT(m_hWnd != nullptr);
    if (m_hWnd != nullptr) ::SendMessageA(m_hWnd, SetRgbMessage(), 0, static_cast<LPARAM>(clr));
}

BOOL CColorDialog::OnColorOK() { return FALSE; }

LRESULT CColorDialog::HandleColorOK(WPARAM, LPARAM) {
    const LRESULT result = OnColorOK();
    ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result);
    return result;
}

// --- CFontDialog -------------------------------------------------------------

CFontDialog::CFontDialog(LPLOGFONTA lplfInitial, DWORD dwFlags, CDC* pdcPrinter, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd) {
    std::memset(&m_cf, 0, sizeof m_cf);
    std::memset(&m_lf, 0, sizeof m_lf);
    m_cf.lStructSize = sizeof m_cf;
    m_cf.lpLogFont = &m_lf;
    m_cf.lpszStyle = m_szStyleName;
    m_cf.Flags = dwFlags | CF_ENABLEHOOK;
    m_cf.lpfnHook = &CCommonDialog::HookProc;
    m_cf.lCustData = reinterpret_cast<LPARAM>(this);
    if (lplfInitial) {
        m_lf = *lplfInitial;
        m_cf.Flags |= CF_INITTOLOGFONTSTRUCT;
    }
    if (pdcPrinter) {
        m_cf.hDC = pdcPrinter->GetSafeHdc();
        m_cf.Flags |= CF_PRINTERFONTS;
    }
}

INT_PTR CFontDialog::DoModal() {
    return RunModal(m_cf.hwndOwner, [this] { return ::ChooseFontA(&m_cf); });
}

void CFontDialog::GetCurrentFont(LPLOGFONTA lplf) {
    ASSERT(lplf != nullptr);
    if (lplf == nullptr) return;
    // While the dialog shows it knows best; afterwards the result is in m_lf.
    if (m_hWnd != nullptr)
        ::SendMessageA(m_hWnd, WM_CHOOSEFONT_GETLOGFONT, 0, reinterpret_cast<LPARAM>(lplf));
    else
        *lplf = *m_cf.lpLogFont;
}

// --- CFindReplaceDialog ------------------------------------------------------

CFindReplaceDialog::CFindReplaceDialog() : CCommonDialog(nullptr) {
    std::memset(&m_fr, 0, sizeof m_fr);
    m_fr.lStructSize = sizeof m_fr;
    m_fr.lpfnHook = &CCommonDialog::HookProc;
    m_fr.lCustData = reinterpret_cast<LPARAM>(this);
    m_fr.lpstrFindWhat = m_szFindWhat;
    m_fr.wFindWhatLen = sizeof m_szFindWhat;
    m_fr.lpstrReplaceWith = m_szReplaceWith;
    m_fr.wReplaceWithLen = sizeof m_szReplaceWith;
}

UINT CFindReplaceDialog::GetFindMessage() {
    static const UINT msg = ::RegisterWindowMessageA(FINDMSGSTRINGA);
    return msg;
}

BOOL CFindReplaceDialog::Create(BOOL bFindDialogOnly, LPCTSTR lpszFindWhat, LPCTSTR lpszReplaceWith, DWORD dwFlags,
                                CWnd* pParentWnd) {
    ASSERT(m_hWnd == nullptr);
    if (m_hWnd != nullptr) return FALSE;
    m_fr.Flags = dwFlags | FR_ENABLEHOOK;
    CopyText(m_szFindWhat, sizeof m_szFindWhat, lpszFindWhat);
    CopyText(m_szReplaceWith, sizeof m_szReplaceWith, lpszReplaceWith);
    m_pParentWnd = pParentWnd;
    // The owner receives the requests; the system wants one.
    m_fr.hwndOwner = CWnd::GetSafeOwner_(pParentWnd->GetSafeHwnd(), nullptr);
    ASSERT(m_fr.hwndOwner != nullptr);
    if (m_fr.hwndOwner == nullptr) return FALSE;
    PrepareHook();
    HWND hWnd = bFindDialogOnly ? ::FindTextA(&m_fr) : ::ReplaceTextA(&m_fr);
    s_pDlgInit = nullptr;
    return hWnd != nullptr;
}

CFindReplaceDialog* PASCAL CFindReplaceDialog::GetNotifier(LPARAM lParam) {
    auto* pfr = reinterpret_cast<FINDREPLACEA*>(lParam);
    return pfr ? reinterpret_cast<CFindReplaceDialog*>(pfr->lCustData) : nullptr;
}

void CFindReplaceDialog::PostNcDestroy() { delete this; }
