// The printing common dialogs: page setup and print, run modally over the system's dialogs.
#include "afxdlgs.h"

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)
IMPLEMENT_DYNAMIC(CPageSetupDialog, CCommonDialog)
IMPLEMENT_DYNAMIC(CPrintDialog, CCommonDialog)

CCommonDialog::CCommonDialog(CWnd* pParentWnd)
{
    m_pParentWnd = pParentWnd;
}

CPageSetupDialog::CPageSetupDialog(DWORD dwFlags, CWnd* pParentWnd) : CCommonDialog(pParentWnd)
{
    ::ZeroMemory(&m_psd, sizeof(m_psd));
    m_psd.lStructSize = sizeof(m_psd);
    m_psd.Flags = dwFlags;
}

CPageSetupDialog::~CPageSetupDialog()
{
    if (m_psd.hDevMode != NULL)
        ::GlobalFree(m_psd.hDevMode);
    if (m_psd.hDevNames != NULL)
        ::GlobalFree(m_psd.hDevNames);
}

INT_PTR CPageSetupDialog::DoModal()
{
    m_psd.hwndOwner = PreModal();
    const BOOL bOK = ::PageSetupDlg(&m_psd);
    PostModal();
    return bOK ? IDOK : IDCANCEL;
}

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd) : CCommonDialog(pParentWnd)
{
    ::ZeroMemory(&m_pd, sizeof(m_pd));
    m_pd.lStructSize = sizeof(m_pd);
    m_pd.Flags = dwFlags | (bPrintSetupOnly ? PD_PRINTSETUP : PD_RETURNDC);
    m_pd.nCopies = 1;
}

INT_PTR CPrintDialog::DoModal()
{
    m_pd.hwndOwner = PreModal();
    const BOOL bOK = ::PrintDlg(&m_pd);
    PostModal();
    return bOK ? IDOK : IDCANCEL;
}

BOOL CPrintDialog::GetDefaults()
{
    const DWORD dwFlags = m_pd.Flags;
    m_pd.Flags |= PD_RETURNDEFAULT;
    m_pd.hwndOwner = NULL;
    const BOOL bOK = ::PrintDlg(&m_pd);
    m_pd.Flags = dwFlags;
    return bOK;
}
