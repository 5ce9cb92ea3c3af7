// CSComboBox: colours, the embedded edit, selection by text or data with notices, drop width
// and list row height.
#include "SComboBox.h"

#include <algorithm>

#include "ColorMap.h"
#include "ResourceMap.h"

IMPLEMENT_DYNAMIC(CSComboBox, CComboBox)

BEGIN_MESSAGE_MAP(CSComboBox, CComboBox)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_DESTROY()
    ON_WM_CTLCOLOR()
    ON_WM_CTLCOLOR_REFLECT()
    ON_CONTROL_REFLECT_EX(CBN_DROPDOWN, OnDropDown)
    ON_CONTROL_REFLECT_EX(CBN_SELENDCANCEL, OnSelEndCancel)
    ON_MESSAGE(WM_SEDIT_CHAR, OnEditChar)
    ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

CSComboBox::CSComboBox()
    : m_clrText(::GetSysColor(COLOR_WINDOWTEXT)), m_clrBack(::GetSysColor(COLOR_WINDOW)),
      m_clrOutline(CColorMap::GetColor(301)), m_bFlat(TRUE), m_bOutline(TRUE), m_rcArrow(0, 0, 0, 0)
{
    ReadSystemColours();
    CreateBrushType();
    Initialize(1);
}

CSComboBox::~CSComboBox()
{
    ReleaseArrows();
}

void CSComboBox::ReadSystemColours()
{
    m_clrFace = ::GetSysColor(COLOR_BTNFACE);
    m_clrLight = ::GetSysColor(COLOR_3DLIGHT);
    m_clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    m_clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    m_clrDkShadow = ::GetSysColor(COLOR_3DDKSHADOW);
}

void CSComboBox::CreateBrushType()
{
    m_brBack.DeleteObject();
    m_brBack.CreateSolidBrush(m_clrBack);
}

void CSComboBox::ReleaseArrows()
{
    // Borrowed from the image map or the caller: let go, never delete.
    m_bmpArrow.Detach();
    m_bmpArrowDropped.Detach();
}

void CSComboBox::Initialize(int reserved)
{
    (void)reserved;
    CBitmap* normal = CResourceMap::GetBitmap(919);
    CBitmap* dropped = CResourceMap::GetBitmap(920);
    SetBitmap(normal, dropped);
}

void CSComboBox::SetBitmap(CBitmap* normal, CBitmap* dropped)
{
    if (normal == NULL || dropped == NULL || normal->GetSafeHandle() == NULL || dropped->GetSafeHandle() == NULL)
        return;
    ReleaseArrows();
    m_bmpArrow.Attach(normal->GetSafeHandle());
    m_bmpArrowDropped.Attach(dropped->GetSafeHandle());
}

HBITMAP CSComboBox::GetArrowBitmap(BOOL dropped) const
{
    return static_cast<HBITMAP>(dropped ? m_bmpArrowDropped.GetSafeHandle() : m_bmpArrow.GetSafeHandle());
}

COLORREF CSComboBox::SetBackColor(COLORREF colour)
{
    const COLORREF previous = m_clrBack;
    m_clrBack = colour;
    CreateBrushType();
    m_edit.SetBackColor(colour);
    if (m_hWnd != NULL)
        Invalidate();
    return previous;
}

COLORREF CSComboBox::SetTextColor(COLORREF colour)
{
    const COLORREF previous = m_clrText;
    m_clrText = colour;
    m_edit.SetTextColor(colour);
    if (m_hWnd != NULL)
        Invalidate();
    return previous;
}

int CSComboBox::AddString(const char* text)
{
    return CComboBox::AddString(text);
}

int CSComboBox::AddString(const char* text, DWORD data)
{
    const int index = CComboBox::AddString(text);
    if (index >= 0)
        SetItemData(index, data);
    return index < 0 ? -1 : index;
}

CString CSComboBox::GetCurSelString() const
{
    CString text;
    const int index = GetCurSel();
    if (index >= 0)
        GetLBText(index, text);
    return text;
}

DWORD CSComboBox::GetCurSelData() const
{
    const int index = GetCurSel();
    return index >= 0 ? static_cast<DWORD>(GetItemData(index)) : static_cast<DWORD>(-1);
}

void* CSComboBox::GetCurSelDataPtr() const
{
    const int index = GetCurSel();
    return index >= 0 ? GetItemDataPtr(index) : NULL;
}

void CSComboBox::NotifySelChange()
{
    CWnd* parent = GetParent();
    if (parent != NULL)
        parent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), CBN_SELCHANGE), reinterpret_cast<LPARAM>(m_hWnd));
}

int CSComboBox::SetCurSelEx(int index, BOOL notify)
{
    const int result = SetCurSel(index);
    if (notify)
        NotifySelChange();
    return result;
}

int CSComboBox::SetCurSelString(const char* text, BOOL notify)
{
    int found = -1;
    const int count = GetCount();
    for (int i = 0; i < count && found < 0; ++i) {
        CString item;
        GetLBText(i, item);
        if (item == text)
            found = i;
    }
    SetCurSel(found);
    if (notify)
        NotifySelChange();
    return found;
}

int CSComboBox::SetCurSelDataPtr(void* data, BOOL notify)
{
    int found = -1;
    const int count = GetCount();
    for (int i = 0; i < count && found < 0; ++i)
        if (GetItemDataPtr(i) == data)
            found = i;
    SetCurSel(found);
    if (notify)
        NotifySelChange();
    return found;
}

int CSComboBox::SetCurSelData(DWORD data, BOOL notify)
{
    const int count = GetCount();
    for (int i = 0; i < count; ++i) {
        if (static_cast<DWORD>(GetItemData(i)) == data) {
            const int result = SetCurSel(i);
            if (notify)
                NotifySelChange();
            return result;
        }
    }
    return -1;
}

void CSComboBox::AttachEdit()
{
    if (m_edit.m_hWnd != NULL || m_hWnd == NULL)
        return;
    HWND edit = ::GetDlgItem(m_hWnd, SCOMBO_EDIT_ID);
    if (edit != NULL)
        m_edit.SubclassWindow(edit);
}

void CSComboBox::PreSubclassWindow()
{
    CComboBox::PreSubclassWindow();
}

int CSComboBox::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CComboBox::OnCreate(lpCreateStruct) == -1)
        return -1;
    AttachEdit();
    FitListRows();
    return 0;
}

int CSComboBox::SystemRowPadding()
{
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    int fontHeight = 0;
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        HFONT font = ::CreateFontIndirectA(&metrics.lfMenuFont);
        HDC dc = ::GetDC(NULL);
        HGDIOBJ old = ::SelectObject(dc, font);
        TEXTMETRICA tm;
        if (::GetTextMetricsA(dc, &tm))
            fontHeight = tm.tmHeight;
        ::SelectObject(dc, old);
        ::ReleaseDC(NULL, dc);
        ::DeleteObject(font);
    }
    // Never so little that two lines of text touch.
    const int kLeast = 2;
    return fontHeight > 0 ? std::max(kLeast, ::GetSystemMetrics(SM_CYMENUSIZE) - fontHeight) : kLeast;
}

void CSComboBox::FitListRows()
{
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    if (m_hWnd == NULL || !::GetComboBoxInfo(m_hWnd, &info) || info.hwndList == NULL)
        return;
    CClientDC dc(this);
    CFont* font = GetFont();
    CFont* old = font != NULL ? dc.SelectObject(font) : NULL;
    TEXTMETRIC tm;
    const BOOL measured = dc.GetTextMetrics(&tm);
    if (old != NULL)
        dc.SelectObject(old);
    if (!measured)
        return;
    // To the list itself: the combo passes a row height on only when it draws its own items.
    ::SendMessageA(info.hwndList, LB_SETITEMHEIGHT, 0, MAKELPARAM(tm.tmHeight + SystemRowPadding(), 0));
}

void CSComboBox::OnSize(UINT nType, int cx, int cy)
{
    CComboBox::OnSize(nType, cx, cy);
    AttachEdit();
    if (m_edit.m_hWnd != NULL) {
        CRect rect;
        m_edit.GetWindowRect(&rect);
        ScreenToClient(&rect);
        rect.OffsetRect(0, 1);
        m_edit.MoveWindow(&rect);
    }
}

void CSComboBox::OnDestroy()
{
    if (m_edit.m_hWnd != NULL)
        m_edit.UnsubclassWindow();
    ReleaseArrows();
    CComboBox::OnDestroy();
}

HBRUSH CSComboBox::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor == CTLCOLOR_EDIT && m_edit.m_hWnd == NULL)
        AttachEdit();
    return CComboBox::OnCtlColor(pDC, pWnd, nCtlColor);
}

HBRUSH CSComboBox::CtlColor(CDC* pDC, UINT nCtlColor)
{
    (void)nCtlColor;
    pDC->SetTextColor(m_clrText);
    pDC->SetBkColor(m_clrBack);
    return static_cast<HBRUSH>(m_brBack.GetSafeHandle());
}

BOOL CSComboBox::OnDropDown()
{
    CClientDC dc(this);
    CFont* old = dc.SelectObject(GetFont());
    int widest = 0;
    const int count = GetCount();
    for (int i = 0; i < count; ++i) {
        CString item;
        GetLBText(i, item);
        const CSize size = dc.GetTextExtent(item);
        if (size.cx > widest)
            widest = size.cx;
    }
    widest += ::GetSystemMetrics(SM_CXVSCROLL) + dc.GetTextExtent("0").cx;
    if (old != NULL)
        dc.SelectObject(old);
    SetDroppedWidth(widest);
    return FALSE; // the parent hears of it too
}

BOOL CSComboBox::OnSelEndCancel()
{
    Invalidate();
    return FALSE;
}

LRESULT CSComboBox::OnEditChar(WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    CWnd* parent = GetParent();
    if (parent != NULL)
        parent->PostMessage(WM_SEDIT_CHAR, wParam, reinterpret_cast<LPARAM>(this));
    return 0;
}

void CSComboBox::OnSysColorChange()
{
    CComboBox::OnSysColorChange();
    ReadSystemColours();
}

BOOL CSComboBox::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_COMMAND)
        Invalidate();
    return CComboBox::PreTranslateMessage(pMsg);
}

LRESULT CSComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && m_hWnd != NULL)
        Invalidate();
    const LRESULT result = CComboBox::WindowProc(message, wParam, lParam);
    // A new font gives the list rows of the font's bare height again.
    if (message == WM_SETFONT && m_hWnd != NULL)
        FitListRows();
    return result;
}
