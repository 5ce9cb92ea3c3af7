// Build-wide macros of the framework layer: export/import, calling conventions, debug helpers.
#pragma once

#ifndef STRICT
#define STRICT
#endif
// Winsock 2 comes before <windows.h>, which would otherwise declare Winsock 1.1 and make a later
// <winsock2.h> (ours or the caller's) warn. When Winsock 1.1 is already in (<windows.h> came
// first), it stays: both declare the same types and functions for what the layer uses.
#ifndef _WINSOCKAPI_
#include <winsock2.h>
#endif
#include <windows.h>

// Platform.dll exports its classes and functions; every other module imports them.
#ifdef PLATFORM_BUILD
#define AFX_PLATFORM_API __declspec(dllexport)
#else
#define AFX_PLATFORM_API __declspec(dllimport)
#endif

// Extension libraries mark their exported classes with AFX_EXT_CLASS and define _AFXEXT
// while they build themselves.
#ifdef _AFXEXT
#define AFX_EXT_CLASS __declspec(dllexport)
#else
#define AFX_EXT_CLASS __declspec(dllimport)
#endif
#define AFX_EXT_API AFX_EXT_CLASS
#define AFX_EXT_DATA AFX_EXT_CLASS
#define AFX_EXT_DATADEF

#define AFXAPI __stdcall
#define AFX_CDECL __cdecl
#define AFX_MSG_CALL
#define afx_msg
#define AFX_INLINE inline
#define AFX_STATIC static
#define AFX_STATIC_DATA static
#define AFX_DATA
#define AFX_DATADEF
#define AFX_COMDAT
#define AFX_NOVTABLE
#define AFX_IMPORT_DATA

#ifndef PASCAL
#define PASCAL __stdcall
#endif

// Assertions. Checked when the build defines MOLVANE_ASSERTS (the default build does, so the
// libraries' own checks run in the tests); a failed one goes to the assertion handler, which
// tests turn into a test failure. Without it they vanish as in a release build. VERIFY always
// evaluates its argument; TRACE does not evaluate its arguments at all.
typedef BOOL(AFXAPI* AFX_ASSERT_HANDLER)(LPCSTR lpszFileName, int nLine);
// Reports a failed assertion to the handler; TRUE asks the caller to break into a debugger.
AFX_PLATFORM_API BOOL AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine);
// Replaces the handler (null: the default, which notes the failure for a debugger and goes on);
// returns the previous one.
AFX_PLATFORM_API AFX_ASSERT_HANDLER AFXAPI AfxSetAssertHandler(AFX_ASSERT_HANDLER pfnHandler);

#ifdef MOLVANE_ASSERTS
#define ASSERT(f) ((void)((f) || (AfxAssertFailedLine(__FILE__, __LINE__) && (::DebugBreak(), 0))))
#define VERIFY(f) ASSERT(f)
#define ASSERT_VALID(pOb) ((pOb) != NULL ? (pOb)->AssertValid() : (void)AfxAssertFailedLine(__FILE__, __LINE__))
#define ASSERT_KINDOF(class_name, object) ASSERT((object)->IsKindOf(RUNTIME_CLASS(class_name)))
#define ASSERT_POINTER(p, type) ASSERT((p) != NULL)
#else
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#define ASSERT_VALID(pOb) ((void)0)
#define ASSERT_KINDOF(class_name, object) ((void)0)
#define ASSERT_POINTER(p, type) ((void)0)
#endif
#define ASSERT_NULL_OR_POINTER(p, type) ((void)0)
#define DEBUG_ONLY(f) ((void)0)
#define TRACE(...) ((void)0)
#define TRACE0(sz) ((void)0)
#define TRACE1(sz, p1) ((void)0)
#define TRACE2(sz, p1, p2) ((void)0)
#define TRACE3(sz, p1, p2, p3) ((void)0)
#define ATLTRACE(...) ((void)0)
#define ATLASSERT(f) ASSERT(f)
#define UNUSED(x)
#define UNUSED_ALWAYS(x) ((void)(x))
#define DEBUG_NEW new
#define AfxDebugBreak() ((void)0)

#ifndef _countof
#define _countof(a) (sizeof(a) / sizeof((a)[0]))
#endif

// A CString handed to "..." would arrive as a hidden reference with GCC, not as the text pointer
// the callee reads; make every such call a compile error instead of a silent misprint.
// CString::Format and AppendFormat accept CString arguments directly.
#pragma GCC diagnostic error "-Wconditionally-supported"
