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

void ExpectValue(const char* expr, double expected, std::initializer_list<Var> vars = {}) {
    Parsed r(expr, vars);
    EXPECT_FALSE(r.p.m_bError) << expr << " (syntax " << r.p.m_nSyntaxError << " at " << r.p.m_nPos << ")";
    EXPECT_NEAR(r.p.m_dResult, expected, 1e-9 * std::max(1.0, std::fabs(expected))) << expr;
}

void ExpectSyntax(const CString& expr, int code, int pos, std::initializer_list<Var> vars = {}) {
    Parsed r(expr, vars);
    EXPECT_TRUE(r.p.m_bError) << expr;
    EXPECT_EQ(r.p.m_dResult, 0) << expr;
    EXPECT_EQ(r.p.m_nSyntaxError, code) << expr;
    EXPECT_EQ(r.p.m_nPos, pos) << expr;
}

void ExpectCalcError(const char* expr) {
    Parsed r(expr);
    EXPECT_TRUE(r.p.m_bError) << expr;
    EXPECT_TRUE(r.p.m_bCalcError) << expr;
    EXPECT_EQ(r.p.m_nSyntaxError, 0) << expr;
    EXPECT_EQ(r.p.m_dResult, 0) << expr;
}

TEST(MathParser, PrecedenceAndAssociativity) {
    ExpectValue("1+2*3", 7);
    ExpectValue("2*3+1", 7);
    ExpectValue("7-2-1", 4);
    ExpectValue("8/4/2", 1);
    ExpectValue("1-2+3", 2);
    ExpectValue("(1+2)*3", 9);
    ExpectValue("2^3^2", 512);     // right-associative
    ExpectValue("2^-1", 0.5);
    ExpectValue("2*-3", -6);
    ExpectValue("1--1", 2);
    ExpectValue("7 MOD 3*2", 2);    // MOD binds tighter than *
    ExpectValue("7 mod 4 mod 2", 1);  // left-associative
    ExpectValue("1 MOD 2^3", 1);    // ^ binds tighter than MOD
    ExpectValue("2^3 MOD 3", 2);
    ExpectValue("sin(0)+abs(-3)", 3);
    ExpectValue("-ABS(-2)*3", -6);
    ExpectCalcError("-2^2");        // unary minus binds tighter: (-2)^2
}

TEST(MathParser, SyntaxErrorsAndPositions) {
    ExpectSyntax("", 3, 0);
    ExpectSyntax("   ", 3, 3);
    ExpectSyntax("1+", 3, 2);
    ExpectSyntax("1+#", 3, 2);          // unrecognised: length 0, m_nPos on it
    ExpectSyntax("1 2", 4, 2);
    ExpectSyntax("1+2)", 4, 3);
    ExpectSyntax("2*7 MOD 3", 4, 4);    // no shift on MOD after a product
    ExpectSyntax("(1+2", 6, 4);
    ExpectSyntax("(1 2)", 6, 3);
    ExpectSyntax("SIN + 1", 5, 4);
    ExpectSyntax("sin 1", 5, 4);
    ExpectSyntax("SINX(1)", 3, 4);       // undefined name: m_nPos behind it
    ExpectSyntax("Y*3", 3, 1);
    ExpectSyntax("-(2+3)", 5, 2);        // '(' after unary minus is a nameless function
    ExpectSyntax("-", 5, 1);
    ExpectSyntax("1.2.3", 4, 3);
    ExpectSyntax("1E12345", 4, 6);       // at most four exponent digits
    ExpectSyntax("\t1", 3, 0);           // only the space is a blank
}

TEST(MathParser, NamelessFunctionAfterUnaryMinus) {
    ExpectValue("-((2)", -2);
    ExpectValue("SGN(1)*-((2)", -2);  // a function name seen earlier does not leak
}

TEST(MathParser, StackLimit) {
    auto nested = [](int n) { return CString('(', n) + "1" + CString(')', n); };
    ExpectValue(nested(97), 1);
    Parsed deep(nested(98));
    EXPECT_EQ(deep.p.m_nSyntaxError, 1);
    EXPECT_TRUE(deep.p.m_bError);
    // The push of the 100th entry fails; the scan has moved past the next token.
    ExpectSyntax(nested(100), 1, 101);
}

TEST(MathParser, CalculationErrorsDoNotStopTheParse) {
    Parsed mark("5+!");
    EXPECT_TRUE(mark.p.m_bCalcError);
    EXPECT_EQ(mark.p.m_nSyntaxError, 0);
    EXPECT_EQ(mark.p.m_nPos, 2);
    EXPECT_TRUE(mark.p.m_bError);

    Parsed later("1/0 2");
    EXPECT_TRUE(later.p.m_bCalcError);
    EXPECT_EQ(later.p.m_nSyntaxError, 4);
    EXPECT_EQ(later.p.m_nPos, 4);
}

TEST(MathParser, DivisionAndPowerEdges) {
    ExpectCalcError("1/0");
    ExpectCalcError("1/0.0000001");
    ExpectCalcError("1/-0.0000009");
    ExpectValue("1/0.00001", 100000);
    ExpectValue("2^0.5", std::sqrt(2.0));
    ExpectValue("0.5^2", 0.25);
    ExpectCalcError("0^2");
    ExpectCalcError("0^-2");
    ExpectCalcError("2^16400");   // 16400 ln 2 > 11356
    ExpectCalcError("2^-16400");
    Parsed big("2^16000");          // in range for the rule, infinite as a double
    EXPECT_FALSE(big.p.m_bError);
}

TEST(MathParser, RemainderEdges) {
    ExpectValue("7 MOD 3", 1);
    ExpectValue("-7 MOD 3", -1);     // sign follows the left operand
    ExpectValue("7 MOD -3", 1);
    ExpectValue("7.6 MOD 3", 2);     // operands are rounded first
    ExpectValue("7.5 MOD 3", 1);     // halves go down
    ExpectValue("2147483647 MOD 2", 1);
    ExpectCalcError("7 MOD 0");
    ExpectCalcError("7 MOD 0.3");    // rounds to 0
    ExpectCalcError("2147483647.6 MOD 2");
    ExpectCalcError("7 MOD 3000000000");
    ExpectCalcError("-2147483648 MOD -1");
    ExpectValue("-2147483648 MOD 3", -2);
}

TEST(MathParser, RoundAndTrunc) {
    ExpectValue("ROUND(2.5)", 2);
    ExpectValue("ROUND(-2.5)", -3);
    ExpectValue("ROUND(2.51)", 3);
    ExpectValue("ROUND(3)", 3);
    ExpectValue("ROUND(-0.4)", 0);
    ExpectValue("ROUND(1E9)", 1e9);
    ExpectCalcError("ROUND(1.5E9)");
    ExpectValue("TRUNC(-2.7)", -2);
    ExpectValue("TRUNC(2.7)", 2);
    ExpectCalcError("TRUNC(-2E9)");
}

TEST(MathParser, FunctionsInsideAndOutsideTheirDomain) {
    const double pi = std::acos(-1.0);
    ExpectValue("ABS(-3)", 3);
    ExpectValue("ATAN(1)", pi / 4);
    ExpectValue("COS(0)", 1);
    ExpectValue("SIN(9E18)-SIN(9E18)", 0);
    ExpectCalcError("COS(1E19)");
    ExpectCalcError("SIN(-1E19)");
    ExpectValue("EXP(1)", std::exp(1.0));
    ExpectCalcError("EXP(11357)");
    ExpectCalcError("EXP(-11357)");
    ExpectValue("LN(EXP(2))", 2);
    ExpectCalcError("LN(0)");
    ExpectCalcError("LN(-1)");
    ExpectValue("SQRT(16)", 4);
    ExpectCalcError("SQRT(-1)");
    ExpectValue("SQR(16)", 4);       // SQR is a square root too
    ExpectCalcError("SQR(1E247)");
    ExpectCalcError("SQR(-1E247)");
    ExpectValue("NOT(0.0009)+NOT(-0.0009)+NOT(0.001)", 2);
    ExpectValue("BOOL(0.0009)+BOOL(-0.001)+BOOL(5)", 2);
    ExpectValue("SGN(-5)+SGN(0)+SGN(0.1)", 1);

    Parsed nan("SQR(-4)");           // let through: succeeds with NaN
    EXPECT_FALSE(nan.p.m_bError);
    EXPECT_TRUE(std::isnan(nan.p.m_dResult));
}

TEST(MathParser, Numbers) {
    ExpectValue("2*.5+1", 2);
    ExpectValue("1E-2", 0.01);
    ExpectValue("1e+2", 100);
    ExpectValue("1E", 1);
    ExpectValue("1.", 1);
    ExpectValue(".", 0);              // a lone '.' reads as 0
    ExpectValue(" .5", 0.5);
    ExpectSyntax(".5", 3, 0);         // a '.'-led mantissa ending at offset 2 is rejected
    ExpectSyntax("-.", 5, 1);
    Parsed huge("1E1234");            // atof overflows to infinity; no error
    EXPECT_FALSE(huge.p.m_bError);
    EXPECT_TRUE(std::isinf(huge.p.m_dResult));
}

TEST(MathParser, Variables) {
    ExpectValue("X*3", 6, {{"x", 2}});
    ExpectValue("x_1+X_1", 4, {{"X_1", 2}});
    ExpectSyntax("Y*3", 3, 1, {{"x", 2}});
    ExpectValue("a", 5, {{"a", 1}, {"A", 5}});        // the later definition wins
    ExpectSyntax("sin", 5, 3, {{"sin", 1}});           // a function name hides a variable

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
    EXPECT_EQ(p.m_strExpr, "X*(1+Y)");   // the scanner upper-cases the text
    p.AddVar(3, "y");
    p.Parse();
    EXPECT_FALSE(p.m_bError);
    EXPECT_EQ(p.m_nSyntaxError, 0);
    EXPECT_EQ(p.m_dResult, 8);
    p.AddVar(4, "X");
    p.Parse();
    EXPECT_EQ(p.m_dResult, 16);
    EXPECT_EQ(p.m_nTop, 1);
}

TEST(MathParser, TextBeyondSixteenBitOffsets) {
    ExpectSyntax(CString(' ', 70000) + "1", 3, 65535);
    ExpectSyntax("1" + CString(' ', 70000), 4, 65535);
    ExpectSyntax(CString('9', 70000), 4, 65535);
}

}  // namespace
