// The wrappers of the common controls: image lists, up-down, trackbar, hot
// key, progress, header, tab, tooltip, toolbar, list view and tree view.
#pragma once

#include "afxwin.h"
#include "win/ctl_common.h"
#include "win/ctl_listtree.h"
#include "win/imagelist.h"
