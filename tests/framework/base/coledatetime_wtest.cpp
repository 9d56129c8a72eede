#include "base/coledatetime.h"

#include <gtest/gtest.h>

#include <oleauto.h>

#include <cmath>
#include <vector>

namespace {

const LCID kEnglishUS = MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT);
const LCID kEnglishUK = MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_UK), SORT_DEFAULT);

}  // namespace

// Our splitting of a DATE agrees with the platform's, at the edges (negative
// dates, rounding into the next day) and across the whole range.  The weekday
// is left out: Wine reports the previous day's when rounding carries a value
// into the next day.
TEST(COleDateTimeWin, ComponentsMatchThePlatform) {
    std::vector<DATE> dates = {0.0,   0.99999999, 61.0,        -0.5,      -1.25,    -1.75,
                               -0.99999999, -1.99999999, 45356.9999999, -657434.0, 2958465.99998};
    unsigned seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
    while (dates.size() < 5000) {
        const double day = static_cast<double>(next() % 3615899u) - 657434.0;
        const double frac = (next() % 1000000u) / 1000000.0;
        dates.push_back(day < 0 ? day - frac : day + frac);
    }
    int mismatches = 0;
    for (DATE dt : dates) {
        SYSTEMTIME st{};
        ASSERT_TRUE(::VariantTimeToSystemTime(dt, &st)) << dt;
        const COleDateTime t(dt);
        const COleDateTime fromParts(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond);
        DATE platform = 0;
        ::SystemTimeToVariantTime(&st, &platform);
        if (t.GetYear() != st.wYear || t.GetMonth() != st.wMonth || t.GetDay() != st.wDay ||
            t.GetHour() != st.wHour || t.GetMinute() != st.wMinute || t.GetSecond() != st.wSecond ||
            std::fabs(fromParts.m_dt - platform) > 1e-9) {
            if (++mismatches <= 5) ADD_FAILURE() << "differs at " << dt;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(COleDateTimeWin, ParseAndDefaultFormatThroughThePlatformInItsLocale) {
    COleDateTime t;
    EXPECT_TRUE(t.ParseDateTime("05/03/2024 13:07", 0, kEnglishUK));
    EXPECT_EQ(t, COleDateTime(2024, 3, 5, 13, 7, 0));
    EXPECT_TRUE(t.ParseDateTime("13:07", 0, LOCALE_USER_DEFAULT));
    EXPECT_EQ(t, COleDateTime(1899, 12, 30, 13, 7, 0));
    EXPECT_FALSE(t.ParseDateTime("not a date"));
    EXPECT_TRUE(t.GetStatus() == COleDateTime::invalid && t.m_dt == 0.0);
    EXPECT_EQ(t.Format(), "Invalid DateTime");
    EXPECT_FALSE(t.ParseDateTime(nullptr));

    t = COleDateTime(2024, 3, 5, 13, 7, 9);
    EXPECT_EQ(t.Format(0, kEnglishUS), "3/5/2024 1:07:09 PM");
    EXPECT_EQ(t.Format(VAR_DATEVALUEONLY, kEnglishUS), "3/5/2024");
    EXPECT_EQ(COleDateTime(2024, 3, 5, 0, 0, 0).Format(0, kEnglishUS), "3/5/2024");
    t.SetStatus(COleDateTime::null);
    EXPECT_EQ(t.Format(), "");
}
