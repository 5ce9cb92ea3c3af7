// The view's code selector and account control. This build has no "CodeCombo",
// "ELWCodeCombo" or "Account" element kind, so a view never holds either control and these
// are never reached with one.
#include "map_selectors.h"

namespace mapselectors {

CString SelectedCode(CCdeCtrl* ctrl)
{
    (void)ctrl;
    return CString();
}

void SelectCode(CCdeCtrl* ctrl, const char* code, int notify)
{
    (void)ctrl;
    (void)code;
    (void)notify;
}

void SelectRecentCode(CCdeCtrl* ctrl, _API_CODE_INFO* recent)
{
    (void)ctrl;
    (void)recent;
}

CString SelectedAccount(CAccountCtrl* ctrl)
{
    (void)ctrl;
    return CString();
}

void SelectAccount(CAccountCtrl* ctrl, const char* account)
{
    (void)ctrl;
    (void)account;
}

} // namespace mapselectors
