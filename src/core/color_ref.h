// CKXColorRef: one COLORREF (0x00BBGGRR) with per-channel arithmetic that
// saturates at 0 and 255, percentage blending, an intensity measure, HSL and
// HSB conversion both ways, named constants and a door to the palette.
//
// A plain value type: no virtual operations, no heap, freely copied.
//
// Operators come in two kinds.  With a COLORREF argument they work channel by
// channel; with an int argument n they first clamp n to 0..255 and then act as
// the COLORREF form with the grey (n, n, n).  Note that a bare literal such as
// 0x0000A0 is an int and takes the grey form; write (COLORREF)0x0000A0 or
// RGB(...) for the channel form.
//
// Decisions where the rules leave a choice:
// - The default constructor sets black, so a declared colour is never garbage.
// - Division by zero never faults: a channel divided by 0 (by `/=` or `/`
//   with a COLORREF that has a 0 channel, or with an int that clamps to 0)
//   keeps its value, and multiplyColorValue(a, b, 0) returns a clamped to
//   0..255 (the scale is ignored).
// - The static channel helpers compute in 64 bits, so no int argument can
//   overflow; for arguments whose results fit an int this is the same as the
//   int arithmetic.
// - setHSL and setHSB clamp each channel to 0..255 before taking its integer
//   part, and a channel that is not a number becomes 0; components inside
//   their ranges are unaffected.
#pragma once

#include "base/wintypes.h"

class CKXColorRef {
public:
    static const CKXColorRef BLACK;    // 0x000000
    static const CKXColorRef WHITE;    // 0xFFFFFF
    static const CKXColorRef GRAY_25;  // 0x404040
    static const CKXColorRef GRAY_50;  // 0x808080
    static const CKXColorRef GRAY_75;  // 0xC0C0C0

    constexpr CKXColorRef() : m_color(0) {}
    constexpr CKXColorRef(COLORREF cr) : m_color(cr) {}
    // Each channel keeps only its low 8 bits (no clamping).
    constexpr CKXColorRef(int r, int g, int b)
        : m_color(static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16))) {}

    CKXColorRef& operator=(COLORREF cr) {
        m_color = cr;
        return *this;
    }
    constexpr operator COLORREF() const { return m_color; }

    int getRValue() const { return static_cast<int>(m_color & 0xFF); }
    int getGValue() const { return static_cast<int>((m_color >> 8) & 0xFF); }
    int getBValue() const { return static_cast<int>((m_color >> 16) & 0xFF); }
    void setRValue(int r);
    void setGValue(int g);
    void setBValue(int b);

    // (299 R + 587 G + 114 B) / 1000: 0.0 for black, 255.0 for white.
    double getIntensity() const;

    // The colour manager's palette entry for 0..55, the argument itself above.
    static COLORREF GetColor(int nIndex);

    static int fixColorValue(int v);
    static int addColorValue(int a, int b);
    static int multiplyColorValue(int a, int b, int c);
    // a weighted p percent against b.
    static int BlendColor(int a, int b, int p);

    CKXColorRef& add(const CKXColorRef& c);
    CKXColorRef& subtract(const CKXColorRef& c);
    // p is the percentage of c in the result.
    CKXColorRef& blend(const CKXColorRef& c, int p);

    CKXColorRef& operator+=(COLORREF cr);
    CKXColorRef& operator-=(COLORREF cr);
    CKXColorRef& operator*=(COLORREF cr);
    CKXColorRef& operator/=(COLORREF cr);
    CKXColorRef& operator+=(int n);
    CKXColorRef& operator-=(int n);
    CKXColorRef& operator*=(int n);
    CKXColorRef& operator/=(int n);

    CKXColorRef operator+(COLORREF cr) const;
    CKXColorRef operator-(COLORREF cr) const;
    CKXColorRef operator*(COLORREF cr) const;
    CKXColorRef operator/(COLORREF cr) const;
    CKXColorRef operator+(int n) const;
    CKXColorRef operator-(int n) const;
    CKXColorRef operator*(int n) const;
    CKXColorRef operator/(int n) const;

    // Hue in [0, 1) (0 red, 1/3 green, 2/3 blue); the rest in [0, 1].
    void toHSL(double& h, double& s, double& l) const;
    void setHSL(double h, double s, double l);
    static CKXColorRef fromHSL(double h, double s, double l);
    void toHSB(double& h, double& s, double& b) const;
    void setHSB(double h, double s, double b);
    static CKXColorRef fromHSB(double h, double s, double b);

protected:
    static COLORREF SafeRGB(int r, int g, int b);
    static double HuetoRGB(double m1, double m2, double h);

private:
    // The coordinates of the colour-distance space of the colour manager.
    static double GetRDelta(COLORREF cr);
    static double GetGDelta(COLORREF cr);
    static double GetBDelta(COLORREF cr);

    // The grey (n, n, n) with n clamped first: the int forms of the operators.
    static COLORREF GreyRef(int n);

    COLORREF m_color;
};
