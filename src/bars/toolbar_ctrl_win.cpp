#include "bars/toolbar_ctrl.h"

IMPLEMENT_DYNAMIC(CKXToolBarCtrl, CToolBarCtrl)
