// Dialogs from templates, modal and modeless, and dialog data exchange.
#include "win/afxwin.h"

#include "support/dialog_template.h"
#include "support/pump.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace dialog_test {

// An edit (id 100), a second edit (id 101), a check box (id 102) and an OK button.
kxtest::DialogTemplate TestTemplate() {
    kxtest::DialogTemplate tmpl("Test dialog", 200, 100);
    tmpl.Item(100, kxtest::DialogTemplate::kEdit, WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP, 10, 10, 80, 12)
        .Item(101, kxtest::DialogTemplate::kEdit, WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP, 10, 30, 80, 12)
        .Item(102, kxtest::DialogTemplate::kButton, BS_AUTOCHECKBOX | WS_TABSTOP, 10, 50, 80, 12, "Check")
        .Item(IDOK, kxtest::DialogTemplate::kButton, BS_DEFPUSHBUTTON | WS_TABSTOP, 100, 70, 50, 14, "OK");
    return tmpl;
}

class CPromptRecordingApp : public CWinApp {
public:
    CPromptRecordingApp() : CWinApp("KXDialogTest") {}
    int DoMessageBox(LPCTSTR lpszPrompt, UINT, UINT) override {
        m_prompts.push_back(lpszPrompt);
        return IDOK;
    }
    std::vector<CString> m_prompts;
};

class CDataDialog : public CDialog {
public:
    CString m_name = "initial";
    int m_count = 7;
    int m_check = 1;
    CEdit m_edit;
    int m_initCalls = 0;
    bool m_endAtInit = false;

    BOOL OnInitDialog() override {
        ++m_initCalls;
        CDialog::OnInitDialog();
        if (m_endAtInit) PostMessage(WM_COMMAND, IDOK);
        return TRUE;
    }
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, 100, m_edit);
        DDX_Text(pDX, 100, m_name);
        DDV_MaxChars(pDX, m_name, 10);
        DDX_Text(pDX, 101, m_count);
        DDV_MinMaxInt(pDX, m_count, 0, 99);
        DDX_Check(pDX, 102, m_check);
    }
};

CString ItemText(CWnd& dlg, int id) {
    CString s;
    dlg.GetDlgItemText(id, s);
    return s;
}

}  // namespace dialog_test

using namespace dialog_test;

TEST(CDialogTest, ModelessExchangeAndValidation) {
    CPromptRecordingApp app;
    const kxtest::DialogTemplate tmpl = TestTemplate();
    CDataDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(tmpl.Get()));
    EXPECT_EQ(dlg.m_initCalls, 1);
    // OnInitDialog put the members into the controls and subclassed the edit.
    EXPECT_EQ(ItemText(dlg, 100), "initial");
    EXPECT_EQ(ItemText(dlg, 101), "7");
    EXPECT_EQ(dlg.IsDlgButtonChecked(102), 1u);
    EXPECT_EQ(dlg.m_edit.m_hWnd, ::GetDlgItem(dlg.m_hWnd, 100));
    EXPECT_EQ(::SendDlgItemMessageA(dlg.m_hWnd, 100, EM_GETLIMITTEXT, 0, 0), 10);

    dlg.SetDlgItemText(100, "changed");
    dlg.SetDlgItemText(101, " 42 ");
    dlg.CheckDlgButton(102, 0);
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_name, "changed");
    EXPECT_EQ(dlg.m_count, 42);
    EXPECT_EQ(dlg.m_check, 0);
    EXPECT_TRUE(app.m_prompts.empty());

    // Out of range: the value is exchanged, then validation tells the user
    // and puts the focus on the field; text that is no number changes nothing.
    dlg.SetDlgItemText(101, "100");
    EXPECT_FALSE(dlg.UpdateData(TRUE));
    ASSERT_EQ(app.m_prompts.size(), 1u);
    EXPECT_EQ(app.m_prompts[0], "Please enter an integer between 0 and 99.");
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(dlg.m_hWnd, 101));
    dlg.SetDlgItemText(101, "12x");
    EXPECT_FALSE(dlg.UpdateData(TRUE));
    EXPECT_EQ(app.m_prompts.back(), "Please enter an integer.");
    EXPECT_EQ(dlg.m_count, 100);
    dlg.DestroyWindow();
}

TEST(CDialogTest, DoModalRunsItsOwnLoopUntilEndDialog) {
    CPromptRecordingApp app;
    const kxtest::DialogTemplate tmpl = TestTemplate();
    CDataDialog dlg;
    dlg.InitModalIndirect(tmpl.Get());
    dlg.m_endAtInit = true;  // OK is pressed as soon as the dialog runs
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_initCalls, 1);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_EQ(dlg.m_name, "initial");  // OnOK saved the data back
    EXPECT_EQ(dlg.m_edit.m_hWnd, nullptr);
}
