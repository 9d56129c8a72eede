#include "colour/color_grid_nav.h"

#include <algorithm>

int KXColorGridMove(KXColorKey key, int nCur, int nLast, int nRows, int nUser, int nCols) {
    if (nLast < 0)
        return -1;
    if (nCols < 1)
        nCols = 1;
    // A stale index from a caller is treated as "none highlighted".
    if (nCur > nLast)
        nCur = -1;
    switch (key) {
    case KXColorKey::Left:
        return nCur <= 0 ? nLast : nCur - 1;
    case KXColorKey::Right:
        return nCur < 0 || nCur + 1 > nLast ? 0 : nCur + 1;
    case KXColorKey::Up: {
        if (nCur <= 0)
            return nLast;
        if (nCur == nLast) {
            const int r = nRows + (nCols + nUser - 1) / nCols;
            return std::clamp((r - 1) * nCols + 1, 0, nLast);
        }
        return std::max(nCur - nCols, 0);
    }
    case KXColorKey::Down:
        if (nCur < 0 || nCur == nLast)
            return 0;
        if (nCur == 0)
            return 1;
        return std::min(nCur + nCols, nLast);
    }
    return nCur;
}
