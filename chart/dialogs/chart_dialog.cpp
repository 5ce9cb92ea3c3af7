// The base of GraphKit's dialogs: the modal run with the library's resources current, and list
// entries from the library's string table.
#include "ChartDialogs.h"

#include "../model/graphkit_module.h"

CGraphKitResourceScope::CGraphKitResourceScope() : m_hPrevious(AfxGetResourceHandle())
{
    AfxSetResourceHandle(GraphKitInstance());
}

CGraphKitResourceScope::~CGraphKitResourceScope()
{
    AfxSetResourceHandle(m_hPrevious);
}

HINSTANCE CGraphKitResourceScope::Module()
{
    return GraphKitInstance();
}

CChartDialog::CChartDialog(UINT nIDTemplate, CWnd* pParent) : CDialog(nIDTemplate, pParent) {}

INT_PTR CChartDialog::DoModal()
{
    // A host's module may hold templates under the same ids: the chart's come from its own.
    CGraphKitResourceScope scope;
    SetResourceModule(GraphKitInstance());
    return CDialog::DoModal();
}

void CChartDialog::FillList(int controlId, UINT firstString)
{
    CWnd* list = GetDlgItem(controlId);
    if (!list)
        return;
    char text[256];
    for (UINT id = firstString;; ++id)
    {
        if (::LoadStringA(GraphKitInstance(), id, text, int(sizeof(text))) <= 0)
            break;
        list->SendMessage(CB_ADDSTRING, 0, (LPARAM)text);
    }
}
