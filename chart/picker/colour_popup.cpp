// CColourPopup: the picker's palette window, its layout on the screen, pointer and keys, and
// the custom entry's system colour dialog.
#include "ColourPicker.h"

#include <commdlg.h>

#include "../model/graphkit_module.h"

const ColourTableEntry COLOUR_TABLE[40] = {
    {RGB(0, 0, 0), "Black"},           {RGB(165, 42, 0), "Brown"},          {RGB(0, 64, 64), "Dark Olive Green"},
    {RGB(0, 85, 0), "Dark Green"},     {RGB(0, 0, 94), "Dark Teal"},        {RGB(0, 0, 139), "Dark blue"},
    {RGB(75, 0, 130), "Indigo"},       {RGB(40, 40, 40), "Dark grey"},      {RGB(139, 0, 0), "Dark red"},
    {RGB(255, 104, 32), "Orange"},     {RGB(139, 139, 0), "Dark yellow"},   {RGB(0, 147, 0), "Green"},
    {RGB(56, 142, 142), "Teal"},       {RGB(0, 0, 255), "Blue"},            {RGB(123, 123, 192), "Blue-grey"},
    {RGB(102, 102, 102), "Grey - 40"}, {RGB(255, 0, 0), "Red"},             {RGB(255, 173, 91), "Light orange"},
    {RGB(50, 205, 50), "Lime"},        {RGB(60, 179, 113), "Sea green"},    {RGB(127, 255, 212), "Aqua"},
    {RGB(125, 158, 192), "Light blue"}, {RGB(128, 0, 128), "Violet"},       {RGB(127, 127, 127), "Grey - 50"},
    {RGB(255, 192, 203), "Pink"},      {RGB(255, 215, 0), "Gold"},          {RGB(255, 255, 0), "Yellow"},
    {RGB(0, 255, 0), "Bright green"},  {RGB(64, 224, 208), "Turquoise"},    {RGB(192, 255, 255), "Skyblue"},
    {RGB(72, 0, 72), "Plum"},          {RGB(192, 192, 192), "Light grey"},  {RGB(255, 228, 225), "Rose"},
    {RGB(210, 180, 140), "Tan"},       {RGB(255, 255, 224), "Light yellow"}, {RGB(152, 251, 152), "Pale green "},
    {RGB(175, 238, 238), "Pale turquoise"}, {RGB(104, 131, 139), "Pale blue"}, {RGB(230, 230, 250), "Lavender"},
    {RGB(255, 255, 255), "White"},
};

namespace
{
const int kCustom = -2;
const int kNone = -1;

// The system colour dialog, full open, any colour, with the library's resources current.
BOOL RunChooseColour(CWnd* owner, COLORREF& colour)
{
    static COLORREF custom[16] = {};
    const HINSTANCE previous = AfxGetResourceHandle();
    AfxSetResourceHandle(GraphKitInstance());
    CHOOSECOLORA choose = {};
    choose.lStructSize = sizeof(choose);
    choose.hwndOwner = owner ? owner->GetSafeHwnd() : NULL;
    choose.rgbResult = colour;
    choose.lpCustColors = custom;
    choose.Flags = CC_FULLOPEN | CC_ANYCOLOR | CC_RGBINIT;
    const BOOL ok = ::ChooseColorA(&choose);
    AfxSetResourceHandle(previous);
    if (ok)
        colour = choose.rgbResult;
    return ok;
}

CColourPopup::ChooseColourFn g_chooseColour = RunChooseColour;
} // namespace

void CColourPopup::SetChooseColour(ChooseColourFn fn)
{
    g_chooseColour = fn ? fn : RunChooseColour;
}

CRect PlaceColourPopup(CPoint topLeft, CSize size, int buttonHeight, CSize screen)
{
    CRect rect(topLeft, size);
    if (rect.right > screen.cx)
        rect.OffsetRect(screen.cx - rect.right, 0);
    if (rect.left < 0)
        rect.OffsetRect(-rect.left, 0);
    if (rect.bottom > screen.cy)
        rect.OffsetRect(0, -(size.cy + buttonHeight));
    return rect;
}

ColourCell MoveColourCell(ColourCell cell, UINT key, int rows, int columns, BOOL customEntry)
{
    const BOOL none = cell.row == kNone || cell.column == kNone;
    const BOOL custom = cell.row == kCustom;
    switch (key)
    {
    case VK_DOWN:
        if (none || custom)
            return {0, 0};
        if (cell.row < rows - 1)
            return {cell.row + 1, cell.column};
        return customEntry ? ColourCell{kCustom, kCustom} : ColourCell{0, cell.column};
    case VK_UP:
        if (none || custom)
            return {rows - 1, 0};
        if (cell.row > 0)
            return {cell.row - 1, cell.column};
        return customEntry ? ColourCell{kCustom, kCustom} : ColourCell{rows - 1, cell.column};
    case VK_RIGHT:
        if (none || custom)
            return {0, 0};
        return {cell.row, cell.column < columns - 1 ? cell.column + 1 : 0};
    case VK_LEFT:
        if (none || custom)
            return {rows - 1, columns - 1};
        return {cell.row, cell.column > 0 ? cell.column - 1 : columns - 1};
    default:
        return cell;
    }
}

BEGIN_MESSAGE_MAP(CColourPopup, CWnd)
    ON_WM_PAINT()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_KEYDOWN()
    ON_MESSAGE(WM_QUERYNEWPALETTE, OnPaletteMessage)
    ON_MESSAGE(WM_PALETTECHANGED, OnPaletteMessage)
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

CColourPopup::CColourPopup(CPoint topLeft, COLORREF initial, CColourPicker* picker, LPCSTR customText)
    : m_nNumColours(40), m_nNumColumns(8), m_nNumRows(5), m_nBoxSize(18), m_nMargin(::GetSystemMetrics(SM_CXEDGE)),
      m_nCurrentRow(kNone), m_nCurrentColumn(kNone), m_nChosenRow(kNone), m_nChosenColumn(kNone), m_bCustomEntry(1),
      m_rcCustom(0, 0, 0, 0), m_rcWindow(0, 0, 0, 0), m_crInitial(initial), m_crCurrent(initial), m_pPicker(picker),
      m_bEnded(FALSE)
{
    Create(topLeft, initial, picker, customText);
}

CColourPopup::~CColourPopup() {}

BOOL CColourPopup::Create(CPoint topLeft, COLORREF initial, CColourPicker* picker, LPCSTR customText)
{
    m_pPicker = picker;
    m_crInitial = m_crCurrent = initial;
    m_strCustomText = customText ? customText : "";
    m_bCustomEntry = m_strCustomText.IsEmpty() ? 0 : 1;
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof(metrics);
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        m_Font.CreateFontIndirect(&metrics.lfMessageFont);
    LPCTSTR cls = AfxRegisterWndClass(CS_SAVEBITS | CS_CLASSDC | CS_HREDRAW | CS_VREDRAW,
                                      ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)::GetStockObject(LTGRAY_BRUSH), 0);
    if (!CreateEx(0, cls, "", WS_VISIBLE | WS_POPUP, topLeft.x, topLeft.y, 100, 100,
                  picker ? picker->GetSafeHwnd() : NULL, NULL))
        return FALSE;
    if (m_nBoxSize - 2 * m_nMargin - 2 < 5)
        m_nBoxSize = 2 * m_nMargin + 7;
    Layout();
    for (int i = 0; i < m_nNumColours; ++i)
        if (COLOUR_TABLE[i].colour == initial)
        {
            m_nChosenRow = i / m_nNumColumns;
            m_nChosenColumn = i % m_nNumColumns;
            break;
        }
    if (m_nChosenRow == kNone && m_bCustomEntry)
        m_nChosenRow = m_nChosenColumn = kCustom;
    SetCapture();
    SetFocus();
    return TRUE;
}

void CColourPopup::Layout()
{
    m_nNumRows = m_nNumColours / m_nNumColumns + (m_nNumColours % m_nNumColumns ? 1 : 0);
    CSize size(m_nNumColumns * m_nBoxSize + 2 * m_nMargin, m_nNumRows * m_nBoxSize + 2 * m_nMargin);
    int boxHeight = 0;
    if (m_bCustomEntry)
    {
        CClientDC dc(this);
        CFont* old = m_Font.GetSafeHandle() ? dc.SelectObject(&m_Font) : nullptr;
        CSize text = dc.GetTextExtent(m_strCustomText);
        if (old)
            dc.SelectObject(old);
        text.cx += 2 * m_nMargin;
        text.cy += 2 * m_nMargin;
        boxHeight = text.cy;
        size.cy += m_nMargin + boxHeight;
        if (text.cx > size.cx)
            size.cx = text.cx;
        m_rcCustom = CRect(m_nMargin, m_nMargin, size.cx - m_nMargin, boxHeight + m_nMargin);
    }
    CRect button(0, 0, 0, 0);
    if (m_pPicker && m_pPicker->GetSafeHwnd())
        m_pPicker->GetWindowRect(&button);
    CRect now;
    GetWindowRect(&now);
    m_rcWindow = PlaceColourPopup(now.TopLeft(), size, button.Height(),
                                  CSize(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)));
    MoveWindow(&m_rcWindow, TRUE);
    m_ToolTip.Create(this);
    for (int i = 0; i < m_nNumColours; ++i)
    {
        CRect cell = GetCellRect(i / m_nNumColumns, i % m_nNumColumns);
        m_ToolTip.AddTool(this, COLOUR_TABLE[i].name, &cell, UINT_PTR(i + 1));
    }
}

CRect CColourPopup::GetCellRect(int row, int column) const
{
    if (row == kCustom)
        return m_rcCustom;
    const int top = m_nMargin + row * m_nBoxSize + (m_bCustomEntry ? m_rcCustom.Height() : 0);
    const int left = m_nMargin + column * m_nBoxSize;
    return CRect(left, top, left + m_nBoxSize, top + m_nBoxSize);
}

COLORREF CColourPopup::ColourAt(int row, int column) const
{
    const int index = row * m_nNumColumns + column;
    if (row < 0 || column < 0 || index >= m_nNumColours)
        return m_crInitial;
    return COLOUR_TABLE[index].colour;
}

void CColourPopup::ChangeHot(int row, int column)
{
    if (row == m_nCurrentRow && column == m_nCurrentColumn)
        return;
    m_nCurrentRow = row;
    m_nCurrentColumn = column;
    m_crCurrent = row == kCustom ? m_crInitial : ColourAt(row, column);
    Invalidate(FALSE);
    if (m_pPicker && m_pPicker->GetSafeHwnd())
        m_pPicker->SendMessage(CPN_SELCHANGE, (WPARAM)m_crCurrent, 0);
}

BOOL CColourPopup::PreTranslateMessage(MSG* pMsg)
{
    if (m_ToolTip.GetSafeHwnd())
        m_ToolTip.RelayEvent(pMsg);
    return CWnd::PreTranslateMessage(pMsg);
}

void CColourPopup::OnMouseMove(UINT nFlags, CPoint point)
{
    CWnd::OnMouseMove(nFlags, point);
    if (m_bCustomEntry && m_rcCustom.PtInRect(point))
    {
        ChangeHot(kCustom, kCustom);
        return;
    }
    const int x = point.x - m_nMargin;
    const int y = point.y - m_nMargin - (m_bCustomEntry ? m_rcCustom.Height() : 0);
    if (x < 0 || y < 0)
        return;
    const int row = y / m_nBoxSize, column = x / m_nBoxSize;
    if (row >= m_nNumRows || column >= m_nNumColumns || row * m_nNumColumns + column >= m_nNumColours)
        return;
    ChangeHot(row, column);
}

void CColourPopup::OnLButtonUp(UINT nFlags, CPoint point)
{
    CWnd::OnLButtonUp(nFlags, point);
    CPoint screen = point;
    ClientToScreen(&screen);
    CRect window;
    GetWindowRect(&window);
    EndSelection(window.PtInRect(screen));
}

void CColourPopup::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    switch (nChar)
    {
    case VK_DOWN:
    case VK_UP:
    case VK_LEFT:
    case VK_RIGHT:
    {
        const ColourCell next = MoveColourCell({m_nCurrentRow, m_nCurrentColumn}, nChar, m_nNumRows, m_nNumColumns,
                                               m_bCustomEntry);
        ChangeHot(next.row, next.column);
        return;
    }
    case VK_RETURN:
        EndSelection(TRUE);
        return;
    case VK_ESCAPE:
        m_crCurrent = m_crInitial;
        EndSelection(FALSE);
        return;
    default:
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
    }
}

void CColourPopup::EndSelection(BOOL confirm)
{
    if (m_bEnded)
        return;
    m_bEnded = TRUE;
    if (GetCapture() == this)
        ReleaseCapture();
    if (confirm && m_nCurrentRow == kCustom)
    {
        // Cancel in the system dialog still confirms, with the initial colour.
        COLORREF chosen = m_crInitial;
        m_crCurrent = g_chooseColour(this, chosen) ? chosen : m_crInitial;
    }
    if (!confirm)
        m_crCurrent = m_crInitial;
    if (m_pPicker && m_pPicker->GetSafeHwnd())
    {
        m_pPicker->SendMessage(confirm ? CPN_SELENDOK : CPN_SELENDCANCEL, (WPARAM)m_crCurrent, 0);
        // The popup took the keyboard for its keys: hand it back to the button.
        if (GetFocus() == this)
            m_pPicker->SetFocus();
    }
    DestroyWindow();
}

LRESULT CColourPopup::OnPaletteMessage(WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    // Another window's palette change, or a query for a new one: the colours may have moved.
    if (HWND(wParam) != GetSafeHwnd())
        Invalidate(FALSE);
    return Default();
}

void CColourPopup::OnPaint()
{
    CPaintDC dc(this);
    const COLORREF face = ::GetSysColor(COLOR_3DFACE), shadow = ::GetSysColor(COLOR_3DSHADOW),
                   light = ::GetSysColor(COLOR_3DHILIGHT);
    if (m_bCustomEntry)
    {
        CRect box = m_rcCustom;
        dc.FillSolidRect(&box, face);
        if (m_nCurrentRow == kCustom)
            dc.DrawEdge(&box, EDGE_RAISED, BF_RECT);
        else if (m_nChosenRow == kCustom)
            dc.DrawEdge(&box, EDGE_SUNKEN, BF_RECT);
        CFont* old = m_Font.GetSafeHandle() ? dc.SelectObject(&m_Font) : nullptr;
        const int oldMode = dc.SetBkMode(TRANSPARENT);
        dc.DrawText(m_strCustomText, &box, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
        dc.SetBkMode(oldMode);
        if (old)
            dc.SelectObject(old);
        const int y = box.bottom + m_nMargin / 2;
        dc.FillSolidRect(2 * m_nMargin, y, box.right - m_nMargin, 1, shadow);
        dc.FillSolidRect(2 * m_nMargin, y + 1, box.right - m_nMargin, 1, light);
    }
    for (int i = 0; i < m_nNumColours; ++i)
    {
        const int row = i / m_nNumColumns, column = i % m_nNumColumns;
        CRect cell = GetCellRect(row, column);
        const BOOL chosen = row == m_nChosenRow && column == m_nChosenColumn;
        const BOOL hot = row == m_nCurrentRow && column == m_nCurrentColumn;
        dc.FillSolidRect(&cell, chosen && !hot ? light : face);
        if (chosen)
            dc.DrawEdge(&cell, EDGE_SUNKEN, BF_RECT);
        else if (hot)
            dc.DrawEdge(&cell, EDGE_RAISED, BF_RECT);
        CRect swatch = cell;
        swatch.DeflateRect(m_nMargin + 1, m_nMargin + 1);
        dc.FillSolidRect(&swatch, shadow);
        swatch.DeflateRect(1, 1);
        dc.FillSolidRect(&swatch, COLOUR_TABLE[i].colour);
    }
    CRect client;
    GetClientRect(&client);
    dc.DrawEdge(&client, EDGE_RAISED, BF_RECT);
}

void CColourPopup::OnNcDestroy()
{
    if (m_pPicker && m_pPicker->m_pPopup == this)
        m_pPicker->m_pPopup = nullptr;
    CWnd::OnNcDestroy();
}

void CColourPopup::PostNcDestroy()
{
    delete this;
}
