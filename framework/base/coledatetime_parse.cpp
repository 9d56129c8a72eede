// The portable reading of date texts behind COleDateTime::ParseDateTime in
// the native build.  It accepts what the library writes ("%d/%m/%Y",
// "%H:%M") and the common unambiguous variants; anything else is rejected.
#include "base/coledatetime.h"

namespace {

bool IsSpace(char ch) { return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f'; }
bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }
char Upper(char ch) { return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch; }

void SkipSpaces(LPCTSTR& p) {
    while (IsSpace(*p)) ++p;
}

// Reads 1 to maxDigits digits; a longer run is not a number of a date.
bool ReadNumber(LPCTSTR& p, int maxDigits, int& value, int& digits) {
    value = 0;
    digits = 0;
    while (IsDigit(*p)) {
        if (++digits > maxDigits) return false;
        value = value * 10 + (*p - '0');
        ++p;
    }
    return digits > 0;
}

bool IsDateSeparator(char ch) { return ch == '/' || ch == '-' || ch == '.'; }

struct TimeOfDay {
    int hour = 0, minute = 0, second = 0;
};

// "hour:minute[:second]" with an optional AM or PM; p is just past the hour.
bool ReadTime(LPCTSTR& p, int hour, TimeOfDay& t) {
    int digits = 0;
    if (*p++ != ':' || !ReadNumber(p, 2, t.minute, digits)) return false;
    if (*p == ':') {
        ++p;
        if (!ReadNumber(p, 2, t.second, digits)) return false;
    }
    LPCTSTR q = p;
    SkipSpaces(q);
    const char a = Upper(q[0]);
    if ((a == 'A' || a == 'P') && Upper(q[1]) == 'M' && !IsDigit(q[2]) && !(Upper(q[2]) >= 'A' && Upper(q[2]) <= 'Z')) {
        if (hour < 1 || hour > 12) return false;
        hour = hour % 12 + (a == 'P' ? 12 : 0);
        p = q + 2;
    }
    t.hour = hour;
    return t.hour <= 23 && t.minute <= 59 && t.second <= 59;
}

// One- and two-digit years use the automation window: 00-29 is 20xx.
int FullYear(int year, int digits) {
    if (digits > 2) return year;
    return year < 30 ? 2000 + year : 1900 + year;
}

}  // namespace

HRESULT AfxParseOleDateText(LPCTSTR pszText, DWORD dwFlags, DATE* pdtResult) noexcept {
    if (pdtResult == nullptr) return E_INVALIDARG;
    *pdtResult = 0;
    if (pszText == nullptr) return DISP_E_TYPEMISMATCH;

    LPCTSTR p = pszText;
    SkipSpaces(p);
    int first = 0, firstDigits = 0;
    if (!ReadNumber(p, 5, first, firstDigits)) return DISP_E_TYPEMISMATCH;

    bool hasDate = false;
    int year = 1899, month = 12, day = 30;
    TimeOfDay time;
    if (IsDateSeparator(*p)) {
        const char sep = *p++;
        int second = 0, third = 0, secondDigits = 0, thirdDigits = 0;
        if (!ReadNumber(p, 2, second, secondDigits) || *p++ != sep) return DISP_E_TYPEMISMATCH;
        if (firstDigits > 2) {  // year-month-day
            if (!ReadNumber(p, 2, third, thirdDigits)) return DISP_E_TYPEMISMATCH;
            year = first;
            month = second;
            day = third;
        } else {  // day/month/year
            if (!ReadNumber(p, 5, third, thirdDigits)) return DISP_E_TYPEMISMATCH;
            day = first;
            month = second;
            year = FullYear(third, thirdDigits);
        }
        hasDate = true;
        if (IsSpace(*p)) {
            SkipSpaces(p);
            if (*p != '\0') {
                int hour = 0, hourDigits = 0;
                if (!ReadNumber(p, 2, hour, hourDigits) || !ReadTime(p, hour, time)) return DISP_E_TYPEMISMATCH;
            }
        }
    } else if (*p == ':') {
        if (firstDigits > 2 || !ReadTime(p, first, time)) return DISP_E_TYPEMISMATCH;
    } else {
        return DISP_E_TYPEMISMATCH;
    }
    SkipSpaces(p);
    if (*p != '\0') return DISP_E_TYPEMISMATCH;

    if (hasDate) {
        if (year < 100 || year > 9999) return DISP_E_OVERFLOW;
        if (month < 1 || month > 12) return DISP_E_TYPEMISMATCH;
    }
    if (dwFlags & VAR_DATEVALUEONLY) time = TimeOfDay();
    if (dwFlags & VAR_TIMEVALUEONLY) year = 1899, month = 12, day = 30;

    COleDateTime result;
    if (result.SetDateTime(year, month, day, time.hour, time.minute, time.second) != COleDateTime::valid)
        return DISP_E_TYPEMISMATCH;
    *pdtResult = result.m_dt;
    return S_OK;
}
