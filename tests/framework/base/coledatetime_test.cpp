#include "base/coledatetime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

// "YYYY-MM-DD hh:mm:ss dow doy", or the -1 components of a bad value.
std::string Parts(const COleDateTime& t) {
    char buf[80];
    snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d %d %d", t.GetYear(), t.GetMonth(), t.GetDay(),
             t.GetHour(), t.GetMinute(), t.GetSecond(), t.GetDayOfWeek(), t.GetDayOfYear());
    return buf;
}

const char* const kAllBad = "-001--1--1 -1:-1:-1 -1 -1";

}  // namespace

TEST(COleDateTime, ComponentsAroundTheEpoch) {
    struct Case { int y, mo, d, h, mi, s; DATE dt; const char* parts; } cases[] = {
        {1899, 12, 30, 0, 0, 0, 0.0, "1899-12-30 00:00:00 7 364"},
        {1899, 12, 31, 0, 0, 0, 1.0, "1899-12-31 00:00:00 1 365"},
        {1900, 1, 1, 0, 0, 0, 2.0, "1900-01-01 00:00:00 2 1"},
        {1900, 3, 1, 0, 0, 0, 61.0, "1900-03-01 00:00:00 5 60"},  // 1900 has no 29 February
        {2000, 3, 1, 0, 0, 0, 36586.0, "2000-03-01 00:00:00 4 61"},
        {2024, 3, 5, 18, 0, 0, 45356.75, "2024-03-05 18:00:00 3 65"},
        {1899, 12, 29, 6, 0, 0, -1.25, "1899-12-29 06:00:00 6 363"},  // fraction counts forward
        {1899, 12, 29, 18, 0, 0, -1.75, "1899-12-29 18:00:00 6 363"},
        {100, 1, 1, 0, 0, 0, -657434.0, "0100-01-01 00:00:00 6 1"},
        {9999, 12, 31, 23, 59, 59, 2958465.0 + 86399.0 / 86400, "9999-12-31 23:59:59 6 365"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.parts);
        COleDateTime t(c.y, c.mo, c.d, c.h, c.mi, c.s);
        EXPECT_EQ(t.GetStatus(), COleDateTime::valid);
        EXPECT_DOUBLE_EQ(t.m_dt, c.dt);
        EXPECT_EQ(Parts(COleDateTime(c.dt)), c.parts);
    }
    // Between -1 and 0 the day is 30 December again.
    EXPECT_EQ(Parts(COleDateTime(-0.5)), "1899-12-30 12:00:00 7 364");
}

TEST(COleDateTime, LeapYears) {
    COleDateTime t;
    EXPECT_EQ(t.SetDate(1900, 2, 29), 1);
    EXPECT_EQ(t.SetDate(2100, 2, 29), 1);
    EXPECT_EQ(t.SetDate(2000, 2, 29), 0);
    EXPECT_EQ(Parts(t + COleDateTimeSpan(1, 0, 0, 0)), "2000-03-01 00:00:00 4 61");
    EXPECT_EQ(COleDateTime(2000, 12, 31, 0, 0, 0).GetDayOfYear(), 366);
}

TEST(COleDateTime, RoundsToTheNearestSecond) {
    EXPECT_EQ(Parts(COleDateTime(0.99999999)), "1899-12-31 00:00:00 1 365");
    const DATE day = COleDateTime(2024, 3, 5, 0, 0, 0).m_dt;
    EXPECT_EQ(Parts(COleDateTime(day + 86399.4 / 86400)), "2024-03-05 23:59:59 3 65");
    EXPECT_EQ(Parts(COleDateTime(day + 86399.6 / 86400)), "2024-03-06 00:00:00 4 66");
    // Negative dates round in time as well: their fraction counts forward.
    EXPECT_EQ(Parts(COleDateTime(-1.0 - 86399.4 / 86400)), "1899-12-29 23:59:59 6 363");
    EXPECT_EQ(Parts(COleDateTime(-0.99999999)), "1899-12-31 00:00:00 1 365");
    EXPECT_EQ(Parts(COleDateTime(-1.99999999)), "1899-12-30 00:00:00 7 364");
}

TEST(COleDateTime, OutOfRangeComponentsAreInvalid) {
    const int bad[][6] = {{99, 12, 31, 0, 0, 0},   {10000, 1, 1, 0, 0, 0}, {2024, 0, 1, 0, 0, 0},
                          {2024, 13, 1, 0, 0, 0},  {2024, 4, 31, 0, 0, 0}, {2024, 1, 0, 0, 0, 0},
                          {2024, 1, 1, 24, 0, 0},  {2024, 1, 1, 0, 60, 0}, {2024, 1, 1, 0, 0, 60},
                          {2024, 1, 1, -1, 0, 0}};
    for (const auto& b : bad) {
        COleDateTime t;
        EXPECT_EQ(t.SetDateTime(b[0], b[1], b[2], b[3], b[4], b[5]), 1) << b[0] << "-" << b[1] << "-" << b[2];
        EXPECT_EQ(t.GetStatus(), COleDateTime::invalid);
        EXPECT_EQ(Parts(t), kAllBad);
    }
    EXPECT_EQ(COleDateTime().SetTime(23, 59, 60), 1);

    // A valid status does not make a date outside the years 100 to 9999 readable.
    for (DATE dt : {-657435.0, 2958466.0, double(NAN), double(INFINITY), 1e300})
        EXPECT_EQ(Parts(COleDateTime(dt)), kAllBad) << dt;
    COleDateTime n;
    n.SetStatus(COleDateTime::null);
    EXPECT_EQ(Parts(n), kAllBad);
    EXPECT_EQ(n.Format("%Y"), "");
}

TEST(COleDateTime, FromTimeTInLocalTime) {
    struct tm local {};
    local.tm_year = 2024 - 1900, local.tm_mon = 2, local.tm_mday = 5;
    local.tm_hour = 13, local.tm_min = 7, local.tm_sec = 9, local.tm_isdst = -1;
    EXPECT_EQ(COleDateTime(mktime(&local)), COleDateTime(2024, 3, 5, 13, 7, 9));
}

TEST(COleDateTime, ArithmeticOrderAndStatusAcrossNegativeDates) {
    const COleDateTime morning(1899, 12, 29, 6, 0, 0);   // -1.25
    const COleDateTime evening(1899, 12, 29, 18, 0, 0);  // -1.75
    EXPECT_TRUE(morning < evening);
    EXPECT_DOUBLE_EQ((evening - morning).m_span, 0.5);
    EXPECT_EQ(morning + COleDateTimeSpan(0, 12, 0, 0), evening);
    EXPECT_EQ(Parts(evening + COleDateTimeSpan(0, 12, 0, 0)), "1899-12-30 06:00:00 7 364");
    COleDateTime t(1900, 1, 1, 0, 0, 0);
    t -= COleDateTimeSpan(2, 6, 0, 0);
    EXPECT_EQ(Parts(t), "1899-12-29 18:00:00 6 363");

    // Leaving the years 100 to 9999 makes the result invalid.
    EXPECT_EQ((COleDateTime(9999, 12, 31, 0, 0, 0) + COleDateTimeSpan(1.0)).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ((COleDateTime(100, 1, 1, 0, 0, 0) - COleDateTimeSpan(0, 0, 0, 1)).GetStatus(), COleDateTime::invalid);

    // An invalid operand makes the result invalid, a null one null; neither compares.
    COleDateTime bad, none;
    bad.SetStatus(COleDateTime::invalid);
    none.SetStatus(COleDateTime::null);
    COleDateTimeSpan badSpan, noSpan;
    badSpan.SetStatus(COleDateTimeSpan::invalid);
    noSpan.SetStatus(COleDateTimeSpan::null);
    EXPECT_EQ((morning + badSpan).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ((bad + noSpan).GetStatus(), COleDateTime::null);  // null wins
    EXPECT_EQ((morning - bad).GetStatus(), COleDateTimeSpan::invalid);
    EXPECT_EQ((none - bad).GetStatus(), COleDateTimeSpan::null);
    EXPECT_EQ((COleDateTimeSpan(1.0) + badSpan).GetStatus(), COleDateTimeSpan::invalid);
    EXPECT_FALSE(bad == bad);
    EXPECT_TRUE(none == none);
    EXPECT_FALSE(bad < morning || bad > morning || bad <= morning || bad >= morning);
}

TEST(COleDateTimeSpan, UnitsAndRange) {
    COleDateTimeSpan s(3, 1, 5, 12);
    EXPECT_TRUE(s.GetTotalHours() == 73 && s.GetTotalSeconds() == 263112 && s.GetMinutes() == 5);
    COleDateTimeSpan n = -s;
    EXPECT_TRUE(n.GetDays() == -3 && n.GetHours() == -1 && n.GetSeconds() == -12 && n.GetTotalHours() == -73);

    // A span a hair short of a minute reads as the whole minute.
    COleDateTimeSpan almost(59.9999 / 86400);
    EXPECT_TRUE(almost.GetMinutes() == 1 && almost.GetSeconds() == 0);
    for (const COleDateTimeSpan& bad : {s / 0.0, COleDateTimeSpan(4000000.0), COleDateTimeSpan(NAN),
                                        COleDateTimeSpan(3000000.0) + COleDateTimeSpan(3000000.0)})
        EXPECT_EQ(bad.GetStatus(), COleDateTimeSpan::invalid);
}

TEST(COleDateTime, FormatCodes) {
    const COleDateTime t(2024, 3, 5, 13, 7, 9);
    EXPECT_EQ(t.Format("%d/%m/%Y %H:%M:%S %I %p"), "05/03/2024 13:07:09 01 PM");
    EXPECT_EQ(t.Format("%a %A %b %B %j %w %y %U %W"), "Tue Tuesday Mar March 065 2 24 09 10");
    EXPECT_EQ(t.Format("100%% at %#d/%#m %#H:%#M"), "100% at 5/3 13:7");
    EXPECT_EQ(t.Format("%c|%x|%X"), "03/05/24 13:07:09|03/05/24|13:07:09");
    EXPECT_EQ(t.Format("%#x|%#c"), "Tuesday, March 5, 2024|Tuesday, March 5, 2024, 13:07:09");
    EXPECT_EQ(t.Format("%Q %#Q tail%"), "%Q %#Q tail");  // unknown codes stay, a lone % goes
    EXPECT_EQ(COleDateTime(2024, 3, 5, 0, 30, 0).Format("%I:%M %p"), "12:30 AM");
    EXPECT_EQ(COleDateTime(100, 1, 1, 0, 0, 0).Format("%Y %y"), "100 00");
    EXPECT_EQ(COleDateTime(-1.25).Format("%d/%m/%Y %H:%M"), "29/12/1899 06:00");
    EXPECT_EQ(t.Format(static_cast<LPCTSTR>(nullptr)), "");
}

TEST(AfxParseOleDateText, AcceptedFormsAndWhatFormatWrites) {
    struct Case { const char* text; DWORD flags; const char* parts; } cases[] = {
        {"05/03/2024", 0, "2024-03-05 00:00:00 3 65"},
        {"  5/3/2024 13:07 ", 0, "2024-03-05 13:07:00 3 65"},
        {"31-12-29", 0, "2029-12-31 00:00:00 2 365"},
        {"01/01/30", 0, "1930-01-01 00:00:00 4 1"},
        {"2024/03/05 1:07 pm", 0, "2024-03-05 13:07:00 3 65"},
        {"29/12/1899 06:00", 0, "1899-12-29 06:00:00 6 363"},
        {"13:07", 0, "1899-12-30 13:07:00 7 364"},
        {"05/03/2024 13:07", VAR_DATEVALUEONLY, "2024-03-05 00:00:00 3 65"},
        {"05/03/2024 13:07", VAR_TIMEVALUEONLY, "1899-12-30 13:07:00 7 364"},
    };
    for (const Case& c : cases) {
        DATE dt = -99;
        EXPECT_EQ(AfxParseOleDateText(c.text, c.flags, &dt), S_OK) << c.text;
        EXPECT_EQ(Parts(COleDateTime(dt)), c.parts) << c.text;
    }
    // It reads what Format writes, over the whole range.
    for (DATE dt : {-657434.0, -1.75, -1.25, 0.0, 0.5, 2.0, 61.0, 36585.0, 45356.9993, 2958465.5}) {
        const COleDateTime t(dt);
        DATE back = 0;
        ASSERT_EQ(AfxParseOleDateText(t.Format("%d/%m/%Y %H:%M:%S"), 0, &back), S_OK) << dt;
        EXPECT_EQ(Parts(COleDateTime(back)), Parts(t)) << dt;
    }
}

TEST(AfxParseOleDateText, RejectedTexts) {
    for (const char* text : {"", "   ", "abc", "05/03", "05/03/", "32/01/2024", "29/02/1900", "00/03/2024",
                             "05/03-2024", "05/03/2024x", "05/03/2024 25:00", "05/03/2024 13:", "12:60", "13:00 PM",
                             "0:30 AM", "1:2:3:4", "005/03/2024", "05/03/123456", "2024-3-5-1", "-1/3/2024"}) {
        DATE dt = -99;
        EXPECT_EQ(AfxParseOleDateText(text, 0, &dt), DISP_E_TYPEMISMATCH) << text;
        EXPECT_EQ(dt, 0.0) << text;
    }
    DATE dt = 0;
    EXPECT_EQ(AfxParseOleDateText("1/1/10000", 0, &dt), DISP_E_OVERFLOW);
    EXPECT_EQ(AfxParseOleDateText("1/1/099", 0, &dt), DISP_E_OVERFLOW);
    EXPECT_EQ(AfxParseOleDateText(nullptr, 0, &dt), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(AfxParseOleDateText("1/1/2000", 0, nullptr), E_INVALIDARG);
}

#ifndef _WIN32
// The native build parses and writes its default text without a locale.
TEST(COleDateTime, NativeParseAndDefaultFormat) {
    COleDateTime t;
    EXPECT_TRUE(t.ParseDateTime("05/03/2024 13:07", 0, LOCALE_USER_DEFAULT));
    EXPECT_EQ(t, COleDateTime(2024, 3, 5, 13, 7, 0));
    EXPECT_EQ(t.Format(), "03/05/2024 13:07:00");
    EXPECT_EQ(t.Format(VAR_DATEVALUEONLY, LOCALE_USER_DEFAULT), "03/05/2024");
    EXPECT_EQ(COleDateTime(0.5).Format(), "12:00:00");
    EXPECT_EQ(COleDateTime(0.0).Format(), "12/30/1899");

    EXPECT_FALSE(t.ParseDateTime("31/02/2024"));
    EXPECT_TRUE(t.GetStatus() == COleDateTime::invalid && t.m_dt == 0.0);
    EXPECT_FALSE(t.ParseDateTime("1/1/10000"));
    EXPECT_EQ(t.m_dt, -1.0);
}
#endif
