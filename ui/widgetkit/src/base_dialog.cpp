// CBaseDialog: initialisation, image buttons for push buttons, colours and the close box.
#include "BaseDialog.h"

#include "ResourceMap.h"
#include "SharedData.h"
#include "WidgetKitModule.h"
#include "../res/resource.h"

IMPLEMENT_DYNAMIC(CBaseDialog, CDialog)

BEGIN_MESSAGE_MAP(CBaseDialog, CDialog)
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_NCACTIVATE()
    ON_WM_NCHITTEST()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CBaseDialog::CBaseDialog(UINT templateId, CWnd* parent)
    : CDialog(templateId, parent), m_nTemplateId(templateId), m_nCloseState(0), m_bTracking(FALSE), m_pFont(NULL)
{
    m_brGrey.CreateSolidBrush(BASEDIALOG_GREY);
}

CBaseDialog::~CBaseDialog()
{
    FreeButtons();
}

void CBaseDialog::FreeButtons()
{
    for (INT_PTR i = 0; i < m_arrButtons.GetSize(); ++i) {
        CImgButton* button = m_arrButtons[i];
        if (button->m_hWnd != NULL)
            button->UnsubclassWindow();
        delete button;
    }
    m_arrButtons.RemoveAll();
}

BOOL CBaseDialog::DestroyWindow()
{
    FreeButtons();
    const BOOL destroyed = CDialog::DestroyWindow();
    m_rgn.DeleteObject();
    return destroyed;
}

void CBaseDialog::PostNcDestroy()
{
    // However the window went, its buttons and region go with it.
    FreeButtons();
    m_rgn.DeleteObject();
    CDialog::PostNcDestroy();
}

BOOL CBaseDialog::IsPopup() const
{
    return (GetStyle() & WS_POPUP) != 0;
}

BOOL CBaseDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    ModifyStyle(0, WS_BORDER);
    m_pFont = CSharedData::GetDefaultFont(1);
    if (m_bmpCaption.GetSafeHandle() == NULL)
        m_bmpCaption.Attach(::LoadBitmapA(WidgetKitInstance(), MAKEINTRESOURCEA(IDB_DIALOG_CAPTION)));
    if (m_bmpClose.GetSafeHandle() == NULL)
        m_bmpClose.Attach(::LoadBitmapA(WidgetKitInstance(), MAKEINTRESOURCEA(IDB_DIALOG_CLOSEBOX)));
    SubclassPushButtons();
    LOGFONTA lf;
    memset(&lf, 0, sizeof lf);
    CFont* base = m_pFont != NULL ? m_pFont : GetFont();
    if (base != NULL && base->GetSafeHandle() != NULL)
        base->GetLogFont(&lf);
    lf.lfWeight = FW_BOLD;
    m_fontCaption.DeleteObject();
    m_fontCaption.CreateFontIndirect(&lf);
    if (IsPopup()) {
        CRect window;
        GetWindowRect(&window);
        SetWindowPos(NULL, 0, 0, window.Width(), window.Height() + 27, SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }
    return TRUE;
}

CImgButton* CBaseDialog::NewPushButton()
{
    return new CImgButton;
}

void CBaseDialog::SubclassPushButtons()
{
    CBitmap* normal = CResourceMap::GetBitmap(913);
    CBitmap* over = CResourceMap::GetBitmap(914);
    CBitmap* pressed = CResourceMap::GetBitmap(915);
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child != NULL; child = ::GetWindow(child, GW_HWNDNEXT)) {
        char className[16] = "";
        ::GetClassNameA(child, className, sizeof className);
        if (lstrcmpiA(className, "Button") != 0)
            continue;
        const DWORD style = static_cast<DWORD>(::GetWindowLongPtrA(child, GWL_STYLE));
        // Push buttons only: no check box, radio button, group box or owner-drawn button.
        if ((style & 2) || (style & 4) || (style & 3) == 3 || (style & 9) == 9)
            continue;
        if (CWnd::FromHandlePermanent(child) != NULL)
            continue; // already someone's
        CImgButton* button = NewPushButton();
        if (!button->SubclassWindow(child)) {
            delete button;
            continue;
        }
        if (m_pFont != NULL)
            button->SetFont(m_pFont);
        button->LoadBitmaps(normal, over, pressed, NULL);
        m_arrButtons.Add(button);
    }
}

CRect CBaseDialog::GetSystemMenuRect(BOOL empty)
{
    if (empty)
        return CRect(0, 0, 0, 0);
    CRect window;
    GetWindowRect(&window);
    return CRect(window.right - 19, window.top + 4, window.right - 4, window.top + 20);
}

BOOL CBaseDialog::InCloseBox(CPoint client) const
{
    CPoint screen = client;
    ClientToScreen(&screen);
    return const_cast<CBaseDialog*>(this)->GetSystemMenuRect(FALSE).PtInRect(screen);
}

void CBaseDialog::OnMouseMove(UINT nFlags, CPoint point)
{
    CDialog::OnMouseMove(nFlags, point);
    if (!IsPopup())
        return;
    if (!m_bTracking) {
        TRACKMOUSEEVENT track;
        track.cbSize = sizeof track;
        track.dwFlags = TME_HOVER | TME_LEAVE;
        track.hwndTrack = m_hWnd;
        track.dwHoverTime = 1;
        m_bTracking = ::TrackMouseEvent(&track);
    }
    const int before = m_nCloseState;
    if (InCloseBox(point))
        m_nCloseState |= 2;
    else
        m_nCloseState &= ~2;
    if (before != m_nCloseState)
        RedrawFrame();
}

void CBaseDialog::OnMouseLeave()
{
    m_bTracking = FALSE;
    if (m_nCloseState & 2) {
        m_nCloseState &= ~2;
        RedrawFrame();
    }
}

void CBaseDialog::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (IsPopup() && InCloseBox(point)) {
        m_nCloseState = 3;
        SetCapture();
        RedrawFrame();
        return;
    }
    CDialog::OnLButtonDown(nFlags, point);
}

void CBaseDialog::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_nCloseState & 1) {
        if (GetCapture() == this)
            ::ReleaseCapture();
        m_nCloseState = 0;
        RedrawFrame();
        if (InCloseBox(point))
            PostMessage(WM_CLOSE);
        return;
    }
    CDialog::OnLButtonUp(nFlags, point);
}

void CBaseDialog::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (!IsPopup())
        return;
    CRect window;
    GetWindowRect(&window);
    CRgn region;
    region.CreateRoundRectRgn(0, 0, window.Width() + 1, window.Height() + 1, 6, 6);
    // The window owns the region it is given; keep a copy of our own.
    m_rgn.DeleteObject();
    m_rgn.CreateRectRgn(0, 0, 0, 0);
    m_rgn.CopyRgn(&region);
    SetWindowRgn(static_cast<HRGN>(region.Detach()), TRUE);
}

BOOL CBaseDialog::OnEraseBkgnd(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    pDC->FillSolidRect(&client, BASEDIALOG_GREY);
    return TRUE;
}

HBRUSH CBaseDialog::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    BOOL grey = nCtlColor == CTLCOLOR_DLG || nCtlColor == CTLCOLOR_STATIC;
    if (!grey && pWnd != NULL && pWnd->m_hWnd != NULL) {
        char className[16] = "";
        ::GetClassNameA(pWnd->m_hWnd, className, sizeof className);
        if (lstrcmpiA(className, "Static") == 0)
            grey = TRUE;
        else if (lstrcmpiA(className, "Button") == 0 && (pWnd->GetStyle() & 0x0F) != 0)
            grey = TRUE;
    }
    if (!grey)
        return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    pDC->SetBkColor(BASEDIALOG_GREY);
    return static_cast<HBRUSH>(m_brGrey.GetSafeHandle());
}
