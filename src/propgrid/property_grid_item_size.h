// Size and rectangle property items: parents of whole-number rows, one per
// part.  The size item is edited as "width; height" or through its "Width"
// and "Height" rows; the rectangle item only through its rows: "All" sets
// every side at once, "Left", "Top", "Right" and "Bottom" one each (and
// reset "All" to 0).  The rows are made when the item is added to a parent.
#pragma once

#include "base/array_types.h"
#include "propgrid/property_grid_item.h"

class CKXPropertyGridItemNumber;

class CKXPropertyGridItemSize : public CKXPropertyGridItem {
    DECLARE_DYNAMIC(CKXPropertyGridItemSize)
public:
    CKXPropertyGridItemSize(LPCTSTR lpszCaption, CSize size = CSize(0, 0), CSize* pBindSize = nullptr);
    explicit CKXPropertyGridItemSize(UINT nID, CSize size = CSize(0, 0), CSize* pBindSize = nullptr);
    ~CKXPropertyGridItemSize() override;

    void SetSize(CSize size);
    CSize GetSize() const { return m_szValue; }
    void BindToSize(CSize* pBindSize) { m_pBindSize = pBindSize; }
    // Captions of the rows, separated by line feeds ("Breite\nHöhe").
    void SetChildCaption(LPCTSTR lpszCaptions);
    void SetChildCaption(UINT nID);

    void SetValue(LPCTSTR lpszValue) override;
    BOOL UpdateData(BOOL bSaveAndValidate) override;
    void OnAddChildItem() override;

    // A row committed a new number.
    virtual void OnChildChanged(int nChild, long nValue);

protected:
    void UpdateChilds();
    CSize m_szValue;
    CSize* m_pBindSize = nullptr;
    CStringArray m_strChildCaptions;  // "Width", "Height"
    CKXPropertyGridItemNumber* m_pChildItems[2] = {};
};

class CKXPropertyGridItemRect : public CKXPropertyGridItem {
    DECLARE_DYNAMIC(CKXPropertyGridItemRect)
public:
    CKXPropertyGridItemRect(LPCTSTR lpszCaption, CRect rect = CRect(0, 0, 0, 0), CRect* pBindRect = nullptr);
    explicit CKXPropertyGridItemRect(UINT nID, CRect rect = CRect(0, 0, 0, 0), CRect* pBindRect = nullptr);
    ~CKXPropertyGridItemRect() override;

    void SetRect(CRect rect);
    CRect GetRect() const { return m_rcValue; }
    void BindToRect(CRect* pBindRect) { m_pBindRect = pBindRect; }
    // Captions of the side rows (left, top, right, bottom), separated by
    // line feeds.
    void SetChildCaption(LPCTSTR lpszCaptions);
    void SetChildCaption(UINT nID);

    // Stores the text as it is (it is never typed) and shows the current
    // rectangle in the rows.
    void SetValue(LPCTSTR lpszValue) override;
    BOOL UpdateData(BOOL bSaveAndValidate) override;
    void OnAddChildItem() override;

    // Row nChild (0 "All", 1..4 the sides) committed a new number.
    virtual void OnChildChanged(int nChild, long nValue);

protected:
    void UpdateChilds();
    CRect m_rcValue;
    CRect* m_pBindRect = nullptr;
    CStringArray m_strChildCaptions;  // "All", "Left", "Top", "Right", "Bottom"
    CKXPropertyGridItemNumber* m_pChildItems[5] = {};
};
