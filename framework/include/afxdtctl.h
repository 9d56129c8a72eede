// The date and time picker and the month calendar, with their dialog data
// exchange.
#pragma once

#ifndef __AFXDTCTL_H__
#define __AFXDTCTL_H__
#endif

#include "afxwin.h"
#include "win/ctl_datetime.h"
