// Reads arbitrary text as a date and checks what every outcome must satisfy:
// a failure leaves 0 (not a date) or -1 and an invalid value, a success is a
// readable date whose own text reads back to the same second.  The first
// eight bytes also go through the splitting and formatting as a raw DATE.
#include "base/coledatetime.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void Check(bool condition) {
    if (!condition) abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size >= sizeof(DATE)) {
        DATE raw;
        memcpy(&raw, data, sizeof raw);
        const COleDateTime t(raw);
        const CString text = t.Format("%#c %j %U %W %I%p %a %b");
        Check((t.GetYear() == AFX_OLE_DATETIME_ERROR) == (text == AFX_OLE_DATETIME_INVALID_TEXT));
        COleDateTime moved = t + COleDateTimeSpan(raw / 7);
        (void)moved.Format("%d/%m/%Y");
    }

    const CString text(reinterpret_cast<const char*>(data), static_cast<int>(size));
    const DWORD flags = size ? data[0] & (VAR_TIMEVALUEONLY | VAR_DATEVALUEONLY) : 0;
    COleDateTime t;
    if (!t.ParseDateTime(text, flags)) {
        Check(t.GetStatus() == COleDateTime::invalid);
        Check(t.m_dt == 0.0 || t.m_dt == -1.0);
        return 0;
    }
    Check(t.GetStatus() == COleDateTime::valid && t.GetYear() >= 100 && t.GetYear() <= 9999);
    COleDateTime again;
    Check(again.ParseDateTime(t.Format("%d/%m/%Y %H:%M:%S")));
    Check(again.Format("%Y%m%d%H%M%S") == t.Format("%Y%m%d%H%M%S"));
    return 0;
}
