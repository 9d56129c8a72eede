// The Wine test support against plain Win32 windows.
#include <windows.h>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/capture.h"
#include "support/color_scheme.h"
#include "support/gdi_leak.h"
#include "support/host_window.h"
#include "support/input.h"
#include "support/pixel_assert.h"
#include "support/png_artifact.h"
#include "support/pump.h"

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

TEST(ProcessSetup, ClassicColourSchemeIsInForce) {
  EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), 0xC0C0C0u);
  EXPECT_EQ(::GetSysColor(COLOR_WINDOW), 0xFFFFFFu);
  EXPECT_EQ(::GetSysColor(COLOR_HIGHLIGHT), RGB(0, 0, 128));
  EXPECT_TRUE(ClassicColorSchemeInForce());
  EXPECT_EQ(ClassicColor(COLOR_INFOBK), RGB(255, 255, 225));
  EXPECT_EQ(ClassicColor(1000), CLR_INVALID);
}

// Counts a private message and re-posts it until `chain` runs out, so the
// queue keeps refilling while it is being pumped.
class PumpTest : public HostWindowTest {
 protected:
  static constexpr UINT kChain = WM_APP + 1;
  int received = 0;

  void SetUp() override {
    HostWindowTest::SetUp();
    host().SetMessageHandler([this](HWND hwnd, UINT msg, WPARAM wp, LPARAM, LRESULT*) {
      if (msg == kChain) {
        ++received;
        if (wp > 0) ::PostMessageA(hwnd, kChain, wp - 1, 0);
        return true;
      }
      if (msg == WM_TIMER) ++received;
      return false;
    });
  }
};

TEST_F(PumpTest, UntilIdleHandlesPostedAndGeneratedMessages) {
  ::PostMessageA(hwnd(), kChain, 49, 0);
  EXPECT_TRUE(PumpUntilIdle());
  EXPECT_EQ(received, 50);
  EXPECT_TRUE(PumpUntilIdle());  // nothing left
  EXPECT_EQ(received, 50);
}

TEST_F(PumpTest, ForWaitsAboutTheTimeAskedAndHandlesWhatArrives) {
  ::SetTimer(hwnd(), 1, 40, nullptr);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(PumpFor(300));
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::steady_clock::now() - start).count();
  ::KillTimer(hwnd(), 1);
  EXPECT_GE(ms, 295);
  EXPECT_LT(ms, 1500);  // generous: the machine may be busy
  EXPECT_GE(received, 3);  // timer ticks at 40 ms: the pump did not just sleep

  // Waiting costs (almost) no processor time: the pump sleeps, not spins.
  auto cpu = [] {
    FILETIME created, exited, kernel, user;
    ::GetThreadTimes(::GetCurrentThread(), &created, &exited, &kernel, &user);
    return ((ULONGLONG(user.dwHighDateTime) << 32) | user.dwLowDateTime) +
           ((ULONGLONG(kernel.dwHighDateTime) << 32) | kernel.dwLowDateTime);
  };
  const ULONGLONG before = cpu();
  PumpFor(200);
  EXPECT_LT(cpu() - before, 1000000u);  // under 100 ms (100 ns units)
}

TEST_F(PumpTest, UntilStopsWhenDoneOrTimedOut) {
  ::PostMessageA(hwnd(), kChain, 2, 0);
  EXPECT_TRUE(PumpUntil([this] { return received == 3; }, 1000));
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(PumpUntil([] { return false; }, 100));
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(95));
}

TEST(HostWindow, HasKnownGeometryAndIsDestroyedWithTheObject) {
  HWND hwnd;
  {
    HostWindow host;
    hwnd = host.hwnd();
    ASSERT_TRUE(::IsWindow(hwnd));
    EXPECT_TRUE(::IsWindowVisible(hwnd));
    const RECT client = host.ClientRect();
    EXPECT_EQ(client.right, HostWindow::kDefaultWidth);
    EXPECT_EQ(client.bottom, HostWindow::kDefaultHeight);
    POINT origin = {0, 0};
    ::ClientToScreen(hwnd, &origin);
    EXPECT_EQ(origin.x, HostWindow::kDefaultLeft);
    EXPECT_EQ(origin.y, HostWindow::kDefaultTop);

    HWND edit = host.CreateEdit({10, 10, 110, 32}, "abc", WS_BORDER, 7);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(::GetParent(edit), hwnd);
    EXPECT_EQ(::GetDlgCtrlID(edit), 7);
  }
  EXPECT_FALSE(::IsWindow(hwnd));
}

class InputTest : public HostWindowTest {
 protected:
  std::vector<MSG> mouse;

  void RecordMouse() {
    host().SetMessageHandler([this](HWND, UINT msg, WPARAM wp, LPARAM lp, LRESULT*) {
      if ((msg >= WM_MOUSEFIRST && msg <= WM_MBUTTONDBLCLK) || msg == WM_MOUSEWHEEL)
        mouse.push_back(MSG{nullptr, msg, wp, lp, 0, {}});
      return false;
    });
  }
};

TEST_F(InputTest, EditReceivesTypedText) {
  HWND edit = host().CreateEdit({10, 10, 200, 32});
  PostTypeText(edit, "Hello, World!x\b");
  ASSERT_TRUE(PumpUntilIdle());
  char text[64] = {};
  ::GetWindowTextA(edit, text, sizeof(text));
  EXPECT_STREQ(text, "Hello, World!");

  PostKeyPress(edit, VK_HOME);
  PostTypeText(edit, ">");
  PumpUntilIdle();
  ::GetWindowTextA(edit, text, sizeof(text));
  EXPECT_STREQ(text, ">Hello, World!");
}

TEST_F(InputTest, MouseMessagesCarryPointAndKeyState) {
  RecordMouse();
  PostClick(hwnd(), {30, 40}, MouseButton::Left, MK_SHIFT);
  PostDoubleClick(hwnd(), {5, 6}, MouseButton::Right);
  PostWheel(hwnd(), {50, 60}, -WHEEL_DELTA, MK_CONTROL);
  ASSERT_TRUE(PumpUntilIdle());

  const UINT expected[] = {WM_MOUSEMOVE,   WM_LBUTTONDOWN,   WM_LBUTTONUP, WM_RBUTTONDOWN,
                           WM_RBUTTONUP,   WM_RBUTTONDBLCLK, WM_RBUTTONUP, WM_MOUSEWHEEL};
  ASSERT_EQ(mouse.size(), std::size(expected));
  for (size_t i = 0; i < mouse.size(); ++i) EXPECT_EQ(mouse[i].message, expected[i]) << i;
  EXPECT_EQ(mouse[1].wParam, WPARAM(MK_LBUTTON | MK_SHIFT));
  EXPECT_EQ(mouse[1].lParam, MAKELPARAM(30, 40));
  EXPECT_EQ(mouse[2].wParam, WPARAM(MK_SHIFT));
  EXPECT_EQ(mouse[5].wParam, WPARAM(MK_RBUTTON));
  EXPECT_EQ(mouse[5].lParam, MAKELPARAM(5, 6));
  // The wheel reports the delta and screen coordinates.
  EXPECT_EQ(static_cast<short>(HIWORD(mouse[7].wParam)), -WHEEL_DELTA);
  EXPECT_EQ(LOWORD(mouse[7].wParam), MK_CONTROL);
  EXPECT_EQ(mouse[7].lParam, MAKELPARAM(HostWindow::kDefaultLeft + 50, HostWindow::kDefaultTop + 60));
}

TEST_F(InputTest, ScopedKeyStateHoldsKeysForTheThread) {
  EXPECT_GE(::GetKeyState(VK_SHIFT), 0);
  {
    ScopedKeyState held{VK_SHIFT, VK_LBUTTON};
    EXPECT_LT(::GetKeyState(VK_SHIFT), 0);
    EXPECT_LT(::GetKeyState(VK_LBUTTON), 0);
  }
  EXPECT_GE(::GetKeyState(VK_SHIFT), 0);
}

TEST_F(InputTest, RealCursorMovesAndReachesTheWindow) {
  RecordMouse();
  ASSERT_TRUE(MoveCursorTo(hwnd(), {70, 80}));
  const POINT at = CursorPosIn(hwnd());
  EXPECT_EQ(at.x, 70);
  EXPECT_EQ(at.y, 80);
  EXPECT_TRUE(PumpUntil([this] {
    for (const MSG& m : mouse)
      if (m.message == WM_MOUSEMOVE && m.lParam == MAKELPARAM(70, 80)) return true;
    return false;
  }));
}

class CaptureTest : public HostWindowTest {
 protected:
  void PaintRedRect() {
    host().SetPaintHandler([](HDC dc, const RECT&) {
      HBRUSH red = ::CreateSolidBrush(kRed);
      const RECT r = {20, 30, 120, 80};
      ::FillRect(dc, &r, red);
      ::DeleteObject(red);
    });
  }
};

TEST_F(CaptureTest, PrintClientReadsBackAFilledRectangle) {
  PaintRedRect();
  const Capture cap = PrintClient(hwnd());
  ASSERT_EQ(cap.width(), 400);
  ASSERT_EQ(cap.height(), 300);
  EXPECT_RECT_COLOUR(cap, RECT({20, 30, 120, 80}), kRed);
  EXPECT_PIXEL(cap, 19, 30, kFace);
  EXPECT_PIXEL(cap, 120, 79, kFace);
  EXPECT_PIXEL(cap, 20, 80, kFace);
  EXPECT_EQ(cap.At(400, 0), CLR_INVALID);
  EXPECT_TRUE(WritePng(cap, "client"));

  const Capture part = cap.Crop({110, 70, 130, 90});
  EXPECT_EQ(part.width(), 20);
  EXPECT_PIXEL(part, 9, 9, kRed);
  EXPECT_PIXEL(part, 10, 10, kFace);
}

TEST_F(CaptureTest, PrintClientCompositesChildrenInZOrder) {
  // Client areas land at their place; frames are left out, grandchildren
  // are clipped to their parent, the top of the z-order wins.
  HWND green = CreateSolid(hwnd(), {200, 100, 260, 140}, kGreen, WS_BORDER);
  CreateSolid(green, {10, 10, 30, 20}, kBlue);
  CreateSolid(green, {50, -5, 70, 10}, kBlue);
  HWND red = CreateSolid(hwnd(), {250, 130, 300, 160}, kRed);
  ::SetWindowPos(red, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  HWND edit = host().CreateEdit({20, 200, 220, 224}, "Wide text WWW");
  ASSERT_TRUE(edit);

  const Capture cap = PrintClient(hwnd());
  WritePng(cap, "children");
  EXPECT_PIXEL(cap, 200, 100, kFace);  // green's border
  EXPECT_RECT_COLOUR(cap, RECT({201, 101, 211, 139}), kGreen);
  EXPECT_PIXEL(cap, 240, 125, kGreen);
  EXPECT_RECT_COLOUR(cap, RECT({211, 111, 231, 121}), kBlue);
  EXPECT_PIXEL(cap, 255, 100, kFace);  // clipped grandchild
  EXPECT_PIXEL(cap, 255, 101, kBlue);
  EXPECT_RECT_COLOUR(cap, RECT({250, 130, 300, 160}), kRed);
  EXPECT_RECT_CONTAINS(cap, RECT({22, 202, 218, 222}), RGB(255, 255, 255));
  EXPECT_RECT_CONTAINS(cap, RECT({22, 202, 218, 222}), RGB(0, 0, 0));

  const Capture alone = PrintClient(hwnd(), false);
  EXPECT_RECT_COLOUR(alone, RECT({200, 100, 300, 160}), kFace);
}

TEST_F(CaptureTest, GrabClientReadsWhatWasPainted) {
  PaintRedRect();
  CreateSolid(hwnd(), {200, 100, 260, 140}, kGreen, WS_BORDER);
  ::UpdateWindow(hwnd());
  PumpUntilIdle();
  // Another program's host window would lie exactly over this one.
  HostWindow cover;
  ASSERT_EQ(::GetTopWindow(nullptr), cover.hwnd());
  EXPECT_FALSE(BringToTopIfCovered(cover.hwnd()));

  const Capture cap = GrabClient(hwnd());
  EXPECT_EQ(::GetTopWindow(nullptr), hwnd());
  ASSERT_EQ(cap.width(), 400);
  EXPECT_PIXEL(cap, 60, 50, kRed);
  EXPECT_PIXEL(cap, 200, 100, RGB(0, 0, 0));  // the child's frame is on the screen
  EXPECT_PIXEL(cap, 230, 120, kGreen);
  EXPECT_PIXEL(cap, 300, 250, kFace);
}

TEST(Capture, RenderAndCaptureDcRegion) {
  const Capture cap = Render(64, 32, [](HDC dc) {
    ::SetPixel(dc, 3, 4, RGB(1, 2, 3));
    HBRUSH blue = ::CreateSolidBrush(RGB(0, 0, 255));
    const RECT r = {32, 0, 64, 32};
    ::FillRect(dc, &r, blue);
    ::DeleteObject(blue);
  });
  ASSERT_EQ(cap.width(), 64);
  ASSERT_EQ(cap.height(), 32);
  EXPECT_PIXEL(cap, 3, 4, RGB(1, 2, 3));
  EXPECT_PIXEL(cap, 0, 0, RGB(255, 255, 255));
  EXPECT_RECT_COLOUR(cap, RECT({32, 0, 64, 32}), RGB(0, 0, 255));

  // A region of a DC: the top-left of the result is the region's corner.
  HDC screen = ::GetDC(nullptr);
  HDC mem = ::CreateCompatibleDC(screen);
  HBITMAP bmp = ::CreateCompatibleBitmap(screen, 50, 50);
  HGDIOBJ old = ::SelectObject(mem, bmp);
  ::PatBlt(mem, 0, 0, 50, 50, WHITENESS);
  ::SetPixel(mem, 10, 20, RGB(0, 255, 0));
  const Capture region = CaptureDC(mem, {10, 20, 30, 30});
  EXPECT_EQ(region.width(), 20);
  EXPECT_EQ(region.height(), 10);
  EXPECT_PIXEL(region, 0, 0, RGB(0, 255, 0));
  EXPECT_PIXEL(region, 1, 0, RGB(255, 255, 255));
  ::SelectObject(mem, old);
  ::DeleteObject(bmp);
  ::DeleteDC(mem);
  ::ReleaseDC(nullptr, screen);
}

TEST(GdiLeak, CountsObjectsOfThisProcess) {
  const long start = GdiObjectCount();
  ASSERT_GT(start, 0);
  HBRUSH brushes[5];
  for (HBRUSH& b : brushes) b = ::CreateSolidBrush(RGB(1, 2, 3));
  EXPECT_EQ(GdiObjectCount(), start + 5);
  for (HBRUSH b : brushes) ::DeleteObject(b);
  EXPECT_EQ(GdiObjectCount(), start);
}

TEST(GdiLeak, CatchesALeakAndPassesABalancedSequence) {
  std::vector<HBRUSH> leaked;
  EXPECT_NONFATAL_FAILURE(EXPECT_NO_GDI_LEAK({
                            for (int i = 0; i < 3; ++i) leaked.push_back(::CreateSolidBrush(0));
                          }),
                          "(brush +3)");
  for (HBRUSH b : leaked) ::DeleteObject(b);

  HRGN region = nullptr;
  EXPECT_NONFATAL_FAILURE(
      {
        GdiLeakCheck check;
        region = ::CreateRectRgn(0, 0, 5, 5);
      },
      "region +1");
  ::DeleteObject(region);

  EXPECT_NO_GDI_LEAK({
    HDC dc = ::CreateCompatibleDC(nullptr);
    HBITMAP bmp = ::CreateCompatibleBitmap(dc, 8, 8);
    HPEN pen = ::CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    HBRUSH brush = ::CreateSolidBrush(RGB(4, 5, 6));
    HGDIOBJ oldBmp = ::SelectObject(dc, bmp);
    HGDIOBJ oldPen = ::SelectObject(dc, pen);
    HGDIOBJ oldBrush = ::SelectObject(dc, brush);
    ::Rectangle(dc, 0, 0, 8, 8);
    ::SelectObject(dc, oldBrush);
    ::SelectObject(dc, oldPen);
    ::SelectObject(dc, oldBmp);
    ::DeleteObject(brush);
    ::DeleteObject(pen);
    ::DeleteObject(bmp);
    ::DeleteDC(dc);
  });
}

TEST(PngArtifact, WritesAValidPngNamedForTheTest) {
  const Capture cap = Render(37, 21, [](HDC dc) { ::SetPixel(dc, 0, 0, RGB(255, 0, 0)); });
  ASSERT_TRUE(WritePng(cap, "sample"));
  const std::string path = ArtifactPath("sample");
  EXPECT_NE(path.find("\\artifacts\\PngArtifact.WritesAValidPngNamedForTheTest.sample.png"),
            std::string::npos)
      << path;

  std::ifstream in(path, std::ios::binary);
  const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
  ASSERT_GT(bytes.size(), 33u + 12u);
  const unsigned char signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  EXPECT_TRUE(std::equal(std::begin(signature), std::end(signature), bytes.begin()));
  auto be32 = [&](size_t at) {
    return (unsigned(bytes[at]) << 24) | (bytes[at + 1] << 16) | (bytes[at + 2] << 8) | bytes[at + 3];
  };
  EXPECT_EQ(std::string(bytes.begin() + 12, bytes.begin() + 16), "IHDR");
  EXPECT_EQ(be32(16), 37u);  // width
  EXPECT_EQ(be32(20), 21u);  // height
  EXPECT_EQ(std::string(bytes.end() - 8, bytes.end() - 4), "IEND");

  EXPECT_FALSE(WritePng(Capture(), "empty"));
  EXPECT_NE(ArtifactPath("a/b:c").find(".a_b_c.png"), std::string::npos);
}

}  // namespace
}  // namespace kxtest
