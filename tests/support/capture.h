// Pixels of a window or device context in a 32-bit top-down DIB.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace kxtest {

// width x height pixels, row by row from the top, each a DWORD laid out as
// in a 32-bit DIB (bytes B, G, R, A; alpha as GDI left it, usually 0).
class Capture {
 public:
  Capture() = default;
  Capture(int width, int height, std::vector<std::uint32_t> pixels);

  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return width_ == 0 || height_ == 0; }
  const std::vector<std::uint32_t>& pixels() const { return pixels_; }

  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  // The pixel as a COLORREF (alpha dropped); CLR_INVALID outside the image.
  COLORREF At(int x, int y) const;
  // The part inside rect (clipped to the image).
  Capture Crop(const RECT& rect) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
};

// Copies area (logical coordinates of hdc) with BitBlt: for tests that
// render into a memory DC, or read a window DC.
Capture CaptureDC(HDC hdc, const RECT& area);

// Creates a width x height DIB section in a memory DC, fills it with
// background, lets draw() render into it and returns the result.
Capture Render(int width, int height, const std::function<void(HDC)>& draw,
               COLORREF background = RGB(255, 255, 255));

// The client area as the window draws it, rendered off-screen: WM_PRINT
// with PRF_ERASEBKGND | PRF_CLIENT into a memory DC (background erase, then
// WM_PRINTCLIENT). With children, each visible child's client area is then
// printed the same way over its place, bottom of the z-order first. Frames
// of children (borders, scroll bars) are not part of the result. Does not
// depend on what is on the screen, so windows of other programs covering
// the window do not matter.
Capture PrintClient(HWND hwnd, bool withChildren = true);

// The client area as it is on the screen, read from the window's DC: what
// WM_PAINT produced, children and their frames included. The window's
// top-level is first raised when another window covers it
// (BringToTopIfCovered) and the window repainted (RedrawWindow with
// RDW_UPDATENOW), since only visible parts get painted; a window of another
// program raised in between still spoils the result.
Capture GrabClient(HWND hwnd);

}  // namespace kxtest
