#include "core/gfx_picture.h"

#include "core/dib_block.h"

#include <ole2.h>
#include <olectl.h>

#include <cstring>

namespace {

// Files larger than this are not pictures anyone means as a background.
constexpr LONGLONG kMaxImageFile = 256ll << 20;

// The picture loader hands some formats to COM decoders: make sure COM is
// up on this thread for the call, and leave it as it was.
class CComScope {
public:
    CComScope() : m_hr(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~CComScope() {
        if (SUCCEEDED(m_hr)) ::CoUninitialize();
    }
    CComScope(const CComScope&) = delete;
    CComScope& operator=(const CComScope&) = delete;

private:
    HRESULT m_hr;
};

// The file's bytes in a movable global block, or null.
HGLOBAL ReadFileToGlobal(LPCTSTR lpszFileName, DWORD& cb) {
    HANDLE hFile = ::CreateFileA(lpszFileName, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) return nullptr;
    HGLOBAL hMem = nullptr;
    LARGE_INTEGER size = {};
    if (::GetFileSizeEx(hFile, &size) && size.QuadPart > 0 && size.QuadPart <= kMaxImageFile) {
        cb = static_cast<DWORD>(size.QuadPart);
        hMem = ::GlobalAlloc(GMEM_MOVEABLE, cb);
        void* p = hMem ? ::GlobalLock(hMem) : nullptr;
        DWORD got = 0;
        // A bitmap file that is shorter than its headers say is refused here:
        // not every loader checks before it reads.
        const BOOL bOk = p && ::ReadFile(hFile, p, cb, &got, nullptr) && got == cb &&
                           KXCheckBitmapFile(static_cast<const BYTE*>(p), cb);
        if (p) ::GlobalUnlock(hMem);
        if (!bOk && hMem) hMem = ::GlobalFree(hMem);  // null on success
    }
    ::CloseHandle(hFile);
    return hMem;
}

// The pixel format a device-independent copy gets.  False for a bitmap that
// cannot be described.
bool ChooseFormat(HBITMAP hBitmap, BITMAPINFOHEADER& bih, DWORD masks[3]) {
    DIBSECTION ds = {};
    const int n = ::GetObject(hBitmap, sizeof ds, &ds);
    if (n < static_cast<int>(sizeof(BITMAP)) || ds.dsBm.bmWidth <= 0 || ds.dsBm.bmHeight <= 0) return false;
    bih = {};
    bih.biSize = sizeof bih;
    bih.biWidth = ds.dsBm.bmWidth;
    bih.biHeight = ds.dsBm.bmHeight;  // rows from the bottom, whatever the source
    bih.biPlanes = 1;
    bih.biCompression = BI_RGB;
    if (n == static_cast<int>(sizeof ds)) {
        // A DIB section keeps its own format and masks.
        bih.biBitCount = ds.dsBmih.biBitCount;
        if (ds.dsBmih.biCompression == BI_BITFIELDS) {
            bih.biCompression = BI_BITFIELDS;
            std::memcpy(masks, ds.dsBitfields, 3 * sizeof(DWORD));
        }
    } else {
        const int nBits = ds.dsBm.bmBitsPixel * ds.dsBm.bmPlanes;
        bih.biBitCount = static_cast<WORD>(nBits == 1 || nBits == 4 || nBits == 8 || nBits == 32 ? nBits : 24);
    }
    return true;
}

}  // namespace

HBITMAP GfxLoadImageFile(LPCTSTR lpszFileName) {
    if (lpszFileName == nullptr || *lpszFileName == '\0') return nullptr;
    DWORD cb = 0;
    HGLOBAL hMem = ReadFileToGlobal(lpszFileName, cb);
    if (hMem == nullptr) return nullptr;

    CComScope com;
    IStream* pStream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(hMem, TRUE, &pStream)) || pStream == nullptr) {
        ::GlobalFree(hMem);
        return nullptr;
    }
    // From here the stream owns the block.
    IPicture* pPicture = nullptr;
    const HRESULT hr = ::OleLoadPicture(pStream, static_cast<LONG>(cb), FALSE, IID_IPicture,
                                        reinterpret_cast<void**>(&pPicture));
    pStream->Release();
    if (FAILED(hr) || pPicture == nullptr) return nullptr;

    HBITMAP hResult = nullptr;
    SHORT nType = PICTYPE_UNINITIALIZED;
    OLE_HANDLE hPicture = 0;
    if (SUCCEEDED(pPicture->get_Type(&nType)) && nType == PICTYPE_BITMAP &&
        SUCCEEDED(pPicture->get_Handle(&hPicture)) && hPicture != 0) {
        // The picture deletes its own bitmap: the caller gets a copy.  A
        // picture hands out its 32-bit handle, sign-extended as handles are.
        const auto hbm = reinterpret_cast<HBITMAP>(static_cast<LONG_PTR>(static_cast<LONG>(hPicture)));
        hResult = static_cast<HBITMAP>(::CopyImage(hbm, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    }
    pPicture->Release();
    return hResult;
}

BOOL GfxGetDIBBitmap(HBITMAP hBitmap, LPVOID* ppBits, BITMAPINFO** ppInfo) {
    if (ppBits) *ppBits = nullptr;
    if (ppInfo) *ppInfo = nullptr;
    BITMAPINFOHEADER bih;
    DWORD masks[3] = {};
    if (hBitmap == nullptr || ppBits == nullptr || ppInfo == nullptr || !ChooseFormat(hBitmap, bih, masks))
        return FALSE;
    KX_DIBFORMAT format;
    if (!KXMeasureDIBHeader(reinterpret_cast<const BYTE*>(&bih), &format)) return FALSE;

    // Room for the largest table: GetDIBits may write more than the format keeps.
    auto* pInfo = static_cast<BITMAPINFO*>(::GlobalAlloc(GPTR, KX_DIB_MAX_INFO_BYTES));
    void* pBits = pInfo ? ::GlobalAlloc(GPTR, format.cbImage) : nullptr;
    BOOL bOk = pBits != nullptr;
    if (bOk) {
        pInfo->bmiHeader = bih;
        if (bih.biCompression == BI_BITFIELDS) std::memcpy(pInfo->bmiColors, masks, sizeof masks);
        HDC hdc = ::GetDC(nullptr);
        bOk = hdc && ::GetDIBits(hdc, hBitmap, 0, bih.biHeight, pBits, pInfo, DIB_RGB_COLORS) == bih.biHeight;
        if (hdc) ::ReleaseDC(nullptr, hdc);
        // GetDIBits may have filled in header fields: keep the copy consistent
        // with what it says (the full table, the exact image size).
        pInfo->bmiHeader.biClrUsed = 0;
        pInfo->bmiHeader.biClrImportant = 0;
        pInfo->bmiHeader.biSizeImage = format.cbImage;
        KX_DIBFORMAT check;
        bOk = bOk && KXParseDIBInfo(reinterpret_cast<const BYTE*>(pInfo), format.cbInfo, &check) &&
              check.cbImage == format.cbImage;
    }
    if (!bOk) {
        if (pBits) ::GlobalFree(pBits);
        if (pInfo) ::GlobalFree(pInfo);
        return FALSE;
    }
    *ppBits = pBits;
    *ppInfo = pInfo;
    return TRUE;
}
