#include "propgrid/typed_value_text.h"

#include "base/file_dialog_names.h"
#include "base/format_strings.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>

namespace {

// strtoll, clamped to what a 32-bit long holds (the platform's atol/atoi
// saturate the same way); 0 for null.
long ParseLong32(LPCTSTR lpszText) {
    if (lpszText == nullptr) return 0;
    const long long n = std::strtoll(lpszText, nullptr, 10);
    if (n > INT32_MAX) return INT32_MAX;
    if (n < INT32_MIN) return INT32_MIN;
    return static_cast<long>(n);
}

// strtoul base 16 as the platform has it: 32 bits, saturating at the top;
// a minus sign negates the magnitude modulo 2^32.
uint32_t ParseHex32(LPCTSTR lpszText) {
    if (lpszText == nullptr) return 0;
    const char* p = lpszText;
    while (std::isspace(static_cast<unsigned char>(*p))) ++p;
    bool bNegative = false;
    if (*p == '+' || *p == '-') bNegative = *p++ == '-';
    errno = 0;
    char* pEnd = nullptr;
    const unsigned long long n = std::strtoull(p, &pEnd, 16);
    // A second sign ("--1") is no number.
    if (pEnd == p || *p == '+' || *p == '-') return 0;
    if (errno == ERANGE || n > UINT32_MAX) return UINT32_MAX;
    const uint32_t u = static_cast<uint32_t>(n);
    return bNegative ? static_cast<uint32_t>(0u - u) : u;
}

int ColorPart(LPCTSTR lpszText, int iPart) {
    CString strPart;
    AfxExtractSubString(strPart, lpszText, iPart, ';');
    const long n = ParseLong32(strPart);
    return n >= 255 ? 255 : static_cast<int>(n & 0xFF);
}

}  // namespace

CString KXNumberToString(long n) {
    CString s;
    s.Format("%i", static_cast<int>(n));
    return s;
}

long KXStringToNumber(LPCTSTR lpszText) { return ParseLong32(lpszText); }

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
CString KXDoubleToString(LPCTSTR lpszFormat, double d) {
    CString s;
    s.Format(lpszFormat != nullptr ? lpszFormat : "%g", d);
    return s;
}
#pragma GCC diagnostic pop

double KXStringToDouble(LPCTSTR lpszText) { return lpszText != nullptr ? std::atof(lpszText) : 0.0; }

CString KXColorToString(COLORREF clr) {
    CString s;
    s.Format("%i; %i; %i", GetRValue(clr), GetGValue(clr), GetBValue(clr));
    return s;
}

COLORREF KXStringToColor(LPCTSTR lpszText) {
    if (lpszText == nullptr) return RGB(0, 0, 0);
    return RGB(ColorPart(lpszText, 0), ColorPart(lpszText, 1), ColorPart(lpszText, 2));
}

CString KXColorToHexString(COLORREF clr) {
    CString s;
    s.Format("%2X%2X%2X", GetRValue(clr), GetGValue(clr), GetBValue(clr));
    s.Replace(' ', '0');
    return s;
}

COLORREF KXHexStringToColor(LPCTSTR lpszText) {
    const uint32_t n = ParseHex32(lpszText);
    return RGB((n >> 16) & 0xFF, (n >> 8) & 0xFF, n & 0xFF);
}

CString KXSizeToString(CSize size) {
    CString s;
    s.Format("%i; %i", static_cast<int>(size.cx), static_cast<int>(size.cy));
    return s;
}

CSize KXStringToSize(LPCTSTR lpszText) {
    CString strWidth, strHeight;
    AfxExtractSubString(strWidth, lpszText, 0, ';');
    AfxExtractSubString(strHeight, lpszText, 1, ';');
    return CSize(ParseLong32(strWidth), ParseLong32(strHeight));
}

CString KXRectToString(const CRect& rect) {
    CString s;
    s.Format("%i; %i; %i; %i", static_cast<int>(rect.left), static_cast<int>(rect.top), static_cast<int>(rect.right),
             static_cast<int>(rect.bottom));
    return s;
}

BOOL KXIsTrueText(LPCTSTR lpszText, LPCTSTR lpszTrueText) {
    return CString(lpszText).CompareNoCase(lpszTrueText != nullptr ? lpszTrueText : "") == 0;
}

int KXMulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    long long num = static_cast<long long>(a) * b;
    long long den = c;
    if (den < 0) {
        num = -num;
        den = -den;
    }
    // Half the divisor away from zero, then truncation: rounds half away.
    const long long q = (num >= 0 ? num + den / 2 : num - den / 2) / den;
    if (q > INT32_MAX || q < INT32_MIN) return -1;
    return static_cast<int>(q);
}

int KXFontPointSize(long lfHeight, int nPixelsPerInch) {
    return -KXMulDiv(static_cast<int>(lfHeight), 72, nPixelsPerInch);
}

CString KXFontToString(LPCTSTR lpszFaceName, int nPoints) {
    CString s;
    s.Format("%s; %ipt", lpszFaceName != nullptr ? lpszFaceName : "", nPoints);
    return s;
}

CString KXFileDialogResult(int nMode, LPCTSTR lpszPath) {
    const std::string path = lpszPath != nullptr ? lpszPath : "";
    switch (nMode) {
    case KX_FILE_MODE_NAME: return CString(afx_filedlg::PathFileName(path).c_str());
    case KX_FILE_MODE_TITLE: return CString(afx_filedlg::PathFileTitle(path).c_str());
    case KX_FILE_MODE_EXT: return CString(afx_filedlg::PathFileExt(path).c_str());
    default: return CString(path.c_str());
    }
}
