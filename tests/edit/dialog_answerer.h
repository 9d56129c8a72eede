// Answering a modal dialog that the test's own thread opens: a second
// thread waits for a dialog window of the test thread to show, then hands it
// to the test's answer (which runs on that second thread and typically
// sends the dialog a message or two and closes it).  A dialog that is not
// answered is cancelled, so a test never hangs in one.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>

namespace kxtest {

class DialogAnswerer {
public:
    // answer gets the dialog; it should close it.  timeoutMs bounds the wait
    // for the dialog to appear.
    explicit DialogAnswerer(std::function<void(HWND)> answer, unsigned timeoutMs = 8000)
        : m_threadId(::GetCurrentThreadId()), m_answer(std::move(answer)), m_timeoutMs(timeoutMs),
          m_thread([this] { Run(); }) {}
    ~DialogAnswerer() { Join(); }
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    // Waits for the second thread to finish; whether a dialog was found.
    bool Join() {
        if (m_thread.joinable()) m_thread.join();
        return m_found;
    }
    // The dialog's title as it was found.
    const char* Title() const { return m_title; }

private:
    static BOOL CALLBACK FindDialog(HWND hWnd, LPARAM lParam) {
        char cls[32] = "";
        ::GetClassNameA(hWnd, cls, sizeof cls);
        if (::IsWindowVisible(hWnd) && lstrcmpA(cls, "#32770") == 0) {
            *reinterpret_cast<HWND*>(lParam) = hWnd;
            return FALSE;
        }
        return TRUE;
    }
    void Run() {
        const DWORD dwEnd = ::GetTickCount() + m_timeoutMs;
        HWND hDlg = nullptr;
        while (hDlg == nullptr && static_cast<int>(dwEnd - ::GetTickCount()) > 0) {
            ::EnumThreadWindows(m_threadId, FindDialog, reinterpret_cast<LPARAM>(&hDlg));
            if (hDlg == nullptr) ::Sleep(20);
        }
        if (hDlg == nullptr) return;
        m_found = true;
        ::GetWindowTextA(hDlg, m_title, sizeof m_title);
        ::Sleep(100);  // let the dialog finish its initialisation
        m_answer(hDlg);
        // Whatever the answer left open is cancelled.
        for (int i = 0; i < 100 && ::IsWindow(hDlg); ++i) {
            if (i % 25 == 24) ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
            ::Sleep(20);
        }
    }

    DWORD m_threadId;
    std::function<void(HWND)> m_answer;
    unsigned m_timeoutMs;
    std::atomic<bool> m_found{false};
    char m_title[128] = "";
    std::thread m_thread;
};

}  // namespace kxtest
