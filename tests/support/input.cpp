#include "support/input.h"

#include "support/host_window.h"
#include "support/pump.h"

namespace kxtest {

namespace {

LPARAM PointParam(POINT p) { return MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)); }

struct ButtonMessages {
  UINT down, up, dblclk;
  WPARAM flag;
};

ButtonMessages MessagesOf(MouseButton button) {
  switch (button) {
    case MouseButton::Right: return {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK, MK_RBUTTON};
    case MouseButton::Middle: return {WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK, MK_MBUTTON};
    case MouseButton::Left: break;
  }
  return {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, MK_LBUTTON};
}

bool IsExtendedKey(UINT vk) {
  switch (vk) {
    case VK_INSERT: case VK_DELETE: case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT:
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: case VK_NUMLOCK: case VK_DIVIDE:
    case VK_RCONTROL: case VK_RMENU: case VK_SNAPSHOT: case VK_APPS:
      return true;
    default:
      return false;
  }
}

// Bits 0-15 repeat count, 16-23 scan code, 24 extended, 29 context (Alt),
// 30 previous state, 31 transition.
LPARAM KeyParam(UINT vk, bool alt, bool up) {
  const UINT scan = ::MapVirtualKeyA(vk, 0 /* MAPVK_VK_TO_VSC */) & 0xFF;
  DWORD bits = 1 | (scan << 16);
  if (IsExtendedKey(vk)) bits |= 1u << 24;
  if (alt) bits |= 1u << 29;
  if (up) bits |= (1u << 30) | (1u << 31);
  return static_cast<LPARAM>(bits);
}

}  // namespace

void PostMouseMove(HWND hwnd, POINT client, WPARAM keys) {
  ::PostMessageA(hwnd, WM_MOUSEMOVE, keys, PointParam(client));
}

void PostMouseDown(HWND hwnd, POINT client, MouseButton button, WPARAM keys) {
  const ButtonMessages m = MessagesOf(button);
  ::PostMessageA(hwnd, m.down, keys | m.flag, PointParam(client));
}

void PostMouseUp(HWND hwnd, POINT client, MouseButton button, WPARAM keys) {
  const ButtonMessages m = MessagesOf(button);
  ::PostMessageA(hwnd, m.up, keys & ~m.flag, PointParam(client));
}

void PostClick(HWND hwnd, POINT client, MouseButton button, WPARAM keys) {
  PostMouseMove(hwnd, client, keys);
  PostMouseDown(hwnd, client, button, keys);
  PostMouseUp(hwnd, client, button, keys);
}

void PostDoubleClick(HWND hwnd, POINT client, MouseButton button, WPARAM keys) {
  const ButtonMessages m = MessagesOf(button);
  PostMouseDown(hwnd, client, button, keys);
  PostMouseUp(hwnd, client, button, keys);
  ::PostMessageA(hwnd, m.dblclk, keys | m.flag, PointParam(client));
  PostMouseUp(hwnd, client, button, keys);
}

void PostWheel(HWND hwnd, POINT client, int delta, WPARAM keys) {
  POINT screen = client;
  ::ClientToScreen(hwnd, &screen);
  ::PostMessageA(hwnd, WM_MOUSEWHEEL,
                 MAKEWPARAM(static_cast<WORD>(keys), static_cast<WORD>(static_cast<short>(delta))),
                 PointParam(screen));
}

void PostKeyDown(HWND hwnd, UINT vk, bool alt) {
  ::PostMessageA(hwnd, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, KeyParam(vk, alt, false));
}

void PostKeyUp(HWND hwnd, UINT vk, bool alt) {
  ::PostMessageA(hwnd, alt ? WM_SYSKEYUP : WM_KEYUP, vk, KeyParam(vk, alt, true));
}

void PostChar(HWND hwnd, char ch, UINT vk, bool alt) {
  ::PostMessageA(hwnd, alt ? WM_SYSCHAR : WM_CHAR, static_cast<BYTE>(ch), KeyParam(vk, alt, false));
}

void PostKeyPress(HWND hwnd, UINT vk, bool alt) {
  PostKeyDown(hwnd, vk, alt);
  PostKeyUp(hwnd, vk, alt);
}

void PostTypeText(HWND hwnd, std::string_view text) {
  for (char c : text) {
    UINT vk;
    char sent = c;
    switch (c) {
      case '\n': vk = VK_RETURN; sent = '\r'; break;
      case '\r': vk = VK_RETURN; break;
      case '\t': vk = VK_TAB; break;
      case '\b': vk = VK_BACK; break;
      default: {
        const SHORT scan = ::VkKeyScanA(c);
        vk = scan == -1 ? 0 : static_cast<UINT>(scan & 0xFF);
        break;
      }
    }
    if (vk) PostKeyDown(hwnd, vk);
    PostChar(hwnd, sent, vk);
    if (vk) PostKeyUp(hwnd, vk);
  }
}

ScopedKeyState::ScopedKeyState(std::initializer_list<UINT> downKeys) {
  ::GetKeyboardState(saved_);
  BYTE state[256];
  ::memcpy(state, saved_, sizeof(state));
  for (UINT vk : downKeys)
    if (vk < 256) state[vk] |= 0x80;
  ::SetKeyboardState(state);
}

ScopedKeyState::~ScopedKeyState() { ::SetKeyboardState(saved_); }

bool MoveCursorTo(HWND hwnd, POINT client) {
  // Other programs' windows may be over this one; the move must reach it.
  BringToTopIfCovered(hwnd);
  POINT target = client;
  ::ClientToScreen(hwnd, &target);
  if (!::SetCursorPos(target.x, target.y)) return false;
  // The move reaches the window asynchronously (through the display server
  // under Wine); give it a moment and let it be handled.
  PumpFor(20);
  POINT now = {};
  ::GetCursorPos(&now);
  return now.x == target.x && now.y == target.y;
}

POINT CursorPosIn(HWND hwnd) {
  POINT p = {};
  ::GetCursorPos(&p);
  ::ScreenToClient(hwnd, &p);
  return p;
}

}  // namespace kxtest
