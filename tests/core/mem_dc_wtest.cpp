#include "core/mem_dc.h"

#include "support/capture.h"
#include "support/pixel_assert.h"

#include <gtest/gtest.h>

#include <vector>

using kxtest::Render;

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kWhite = RGB(255, 255, 255);

TEST(CKXMemDC, PresentsOnceAtItsRectangleWhenDestroyed) {
    const auto cap = Render(40, 40, [](HDC hdc) {
        CDC* pDC = CDC::FromHandle(hdc);
        {
            CKXMemDC memDC(pDC, CRect(10, 10, 30, 30), kRed);
            ASSERT_TRUE(memDC.IsValid());
            memDC.SetPixelV(0, 0, kBlue);  // the rectangle's corner
            EXPECT_EQ(kWhite, pDC->GetPixel(10, 10));  // nothing shown yet
        }
        EXPECT_EQ(kBlue, pDC->GetPixel(10, 10));
        // Later drawing on the target is not overwritten by the gone context.
        pDC->SetPixelV(11, 11, kWhite);
    });
    EXPECT_PIXEL(cap, 10, 10, kBlue);
    EXPECT_PIXEL(cap, 12, 12, kRed);
    EXPECT_PIXEL(cap, 29, 29, kRed);
    EXPECT_PIXEL(cap, 11, 11, kWhite);
    EXPECT_PIXEL(cap, 9, 9, kWhite);
    EXPECT_PIXEL(cap, 30, 30, kWhite);
}

TEST(CKXMemDC, DiscardFromDCAndClipBox) {
    const auto cap = Render(40, 40, [](HDC hdc) {
        CDC* pDC = CDC::FromHandle(hdc);
        {
            CKXMemDC memDC(pDC, CRect(0, 0, 10, 10), kRed);
            memDC.Discard();
            EXPECT_FALSE(memDC.IsValid());
        }
        pDC->SetPixelV(21, 21, kBlue);
        {
            // No background: start from the target's pixels.
            CKXMemDC memDC(pDC, CRect(20, 20, 30, 30));
            memDC.FromDC();
            EXPECT_EQ(kBlue, memDC.GetPixel(1, 1));
            memDC.SetPixelV(2, 2, kRed);
        }
        pDC->IntersectClipRect(5, 25, 15, 35);
        CKXMemDC clipped(pDC, CRect(), kBlue);
        EXPECT_EQ(CRect(5, 25, 15, 35), clipped.GetRect());
    });
    EXPECT_RECT_COLOUR(cap, CRect(0, 0, 10, 10), kWhite);
    EXPECT_PIXEL(cap, 20, 20, kWhite);
    EXPECT_PIXEL(cap, 21, 21, kBlue);
    EXPECT_PIXEL(cap, 22, 22, kRed);
    EXPECT_RECT_COLOUR(cap, CRect(5, 25, 15, 35), kBlue);
}

TEST(CKXMemDC, NothingWithoutATarget) {
    CKXMemDC memDC(nullptr, CRect(0, 0, 10, 10), kRed);
    EXPECT_FALSE(memDC.IsValid());
    EXPECT_EQ(nullptr, memDC.GetSafeHdc());
    memDC.FromDC();
}

// --- transitions ------------------------------------------------------------

struct AnimationCall {
    CRect rect;
    CDC* pDest;
    CDC* pSrc;
    int nType, nSteps, nTime;
};
std::vector<AnimationCall> g_calls;

void RecordAnimation(CRect rect, CDC* pDest, CDC* pSrc, int nType, int nSteps, int nTime) {
    g_calls.push_back({rect, pDest, pSrc, nType, nSteps, nTime});
}

// Sets "UserPreferencesMask" for the test and puts the old value back.
class PreferencesMask {
public:
    explicit PreferencesMask(DWORD dwMask) {
        ::RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                          &m_hKey, nullptr);
        m_bHad = ::RegQueryValueExA(m_hKey, "UserPreferencesMask", nullptr, &m_dwType, m_abOld, &m_cbOld) ==
                 ERROR_SUCCESS;
        BYTE abNew[8] = {BYTE(dwMask), BYTE(dwMask >> 8), BYTE(dwMask >> 16), BYTE(dwMask >> 24), 0x12, 0, 0, 0x80};
        ::RegSetValueExA(m_hKey, "UserPreferencesMask", 0, REG_BINARY, abNew, sizeof abNew);
    }
    ~PreferencesMask() {
        if (m_bHad)
            ::RegSetValueExA(m_hKey, "UserPreferencesMask", 0, m_dwType, m_abOld, m_cbOld);
        else
            ::RegDeleteValueA(m_hKey, "UserPreferencesMask");
        ::RegCloseKey(m_hKey);
    }

private:
    HKEY m_hKey = nullptr;
    BOOL m_bHad = FALSE;
    DWORD m_dwType = 0, m_cbOld = 64;
    BYTE m_abOld[64] = {};
};

TEST(CKXAnimationMemDC, TypesReachTheCustomAnimationResolved) {
    CKXAnimationMemDC::SetCustomAnimation(RecordAnimation);
    g_calls.clear();
    Render(40, 40, [](HDC hdc) {
        CDC* pDC = CDC::FromHandle(hdc);
        CKXAnimationMemDC memDC(pDC, CRect(5, 6, 25, 36), kRed);
        memDC.Animate(KX_ANIMATION_UNFOLD, 7, 70);
        memDC.Animate(KX_ANIMATION_RANDOM, 5, 0);
        memDC.Animate(KX_ANIMATION_FADE, 0, 100);  // no steps: no transition
        {
            PreferencesMask off(0x80000000);
            memDC.Animate(KX_ANIMATION_SYSTEM, 5, 0);
        }
        {
            PreferencesMask slide(0x2);
            EXPECT_EQ(0x2u, KXGetUserPreferencesMask());
            memDC.Animate(KX_ANIMATION_SYSTEM, 5, 0);
        }
        {
            PreferencesMask fade(0x202);
            memDC.Animate(KX_ANIMATION_SYSTEM, 5, 0);
        }
        ASSERT_EQ(4u, g_calls.size());
        EXPECT_EQ(CRect(5, 6, 25, 36), g_calls[0].rect);
        EXPECT_TRUE(g_calls[0].pDest == pDC && g_calls[0].pSrc == &memDC);
        EXPECT_TRUE(g_calls[0].nType == KX_ANIMATION_UNFOLD && g_calls[0].nSteps == 7 && g_calls[0].nTime == 70);
        EXPECT_TRUE(g_calls[1].nType >= KX_ANIMATION_UNFOLD && g_calls[1].nType <= KX_ANIMATION_FADE);
        EXPECT_EQ(KX_ANIMATION_SLIDE, g_calls[2].nType);
        EXPECT_EQ(KX_ANIMATION_FADE, g_calls[3].nType);
    });
    CKXAnimationMemDC::SetCustomAnimation(nullptr);
}

// The picture: row y of the off-screen context has blue level 10 * y.
void DrawRows(CDC* pDC, int cx, int cy) {
    for (int y = 0; y < cy; ++y) pDC->FillSolidRect(0, y, cx, 1, RGB(0, 0, 10 * y));
}

TEST(CKXAnimationMemDC, DefaultTransitionsLeaveTheirLastFrame) {
    Render(40, 40, [](HDC hdc) {
        CDC* pDC = CDC::FromHandle(hdc);
        const CRect rect(10, 10, 18, 20);
        {
            CKXAnimationMemDC memDC(pDC, rect);
            DrawRows(&memDC, 8, 10);
            memDC.Animate(KX_ANIMATION_UNFOLD, 4, 0);
            EXPECT_EQ(RGB(0, 0, 90), pDC->GetPixel(17, 19));  // the last frame is whole
            memDC.Discard();
        }
        pDC->FillSolidRect(0, 0, 40, 40, kWhite);
        {
            CKXAnimationMemDC memDC(pDC, rect);
            DrawRows(&memDC, 8, 10);
            memDC.Animate(KX_ANIMATION_SLIDE, 4, 0);
            // Last frame: rows 1..9 of the picture at the top, row 9 still old.
            EXPECT_EQ(RGB(0, 0, 10), pDC->GetPixel(10, 10));
            EXPECT_EQ(RGB(0, 0, 90), pDC->GetPixel(10, 18));
            EXPECT_EQ(kWhite, pDC->GetPixel(10, 19));
            memDC.Discard();
        }
        pDC->FillSolidRect(0, 0, 40, 40, kWhite);
        {
            CKXAnimationMemDC memDC(pDC, rect, RGB(0, 0, 0));
            memDC.Animate(KX_ANIMATION_FADE, 4, 0);
            // Last mixed frame: alpha 191 of black over white.
            EXPECT_EQ(RGB(63, 63, 63), pDC->GetPixel(12, 12));
        }
        EXPECT_EQ(RGB(0, 0, 0), pDC->GetPixel(12, 12));  // then the picture itself
        {
            CKXAnimationMemDC memDC(pDC, rect, kRed);
            memDC.Animate(KX_ANIMATION_FADE, 0, 0);
            memDC.Animate(9, 4, 0);  // unknown type: nothing
            EXPECT_EQ(RGB(0, 0, 0), pDC->GetPixel(12, 12));
        }
        EXPECT_EQ(kRed, pDC->GetPixel(12, 12));
    });
}

}  // namespace
