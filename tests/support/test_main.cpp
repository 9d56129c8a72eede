// The main of every Wine test program (instead of gtest_main).
#include <gtest/gtest.h>

#include "support/assert_capture.h"
#include "support/process_setup.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // A failed set-up is reported but the tests still run: most of them do
  // not depend on it, and those that do fail with their own message.
  kxtest::PrepareTestProcess();
  kxtest::ReportUnexpectedAssertions();
  return RUN_ALL_TESTS();
}
