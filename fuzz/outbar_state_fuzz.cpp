// Random and truncated stored outlook bars.  A state that loads must store
// back to the bytes it was read from (less what loading ignores: schema
// numbers and the high bits of flags words) and lay out without fault; one
// that does not load must fail with an archive exception and leave the bar
// exactly as it was.  Stored counts never decide an allocation: a forged
// count fails on the first missing folder or item.
#include "../tests/bars/outbar_fake.h"

#include "base/afx.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

std::vector<BYTE> Store(CKXOutBarModel& bar) {
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        bar.SerializeModel(ar);
    }
    std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    if (!bytes.empty()) file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

bool Load(CKXOutBarModel& bar, const std::vector<BYTE>& bytes) {
    std::vector<BYTE> copy = bytes;
    CMemFile file(copy.empty() ? nullptr : copy.data(), static_cast<UINT>(copy.size()));
    CArchive ar(&file, CArchive::load, 256);
    try {
        bar.SerializeModel(ar);
    } catch (CException* e) {
        if (!e->IsKindOf(RUNTIME_CLASS(CArchiveException))) Fail("not an archive exception");
        e->Delete();
        ar.Abort();
        return false;
    }
    return true;
}

// Lays out every folder the way painting and the mouse do.
void LayOut(kxtest::FakeOutBar& bar) {
    for (int f = 0; f < bar.GetFolderCount() && f < 8; ++f) {
        bar.SelFolderField() = f;
        for (int nFirst : {0, 1, 3}) {
            bar.FirstItem() = nFirst;
            bar.LayoutScrollButtons(16);
            const int nCount = std::min(bar.GetItemCount(), 64);
            CRect rc;
            for (int i = 0; i < nCount; ++i) {
                bar.GetItemRect(f, i, rc);
                bar.GetIconRect(f, i, rc);
                bar.GetLabelRect(f, i, rc);
            }
            int nIndex = 0, nTarget = 0;
            for (int y = -5; y < 320; y += 37) {
                bar.HitTestEx(CPoint(100, y), nIndex);
                bar.GetDropTarget(CPoint(100, y), nTarget);
            }
            bar.GetDragItemRect(nCount, rc);
            bar.CanScrollDown();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<BYTE> bytes(data, data + size);
    kxtest::FakeOutBar bar;
    bar.AddFolder("Mine", 7);
    bar.InsertItem(0, -1, "kept", 1, 2);
    const std::vector<BYTE> before = Store(bar);
    if (!Load(bar, bytes)) {
        if (Store(bar) != before || !bar.selCalls.empty()) Fail("a failed load changed the bar");
        return 0;
    }
    // What loaded comes back in the stored form, after the folder that was there.
    kxtest::FakeOutBar fresh;
    if (!Load(fresh, bytes)) Fail("the same bytes loaded once and not twice");
    const std::vector<BYTE> again = Store(fresh);
    kxtest::FakeOutBar reloaded;
    if (!Load(reloaded, again) || Store(reloaded) != again) Fail("a stored state does not round-trip");
    if (bar.GetFolderCount() != 1 + fresh.GetFolderCount()) Fail("loading did not append");
    LayOut(bar);
    return 0;
}
