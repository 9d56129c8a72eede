// Typed colour text: whatever bytes arrive, reading either accepts six hex
// digits that write back to the same text, or refuses and leaves the colour
// alone.  A component typed on the custom page is a number in range or
// refused.  The honeycomb hit test and the custom page's field take the
// bytes as points, sizes and components.
#include "colour/color_custom_model.h"
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
    const int n = KXParseComponent(text.c_str(), 255);
    if (n < -1 || n > 255)
        abort();
    if (size >= 8) {
        int x = 0, y = 0;
        std::memcpy(&x, data, 4);
        std::memcpy(&y, data + 4, 4);
        const int nCell = KXHoneyCellFromPoint(CPoint(x % 4096, y % 4096));
        if (nCell < -1 || nCell >= KXHONEY_CELLS)
            abort();
        int h = -1, s = -1;
        KXSpectrumFromPoint(CPoint(x, y), x % 2048, y % 2048, h, s);
        if (h < 0 || h > KXHSL_MAX || s < 0 || s > KXHSL_MAX)
            abort();
        const KX_HSL hsl = KXColorToHSL(KXColorFromHSL(KX_HSL{x, y, x ^ y}));
        if (hsl.h < 0 || hsl.h > KXHSL_MAX || hsl.l < 0 || hsl.l > KXHSL_MAX)
            abort();
    }
    return 0;
}
