// CTime and CTimeSpan: local components round trip, UTC formatting,
// arithmetic, span formatting, FILETIME and DOS forms, and the archive form.
#include "base/carchive.h"
#include "base/cmemfile.h"
#include "base/ctime.h"
#include "support/assert_capture.h"

#include <gtest/gtest.h>

#include <vector>

TEST(CTime, ComponentsRoundTripAndArithmeticMovesBySeconds) {
    const CTime t(2024, 2, 29, 13, 5, 9);
    EXPECT_EQ(t.GetYear(), 2024);
    EXPECT_EQ(t.GetMonth(), 2);
    EXPECT_EQ(t.GetDay(), 29);
    EXPECT_EQ(t.GetHour(), 13);
    EXPECT_EQ(t.GetMinute(), 5);
    EXPECT_EQ(t.GetSecond(), 9);
    EXPECT_EQ(t.GetDayOfWeek(), 5);  // a Thursday
    EXPECT_EQ(t.Format("%Y-%m-%d %H:%M:%S"), "2024-02-29 13:05:09");

    const CTime later = t + CTimeSpan(1, 10, 55, 1);
    EXPECT_EQ((later - t).GetTotalSeconds(), 86400 + 10 * 3600 + 55 * 60 + 1);
    EXPECT_EQ(later - CTimeSpan(1, 10, 55, 1), t);
    EXPECT_TRUE(later > t && t <= t && t != later);

    EXPECT_EQ(CTime(0).FormatGmt("%Y-%m-%d %H:%M:%S"), "1970-01-01 00:00:00");
    EXPECT_EQ(CTime(951782400).FormatGmt("%A %d %B %Y"), "Tuesday 29 February 2000");

    // A DOS date and time: 2001-02-03 04:05:06 (seconds in steps of two).
    const CTime dos(static_cast<WORD>((21 << 9) | (2 << 5) | 3), static_cast<WORD>((4 << 11) | (5 << 5) | 3));
    EXPECT_EQ(dos.Format("%Y-%m-%d %H:%M:%S"), "2001-02-03 04:05:06");

    CTime bad(0);
    EXPECT_ASSERTS(bad = CTime(2024, 13, 1, 0, 0, 0));
    EXPECT_EQ(bad.GetTime(), -1);
}

TEST(CTime, SpansSplitIntoUnitsAndFormat) {
    const CTimeSpan span(3, 4, 5, 6);
    EXPECT_EQ(span.GetDays(), 3);
    EXPECT_EQ(span.GetHours(), 4);
    EXPECT_EQ(span.GetTotalHours(), 76);
    EXPECT_EQ(span.GetMinutes(), 5);
    EXPECT_EQ(span.GetSeconds(), 6);
    EXPECT_EQ(span.Format("%D days %H:%M:%S, 100%%"), "3 days 04:05:06, 100%");
    const CTimeSpan back(-90);
    EXPECT_EQ(back.GetMinutes(), -1);
    EXPECT_EQ(back.GetSeconds(), -30);
    EXPECT_EQ((span + back) - span, back);
}

TEST(CTime, FileTimesAndArchives) {
    FILETIME ft;
    ASSERT_TRUE(AfxTimeToFileTime(CTime(1), &ft));
    EXPECT_EQ((static_cast<ULONGLONG>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime, 116444736010000000ULL);
    EXPECT_EQ(CTime(ft).GetTime(), 1);
    EXPECT_FALSE(AfxTimeToFileTime(CTime(), &ft));  // the null time has no file time
    FILETIME old = {0, 0};
    EXPECT_FALSE(CTime::IsValidFILETIME(old));

    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << CTime(0x0102030405060708LL) << CTimeSpan(-2);
    }
    std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    EXPECT_EQ(bytes, (std::vector<BYTE>{8, 7, 6, 5, 4, 3, 2, 1, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    CTime t;
    CTimeSpan s;
    ar >> t >> s;
    EXPECT_EQ(t.GetTime(), 0x0102030405060708LL);
    EXPECT_EQ(s.GetTotalSeconds(), -2);
}
