#include "support/capture.h"

#include <algorithm>
#include <cstring>

#include "support/host_window.h"

namespace kxtest {

namespace {

// A top-down 32-bit DIB section selected into its own memory DC.
class DibSection {
 public:
  DibSection(int width, int height) : width_(width), height_(height) {
    if (width <= 0 || height <= 0) return;
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = width;
    bmi.bmiHeader.biHeight = -height;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    bitmap_ = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits_, nullptr, 0);
    dc_ = ::CreateCompatibleDC(nullptr);
    if (bitmap_ && dc_) old_ = ::SelectObject(dc_, bitmap_);
  }
  ~DibSection() {
    if (dc_) {
      if (old_) ::SelectObject(dc_, old_);
      ::DeleteDC(dc_);
    }
    if (bitmap_) ::DeleteObject(bitmap_);
  }
  DibSection(const DibSection&) = delete;
  DibSection& operator=(const DibSection&) = delete;

  bool ok() const { return old_ != nullptr && bits_ != nullptr; }
  HDC dc() const { return dc_; }

  Capture Read() const {
    if (!ok()) return Capture();
    ::GdiFlush();
    const auto* first = static_cast<const std::uint32_t*>(bits_);
    return Capture(width_, height_,
                   std::vector<std::uint32_t>(first, first + static_cast<size_t>(width_) * height_));
  }

 private:
  int width_, height_;
  HBITMAP bitmap_ = nullptr;
  HDC dc_ = nullptr;
  HGDIOBJ old_ = nullptr;
  void* bits_ = nullptr;
};

RECT ClientOf(HWND hwnd) {
  RECT r = {};
  ::GetClientRect(hwnd, &r);
  return r;
}

// Prints hwnd's client area into dc with its client origin at `origin`
// (device coordinates), clipped to `clip`; then its visible children.
void PrintTree(HDC dc, HWND hwnd, POINT origin, const RECT& clip, HWND root, bool withChildren) {
  const RECT client = ClientOf(hwnd);
  RECT area = {origin.x, origin.y, origin.x + client.right, origin.y + client.bottom};
  RECT visible;
  if (!::IntersectRect(&visible, &area, &clip)) return;

  const int saved = ::SaveDC(dc);
  ::SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
  HRGN region = ::CreateRectRgnIndirect(&visible);
  ::SelectClipRgn(dc, region);
  ::DeleteObject(region);
  ::SendMessageA(hwnd, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_ERASEBKGND | PRF_CLIENT);
  ::RestoreDC(dc, saved);

  if (!withChildren) return;
  // GW_CHILD is the top of the z-order: paint from the bottom up.
  HWND first = ::GetWindow(hwnd, GW_CHILD);
  for (HWND child = first ? ::GetWindow(first, GW_HWNDLAST) : nullptr; child;
       child = ::GetWindow(child, GW_HWNDPREV)) {
    if (!(::GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE)) continue;
    POINT childOrigin = {0, 0};
    ::MapWindowPoints(child, root, &childOrigin, 1);
    PrintTree(dc, child, childOrigin, visible, root, true);
  }
}

}  // namespace

Capture::Capture(int width, int height, std::vector<std::uint32_t> pixels)
    : width_(width), height_(height), pixels_(std::move(pixels)) {
  if (width_ <= 0 || height_ <= 0 ||
      pixels_.size() != static_cast<size_t>(width_) * static_cast<size_t>(height_)) {
    width_ = height_ = 0;
    pixels_.clear();
  }
}

COLORREF Capture::At(int x, int y) const {
  if (!Contains(x, y)) return CLR_INVALID;
  const std::uint32_t p = pixels_[static_cast<size_t>(y) * width_ + x];
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

Capture Capture::Crop(const RECT& rect) const {
  const RECT whole = {0, 0, width_, height_};
  RECT r;
  if (!::IntersectRect(&r, &rect, &whole)) return Capture();
  std::vector<std::uint32_t> out;
  out.reserve(static_cast<size_t>(r.right - r.left) * (r.bottom - r.top));
  for (int y = r.top; y < r.bottom; ++y) {
    const auto row = pixels_.begin() + static_cast<std::ptrdiff_t>(y) * width_;
    out.insert(out.end(), row + r.left, row + r.right);
  }
  return Capture(r.right - r.left, r.bottom - r.top, std::move(out));
}

Capture CaptureDC(HDC hdc, const RECT& area) {
  DibSection dib(area.right - area.left, area.bottom - area.top);
  if (!dib.ok()) return Capture();
  if (!::BitBlt(dib.dc(), 0, 0, area.right - area.left, area.bottom - area.top, hdc, area.left,
                area.top, SRCCOPY))
    return Capture();
  return dib.Read();
}

Capture Render(int width, int height, const std::function<void(HDC)>& draw, COLORREF background) {
  DibSection dib(width, height);
  if (!dib.ok()) return Capture();
  HBRUSH brush = ::CreateSolidBrush(background);
  const RECT all = {0, 0, width, height};
  ::FillRect(dib.dc(), &all, brush);
  ::DeleteObject(brush);
  const int saved = ::SaveDC(dib.dc());
  draw(dib.dc());
  ::RestoreDC(dib.dc(), saved);
  return dib.Read();
}

Capture PrintClient(HWND hwnd, bool withChildren) {
  if (!::IsWindow(hwnd)) return Capture();
  const RECT client = ClientOf(hwnd);
  DibSection dib(client.right, client.bottom);
  if (!dib.ok()) return Capture();
  PrintTree(dib.dc(), hwnd, POINT{0, 0}, client, hwnd, withChildren);
  return dib.Read();
}

Capture GrabClient(HWND hwnd) {
  if (!::IsWindow(hwnd)) return Capture();
  // Only what is visible gets painted: bring the window over any others
  // (other test programs run at the same time) and paint it anew.
  BringToTopIfCovered(hwnd);
  ::RedrawWindow(hwnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  HDC dc = ::GetDC(hwnd);
  if (!dc) return Capture();
  Capture result = CaptureDC(dc, ClientOf(hwnd));
  ::ReleaseDC(hwnd, dc);
  return result;
}

}  // namespace kxtest
