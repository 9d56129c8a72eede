#include "core/os_version.h"

#include "core/aux_data.h"

#include <gtest/gtest.h>

namespace {

CKXOSVersionInfo Record(DWORD platform, DWORD major, DWORD minor) {
    OSVERSIONINFOA info = {};
    info.dwPlatformId = platform;
    info.dwMajorVersion = major;
    info.dwMinorVersion = minor;
    lstrcpyA(info.szCSDVersion, "Service Pack 2");
    return CKXOSVersionInfo(info);
}

TEST(CKXOSVersionInfo, CraftedRecords) {
    const CKXOSVersionInfo me = Record(1, 4, 90);
    EXPECT_TRUE(me.IsWinME());
    EXPECT_TRUE(me.IsWin98OrGreater());
    EXPECT_FALSE(me.IsWin98());
    EXPECT_STREQ("WinME", me.GetOSName());

    const CKXOSVersionInfo xp = Record(2, 5, 1);
    EXPECT_TRUE(xp.IsWinXP());
    EXPECT_TRUE(xp.IsWin2KOrGreater());
    EXPECT_FALSE(xp.IsWin95OrGreater());
    EXPECT_STREQ("WinXP", xp.GetOSName());

    EXPECT_STREQ("Win95OrGreater", Record(1, 4, 50).GetOSName());
    EXPECT_STREQ("WinNT4 Or Greater", Record(2, 6, 0).GetOSName());
    EXPECT_STREQ("Not Recognized", Record(2, 3, 51).GetOSName());
    EXPECT_STREQ("Win32s", Record(0, 3, 11).GetOSName());
}

TEST(CKXOSVersionInfo, AssignmentCopiesTheWholeRecord) {
    CKXOSVersionInfo a = Record(1, 4, 10);
    const CKXOSVersionInfo b = Record(2, 5, 0);
    a = b;
    EXPECT_TRUE(a.IsWin2K());
    EXPECT_STREQ("Service Pack 2", a.szCSDVersion);
    EXPECT_EQ(148u, a.dwOSVersionInfoSize);
}

TEST(CKXOSVersionInfo, RunningSystemAndSharedFlagsAgree) {
    const CKXOSVersionInfo& os = CKXOSVersionInfo::Get();
    EXPECT_EQ(148u, os.dwOSVersionInfoSize);
    EXPECT_EQ(2u, os.dwPlatformId);
    EXPECT_TRUE(os.IsWinNT4OrGreater());
    CKXAuxData& d = CKXAuxData::Get();
    EXPECT_EQ(os.IsWin95(), d.bWin95 != FALSE);
    EXPECT_EQ(os.IsWin98(), d.bWin98 != FALSE);
    EXPECT_EQ(os.IsWinNT4(), d.bWinNT4 != FALSE);
    EXPECT_EQ(os.IsWin2K(), d.bWin2K != FALSE);
    EXPECT_EQ(os.IsWinXP(), d.bWinXP != FALSE);
}

}  // namespace
