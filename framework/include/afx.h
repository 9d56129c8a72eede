// The framework's foundation as a program includes it: strings, geometry,
// run-time classes, exceptions, files, archives, collections, dates and the
// diagnostics, with <tchar.h> (TCHAR, _T) and the framework's declaration
// macros.  The headers of this folder are the ones an MFC program includes;
// the folders beside it hold what they are made of.
#pragma once

// The guard name programs test to know the header is in.
#ifndef __AFX_H__
#define __AFX_H__
#endif

#ifdef _WIN32
#include <tchar.h>
#endif

#include "base/afx.h"
#ifdef _WIN32
#include "win/filefind.h"
#endif

// Marks message handlers in class declarations; it expands to nothing.
#ifndef afx_msg
#define afx_msg
#endif

#ifdef _WIN32
#define AFXAPI __stdcall
#define AFX_CDECL __cdecl
#define AFX_CLASS_EXPORT __declspec(dllexport)
#define AFX_CLASS_IMPORT __declspec(dllimport)
#define AFX_API_EXPORT __declspec(dllexport)
#define AFX_API_IMPORT __declspec(dllimport)
#else
#define AFXAPI
#define AFX_CDECL
#define AFX_CLASS_EXPORT
#define AFX_CLASS_IMPORT
#define AFX_API_EXPORT
#define AFX_API_IMPORT
#endif
// An extension library defines _AFXEXT while it is built.
#ifdef _AFXEXT
#define AFX_EXT_CLASS AFX_CLASS_EXPORT
#define AFX_EXT_API AFX_API_EXPORT
#define AFX_EXT_DATA AFX_API_EXPORT
#else
#define AFX_EXT_CLASS AFX_CLASS_IMPORT
#define AFX_EXT_API AFX_API_IMPORT
#define AFX_EXT_DATA AFX_API_IMPORT
#endif
#define AFX_DATA
#define AFX_INLINE inline
#define AFX_NOVTABLE

// The C library's printf family with a CString argument: the string's
// characters are passed on, as MFC programs expect ("%s" and a CString).
// Calls without a string argument go straight to the library and keep the
// compiler's format check.
#include <cstdio>

template <class... A>
    requires AfxHasStringArg<A...>
int printf(const char* format, const A&... args) {
    return ::printf(format, AfxStringArg(args)...);
}
template <class... A>
    requires AfxHasStringArg<A...>
int fprintf(FILE* stream, const char* format, const A&... args) {
    return ::fprintf(stream, format, AfxStringArg(args)...);
}
template <class... A>
    requires AfxHasStringArg<A...>
int sprintf(char* buffer, const char* format, const A&... args) {
    return ::sprintf(buffer, format, AfxStringArg(args)...);
}
template <class... A>
    requires AfxHasStringArg<A...>
int snprintf(char* buffer, size_t count, const char* format, const A&... args) {
    return ::snprintf(buffer, count, format, AfxStringArg(args)...);
}
#ifdef _WIN32
template <class... A>
    requires AfxHasStringArg<A...>
int _snprintf(char* buffer, size_t count, const char* format, const A&... args) {
    return ::_snprintf(buffer, count, format, AfxStringArg(args)...);
}
template <class... A>
    requires AfxHasStringArg<A...>
int wsprintfA(LPSTR buffer, LPCSTR format, const A&... args) {
    return ::wsprintfA(buffer, format, AfxStringArg(args)...);
}
#endif
