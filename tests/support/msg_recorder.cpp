#include "support/msg_recorder.h"

#include <cstdio>
#include <sstream>

namespace kxtest {

namespace {

thread_local MessageRecorder* t_recorder = nullptr;

struct NamedMessage {
  UINT message;
  const char* name;
};

#define KX_MSG(m) {m, #m}
const NamedMessage kNames[] = {
    KX_MSG(WM_CREATE),        KX_MSG(WM_DESTROY),       KX_MSG(WM_MOVE),          KX_MSG(WM_SIZE),
    KX_MSG(WM_ACTIVATE),      KX_MSG(WM_SETFOCUS),      KX_MSG(WM_KILLFOCUS),     KX_MSG(WM_ENABLE),
    KX_MSG(WM_SETREDRAW),     KX_MSG(WM_SETTEXT),       KX_MSG(WM_GETTEXT),       KX_MSG(WM_GETTEXTLENGTH),
    KX_MSG(WM_PAINT),         KX_MSG(WM_CLOSE),         KX_MSG(WM_ERASEBKGND),    KX_MSG(WM_SHOWWINDOW),
    KX_MSG(WM_SETTINGCHANGE), KX_MSG(WM_SETCURSOR),     KX_MSG(WM_MOUSEACTIVATE), KX_MSG(WM_WINDOWPOSCHANGING),
    KX_MSG(WM_WINDOWPOSCHANGED), KX_MSG(WM_NOTIFY),     KX_MSG(WM_CONTEXTMENU),   KX_MSG(WM_GETDLGCODE),
    KX_MSG(WM_NCCREATE),      KX_MSG(WM_NCDESTROY),     KX_MSG(WM_NCCALCSIZE),    KX_MSG(WM_NCHITTEST),
    KX_MSG(WM_NCPAINT),       KX_MSG(WM_NCACTIVATE),    KX_MSG(WM_KEYDOWN),       KX_MSG(WM_KEYUP),
    KX_MSG(WM_CHAR),          KX_MSG(WM_SYSKEYDOWN),    KX_MSG(WM_SYSKEYUP),      KX_MSG(WM_SYSCHAR),
    KX_MSG(WM_INITDIALOG),    KX_MSG(WM_COMMAND),       KX_MSG(WM_SYSCOMMAND),    KX_MSG(WM_TIMER),
    KX_MSG(WM_HSCROLL),       KX_MSG(WM_VSCROLL),       KX_MSG(WM_INITMENU),      KX_MSG(WM_INITMENUPOPUP),
    KX_MSG(WM_MENUSELECT),    KX_MSG(WM_MENUCHAR),      KX_MSG(WM_ENTERIDLE),     KX_MSG(WM_CTLCOLOREDIT),
    KX_MSG(WM_CTLCOLORLISTBOX), KX_MSG(WM_CTLCOLORBTN), KX_MSG(WM_CTLCOLORDLG),   KX_MSG(WM_CTLCOLORSTATIC),
    KX_MSG(WM_MOUSEMOVE),     KX_MSG(WM_LBUTTONDOWN),   KX_MSG(WM_LBUTTONUP),     KX_MSG(WM_LBUTTONDBLCLK),
    KX_MSG(WM_RBUTTONDOWN),   KX_MSG(WM_RBUTTONUP),     KX_MSG(WM_RBUTTONDBLCLK), KX_MSG(WM_MBUTTONDOWN),
    KX_MSG(WM_MBUTTONUP),     KX_MSG(WM_MOUSEWHEEL),    KX_MSG(WM_PARENTNOTIFY),  KX_MSG(WM_ENTERMENULOOP),
    KX_MSG(WM_EXITMENULOOP),  KX_MSG(WM_CAPTURECHANGED), KX_MSG(WM_MOUSELEAVE),   KX_MSG(WM_CUT),
    KX_MSG(WM_COPY),          KX_MSG(WM_PASTE),         KX_MSG(WM_CLEAR),         KX_MSG(WM_UNDO),
    KX_MSG(WM_DRAWITEM),      KX_MSG(WM_MEASUREITEM),   KX_MSG(WM_SETFONT),       KX_MSG(WM_GETFONT),
    KX_MSG(WM_PRINT),         KX_MSG(WM_PRINTCLIENT),   KX_MSG(WM_SYSCOLORCHANGE), KX_MSG(WM_CANCELMODE),
};
#undef KX_MSG

int CodeOf(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY && lParam != 0) return static_cast<int>(reinterpret_cast<const NMHDR*>(lParam)->code);
  if (message == WM_COMMAND && lParam != 0) return HIWORD(wParam);  // from a control
  return 0;
}

bool Matches(const RecordedMessage& r, const ExpectedMessage& e) {
  return r.who == e.who && r.message == e.message && (e.delivery == kAny || e.delivery == r.delivery) &&
         (!e.hasCode || e.code == r.code) && (!e.hasWParam || e.wParam == r.wParam) &&
         (!e.hasLParam || e.lParam == r.lParam);
}

const char* DeliveryName(Delivery d) { return d == kSent ? "sent" : d == kPosted ? "posted" : "any"; }

std::string Describe(const RecordedMessage& r) {
  char buf[160];
  std::snprintf(buf, sizeof buf, "%-8s %-22s %-6s code %-6d w 0x%llX l 0x%llX", r.who.c_str(),
                MessageName(r.message).c_str(), DeliveryName(r.delivery), r.code,
                static_cast<unsigned long long>(r.wParam), static_cast<unsigned long long>(r.lParam));
  return buf;
}

std::string Describe(const ExpectedMessage& e) {
  std::ostringstream s;
  char head[80];
  std::snprintf(head, sizeof head, "%-8s %-22s %-6s", e.who.c_str(), MessageName(e.message).c_str(),
                DeliveryName(e.delivery));
  s << head;
  if (e.hasCode) s << " code " << e.code;
  if (e.hasWParam) s << " w 0x" << std::hex << static_cast<unsigned long long>(e.wParam) << std::dec;
  if (e.hasLParam) s << " l 0x" << std::hex << static_cast<unsigned long long>(e.lParam) << std::dec;
  return s.str();
}

::testing::AssertionResult Mismatch(const char* what, const std::vector<RecordedMessage>& records,
                                    std::initializer_list<ExpectedMessage> expected) {
  std::ostringstream s;
  s << what << "\nexpected:\n";
  for (const ExpectedMessage& e : expected) s << "  " << Describe(e) << "\n";
  s << "recorded:\n";
  for (const RecordedMessage& r : records) s << "  " << Describe(r) << "\n";
  return ::testing::AssertionFailure() << s.str();
}

}  // namespace

MessageRecorder::MessageRecorder() {
  t_recorder = this;
  callHook_ = ::SetWindowsHookExA(WH_CALLWNDPROC, CallWndProc, nullptr, ::GetCurrentThreadId());
  getHook_ = ::SetWindowsHookExA(WH_GETMESSAGE, GetMsgProc, nullptr, ::GetCurrentThreadId());
  EXPECT_NE(callHook_, nullptr);
  EXPECT_NE(getHook_, nullptr);
}

MessageRecorder::~MessageRecorder() {
  if (callHook_) ::UnhookWindowsHookEx(callHook_);
  if (getHook_) ::UnhookWindowsHookEx(getHook_);
  if (t_recorder == this) t_recorder = nullptr;
}

void MessageRecorder::Watch(HWND hwnd, const std::string& name, std::set<UINT> messages) {
  watched_.push_back({hwnd, Watched{name, std::move(messages)}});
}

std::vector<RecordedMessage> MessageRecorder::Take() {
  std::vector<RecordedMessage> out;
  out.swap(records_);
  return out;
}

void MessageRecorder::Record(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, Delivery delivery) {
  for (const auto& [h, w] : watched_) {
    if (h != hwnd || (!w.messages.empty() && !w.messages.count(message))) continue;
    records_.push_back({w.name, message, wParam, lParam, delivery, CodeOf(message, wParam, lParam)});
    return;
  }
}

LRESULT CALLBACK MessageRecorder::CallWndProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && t_recorder) {
    const CWPSTRUCT* p = reinterpret_cast<const CWPSTRUCT*>(lParam);
    t_recorder->Record(p->hwnd, p->message, p->wParam, p->lParam, kSent);
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK MessageRecorder::GetMsgProc(int code, WPARAM wParam, LPARAM lParam) {
  // Only what is taken off the queue: a peek that leaves it there would
  // record it twice.
  if (code == HC_ACTION && wParam == PM_REMOVE && t_recorder) {
    const MSG* p = reinterpret_cast<const MSG*>(lParam);
    t_recorder->Record(p->hwnd, p->message, p->wParam, p->lParam, kPosted);
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

std::string MessageName(UINT message) {
  for (const NamedMessage& n : kNames)
    if (n.message == message) return n.name;
  char buf[32];
  if (message >= WM_USER && message < WM_APP)
    std::snprintf(buf, sizeof buf, "WM_USER+%u", message - WM_USER);
  else
    std::snprintf(buf, sizeof buf, "0x%04X", message);
  return buf;
}

::testing::AssertionResult SequenceIs(const std::vector<RecordedMessage>& records,
                                      std::initializer_list<ExpectedMessage> expected) {
  bool same = records.size() == expected.size();
  for (size_t i = 0; same && i < records.size(); ++i) same = Matches(records[i], expected.begin()[i]);
  if (same) return ::testing::AssertionSuccess();
  return Mismatch("the recorded messages are not the expected ones", records, expected);
}

::testing::AssertionResult SequenceContains(const std::vector<RecordedMessage>& records,
                                            std::initializer_list<ExpectedMessage> expected) {
  auto next = expected.begin();
  for (const RecordedMessage& r : records)
    if (next != expected.end() && Matches(r, *next)) ++next;
  if (next == expected.end()) return ::testing::AssertionSuccess();
  return Mismatch("the expected messages do not occur in this order", records, expected);
}

}  // namespace kxtest
