// stdafx.h : the framework's headers, included by every source file.
#pragma once

#include <afxwin.h>  // frames, views, documents, the application
#include <afxext.h>  // control bars
#include <afxadv.h>  // the recent-file list
#include <afxdlgs.h> // property sheets
