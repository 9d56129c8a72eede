// "Dialog": a form from a dialog template (gallery.rc), created modeless as
// a child of the page, with dialog data exchange and subclassed edits.
#include "gallery_page.h"
#include "resource.h"

namespace {

// An edit with a tinted background.  Its parent sends WM_CTLCOLOREDIT; the
// framework reflects it back here as WM_CTLCOLOR.
class CTintedEdit : public CEdit {
public:
    explicit CTintedEdit(COLORREF crTint) : m_crTint(crTint) { m_brTint.CreateSolidBrush(crTint); }

protected:
    HBRUSH CtlColor(CDC* pDC, UINT /*nCtlColor*/) {
        pDC->SetBkColor(m_crTint);
        return static_cast<HBRUSH>(m_brTint.GetSafeHandle());
    }

private:
    COLORREF m_crTint;
    CBrush m_brTint;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTintedEdit, CEdit)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class CPersonForm : public CDialog {
public:
    CPersonForm() : m_wndName(RGB(255, 248, 220)), m_wndAge(RGB(230, 244, 255)) {}

    CString m_strName = "Ada Lovelace";
    int m_nAge = 36;

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();  // runs DoDataExchange: DDX_Control attaches m_wndName
        m_wndAge.SubclassDlgItem(IDC_AGE, this);
        ShowGreeting();
        return TRUE;
    }
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_NAME, m_wndName);
        DDX_Text(pDX, IDC_NAME, m_strName);
        DDV_MaxChars(pDX, m_strName, 40);
        DDX_Text(pDX, IDC_AGE, m_nAge);
        DDV_MinMaxInt(pDX, m_nAge, 0, 150);
    }
    // A form inside a page is never ended: Enter applies, Escape does nothing.
    void OnOK() override { OnApply(); }
    void OnCancel() override {}

    void OnApply() {
        if (UpdateData(TRUE)) ShowGreeting();
    }
    void OnReset() {
        m_strName.Empty();
        m_nAge = 0;
        UpdateData(FALSE);
        ShowGreeting();
    }
    void ShowGreeting() {
        CString strGreeting;
        if (m_strName.IsEmpty())
            strGreeting = "Type a name and an age, then Apply.";
        else
            strGreeting.Format("Hello, %s! Next year you will be %d.", (LPCTSTR)m_strName, m_nAge + 1);
        SetDlgItemText(IDC_GREETING, strGreeting);
    }

private:
    CTintedEdit m_wndName;
    CTintedEdit m_wndAge;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPersonForm, CDialog)
    ON_BN_CLICKED(IDC_APPLY, OnApply)
    ON_BN_CLICKED(IDC_RESET, OnReset)
END_MESSAGE_MAP()

class CDialogPage : public CGalleryPage {
public:
    CDialogPage() : CGalleryPage("Dialog") {}

protected:
    BOOL CreateControls() override {
        if (!m_wndForm.Create(IDD_PERSON_FORM, this)) return FALSE;
        m_wndForm.SetWindowPos(nullptr, 8, 4, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
        return TRUE;
    }

private:
    CPersonForm m_wndForm;
};

}  // namespace

CGalleryPage* CreateDialogPage() { return new CDialogPage; }
