// Threads' synchronisation: critical sections, mutexes, events, semaphores
// and the locks that wait for them.
#pragma once

#include "afx.h"
#include "win/syncobj.h"
