// CKXToolBarCtrl: the common toolbar control as a plain child window (in a
// dialog, a view, a pane), for buttons without a control bar around them.
// Create makes a "ToolbarWindow32" window; every other operation is one
// message to the control (see CToolBarCtrl).
#pragma once

#include <afxcmn.h>

class CKXToolBarCtrl : public CToolBarCtrl {
    DECLARE_DYNAMIC(CKXToolBarCtrl)
public:
    CKXToolBarCtrl() = default;
};
