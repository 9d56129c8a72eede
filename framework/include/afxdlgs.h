// Dialogs.  CDialog and dialog data exchange come with afxwin.h; the common
// dialogs and property sheets are not part of the framework yet.
#pragma once

#ifndef __AFXDLGS_H__
#define __AFXDLGS_H__
#endif

#include "afxwin.h"
