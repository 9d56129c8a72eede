// Reads a toolbar resource from the input and lays its buttons out the way
// the library's toolbar does, with sizes, states and the width taken from
// the input: reading stays inside the data, every wrapping terminates with
// as many rows as breaks plus one, and the size of a layout is never
// negative nor wider than all its buttons side by side.
#include "bars/toolbar_layout.h"
#include "base/toolbar_resource.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

void Check(bool condition) {
    if (!condition) abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    AFX_TOOLBAR_RESOURCE res;
    if (!AfxReadToolBarResource(data, size, res)) return 0;
    Check(res.nItems >= 0 && 8 + 2 * static_cast<size_t>(res.nItems) <= size);
    std::vector<AFX_TBLAYOUTBUTTON> buttons(static_cast<size_t>(res.nItems));
    for (int i = 0; i < res.nItems; ++i) {
        // Each item's command word doubles as its size and state.
        const unsigned w = res.GetItem(i);
        AFX_TBLAYOUTBUTTON& b = buttons[static_cast<size_t>(i)];
        b.idCommand = static_cast<int>(w & 0x0F);
        b.fsStyle = static_cast<unsigned char>((w & 0x10 ? kAfxTbSep : 0) | (w & 0x20 ? kKXTbDropDown : 0));
        b.fsState = static_cast<unsigned char>(w & 0x40 ? kAfxTbHidden : 0) | static_cast<unsigned char>(w & 0x80 ? kAfxTbWrap : 0);
        b.size = CSize(static_cast<int>((w >> 8) & 0x3F), res.cyImage & 0x3F);
    }
    const unsigned long version = res.cxImage & 1 ? KX_COMCTL_470 : 0x00060000;
    const KX_TBMEASUREFN measure = KXToolBarMeasure(version, (res.cxImage & 2) != 0);
    const int nWidth = res.cyImage >> 6;
    const int nRows = KXWrapToolBar(buttons.data(), res.nItems, nWidth, measure);
    int nBreaks = 0;
    for (const AFX_TBLAYOUTBUTTON& b : buttons) nBreaks += (b.fsState & kAfxTbWrap) ? 1 : 0;
    Check(nRows == nBreaks + 1);
    const CSize sizeLayout = KXToolBarCalcSize(buttons.data(), res.nItems, measure);
    int cxAll = 0;
    for (int i = 0; i < res.nItems; ++i)
        if (!(buttons[static_cast<size_t>(i)].fsState & kAfxTbHidden)) cxAll += measure(buttons[static_cast<size_t>(i)], i).cx;
    Check(sizeLayout.cx >= 0 && sizeLayout.cy >= 0 && sizeLayout.cx <= cxAll);
    return 0;
}
