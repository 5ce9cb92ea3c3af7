// CDialogEx: the extended dialog class, here a CDialog with the same construction.
#pragma once

#include "afxwin.h"

class AFX_PLATFORM_API CDialogEx : public CDialog
{
    DECLARE_DYNAMIC(CDialogEx)
public:
    CDialogEx() {}
    explicit CDialogEx(UINT nIDTemplate, CWnd* pParent = NULL) : CDialog(nIDTemplate, pParent) {}
    explicit CDialogEx(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL) : CDialog(lpszTemplateName, pParentWnd) {}
    virtual ~CDialogEx() {}

protected:
    DECLARE_MESSAGE_MAP()
};
