#include "support/msg_recorder.h"

#include "support/host_window.h"
#include "support/input.h"
#include "support/pump.h"

#include <gtest/gtest.h>

namespace {

using kxtest::kPosted;
using kxtest::kSent;

TEST(MessageRecorder, TellsSentFromPostedWithNotificationCodes) {
  kxtest::HostWindow host;
  HWND button = host.CreateButton(RECT{10, 10, 110, 40}, "Press", BS_PUSHBUTTON, 42);
  kxtest::PumpUntilIdle();

  kxtest::MessageRecorder rec;
  rec.Watch(button, "button", {WM_LBUTTONDOWN, WM_LBUTTONUP});
  rec.Watch(host.hwnd(), "host", {WM_COMMAND, WM_USER + 5});
  kxtest::PostClick(button, POINT{20, 10});
  kxtest::PumpUntilIdle();
  ::SendMessageA(host.hwnd(), WM_USER + 5, 7, 9);

  const auto records = rec.Take();
  EXPECT_TRUE(kxtest::SequenceIs(records, {
      {"button", WM_LBUTTONDOWN, kPosted},
      {"button", WM_LBUTTONUP, kPosted},
      {"host", WM_COMMAND, kSent, BN_CLICKED},
      kxtest::ExpectedMessage("host", WM_USER + 5, kSent).WithWParam(7).WithLParam(9),
  }));
  EXPECT_TRUE(kxtest::SequenceContains(records, {{"button", WM_LBUTTONUP}, {"host", WM_USER + 5}}));
  EXPECT_TRUE(rec.Take().empty());

  // A mismatch names both tables.
  const auto failure = kxtest::SequenceIs(records, {{"host", WM_COMMAND, kPosted}});
  EXPECT_FALSE(failure);
  EXPECT_NE(std::string(failure.message()).find("WM_LBUTTONDOWN"), std::string::npos);
  EXPECT_FALSE(kxtest::SequenceContains(records, {{"host", WM_COMMAND}, {"button", WM_LBUTTONDOWN}}));
  EXPECT_EQ("WM_USER+5", kxtest::MessageName(WM_USER + 5));
}

}  // namespace
