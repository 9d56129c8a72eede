// Automation types: COleDateTime and COleDateTimeSpan.  Dispatch drivers,
// variants and currency are not part of the framework.
#pragma once

#include "afxwin.h"
#include "base/coledatetime.h"
