// Input injection for tests.
//
// The Post* helpers put the messages that real input would produce straight
// into a window's queue (PostMessage); pump afterwards (PumpUntilIdle) to
// have them handled. Coordinates are client coordinates of the target
// window; `keys` is the MK_* key-state word of wParam (MK_SHIFT,
// MK_CONTROL, other buttons held). Posted messages do not change the
// thread's key state: a control that asks GetKeyState needs ScopedKeyState.
//
// The cursor helpers move the real cursor with SetCursorPos (Wine under
// Xvfb supports it: GetCursorPos reads the position back and the window
// under it gets WM_MOUSEMOVE/WM_SETCURSOR). The cursor is shared with every
// other program on the display, test programs running in parallel included,
// so prefer posted messages unless the code under test reads the cursor.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string_view>

namespace kxtest {

enum class MouseButton { Left, Right, Middle };

void PostMouseMove(HWND hwnd, POINT client, WPARAM keys = 0);
// The button's own MK_ flag is added to keys on the way down and left out
// on the way up, as the system reports it.
void PostMouseDown(HWND hwnd, POINT client, MouseButton button = MouseButton::Left,
                   WPARAM keys = 0);
void PostMouseUp(HWND hwnd, POINT client, MouseButton button = MouseButton::Left,
                 WPARAM keys = 0);
// Move, down, up.
void PostClick(HWND hwnd, POINT client, MouseButton button = MouseButton::Left, WPARAM keys = 0);
// The system's sequence for a double click: down, up, WM_xBUTTONDBLCLK, up.
void PostDoubleClick(HWND hwnd, POINT client, MouseButton button = MouseButton::Left,
                     WPARAM keys = 0);
// WM_MOUSEWHEEL with delta in WHEEL_DELTA units (positive: away from the
// user); like the real message it carries screen coordinates, converted
// here from client ones.
void PostWheel(HWND hwnd, POINT client, int delta, WPARAM keys = 0);

// Key messages with the lParam the system builds: repeat count 1, scan
// code, extended-key bit, previous-state and transition bits. `alt` makes
// them WM_SYSKEYDOWN/WM_SYSCHAR/WM_SYSKEYUP with the context-code bit.
void PostKeyDown(HWND hwnd, UINT vk, bool alt = false);
void PostKeyUp(HWND hwnd, UINT vk, bool alt = false);
void PostChar(HWND hwnd, char ch, UINT vk = 0, bool alt = false);
// Down and up of a key that produces no character (arrows, Delete, F keys).
void PostKeyPress(HWND hwnd, UINT vk, bool alt = false);
// WM_KEYDOWN, WM_CHAR, WM_KEYUP for each character; '\n' is sent as Enter
// ('\r'), '\t' as Tab and '\b' as Backspace. The virtual key comes from the
// keyboard layout; no Shift messages are posted for capitals.
void PostTypeText(HWND hwnd, std::string_view text);

// Sets the thread's key state (GetKeyState) to "down" for the given virtual
// keys while the object lives, for handlers that check modifiers or mouse
// buttons. The previous state comes back on destruction.
class ScopedKeyState {
 public:
  ScopedKeyState(std::initializer_list<UINT> downKeys);
  ~ScopedKeyState();
  ScopedKeyState(const ScopedKeyState&) = delete;
  ScopedKeyState& operator=(const ScopedKeyState&) = delete;

 private:
  BYTE saved_[256];
};

// Raises hwnd's top-level window when another window covers it
// (BringToTopIfCovered), moves the real cursor to a client point of hwnd and pumps briefly so that the move is
// handled. Returns whether GetCursorPos reports the target.
bool MoveCursorTo(HWND hwnd, POINT client);
// The real cursor position in hwnd's client coordinates.
POINT CursorPosIn(HWND hwnd);

}  // namespace kxtest
