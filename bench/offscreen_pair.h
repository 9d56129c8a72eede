// Two off-screen contexts of one size, compatible with the screen: the
// target a control paints into, and the source of the one BitBlt that is the
// floor of any double-buffered paint of the same area.
#pragma once

#include "bench_harness.h"

#include "win/afxwin.h"

namespace kxbench {

class OffscreenPair {
public:
    OffscreenPair(int cx, int cy) : m_cx(cx), m_cy(cy) {
        CClientDC screen(nullptr);
        if (!target.CreateCompatibleDC(&screen) || !source.CreateCompatibleDC(&screen) ||
            !m_targetBitmap.CreateCompatibleBitmap(&screen, cx, cy) ||
            !m_sourceBitmap.CreateCompatibleBitmap(&screen, cx, cy))
            return;
        m_pOldTarget = target.SelectObject(&m_targetBitmap);
        m_pOldSource = source.SelectObject(&m_sourceBitmap);
    }
    ~OffscreenPair() {
        if (m_pOldSource != nullptr) source.SelectObject(m_pOldSource);
        if (m_pOldTarget != nullptr) target.SelectObject(m_pOldTarget);
    }
    OffscreenPair(const OffscreenPair&) = delete;
    OffscreenPair& operator=(const OffscreenPair&) = delete;

    bool IsValid() const { return m_pOldTarget != nullptr && m_pOldSource != nullptr; }
    // Seconds per copy of the whole area.
    double TimeBlit() { return TimeBlit(CRect(0, 0, m_cx, m_cy)); }
    // Seconds per copy of rc's size from the source's corner to rc.
    double TimeBlit(const CRect& rc) {
        return TimePerCall([&] { target.BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), &source, 0, 0, SRCCOPY); });
    }

    CDC target;
    CDC source;

private:
    int m_cx, m_cy;
    CBitmap m_targetBitmap, m_sourceBitmap;
    CBitmap* m_pOldTarget = nullptr;
    CBitmap* m_pOldSource = nullptr;
};

}  // namespace kxbench
