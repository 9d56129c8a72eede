// InventoryDlg.cpp : implementation file
//

#include "stdafx.h"
#include "Inventory.h"
#include "InventoryDlg.h"
#include "ItemDlg.h"

#ifdef _DEBUG
#define new DEBUG_NEW
#endif


// CAboutDlg dialog used for App About

class CAboutDlg : public CDialog
{
public:
	CAboutDlg();

// Dialog Data
	enum { IDD = IDD_ABOUTBOX };

	protected:
	virtual void DoDataExchange(CDataExchange* pDX);    // DDX/DDV support

// Implementation
protected:
	DECLARE_MESSAGE_MAP()
};

CAboutDlg::CAboutDlg() : CDialog(CAboutDlg::IDD)
{
}

void CAboutDlg::DoDataExchange(CDataExchange* pDX)
{
	CDialog::DoDataExchange(pDX);
}

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
END_MESSAGE_MAP()


// CInventoryDlg dialog

CInventoryDlg::CInventoryDlg(CWnd* pParent /*=NULL*/)
	: CDialog(CInventoryDlg::IDD, pParent)
{
	m_hIcon = AfxGetApp()->LoadIcon(IDR_MAINFRAME);
	m_hAccel = NULL;
	m_bModified = FALSE;
	m_bSortByName = FALSE;
}

CInventoryDlg::~CInventoryDlg()
{
	DeleteItems();
}

void CInventoryDlg::DoDataExchange(CDataExchange* pDX)
{
	CDialog::DoDataExchange(pDX);
	DDX_Control(pDX, IDC_ITEMS, m_wndItems);
}

BEGIN_MESSAGE_MAP(CInventoryDlg, CDialog)
	ON_WM_SYSCOMMAND()
	ON_WM_PAINT()
	ON_WM_QUERYDRAGICON()
	ON_WM_INITMENUPOPUP()
	ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
	ON_COMMAND(ID_FILE_SAVE, OnFileSave)
	ON_UPDATE_COMMAND_UI(ID_FILE_SAVE, OnUpdateFileSave)
	ON_COMMAND(ID_ITEM_ADD, OnItemAdd)
	ON_COMMAND(ID_ITEM_PROPERTIES, OnItemProperties)
	ON_UPDATE_COMMAND_UI(ID_ITEM_PROPERTIES, OnUpdateNeedSelection)
	ON_COMMAND(ID_EDIT_CLEAR, OnEditClear)
	ON_UPDATE_COMMAND_UI(ID_EDIT_CLEAR, OnUpdateNeedSelection)
	ON_COMMAND(ID_EDIT_CLEAR_ALL, OnEditClearAll)
	ON_UPDATE_COMMAND_UI(ID_EDIT_CLEAR_ALL, OnUpdateEditClearAll)
	ON_COMMAND(ID_VIEW_SORTBYNAME, OnViewSortByName)
	ON_UPDATE_COMMAND_UI(ID_VIEW_SORTBYNAME, OnUpdateViewSortByName)
	ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
	ON_LBN_DBLCLK(IDC_ITEMS, OnDblclkItems)
END_MESSAGE_MAP()


// CInventoryDlg message handlers

BOOL CInventoryDlg::OnInitDialog()
{
	CDialog::OnInitDialog();

	// Add "About..." menu item to system menu.

	// IDM_ABOUTBOX must be in the system command range.
	ASSERT((IDM_ABOUTBOX & 0xFFF0) == IDM_ABOUTBOX);
	ASSERT(IDM_ABOUTBOX < 0xF000);

	CMenu* pSysMenu = GetSystemMenu(FALSE);
	if (pSysMenu != NULL)
	{
		CString strAboutMenu;
		strAboutMenu.LoadString(IDS_ABOUTBOX);
		if (!strAboutMenu.IsEmpty())
		{
			pSysMenu->AppendMenu(MF_SEPARATOR);
			pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, strAboutMenu);
		}
	}

	// Set the icon for this dialog.  The framework does this automatically
	//  when the application's main window is not a dialog
	SetIcon(m_hIcon, TRUE);			// Set big icon
	SetIcon(m_hIcon, FALSE);		// Set small icon

	m_hAccel = ::LoadAccelerators(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_MAINFRAME));
	m_bSortByName = AfxGetApp()->GetProfileInt(_T("Settings"), _T("SortByName"), FALSE);

	if (!m_strFileName.IsEmpty() && GetFileAttributes(m_strFileName) != INVALID_FILE_ATTRIBUTES)
		LoadFile();
	FillList();

	return TRUE;  // return TRUE  unless you set the focus to a control
}

// A modeless dialog is destroyed, not ended.
void CInventoryDlg::OnOK()
{
	// Enter in the list opens the selected item.
	OnItemProperties();
}

void CInventoryDlg::OnCancel()
{
	DestroyWindow();
}

void CInventoryDlg::PostNcDestroy()
{
	CDialog::PostNcDestroy();
	delete this;
}

BOOL CInventoryDlg::PreTranslateMessage(MSG* pMsg)
{
	if (m_hAccel != NULL && ::TranslateAccelerator(m_hWnd, m_hAccel, pMsg))
		return TRUE;
	return CDialog::PreTranslateMessage(pMsg);
}

void CInventoryDlg::OnSysCommand(UINT nID, LPARAM lParam)
{
	if ((nID & 0xFFF0) == IDM_ABOUTBOX)
	{
		CAboutDlg dlgAbout;
		dlgAbout.DoModal();
	}
	else
	{
		CDialog::OnSysCommand(nID, lParam);
	}
}

// If you add a minimize button to your dialog, you will need the code below
//  to draw the icon.

void CInventoryDlg::OnPaint()
{
	if (IsIconic())
	{
		CPaintDC dc(this); // device context for painting

		SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);

		// Center icon in client rectangle
		int cxIcon = GetSystemMetrics(SM_CXICON);
		int cyIcon = GetSystemMetrics(SM_CYICON);
		CRect rect;
		GetClientRect(&rect);
		int x = (rect.Width() - cxIcon + 1) / 2;
		int y = (rect.Height() - cyIcon + 1) / 2;

		// Draw the icon
		dc.DrawIcon(x, y, m_hIcon);
	}
	else
	{
		CDialog::OnPaint();
	}
}

// The system calls this function to obtain the cursor to display while the user drags
//  the minimized window.
HCURSOR CInventoryDlg::OnQueryDragIcon()
{
	return static_cast<HCURSOR>(m_hIcon);
}

// Dialogs do not update their menus by themselves: run the command-update
// handlers for each item of a popup before it opens.
void CInventoryDlg::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
{
	ASSERT(pPopupMenu != NULL);
	CDialog::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
	if (bSysMenu)
		return;

	CCmdUI state;
	state.m_pMenu = pPopupMenu;
	ASSERT(state.m_pOther == NULL);
	ASSERT(state.m_pParentMenu == NULL);

	// Determine if menu is popup in top-level menu and set m_pOther to
	// it if so (m_pParentMenu == NULL indicates that it is secondary popup).
	HMENU hParentMenu;
	if (AfxGetThreadState()->m_hTrackingMenu == pPopupMenu->m_hMenu)
		state.m_pParentMenu = pPopupMenu;    // Parent == child for tracking popup.
	else if ((hParentMenu = ::GetMenu(m_hWnd)) != NULL)
	{
		int nIndexMax = ::GetMenuItemCount(hParentMenu);
		for (int nItem = 0; nItem < nIndexMax; nItem++)
		{
			if (::GetSubMenu(hParentMenu, nItem) == pPopupMenu->m_hMenu)
			{
				// When popup is found, m_pParentMenu is containing menu.
				state.m_pParentMenu = CMenu::FromHandle(hParentMenu);
				break;
			}
		}
	}

	state.m_nIndexMax = pPopupMenu->GetMenuItemCount();
	for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++)
	{
		state.m_nID = pPopupMenu->GetMenuItemID(state.m_nIndex);
		if (state.m_nID == 0)
			continue; // Menu separator or invalid cmd - ignore it.

		ASSERT(state.m_pOther == NULL);
		ASSERT(state.m_pMenu != NULL);
		if (state.m_nID == (UINT)-1)
		{
			// Possibly a popup menu, route to first item of that popup.
			state.m_pSubMenu = pPopupMenu->GetSubMenu(state.m_nIndex);
			if (state.m_pSubMenu == NULL ||
				(state.m_nID = state.m_pSubMenu->GetMenuItemID(0)) == 0 ||
				state.m_nID == (UINT)-1)
			{
				continue;       // First item of popup can't be routed to.
			}
			state.DoUpdate(this, TRUE);   // Popups are never auto disabled.
		}
		else
		{
			// Normal menu item.
			// Auto enable/disable if frame window has m_bAutoMenuEnable
			// set and command is _not_ a system command.
			state.m_pSubMenu = NULL;
			state.DoUpdate(this, FALSE);
		}

		// Adjust for menu deletions and additions.
		UINT nCount = pPopupMenu->GetMenuItemCount();
		if (nCount < state.m_nIndexMax)
		{
			state.m_nIndex -= (state.m_nIndexMax - nCount);
			while (state.m_nIndex < nCount &&
				pPopupMenu->GetMenuItemID(state.m_nIndex) == state.m_nID)
			{
				state.m_nIndex++;
			}
		}
		state.m_nIndexMax = nCount;
	}
}

void CInventoryDlg::DeleteItems()
{
	while (!m_items.IsEmpty())
		delete m_items.RemoveHead();
}

CItem* CInventoryDlg::GetSelectedItem() const
{
	int nSel = m_wndItems.GetCurSel();
	if (nSel == LB_ERR)
		return NULL;
	return reinterpret_cast<CItem*>(m_wndItems.GetItemDataPtr(nSel));
}

void CInventoryDlg::FillList()
{
	CItem* pSelected = GetSelectedItem();
	m_wndItems.ResetContent();
	int nPieces = 0;
	POSITION pos = m_items.GetHeadPosition();
	while (pos != NULL)
	{
		CItem* pItem = m_items.GetNext(pos);
		ASSERT_VALID(pItem);
		int nIndex;
		if (m_bSortByName)
		{
			// Insert in front of the first item whose name comes after this one.
			for (nIndex = 0; nIndex < m_wndItems.GetCount(); nIndex++)
			{
				CItem* pOther = reinterpret_cast<CItem*>(m_wndItems.GetItemDataPtr(nIndex));
				if (pItem->m_strName.CompareNoCase(pOther->m_strName) < 0)
					break;
			}
			nIndex = m_wndItems.InsertString(nIndex, pItem->GetDisplayText());
		}
		else
			nIndex = m_wndItems.AddString(pItem->GetDisplayText());
		m_wndItems.SetItemDataPtr(nIndex, pItem);
		if (pItem == pSelected)
			m_wndItems.SetCurSel(nIndex);
		nPieces += pItem->m_nQuantity;
	}

	CString strSummary;
	if (m_items.IsEmpty())
		strSummary.LoadString(IDS_NO_ITEMS);
	else
	{
		CString strItems, strPieces;
		strItems.Format(_T("%d"), static_cast<int>(m_items.GetCount()));
		strPieces.Format(_T("%d"), nPieces);
		AfxFormatString2(strSummary, IDS_SUMMARY, strItems, strPieces);
	}
	SetDlgItemText(IDC_SUMMARY, strSummary);
}

BOOL CInventoryDlg::LoadFile()
{
	CWaitCursor wait;
	CFile file;
	CFileException fe;
	if (!file.Open(m_strFileName, CFile::modeRead | CFile::shareDenyWrite, &fe))
	{
		fe.ReportError();
		return FALSE;
	}

	CItemList items;
	TRY
	{
		CArchive ar(&file, CArchive::load);
		items.Serialize(ar);
	}
	CATCH(CException, e)
	{
		while (!items.IsEmpty())
			delete items.RemoveHead();
		e->ReportError();
		return FALSE;
	}
	END_CATCH

	DeleteItems();
	m_items.AddTail(&items);
	items.RemoveAll();
	m_bModified = FALSE;
	TRACE(_T("Loaded %d items from %s\n"), static_cast<int>(m_items.GetCount()), m_strFileName);
	return TRUE;
}

BOOL CInventoryDlg::SaveFile()
{
	CWaitCursor wait;
	CFile file;
	CFileException fe;
	if (!file.Open(m_strFileName, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive, &fe))
	{
		fe.ReportError();
		return FALSE;
	}

	TRY
	{
		CArchive ar(&file, CArchive::store);
		m_items.Serialize(ar);
		ar.Close();
	}
	CATCH(CException, e)
	{
		e->ReportError();
		return FALSE;
	}
	END_CATCH

	m_bModified = FALSE;
	return TRUE;
}

void CInventoryDlg::OnFileOpen()
{
	if (LoadFile())
		FillList();
}

void CInventoryDlg::OnFileSave()
{
	SaveFile();
}

void CInventoryDlg::OnUpdateFileSave(CCmdUI* pCmdUI)
{
	pCmdUI->Enable(m_bModified && !m_strFileName.IsEmpty());
}

void CInventoryDlg::OnItemAdd()
{
	CItemDlg dlg(this);
	if (dlg.DoModal() != IDOK)
		return;
	CItem* pItem = new CItem;
	dlg.CopyToItem(*pItem);
	m_items.AddTail(pItem);
	m_bModified = TRUE;
	FillList();
}

void CInventoryDlg::OnItemProperties()
{
	CItem* pItem = GetSelectedItem();
	if (pItem == NULL)
		return;
	CItemDlg dlg(this);
	dlg.SetFromItem(*pItem);
	if (dlg.DoModal() != IDOK)
		return;
	dlg.CopyToItem(*pItem);
	m_bModified = TRUE;
	FillList();
}

void CInventoryDlg::OnUpdateNeedSelection(CCmdUI* pCmdUI)
{
	pCmdUI->Enable(GetSelectedItem() != NULL);
}

void CInventoryDlg::OnEditClear()
{
	CItem* pItem = GetSelectedItem();
	if (pItem == NULL)
		return;
	POSITION pos = m_items.Find(pItem);
	ASSERT(pos != NULL);
	m_items.RemoveAt(pos);
	delete pItem;
	m_bModified = TRUE;
	FillList();
}

void CInventoryDlg::OnEditClearAll()
{
	DeleteItems();
	m_bModified = TRUE;
	FillList();
}

void CInventoryDlg::OnUpdateEditClearAll(CCmdUI* pCmdUI)
{
	pCmdUI->Enable(!m_items.IsEmpty());
}

void CInventoryDlg::OnViewSortByName()
{
	m_bSortByName = !m_bSortByName;
	AfxGetApp()->WriteProfileInt(_T("Settings"), _T("SortByName"), m_bSortByName);
	FillList();
}

void CInventoryDlg::OnUpdateViewSortByName(CCmdUI* pCmdUI)
{
	pCmdUI->SetCheck(m_bSortByName);
}

void CInventoryDlg::OnAppAbout()
{
	CAboutDlg dlgAbout;
	dlgAbout.DoModal();
}

void CInventoryDlg::OnDblclkItems()
{
	OnItemProperties();
}
