// The exchange between a typed item's native value and the application
// variable bound to it: saving copies the value into the variable, loading
// hands the variable's value to the item's typed setter.  Nothing without a
// variable.
#pragma once

#include "base/wintypes.h"

template <class T, class SET>
void KXExchangeBound(T* pBind, const T& value, BOOL bSaveAndValidate, SET set) {
    if (pBind == nullptr) return;
    if (bSaveAndValidate)
        *pBind = value;
    else
        set(*pBind);
}
