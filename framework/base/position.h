// POSITION: the opaque iterator of the list and map classes.  It is the
// address of a node; NULL means "past the end".  A map's GetStartPosition
// returns BEFORE_START_POSITION, which GetNextAssoc resolves to the first
// association.
#pragma once

#include <cstddef>

struct __POSITION {};
typedef __POSITION* POSITION;

#define BEFORE_START_POSITION ((POSITION)-1L)
