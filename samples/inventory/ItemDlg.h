// ItemDlg.h : header file
//
#pragma once

class CItem;

// CItemDlg dialog: the properties of one item
class CItemDlg : public CDialog
{
// Construction
public:
	CItemDlg(CWnd* pParent = NULL);   // standard constructor

// Dialog Data
	enum { IDD = IDD_ITEM };
	CString m_strName;
	int m_nQuantity;
	BOOL m_bFragile;
	int m_nCategory;
	CString m_strLocation;

	void SetFromItem(const CItem& item);
	void CopyToItem(CItem& item) const;

// Overrides
protected:
	virtual void DoDataExchange(CDataExchange* pDX);    // DDX/DDV support

// Implementation
protected:
	virtual BOOL OnInitDialog();
	DECLARE_MESSAGE_MAP()
};
