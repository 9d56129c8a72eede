#include "support/run_tool.h"

namespace kxtest {

std::string RunTool(const std::string& commandLine) {
    SECURITY_ATTRIBUTES sa = {};
    sa.nLength = sizeof sa;
    sa.bInheritHandle = TRUE;
    HANDLE hRead = nullptr, hWrite = nullptr;
    if (!::CreatePipe(&hRead, &hWrite, &sa, 0)) return {};
    ::SetHandleInformation(hRead, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = si.hStdError = hWrite;
    PROCESS_INFORMATION pi = {};
    std::string cmd = commandLine;
    std::string out;
    if (::CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &si, &pi)) {
        ::CloseHandle(hWrite);
        hWrite = nullptr;
        char buf[512];
        DWORD n = 0;
        while (::ReadFile(hRead, buf, sizeof buf, &n, nullptr) && n > 0) out.append(buf, n);
        ::WaitForSingleObject(pi.hProcess, 30000);
        ::CloseHandle(pi.hProcess);
        ::CloseHandle(pi.hThread);
    }
    if (hWrite) ::CloseHandle(hWrite);
    ::CloseHandle(hRead);
    return out;
}

DWORD RunThisProgram(const std::string& filter, const char* variable, DWORD timeoutMs) {
    char szPath[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, szPath, MAX_PATH);
    std::string cmd = std::string("\"") + szPath + "\" --gtest_filter=" + filter;
    ::SetEnvironmentVariableA(variable, "1");
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    const BOOL bStarted = ::CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi);
    ::SetEnvironmentVariableA(variable, nullptr);
    if (!bStarted) return 0xFFFF;
    DWORD dwCode = 0xFFFF;
    if (::WaitForSingleObject(pi.hProcess, timeoutMs) == WAIT_OBJECT_0) ::GetExitCodeProcess(pi.hProcess, &dwCode);
    else ::TerminateProcess(pi.hProcess, 0xFFFF);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return dwCode;
}

}  // namespace kxtest
