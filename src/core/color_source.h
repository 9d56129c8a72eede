// CKXColorSource: what the palette is computed from (the system colours, the
// desktop's colour depth and the visual style).  The Windows build reads the
// live system; tests and previews substitute a fixed scheme.
#pragma once

#include "base/wintypes.h"
#include "core/theme_types.h"

class CKXColorSource {
public:
    virtual ~CKXColorSource() = default;

    // The system colour of a palette index 1..27.
    virtual COLORREF GetSysColor(int nIndex) const = 0;
    // Bits per pixel of the desktop; 0 when its device context is unavailable.
    virtual int GetDesktopBitsPerPixel() const = 0;
    virtual eKXCURRENTSYSTEMTHEME GetCurrentSystemTheme() const = 0;

    // The live system in the Windows build; natively, the classic scheme.
    static const CKXColorSource& System();
};

// A fixed set of inputs.  Starts as the classic "Windows Standard" scheme on
// a 32-bit screen without a visual style; change the fields to taste.
class CKXColorScheme : public CKXColorSource {
public:
    CKXColorScheme();

    COLORREF GetSysColor(int nIndex) const override;
    int GetDesktopBitsPerPixel() const override { return m_nBitsPerPixel; }
    eKXCURRENTSYSTEMTHEME GetCurrentSystemTheme() const override { return m_eTheme; }

    void SetSysColor(int nIndex, COLORREF cr);

    COLORREF m_clrSys[28];  // indexed by system colour number; 0 unused
    int m_nBitsPerPixel;
    eKXCURRENTSYSTEMTHEME m_eTheme;
};
