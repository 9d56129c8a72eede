// CPropertyPage and CPropertySheet: tabbed property sheets and wizards over
// the common controls' property sheet, modal (DoModal) or modeless (Create).
//
// Pages are dialogs from templates, found along the resource chain (the
// application, then its extension modules) like any dialog's; the sheet's
// notifications (PSN_*) reach the pages' virtual members, and a page that
// fails validation in OnKillActive stays the active page.
#pragma once

#include "afxres.h"
#include "base/array_types.h"
#include "win/ctl_common.h"
#include "win/dialog.h"

#include <prsht.h>

#include <vector>

// The structure sizes handed to the common controls: the full structures of
// the platform built for where the loaded comctl32 knows them, the older
// layouts otherwise (pages without the activation context before version 6,
// headers without the wizard's bitmaps before 4.71).
DWORD AfxGetComCtlVersion();  // (major << 16) | minor; 0 when unknown
DWORD AfxPropSheetPageSize(DWORD dwComCtlVersion);
DWORD AfxPropSheetHeaderSize(DWORD dwComCtlVersion);

class CPropertySheet;

class CPropertyPage : public CDialog {
    DECLARE_DYNAMIC(CPropertyPage)
public:
    CPropertyPage();
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0, DWORD dwSize = 0);
    explicit CPropertyPage(LPCTSTR lpszTemplateName, UINT nIDCaption = 0, DWORD dwSize = 0);
    ~CPropertyPage() override;
    void Construct(UINT nIDTemplate, UINT nIDCaption = 0);
    void Construct(LPCTSTR lpszTemplateName, UINT nIDCaption = 0);

    // The page's description as the sheet hands it on (dwSize, dwFlags,
    // pszTitle, hIcon... may be changed before the sheet is created).
    PROPSHEETPAGEA m_psp;

    // Tells the sheet that the page has (or no longer has) changes to
    // apply: the Apply button follows.
    void SetModified(BOOL bChanged = TRUE);
    BOOL IsModified() const { return m_bModified; }
    // Sends PSM_QUERYSIBLINGS to the sheet: the first nonzero answer of a page.
    LRESULT QuerySiblings(WPARAM wParam, LPARAM lParam);
    // Turns Cancel into Close: the changes made cannot be undone.
    void CancelToClose();

    // Notifications from the sheet.
    virtual BOOL OnSetActive();     // the page shows; FALSE keeps it from showing
    virtual BOOL OnKillActive();    // the page goes; FALSE (data not valid) keeps it
    virtual BOOL OnApply();         // OK or Apply: calls OnOK; FALSE keeps the sheet open
    virtual void OnReset();         // Cancel: calls OnCancel
    virtual BOOL OnQueryCancel();   // FALSE refuses Cancel
    virtual LRESULT OnWizardBack();  // 0: previous page, -1: stay, or a page's template ID
    virtual LRESULT OnWizardNext();  // 0: next page, -1: stay, or a page's template ID
    virtual BOOL OnWizardFinish();   // FALSE refuses Finish
    void OnOK() override;
    void OnCancel() override;

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    // The sheet's copy of m_psp with the template loaded (PSP_DLGINDIRECT).
    BOOL PreparePageDescription(PROPSHEETPAGEA& psp);

protected:
    CString m_strCaption;
    BOOL m_bModified = FALSE;
    BOOL m_bFirstSetActive = TRUE;
    CPropertySheet* GetSheet() const;
    LRESULT MapWizardResult(LRESULT lToPage) const;
    LRESULT HandleInitDialog(WPARAM, LPARAM);

private:
    void CommonConstruct(LPCTSTR lpszTemplateName, UINT nIDCaption, DWORD dwSize);
    const void* m_pLoadedTemplate = nullptr;  // what PreparePageDescription found
    friend class CPropertySheet;

    DECLARE_MESSAGE_MAP()
};

class CPropertySheet : public CWnd {
    DECLARE_DYNAMIC(CPropertySheet)
public:
    CPropertySheet();
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~CPropertySheet() override;
    void Construct(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    void Construct(LPCTSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

    // The sheet's description (dwFlags, pszIcon...); the pages come from AddPage.
    PROPSHEETHEADERA m_psh;

    // Modal: IDOK, IDCANCEL or (wizard) ID_WIZFINISH; -1 when the sheet
    // could not be created.
    virtual INT_PTR DoModal();
    // Modeless.  dwStyle -1: a captioned, visible popup.  OK and Cancel
    // destroy the window (PostNcDestroy follows).
    virtual BOOL Create(CWnd* pParentWnd = nullptr, DWORD dwStyle = (DWORD)-1, DWORD dwExStyle = 0);

    void AddPage(CPropertyPage* pPage);
    void RemovePage(CPropertyPage* pPage);
    void RemovePage(int nPage);
    int GetPageCount() const;
    CPropertyPage* GetPage(int nPage) const;
    int GetPageIndex(CPropertyPage* pPage) const;
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage);
    CTabCtrl* GetTabControl() const;
    void SetTitle(LPCTSTR lpszText, UINT nStyle = 0);

    void SetWizardMode() { m_psh.dwFlags |= PSH_WIZARD; }
    BOOL IsWizard() const { return (m_psh.dwFlags & (PSH_WIZARD | PSH_WIZARD97)) != 0; }
    void SetWizardButtons(DWORD dwFlags);
    void SetFinishText(LPCTSTR lpszText);
    void EnableStackedTabs(BOOL bStacked) { m_bStacked = bStacked; }
    BOOL PressButton(int nButton);
    void EndDialog(int nEndID);

    virtual BOOL OnInitDialog();
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL ContinueModal() override;
    BOOL IsDialogWnd() const override { return TRUE; }
    CWnd* m_pParentWnd = nullptr;

protected:
    CPtrArray m_pages;
    CString m_strCaption;
    BOOL m_bStacked = TRUE;
    BOOL m_bModeless = FALSE;
    std::vector<BYTE> m_pageDescriptions;  // the PROPSHEETPAGEs handed to the sheet

    void CommonConstruct(CWnd* pParentWnd, UINT iSelectPage);
    BOOL BuildPropPageArray();
    HWND CreateSheet(HWND hWndParent, DWORD dwStyle, DWORD dwExStyle);
    LRESULT HandleInitDialog(WPARAM, LPARAM);
    LRESULT OnPressButton(WPARAM, LPARAM);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    DWORD m_dwCreateStyle = 0;  // the style the sheet's window gets (0: the template's)
    DWORD m_dwCreateExStyle = 0;
    friend struct PropSheetAccess;

    DECLARE_MESSAGE_MAP()
};
