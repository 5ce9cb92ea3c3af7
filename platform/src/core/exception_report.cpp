// CException::ReportError: the error text in the layer's message box.
#include "afxwin.h"

int CException::ReportError(UINT nType, UINT nMessageID)
{
    char text[512];
    CString message;
    if (GetErrorMessage(text, sizeof(text)))
        message = text;
    else if (nMessageID == 0 || !message.LoadString(nMessageID))
        message = "An unsupported operation was attempted.";
    return AfxMessageBox(message, nType);
}
