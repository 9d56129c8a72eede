#include "core/gfx_text.h"

#include <cstring>

void GfxStripMnemonics(CString& strText) {
    if (strText.Find("&&") < 0) {
        strText.Remove('&');
        return;
    }
    // Park the literal ampersands while the single ones go.
    strText.Replace("&&", "^^");
    strText.Remove('&');
    strText.Replace("^^", "&&");
}

const char* GfxPathFindNextComponent(const char* lpszPath) {
    static char s_szBuffer[KX_PATH_BUFFER];
    if (lpszPath == nullptr || *lpszPath == '\0') return nullptr;
    const char* pSlash = std::strchr(lpszPath, '\\');
    const char* pRest = pSlash ? pSlash + 1 : "";
    // Bounded copy: an overlong remainder is cut, never overrun.
    size_t n = std::strlen(pRest);
    if (n >= sizeof s_szBuffer) n = sizeof s_szBuffer - 1;
    std::memcpy(s_szBuffer, pRest, n);
    s_szBuffer[n] = '\0';
    return s_szBuffer;
}
