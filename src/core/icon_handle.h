// CKXIconHandle: an icon handle that destroys its icon when it goes.
#pragma once

#include "win/afxwin.h"

class CKXIconHandle {
public:
    CKXIconHandle() = default;
    CKXIconHandle(HICON hIcon) : m_hIcon(hIcon) {}  // takes ownership
    // Shares the handle, as the original copy does: only one of the two may
    // outlive the other's destruction, so copy with care.
    CKXIconHandle(const CKXIconHandle& other) : m_hIcon(other.m_hIcon) {}
    virtual ~CKXIconHandle();

    CKXIconHandle& operator=(HICON hIcon);  // destroys the held icon first
    CKXIconHandle& operator=(const CKXIconHandle&) = delete;
    operator HICON() const { return m_hIcon; }

    // Width and height from the colour bitmap (the mask when there is none).
    static CSize GetExtent(HICON hIcon);
    CSize GetExtent() const { return GetExtent(m_hIcon); }

    // A new icon of size sz: the source is stretched to fill it, keeping its
    // transparent pixels (mask and colour are scaled alike).  A smaller source
    // is stretched up as well, so the result always has exactly sz.  Null when
    // the source is null or sz is empty.  The caller owns the result.
    static HICON ScaleToFit(HICON hIcon, CSize sz);
    HICON ScaleToFit(CSize sz) const { return ScaleToFit(m_hIcon, sz); }

private:
    HICON m_hIcon = nullptr;
};
