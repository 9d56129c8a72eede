// The bits of a background image's flag word (tagKX_LVBKIMAGE::ulFlags):
// where the picture comes from, how it is placed, and whether one colour is
// left out.  Portable, so that the placement arithmetic and the archive code
// can use them without Win32.
#pragma once

#include "base/wintypes.h"

// Source: at most one of these is set.
constexpr UINT KX_LVBKIF_SOURCE_HBITMAP = 0x0001;  // a bitmap handle or a bitmap resource
constexpr UINT KX_LVBKIF_SOURCE_FILE = 0x0002;     // an image file (strImage)
constexpr UINT KX_LVBKIF_SOURCE_MASK = 0x0003;

// Style: one of these.  Tiling wins over stretching when both are set, and
// anything else places the picture once.
constexpr UINT KX_LVBKIF_STYLE_NORMAL = 0x0010;   // placed once, aligned by the bits below
constexpr UINT KX_LVBKIF_STYLE_TILE = 0x0020;
constexpr UINT KX_LVBKIF_STYLE_STRETCH = 0x0040;
constexpr UINT KX_LVBKIF_STYLE_MASK = 0x0070;

// Alignment of a picture placed once.  Left and top are the defaults, so
// their bits only document the intent.
constexpr UINT KX_LVBKIF_ALIGN_LEFT = 0x0100;
constexpr UINT KX_LVBKIF_ALIGN_TOP = 0x0200;
constexpr UINT KX_LVBKIF_ALIGN_BOTTOM = 0x0400;
constexpr UINT KX_LVBKIF_ALIGN_RIGHT = 0x0800;
constexpr UINT KX_LVBKIF_ALIGN_VCENTER = 0x1000;
constexpr UINT KX_LVBKIF_ALIGN_HCENTER = 0x2000;
constexpr UINT KX_LVBKIF_ALIGN_MASK = 0x3F00;

// clrTransparent is not drawn.
constexpr UINT KX_LVBKIF_TRANSPARENT = 0x4000;
