#include "propgrid/property_grid_item_file.h"

#include "edit/browse_dialog.h"
#include "propgrid/property_grid_view.h"
#include "win/commdlg.h"

IMPLEMENT_DYNAMIC(CKXPropertyGridItemFileDialog, CKXPropertyGridItem)

CKXPropertyGridItemFileDialog::CKXPropertyGridItemFileDialog(LPCTSTR lpszCaption, LPCTSTR lpszValue,
                                                             LPCTSTR lpszFilter, DWORD dwFlags, int nMode,
                                                             CString* pBindString)
    : CKXPropertyGridItem(lpszCaption, lpszValue, pBindString) {
    m_nFlags = KX_ITEM_EDIT | KX_ITEM_BROWSE_BUTTON;
    SetFileFlags(lpszFilter, dwFlags, nMode);
}

CKXPropertyGridItemFileDialog::CKXPropertyGridItemFileDialog(UINT nID, LPCTSTR lpszValue, LPCTSTR lpszFilter,
                                                             DWORD dwFlags, int nMode, CString* pBindString)
    : CKXPropertyGridItem(nID, lpszValue, pBindString) {
    m_nFlags = KX_ITEM_EDIT | KX_ITEM_BROWSE_BUTTON;
    SetFileFlags(lpszFilter, dwFlags, nMode);
}

void CKXPropertyGridItemFileDialog::SetFileFlags(LPCTSTR lpszFilter, DWORD dwFlags, int nMode) {
    m_strFilter = lpszFilter;
    m_dwFlags = dwFlags;
    m_nMode = nMode;
}

void CKXPropertyGridItemFileDialog::OnInplaceButtonDown() {
    if (NotifyOwner(KX_PGN_INPLACEBUTTONDOWN, reinterpret_cast<LPARAM>(this)) == 1) return;
    CString strChosen;
    if (m_nMode == KX_FILE_MODE_FOLDER) {
        CKXBrowseDialog dlg(m_pGrid);
        dlg.SetSelPath(m_strValue);
        if (dlg.DoModal() != IDOK) return;
        strChosen = dlg.GetSelPath();
    } else {
        // The path mode saves (a new name may be given); the others open
        // an existing file, of which they keep a part.
        CFileDialog dlg(m_nMode != KX_FILE_MODE_PATH, nullptr, m_strValue, m_dwFlags,
                        m_strFilter.IsEmpty() ? nullptr : m_strFilter.GetString(), m_pGrid);
        if (dlg.DoModal() != IDOK) return;
        strChosen = KXFileDialogResult(m_nMode, dlg.GetPathName());
    }
    OnValueChanged(strChosen);
    if (CKXPropertyGridView* pView = GetLiveView()) pView->Invalidate(FALSE);
}
