// Must not compile: the paint handler has the wrong signature.  The build
// checks that the compiler's message names the entry.
#include <afxwin.h>

class CBadWnd : public CWnd {
public:
    afx_msg void OnPaint(int nWrong);
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBadWnd, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()
