// What the owner-drawn menu measures and draws its text with: the system's
// menu font, and a context on the application's main window to measure in.
#pragma once

#include "win/afxwin.h"

// The font of the non-client metrics' menu font, created for the object's
// life.
class CKXMenuFont : public CFont {
public:
    CKXMenuFont();
};

// A context of the main window (of the screen when there is none), with the
// menu font selected when bSelectFont; both released when it goes.
class CKXMenuMeasureDC {
public:
    explicit CKXMenuMeasureDC(BOOL bSelectFont);
    ~CKXMenuMeasureDC();
    CKXMenuMeasureDC(const CKXMenuMeasureDC&) = delete;
    CKXMenuMeasureDC& operator=(const CKXMenuMeasureDC&) = delete;

    HDC GetSafeHdc() const { return m_hDC; }

private:
    HWND m_hWnd = nullptr;
    HDC m_hDC = nullptr;
    CKXMenuFont m_font;
    HGDIOBJ m_hOldFont = nullptr;
};
