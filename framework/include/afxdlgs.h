// Dialogs.  CDialog and dialog data exchange come with afxwin.h; the common
// dialogs and property sheets are not part of the framework yet.
#pragma once

#include "afxwin.h"
