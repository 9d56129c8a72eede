// The framework's own prompts and messages (AFX_IDP_*, AFX_IDS_*): the
// program's string resource of that identifier when it has one, else the
// framework's English text, so that programs without the framework's
// resource script still show a message.
#pragma once

#include "base/cstring.h"

CString AfxFrameworkString(UINT nID);
