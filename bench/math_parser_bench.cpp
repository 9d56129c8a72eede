// One-shot parse-and-evaluate throughput of CKXMathParser against muparser
// doing the same one-shot work: define the variables, set the expression,
// evaluate once.  muparser is timed twice: with a parser object kept across
// calls (only ClearVar/DefineVar/SetExpr/Eval timed, its best case) and with
// a parser built per call (as CKXMathParser is).
#include "bench_harness.h"
#include "util/math_parser.h"

#include <cmath>
#include <cstdio>
#include <string>

#if __has_include(<muParser.h>)
#include <muParser.h>
#define KX_HAVE_MUPARSER 1
#endif

namespace {

struct Case {
    const char* name;
    const char* kx;        // our syntax
    const char* muparser;  // the same expression in muparser's syntax
};

// Both syntaxes agree on these; the long one repeats a block of terms.
const std::string kLongBlock = "1.5*x+2.25*y-3.125*z+(x-y)*(y-z)*(z-x)/7+exp(x/10)-ln(y+10)+atan(z)";
const std::string kLong = kLongBlock + "+" + kLongBlock + "+" + kLongBlock;

const Case kCases[] = {
    {"number", "42", "42"},
    {"sum of two numbers", "1+2", "1+2"},
    {"variables", "x*3-y", "x*3-y"},
    {"parentheses", "(x+1)*(y-2)/(z+3)", "(x+1)*(y-2)/(z+3)"},
    {"functions", "sin(x)*cos(y)+sqrt(abs(z))", "sin(x)*cos(y)+sqrt(abs(z))"},
    {"powers", "2^x+x^3-y^2", "2^x+x^3-y^2"},
    {"mixed, 70 chars", kLongBlock.c_str(), kLongBlock.c_str()},
    {"mixed, 212 chars", kLong.c_str(), kLong.c_str()},
};

double g_x = 1.5, g_y = 2.5, g_z = 3.5;

double RunKX(const CString& expr) {
    CKXMathParser p(expr);
    p.AddVar(g_x, "x");
    p.AddVar(g_y, "y");
    p.AddVar(g_z, "z");
    p.Parse();
    return p.m_dResult;
}

#ifdef KX_HAVE_MUPARSER
double RunMuKept(mu::Parser& p, const std::string& expr) {
    p.ClearVar();
    p.DefineVar("x", &g_x);
    p.DefineVar("y", &g_y);
    p.DefineVar("z", &g_z);
    p.SetExpr(expr);
    return p.Eval();
}
#endif

}  // namespace

int main() {
#ifndef KX_HAVE_MUPARSER
    std::printf("muparser is not available in this build; nothing to compare against\n");
    return 0;
#else
    int slower = 0;
    mu::Parser kept;
    for (const Case& c : kCases) {
        const CString kx(c.kx);
        const std::string mu(c.muparser);
        const double ours = RunKX(kx), theirs = RunMuKept(kept, mu);
        if (std::fabs(ours - theirs) > 1e-9 * std::max(1.0, std::fabs(theirs)))
            std::printf("!! %s: results differ (%.17g vs %.17g)\n", c.name, ours, theirs);

        const double tKX = kxbench::TimePerCall([&] { kxbench::Keep(RunKX(kx)); });
        const double tKept = kxbench::TimePerCall([&] { kxbench::Keep(RunMuKept(kept, mu)); });
        const double tFresh = kxbench::TimePerCall([&] {
            mu::Parser fresh;
            kxbench::Keep(RunMuKept(fresh, mu));
        });
        const double ratio = kxbench::Report(c.name, tKX, tKept, "muparser (kept object)");
        kxbench::Report("", tKX, tFresh, "muparser (new object)");
        std::printf("%-44s %12.0f expr/s  vs %12.0f expr/s\n", "", 1 / tKX, 1 / tKept);
        if (ratio > 1) ++slower;
    }
    std::printf("slower than muparser (kept object) on %d of %zu expressions\n", slower,
                sizeof kCases / sizeof kCases[0]);
    return 0;
#endif
}
