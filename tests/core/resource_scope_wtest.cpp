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

TEST_F(ResourceScope, SwitchesToTheCompanionAndBackOrStaysWithoutIt) {
    EXPECT_STREQ("KXRes.dll", CKXResourceScope::GetCompanionFileName());  // by default
    const HINSTANCE hBefore = AfxGetResourceHandle();
    CKXResourceScope::SetCompanionFileName(kStandIn);
    {
        CKXResourceScope scope;
        ASSERT_TRUE(scope.IsCompanionLoaded());
        EXPECT_EQ(::GetModuleHandleA(kStandIn), AfxGetResourceHandle());
        {
            CKXResourceScope inner;  // nested scopes restore in turn
            EXPECT_EQ(::GetModuleHandleA(kStandIn), AfxGetResourceHandle());
        }
        EXPECT_EQ(::GetModuleHandleA(kStandIn), AfxGetResourceHandle());
    }
    EXPECT_EQ(hBefore, AfxGetResourceHandle());

    // A missing companion changes nothing, quietly.
    CKXResourceScope::SetCompanionFileName("KXRes_not_installed.dll");
    {
        CKXResourceScope scope;
        EXPECT_FALSE(scope.IsCompanionLoaded());
        EXPECT_EQ(hBefore, AfxGetResourceHandle());
    }
    EXPECT_EQ(hBefore, AfxGetResourceHandle());
    // The shared data does not depend on the companion.
    CKXAuxData::Get().LoadSysCursors();
    EXPECT_NE(nullptr, CKXAuxData::Get().hcurHand);
}

}  // namespace
