// What the code controls and their search dialogs share: walking the session's code master and
// handing a dialog's choice to its owner control.
#pragma once

#include <afxwin.h>

#include "CdeCtrl.h"
#include "SharedData.h"

// Calls fn(record) for every record of the code master, in the map's order.
template <class Fn>
void ForEachStockRecord(Fn fn)
{
    CAPICodeMap& master = CSharedData::GetStockMap();
    POSITION pos = master.GetStartPosition();
    while (pos != NULL) {
        CString key;
        _API_CODE_INFO* record = NULL;
        master.GetNextAssoc(pos, key, record);
        if (record != NULL)
            fn(record);
    }
}

// With a choice: the owner control is sent WM_CODE_CHOSEN with it and the dialog ends with IDOK;
// without one the dialog ends as cancelled.
inline void EndWithChoice(CDialog* dialog, CWnd* owner, void* choice)
{
    if (choice == NULL) {
        dialog->EndDialog(IDCANCEL);
        return;
    }
    if (owner != NULL && owner->m_hWnd != NULL)
        owner->SendMessage(WM_CODE_CHOSEN, reinterpret_cast<WPARAM>(choice));
    dialog->EndDialog(IDOK);
}
