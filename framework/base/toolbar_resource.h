// A toolbar resource (type 241) as a program's resources hold it: 16-bit
// version (1), image width, image height and item count, then one 16-bit
// command per item, 0 for a separator.
#pragma once

#include <cstddef>
#include <cstdint>

struct AFX_TOOLBAR_RESOURCE {
    int cxImage = 0, cyImage = 0;
    int nItems = 0;
    const unsigned char* pItems = nullptr;  // nItems little-endian words inside the data read

    unsigned GetItem(int i) const { return pItems[2 * i] | (pItems[2 * i + 1] << 8); }
};

// Reads cbData bytes at pData; false, leaving res as it was, for another
// version or when the data is shorter than its count says.
bool AfxReadToolBarResource(const void* pData, size_t cbData, AFX_TOOLBAR_RESOURCE& res);
