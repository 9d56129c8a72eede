// Windows, messages and message maps, device contexts and GDI objects,
// menus, the standard controls, dialogs with data exchange, the application
// and its threads.
#pragma once

#ifndef __AFXWIN_H__
#define __AFXWIN_H__
#endif

#include "afx.h"
#include "win/afxwin.h"
