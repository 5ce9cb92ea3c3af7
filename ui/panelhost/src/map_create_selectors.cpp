// Creators of the view's code selectors ("CodeCombo", "ELWCodeCombo") and account control
// ("Account"); each created one becomes the view's, so the last of a kind wins.
#include "AccountCtrl.h"
#include "CdeCtrl.h"
#include "ELWCodeCtrl.h"
#include "MapView.h"
#include "map_creators.h"

// The creators' way into the view's selector members.
struct MapViewCreators
{
    static void SetCodeCtrl(CMapView* view, CCdeCtrl* ctrl) { view->m_pCodeCtrl = ctrl; }
    static void SetELWCodeCtrl(CMapView* view, CELWCodeCtrl* ctrl) { view->m_pELWCodeCtrl = ctrl; }
    static void SetAccountCtrl(CMapView* view, CAccountCtrl* ctrl) { view->m_pAccountCtrl = ctrl; }
};

namespace {

const DWORD kVisibleChild = WS_CHILD | WS_VISIBLE;

} // namespace

CWnd* CreateCodeCombo(MapElement& element)
{
    CCdeCtrl* code = new CCdeCtrl;
    code = Created(code, code->Create(kVisibleChild, element.rect, element.parent, element.id));
    if (code != NULL)
        MapViewCreators::SetCodeCtrl(element.view, code);
    return code;
}

CWnd* CreateELWCodeCombo(MapElement& element)
{
    CELWCodeCtrl* code = new CELWCodeCtrl;
    code = Created(code, code->Create(kVisibleChild, element.rect, element.parent, element.id));
    if (code != NULL)
        MapViewCreators::SetELWCodeCtrl(element.view, code);
    return code;
}

CWnd* CreateAccount(MapElement& element)
{
    // "all" in any case: the selector of every kind of account.
    const int all = element.Attr("account").CompareNoCase("all") == 0 ? 1 : 0;
    CAccountCtrl* account = new CAccountCtrl(all);
    account = Created(account, account->Create(kVisibleChild, element.rect, element.parent, element.id));
    if (account == NULL)
        return NULL;
    if (element.Attr("pwd").CompareNoCase("true") == 0)
        account->EnablePassword(1);
    MapViewCreators::SetAccountCtrl(element.view, account);
    return account;
}
