// The arithmetic of the animated transitions that present an off-screen
// picture: which transition a request means, and the frames of each one.
#pragma once

#include "base/geometry.h"
#include "base/wintypes.h"

enum {
    KX_ANIMATION_SYSTEM = 0,  // follow the user's menu-animation setting
    KX_ANIMATION_RANDOM = 1,  // one of the three below, at random
    KX_ANIMATION_UNFOLD = 2,  // grows from the top-left corner
    KX_ANIMATION_SLIDE = 3,   // slides down from the top
    KX_ANIMATION_FADE = 4,    // blends from the old picture to the new
};

// Bits of the first word of the user's "UserPreferencesMask".
constexpr DWORD KX_UPM_MENUANIMATION = 0x2;
constexpr DWORD KX_UPM_MENUFADE = 0x200;

// The transition that nType asks for: types 0 and 1 are resolved (0 from the
// preference mask, 1 from nRandom), the others are returned as they are.
// 0 (none) when the system setting turns menu animation off.
int KXResolveAnimationType(int nType, DWORD dwUserPreferencesMask, unsigned nRandom);

// One frame of an unfold or slide: copy rcSource of the new picture to the
// destination's top-left corner.  A fade frame mixes the old and the new
// picture with nAlpha (0..255) instead.
struct KX_TRANSITION_FRAME {
    CRect rcSource;
    int nAlpha;
};

// The frames of one transition of a w x h picture in nSteps steps, computed
// on demand so that a large step count costs no memory.  Types other than
// unfold, slide and fade, and step counts below 1, have no frames.
class CKXTransition {
public:
    CKXTransition(int nType, int cx, int cy, int nSteps);

    int GetCount() const { return m_nCount; }
    KX_TRANSITION_FRAME GetFrame(int nFrame) const;  // nFrame in 0..GetCount()-1

private:
    int m_nType, m_cx, m_cy, m_nSteps;
    int m_nCount = 0;
    int m_nIncrement = 0;  // rows added per frame of a slide
};

// Mixes a fade frame: for nPixels 32-bit pixels, each of blue, green and red
// becomes (old * (255 - nAlpha) + new * nAlpha) >> 8; the fourth byte is 0.
void KXMixFadeFrame(const DWORD* pOld, const DWORD* pNew, DWORD* pFrame, size_t nPixels, int nAlpha);
