// CKXPropertyGridItem: one named value of a property grid, a node of the
// grid's tree; CKXPropertyGridItems, the children of an item (and the
// categories of a view); CKXItemConstraints, the values an item allows.
//
// An item keeps its value as text.  It belongs to no view until it is added
// to a category or to an item that has one; it has a row while its category
// (or, in the sorted orders, its parent) shows it.  While selected it owns
// the view's three shared in-place controls: the edit box, the button at the
// right of the value, and the drop-down list of its constraints.  Typed
// items derive from it and override the virtual operations, which are
// listed in the order derived classes rely on.
//
// All three classes are reference-counted command targets: a new object
// holds one reference, and its owner gives it up with InternalRelease.  An
// item's children and constraints are released with it.
//
// Bad input fails safely: an item that already has a parent (or is a
// category, or would become its own ancestor) is not added and
// AddChildItem returns null; indexes outside a list are ignored; an item
// without a view does no row or window work.
#pragma once

#include "propgrid/property_grid_defs.h"
#include "propgrid/property_tree.h"
#include "win/afxwin.h"

class CKXPropertyGridItem;
class CKXPropertyGridView;
class CKXPropertyGridInplaceEdit;
class CKXPropertyGridInplaceButton;
class CKXPropertyGridInplaceList;

class CKXPropertyGridItems : public CCmdTarget, public CList<CKXPropertyGridItem*, CKXPropertyGridItem*> {
    DECLARE_DYNAMIC(CKXPropertyGridItems)
public:
    CKXPropertyGridItems() : CList(10) {}

    int GetCount() const { return static_cast<int>(CList::GetCount()); }
    // Null outside 0..count-1.
    CKXPropertyGridItem* GetAt(int nIndex) const;
    // Depth first in pre-order; null when none.  Captions compare exactly.
    CKXPropertyGridItem* FindItem(UINT nID) const;
    CKXPropertyGridItem* FindItem(LPCTSTR lpszCaption) const;
    // Removes and releases the item at nIndex (ignored outside the list);
    // the view's rows are cleared first and rebuilt afterwards.
    void RemoveAt(int nIndex);
    // Releases every item from the tail forwards, with the same row work
    // unless the view is being destroyed.
    void Clear();

    // Two CObject bases: the allocation is named here once.
    static void* operator new(size_t nSize) { return ::operator new(nSize); }
    static void operator delete(void* p) { ::operator delete(p); }

protected:
    // Ascending by caption, stably.
    void Sort();

    CKXPropertyGridView* m_pGrid = nullptr;

    friend class CKXPropertyGridItem;
    friend class CKXPropertyGridView;
};

class CKXItemConstraints : public CCmdTarget, public CStringList {
    DECLARE_DYNAMIC(CKXItemConstraints)
public:
    CKXItemConstraints() : CStringList(10) {}

    // Appends; the new element's index.
    int AddConstraint(LPCTSTR lpszConstraint);
    // The index of the first element equal to the text, or -1.
    int FindConstaint(LPCTSTR lpszConstraint) const;
    int GetCurrent() const { return m_nCurrent; }
    void SetCurrent(int nIndex) { m_nCurrent = nIndex; }
    // Ascending, stably; the current index is left as it is.
    void Sort();

    static void* operator new(size_t nSize) { return ::operator new(nSize); }
    static void operator delete(void* p) { ::operator delete(p); }

protected:
    int m_nCurrent = -1;  // none chosen yet
};

class CKXPropertyGridItem : public CCmdTarget {
    DECLARE_DYNAMIC(CKXPropertyGridItem)
public:
    CKXPropertyGridItem(LPCTSTR lpszCaption, LPCTSTR lpszValue = nullptr, CString* pBindString = nullptr);
    // Caption and description from string resource nID: the text before the
    // first line feed and the rest; the whole text without one.
    explicit CKXPropertyGridItem(UINT nID, LPCTSTR lpszValue = nullptr, CString* pBindString = nullptr);
    ~CKXPropertyGridItem() override;

    // --- the tree --------------------------------------------------------------
    // Adds pItem as the last child and returns it; null (nothing changed) for
    // an item that cannot be added.
    CKXPropertyGridItem* AddChildItem(CKXPropertyGridItem* pItem);
    // A plain item from string resource nID; nonzero nFlags replace its flags.
    CKXPropertyGridItem* AddChildItem(UINT nID, LPCTSTR lpszValue, int nFlags = 0);
    // Typed items from string resource nID (see property_grid_items.h);
    // nonzero nFlags replace the new item's flags.
    CKXPropertyGridItem* AddChildItem(UINT nID, BOOL bValue, UINT nCheckBoxStyle);
    CKXPropertyGridItem* AddChildItem(UINT nID, long nValue, long nMin, long nMax, int nFlags = 0);
    CKXPropertyGridItem* AddChildItem(UINT nID, double dValue, LPCTSTR lpszFormat, int nFlags = 0);
    CKXPropertyGridItem* AddChildItem(UINT nID, COLORREF clr, int nFlags = 0);
    CKXPropertyGridItem* AddChildItem(UINT nID, CSize size, int nFlags = 0);
    CKXPropertyGridItem* AddChildItem(UINT nID, CRect rect, int nFlags = 0);
    CKXPropertyGridItem* AddChildItem(UINT nID, LOGFONT& font, int nFlags = 0);
    CKXPropertyGridItem* AddChildItem(UINT nID, HICON hIcon, int nFlags = 0);
    // A file item; bOpen is its mode (see property_grid_item_file.h).
    CKXPropertyGridItem* AddChildItem(UINT nID, LPCTSTR lpszValue, LPCTSTR lpszFilter, DWORD dwFlags, BOOL bOpen,
                                      int nFlags = 0);
    // Takes the item out of the tree, rebuilds the rows and releases it.
    void Remove();

    CKXPropertyGridItem* GetParentItem() const { return m_pParent; }
    // Whether pParent is the parent or any further ancestor.
    BOOL HasParent(const CKXPropertyGridItem* pParent) const;
    CKXPropertyGridItems* GetChilds() const { return m_pChilds; }
    BOOL HasChilds() const { return m_pChilds->GetCount() > 0; }
    // Iteration: pos receives the place of the next child.
    CKXPropertyGridItem* GetFirstChildItem(POSITION& pos) const;
    CKXPropertyGridItem* GetNextChildItem(POSITION& pos) const;
    CKXItemConstraints* GetConstraints() const { return m_pConstraints; }
    // The view that shows the item, null before it is added to one.
    CWnd* GetGrid() const;
    int GetIndent() const { return m_nIndent; }

    // --- state -------------------------------------------------------------
    void Expand();
    void Collapse();
    BOOL IsExpanded() const { return m_bExpanded; }
    // Selects the item's row and runs the view's selection change; nothing
    // for an item that is not shown.
    void Select();
    BOOL IsSelected() const;
    BOOL IsVisible() const { return m_bVisible; }
    BOOL IsCategory() const { return m_bCategory; }
    // The row's rectangle in the view (empty while the item is not shown).
    CRect GetItemRect() const;

    // --- properties ----------------------------------------------------------
    UINT GetID() const { return m_nID; }
    void SetID(UINT nID) { m_nID = nID; }
    UINT GetFlags() const { return m_nFlags; }
    void SetFlags(UINT nFlags) { m_nFlags = nFlags; }
    void SetConstraintEdit(BOOL bConstraintEdit) { m_bConstraintEdit = bConstraintEdit; }
    BOOL GetConstraintEdit() const { return m_bConstraintEdit; }
    void EnableChar(BOOL bEnable) { m_bEnableChar = bEnable; }
    BOOL IsEnableChar() const { return m_bEnableChar; }
    void SetReadOnly(BOOL bReadOnly);
    BOOL GetReadOnly() const { return m_bReadOnly; }
    CString GetValue() const { return m_strValue; }
    CString GetCaption() const { return m_strCaption; }
    void SetCaption(LPCTSTR lpszCaption) { m_strCaption = lpszCaption; }
    CString GetDescription() const { return m_strDescription; }
    void SetDescription(LPCTSTR lpszDescription) { m_strDescription = lpszDescription; }
    // Keeps *pBindString equal to the value from now on (null: no string).
    void BindToString(CString* pBindString);

    void Serialize(CArchive&) override {}

    // --- what typed items override ---------------------------------------------
    // The value column of the row, one pixel inside, left of the button
    // while it shows.
    virtual CRect GetValueRect();
    // Stores the text (and in the bound string and the open edit box).
    virtual void SetValue(LPCTSTR lpszValue);
    // The user changed the value: stored, redrawn, the owner told.
    virtual void OnValueChanged(LPCTSTR lpszValue);
    // FALSE: the painter draws the value text itself.
    virtual BOOL OnDrawItemValue(CDC& dc, CRect rcValue);
    // Exchanges the value with the bound string; TRUE.
    virtual BOOL UpdateData(BOOL bSaveAndValidate);
    // Shows the in-place controls the flags ask for.
    virtual void OnSelect();
    // Hides the button and commits the edit.
    virtual void OnDeselect();
    // Starts editing with a typed character; FALSE without an edit box.
    virtual BOOL OnChar(UINT nChar);
    // Toggles an item with children; otherwise steps to the next constraint.
    virtual void OnLButtonDblClk();
    // Selects, toggles in the expand box's band, presses into the edit box.
    virtual BOOL OnLButtonDown(UINT nFlags, CPoint point);
    // Right after the item was added to a parent.
    virtual void OnAddChildItem();
    // The owner first; then the drop-down list of constraints.
    virtual void OnInplaceButtonDown();
    // Commits the edit box's text when it differs from the value.
    virtual void OnValidateEdit();
    // The edit box's text, when it is open for this item.
    virtual void SetEditText(CString strEditText);

protected:
    // The view's shared controls; without a view, process-wide ones that
    // never get a window.
    CKXPropertyGridInplaceEdit& GetInplaceEdit() const;
    CKXPropertyGridInplaceButton& GetInplaceButton() const;
    CKXPropertyGridInplaceList& GetInplaceList() const;
    // Sends the grid's notification to its owner; 0 without a view window.
    LRESULT NotifyOwner(WPARAM nCode, LPARAM lParam) const;
    // The view with its window, or null.
    CKXPropertyGridView* GetLiveView() const;

    BOOL m_bConstraintEdit = FALSE;
    int m_nIndex = -1;
    int m_nIndent = 0;
    UINT m_nID = 0;
    UINT m_nFlags = KX_ITEM_EDIT;
    BOOL m_bEnableChar = TRUE;
    BOOL m_bReadOnly = FALSE;
    BOOL m_bVisible = FALSE;
    BOOL m_bCategory = FALSE;
    BOOL m_bExpanded = FALSE;
    CString m_strValue;
    CString m_strCaption;
    CString m_strDescription;
    CKXPropertyGridItem* m_pParent = nullptr;
    CKXPropertyGridView* m_pGrid = nullptr;
    CKXPropertyGridItems* m_pChilds;
    CKXItemConstraints* m_pConstraints;
    CString* m_pBindString = nullptr;
    CString m_strFormat;  // the numeric typed items' format

private:
    // The view of this item and of its subtree, and their depths.
    void Attach(CKXPropertyGridView* pGrid, int nIndent);

    friend class CKXPropertyRows<CKXPropertyGridItem>;
    friend class CKXPropertyGridItems;
    friend class CKXPropertyGridView;
    friend class CKXPropertyGridInplaceEdit;
    friend class CKXPropertyGridInplaceButton;
    friend class CKXPropertyGridInplaceList;
    template <class T, class L, class MATCH>
    friend T* KXFindItem(const L& list, MATCH match);
};
