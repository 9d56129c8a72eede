// Driving a sample program from outside, as a user would: waiting for its
// windows, finding its dialogs and message boxes, and messages that give up
// rather than hang when the program is stuck.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>

namespace kxsample {

// Waits until check() holds, up to ms.
template <class F>
bool WaitFor(F check, DWORD ms = 10000) {
    DWORD start = ::GetTickCount();
    while (!check()) {
        if (::GetTickCount() - start > ms) return false;
        ::Sleep(20);
    }
    return true;
}

struct Search {
    DWORD pid;
    const char* title;
    bool messageBox;
    HWND found;
};

inline BOOL CALLBACK FindDialog(HWND hWnd, LPARAM lParam) {
    Search* s = reinterpret_cast<Search*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    char cls[32] = {}, title[64] = {};
    ::GetClassNameA(hWnd, cls, sizeof cls);
    ::GetWindowTextA(hWnd, title, sizeof title);
    // A message box is the dialog with the message text (0xFFFF).
    bool isBox = ::GetDlgItem(hWnd, 0xFFFF) != nullptr;
    if (pid == s->pid && strcmp(cls, "#32770") == 0 && ::IsWindowVisible(hWnd) && isBox == s->messageBox &&
        (s->title == nullptr || strcmp(title, s->title) == 0)) {
        s->found = hWnd;
        return FALSE;
    }
    return TRUE;
}

// A visible dialog of the process by its title, or its message box.
inline HWND WaitForDialog(DWORD pid, const char* title, bool messageBox = false, DWORD ms = 10000) {
    Search s = {pid, title, messageBox, nullptr};
    WaitFor(
        [&] {
            s.found = nullptr;
            ::EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&s));
            return s.found != nullptr;
        },
        ms);
    return s.found;
}

struct MenuSearch {
    DWORD pid;
    HWND found;
};

inline BOOL CALLBACK FindMenuWindow(HWND hWnd, LPARAM lParam) {
    MenuSearch* s = reinterpret_cast<MenuSearch*>(lParam);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hWnd, &owner);
    char cls[16] = {};
    ::GetClassNameA(hWnd, cls, sizeof cls);
    if (owner == s->pid && strcmp(cls, "#32768") == 0 && ::IsWindowVisible(hWnd)) {
        s->found = hWnd;
        return FALSE;
    }
    return TRUE;
}

// The popup menu the process shows, or null.
inline HWND MenuWindow(DWORD pid) {
    MenuSearch search = {pid, nullptr};
    ::EnumWindows(FindMenuWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Whether a popup menu of the process is open.
inline bool MenuOpen(DWORD pid) { return MenuWindow(pid) != nullptr; }

// Messages to the sample give up after five seconds: a sample stuck in a
// message box (a failed assertion, say) fails the test instead of hanging it.
inline LRESULT Send(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam, bool bWide = false) {
    DWORD_PTR result = 0;
    if (bWide)
        ::SendMessageTimeoutW(hWnd, nMsg, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result);
    else
        ::SendMessageTimeoutA(hWnd, nMsg, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result);
    return static_cast<LRESULT>(result);
}

inline std::string ItemText(HWND hDlg, int nID) {
    char buf[256] = {};
    Send(::GetDlgItem(hDlg, nID), WM_GETTEXT, sizeof buf, reinterpret_cast<LPARAM>(buf));
    return buf;
}

}  // namespace kxsample
