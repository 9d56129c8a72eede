// The common dialogs: files, colours, fonts, find and replace.
//
// Each dialog is attached to its object when it starts (through the
// dialog's hook), so a derived class's message map and OnInitDialog work as
// in any dialog.  The explorer-style file dialog attaches the object to the
// child dialog that holds the application's own controls; GetParent() is
// then the dialog the system shows.
#pragma once

#include "base/position.h"
#include "win/dialog.h"

#include <commdlg.h>

#include <string>
#include <vector>

class CDC;

// OPENFILENAME's size for a system of that major version: the full
// structure from Windows 2000 (5) on, the older layout before.
DWORD AfxOpenFileNameSize(DWORD dwMajorVersion);

class CCommonDialog : public CDialog {
    DECLARE_DYNAMIC(CCommonDialog)
public:
    explicit CCommonDialog(CWnd* pParentWnd);
    // The system's dialog carries out OK and Cancel; data exchange comes first.
    void OnOK() override;
    void OnCancel() override;

    // The hook of every common dialog (WM_INITDIALOG attaches the object).
    static UINT_PTR CALLBACK HookProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    // Attaches the next hooked dialog of this thread to this object.
    void PrepareHook();
    HWND PreModalOwner(BOOL& bEnabledParent);
    void PostModal(HWND hWndOwner, BOOL bEnabledParent);
    // The owner into hwndOwner, the hook armed, run() (the platform's
    // dialog function) between them; IDOK when it returned nonzero.
    template <class RUN>
    INT_PTR RunModal(HWND& hwndOwner, RUN run) {
        BOOL bEnabled;
        hwndOwner = PreModalOwner(bEnabled);
        PrepareHook();
        const BOOL bResult = run();
        PostModal(hwndOwner, bEnabled);
        return bResult ? IDOK : IDCANCEL;
    }
};

class CFileDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CFileDialog)
public:
    explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr, DWORD dwSize = 0);
    ~CFileDialog() override;

    OPENFILENAMEA m_ofn;

    // IDOK or IDCANCEL (after IDCANCEL, CommDlgExtendedError tells a
    // failure of the dialog itself from the user's Cancel).
    INT_PTR DoModal() override;

    // The selection (while the dialog shows: what it holds now).
    CString GetPathName() const;
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;
    CString GetFolderPath() const;
    BOOL GetReadOnlyPref() const { return (m_ofn.Flags & OFN_READONLY) != 0; }
    // A multiple selection, one full path at a time.
    POSITION GetStartPosition() const;
    CString GetNextPathName(POSITION& pos) const;

    // While the dialog shows.
    void SetControlText(int nID, LPCTSTR lpsz);
    void HideControl(int nID);
    void SetDefExt(LPCSTR lpsz);

    // The dialog's notifications: OnFileNameOK answers TRUE to refuse the name.
    virtual BOOL OnFileNameOK();
    virtual void OnInitDone();
    virtual void OnFileNameChange();
    virtual void OnFolderChange();
    virtual void OnTypeChange();
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

protected:
    BOOL m_bOpenFileDialog;
    std::string m_filter;       // NUL-separated, from the '|' form
    std::string m_defExt;
    std::vector<char> m_fileBuffer;
    char m_szFileTitle[MAX_PATH] = {};
    HWND SystemDialog() const;  // the dialog the system shows, while it does
};

class CColorDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CColorDialog)
public:
    explicit CColorDialog(COLORREF clrInit = 0, DWORD dwFlags = 0, CWnd* pParentWnd = nullptr);
    CHOOSECOLORA m_cc;
    INT_PTR DoModal() override;
    COLORREF GetColor() const { return m_cc.rgbResult; }
    // While the dialog shows: makes clr the selected colour.
    void SetCurrentColor(COLORREF clr);
    // The sixteen custom colours every colour dialog of the process shares.
    static COLORREF* GetSavedCustomColors();
    // OK pressed: TRUE keeps the dialog open.
    virtual BOOL OnColorOK();

protected:
    LRESULT HandleColorOK(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()
};

class CFontDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CFontDialog)
public:
    explicit CFontDialog(LPLOGFONTA lplfInitial = nullptr, DWORD dwFlags = CF_EFFECTS | CF_SCREENFONTS,
                         CDC* pdcPrinter = nullptr, CWnd* pParentWnd = nullptr);
    CHOOSEFONTA m_cf;
    LOGFONTA m_lf;  // in and out: m_cf.lpLogFont points here
    INT_PTR DoModal() override;

    void GetCurrentFont(LPLOGFONTA lplf);
    CString GetFaceName() const { return m_cf.lpLogFont->lfFaceName; }
    CString GetStyleName() const { return m_cf.lpszStyle; }
    int GetSize() const { return m_cf.iPointSize; }  // tenths of a point
    COLORREF GetColor() const { return m_cf.rgbColors; }
    int GetWeight() const { return m_cf.lpLogFont->lfWeight; }
    BOOL IsStrikeOut() const { return m_cf.lpLogFont->lfStrikeOut != 0; }
    BOOL IsUnderline() const { return m_cf.lpLogFont->lfUnderline != 0; }
    BOOL IsBold() const { return m_cf.lpLogFont->lfWeight >= FW_SEMIBOLD; }
    BOOL IsItalic() const { return m_cf.lpLogFont->lfItalic != 0; }

protected:
    char m_szStyleName[64] = {};
};

class CFindReplaceDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CFindReplaceDialog)
public:
    // Allocate with new: the dialog deletes itself once its window is gone.
    CFindReplaceDialog();
    BOOL Create(BOOL bFindDialogOnly, LPCTSTR lpszFindWhat, LPCTSTR lpszReplaceWith = nullptr,
                DWORD dwFlags = FR_DOWN, CWnd* pParentWnd = nullptr);
    FINDREPLACEA m_fr;

    // The dialog behind a FINDMSGSTRING message's lParam.
    static CFindReplaceDialog* PASCAL GetNotifier(LPARAM lParam);
    // The message its owner receives for each request.
    static UINT GetFindMessage();

    CString GetFindString() const { return m_fr.lpstrFindWhat; }
    CString GetReplaceString() const { return m_fr.lpstrReplaceWith; }
    BOOL SearchDown() const { return (m_fr.Flags & FR_DOWN) != 0; }
    BOOL FindNext() const { return (m_fr.Flags & FR_FINDNEXT) != 0; }
    BOOL MatchCase() const { return (m_fr.Flags & FR_MATCHCASE) != 0; }
    BOOL MatchWholeWord() const { return (m_fr.Flags & FR_WHOLEWORD) != 0; }
    BOOL ReplaceCurrent() const { return (m_fr.Flags & FR_REPLACE) != 0; }
    BOOL ReplaceAll() const { return (m_fr.Flags & FR_REPLACEALL) != 0; }
    BOOL IsTerminating() const { return (m_fr.Flags & FR_DIALOGTERM) != 0; }

protected:
    void PostNcDestroy() override;
    char m_szFindWhat[128] = {};
    char m_szReplaceWith[128] = {};
};
