// The flat tab strip's geometry driven by arbitrary operations with arbitrary
// values: metrics, sizes, caption widths, selections, offsets, gripper
// positions and hit tests.  Nothing may overflow or read out of bounds, and
// every answer must stay inside its range.
#include "tabs/flat_tab_layout.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Names the broken rule before stopping.
#define Check(condition)                                                      \
    do {                                                                      \
        if (!(condition)) {                                                   \
            std::fprintf(stderr, "broken: %s (line %d)\n", #condition, __LINE__); \
            abort();                                                          \
        }                                                                     \
    } while (false)

template <typename T>
T Take(const uint8_t*& data, size_t& size) {
    T v{};
    const size_t n = size < sizeof(T) ? size : sizeof(T);
    std::memcpy(&v, data, n);
    data += n;
    size -= n;
    return v;
}

void CheckAnswers(const CKXFlatTabLayout& lay, int x) {
    const int n = lay.GetCount();
    Check(lay.GetCurSel() >= -1);
    const int hit = lay.HitTest(x);
    Check(hit >= -1 && hit < n);
    int nFirst = -1, nLast = -1;
    lay.GetVisibleTabs(nFirst, nLast);
    Check(0 <= nFirst && nFirst <= nLast && nLast <= n);
    const int button = lay.ButtonHitTest(CPoint(x, x));
    Check(button >= -1 && button < lay.GetButtonCount());
    CRect rc;
    if (n > 0) {
        Check(lay.GetItemRect(n - 1, rc));
        Check(rc.left <= rc.right);
    }
    Check(!lay.GetItemRect(n, rc));
    // Tabs advance by caption + h - 2: below h = 2 the row may run backwards.
    if (lay.GetTabHeight() >= 2) Check(lay.GetTotalTabWidth() >= 0);
    if (lay.HasStyle(KX_FTS_HSCROLL) && lay.GetGripperPosition() >= 0) {
        const CRect bar = lay.GetScrollBarRect();
        Check(bar.left <= bar.right);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CKXFlatTabLayout lay;
    lay.SetMetrics(Take<int16_t>(data, size), Take<int16_t>(data, size));
    lay.SetStyle(Take<uint8_t>(data, size));
    lay.SetClientSize(Take<int32_t>(data, size), Take<int32_t>(data, size));
    int nOps = 0;
    while (size > 0 && ++nOps < 2000) {
        const uint8_t op = Take<uint8_t>(data, size);
        const int a = Take<int32_t>(data, size);
        switch (op % 12) {
            case 0:
            case 1: {
                const int b = Take<int32_t>(data, size);
                const int before = lay.GetCount();
                const int bold = static_cast<int>(static_cast<unsigned>(b) + static_cast<unsigned>(a & 0xFF));
                const bool ok = lay.InsertTab(a % (before + 2), b, bold);
                Check(lay.GetCount() == before + (ok ? 1 : 0));
                break;
            }
            case 2: {
                const int i = a % (lay.GetCount() + 1);
                if (lay.RemoveTab(i)) lay.AfterDelete(i);
                break;
            }
            case 3: lay.SetCaptionWidths(a % (lay.GetCount() + 1), a, a / 3); break;
            case 4: {
                const int old = lay.GetCurSel();
                const int r = lay.Select(a % (lay.GetCount() + 1));
                Check(r == -1 || r == old);
                break;
            }
            case 5: lay.SetScrollOffset(a); break;
            case 6: lay.ScrollLeft(); break;
            case 7: lay.ScrollRight(); break;
            case 8: lay.ScrollEnd(); Check(lay.GetScrollOffset() >= 0); break;
            case 9: lay.SetGripperPosition(a, (op & 0x80) != 0); break;
            case 10: lay.SetClientSize(a, a >> 8); break;
            case 11: lay.SetMetrics(a & 0xFFFF, a >> 16); break;
        }
        CheckAnswers(lay, a);
    }
    return 0;
}
