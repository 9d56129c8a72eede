// Every collection class of the framework.
#pragma once

#include "base/array_types.h"
#include "base/carray.h"
#include "base/clist.h"
#include "base/cmap.h"
#include "base/ctypedptr.h"
#include "base/list_types.h"
#include "base/map_types.h"
