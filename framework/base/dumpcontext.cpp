#include "base/dumpcontext.h"

#include "base/cfile.h"
#include "base/cstring.h"

#include <cstdio>
#include <cstring>

CDumpContext afxDump;

void CDumpContext::OutputString(LPCSTR lpsz) {
    if (lpsz == nullptr) return;
    if (m_pFile != nullptr) {
        m_pFile->Write(lpsz, static_cast<UINT>(strlen(lpsz)));
        return;
    }
#ifdef _WIN32
    ::OutputDebugStringA(lpsz);
#else
    fputs(lpsz, stderr);
#endif
}

void CDumpContext::Flush() {
    if (m_pFile != nullptr) m_pFile->Flush();
}

CDumpContext& CDumpContext::operator<<(LPCSTR lpsz) {
    OutputString(lpsz ? lpsz : "(NULL)");
    return *this;
}

CDumpContext& CDumpContext::operator<<(LPCWSTR lpsz) {
    if (lpsz == nullptr) return *this << "(NULL)";
    OutputString(CString(lpsz));
    return *this;
}

namespace {
template <class... A>
void Print(CDumpContext& dc, const char* format, A... args) {
    char sz[64];
    snprintf(sz, sizeof sz, format, args...);
    dc.OutputString(sz);
}
}  // namespace

CDumpContext& CDumpContext::operator<<(const void* lp) {
    Print(*this, "$%p", lp);
    return *this;
}

CDumpContext& CDumpContext::operator<<(const CObject* pOb) {
    if (pOb == nullptr) return *this << "NULL";
    pOb->Dump(*this);
    return *this;
}

CDumpContext& CDumpContext::operator<<(const CObject& ob) { return *this << &ob; }
CDumpContext& CDumpContext::operator<<(BYTE by) { return *this << static_cast<UINT>(by); }
CDumpContext& CDumpContext::operator<<(WORD w) { return *this << static_cast<UINT>(w); }

CDumpContext& CDumpContext::operator<<(int n) {
    Print(*this, "%d", n);
    return *this;
}

CDumpContext& CDumpContext::operator<<(UINT u) {
    Print(*this, "%u", u);
    return *this;
}

CDumpContext& CDumpContext::operator<<(long l) {
    Print(*this, "%ld", l);
    return *this;
}

CDumpContext& CDumpContext::operator<<(unsigned long dw) {
    Print(*this, "%lu", dw);
    return *this;
}

CDumpContext& CDumpContext::operator<<(long long n) {
    Print(*this, "%lld", n);
    return *this;
}

CDumpContext& CDumpContext::operator<<(unsigned long long n) {
    Print(*this, "%llu", n);
    return *this;
}

CDumpContext& CDumpContext::operator<<(float f) { return *this << static_cast<double>(f); }

CDumpContext& CDumpContext::operator<<(double d) {
    Print(*this, "%g", d);
    return *this;
}

void CDumpContext::HexDump(LPCSTR lpszLine, const BYTE* pby, int nBytes, int nWidth) {
    if (pby == nullptr || nBytes <= 0) return;
    if (nWidth <= 0) nWidth = 16;
    for (int i = 0; i < nBytes; ++i) {
        if (i % nWidth == 0) {
            if (i != 0) OutputString("\n");
            OutputString(lpszLine);
        }
        Print(*this, " %02X", pby[i]);
    }
    OutputString("\n");
}
