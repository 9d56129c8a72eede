#include "support/pixel_assert.h"

#include <cstdio>
#include <cstdlib>
#include <map>

namespace kxtest {

namespace {

std::string RectText(const RECT& r) {
  char text[96];
  std::snprintf(text, sizeof(text), "(%ld, %ld)-(%ld, %ld)", static_cast<long>(r.left),
                static_cast<long>(r.top), static_cast<long>(r.right), static_cast<long>(r.bottom));
  return text;
}

// Fails unless rect is non-empty and lies inside the capture.
::testing::AssertionResult CheckRect(const char* captureExpr, const char* rectExpr,
                                     const Capture& capture, const RECT& rect) {
  if (rect.left >= rect.right || rect.top >= rect.bottom)
    return ::testing::AssertionFailure() << rectExpr << " = " << RectText(rect) << " is empty";
  if (rect.left < 0 || rect.top < 0 || rect.right > capture.width() ||
      rect.bottom > capture.height())
    return ::testing::AssertionFailure()
           << rectExpr << " = " << RectText(rect) << " is not inside " << captureExpr << " ("
           << capture.width() << " x " << capture.height() << ")";
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult CheckPoint(const char* captureExpr, const char* xExpr,
                                      const char* yExpr, const Capture& capture, int x, int y) {
  if (capture.Contains(x, y)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "(" << xExpr << ", " << yExpr << ") = (" << x << ", " << y << ") is outside "
         << captureExpr << " (" << capture.width() << " x " << capture.height() << ")";
}

int ChannelDistance(COLORREF a, COLORREF b) {
  const int dr = std::abs(GetRValue(a) - GetRValue(b));
  const int dg = std::abs(GetGValue(a) - GetGValue(b));
  const int db = std::abs(GetBValue(a) - GetBValue(b));
  return dr > dg ? (dr > db ? dr : db) : (dg > db ? dg : db);
}

}  // namespace

std::string ColourText(COLORREF colour) {
  char text[48];
  std::snprintf(text, sizeof(text), "0x%08lX (%d, %d, %d)", static_cast<unsigned long>(colour),
                GetRValue(colour), GetGValue(colour), GetBValue(colour));
  return text;
}

::testing::AssertionResult PixelIs(const char* captureExpr, const char* xExpr, const char* yExpr,
                                   const char* colourExpr, const Capture& capture, int x, int y,
                                   COLORREF expected) {
  if (auto inside = CheckPoint(captureExpr, xExpr, yExpr, capture, x, y); !inside) return inside;
  const COLORREF actual = capture.At(x, y);
  if (actual == expected) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "pixel (" << x << ", " << y << ") of " << captureExpr << "\n  expected "
         << colourExpr << " = " << ColourText(expected) << "\n    actual " << ColourText(actual);
}

::testing::AssertionResult PixelNear(const char* captureExpr, const char* xExpr, const char* yExpr,
                                     const char* colourExpr, const char*, const Capture& capture,
                                     int x, int y, COLORREF expected, int tolerance) {
  if (auto inside = CheckPoint(captureExpr, xExpr, yExpr, capture, x, y); !inside) return inside;
  const COLORREF actual = capture.At(x, y);
  const int distance = ChannelDistance(actual, expected);
  if (distance <= tolerance) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "pixel (" << x << ", " << y << ") of " << captureExpr << "\n  expected "
         << colourExpr << " = " << ColourText(expected) << " within " << tolerance
         << " per channel\n    actual " << ColourText(actual) << ", off by " << distance;
}

::testing::AssertionResult RectHasColour(const char* captureExpr, const char* rectExpr,
                                         const char* colourExpr, const Capture& capture,
                                         const RECT& rect, COLORREF expected) {
  if (auto ok = CheckRect(captureExpr, rectExpr, capture, rect); !ok) return ok;
  long wrong = 0;
  POINT first = {};
  COLORREF firstColour = 0;
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) {
      const COLORREF c = capture.At(x, y);
      if (c == expected) continue;
      if (wrong++ == 0) {
        first = {x, y};
        firstColour = c;
      }
    }
  }
  if (wrong == 0) return ::testing::AssertionSuccess();
  const long total = static_cast<long>(rect.right - rect.left) * (rect.bottom - rect.top);
  return ::testing::AssertionFailure()
         << wrong << " of " << total << " pixels in " << rectExpr << " = " << RectText(rect)
         << " of " << captureExpr << " differ from " << colourExpr << " = "
         << ColourText(expected) << "\n  first at (" << first.x << ", " << first.y
         << "): " << ColourText(firstColour);
}

::testing::AssertionResult RectContainsColour(const char* captureExpr, const char* rectExpr,
                                              const char* colourExpr, const Capture& capture,
                                              const RECT& rect, COLORREF expected) {
  if (auto ok = CheckRect(captureExpr, rectExpr, capture, rect); !ok) return ok;
  std::map<COLORREF, long> found;
  for (int y = rect.top; y < rect.bottom; ++y)
    for (int x = rect.left; x < rect.right; ++x) {
      const COLORREF c = capture.At(x, y);
      if (c == expected) return ::testing::AssertionSuccess();
      ++found[c];
    }
  auto failure = ::testing::AssertionFailure();
  failure << "no pixel in " << rectExpr << " = " << RectText(rect) << " of " << captureExpr
          << " has " << colourExpr << " = " << ColourText(expected) << "\n  found "
          << found.size() << " colour(s):";
  int listed = 0;
  for (const auto& [colour, count] : found) {
    if (listed++ == 8) {
      failure << " ...";
      break;
    }
    failure << "\n    " << ColourText(colour) << " x " << count;
  }
  return failure;
}

}  // namespace kxtest
