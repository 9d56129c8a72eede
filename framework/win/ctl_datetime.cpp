#include "win/ctl_datetime.h"

#include "win/ctl_common.h"
#include "win/gdiobj.h"

IMPLEMENT_DYNAMIC(CDateTimeCtrl, CWnd)
IMPLEMENT_DYNAMIC(CMonthCalCtrl, CWnd)

// --- SYSTEMTIME forms ---------------------------------------------------------------

BOOL AfxSystemTimeFromDate(const COleDateTime& date, SYSTEMTIME* pst) {
    if (pst == nullptr || date.GetStatus() != COleDateTime::valid) return FALSE;
    *pst = SYSTEMTIME{};
    pst->wYear = static_cast<WORD>(date.GetYear());
    pst->wMonth = static_cast<WORD>(date.GetMonth());
    pst->wDay = static_cast<WORD>(date.GetDay());
    pst->wDayOfWeek = static_cast<WORD>(date.GetDayOfWeek() - 1);
    pst->wHour = static_cast<WORD>(date.GetHour());
    pst->wMinute = static_cast<WORD>(date.GetMinute());
    pst->wSecond = static_cast<WORD>(date.GetSecond());
    return TRUE;
}

COleDateTime AfxDateFromSystemTime(const SYSTEMTIME& st) {
    return COleDateTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond);
}

namespace {

BOOL SystemTimeFromTime(const CTime* pTime, SYSTEMTIME* pst) { return pTime && pTime->GetAsSystemTime(*pst); }

// The range messages of both controls: flags GDTR_MIN/GDTR_MAX and two times.
template <class T, class ToSt>
BOOL SetRangeOf(const CWnd* pWnd, UINT nMsg, const T* pMin, const T* pMax, ToSt toSt) {
    SYSTEMTIME st[2] = {};
    WPARAM flags = 0;
    if (pMin && toSt(*pMin, &st[0])) flags |= GDTR_MIN;
    if (pMax && toSt(*pMax, &st[1])) flags |= GDTR_MAX;
    return (BOOL)pWnd->SendMessage(nMsg, flags, reinterpret_cast<LPARAM>(st));
}

template <class T, class FromSt>
DWORD GetRangeOf(const CWnd* pWnd, UINT nMsg, T* pMin, T* pMax, FromSt fromSt) {
    SYSTEMTIME st[2] = {};
    DWORD flags = static_cast<DWORD>(pWnd->SendMessage(nMsg, 0, reinterpret_cast<LPARAM>(st)));
    if (pMin && (flags & GDTR_MIN)) *pMin = fromSt(st[0]);
    if (pMax && (flags & GDTR_MAX)) *pMax = fromSt(st[1]);
    return flags;
}

auto OleToSt = [](const COleDateTime& d, SYSTEMTIME* st) { return AfxSystemTimeFromDate(d, st); };
auto TimeToSt = [](const CTime& t, SYSTEMTIME* st) { return SystemTimeFromTime(&t, st); };
auto StToOle = [](const SYSTEMTIME& st) { return AfxDateFromSystemTime(st); };
auto StToTime = [](const SYSTEMTIME& st) { return CTime(st); };

}  // namespace

// --- CDateTimeCtrl --------------------------------------------------------------------

BOOL CDateTimeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControls();
    return CWnd::Create(DATETIMEPICK_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

CMonthCalCtrl* CDateTimeCtrl::GetMonthCalCtrl() const {
    return reinterpret_cast<CMonthCalCtrl*>(CWnd::FromHandle(reinterpret_cast<HWND>(SendMessage(DTM_GETMONTHCAL))));
}

CFont* CDateTimeCtrl::GetMonthCalFont() const {
    return CFont::FromHandle(reinterpret_cast<HFONT>(SendMessage(DTM_GETMCFONT)));
}

BOOL CDateTimeCtrl::SetRange(const COleDateTime* pMinRange, const COleDateTime* pMaxRange) {
    return SetRangeOf(this, DTM_SETRANGE, pMinRange, pMaxRange, OleToSt);
}
DWORD CDateTimeCtrl::GetRange(COleDateTime* pMinRange, COleDateTime* pMaxRange) const {
    return GetRangeOf(this, DTM_GETRANGE, pMinRange, pMaxRange, StToOle);
}
BOOL CDateTimeCtrl::SetRange(const CTime* pMinRange, const CTime* pMaxRange) {
    return SetRangeOf(this, DTM_SETRANGE, pMinRange, pMaxRange, TimeToSt);
}
DWORD CDateTimeCtrl::GetRange(CTime* pMinRange, CTime* pMaxRange) const {
    return GetRangeOf(this, DTM_GETRANGE, pMinRange, pMaxRange, StToTime);
}

BOOL CDateTimeCtrl::GetTime(COleDateTime& timeDest) const {
    SYSTEMTIME st = {};
    switch (SendMessage(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st))) {
        case GDT_VALID: timeDest = AfxDateFromSystemTime(st); return TRUE;
        case GDT_NONE: timeDest.SetStatus(COleDateTime::null); return TRUE;
        default: timeDest.SetStatus(COleDateTime::invalid); return FALSE;
    }
}

DWORD CDateTimeCtrl::GetTime(CTime& timeDest) const {
    SYSTEMTIME st = {};
    DWORD dwResult = static_cast<DWORD>(SendMessage(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)));
    if (dwResult == GDT_VALID) timeDest = CTime(st);
    return dwResult;
}

BOOL CDateTimeCtrl::SetTime(const COleDateTime& timeNew) {
    SYSTEMTIME st = {};
    if (timeNew.GetStatus() == COleDateTime::null) return (BOOL)SendMessage(DTM_SETSYSTEMTIME, GDT_NONE, 0);
    if (!AfxSystemTimeFromDate(timeNew, &st)) return FALSE;
    return (BOOL)SendMessage(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
}

BOOL CDateTimeCtrl::SetTime(const CTime* pTimeNew) {
    SYSTEMTIME st = {};
    if (pTimeNew == nullptr) return (BOOL)SendMessage(DTM_SETSYSTEMTIME, GDT_NONE, 0);
    if (!SystemTimeFromTime(pTimeNew, &st)) return FALSE;
    return (BOOL)SendMessage(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
}

BOOL CDateTimeCtrl::SetTime(LPSYSTEMTIME pTimeNew) {
    return (BOOL)SendMessage(DTM_SETSYSTEMTIME, pTimeNew ? GDT_VALID : GDT_NONE, reinterpret_cast<LPARAM>(pTimeNew));
}

// --- CMonthCalCtrl ----------------------------------------------------------------------

BOOL CMonthCalCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControls();
    return CWnd::Create(MONTHCAL_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CMonthCalCtrl::Create(DWORD dwStyle, const POINT& pt, CWnd* pParentWnd, UINT nID) {
    if (!Create(dwStyle, CRect(pt, CSize(1, 1)), pParentWnd, nID)) return FALSE;
    return SizeMinReq();
}

BOOL CMonthCalCtrl::SizeMinReq(BOOL bRepaint) {
    CRect rect;
    if (!GetMinReqRect(rect)) return FALSE;
    return ::SetWindowPos(m_hWnd, nullptr, 0, 0, rect.Width(), rect.Height(),
                          SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | (bRepaint ? 0 : SWP_NOREDRAW));
}

BOOL CMonthCalCtrl::SetFirstDayOfWeek(int iDay, int* lpnOld) {
    DWORD dwOld = static_cast<DWORD>(SendMessage(MCM_SETFIRSTDAYOFWEEK, 0, iDay));
    if (lpnOld) *lpnOld = static_cast<int>(LOWORD(dwOld));
    return HIWORD(dwOld) != 0;
}

int CMonthCalCtrl::GetFirstDayOfWeek(BOOL* pbLocal) const {
    DWORD dw = static_cast<DWORD>(SendMessage(MCM_GETFIRSTDAYOFWEEK));
    if (pbLocal) *pbLocal = HIWORD(dw) != 0;
    return static_cast<int>(LOWORD(dw));
}

BOOL CMonthCalCtrl::SetToday(const COleDateTime& refDateTime) {
    SYSTEMTIME st;
    return AfxSystemTimeFromDate(refDateTime, &st) && SetToday(&st);
}
BOOL CMonthCalCtrl::SetToday(const CTime* pDateTime) {
    SYSTEMTIME st;
    return SystemTimeFromTime(pDateTime, &st) && SetToday(&st);
}
BOOL CMonthCalCtrl::GetToday(COleDateTime& refDateTime) const {
    SYSTEMTIME st = {};
    if (!GetToday(&st)) return FALSE;
    refDateTime = AfxDateFromSystemTime(st);
    return TRUE;
}
BOOL CMonthCalCtrl::GetToday(CTime& refDateTime) const {
    SYSTEMTIME st = {};
    if (!GetToday(&st)) return FALSE;
    refDateTime = CTime(st);
    return TRUE;
}
BOOL CMonthCalCtrl::SetCurSel(const COleDateTime& refDateTime) {
    SYSTEMTIME st;
    return AfxSystemTimeFromDate(refDateTime, &st) && SetCurSel(&st);
}
BOOL CMonthCalCtrl::SetCurSel(const CTime& refDateTime) {
    SYSTEMTIME st;
    return SystemTimeFromTime(&refDateTime, &st) && SetCurSel(&st);
}
BOOL CMonthCalCtrl::GetCurSel(COleDateTime& refDateTime) const {
    SYSTEMTIME st = {};
    if (!GetCurSel(&st)) return FALSE;
    // The selection is a day: the time of day the control keeps is not part of it.
    refDateTime = COleDateTime(st.wYear, st.wMonth, st.wDay, 0, 0, 0);
    return TRUE;
}
BOOL CMonthCalCtrl::GetCurSel(CTime& refDateTime) const {
    SYSTEMTIME st = {};
    if (!GetCurSel(&st)) return FALSE;
    refDateTime = CTime(st.wYear, st.wMonth, st.wDay, 0, 0, 0);
    return TRUE;
}
BOOL CMonthCalCtrl::SetRange(const COleDateTime* pMinRange, const COleDateTime* pMaxRange) {
    return SetRangeOf(this, MCM_SETRANGE, pMinRange, pMaxRange, OleToSt);
}
DWORD CMonthCalCtrl::GetRange(COleDateTime* pMinRange, COleDateTime* pMaxRange) const {
    return GetRangeOf(this, MCM_GETRANGE, pMinRange, pMaxRange, StToOle);
}
BOOL CMonthCalCtrl::SetRange(const CTime* pMinRange, const CTime* pMaxRange) {
    return SetRangeOf(this, MCM_SETRANGE, pMinRange, pMaxRange, TimeToSt);
}
DWORD CMonthCalCtrl::GetRange(CTime* pMinRange, CTime* pMaxRange) const {
    return GetRangeOf(this, MCM_GETRANGE, pMinRange, pMaxRange, StToTime);
}
BOOL CMonthCalCtrl::SetSelRange(const COleDateTime& minRange, const COleDateTime& maxRange) {
    SYSTEMTIME st[2];
    if (!AfxSystemTimeFromDate(minRange, &st[0]) || !AfxSystemTimeFromDate(maxRange, &st[1])) return FALSE;
    return (BOOL)SendMessage(MCM_SETSELRANGE, 0, reinterpret_cast<LPARAM>(st));
}
BOOL CMonthCalCtrl::GetSelRange(COleDateTime& refMinRange, COleDateTime& refMaxRange) const {
    SYSTEMTIME st[2] = {};
    if (!SendMessage(MCM_GETSELRANGE, 0, reinterpret_cast<LPARAM>(st))) return FALSE;
    refMinRange = COleDateTime(st[0].wYear, st[0].wMonth, st[0].wDay, 0, 0, 0);
    refMaxRange = COleDateTime(st[1].wYear, st[1].wMonth, st[1].wDay, 0, 0, 0);
    return TRUE;
}

// --- dialog data exchange ---------------------------------------------------------------

namespace {
template <class C>
C* TempControl(CDataExchange* pDX, int nIDC, C& wrapper) {
    wrapper.m_hWnd = pDX->PrepareCtrl(nIDC);
    return &wrapper;
}
struct TempDateTime : CDateTimeCtrl {
    ~TempDateTime() override { m_hWnd = nullptr; }
};
struct TempMonthCal : CMonthCalCtrl {
    ~TempMonthCal() override { m_hWnd = nullptr; }
};
}  // namespace

void DDX_DateTimeCtrl(CDataExchange* pDX, int nIDC, COleDateTime& value) {
    TempDateTime ctl;
    TempControl(pDX, nIDC, ctl);
    if (pDX->m_bSaveAndValidate)
        ctl.GetTime(value);
    else
        ctl.SetTime(value);
}

void DDX_DateTimeCtrl(CDataExchange* pDX, int nIDC, CTime& value) {
    TempDateTime ctl;
    TempControl(pDX, nIDC, ctl);
    if (pDX->m_bSaveAndValidate)
        ctl.GetTime(value);
    else
        ctl.SetTime(&value);
}

void DDX_DateTimeCtrl(CDataExchange* pDX, int nIDC, CString& value) {
    TempDateTime ctl;
    TempControl(pDX, nIDC, ctl);
    if (pDX->m_bSaveAndValidate) {
        ctl.GetWindowText(value);
    } else {
        COleDateTime date;
        if (date.ParseDateTime(value)) ctl.SetTime(date);
    }
}

void DDX_MonthCalCtrl(CDataExchange* pDX, int nIDC, COleDateTime& value) {
    TempMonthCal ctl;
    TempControl(pDX, nIDC, ctl);
    if (pDX->m_bSaveAndValidate)
        ctl.GetCurSel(value);
    else
        ctl.SetCurSel(value);
}

void DDX_MonthCalCtrl(CDataExchange* pDX, int nIDC, CTime& value) {
    TempMonthCal ctl;
    TempControl(pDX, nIDC, ctl);
    if (pDX->m_bSaveAndValidate)
        ctl.GetCurSel(value);
    else
        ctl.SetCurSel(value);
}

namespace {
// The range of the last control exchanged, when loading.
template <class C, class T>
void LastControlRange(CDataExchange* pDX, const T* pMin, const T* pMax) {
    if (pDX->m_bSaveAndValidate || pDX->m_idLastControl == 0) return;
    C ctl;
    ctl.m_hWnd = ::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, pDX->m_idLastControl);
    ctl.SetRange(pMin, pMax);
}
}  // namespace

void DDV_MinMaxDateTime(CDataExchange* pDX, COleDateTime& refValue, const COleDateTime& refMinRange,
                        const COleDateTime& refMaxRange) {
    if (!pDX->m_bSaveAndValidate && (refValue < refMinRange || refValue > refMaxRange))
        TRACE("The initial value of control %d is out of its range.\n", pDX->m_idLastControl);
    LastControlRange<TempDateTime>(pDX, &refMinRange, &refMaxRange);
}

void DDV_MinMaxDateTime(CDataExchange* pDX, CTime& refValue, const CTime* pMinRange, const CTime* pMaxRange) {
    if (!pDX->m_bSaveAndValidate && ((pMinRange && refValue < *pMinRange) || (pMaxRange && refValue > *pMaxRange)))
        TRACE("The initial value of control %d is out of its range.\n", pDX->m_idLastControl);
    LastControlRange<TempDateTime>(pDX, pMinRange, pMaxRange);
}

void DDV_MinMaxMonth(CDataExchange* pDX, COleDateTime& refValue, const COleDateTime& refMinRange,
                     const COleDateTime& refMaxRange) {
    (void)refValue;
    LastControlRange<TempMonthCal>(pDX, &refMinRange, &refMaxRange);
}

void DDV_MinMaxMonth(CDataExchange* pDX, CTime& refValue, const CTime* pMinRange, const CTime* pMaxRange) {
    (void)refValue;
    LastControlRange<TempMonthCal>(pDX, pMinRange, pMaxRange);
}
