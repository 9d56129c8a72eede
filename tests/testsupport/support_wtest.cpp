// The test support's leak counter and pixel capture, against plain Win32:
// every other test trusts what these two report.
#include <windows.h>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <vector>

#include "support/capture.h"
#include "support/gdi_leak.h"
#include "support/host_window.h"
#include "support/pixel_assert.h"

namespace kxtest {
namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kFace = RGB(192, 192, 192);

// A child window that fills its client area with the colour it holds.
LRESULT CALLBACK SolidWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg != WM_PAINT && msg != WM_PRINTCLIENT) return ::DefWindowProcA(hwnd, msg, wp, lp);
  PAINTSTRUCT ps;
  HDC dc = msg == WM_PAINT ? ::BeginPaint(hwnd, &ps) : reinterpret_cast<HDC>(wp);
  RECT client;
  ::GetClientRect(hwnd, &client);
  HBRUSH brush = ::CreateSolidBrush(static_cast<COLORREF>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA)));
  ::FillRect(dc, &client, brush);
  ::DeleteObject(brush);
  if (msg == WM_PAINT) ::EndPaint(hwnd, &ps);
  return 0;
}

HWND CreateSolid(HWND parent, const RECT& r, COLORREF colour, DWORD style = 0) {
  static const bool registered = [] {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = SolidWindowProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "KXTestSolid";
    return ::RegisterClassA(&wc) != 0;
  }();
  EXPECT_TRUE(registered);
  HWND hwnd = ::CreateWindowExA(0, "KXTestSolid", "", WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                                r.right - r.left, r.bottom - r.top, parent, nullptr,
                                ::GetModuleHandleA(nullptr), nullptr);
  ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, static_cast<LONG_PTR>(colour));
  return hwnd;
}

using CaptureTest = HostWindowTest;

TEST_F(CaptureTest, PrintClientCompositesChildrenInZOrder) {
  host().SetPaintHandler([](HDC dc, const RECT&) {
    HBRUSH red = ::CreateSolidBrush(kRed);
    const RECT r = {20, 30, 120, 80};
    ::FillRect(dc, &r, red);
    ::DeleteObject(red);
  });
  // Client areas land at their place; frames are left out, grandchildren
  // are clipped to their parent, the top of the z-order wins.
  HWND green = CreateSolid(hwnd(), {200, 100, 260, 140}, kGreen, WS_BORDER);
  CreateSolid(green, {10, 10, 30, 20}, kBlue);
  CreateSolid(green, {50, -5, 70, 10}, kBlue);
  HWND red = CreateSolid(hwnd(), {250, 130, 300, 160}, kRed);
  ::SetWindowPos(red, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);

  const Capture cap = PrintClient(hwnd());
  ASSERT_EQ(cap.width(), 400);
  ASSERT_EQ(cap.height(), 300);
  EXPECT_RECT_COLOUR(cap, RECT({20, 30, 120, 80}), kRed);
  EXPECT_PIXEL(cap, 19, 30, kFace);
  EXPECT_PIXEL(cap, 20, 80, kFace);
  EXPECT_EQ(cap.At(400, 0), CLR_INVALID);
  EXPECT_PIXEL(cap, 200, 100, kFace);  // green's border
  EXPECT_RECT_COLOUR(cap, RECT({201, 101, 211, 139}), kGreen);
  EXPECT_RECT_COLOUR(cap, RECT({211, 111, 231, 121}), kBlue);
  EXPECT_PIXEL(cap, 255, 100, kFace);  // clipped grandchild
  EXPECT_PIXEL(cap, 255, 101, kBlue);
  EXPECT_RECT_COLOUR(cap, RECT({250, 130, 300, 160}), kRed);

  const Capture part = cap.Crop({110, 70, 130, 90});
  EXPECT_EQ(part.width(), 20);
  EXPECT_PIXEL(part, 9, 9, kRed);
  EXPECT_PIXEL(part, 10, 10, kFace);
  EXPECT_RECT_COLOUR(PrintClient(hwnd(), false), RECT({200, 100, 300, 160}), kFace);
}

TEST(Capture, RenderAndCaptureDcRegion) {
  const Capture cap = Render(64, 32, [](HDC dc) {
    ::SetPixel(dc, 3, 4, RGB(1, 2, 3));
    HBRUSH blue = ::CreateSolidBrush(kBlue);
    const RECT r = {32, 0, 64, 32};
    ::FillRect(dc, &r, blue);
    ::DeleteObject(blue);
    // A region of a DC: the top-left of the result is the region's corner.
    const Capture region = CaptureDC(dc, {3, 4, 40, 10});
    EXPECT_EQ(region.width(), 37);
    EXPECT_EQ(region.height(), 6);
    EXPECT_PIXEL(region, 0, 0, RGB(1, 2, 3));
    EXPECT_PIXEL(region, 29, 0, kBlue);
  });
  ASSERT_EQ(cap.width(), 64);
  ASSERT_EQ(cap.height(), 32);
  EXPECT_PIXEL(cap, 3, 4, RGB(1, 2, 3));
  EXPECT_PIXEL(cap, 0, 0, RGB(255, 255, 255));
  EXPECT_RECT_COLOUR(cap, RECT({32, 0, 64, 32}), kBlue);
}

TEST(GdiLeak, CountsObjectsAndCatchesALeakByKind) {
  const long start = GdiObjectCount();
  ASSERT_GT(start, 0);
  std::vector<HBRUSH> leaked;
  EXPECT_NONFATAL_FAILURE(EXPECT_NO_GDI_LEAK({
                            for (int i = 0; i < 3; ++i) leaked.push_back(::CreateSolidBrush(0));
                          }),
                          "(brush +3)");
  EXPECT_EQ(GdiObjectCount(), start + 3);
  for (HBRUSH b : leaked) ::DeleteObject(b);
  EXPECT_EQ(GdiObjectCount(), start);

  HRGN region = nullptr;
  EXPECT_NONFATAL_FAILURE(
      {
        GdiLeakCheck check;
        region = ::CreateRectRgn(0, 0, 5, 5);
      },
      "region +1");
  ::DeleteObject(region);

  // A balanced sequence of every kind a paint uses passes.
  EXPECT_NO_GDI_LEAK({
    HDC dc = ::CreateCompatibleDC(nullptr);
    HBITMAP bmp = ::CreateCompatibleBitmap(dc, 8, 8);
    HPEN pen = ::CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    HGDIOBJ oldBmp = ::SelectObject(dc, bmp);
    HGDIOBJ oldPen = ::SelectObject(dc, pen);
    ::Rectangle(dc, 0, 0, 8, 8);
    ::SelectObject(dc, oldPen);
    ::SelectObject(dc, oldBmp);
    ::DeleteObject(pen);
    ::DeleteObject(bmp);
    ::DeleteDC(dc);
  });
}

}  // namespace
}  // namespace kxtest
