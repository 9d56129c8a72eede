// The collections of fixed element types: arrays, lists and maps of
// pointers, objects, strings and integers.
#pragma once

#include "afx.h"
#include "base/array_types.h"
#include "base/list_types.h"
#include "base/map_types.h"
