// Running other programs from a Wine test: the platform's own tools (the
// registry tool reading back what the code under test stored) and this
// test program again as a child process (a "restart" with fresh
// process-wide state).
#pragma once

#include <windows.h>

#include <string>

namespace kxtest {

// What commandLine (a program and its arguments) prints on its standard
// output and error; empty when it could not be started.
std::string RunTool(const std::string& commandLine);

// Runs this test program again with --gtest_filter=filter and the
// environment variable `variable` set (to "1") for the child alone; returns
// the child's exit code (0: its tests passed), 0xFFFF when it could not run.
DWORD RunThisProgram(const std::string& filter, const char* variable, DWORD timeoutMs = 120000);

}  // namespace kxtest
