#include "util/math_parser.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <new>
#include <numbers>
#include <string>

#ifdef _WIN32
#include <mbctype.h>
#include <mbstring.h>
#else
#include <cctype>
#endif

namespace {

// Character rules: the C run-time's multi-byte functions on Windows, their
// single-byte equivalents elsewhere.  Callers pass single bytes only, so a
// lead byte of a double-byte character is neither a digit nor a letter and
// the scanner never steps into one.
#ifdef _WIN32
void MbUpper(char* psz) { _mbsupr(reinterpret_cast<unsigned char*>(psz)); }
bool MbIsDigit(unsigned char c) { return _ismbcdigit(c) != 0; }
bool MbIsAlpha(unsigned char c) { return _ismbcalpha(c) != 0; }
#else
void MbUpper(char* psz) {
    for (; *psz; ++psz) *psz = static_cast<char>(toupper(static_cast<unsigned char>(*psz)));
}
bool MbIsDigit(unsigned char c) { return isdigit(c) != 0; }
bool MbIsAlpha(unsigned char c) { return isalpha(c) != 0; }
#endif

// The thirteen functions, tried in this order; MOD is tried after them.
const char* const kFunctions[] = {"ABS",  "ATAN",  "COS", "EXP", "LN",   "ROUND", "SIN",
                                  "SQRT", "SQR", "TRUNC", "NOT", "BOOL", "SGN"};

// Nearest integer with halves going down (2.5 -> 2, -2.5 -> -3), as a double
// so that callers can check the range before converting.
double RoundHalfDown(double x) {
    const double t = std::trunc(x);
    const double lower = x > 0 ? t : t - 1;
    const double upper = x > 0 ? t + 1 : t;
    return std::fabs(upper - x) < std::fabs(x - lower) ? upper : lower;
}

bool FitsInt32(double x) { return x >= INT_MIN && x <= INT_MAX; }  // false for NaN

}  // namespace

CKXMathParser::CKXMathParser(const CString& strExpr)
    : m_strExpr(strExpr),
      m_bCalcError(FALSE),
      m_nTop(-1),
      m_nSyntaxError(0),
      m_nTokenLen(0),
      m_Token(tokEnd),
      m_nPos(0),
      m_bError(FALSE),
      m_dResult(0) {}

CKXMathParser::~CKXMathParser() {
    for (VarRec* pVar : m_VarList) delete pVar;
}

BOOL CKXMathParser::AddVar(double dValue, LPCTSTR pszName) {
    if (pszName == nullptr || strnlen(pszName, kMaxName + 1) > static_cast<size_t>(kMaxName))
        return FALSE;
    VarRec* pVar = new (std::nothrow) VarRec;
    if (pVar == nullptr) return FALSE;
    pVar->Value = dValue;
    strcpy(pVar->Name, pszName);
    try {
        if (m_VarList.size() == m_VarList.capacity()) m_VarList.reserve(m_VarList.size() + 10);
        m_VarList.insert(m_VarList.begin(), pVar);  // the head: a later definition wins
    } catch (...) {
        delete pVar;
        return FALSE;
    }
    return TRUE;
}

// --- scanner ----------------------------------------------------------------

int CKXMathParser::ScanLimit() const { return std::min(m_strExpr.GetLength(), 0xFFFF); }

int CKXMathParser::IdentifierLength() const {
    const char* psz = m_strExpr.GetString();
    const int nLimit = ScanLimit();
    int i = m_nPos;
    if (i < nLimit && MbIsAlpha(static_cast<unsigned char>(psz[i]))) {
        for (++i; i < nLimit; ++i) {
            const unsigned char c = static_cast<unsigned char>(psz[i]);
            if (!MbIsAlpha(c) && !MbIsDigit(c) && c != '_') break;
        }
    }
    return i - m_nPos;
}

TokenTypes CKXMathParser::NextToken() {
    const int nLimit = ScanLimit();
    const char* psz = m_strExpr.GetString();
    m_CurToken.FuncName.Empty();  // a name travels only with a function token

    while (m_nPos < nLimit && psz[m_nPos] == ' ') ++m_nPos;
    m_nTokenLen = m_nPos;  // the token's start until its length is known
    if (m_nPos >= nLimit) {
        m_nTokenLen = 0;
        // Offsets are 16-bit: whatever lies past offset 65535 is unreadable.
        return m_nPos < m_strExpr.GetLength() ? tokBad : tokEnd;
    }

    // The text only ever changes here, so upper-casing it on the first scan
    // of a Parse (the stack holds just its start entry) covers every later one.
    if (m_nTop <= 0) {
        const int nLength = m_strExpr.GetLength();
        MbUpper(m_strExpr.GetBuffer());
        m_strExpr.ReleaseBuffer(nLength);
        psz = m_strExpr.GetString();
    }

    const unsigned char c = static_cast<unsigned char>(psz[m_nPos]);
    if (c == '!') {
        m_nTokenLen = 0;
        return tokUndefined;
    }
    if (MbIsDigit(c) || c == '.') return ScanNumber();
    if (MbIsAlpha(c)) {
        for (const char* pszFunc : kFunctions) {
            if (IsFunc(pszFunc)) {
                m_nTokenLen = static_cast<WORD>(m_nPos - m_nTokenLen);
                return tokFunction;
            }
        }
        if (IsFunc("MOD")) {
            m_nTokenLen = static_cast<WORD>(m_nPos - m_nTokenLen);
            return tokMod;
        }
        if (IsVar(m_CurToken.Value)) {
            m_nTokenLen = static_cast<WORD>(m_nPos - m_nTokenLen);
            return tokValue;
        }
        m_nTokenLen = 0;  // m_nPos stays behind the unknown name
        return tokBad;
    }

    TokenTypes kind;
    switch (c) {
    case '+': kind = tokPlus; break;
    case '-': kind = tokMinus; break;
    case '*': kind = tokTimes; break;
    case '/': kind = tokDivide; break;
    case '^': kind = tokPower; break;
    case '(': kind = tokOpenParen; break;
    case ')': kind = tokCloseParen; break;
    default:
        m_nTokenLen = 0;
        return tokBad;
    }
    ++m_nPos;
    m_nTokenLen = 1;
    return kind;
}

// A mantissa of digits with at most one '.', then optionally E, a sign and up
// to four exponent digits.
TokenTypes CKXMathParser::ScanNumber() {
    const char* psz = m_strExpr.GetString();
    const int nLimit = ScanLimit();
    const int nStart = m_nPos;
    int i = nStart;
    bool bDot = false;
    for (; i < nLimit; ++i) {
        const unsigned char c = static_cast<unsigned char>(psz[i]);
        if (c == '.' && !bDot)
            bDot = true;
        else if (!MbIsDigit(c))
            break;
    }
    if (psz[nStart] == '.' && i == 2) {
        m_nTokenLen = 0;  // rejected as unrecognised input, at the '.'
        return tokBad;
    }
    if (i < nLimit && psz[i] == 'E') {
        ++i;
        if (i < nLimit && (psz[i] == '+' || psz[i] == '-')) ++i;
        for (int nDigits = 0; nDigits < 4 && i < nLimit && MbIsDigit(static_cast<unsigned char>(psz[i]));
             ++nDigits)
            ++i;
    }

    // atof needs the number on its own (the text may go on with digits that
    // belong to the next token); a '.' in front gets a '0' before it.
    const int nLen = i - nStart;
    char szShort[64];
    std::string strLong;
    char* pszNumber = szShort;
    if (nLen + 2 > static_cast<int>(sizeof szShort)) {
        strLong.resize(nLen + 2);
        pszNumber = strLong.data();
    }
    int n = 0;
    if (psz[nStart] == '.') pszNumber[n++] = '0';
    memcpy(pszNumber + n, psz + nStart, nLen);
    pszNumber[n + nLen] = '\0';
    m_CurToken.Value = atof(pszNumber);

    m_nPos = static_cast<WORD>(i);
    m_nTokenLen = static_cast<WORD>(nLen);
    return tokValue;
}

// The scanner has upper-cased the text, so the identifier is compared as it
// stands; a whole-identifier comparison keeps SQRT from matching SQR.
BOOL CKXMathParser::IsFunc(LPCTSTR pszName) {
    const char* psz = m_strExpr.GetString() + m_nPos;
    if (m_nPos >= ScanLimit() || *psz != *pszName) return FALSE;
    const int nLen = IdentifierLength();
    if (static_cast<int>(strlen(pszName)) != nLen || memcmp(psz, pszName, nLen) != 0) return FALSE;
    m_CurToken.FuncName = pszName;
    m_nPos = static_cast<WORD>(m_nPos + nLen);
    return TRUE;
}

BOOL CKXMathParser::IsVar(double& dValue) {
    const int nLen = IdentifierLength();
    const char* psz = m_strExpr.GetString() + m_nPos;
    m_nPos = static_cast<WORD>(m_nPos + nLen);
    if (nLen > kMaxName) return FALSE;  // longer than any stored name
    char szName[kMaxName + 1];
    memcpy(szName, psz, nLen);
    szName[nLen] = '\0';
    return GetVar(szName, dValue);
}

BOOL CKXMathParser::GetVar(LPCTSTR pszName, double& dValue) {
    if (m_VarList.empty() || pszName == nullptr) return FALSE;
    const size_t nLen = strnlen(pszName, kMaxName + 1);
    if (nLen > static_cast<size_t>(kMaxName)) return FALSE;
    char szWanted[kMaxName + 1];
    memcpy(szWanted, pszName, nLen + 1);
    MbUpper(szWanted);
    for (const VarRec* pVar : m_VarList) {
        if (strlen(pVar->Name) != nLen) continue;  // upper-casing keeps the length
        char szStored[kMaxName + 1];
        memcpy(szStored, pVar->Name, nLen + 1);
        MbUpper(szStored);
        if (memcmp(szStored, szWanted, nLen) == 0) {
            dValue = pVar->Value;
            return TRUE;
        }
    }
    return FALSE;
}

// --- driver -----------------------------------------------------------------

void CKXMathParser::SyntaxError(int nCode) {
    m_nPos = static_cast<WORD>(m_nPos - m_nTokenLen);  // back to the token's start
    m_nSyntaxError = nCode;
}

void CKXMathParser::Parse() {
    m_nPos = 0;
    m_nTop = -1;
    m_nSyntaxError = 0;
    m_bCalcError = FALSE;
    m_bError = FALSE;
    TokenRec start;
    Push(start);
    m_Token = NextToken();

    // The action table: one case per state, as numbered in GotoState.
    bool bStop = false;
    while (m_nSyntaxError == 0 && !bStop) {
        switch (m_Stack[m_nTop].State) {
        case 0: case 9: case 12: case 13: case 14: case 15: case 16: case 20: case 40:
            // an operand is expected
            switch (m_Token) {
            case tokValue: Shift(10); break;
            case tokFunction: Shift(11); break;
            case tokMinus: Shift(5); break;
            case tokOpenParen: Shift(9); break;
            case tokUndefined: m_bCalcError = TRUE; bStop = true; break;
            default: SyntaxError(3); break;
            }
            break;
        case 1:
            switch (m_Token) {
            case tokEnd: bStop = true; break;  // accept
            case tokPlus: Shift(12); break;
            case tokMinus: Shift(13); break;
            default: SyntaxError(4); break;
            }
            break;
        case 2:
            if (m_Token == tokTimes) Shift(14);
            else if (m_Token == tokDivide) Shift(15);
            else Reduce(3);
            break;
        case 3:
            if (m_Token == tokMod) Shift(40);
            else Reduce(6);
            break;
        case 4:
            if (m_Token == tokPower) Shift(16);
            else Reduce(8);
            break;
        case 5:  // after a unary minus
            if (m_Token == tokValue) {
                Shift(10);
            } else {
                // Anything else is taken as a function without a name, so a
                // '(' here must be followed by another '(' (state 11).
                if (m_Token != tokFunction) {
                    m_Token = tokFunction;
                    m_CurToken.FuncName.Empty();
                }
                Shift(11);
            }
            break;
        case 6: Reduce(10); break;
        case 7: Reduce(13); break;
        case 8: Reduce(12); break;
        case 10: Reduce(15); break;
        case 11:  // after a function name
            if (m_Token == tokOpenParen) Shift(20);
            else SyntaxError(5);
            break;
        case 17: Reduce(9); break;
        case 19: case 28:  // inside parentheses
            switch (m_Token) {
            case tokPlus: Shift(12); break;
            case tokMinus: Shift(13); break;
            case tokCloseParen: Shift(m_Stack[m_nTop].State == 19 ? 27 : 29); break;
            default: SyntaxError(6); break;
            }
            break;
        case 21:
            if (m_Token == tokTimes) Shift(14);
            else if (m_Token == tokDivide) Shift(15);
            else Reduce(1);
            break;
        case 22:
            if (m_Token == tokTimes) Shift(14);
            else if (m_Token == tokDivide) Shift(15);
            else Reduce(2);
            break;
        case 23: Reduce(4); break;
        case 24: Reduce(5); break;
        case 25: Reduce(7); break;
        case 26: Reduce(11); break;
        case 27: Reduce(14); break;
        case 29: Reduce(16); break;
        case 80: Reduce(100); break;
        default:  // no state leads here; stop rather than loop
            SyntaxError(3);
            break;
        }
    }

    if (!m_bCalcError && m_nSyntaxError == 0) {
        m_bError = FALSE;
        m_dResult = m_Stack[m_nTop].Value;
    } else {
        m_bError = TRUE;
        m_dResult = 0;
    }
}

void CKXMathParser::Shift(WORD nState) {
    m_CurToken.State = static_cast<BYTE>(nState);
    Push(m_CurToken);
    m_Token = NextToken();
}

void CKXMathParser::Push(const TokenRec& rec) {
    if (m_nTop == kStackSize - 1) {
        m_nSyntaxError = 1;
        return;
    }
    m_Stack[++m_nTop] = rec;
}

void CKXMathParser::Pop(TokenRec& rec) {
    if (m_nTop < 0) return;  // the tables never pop the start entry
    rec = m_Stack[m_nTop--];
}

// --- reductions -------------------------------------------------------------

void CKXMathParser::Reduce(WORD nRule) {
    TokenRec rec;  // scratch for the operator and parenthesis entries
    switch (nRule) {
    case 1: case 2: case 4: case 5: case 7: case 100: {
        // right operand, operator, left operand; the left one becomes m_CurToken
        Pop(rec);
        const double dRight = rec.Value;
        Pop(rec);
        Pop(m_CurToken);
        double& dValue = m_CurToken.Value;
        switch (nRule) {
        case 1: dValue += dRight; break;
        case 2: dValue -= dRight; break;
        case 4: dValue *= dRight; break;
        case 5:
            if (std::fabs(dRight) < 1e-6) m_bCalcError = TRUE;
            else dValue /= dRight;
            break;
        case 7: dValue = Power(dValue, dRight); break;
        default: dValue = Remainder(dValue, dRight); break;
        }
        break;
    }
    case 3: case 6: case 8: case 10: case 12: case 15:
        Pop(m_CurToken);
        break;
    case 9:  // - Operand
        Pop(m_CurToken);
        Pop(rec);
        m_CurToken.Value = -m_CurToken.Value;
        break;
    case 14:  // ( Expression )
        Pop(rec);
        Pop(m_CurToken);
        Pop(rec);
        break;
    case 16: {  // function ( Expression )
        Pop(rec);
        Pop(m_CurToken);
        Pop(rec);
        Pop(rec);
        ApplyFunction(rec.FuncName, m_CurToken.Value);
        break;
    }
    default:  // 11 and 13 reduce nothing
        break;
    }
    m_CurToken.State = static_cast<BYTE>(GotoState(nRule));
    Push(m_CurToken);
}

// The goto table: the rule's left-hand symbol and the state now on top give
// the new state.
WORD CKXMathParser::GotoState(WORD nRule) {
    const int s = m_Stack[m_nTop].State;
    switch (nRule) {
    case 1: case 2: case 3:  // Expression
        if (s == 0) return 1;
        if (s == 9) return 19;
        if (s == 20) return 28;
        break;
    case 4: case 5: case 6:  // Term
        if (s == 0 || s == 9 || s == 20) return 2;
        if (s == 12) return 21;
        if (s == 13) return 22;
        break;
    case 7: case 8: case 100:  // Factor
        if (s == 0 || s == 9 || s == 12 || s == 13 || s == 20) return 3;
        if (s == 14) return 23;
        if (s == 15) return 24;
        if (s == 16) return 25;
        if (s == 40) return 80;
        break;
    case 9: case 10:  // Signed
        if (s == 0 || s == 9 || (s >= 12 && s <= 16) || s == 20 || s == 40) return 4;
        break;
    case 11: case 12:  // Operand
        if (s == 0 || s == 9 || (s >= 12 && s <= 16) || s == 20 || s == 40) return 6;
        if (s == 5) return 17;
        break;
    case 13: case 14: case 15: case 16:  // Primary
        if (s == 0 || s == 5 || s == 9 || (s >= 12 && s <= 16) || s == 20 || s == 40) return 8;
        break;
    default:
        break;
    }
    return nRule;
}

// --- arithmetic -------------------------------------------------------------

int CKXMathParser::Round(double dValue) {
    const double d = RoundHalfDown(dValue);
    if (FitsInt32(d)) return static_cast<int>(d);
    return d > 0 ? INT_MAX : INT_MIN;  // out of range (NaN included): clamped
}

// b^e as e raised to y = e * ln b, computed as 2^(y * log2 e).
double CKXMathParser::Power(double dBase, double dExponent) {
    if (dBase < 0) {
        m_bCalcError = TRUE;
        return dBase;
    }
    const double y = dExponent * std::log(dBase);
    if (y < -11356 || y > 11356) {
        m_bCalcError = TRUE;
        return dBase;
    }
    return std::exp2(y * std::numbers::log2e);
}

// Integer remainder whose sign follows the left operand.  Operands that do not
// round into 32 bits, a divisor that rounds to 0 and INT_MIN MOD -1 would
// fault the processor, so they are calculation errors.
double CKXMathParser::Remainder(double dLeft, double dRight) {
    if (std::fabs(dRight) < 1e-6) {
        m_bCalcError = TRUE;
        return dLeft;
    }
    const double dA = RoundHalfDown(dLeft);
    const double dB = RoundHalfDown(dRight);
    if (!FitsInt32(dA) || !FitsInt32(dB) || dB == 0 || (dA == INT_MIN && dB == -1)) {
        m_bCalcError = TRUE;
        return dLeft;
    }
    return Round(dLeft) % Round(dRight);
}

void CKXMathParser::ApplyFunction(const CString& strName, double& dValue) {
    const double x = dValue;
    bool bInDomain = true;
    if (strName == "ABS") {
        dValue = std::fabs(x);
    } else if (strName == "ATAN") {
        dValue = std::atan(x);
    } else if (strName == "COS") {
        if ((bInDomain = x >= -9e18 && x <= 9e18)) dValue = std::cos(x);
    } else if (strName == "EXP") {
        if ((bInDomain = x >= -11356 && x <= 11356)) dValue = std::exp(x);
    } else if (strName == "LN") {
        if ((bInDomain = x > 0)) dValue = std::log(x);
    } else if (strName == "ROUND") {
        if ((bInDomain = x >= -1e9 && x <= 1e9)) dValue = Round(x);
    } else if (strName == "SIN") {
        if ((bInDomain = x >= -9e18 && x <= 9e18)) dValue = std::sin(x);
    } else if (strName == "SQRT") {
        if ((bInDomain = x >= 0)) dValue = std::sqrt(x);
    } else if (strName == "SQR") {
        // a negative argument in range is let through and gives NaN
        if ((bInDomain = x >= -1e246 && x <= 1e246)) dValue = std::sqrt(x);
    } else if (strName == "TRUNC") {
        if ((bInDomain = x >= -1e9 && x <= 1e9)) dValue = std::trunc(x);
    } else if (strName == "NOT") {
        dValue = (x > -0.001 && x < 0.001) ? 1 : 0;
    } else if (strName == "BOOL") {
        dValue = (x > -0.001 && x < 0.001) ? 0 : 1;
    } else if (strName == "SGN") {
        dValue = x > 0 ? 1 : 0;
    }
    // any other name (the nameless function after a unary minus) returns x
    if (!bInDomain) m_bCalcError = TRUE;
}
