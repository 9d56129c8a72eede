#include "base/coledatetime.h"

#include <cmath>

namespace {

constexpr double kMaxDaysInSpan = 3615897.0;  // the width of the years 100 to 9999
constexpr int kMinYear = 100;
constexpr int kMaxYear = 9999;

// Days since 1 January 1970 of a proleptic Gregorian date.
constexpr long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

constexpr long long kOleEpoch = DaysFromCivil(1899, 12, 30);

void CivilFromDays(long long z, int& y, int& m, int& d) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(static_cast<long long>(yoe) + era * 400 + (m <= 2));
}

bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeapYear(y) ? 29 : kDays[m - 1];
}

struct DateParts {
    int year, month, day, hour, minute, second;
    int dayOfWeek;  // 0 = Sunday
    int dayOfYear;  // 0 = 1 January
};

// A negative date's fraction counts forward, so the dates are not linear in
// time below zero; arithmetic and ordering go through the linear value.
double LinearFromDate(DATE dt) {
    if (dt >= 0) return dt;
    const double day = std::ceil(dt);
    return day - (dt - day);
}

DATE DateFromLinear(double v) {
    if (v >= 0) return v;
    const double day = std::floor(v);
    return day + (day - v);
}

// Splits an OLE date into its components, rounded to the nearest second in
// time (so 0.99999999 and -0.99999999 both become 31 December 1899 00:00),
// as the platform's VariantTimeToSystemTime does.
bool SplitDate(DATE dt, DateParts& p) {
    // Rejects NaN as well; the exact limits are checked on the year below.
    if (!(dt > -657436.0 && dt < 2958467.0)) return false;
    const long long total = static_cast<long long>(std::floor(LinearFromDate(dt) * 86400.0 + 0.5));
    long long days = total / 86400;
    long long secs = total % 86400;
    if (secs < 0) {
        secs += 86400;
        --days;
    }
    CivilFromDays(days + kOleEpoch, p.year, p.month, p.day);
    if (p.year < kMinYear || p.year > kMaxYear) return false;
    p.hour = static_cast<int>(secs / 3600);
    p.minute = static_cast<int>(secs / 60 % 60);
    p.second = static_cast<int>(secs % 60);
    // 30 December 1899 was a Saturday.
    p.dayOfWeek = static_cast<int>(((days + 6) % 7 + 7) % 7);
    p.dayOfYear = static_cast<int>(days + kOleEpoch - DaysFromCivil(p.year, 1, 1));
    return true;
}

bool InDateRange(DATE dt) {
    DateParts p;
    return SplitDate(dt, p);
}

const char* const kDayNames[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const char* const kMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                     "July",    "August",   "September", "October", "November", "December"};

void AppendNumber(CString& out, int value, int width, bool noPadding) {
    out.AppendFormat("%0*d", noPadding ? 1 : width, value);
}

// strftime in the "C" locale, with the '#' flag as the Windows run-time
// library reads it: no leading zeros on numbers, the long forms of %c and %x.
// Unknown codes are copied as they stand.
void AppendFormatted(CString& out, LPCTSTR fmt, const DateParts& p) {
    for (; *fmt; ++fmt) {
        if (*fmt != '%') {
            out += *fmt;
            continue;
        }
        LPCTSTR code = fmt + 1;
        const bool alt = *code == '#';
        if (alt) ++code;
        if (*code == '\0') break;
        fmt = code;
        switch (*code) {
        case 'a': out.Append(kDayNames[p.dayOfWeek], 3); break;
        case 'A': out += kDayNames[p.dayOfWeek]; break;
        case 'b': out.Append(kMonthNames[p.month - 1], 3); break;
        case 'B': out += kMonthNames[p.month - 1]; break;
        case 'c': AppendFormatted(out, alt ? "%A, %B %#d, %Y, %H:%M:%S" : "%m/%d/%y %H:%M:%S", p); break;
        case 'x': AppendFormatted(out, alt ? "%A, %B %#d, %Y" : "%m/%d/%y", p); break;
        case 'X': AppendFormatted(out, "%H:%M:%S", p); break;
        case 'd': AppendNumber(out, p.day, 2, alt); break;
        case 'H': AppendNumber(out, p.hour, 2, alt); break;
        case 'I': AppendNumber(out, p.hour % 12 == 0 ? 12 : p.hour % 12, 2, alt); break;
        case 'j': AppendNumber(out, p.dayOfYear + 1, 3, alt); break;
        case 'm': AppendNumber(out, p.month, 2, alt); break;
        case 'M': AppendNumber(out, p.minute, 2, alt); break;
        case 'S': AppendNumber(out, p.second, 2, alt); break;
        case 'p': out += p.hour < 12 ? "AM" : "PM"; break;
        case 'U': AppendNumber(out, (p.dayOfYear + 7 - p.dayOfWeek) / 7, 2, alt); break;
        case 'W': AppendNumber(out, (p.dayOfYear + 7 - (p.dayOfWeek + 6) % 7) / 7, 2, alt); break;
        case 'w': AppendNumber(out, p.dayOfWeek, 1, alt); break;
        case 'y': AppendNumber(out, p.year % 100, 2, alt); break;
        case 'Y': AppendNumber(out, p.year, 1, alt); break;
        case '%': out += '%'; break;
        default:
            out.Append(fmt - (alt ? 2 : 1), alt ? 3 : 2);
            break;
        }
    }
}

}  // namespace

// --- COleDateTime ----------------------------------------------------------

COleDateTime COleDateTime::GetCurrentTime() { return COleDateTime(::time(nullptr)); }

COleDateTime& COleDateTime::operator=(DATE dtSrc) noexcept {
    m_dt = dtSrc;
    m_status = valid;
    return *this;
}

COleDateTime& COleDateTime::operator=(const time_t& timeSrc) noexcept {
    struct tm local {};
#ifdef _WIN32
    const __time64_t t64 = timeSrc;
    const bool ok = _localtime64_s(&local, &t64) == 0;
#else
    const bool ok = localtime_r(&timeSrc, &local) != nullptr;
#endif
    if (!ok || local.tm_year > kMaxYear - 1900) {
        m_status = invalid;
        return *this;
    }
    SetDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                local.tm_sec);
    return *this;
}

int COleDateTime::SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec) noexcept {
    if (nYear < kMinYear || nYear > kMaxYear || nMonth < 1 || nMonth > 12 || nDay < 1 ||
        nDay > DaysInMonth(nYear, nMonth) || nHour < 0 || nHour > 23 || nMin < 0 || nMin > 59 ||
        nSec < 0 || nSec > 59) {
        m_status = invalid;
        return m_status;
    }
    const long long days = DaysFromCivil(nYear, nMonth, nDay) - kOleEpoch;
    const double time = (nHour * 3600 + nMin * 60 + nSec) / 86400.0;
    m_dt = static_cast<double>(days) + (days >= 0 ? time : -time);
    m_status = valid;
    return m_status;
}

#define KX_OLEDATE_PART(name, expr)                                       \
    int COleDateTime::name() const noexcept {                             \
        DateParts p;                                                      \
        if (m_status != valid || !SplitDate(m_dt, p)) return AFX_OLE_DATETIME_ERROR; \
        return expr;                                                      \
    }
KX_OLEDATE_PART(GetYear, p.year)
KX_OLEDATE_PART(GetMonth, p.month)
KX_OLEDATE_PART(GetDay, p.day)
KX_OLEDATE_PART(GetHour, p.hour)
KX_OLEDATE_PART(GetMinute, p.minute)
KX_OLEDATE_PART(GetSecond, p.second)
KX_OLEDATE_PART(GetDayOfWeek, p.dayOfWeek + 1)
KX_OLEDATE_PART(GetDayOfYear, p.dayOfYear + 1)
#undef KX_OLEDATE_PART

bool COleDateTime::operator==(const COleDateTime& date) const noexcept {
    if (m_status == valid && date.m_status == valid) return m_dt == date.m_dt;
    return m_status == null && date.m_status == null;
}

bool COleDateTime::operator<(const COleDateTime& date) const noexcept {
    return m_status == valid && date.m_status == valid && LinearFromDate(m_dt) < LinearFromDate(date.m_dt);
}

bool COleDateTime::operator>(const COleDateTime& date) const noexcept {
    return m_status == valid && date.m_status == valid && LinearFromDate(m_dt) > LinearFromDate(date.m_dt);
}

bool COleDateTime::operator<=(const COleDateTime& date) const noexcept {
    return m_status == valid && date.m_status == valid && LinearFromDate(m_dt) <= LinearFromDate(date.m_dt);
}

bool COleDateTime::operator>=(const COleDateTime& date) const noexcept {
    return m_status == valid && date.m_status == valid && LinearFromDate(m_dt) >= LinearFromDate(date.m_dt);
}

COleDateTime COleDateTime::operator+(const COleDateTimeSpan& dateSpan) const noexcept {
    COleDateTime result;
    if (m_status == null || dateSpan.m_status == COleDateTimeSpan::null) {
        result.m_status = null;
    } else if (m_status == invalid || dateSpan.m_status == COleDateTimeSpan::invalid) {
        result.m_status = invalid;
    } else {
        result.m_dt = DateFromLinear(LinearFromDate(m_dt) + dateSpan.m_span);
        if (!InDateRange(result.m_dt)) result.m_status = invalid;
    }
    return result;
}

COleDateTime COleDateTime::operator-(const COleDateTimeSpan& dateSpan) const noexcept {
    COleDateTimeSpan negated = -dateSpan;
    return *this + negated;
}

COleDateTime& COleDateTime::operator+=(const COleDateTimeSpan& dateSpan) noexcept {
    return *this = *this + dateSpan;
}

COleDateTime& COleDateTime::operator-=(const COleDateTimeSpan& dateSpan) noexcept {
    return *this = *this - dateSpan;
}

COleDateTimeSpan COleDateTime::operator-(const COleDateTime& date) const noexcept {
    COleDateTimeSpan span;
    if (m_status == null || date.m_status == null)
        span.SetStatus(COleDateTimeSpan::null);
    else if (m_status == invalid || date.m_status == invalid)
        span.SetStatus(COleDateTimeSpan::invalid);
    else
        span = LinearFromDate(m_dt) - LinearFromDate(date.m_dt);
    return span;
}

CString COleDateTime::Format(LPCTSTR pFormat) const {
    CString out;
    if (m_status == null) return out;
    DateParts p;
    if (m_status != valid || !SplitDate(m_dt, p)) return CString(AFX_OLE_DATETIME_INVALID_TEXT);
    if (pFormat) AppendFormatted(out, pFormat, p);
    return out;
}

bool COleDateTime::TakeParseResult(HRESULT hr, DATE dt) noexcept {
    if (SUCCEEDED(hr)) {
        m_dt = dt;
        m_status = valid;
        return true;
    }
    // Text that is no date reads as 0, any other failure (overflow) as -1.
    m_dt = hr == DISP_E_TYPEMISMATCH ? 0.0 : -1.0;
    m_status = invalid;
    return false;
}

#ifndef _WIN32
CString COleDateTime::Format(DWORD dwFlags, LCID) const {
    if (m_status == null) return CString();
    DateParts p;
    if (m_status != valid || !SplitDate(m_dt, p)) return CString(AFX_OLE_DATETIME_INVALID_TEXT);
    const bool noTime = (dwFlags & VAR_DATEVALUEONLY) || (p.hour == 0 && p.minute == 0 && p.second == 0);
    const bool noDate = (dwFlags & VAR_TIMEVALUEONLY) || (p.year == 1899 && p.month == 12 && p.day == 30);
    if (noTime && !noDate) return Format("%m/%d/%Y");
    if (noDate && !noTime) return Format("%H:%M:%S");
    if (noTime && noDate) return (dwFlags & VAR_TIMEVALUEONLY) ? Format("%H:%M:%S") : Format("%m/%d/%Y");
    return Format("%m/%d/%Y %H:%M:%S");
}

bool COleDateTime::ParseDateTime(LPCTSTR lpszDate, DWORD dwFlags, LCID) {
    DATE dt = 0;
    const HRESULT hr = AfxParseOleDateText(lpszDate, dwFlags, &dt);
    return TakeParseResult(hr, dt);
}
#endif

// --- COleDateTimeSpan ------------------------------------------------------

namespace {

long long RoundedSeconds(double span) {
    const double secs = span * 86400.0;
    if (!(std::fabs(secs) < 9.0e18)) return 0;  // NaN or beyond any valid span
    return static_cast<long long>(secs + (secs < 0 ? -0.5 : 0.5));
}

}  // namespace

void COleDateTimeSpan::CheckRange() noexcept {
    if (!(m_span >= -kMaxDaysInSpan && m_span <= kMaxDaysInSpan)) m_status = invalid;
}

COleDateTimeSpan& COleDateTimeSpan::operator=(double dblSpanSrc) noexcept {
    m_span = dblSpanSrc;
    m_status = valid;
    CheckRange();
    return *this;
}

void COleDateTimeSpan::SetDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs) noexcept {
    m_span = lDays + nHours / 24.0 + nMins / (24.0 * 60) + nSecs / (24.0 * 60 * 60);
    m_status = valid;
    CheckRange();
}

double COleDateTimeSpan::GetTotalDays() const noexcept { return static_cast<double>(RoundedSeconds(m_span) / 86400); }
double COleDateTimeSpan::GetTotalHours() const noexcept { return static_cast<double>(RoundedSeconds(m_span) / 3600); }
double COleDateTimeSpan::GetTotalMinutes() const noexcept { return static_cast<double>(RoundedSeconds(m_span) / 60); }
double COleDateTimeSpan::GetTotalSeconds() const noexcept { return static_cast<double>(RoundedSeconds(m_span)); }
LONG COleDateTimeSpan::GetDays() const noexcept { return static_cast<LONG>(RoundedSeconds(m_span) / 86400); }
LONG COleDateTimeSpan::GetHours() const noexcept { return static_cast<LONG>(RoundedSeconds(m_span) / 3600 % 24); }
LONG COleDateTimeSpan::GetMinutes() const noexcept { return static_cast<LONG>(RoundedSeconds(m_span) / 60 % 60); }
LONG COleDateTimeSpan::GetSeconds() const noexcept { return static_cast<LONG>(RoundedSeconds(m_span) % 60); }

bool COleDateTimeSpan::operator==(const COleDateTimeSpan& span) const noexcept {
    if (m_status == valid && span.m_status == valid) return m_span == span.m_span;
    return m_status == null && span.m_status == null;
}

bool COleDateTimeSpan::operator<(const COleDateTimeSpan& span) const noexcept {
    return m_status == valid && span.m_status == valid && m_span < span.m_span;
}

bool COleDateTimeSpan::operator>(const COleDateTimeSpan& span) const noexcept {
    return m_status == valid && span.m_status == valid && m_span > span.m_span;
}

bool COleDateTimeSpan::operator<=(const COleDateTimeSpan& span) const noexcept {
    return m_status == valid && span.m_status == valid && m_span <= span.m_span;
}

bool COleDateTimeSpan::operator>=(const COleDateTimeSpan& span) const noexcept {
    return m_status == valid && span.m_status == valid && m_span >= span.m_span;
}

namespace {

// Null wins over invalid, as in every binary operation of the pair.
bool Propagate(const COleDateTimeSpan& a, const COleDateTimeSpan& b, COleDateTimeSpan& result) {
    if (a.m_status == COleDateTimeSpan::null || b.m_status == COleDateTimeSpan::null) {
        result.SetStatus(COleDateTimeSpan::null);
        return true;
    }
    if (a.m_status == COleDateTimeSpan::invalid || b.m_status == COleDateTimeSpan::invalid) {
        result.SetStatus(COleDateTimeSpan::invalid);
        return true;
    }
    return false;
}

}  // namespace

COleDateTimeSpan COleDateTimeSpan::operator+(const COleDateTimeSpan& span) const noexcept {
    COleDateTimeSpan result;
    if (!Propagate(*this, span, result)) result = m_span + span.m_span;
    return result;
}

COleDateTimeSpan COleDateTimeSpan::operator-(const COleDateTimeSpan& span) const noexcept {
    COleDateTimeSpan result;
    if (!Propagate(*this, span, result)) result = m_span - span.m_span;
    return result;
}

COleDateTimeSpan& COleDateTimeSpan::operator+=(const COleDateTimeSpan& span) noexcept {
    return *this = *this + span;
}

COleDateTimeSpan& COleDateTimeSpan::operator-=(const COleDateTimeSpan& span) noexcept {
    return *this = *this - span;
}

COleDateTimeSpan COleDateTimeSpan::operator-() const noexcept {
    COleDateTimeSpan result;
    if (!Propagate(*this, *this, result)) result = -m_span;
    return result;
}

COleDateTimeSpan COleDateTimeSpan::operator*(double dFactor) const noexcept {
    COleDateTimeSpan result;
    if (!Propagate(*this, *this, result)) result = m_span * dFactor;
    return result;
}

COleDateTimeSpan COleDateTimeSpan::operator/(double dFactor) const noexcept {
    COleDateTimeSpan result;
    if (!Propagate(*this, *this, result)) result = m_span / dFactor;
    return result;
}
