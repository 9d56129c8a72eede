// ItemDlg.cpp : implementation file
//

#include "stdafx.h"
#include "Inventory.h"
#include "ItemDlg.h"
#include "Item.h"

#ifdef _DEBUG
#define new DEBUG_NEW
#endif

// CItemDlg dialog

CItemDlg::CItemDlg(CWnd* pParent /*=NULL*/)
	: CDialog(CItemDlg::IDD, pParent)
{
	m_strName = _T("");
	m_nQuantity = 1;
	m_bFragile = FALSE;
	m_nCategory = 0;
	m_strLocation = _T("Shelf A");
}

void CItemDlg::DoDataExchange(CDataExchange* pDX)
{
	CDialog::DoDataExchange(pDX);
	DDX_Text(pDX, IDC_NAME, m_strName);
	DDV_MaxChars(pDX, m_strName, 20);
	DDX_Text(pDX, IDC_QUANTITY, m_nQuantity);
	DDV_MinMaxInt(pDX, m_nQuantity, 1, 999);
	DDX_Check(pDX, IDC_FRAGILE, m_bFragile);
	DDX_Radio(pDX, IDC_CAT_TOOL, m_nCategory);
	DDX_CBString(pDX, IDC_LOCATION, m_strLocation);
}

BEGIN_MESSAGE_MAP(CItemDlg, CDialog)
END_MESSAGE_MAP()

BOOL CItemDlg::OnInitDialog()
{
	CDialog::OnInitDialog();
	GotoDlgCtrl(GetDlgItem(IDC_NAME));
	return FALSE;  // the focus was set to a control
}

void CItemDlg::SetFromItem(const CItem& item)
{
	m_strName = item.m_strName;
	m_nQuantity = item.m_nQuantity;
	m_bFragile = item.m_bFragile;
	m_nCategory = item.m_nCategory;
	m_strLocation = item.m_strLocation;
}

void CItemDlg::CopyToItem(CItem& item) const
{
	item.m_strName = m_strName;
	item.m_nQuantity = m_nQuantity;
	item.m_bFragile = m_bFragile;
	item.m_nCategory = m_nCategory;
	item.m_strLocation = m_strLocation;
}
