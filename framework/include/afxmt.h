// Threads' synchronisation: critical sections, mutexes, events, semaphores
// and the locks that wait for them.
#pragma once

#ifndef __AFXMT_H__
#define __AFXMT_H__
#endif

#include "afx.h"
#include "win/syncobj.h"
