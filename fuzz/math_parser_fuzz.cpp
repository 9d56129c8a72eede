// Parses arbitrary bytes with a few variables defined and checks what every
// outcome must satisfy: a failure leaves 0 in m_dResult, m_nPos stays inside
// the text, the flags agree, and parsing again gives the same outcome.
#include "util/math_parser.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void Check(bool condition) {
    if (!condition) abort();
}

struct Outcome {
    BOOL bError, bCalcError;
    int nSyntaxError;
    WORD nPos;
    double dResult;
};

Outcome Take(const CKXMathParser& p) {
    return {p.m_bError, p.m_bCalcError, p.m_nSyntaxError, p.m_nPos, p.m_dResult};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const CString text(reinterpret_cast<const char*>(data), static_cast<int>(size));
    CKXMathParser p(text);
    p.AddVar(2, "x");
    p.AddVar(-3.5, "y_1");
    p.AddVar(0, "Zero");
    p.AddVar(1e300, "big");
    p.Parse();

    const Outcome first = Take(p);
    Check(p.m_strExpr.GetLength() == static_cast<int>(size));
    Check(first.nPos <= size);
    Check(first.bError == (first.bCalcError || first.nSyntaxError != 0));
    Check(!first.bError || first.dResult == 0);
    const int code = first.nSyntaxError;
    Check(code == 0 || code == 1 || (code >= 3 && code <= 6));
    Check(p.m_nTop >= 0 && p.m_nTop < CKXMathParser::kStackSize);

    p.Parse();
    const Outcome again = Take(p);
    Check(again.bError == first.bError && again.bCalcError == first.bCalcError);
    Check(again.nSyntaxError == first.nSyntaxError && again.nPos == first.nPos);
    Check(memcmp(&again.dResult, &first.dResult, sizeof(double)) == 0);
    return 0;
}
