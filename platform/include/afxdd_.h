// Dialog data exchange: DoDataExchange moves values between controls and members with these
// routines (UpdateData(FALSE) loads the controls, UpdateData(TRUE) reads and validates them).
// A value that does not parse or validate tells the user, focuses the control and fails the
// exchange. Included by afxwin.h.
#pragma once

#include "afxdlg_.h"

AFX_PLATFORM_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
AFX_PLATFORM_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, LPTSTR value, int nMaxLen);
AFX_PLATFORM_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value);
AFX_PLATFORM_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
AFX_PLATFORM_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value);
AFX_PLATFORM_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value);
AFX_PLATFORM_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, short& value);
AFX_PLATFORM_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value);
AFX_PLATFORM_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value);
AFX_PLATFORM_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, float& value);
// Check boxes: 0 unchecked, 1 checked, 2 indeterminate.
AFX_PLATFORM_API void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// A group of radio buttons starting at nIDC: index of the checked one, -1 for none.
AFX_PLATFORM_API void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
// Selected index of a list box or combo box (-1 for none).
AFX_PLATFORM_API void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);
AFX_PLATFORM_API void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
// Text of a combo box's edit (or its selection).
AFX_PLATFORM_API void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
// Subclasses the dialog's control with rControl the first time.
AFX_PLATFORM_API void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

// Validation after the matching DDX_ call.
AFX_PLATFORM_API void AFXAPI DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);
AFX_PLATFORM_API void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
AFX_PLATFORM_API void AFXAPI DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal);
AFX_PLATFORM_API void AFXAPI DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal);
AFX_PLATFORM_API void AFXAPI DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal, double maxVal);
