// The browse edit under Wine: the button's place beside the edit through
// moves, showing and enabling; the deferred set-up by both ways of making
// the control; the parent's say before browsing; the real folder dialog
// and file dialogs opened from the button and answered by the test; the
// popup menu's command reaching the top-level window.
#include "edit/browse_dialog.h"
#include "edit/browse_edit.h"
#include "win/commdlg.h"

#include "core/button.h"
#include "core/kx_messages.h"
#include "edit_fixture.h"
#include "support/named_lock.h"
#include "edit_test_res.h"
#include "support/dialog_answer.h"
#include "support/input.h"
#include "support/menu_loop.h"
#include "support/msg_recorder.h"
#include "support/png_artifact.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using kxtest::EditTest;

// A folder of its own under the temporary folder, removed afterwards, with
// the files a test puts in it.
class TempFolder {
public:
    explicit TempFolder(const char* pszName) {
        char szTemp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, szTemp);
        char szLong[MAX_PATH];
        if (::GetLongPathNameA(szTemp, szLong, MAX_PATH) == 0) lstrcpyA(szLong, szTemp);
        m_path = std::string(szLong) + pszName + std::to_string(::GetCurrentProcessId());
        ::CreateDirectoryA(m_path.c_str(), nullptr);
    }
    ~TempFolder() {
        for (const std::string& file : m_files) ::DeleteFileA(file.c_str());
        ::RemoveDirectoryA(m_path.c_str());
    }
    const char* c_str() const { return m_path.c_str(); }
    std::string AddFile(const char* pszName) {
        m_files.push_back(m_path + "\\" + pszName);
        const HANDLE h = ::CreateFileA(m_files.back().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (h != INVALID_HANDLE_VALUE) ::CloseHandle(h);
        return m_files.back();
    }
    std::string Name(const char* pszName) const { return m_path + "\\" + pszName; }

private:
    std::string m_path;
    std::vector<std::string> m_files;
};

class BrowseEditTest : public EditTest {
protected:
    // Its dialogs, menus and focus checks want the foreground to themselves.
    kxtest::CursorLock m_cursorLock;

    void SetUp() override {
        EditTest::SetUp();
        m_window.SetMessageHandler([this](HWND, UINT msg, WPARAM, LPARAM lParam, LRESULT* pResult) {
            if (msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == CKXBrowseEdit::kBrowseNotify) {
                ++m_nAsked;
                *pResult = m_lAnswer;
                return true;
            }
            return false;
        });
    }

    void MakeBrowse(CKXBrowseEdit& edit, DWORD dwStyle, const CRect& rc = CRect(20, 20, 220, 42)) {
        edit.SetBrowseStyle(dwStyle, IDR_TEST_BROWSE_MENU, 0);
        Make(edit, rc);
    }
    static CRect RectIn(CWnd& wnd, CWnd& parent) {
        CRect rc;
        wnd.GetWindowRect(&rc);
        parent.ScreenToClient(&rc);
        return rc;
    }
    // Clicks the button and lets the click run (a dialog or menu runs inside).
    static void ClickButton(CKXBrowseEdit& edit) {
        kxtest::PostClick(edit.GetButton()->m_hWnd, POINT{5, 5});
        kxtest::PumpUntilIdle();
    }
    static CString TextOf(CWnd& wnd) {
        CString s;
        wnd.GetWindowText(s);
        return s;
    }

    int m_nAsked = 0;
    LRESULT m_lAnswer = 0;
};

TEST_F(BrowseEditTest, TheButtonTakesItsRoomBesideTheEditThroughEveryMove) {
    const int cxButton = CKXBrowseEdit::GetButtonWidth();
    const int cxEdge = ::GetSystemMetrics(SM_CXEDGE);
    EXPECT_EQ(::GetSystemMetrics(SM_CXHTHUMB) + 2 * cxEdge, cxButton);

    CKXBrowseEdit plain, none, folder;
    MakeBrowse(plain, 0, CRect(20, 60, 220, 82));
    MakeBrowse(none, 5, CRect(20, 100, 220, 122));
    MakeBrowse(folder, 1);
    EXPECT_EQ(nullptr, plain.GetButton());
    EXPECT_EQ(200, RectIn(plain, m_parent).Width());
    ASSERT_NE(nullptr, none.GetButton());
    EXPECT_FALSE(::IsWindow(none.GetButton()->GetSafeHwnd()));  // style 5: no button window
    EXPECT_EQ(200, RectIn(none, m_parent).Width());

    auto expectPair = [&](const CRect& rcGiven) {
        const CRect rcEdit = RectIn(folder, m_parent);
        EXPECT_EQ(CRect(rcGiven.left, rcGiven.top, rcGiven.right - cxEdge - cxButton, rcGiven.bottom), rcEdit);
        EXPECT_EQ(CRect(rcEdit.right + cxEdge, rcEdit.top, rcGiven.right, rcEdit.bottom),
                  RectIn(*folder.GetButton(), m_parent));
    };
    CKXButton* pButton = folder.GetButton();
    ASSERT_TRUE(::IsWindow(pButton->GetSafeHwnd()));
    EXPECT_EQ(static_cast<int>(CKXBrowseEdit::kButtonID), pButton->GetDlgCtrlID());
    EXPECT_EQ(folder.m_hWnd, ::GetWindow(pButton->m_hWnd, GW_HWNDPREV));  // right after the edit
    expectPair(CRect(20, 20, 220, 42));
    folder.MoveWindow(CRect(30, 150, 330, 176));
    expectPair(CRect(30, 150, 330, 176));
    folder.SetWindowPos(nullptr, 0, 0, 100, 22, SWP_NOMOVE | SWP_NOZORDER);
    expectPair(CRect(30, 150, 130, 172));

    folder.ShowWindow(SW_HIDE);
    EXPECT_FALSE(pButton->IsWindowVisible());
    folder.ShowWindow(SW_SHOW);
    EXPECT_TRUE(pButton->IsWindowVisible());
    folder.EnableWindow(FALSE);
    EXPECT_FALSE(pButton->IsWindowEnabled());
    folder.EnableWindow(TRUE);
    EXPECT_TRUE(pButton->IsWindowEnabled());

    // The button goes with the edit.
    const HWND hButton = pButton->m_hWnd;
    folder.DestroyWindow();
    EXPECT_FALSE(::IsWindow(hButton));
}

TEST_F(BrowseEditTest, ASubclassedItemSetsUpOnceFromTheLatestRequest) {
    CKXBrowseEdit edit;
    edit.SetBrowseStyle(1);
    Subclass(edit, CRect(20, 20, 220, 42));  // the set-up was posted and has run
    ASSERT_NE(nullptr, edit.GetButton());
    CKXButton* pButton = edit.GetButton();
    const CRect rcEdit = RectIn(edit, m_parent);
    EXPECT_EQ(&CKXAuxData::Get().fontRegular, edit.GetFont());

    // Stale requests (an old count, or any after the set-up) do nothing.
    edit.SendMessage(WM_KX_INITCONTROL, 0, 1);
    edit.SendMessage(WM_KX_INITCONTROL, 0, 0);
    EXPECT_EQ(pButton, edit.GetButton());
    EXPECT_EQ(rcEdit, RectIn(edit, m_parent));
}

TEST_F(BrowseEditTest, AParentThatAnswersTheRequestBrowsesInsteadOfTheEdit) {
    CKXBrowseEdit edit;
    MakeBrowse(edit, 1);
    edit.SetWindowText("C:\\somewhere");
    m_lAnswer = 1;
    kxtest::MessageRecorder rec;
    rec.Watch(m_window.hwnd(), "parent", {WM_NOTIFY});
    bool bOpened = false;
    kxtest::DialogAnswer answer("", {[&](HWND hDlg) {
                                    bOpened = true;
                                    kxtest::ClickButton(hDlg, IDCANCEL);
                                }},
                                600);
    ClickButton(edit);
    EXPECT_FALSE(bOpened);
    EXPECT_TRUE(kxtest::SequenceIs(rec.Take(), {{"parent", WM_NOTIFY, kxtest::kSent, 1}}));
    EXPECT_STREQ("C:\\somewhere", TextOf(edit));
    int nStart = -1, nEnd = -1;
    edit.GetSel(nStart, nEnd);
    EXPECT_EQ(0, nStart);
    EXPECT_EQ(12, nEnd);
    EXPECT_EQ(edit.m_hWnd, ::GetFocus());
    EXPECT_FALSE(edit.IsBrowsing());
}

// The folder dialog's steps: select a folder (none: keep the start), then press a button.
std::vector<kxtest::DialogAnswer::Step> AnswerFolder(const char* pszSelect, int nButton) {
    std::vector<kxtest::DialogAnswer::Step> steps;
    if (pszSelect)
        steps.push_back([pszSelect](HWND hDlg) {
            ::SendMessageA(hDlg, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(pszSelect));
        });
    steps.push_back([nButton](HWND hDlg) { kxtest::ClickButton(hDlg, nButton); });
    return steps;
}

// Wine's folder dialog may move its selection back to the desktop a moment
// after it opens, so where it starts is read from the messages our callback
// sends a window of the test; the real dialog then shows that OK puts its
// folder in the edit and that Cancel changes nothing.
TEST_F(BrowseEditTest, TheFolderDialogStartsAtTheTextOrTheCurrentDirectory) {
    const TempFolder current("kx_browse_current");
    char szSaved[MAX_PATH];
    ::GetCurrentDirectoryA(MAX_PATH, szSaved);
    ASSERT_TRUE(::SetCurrentDirectoryA(current.c_str()));
    std::vector<std::string> sent;
    m_window.SetMessageHandler([&](HWND, UINT msg, WPARAM, LPARAM lParam, LRESULT*) {
        if (msg == BFFM_SETSELECTIONA || msg == BFFM_SETSTATUSTEXTA) sent.push_back(reinterpret_cast<const char*>(lParam));
        return false;
    });
    CKXBrowseDialog dlg(&m_parent);
    const LPARAM lpData = reinterpret_cast<LPARAM>(&dlg);
    EXPECT_EQ(0, CKXBrowseDialog::BrowseCtrlCallback(m_window.hwnd(), BFFM_INITIALIZED, 0, lpData));
    ASSERT_TRUE(dlg.SetSelPath("C:\\start"));
    CKXBrowseDialog::BrowseCtrlCallback(m_window.hwnd(), BFFM_INITIALIZED, 0, lpData);
    ::SetCurrentDirectoryA(szSaved);
    ASSERT_EQ(2u, sent.size());
    EXPECT_STRCASEEQ(current.c_str(), sent[0].c_str());
    EXPECT_EQ("C:\\start", sent[1]);
    EXPECT_FALSE(dlg.SetSelPath(CString('y', MAX_PATH)));  // too long: the buffer keeps the old path
    EXPECT_STREQ("C:\\start", dlg.GetSelPath());
}

TEST_F(BrowseEditTest, TheFolderDialogsChoiceLandsInTheEditAndCancelChangesNothing) {
    kxtest::CursorLock lock;  // the dialog takes the foreground
    CKXBrowseEdit edit;
    MakeBrowse(edit, 1);
    // A folder that does not exist, or a path longer than the platform
    // allows, still opens the dialog; Cancel leaves the text.
    for (const CString& strText : {CString("C:\\no\\such\\folder"), CString('x', 400)}) {
        edit.SetWindowText(strText);
        kxtest::DialogAnswer answer("", AnswerFolder(nullptr, IDCANCEL));
        ClickButton(edit);
        EXPECT_TRUE(answer.Done());
        EXPECT_STREQ(strText, TextOf(edit));
    }
    EXPECT_EQ(2, m_nAsked);  // the parent is asked each time
    // OK: the dialog's folder, an existing one, replaces the text.
    edit.SetWindowText("");
    {
        kxtest::DialogAnswer answer("", AnswerFolder(nullptr, IDOK));
        ClickButton(edit);
        ASSERT_TRUE(answer.Done());
    }
    const CString strChosen = TextOf(edit);
    EXPECT_FALSE(strChosen.IsEmpty());
    const DWORD dwAttr = ::GetFileAttributesA(strChosen);
    EXPECT_TRUE(dwAttr != INVALID_FILE_ATTRIBUTES && (dwAttr & FILE_ATTRIBUTE_DIRECTORY)) << strChosen;
}

// A file dialog of the application's own, which counts its runs.
class CCountingFileDialog : public CFileDialog {
public:
    CCountingFileDialog() : CFileDialog(FALSE, "log", nullptr, OFN_HIDEREADONLY, "Logs (*.log)|*.log||") {}
    INT_PTR DoModal() override {
        ++m_nRuns;
        return CFileDialog::DoModal();
    }
    int m_nRuns = 0;
};

TEST_F(BrowseEditTest, TheFileStyleOpensTheOpenOrSaveDialogOrTheApplicationsOwn) {
    kxtest::CursorLock lock;
    TempFolder folder("kx_browse_files");
    const std::string strExisting = folder.AddFile("notes.txt");
    CKXBrowseEdit edit;
    MakeBrowse(edit, 2);
    edit.SetWindowText("before");

    auto answerFile = [](const std::string& strName, int nButton) {
        return std::vector<kxtest::DialogAnswer::Step>{
            [strName](HWND hDlg) { kxtest::TypeFileName(hDlg, strName.c_str()); },
            [nButton](HWND hDlg) { kxtest::ClickButton(hDlg, nButton); }};
    };
    // Cancelled: nothing changes.
    {
        kxtest::DialogAnswer answer("Open", answerFile(strExisting, IDCANCEL));
        ClickButton(edit);
        ASSERT_TRUE(answer.Done());
    }
    EXPECT_STREQ("before", TextOf(edit));
    // Open: an existing file.
    {
        kxtest::DialogAnswer answer("Open", answerFile(strExisting, IDOK));
        ClickButton(edit);
        ASSERT_TRUE(answer.Done());
    }
    EXPECT_STRCASEEQ(strExisting.c_str(), TextOf(edit));
    EXPECT_EQ(2, m_nAsked);  // the parent is asked each time

    // Save As, with the default extension from the edit's settings.
    edit.SetDlgOpenFile(FALSE);
    edit.SetDlgStyle(OFN_EXPLORER | OFN_HIDEREADONLY);
    edit.SetDlgDefExt("dat");
    edit.SetDlgFilter(nullptr);
    {
        kxtest::DialogAnswer answer("Save", answerFile(folder.Name("report"), IDOK));
        ClickButton(edit);
        ASSERT_TRUE(answer.Done());
    }
    EXPECT_STRCASEEQ(folder.Name("report.dat").c_str(), TextOf(edit));

    // The application's own dialog replaces the built-in one.
    CCountingFileDialog own;
    edit.SetFileDialog(&own);
    {
        kxtest::DialogAnswer answer("Save", answerFile(folder.Name("trace"), IDOK));
        ClickButton(edit);
        ASSERT_TRUE(answer.Done());
    }
    EXPECT_EQ(1, own.m_nRuns);
    EXPECT_STRCASEEQ(folder.Name("trace.log").c_str(), TextOf(edit));
}

TEST_F(BrowseEditTest, TheMenuButtonStaysPushedWhileItsCommandIsChosen) {
    CKXBrowseEdit edit;
    MakeBrowse(edit, 4);
    kxtest::MessageRecorder rec;
    rec.Watch(m_window.hwnd(), "top", {WM_COMMAND});
    bool bPushed = false;
    ASSERT_TRUE(kxtest::WithMenu(m_window.hwnd(), [&] { ClickButton(edit); },
                                 [&](HWND hPopup) {
                                     bPushed = edit.GetButton()->IsPushed() != FALSE;
                                     kxtest::WritePng(kxtest::CaptureMenu(hPopup), "browse-menu");
                                     kxtest::PostKeyPress(hPopup, VK_DOWN);
                                     kxtest::PostKeyPress(hPopup, VK_DOWN);
                                     kxtest::PostKeyPress(hPopup, VK_RETURN);
                                 }));
    kxtest::PumpUntilIdle();
    EXPECT_TRUE(bPushed);
    EXPECT_FALSE(edit.GetButton()->IsPushed());
    EXPECT_TRUE(kxtest::SequenceContains(
        rec.Take(), {kxtest::ExpectedMessage("top", WM_COMMAND).WithWParam(ID_TEST_BROWSE_SECOND)}));

    // A popup with no items, or none at that index, opens nothing.
    for (int nSub : {1, 7}) {
        CKXBrowseEdit empty;
        empty.SetBrowseStyle(4, IDR_TEST_BROWSE_MENU, nSub);
        Make(empty, CRect(20, 60, 220, 82), kStyle, 102);
        EXPECT_FALSE(kxtest::WithMenu(m_window.hwnd(), [&] { ClickButton(empty); }, [](HWND) {}, 300));
    }
}

}  // namespace
