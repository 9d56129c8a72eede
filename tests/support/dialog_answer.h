// Answering a dialog that a call on the test's own thread runs modally (a
// property sheet's DoModal, GetOpenFileName, ChooseColor...).
//
//   kxtest::DialogAnswer answer("Open", {
//       [](HWND dlg) { ::SetDlgItemTextA(dlg, edt1, "a.txt"); },
//       [](HWND dlg) { kxtest::ClickButton(dlg, IDOK); }});
//   dlg.DoModal();
//   EXPECT_TRUE(answer.Done());
//
// A thread timer fires inside whatever message loop runs; once a visible
// top-level dialog of this thread whose caption holds `caption` shows, the
// steps run on successive ticks, each after the messages of the one before.
// A dialog that never gets its answer within timeoutMs is cancelled, so a
// test fails instead of hanging.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace kxtest {

class DialogAnswer {
 public:
  using Step = std::function<void(HWND dialog)>;
  DialogAnswer(std::string caption, std::vector<Step> steps, unsigned timeoutMs = 8000);
  ~DialogAnswer();
  DialogAnswer(const DialogAnswer&) = delete;
  DialogAnswer& operator=(const DialogAnswer&) = delete;

  bool Done() const { return next_ == steps_.size(); }
  HWND Dialog() const { return dialog_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  void OnTick();

  std::string caption_;
  std::vector<Step> steps_;
  size_t next_ = 0;
  HWND dialog_ = nullptr;
  DWORD deadline_;
  UINT_PTR timer_;
  bool running_ = false;
};

// The top-level visible dialog of this thread whose caption holds caption.
HWND FindThreadDialog(const std::string& caption);
// Presses a dialog's button as a click would (BN_CLICKED from the button).
void ClickButton(HWND dialog, int id);
// Types into a file dialog's file name box (the explorer dialog's extended
// combo box, or the old dialog's edit).
void TypeFileName(HWND dialog, const char* text);

}  // namespace kxtest
