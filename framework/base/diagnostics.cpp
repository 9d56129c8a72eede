#include "base/diagnostics.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>

namespace {

std::atomic<AFX_ASSERT_HANDLER> g_pfnAssertHandler{nullptr};

void OutputDebugText(LPCSTR lpsz) {
#ifdef _WIN32
    ::OutputDebugStringA(lpsz);
#else
    fputs(lpsz, stderr);
#endif
}

// What a failed assertion does when no handler is installed.
BOOL DefaultAssertFailed(LPCSTR lpszFileName, int nLine) {
#ifdef _WIN32
    // An assertion that fails while the question is on screen (a paint
    // behind the box) is reported but not asked again.
    static thread_local bool t_bAsking = false;
    if (t_bAsking || ::IsDebuggerPresent()) return ::IsDebuggerPresent();
    t_bAsking = true;
    char szModule[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szModule, MAX_PATH);
    char szText[3 * MAX_PATH];
    snprintf(szText, sizeof szText,
             "Debug Assertion Failed!\n\nProgram: %s\nFile: %s\nLine: %d\n\n"
             "Press Retry to debug the application, Ignore to continue.",
             szModule, lpszFileName ? lpszFileName : "", nLine);
    int nResult = ::MessageBoxA(nullptr, szText, "Assertion Failed",
                                MB_ABORTRETRYIGNORE | MB_ICONHAND | MB_SETFOREGROUND | MB_TASKMODAL);
    t_bAsking = false;
    if (nResult == IDABORT) abort();
    return nResult == IDRETRY;
#else
    (void)lpszFileName;
    (void)nLine;
    abort();
#endif
}

}  // namespace

AFX_ASSERT_HANDLER AfxSetAssertHandler(AFX_ASSERT_HANDLER pfnHandler) { return g_pfnAssertHandler.exchange(pfnHandler); }

BOOL AfxAssertFailedLine(LPCSTR lpszFileName, int nLine) {
    char szLine[512];
    snprintf(szLine, sizeof szLine, "%s(%d) : Assertion failed\n", lpszFileName ? lpszFileName : "?", nLine);
    OutputDebugText(szLine);
    AFX_ASSERT_HANDLER pfn = g_pfnAssertHandler.load();
    return pfn ? pfn(lpszFileName, nLine) : DefaultAssertFailed(lpszFileName, nLine);
}

void AfxDebugBreak() {
#ifdef _WIN32
    ::DebugBreak();
#else
    abort();
#endif
}

void AfxTrace(LPCTSTR lpszFormat, ...) {
    va_list args;
    va_start(args, lpszFormat);
    AfxTraceV(lpszFormat, args);
    va_end(args);
}

void AfxTraceV(LPCTSTR lpszFormat, va_list args) {
    if (lpszFormat == nullptr) return;
    // One line of trace output is cut at 1 KB, as the framework's is.
    char szBuffer[1024];
    vsnprintf(szBuffer, sizeof szBuffer, lpszFormat, args);
    OutputDebugText(szBuffer);
}

BOOL AfxIsValidAddress(const void* lp, UINT_PTR, BOOL) { return lp != nullptr; }
BOOL AfxIsValidString(LPCSTR lpsz, int) { return lpsz != nullptr; }
BOOL AfxIsValidString(LPCWSTR lpsz, int) { return lpsz != nullptr; }

// Defined in every build, so that a Debug program may use a release framework.
void* operator new(size_t nSize, LPCSTR, int) { return ::operator new(nSize); }
void* operator new[](size_t nSize, LPCSTR, int) { return ::operator new[](nSize); }
void operator delete(void* p, LPCSTR, int) noexcept { ::operator delete(p); }
void operator delete[](void* p, LPCSTR, int) noexcept { ::operator delete[](p); }
