// Dialogs from templates, modal and modeless, dialog data exchange with
// every kind of field, and the routing of commands a dialog leaves.
#include "win/afxwin.h"

#include <afxcmn.h>
#include <afxdtctl.h>

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

namespace dialog_test {

// One field of every kind the exchange knows.
struct TypesTemplate : kxtest::DialogTemplate {
    TypesTemplate() : DialogTemplate("Types", 300, 200) {
        const char* const names[] = {"byte", "short", "uint", "longlong", "ulonglong", "float", "double", "date"};
        for (WORD i = 0; i < 8; ++i) Item(200 + i, kEdit, WS_BORDER | ES_AUTOHSCROLL, 10, 10 + 14 * i, 80, 12, names[i]);
        Item(220, kComboBox, CBS_DROPDOWN | WS_VSCROLL, 100, 10, 80, 60);
        Item(221, kScrollBar, SBS_HORZ, 100, 30, 80, 10);
        Item(222, kButton, BS_AUTORADIOBUTTON | WS_GROUP, 100, 45, 40, 10, "a");
        Item(223, kButton, BS_AUTORADIOBUTTON, 100, 55, 40, 10, "b");
        Item(224, kButton, BS_AUTORADIOBUTTON, 100, 65, 40, 10, "c");
        Item(225, kStatic, WS_GROUP, 100, 75, 10, 10);
        Item(226, DATETIMEPICK_CLASSA, DTS_SHORTDATEFORMAT | DTS_SHOWNONE, 100, 90, 80, 12);
        Item(227, WC_IPADDRESSA, 0, 100, 105, 100, 12);
    }
};

class CTypesDialog : public CDialog {
public:
    BYTE m_byte = 200;
    short m_short = -300;
    UINT m_uint = 4000000000u;
    LONGLONG m_longlong = -9000000000LL;
    ULONGLONG m_ulonglong = 18000000000000000000ULL;
    float m_float = 0.25f;
    double m_double = 0.5;
    COleDateTime m_date = COleDateTime(2001, 2, 3, 0, 0, 0);
    CString m_combo = "two";
    int m_scroll = 7;
    int m_radio = 1;
    COleDateTime m_picked = COleDateTime(2010, 5, 6, 0, 0, 0);
    DWORD m_address = 0xC0A80001;  // 192.168.0.1
    BOOL m_bMissingControl = FALSE;

    BOOL OnInitDialog() override {
        ::SendDlgItemMessageA(m_hWnd, 220, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("one"));
        ::SendDlgItemMessageA(m_hWnd, 220, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("two"));
        ::SendDlgItemMessageA(m_hWnd, 220, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("twofold"));
        ::SetScrollRange(::GetDlgItem(m_hWnd, 221), SB_CTL, 0, 20, FALSE);
        return CDialog::OnInitDialog();
    }
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, 200, m_byte);
        DDX_Text(pDX, 201, m_short);
        DDX_Text(pDX, 202, m_uint);
        DDX_Text(pDX, 203, m_longlong);
        DDX_Text(pDX, 204, m_ulonglong);
        DDX_Text(pDX, 205, m_float);
        DDX_Text(pDX, 206, m_double);
        DDV_MinMaxDouble(pDX, m_double, 0.0, 1.0);
        DDX_Text(pDX, 207, m_date);
        DDX_CBStringExact(pDX, 220, m_combo);
        DDX_Scroll(pDX, 221, m_scroll);
        DDX_Radio(pDX, 222, m_radio);
        DDX_DateTimeCtrl(pDX, 226, m_picked);
        DDX_IPAddress(pDX, 227, m_address);
        if (m_bMissingControl) DDX_Text(pDX, 999, m_combo);
    }
};

class CRoutingApp : public CWinApp {
public:
    CRoutingApp() : CWinApp("KXRoutingTest") {}
    int m_nAbout = 0;
    int m_nUpdates = 0;
    std::vector<CString> m_prompts;
    void OnAbout() { ++m_nAbout; }
    void OnUpdateAbout(CCmdUI* pCmdUI) {
        ++m_nUpdates;
        pCmdUI->Enable(TRUE);
    }
    int DoMessageBox(LPCTSTR lpszPrompt, UINT, UINT) override {
        m_prompts.push_back(lpszPrompt);
        return IDOK;
    }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CRoutingApp, CWinApp)
    ON_COMMAND(ID_APP_ABOUT, OnAbout)
    ON_UPDATE_COMMAND_UI(ID_APP_ABOUT, OnUpdateAbout)
    ON_COMMAND(IDOK, OnAbout)  // a button identifier: never routed here
END_MESSAGE_MAP()

}  // namespace dialog_test

TEST(CDialogTest, EveryKindOfFieldExchangesAndBadTextTellsTheUser) {
    AfxInitCommonControls();
    CPromptRecordingApp app;
    TypesTemplate tmpl;
    CTypesDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(tmpl.Get()));
    const std::pair<int, const char*> loaded[] = {{200, "200"},
                                                  {201, "-300"},
                                                  {202, "4000000000"},
                                                  {203, "-9000000000"},
                                                  {204, "18000000000000000000"},
                                                  {205, "0.25"},
                                                  {206, "0.5"},
                                                  {220, "two"}};
    for (const auto& [id, text] : loaded) EXPECT_EQ(ItemText(dlg, id), text) << id;
    EXPECT_EQ(::SendDlgItemMessageA(dlg.m_hWnd, 220, CB_GETCURSEL, 0, 0), 1);  // "two", not "twofold"
    EXPECT_EQ(::GetScrollPos(::GetDlgItem(dlg.m_hWnd, 221), SB_CTL), 7);
    EXPECT_EQ(dlg.GetCheckedRadioButton(222, 224), 223);

    dlg.SetDlgItemText(200, " 255 ");
    dlg.SetDlgItemText(201, "-32768");
    dlg.SetDlgItemText(204, "1");
    dlg.CheckRadioButton(222, 224, 224);
    ::SetScrollPos(::GetDlgItem(dlg.m_hWnd, 221), SB_CTL, 12, FALSE);
    ::SendDlgItemMessageA(dlg.m_hWnd, 227, IPM_SETADDRESS, 0, MAKEIPADDRESS(10, 0, 0, 2));
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_byte, 255);
    EXPECT_EQ(dlg.m_short, -32768);
    EXPECT_EQ(dlg.m_ulonglong, 1u);
    EXPECT_EQ(dlg.m_radio, 2);
    EXPECT_EQ(dlg.m_scroll, 12);
    EXPECT_EQ(dlg.m_address, static_cast<DWORD>(MAKEIPADDRESS(10, 0, 0, 2)));
    EXPECT_EQ(dlg.m_date, COleDateTime(2001, 2, 3, 0, 0, 0));
    EXPECT_EQ(dlg.m_picked.GetYear(), 2010);
    EXPECT_EQ(dlg.m_picked.GetDay(), 6);

    // Text a field's type cannot hold: the framework's prompt, the focus on the field.
    const struct {
        int id;
        const char* text;
        const char* prompt;
    } bad[] = {
        {200, "256", "Please enter an integer between 0 and 255."},
        {201, "40000", "Please enter an integer."},
        {202, "-1", "Please enter a positive integer."},
        {205, "1e99", "Please enter a number."},
        {206, "1.5", "Please enter a number between 0 and 1."},
        {207, "no date", "Please enter a date and/or time."},
    };
    for (const auto& b : bad) {
        CString good = ItemText(dlg, b.id);
        dlg.SetDlgItemText(b.id, b.text);
        app.m_prompts.clear();
        EXPECT_FALSE(dlg.UpdateData(TRUE)) << b.id;
        ASSERT_EQ(app.m_prompts.size(), 1u) << b.id;
        EXPECT_EQ(app.m_prompts[0], b.prompt);
        EXPECT_EQ(::GetFocus(), ::GetDlgItem(dlg.m_hWnd, b.id));
        dlg.SetDlgItemText(b.id, good);
    }

    // Another failure than a validation is reported as the exception's message.
    dlg.m_bMissingControl = TRUE;
    app.m_prompts.clear();
    EXPECT_FALSE(dlg.UpdateData(TRUE));
    ASSERT_EQ(app.m_prompts.size(), 1u);
    EXPECT_EQ(app.m_prompts[0], "Unsupported operation was attempted.");
    dlg.DestroyWindow();
}

TEST(CDialogTest, CommandsTheDialogLeavesGoToTheApplication) {
    CRoutingApp app;
    const kxtest::DialogTemplate tmpl = TestTemplate();
    CDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(tmpl.Get()));
    dlg.SendMessage(WM_COMMAND, ID_APP_ABOUT);
    EXPECT_EQ(app.m_nAbout, 1);
    EXPECT_EQ(app.m_nUpdates, 1);  // the command's state was asked first
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(100, EN_CHANGE), reinterpret_cast<LPARAM>(::GetDlgItem(dlg.m_hWnd, 100)));
    dlg.SendMessage(WM_COMMAND, IDOK);  // the dialog's own button, handled by the dialog
    EXPECT_EQ(app.m_nAbout, 1);
    dlg.DestroyWindow();
}
