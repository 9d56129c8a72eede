#include "util/clipboard_text.h"

#include <algorithm>
#include <climits>
#include <cstring>

BOOL KXSetClipboardText(HWND hWndOwner, LPCTSTR lpszText) {
    if (lpszText == nullptr) lpszText = "";
    if (!::OpenClipboard(hWndOwner)) return FALSE;
    ::EmptyClipboard();
    const size_t cb = std::strlen(lpszText) + 1;
    HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE, cb);
    void* p = hMem ? ::GlobalLock(hMem) : nullptr;
    if (p == nullptr) {
        if (hMem) ::GlobalFree(hMem);
        ::CloseClipboard();
        return FALSE;
    }
    std::memcpy(p, lpszText, cb);
    ::GlobalUnlock(hMem);
    // The clipboard owns the memory once it has taken it.
    if (!::SetClipboardData(CF_TEXT, hMem)) ::GlobalFree(hMem);
    ::CloseClipboard();
    return TRUE;
}

BOOL KXGetClipboardText(HWND hWndOwner, CString& strText) {
    if (!::IsClipboardFormatAvailable(CF_TEXT) || !::OpenClipboard(hWndOwner)) return FALSE;
    BOOL bRead = FALSE;
    if (HANDLE hData = ::GetClipboardData(CF_TEXT)) {
        if (const char* p = static_cast<const char*>(::GlobalLock(hData))) {
            const size_t cbMax = ::GlobalSize(hData);
            const void* pEnd = std::memchr(p, 0, cbMax);
            const size_t n = pEnd ? static_cast<size_t>(static_cast<const char*>(pEnd) - p) : cbMax;
            strText = CString(p, static_cast<int>(std::min<size_t>(n, INT_MAX)));
            ::GlobalUnlock(hData);
            bRead = TRUE;
        }
    }
    ::CloseClipboard();
    return bRead;
}
