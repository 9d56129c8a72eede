// The wrappers of the common controls: image lists, up-down, trackbar, hot
// key, progress, header, tab, tooltip, toolbar, list view, tree view, IP
// address, extended combo box, animation, date and time, and rich edit.
#pragma once

#ifndef __AFXCMN_H__
#define __AFXCMN_H__
#endif

#include "afxwin.h"
#include "win/ctl_common.h"
#include "win/ctl_datetime.h"
#include "win/ctl_richedit.h"
#include "win/ctl_listtree.h"
#include "win/imagelist.h"
