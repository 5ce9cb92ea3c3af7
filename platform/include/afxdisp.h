// OLE automation support of the framework layer: the dispatch exception a method raises to its
// automation caller.
#pragma once

#include "afx.h"

#include <oleauto.h>

class AFX_PLATFORM_API COleDispatchException : public CException
{
    DECLARE_DYNAMIC(COleDispatchException)
public:
    COleDispatchException(LPCSTR lpszDescription, UINT nHelpID, WORD wCode);
    virtual ~COleDispatchException();
    // The description; FALSE (and an empty text) when there is none.
    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const;

    WORD m_wCode;
    SCODE m_scError;
    CString m_strSource;
    CString m_strDescription;
    CString m_strHelpFile;
    DWORD m_dwHelpContext;
};

[[noreturn]] AFX_PLATFORM_API void AFXAPI AfxThrowOleDispatchException(WORD wCode, LPCSTR lpszDescription,
                                                                     UINT nHelpID = 0);
