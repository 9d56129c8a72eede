// Automation types: COleDateTime and COleDateTimeSpan.  Dispatch drivers,
// variants and currency are not part of the framework.
#pragma once

#ifndef __AFXDISP_H__
#define __AFXDISP_H__
#endif

#include "afxwin.h"
#include "base/coledatetime.h"
