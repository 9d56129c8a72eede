// String resources are looked up in the application's module until the
// resource-module chain of the Win32 layer takes this over.
#include "base/cstring.h"

HINSTANCE AfxFindStringResourceHandle(UINT) { return ::GetModuleHandleA(nullptr); }
