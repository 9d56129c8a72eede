// The Notes sample, driven from outside: File > New asks for the type, a
// card typed into its form is saved through the file dialog, closed,
// reopened from the recent-file list and through File > Open with its data
// back; edited on its property sheet (OK keeps, Cancel drops) and in the
// docked property grid; a note beside it from the toolbar's drop-down New; tiling and cascading the children; closing the
// program with a modified note asks first, and the program ends with 0.
#include <windows.h>

#include <prsht.h>

#include <gtest/gtest.h>

#include "sample_driver.h"
#include "support/named_lock.h"

#include <string>
#include <utility>

namespace {

using namespace kxsample;

// The sample's identifiers (samples/notes/resource.h, afxres.h).
const int IDC_CARD_NAME = 1000, IDC_CARD_PHONE = 1001, IDC_CARD_FAVOURITE = 1002, IDC_PROPERTIES_GRID = 1003,
          AFX_IDC_LISTBOX = 100;
const UINT ID_CARD_PROPERTIES = 32772;
const UINT ID_FILE_NEW = 0xE100, ID_FILE_OPEN = 0xE101, ID_FILE_SAVE = 0xE103, ID_FILE_MRU_FILE1 = 0xE110,
           ID_WINDOW_CASCADE = 0xE132, ID_WINDOW_TILE_HORZ = 0xE133, AFX_IDW_PANE_FIRST = 0xE900;
const int AFX_IDW_TOOLBAR = 0xE800;

struct TopSearch {
    DWORD pid;
    const char* title;
    HWND found;
};

BOOL CALLBACK FindTop(HWND hWnd, LPARAM lParam) {
    TopSearch* s = reinterpret_cast<TopSearch*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    char title[64] = {};
    ::GetWindowTextA(hWnd, title, sizeof title);
    if (pid == s->pid && ::IsWindowVisible(hWnd) && strncmp(title, s->title, strlen(s->title)) == 0) {
        s->found = hWnd;
        return FALSE;
    }
    return TRUE;
}

class Notes {
public:
    Notes() {
        // A fresh recent-file list.
        char ini[MAX_PATH] = {};
        ::GetWindowsDirectoryA(ini, MAX_PATH);
        ::DeleteFileA((std::string(ini) + "\\Notes.INI").c_str());
        std::string cmd = "Notes.exe";
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        ok_ = ::CreateProcessA("Notes.exe", cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_);
        if (!ok_) return;
        TopSearch s = {pi_.dwProcessId, "Notes", nullptr};
        WaitFor([&] {
            ::EnumWindows(FindTop, reinterpret_cast<LPARAM>(&s));
            return s.found != nullptr;
        });
        main_ = s.found;
        client_ = main_ ? ::FindWindowExA(main_, nullptr, "MDICLIENT", nullptr) : nullptr;
    }
    ~Notes() {
        if (!ok_) return;
        if (::WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT) ::TerminateProcess(pi_.hProcess, 99);
        ::CloseHandle(pi_.hProcess);
        ::CloseHandle(pi_.hThread);
    }
    HWND main() const { return main_; }
    DWORD pid() const { return pi_.dwProcessId; }
    void Command(UINT nID) const { ::PostMessageA(main_, WM_COMMAND, nID, 0); }
    HWND ActiveChild() const { return reinterpret_cast<HWND>(Send(client_, WM_MDIGETACTIVE, 0, 0)); }
    HWND WaitForChild(const char* title) const {
        HWND hChild = nullptr;
        WaitFor([&] {
            hChild = ActiveChild();
            char text[64] = {};
            if (hChild) ::GetWindowTextA(hChild, text, sizeof text);
            return hChild != nullptr && strcmp(text, title) == 0;
        });
        return ActiveChild();
    }
    HWND View() const { return ::GetDlgItem(ActiveChild(), AFX_IDW_PANE_FIRST); }
    // File > New, answering which type with typeName.
    bool New(const char* typeName) const {
        Command(ID_FILE_NEW);
        HWND hDlg = WaitForDialog(pid(), "New");
        if (hDlg == nullptr) return false;
        HWND hList = ::GetDlgItem(hDlg, AFX_IDC_LISTBOX);
        Send(hList, LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(typeName));
        ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
        return WaitFor([&] { return !::IsWindow(hDlg); });
    }
    // Types path into the open or save dialog of that title and confirms it.
    bool AnswerFileDialog(const char* title, const std::string& path) const {
        HWND hDlg = WaitForDialog(pid(), title);
        if (hDlg == nullptr) return false;
        HWND hName = ::GetDlgItem(hDlg, 0x47C);  // the file name box (cmb13)
        if (hName == nullptr) hName = ::GetDlgItem(hDlg, 0x480);  // edt1
        Send(hName, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
        ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
        return WaitFor([&] { return !::IsWindow(hDlg); });
    }
    long WaitForExit() const {
        if (::WaitForSingleObject(pi_.hProcess, 10000) != WAIT_OBJECT_0) return -1;
        DWORD code = 0;
        ::GetExitCodeProcess(pi_.hProcess, &code);
        return static_cast<long>(code);
    }

private:
    BOOL ok_ = FALSE;
    PROCESS_INFORMATION pi_ = {};
    HWND main_ = nullptr;
    HWND client_ = nullptr;
};

std::string TempFile(const char* name) {
    char dir[MAX_PATH];
    ::GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + name;
}

BOOL CALLBACK FindById(HWND hWnd, LPARAM lParam) {
    std::pair<int, HWND>* p = reinterpret_cast<std::pair<int, HWND>*>(lParam);
    if (::GetDlgCtrlID(hWnd) != p->first) return TRUE;
    p->second = hWnd;
    return FALSE;
}

// A window anywhere among hParent's descendants by its identifier.
HWND FindDescendant(HWND hParent, int nID) {
    std::pair<int, HWND> search(nID, nullptr);
    ::EnumChildWindows(hParent, FindById, reinterpret_cast<LPARAM>(&search));
    return search.second;
}

RECT WindowRect(HWND hWnd) {
    RECT rect = {};
    ::GetWindowRect(hWnd, &rect);
    return rect;
}

}  // namespace

TEST(NotesSample, DocumentsFilesRecentListWindowsAndPrompt) {
    // The sample takes the foreground, opens menus and dialogs: other test
    // programs that need the desktop wait.
    kxtest::CursorLock lock;
    const std::string card = TempFile("kx_notes_card.kxc");
    ::DeleteFileA(card.c_str());
    Notes app;
    ASSERT_NE(app.main(), nullptr) << "the sample did not start";
    EXPECT_EQ(app.ActiveChild(), nullptr);  // no document at first

    // A card: typed into the form, saved under a name the user gives.
    ASSERT_TRUE(app.New("Card"));
    ASSERT_NE(app.WaitForChild("Card1"), nullptr);
    HWND hForm = app.View();
    EXPECT_EQ(ItemText(hForm, IDC_CARD_NAME), "New contact");
    Send(::GetDlgItem(hForm, IDC_CARD_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Ada Lovelace"));
    Send(::GetDlgItem(hForm, IDC_CARD_PHONE), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("555 1815"));
    Send(::GetDlgItem(hForm, IDC_CARD_FAVOURITE), BM_CLICK, 0, 0);
    app.Command(ID_FILE_SAVE);
    ASSERT_TRUE(app.AnswerFileDialog("Save As", card));
    ASSERT_NE(app.WaitForChild("kx_notes_card.kxc"), nullptr) << "the card was not saved";
    EXPECT_NE(::GetFileAttributesA(card.c_str()), INVALID_FILE_ATTRIBUTES);

    // Closed (nothing to ask: it is saved), then back from the recent-file list.
    ::PostMessageA(app.ActiveChild(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return app.ActiveChild() == nullptr; }));
    app.Command(ID_FILE_MRU_FILE1);
    ASSERT_NE(app.WaitForChild("kx_notes_card.kxc"), nullptr) << "not reopened from the recent-file list";
    hForm = app.View();
    EXPECT_EQ(ItemText(hForm, IDC_CARD_NAME), "Ada Lovelace");
    EXPECT_EQ(ItemText(hForm, IDC_CARD_PHONE), "555 1815");
    EXPECT_EQ(Send(::GetDlgItem(hForm, IDC_CARD_FAVOURITE), BM_GETCHECK, 0, 0), BST_CHECKED);

    // And through File > Open once closed again.
    ::PostMessageA(app.ActiveChild(), WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return app.ActiveChild() == nullptr; }));
    app.Command(ID_FILE_OPEN);
    ASSERT_TRUE(app.AnswerFileDialog("Open", card));
    ASSERT_NE(app.WaitForChild("kx_notes_card.kxc"), nullptr) << "not opened through the file dialog";
    EXPECT_EQ(ItemText(app.View(), IDC_CARD_NAME), "Ada Lovelace");
    HWND hCard = app.ActiveChild();

    // Card > Properties...: OK puts the sheet's fields into the card and its
    // form; Cancel leaves them.
    for (UINT button : {PSBTN_OK, PSBTN_CANCEL}) {
        app.Command(ID_CARD_PROPERTIES);
        HWND hSheet = WaitForDialog(app.pid(), "Card Properties");
        ASSERT_NE(hSheet, nullptr) << "no property sheet";
        HWND hPage = ::FindWindowExA(hSheet, nullptr, "#32770", nullptr);
        EXPECT_EQ(ItemText(hPage, IDC_CARD_NAME), button == PSBTN_OK ? "Ada Lovelace" : "Ada King");
        const char* typed = button == PSBTN_OK ? "Ada King" : "Ada Byron";
        Send(::GetDlgItem(hPage, IDC_CARD_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed));
        ::PostMessageA(hSheet, PSM_PRESSBUTTON, button, 0);
        ASSERT_TRUE(WaitFor([&] { return !::IsWindow(hSheet); }));
        EXPECT_EQ(ItemText(app.View(), IDC_CARD_NAME), "Ada King");
    }
    app.Command(ID_FILE_SAVE);  // saved under its name, without a dialog

    // The docked grid shows the card (its category and three rows); a name
    // typed into it reaches the card's form.
    HWND hGrid = FindDescendant(app.main(), IDC_PROPERTIES_GRID);
    ASSERT_NE(hGrid, nullptr) << "no property grid";
    HWND hRows = ::FindWindowExA(hGrid, nullptr, "ListBox", nullptr);
    ASSERT_TRUE(WaitFor([&] { return Send(hRows, LB_GETCOUNT, 0, 0) == 4; })) << "the grid does not show the card";
    RECT rcRows = {};
    ::GetClientRect(hRows, &rcRows);
    const int cyRow = static_cast<int>(Send(hRows, LB_GETITEMHEIGHT, 0, 0));
    const LPARAM ptName = MAKELPARAM(rcRows.right * 45 / 100 + 20, cyRow + cyRow / 2);
    ::PostMessageA(hRows, WM_LBUTTONDOWN, MK_LBUTTON, ptName);
    ::PostMessageA(hRows, WM_LBUTTONUP, 0, ptName);
    HWND hEdit = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        hEdit = ::FindWindowExA(hRows, nullptr, "Edit", nullptr);
        return hEdit != nullptr && ::IsWindowVisible(hEdit);
    })) << "no edit box over the name";
    Send(hEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Grace Hopper"));
    ::PostMessageA(hEdit, WM_CHAR, '\r', 0);
    EXPECT_TRUE(WaitFor([&] { return ItemText(app.View(), IDC_CARD_NAME) == "Grace Hopper"; }))
        << "the grid's edit did not reach the card";
    app.Command(ID_FILE_SAVE);

    // A note beside it, typed into: from the toolbar, whose New button drops
    // the document types down from its arrow (right of the 23-pixel face).
    HWND hBar = FindDescendant(app.main(), AFX_IDW_TOOLBAR);
    ASSERT_NE(hBar, nullptr) << "no toolbar";
    const LPARAM ptArrow = MAKELPARAM(23 + 4, 11);
    ::PostMessageA(hBar, WM_LBUTTONDOWN, MK_LBUTTON, ptArrow);
    HWND hMenu = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (hMenu = MenuWindow(app.pid())) != nullptr; })) << "no menu dropped down";
    ::PostMessageA(hMenu, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageA(hMenu, WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(WaitFor([&] { return !MenuOpen(app.pid()); }));
    ::PostMessageA(hBar, WM_LBUTTONUP, 0, ptArrow);
    ASSERT_NE(app.WaitForChild("Note1"), nullptr) << "the menu's Note made no note";
    HWND hNote = app.ActiveChild();
    Send(app.View(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("a line of text"));

    // Tiled, the two children do not overlap; cascaded, they do.
    app.Command(ID_WINDOW_TILE_HORZ);
    RECT a = {}, b = {}, both = {};
    ASSERT_TRUE(WaitFor([&] {
        a = WindowRect(hCard);
        b = WindowRect(hNote);
        return !::IntersectRect(&both, &a, &b);
    })) << "not tiled";
    app.Command(ID_WINDOW_CASCADE);
    EXPECT_TRUE(WaitFor([&] {
        a = WindowRect(hCard);
        b = WindowRect(hNote);
        return ::IntersectRect(&both, &a, &b) != FALSE;
    })) << "not cascaded";

    // Closing the program asks about the modified note; No lets it end.
    ::PostMessageA(app.main(), WM_CLOSE, 0, 0);
    HWND hBox = WaitForDialog(app.pid(), nullptr, true);
    ASSERT_NE(hBox, nullptr) << "no question about the modified note";
    EXPECT_EQ(ItemText(hBox, 0xFFFF), "Save changes to Note1?");
    ::PostMessageA(hBox, WM_COMMAND, IDNO, 0);
    EXPECT_EQ(app.WaitForExit(), 0);
    ::DeleteFileA(card.c_str());
}
