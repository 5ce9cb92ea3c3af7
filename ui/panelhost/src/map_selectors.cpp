// The view's code selector and account control, as the view asks them.
#include "map_selectors.h"

#include "AccountCtrl.h"
#include "CdeCtrl.h"

namespace mapselectors {

CString SelectedCode(CCdeCtrl* ctrl)
{
    return ctrl != NULL ? ctrl->GetSelectCode().strCode : CString();
}

void SelectCode(CCdeCtrl* ctrl, const char* code, int notify)
{
    if (ctrl != NULL)
        ctrl->SetCodeInfoByCode(code, notify);
}

void SelectRecentCode(CCdeCtrl* ctrl, _API_CODE_INFO* recent)
{
    if (ctrl == NULL || recent == NULL)
        return;
    // The recent code is itself a master record, and taking it replaces it: keep the code first.
    const CString code = recent->strCode;
    ctrl->SetCodeInfoByCode(code, 1);
}

CString SelectedAccount(CAccountCtrl* ctrl)
{
    if (ctrl == NULL)
        return CString();
    tagAccount account;
    ctrl->GetSelectAccount(&account, 0);
    return account.strAccount;
}

void SelectAccount(CAccountCtrl* ctrl, const char* account)
{
    if (ctrl != NULL)
        ctrl->SelectAccount(account != NULL ? account : "");
}

} // namespace mapselectors
