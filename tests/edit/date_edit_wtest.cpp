// Dates and times: the text both ways with COleDateTime, impossible dates,
// the clock's digit limits, and the data exchange of a real dialog.
#include "edit/date_edit.h"

#include "edit_fixture.h"
#include "support/dialog_template.h"
#include "support/input.h"

#include <gtest/gtest.h>

namespace {

using kxtest::EditTest;

std::string Text(CWnd& wnd) {
    CString s;
    wnd.GetWindowText(s);
    return s.GetString();
}

void Type(CWnd& wnd, const char* text) {
    kxtest::PostTypeText(wnd.m_hWnd, text);
    kxtest::PumpUntilIdle();
}

TEST_F(EditTest, DatesGoBothWaysAndImpossibleOnesReadAsInvalid) {
    CKXDateEdit edit;
    Make(edit, CRect(10, 10, 200, 34));
    COleDateTime dt(2024, 3, 25, 0, 0, 0);
    edit.SetDateTime(dt);
    EXPECT_EQ("25/03/2024", Text(edit));
    COleDateTime back = edit.GetDateTime();
    ASSERT_EQ(COleDateTime::valid, back.GetStatus());
    EXPECT_EQ(2024, back.GetYear());
    EXPECT_EQ(3, back.GetMonth());
    EXPECT_EQ(25, back.GetDay());

    // Typed over: the tens of the day take 3, its units then no 4; the
    // text may show day 35, the value is then invalid, never a date.
    edit.SetFocus();
    edit.SetSel(0, 0);
    Type(edit, "34");
    EXPECT_EQ("35/03/2024", Text(edit));
    EXPECT_EQ(COleDateTime::invalid, edit.GetDateTime().GetStatus());
    edit.SetSel(0, 0);
    Type(edit, "31");
    edit.SetSel(3, 3);
    Type(edit, "02");
    EXPECT_EQ("31/02/2024", Text(edit));
    EXPECT_EQ(COleDateTime::invalid, edit.GetDateTime().GetStatus());  // 31 February

    // Empty, and a value that cannot be shown.
    edit.SetDateTime(CString("__/__/____"));
    EXPECT_EQ(COleDateTime::invalid, edit.GetDateTime().GetStatus());
    COleDateTime bad;
    bad.SetStatus(COleDateTime::invalid);
    edit.SetDateTime(bad);
    EXPECT_EQ("Invalid DateTime", Text(edit));
    EXPECT_EQ(COleDateTime::invalid, edit.GetDateTime().GetStatus());
    Type(edit, "1234");  // typing edits the slots it finds, nothing breaks
    EXPECT_EQ(16u, Text(edit).size());

    // Year 0: whatever the platform reads, never an impossible date.
    edit.SetDateTime(CString("01/01/0000"));
    const COleDateTime y0 = edit.GetDateTime();
    if (y0.GetStatus() == COleDateTime::valid) {
        EXPECT_GE(y0.GetYear(), 100);
        EXPECT_EQ(1, y0.GetMonth());
        EXPECT_EQ(1, y0.GetDay());
    }
}

TEST_F(EditTest, TimesKeepToTheClock) {
    CKXTimeEdit edit;
    Make(edit, CRect(10, 10, 200, 34));
    edit.SetTime(9, 5);
    EXPECT_EQ("09:05", Text(edit));
    edit.SetHours(25);  // outside the clock: nothing changes
    edit.SetMins(-1);
    EXPECT_EQ(9, edit.GetHours());
    EXPECT_EQ(5, edit.GetMins());
    edit.SetMins(45);
    EXPECT_EQ("09:45", Text(edit));

    CString str;
    edit.FormatOleDateTime(str, COleDateTime(0.0));
    EXPECT_STREQ("00:00", str);
    edit.SetDateTime(COleDateTime(1899, 12, 30, 14, 30, 0));
    EXPECT_EQ("14:30", Text(edit));
}

// A dialog with a date item exchanged with DDX_KXOleDateTime.
class CDateDialog : public CDialog {
public:
    void DoDataExchange(CDataExchange* pDX) override {
        CDialog::DoDataExchange(pDX);
        DDX_KXOleDateTime(pDX, 100, m_wndDate, m_date);
    }
    CKXDateEdit m_wndDate;
    COleDateTime m_date{2024, 3, 25, 0, 0, 0};
};

CDateDialog* g_pDialog = nullptr;

// Answers the modal dialog from inside its loop: types a new day, then OK.
void CALLBACK AnswerDialog(HWND, UINT, UINT_PTR nID, DWORD) {
    ::KillTimer(nullptr, nID);
    if (g_pDialog == nullptr || g_pDialog->m_wndDate.m_hWnd == nullptr) return;
    CKXDateEdit& edit = g_pDialog->m_wndDate;
    edit.SetFocus();
    edit.SetSel(0, 0);
    // Characters only: the dialog's loop translates key-downs itself.
    kxtest::PostChar(edit.m_hWnd, '2');
    kxtest::PostChar(edit.m_hWnd, '8');
    ::PostMessageA(g_pDialog->m_hWnd, WM_COMMAND, IDOK, 0);
}

TEST_F(EditTest, DataExchangeWithARealDialog) {
    kxtest::DialogTemplate tmpl("Date", 120, 60);
    tmpl.Item(100, kxtest::DialogTemplate::kEdit, WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP, 10, 10, 80, 12)
        .Item(IDOK, kxtest::DialogTemplate::kButton, BS_DEFPUSHBUTTON | WS_TABSTOP, 60, 40, 50, 14, "OK");
    CDateDialog dlg;
    dlg.InitModalIndirect(tmpl.Get(), &m_parent);
    g_pDialog = &dlg;
    ::SetTimer(nullptr, 0, 100, AnswerDialog);
    EXPECT_EQ(IDOK, dlg.DoModal());
    g_pDialog = nullptr;
    ASSERT_EQ(COleDateTime::valid, dlg.m_date.GetStatus());
    EXPECT_EQ(28, dlg.m_date.GetDay());
    EXPECT_EQ(3, dlg.m_date.GetMonth());
    EXPECT_EQ(2024, dlg.m_date.GetYear());
}

}  // namespace
