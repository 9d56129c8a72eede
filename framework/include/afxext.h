// The framework's extensions: control bars (toolbars, status bars), their
// docking (dock bars, floating frames, the saved dock state) and the bitmap
// button.  Splitter windows are not part of the framework yet.
#pragma once

#ifndef __AFXEXT_H__
#define __AFXEXT_H__
#endif

#include "afxwin.h"
#include "afxdlgs.h"
#include "win/ctl_bitmapbutton.h"
#include "base/dock_state.h"
#include "win/ctlbar.h"
#include "win/dlgbar.h"
#include "win/dockbar.h"
#include "win/dockcont.h"
#include "win/minifrm.h"
#include "win/rebar.h"
#include "win/statusbar.h"
#include "win/toolbar.h"
