// The Inventory sample, driven from outside as a user would: menu commands
// (a command its update handler disables is not carried out), the
// properties dialog with its validation, saving and reloading through the
// archive (and a file of the older schema), and the process ending with
// code 0 when its window is closed.  Menus are not read from here: Wine
// keeps a menu's items in the process that made it.
#include <windows.h>

#include <gtest/gtest.h>

#include "sample_driver.h"
#include "support/named_lock.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace kxsample;

// The sample's identifiers (samples/inventory/resource.h, afxres.h).
const int IDC_ITEMS = 1000, IDC_SUMMARY = 1001, IDC_NAME = 1002, IDC_QUANTITY = 1003, IDC_FRAGILE = 1004,
          IDC_CAT_TOOL = 1005, IDC_CAT_SUPPLY = 1007, IDC_LOCATION = 1008;
const UINT ID_ITEM_ADD = 32771, ID_ITEM_PROPERTIES = 32772, ID_VIEW_SORTBYNAME = 32773;
const UINT ID_FILE_OPEN = 0xE101, ID_FILE_SAVE = 0xE103, ID_EDIT_CLEAR = 0xE120, ID_EDIT_CLEAR_ALL = 0xE121,
           ID_APP_EXIT = 0xE141;

std::vector<std::string> ListItems(HWND hDlg) {
    HWND hList = ::GetDlgItem(hDlg, IDC_ITEMS);
    std::vector<std::string> items;
    int n = static_cast<int>(Send(hList, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
        // Wide: the text then crosses the process boundary whole under Wine too.
        wchar_t wide[256] = {};
        Send(hList, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide), true);
        char buf[256] = {};
        ::WideCharToMultiByte(CP_ACP, 0, wide, -1, buf, sizeof buf, nullptr, nullptr);
        items.push_back(buf);
    }
    return items;
}

class Inventory {
public:
    explicit Inventory(const std::string& file) {
        std::string cmd = "Inventory.exe \"" + file + "\"";
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        ok_ = ::CreateProcessA("Inventory.exe", cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_);
        if (ok_) main_ = WaitForDialog(pi_.dwProcessId, "Inventory");
    }
    ~Inventory() {
        if (ok_) {
            if (::WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT) ::TerminateProcess(pi_.hProcess, 99);
            ::CloseHandle(pi_.hProcess);
            ::CloseHandle(pi_.hThread);
        }
    }
    HWND main() const { return main_; }
    DWORD pid() const { return pi_.dwProcessId; }
    void Command(UINT nID) const { ::PostMessageA(main_, WM_COMMAND, nID, 0); }
    // Opens a popup of the menu bar from the keyboard (Alt and its
    // mnemonic), then types the mnemonic ch of one of its items.
    void MenuKey(char chPopup, char ch) const {
        ::PostMessageA(main_, WM_SYSCOMMAND, SC_KEYMENU, chPopup);
        WaitFor([&] { return MenuOpen(pid()); }, 5000);
        ::PostMessageA(main_, WM_CHAR, static_cast<WPARAM>(ch), 1);
    }
    // Closes the main window; the process's exit code, or -1 when it does not end.
    long Close() const {
        ::PostMessageA(main_, WM_CLOSE, 0, 0);
        if (::WaitForSingleObject(pi_.hProcess, 10000) != WAIT_OBJECT_0) return -1;
        DWORD code = 0;
        ::GetExitCodeProcess(pi_.hProcess, &code);
        return static_cast<long>(code);
    }

private:
    BOOL ok_ = FALSE;
    PROCESS_INFORMATION pi_ = {};
    HWND main_ = nullptr;
};

// Fills the properties dialog and presses OK.
void FillItem(HWND hItem, const char* name, const char* quantity, bool fragile, int category, const char* location) {
    Send(::GetDlgItem(hItem, IDC_NAME), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name));
    Send(::GetDlgItem(hItem, IDC_QUANTITY), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(quantity));
    Send(::GetDlgItem(hItem, IDC_FRAGILE), BM_SETCHECK, fragile ? BST_CHECKED : BST_UNCHECKED, 0);
    for (int i = 0; i <= IDC_CAT_SUPPLY - IDC_CAT_TOOL; ++i)
        Send(::GetDlgItem(hItem, IDC_CAT_TOOL + i), BM_SETCHECK, i == category ? BST_CHECKED : BST_UNCHECKED, 0);
    Send(::GetDlgItem(hItem, IDC_LOCATION), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(location));
    ::PostMessageA(hItem, WM_COMMAND, IDOK, 0);
}

std::string TempFile(const char* name) {
    char dir[MAX_PATH];
    ::GetTempPathA(MAX_PATH, dir);
    return std::string(dir) + name;
}

}  // namespace

TEST(InventorySample, MenusDialogsArchivesAndExitCode) {
    // The sample takes the foreground, opens menus and dialogs: other test
    // programs that need the desktop wait.
    kxtest::CursorLock lock;
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Local AppWizard-Generated Applications\\Inventory\\Settings");
    const std::string file = TempFile("kx_inventory_test.dat");
    ::DeleteFileA(file.c_str());
    auto fileExists = [&] { return ::GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES; };

    Inventory app(file);
    ASSERT_NE(app.main(), nullptr) << "the sample did not start";
    HWND hMain = app.main();
    EXPECT_EQ(ItemText(hMain, IDC_SUMMARY), "The inventory is empty.");

    // Nothing selected, nothing changed: those commands are disabled by
    // their update handlers, so the menu's commands do nothing.
    app.Command(ID_ITEM_PROPERTIES);
    app.Command(ID_FILE_SAVE);
    EXPECT_FALSE(WaitFor([&] { return WaitForDialog(app.pid(), "Item Properties", false, 500) != nullptr; }, 500));
    EXPECT_FALSE(fileExists());

    // A new item: the quantity is checked against its range first.
    app.Command(ID_ITEM_ADD);
    HWND hItem = WaitForDialog(app.pid(), "Item Properties");
    ASSERT_NE(hItem, nullptr);
    EXPECT_EQ(Send(::GetDlgItem(hItem, IDC_LOCATION), CB_GETCOUNT, 0, 0), 3);  // from the template's data
    FillItem(hItem, "Nails", "0", false, 2, "Storage");
    HWND hBox = WaitForDialog(app.pid(), "Inventory", true);
    ASSERT_NE(hBox, nullptr) << "no message box for the bad quantity";
    EXPECT_EQ(::GetWindow(hBox, GW_OWNER), hItem);  // owned by the dialog the user is in
    EXPECT_EQ(ItemText(hBox, 0xFFFF), "Please enter an integer between 1 and 999.");
    ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitFor([&] { return !::IsWindow(hBox); }));
    FillItem(hItem, "Nails", "500", false, 2, "Storage");
    ASSERT_TRUE(WaitFor([&] { return !::IsWindow(hItem); }));

    app.Command(ID_ITEM_ADD);
    hItem = WaitForDialog(app.pid(), "Item Properties");
    ASSERT_NE(hItem, nullptr);
    FillItem(hItem, "Hammer", "12", true, 0, "Shelf B");
    ASSERT_TRUE(WaitFor([&] { return !::IsWindow(hItem); }));
    EXPECT_EQ(ListItems(hMain),
              (std::vector<std::string>{"Nails (500) - Storage", "Hammer (12) - Shelf B, fragile"}));
    EXPECT_EQ(ItemText(hMain, IDC_SUMMARY), "2 item(s), 512 piece(s)");

    // With a selection the item's properties open from the menu (Alt+E, P),
    // filled from the item.
    Send(::GetDlgItem(hMain, IDC_ITEMS), LB_SETCURSEL, 1, 0);
    app.MenuKey('e', 'p');
    hItem = WaitForDialog(app.pid(), "Item Properties");
    ASSERT_NE(hItem, nullptr);
    EXPECT_EQ(ItemText(hItem, IDC_NAME), "Hammer");
    EXPECT_EQ(ItemText(hItem, IDC_QUANTITY), "12");
    EXPECT_EQ(Send(::GetDlgItem(hItem, IDC_FRAGILE), BM_GETCHECK, 0, 0), BST_CHECKED);
    ::PostMessageA(hItem, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitFor([&] { return !::IsWindow(hItem); }));

    // Sorted by name, saved (now that there are changes), cleared, loaded back.
    app.Command(ID_VIEW_SORTBYNAME);
    ASSERT_TRUE(WaitFor([&] { return ListItems(hMain).size() == 2 && ListItems(hMain)[0].rfind("Hammer", 0) == 0; }));
    app.Command(ID_FILE_SAVE);
    ASSERT_TRUE(WaitFor(fileExists));
    app.Command(ID_EDIT_CLEAR_ALL);
    ASSERT_TRUE(WaitFor([&] { return ListItems(hMain).empty(); }));
    app.Command(ID_FILE_OPEN);
    ASSERT_TRUE(WaitFor([&] { return ListItems(hMain).size() == 2; }));
    EXPECT_EQ(ListItems(hMain), (std::vector<std::string>{"Hammer (12) - Shelf B, fragile", "Nails (500) - Storage"}));
    // Delete the selected item (the accelerator's command).
    Send(::GetDlgItem(hMain, IDC_ITEMS), LB_SETCURSEL, 0, 0);
    app.Command(ID_EDIT_CLEAR);
    ASSERT_TRUE(WaitFor([&] { return ListItems(hMain).size() == 1; }));
    EXPECT_EQ(ListItems(hMain)[0], "Nails (500) - Storage");
    EXPECT_EQ(app.Close(), 0);

    // The next run finds the saved items in the saved order; File > Exit closes it.
    Inventory again(file);
    ASSERT_NE(again.main(), nullptr);
    EXPECT_EQ(ListItems(again.main()),
              (std::vector<std::string>{"Hammer (12) - Shelf B, fragile", "Nails (500) - Storage"}));
    again.Command(ID_APP_EXIT);
    EXPECT_TRUE(WaitFor([&] { return !::IsWindow(again.main()); }));
    ::DeleteFileA(file.c_str());
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Local AppWizard-Generated Applications\\Inventory\\Settings");
}

TEST(InventorySample, AFileOfTheFirstSchemaLoadsWithoutLocations) {
    // The sample takes the foreground, opens menus and dialogs: other test
    // programs that need the desktop wait.
    kxtest::CursorLock lock;
    // A list of one item as schema 1 stored it: count, the new class CItem
    // (schema 1), then name, quantity, fragile and category.
    const unsigned char bytes[] = {
        0x01, 0x00,                                           // one element
        0xFF, 0xFF, 0x01, 0x00, 0x05, 0x00, 'C', 'I', 't', 'e', 'm',  // new class, schema 1
        0x06, 'P', 'l', 'i', 'e', 'r', 's',                   // name
        0x05, 0x00, 0x00, 0x00,                               // quantity
        0x00, 0x00, 0x00, 0x00,                               // not fragile
        0x00, 0x00, 0x00, 0x00,                               // a tool
    };
    const std::string file = TempFile("kx_inventory_schema1.dat");
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes), sizeof bytes);

    Inventory app(file);
    ASSERT_NE(app.main(), nullptr);
    EXPECT_EQ(ListItems(app.main()), std::vector<std::string>{"Pliers (5) - Unsorted"});
    EXPECT_EQ(app.Close(), 0);
    ::DeleteFileA(file.c_str());
}
