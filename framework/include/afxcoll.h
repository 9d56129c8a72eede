// The collections of fixed element types: arrays, lists and maps of
// pointers, objects, strings and integers.
#pragma once

#ifndef __AFXCOLL_H__
#define __AFXCOLL_H__
#endif

#include "afx.h"
#include "base/array_types.h"
#include "base/list_types.h"
#include "base/map_types.h"
