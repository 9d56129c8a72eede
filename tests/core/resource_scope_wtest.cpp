#include "core/resource_scope.h"

#include "core/aux_data.h"

#include <gtest/gtest.h>

namespace {

// The framework tests' resource module stands in for the companion; string
// 4242 is only there.
const char kStandIn[] = "kxtest_res.dll";

class ResourceScope : public ::testing::Test {
protected:
    void TearDown() override { CKXResourceScope::SetCompanionFileName(nullptr); }
};

TEST_F(ResourceScope, SwitchesToTheCompanionAndBack) {
    const HINSTANCE hBefore = AfxGetResourceHandle();
    CKXResourceScope::SetCompanionFileName(kStandIn);
    {
        CKXResourceScope scope;
        ASSERT_TRUE(scope.IsCompanionLoaded());
        EXPECT_EQ(::GetModuleHandleA(kStandIn), AfxGetResourceHandle());
        char sz[64] = "";
        EXPECT_GT(::LoadStringA(AfxGetResourceHandle(), 4242, sz, sizeof sz), 0);
        {
            CKXResourceScope inner;  // nested scopes restore in turn
            EXPECT_EQ(::GetModuleHandleA(kStandIn), AfxGetResourceHandle());
        }
        EXPECT_EQ(::GetModuleHandleA(kStandIn), AfxGetResourceHandle());
    }
    EXPECT_EQ(hBefore, AfxGetResourceHandle());
}

TEST_F(ResourceScope, MissingCompanionChangesNothingQuietly) {
    const HINSTANCE hBefore = AfxGetResourceHandle();
    CKXResourceScope::SetCompanionFileName("KXRes_not_installed.dll");
    {
        CKXResourceScope scope;
        EXPECT_FALSE(scope.IsCompanionLoaded());
        EXPECT_EQ(hBefore, AfxGetResourceHandle());
    }
    EXPECT_EQ(hBefore, AfxGetResourceHandle());
    // The shared data does not depend on the companion.
    CKXAuxData& d = CKXAuxData::Get();
    d.LoadSysCursors();
    d.LoadSysFonts();
    EXPECT_NE(nullptr, d.hcurHand);
    EXPECT_NE(nullptr, d.fontBar.GetSafeHandle());
}

TEST_F(ResourceScope, DefaultNameIsTheCompanion) {
    EXPECT_STREQ("KXRes.dll", CKXResourceScope::GetCompanionFileName());
}

}  // namespace
