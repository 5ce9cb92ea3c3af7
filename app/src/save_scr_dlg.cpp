// The saved-screens dialog.
#include "SaveScrDlg.h"

#include "AppMessages.h"
#include "BaseView.h"
#include "ImgButton.h"
#include "MainFrame.h"
#include "ResourceMap.h"
#include "resource.h"

namespace {

const UINT kButtonIds[] = {IDC_SAVESCR_SAVE, IDC_SAVESCR_OPEN, IDC_SAVESCR_REMOVE_SET, IDC_SAVESCR_REMOVE_SCREEN,
                           IDOK, IDCANCEL};

// Tree items carry the set number, and a screen's item its place in the set plus one above it.
LPARAM SetData(int number)
{
    return (LPARAM)number;
}

LPARAM ScreenData(int number, int index)
{
    return (LPARAM)(((index + 1) << 16) | number);
}

LPARAM ItemData(HWND tree, HTREEITEM item)
{
    TVITEMA data = {};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    TreeView_GetItem(tree, &data);
    return data.lParam;
}

HTREEITEM InsertItem(HWND tree, HTREEITEM parent, const CString& text, LPARAM data)
{
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = const_cast<LPSTR>((LPCSTR)text);
    insert.item.lParam = data;
    return (HTREEITEM)::SendMessageA(tree, TVM_INSERTITEMA, 0, (LPARAM)&insert);
}

} // namespace

CSaveScrDlg::CSaveScrDlg(CMainFrame* frame) : CDialog(IDD_SAVE_SCREENS, frame), m_pFrame(frame)
{
    memset(m_pButtons, 0, sizeof m_pButtons);
}

CSaveScrDlg::~CSaveScrDlg()
{
    for (CImgButton*& button : m_pButtons) {
        delete button;
        button = NULL;
    }
}

void CSaveScrDlg::Message(const char* text)
{
    AfxMessageBox(text);
}

BOOL CSaveScrDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (int i = 0; i < 6; ++i) {
        m_pButtons[i] = new CImgButton;
        if (m_pButtons[i]->SubclassDlgItem(kButtonIds[i], this))
            m_pButtons[i]->LoadBitmaps(CResourceMap::GetBitmap(913), CResourceMap::GetBitmap(914),
                                       CResourceMap::GetBitmap(915), NULL);
    }
    ::SendDlgItemMessageA(m_hWnd, IDC_SAVESCR_NUMBER, EM_LIMITTEXT, 4, 0);
    if (ReadScreenSets(ScreenSetIndexPath(), m_info) == SCREENSET_DAMAGED)
        Message("Failed save file");
    FillTree();
    GetDlgItem(IDC_SAVESCR_NUMBER)->SetFocus();
    return FALSE;
}

void CSaveScrDlg::FillTree()
{
    HWND tree = Tree();
    TreeView_DeleteAllItems(tree);
    for (int s = m_info.GetCount() - 1; s >= 0; --s) {
        CSerializeItems* set = m_info.GetAt(s);
        const int number = atoi(set->m_strNumber);
        CString text;
        text.Format("%s ( %s )", (LPCSTR)set->m_strNumber, (LPCSTR)set->m_strName);
        HTREEITEM root = InsertItem(tree, TVI_ROOT, text, SetData(number));
        for (INT_PTR i = 0; i < set->m_arrItems.GetSize(); ++i)
            InsertItem(tree, root, set->m_arrItems[i]->m_strText, ScreenData(number, (int)i));
        TreeView_Expand(tree, root, TVE_EXPAND);
    }
}

BOOL CSaveScrDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    switch (LOWORD(wParam)) {
    case IDC_SAVESCR_SAVE:
        SaveOpenScreens();
        return TRUE;
    case IDC_SAVESCR_OPEN:
        OpenSelected();
        return TRUE;
    case IDC_SAVESCR_REMOVE_SET:
        RemoveSelectedSet();
        return TRUE;
    case IDC_SAVESCR_REMOVE_SCREEN:
        RemoveSelectedScreen();
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CSaveScrDlg::SaveOpenScreens()
{
    ScreenList& screens = m_pFrame->GetScreenList();
    if (screens.GetCount() == 0) {
        Message("저장할 화면이 없습니다.");
        return;
    }
    CString number, name;
    GetDlgItemText(IDC_SAVESCR_NUMBER, number);
    GetDlgItemText(IDC_SAVESCR_NAME, name);
    number.Trim();
    const int value = atoi(number);
    if (m_info.Find(value) != NULL) {
        Message("이미 등록된 메뉴입니다.");
        return;
    }
    if (value <= SCREEN_SET_LAST || value > SCREEN_SET_END) {
        Message("저장화면 ID는 9000~9999번까지 유효합니다.");
        return;
    }
    // The new set goes in front of the sets the dialog holds; edits made before stay.
    CSerializeItems* set = new CSerializeItems;
    set->m_strNumber.Format("%d", value);
    set->m_strName = name;
    set->m_nState = CSerializeItems::STATE_NEW;
    for (int i = 0; i < screens.GetCount(); ++i) {
        CSerializeItem* item = new CSerializeItem;
        item->FromScreen(screens.GetAt(i));
        set->m_arrItems.Add(item);
    }
    m_info.m_arrSets.InsertAt(0, set);
    m_info.m_mapSets.SetAt(value, set);
    FillTree();
}

void CSaveScrDlg::OpenSelected()
{
    HWND tree = Tree();
    HTREEITEM item = TreeView_GetSelection(tree);
    if (item == NULL)
        return;
    const int number = LOWORD(ItemData(tree, item));
    m_pFrame->SendMessage(WM_OPEN_SCREEN, (WPARAM)number, 0);
}

void CSaveScrDlg::RemoveSelectedSet()
{
    HWND tree = Tree();
    HTREEITEM item = TreeView_GetSelection(tree);
    if (item == NULL || TreeView_GetParent(tree, item) != NULL) {
        Message("삭제할 사용자메뉴를 선택하세요.");
        return;
    }
    m_info.Remove(LOWORD(ItemData(tree, item)));
    FillTree();
}

void CSaveScrDlg::LoadOwnData(CSerializeItems* set)
{
    if (set->m_nState != CSerializeItems::STATE_SAME)
        return;
    CUserScrInfo file;
    ReadScreenSetWithData(ScreenSetFilePath(set->m_strNumber), file);
    CSerializeItems* stored = file.GetCount() > 0 ? file.GetAt(0) : NULL;
    for (INT_PTR i = 0; stored != NULL && i < set->m_arrItems.GetSize() && i < stored->m_arrItems.GetSize(); ++i) {
        CSerializeItem* mine = set->m_arrItems[i];
        const CSerializeItem* theirs = stored->m_arrItems[i];
        if (mine->m_strScreenID == theirs->m_strScreenID) {
            mine->m_nOwnData = theirs->m_nOwnData;
            mine->m_bHasOwnData = theirs->m_bHasOwnData;
        }
    }
}

void CSaveScrDlg::RemoveSelectedScreen()
{
    HWND tree = Tree();
    HTREEITEM item = TreeView_GetSelection(tree);
    if (item == NULL || TreeView_GetParent(tree, item) == NULL) {
        Message("삭제할 화면을 선택하세요.");
        return;
    }
    const LPARAM data = ItemData(tree, item);
    CSerializeItems* set = m_info.Find(LOWORD(data));
    const int index = (int)HIWORD(data) - 1;
    if (set == NULL || index < 0 || index >= set->m_arrItems.GetSize())
        return;
    // The screens that stay keep the data their screens wrote, read before the set changes.
    LoadOwnData(set);
    delete set->m_arrItems[index];
    set->m_arrItems.RemoveAt(index);
    if (set->m_nState != CSerializeItems::STATE_NEW)
        set->m_nState = CSerializeItems::STATE_CHANGED;
    FillTree();
}

void CSaveScrDlg::OnOK()
{
    BOOL written = TRUE;
    for (int s = 0; s < m_info.GetCount(); ++s) {
        CSerializeItems* set = m_info.GetAt(s);
        if (set->m_nState == CSerializeItems::STATE_SAME)
            continue;
        CUserScrInfo one;
        one.m_arrSets.Add(set);
        written = WriteScreenSets(ScreenSetFilePath(set->m_strNumber), one, TRUE) && written;
        // The set stays the dialog's.
        one.m_arrSets.RemoveAll();
        set->m_nState = CSerializeItems::STATE_SAME;
    }
    written = WriteScreenSets(ScreenSetIndexPath(), m_info, FALSE) && written;
    if (!written)
        Message("파일열기 실패");
    CDialog::OnOK();
}
