// Version information read from real binaries: the library itself (built
// with a known version resource) and modules without one.
#include "util/version_info.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string ModulePath(const char* module) {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(module ? ::GetModuleHandleA(module) : nullptr, path, MAX_PATH);
    return path;
}

std::string BesideExe(const char* name) {
    std::string exe = ModulePath(nullptr);
    return exe.substr(0, exe.find_last_of("\\/") + 1) + name;
}

}  // namespace

TEST(KXVersionInfoRead, LibraryResource) {
    const std::string kx = ModulePath("KX.dll");
    ASSERT_FALSE(kx.empty());
    CKXVersionInfo v;
    ASSERT_TRUE(v.ReadVersionInfo(kx.c_str()));
    EXPECT_EQ(v.m_FixedInfo.dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(v.GetFixedFileVersion(), "1,0,2006,815");
    EXPECT_EQ(v.GetFixedFileOS(), "Win32 API on Windows NT");
    EXPECT_EQ(v.GetFixedFileType(), "Dynamic link library");
    EXPECT_EQ(v.GetLangCharset(), 0x04E40409u);  // the first translation
    EXPECT_EQ(v.m_strOriginalFileName, "KX.dll");
    EXPECT_EQ(v.m_strComments, "");  // not in the resource

    EXPECT_FALSE(v.GetDynamicInfo(1U));  // only one translation
    EXPECT_TRUE(v.GetDynamicInfo(static_cast<WORD>(0x0407), static_cast<WORD>(1252)));
    EXPECT_EQ(v.m_strCompanyName, "");  // no German strings
    EXPECT_EQ(v.m_wLang, 0x0407);

    // Copies carry the raw resource, so they can query it themselves.
    CKXVersionInfo copy(v);
    EXPECT_TRUE(copy.GetDynamicInfo(0U));
    EXPECT_EQ(copy.m_strProductName, "KX");
    CKXVersionInfo assigned;
    assigned = copy;
    EXPECT_TRUE(assigned.GetFixedFileInfo() && assigned.GetFixedFileVersion() == "1,0,2006,815");
}

TEST(KXVersionInfoRead, BinariesWithoutAResourceLeaveEverythingCleared) {
    for (const std::string& path : {BesideExe("kxtest_res.dll"), ModulePath(nullptr), BesideExe("missing.dll")}) {
        CKXVersionInfo v(ModulePath("KX.dll").c_str());
        ASSERT_FALSE(v.m_strCompanyName.IsEmpty());
        EXPECT_FALSE(v.ReadVersionInfo(path.c_str())) << path;
        EXPECT_EQ(v.m_FixedInfo.dwSignature, 0u) << path;
        EXPECT_EQ(v.GetFixedFileVersion(), "0,0,0,0") << path;
        EXPECT_EQ(v.m_strCompanyName, "") << path;
        EXPECT_EQ(v.GetLangCharset(), 0u) << path;
        EXPECT_FALSE(v.GetFixedFileInfo()) << path;
        EXPECT_FALSE(v.GetDynamicInfo(0U)) << path;
    }
}
