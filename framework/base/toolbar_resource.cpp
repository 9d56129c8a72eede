#include "base/toolbar_resource.h"

namespace {

unsigned ReadWord(const unsigned char* p) { return p[0] | (p[1] << 8); }

}  // namespace

bool AfxReadToolBarResource(const void* pData, size_t cbData, AFX_TOOLBAR_RESOURCE& res) {
    const auto* p = static_cast<const unsigned char*>(pData);
    const size_t cbHeader = 4 * 2;
    if (p == nullptr || cbData < cbHeader || ReadWord(p) != 1) return false;
    const unsigned nItems = ReadWord(p + 6);
    if (cbData < cbHeader + 2 * static_cast<size_t>(nItems)) return false;
    res.cxImage = static_cast<int>(ReadWord(p + 2));
    res.cyImage = static_cast<int>(ReadWord(p + 4));
    res.nItems = static_cast<int>(nItems);
    res.pItems = p + cbHeader;
    return true;
}
