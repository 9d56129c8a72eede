// Inventory.cpp : Defines the class behaviors for the application.
//

#include "stdafx.h"
#include "Inventory.h"
#include "InventoryDlg.h"

#ifdef _DEBUG
#define new DEBUG_NEW
#endif


// CInventoryApp

BEGIN_MESSAGE_MAP(CInventoryApp, CWinApp)
	ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()


// CInventoryApp construction

CInventoryApp::CInventoryApp()
{
	// TODO: add construction code here,
	// Place all significant initialization in InitInstance
}


// The one and only CInventoryApp object

CInventoryApp theApp;


// CInventoryApp initialization

BOOL CInventoryApp::InitInstance()
{
	// InitCommonControls() is required on Windows XP if an application
	// manifest specifies use of ComCtl32.dll version 6 or later to enable
	// visual styles.  Otherwise, any window creation will fail.
	InitCommonControls();

	CWinApp::InitInstance();

	// Standard initialization
	// Change the registry key under which our settings are stored
	SetRegistryKey(_T("Local AppWizard-Generated Applications"));

	// The main window is a modeless dialog: the application's message loop
	// runs until it is closed.
	CInventoryDlg* pDlg = new CInventoryDlg;
	m_pMainWnd = pDlg;

	// The file to keep the inventory in: the command line, or beside the program.
	CString strFile(m_lpCmdLine);
	strFile.Trim();
	strFile.Trim(_T('"'));
	if (strFile.IsEmpty())
	{
		TCHAR szPath[MAX_PATH];
		::GetModuleFileName(NULL, szPath, MAX_PATH);
		strFile = szPath;
		strFile = strFile.Left(strFile.ReverseFind(_T('\\')) + 1) + _T("Inventory.dat");
	}
	pDlg->m_strFileName = strFile;

	if (!pDlg->Create(CInventoryDlg::IDD))
	{
		TRACE0("Failed to create the main window\n");
		return FALSE;
	}
	pDlg->ShowWindow(m_nCmdShow);
	pDlg->UpdateWindow();
	return TRUE;
}
