// The collection templates: CArray, CList, CMap, the typed pointer
// collections, and the element helpers they call (CompareElements,
// CopyElements, HashKey, SerializeElements).
#pragma once

#ifndef __AFXTEMPL_H__
#define __AFXTEMPL_H__
#endif

#include "afx.h"
#include "base/carray.h"
#include "base/clist.h"
#include "base/cmap.h"
#include "base/ctypedptr.h"
