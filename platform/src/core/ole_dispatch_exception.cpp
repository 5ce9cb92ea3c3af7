// COleDispatchException and its throw helper.
#include "afxdisp.h"

IMPLEMENT_DYNAMIC(COleDispatchException, CException)

COleDispatchException::COleDispatchException(LPCSTR lpszDescription, UINT nHelpID, WORD wCode)
    : m_wCode(wCode), m_scError(0), m_strDescription(lpszDescription), m_dwHelpContext(nHelpID)
{
}

COleDispatchException::~COleDispatchException() {}

BOOL COleDispatchException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext != NULL)
        *pnHelpContext = m_dwHelpContext;
    if (lpszError == NULL || nMaxError == 0)
        return FALSE;
    lstrcpynA(lpszError, m_strDescription, int(nMaxError));
    return !m_strDescription.IsEmpty();
}

void AFXAPI AfxThrowOleDispatchException(WORD wCode, LPCSTR lpszDescription, UINT nHelpID)
{
    throw new COleDispatchException(lpszDescription, nHelpID, wCode);
}
