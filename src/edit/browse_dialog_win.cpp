#include "edit/browse_dialog.h"

#include "core/resource_scope.h"
#include "kxres_ids.h"

#include <cstring>

CKXBrowseDialog::CKXBrowseDialog(CWnd* pParent) {
    std::memset(&m_bi, 0, sizeof m_bi);
    m_szSelPath[0] = '\0';
    {
        CKXResourceScope scope;
        if (!m_strTitle.LoadString(IDS_KX_BROWSE_DIALOG_TITLE)) m_strTitle.Empty();
    }
    m_bi.hwndOwner = pParent ? pParent->GetSafeHwnd() : nullptr;
    m_bi.pidlRoot = nullptr;
    m_bi.pszDisplayName = m_szSelPath;
    m_bi.lpszTitle = m_strTitle;
    m_bi.ulFlags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS;
    m_bi.lpfn = BrowseCtrlCallback;
    m_bi.lParam = reinterpret_cast<LPARAM>(this);
}

CKXBrowseDialog::~CKXBrowseDialog() = default;

BOOL CKXBrowseDialog::SetSelPath(LPCTSTR lpszPath) {
    if (lpszPath == nullptr) return FALSE;
    const size_t cch = std::strlen(lpszPath);
    if (cch >= sizeof m_szSelPath) return FALSE;
    std::memcpy(m_szSelPath, lpszPath, cch + 1);
    return TRUE;
}

INT_PTR CKXBrowseDialog::DoModal() {
    LPMALLOC pMalloc = nullptr;
    if (FAILED(::SHGetMalloc(&pMalloc)) || pMalloc == nullptr) return IDCANCEL;
    // The dialog writes the display name into the path buffer before we know
    // whether the choice has a path: keep what was there for a failure.
    char szBefore[MAX_PATH];
    std::memcpy(szBefore, m_szSelPath, sizeof szBefore);
    INT_PTR nResult = IDCANCEL;
    if (LPITEMIDLIST pidl = ::SHBrowseForFolderA(&m_bi)) {
        char szPath[MAX_PATH] = "";
        if (::SHGetPathFromIDListA(pidl, szPath) && szPath[0] != '\0') {
            std::memcpy(m_szSelPath, szPath, sizeof m_szSelPath);
            nResult = IDOK;
        }
        pMalloc->Free(pidl);
    }
    if (nResult != IDOK) std::memcpy(m_szSelPath, szBefore, sizeof m_szSelPath);
    pMalloc->Release();
    return nResult;
}

int CALLBACK CKXBrowseDialog::BrowseCtrlCallback(HWND hWnd, UINT uMsg, LPARAM lParam, LPARAM lpData) {
    auto* pThis = reinterpret_cast<CKXBrowseDialog*>(lpData);
    if (pThis == nullptr) return 0;
    switch (uMsg) {
    case BFFM_INITIALIZED: {
        char szStart[MAX_PATH];
        std::memcpy(szStart, pThis->m_szSelPath, sizeof szStart);
        if (szStart[0] == '\0') {
            const DWORD cch = ::GetCurrentDirectoryA(MAX_PATH, szStart);
            if (cch == 0 || cch >= MAX_PATH) szStart[0] = '\0';
        }
        if (szStart[0] != '\0') ::SendMessageA(hWnd, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(szStart));
        break;
    }
    case BFFM_SELCHANGED:
        if (pThis->m_bi.ulFlags & BIF_STATUSTEXT) {
            char szPath[MAX_PATH] = "";
            if (::SHGetPathFromIDListA(reinterpret_cast<LPCITEMIDLIST>(lParam), szPath))
                ::SendMessageA(hWnd, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(szPath));
        }
        break;
    default:
        break;
    }
    return 0;
}
