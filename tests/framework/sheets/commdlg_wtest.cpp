// The common dialogs opened for real and answered by the test: file names
// typed into the file dialog (one, several, saved under a default
// extension), a colour and a font chosen, find and replace requests sent to
// the owner.  Derived classes see their OnInitDialog and notifications.
#include <afxdlgs.h>
#include "support/named_lock.h"

#include "support/dialog_answer.h"
#include "support/pump.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace commdlg_test {

CString Text(HWND dlg, int id) {
    char buf[512] = {};
    ::GetDlgItemTextA(dlg, id, buf, sizeof buf);
    return buf;
}

// A folder of its own with a few files, removed afterwards.
class TempFolder {
public:
    TempFolder() {
        char tmp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, tmp);
        char longTmp[MAX_PATH];
        ::GetLongPathNameA(tmp, longTmp, MAX_PATH);
        m_path = longTmp;
        if (!m_path.empty() && m_path.back() == '\\') m_path.pop_back();
        m_path += "\\kxfiledlg" + std::to_string(::GetCurrentProcessId());
        ::CreateDirectoryA(m_path.c_str(), nullptr);
        for (const char* name : {"a.txt", "b.txt", "c.log"}) Touch(name);
    }
    ~TempFolder() {
        for (const std::string& f : m_files) ::DeleteFileA(f.c_str());
        ::RemoveDirectoryA(m_path.c_str());
    }
    void Touch(const char* name) {
        const std::string f = m_path + "\\" + name;
        HANDLE h = ::CreateFileA(f.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (h != INVALID_HANDLE_VALUE) ::CloseHandle(h);
        m_files.push_back(f);
    }
    std::string File(const char* name) const { return m_path + "\\" + name; }
    const std::string& Path() const { return m_path; }
    std::vector<std::string> m_files;

private:
    std::string m_path;
};

class CMyFileDialog : public CFileDialog {
public:
    using CFileDialog::CFileDialog;
    int m_init = 0, m_initDone = 0, m_fileOk = 0;
    bool m_refuseOnce = false;
    BOOL OnInitDialog() override {
        ++m_init;
        return CFileDialog::OnInitDialog();
    }
    void OnInitDone() override { ++m_initDone; }
    BOOL OnFileNameOK() override {
        ++m_fileOk;
        if (m_refuseOnce) {
            m_refuseOnce = false;
            return TRUE;
        }
        return FALSE;
    }
};

bool SamePath(const CString& a, const std::string& b) { return ::lstrcmpiA(a, b.c_str()) == 0; }

}  // namespace commdlg_test

using namespace commdlg_test;

TEST(CFileDialogTest, StructureAndFilter) {
    CFileDialog dlg(TRUE, "txt", "start.txt", OFN_HIDEREADONLY, "Text (*.txt)|*.txt|All (*.*)|*.*||");
    EXPECT_EQ(dlg.m_ofn.lStructSize, AfxOpenFileNameSize(LOBYTE(LOWORD(::GetVersion()))));
    EXPECT_EQ(AfxOpenFileNameSize(5), sizeof(OPENFILENAMEA));
    EXPECT_EQ(AfxOpenFileNameSize(4), static_cast<DWORD>(OPENFILENAME_SIZE_VERSION_400A));
    const std::string filter(dlg.m_ofn.lpstrFilter, 34);
    EXPECT_EQ(filter, std::string("Text (*.txt)\0*.txt\0All (*.*)\0*.*\0\0", 34));
    EXPECT_STREQ(dlg.m_ofn.lpstrFile, "start.txt");
    EXPECT_TRUE(dlg.m_ofn.Flags & OFN_EXPLORER);
    EXPECT_EQ(dlg.GetFileName(), "start.txt");
}

TEST(CFileDialogTest, OpenOneFileTypedByTheUser) {
    kxtest::CursorLock lock;  // the dialog takes the foreground
    TempFolder folder;
    CMyFileDialog dlg(TRUE, "txt", nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, "Text (*.txt)|*.txt||");
    dlg.m_ofn.lpstrInitialDir = folder.Path().c_str();
    dlg.m_refuseOnce = true;
    kxtest::DialogAnswer answer("Open", {
        [&](HWND dlgWnd) {
            // The object is the explorer dialog's child, subclassed.
            EXPECT_EQ(::GetParent(dlg.m_hWnd), dlgWnd);
            EXPECT_EQ(dlg.m_init, 1);
            EXPECT_TRUE(SamePath(dlg.GetFolderPath(), folder.Path()));
            kxtest::TypeFileName(dlgWnd, "a.txt");
            kxtest::ClickButton(dlgWnd, IDOK);  // refused by OnFileNameOK
        },
        [&](HWND dlgWnd) {
            EXPECT_EQ(dlg.m_fileOk, 1);

            kxtest::TypeFileName(dlgWnd, "a.txt");
            kxtest::ClickButton(dlgWnd, IDOK);
        },
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(answer.Done());
    EXPECT_EQ(dlg.m_fileOk, 2);
    EXPECT_EQ(dlg.m_initDone, 1);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_TRUE(SamePath(dlg.GetPathName(), folder.File("a.txt"))) << dlg.GetPathName();
    EXPECT_EQ(dlg.GetFileName(), "a.txt");
    EXPECT_EQ(dlg.GetFileExt(), "txt");
    EXPECT_EQ(dlg.GetFileTitle(), "a");
    EXPECT_TRUE(SamePath(dlg.GetFolderPath(), folder.Path()));
    POSITION pos = dlg.GetStartPosition();
    EXPECT_TRUE(SamePath(dlg.GetNextPathName(pos), folder.File("a.txt")));
    EXPECT_EQ(pos, nullptr);
}

TEST(CFileDialogTest, MultipleSelectionGivesEveryPath) {
    kxtest::CursorLock lock;  // the dialog takes the foreground
    TempFolder folder;
    CFileDialog dlg(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST);
    dlg.m_ofn.lpstrInitialDir = folder.Path().c_str();
    kxtest::DialogAnswer answer("Open", {[&](HWND dlgWnd) {
        kxtest::TypeFileName(dlgWnd, "\"a.txt\" \"c.log\"");
        kxtest::ClickButton(dlgWnd, IDOK);
    }});
    ASSERT_EQ(dlg.DoModal(), IDOK);
    std::vector<CString> paths;
    for (POSITION pos = dlg.GetStartPosition(); pos != nullptr && paths.size() < 5;)
        paths.push_back(dlg.GetNextPathName(pos));
    ASSERT_EQ(paths.size(), 2u);
    EXPECT_TRUE(SamePath(paths[0], folder.File("a.txt"))) << paths[0];
    EXPECT_TRUE(SamePath(paths[1], folder.File("c.log"))) << paths[1];
    EXPECT_TRUE(SamePath(dlg.GetFolderPath(), folder.Path()));
}

TEST(CFileDialogTest, SaveAddsTheDefaultExtensionAndCancelReturnsIdCancel) {
    kxtest::CursorLock lock;  // the dialog takes the foreground
    TempFolder folder;
    CFileDialog save(FALSE, "txt", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, "Text (*.txt)|*.txt||");
    save.m_ofn.lpstrInitialDir = folder.Path().c_str();
    kxtest::DialogAnswer answer("Save", {[&](HWND dlgWnd) {
        kxtest::TypeFileName(dlgWnd, "report");
        kxtest::ClickButton(dlgWnd, IDOK);
    }});
    ASSERT_EQ(save.DoModal(), IDOK);
    EXPECT_TRUE(SamePath(save.GetPathName(), folder.File("report.txt"))) << save.GetPathName();
    EXPECT_EQ(save.GetFileExt(), "txt");

    CFileDialog open(TRUE);
    kxtest::DialogAnswer cancel("Open", {[](HWND dlgWnd) { kxtest::ClickButton(dlgWnd, IDCANCEL); }});
    EXPECT_EQ(open.DoModal(), IDCANCEL);
    EXPECT_TRUE(cancel.Done());
    EXPECT_EQ(::CommDlgExtendedError(), 0u);
}

namespace commdlg_test {
class CMyColorDialog : public CColorDialog {
public:
    using CColorDialog::CColorDialog;
    int m_init = 0, m_colorOk = 0;
    BOOL OnInitDialog() override {
        ++m_init;
        return CColorDialog::OnInitDialog();
    }
    BOOL OnColorOK() override {
        ++m_colorOk;
        return FALSE;
    }
};
}  // namespace commdlg_test

TEST(CColorDialogTest, ChosenColourAndSharedCustomColours) {
    kxtest::CursorLock lock;  // the dialog takes the foreground
    COLORREF* custom = CColorDialog::GetSavedCustomColors();
    custom[0] = RGB(1, 2, 3);
    CMyColorDialog dlg(RGB(10, 20, 30), CC_FULLOPEN);
    EXPECT_EQ(dlg.m_cc.lpCustColors, custom);
    EXPECT_EQ(CColorDialog().m_cc.lpCustColors, custom);
    EXPECT_TRUE(dlg.m_cc.Flags & CC_RGBINIT);
    kxtest::DialogAnswer answer("Colo", {
        [&](HWND dlgWnd) {
            EXPECT_EQ(dlg.m_hWnd, dlgWnd);
            EXPECT_EQ(dlg.m_init, 1);
            dlg.SetCurrentColor(RGB(200, 100, 50));
            // The red, green and blue boxes, typed into as a user would.
            ::SetDlgItemTextA(dlgWnd, 706, "200");
            ::SetDlgItemTextA(dlgWnd, 707, "100");
            ::SetDlgItemTextA(dlgWnd, 708, "50");
        },
        [&](HWND dlgWnd) { kxtest::ClickButton(dlgWnd, IDOK); },
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(answer.Done());
    EXPECT_EQ(dlg.GetColor(), RGB(200, 100, 50));
    EXPECT_EQ(custom[0], RGB(1, 2, 3));
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST(CFontDialogTest, ChosenFaceSizeAndStyle) {
    kxtest::CursorLock lock;  // the dialog takes the foreground
    LOGFONTA lf = {};
    lf.lfHeight = -13;
    lf.lfWeight = FW_NORMAL;
    lstrcpyA(lf.lfFaceName, "Tahoma");
    CFontDialog dlg(&lf, CF_SCREENFONTS | CF_EFFECTS);
    EXPECT_TRUE(dlg.m_cf.Flags & CF_INITTOLOGFONTSTRUCT);
    EXPECT_EQ(dlg.m_cf.lpLogFont, &dlg.m_lf);
    CString chosenFace;
    kxtest::DialogAnswer answer("Font", {
        [&](HWND dlgWnd) {
            EXPECT_EQ(dlg.m_hWnd, dlgWnd);
            // Another face, 14 points, bold.
            HWND faces = ::GetDlgItem(dlgWnd, cmb1);
            const int n = static_cast<int>(::SendMessageA(faces, CB_GETCOUNT, 0, 0));
            ASSERT_GT(n, 1);
            char face[LF_FACESIZE] = {};
            for (int i = 0; i < n; ++i) {
                ::SendMessageA(faces, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(face));
                if (lstrcmpiA(face, "Tahoma") != 0 && face[0] != '@') break;
            }
            chosenFace = face;
            ::SendMessageA(faces, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(face));
            ::SendMessageA(dlgWnd, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELCHANGE), reinterpret_cast<LPARAM>(faces));
        },
        [&](HWND dlgWnd) {
            HWND styles = ::GetDlgItem(dlgWnd, cmb2);
            const int n = static_cast<int>(::SendMessageA(styles, CB_GETCOUNT, 0, 0));
            for (int i = 0; i < n; ++i) {
                char style[64] = {};
                ::SendMessageA(styles, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(style));
                if (lstrcmpiA(style, "Bold") == 0) {
                    ::SendMessageA(styles, CB_SETCURSEL, i, 0);
                    ::SendMessageA(dlgWnd, WM_COMMAND, MAKEWPARAM(cmb2, CBN_SELCHANGE), reinterpret_cast<LPARAM>(styles));
                }
            }
            HWND sizes = ::GetDlgItem(dlgWnd, cmb3);
            ::SendMessageA(sizes, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("14"));
            ::SendMessageA(dlgWnd, WM_COMMAND, MAKEWPARAM(cmb3, CBN_SELCHANGE), reinterpret_cast<LPARAM>(sizes));
        },
        [&](HWND dlgWnd) {
            LOGFONTA now = {};
            dlg.GetCurrentFont(&now);
            EXPECT_EQ(CString(now.lfFaceName), chosenFace);
            kxtest::ClickButton(dlgWnd, IDOK);
        },
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(answer.Done());
    EXPECT_EQ(dlg.GetFaceName(), chosenFace);
    EXPECT_EQ(dlg.GetSize(), 140);
    EXPECT_TRUE(dlg.IsBold());
    EXPECT_EQ(dlg.GetWeight(), FW_BOLD);
    EXPECT_FALSE(dlg.IsItalic());
    LOGFONTA out = {};
    dlg.GetCurrentFont(&out);
    EXPECT_STREQ(out.lfFaceName, chosenFace);
    EXPECT_EQ(lf.lfWeight, FW_NORMAL);  // the caller's structure is only read
}

namespace commdlg_test {

struct FindRequest {
    CString find, replace;
    BOOL findNext, replaceCurrent, replaceAll, matchCase, wholeWord, down, terminating;
};

// The owner of the find dialog: records every request.
class COwner : public CWnd {
public:
    std::vector<FindRequest> m_requests;
    CFindReplaceDialog* m_notifier = nullptr;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == CFindReplaceDialog::GetFindMessage()) {
            CFindReplaceDialog* p = CFindReplaceDialog::GetNotifier(lParam);
            m_notifier = p;
            m_requests.push_back({p->GetFindString(), p->GetReplaceString(), p->FindNext(), p->ReplaceCurrent(),
                                  p->ReplaceAll(), p->MatchCase(), p->MatchWholeWord(), p->SearchDown(),
                                  p->IsTerminating()});
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

}  // namespace commdlg_test

TEST(CFindReplaceDialogTest, RequestsReachTheOwnerUntilTheDialogCloses) {
    kxtest::CursorLock lock;  // the dialog takes the foreground
    COwner owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "Owner", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
    auto* dlg = new CFindReplaceDialog;
    ASSERT_TRUE(dlg->Create(FALSE, "alpha", "beta", FR_DOWN, &owner));
    HWND hDlg = dlg->m_hWnd;
    ASSERT_NE(hDlg, nullptr);
    EXPECT_EQ(Text(hDlg, edt1), "alpha");
    EXPECT_EQ(Text(hDlg, edt2), "beta");

    ::SetDlgItemTextA(hDlg, edt1, "gamma");
    ::CheckDlgButton(hDlg, chx2, BST_CHECKED);  // match case
    kxtest::ClickButton(hDlg, IDOK);            // find next
    ::SetDlgItemTextA(hDlg, edt2, "delta");
    kxtest::ClickButton(hDlg, psh2);  // replace all
    kxtest::ClickButton(hDlg, psh1);  // replace
    kxtest::ClickButton(hDlg, IDCANCEL);
    kxtest::PumpUntilIdle();
    EXPECT_FALSE(::IsWindow(hDlg));  // gone, and the object with it
    ASSERT_EQ(owner.m_requests.size(), 4u);
    EXPECT_EQ(owner.m_notifier, dlg);
    const FindRequest& find = owner.m_requests[0];
    EXPECT_EQ(find.find, "gamma");
    EXPECT_TRUE(find.findNext);
    EXPECT_TRUE(find.matchCase);
    EXPECT_FALSE(find.wholeWord);
    EXPECT_TRUE(find.down);
    EXPECT_FALSE(find.terminating);
    EXPECT_TRUE(owner.m_requests[1].replaceAll);
    EXPECT_EQ(owner.m_requests[1].replace, "delta");
    EXPECT_TRUE(owner.m_requests[2].replaceCurrent);
    EXPECT_FALSE(owner.m_requests[2].replaceAll);
    EXPECT_TRUE(owner.m_requests[3].terminating);
    owner.DestroyWindow();
}
