// CBottomTabCtrl's painting, one off-screen pass copied to the window in one step.
#include "BottomTabCtrl.h"

#include "ColorMap.h"
#include "MemDC.h"

IMPLEMENT_DYNAMIC(CBottomTabCtrl, CUITabCtrl)

BEGIN_MESSAGE_MAP(CBottomTabCtrl, CUITabCtrl)
    ON_WM_PAINT()
END_MESSAGE_MAP()

namespace {

const COLORREF kStripGround = RGB(221, 221, 221);
const WORD kClrFrame = 301;

} // namespace

CBottomTabCtrl::CBottomTabCtrl() {}

void CBottomTabCtrl::DrawStrip(CDC* dc)
{
    CRect client;
    GetClientRect(&client);
    dc->FillSolidRect(&client, kStripGround);
    CRect frame(client.left, client.top, client.right - 2, client.bottom - 2);
    DrawTabBoarder(dc, frame, CColorMap::GetColor(kClrFrame));

    CFont* oldFont = dc->SelectObject(GetFont());
    const int selected = GetCurSel();
    const int count = GetItemCount();
    for (int i = 0; i < count; ++i)
        if (i != selected)
            DrawTab(dc, i, 0);

    // The line under the tab row takes the open tab's outline.
    const tagBtnColor* own = selected >= 0 ? GetTabColours(selected) : NULL;
    CPen pen(PS_SOLID, 1, own != NULL ? own->clrBorder : m_clrLine);
    CPen* oldPen = dc->SelectObject(&pen);
    const int y = client.top + GetBtnHight();
    dc->MoveTo(client.left + 1, y);
    dc->LineTo(client.right - 2, y);
    dc->SelectObject(oldPen);

    if (selected >= 0)
        DrawTab(dc, selected, 1);
    if (oldFont != NULL)
        dc->SelectObject(oldFont);
}

void CBottomTabCtrl::OnPaint()
{
    CPaintDC paint(this);
    CMDC buffer(&paint);
    DrawStrip(&buffer);
}
