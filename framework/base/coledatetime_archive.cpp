// Dates and spans in an archive.  A stored status outside the known values
// loads as invalid.
#include "base/carchive.h"
#include "base/coledatetime.h"

CArchive& operator<<(CArchive& ar, const COleDateTime& dateSrc) {
    ar << static_cast<LONG>(dateSrc.m_status);
    return ar << dateSrc.m_dt;
}

CArchive& operator>>(CArchive& ar, COleDateTime& dateSrc) {
    LONG status = 0;
    double dt = 0;
    ar >> status >> dt;
    dateSrc.m_dt = dt;
    dateSrc.m_status = (status >= COleDateTime::valid && status <= COleDateTime::null)
                           ? static_cast<COleDateTime::DateTimeStatus>(status)
                           : COleDateTime::invalid;
    return ar;
}

CArchive& operator<<(CArchive& ar, const COleDateTimeSpan& spanSrc) {
    ar << static_cast<LONG>(spanSrc.m_status);
    return ar << spanSrc.m_span;
}

CArchive& operator>>(CArchive& ar, COleDateTimeSpan& spanSrc) {
    LONG status = 0;
    double span = 0;
    ar >> status >> span;
    spanSrc.m_span = span;
    spanSrc.m_status = (status >= COleDateTimeSpan::valid && status <= COleDateTimeSpan::null)
                           ? static_cast<COleDateTimeSpan::DateTimeSpanStatus>(status)
                           : COleDateTimeSpan::invalid;
    return ar;
}
