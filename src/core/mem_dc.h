// CKXMemDC: an off-screen drawing context over a rectangle of a target
// context.  Drawing at (0, 0) lands at the rectangle's top-left corner; the
// destructor copies the picture to the target in one step, which is what
// makes painting flicker-free.
//
//   void CMyCtrl::OnPaint() {
//       CPaintDC dc(this);
//       CRect rc;
//       GetClientRect(&rc);
//       CKXMemDC memDC(&dc, rc, ::GetSysColor(COLOR_WINDOW));
//       Draw(&memDC);
//   }  // presented here
//
// CKXAnimationMemDC presents the picture with a transition first.
#pragma once

#include "core/transition.h"
#include "win/afxwin.h"

class CKXMemDC : public CDC {
    DECLARE_DYNAMIC(CKXMemDC)
public:
    // An empty rect stands for the target's clip box.  Unless clrBk is
    // KX_MEMDC_NOBACKGROUND the picture starts filled with it; otherwise its
    // content is undefined until drawn (or FromDC).
    CKXMemDC(CDC* pDC, const CRect& rect, COLORREF clrBk = KX_MEMDC_NOBACKGROUND);
    ~CKXMemDC() override;
    CKXMemDC(const CKXMemDC&) = delete;
    CKXMemDC& operator=(const CKXMemDC&) = delete;

    static constexpr COLORREF KX_MEMDC_NOBACKGROUND = 0xFFFFFFFF;

    // Starts the picture from the target's current pixels.
    void FromDC();
    // Drops the picture: the destructor then copies nothing.
    void Discard() { m_bValid = FALSE; }
    CBitmap& GetBitmap() { return m_bitmap; }
    // Whether the context exists and will be presented.
    BOOL IsValid() const { return m_bValid; }
    // The target rectangle (the clip box when an empty one was given).
    const CRect& GetRect() const { return m_rect; }

protected:
    CDC* m_pDC = nullptr;
    BOOL m_bValid = FALSE;
    CRect m_rect;
    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap = nullptr;
};

// The transition hook: (target rectangle, target, off-screen picture whose
// (0, 0) is the rectangle's corner, type, steps, time in milliseconds).
using KX_ANIMATIONPROC = void (*)(CRect rect, CDC* pDestDC, CDC* pSrcDC, int nType, int nSteps, int nTimeMs);

class CKXAnimationMemDC : public CKXMemDC {
    DECLARE_DYNAMIC(CKXAnimationMemDC)
public:
    CKXAnimationMemDC(CDC* pDC, const CRect& rect, COLORREF clrBk = KX_MEMDC_NOBACKGROUND);
    ~CKXAnimationMemDC() override;

    // Shows the picture with transition nType (KX_ANIMATION_...) in nSteps
    // steps over about nTimeMs milliseconds; the destructor then presents
    // the finished picture.  Steps below 1 show no transition.
    void Animate(int nType = KX_ANIMATION_SYSTEM, int nSteps = 10, int nTimeMs = 200);

    // Replaces the default transitions for every later Animate (null: back
    // to the default).
    static void SetCustomAnimation(KX_ANIMATIONPROC pfnAnimation);
    // Unfold, slide and fade; other types draw nothing.
    static void DefaultAnimation(CRect rect, CDC* pDestDC, CDC* pSrcDC, int nType, int nSteps, int nTimeMs);

    static KX_ANIMATIONPROC m_pCustomAnimation;
};

// The first word of the user's "UserPreferencesMask" (0 when unreadable).
DWORD KXGetUserPreferencesMask();
