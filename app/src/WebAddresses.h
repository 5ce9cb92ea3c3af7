// The web pages the login dialog opens. Their addresses belong to the deployment: User\system.ini
// [WEB] SITE (the system's web site, whose pages "/27", "/25" and "/19" three buttons open),
// EDUCATION and EXCHANGE; a button whose address is not set opens nothing.
#pragma once

#include <afx.h>

// The address of a login dialog web button (IDC_LOGIN_WEB_*); empty when not configured.
CString LoginWebAddress(UINT nButtonID);
// The system's web site ([WEB] SITE), opened by the main menu; empty when not configured.
CString SystemWebAddress();
// Opens the address with the shell's "open" verb; nothing for an empty address.
void OpenWebAddress(const CString& address);
