// The quick-menu editor.
#include "QuickMenu.h"

#include "ImgButton.h"
#include "IniFiles.h"
#include "InstallFolders.h"
#include "ResourceMap.h"
#include "XMLHelper.h"

namespace {

const char kUserClass[] = "NORMAL_USER";
const char kNewGroup[] = "입력하세요";
const int kHiddenButtons[] = {IDC_QUICK_GROUP_ADD, IDC_QUICK_GROUP_RENAME, IDC_QUICK_GROUP_REMOVE, IDC_QUICK_SAVE};
const int kImage[] = {913, 914, 915};
const int kIndexGroup = 0;
const int kIndexEntry = 1;

CString ItemText(HWND tree, HTREEITEM item)
{
    char text[512] = {0};
    TVITEMA data = {};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = text;
    data.cchTextMax = sizeof text;
    TreeView_GetItem(tree, &data);
    return text;
}

void SetItemText(HWND tree, HTREEITEM item, const CString& text)
{
    TVITEMA data = {};
    data.mask = TVIF_TEXT;
    data.hItem = item;
    data.pszText = const_cast<LPSTR>((LPCSTR)text);
    ::SendMessageA(tree, TVM_SETITEMA, 0, (LPARAM)&data);
}

LPARAM ItemData(HWND tree, HTREEITEM item)
{
    TVITEMA data = {};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    TreeView_GetItem(tree, &data);
    return data.lParam;
}

HTREEITEM Insert(HWND tree, HTREEITEM parent, HTREEITEM after, const CString& text, LPARAM data)
{
    const int image = parent == TVI_ROOT ? kIndexGroup : kIndexEntry;
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<LPSTR>((LPCSTR)text);
    insert.item.lParam = data;
    insert.item.iImage = image;
    insert.item.iSelectedImage = image;
    return (HTREEITEM)::SendMessageA(tree, TVM_INSERTITEMA, 0, (LPARAM)&insert);
}

CXMLNode* NextElement(CXMLNode* node)
{
    while (node != NULL && node->GetNodeType() != NODE_ELEMENT)
        node = node->GetNextSibling();
    return node;
}

// A picture of the two kinds of item: a filled square for a group, a small one for an entry.
HBITMAP DrawImages(COLORREF group, COLORREF entry)
{
    HDC screen = ::GetDC(NULL);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 32, 16);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    RECT all = {0, 0, 32, 16};
    ::FillRect(dc, &all, (HBRUSH)::GetStockObject(WHITE_BRUSH));
    HBRUSH groupBrush = ::CreateSolidBrush(group);
    HBRUSH entryBrush = ::CreateSolidBrush(entry);
    RECT folder = {2, 4, 14, 13};
    RECT leaf = {20, 5, 28, 11};
    ::FillRect(dc, &folder, groupBrush);
    ::FillRect(dc, &leaf, entryBrush);
    ::DeleteObject(groupBrush);
    ::DeleteObject(entryBrush);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    ::ReleaseDC(NULL, screen);
    return bitmap;
}

} // namespace

CQuickMenuSetup::CQuickMenuSetup(CWnd* parent) : CDialog(IDD, parent), m_hImages(NULL) {}

CQuickMenuSetup::~CQuickMenuSetup()
{
    for (INT_PTR i = 0; i < m_arrButtons.GetSize(); ++i)
        delete m_arrButtons[i];
    if (m_hImages != NULL)
        ImageList_Destroy(m_hImages);
}

CString CQuickMenuSetup::FilePath()
{
    return CString(GetUserDir()) + QUICK_MENU_FILE;
}

BOOL CQuickMenuSetup::SplitEntry(const CString& entry, CString& key, CString& name)
{
    const int close = entry.Find(']');
    if (entry.GetLength() < 2 || entry[0] != '[' || close < 1)
        return FALSE;
    key = entry.Mid(1, close - 1);
    name = entry.Mid(close + 1);
    return TRUE;
}

BOOL CQuickMenuSetup::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child != NULL; child = ::GetWindow(child, GW_HWNDNEXT)) {
        const int id = ::GetDlgCtrlID(child);
        if (!((id >= 1001 && id <= 1046) || id == IDOK || id == IDCANCEL))
            continue;
        char kind[16] = {0};
        ::GetClassNameA(child, kind, sizeof kind);
        if (lstrcmpiA(kind, "Button") != 0)
            continue;
        CImgButton* button = new CImgButton;
        if (!button->SubclassWindow(child)) {
            delete button;
            continue;
        }
        button->LoadBitmaps(CResourceMap::GetBitmap(kImage[0]), CResourceMap::GetBitmap(kImage[1]),
                            CResourceMap::GetBitmap(kImage[2]), CResourceMap::GetBitmap(kImage[2]));
        m_arrButtons.Add(button);
    }
    // Groups are not added, renamed, removed or saved apart from OK here.
    for (int id : kHiddenButtons)
        if (CWnd* button = GetDlgItem(id))
            button->ShowWindow(SW_HIDE);

    m_hImages = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 0);
    HBITMAP images = DrawImages(RGB(230, 170, 40), RGB(60, 120, 200));
    ImageList_AddMasked(m_hImages, images, RGB(255, 255, 255));
    ::DeleteObject(images);
    SetUpTree(Groups());
    SetUpTree(Menu());
    FillGroups();
    FillMenu();
    return TRUE;
}

void CQuickMenuSetup::SetUpTree(HWND tree)
{
    TreeView_SetItemHeight(tree, 18);
    TreeView_SetIndent(tree, 25);
    TreeView_SetLineColor(tree, RGB(0, 0, 255));
    TreeView_SetImageList(tree, m_hImages, TVSIL_NORMAL);
}

void CQuickMenuSetup::FillGroups()
{
    HWND tree = Groups();
    TreeView_DeleteAllItems(tree);
    CIniFiles ini(FilePath());
    m_strActive = ini.ReadString(QUICK_MENU_HOME, "ACTIVE", "");
    CStringArray sections;
    ini.ReadSections(sections);
    for (INT_PTR s = 0; s < sections.GetSize(); ++s) {
        if (sections[s].CompareNoCase(QUICK_MENU_HOME) == 0)
            continue;
        HTREEITEM group = Insert(tree, TVI_ROOT, TVI_LAST, sections[s], 0);
        CStringArray lines;
        ini.ReadSectionValues(sections[s], lines);
        for (INT_PTR l = 0; l < lines.GetSize(); ++l) {
            const int equals = lines[l].Find('=');
            if (equals < 0)
                continue;
            CString entry;
            entry.Format("[%s]%s", (LPCSTR)lines[l].Left(equals), (LPCSTR)lines[l].Mid(equals + 1));
            Insert(tree, group, TVI_LAST, entry, 0);
        }
    }
}

void CQuickMenuSetup::AddLeaves(HWND tree, HTREEITEM top, CXMLNode* node)
{
    // Every leaf below the menu, however deep, that opens a screen, in the menu's order.
    for (CXMLNode* child = NextElement(node->GetFirstChild()); child != NULL;
         child = NextElement(child->GetNextSibling())) {
        if (NextElement(child->GetFirstChild()) != NULL) {
            AddLeaves(tree, top, child);
            continue;
        }
        const CString text = child->GetValue("text");
        const CString id = child->GetValue("id");
        if (text == "-" || atoi(id) <= 999)
            continue;
        CString shown, entry;
        shown.Format("[%s]%s", (LPCSTR)id, (LPCSTR)text);
        entry.Format("[%s]%s", (LPCSTR)id, (LPCSTR)child->GetValue("short"));
        Insert(tree, top, TVI_LAST, shown, m_arrEntries.Add(entry) + 1);
    }
}

void CQuickMenuSetup::FillMenu()
{
    HWND tree = Menu();
    TreeView_DeleteAllItems(tree);
    m_arrEntries.RemoveAll();
    CXMLHelper document;
    if (!document.Load(CString(GetSystemDir()) + "menu.xml"))
        return;
    CXMLNode* system = document.GetNode("SYSTEM");
    for (CXMLNode* user = system != NULL ? NextElement(system->GetFirstChild()) : NULL; user != NULL;
         user = NextElement(user->GetNextSibling())) {
        if (user->GetName() != kUserClass)
            continue;
        for (CXMLNode* menu = NextElement(user->GetFirstChild()); menu != NULL;
             menu = NextElement(menu->GetNextSibling())) {
            if (atoi(menu->GetValue("id")) == 100 || !menu->HasChildNodes())
                continue;
            HTREEITEM top = Insert(tree, TVI_ROOT, TVI_LAST, menu->GetValue("text"), 0);
            AddLeaves(tree, top, menu);
        }
    }
    document.ClearNodeArray();
    HTREEITEM first = TreeView_GetRoot(tree);
    if (first != NULL)
        TreeView_Expand(tree, first, TVE_EXPAND);
}

HTREEITEM CQuickMenuSetup::SelectedGroup() const
{
    HWND tree = Groups();
    HTREEITEM item = TreeView_GetSelection(tree);
    if (item == NULL)
        return NULL;
    HTREEITEM parent = TreeView_GetParent(tree, item);
    return parent != NULL ? parent : item;
}

void CQuickMenuSetup::AddSelected()
{
    HTREEITEM group = SelectedGroup();
    if (group == NULL) {
        AfxMessageBox("추가할 그룹을 선택하세요.");
        return;
    }
    HWND menu = Menu();
    HTREEITEM leaf = TreeView_GetSelection(menu);
    const LPARAM index = leaf != NULL ? ItemData(menu, leaf) : 0;
    if (index < 1 || index > m_arrEntries.GetSize())
        return;
    const CString entry = m_arrEntries[index - 1];
    HWND tree = Groups();
    for (HTREEITEM child = TreeView_GetChild(tree, group); child != NULL;
         child = TreeView_GetNextSibling(tree, child)) {
        if (ItemText(tree, child) == entry) {
            AfxMessageBox("이미 등록된 메뉴입니다.");
            return;
        }
    }
    Insert(tree, group, TVI_LAST, entry, 0);
    TreeView_Expand(tree, group, TVE_EXPAND);
}

void CQuickMenuSetup::RemoveSelected()
{
    HWND tree = Groups();
    HTREEITEM item = TreeView_GetSelection(tree);
    if (item == NULL || TreeView_GetChild(tree, item) != NULL)
        return;
    TreeView_DeleteItem(tree, item);
}

void CQuickMenuSetup::MoveSelected(BOOL up)
{
    HWND tree = Groups();
    HTREEITEM item = TreeView_GetSelection(tree);
    if (item == NULL)
        return;
    if (TreeView_GetParent(tree, item) == NULL) {
        MoveGroup(item, up);
        return;
    }
    HTREEITEM other = up ? TreeView_GetPrevSibling(tree, item) : TreeView_GetNextSibling(tree, item);
    if (other == NULL)
        return;
    const CString text = ItemText(tree, item);
    SetItemText(tree, item, ItemText(tree, other));
    SetItemText(tree, other, text);
    TreeView_SelectItem(tree, other);
}

void CQuickMenuSetup::MoveGroup(HTREEITEM group, BOOL up)
{
    HWND tree = Groups();
    HTREEITEM after;
    if (up) {
        HTREEITEM previous = TreeView_GetPrevSibling(tree, group);
        if (previous == NULL)
            return;
        after = TreeView_GetPrevSibling(tree, previous);
        if (after == NULL)
            after = TVI_FIRST;
    } else {
        after = TreeView_GetNextSibling(tree, group);
        if (after == NULL)
            return;
    }
    const BOOL expanded = (TreeView_GetItemState(tree, group, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
    HTREEITEM moved = Insert(tree, TVI_ROOT, after, ItemText(tree, group), ItemData(tree, group));
    for (HTREEITEM child = TreeView_GetChild(tree, group); child != NULL; child = TreeView_GetNextSibling(tree, child))
        Insert(tree, moved, TVI_LAST, ItemText(tree, child), ItemData(tree, child));
    TreeView_DeleteItem(tree, group);
    if (expanded)
        TreeView_Expand(tree, moved, TVE_EXPAND);
    TreeView_SelectItem(tree, moved);
}

void CQuickMenuSetup::AddGroup()
{
    HWND tree = Groups();
    HTREEITEM group = Insert(tree, TVI_ROOT, TVI_LAST, kNewGroup, 0);
    ::SetFocus(tree);
    TreeView_SelectItem(tree, group);
    TreeView_EditLabel(tree, group);
}

void CQuickMenuSetup::EditSelectedGroup()
{
    HWND tree = Groups();
    HTREEITEM item = TreeView_GetSelection(tree);
    if (item == NULL || TreeView_GetParent(tree, item) != NULL)
        return;
    ::SetFocus(tree);
    TreeView_EditLabel(tree, item);
}

void CQuickMenuSetup::RemoveSelectedGroup()
{
    HWND tree = Groups();
    HTREEITEM item = TreeView_GetSelection(tree);
    if (item != NULL && TreeView_GetParent(tree, item) == NULL)
        TreeView_DeleteItem(tree, item);
}

void CQuickMenuSetup::Save()
{
    CIniFiles ini(FilePath());
    CStringArray sections;
    ini.ReadSections(sections);
    for (INT_PTR s = 0; s < sections.GetSize(); ++s)
        if (sections[s].CompareNoCase(QUICK_MENU_HOME) != 0)
            ini.EraseSection(sections[s]);
    HWND tree = Groups();
    CString firstGroup;
    BOOL activeKept = FALSE;
    for (HTREEITEM group = TreeView_GetRoot(tree); group != NULL; group = TreeView_GetNextSibling(tree, group)) {
        const CString name = ItemText(tree, group);
        if (firstGroup.IsEmpty())
            firstGroup = name;
        activeKept = activeKept || name == m_strActive;
        for (HTREEITEM child = TreeView_GetChild(tree, group); child != NULL;
             child = TreeView_GetNextSibling(tree, child)) {
            CString key, entryName;
            // The value is the name alone: reading puts "[key]" in front of it again.
            if (SplitEntry(ItemText(tree, child), key, entryName) && !key.IsEmpty())
                ini.WriteString(name, key, entryName);
        }
    }
    // The active group stays while it is there; else the first group is.
    ini.WriteString(QUICK_MENU_HOME, "ACTIVE", activeKept ? m_strActive : firstGroup);
}

void CQuickMenuSetup::OnOK()
{
    Save();
    EndDialog(IDOK);
}

BOOL CQuickMenuSetup::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) != BN_CLICKED)
        return CDialog::OnCommand(wParam, lParam);
    switch (LOWORD(wParam)) {
    case IDC_QUICK_GROUP_ADD:
        AddGroup();
        return TRUE;
    case IDC_QUICK_GROUP_RENAME:
        EditSelectedGroup();
        return TRUE;
    case IDC_QUICK_GROUP_REMOVE:
        RemoveSelectedGroup();
        return TRUE;
    case IDC_QUICK_ENTRY_REMOVE:
        RemoveSelected();
        return TRUE;
    case IDC_QUICK_ADD:
        AddSelected();
        return TRUE;
    case IDC_QUICK_UP:
        MoveSelected(TRUE);
        return TRUE;
    case IDC_QUICK_DOWN:
        MoveSelected(FALSE);
        return TRUE;
    case IDC_QUICK_SAVE:
        OnOK();
        return TRUE;
    default:
        return CDialog::OnCommand(wParam, lParam);
    }
}

BOOL CQuickMenuSetup::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header != NULL && header->idFrom == IDC_QUICK_GROUPS && header->code == TVN_ENDLABELEDITA) {
        const NMTVDISPINFOA* info = reinterpret_cast<const NMTVDISPINFOA*>(lParam);
        // An empty name or a cancelled edit keeps the label.
        *pResult = info->item.pszText != NULL && info->item.pszText[0] != '\0';
        return TRUE;
    }
    return CDialog::OnNotify(wParam, lParam, pResult);
}
