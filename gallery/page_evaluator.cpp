// "Evaluator": CKXMathParser on an expression the user types, with the
// variables x, y and z taken from three spin controls.  The outcome is
// the value, or the error with a caret (^) under the offending token.
#include "gallery_page.h"
#include "util/math_parser.h"

#include <cstdlib>
#include <vector>

namespace {

enum : UINT {
    IDC_EXPR = 100,
    IDC_X_EDIT,
    IDC_Y_EDIT,
    IDC_Z_EDIT,
    IDC_X_SPIN = 110,
    IDC_Y_SPIN,
    IDC_Z_SPIN,
};

const LPCTSTR kSampleExpression = "2*x + sin(y) ^ 2";
const LPCTSTR kExamples[] = {
    "sqrt(x*x + y*y) - abs(z)",
    "17 MOD 5 + round(2.6)",
    "(x + 1) * (y - 2",
    "2 * * x",
    "cos(1) / (y - y)",
};

// What the parser left in its public fields after Parse().
struct Evaluation {
    BOOL bError = FALSE;
    double dResult = 0;
    int nSyntaxError = 0;
    BOOL bCalcError = FALSE;
    int nPos = 0;
};

Evaluation Evaluate(const CString& strExpr, double x, double y, double z) {
    CKXMathParser parser(strExpr);
    parser.AddVar(x, "x");
    parser.AddVar(y, "y");
    parser.AddVar(z, "z");
    parser.Parse();
    Evaluation e;
    e.bError = parser.m_bError;
    e.dResult = parser.m_dResult;
    e.nSyntaxError = parser.m_nSyntaxError;
    e.bCalcError = parser.m_bCalcError;
    e.nPos = parser.m_nPos;
    return e;
}

LPCTSTR SyntaxErrorText(int nCode) {
    switch (nCode) {
    case 1: return "the expression nests too deeply";
    case 3: return "a value, a function, '-', '(' or '!' was expected";
    case 4: return "only '+', '-' or the end may follow";
    case 5: return "a function name must be followed by '('";
    case 6: return "only '+', '-' or ')' may follow inside parentheses";
    default: return "syntax error";
    }
}

// The outcome in one line: "= value", or the error code, with what it
// means unless bShort.
CString OutcomeText(const Evaluation& e, bool bShort) {
    CString strText;
    if (!e.bError)
        strText.Format("= %.10g", e.dResult);
    else if (e.nSyntaxError != 0 && bShort)
        strText.Format("syntax error %d at offset %d", e.nSyntaxError, e.nPos);
    else if (e.nSyntaxError != 0)
        strText.Format("syntax error %d: %s", e.nSyntaxError, SyntaxErrorText(e.nSyntaxError));
    else if (bShort)
        strText = "calculation error";
    else
        strText = "calculation error: division by zero, or a value outside a function's domain";
    return strText;
}

class CEvaluatorPage : public CGalleryPage {
public:
    CEvaluatorPage() : CGalleryPage("Evaluator") {}

protected:
    BOOL CreateControls() override;
    void OnInputChange(UINT nID);
    void OnPaint();
    void OnLButtonDown(UINT nFlags, CPoint point);

private:
    void CreateVariable(LPCTSTR lpszName, int x, UINT nEditID, CEdit& wndEdit, CSpinButtonCtrl& wndSpin, int nValue);
    double GetVariable(const CEdit& wndEdit) const;
    // Draws strExpr at (x, y) with a caret under the error position on the
    // next line when there is a syntax error; returns the height used.
    int DrawExpression(CDC& dc, int x, int y, const CString& strExpr, const Evaluation& e) const;
    CRect GetOutcomeRect() const { return CRect(8, 76, 700, 76 + 3 * m_nLineHeight + 16); }

    CStatic m_wndExprLabel;
    CEdit m_wndExpr;
    CStatic m_wndLabels[3];
    CEdit m_wndVarEdits[3];
    CSpinButtonCtrl m_wndSpins[3];
    CStatic m_wndExamplesLabel;
    std::vector<CRect> m_exampleRects;  // where each example was painted, for clicks
    int m_nLineHeight = 16;
    int m_nCharWidth = 8;
    bool m_bCreated = false;

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CEvaluatorPage, CGalleryPage)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_EXPR, IDC_Z_EDIT, OnInputChange)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

BOOL CEvaluatorPage::CreateControls() {
    // Every line of parser output is drawn in a fixed-pitch font, so that
    // a caret under character n lines up with it.
    {
        CClientDC dc(this);
        CFont* pOldFont = dc.SelectObject(&GalleryFixedFont());
        TEXTMETRICA tm;
        dc.GetTextMetrics(&tm);
        dc.SelectObject(pOldFont);
        m_nLineHeight = tm.tmHeight + 2;
        m_nCharWidth = tm.tmAveCharWidth;
    }

    const DWORD dwChild = WS_CHILD | WS_VISIBLE;
    m_wndExprLabel.Create("Expression:", dwChild | SS_CENTERIMAGE, CRect(8, 4, 90, 30), this);
    m_wndExpr.CreateEx(WS_EX_CLIENTEDGE, "EDIT", kSampleExpression, dwChild | WS_TABSTOP | ES_AUTOHSCROLL,
                       CRect(92, 4, 700, 30), this, IDC_EXPR);
    m_wndExpr.SetFont(&GalleryFixedFont());

    CreateVariable("x =", 8, IDC_X_EDIT, m_wndVarEdits[0], m_wndSpins[0], 3);
    CreateVariable("y =", 160, IDC_Y_EDIT, m_wndVarEdits[1], m_wndSpins[1], 2);
    CreateVariable("z =", 312, IDC_Z_EDIT, m_wndVarEdits[2], m_wndSpins[2], -1);

    const int nExamplesTop = GetOutcomeRect().bottom + 16;
    m_wndExamplesLabel.Create("Examples (click one to put it in the expression):", dwChild,
                              CRect(8, nExamplesTop, 700, nExamplesTop + 18), this);
    m_bCreated = true;
    return TRUE;
}

void CEvaluatorPage::CreateVariable(LPCTSTR lpszName, int x, UINT nEditID, CEdit& wndEdit, CSpinButtonCtrl& wndSpin,
                                    int nValue) {
    CStatic& wndLabel = m_wndLabels[nEditID - IDC_X_EDIT];
    wndLabel.Create(lpszName, WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE, CRect(x, 40, x + 28, 64), this);
    wndEdit.CreateEx(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                     CRect(x + 30, 40, x + 130, 64), this, nEditID);
    // The spin sits on the right edge of its buddy and writes the value into it.
    wndSpin.Create(WS_CHILD | WS_VISIBLE | UDS_ALIGNRIGHT | UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                   CRect(0, 0, 0, 0), this, nEditID - IDC_X_EDIT + IDC_X_SPIN);
    wndSpin.SetBuddy(&wndEdit);
    wndSpin.SetRange32(-1000, 1000);
    wndSpin.SetPos32(nValue);
}

double CEvaluatorPage::GetVariable(const CEdit& wndEdit) const {
    // Read from the edit, so that a typed value such as 0.5 counts too.
    CString strValue;
    wndEdit.GetWindowText(strValue);
    return std::atof(strValue);
}

void CEvaluatorPage::OnInputChange(UINT) {
    if (m_bCreated) Invalidate();  // the examples use x, y and z too
}

int CEvaluatorPage::DrawExpression(CDC& dc, int x, int y, const CString& strExpr, const Evaluation& e) const {
    dc.SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
    dc.TextOut(x, y, strExpr);
    if (e.nSyntaxError == 0) return m_nLineHeight;
    // m_nPos is the offset of the offending token; past the end it marks the end.
    const int nPos = e.nPos < strExpr.GetLength() ? e.nPos : strExpr.GetLength();
    dc.SetTextColor(RGB(200, 0, 0));
    dc.TextOut(x + nPos * m_nCharWidth, y + m_nLineHeight, CString("^"));
    return 2 * m_nLineHeight;
}

void CEvaluatorPage::OnPaint() {
    CPaintDC dc(this);
    if (!m_bCreated) return;
    const double x = GetVariable(m_wndVarEdits[0]);
    const double y = GetVariable(m_wndVarEdits[1]);
    const double z = GetVariable(m_wndVarEdits[2]);
    CFont* pOldFont = dc.SelectObject(&GalleryFixedFont());
    dc.SetBkMode(TRANSPARENT);

    // The expression being typed: the text, the caret line and the outcome.
    CRect rcOutcome = GetOutcomeRect();
    dc.FillSolidRect(&rcOutcome, ::GetSysColor(COLOR_WINDOW));
    dc.Draw3dRect(&rcOutcome, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNSHADOW));
    CString strExpr;
    m_wndExpr.GetWindowText(strExpr);
    const int nLeft = rcOutcome.left + 8, nTop = rcOutcome.top + 8;
    if (strExpr.IsEmpty()) {
        dc.SetTextColor(::GetSysColor(COLOR_GRAYTEXT));
        dc.TextOut(nLeft, nTop, CString("Type an expression, e.g. ") + kSampleExpression);
    } else {
        const Evaluation e = Evaluate(strExpr, x, y, z);
        DrawExpression(dc, nLeft, nTop, strExpr, e);
        dc.SetTextColor(e.bError ? RGB(200, 0, 0) : RGB(0, 110, 0));
        dc.TextOut(nLeft, nTop + 2 * m_nLineHeight, OutcomeText(e, false));
    }

    // The examples, evaluated with the same x, y and z.
    m_exampleRects.clear();
    int nY = GetOutcomeRect().bottom + 40;
    const int nResultColumn = nLeft + 30 * m_nCharWidth;
    for (LPCTSTR lpszExample : kExamples) {
        const Evaluation e = Evaluate(lpszExample, x, y, z);
        const int nHeight = DrawExpression(dc, nLeft, nY, lpszExample, e);
        dc.SetTextColor(e.bError ? RGB(200, 0, 0) : RGB(0, 110, 0));
        dc.TextOut(nResultColumn, nY, OutcomeText(e, true));
        m_exampleRects.emplace_back(rcOutcome.left, nY, rcOutcome.right, nY + nHeight);
        nY += nHeight + 6;
    }
    dc.SelectObject(pOldFont);
}

void CEvaluatorPage::OnLButtonDown(UINT nFlags, CPoint point) {
    for (size_t i = 0; i < m_exampleRects.size(); ++i) {
        if (m_exampleRects[i].PtInRect(point)) {
            m_wndExpr.SetWindowText(kExamples[i]);
            m_wndExpr.SetFocus();
            return;
        }
    }
    CGalleryPage::OnLButtonDown(nFlags, point);
}

}  // namespace

CGalleryPage* CreateEvaluatorPage() { return new CEvaluatorPage; }
