// Text typed into the typed property items: every reader takes any bytes,
// and what it reads writes back to a text that reads as the same value.
#include "propgrid/typed_value_text.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const char* psz = text.c_str();

    const long n = KXStringToNumber(psz);
    if (KXStringToNumber(KXNumberToString(n)) != n) abort();

    const COLORREF clr = KXStringToColor(psz);
    if ((clr & 0xFF000000u) != 0 || KXStringToColor(KXColorToString(clr)) != clr) abort();

    const COLORREF hex = KXHexStringToColor(psz);
    if ((hex & 0xFF000000u) != 0 || KXHexStringToColor(KXColorToHexString(hex)) != hex) abort();

    const CSize sz = KXStringToSize(psz);
    if (KXStringToSize(KXSizeToString(sz)) != sz) abort();

    (void)KXStringToDouble(psz);
    (void)KXIsTrueText(psz, "True");
    for (int mode = 0; mode <= 5; ++mode) {
        const CString part = KXFileDialogResult(mode, psz);
        if (part.GetLength() > static_cast<int>(text.size())) abort();
    }
    if (size >= 12) {
        int a, b, c;
        std::memcpy(&a, data, 4);
        std::memcpy(&b, data + 4, 4);
        std::memcpy(&c, data + 8, 4);
        (void)KXMulDiv(a, b, c);
    }
    return 0;
}
