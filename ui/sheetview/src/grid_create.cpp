// The grid window: class registration, creation, the cell arrays and their release, fonts.
#include "Grid.h"

#include <cstring>

#include "CellText.h"
#include "ColorMap.h"
#include "ResourceMap.h"
#include "SharedData.h"

IMPLEMENT_DYNAMIC(CGrid, CWnd)

BEGIN_MESSAGE_MAP(CGrid, CWnd)
    ON_WM_PAINT()
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_HSCROLL()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_LBUTTONUP()
    ON_WM_KILLFOCUS()
    ON_WM_SETCURSOR()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_CAPTURECHANGED()
    ON_MESSAGE(WM_GRID_SETEDITDATA, OnSetEditData)
    ON_WM_RBUTTONDOWN()
    ON_MESSAGE(WM_GRID_IDENTIFY, OnIdentify)
END_MESSAGE_MAP()

int CGrid::m_bRegisted = 0;
CString CGrid::m_strClassName = "Quelmar_GRID";

namespace {

const int kDefaultColumnPitch = 60;
const int kDefaultRowHeight = 23;
const char kFontFace[] = "굴림체";
const char kMeasureSample[] = "한";

} // namespace

CGrid::CGrid()
    : m_nID(0), m_nHScroll(0), m_nVScroll(0), m_nRowHeadCount(1), m_nColHeadCount(1), m_nRowCount(5),
      m_nColCount(5), m_nDefRowHeight(kDefaultRowHeight), m_pBorderColor(NULL), m_pHeaderLineColor(NULL),
      m_pUpColor(NULL), m_pDownColor(NULL), m_pHighlightColor(NULL), m_pDefBackColor(NULL), m_pBmpUncheck(NULL),
      m_pBmpCheck(NULL), m_pBmp301(NULL), m_pBmp302(NULL), m_nBoxWidth(0), m_nBoxHeight(0), m_nBorderWidth(1),
      m_pRowExt(NULL), m_pColExt(NULL), m_ppCells(NULL), m_bUseCellSelect(1), m_bKeepSelection(0),
      m_nPressCol(-1), m_nPressRow(-1), m_nAnchorCol(-1), m_nAnchorRow(-1), m_nCursorState(CURSOR_ARROW),
      m_bCapturing(0), m_bEditing(0), m_nFontHeight(12), m_nTextHeight(0),
      m_hRangeDC(NULL), m_nRangeAlign(0), m_nRangeAlignOld(0), m_hRangeFont(NULL),
      m_clrRangeText(CLR_INVALID)
{
    for (HCURSOR& cursor : m_hCursor)
        cursor = NULL;
}

CGrid::~CGrid()
{
    // A grid destroyed without its window (or never created) still frees its cells.
    FreeCellArrays();
    m_setSelected.clear();
}

BOOL CGrid::RegisterControl()
{
    if (m_bRegisted)
        return TRUE;
    WNDCLASS wc;
    memset(&wc, 0, sizeof wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = ::DefWindowProc;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hIcon = ::LoadIcon(NULL, IDI_APPLICATION);
    wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
    wc.lpszClassName = m_strClassName;
    m_bRegisted = AfxRegisterClass(&wc) ? 1 : 0;
    return m_bRegisted;
}

int CGrid::Create(UINT colHeadCount, UINT rowHeadCount, UINT columnCount, UINT rowCount, DWORD style,
                  const CRect& rect, CWnd* parent, UINT id)
{
    if (!RegisterControl())
        return 0;
    m_nColHeadCount = colHeadCount;
    m_nRowHeadCount = rowHeadCount;
    m_nColCount = columnCount;
    m_nRowCount = rowCount;
    m_nID = id;

    m_pBorderColor = CColorMap::GetColorInfo(GRID_CLR_BORDER);
    m_pHeaderLineColor = CColorMap::GetColorInfo(GRID_CLR_HEADER_LINE);
    m_pUpColor = CColorMap::GetColorInfo(GRID_CLR_UP);
    m_pDownColor = CColorMap::GetColorInfo(GRID_CLR_DOWN);
    m_pHighlightColor = CColorMap::GetColorInfo(GRID_CLR_HIGHLIGHT);
    m_pDefBackColor = CColorMap::GetColorInfo(GRID_CLR_BACK);

    m_pBmpUncheck = CResourceMap::GetBitmap(GRID_BMP_UNCHECKED);
    m_pBmpCheck = CResourceMap::GetBitmap(GRID_BMP_CHECKED);
    m_pBmp301 = CResourceMap::GetBitmap(GRID_BMP_301);
    m_pBmp302 = CResourceMap::GetBitmap(GRID_BMP_302);
    m_nBoxWidth = m_nBoxHeight = 0;
    BITMAP info;
    if (m_pBmpUncheck != NULL && m_pBmpUncheck->GetSafeHandle() != NULL &&
        m_pBmpUncheck->GetBitmap(&info) != 0) {
        m_nBoxWidth = info.bmWidth;
        m_nBoxHeight = info.bmHeight;
    }

    return CWnd::CreateEx(0, m_strClassName, "", style | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, rect, parent, id) ? 1 : 0;
}

int CGrid::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;

    // Themes off: the grid and its editor draw everything themselves.
    SetWindowTheme(L"", L"");

    CreateFonts();
    MeasureTextHeight();
    CreateCellArrays(m_nColCount, m_nRowCount);

    for (UINT col = 0; col < m_nColCount; ++col) {
        for (UINT row = 0; row < m_nRowCount; ++row) {
            if (row >= m_nRowHeadCount && col >= m_nColHeadCount)
                continue;
            tagCell& cell = m_ppCells[col][row];
            cell.nFlags = (cell.nFlags & ~GCF_STYLE_MASK) | GCS_HEADER | GCF_FIXTEXT;
            cell.pBackColor = CColorMap::GetColorInfo(GRID_CLR_HEADER_BACK);
        }
    }

    // Loaded cursors are shared and never freed: load them once for every grid of the process
    // (five loads cost half a millisecond per grid under some systems).
    struct Cursors
    {
        HCURSOR handle[CURSOR_COUNT];
    };
    static const Cursors cursors = [] {
        Cursors loaded = {};
        loaded.handle[CURSOR_ARROW] = ::LoadCursor(NULL, IDC_ARROW);
        for (int i = 0; i < 2; ++i) {
            LPCSTR name = MAKEINTRESOURCE(IDC_GRID_CURSOR1 + i);
            loaded.handle[CURSOR_RES1 + i] = ::LoadCursor(AfxFindResourceHandle(name, RT_GROUP_CURSOR), name);
        }
        loaded.handle[CURSOR_IBEAM] = ::LoadCursor(NULL, IDC_IBEAM);
        loaded.handle[CURSOR_HAND] = ::LoadCursor(NULL, IDC_HAND);
        return loaded;
    }();
    for (int i = 0; i < CURSOR_COUNT; ++i)
        m_hCursor[i] = cursors.handle[i];

    m_wndEdit.Create(0, WS_CHILD | WS_BORDER, CRect(0, 0, 100, 100), this, IDC_GRIDEDIT);
    CFont* font = CSharedData::GetDefaultFont(1);
    if (font != NULL)
        m_wndEdit.SetFont(font);
    m_wndEdit.SetMargins(0, 1, 0, 0);
    m_wndEdit.SetMaxLength(CGridEdit::LengthFor(kNewCellBuffer));
    return 0;
}

void CGrid::OnDestroy()
{
    CWnd::OnDestroy();
    ClearSelection(1);
    FreeCellArrays();
    m_fontNormal.DeleteObject();
    m_fontBold.DeleteObject();
}

void CGrid::CreateFonts()
{
    m_fontNormal.DeleteObject();
    m_fontBold.DeleteObject();
    m_fontNormal.CreateFont(m_nFontHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0x20, kFontFace);
    m_fontBold.CreateFont(m_nFontHeight, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0x20, kFontFace);
}

void CGrid::MeasureTextHeight()
{
    if (m_hWnd == NULL)
        return;
    CClientDC dc(this);
    CFont* old = dc.SelectObject(&m_fontNormal);
    m_nTextHeight = dc.GetTextExtent(kMeasureSample, (int)strlen(kMeasureSample)).cy;
    dc.SelectObject(old);
}

void CGrid::SetGridFontSize(int size)
{
    m_nFontHeight = size;
    CreateFonts();
    MeasureTextHeight();
    RepaintAll(FALSE);
}

void CGrid::InitCell(tagCell& cell)
{
    memset(&cell, 0, sizeof cell);
    cell.nFlags = 1; // centred
    cell.pszText = new char[kNewCellBuffer + 1];
    memset(cell.pszText, 0, kNewCellBuffer + 1);
    cell.nBufSize = kNewCellBuffer;
    cell.pBackColor = CColorMap::GetColorInfo(GRID_CLR_BACK);
    cell.pForeColor = CColorMap::GetColorInfo(GRID_CLR_FORE);
    cell.clrBadge = ColorOf(cell.pBackColor, RGB(255, 255, 255));
}

int CGrid::CreateCellArrays(UINT columns, UINT rows)
{
    FreeCellArrays();
    m_ppCells = new tagCell*[columns > 0 ? columns : 1];
    for (UINT col = 0; col < columns; ++col) {
        m_ppCells[col] = new tagCell[rows > 0 ? rows : 1];
        for (UINT row = 0; row < rows; ++row)
            InitCell(m_ppCells[col][row]);
    }
    m_pRowExt = new tagExtent[rows > 0 ? rows : 1];
    for (UINT row = 0; row < rows; ++row) {
        m_pRowExt[row].nStart = (WORD)(m_nBorderWidth + m_nDefRowHeight * row);
        m_pRowExt[row].nSize = (WORD)(m_nDefRowHeight - m_nBorderWidth);
        m_pRowExt[row].nFlags = 0;
    }
    m_pColExt = new tagExtent[columns > 0 ? columns : 1];
    for (UINT col = 0; col < columns; ++col) {
        m_pColExt[col].nStart = (WORD)(m_nBorderWidth + kDefaultColumnPitch * col);
        m_pColExt[col].nSize = (WORD)(kDefaultColumnPitch - m_nBorderWidth);
        m_pColExt[col].nFlags = 0;
    }
    m_nColCount = columns;
    m_nRowCount = rows;
    return 1;
}

void CGrid::FreeCellArrays()
{
    if (m_ppCells != NULL) {
        for (UINT col = 0; col < m_nColCount; ++col) {
            for (UINT row = 0; row < m_nRowCount; ++row)
                delete[] m_ppCells[col][row].pszText;
            delete[] m_ppCells[col];
        }
        delete[] m_ppCells;
        m_ppCells = NULL;
    }
    delete[] m_pRowExt;
    m_pRowExt = NULL;
    delete[] m_pColExt;
    m_pColExt = NULL;
}

void CGrid::OnPaint()
{
    // The plain grid draws nothing: the table and the lists paint its cells.
    CPaintDC dc(this);
}

void CGrid::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    CWnd::OnHScroll(nSBCode, nPos, pScrollBar);
}

LRESULT CGrid::OnIdentify(WPARAM, LPARAM)
{
    return GRID_IDENTITY;
}
