// The common dialogs: page setup, print and file open or save, run modally over the system's
// dialogs.
#include "afxdlgs.h"
#include "afxmodal_.h"

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)
IMPLEMENT_DYNAMIC(CPageSetupDialog, CCommonDialog)
IMPLEMENT_DYNAMIC(CPrintDialog, CCommonDialog)
IMPLEMENT_DYNAMIC(CFileDialog, CCommonDialog)

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
    CPlatformModalScope modal; // the system's dialog runs a modal loop of its own
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
    CPlatformModalScope modal; // the system's dialog runs a modal loop of its own
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

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd), m_bOpenFileDialog(bOpenFileDialog)
{
    ::ZeroMemory(&m_ofn, sizeof(m_ofn));
    ::ZeroMemory(m_szFileName, sizeof(m_szFileName));
    ::ZeroMemory(m_szFileTitle, sizeof(m_szFileTitle));
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = _countof(m_szFileName);
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = _countof(m_szFileTitle);
    m_ofn.Flags = dwFlags | OFN_EXPLORER;
    if (lpszDefExt != NULL) {
        m_strDefExt = lpszDefExt;
        m_ofn.lpstrDefExt = m_strDefExt;
    }
    if (lpszFileName != NULL)
        lstrcpynA(m_szFileName, lpszFileName, _countof(m_szFileName));
    if (lpszFilter != NULL && *lpszFilter != '\0') {
        // Room for the terminating pair even when the last '|' is missing.
        const int length = lstrlenA(lpszFilter);
        LPSTR buffer = m_strFilter.GetBufferSetLength(length + 2);
        memcpy(buffer, lpszFilter, length);
        buffer[length] = '\0';
        buffer[length + 1] = '\0';
        // Double-byte characters may hold the byte of '|' as their trail byte.
        for (int i = 0; i < length; ++i) {
            if (::IsDBCSLeadByte((BYTE)buffer[i]) && i + 1 < length)
                ++i;
            else if (buffer[i] == '|')
                buffer[i] = '\0';
        }
        m_ofn.lpstrFilter = buffer;
    }
}

INT_PTR CFileDialog::DoModal()
{
    CPlatformModalScope modal; // the system's dialog runs a modal loop of its own
    m_ofn.hwndOwner = PreModal();
    const BOOL bOK = m_bOpenFileDialog ? ::GetOpenFileNameA(&m_ofn) : ::GetSaveFileNameA(&m_ofn);
    PostModal();
    return bOK ? IDOK : IDCANCEL;
}
