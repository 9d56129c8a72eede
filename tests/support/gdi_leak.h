// Counting this process's GDI objects, for leak checks that tolerate nothing.
//
// Windows answers GetGuiResources(GR_GDIOBJECTS). Wine answers 0 there, so
// the count then comes from the GDI handle table that the system maps into
// every process (the PEB's GdiSharedHandleTable, 24-byte entries in 64-bit
// processes; under Wine the table holds only this process's objects). A
// table walk also tells the kinds of the objects apart, which the leak
// message reports.
//
//   EXPECT_NO_GDI_LEAK({ DrawSomething(dc); });
//
//   {
//     kxtest::GdiLeakCheck check;   // fails the test at scope exit on a leak
//     ...
//   }
//
// The system creates some objects lazily on first use (fonts for text
// output, cached DCs); do the work once before the checked scope.
#pragma once

#include <map>
#include <source_location>
#include <string>

#include <gtest/gtest.h>

namespace kxtest {

struct GdiCount {
  long total = -1;                // -1: cannot be counted here
  std::map<std::string, long> byKind;  // empty when only the total is known
};

GdiCount CountGdiObjects();
// The total alone; -1 when it cannot be counted.
long GdiObjectCount();

// The windows of this thread, children included, and the USER objects where
// the system counts them (Wine answers 0 there): what a window leak shows in.
long UserObjectCount();

// Success when `after` has exactly the objects of `before`; otherwise names
// the difference by kind ("brush +3").
::testing::AssertionResult SameGdiCount(const GdiCount& before, const GdiCount& after);

class GdiLeakCheck {
 public:
  explicit GdiLeakCheck(std::source_location where = std::source_location::current());
  // Reports a leak as a non-fatal failure at the place of construction,
  // unless Verify() or Dismiss() was called.
  ~GdiLeakCheck();
  GdiLeakCheck(const GdiLeakCheck&) = delete;
  GdiLeakCheck& operator=(const GdiLeakCheck&) = delete;

  // Compares now with the count at construction.
  ::testing::AssertionResult Verify();
  void Dismiss() { done_ = true; }

 private:
  GdiCount before_;
  std::source_location where_;
  bool done_ = false;
};

}  // namespace kxtest

#define EXPECT_NO_GDI_LEAK(...)                                   \
  do {                                                            \
    ::kxtest::GdiLeakCheck kx_gdi_leak_check_;                    \
    __VA_ARGS__;                                                  \
    EXPECT_TRUE(kx_gdi_leak_check_.Verify()) << "GDI objects leaked"; \
  } while (false)
