// Recording the messages that windows receive, for tests of behaviour that
// spans messages: what a control and its owner get, in which order, whether
// sent or posted, and with which notification codes.
//
//   kxtest::MessageRecorder rec;
//   rec.Watch(hwndCtrl, "ctrl", {WM_SETFOCUS, WM_KILLFOCUS, WM_LBUTTONDOWN});
//   rec.Watch(host.hwnd(), "owner", {WM_NOTIFY, WM_COMMAND});
//   ... drive the control, pump ...
//   EXPECT_TRUE(kxtest::SequenceIs(rec.Take(), {
//       {"ctrl", WM_LBUTTONDOWN, kxtest::kPosted},
//       {"owner", WM_NOTIFY, kxtest::kSent, NM_CLICK},
//   }));
//
// Sent messages are seen through a WH_CALLWNDPROC hook, posted ones as the
// thread's message loop takes them (WH_GETMESSAGE), so both must happen on
// the recording thread.  A mismatch prints the expected and the recorded
// tables side by side.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace kxtest {

enum Delivery { kAny = 0, kSent = 1, kPosted = 2 };

struct RecordedMessage {
  std::string who;        // the name the window was watched under
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  Delivery delivery = kAny;  // kSent or kPosted
  // WM_NOTIFY: NMHDR::code; WM_COMMAND from a control: HIWORD(wParam).
  int code = 0;
};

// What a test expects.  code, wParam and lParam are compared only when set.
struct ExpectedMessage {
  ExpectedMessage(const char* who, UINT message, Delivery delivery = kAny) : who(who), message(message), delivery(delivery) {}
  ExpectedMessage(const char* who, UINT message, Delivery delivery, int code)
      : who(who), message(message), delivery(delivery), code(code), hasCode(true) {}

  ExpectedMessage& WithWParam(WPARAM w) { wParam = w; hasWParam = true; return *this; }
  ExpectedMessage& WithLParam(LPARAM l) { lParam = l; hasLParam = true; return *this; }

  std::string who;
  UINT message;
  Delivery delivery;
  int code = 0;
  bool hasCode = false;
  WPARAM wParam = 0;
  bool hasWParam = false;
  LPARAM lParam = 0;
  bool hasLParam = false;
};

// Records while it exists (one recorder per thread at a time).
class MessageRecorder {
 public:
  MessageRecorder();
  ~MessageRecorder();
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  // Records what hwnd receives, under name; only the given messages when
  // the set is not empty.
  void Watch(HWND hwnd, const std::string& name, std::set<UINT> messages = {});
  // The records so far, which are then forgotten.
  std::vector<RecordedMessage> Take();

 private:
  struct Watched {
    std::string name;
    std::set<UINT> messages;
  };
  void Record(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, Delivery delivery);
  static LRESULT CALLBACK CallWndProc(int code, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK GetMsgProc(int code, WPARAM wParam, LPARAM lParam);

  HHOOK callHook_ = nullptr;
  HHOOK getHook_ = nullptr;
  std::vector<std::pair<HWND, Watched>> watched_;
  std::vector<RecordedMessage> records_;
};

// The message's name ("WM_PAINT") or its number in hex.
std::string MessageName(UINT message);

// Whether the records are exactly the expected ones, in order.
::testing::AssertionResult SequenceIs(const std::vector<RecordedMessage>& records,
                                      std::initializer_list<ExpectedMessage> expected);
// Whether the expected ones occur in order among the records (others may
// come between them).
::testing::AssertionResult SequenceContains(const std::vector<RecordedMessage>& records,
                                            std::initializer_list<ExpectedMessage> expected);

}  // namespace kxtest
