// CKXButton: the library's owner-drawn push button in the flat look.  A
// face in the dialog colour with a thin raised edge; under the mouse the
// edge (or, in the XP look, a highlighted face) shows it is live; pressed,
// or held pushed by its owner (SetPushed) while something it opened is
// showing, the edge sinks and the content moves a pixel.  The content is
// the caption centred both ways, or an icon (SetIcon) centred; a disabled
// button draws it in the shadow colour.
#pragma once

#include "win/afxwin.h"

class CKXButton : public CButton {
    DECLARE_DYNAMIC(CKXButton)
public:
    CKXButton() = default;
    ~CKXButton() override = default;

    // A child push button; BS_OWNERDRAW is added.
    using CButton::Create;
    BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // The icon drawn instead of the caption; the caller keeps it alive.
    HICON SetIcon(HICON hIcon);
    HICON GetIcon() const { return m_hIcon; }

    // Shown pressed whatever the mouse does, until cleared.
    void SetPushed(BOOL bPushed);
    BOOL IsPushed() const { return m_bPushed; }
    BOOL IsHot() const { return m_bHot; }

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    // The face of the button in rc: pressed, hot, enabled.
    virtual void DrawFace(CDC* pDC, const CRect& rc, bool bPressed, bool bHot, bool bEnabled);
    virtual void DrawContent(CDC* pDC, const CRect& rc, bool bEnabled);

    BOOL OnEraseBkgnd(CDC* pDC);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnMouseLeave();

    HICON m_hIcon = nullptr;
    BOOL m_bPushed = FALSE;
    BOOL m_bHot = FALSE;

    DECLARE_MESSAGE_MAP()
};
