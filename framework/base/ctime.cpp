#include "base/ctime.h"

#include "base/carchive.h"

#include <vector>

namespace {

// Seconds between 1 January 1601 (FILETIME) and 1 January 1970.
const LONGLONG kFileTimeEpochSeconds = 11644473600LL;
// The last second CTime takes from a FILETIME: 31 December 3000 23:59:59 UTC.
const LONGLONG kMaxTime = 32535215999LL;

bool LocalTm(AFX_TIME64 t, struct tm* ptm) {
#ifdef _WIN32
    return _localtime64_s(ptm, &t) == 0;
#else
    time_t tt = static_cast<time_t>(t);
    return localtime_r(&tt, ptm) != nullptr;
#endif
}

bool GmtTm(AFX_TIME64 t, struct tm* ptm) {
#ifdef _WIN32
    return _gmtime64_s(ptm, &t) == 0;
#else
    time_t tt = static_cast<time_t>(t);
    return gmtime_r(&tt, ptm) != nullptr;
#endif
}

AFX_TIME64 MakeTime(struct tm* ptm) {
#ifdef _WIN32
    return _mktime64(ptm);
#else
    return static_cast<AFX_TIME64>(mktime(ptm));
#endif
}

CString FormatTm(const struct tm* ptm, LPCTSTR pFormat) {
    CString s;
    if (ptm == nullptr || pFormat == nullptr || *pFormat == '\0') return s;
    // strftime cannot tell "no room" from "nothing to write": grow a few times.
    for (size_t room = 128; room <= 64 * 1024; room *= 4) {
        std::vector<char> buf(room);
        size_t n = strftime(buf.data(), room, pFormat, ptm);
        if (n > 0) return CString(buf.data(), static_cast<int>(n));
    }
    return s;
}

}  // namespace

// --- CTimeSpan -----------------------------------------------------------------------

CString CTimeSpan::Format(LPCTSTR pFormat) const {
    CString out;
    if (pFormat == nullptr) return out;
    for (LPCTSTR p = pFormat; *p != '\0'; ++p) {
        if (*p != '%') {
            out += *p;
            continue;
        }
        switch (*++p) {
            case '%': out += '%'; break;
            case 'D': out.AppendFormat("%lld", static_cast<long long>(GetDays())); break;
            case 'H': out.AppendFormat("%02ld", static_cast<long>(GetHours())); break;
            case 'M': out.AppendFormat("%02ld", static_cast<long>(GetMinutes())); break;
            case 'S': out.AppendFormat("%02ld", static_cast<long>(GetSeconds())); break;
            case '\0': return out;  // a lone '%' at the end
            default: out += *p; break;
        }
    }
    return out;
}

CString CTimeSpan::Format(UINT nFormatID) const {
    CString strFormat;
    VERIFY(strFormat.LoadString(nFormatID));
    return Format(strFormat);
}

CArchive& CTimeSpan::Serialize64(CArchive& ar) {
    if (ar.IsStoring()) return ar << static_cast<LONGLONG>(m_timeSpan);
    LONGLONG n = 0;
    ar >> n;
    m_timeSpan = n;
    return ar;
}

// --- CTime -----------------------------------------------------------------------------

CTime CTime::GetCurrentTime() noexcept {
#ifdef _WIN32
    return CTime(_time64(nullptr));
#else
    return CTime(static_cast<AFX_TIME64>(time(nullptr)));
#endif
}

namespace {
LONGLONG FileTimeSeconds(const FILETIME& ft) {
    ULONGLONG ticks = (static_cast<ULONGLONG>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    return static_cast<LONGLONG>(ticks / 10000000ULL) - kFileTimeEpochSeconds;
}
}  // namespace

BOOL CTime::IsValidFILETIME(const FILETIME& ft) noexcept {
    LONGLONG t = FileTimeSeconds(ft);
    return t >= 0 && t <= kMaxTime;
}

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST) {
    bool bInRange = nYear >= 1900 && nMonth >= 1 && nMonth <= 12 && nDay >= 1 && nDay <= 31 && nHour >= 0 &&
                    nHour <= 23 && nMin >= 0 && nMin <= 59 && nSec >= 0 && nSec <= 59;
    ASSERT(bInRange);
    if (!bInRange) {
        m_time = -1;
        return;
    }
    struct tm t = {};
    t.tm_year = nYear - 1900;
    t.tm_mon = nMonth - 1;
    t.tm_mday = nDay;
    t.tm_hour = nHour;
    t.tm_min = nMin;
    t.tm_sec = nSec;
    t.tm_isdst = nDST;
    m_time = MakeTime(&t);
    ASSERT(m_time != -1);
}

CTime::CTime(WORD wDosDate, WORD wDosTime, int nDST)
    : CTime((wDosDate >> 9) + 1980, (wDosDate >> 5) & 0x0F, wDosDate & 0x1F, wDosTime >> 11, (wDosTime >> 5) & 0x3F,
            (wDosTime & 0x1F) * 2, nDST) {}

CTime::CTime(const SYSTEMTIME& st, int nDST)
    : CTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, nDST) {}

CTime::CTime(const FILETIME& ft, int) {
    ASSERT(IsValidFILETIME(ft));
    m_time = IsValidFILETIME(ft) ? FileTimeSeconds(ft) : -1;
}

struct tm* CTime::GetGmtTm(struct tm* ptm) const {
    ASSERT(ptm != nullptr);
    return ptm && GmtTm(m_time, ptm) ? ptm : nullptr;
}

struct tm* CTime::GetLocalTm(struct tm* ptm) const {
    ASSERT(ptm != nullptr);
    return ptm && LocalTm(m_time, ptm) ? ptm : nullptr;
}

bool CTime::GetAsSystemTime(SYSTEMTIME& st) const {
    struct tm t;
    if (!LocalTm(m_time, &t)) return false;
    st.wYear = static_cast<WORD>(t.tm_year + 1900);
    st.wMonth = static_cast<WORD>(t.tm_mon + 1);
    st.wDayOfWeek = static_cast<WORD>(t.tm_wday);
    st.wDay = static_cast<WORD>(t.tm_mday);
    st.wHour = static_cast<WORD>(t.tm_hour);
    st.wMinute = static_cast<WORD>(t.tm_min);
    st.wSecond = static_cast<WORD>(t.tm_sec);
    st.wMilliseconds = 0;
    return true;
}

namespace {
template <class F>
int LocalPart(AFX_TIME64 t, F part) {
    struct tm tmLocal;
    return LocalTm(t, &tmLocal) ? part(tmLocal) : -1;
}
}  // namespace

int CTime::GetYear() const { return LocalPart(m_time, [](const tm& t) { return t.tm_year + 1900; }); }
int CTime::GetMonth() const { return LocalPart(m_time, [](const tm& t) { return t.tm_mon + 1; }); }
int CTime::GetDay() const { return LocalPart(m_time, [](const tm& t) { return t.tm_mday; }); }
int CTime::GetHour() const { return LocalPart(m_time, [](const tm& t) { return t.tm_hour; }); }
int CTime::GetMinute() const { return LocalPart(m_time, [](const tm& t) { return t.tm_min; }); }
int CTime::GetSecond() const { return LocalPart(m_time, [](const tm& t) { return t.tm_sec; }); }
int CTime::GetDayOfWeek() const { return LocalPart(m_time, [](const tm& t) { return t.tm_wday + 1; }); }

CString CTime::Format(LPCTSTR pFormat) const {
    struct tm t;
    return LocalTm(m_time, &t) ? FormatTm(&t, pFormat) : CString();
}

CString CTime::FormatGmt(LPCTSTR pFormat) const {
    struct tm t;
    return GmtTm(m_time, &t) ? FormatTm(&t, pFormat) : CString();
}

CString CTime::Format(UINT nFormatID) const {
    CString strFormat;
    VERIFY(strFormat.LoadString(nFormatID));
    return Format(strFormat);
}

CString CTime::FormatGmt(UINT nFormatID) const {
    CString strFormat;
    VERIFY(strFormat.LoadString(nFormatID));
    return FormatGmt(strFormat);
}

CArchive& CTime::Serialize64(CArchive& ar) {
    if (ar.IsStoring()) return ar << static_cast<LONGLONG>(m_time);
    LONGLONG n = 0;
    ar >> n;
    m_time = n;
    return ar;
}

BOOL AfxTimeToFileTime(CTime time, FILETIME* pFileTime) {
    LONGLONG t = time.GetTime();
    if (pFileTime == nullptr || t == 0 || t < -kFileTimeEpochSeconds) return FALSE;
    ULONGLONG ticks = static_cast<ULONGLONG>(t + kFileTimeEpochSeconds) * 10000000ULL;
    pFileTime->dwLowDateTime = static_cast<DWORD>(ticks);
    pFileTime->dwHighDateTime = static_cast<DWORD>(ticks >> 32);
    return TRUE;
}

CArchive& operator<<(CArchive& ar, CTime time) { return time.Serialize64(ar); }
CArchive& operator>>(CArchive& ar, CTime& rtime) { return rtime.Serialize64(ar); }
CArchive& operator<<(CArchive& ar, CTimeSpan span) { return span.Serialize64(ar); }
CArchive& operator>>(CArchive& ar, CTimeSpan& rspan) { return rspan.Serialize64(ar); }
