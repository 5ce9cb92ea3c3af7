// The own-drawn edit: creation, the text API, measuring and painting.
#include "BaseEdit.h"

#include <imm.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <vector>

#include "SharedData.h"
#include "window_class.h"

IMPLEMENT_DYNAMIC(CBaseEdit, CWnd)

BEGIN_MESSAGE_MAP(CBaseEdit, CWnd)
    ON_MESSAGE(WM_IME_COMPOSITION, OnImeComposition)
    ON_MESSAGE(WM_IME_CHAR, OnImeChar)
    ON_MESSAGE(WM_IME_STARTCOMPOSITION, OnImeStartComposition)
    ON_WM_CHAR()
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_LBUTTONDOWN()
    ON_WM_PAINT()
    ON_WM_KEYDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CONTEXTMENU()
    ON_WM_SIZE()
END_MESSAGE_MAP()

BOOL CBaseEdit::s_bRegistered = FALSE;

namespace {

const char kClassName[] = "Quelmar_EDIT";
const char kDoubleByteSample[] = "한";
const int kCaretWidth = 2;
const int kRightAlignGap = 2;

} // namespace

CBaseEdit::CBaseEdit()
    : m_bComposing(FALSE), m_nComposedLength(0), m_nLineHeight(0), m_nDBCSWidth(0), m_nAlign(ALIGN_LEFT),
      m_nTextX(0), m_pBitmap(NULL), m_pFont(NULL), m_clrSelText(::GetSysColor(COLOR_HIGHLIGHTTEXT)),
      m_clrSelBack(::GetSysColor(COLOR_HIGHLIGHT)), m_bSelecting(FALSE), m_nScrollOffset(0), m_nFocusMode(1),
      m_bPassword(FALSE)
{
    memset(m_arrWidth, 0, sizeof m_arrWidth);
    memset(m_nMargin, 0, sizeof m_nMargin);
}

CBaseEdit::~CBaseEdit()
{
    delete m_pBitmap;
}

BOOL CBaseEdit::RegisterEditClass()
{
    if (s_bRegistered)
        return TRUE;
    s_bRegistered =
        window_class::Register(kClassName, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, window_class::ApplicationIcon());
    return s_bRegistered;
}

BOOL CBaseEdit::Create(DWORD exStyle, DWORD style, const CRect& rect, CWnd* parent, UINT id)
{
    if (!RegisterEditClass())
        return FALSE;
    return CWnd::CreateEx(exStyle, kClassName, "", style | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, rect, parent, id);
}

char* CBaseEdit::GetData()
{
    return m_buffer.GetData();
}

void CBaseEdit::SetData(char* text)
{
    if (!m_buffer.SetText(text))
        return;
    m_bComposing = FALSE;
    m_nComposedLength = 0;
    Changed();
}

void CBaseEdit::ClearData(BOOL showCaret)
{
    m_buffer.Clear();
    m_bComposing = FALSE;
    m_nComposedLength = 0;
    RecalcTextX();
    if (m_hWnd != NULL)
        Invalidate(FALSE);
    if (showCaret)
        UpdateCaret();
}

void CBaseEdit::SetMaxLength(int n)
{
    if (!m_buffer.SetMaxLength(n))
        return;
    m_bComposing = FALSE;
    m_nComposedLength = 0;
    RecalcTextX();
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

void CBaseEdit::SetMargins(int left, int top, int right, int bottom)
{
    m_nMargin[0] = left;
    m_nMargin[1] = top;
    m_nMargin[2] = right;
    m_nMargin[3] = bottom;
    if (m_hWnd != NULL)
        SendMessage(WM_SIZE, SIZE_RESTORED, 0);
}

void CBaseEdit::SetAlign(AlignStyle align)
{
    if (m_nAlign == align)
        return;
    m_nAlign = align;
    RecalcTextX();
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

void CBaseEdit::SetFont(CFont* font, BOOL redraw)
{
    if (m_hWnd != NULL)
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font != NULL ? font->GetSafeHandle() : NULL), redraw);
    m_pFont = font;
    RebuildWidthTable();
    RecalcTextX();
    if (m_hWnd != NULL && redraw)
        Invalidate(FALSE);
}

void CBaseEdit::SelectAll()
{
    m_buffer.SelectAll();
    if (m_hWnd != NULL)
        Invalidate(FALSE);
    UpdateCaret();
}

void CBaseEdit::SetPasswordMode(BOOL on)
{
    m_bPassword = on;
    RecalcTextX();
    if (m_hWnd != NULL)
        Invalidate(FALSE);
}

// --- measuring --------------------------------------------------------------------------

namespace {

// The measured widths of one font: every edit (each grid has one) measures the same few fonts,
// and the 130 text extents of a font cost milliseconds under some systems: measure a font once.
struct FontWidths
{
    LOGFONTA font;
    int widths[256];
    int doubleByte;
    int lineHeight;
};

std::mutex g_widthsLock;
std::vector<FontWidths> g_widths;

} // namespace

void CBaseEdit::RebuildWidthTable()
{
    memset(m_arrWidth, 0, sizeof m_arrWidth);
    m_nDBCSWidth = 0;
    m_nLineHeight = 0;
    if (m_hWnd == NULL)
        return;
    // Keyed by what the font is, not by its handle: a deleted handle may come back as another font.
    LOGFONTA key;
    memset(&key, 0, sizeof key);
    const HGDIOBJ handle = m_pFont != NULL ? m_pFont->GetSafeHandle() : NULL;
    const bool keyed = handle != NULL && ::GetObjectA(handle, sizeof key, &key) == sizeof key;
    if (keyed) {
        std::lock_guard<std::mutex> hold(g_widthsLock);
        for (const FontWidths& known : g_widths) {
            if (memcmp(&known.font, &key, sizeof key) == 0) {
                memcpy(m_arrWidth, known.widths, sizeof m_arrWidth);
                m_nDBCSWidth = known.doubleByte;
                m_nLineHeight = known.lineHeight;
                return;
            }
        }
    }
    CClientDC dc(this);
    CFont* old = m_pFont != NULL ? dc.SelectObject(m_pFont) : NULL;
    TEXTMETRIC tm;
    memset(&tm, 0, sizeof tm);
    dc.GetTextMetrics(&tm);
    m_nLineHeight = tm.tmHeight;
    // Every byte that is not a lead byte has an entry, those of 128 and above included.
    for (int b = 0; b < 256; ++b) {
        if (::IsDBCSLeadByte(static_cast<BYTE>(b)))
            continue;
        const char ch = static_cast<char>(b == 0 ? ' ' : b);
        SIZE size = {0, 0};
        ::GetTextExtentPoint32A(dc.GetSafeHdc(), &ch, 1, &size);
        m_arrWidth[b] = size.cx;
    }
    SIZE size = {0, 0};
    ::GetTextExtentPoint32A(dc.GetSafeHdc(), kDoubleByteSample, 2, &size);
    m_nDBCSWidth = size.cx;
    if (old != NULL)
        dc.SelectObject(old);
    if (keyed) {
        FontWidths measured;
        measured.font = key;
        memcpy(measured.widths, m_arrWidth, sizeof m_arrWidth);
        measured.doubleByte = m_nDBCSWidth;
        measured.lineHeight = m_nLineHeight;
        std::lock_guard<std::mutex> hold(g_widthsLock);
        g_widths.push_back(measured);
    }
}

int CBaseEdit::CharWidth(const char* p, int remaining) const
{
    if (m_bPassword)
        return m_arrWidth[static_cast<BYTE>('*')];
    const BYTE b = static_cast<BYTE>(*p);
    if (::IsDBCSLeadByte(b) && remaining > 1)
        return m_nDBCSWidth;
    return m_arrWidth[b];
}

int CBaseEdit::MeasureText(int from, int to) const
{
    const char* text = m_buffer.GetData();
    if (text == NULL)
        return 0;
    to = std::min(to, m_buffer.GetLength());
    int width = 0;
    for (int i = std::max(from, 0); i < to;) {
        const int next = m_buffer.NextChar(i);
        // In password mode every byte is one "*".
        width += m_bPassword ? (next - i) * CharWidth(text + i, to - i) : CharWidth(text + i, to - i);
        i = next;
    }
    return width;
}

int CBaseEdit::HitTest(int x) const
{
    const char* text = m_buffer.GetData();
    if (text == NULL)
        return 0;
    int left = m_nTextX;
    for (int i = 0; i < m_buffer.GetLength();) {
        const int next = m_buffer.NextChar(i);
        const int width = MeasureText(i, next);
        if (left + width / 2 >= x)
            return i;
        left += width;
        i = next;
    }
    return m_buffer.GetLength();
}

void CBaseEdit::RecalcTextX()
{
    const int width = MeasureText(0, m_buffer.GetLength());
    switch (m_nAlign) {
    case ALIGN_CENTER:
        m_nTextX = m_rcText.Width() / 2 - width / 2;
        break;
    case ALIGN_RIGHT:
        m_nTextX = m_rcText.right - width - kRightAlignGap;
        break;
    default:
        m_nTextX = m_nMargin[0] - m_nScrollOffset;
        break;
    }
}

CRect CBaseEdit::GetCaretRect() const
{
    int at = m_buffer.GetCaret();
    int width = kCaretWidth;
    if (m_bComposing) {
        at = std::max(0, at - m_nComposedLength);
        width = MeasureText(at, m_buffer.GetCaret());
    }
    const int x = m_nTextX + MeasureText(0, at);
    return CRect(x, m_nMargin[1], x + width, m_nMargin[1] + m_nLineHeight);
}

void CBaseEdit::UpdateCaret()
{
    // The caret belongs to the focused window; an edit without the focus shows none.
    if (m_hWnd == NULL || ::GetFocus() != m_hWnd)
        return;
    const CRect rc = GetCaretRect();
    ::DestroyCaret();
    ::CreateCaret(m_hWnd, NULL, rc.Width(), rc.Height());
    ::SetCaretPos(rc.left, rc.top);
    ::ShowCaret(m_hWnd);
}

void CBaseEdit::Changed()
{
    RecalcTextX();
    if (m_hWnd != NULL)
        Invalidate(FALSE);
    UpdateCaret();
}

// --- window life and painting ------------------------------------------------------------

int CBaseEdit::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_buffer.Allocate();
    // The class keeps no font of its own (WM_SETFONT is not stored): the default font until
    // SetFont gives another.
    if (m_pFont == NULL)
        m_pFont = CSharedData::GetDefaultFont(1);
    RebuildWidthTable();
    m_clrSelText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    m_clrSelBack = ::GetSysColor(COLOR_HIGHLIGHT);
    SendMessage(WM_SIZE, SIZE_RESTORED, 0);
    return 0;
}

void CBaseEdit::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (nType == SIZE_MINIMIZED)
        return;
    CRect client;
    GetClientRect(&client);
    m_rcText.SetRect(client.left + m_nMargin[0], client.top + m_nMargin[1], client.right - m_nMargin[2],
                     client.bottom - m_nMargin[3]);
    RecalcTextX();
    delete m_pBitmap;
    m_pBitmap = NULL;
}

void CBaseEdit::OnDestroy()
{
    CWnd::OnDestroy();
    m_buffer.Free();
    delete m_pBitmap;
    m_pBitmap = NULL;
}

void CBaseEdit::OnPaint()
{
    CPaintDC paint(this);
    CRect client;
    GetClientRect(&client);
    CDC memDC;
    memDC.CreateCompatibleDC(&paint);
    if (m_pBitmap == NULL) {
        m_pBitmap = new CBitmap;
        m_pBitmap->CreateCompatibleBitmap(&paint, std::max(1, client.Width()), std::max(1, client.Height()));
    }
    CBitmap* oldBitmap = memDC.SelectObject(m_pBitmap);
    CFont* oldFont = m_pFont != NULL ? memDC.SelectObject(m_pFont) : NULL;
    const COLORREF window = ::GetSysColor(COLOR_WINDOW);
    memDC.FillSolidRect(&client, window);

    const char* text = m_buffer.GetData();
    const int length = m_buffer.GetLength();
    if (text != NULL && length > 0) {
        int from = 0, to = 0;
        m_buffer.GetSelRange(from, to);
        const BOOL selectionColours = (::GetFocus() == m_hWnd) || m_nFocusMode != 0;
        struct Run
        {
            int begin, end;
            BOOL selected;
        } const runs[] = {{0, from, FALSE}, {from, to, TRUE}, {to, length, FALSE}};
        CString stars;
        int x = m_nTextX;
        for (const Run& run : runs) {
            if (run.begin >= run.end)
                continue;
            const BOOL useSelection = run.selected && selectionColours;
            memDC.SetTextColor(useSelection ? m_clrSelText : RGB(0, 0, 0));
            memDC.SetBkColor(useSelection ? m_clrSelBack : window);
            memDC.SetBkMode(OPAQUE);
            const int width = MeasureText(run.begin, run.end);
            if (m_bPassword) {
                stars = CString('*', run.end - run.begin);
                memDC.TextOut(x, m_nMargin[1], stars);
            } else {
                memDC.TextOut(x, m_nMargin[1], CString(text + run.begin, run.end - run.begin));
            }
            x += width;
        }
    }
    paint.BitBlt(0, 0, client.Width(), client.Height(), &memDC, 0, 0, SRCCOPY);
    if (oldFont != NULL)
        memDC.SelectObject(oldFont);
    memDC.SelectObject(oldBitmap);
}

void CBaseEdit::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    UpdateCaret();
    if (m_nFocusMode != 2) {
        m_clrSelText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
        m_clrSelBack = ::GetSysColor(COLOR_HIGHLIGHT);
        if (m_buffer.HasSelection())
            Invalidate(FALSE);
    }
}

void CBaseEdit::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    ::DestroyCaret();
    if (m_nFocusMode != 2) {
        m_clrSelText = RGB(0, 0, 0);
        m_clrSelBack = RGB(192, 192, 192);
        if (m_buffer.HasSelection())
            Invalidate(FALSE);
    }
}
