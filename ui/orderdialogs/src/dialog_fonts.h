// The bold fonts of the order dialogs, made from the session's default fonts.
#pragma once

#include <afxwin.h>

// A bold copy of the default font (the bold one when fromBold, else the normal one), with the
// given height when it is not 0; "굴림" when the session has no default font yet.
void CreateBoldDefaultFont(CFont& font, BOOL fromBold, int height);
