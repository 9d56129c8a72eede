// The framework's extensions: control bars (toolbars, status bars) and the
// bitmap button.  Splitter windows and dialog bars are not part of the
// framework yet.
#pragma once

#ifndef __AFXEXT_H__
#define __AFXEXT_H__
#endif

#include "afxwin.h"
#include "afxdlgs.h"
#include "win/ctl_bitmapbutton.h"
#include "win/ctlbar.h"
#include "win/statusbar.h"
#include "win/toolbar.h"
