// COleDateTime and COleDateTimeSpan: OLE automation dates with MFC's rules.
//
// A DATE counts days since 30 December 1899; the fraction is the time of day.
// For negative values the fraction still counts forward from the start of
// the day, so -1.25 is 29 December 1899 06:00 (not 18:00).  Splitting a date
// into components rounds to the nearest second.  Valid component dates span
// the years 100 to 9999.  Accessors of an invalid value return
// AFX_OLE_DATETIME_ERROR (-1).
#pragma once

#include "base/cstring.h"
#include "base/wintypes.h"

#include <ctime>

#ifndef _WIN32
typedef double DATE;
typedef DWORD LCID;
#ifndef LANG_USER_DEFAULT
#define LANG_USER_DEFAULT 0x0400
#endif
#ifndef LOCALE_USER_DEFAULT
#define LOCALE_USER_DEFAULT ((LCID)0x0400)
#endif
#ifndef LOCALE_NOUSEROVERRIDE
#define LOCALE_NOUSEROVERRIDE 0x80000000
#endif
#define VAR_TIMEVALUEONLY ((DWORD)0x00000001)
#define VAR_DATEVALUEONLY ((DWORD)0x00000002)
#define VAR_VALIDDATE ((DWORD)0x00000004)
#define VAR_FOURDIGITYEARS ((DWORD)0x00000040)
#define DISP_E_TYPEMISMATCH ((HRESULT)0x80020005L)
#define DISP_E_OVERFLOW ((HRESULT)0x8002000AL)
#else
#include <oleauto.h>
#endif

// <windows.h> maps GetCurrentTime to GetTickCount, which would rename the
// member below.
#ifdef GetCurrentTime
#undef GetCurrentTime
#endif

#define AFX_OLE_DATETIME_ERROR (-1)

// The text an invalid value formats as.
#define AFX_OLE_DATETIME_INVALID_TEXT "Invalid DateTime"

class COleDateTimeSpan;

class COleDateTime {
public:
    enum DateTimeStatus { valid = 0, invalid = 1, null = 2 };

    static COleDateTime GetCurrentTime();

    COleDateTime() noexcept : m_dt(0), m_status(valid) {}
    COleDateTime(DATE dtSrc) noexcept : m_dt(dtSrc), m_status(valid) {}
    COleDateTime(time_t timeSrc) noexcept : m_dt(0), m_status(valid) { *this = timeSrc; }
    COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec) noexcept
        : m_dt(0), m_status(valid) {
        SetDateTime(nYear, nMonth, nDay, nHour, nMin, nSec);
    }

    COleDateTime& operator=(DATE dtSrc) noexcept;
    // The local time of timeSrc, as MFC converts it.
    COleDateTime& operator=(const time_t& timeSrc) noexcept;

    DateTimeStatus GetStatus() const noexcept { return m_status; }
    void SetStatus(DateTimeStatus status) noexcept { m_status = status; }
    operator DATE() const noexcept { return m_dt; }

    // 0 (valid) on success, 1 (invalid) when a component is out of range.
    int SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec) noexcept;
    int SetDate(int nYear, int nMonth, int nDay) noexcept { return SetDateTime(nYear, nMonth, nDay, 0, 0, 0); }
    int SetTime(int nHour, int nMin, int nSec) noexcept { return SetDateTime(1899, 12, 30, nHour, nMin, nSec); }

    int GetYear() const noexcept;
    int GetMonth() const noexcept;        // 1 to 12
    int GetDay() const noexcept;          // 1 to 31
    int GetHour() const noexcept;         // 0 to 23
    int GetMinute() const noexcept;       // 0 to 59
    int GetSecond() const noexcept;       // 0 to 59
    int GetDayOfWeek() const noexcept;    // 1 = Sunday
    int GetDayOfYear() const noexcept;    // 1 = 1 January

    // Comparisons order valid values by time; == also holds for two nulls.
    bool operator==(const COleDateTime& date) const noexcept;
    bool operator!=(const COleDateTime& date) const noexcept { return !(*this == date); }
    bool operator<(const COleDateTime& date) const noexcept;
    bool operator>(const COleDateTime& date) const noexcept;
    bool operator<=(const COleDateTime& date) const noexcept;
    bool operator>=(const COleDateTime& date) const noexcept;

    // A null operand gives a null result, an invalid one an invalid result,
    // and so does a result outside the years 100 to 9999.
    COleDateTime operator+(const COleDateTimeSpan& dateSpan) const noexcept;
    COleDateTime operator-(const COleDateTimeSpan& dateSpan) const noexcept;
    COleDateTime& operator+=(const COleDateTimeSpan& dateSpan) noexcept;
    COleDateTime& operator-=(const COleDateTimeSpan& dateSpan) noexcept;
    COleDateTimeSpan operator-(const COleDateTime& date) const noexcept;

    // strftime codes in the "C" locale.  A null value gives "", an invalid
    // one "Invalid DateTime".
    CString Format(LPCTSTR pFormat) const;
    // The locale's default text: VarBstrFromDate on Windows.  Natively, with
    // no locale, "%m/%d/%Y %H:%M:%S", leaving out a midnight time or the date
    // of day 0 as VarBstrFromDate does (VAR_DATEVALUEONLY and
    // VAR_TIMEVALUEONLY are honoured; the locale is ignored).
    CString Format(DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT) const;

    // VarDateFromStr on Windows (the text as the ANSI code page gives it);
    // natively AfxParseOleDateText below, which reads day/month/year whatever
    // the locale.  On failure the value becomes invalid with m_dt 0 when the
    // text is no date, -1 on any other failure (such as overflow).
    bool ParseDateTime(LPCTSTR lpszDate, DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT);

    DATE m_dt;
    DateTimeStatus m_status;

private:
    bool TakeParseResult(HRESULT hr, DATE dt) noexcept;
};

class COleDateTimeSpan {
public:
    enum DateTimeSpanStatus { valid = 0, invalid = 1, null = 2 };

    COleDateTimeSpan() noexcept : m_span(0), m_status(valid) {}
    COleDateTimeSpan(double dblSpanSrc) noexcept : m_span(dblSpanSrc), m_status(valid) { CheckRange(); }
    COleDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs) noexcept : m_span(0), m_status(valid) {
        SetDateTimeSpan(lDays, nHours, nMins, nSecs);
    }

    COleDateTimeSpan& operator=(double dblSpanSrc) noexcept;
    void SetDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs) noexcept;

    DateTimeSpanStatus GetStatus() const noexcept { return m_status; }
    void SetStatus(DateTimeSpanStatus status) noexcept { m_status = status; }
    operator double() const noexcept { return m_span; }

    // Whole units, after rounding the span to the nearest second.
    double GetTotalDays() const noexcept;
    double GetTotalHours() const noexcept;
    double GetTotalMinutes() const noexcept;
    double GetTotalSeconds() const noexcept;
    LONG GetDays() const noexcept;     // whole days
    LONG GetHours() const noexcept;    // -23 to 23
    LONG GetMinutes() const noexcept;  // -59 to 59
    LONG GetSeconds() const noexcept;  // -59 to 59

    bool operator==(const COleDateTimeSpan& span) const noexcept;
    bool operator!=(const COleDateTimeSpan& span) const noexcept { return !(*this == span); }
    bool operator<(const COleDateTimeSpan& span) const noexcept;
    bool operator>(const COleDateTimeSpan& span) const noexcept;
    bool operator<=(const COleDateTimeSpan& span) const noexcept;
    bool operator>=(const COleDateTimeSpan& span) const noexcept;

    COleDateTimeSpan operator+(const COleDateTimeSpan& span) const noexcept;
    COleDateTimeSpan operator-(const COleDateTimeSpan& span) const noexcept;
    COleDateTimeSpan& operator+=(const COleDateTimeSpan& span) noexcept;
    COleDateTimeSpan& operator-=(const COleDateTimeSpan& span) noexcept;
    COleDateTimeSpan operator-() const noexcept;
    COleDateTimeSpan operator*(double dFactor) const noexcept;
    COleDateTimeSpan operator/(double dFactor) const noexcept;

    double m_span;
    DateTimeSpanStatus m_status;

private:
    void CheckRange() noexcept;
};

// The portable date parser (what ParseDateTime uses natively), shaped like
// VarDateFromStr: S_OK, DISP_E_TYPEMISMATCH for text that is not a date, or
// DISP_E_OVERFLOW for a date outside the years 100 to 9999.  It reads
// "day/month/year" (separators '/', '-' or '.'), "year-month-day" when the
// first number has four digits, either followed by "hour:minute[:second]"
// with an optional AM or PM, or a time alone (on 30 December 1899).  One- and
// two-digit years fall in 1930 to 2029.  VAR_TIMEVALUEONLY and
// VAR_DATEVALUEONLY drop the date or the time part of the result.
HRESULT AfxParseOleDateText(LPCTSTR pszText, DWORD dwFlags, DATE* pdtResult) noexcept;

// Archive form: the status as a 32-bit LONG, then the value as a double.
class CArchive;
CArchive& operator<<(CArchive& ar, const COleDateTime& dateSrc);
CArchive& operator>>(CArchive& ar, COleDateTime& dateSrc);
CArchive& operator<<(CArchive& ar, const COleDateTimeSpan& spanSrc);
CArchive& operator>>(CArchive& ar, COleDateTimeSpan& spanSrc);
