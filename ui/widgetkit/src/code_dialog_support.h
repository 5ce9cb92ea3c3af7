// What the code controls and their search dialogs share: walking the session's code master and
// handing a dialog's choice to its owner control.
#pragma once

#include <afxwin.h>

#include "CdeCtrl.h"
#include "GridDataList.h"
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

// Binds a list to code rows (tagSTOCKCODEROW): code in column 0, name in column 1, both as text,
// the name coloured by the row's type. The descriptions in that order: the name is number 1.
void BindStockCodeRows(CGridDataList& grid);
enum { CODEROW_DESCRIPTION_NAME = 1 };

// The row of a list of code rows under a hit of the list (its rows, the header row counted),
// or -1.
int CodeRowAt(CGridDataList& grid, const tagGRDHITTEST& hit);
