// Typed colour text: whatever bytes arrive, reading either accepts six hex
// digits that write back to the same text, or refuses and leaves the colour
// alone.  The honeycomb hit test takes the bytes as a point.
#include "colour/color_text.h"
#include "colour/honeycomb.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    COLORREF clr = 0xFF000000u;
    if (KXColorFromHex(text.c_str(), &clr)) {
        if (clr & 0xFF000000u)
            abort();
        COLORREF back = 0xFF000000u;
        if (!KXColorFromHex(KXColorToHex(clr), &back) || back != clr)
            abort();
    } else if (clr != 0xFF000000u) {
        abort();
    }
    if (size >= 8) {
        int x = 0, y = 0;
        std::memcpy(&x, data, 4);
        std::memcpy(&y, data + 4, 4);
        const int n = KXHoneyCellFromPoint(CPoint(x % 4096, y % 4096));
        if (n < -1 || n >= KXHONEY_CELLS)
            abort();
    }
    return 0;
}
