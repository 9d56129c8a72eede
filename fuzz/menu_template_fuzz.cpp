// Reads arbitrary bytes as a menu template.  Whatever parses must describe
// a well-formed tree: depths step down into popups one level at a time, and
// the levels closed add up to exactly the levels opened plus the bar.
#include "bars/menu_template.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<KX_MENU_TEMPLATE_ITEM> items;
    if (!KXParseMenuTemplate(data, size, items)) {
        if (!items.empty()) std::abort();
        return 0;
    }
    if (items.empty()) std::abort();
    int nOpen = 1;  // the bar
    int nDepth = 0;
    for (const KX_MENU_TEMPLATE_ITEM& item : items) {
        if (nOpen <= 0 || item.nDepth != nDepth || item.nDepth >= KX_MENU_TEMPLATE_MAX_DEPTH) std::abort();
        if (item.nFlags & KX_MENU_TEMPLATE_END) std::abort();
        if (item.nFlags & KX_MENU_TEMPLATE_POPUP) {
            if (item.nLevelsClosed != 0 || item.nID != 0) std::abort();
            ++nOpen;
            ++nDepth;
        } else {
            nOpen -= item.nLevelsClosed;
            nDepth -= item.nLevelsClosed;
        }
        if (item.strText.size() * 2 > size) std::abort();
    }
    if (nOpen != 0) std::abort();
    return 0;
}
