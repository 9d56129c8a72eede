// Inventory.h : main header file for the Inventory application
//
#pragma once

#ifndef __AFXWIN_H__
	#error include 'stdafx.h' before including this file for PCH
#endif

#include "resource.h"		// main symbols

// CInventoryApp:
// See Inventory.cpp for the implementation of this class
//

class CInventoryApp : public CWinApp
{
public:
	CInventoryApp();

// Overrides
	public:
	virtual BOOL InitInstance();

// Implementation

	DECLARE_MESSAGE_MAP()
};

extern CInventoryApp theApp;
