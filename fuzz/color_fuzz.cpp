// Colour values from arbitrary bytes: the models and operators must keep
// every channel inside 0..255 without faults, HSB must round-trip exactly,
// and the pushed-apart palette colours must stay colours.
#include "core/color_manager.h"
#include "core/color_ref.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void Check(bool condition) {
    if (!condition) abort();
}

bool IsColour(COLORREF c) {
    return (c & 0xFF000000u) == 0;
}

template <typename T>
T Take(const uint8_t*& data, size_t& size) {
    T v{};
    const size_t n = size < sizeof(T) ? size : sizeof(T);
    std::memcpy(&v, data, n);
    data += n;
    size -= n;
    return v;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const COLORREF c1 = Take<uint32_t>(data, size) & 0xFFFFFF;
    const int n = Take<int32_t>(data, size);
    const double h = Take<double>(data, size);
    const double s = Take<double>(data, size);
    const double l = Take<double>(data, size);

    const CKXColorRef a(c1);
    double x, y, z;
    a.toHSB(x, y, z);
    Check(x >= 0 && x < 1 && y >= 0 && y <= 1 && z >= 0 && z <= 1);
    Check(static_cast<COLORREF>(CKXColorRef::fromHSB(x, y, z)) == c1);
    a.toHSL(x, y, z);
    Check(x >= 0 && x < 1 && y >= 0 && y <= 1 && z >= 0 && z <= 1);
    Check(IsColour(CKXColorRef::fromHSL(x, y, z)));

    // Any components at all, including infinities and NaN.
    Check(IsColour(CKXColorRef::fromHSL(h, s, l)));
    Check(IsColour(CKXColorRef::fromHSB(h, s, l)));

    Check(IsColour(a + n) && IsColour(a - n) && IsColour(a * n) && IsColour(a / n));
    const COLORREF c2 = static_cast<COLORREF>(n) & 0xFFFFFF;
    Check(IsColour(a + c2) && IsColour(a - c2) && IsColour(a * c2) && IsColour(a / c2));
    CKXColorRef b(a);
    Check(IsColour(b.blend(CKXColorRef(c2), n)));
    const int v = CKXColorRef::multiplyColorValue(n, static_cast<int>(c1), static_cast<int>(c2) - 0x800000);
    Check(v >= 0 && v <= 255);
    const int w = CKXColorRef::BlendColor(static_cast<int>(c1), n, static_cast<int>(c2));
    Check(w >= 0 && w <= 255);
    Check(IsColour(CKXColorManager::LightColor(c1, c2, n)));

    // A palette from any system colours: the pulls and pushes must land on colours.
    CKXColorScheme scheme;
    for (int i = 1; i <= 27; ++i) scheme.m_clrSys[i] = Take<uint32_t>(data, size) & 0xFFFFFF;
    scheme.m_nBitsPerPixel = n & 31;
    scheme.m_eTheme = static_cast<eKXCURRENTSYSTEMTHEME>(c2 & 3);
    CKXColorManager::SetColorSource(&scheme);
    CKXColorManager m = CKXColorManager::s_managerInstance;
    m.RefreshColors(FALSE);
    CKXColorManager::SetColorSource(nullptr);
    for (int i = 0; i < KX_PALETTE_SIZE; ++i) Check(IsColour(m.GetColor(i)));
    return 0;
}
