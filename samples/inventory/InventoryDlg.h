// InventoryDlg.h : header file
//
#pragma once

#include "Item.h"

// CInventoryDlg dialog: the list of items, with a menu.  It is the
// application's main window, modeless: closing it ends the application.
class CInventoryDlg : public CDialog
{
// Construction
public:
	CInventoryDlg(CWnd* pParent = NULL);	// standard constructor
	virtual ~CInventoryDlg();

// Dialog Data
	enum { IDD = IDD_INVENTORY_DIALOG };
	CListBox m_wndItems;

	CString m_strFileName;		// where the inventory is kept

// Overrides
	public:
	virtual BOOL PreTranslateMessage(MSG* pMsg);
	protected:
	virtual void DoDataExchange(CDataExchange* pDX);	// DDX/DDV support
	virtual void OnOK();
	virtual void OnCancel();
	virtual void PostNcDestroy();

// Implementation
protected:
	HICON m_hIcon;
	HACCEL m_hAccel;
	CItemList m_items;
	BOOL m_bModified;
	BOOL m_bSortByName;

	void DeleteItems();
	void FillList();
	BOOL LoadFile();
	BOOL SaveFile();
	CItem* GetSelectedItem() const;

	// Generated message map functions
	virtual BOOL OnInitDialog();
	afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
	afx_msg void OnPaint();
	afx_msg HCURSOR OnQueryDragIcon();
	afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
	afx_msg void OnFileOpen();
	afx_msg void OnFileSave();
	afx_msg void OnUpdateFileSave(CCmdUI* pCmdUI);
	afx_msg void OnItemAdd();
	afx_msg void OnItemProperties();
	afx_msg void OnUpdateNeedSelection(CCmdUI* pCmdUI);
	afx_msg void OnEditClear();
	afx_msg void OnEditClearAll();
	afx_msg void OnUpdateEditClearAll(CCmdUI* pCmdUI);
	afx_msg void OnViewSortByName();
	afx_msg void OnUpdateViewSortByName(CCmdUI* pCmdUI);
	afx_msg void OnAppAbout();
	afx_msg void OnDblclkItems();
	DECLARE_MESSAGE_MAP()
};
