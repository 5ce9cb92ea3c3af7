// CCELWCodectrlDlg: the warrant search dialog over a list view, its filters and its search.
#include "CodeDialogs.h"

#include <commctrl.h>

#include <cstdlib>
#include <cstring>

#include "ResourceMap.h"
#include "SharedData.h"
#include "WidgetKitModule.h"
#include "WidgetRules.h"
#include "code_dialog_support.h"

IMPLEMENT_DYNAMIC(CCELWCodectrlDlg, CBaseView)

namespace {

const int kMinCodeSearch = 5;

BOOL AllDigits(const CString& text)
{
    if (text.IsEmpty())
        return FALSE;
    for (int i = 0; i < text.GetLength(); ++i)
        if (text[i] < '0' || text[i] > '9')
            return FALSE;
    return TRUE;
}

} // namespace

BOOL WarrantTextMatches(const char* itemText, const char* text)
{
    if (text == NULL || *text == '\0' || itemText == NULL)
        return FALSE;
    const int len = static_cast<int>(strlen(text));
    const CString wanted = UpperSingleByte(text);
    const CString item = UpperSingleByte(CutOnCharBoundary(itemText, len));
    if (item == wanted)
        return TRUE;
    return AllDigits(wanted) && atoi(item) == atoi(wanted);
}

CCELWCodectrlDlg::CCELWCodectrlDlg(CWnd* owner) : CBaseView(IDD, owner), m_pOwnerCtrl(owner), m_pChoice(NULL)
{
    SetResourceModule(WidgetKitInstance());
}

CCELWCodectrlDlg::~CCELWCodectrlDlg() {}

BOOL CCELWCodectrlDlg::OnInitDialog()
{
    CBaseView::OnInitDialog();
    SetDlgWindowStyle();
    CBitmap* looks[3] = {CResourceMap::GetBitmap(904), CResourceMap::GetBitmap(905), CResourceMap::GetBitmap(906)};
    const struct
    {
        CImgButton* button;
        UINT id;
    } buttons[] = {{&m_btnOk, IDOK}, {&m_btnCancel, IDCANCEL}};
    for (const auto& b : buttons) {
        CWnd* item = GetDlgItem(b.id);
        if (item != NULL && b.button->SubclassWindow(item->m_hWnd))
            b.button->LoadBitmaps(looks[0], looks[1], looks[2], NULL);
    }
    if (CComboBox* issuer = static_cast<CComboBox*>(GetDlgItem(IDC_ISSUER))) {
        issuer->AddString("전체");
        issuer->SetCurSel(0);
    }
    if (CComboBox* callPut = static_cast<CComboBox*>(GetDlgItem(IDC_CALLPUT))) {
        callPut->AddString("전체");
        callPut->AddString("Call");
        callPut->AddString("Put");
        callPut->SetCurSel(0);
    }
    INITCOMMONCONTROLSEX init = {sizeof init, ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&init);
    m_list.CreateEx(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                    WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
                    CRect(150, 5, 365, 270), this, IDC_LIST);
    m_list.SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    const struct
    {
        const char* title;
        int width;
    } columns[] = {{"종목코드", 65}, {"종목명", 128}};
    for (int i = 0; i < 2; ++i) {
        LVCOLUMNA column;
        memset(&column, 0, sizeof column);
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = const_cast<char*>(columns[i].title);
        column.cx = columns[i].width;
        m_list.SendMessage(LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
    SetFrameSize(370, 337);
    EmptyList();
    return TRUE;
}

void CCELWCodectrlDlg::EmptyList()
{
    if (m_list.m_hWnd != NULL)
        m_list.SendMessage(LVM_DELETEALLITEMS);
}

int CCELWCodectrlDlg::AddItem(tagELWCode* record)
{
    if (record == NULL || m_list.m_hWnd == NULL)
        return -1;
    const CString code(record->szRecord + tagELWCode::CODE,
                       static_cast<int>(strnlen(record->szRecord + tagELWCode::CODE, tagELWCode::SHORT_CODE)));
    const CString name(record->szRecord + tagELWCode::NAME,
                       static_cast<int>(strnlen(record->szRecord + tagELWCode::NAME, tagELWCode::FIELD6 - tagELWCode::NAME)));
    LVITEMA item;
    memset(&item, 0, sizeof item);
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = static_cast<int>(m_list.SendMessage(LVM_GETITEMCOUNT));
    item.pszText = const_cast<char*>(static_cast<const char*>(code));
    item.lParam = reinterpret_cast<LPARAM>(record);
    const int index = static_cast<int>(m_list.SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    if (index >= 0) {
        LVITEMA sub;
        memset(&sub, 0, sizeof sub);
        sub.iSubItem = 1;
        sub.pszText = const_cast<char*>(static_cast<const char*>(name));
        m_list.SendMessage(LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&sub));
    }
    return index;
}

CString CCELWCodectrlDlg::ItemText(int item, int column)
{
    char text[128] = "";
    LVITEMA lv;
    memset(&lv, 0, sizeof lv);
    lv.iSubItem = column;
    lv.pszText = text;
    lv.cchTextMax = sizeof text;
    m_list.SendMessage(LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(&lv));
    return text;
}

void CCELWCodectrlDlg::Choose(int item)
{
    LVITEMA lv;
    memset(&lv, 0, sizeof lv);
    lv.mask = LVIF_PARAM;
    lv.iItem = item;
    m_pChoice = item >= 0 && m_list.SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&lv))
                    ? reinterpret_cast<tagELWCode*>(lv.lParam)
                    : NULL;
    CString code, name;
    if (m_pChoice != NULL) {
        code.Format(" %s", static_cast<const char*>(ItemText(item, 0)));
        name.Format(" %s", static_cast<const char*>(ItemText(item, 1)));
    }
    SetDlgItemText(IDC_CODE_LABEL, code);
    SetDlgItemText(IDC_NAME_LABEL, name);
}

int CCELWCodectrlDlg::Search(CString text)
{
    const BOOL byName = IsDlgButtonChecked(IDC_BY_NAME) != 0;
    const int column = byName ? 1 : 0;
    const int count = static_cast<int>(m_list.SendMessage(LVM_GETITEMCOUNT));
    int found = -1;
    if (byName || text.GetLength() >= kMinCodeSearch)
        for (int i = 0; i < count && found < 0; ++i)
            if (WarrantTextMatches(ItemText(i, column), text))
                found = i;
    LVITEMA state;
    memset(&state, 0, sizeof state);
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = 0;
    m_list.SendMessage(LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    if (found >= 0) {
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        m_list.SendMessage(LVM_SETITEMSTATE, found, reinterpret_cast<LPARAM>(&state));
        m_list.SendMessage(LVM_ENSUREVISIBLE, found, FALSE);
    }
    Choose(found);
    return found;
}

BOOL CCELWCodectrlDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    if (id == IDC_SEARCH_EDIT && code == EN_CHANGE) {
        CString text;
        GetDlgItemText(IDC_SEARCH_EDIT, text);
        Search(text);
        return TRUE;
    }
    if ((id == IDC_ISSUER || id == IDC_CALLPUT) && code == CBN_SELCHANGE) {
        EmptyList();
        return TRUE;
    }
    return CBaseView::OnCommand(wParam, lParam);
}

BOOL CCELWCodectrlDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header != NULL && header->idFrom == IDC_LIST && (header->code == NM_CLICK || header->code == NM_DBLCLK)) {
        const NMITEMACTIVATE* activate = reinterpret_cast<const NMITEMACTIVATE*>(lParam);
        if (activate->iItem >= 0) {
            Choose(activate->iItem);
            if (header->code == NM_DBLCLK)
                OnOK();
        }
        *pResult = 0;
        return TRUE;
    }
    return CBaseView::OnNotify(wParam, lParam, pResult);
}

int CCELWCodectrlDlg::OnKeyDown(MSG* msg)
{
    CWnd* edit = GetDlgItem(IDC_SEARCH_EDIT);
    if (edit != NULL && msg->hwnd == edit->m_hWnd) {
        CString text;
        edit->GetWindowText(text);
        Search(text);
    }
    return 0;
}

void CCELWCodectrlDlg::OnOK()
{
    EndWithChoice(this, m_pOwnerCtrl, m_pChoice);
}

void CCELWCodectrlDlg::OnCancel()
{
    EndDialog(IDCANCEL);
}
