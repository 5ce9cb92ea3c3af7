// CMapView's accessors over the layout's controls by id, and its message box.
#include "MapView.h"

#include <afxcmn.h>
#include <commctrl.h>
#include <cstdio>
#include <cstring>

#include "BaseDialog.h"

namespace {

const char kCheckInput[] = "입력값을 확인하세요.";
const char kConfirm[] = "확인";
const char kCancel[] = "취소";

// The combo's current selection when it has one and more than one item, else -1.
int ComboChoice(CWnd* combo)
{
    const int count = static_cast<int>(combo->SendMessage(CB_GETCOUNT, 0, 0));
    const int selected = static_cast<int>(combo->SendMessage(CB_GETCURSEL, 0, 0));
    if (selected == CB_ERR || count <= 1)
        return -1;
    return selected;
}

} // namespace

BOOL CMapView::GetEditText(WORD id, char* buf, int len)
{
    CWnd* edit = GetControl(id);
    if (edit == NULL || buf == NULL || len <= 0)
        return 0;
    memset(buf, 0, len);
    if (edit->GetWindowText(buf, len) > 0)
        return 1;
    ShowMsgBox(kCheckInput, 1, "", "", "");
    edit->SetFocus();
    edit->SendMessage(EM_SETSEL, 0, -1);
    edit->SendMessage(EM_SCROLLCARET, 0, 0);
    return 0;
}

BOOL CMapView::GetButtonText(WORD id, char* buf, int len)
{
    CWnd* button = GetControl(id);
    if (button == NULL || buf == NULL || len <= 0)
        return 0;
    memset(buf, 0, len);
    button->GetWindowText(buf, len);
    return 1;
}

BOOL CMapView::GetComboText(WORD id, char* buf, int len)
{
    CWnd* combo = GetControl(id);
    if (combo == NULL || buf == NULL || len <= 0)
        return 0;
    const int selected = ComboChoice(combo);
    if (selected < 0) {
        ShowMsgBox(kCheckInput, 1, "", "", "");
        combo->SetFocus();
        return 0;
    }
    memset(buf, 0, len);
    // The item's text may be longer than the caller's buffer: read it whole, hand out what fits.
    const int itemLen = static_cast<int>(combo->SendMessage(CB_GETLBTEXTLEN, selected, 0));
    CString text;
    if (itemLen > 0) {
        combo->SendMessage(CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(text.GetBuffer(itemLen + 1)));
        text.ReleaseBuffer();
    }
    strncpy(buf, text, len - 1);
    return 1;
}

BOOL CMapView::GetDate(WORD id, char* buf, int len)
{
    CWnd* date = GetControl(id);
    if (date == NULL || buf == NULL || len <= 0)
        return 0;
    SYSTEMTIME time = {};
    date->SendMessage(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    char text[16];
    const int n = snprintf(text, sizeof text, "%04d%02d%02d", time.wYear, time.wMonth, time.wDay);
    memset(buf, 0, len);
    // A date cut short would read as another date: a buffer too small gets none.
    if (n < 0 || n >= len)
        return 0;
    memcpy(buf, text, n);
    return 1;
}

void CMapView::EnableControl(WORD id, BOOL enable)
{
    CWnd* control = GetControl(id);
    if (control != NULL)
        control->EnableWindow(enable);
}

BOOL CMapView::SetButtonText(WORD id, const char* text)
{
    CWnd* button = GetControl(id);
    if (button == NULL)
        return 0;
    button->SetWindowText(text != NULL ? text : "");
    return 1;
}

void CMapView::SelectRadioBtn(WORD first, WORD last, WORD checked)
{
    if (checked < first || checked > last)
        return;
    for (UINT id = first; id <= last; ++id) {
        CWnd* button = GetControl(static_cast<WORD>(id));
        if (button != NULL)
            button->SendMessage(BM_SETCHECK, id == checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

BOOL CMapView::GetButtonCheck(WORD id)
{
    CWnd* button = GetControl(id);
    if (button == NULL)
        return 0;
    return static_cast<BOOL>(button->SendMessage(BM_GETCHECK, 0, 0));
}

int CMapView::GetSelectIndex(WORD id)
{
    CWnd* combo = GetControl(id);
    if (combo == NULL)
        return -1;
    return ComboChoice(combo);
}

int CMapView::ShowMsgBox(CString message, int type, CString okText, CString cancelText, CString title)
{
    CMessageBox box(NULL);
    box.SetButtonTitle(okText.IsEmpty() ? kConfirm : okText, cancelText.IsEmpty() ? kCancel : cancelText);
    return box.Show(message, title.IsEmpty() ? kConfirm : title, type);
}
