// The bold fonts of the order dialogs.
#include "dialog_fonts.h"

#include "SharedData.h"

void CreateBoldDefaultFont(CFont& font, BOOL fromBold, int height)
{
    LOGFONT lf = {};
    CFont* base = CSharedData::GetDefaultFont(fromBold ? 0 : 1);
    if (base != NULL && base->GetSafeHandle() != NULL)
        base->GetLogFont(&lf);
    else
        lstrcpynA(lf.lfFaceName, "굴림", LF_FACESIZE);
    if (height != 0)
        lf.lfHeight = height;
    lf.lfWeight = FW_BOLD;
    font.CreateFontIndirect(&lf);
}
