#include "core/mem_dc.h"

#include <cstdlib>
#include <cstring>

IMPLEMENT_DYNAMIC(CKXMemDC, CDC)
IMPLEMENT_DYNAMIC(CKXAnimationMemDC, CKXMemDC)

KX_ANIMATIONPROC CKXAnimationMemDC::m_pCustomAnimation = nullptr;

// --- CKXMemDC -------------------------------------------------------------

CKXMemDC::CKXMemDC(CDC* pDC, const CRect& rect, COLORREF clrBk) : m_pDC(pDC), m_rect(rect) {
    if (!pDC || !pDC->GetSafeHdc()) return;
    if (m_rect.IsRectEmpty()) pDC->GetClipBox(&m_rect);
    if (m_rect.IsRectEmpty() || !CreateCompatibleDC(pDC)) return;
    SetMapMode(pDC->GetMapMode());
    if (!m_bitmap.CreateCompatibleBitmap(pDC, m_rect.Width(), m_rect.Height())) {
        DeleteDC();
        return;
    }
    m_pOldBitmap = SelectObject(&m_bitmap);
    if (clrBk != KX_MEMDC_NOBACKGROUND) FillSolidRect(0, 0, m_rect.Width(), m_rect.Height(), clrBk);
    m_bValid = TRUE;
}

CKXMemDC::~CKXMemDC() {
    if (!GetSafeHdc()) return;
    if (m_bValid)
        m_pDC->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), this, 0, 0, SRCCOPY);
    SelectObject(m_pOldBitmap);
    m_bitmap.DeleteObject();
    DeleteDC();
}

void CKXMemDC::FromDC() {
    if (m_bValid) BitBlt(0, 0, m_rect.Width(), m_rect.Height(), m_pDC, m_rect.left, m_rect.top, SRCCOPY);
}

// --- transitions ----------------------------------------------------------

DWORD KXGetUserPreferencesMask() {
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_QUERY_VALUE, &hKey) != ERROR_SUCCESS)
        return 0;
    BYTE abValue[64] = {};
    DWORD cbValue = sizeof abValue, dwType = 0;
    const LONG lResult = ::RegQueryValueExA(hKey, "UserPreferencesMask", nullptr, &dwType, abValue, &cbValue);
    ::RegCloseKey(hKey);
    if (lResult != ERROR_SUCCESS) return 0;
    DWORD dwMask = 0;
    std::memcpy(&dwMask, abValue, sizeof dwMask);  // a shorter value leaves zeros
    return dwMask;
}

CKXAnimationMemDC::CKXAnimationMemDC(CDC* pDC, const CRect& rect, COLORREF clrBk) : CKXMemDC(pDC, rect, clrBk) {}

CKXAnimationMemDC::~CKXAnimationMemDC() = default;

void CKXAnimationMemDC::SetCustomAnimation(KX_ANIMATIONPROC pfnAnimation) { m_pCustomAnimation = pfnAnimation; }

void CKXAnimationMemDC::Animate(int nType, int nSteps, int nTimeMs) {
    if (!m_bValid || nSteps < 1) return;
    const DWORD dwMask = nType == KX_ANIMATION_SYSTEM ? KXGetUserPreferencesMask() : 0;
    nType = KXResolveAnimationType(nType, dwMask, static_cast<unsigned>(std::rand()));
    if (nType == 0) return;
    if (m_pCustomAnimation)
        m_pCustomAnimation(m_rect, m_pDC, this, nType, nSteps, nTimeMs);
    else
        DefaultAnimation(m_rect, m_pDC, this, nType, nSteps, nTimeMs);
}

namespace {

// A 32-bit top-down section selected into its own memory context.
class CKXDibFrame {
public:
    CKXDibFrame(CDC* pCompatible, int cx, int cy) {
        BITMAPINFO bmi = {};
        bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), cx, -cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* pvBits = nullptr;
        m_hBitmap = ::CreateDIBSection(pCompatible->GetSafeHdc(), &bmi, DIB_RGB_COLORS, &pvBits, nullptr, 0);
        m_pBits = static_cast<DWORD*>(pvBits);
        if (m_hBitmap && m_dc.CreateCompatibleDC(pCompatible)) m_hOld = ::SelectObject(m_dc.GetSafeHdc(), m_hBitmap);
    }
    ~CKXDibFrame() {
        if (m_hOld) ::SelectObject(m_dc.GetSafeHdc(), m_hOld);
        if (m_hBitmap) ::DeleteObject(m_hBitmap);
    }
    CKXDibFrame(const CKXDibFrame&) = delete;
    CKXDibFrame& operator=(const CKXDibFrame&) = delete;

    BOOL IsValid() const { return m_hOld != nullptr && m_pBits != nullptr; }
    CDC* GetDC() { return &m_dc; }
    DWORD* GetBits() { return m_pBits; }

private:
    CDC m_dc;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOld = nullptr;
    DWORD* m_pBits = nullptr;
};

void Fade(const CRect& rect, CDC* pDestDC, CDC* pSrcDC, const CKXTransition& transition, int nStepMs) {
    const int cx = rect.Width(), cy = rect.Height();
    CKXDibFrame newPicture(pDestDC, cx, cy), oldPicture(pDestDC, cx, cy), frame(pDestDC, cx, cy);
    if (!newPicture.IsValid() || !oldPicture.IsValid() || !frame.IsValid()) return;
    newPicture.GetDC()->BitBlt(0, 0, cx, cy, pSrcDC, 0, 0, SRCCOPY);
    oldPicture.GetDC()->BitBlt(0, 0, cx, cy, pDestDC, rect.left, rect.top, SRCCOPY);
    ::GdiFlush();  // the sections' memory is read directly below
    const size_t nPixels = static_cast<size_t>(cx) * static_cast<size_t>(cy);
    for (int i = 0; i < transition.GetCount(); ++i) {
        const DWORD dwStart = ::GetTickCount();
        KXMixFadeFrame(oldPicture.GetBits(), newPicture.GetBits(), frame.GetBits(), nPixels,
                       transition.GetFrame(i).nAlpha);
        pDestDC->BitBlt(rect.left, rect.top, cx, cy, frame.GetDC(), 0, 0, SRCCOPY);
        const int nSpent = static_cast<int>(::GetTickCount() - dwStart);
        if (nStepMs > nSpent) ::Sleep(static_cast<DWORD>(nStepMs - nSpent));
    }
}

}  // namespace

void CKXAnimationMemDC::DefaultAnimation(CRect rect, CDC* pDestDC, CDC* pSrcDC, int nType, int nSteps, int nTimeMs) {
    if (!pDestDC || !pSrcDC || nSteps < 1 || rect.IsRectEmpty()) return;
    const CKXTransition transition(nType, rect.Width(), rect.Height(), nSteps);
    const int nStepMs = nTimeMs > 0 ? nTimeMs / nSteps : 0;
    if (nType == KX_ANIMATION_FADE) return Fade(rect, pDestDC, pSrcDC, transition, nStepMs);
    for (int i = 0; i < transition.GetCount(); ++i) {
        const CRect rcSource = transition.GetFrame(i).rcSource;
        pDestDC->BitBlt(rect.left, rect.top, rcSource.Width(), rcSource.Height(), pSrcDC, rcSource.left,
                        rcSource.top, SRCCOPY);
        if (nStepMs > 0) ::Sleep(static_cast<DWORD>(nStepMs));
    }
}
