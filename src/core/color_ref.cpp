#include "core/color_ref.h"

#include "core/color_manager.h"

#include <algorithm>
#include <cmath>

const CKXColorRef CKXColorRef::BLACK(static_cast<COLORREF>(0x000000));
const CKXColorRef CKXColorRef::WHITE(static_cast<COLORREF>(0xFFFFFF));
const CKXColorRef CKXColorRef::GRAY_25(static_cast<COLORREF>(0x404040));
const CKXColorRef CKXColorRef::GRAY_50(static_cast<COLORREF>(0x808080));
const CKXColorRef CKXColorRef::GRAY_75(static_cast<COLORREF>(0xC0C0C0));

namespace {

// 1/255 as the colour models use it.
const double kInv255 = 0.00392156862745098;

int Clamp255(long long v) {
    return static_cast<int>(std::clamp<long long>(v, 0, 255));
}

// value × 255, truncated (HSL) or rounded (HSB), kept inside 0..255.
int ChannelFromUnit(double v, double bias) {
    const double x = v * 255.0 + bias;
    if (!(x > 0.0)) return 0;  // also a hue or lightness that is not a number
    if (x >= 255.0) return 255;
    return static_cast<int>(x);
}

// a / b per channel; a zero divisor leaves the channel as it is.
int DivideChannel(int a, int b) {
    return b == 0 ? a : a / b;
}

}  // namespace

void CKXColorRef::setRValue(int r) {
    m_color = (m_color & ~0x0000FFu) | static_cast<COLORREF>(r & 0xFF);
}

void CKXColorRef::setGValue(int g) {
    m_color = (m_color & ~0x00FF00u) | (static_cast<COLORREF>(g & 0xFF) << 8);
}

void CKXColorRef::setBValue(int b) {
    m_color = (m_color & ~0xFF0000u) | (static_cast<COLORREF>(b & 0xFF) << 16);
}

double CKXColorRef::getIntensity() const {
    const int sum = 299 * getRValue() + 587 * getGValue() + 114 * getBValue();
    return sum * 0.001;
}

COLORREF CKXColorRef::GetColor(int nIndex) {
    return CKXColorManager::s_managerInstance.GetColor(nIndex);
}

int CKXColorRef::fixColorValue(int v) {
    return Clamp255(v);
}

int CKXColorRef::addColorValue(int a, int b) {
    return Clamp255(static_cast<long long>(a) + b);
}

int CKXColorRef::multiplyColorValue(int a, int b, int c) {
    if (c == 0) return Clamp255(a);
    return Clamp255(static_cast<long long>(a) * b / c);
}

int CKXColorRef::BlendColor(int a, int b, int p) {
    const long long pa = p;
    return Clamp255((a * pa + b * (100 - pa)) / 100);
}

COLORREF CKXColorRef::SafeRGB(int r, int g, int b) {
    return CKXColorRef(fixColorValue(r), fixColorValue(g), fixColorValue(b));
}

COLORREF CKXColorRef::GreyRef(int n) {
    const int v = fixColorValue(n);
    return CKXColorRef(v, v, v);
}

double CKXColorRef::GetRDelta(COLORREF cr) {
    return CKXColorRef(cr).getRValue() * 0.7647058823529411;
}

double CKXColorRef::GetGDelta(COLORREF cr) {
    return CKXColorRef(cr).getGValue() * 1.5294117647058822;
}

double CKXColorRef::GetBDelta(COLORREF cr) {
    return CKXColorRef(cr).getBValue() * 0.2549019607843137;
}

CKXColorRef& CKXColorRef::add(const CKXColorRef& c) {
    return *this += static_cast<COLORREF>(c);
}

CKXColorRef& CKXColorRef::subtract(const CKXColorRef& c) {
    return *this -= static_cast<COLORREF>(c);
}

CKXColorRef& CKXColorRef::blend(const CKXColorRef& c, int p) {
    m_color = CKXColorRef(BlendColor(c.getRValue(), getRValue(), p), BlendColor(c.getGValue(), getGValue(), p),
                          BlendColor(c.getBValue(), getBValue(), p));
    return *this;
}

CKXColorRef& CKXColorRef::operator+=(COLORREF cr) {
    const CKXColorRef o(cr);
    m_color = SafeRGB(getRValue() + o.getRValue(), getGValue() + o.getGValue(), getBValue() + o.getBValue());
    return *this;
}

CKXColorRef& CKXColorRef::operator-=(COLORREF cr) {
    const CKXColorRef o(cr);
    m_color = SafeRGB(getRValue() - o.getRValue(), getGValue() - o.getGValue(), getBValue() - o.getBValue());
    return *this;
}

CKXColorRef& CKXColorRef::operator*=(COLORREF cr) {
    const CKXColorRef o(cr);
    m_color = SafeRGB(getRValue() * o.getRValue(), getGValue() * o.getGValue(), getBValue() * o.getBValue());
    return *this;
}

CKXColorRef& CKXColorRef::operator/=(COLORREF cr) {
    const CKXColorRef o(cr);
    m_color = SafeRGB(DivideChannel(getRValue(), o.getRValue()), DivideChannel(getGValue(), o.getGValue()),
                      DivideChannel(getBValue(), o.getBValue()));
    return *this;
}

CKXColorRef& CKXColorRef::operator+=(int n) { return *this += GreyRef(n); }
CKXColorRef& CKXColorRef::operator-=(int n) { return *this -= GreyRef(n); }
CKXColorRef& CKXColorRef::operator*=(int n) { return *this *= GreyRef(n); }
CKXColorRef& CKXColorRef::operator/=(int n) { return *this /= GreyRef(n); }

CKXColorRef CKXColorRef::operator+(COLORREF cr) const { return CKXColorRef(*this) += cr; }
CKXColorRef CKXColorRef::operator-(COLORREF cr) const { return CKXColorRef(*this) -= cr; }
CKXColorRef CKXColorRef::operator*(COLORREF cr) const { return CKXColorRef(*this) *= cr; }
CKXColorRef CKXColorRef::operator/(COLORREF cr) const { return CKXColorRef(*this) /= cr; }
CKXColorRef CKXColorRef::operator+(int n) const { return CKXColorRef(*this) += GreyRef(n); }
CKXColorRef CKXColorRef::operator-(int n) const { return CKXColorRef(*this) -= GreyRef(n); }
CKXColorRef CKXColorRef::operator*(int n) const { return CKXColorRef(*this) *= GreyRef(n); }
CKXColorRef CKXColorRef::operator/(int n) const { return CKXColorRef(*this) /= GreyRef(n); }

void CKXColorRef::toHSL(double& h, double& s, double& l) const {
    const double r = getRValue() * kInv255;
    const double g = getGValue() * kInv255;
    const double b = getBValue() * kInv255;
    const double mx = std::max(r, std::max(g, b));
    const double mn = std::min(r, std::min(g, b));
    l = (mx + mn) * 0.5;
    if (mx == mn) {
        h = 0;
        s = 0;
        return;
    }
    const double d = mx - mn;
    s = l < 0.5 ? d / (mx + mn) : d / (2 - mx - mn);
    if (r == mx)
        h = (g - b) / d;
    else if (g == mx)
        h = (b - r) / d + 2;
    else
        h = (r - g) / d + 4;
    h = h * (1.0 / 6.0);
    if (h < 0) h = h + 1;
}

double CKXColorRef::HuetoRGB(double m1, double m2, double h) {
    if (h < 0) h = h + 1;
    if (h > 1) h = h - 1;
    if (6 * h < 1) return m1 + (m2 - m1) * h * 6;
    if (2 * h < 1) return m2;
    if (3 * h < 2) return m1 + (m2 - m1) * (2.0 / 3.0 - h) * 6;
    return m1;
}

void CKXColorRef::setHSL(double h, double s, double l) {
    double r, g, b;
    if (s == 0) {
        r = g = b = l;
    } else {
        const double m2 = l < 0.5 ? l * (1 + s) : l + s - l * s;
        const double m1 = 2 * l - m2;
        r = HuetoRGB(m1, m2, h + 1.0 / 3.0);
        g = HuetoRGB(m1, m2, h);
        b = HuetoRGB(m1, m2, h - 1.0 / 3.0);
    }
    m_color = CKXColorRef(ChannelFromUnit(r, 0.0), ChannelFromUnit(g, 0.0), ChannelFromUnit(b, 0.0));
}

CKXColorRef CKXColorRef::fromHSL(double h, double s, double l) {
    CKXColorRef c;
    c.setHSL(h, s, l);
    return c;
}

void CKXColorRef::toHSB(double& h, double& s, double& b) const {
    const int R = getRValue(), G = getGValue(), B = getBValue();
    const int mx = std::max(R, std::max(G, B));
    const int mn = std::min(R, std::min(G, B));
    b = mx * kInv255;
    h = 0;
    s = 0;
    if (mx == 0) return;
    s = static_cast<double>(mx - mn) / mx;
    if (s == 0) return;
    const double d = mx - mn;
    const double rc = (mx - R) / d;
    const double gc = (mx - G) / d;
    const double bc = (mx - B) / d;
    if (R == mx)
        h = bc - gc;
    else if (G == mx)
        h = 2 + rc - bc;
    else
        h = 4 + gc - rc;
    h = h * (1.0 / 6.0);
    if (h < 0) h = h + 1;
}

void CKXColorRef::setHSB(double h, double s, double b) {
    if (s == 0) {
        const int v = ChannelFromUnit(b, 0.5);
        m_color = CKXColorRef(v, v, v);
        return;
    }
    const double f6 = (h - std::floor(h)) * 6;
    // Only a hue that is not a number (or rounds up to a whole turn) falls
    // outside the six sectors; it gives black.
    if (!(f6 >= 0.0 && f6 < 6.0)) {
        m_color = 0;
        return;
    }
    const int i = static_cast<int>(f6);
    const double f = f6 - std::floor(f6);
    const double p = b * (1 - s);
    const double q = b * (1 - s * f);
    const double t = b * (1 - s * (1 - f));
    double r, g, bl;
    switch (i) {
    case 0: r = b, g = t, bl = p; break;
    case 1: r = q, g = b, bl = p; break;
    case 2: r = p, g = b, bl = t; break;
    case 3: r = p, g = q, bl = b; break;
    case 4: r = t, g = p, bl = b; break;
    default: r = b, g = p, bl = q; break;
    }
    m_color = CKXColorRef(ChannelFromUnit(r, 0.5), ChannelFromUnit(g, 0.5), ChannelFromUnit(bl, 0.5));
}

CKXColorRef CKXColorRef::fromHSB(double h, double s, double b) {
    CKXColorRef c;
    c.setHSB(h, s, b);
    return c;
}
