#include "core/back_image.h"

#include "core/back_image_archive.h"
#include "core/dib_block.h"
#include "core/gfx_picture.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// A bitmap owned until it is handed on.
struct CBitmapHolder {
    HBITMAP h = nullptr;
    ~CBitmapHolder() {
        if (h) ::DeleteObject(h);
    }
    HBITMAP Release() { return std::exchange(h, nullptr); }
};

// A GlobalAlloc'd block freed when the scope is left, thrown through or not.
struct CGlobalBlock {
    void* p = nullptr;
    ~CGlobalBlock() {
        if (p) ::GlobalFree(p);
    }
};

// A DIB section made from blocks that KXReadDIBBlocks has checked.
HBITMAP CreateBitmapFromBlocks(const KX_DIBBLOCKS& blocks) {
    HDC hdc = ::GetDC(nullptr);
    if (hdc == nullptr) return nullptr;
    void* pvBits = nullptr;
    HBITMAP hbm = ::CreateDIBSection(hdc, reinterpret_cast<const BITMAPINFO*>(blocks.info.data()), DIB_RGB_COLORS,
                                     &pvBits, nullptr, 0);
    ::ReleaseDC(nullptr, hdc);
    if (hbm == nullptr || pvBits == nullptr) {
        if (hbm) ::DeleteObject(hbm);
        return nullptr;
    }
    std::memcpy(pvBits, blocks.bits.data(), blocks.bits.size());
    ::GdiFlush();
    return hbm;
}

}  // namespace

CKXBackImage::~CKXBackImage() { DeleteBitmap(); }

void CKXBackImage::DeleteBitmap() {
    if (m_image.hbm) ::DeleteObject(m_image.hbm);
    m_image.hbm = nullptr;
}

void CKXBackImage::DrawBkImage(CDC* pDC, const CRect& rect) { KXDrawBkImage(pDC, rect, m_image); }

BOOL CKXBackImage::SetBkImage(HBITMAP hBitmap) {
    if (hBitmap != m_image.hbm) DeleteBitmap();  // setting the held bitmap again keeps it alive
    m_image.hbm = hBitmap;
    if (hBitmap == nullptr)
        m_image.ulFlags &= ~KX_LVBKIF_SOURCE_MASK;
    else
        m_image.ulFlags = (m_image.ulFlags & ~KX_LVBKIF_SOURCE_FILE) | KX_LVBKIF_SOURCE_HBITMAP;
    return hBitmap != nullptr;
}

BOOL CKXBackImage::SetBkImage(UINT nIDResource) {
    LPCTSTR lpszName = MAKEINTRESOURCE(nIDResource);
    HINSTANCE hInst = AfxFindResourceHandle(lpszName, RT_BITMAP);
    return SetBkImage(static_cast<HBITMAP>(::LoadImageA(hInst, lpszName, IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS)));
}

BOOL CKXBackImage::SetBkImageFile(LPCTSTR lpszFileName) {
    DeleteBitmap();
    if (lpszFileName == nullptr) {
        m_image.strImage.Empty();
        m_image.ulFlags &= ~KX_LVBKIF_SOURCE_MASK;
        return FALSE;
    }
    const CString strFile(lpszFileName);  // the argument may point into strImage
    m_image.strImage = strFile;
    m_image.hbm = GfxLoadImageFile(strFile);
    m_image.ulFlags = (m_image.ulFlags & ~KX_LVBKIF_SOURCE_HBITMAP) | KX_LVBKIF_SOURCE_FILE;
    return m_image.hbm != nullptr;
}

namespace {

// Tiling and stretching exclude each other and the normal style; switching
// one off falls back to the normal style unless the other is on.
UINT SwitchStyle(UINT ulFlags, UINT nStyle, UINT nOther, BOOL bOn) {
    if (bOn) return (ulFlags & ~(KX_LVBKIF_STYLE_NORMAL | nOther)) | nStyle;
    ulFlags &= ~nStyle;
    return (ulFlags & nOther) ? ulFlags : ulFlags | KX_LVBKIF_STYLE_NORMAL;
}

}  // namespace

void CKXBackImage::SetImageTile(BOOL bTile) {
    m_image.ulFlags = SwitchStyle(m_image.ulFlags, KX_LVBKIF_STYLE_TILE, KX_LVBKIF_STYLE_STRETCH, bTile);
}

void CKXBackImage::SetImageStretch(BOOL bStretch) {
    m_image.ulFlags = SwitchStyle(m_image.ulFlags, KX_LVBKIF_STYLE_STRETCH, KX_LVBKIF_STYLE_TILE, bStretch);
}

void CKXBackImage::SetImageAlign(UINT nAlign) {
    const UINT nKeep = KX_LVBKIF_SOURCE_MASK | KX_LVBKIF_TRANSPARENT;
    m_image.ulFlags = (m_image.ulFlags & nKeep) | (nAlign & ~nKeep);
}

UINT CKXBackImage::GetImageAlign() const {
    if (!(m_image.ulFlags & KX_LVBKIF_STYLE_NORMAL)) return 0;
    return m_image.ulFlags & KX_LVBKIF_ALIGN_MASK;
}

void CKXBackImage::SetImageOffset(int x, int y) {
    m_image.xOffset = std::max(x, 0);
    m_image.yOffset = std::max(y, 0);
}

void CKXBackImage::SerializeImage(CArchive& ar) {
    if (ar.IsStoring()) {
        KX_BKIMAGE_FIELDS fields;
        fields.ulFlags = m_image.ulFlags;
        fields.clrTransparent = m_image.clrTransparent;
        fields.xOffset = m_image.xOffset;
        fields.yOffset = m_image.yOffset;
        fields.strImage = m_image.strImage;
        KXSerializeBkImageFields(ar, fields);
        if (m_image.ulFlags & KX_LVBKIF_SOURCE_HBITMAP) SerializeBitmap(m_image.hbm, ar);
        return;
    }

    // Everything is read before anything changes, so a throw leaves the
    // object as it was.
    KX_BKIMAGE_FIELDS fields;
    KXSerializeBkImageFields(ar, fields);
    CBitmapHolder read;
    if (fields.ulFlags & KX_LVBKIF_SOURCE_HBITMAP) SerializeBitmap(read.h, ar);

    if (fields.ulFlags & KX_LVBKIF_SOURCE_FILE) {
        // A file source is reloaded from the file, as SetBkImageFile does;
        // stored pixels of a record that claimed both sources are dropped.
        HBITMAP hFile = GfxLoadImageFile(fields.strImage);
        DeleteBitmap();
        m_image.hbm = hFile;
        m_image.strImage = fields.strImage;
        fields.ulFlags &= ~KX_LVBKIF_SOURCE_HBITMAP;
    } else if (read.h) {
        DeleteBitmap();
        m_image.hbm = read.Release();
    }
    m_image.ulFlags = fields.ulFlags;
    m_image.clrTransparent = fields.clrTransparent;
    m_image.xOffset = fields.xOffset;
    m_image.yOffset = fields.yOffset;
}

void CKXBackImage::SerializeBitmap(HBITMAP& hbm, CArchive& ar) {
    if (ar.IsStoring()) {
        CGlobalBlock info, bits;
        KX_DIBFORMAT format;
        BITMAPINFO* pInfo = nullptr;
        if (hbm && GfxGetDIBBitmap(hbm, &bits.p, &pInfo)) {
            info.p = pInfo;
            if (KXMeasureDIBHeader(static_cast<const BYTE*>(info.p), &format)) {
                KXWriteDIBBlocks(ar, info.p, format.cbInfo, bits.p, format.cbImage);
                return;
            }
        }
        KXWriteDIBBlocks(ar, nullptr, 0, nullptr, 0);
        return;
    }
    KX_DIBBLOCKS blocks;
    KXReadDIBBlocks(ar, blocks);
    if (blocks.IsEmpty()) return;
    HBITMAP hNew = CreateBitmapFromBlocks(blocks);
    if (hNew == nullptr) AfxThrowArchiveException(CArchiveException::genericException);
    if (hbm) ::DeleteObject(hbm);
    hbm = hNew;
}
