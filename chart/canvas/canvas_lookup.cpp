// The canvas's value lookup: switching it on and off and filling the lookup window.
#include "Canvas.h"

#include "SearchData.h"
#include "SearchWnd.h"

namespace
{
const unsigned kLookupButton = 10008;
} // namespace

BOOL CCanvas::SetLookup(BOOL on)
{
    if (!on)
    {
        m_bLookupOn = 0;
        if (m_pLookupWnd)
        {
            if (m_pLookupWnd->GetSafeHwnd())
                m_pLookupWnd->DestroyWindow();
            delete m_pLookupWnd;
            m_pLookupWnd = nullptr;
        }
        return TRUE;
    }
    const int kind = m_Properties.GetTimeKind();
    if (kind == 6 || kind == -1)
    {
        ShowMessageBox("시계열이 없는 차트는 수치조회가 되지 않습니다");
        return FALSE;
    }
    if (!m_bDataReady || !GetSafeHwnd())
        return FALSE;
    if (!m_pLookupWnd)
    {
        m_pLookupWnd = new CSearchWnd;
        if (!m_pLookupWnd->Create(this))
        {
            delete m_pLookupWnd;
            m_pLookupWnd = nullptr;
            return FALSE;
        }
    }
    m_bLookupOn = 1;
    m_pLookupWnd->SetEnglish(m_Properties.m_bEnglish);
    FillLookup(0);
    m_pLookupWnd->ShowWindow(SW_SHOWNOACTIVATE);
    return TRUE;
}

void CCanvas::FillLookup(int slot)
{
    if (!m_pLookupWnd)
        return;
    CObList rows;
    const int total = GetTotalCount();
    const int index = DataIndexOfSlot(slot);
    if (total > 0 && index >= 0 && index < total)
    {
        m_TimeCell.AddLookupRow(m_TimeCell.GetCurrentIndex() + index, rows);
        // Regions count their positions from the oldest item.
        const int position = total - 1 - index;
        for (INT_PTR i = 0; i < m_Regions.GetSize(); ++i)
        {
            CRegionCanvas* region = m_Regions.GetAt(i);
            if (region && region->m_bVisible)
                region->AddLookupRows(position, rows, m_Properties.GetTimeKind());
        }
    }
    m_pLookupWnd->SetRows(rows);
}

void CCanvas::OnLookupCommand()
{
    SetLookup(!m_bLookupOn);
    if (m_bBarCreated)
        if (CChartButton* button = dynamic_cast<CChartButton*>(m_BottomBar.GetCtrl(kLookupButton)))
            button->SetCheck(m_bLookupOn);
}

LRESULT CCanvas::OnLookupClosed(WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    (void)lParam;
    SetLookup(FALSE);
    if (m_bBarCreated)
        if (CChartButton* button = dynamic_cast<CChartButton*>(m_BottomBar.GetCtrl(kLookupButton)))
            button->SetCheck(0);
    return 0;
}
