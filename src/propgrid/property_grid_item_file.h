// The file property item: a path typed into the edit box or chosen with the
// button, in the platform's file dialog or, in the folder mode, the folder
// dialog.  The mode says what the item keeps of a chosen file (see
// KXFileDialogResult): the whole path, the name, the title or the extension.
#pragma once

#include "propgrid/property_grid_item.h"
#include "propgrid/typed_value_text.h"

class CKXPropertyGridItemFileDialog : public CKXPropertyGridItem {
    DECLARE_DYNAMIC(CKXPropertyGridItemFileDialog)
public:
    // lpszFilter in the file dialog's "Text (*.txt)|*.txt||" form; dwFlags
    // the dialog's OFN_ flags; nMode one of KX_FILE_MODE_*.
    CKXPropertyGridItemFileDialog(LPCTSTR lpszCaption, LPCTSTR lpszValue = nullptr, LPCTSTR lpszFilter = nullptr,
                                  DWORD dwFlags = 0, int nMode = KX_FILE_MODE_PATH, CString* pBindString = nullptr);
    CKXPropertyGridItemFileDialog(UINT nID, LPCTSTR lpszValue = nullptr, LPCTSTR lpszFilter = nullptr,
                                  DWORD dwFlags = 0, int nMode = KX_FILE_MODE_PATH, CString* pBindString = nullptr);

    void SetFileFlags(LPCTSTR lpszFilter, DWORD dwFlags, int nMode);
    CString GetFilter() const { return m_strFilter; }
    DWORD GetDialogFlags() const { return m_dwFlags; }
    int GetMode() const { return m_nMode; }

    void OnInplaceButtonDown() override;

protected:
    CString m_strFilter;
    DWORD m_dwFlags = 0;
    int m_nMode = KX_FILE_MODE_PATH;
};
