// The main of every native test program (instead of gtest_main).
#include <gtest/gtest.h>

#include "support/assert_capture.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  kxtest::ReportUnexpectedAssertions();
  return RUN_ALL_TESTS();
}
