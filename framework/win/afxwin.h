// The framework in one include: base types, windows, device contexts, GDI
// objects, menus, image lists, controls, dialogs and the application.
#pragma once

#include "afxres.h"
#include "base/afx.h"
#include "win/afxstate.h"
#include "win/cmdtarget.h"
#include "win/ctl_basic.h"
#include "win/ctl_checklist.h"
#include "win/ctl_common.h"
#include "win/ctl_listtree.h"
#include "win/ctlbar.h"
#include "win/dc.h"
#include "win/dialog.h"
#include "win/filefind.h"
#include "win/gdiobj.h"
#include "win/imagelist.h"
#include "win/menu.h"
#include "win/msgmap.h"
#include "win/syncobj.h"
#include "win/toolbar.h"
#include "win/winapp.h"
#include "win/wnd.h"
