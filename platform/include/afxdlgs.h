// Dialog classes of the window layer (CDialog lives in afxwin.h), the common dialogs of
// printing (page setup and print) and the file-open and file-save dialog.
#pragma once

#include "afxwin.h"

#include <commdlg.h>

/////////////////////////////////////////////////////////////////////////////
// CCommonDialog: a system dialog run by its own function, owned as CDialog's modal run is.

class AFX_PLATFORM_API CCommonDialog : public CDialog
{
    DECLARE_DYNAMIC(CCommonDialog)
public:
    explicit CCommonDialog(CWnd* pParentWnd);
};

/////////////////////////////////////////////////////////////////////////////
// CPageSetupDialog: PageSetupDlg over m_psd. The dialog owns m_psd.hDevMode and
// m_psd.hDevNames (freed on destruction); a caller that lends them out takes back whatever
// handles come back.

class AFX_PLATFORM_API CPageSetupDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CPageSetupDialog)
public:
    explicit CPageSetupDialog(DWORD dwFlags = PSD_MARGINS | PSD_INWININIINTLMEASURE, CWnd* pParentWnd = NULL);
    virtual ~CPageSetupDialog();

    // IDOK or IDCANCEL; a failure (no printer) is IDCANCEL, CommDlgExtendedError tells why.
    virtual INT_PTR DoModal();
    // The paper in the dialog's units (thousandths of an inch or hundredths of a millimetre).
    CSize GetPaperSize() const { return CSize(m_psd.ptPaperSize.x, m_psd.ptPaperSize.y); }

    PAGESETUPDLG m_psd;
};

/////////////////////////////////////////////////////////////////////////////
// CPrintDialog: PrintDlg over m_pd. Unless set up only, the dialog asks for the printer's
// device context, which belongs to the caller from then on (DeleteDC). m_pd.hDevMode and
// m_pd.hDevNames are the caller's, as given.

class AFX_PLATFORM_API CPrintDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CPrintDialog)
public:
    explicit CPrintDialog(BOOL bPrintSetupOnly,
                          DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE |
                                          PD_NOSELECTION,
                          CWnd* pParentWnd = NULL);

    // IDOK or IDCANCEL; a failure (no default printer) is IDCANCEL, CommDlgExtendedError tells why.
    virtual INT_PTR DoModal();
    // The default printer without showing anything; FALSE when there is none.
    BOOL GetDefaults();
    HDC GetPrinterDC() const { return m_pd.hDC; }

    PRINTDLG m_pd;
};

/////////////////////////////////////////////////////////////////////////////
// CFileDialog: GetOpenFileName or GetSaveFileName over m_ofn. The filter is the framework's
// form, pairs of description and pattern each ended by '|' ("Text (*.txt)|*.txt|"), kept by
// the dialog in the system's form (every '|' a NUL, the list ended by two).

class AFX_PLATFORM_API CFileDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CFileDialog)
public:
    explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = NULL, LPCTSTR lpszFileName = NULL,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = NULL,
                         CWnd* pParentWnd = NULL);

    // IDOK or IDCANCEL; a failure (a name too long for the buffer) is IDCANCEL,
    // CommDlgExtendedError tells why.
    virtual INT_PTR DoModal();
    // The chosen file's full path.
    CString GetPathName() const { return m_ofn.lpstrFile; }

    OPENFILENAMEA m_ofn;

protected:
    BOOL m_bOpenFileDialog;
    CString m_strDefExt;
    CString m_strFilter; // the system's form, NULs inside
    char m_szFileName[_MAX_PATH];
    char m_szFileTitle[_MAX_PATH];
};
