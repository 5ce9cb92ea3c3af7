// CColourPicker: the colour button, its notifications and its data exchange.
#include "ColourPicker.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CColourPicker, CButton)

BEGIN_MESSAGE_MAP(CColourPicker, CButton)
    ON_WM_CREATE()
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
    ON_MESSAGE(CPN_SELCHANGE, OnSelChange)
    ON_MESSAGE(CPN_SELENDOK, OnSelEndOK)
    ON_MESSAGE(CPN_SELENDCANCEL, OnSelEndCancel)
END_MESSAGE_MAP()

CColourPicker::CColourPicker()
    : m_bActive(0), m_bTrackSelection(0), m_crColourBk(::GetSysColor(COLOR_3DFACE)),
      m_crColourText(::GetSysColor(COLOR_BTNTEXT)), m_nSelectionMode(2), m_rcArrow(0, 0, 0, 0), m_pPopup(nullptr)
{
}

CColourPicker::~CColourPicker()
{
    if (m_pPopup && m_pPopup->GetSafeHwnd())
        m_pPopup->DestroyWindow(); // deletes itself
    m_pPopup = nullptr;
}

COLORREF CColourPicker::GetColour() const
{
    return m_nSelectionMode == 1 ? m_crColourText : m_crColourBk;
}

void CColourPicker::SetColour(COLORREF colour)
{
    if (m_nSelectionMode == 1)
        SetTextColour(colour);
    else
        SetBkColour(colour);
}

void CColourPicker::SetBkColour(COLORREF colour)
{
    m_crColourBk = colour;
    if (GetSafeHwnd())
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CColourPicker::SetTextColour(COLORREF colour)
{
    m_crColourText = colour;
    if (GetSafeHwnd())
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CColourPicker::PreSubclassWindow()
{
    ModifyStyle(0, BS_OWNERDRAW);
    CButton::PreSubclassWindow();
    SetWindowSize();
}

int CColourPicker::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CButton::OnCreate(lpCreateStruct) == -1)
        return -1;
    SetWindowSize();
    return 0;
}

void CColourPicker::SetWindowSize()
{
    const int cxEdge = ::GetSystemMetrics(SM_CXEDGE), cyEdge = ::GetSystemMetrics(SM_CYEDGE);
    const int horizontal = std::max(5 * cxEdge, ::GetSystemMetrics(SM_CXHTHUMB));
    const int vertical = std::max(5 * cyEdge, ::GetSystemMetrics(SM_CYVTHUMB));
    const int arrow = std::max(horizontal, vertical);
    CRect rect;
    GetWindowRect(&rect);
    if (CWnd* parent = GetParent())
        parent->ScreenToClient(&rect);
    const int width = std::max(rect.Width(), 2 * (arrow + cxEdge));
    const int height = arrow + 2 * cyEdge;
    MoveWindow(rect.left, rect.top, width, height, TRUE);
    m_rcArrow = CRect(width - arrow - cxEdge, cyEdge, width - cxEdge, height - cyEdge);
}

void CColourPicker::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const UINT state = lpDrawItemStruct->itemState;
    CRect rect = lpDrawItemStruct->rcItem;
    const BOOL pressed = m_bActive || (state & ODS_SELECTED);
    const BOOL disabled = (state & ODS_DISABLED) != 0;
    CRect arrow = m_rcArrow;
    pDC->DrawFrameControl(&arrow, DFC_SCROLL,
                          DFCS_SCROLLDOWN | (pressed ? DFCS_PUSHED | DFCS_FLAT : 0) | (disabled ? DFCS_INACTIVE : 0));
    pDC->DrawEdge(&rect, EDGE_SUNKEN, BF_RECT);
    const int cxEdge = ::GetSystemMetrics(SM_CXEDGE), cyEdge = ::GetSystemMetrics(SM_CYEDGE);
    rect.DeflateRect(cxEdge, cyEdge);
    rect.right = m_rcArrow.left - 1;
    pDC->FillSolidRect(&rect, disabled ? ::GetSysColor(COLOR_3DFACE) : m_crColourBk);
    CString text;
    GetWindowText(text);
    if (!text.IsEmpty())
    {
        const int oldMode = pDC->SetBkMode(TRANSPARENT);
        if (disabled)
        {
            CRect shifted = rect;
            shifted.OffsetRect(1, 1);
            pDC->SetTextColor(::GetSysColor(COLOR_3DHILIGHT));
            pDC->DrawText(text, &shifted, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
            pDC->SetTextColor(::GetSysColor(COLOR_3DSHADOW));
        }
        else
            pDC->SetTextColor(m_crColourText);
        pDC->DrawText(text, &rect, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
        pDC->SetBkMode(oldMode);
    }
    if (state & ODS_FOCUS)
    {
        CRect focus = lpDrawItemStruct->rcItem;
        focus.DeflateRect(cxEdge + 1, cyEdge + 1);
        pDC->DrawFocusRect(&focus);
    }
}

void CColourPicker::OnClicked()
{
    if (m_pPopup)
        return;
    m_bActive = 1;
    CRect rect;
    GetWindowRect(&rect);
    m_pPopup = new CColourPopup(CPoint(rect.left, rect.bottom), GetColour(), this, "More...");
    if (!m_pPopup->GetSafeHwnd())
    {
        delete m_pPopup;
        m_pPopup = nullptr;
        m_bActive = 0;
        return;
    }
    Notify(CPN_DROPDOWN, GetColour());
}

BOOL CColourPicker::FromOwnPopup(LPARAM lParam) const
{
    // The same numbers reach the picker from elsewhere (the chart tooltip's 2027 family, a
    // host's own messages): only the popup this picker opened, which passes 0, counts.
    return lParam == 0 && m_pPopup && m_pPopup->GetSafeHwnd();
}

void CColourPicker::Notify(UINT message, COLORREF colour)
{
    if (CWnd* parent = GetParent())
        parent->SendMessage(message, (WPARAM)colour, (LPARAM)GetDlgCtrlID());
}

void CColourPicker::TakeColour(COLORREF colour)
{
    SetColour(colour);
}

LRESULT CColourPicker::OnSelChange(WPARAM wParam, LPARAM lParam)
{
    if (!FromOwnPopup(lParam))
        return 0;
    if (m_bTrackSelection)
        TakeColour(COLORREF(wParam));
    Notify(CPN_SELCHANGE, COLORREF(wParam));
    return 1;
}

LRESULT CColourPicker::OnSelEndOK(WPARAM wParam, LPARAM lParam)
{
    if (!FromOwnPopup(lParam))
        return 0;
    m_bActive = 0;
    TakeColour(COLORREF(wParam));
    Notify(CPN_CLOSEUP, COLORREF(wParam));
    Notify(CPN_SELENDOK, COLORREF(wParam));
    return 1;
}

LRESULT CColourPicker::OnSelEndCancel(WPARAM wParam, LPARAM lParam)
{
    if (!FromOwnPopup(lParam))
        return 0;
    m_bActive = 0;
    TakeColour(COLORREF(wParam));
    Notify(CPN_CLOSEUP, COLORREF(wParam));
    Notify(CPN_SELENDCANCEL, COLORREF(wParam));
    return 1;
}

void AFXAPI DDX_ColourPicker(CDataExchange* pDX, int nIDC, COLORREF& colour)
{
    HWND control = pDX->PrepareCtrl(nIDC);
    CColourPicker* picker = dynamic_cast<CColourPicker*>(CWnd::FromHandlePermanent(control));
    if (!picker)
        return; // bind it with DDX_Control first
    if (pDX->m_bSaveAndValidate)
        colour = picker->GetColour();
    else
        picker->SetColour(colour);
}
