#include "util/math_parser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

struct Var {
    const char* name;
    double value;
};

// Parses one expression on a fresh object with the given variables.
struct Parsed {
    explicit Parsed(const CString& expr, std::initializer_list<Var> vars = {}) : p(expr) {
        for (const Var& v : vars) p.AddVar(v.value, v.name);
        p.Parse();
    }
    CKXMathParser p;
};

void ExpectValues(std::initializer_list<std::pair<const char*, double>> cases) {
    for (const auto& [expr, value] : cases) {
        Parsed r(expr);
        EXPECT_FALSE(r.p.m_bError) << expr << " (syntax " << r.p.m_nSyntaxError << " at " << r.p.m_nPos << ")";
        EXPECT_NEAR(r.p.m_dResult, value, 1e-9 * std::max(1.0, std::fabs(value))) << expr;
    }
}

void ExpectSyntax(const CString& expr, int code, int pos, std::initializer_list<Var> vars = {}) {
    Parsed r(expr, vars);
    EXPECT_TRUE(r.p.m_bError) << expr;
    EXPECT_EQ(r.p.m_dResult, 0) << expr;
    EXPECT_EQ(r.p.m_nSyntaxError, code) << expr;
    EXPECT_EQ(r.p.m_nPos, pos) << expr;
}

void ExpectCalcErrors(std::initializer_list<const char*> exprs) {
    for (const char* expr : exprs) {
        Parsed r(expr);
        EXPECT_TRUE(r.p.m_bError && r.p.m_bCalcError) << expr;
        EXPECT_EQ(r.p.m_nSyntaxError, 0) << expr;
        EXPECT_EQ(r.p.m_dResult, 0) << expr;
    }
}

TEST(MathParser, PrecedenceAndAssociativity) {
    // ^ is right-associative and binds tighter than MOD, MOD tighter than *,
    // a unary minus tighter than ^ (so "-2^2" is (-2)^2, an error).
    ExpectValues({{"1+2*3", 7}, {"7-2-1", 4}, {"8/4/2", 1}, {"(1+2)*3", 9}, {"2^3^2", 512}, {"2^-1", 0.5},
                  {"2*-3", -6}, {"1--1", 2}, {"7 MOD 3*2", 2}, {"7 mod 4 mod 2", 1}, {"1 MOD 2^3", 1},
                  {"sin(0)+abs(-3)", 3}, {"-ABS(-2)*3", -6}});
    ExpectCalcErrors({"-2^2"});
}

TEST(MathParser, SyntaxErrorsAndPositions) {
    // "1+#": unrecognised input has length 0, m_nPos is on it.  "2*7 MOD 3":
    // no shift on MOD after a product.  "SINX(1)": an undefined name leaves
    // m_nPos behind it.  "-(2+3)": a '(' after a unary minus is a nameless
    // function.  "1E12345": at most four exponent digits.  "\t1": only the
    // space is a blank.
    const struct {
        const char* expr;
        int code, pos;
    } cases[] = {{"", 3, 0},         {"   ", 3, 3},     {"1+", 3, 2},       {"1+#", 3, 2},     {"1 2", 4, 2},
                 {"1+2)", 4, 3},     {"2*7 MOD 3", 4, 4}, {"(1+2", 6, 4},   {"(1 2)", 6, 3},   {"SIN + 1", 5, 4},
                 {"SINX(1)", 3, 4},  {"-(2+3)", 5, 2},  {"-", 5, 1},        {"1.2.3", 4, 3},   {"1E12345", 4, 6},
                 {"\t1", 3, 0}};
    for (const auto& c : cases) ExpectSyntax(c.expr, c.code, c.pos);
    // The nameless function returns its argument; a function name seen
    // earlier does not leak into it.
    ExpectValues({{"-((2)", -2}, {"SGN(1)*-((2)", -2}});
}

TEST(MathParser, StackAndOffsetLimits) {
    auto nested = [](int n) { return CString('(', n) + "1" + CString(')', n); };
    ExpectValues({{nested(97), 1}});
    Parsed deep(nested(98));
    EXPECT_EQ(deep.p.m_nSyntaxError, 1);
    EXPECT_TRUE(deep.p.m_bError);
    // The push of the 100th entry fails; the scan has moved past the next token.
    ExpectSyntax(nested(100), 1, 101);
    // Offsets are 16-bit: longer text fails at offset 65535.
    ExpectSyntax(CString(' ', 70000) + "1", 3, 65535);
    ExpectSyntax("1" + CString(' ', 70000), 4, 65535);
    ExpectSyntax(CString('9', 70000), 4, 65535);
}

TEST(MathParser, DivisionPowerAndRemainderEdges) {
    // Divisors under 1e-6 in magnitude; 16400 ln 2 > 11356; MOD operands are
    // rounded first (halves go down) and must stay 32-bit, and its sign
    // follows the left operand.
    ExpectCalcErrors({"1/0", "1/0.0000001", "1/-0.0000009", "0^2", "0^-2", "2^16400", "2^-16400", "7 MOD 0",
                      "7 MOD 0.3", "2147483647.6 MOD 2", "7 MOD 3000000000", "-2147483648 MOD -1"});
    ExpectValues({{"1/0.00001", 100000}, {"2^0.5", std::sqrt(2.0)}, {"0.5^2", 0.25}, {"-7 MOD 3", -1},
                  {"7 MOD -3", 1}, {"7.6 MOD 3", 2}, {"7.5 MOD 3", 1}, {"2147483647 MOD 2", 1},
                  {"-2147483648 MOD 3", -2}});
    Parsed big("2^16000");  // in range for the rule, infinite as a double
    EXPECT_FALSE(big.p.m_bError);

    // A calculation error does not stop the parse: a later syntax error is still found.
    Parsed mark("5+!");
    EXPECT_TRUE(mark.p.m_bCalcError && mark.p.m_bError);
    EXPECT_EQ(mark.p.m_nSyntaxError, 0);
    EXPECT_EQ(mark.p.m_nPos, 2);
    ExpectSyntax("1/0 2", 4, 4);
    EXPECT_TRUE(Parsed("1/0 2").p.m_bCalcError);
}

TEST(MathParser, FunctionsInsideAndOutsideTheirDomainAndNumbers) {
    // SQR is a square root too; NOT and BOOL treat magnitudes under 0.001 as 0.
    ExpectValues({{"ROUND(2.5)", 2}, {"ROUND(-2.5)", -3}, {"ROUND(2.51)", 3}, {"ROUND(-0.4)", 0},
                  {"ROUND(1E9)", 1e9}, {"TRUNC(-2.7)", -2}, {"ATAN(1)", std::acos(-1.0) / 4}, {"COS(0)", 1},
                  {"SIN(9E18)-SIN(9E18)", 0}, {"EXP(1)", std::exp(1.0)}, {"LN(EXP(2))", 2}, {"SQRT(16)", 4},
                  {"SQR(16)", 4}, {"NOT(0.0009)+NOT(-0.0009)+NOT(0.001)", 2},
                  {"BOOL(0.0009)+BOOL(-0.001)+BOOL(5)", 2}, {"SGN(-5)+SGN(0)+SGN(0.1)", 1}});
    ExpectCalcErrors({"ROUND(1.5E9)", "TRUNC(-2E9)", "COS(1E19)", "SIN(-1E19)", "EXP(11357)", "EXP(-11357)",
                      "LN(0)", "LN(-1)", "SQRT(-1)", "SQR(1E247)", "SQR(-1E247)"});
    Parsed nan("SQR(-4)");  // let through: succeeds with NaN
    EXPECT_FALSE(nan.p.m_bError);
    EXPECT_TRUE(std::isnan(nan.p.m_dResult));

    // A lone '.' reads as 0, but a '.'-led mantissa ending at offset 2 is rejected.
    ExpectValues({{"2*.5+1", 2}, {"1E-2", 0.01}, {"1e+2", 100}, {"1E", 1}, {"1.", 1}, {".", 0}, {" .5", 0.5}});
    ExpectSyntax(".5", 3, 0);
    ExpectSyntax("-.", 5, 1);
    Parsed huge("1E1234");  // atof overflows to infinity; no error
    EXPECT_FALSE(huge.p.m_bError);
    EXPECT_TRUE(std::isinf(huge.p.m_dResult));
}

TEST(MathParser, Variables) {
    EXPECT_EQ(Parsed("X*3", {{"x", 2}}).p.m_dResult, 6);
    EXPECT_EQ(Parsed("x_1+X_1", {{"X_1", 2}}).p.m_dResult, 4);
    EXPECT_EQ(Parsed("a", {{"a", 1}, {"A", 5}}).p.m_dResult, 5);  // the later definition wins
    ExpectSyntax("Y*3", 3, 1, {{"x", 2}});
    ExpectSyntax("sin", 5, 3, {{"sin", 1}});  // a function name hides a variable

    const std::string name31(31, 'v');
    CKXMathParser p(name31.c_str());
    EXPECT_FALSE(p.AddVar(1, (name31 + "v").c_str()));  // too long: rejected, not cut
    EXPECT_FALSE(p.AddVar(1, nullptr));
    p.Parse();
    EXPECT_EQ(p.m_nSyntaxError, 3);
    EXPECT_TRUE(p.AddVar(7, name31.c_str()));
    p.Parse();
    EXPECT_EQ(p.m_dResult, 7);
}

TEST(MathParser, RepeatedParseOnOneObject) {
    CKXMathParser p("x*(1+y)");
    p.AddVar(2, "x");
    p.Parse();
    EXPECT_TRUE(p.m_bError);
    EXPECT_EQ(p.m_nPos, 6);
    EXPECT_EQ(p.m_strExpr, "X*(1+Y)");  // the scanner upper-cases the text
    p.AddVar(3, "y");
    p.Parse();
    EXPECT_FALSE(p.m_bError);
    EXPECT_EQ(p.m_dResult, 8);
    p.AddVar(4, "X");
    p.Parse();
    EXPECT_EQ(p.m_dResult, 16);
    EXPECT_EQ(p.m_nTop, 1);
}

}  // namespace
