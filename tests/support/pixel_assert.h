// Pixel assertions on a Capture. Failures print the coordinates and the
// expected and actual colours as COLORREF hex with their RGB components.
//
//   EXPECT_PIXEL(cap, x, y, RGB(255, 0, 0));
//   EXPECT_PIXEL_NEAR(cap, x, y, colour, 8);       // each channel within 8
//   EXPECT_RECT_COLOUR(cap, rect, colour);         // every pixel of rect
//   EXPECT_RECT_CONTAINS(cap, rect, colour);       // at least one pixel
//
// ASSERT_ forms exist for each. A point or rectangle outside the capture
// fails. Rectangles are half-open, as RECT is everywhere in GDI.
#pragma once

#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "support/capture.h"

namespace kxtest {

// "0x00BBGGRR (r, g, b)"
std::string ColourText(COLORREF colour);

::testing::AssertionResult PixelIs(const char* captureExpr, const char* xExpr, const char* yExpr,
                                   const char* colourExpr, const Capture& capture, int x, int y,
                                   COLORREF expected);
::testing::AssertionResult PixelNear(const char* captureExpr, const char* xExpr, const char* yExpr,
                                     const char* colourExpr, const char* toleranceExpr,
                                     const Capture& capture, int x, int y, COLORREF expected,
                                     int tolerance);
::testing::AssertionResult RectHasColour(const char* captureExpr, const char* rectExpr,
                                         const char* colourExpr, const Capture& capture,
                                         const RECT& rect, COLORREF expected);
::testing::AssertionResult RectContainsColour(const char* captureExpr, const char* rectExpr,
                                              const char* colourExpr, const Capture& capture,
                                              const RECT& rect, COLORREF expected);

}  // namespace kxtest

#define EXPECT_PIXEL(capture, x, y, colour) \
  EXPECT_PRED_FORMAT4(::kxtest::PixelIs, capture, x, y, colour)
#define ASSERT_PIXEL(capture, x, y, colour) \
  ASSERT_PRED_FORMAT4(::kxtest::PixelIs, capture, x, y, colour)
#define EXPECT_PIXEL_NEAR(capture, x, y, colour, tolerance) \
  EXPECT_PRED_FORMAT5(::kxtest::PixelNear, capture, x, y, colour, tolerance)
#define ASSERT_PIXEL_NEAR(capture, x, y, colour, tolerance) \
  ASSERT_PRED_FORMAT5(::kxtest::PixelNear, capture, x, y, colour, tolerance)
#define EXPECT_RECT_COLOUR(capture, rect, colour) \
  EXPECT_PRED_FORMAT3(::kxtest::RectHasColour, capture, rect, colour)
#define ASSERT_RECT_COLOUR(capture, rect, colour) \
  ASSERT_PRED_FORMAT3(::kxtest::RectHasColour, capture, rect, colour)
#define EXPECT_RECT_CONTAINS(capture, rect, colour) \
  EXPECT_PRED_FORMAT3(::kxtest::RectContainsColour, capture, rect, colour)
#define ASSERT_RECT_CONTAINS(capture, rect, colour) \
  ASSERT_PRED_FORMAT3(::kxtest::RectContainsColour, capture, rect, colour)
