#include "core/back_image_archive.h"

#include "base/carchive.h"
#include "core/back_image_flags.h"

#include <algorithm>

void KXSerializeBkImageFields(CArchive& ar, KX_BKIMAGE_FIELDS& fields) {
    if (ar.IsStoring()) {
        ar << static_cast<DWORD>(fields.ulFlags) << static_cast<DWORD>(fields.clrTransparent)
           << static_cast<LONG>(fields.xOffset) << static_cast<LONG>(fields.yOffset);
        if (fields.ulFlags & KX_LVBKIF_SOURCE_FILE) ar << fields.strImage;
        return;
    }
    DWORD dwFlags = 0, dwColor = 0;
    LONG x = 0, y = 0;
    ar >> dwFlags >> dwColor >> x >> y;
    CString strImage;
    if (dwFlags & KX_LVBKIF_SOURCE_FILE) ar >> strImage;
    fields.ulFlags = dwFlags;
    fields.clrTransparent = dwColor;
    fields.xOffset = std::max<LONG>(x, 0);
    fields.yOffset = std::max<LONG>(y, 0);
    fields.strImage = strImage;
}
