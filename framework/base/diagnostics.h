// Diagnostics: ASSERT, VERIFY, TRACE and DEBUG_NEW.  They are active when
// _DEBUG is defined (Debug builds) and compile to nothing otherwise; VERIFY
// keeps its expression in both.  ASSERT_VALID, ASSERT_KINDOF and the dump
// context live with CObject (base/cobject.h, base/dumpcontext.h).
//
// A failed assertion goes to the installed handler, or else to the default:
// the failure is written to the debugger output (and natively to stderr),
// then Windows asks "Abort, Retry, Ignore" as the framework always has
// (Retry breaks into the debugger) and the native build aborts.  Tests
// install a handler that records the failure and lets the code go on, so
// they can check both that a misuse asserts and what the release fallback
// does after it.
#pragma once

#include "base/wintypes.h"

#include <cstdarg>
#include <cstddef>

// The handler sees the file and line of the failed assertion; it returns
// TRUE to break into the debugger at the assertion.
typedef BOOL (*AFX_ASSERT_HANDLER)(LPCSTR lpszFileName, int nLine);
// Installs a handler (null restores the default) and returns the previous one.
AFX_ASSERT_HANDLER AfxSetAssertHandler(AFX_ASSERT_HANDLER pfnHandler);

// Reports a failed assertion; TRUE when the caller should break.
BOOL AfxAssertFailedLine(LPCSTR lpszFileName, int nLine);
void AfxDebugBreak();

// Writes formatted text to the debugger output (natively to stderr).
void AfxTrace(LPCTSTR lpszFormat, ...) __attribute__((format(printf, 1, 2)));
void AfxTraceV(LPCTSTR lpszFormat, va_list args);

// As today's framework has them: a pointer is valid when it is not null.
BOOL AfxIsValidAddress(const void* lp, UINT_PTR nBytes, BOOL bReadWrite = TRUE);
BOOL AfxIsValidString(LPCSTR lpsz, int nLength = -1);
BOOL AfxIsValidString(LPCWSTR lpsz, int nLength = -1);

#ifndef THIS_FILE
#define THIS_FILE __FILE__
#endif

#ifdef _DEBUG

#define ASSERT(f) ((void)((f) || !::AfxAssertFailedLine(THIS_FILE, __LINE__) || (::AfxDebugBreak(), 0)))
#define VERIFY(f) ASSERT(f)
#define DEBUG_ONLY(f) (f)
#define TRACE ::AfxTrace
#define TRACE0(sz) ::AfxTrace("%s", sz)
#define TRACE1(sz, p1) ::AfxTrace(sz, p1)
#define TRACE2(sz, p1, p2) ::AfxTrace(sz, p1, p2)
#define TRACE3(sz, p1, p2, p3) ::AfxTrace(sz, p1, p2, p3)

// Allocations that carry the file and line of the new expression.
void* operator new(size_t nSize, LPCSTR lpszFileName, int nLine);
void* operator new[](size_t nSize, LPCSTR lpszFileName, int nLine);
void operator delete(void* p, LPCSTR lpszFileName, int nLine) noexcept;
void operator delete[](void* p, LPCSTR lpszFileName, int nLine) noexcept;
#define DEBUG_NEW new (THIS_FILE, __LINE__)

#else

// The expressions are not evaluated, but they still count as used, so a
// variable that only an assertion or a trace reads raises no warning in a
// release build.
#define ASSERT(f) ((void)sizeof(!(f)))
#define VERIFY(f) ((void)(f))
#define DEBUG_ONLY(f) ((void)0)
#define TRACE(...) (true ? (void)0 : ::AfxTrace(__VA_ARGS__))
#define TRACE0(sz) TRACE("%s", sz)
#define TRACE1(sz, p1) TRACE(sz, p1)
#define TRACE2(sz, p1, p2) TRACE(sz, p1, p2)
#define TRACE3(sz, p1, p2, p3) TRACE(sz, p1, p2, p3)
#define DEBUG_NEW new

#endif

#define ASSERT_POINTER(p, type) ASSERT(((p) != NULL) && ::AfxIsValidAddress((p), sizeof(type), FALSE))
#define ASSERT_NULL_OR_POINTER(p, type) ASSERT(((p) == NULL) || ::AfxIsValidAddress((p), sizeof(type), FALSE))
