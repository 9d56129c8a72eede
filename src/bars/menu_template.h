// Reading the platform's standard menu template (the layout of a menu
// resource) into a flat list of items, checked against the buffer's bounds.
//
// The template: a header of two 16-bit words (version 0, then the number of
// bytes from the end of the header to the first item), then the items, each
// a 16-bit flags word, a 16-bit identifier unless the item is a popup, and a
// zero-terminated 16-bit text.  A popup's items follow it; the item flagged
// MF_END is the last of its level.
#pragma once

#include "base/wintypes.h"

#include <cstddef>
#include <string>
#include <vector>

struct KX_MENU_TEMPLATE_ITEM {
    UINT nFlags = 0;          // the template's flags less the end mark
    UINT nID = 0;             // 0 for a popup
    int nDepth = 0;           // 0 for the top level
    int nLevelsClosed = 0;    // levels that end right after this item (and its popup's items)
    std::wstring strText;     // one character per 16-bit unit
};

constexpr UINT KX_MENU_TEMPLATE_POPUP = 0x0010;
constexpr UINT KX_MENU_TEMPLATE_END = 0x0080;
// Deeper nesting is rejected: no real menu comes near it.
constexpr int KX_MENU_TEMPLATE_MAX_DEPTH = 16;

// Fills items in template order and returns true when the template is whole:
// a version 0 header, every text terminated inside the buffer, every level
// closed, nesting within the limit.  Bytes after the end are ignored.  On
// failure items is empty.
bool KXParseMenuTemplate(const void* pData, size_t cbData, std::vector<KX_MENU_TEMPLATE_ITEM>& items);
