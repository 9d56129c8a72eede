// The themed painters of a property grid, chosen by the grid's SetTheme:
// native XP (the visual style's glyphs and, under luna, its shadow), Office
// 2003 (luna's face, shadow and line colours), and three that draw their
// rows their own way with the system colours: cool, simple and Delphi.
#pragma once

#include "propgrid/property_grid_paint.h"

class CKXPropertyGridNativeXPTheme : public CKXPropertyGridPaintManager {
public:
    explicit CKXPropertyGridNativeXPTheme(CKXPropertyGrid* pGrid);
    void RefreshMetrics() override;
};

class CKXPropertyGridOffice2003Theme : public CKXPropertyGridPaintManager {
public:
    explicit CKXPropertyGridOffice2003Theme(CKXPropertyGrid* pGrid);
    void RefreshMetrics() override;
    // Whether luna's colours are in use.
    BOOL IsLunaTheme() const { return m_bLunaTheme; }

protected:
    BOOL m_bLunaTheme = FALSE;
};

class CKXPropertyGridCoolTheme : public CKXPropertyGridPaintManager {
public:
    explicit CKXPropertyGridCoolTheme(CKXPropertyGrid* pGrid);
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
};

class CKXPropertyGridSimpleTheme : public CKXPropertyGridPaintManager {
public:
    explicit CKXPropertyGridSimpleTheme(CKXPropertyGrid* pGrid);
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
};

class CKXPropertyGridDelphiTheme : public CKXPropertyGridPaintManager {
public:
    explicit CKXPropertyGridDelphiTheme(CKXPropertyGrid* pGrid);
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void RefreshMetrics() override;
};
