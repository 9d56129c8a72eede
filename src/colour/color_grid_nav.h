// Keyboard navigation in the colour selector: which index the arrow keys
// highlight next.  Indices run from 0 (the top item) to the last index L.
#pragma once

enum class KXColorKey { Left, Right, Up, Down };

// nCur: the highlighted index (-1 for none); nLast: L; nRows: rows of the
// fixed grid; nUser: user colours; nCols: columns.  Returns the new index.
int KXColorGridMove(KXColorKey key, int nCur, int nLast, int nRows, int nUser, int nCols = 8);
