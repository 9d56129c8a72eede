// A top-level window for tests to put controls in: known client size, known
// position, shown and activated on creation, destroyed with the object.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

namespace kxtest {

class HostWindow {
 public:
  static constexpr int kDefaultWidth = 400;
  static constexpr int kDefaultHeight = 300;
  // Screen position of the client area's top-left corner (the window has no
  // frame: window and client area coincide).
  static constexpr int kDefaultLeft = 120;
  static constexpr int kDefaultTop = 120;

  // Called for every message before the default handling; return true to
  // consume it (the result goes in *result). Sees children's WM_COMMAND and
  // WM_NOTIFY, so tests can observe notifications.
  using MessageHandler = std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT* result)>;
  // Paints the client area: reached by WM_PAINT and WM_PRINTCLIENT alike.
  using PaintHandler = std::function<void(HDC, const RECT& client)>;

  // A visible, active and foreground popup window without frame, with
  // WS_CLIPCHILDREN, double clicks enabled and COLOR_BTNFACE background.
  // Fails the current test when the window cannot be created (hwnd() is
  // then null).
  explicit HostWindow(int clientWidth = kDefaultWidth, int clientHeight = kDefaultHeight,
                      int clientLeft = kDefaultLeft, int clientTop = kDefaultTop);
  ~HostWindow();
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;

  HWND hwnd() const { return hwnd_; }
  RECT ClientRect() const;

  void SetMessageHandler(MessageHandler handler) { onMessage_ = std::move(handler); }
  // Installs the painter and invalidates the client area.
  void SetPaintHandler(PaintHandler handler);

  // A visible child (WS_CHILD | WS_VISIBLE are added) with the default GUI
  // font, rect in client coordinates. Fails the current test and returns
  // null when creation fails.
  HWND CreateChild(const char* className, const char* text, DWORD style, const RECT& rect,
                   int id = 0, DWORD exStyle = 0);
  HWND CreateEdit(const RECT& rect, const char* text = "",
                  DWORD style = WS_BORDER | ES_AUTOHSCROLL, int id = 0);
  HWND CreateButton(const RECT& rect, const char* text, DWORD style = BS_PUSHBUTTON, int id = 0);
  HWND CreateStatic(const RECT& rect, const char* text, DWORD style = SS_LEFT, int id = 0);
  HWND CreateListBox(const RECT& rect, DWORD style = WS_BORDER | LBS_NOTIFY, int id = 0);

 private:
  static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT Handle(UINT, WPARAM, LPARAM);

  HWND hwnd_ = nullptr;
  MessageHandler onMessage_;
  PaintHandler onPaint_;
};

// Raises the top-level window of hwnd (without activating it) when a visible
// window above it in the z-order overlaps it, e.g. the host window of
// another test program running at the same time. Returns whether it raised.
// Raising only when needed matters under Wine: repositioning the active
// window hands it to the window manager, and destroying it then waits two
// seconds for a manager that the headless display does not have.
bool BringToTopIfCovered(HWND hwnd);

// Fixture: a fresh HostWindow for each test, destroyed (and the queue
// drained) in TearDown.
class HostWindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  HostWindow& host() { return *host_; }
  HWND hwnd() const { return host_->hwnd(); }

 private:
  std::unique_ptr<HostWindow> host_;
};

}  // namespace kxtest
