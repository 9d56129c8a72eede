// Puts a Wine test process into a known state before the first test runs.
#pragma once

namespace kxtest {

// No visual styles for this process's windows (SetThemeAppProperties(0)):
// the standard controls, frames and GetSysColor answer the classic look,
// whatever theme the desktop has (Wine's default prefix has one).
void DisableVisualStyles();

// Declares the process DPI-aware, so that the system neither scales its
// windows nor virtualises coordinates: a pixel of a capture is a pixel of
// the client area. Returns the system DPI (96 in a default Wine prefix).
int MakeDpiAware();

// Everything above plus the classic colour scheme and no crash dialogs.
// Problems are reported on stderr; returns false when one occurred.
bool PrepareTestProcess();

}  // namespace kxtest
