// CBitmapButton: an owner-drawn button (BS_OWNERDRAW) that shows one of up
// to four bitmaps of the same size: normal (required), pressed, focused and
// disabled; a missing one falls back to the normal bitmap.
#pragma once

#include "win/ctl_basic.h"
#include "win/gdiobj.h"

class CBitmapButton : public CButton {
    DECLARE_DYNAMIC(CBitmapButton)
public:
    CBitmapButton() = default;

    // From bitmap resources of the module chain; FALSE when the normal one
    // is missing (the others may be null).
    BOOL LoadBitmaps(LPCTSTR lpszBitmapResource, LPCTSTR lpszBitmapResourceSel = nullptr,
                     LPCTSTR lpszBitmapResourceFocus = nullptr, LPCTSTR lpszBitmapResourceDisabled = nullptr);
    BOOL LoadBitmaps(UINT nIDBitmapResource, UINT nIDBitmapResourceSel = 0, UINT nIDBitmapResourceFocus = 0,
                     UINT nIDBitmapResourceDisabled = 0);
    // Subclasses dialog item nID and loads the bitmaps named after its
    // caption with "U", "D", "F" and "X" (normal, pressed, focused,
    // disabled); then fits the button to them.
    BOOL AutoLoad(UINT nID, CWnd* pParent);
    // Gives the button the size of the normal bitmap.
    void SizeToContent();

protected:
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;

    CBitmap m_bitmap;
    CBitmap m_bitmapSel;
    CBitmap m_bitmapFocus;
    CBitmap m_bitmapDisabled;
};
