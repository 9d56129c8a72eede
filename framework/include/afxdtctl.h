// The date and time picker and the month calendar, with their dialog data
// exchange.
#pragma once

#include "afxwin.h"
#include "win/ctl_datetime.h"
