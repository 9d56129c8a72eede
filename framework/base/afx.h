// The portable framework types in one include.
#pragma once

#include "base/carchive.h"
#include "base/cexception.h"
#include "base/cfile.h"
#include "base/cmemfile.h"
#include "base/cobject.h"
#include "base/collections.h"
#include "base/coledatetime.h"
#include "base/cstdiofile.h"
#include "base/cstring.h"
#include "base/ctime.h"
#include "base/diagnostics.h"
#include "base/dumpcontext.h"
#include "base/format_strings.h"
#include "base/geometry.h"
#include "base/wintypes.h"
