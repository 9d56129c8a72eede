// Item.cpp : implementation of the CItem class
//

#include "stdafx.h"
#include "Item.h"

#ifdef _DEBUG
#define new DEBUG_NEW
#endif

// Schema 2 added the location.
IMPLEMENT_SERIAL(CItem, CObject, VERSIONABLE_SCHEMA | 2)

CItem::CItem()
	: m_nQuantity(1), m_bFragile(FALSE), m_nCategory(tool), m_strLocation(_T("Unsorted"))
{
}

CString CItem::GetDisplayText() const
{
	CString strText;
	strText.Format(_T("%s (%d) - %s%s"), m_strName, m_nQuantity, m_strLocation,
		m_bFragile ? _T(", fragile") : _T(""));
	return strText;
}

void CItem::Serialize(CArchive& ar)
{
	CObject::Serialize(ar);
	if (ar.IsStoring())
	{
		ar << m_strName << m_nQuantity << m_bFragile << m_nCategory;
		ar << m_strLocation;
	}
	else
	{
		UINT nSchema = ar.GetObjectSchema();
		ar >> m_strName >> m_nQuantity >> m_bFragile >> m_nCategory;
		if (nSchema >= 2)
			ar >> m_strLocation;
		else
			m_strLocation = _T("Unsorted");
	}
	ASSERT_VALID(this);
}

#ifdef _DEBUG
void CItem::AssertValid() const
{
	CObject::AssertValid();
	ASSERT(m_nCategory >= tool && m_nCategory <= supply);
}

void CItem::Dump(CDumpContext& dc) const
{
	CObject::Dump(dc);
	dc << _T("name = ") << m_strName << _T(", quantity = ") << m_nQuantity << _T("\n");
}
#endif //_DEBUG
