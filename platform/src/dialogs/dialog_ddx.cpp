// Dialog data exchange: CDataExchange, CWnd::UpdateData and the DDX_/DDV_ routines.
#include "afxwin.h"

#include <errno.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>

/////////////////////////////////////////////////////////////////////////////
// CDataExchange

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_idLastControl(0), m_bEditLastControl(FALSE)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    m_idLastControl = (UINT)nIDC;
    m_bEditLastControl = FALSE;
    return ::GetDlgItem(m_pDlgWnd->GetSafeHwnd(), nIDC);
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWnd = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWnd;
}

void CDataExchange::Fail()
{
    if (!m_bSaveAndValidate)
        AfxThrowUserException();
    // Put the focus on the control that failed before giving up.
    HWND hCtrl = ::GetDlgItem(m_pDlgWnd->GetSafeHwnd(), (int)m_idLastControl);
    if (hCtrl != NULL) {
        ::SetFocus(hCtrl);
        if (m_bEditLastControl)
            ::SendMessageA(hCtrl, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

/////////////////////////////////////////////////////////////////////////////
// CWnd

void CWnd::DoDataExchange(CDataExchange* pDX)
{
    (void)pDX;
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (CUserException* e) {
        e->Delete(); // the exchange already told the user and focused the control
        return FALSE;
    }
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Routines

namespace {

CString ControlText(HWND hCtrl)
{
    CString text;
    int nLen = ::GetWindowTextLengthA(hCtrl);
    if (nLen > 0) {
        int nGot = ::GetWindowTextA(hCtrl, text.GetBuffer(nLen), nLen + 1);
        text.ReleaseBuffer(nGot < 0 ? 0 : nGot);
    }
    return text;
}

// Tells the user what the field wants and fails the exchange on the field.
[[noreturn]] void FailWith(CDataExchange* pDX, LPCTSTR lpszPrompt)
{
    AfxMessageBox(lpszPrompt, MB_ICONEXCLAMATION);
    pDX->Fail();
    AfxThrowUserException(); // Fail throws; this only satisfies the compiler
}

// Whole text (blanks around allowed) as a signed or unsigned integer within [lo, hi].
template <class T>
bool ParseInteger(const CString& text, T& value, long long lo, long long hi)
{
    const char* p = text.GetString();
    char* end = NULL;
    errno = 0;
    long long n = strtoll(p, &end, 10);
    if (end == p || errno != 0)
        return false;
    while (*end == ' ' || *end == '\t')
        ++end;
    if (*end != '\0' || n < lo || n > hi)
        return false;
    value = (T)n;
    return true;
}

template <class T>
void ExchangeInteger(CDataExchange* pDX, int nIDC, T& value, long long lo, long long hi, bool bSigned)
{
    HWND hCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        if (!ParseInteger(ControlText(hCtrl), value, lo, hi))
            FailWith(pDX, bSigned ? "Please enter an integer." : "Please enter a positive integer.");
    } else {
        CString text;
        if (bSigned)
            text.Format("%lld", (long long)value);
        else
            text.Format("%llu", (unsigned long long)value);
        ::SetWindowTextA(hCtrl, text);
    }
}

template <class T>
void ExchangeFloat(CDataExchange* pDX, int nIDC, T& value, int nDigits)
{
    HWND hCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        CString text = ControlText(hCtrl);
        const char* p = text.GetString();
        char* end = NULL;
        double d = strtod(p, &end);
        while (end != NULL && (*end == ' ' || *end == '\t'))
            ++end;
        if (end == p || end == NULL || *end != '\0')
            FailWith(pDX, "Please enter a number.");
        value = (T)d;
    } else {
        CString text;
        text.Format("%.*g", nDigits, (double)value);
        ::SetWindowTextA(hCtrl, text);
    }
}

} // namespace

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = ControlText(hCtrl);
    else
        ::SetWindowTextA(hCtrl, value);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, LPTSTR value, int nMaxLen)
{
    HWND hCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        ::GetWindowTextA(hCtrl, value, nMaxLen);
    else
        ::SetWindowTextA(hCtrl, value);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value) { ExchangeInteger(pDX, nIDC, value, INT_MIN, INT_MAX, true); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) { ExchangeInteger(pDX, nIDC, value, 0, UINT_MAX, false); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value) { ExchangeInteger(pDX, nIDC, value, LONG_MIN, LONG_MAX, true); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value) { ExchangeInteger(pDX, nIDC, value, 0, ULONG_MAX, false); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, short& value) { ExchangeInteger(pDX, nIDC, value, SHRT_MIN, SHRT_MAX, true); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value) { ExchangeInteger(pDX, nIDC, value, 0, 255, false); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value) { ExchangeFloat(pDX, nIDC, value, 15); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, float& value) { ExchangeFloat(pDX, nIDC, value, 6); }

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = (int)::SendMessageA(hCtrl, BM_GETCHECK, 0, 0);
    else
        ::SendMessageA(hCtrl, BM_SETCHECK, (WPARAM)(value < 0 || value > 2 ? 0 : value), 0);
}

void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    // The group runs from nIDC to the next control with WS_GROUP.
    int iButton = 0;
    do {
        if (::SendMessageA(hCtrl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
            if (pDX->m_bSaveAndValidate) {
                if (::SendMessageA(hCtrl, BM_GETCHECK, 0, 0) == BST_CHECKED)
                    value = iButton;
            } else {
                ::SendMessageA(hCtrl, BM_SETCHECK, iButton == value ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            iButton++;
        }
        hCtrl = ::GetWindow(hCtrl, GW_HWNDNEXT);
    } while (hCtrl != NULL && !(::GetWindowLongA(hCtrl, GWL_STYLE) & WS_GROUP));
}

void AFXAPI DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = (int)::SendMessageA(hCtrl, LB_GETCURSEL, 0, 0);
    else
        ::SendMessageA(hCtrl, LB_SETCURSEL, (WPARAM)index, 0);
}

void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = (int)::SendMessageA(hCtrl, CB_GETCURSEL, 0, 0);
    else
        ::SendMessageA(hCtrl, CB_SETCURSEL, (WPARAM)index, 0);
}

void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = ControlText(hCtrl);
        return;
    }
    // Select the item that starts with the value, else show the value as typed.
    if (::SendMessageA(hCtrl, CB_SELECTSTRING, (WPARAM)-1, (LPARAM)value.GetString()) == CB_ERR)
        ::SetWindowTextA(hCtrl, value);
}

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd != NULL)
        return;
    HWND hCtrl = pDX->PrepareCtrl(nIDC);
    if (hCtrl == NULL || !rControl.SubclassWindow(hCtrl))
        AfxThrowNotSupportedException(); // no such control, or it belongs to another object
}

void AFXAPI DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (pDX->m_bSaveAndValidate) {
        if (value.GetLength() > nChars) {
            CString prompt;
            prompt.Format("Enter no more than %d characters.", nChars);
            FailWith(pDX, prompt);
        }
    } else if (pDX->m_idLastControl != 0 && pDX->m_bEditLastControl) {
        ::SendDlgItemMessageA(pDX->m_pDlgWnd->GetSafeHwnd(), (int)pDX->m_idLastControl, EM_LIMITTEXT, (WPARAM)nChars, 0);
    }
}

namespace {

template <class T>
void CheckRange(CDataExchange* pDX, T value, T minVal, T maxVal, const char* format)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString prompt;
    prompt.Format(format, minVal, maxVal);
    FailWith(pDX, prompt);
}

} // namespace

void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    CheckRange(pDX, value, minVal, maxVal, "Enter an integer between %d and %d.");
}

void AFXAPI DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal)
{
    CheckRange(pDX, value, minVal, maxVal, "Enter an integer between %u and %u.");
}

void AFXAPI DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal)
{
    CheckRange(pDX, value, minVal, maxVal, "Enter an integer between %ld and %ld.");
}

void AFXAPI DDV_MinMaxDouble(CDataExchange* pDX, const double& value, double minVal, double maxVal)
{
    CheckRange(pDX, value, minVal, maxVal, "Enter a number between %g and %g.");
}
