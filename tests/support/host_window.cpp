#include "support/host_window.h"

#include "support/pump.h"

namespace kxtest {

namespace {

const char kClassName[] = "KXTestHost";

bool RegisterHostClass(WNDPROC proc) {
  static const bool registered = [proc] {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    return ::RegisterClassExA(&wc) != 0;
  }();
  return registered;
}

}  // namespace

HostWindow::HostWindow(int clientWidth, int clientHeight, int clientLeft, int clientTop) {
  if (!RegisterHostClass(&HostWindow::WindowProc)) {
    ADD_FAILURE() << "cannot register the host window class, error " << ::GetLastError();
    return;
  }
  // A framed window, or one shown with activation, is handed to the window
  // manager under Wine; with none on the headless display, destroying it
  // then waits two seconds for the manager. A frameless popup shown without
  // activation and activated afterwards is never handed over.
  const DWORD style = WS_POPUP | WS_CLIPCHILDREN;
  hwnd_ = ::CreateWindowExA(0, kClassName, "KX test host", style, clientLeft, clientTop,
                            clientWidth, clientHeight, nullptr, nullptr,
                            ::GetModuleHandleA(nullptr), this);
  if (!hwnd_) {
    ADD_FAILURE() << "cannot create the host window, error " << ::GetLastError();
    return;
  }
  ::ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
  ::SetForegroundWindow(hwnd_);
  ::UpdateWindow(hwnd_);
  PumpUntilIdle();
}

HostWindow::~HostWindow() {
  if (hwnd_ && ::IsWindow(hwnd_)) ::DestroyWindow(hwnd_);
  PumpUntilIdle();
}

RECT HostWindow::ClientRect() const {
  RECT r = {};
  ::GetClientRect(hwnd_, &r);
  return r;
}

void HostWindow::SetPaintHandler(PaintHandler handler) {
  onPaint_ = std::move(handler);
  ::InvalidateRect(hwnd_, nullptr, TRUE);
}

HWND HostWindow::CreateChild(const char* className, const char* text, DWORD style,
                             const RECT& rect, int id, DWORD exStyle) {
  HWND child = ::CreateWindowExA(exStyle, className, text, style | WS_CHILD | WS_VISIBLE, rect.left,
                                 rect.top, rect.right - rect.left, rect.bottom - rect.top, hwnd_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 ::GetModuleHandleA(nullptr), nullptr);
  if (!child) {
    ADD_FAILURE() << "cannot create a child of class " << className << ", error "
                  << ::GetLastError();
    return nullptr;
  }
  ::SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
  return child;
}

HWND HostWindow::CreateEdit(const RECT& rect, const char* text, DWORD style, int id) {
  return CreateChild("EDIT", text, style, rect, id);
}

HWND HostWindow::CreateButton(const RECT& rect, const char* text, DWORD style, int id) {
  return CreateChild("BUTTON", text, style, rect, id);
}

HWND HostWindow::CreateStatic(const RECT& rect, const char* text, DWORD style, int id) {
  return CreateChild("STATIC", text, style, rect, id);
}

HWND HostWindow::CreateListBox(const RECT& rect, DWORD style, int id) {
  return CreateChild("LISTBOX", "", style, rect, id);
}

LRESULT CALLBACK HostWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTA*>(lp);
    auto* self = static_cast<HostWindow*>(cs->lpCreateParams);
    self->hwnd_ = hwnd;
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<HostWindow*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!self) return ::DefWindowProcA(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return ::DefWindowProcA(hwnd, msg, wp, lp);
  }
  return self->Handle(msg, wp, lp);
}

LRESULT HostWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT result = 0;
  if (onMessage_ && onMessage_(hwnd_, msg, wp, lp, &result)) return result;
  switch (msg) {
    case WM_PAINT:
      if (onPaint_) {
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(hwnd_, &ps);
        onPaint_(dc, ClientRect());
        ::EndPaint(hwnd_, &ps);
        return 0;
      }
      break;
    case WM_PRINTCLIENT:
      if (onPaint_) {
        onPaint_(reinterpret_cast<HDC>(wp), ClientRect());
        return 0;
      }
      break;
    default:
      break;
  }
  return ::DefWindowProcA(hwnd_, msg, wp, lp);
}

bool BringToTopIfCovered(HWND hwnd) {
  HWND top = ::GetAncestor(hwnd, GA_ROOT);
  RECT mine;
  if (!top || !::GetWindowRect(top, &mine)) return false;
  for (HWND above = ::GetWindow(top, GW_HWNDPREV); above; above = ::GetWindow(above, GW_HWNDPREV)) {
    RECT theirs, common;
    if (::IsWindowVisible(above) && ::GetWindowRect(above, &theirs) &&
        ::IntersectRect(&common, &mine, &theirs)) {
      ::SetWindowPos(top, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      return true;
    }
  }
  return false;
}

void HostWindowTest::SetUp() {
  host_ = std::make_unique<HostWindow>();
  ASSERT_NE(host_->hwnd(), nullptr);
}

void HostWindowTest::TearDown() { host_.reset(); }

}  // namespace kxtest
