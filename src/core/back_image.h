// CKXBackImage: a window's background picture (a bitmap handle, a bitmap
// resource or an image file), how it is placed (tiled, stretched, or placed
// once with an alignment and offsets, optionally leaving one colour out),
// drawing it, and keeping it in an archive with the bitmap's pixels.
#pragma once

#include "core/back_image_flags.h"
#include "win/afxwin.h"

// The whole state of a background picture.
struct tagKX_LVBKIMAGE {
    UINT ulFlags = KX_LVBKIF_STYLE_NORMAL;  // KX_LVBKIF_* bits
    HBITMAP hbm = nullptr;                  // the picture
    CString strImage;                       // the image file; empty unless the source is a file
    CString strTag;                         // carried with the record for the caller's use
    int nTag = 0;                           // likewise
    int xOffset = 0;                        // never negative in a CKXBackImage
    int yOffset = 0;
    COLORREF clrTransparent = 0xFFFFFFFF;   // left out with KX_LVBKIF_TRANSPARENT
};
typedef tagKX_LVBKIMAGE KX_LVBKIMAGE;

// Draws image's bitmap into rect of pDC as its flags and offsets say;
// nothing without a bitmap.  Only the part inside pDC's clip box is visited.
void KXDrawBkImage(CDC* pDC, const CRect& rect, const tagKX_LVBKIMAGE& image);

// Usable as a second base class.  The object owns its bitmap: it is deleted
// when replaced and in the destructor.
class CKXBackImage {
public:
    CKXBackImage() = default;
    virtual ~CKXBackImage();
    CKXBackImage(const CKXBackImage&) = delete;
    CKXBackImage& operator=(const CKXBackImage&) = delete;

    // Draws the picture into rect of pDC (KXDrawBkImage).
    virtual void DrawBkImage(CDC* pDC, const CRect& rect);
    // Stores or loads flags, transparent colour, offsets, the file name of a
    // file source and the pixels of a bitmap source.  Loading is all or
    // nothing: a short or malformed archive throws CArchiveException* and
    // leaves the object as it was.
    virtual void SerializeImage(CArchive& ar);
    // Stores hbm's pixels (a single 0 when there is no bitmap or no
    // device-independent copy of it), or loads them into a new bitmap that
    // replaces hbm (deleting what it held); a stored 0 leaves hbm alone.
    virtual void SerializeBitmap(HBITMAP& hbm, CArchive& ar);

    // The picture from a bitmap handle (ownership passes to the object) or a
    // bitmap resource of the current resource module, its 3D greys mapped to
    // the system colours; null clears the source.  TRUE when a bitmap is held.
    BOOL SetBkImage(HBITMAP hBitmap);
    BOOL SetBkImage(UINT nIDResource);
    // The picture from an image file; null clears the source.  A file that
    // cannot be read leaves no bitmap but keeps the name and the file source.
    BOOL SetBkImageFile(LPCTSTR lpszFileName);
    HBITMAP GetBkImage() const { return m_image.hbm; }
    CString GetBkImageFile() const { return m_image.strImage; }

    void SetImageTile(BOOL bTile);
    void SetImageStretch(BOOL bStretch);
    BOOL IsImageTile() const { return (m_image.ulFlags & KX_LVBKIF_STYLE_TILE) != 0; }
    BOOL IsImageStretch() const { return (m_image.ulFlags & KX_LVBKIF_STYLE_STRETCH) != 0; }
    // nAlign carries the style bit as well as the alignment bits: every bit
    // but the source and transparency bits is replaced.
    void SetImageAlign(UINT nAlign);
    // The alignment bits, or 0 unless the picture is placed once.
    UINT GetImageAlign() const;

    void ModifyImageFlags(UINT nRemove, UINT nAdd) { m_image.ulFlags = (m_image.ulFlags & ~nRemove) | nAdd; }
    void SetImageFlags(UINT nFlags) { m_image.ulFlags = nFlags; }
    UINT GetImageFlags() const { return m_image.ulFlags; }

    // Offsets below 0 are stored as 0.
    void SetImageOffset(int x, int y);
    void SetImageOffset(CSize size) { SetImageOffset(size.cx, size.cy); }
    void SetImageOffset(CPoint point) { SetImageOffset(point.x, point.y); }
    CSize GetImageOffset() const { return CSize(m_image.xOffset, m_image.yOffset); }

    // Replaces the whole record; the bitmap held before is not deleted, and
    // the record's bitmap becomes the object's.
    void SetImage(const tagKX_LVBKIMAGE& image) { m_image = image; }
    const tagKX_LVBKIMAGE& GetImage() const { return m_image; }

protected:
    void DeleteBitmap();

    tagKX_LVBKIMAGE m_image;
};
