// CTime and CTimeSpan: absolute times as seconds since 1 January 1970 UTC
// (64 bits), and differences between them in seconds.
//
// The components (GetYear, GetHour, ...) and Format are in local time;
// FormatGmt and GetGmtTm in UTC.  Constructing from components that are out
// of range, or that the C library cannot represent, asserts in Debug builds
// and gives the time -1 (as mktime reports failure).  Where the C library
// cannot break a time into components (Windows's, before 1970), the
// accessors answer -1 and Format gives an empty string.
//
// Archive form: the time, or the span, as a 64-bit LONGLONG.
#pragma once

#include "base/cstring.h"
#include "base/wintypes.h"

#include <ctime>

// <windows.h> maps GetCurrentTime to GetTickCount, which would rename the
// member below.
#ifdef GetCurrentTime
#undef GetCurrentTime
#endif

class CArchive;

#ifdef _WIN32
typedef __time64_t AFX_TIME64;
#else
typedef long long AFX_TIME64;
#endif

class CTimeSpan {
public:
    CTimeSpan() noexcept = default;
    CTimeSpan(AFX_TIME64 time) noexcept : m_timeSpan(time) {}
    CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs) noexcept { SetDateTimeSpan(lDays, nHours, nMins, nSecs); }

    void SetDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs) noexcept {
        m_timeSpan = nSecs + 60 * (nMins + 60 * (nHours + 24LL * lDays));
    }

    LONGLONG GetDays() const noexcept { return m_timeSpan / (24 * 3600); }
    LONGLONG GetTotalHours() const noexcept { return m_timeSpan / 3600; }
    LONG GetHours() const noexcept { return static_cast<LONG>(GetTotalHours() - GetDays() * 24); }
    LONGLONG GetTotalMinutes() const noexcept { return m_timeSpan / 60; }
    LONG GetMinutes() const noexcept { return static_cast<LONG>(GetTotalMinutes() - GetTotalHours() * 60); }
    LONGLONG GetTotalSeconds() const noexcept { return m_timeSpan; }
    LONG GetSeconds() const noexcept { return static_cast<LONG>(GetTotalSeconds() - GetTotalMinutes() * 60); }
    AFX_TIME64 GetTimeSpan() const noexcept { return m_timeSpan; }

    CTimeSpan operator+(CTimeSpan span) const noexcept { return CTimeSpan(m_timeSpan + span.m_timeSpan); }
    CTimeSpan operator-(CTimeSpan span) const noexcept { return CTimeSpan(m_timeSpan - span.m_timeSpan); }
    CTimeSpan& operator+=(CTimeSpan span) noexcept {
        m_timeSpan += span.m_timeSpan;
        return *this;
    }
    CTimeSpan& operator-=(CTimeSpan span) noexcept {
        m_timeSpan -= span.m_timeSpan;
        return *this;
    }
    bool operator==(CTimeSpan span) const noexcept { return m_timeSpan == span.m_timeSpan; }
    bool operator!=(CTimeSpan span) const noexcept { return m_timeSpan != span.m_timeSpan; }
    bool operator<(CTimeSpan span) const noexcept { return m_timeSpan < span.m_timeSpan; }
    bool operator>(CTimeSpan span) const noexcept { return m_timeSpan > span.m_timeSpan; }
    bool operator<=(CTimeSpan span) const noexcept { return m_timeSpan <= span.m_timeSpan; }
    bool operator>=(CTimeSpan span) const noexcept { return m_timeSpan >= span.m_timeSpan; }

    // %D days, %H hours (00-23), %M minutes, %S seconds (two digits each),
    // %% a percent sign; anything else is copied.
    CString Format(LPCTSTR pFormat) const;
    CString Format(UINT nFormatID) const;

    CArchive& Serialize64(CArchive& ar);

private:
    AFX_TIME64 m_timeSpan = 0;
};

class CTime {
public:
    static CTime GetCurrentTime() noexcept;
    // A FILETIME CTime can hold (from 1970 to 3000, as the framework allows).
    static BOOL IsValidFILETIME(const FILETIME& ft) noexcept;

    CTime() noexcept = default;
    CTime(AFX_TIME64 time) noexcept : m_time(time) {}
    // Local time; nDST < 0 lets the C library decide on daylight saving.
    CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST = -1);
    CTime(WORD wDosDate, WORD wDosTime, int nDST = -1);
    CTime(const SYSTEMTIME& st, int nDST = -1);  // a local time
    CTime(const FILETIME& ft, int nDST = -1);    // a UTC time

    CTime& operator=(AFX_TIME64 time) noexcept {
        m_time = time;
        return *this;
    }

    AFX_TIME64 GetTime() const noexcept { return m_time; }
    struct tm* GetGmtTm(struct tm* ptm) const;
    struct tm* GetLocalTm(struct tm* ptm) const;
    // FALSE when the time has no SYSTEMTIME form.
    bool GetAsSystemTime(SYSTEMTIME& st) const;

    int GetYear() const;
    int GetMonth() const;      // 1 to 12
    int GetDay() const;        // 1 to 31
    int GetHour() const;       // 0 to 23
    int GetMinute() const;     // 0 to 59
    int GetSecond() const;     // 0 to 59
    int GetDayOfWeek() const;  // 1 = Sunday

    // strftime codes.
    CString Format(LPCTSTR pFormat) const;
    CString FormatGmt(LPCTSTR pFormat) const;
    CString Format(UINT nFormatID) const;
    CString FormatGmt(UINT nFormatID) const;

    CTime operator+(CTimeSpan span) const noexcept { return CTime(m_time + span.GetTimeSpan()); }
    CTime operator-(CTimeSpan span) const noexcept { return CTime(m_time - span.GetTimeSpan()); }
    CTimeSpan operator-(CTime time) const noexcept { return CTimeSpan(m_time - time.m_time); }
    CTime& operator+=(CTimeSpan span) noexcept {
        m_time += span.GetTimeSpan();
        return *this;
    }
    CTime& operator-=(CTimeSpan span) noexcept {
        m_time -= span.GetTimeSpan();
        return *this;
    }
    bool operator==(CTime time) const noexcept { return m_time == time.m_time; }
    bool operator!=(CTime time) const noexcept { return m_time != time.m_time; }
    bool operator<(CTime time) const noexcept { return m_time < time.m_time; }
    bool operator>(CTime time) const noexcept { return m_time > time.m_time; }
    bool operator<=(CTime time) const noexcept { return m_time <= time.m_time; }
    bool operator>=(CTime time) const noexcept { return m_time >= time.m_time; }

    CArchive& Serialize64(CArchive& ar);

private:
    AFX_TIME64 m_time = 0;
};

// The FILETIME (UTC) of a time; FALSE for the null time 0 or one before 1601.
BOOL AfxTimeToFileTime(CTime time, FILETIME* pFileTime);

CArchive& operator<<(CArchive& ar, CTime time);
CArchive& operator>>(CArchive& ar, CTime& rtime);
CArchive& operator<<(CArchive& ar, CTimeSpan span);
CArchive& operator>>(CArchive& ar, CTimeSpan& rspan);
