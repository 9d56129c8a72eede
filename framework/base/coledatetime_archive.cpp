// Dates and spans in an archive: the status as a LONG, then the value.  A
// stored status outside the known values loads as invalid.
#include "base/carchive.h"
#include "base/coledatetime.h"

namespace {

template <class Status>
void StoreValue(CArchive& ar, Status status, double value) {
    ar << static_cast<LONG>(status) << value;
}

template <class Status>
void LoadValue(CArchive& ar, Status& status, double& value) {
    LONG stored = 0;
    ar >> stored >> value;
    // valid, invalid and null are 0, 1 and 2 for dates and spans alike.
    status = (stored >= 0 && stored <= 2) ? static_cast<Status>(stored) : static_cast<Status>(1);
}

}  // namespace

CArchive& operator<<(CArchive& ar, const COleDateTime& dateSrc) {
    StoreValue(ar, dateSrc.m_status, dateSrc.m_dt);
    return ar;
}

CArchive& operator>>(CArchive& ar, COleDateTime& dateSrc) {
    LoadValue(ar, dateSrc.m_status, dateSrc.m_dt);
    return ar;
}

CArchive& operator<<(CArchive& ar, const COleDateTimeSpan& spanSrc) {
    StoreValue(ar, spanSrc.m_status, spanSrc.m_span);
    return ar;
}

CArchive& operator>>(CArchive& ar, COleDateTimeSpan& spanSrc) {
    LoadValue(ar, spanSrc.m_status, spanSrc.m_span);
    return ar;
}
