#include "core/transition.h"

#include <algorithm>

int KXResolveAnimationType(int nType, DWORD dwUserPreferencesMask, unsigned nRandom) {
    if (nType == KX_ANIMATION_SYSTEM) {
        if (!(dwUserPreferencesMask & KX_UPM_MENUANIMATION)) return 0;
        return (dwUserPreferencesMask & KX_UPM_MENUFADE) ? KX_ANIMATION_FADE : KX_ANIMATION_SLIDE;
    }
    if (nType == KX_ANIMATION_RANDOM) {
        static const int s_anTypes[3] = {KX_ANIMATION_FADE, KX_ANIMATION_SLIDE, KX_ANIMATION_UNFOLD};
        return s_anTypes[nRandom % 3];
    }
    return nType;
}

CKXTransition::CKXTransition(int nType, int cx, int cy, int nSteps)
    : m_nType(nType), m_cx(std::max(cx, 0)), m_cy(std::max(cy, 0)), m_nSteps(nSteps) {
    if (nSteps < 1) return;
    switch (nType) {
    case KX_ANIMATION_UNFOLD:
        m_nCount = nSteps;
        break;
    case KX_ANIMATION_SLIDE:
        // Frames show 0, inc, 2 inc, ... rows while fewer than the height.
        m_nIncrement = m_cy / nSteps + 1;
        m_nCount = (m_cy + m_nIncrement - 1) / m_nIncrement;
        break;
    case KX_ANIMATION_FADE:
        m_nCount = nSteps - 1;  // the last step is the finished picture
        break;
    default:
        break;
    }
}

KX_TRANSITION_FRAME CKXTransition::GetFrame(int nFrame) const {
    KX_TRANSITION_FRAME frame{CRect(0, 0, m_cx, m_cy), 255};
    const long long k = nFrame + 1LL;
    switch (m_nType) {
    case KX_ANIMATION_UNFOLD:
        frame.rcSource = CRect(0, 0, static_cast<int>(k * m_cx / m_nSteps), static_cast<int>(k * m_cy / m_nSteps));
        break;
    case KX_ANIMATION_SLIDE: {
        // The strip that ends at the picture's bottom, shown at the top.
        const int nShown = static_cast<int>(std::min<long long>(1LL * nFrame * m_nIncrement, m_cy));
        frame.rcSource = CRect(0, m_cy - nShown, m_cx, m_cy);
        break;
    }
    case KX_ANIMATION_FADE:
        frame.nAlpha = static_cast<int>(255 * k / m_nSteps);
        break;
    default:
        break;
    }
    return frame;
}

void KXMixFadeFrame(const DWORD* pOld, const DWORD* pNew, DWORD* pFrame, size_t nPixels, int nAlpha) {
    const DWORD a = static_cast<DWORD>(std::clamp(nAlpha, 0, 255));
    const DWORD b = 255 - a;
    for (size_t i = 0; i < nPixels; ++i) {
        const DWORD o = pOld[i], n = pNew[i];
        const DWORD blue = ((o & 0xFF) * b + (n & 0xFF) * a) >> 8;
        const DWORD green = (((o >> 8) & 0xFF) * b + ((n >> 8) & 0xFF) * a) >> 8;
        const DWORD red = (((o >> 16) & 0xFF) * b + ((n >> 16) & 0xFF) * a) >> 8;
        pFrame[i] = blue | (green << 8) | (red << 16);
    }
}
