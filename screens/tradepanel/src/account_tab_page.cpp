// CAccountTabPage: the account tab pages' ground, start-up from their layout and grid columns.
#include "AccountTabPage.h"

#include "ColorMap.h"
#include "InstallFolders.h"

extern HINSTANCE g_hTradePanel;

IMPLEMENT_DYNAMIC(CAccountTabPage, CMapPage)

BEGIN_MESSAGE_MAP(CAccountTabPage, CMapPage)
    ON_WM_COPYDATA()
END_MESSAGE_MAP()

namespace {

const WORD kClrPageGround = 809;

} // namespace

CAccountTabPage::CAccountTabPage(UINT templateId, CWnd* strip, const char* layoutFile)
    : CMapPage(templateId, strip), m_strLayoutFile(layoutFile), m_hTabWnd(NULL), m_pGrid(NULL)
{
    // The templates are this plug-in's own: every plug-in that shows these pages holds them.
    SetResourceModule(g_hTradePanel);
    if (strip != NULL && strip->GetParent() != NULL)
        m_hTabWnd = strip->GetParent()->GetSafeHwnd();
    // The page ground replaces the map page's; the page paints and hands out both as its own.
    m_clrBack = CColorMap::GetColor(kClrPageGround);
    m_brBack.DeleteObject();
    m_brBack.CreateSolidBrush(m_clrBack);
}

CString CAccountTabPage::LayoutPath() const
{
    return CString(GetMapDir()) + m_strLayoutFile;
}

BOOL CAccountTabPage::OnInitDialog()
{
    if (!CMapPage::OnInitDialog())
        return 0;
    if (!LoadMapFile(this, LayoutPath()))
        return 0;
    SetUpPage();
    InitWindow();
    FillPage();
    return 1;
}

BOOL CAccountTabPage::OnCopyData(CWnd* from, COPYDATASTRUCT* cds)
{
    return CBaseView::OnCopyData(from, cds);
}

void CAccountTabPage::SetUpColumns(CGridDataList* grid, int recordSize, const TAB_PAGE_COLUMN* columns, int count)
{
    const int shown = count < (int)grid->GetColumnCount() ? count : (int)grid->GetColumnCount();
    for (int i = 0; i < shown; ++i)
        grid->SetCellText(i, 0, columns[i].header);
    grid->SetRecordSize(recordSize);
    grid->SetRowSelect(1);
    grid->KeepSelection(1);
    for (int i = 0; i < count; ++i) {
        const TAB_PAGE_COLUMN& c = columns[i];
        grid->AddColumnDataInfo(c.offset, c.length, c.type, i, c.format, 0, c.proc, c.align);
    }
}

void CAccountTabPage::PutCellText(tagCell* cell, const char* text)
{
    if (cell == NULL || cell->pszText == NULL || cell->nBufSize == 0)
        return;
    lstrcpynA(cell->pszText, text, cell->nBufSize);
}
