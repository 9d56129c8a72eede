#include "support/dialog_answer.h"

#include <dlgs.h>

#include <map>

namespace kxtest {
namespace {

std::map<UINT_PTR, DialogAnswer*>& Answers() {
  static thread_local std::map<UINT_PTR, DialogAnswer*> answers;
  return answers;
}

struct FindData {
  const std::string* caption;
  HWND found;
};

BOOL CALLBACK FindProc(HWND hwnd, LPARAM lParam) {
  auto* data = reinterpret_cast<FindData*>(lParam);
  char cls[16] = {}, text[256] = {};
  ::GetClassNameA(hwnd, cls, sizeof cls);
  ::GetWindowTextA(hwnd, text, sizeof text);
  if (::IsWindowVisible(hwnd) && std::string(cls) == "#32770" && std::string(text).find(*data->caption) != std::string::npos) {
    data->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND FindThreadDialog(const std::string& caption) {
  FindData data = {&caption, nullptr};
  ::EnumThreadWindows(::GetCurrentThreadId(), FindProc, reinterpret_cast<LPARAM>(&data));
  return data.found;
}

void ClickButton(HWND dialog, int id) {
  HWND button = ::GetDlgItem(dialog, id);
  if (button != nullptr && ::IsWindowEnabled(button))
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

void TypeFileName(HWND dialog, const char* text) {
  HWND box = ::GetDlgItem(dialog, cmb13);
  if (box == nullptr) box = ::GetDlgItem(dialog, edt1);
  ::SetWindowTextA(box, text);
  if (HWND edit = ::FindWindowExA(box, nullptr, "Edit", nullptr)) ::SetWindowTextA(edit, text);
  if (HWND combo = ::FindWindowExA(box, nullptr, "ComboBox", nullptr))
    if (HWND edit = ::FindWindowExA(combo, nullptr, "Edit", nullptr)) ::SetWindowTextA(edit, text);
}

DialogAnswer::DialogAnswer(std::string caption, std::vector<Step> steps, unsigned timeoutMs)
    : caption_(std::move(caption)), steps_(std::move(steps)), deadline_(::GetTickCount() + timeoutMs) {
  timer_ = ::SetTimer(nullptr, 0, 50, &DialogAnswer::Tick);
  Answers()[timer_] = this;
}

DialogAnswer::~DialogAnswer() {
  ::KillTimer(nullptr, timer_);
  Answers().erase(timer_);
}

void CALLBACK DialogAnswer::Tick(HWND, UINT, UINT_PTR id, DWORD) {
  auto it = Answers().find(id);
  if (it != Answers().end()) it->second->OnTick();
}

void DialogAnswer::OnTick() {
  if (running_) return;  // a step's own message loop ticks too
  const bool late = static_cast<int>(::GetTickCount() - deadline_) > 0;
  if (Done()) {
    // Answered, yet still up long after: close it so that the test goes on.
    if (late && dialog_ != nullptr && ::IsWindow(dialog_)) ::PostMessageA(dialog_, WM_COMMAND, IDCANCEL, 0);
    return;
  }
  running_ = true;
  if (dialog_ == nullptr || !::IsWindow(dialog_)) dialog_ = FindThreadDialog(caption_);
  if (dialog_ != nullptr && next_ < steps_.size()) {
    steps_[next_++](dialog_);
  } else if (late) {
    // Never answered: cancel whatever dialog is up so that the test goes on.
    if (HWND any = FindThreadDialog("")) ::PostMessageA(any, WM_COMMAND, IDCANCEL, 0);
  }
  running_ = false;
}

}  // namespace kxtest
