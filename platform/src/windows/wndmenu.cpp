// CMenu: menu handle wrapper with permanent (attached) and temporary objects.
#include "afxwin.h"
#include "wndimpl_.h"

IMPLEMENT_DYNCREATE(CMenu, CObject)

namespace {

AfxHandleMap_<HMENU, CMenu>& Map()
{
    static AfxHandleMap_<HMENU, CMenu> map(
        [](HMENU h) {
            CMenu* p = new CMenu;
            p->m_hMenu = h;
            return p;
        },
        [](CMenu*, HMENU) { return true; },
        [](CMenu* p) {
            p->m_hMenu = NULL;
            delete p;
        });
    return map;
}

} // namespace

void AfxDeleteTempMenus_(AfxTempWndMap_* map)
{
    Map().DeleteTemporaries(map->menus);
}

CMenu::CMenu() : m_hMenu(NULL)
{
}

CMenu::~CMenu()
{
    DestroyMenu();
}

CMenu* PASCAL CMenu::FromHandlePermanent(HMENU hMenu)
{
    return Map().FindPermanent(hMenu);
}

CMenu* PASCAL CMenu::FromHandle(HMENU hMenu)
{
    return hMenu == NULL ? NULL : Map().FromHandle(hMenu, AfxGetThreadState()->m_pTempWnds->menus);
}

void PASCAL CMenu::DeleteTempMap()
{
    AfxDeleteTempMenus_(AfxGetThreadState()->m_pTempWnds);
}

BOOL CMenu::Attach(HMENU hMenu)
{
    if (hMenu == NULL)
        return FALSE;
    Map().SetPermanent(hMenu, this);
    m_hMenu = hMenu;
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU hMenu = m_hMenu;
    if (hMenu != NULL)
        Map().RemovePermanent(hMenu, this);
    m_hMenu = NULL;
    return hMenu;
}

BOOL CMenu::CreateMenu() { return Attach(::CreateMenu()); }
BOOL CMenu::CreatePopupMenu() { return Attach(::CreatePopupMenu()); }

BOOL CMenu::LoadMenu(LPCTSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, (LPCSTR)RT_MENU);
    return Attach(::LoadMenuA(hInst, lpszResourceName));
}

BOOL CMenu::LoadMenu(UINT nIDResource) { return LoadMenu(MAKEINTRESOURCEA(nIDResource)); }
BOOL CMenu::LoadMenuIndirect(const void* lpMenuTemplate) { return Attach(::LoadMenuIndirectA(lpMenuTemplate)); }

BOOL CMenu::DestroyMenu()
{
    if (m_hMenu == NULL)
        return FALSE;
    return ::DestroyMenu(Detach());
}

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags) { return ::DeleteMenu(m_hMenu, nPosition, nFlags); }
BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}
BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp)
{
    return ::AppendMenuA(m_hMenu, nFlags | MF_BITMAP, nIDNewItem, (LPCSTR)pBmp->GetSafeHandle());
}
UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck) { return (UINT)::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck); }
UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable) { return ::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable); }
BOOL CMenu::CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags)
{
    return ::CheckMenuRadioItem(m_hMenu, nIDFirst, nIDLast, nIDItem, nFlags);
}
BOOL CMenu::SetDefaultItem(UINT uItem, BOOL fByPos) { return ::SetMenuDefaultItem(m_hMenu, uItem, fByPos); }
UINT CMenu::GetDefaultItem(UINT gmdiFlags, BOOL fByPos) { return ::GetMenuDefaultItem(m_hMenu, fByPos, gmdiFlags); }
UINT CMenu::GetMenuItemCount() const { return (UINT)::GetMenuItemCount(m_hMenu); }
UINT CMenu::GetMenuItemID(int nPos) const { return ::GetMenuItemID(m_hMenu, nPos); }
UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const { return ::GetMenuState(m_hMenu, nID, nFlags); }
int CMenu::GetMenuString(UINT nIDItem, LPTSTR lpString, int nMaxCount, UINT nFlags) const
{
    return ::GetMenuStringA(m_hMenu, nIDItem, lpString, nMaxCount, nFlags);
}
int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    int nLen = ::GetMenuStringA(m_hMenu, nIDItem, NULL, 0, nFlags);
    if (nLen <= 0) {
        rString.Empty();
        return 0;
    }
    int nGot = ::GetMenuStringA(m_hMenu, nIDItem, rString.GetBuffer(nLen), nLen + 1, nFlags);
    rString.ReleaseBuffer(nGot < 0 ? 0 : nGot);
    return rString.GetLength();
}
BOOL CMenu::GetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos)
{
    return ::GetMenuItemInfoA(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}
BOOL CMenu::SetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos)
{
    return ::SetMenuItemInfoA(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}
CMenu* CMenu::GetSubMenu(int nPos) const { return FromHandle(::GetSubMenu(m_hMenu, nPos)); }
BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    return ::InsertMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}
BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    return ::ModifyMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}
BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags) { return ::RemoveMenu(m_hMenu, nPosition, nFlags); }
BOOL CMenu::SetMenuItemBitmaps(UINT nPosition, UINT nFlags, const CBitmap* pBmpUnchecked, const CBitmap* pBmpChecked)
{
    return ::SetMenuItemBitmaps(m_hMenu, nPosition, nFlags, (HBITMAP)pBmpUnchecked->GetSafeHandle(),
                                (HBITMAP)pBmpChecked->GetSafeHandle());
}
BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd->GetSafeHwnd(), lpRect);
}
BOOL CMenu::TrackPopupMenuEx(UINT fuFlags, int x, int y, CWnd* pWnd, LPTPMPARAMS lptpm)
{
    return ::TrackPopupMenuEx(m_hMenu, fuFlags, x, y, pWnd->GetSafeHwnd(), lptpm);
}
void CMenu::DrawItem(LPDRAWITEMSTRUCT) {}
void CMenu::MeasureItem(LPMEASUREITEMSTRUCT) {}
