// Typed values as text and back: what the user types always reads as a
// value, the way the platform's C library reads numbers.
#include "propgrid/typed_value_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string S(const CString& s) { return static_cast<LPCTSTR>(s); }

TEST(TypedValueText, NumbersReadLikeAtolWithA32BitLong) {
    EXPECT_EQ(S(KXNumberToString(-42)), "-42");
    EXPECT_EQ(KXStringToNumber(" 17abc"), 17);
    EXPECT_EQ(KXStringToNumber("abc"), 0);
    EXPECT_EQ(KXStringToNumber(nullptr), 0);
    EXPECT_EQ(KXStringToNumber("99999999999"), 2147483647L);
    EXPECT_EQ(KXStringToNumber("-99999999999"), -2147483647L - 1);
    EXPECT_EQ(S(KXDoubleToString("%0.2f", 3.14159)), "3.14");
    EXPECT_DOUBLE_EQ(KXStringToDouble("2.5e3x"), 2500.0);
    EXPECT_DOUBLE_EQ(KXStringToDouble("x"), 0.0);
}

TEST(TypedValueText, DecimalColourPartsSaturateAtTheTopAndKeepTheLowByte) {
    EXPECT_EQ(S(KXColorToString(RGB(255, 0, 10))), "255; 0; 10");
    EXPECT_EQ(KXStringToColor("300; -1; 20"), RGB(255, 255, 20));
    EXPECT_EQ(KXStringToColor("12"), RGB(12, 0, 0));
    EXPECT_EQ(KXStringToColor("-256; 256; 1; 99"), RGB(0, 255, 1));
    EXPECT_EQ(KXStringToColor(""), RGB(0, 0, 0));
    EXPECT_EQ(KXStringToColor(KXColorToString(RGB(1, 2, 3))), RGB(1, 2, 3));
}

TEST(TypedValueText, HexColourIsOneNumberReadLikeStrtoul) {
    EXPECT_EQ(S(KXColorToHexString(RGB(255, 0, 10))), "FF000A");
    EXPECT_EQ(S(KXColorToHexString(RGB(1, 2, 3))), "010203");
    EXPECT_EQ(KXHexStringToColor("00FF00"), RGB(0, 255, 0));
    EXPECT_EQ(KXHexStringToColor("ff"), RGB(0, 0, 255));
    EXPECT_EQ(KXHexStringToColor("0x102030"), RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(KXHexStringToColor("zz"), RGB(0, 0, 0));
    EXPECT_EQ(KXHexStringToColor("--1"), RGB(0, 0, 0));
    // Past 32 bits strtoul gives its largest value; a minus sign wraps.
    EXPECT_EQ(KXHexStringToColor("123456789ABC"), RGB(255, 255, 255));
    EXPECT_EQ(KXHexStringToColor("-1"), RGB(255, 255, 255));
    EXPECT_EQ(KXHexStringToColor("-2"), RGB(255, 255, 254));
}

TEST(TypedValueText, SizesRectanglesAndTruth) {
    EXPECT_EQ(S(KXSizeToString(CSize(640, 480))), "640; 480");
    EXPECT_EQ(KXStringToSize("800; 480"), CSize(800, 480));
    EXPECT_EQ(KXStringToSize("7"), CSize(7, 0));
    EXPECT_EQ(S(KXRectToString(CRect(1, 5, 5, 5))), "1; 5; 5; 5");
    EXPECT_TRUE(KXIsTrueText("tRuE", "True"));
    EXPECT_FALSE(KXIsTrueText("yes", "True"));
    EXPECT_FALSE(KXIsTrueText("", "True"));
}

TEST(TypedValueText, FontPointsRoundLikeMulDiv) {
    EXPECT_EQ(KXFontPointSize(-11, 96), 8);
    EXPECT_EQ(S(KXFontToString("Tahoma", KXFontPointSize(-11, 96))), "Tahoma; 8pt");
    EXPECT_EQ(KXFontPointSize(-16, 96), 12);
    EXPECT_EQ(KXMulDiv(3, 1, 2), 2);    // 1.5 -> 2
    EXPECT_EQ(KXMulDiv(-3, 1, 2), -2);  // -1.5 -> -2
    EXPECT_EQ(KXMulDiv(3, 1, -2), -2);
    EXPECT_EQ(KXMulDiv(5, 1, 0), -1);
    EXPECT_EQ(KXMulDiv(2147483647, 4, 1), -1);
}

TEST(TypedValueText, FileModesKeepTheirPartOfThePath) {
    const char* path = "C:\\Data\\report.final.txt";
    EXPECT_EQ(S(KXFileDialogResult(KX_FILE_MODE_PATH, path)), path);
    EXPECT_EQ(S(KXFileDialogResult(KX_FILE_MODE_NAME, path)), "report.final.txt");
    EXPECT_EQ(S(KXFileDialogResult(KX_FILE_MODE_TITLE, path)), "report.final");
    EXPECT_EQ(S(KXFileDialogResult(KX_FILE_MODE_EXT, path)), "txt");
    EXPECT_EQ(S(KXFileDialogResult(7, path)), path);
    EXPECT_EQ(S(KXFileDialogResult(KX_FILE_MODE_NAME, nullptr)), "");
}

}  // namespace
