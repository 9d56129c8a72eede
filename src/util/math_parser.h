// CKXMathParser: evaluates one arithmetic expression to a double.
//
// The expression holds numbers, variables defined with AddVar, the operators
// + - * / ^ and MOD, parentheses, and the functions ABS ATAN COS EXP LN ROUND
// SIN SQRT SQR TRUNC NOT BOOL SGN.  Parsing is shift-reduce: Parse() holds the
// action table (one case per state), GotoState() the goto table, and the values
// are computed in Reduce(), so no tree is built.  The caller reads the outcome
// from the public fields m_bError, m_dResult, m_nSyntaxError, m_bCalcError and
// m_nPos after Parse().
//
// Syntax error codes (m_nSyntaxError; m_nPos is left at the offending token):
//   1  the stack of 100 entries is full (m_nPos stays where the scan stood)
//   3  a value, function, '-', '(' or '!' was expected
//   4  after a complete expression only '+', '-' or the end may follow
//   5  a function name must be followed by '('
//   6  inside parentheses only '+', '-' or ')' may follow an expression
// Calculation errors (division or MOD by less than 1e-6 in magnitude, a
// negative or out-of-range power, a function argument outside its domain, the
// undefined-operand mark '!') set m_bCalcError and let the parse go on.  On any
// failure m_bError is 1 and m_dResult is 0.
//
// Decisions where the rules leave a choice:
// - Right after a unary minus, a token that is neither a value nor a function
//   name is taken as a function name without a name and shifted to state 11.
//   So "-(2+3)" fails with code 5 (a '(' must follow the "function"), and
//   "-((2)" is the nameless function, which returns its argument unchanged.
// - A number that starts with '.' is unrecognised input (kind tokBad, so the
//   parse fails at the '.') when its mantissa ends at offset 2 of the text;
//   otherwise it is converted with a '0' in front, so a lone '.' reads as 0.
// - AddVar puts the new record at the head of m_VarList.  Lookup takes the
//   first match from the head, so adding a name again redefines it: this is
//   how a caller changes a variable's value between two Parse calls.
// - AddVar rejects (returns FALSE, adds nothing) a null name or a name longer
//   than 31 characters rather than cutting it to fit VarRec::Name.
// - MOD never faults the processor: operands that round outside the 32-bit
//   range, a right operand that rounds to 0 (0.3, say) and the most negative
//   integer MOD -1 are calculation errors.
// - Offsets are 16-bit, so only the first 65535 characters can be scanned: a
//   longer text fails with a syntax error at offset 65535.
// - Letters, digits and upper-casing follow the C run-time's multi-byte rules
//   in the Windows build and single-byte <cctype> rules natively; for ASCII the
//   two agree.
#pragma once

#include "base/cstring.h"
#include "base/wintypes.h"

#include <vector>

// Kinds of token that the scanner returns.
enum TokenTypes : int {
    tokPlus = 0,         // +
    tokMinus = 1,        // -
    tokTimes = 2,        // *
    tokDivide = 3,       // /
    tokPower = 4,        // ^
    tokOpenParen = 5,    // (
    tokCloseParen = 6,   // )
    tokValue = 7,        // a number or a defined variable (value in m_CurToken.Value)
    tokFunction = 8,     // a function name (upper-cased in m_CurToken.FuncName)
    tokEnd = 9,          // end of the expression
    tokBad = 10,         // unrecognised input, or an undefined name
    tokUndefined = 11,   // the undefined-operand mark '!'
    tokMod = 12          // MOD
};

// One entry of the parser stack.
struct TokenRec {
    BYTE State = 0;       // LR state of this entry
    double Value = 0;     // value of a number, variable or reduced sub-expression
    CString FuncName;     // upper-cased function name; only meaningful for a function token
};

// One variable, owned by the parser.
struct VarRec {
    double Value = 0;
    char Name[32] = {};   // as passed to AddVar, NUL-terminated
};

class CKXMathParser {
public:
    static constexpr int kStackSize = 100;  // entries of m_Stack
    static constexpr int kMaxName = 31;     // characters of a variable name

    explicit CKXMathParser(const CString& strExpr);
    ~CKXMathParser();
    CKXMathParser(const CKXMathParser&) = delete;
    CKXMathParser& operator=(const CKXMathParser&) = delete;

    // Defines a variable for every later Parse.  FALSE (nothing added) for a
    // null name or one longer than 31 characters.
    BOOL AddVar(double dValue, LPCTSTR pszName);
    // Evaluates m_strExpr; the outcome is in the fields below.
    void Parse();

    CString m_strExpr;            // the expression; upper-cased in place by the scanner
    BOOL m_bCalcError;            // a calculation error or '!' was met
    int m_nTop;                   // index of the top stack entry; -1 when empty
    int m_nSyntaxError;           // syntax error code; 0 = none
    WORD m_nTokenLen;             // while scanning: token start; afterwards: its length
    TokenRec m_CurToken;          // the entry about to be pushed
    TokenRec m_Stack[kStackSize];  // the parser stack
    TokenTypes m_Token;           // kind of the look-ahead token
    std::vector<VarRec*> m_VarList;  // variables, head first
    WORD m_nPos;                  // scan offset; after a syntax error, the offending token
    BOOL m_bError;                // result of the last Parse: TRUE = failed
    double m_dResult;             // result of the last Parse; 0 when it failed

protected:
    TokenTypes NextToken();
    BOOL IsFunc(LPCTSTR pszName);
    BOOL IsVar(double& dValue);
    BOOL GetVar(LPCTSTR pszName, double& dValue);
    void Shift(WORD nState);
    void Reduce(WORD nRule);
    WORD GotoState(WORD nRule);
    void Push(const TokenRec& rec);
    void Pop(TokenRec& rec);
    int Round(double dValue);

private:
    TokenTypes ScanNumber();
    int IdentifierLength() const;      // characters of the identifier at m_nPos
    int ScanLimit() const;             // offsets at or past this are never scanned
    void SyntaxError(int nCode);
    void ApplyFunction(const CString& strName, double& dValue);
    double Power(double dBase, double dExponent);
    double Remainder(double dLeft, double dRight);
};
