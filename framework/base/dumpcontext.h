// CDumpContext: where CObject::Dump writes, text by text: the debugger
// output (natively stderr) by default, or a CFile.  afxDump is the one every
// program has.
#pragma once

#include "base/cobject.h"
#include "base/wintypes.h"

class CFile;

class CDumpContext {
public:
    explicit CDumpContext(CFile* pFile = nullptr) : m_pFile(pFile) {}
    CDumpContext(const CDumpContext&) = delete;
    CDumpContext& operator=(const CDumpContext&) = delete;

    // How deep Dump goes into the objects an object holds (0: not at all).
    int GetDepth() const { return m_nDepth; }
    void SetDepth(int nNewDepth) { m_nDepth = nNewDepth; }

    CDumpContext& operator<<(LPCSTR lpsz);
    CDumpContext& operator<<(LPCWSTR lpsz);
    CDumpContext& operator<<(const void* lp);  // "$" and the address in hex
    CDumpContext& operator<<(const CObject* pOb);
    CDumpContext& operator<<(const CObject& ob);
    CDumpContext& operator<<(BYTE by);
    CDumpContext& operator<<(WORD w);
    CDumpContext& operator<<(int n);
    CDumpContext& operator<<(UINT u);
    CDumpContext& operator<<(long l);
    CDumpContext& operator<<(unsigned long dw);
    CDumpContext& operator<<(long long n);
    CDumpContext& operator<<(unsigned long long n);
    CDumpContext& operator<<(float f);
    CDumpContext& operator<<(double d);

    // nBytes bytes, nWidth to a line, each line starting with lpszLine.
    void HexDump(LPCSTR lpszLine, const BYTE* pby, int nBytes, int nWidth);
    void Flush();
    void OutputString(LPCSTR lpsz);

protected:
    CFile* m_pFile;
    int m_nDepth = 0;
};

extern CDumpContext afxDump;
