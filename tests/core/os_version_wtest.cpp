#include "core/os_version.h"

#include "core/aux_data.h"

#include <gtest/gtest.h>

namespace {

// The naming rules are tested on plain version numbers; here the record
// itself and the running system.
TEST(CKXOSVersionInfo, RecordsCopyWholeAndTheRunningSystemAgreesWithTheSharedFlags) {
    OSVERSIONINFOA info = {};
    info.dwPlatformId = 1;
    info.dwMajorVersion = 4;
    CKXOSVersionInfo a(info);
    info.dwPlatformId = 2;
    info.dwMajorVersion = 5;
    lstrcpyA(info.szCSDVersion, "Service Pack 2");
    a = CKXOSVersionInfo(info);
    EXPECT_TRUE(a.IsWin2K());
    EXPECT_STREQ("Service Pack 2", a.szCSDVersion);
    EXPECT_EQ(148u, a.dwOSVersionInfoSize);

    const CKXOSVersionInfo& os = CKXOSVersionInfo::Get();
    EXPECT_EQ(148u, os.dwOSVersionInfoSize);
    EXPECT_TRUE(os.IsWinNT4OrGreater());
    CKXAuxData& d = CKXAuxData::Get();
    EXPECT_EQ(os.IsWin95(), d.bWin95 != FALSE);
    EXPECT_EQ(os.IsWin98(), d.bWin98 != FALSE);
    EXPECT_EQ(os.IsWinNT4(), d.bWinNT4 != FALSE);
    EXPECT_EQ(os.IsWin2K(), d.bWin2K != FALSE);
    EXPECT_EQ(os.IsWinXP(), d.bWinXP != FALSE);
}

}  // namespace
