#include "core/transition.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<CRect> Sources(const CKXTransition& t) {
    std::vector<CRect> v;
    for (int i = 0; i < t.GetCount(); ++i) v.push_back(t.GetFrame(i).rcSource);
    return v;
}

TEST(AnimationType, SystemSettingAndRandomChoice) {
    EXPECT_EQ(0, KXResolveAnimationType(KX_ANIMATION_SYSTEM, 0, 0));
    EXPECT_EQ(0, KXResolveAnimationType(KX_ANIMATION_SYSTEM, KX_UPM_MENUFADE, 0));  // fade needs animation on
    EXPECT_EQ(KX_ANIMATION_SLIDE, KXResolveAnimationType(KX_ANIMATION_SYSTEM, 0x80000002, 0));
    EXPECT_EQ(KX_ANIMATION_FADE, KXResolveAnimationType(KX_ANIMATION_SYSTEM, 0x202, 0));
    EXPECT_EQ(KX_ANIMATION_FADE, KXResolveAnimationType(KX_ANIMATION_RANDOM, 0, 0));
    EXPECT_EQ(KX_ANIMATION_SLIDE, KXResolveAnimationType(KX_ANIMATION_RANDOM, 0, 4));
    EXPECT_EQ(KX_ANIMATION_UNFOLD, KXResolveAnimationType(KX_ANIMATION_RANDOM, 0, 0xFFFFFFFE));
    EXPECT_EQ(7, KXResolveAnimationType(7, 0, 0));
}

TEST(Transition, UnfoldGrowsFromTheCorner) {
    EXPECT_EQ((std::vector<CRect>{{0, 0, 33, 6}, {0, 0, 66, 13}, {0, 0, 100, 20}}),
              Sources(CKXTransition(KX_ANIMATION_UNFOLD, 100, 20, 3)));
    EXPECT_EQ((std::vector<CRect>{{0, 0, 7, 5}}), Sources(CKXTransition(KX_ANIMATION_UNFOLD, 7, 5, 1)));
}

TEST(Transition, SlideShowsGrowingStripsOfTheBottom) {
    // h 10, 4 steps: increment 10/4 + 1 = 3; shown 0, 3, 6, 9.
    EXPECT_EQ((std::vector<CRect>{{0, 10, 8, 10}, {0, 7, 8, 10}, {0, 4, 8, 10}, {0, 1, 8, 10}}),
              Sources(CKXTransition(KX_ANIMATION_SLIDE, 8, 10, 4)));
    // One step: increment h + 1, so a single empty frame.
    EXPECT_EQ((std::vector<CRect>{{0, 10, 8, 10}}), Sources(CKXTransition(KX_ANIMATION_SLIDE, 8, 10, 1)));
    // More steps than rows: one row a frame.
    EXPECT_EQ(3, CKXTransition(KX_ANIMATION_SLIDE, 8, 3, 50).GetCount());
    EXPECT_EQ(0, CKXTransition(KX_ANIMATION_SLIDE, 8, 0, 5).GetCount());
}

TEST(Transition, FadeFramesLeaveOutTheFinishedPicture) {
    const CKXTransition fade(KX_ANIMATION_FADE, 4, 4, 4);
    ASSERT_EQ(3, fade.GetCount());
    EXPECT_TRUE(fade.GetFrame(0).nAlpha == 63 && fade.GetFrame(1).nAlpha == 127 && fade.GetFrame(2).nAlpha == 191);
    EXPECT_EQ(0, CKXTransition(KX_ANIMATION_FADE, 4, 4, 1).GetCount());
}

TEST(Transition, NoFramesWithoutStepsOrForUnknownTypes) {
    for (int nType : {KX_ANIMATION_UNFOLD, KX_ANIMATION_SLIDE, KX_ANIMATION_FADE}) {
        EXPECT_EQ(0, CKXTransition(nType, 10, 10, 0).GetCount());
        EXPECT_EQ(0, CKXTransition(nType, 10, 10, -3).GetCount());
    }
    EXPECT_EQ(0, CKXTransition(5, 10, 10, 10).GetCount());
    // A huge step count is computed per frame, not stored.
    const CKXTransition many(KX_ANIMATION_UNFOLD, 1000, 1000, 0x7FFFFFFF);
    EXPECT_EQ(0x7FFFFFFF, many.GetCount());
    EXPECT_EQ(CRect(0, 0, 1000, 1000), many.GetFrame(0x7FFFFFFE).rcSource);
}

TEST(FadeMix, WeighsOldAndNewPerChannel) {
    const DWORD old[2] = {0x00FFFFFF, 0xFF102030}, pic[2] = {0x00000000, 0x00302010};
    DWORD frame[2] = {};
    KXMixFadeFrame(old, pic, frame, 2, 0);
    EXPECT_EQ(0x00FEFEFEu, frame[0]);  // 255 * 255 >> 8
    KXMixFadeFrame(old, pic, frame, 2, 128);
    EXPECT_EQ(0x007E7E7Eu, frame[0]);  // 255 * 127 >> 8
    EXPECT_EQ((((0x10 * 127 + 0x30 * 128) >> 8) << 16 | ((0x20 * 127 + 0x20 * 128) >> 8) << 8 |
               ((0x30 * 127 + 0x10 * 128) >> 8)),
              frame[1]);
}

}  // namespace
