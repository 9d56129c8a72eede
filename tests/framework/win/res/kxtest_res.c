/* A module that only carries resources for the resource-chain test. */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE hInst, DWORD reason, LPVOID reserved) {
    (void)hInst;
    (void)reason;
    (void)reserved;
    return TRUE;
}
