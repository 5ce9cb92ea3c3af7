// COrdAlarm: the order events' list, its slide up out of the work area's bottom-right corner and
// the clear and hide buttons.
#include "OrdAlarm.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "GridDataList.h"
#include "InstallFolders.h"
#include "NumberFormat.h"
#include "OrderDialogsModule.h"
#include "Utils.h"

IMPLEMENT_DYNAMIC(COrdAlarm, CMapView)

BEGIN_MESSAGE_MAP(COrdAlarm, CMapView)
    ON_WM_TIMER()
    ON_COMMAND_RANGE(IDC_ORDALARM_CLEAR, IDC_ORDALARM_HIDE, OnButton)
    ON_WM_CLOSE()
END_MESSAGE_MAP()

namespace {

const char kLayoutFile[] = "MF_OrdAlarm.xml";
const UINT kSlideInterval = 10;

// The trading manager caps a price or total beyond the 32-bit range at the largest int32.
const int kCapped = INT_MAX;

void PriceText(void* field, tagCell* cell, void* info);
void TotalText(void* field, tagCell* cell, void* info);

// One column of the list: header, the record's field, its binary type, format and alignment.
struct AlarmColumn
{
    const char* header;
    WORD offset, length;
    DATA_TYPE type;
    UINT format;
    int align; // 0 left, 1 centre, 2 right
    int width; // of the stand-in list, as the layout gives it
    PFN_GRIDCELLPROC text; // writes the cell's text instead of the format, or null
};

// The total's field reaches from the price over the units to the total, so that a capped total
// can be worked out again from the other two.
const WORD kTotalSpan = offsetof(COIN_ORD_INFO, dFee) - offsetof(COIN_ORD_INFO, nPrice);

const AlarmColumn kColumns[] = {
    {"화폐이름", offsetof(COIN_ORD_INFO, szCoinName), sizeof(COIN_ORD_INFO::szCoinName), DT_TEXT, GDF_TEXT, 0, 120},
    {"구분", offsetof(COIN_ORD_INFO, szSide), sizeof(COIN_ORD_INFO::szSide), DT_TEXT, GDF_TEXT, 1, 30},
    {"주문번호", offsetof(COIN_ORD_INFO, szOrderID), sizeof(COIN_ORD_INFO::szOrderID), DT_TEXT, GDF_TEXT, 1, 108},
    {"체결번호", offsetof(COIN_ORD_INFO, szContID), sizeof(COIN_ORD_INFO::szContID), DT_TEXT, GDF_TEXT, 1, 66},
    {"주문가격", offsetof(COIN_ORD_INFO, nPrice), sizeof(int), DT_INT, GDF_QUANTITY, 2, 84, PriceText},
    {"체결수량", offsetof(COIN_ORD_INFO, dUnits), sizeof(double), DT_DOUBLE, GDF_DECIMAL, 2, 96},
    {"주문금액", offsetof(COIN_ORD_INFO, nPrice), kTotalSpan, DT_INT, GDF_QUANTITY, 2, 84, TotalText},
    {"수수료", offsetof(COIN_ORD_INFO, dFee), sizeof(double), DT_DOUBLE, GDF_DECIMAL, 2, 96},
    {"메시지", offsetof(COIN_ORD_INFO, szMessage), sizeof(COIN_ORD_INFO::szMessage), DT_TEXT, GDF_TEXT, 0, 354},
};
const int kColumnCount = sizeof kColumns / sizeof kColumns[0];
const UINT kStandInRows = 12;
const int kStandInGap = 6;

static_assert(offsetof(COIN_ORD_INFO, nTotal) == 112 && offsetof(COIN_ORD_INFO, dFee) == 116,
              "the list reads the order event's fields at their wire offsets");

// Writes text into a cell's own buffer, cut to it.
void PutCellText(tagCell* cell, const char* text)
{
    if (cell == NULL || cell->pszText == NULL || cell->nBufSize == 0)
        return;
    lstrcpynA(cell->pszText, text, cell->nBufSize);
}

// An amount as the list shows it; the cap only as a lower bound, never as the amount.
void PutAmount(tagCell* cell, LONGLONG amount, bool capped)
{
    char digits[32];
    IntToQuantityString(amount, digits, TRUE);
    char text[40];
    snprintf(text, sizeof text, "%s%s", capped ? "≥" : "", digits);
    PutCellText(cell, text);
}

void PriceText(void* field, tagCell* cell, void* info)
{
    (void)info;
    int price = 0;
    memcpy(&price, field, sizeof price);
    PutAmount(cell, price, price == kCapped);
}

// A total the manager capped is price x units, worked out in 64 bits; where that cannot stand
// for it (the price capped as well, or no product at or above the cap) the cap is shown marked.
void TotalText(void* field, tagCell* cell, void* info)
{
    (void)info;
    const BYTE* span = static_cast<const BYTE*>(field);
    int price = 0, total = 0;
    double units = 0;
    memcpy(&price, span, sizeof price);
    memcpy(&units, span + (offsetof(COIN_ORD_INFO, dUnits) - offsetof(COIN_ORD_INFO, nPrice)), sizeof units);
    memcpy(&total, span + (offsetof(COIN_ORD_INFO, nTotal) - offsetof(COIN_ORD_INFO, nPrice)), sizeof total);
    if (total != kCapped) {
        PutAmount(cell, total, false);
        return;
    }
    const double product = (double)price * units;
    // Below 2^63, so the rounded product fits a LONGLONG.
    if (price != kCapped && std::isfinite(product) && product >= (double)kCapped && product < 9.2e18)
        PutAmount(cell, std::llround(product), false);
    else
        PutAmount(cell, kCapped, true);
}

} // namespace

COrdAlarm::COrdAlarm(CWnd* parent)
    : CMapView(IDD, parent), m_strLayoutFile(kLayoutFile), m_pGrid(NULL), m_nSlideOffset(0), m_nScrollStep(10)
{
    SetResourceModule(OrderDialogsInstance());
}

COrdAlarm::~COrdAlarm() {}

BOOL COrdAlarm::OnInitDialog()
{
    if (!CMapView::OnInitDialog())
        return 0;
    SetDlgWindowStyle();
    const CString path = CString(GetMapDir()) + m_strLayoutFile;
    if (LoadMapFile(this, path))
        m_pGrid = dynamic_cast<CGridDataList*>(GetControl(IDC_ORDALARM_GRID));
    if (m_pGrid == NULL) {
        // The user has been told of the layout; the orders must still be listed.
        CUtils::LogServer_WriteLog("OrdAlarm: no list from layout " + path + "; order events go to a stand-in list");
        if (!CreateStandInGrid()) {
            CUtils::LogServer_WriteLog("OrdAlarm: the stand-in list could not be created");
            return 0;
        }
    }
    SetUpGrid();
    return 1;
}

BOOL COrdAlarm::CreateStandInGrid()
{
    CRect rc;
    GetClientRect(&rc);
    // Above the layout's buttons when they were made.
    for (WORD id : {IDC_ORDALARM_CLEAR, IDC_ORDALARM_HIDE}) {
        if (CWnd* button = GetControl(id)) {
            CRect below;
            button->GetWindowRect(&below);
            ScreenToClient(&below);
            rc.bottom = std::min(rc.bottom, below.top - kStandInGap);
        }
    }
    CGridDataList* grid = new CGridDataList;
    grid->SetDataListScrollbar(GDL_SCROLL_VERT | GDL_SCROLL_HORZ);
    if (!grid->Create(0, 1, kColumnCount, kStandInRows, WS_CHILD | WS_VISIBLE, rc, this, IDC_ORDALARM_GRID)) {
        delete grid;
        return FALSE;
    }
    for (int i = 0; i < kColumnCount; ++i)
        grid->SetColumnWidth(i, kColumns[i].width);
    // The view owns it like a layout control: deleted with the others.
    AddControl(IDC_ORDALARM_GRID, grid);
    m_pGrid = grid;
    return TRUE;
}

void COrdAlarm::SetUpGrid()
{
    for (int i = 0; i < kColumnCount; ++i)
        m_pGrid->SetCellText(i, 0, kColumns[i].header);
    m_pGrid->SetRecordSize(sizeof(COIN_ORD_INFO));
    m_pGrid->SetMaxRowCount(MAX_RECORDS);
    m_pGrid->SetRowSelect(1);
    m_pGrid->KeepSelection(1);
    for (int i = 0; i < kColumnCount; ++i) {
        const AlarmColumn& c = kColumns[i];
        const UINT format = c.format | (c.text != NULL ? GDF_CALLBACK : 0u);
        m_pGrid->AddColumnDataInfo(c.offset, c.length, c.type, i, format, 0, c.text, c.align);
    }
}

void COrdAlarm::InsertOrder(COIN_ORD_INFO* rec)
{
    if (rec == NULL)
        return;
    if (m_pGrid == NULL || m_pGrid->GetSafeHwnd() == NULL) {
        CString line;
        line.Format("OrdAlarm: no list for the order event of %.*s: %.*s", (int)sizeof rec->szCoinName,
                    rec->szCoinName, (int)sizeof rec->szMessage, rec->szMessage);
        CUtils::LogServer_WriteLog(line);
        return;
    }
    m_pGrid->InsertRecord(reinterpret_cast<BYTE*>(rec), sizeof(COIN_ORD_INFO));
}

void COrdAlarm::DisplayAlarm()
{
    m_nSlideOffset = 0;
    if (GetSafeHwnd() == NULL)
        return;
    if (!IsWindowVisible())
        SetTimer(IDT_ORDALARM_SLIDE, kSlideInterval, NULL);
}

void COrdAlarm::OnTimer(UINT_PTR nIDEvent)
{
    (void)nIDEvent;
    CRect window;
    GetWindowRect(&window);
    CRect work;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int height = window.Height();
    const int x = work.right - window.Width();
    const int y = work.bottom - std::min(m_nSlideOffset, height);
    // On top but not active: the keyboard stays with whatever the trader is typing in.
    SetWindowPos(&CWnd::wndTop, x, y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    if (m_nSlideOffset > height)
        KillTimer(IDT_ORDALARM_SLIDE);
    m_nSlideOffset += m_nScrollStep;
}

void COrdAlarm::OnButton(UINT nID)
{
    if (nID == IDC_ORDALARM_CLEAR) {
        if (m_pGrid != NULL)
            m_pGrid->SetData(NULL, 0);
    } else if (nID == IDC_ORDALARM_HIDE) {
        Hide();
    }
}

void COrdAlarm::Hide()
{
    // A slide still running would show the window again at its next tick.
    KillTimer(IDT_ORDALARM_SLIDE);
    ShowWindow(SW_HIDE);
}

void COrdAlarm::OnClose()
{
    // Never destroyed by the user: the next alarm slides it up again.
    Hide();
}

void COrdAlarm::OnCancel()
{
    // The skinned title bar turns a close (its box, Alt+F4) into IDCANCEL: hide, never end.
    Hide();
}

void COrdAlarm::ApplyBSColor(void* field, tagCell* cell, void* info)
{
    (void)info;
    if (field == NULL || cell == NULL)
        return;
    const bool buy = *static_cast<const char*>(field) == '2';
    PutCellText(cell, buy ? "매수" : "매도");
    cell->pForeColor = CColorMap::GetColorInfo(buy ? 102 : 103);
}

void COrdAlarm::DrawRTColor(void* field, tagCell* cell, void* info)
{
    (void)info;
    if (field == NULL || cell == NULL)
        return;
    int state = 0;
    memcpy(&state, field, sizeof state);
    WORD colour = 0;
    switch (state) {
    case 1: colour = 101; break;
    case 2: colour = 103; break;
    case 3: colour = 102; break;
    default: return;
    }
    cell->pForeColor = CColorMap::GetColorInfo(colour);
}
