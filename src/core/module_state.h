// The module-wide values KX.dll makes when it is loaded, and a record of the
// steps of loading and unloading (what was built and torn down, in order),
// which the start-up tests read.
#pragma once

#include "base/wintypes.h"

// The clipboard format registered as "BinaryData" (0 before load).
UINT KXGetBinaryDataFormat();
// The message registered as "TaskbarCreated" (0 before load).
UINT KXGetTaskbarCreatedMessage();
// The drop-button width of the flat combo boxes: the horizontal thumb width
// plus two edges.
int KXGetComboDropWidth();
// The shell generation the owner-drawn menu draws for, from the version of
// the system: 0 or 1 for the 95 family before or from 4.0, 2 or 3 for the
// NT family.
int KXGetMenuShellLevel();

// Unmangled so a test can find them in a copy of the module it loads itself.
extern "C" {
// The steps recorded so far in this module ("+name" built, "-name" torn down,
// plain names for entry steps); the text is valid while the module is loaded.
int KXGetStartupSteps(const char** ppSteps, int nMax);
// Called with every step from now on (null stops it); lets a test follow an
// unload, after which the module's own record is gone.
typedef void (*KX_STARTUP_OBSERVER)(const char* pszStep);
void KXSetStartupObserver(KX_STARTUP_OBSERVER pfnObserver);
}
