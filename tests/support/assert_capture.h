// Failed assertions of the framework and the library in tests.
//
// Every test program reports an assertion that nobody expected as a test
// failure (with its file and line) and lets the code go on, so the release
// fallback after the assertion still runs.  A test that wants to see a
// misuse assert wraps it in EXPECT_ASSERTS: in a Debug build the statement
// must fail at least one assertion; in a release build, where assertions
// are compiled out, it must fail none.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace kxtest {

// Counts the failed assertions while it lives (captures nest).
class AssertCapture {
 public:
  AssertCapture();
  ~AssertCapture();
  AssertCapture(const AssertCapture&) = delete;
  AssertCapture& operator=(const AssertCapture&) = delete;

  int count() const { return count_; }
  // "file(line)" of the last one.
  const std::string& last() const { return last_; }

 private:
  friend struct AssertCaptureAccess;
  AssertCapture* outer_;
  int count_ = 0;
  std::string last_;
};

// Makes an unexpected assertion a test failure (each test main calls it).
void ReportUnexpectedAssertions();

}  // namespace kxtest

#ifdef _DEBUG
#define EXPECT_ASSERTS(statement)                                                  \
  do {                                                                             \
    ::kxtest::AssertCapture kxCapture_;                                            \
    statement;                                                                     \
    EXPECT_GT(kxCapture_.count(), 0) << "expected a failed assertion: " #statement; \
  } while (0)
#else
#define EXPECT_ASSERTS(statement)                                                    \
  do {                                                                               \
    ::kxtest::AssertCapture kxCapture_;                                              \
    statement;                                                                       \
    EXPECT_EQ(kxCapture_.count(), 0) << "assertions are compiled out: " #statement; \
  } while (0)
#endif
