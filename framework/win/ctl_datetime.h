// The date and time picker and the month calendar, and their dialog data
// exchange.  Times go in and out as COleDateTime, CTime or SYSTEMTIME; a
// picker with DTS_SHOWNONE may hold no time (GDT_NONE: a null COleDateTime).
#pragma once

#include "base/coledatetime.h"
#include "base/ctime.h"
#include "win/dialog.h"
#include "win/wnd.h"

class CMonthCalCtrl;

class CDateTimeCtrl : public CWnd {
    DECLARE_DYNAMIC(CDateTimeCtrl)
public:
    CDateTimeCtrl() = default;
    using CWnd::Create;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    COLORREF GetMonthCalColor(int iColor) const { return (COLORREF)SendMessage(DTM_GETMCCOLOR, iColor); }
    COLORREF SetMonthCalColor(int iColor, COLORREF ref) { return (COLORREF)SendMessage(DTM_SETMCCOLOR, iColor, ref); }
    BOOL SetFormat(LPCTSTR pstrFormat) { return (BOOL)SendMessage(DTM_SETFORMATA, 0, (LPARAM)pstrFormat); }
    CMonthCalCtrl* GetMonthCalCtrl() const;
    CFont* GetMonthCalFont() const;
    void SetMonthCalFont(HFONT hFont, BOOL bRedraw = TRUE) { SendMessage(DTM_SETMCFONT, (WPARAM)hFont, bRedraw); }

    // The range: GDTR_MIN and GDTR_MAX tell which ends there are.
    BOOL SetRange(const COleDateTime* pMinRange, const COleDateTime* pMaxRange);
    DWORD GetRange(COleDateTime* pMinRange, COleDateTime* pMaxRange) const;
    BOOL SetRange(const CTime* pMinRange, const CTime* pMaxRange);
    DWORD GetRange(CTime* pMinRange, CTime* pMaxRange) const;

    // GetTime: TRUE with a time or no time (null), FALSE on error.
    BOOL GetTime(COleDateTime& timeDest) const;
    // GDT_VALID or GDT_NONE (timeDest unchanged), GDT_ERROR.
    DWORD GetTime(CTime& timeDest) const;
    DWORD GetTime(LPSYSTEMTIME pTimeDest) const { return (DWORD)SendMessage(DTM_GETSYSTEMTIME, 0, (LPARAM)pTimeDest); }
    // A null COleDateTime or CTime pointer clears a DTS_SHOWNONE picker.
    BOOL SetTime(const COleDateTime& timeNew);
    BOOL SetTime(const CTime* pTimeNew);
    BOOL SetTime(LPSYSTEMTIME pTimeNew = nullptr);
};

class CMonthCalCtrl : public CWnd {
    DECLARE_DYNAMIC(CMonthCalCtrl)
public:
    CMonthCalCtrl() = default;
    using CWnd::Create;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // At pt, as large as one month needs.
    BOOL Create(DWORD dwStyle, const POINT& pt, CWnd* pParentWnd, UINT nID);

    BOOL GetMinReqRect(RECT* pRect) const { return (BOOL)SendMessage(MCM_GETMINREQRECT, 0, (LPARAM)pRect); }
    BOOL SizeMinReq(BOOL bRepaint = TRUE);
    int SetMonthDelta(int iDelta) { return (int)SendMessage(MCM_SETMONTHDELTA, iDelta); }
    int GetMonthDelta() const { return (int)SendMessage(MCM_GETMONTHDELTA); }
    BOOL SetFirstDayOfWeek(int iDay, int* lpnOld = nullptr);
    int GetFirstDayOfWeek(BOOL* pbLocal = nullptr) const;
    COLORREF GetColor(int nRegion) const { return (COLORREF)SendMessage(MCM_GETCOLOR, nRegion); }
    COLORREF SetColor(int nRegion, COLORREF ref) { return (COLORREF)SendMessage(MCM_SETCOLOR, nRegion, ref); }
    DWORD HitTest(PMCHITTESTINFO pMCHitTest) { return (DWORD)SendMessage(MCM_HITTEST, 0, (LPARAM)pMCHitTest); }
    BOOL SetDayState(int nMonths, LPMONTHDAYSTATE pStates) {
        return (BOOL)SendMessage(MCM_SETDAYSTATE, nMonths, (LPARAM)pStates);
    }
    BOOL SetMaxSelCount(int nMax) { return (BOOL)SendMessage(MCM_SETMAXSELCOUNT, nMax); }
    int GetMaxSelCount() const { return (int)SendMessage(MCM_GETMAXSELCOUNT); }

    BOOL SetToday(const COleDateTime& refDateTime);
    BOOL SetToday(const CTime* pDateTime);
    BOOL SetToday(const LPSYSTEMTIME pDateTime) { return (BOOL)SendMessage(MCM_SETTODAY, 0, (LPARAM)pDateTime); }
    BOOL GetToday(COleDateTime& refDateTime) const;
    BOOL GetToday(CTime& refDateTime) const;
    BOOL GetToday(LPSYSTEMTIME pDateTime) const { return (BOOL)SendMessage(MCM_GETTODAY, 0, (LPARAM)pDateTime); }
    BOOL SetCurSel(const COleDateTime& refDateTime);
    BOOL SetCurSel(const CTime& refDateTime);
    BOOL SetCurSel(const LPSYSTEMTIME pDateTime) { return (BOOL)SendMessage(MCM_SETCURSEL, 0, (LPARAM)pDateTime); }
    BOOL GetCurSel(COleDateTime& refDateTime) const;
    BOOL GetCurSel(CTime& refDateTime) const;
    BOOL GetCurSel(LPSYSTEMTIME pDateTime) const { return (BOOL)SendMessage(MCM_GETCURSEL, 0, (LPARAM)pDateTime); }
    BOOL SetRange(const COleDateTime* pMinRange, const COleDateTime* pMaxRange);
    DWORD GetRange(COleDateTime* pMinRange, COleDateTime* pMaxRange) const;
    BOOL SetRange(const CTime* pMinRange, const CTime* pMaxRange);
    DWORD GetRange(CTime* pMinRange, CTime* pMaxRange) const;
    // A multiple-selection calendar's selected range.
    BOOL SetSelRange(const COleDateTime& pMinRange, const COleDateTime& pMaxRange);
    BOOL GetSelRange(COleDateTime& refMinRange, COleDateTime& refMaxRange) const;
};

// SYSTEMTIME forms of the framework's times (FALSE when there is none).
BOOL AfxSystemTimeFromDate(const COleDateTime& date, SYSTEMTIME* pst);
COleDateTime AfxDateFromSystemTime(const SYSTEMTIME& st);

void DDX_DateTimeCtrl(CDataExchange* pDX, int nIDC, COleDateTime& value);
void DDX_DateTimeCtrl(CDataExchange* pDX, int nIDC, CTime& value);
void DDX_DateTimeCtrl(CDataExchange* pDX, int nIDC, CString& value);
void DDX_MonthCalCtrl(CDataExchange* pDX, int nIDC, COleDateTime& value);
void DDX_MonthCalCtrl(CDataExchange* pDX, int nIDC, CTime& value);
// When loading, these give the control (the last one exchanged) its range.
void DDV_MinMaxDateTime(CDataExchange* pDX, COleDateTime& refValue, const COleDateTime& refMinRange,
                        const COleDateTime& refMaxRange);
void DDV_MinMaxDateTime(CDataExchange* pDX, CTime& refValue, const CTime* refMinRange, const CTime* refMaxRange);
void DDV_MinMaxMonth(CDataExchange* pDX, COleDateTime& refValue, const COleDateTime& refMinRange,
                     const COleDateTime& refMaxRange);
void DDV_MinMaxMonth(CDataExchange* pDX, CTime& refValue, const CTime* pMinRange, const CTime* pMaxRange);
