// The gallery application end to end: "kxgallery.exe --render <folder>"
// shows every page, writes one PNG per page and exits 0.
#include <windows.h>

#include <gtest/gtest.h>

#include "support/named_lock.h"

#include <set>
#include <string>

namespace {

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    const DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, n);
    return folder.substr(0, folder.find_last_of("\\/"));
}

// A new empty folder under the temporary folder.
std::string NewTempFolder() {
    char temp[MAX_PATH] = {}, file[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    ::GetTempFileNameA(temp, "kxg", 0, file);
    ::DeleteFileA(file);
    ::CreateDirectoryA(file, nullptr);
    return file;
}

// The file's size, or -1; and whether it starts with the PNG signature.
long long PngFileSize(const std::string& path) {
    HANDLE h = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return -1;
    BYTE head[8] = {};
    DWORD nRead = 0;
    ::ReadFile(h, head, sizeof head, &nRead, nullptr);
    LARGE_INTEGER size = {};
    ::GetFileSizeEx(h, &size);
    ::CloseHandle(h);
    const BYTE signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (nRead != sizeof head || memcmp(head, signature, sizeof head) != 0) return -1;
    return size.QuadPart;
}

}  // namespace

TEST(GalleryTest, RenderWritesOnePictureOfEveryPage) {
    // The gallery takes the foreground and opens menus for its pictures:
    // other test programs that need the desktop wait meanwhile.
    kxtest::CursorLock lock;
    const std::string folder = NewTempFolder();
    std::string command = "\"" + ProgramFolder() + "\\kxgallery.exe\" --render \"" + folder + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        << command;
    const DWORD wait = ::WaitForSingleObject(pi.hProcess, 120000);
    DWORD exitCode = 1;
    ::GetExitCodeProcess(pi.hProcess, &exitCode);
    if (wait != WAIT_OBJECT_0) ::TerminateProcess(pi.hProcess, 1);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    ASSERT_EQ(wait, WAIT_OBJECT_0);
    EXPECT_EQ(exitCode, 0u);

    // One picture per page, each of a page that shows something: a picture
    // of a blank window compresses to a few kilobytes, a page full of
    // controls and text does not.
    std::set<std::string> pictures;
    WIN32_FIND_DATAA found;
    HANDLE hFind = ::FindFirstFileA((folder + "\\*.png").c_str(), &found);
    for (BOOL more = hFind != INVALID_HANDLE_VALUE; more; more = ::FindNextFileA(hFind, &found))
        pictures.insert(found.cFileName);
    if (hFind != INVALID_HANDLE_VALUE) ::FindClose(hFind);
    for (const std::string& picture : pictures) {
        const std::string path = folder + "\\" + picture;
        EXPECT_GT(PngFileSize(path), 12000) << path;
        ::DeleteFileA(path.c_str());
    }
    // One picture per page (some pages add a second).
    for (const char* page : {
             "controls.png",
             "dialog.png",
             "owner-drawn-button.png",
             "evaluator.png",
             "data.png",
             "look.png",
             "drawing.png",
             "menu.png",
             "edits.png",
             "hex-editor.png",
             "hex-editor-menu.png",
             "combos-and-browse-edits.png",
             "combos-and-browse-edits-menu.png",
             "flat-tabs.png",
             "outlook-bar.png",
             "outlook-bar-menu.png",
             "property-grid-view.png",
             "property-grid.png",
             "property-grid-list.png",
             "colours.png",
             "colours-popup.png",
             "colours-dialog-standard.png",
             "colours-dialog-custom.png",
             "docking.png",
             "docking-floating.png",
         })
        EXPECT_EQ(pictures.count(page), 1u) << page;
    EXPECT_TRUE(::RemoveDirectoryA(folder.c_str())) << "the folder holds files other than pictures";
}
