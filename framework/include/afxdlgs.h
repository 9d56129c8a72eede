// Dialogs.  CDialog and dialog data exchange come with afxwin.h; this adds
// property sheets and pages and the common dialogs.
#pragma once

#ifndef __AFXDLGS_H__
#define __AFXDLGS_H__
#endif

#include "afxwin.h"
#include "win/propsheet.h"
#include "win/commdlg.h"
