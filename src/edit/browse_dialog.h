// CKXBrowseDialog: the platform's folder dialog (SHBrowseForFolder) with the
// library's defaults: file-system folders only, the start folder selected
// when the dialog opens (the current directory when none is given), and the
// chosen folder's path returned in the same buffer.
//
//   CKXBrowseDialog dlg(this);
//   dlg.SetSelPath("C:\\Projects");
//   if (dlg.DoModal() == IDOK) use(dlg.GetSelPath());
#pragma once

#include "win/afxwin.h"

#include <shlobj.h>

class CKXBrowseDialog {
public:
    // The owner is pParent's window, or none.
    explicit CKXBrowseDialog(CWnd* pParent = nullptr);
    virtual ~CKXBrowseDialog();
    CKXBrowseDialog(const CKXBrowseDialog&) = delete;
    CKXBrowseDialog& operator=(const CKXBrowseDialog&) = delete;

    // IDOK when a folder with a file-system path was chosen (the path is
    // then GetSelPath()), IDCANCEL otherwise; the path buffer is unchanged
    // then.
    virtual INT_PTR DoModal();

    void SetOwner(HWND hWnd) { m_bi.hwndOwner = hWnd; }
    HWND GetOwner() const { return m_bi.hwndOwner; }
    void SetPidlRoot(LPCITEMIDLIST pidl) { m_bi.pidlRoot = pidl; }
    LPCITEMIDLIST GetPidlRoot() const { return m_bi.pidlRoot; }
    void SetDisplayName(LPTSTR lpszDisplayName) { m_bi.pszDisplayName = lpszDisplayName; }
    LPTSTR GetDisplayName() const { return m_bi.pszDisplayName; }
    // The caller keeps the text alive while the dialog runs.
    void SetTitle(LPCTSTR lpszTitle) { m_bi.lpszTitle = lpszTitle; }
    LPCTSTR GetTitle() const { return m_bi.lpszTitle; }
    void SetOptions(UINT ulFlags) { m_bi.ulFlags = ulFlags; }
    UINT GetOptions() const { return m_bi.ulFlags; }
    void SetCallback(BFFCALLBACK lpfn) { m_bi.lpfn = lpfn; }
    BFFCALLBACK GetCallback() const { return m_bi.lpfn; }
    void SetData(LPARAM lParam) { m_bi.lParam = lParam; }
    LPARAM GetData() const { return m_bi.lParam; }
    // The start folder.  FALSE, and nothing changes, for a null path or one
    // longer than the platform's paths.
    BOOL SetSelPath(LPCTSTR lpszPath);
    LPCTSTR GetSelPath() const { return m_szSelPath; }
    int GetImage() const { return m_bi.iImage; }

    static int CALLBACK BrowseCtrlCallback(HWND hWnd, UINT uMsg, LPARAM lParam, LPARAM lpData);

protected:
    BROWSEINFOA m_bi;
    char m_szSelPath[MAX_PATH];
    CString m_strTitle;
};
