// The main frame's screens: opening them through their plug-ins, and the saved screen sets.
#include "MainFrame.h"

#include "AppMessages.h"
#include "BaseView.h"
#include "InstallFolders.h"
#include "ScreenPlugin.h"
#include "NumberFormat.h"
#include "Utils.h"
#include "XMLMenu.h"

namespace {

CString Attribute(CXMLAttributeMap& attributes, LPCSTR name)
{
    CString value;
    attributes.Lookup(name, value);
    return value;
}

} // namespace

HMODULE CMainFrame::LoadScreenLibrary(const CString& path)
{
    HMODULE module = NULL;
    if (m_mapLibraries.Lookup(path, module))
        return module;
    // A library that failed to load is remembered as such and not tried again.
    module = ::LoadLibraryA(path);
    m_mapLibraries.SetAt(path, module);
    return module;
}

CBaseView* CMainFrame::CreateScreenView(CXMLAttributeMap& attributes, int left, int top, int right, int bottom)
{
    const CString path = CString(GetBinDir()) + Attribute(attributes, "dll");
    const CString number = Attribute(attributes, "id");
    HMODULE module = LoadScreenLibrary(path);
    if (module == NULL)
        return NULL;
    PFN_CREATE_SCREEN create = reinterpret_cast<PFN_CREATE_SCREEN>(::GetProcAddress(module, CREATE_SCREEN_EXPORT));
    if (create == NULL)
        return NULL;
    CBaseView* view = create(this, number);
    if (view == NULL)
        return NULL;

    CPoint place(left, top);
    if (left == 0 && top == 0 && right == 0 && bottom == 0)
        place = m_ScreenList.GetCascade();
    view->SetWindowPos(&wndTop, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    view->SetScreenID(number);
    CString title;
    title.Format("[%s] %s", (LPCSTR)number, (LPCSTR)Attribute(attributes, "text"));
    view->SetWindowText(title);
    m_ScreenList.Add(view);
    view->InitWindow();
    view->ShowWindow(SW_SHOW);
    return view;
}

CWnd* CMainFrame::OpenScreenByNumber(UINT number, const RECT* place)
{
    number &= 0xFFFF;
    if (number >= SCREEN_SET_FIRST && number <= SCREEN_SET_END) {
        RestoreScreenSet(number);
        return NULL;
    }
    CXMLAttributeMap attributes;
    if (m_pMenu == NULL || !m_pMenu->GetAttribute(number, attributes))
        return NULL;
    char sg[32] = {0};
    lstrcpynA(sg, Attribute(attributes, "sg"), sizeof sg);
    const UINT flags = (UINT)HexStringToInteger(sg);
    CString url;
    if (attributes.Lookup("url", url)) {
        ShellOpen(url);
        return this;
    }
    CBaseView* view = NULL;
    if (place != NULL) {
        view = CreateScreenView(attributes, place->left, place->top, place->right, place->bottom);
    } else {
        CString text;
        text.Format("%d", number);
        CBaseView* open = m_ScreenList.FindByNumber(text);
        if (open != NULL) {
            open->SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
            return NULL;
        }
        view = CreateScreenView(attributes, 0, 0, 0, 0);
    }
    if (view != NULL)
        view->SetGroupID(flags);
    return view;
}

HMENU CMainFrame::CreateScreenSetsPopup() const
{
    HMENU popup = ::CreatePopupMenu();
    for (int i = m_ScreenSets.GetCount() - 1; i >= 0; --i) {
        CSerializeItems* set = m_ScreenSets.GetAt(i);
        CString text;
        text.Format("[%s] %s", (LPCSTR)set->m_strNumber, (LPCSTR)set->m_strName);
        ::AppendMenuA(popup, MF_STRING, (UINT_PTR)atoi(set->m_strNumber), text);
    }
    return popup;
}

void CMainFrame::BuildScreenSetsMenu()
{
    if (m_hScreenSetMenu != NULL && ::IsMenu(m_hScreenSetParent))
        ::DeleteMenu(m_hScreenSetParent, 0, MF_BYPOSITION);
    m_hScreenSetMenu = NULL;
    m_hScreenSetParent = NULL;
    HMENU bar = m_pMenu != NULL ? m_pMenu->GetMenuHandle() : NULL;
    // The first drop-down of the menu bar holds the sets.
    HMENU parent = bar != NULL ? ::GetSubMenu(bar, 0) : NULL;
    if (parent == NULL)
        return;
    HMENU popup = CreateScreenSetsPopup();
    ::InsertMenuA(parent, 0, MF_BYPOSITION | MF_POPUP, (UINT_PTR)popup, SCREEN_SETS_MENU_TEXT);
    m_hScreenSetMenu = popup;
    m_hScreenSetParent = parent;
    if (::IsWindow(m_hWnd) && ::GetMenu(m_hWnd) == bar)
        DrawMenuBar();
}

void CMainFrame::LoadScreenSets()
{
    if (ReadScreenSets(ScreenSetIndexPath(), m_ScreenSets) == SCREENSET_DAMAGED)
        AfxMessageBox("Failed save file");
    BuildScreenSetsMenu();
}

void CMainFrame::RestoreScreenSet(UINT number)
{
    LoadScreenSets();
    m_ScreenList.DestroyAll();
    if (m_ScreenSets.Find((int)number) == NULL)
        return;
    CString text;
    text.Format("%d", number);
    CFile file;
    if (!file.Open(ScreenSetFilePath(text), CFile::modeRead | CFile::shareDenyWrite))
        return;
    CArchive ar(&file, CArchive::load, 4096);
    CUserScrInfo info;
    BOOL whole = TRUE;
    try {
        info.Serialize(ar);
    } catch (CException* e) {
        e->Delete();
        whole = FALSE;
    }
    if (whole && info.GetCount() > 0) {
        CSerializeItems* set = info.GetAt(0);
        for (INT_PTR i = 0; i < set->m_arrItems.GetSize() && whole; ++i) {
            CSerializeItem* item = set->m_arrItems[i];
            CWnd* opened = OpenScreenByNumber((UINT)atoi(item->m_strScreenID), NULL);
            CBaseView* view = opened != NULL ? m_ScreenList.FindByWindow(opened->GetSafeHwnd()) : NULL;
            try {
                if (view == NULL) {
                    // Not opened (a second copy, a missing plug-in): its data is passed over so
                    // that the next screen reads its own.
                    if (item->HasOwnData()) {
                        int skipped;
                        ar >> skipped;
                    }
                    continue;
                }
                CRect current;
                view->GetWindowRect(&current);
                view->MoveWindow(item->m_rect.left, item->m_rect.top, current.Width(), item->m_rect.Height());
                view->ShowWindow(SW_SHOW);
                if (!item->m_strCode.IsEmpty())
                    view->SetSelectItemCode(item->m_strCode, 1);
                if (!item->m_strAccount.IsEmpty())
                    view->SetSelectAccount(item->m_strAccount);
                if (item->HasOwnData())
                    view->Serialize(ar);
            } catch (CException* e) {
                e->Delete();
                whole = FALSE;
            }
        }
    }
    ar.Abort();
    file.Close();
    if (!whole)
        AfxMessageBox("Failed save file");
}

void CMainFrame::SaveLastScreens()
{
    CUserScrInfo info;
    CSerializeItems* set = new CSerializeItems;
    set->m_strNumber.Format("%d", SCREEN_SET_LAST);
    set->m_strName = "최종화면";
    for (int i = 0; i < m_ScreenList.GetCount(); ++i) {
        CSerializeItem* item = new CSerializeItem;
        item->FromScreen(m_ScreenList.GetAt(i));
        set->m_arrItems.Add(item);
    }
    info.Add(set);
    if (!WriteScreenSets(LastScreensPath(), info, TRUE))
        AfxMessageBox("파일열기 실패");
}
