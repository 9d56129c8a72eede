// Item.h : interface of the CItem class
//
#pragma once

// One line of the inventory.  Schema 1 files have no location; they load
// with the location "Unsorted".
class CItem : public CObject
{
	DECLARE_SERIAL(CItem)

// Construction
public:
	CItem();

// Attributes
public:
	enum Category { tool = 0, part = 1, supply = 2 };

	CString m_strName;
	int m_nQuantity;
	BOOL m_bFragile;
	int m_nCategory;
	CString m_strLocation;

	CString GetDisplayText() const;

// Implementation
public:
	virtual void Serialize(CArchive& ar);
#ifdef _DEBUG
	virtual void AssertValid() const;
	virtual void Dump(CDumpContext& dc) const;
#endif
};

typedef CTypedPtrList<CObList, CItem*> CItemList;
