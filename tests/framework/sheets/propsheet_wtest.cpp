// Property sheets and wizards, modal and modeless, driven by the test
// through their buttons: applying and cancelling, pages that refuse to be
// left, wizard navigation, pages added and removed while the sheet shows.
#include <afxdlgs.h>
#include "support/named_lock.h"

#include "support/dialog_answer.h"
#include "support/gdi_leak.h"
#include "support/pump.h"

#include <gtest/gtest.h>

#include <vector>

namespace propsheet_test {

class CPromptApp : public CWinApp {
public:
    CPromptApp() : CWinApp("KXSheetTest") {}
    int DoMessageBox(LPCTSTR lpszPrompt, UINT, UINT) override {
        m_prompts.push_back(lpszPrompt);
        return IDOK;
    }
    std::vector<CString> m_prompts;
};

// Counts what the sheet tells the page.
class CCountingPage : public CPropertyPage {
public:
    using CPropertyPage::CPropertyPage;
    int m_init = 0, m_setActive = 0, m_killActive = 0, m_apply = 0, m_reset = 0, m_queryCancel = 0;
    bool m_refuseCancel = false;
    BOOL OnInitDialog() override {
        ++m_init;
        return CPropertyPage::OnInitDialog();
    }
    BOOL OnSetActive() override {
        ++m_setActive;
        return CPropertyPage::OnSetActive();
    }
    BOOL OnKillActive() override {
        ++m_killActive;
        return CPropertyPage::OnKillActive();
    }
    BOOL OnApply() override {
        ++m_apply;
        return CPropertyPage::OnApply();
    }
    void OnReset() override {
        ++m_reset;
        CPropertyPage::OnReset();
    }
    BOOL OnQueryCancel() override {
        ++m_queryCancel;
        return !m_refuseCancel;
    }
};

class CNamePage : public CCountingPage {
public:
    CNamePage() : CCountingPage(301) {}
    CString m_name = "Bob";
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, 1001, m_name); }
};

class CCountPage : public CCountingPage {
public:
    CCountPage() : CCountingPage(302) {}
    int m_count = 5;
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, 1002, m_count);
        DDV_MinMaxInt(pDX, m_count, 0, 99);
    }
};

class CSheet : public CPropertySheet {
public:
    using CPropertySheet::CPropertySheet;
    int m_init = 0;
    int m_tabsAtInit = -1;
    BOOL OnInitDialog() override {
        const BOOL b = CPropertySheet::OnInitDialog();
        ++m_init;
        m_tabsAtInit = GetTabControl()->GetItemCount();
        return b;
    }
};

CString Text(HWND dlg, int id) {
    char buf[256] = {};
    ::GetDlgItemTextA(dlg, id, buf, sizeof buf);
    return buf;
}

HWND CurrentPage(HWND sheet) { return reinterpret_cast<HWND>(::SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0)); }

}  // namespace propsheet_test

using namespace propsheet_test;

TEST(PropertySheetTest, StructureSizesFollowTheCommonControlsVersion) {
    EXPECT_EQ(AfxPropSheetPageSize(MAKELONG(0, 6)), sizeof(PROPSHEETPAGEA));
    EXPECT_EQ(AfxPropSheetPageSize(MAKELONG(80, 5)), static_cast<DWORD>(PROPSHEETPAGEA_V2_SIZE));
    EXPECT_EQ(AfxPropSheetHeaderSize(MAKELONG(80, 5)), sizeof(PROPSHEETHEADERA));
    EXPECT_EQ(AfxPropSheetHeaderSize(MAKELONG(70, 4)), static_cast<DWORD>(PROPSHEETHEADERA_V1_SIZE));
    ASSERT_NE(AfxGetComCtlVersion(), 0u);
    CNamePage page;
    CPropertySheet sheet("Sizes");
    EXPECT_EQ(page.m_psp.dwSize, AfxPropSheetPageSize(AfxGetComCtlVersion()));
    EXPECT_EQ(sheet.m_psh.dwSize, AfxPropSheetHeaderSize(AfxGetComCtlVersion()));
    EXPECT_EQ(page.m_psp.lParam, reinterpret_cast<LPARAM>(&page));
}

TEST(PropertySheetTest, ModalOkAppliesEveryCreatedPage) {
    kxtest::CursorLock lock;  // the dialog takes the foreground
    CPromptApp app;
    CNamePage name;
    CCountPage count;
    CCountingPage extra(303);
    CSheet sheet("Settings");
    sheet.AddPage(&name);
    sheet.AddPage(&count);
    sheet.AddPage(&extra);
    EXPECT_EQ(sheet.GetPageCount(), 3);
    EXPECT_EQ(sheet.GetActivePage(), &name);
    kxtest::DialogAnswer answer("Settings", {
        [&](HWND dlg) {
            EXPECT_EQ(dlg, sheet.m_hWnd);
            EXPECT_EQ(Text(name.m_hWnd, 1001), "Bob");  // DDX filled the page
            ::SetDlgItemTextA(name.m_hWnd, 1001, "Alice");
            EXPECT_TRUE(sheet.SetActivePage(1));
        },
        [&](HWND) {
            EXPECT_EQ(sheet.GetActiveIndex(), 1);
            EXPECT_EQ(sheet.GetActivePage(), &count);
            ::SetDlgItemTextA(count.m_hWnd, 1002, "42");
        },
        [&](HWND dlg) { kxtest::ClickButton(dlg, IDOK); },
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_TRUE(answer.Done());
    EXPECT_EQ(sheet.m_init, 1);
    EXPECT_EQ(sheet.m_tabsAtInit, 3);
    EXPECT_EQ(name.m_name, "Alice");
    EXPECT_EQ(count.m_count, 42);
    // Only pages that were shown are created, and only they apply.
    EXPECT_EQ(name.m_apply, 1);
    EXPECT_EQ(count.m_apply, 1);
    EXPECT_EQ(extra.m_init, 0);
    EXPECT_EQ(extra.m_apply, 0);
    EXPECT_EQ(name.m_killActive, 1);
    EXPECT_EQ(sheet.m_hWnd, nullptr);
    EXPECT_EQ(name.m_hWnd, nullptr);
    EXPECT_TRUE(app.m_prompts.empty());
}

TEST(PropertySheetTest, CancelResetsAndQueryCancelCanRefuse) {
    kxtest::CursorLock lock;  // the dialog takes the foreground
    CPromptApp app;
    CNamePage name;
    name.m_refuseCancel = true;
    CPropertySheet sheet("Cancel me", nullptr, 0);
    sheet.AddPage(&name);
    kxtest::DialogAnswer answer("Cancel me", {
        [&](HWND dlg) {
            ::SetDlgItemTextA(name.m_hWnd, 1001, "Changed");
            kxtest::ClickButton(dlg, IDCANCEL);  // refused: the sheet stays
        },
        [&](HWND dlg) {
            EXPECT_EQ(name.m_queryCancel, 1);
            EXPECT_NE(CurrentPage(dlg), nullptr);
            name.m_refuseCancel = false;
            kxtest::ClickButton(dlg, IDCANCEL);
        },
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_TRUE(answer.Done());
    EXPECT_EQ(name.m_queryCancel, 2);
    EXPECT_EQ(name.m_reset, 1);
    EXPECT_EQ(name.m_apply, 0);
    EXPECT_EQ(name.m_name, "Bob");
}

TEST(PropertySheetTest, APageWhoseDataFailsValidationStaysActive) {
    kxtest::CursorLock lock;  // the dialog takes the foreground
    CPromptApp app;
    CNamePage name;
    CCountPage count;
    CPropertySheet sheet("Validate", nullptr, 1);
    sheet.AddPage(&name);
    sheet.AddPage(&count);
    kxtest::DialogAnswer answer("Validate", {
        [&](HWND) {
            EXPECT_EQ(sheet.GetActivePage(), &count);
            ::SetDlgItemTextA(count.m_hWnd, 1002, "500");
            EXPECT_FALSE(sheet.SetActivePage(0));  // OnKillActive refused
            EXPECT_EQ(sheet.GetActivePage(), &count);
            EXPECT_EQ(app.m_prompts.size(), 1u);
        },
        // OK is refused too: the page cannot be left, nothing is applied.
        [&](HWND dlg) { kxtest::ClickButton(dlg, IDOK); },
        [&](HWND dlg) {
            EXPECT_NE(CurrentPage(dlg), nullptr);
            EXPECT_EQ(count.m_apply, 0);
            ::SetDlgItemTextA(count.m_hWnd, 1002, "7");
            kxtest::ClickButton(dlg, IDOK);
        },
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_TRUE(answer.Done());
    EXPECT_EQ(app.m_prompts.size(), 2u);
    EXPECT_EQ(count.m_count, 7);
    EXPECT_EQ(count.m_apply, 1);
    EXPECT_EQ(name.m_init, 0);
}

TEST(PropertySheetTest, ModelessApplyModifiedAndClose) {
    kxtest::CursorLock lock;  // the dialog takes the foreground
    CPromptApp app;
    CNamePage name;
    CCountPage count;
    CSheet sheet("Modeless");
    sheet.AddPage(&name);
    sheet.AddPage(&count);
    ASSERT_TRUE(sheet.Create());
    EXPECT_TRUE(sheet.IsWindowVisible());
    EXPECT_EQ(sheet.m_init, 1);
    HWND apply = ::GetDlgItem(sheet.m_hWnd, ID_APPLY_NOW);
    ASSERT_NE(apply, nullptr);
    EXPECT_FALSE(::IsWindowEnabled(apply));
    ::SetDlgItemTextA(name.m_hWnd, 1001, "Carol");
    name.SetModified();
    EXPECT_TRUE(name.IsModified());
    EXPECT_TRUE(::IsWindowEnabled(apply));
    kxtest::ClickButton(sheet.m_hWnd, ID_APPLY_NOW);
    kxtest::PumpUntilIdle();
    EXPECT_EQ(name.m_apply, 1);
    EXPECT_EQ(name.m_name, "Carol");
    EXPECT_FALSE(name.IsModified());
    EXPECT_FALSE(::IsWindowEnabled(apply));
    EXPECT_NE(sheet.m_hWnd, nullptr);  // Apply leaves the sheet open

    // Changes cannot be undone now: OK closes, Cancel is gone.
    name.CancelToClose();
    EXPECT_EQ(Text(sheet.m_hWnd, IDOK), "Close");
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(sheet.m_hWnd, IDCANCEL)));

    ::SetDlgItemTextA(name.m_hWnd, 1001, "Dave");
    kxtest::ClickButton(sheet.m_hWnd, IDOK);
    kxtest::PumpUntilIdle();
    EXPECT_EQ(sheet.m_hWnd, nullptr);
    EXPECT_EQ(name.m_hWnd, nullptr);
    EXPECT_EQ(name.m_name, "Dave");
    EXPECT_EQ(name.m_apply, 2);
}

TEST(PropertySheetTest, PagesAddedAndRemovedWhileShown) {
    kxtest::CursorLock lock;  // the dialog takes the foreground
    CPromptApp app;
    CNamePage name;
    CCountPage count;
    CCountingPage extra(303);
    CPropertySheet sheet("Pages");
    sheet.AddPage(&name);
    sheet.AddPage(&count);
    ASSERT_TRUE(sheet.Create());
    CTabCtrl* tab = sheet.GetTabControl();
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(tab->GetItemCount(), 2);
    EXPECT_TRUE(sheet.SetActivePage(&count));
    EXPECT_EQ(sheet.GetActiveIndex(), 1);

    sheet.AddPage(&extra);
    EXPECT_EQ(sheet.GetPageCount(), 3);
    EXPECT_EQ(sheet.GetTabControl()->GetItemCount(), 3);
    EXPECT_EQ(extra.m_init, 0);
    EXPECT_TRUE(sheet.SetActivePage(2));
    EXPECT_EQ(extra.m_init, 1);
    EXPECT_EQ(sheet.GetActivePage(), &extra);

    // The shown first page goes: its window with it, the others stay.
    ASSERT_NE(name.m_hWnd, nullptr);
    sheet.RemovePage(&name);
    EXPECT_EQ(name.m_hWnd, nullptr);
    EXPECT_EQ(sheet.GetPageCount(), 2);
    EXPECT_EQ(sheet.GetTabControl()->GetItemCount(), 2);
    EXPECT_EQ(sheet.GetPage(0), &count);
    EXPECT_EQ(sheet.GetActivePage(), &extra);
    EXPECT_EQ(sheet.GetActiveIndex(), 1);
    // The active page goes: the sheet shows another.
    sheet.RemovePage(1);
    EXPECT_EQ(extra.m_hWnd, nullptr);
    EXPECT_EQ(sheet.GetActivePage(), &count);
    sheet.DestroyWindow();
    EXPECT_EQ(count.m_hWnd, nullptr);
}

TEST(PropertySheetTest, RemovePageBeforeCreationKeepsTheStartPage) {
    kxtest::CursorLock lock;  // the dialog takes the foreground
    CNamePage name;
    CCountPage count;
    CCountingPage extra(303);
    CPropertySheet sheet("Before", nullptr, 2);
    sheet.AddPage(&name);
    sheet.AddPage(&count);
    sheet.AddPage(&extra);
    sheet.RemovePage(&name);
    EXPECT_EQ(sheet.GetActivePage(), &extra);
    EXPECT_EQ(sheet.GetActiveIndex(), 1);
    ASSERT_TRUE(sheet.Create());
    EXPECT_EQ(sheet.GetActivePage(), &extra);
    sheet.DestroyWindow();
}

namespace propsheet_test {

// Three wizard pages 301 -> 302 -> 303; the first skips the second, the
// second refuses Next once.
class CWizardPage : public CCountingPage {
public:
    CWizardPage(UINT id, DWORD buttons) : CCountingPage(id), m_buttons(buttons) {}
    DWORD m_buttons;
    LRESULT m_next = 0;
    int m_nextCalls = 0, m_backCalls = 0, m_finishCalls = 0;
    BOOL OnSetActive() override {
        static_cast<CPropertySheet*>(GetParent())->SetWizardButtons(m_buttons);
        return CCountingPage::OnSetActive();
    }
    LRESULT OnWizardNext() override {
        ++m_nextCalls;
        const LRESULT r = m_next;
        if (m_next == -1) m_next = 0;
        return r;
    }
    LRESULT OnWizardBack() override {
        ++m_backCalls;
        return CCountingPage::OnWizardBack();
    }
    BOOL OnWizardFinish() override {
        ++m_finishCalls;
        return TRUE;
    }
};

bool Enabled(HWND dlg, int id) { return ::IsWindowVisible(::GetDlgItem(dlg, id)) && ::IsWindowEnabled(::GetDlgItem(dlg, id)); }

}  // namespace propsheet_test

TEST(PropertySheetTest, WizardNavigatesWithItsButtons) {
    kxtest::CursorLock lock;  // the dialog takes the foreground
    CPromptApp app;
    CWizardPage first(301, PSWIZB_NEXT), second(302, PSWIZB_BACK | PSWIZB_NEXT), last(303, PSWIZB_BACK | PSWIZB_FINISH);
    first.m_next = 303;  // straight to the last page
    second.m_next = -1;  // refuses once
    CPropertySheet sheet("Wizard");
    sheet.AddPage(&first);
    sheet.AddPage(&second);
    sheet.AddPage(&last);
    sheet.SetWizardMode();
    EXPECT_TRUE(sheet.IsWizard());
    // A wizard's caption is its page's.
    kxtest::DialogAnswer answer("", {
        [&](HWND dlg) {
            EXPECT_EQ(sheet.GetActivePage(), &first);
            EXPECT_FALSE(Enabled(dlg, ID_WIZBACK));
            EXPECT_TRUE(Enabled(dlg, ID_WIZNEXT));
            kxtest::ClickButton(dlg, ID_WIZNEXT);
        },
        [&](HWND dlg) {
            EXPECT_EQ(sheet.GetActivePage(), &last);  // the page's template ID led there
            EXPECT_EQ(second.m_init, 0);
            EXPECT_TRUE(Enabled(dlg, ID_WIZBACK));
            EXPECT_TRUE(Enabled(dlg, ID_WIZFINISH));
            kxtest::ClickButton(dlg, ID_WIZBACK);
        },
        [&](HWND dlg) {
            EXPECT_EQ(last.m_backCalls, 1);
            EXPECT_EQ(sheet.GetActivePage(), &second);
            kxtest::ClickButton(dlg, ID_WIZNEXT);  // refused
        },
        [&](HWND dlg) {
            EXPECT_EQ(second.m_nextCalls, 1);
            EXPECT_EQ(sheet.GetActivePage(), &second);
            kxtest::ClickButton(dlg, ID_WIZNEXT);
        },
        [&](HWND dlg) {
            EXPECT_EQ(sheet.GetActivePage(), &last);
            kxtest::ClickButton(dlg, ID_WIZFINISH);
        },
    });
    EXPECT_EQ(sheet.DoModal(), ID_WIZFINISH);
    EXPECT_TRUE(answer.Done());
    EXPECT_EQ(first.m_nextCalls, 1);
    EXPECT_EQ(second.m_nextCalls, 2);
    EXPECT_EQ(last.m_finishCalls, 1);
    EXPECT_EQ(last.m_setActive, 2);
}

TEST(PropertySheetTest, WizardCancelEndsWithIdCancel) {
    kxtest::CursorLock lock;  // the dialog takes the foreground
    CWizardPage first(301, PSWIZB_NEXT);
    CPropertySheet sheet("Cancelled wizard");
    sheet.AddPage(&first);
    sheet.SetWizardMode();
    kxtest::DialogAnswer answer("", {[](HWND dlg) { kxtest::ClickButton(dlg, IDCANCEL); }});
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_TRUE(answer.Done());
    EXPECT_EQ(first.m_finishCalls, 0);
}

TEST(PropertySheetTest, PageTemplatesComeFromTheResourceChain) {
    kxtest::CursorLock lock;  // the dialog takes the foreground
    HMODULE hMod = ::LoadLibraryA("kxtest_res.dll");
    ASSERT_NE(hMod, nullptr);
    AFX_EXTENSION_MODULE module;
    ASSERT_TRUE(AfxInitExtensionModule(module, hMod));
    {
        CDynLinkLibrary library(module);
        CPropertyPage page(4243);
        CPropertySheet sheet("Chain");
        sheet.AddPage(&page);
        ASSERT_TRUE(sheet.Create());
        EXPECT_NE(::GetDlgItem(page.m_hWnd, 4244), nullptr);
        TCITEMA item = {};
        char text[64] = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        sheet.GetTabControl()->GetItem(0, &item);
        EXPECT_STREQ(text, "From the module");
        sheet.DestroyWindow();
    }
    // Without the module the template is not found: no sheet.
    CPropertyPage page(4243);
    CPropertySheet sheet("Chain");
    sheet.AddPage(&page);
    EXPECT_FALSE(sheet.Create());
    EXPECT_EQ(sheet.m_hWnd, nullptr);
    AfxTermExtensionModule(module);
    ::FreeLibrary(hMod);
}

TEST(PropertySheetTest, OpeningAndClosingLeaksNothing) {
    kxtest::CursorLock lock;  // the dialog takes the foreground
    CPromptApp app;
    auto cycle = [] {
        CNamePage name;
        CCountPage count;
        CPropertySheet sheet("Leak");
        sheet.AddPage(&name);
        sheet.AddPage(&count);
        ASSERT_TRUE(sheet.Create());
        sheet.SetActivePage(1);
        kxtest::PumpUntilIdle();
        kxtest::ClickButton(sheet.m_hWnd, IDCANCEL);
        kxtest::PumpUntilIdle();
        EXPECT_EQ(sheet.m_hWnd, nullptr);
    };
    cycle();  // the system's lazily created objects
    const long nUser = kxtest::UserObjectCount();
    kxtest::GdiLeakCheck check;
    for (int i = 0; i < 25; ++i) cycle();
    EXPECT_TRUE(check.Verify());
    EXPECT_EQ(nUser, kxtest::UserObjectCount());
}
