// CImgButton: bitmaps and colour sets, painting by state, mouse tracking and the click.
#include "ImgButton.h"

IMPLEMENT_DYNAMIC(CImgButton, CButton)

BEGIN_MESSAGE_MAP(CImgButton, CButton)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSEHOVER()
    ON_WM_MOUSELEAVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

CImgButton::CImgButton()
    : m_bTracking(FALSE), m_bBorrowed(FALSE), m_bLoaded(FALSE), m_bCheck(FALSE), m_bPressedInside(FALSE),
      m_bMultiLine(FALSE), m_bFocusRect(TRUE), m_nState(BTN_STATE_NORMAL), m_nColorMask(0),
      m_clrText(static_cast<COLORREF>(-1)), m_clrDisabledText(RGB(128, 128, 128)), m_pToolTip(NULL)
{
    memset(m_colours, 0, sizeof m_colours);
}

CImgButton::~CImgButton()
{
    // Borrowed handles go back untouched; the button's own are deleted with their objects.
    ReleaseBitmaps();
    if (m_pToolTip != NULL) {
        m_pToolTip->DestroyWindow();
        delete m_pToolTip;
    }
}

BOOL CImgButton::Create(const char* text, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CButton::Create(text, style | BS_OWNERDRAW, rect, parent, id);
}

BOOL CImgButton::SubclassWindow(HWND hWnd)
{
    if (!CButton::SubclassWindow(hWnd))
        return FALSE;
    const LONG_PTR style = ::GetWindowLongPtrA(hWnd, GWL_STYLE);
    ::SetWindowLongPtrA(hWnd, GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
    Invalidate();
    return TRUE;
}

void CImgButton::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
}

void CImgButton::ReleaseBitmaps()
{
    for (CBitmap& bitmap : m_bitmap) {
        if (m_bBorrowed)
            bitmap.Detach();
        else
            bitmap.DeleteObject();
    }
    m_bBorrowed = FALSE;
}

void CImgButton::LoadBitmaps(UINT normal, UINT over, UINT pressed, UINT disabled)
{
    ReleaseBitmaps();
    const UINT ids[LOOK_COUNT] = {normal, over, pressed, disabled};
    for (int i = 0; i < LOOK_COUNT; ++i)
        if (i == LOOK_NORMAL || ids[i] != 0)
            m_bitmap[i].LoadBitmap(ids[i]);
    m_bLoaded = TRUE;
    if (m_hWnd != NULL)
        Invalidate();
}

void CImgButton::LoadBitmaps(const char* normal, const char* over, const char* pressed, const char* disabled)
{
    ReleaseBitmaps();
    const char* names[LOOK_COUNT] = {normal, over, pressed, disabled};
    for (int i = 0; i < LOOK_COUNT; ++i) {
        if (names[i] == NULL)
            continue;
        HANDLE image = ::LoadImageA(NULL, names[i], IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
        if (image != NULL)
            m_bitmap[i].Attach(image);
    }
    m_bLoaded = TRUE;
    if (m_hWnd != NULL)
        Invalidate();
}

void CImgButton::LoadBitmaps(CBitmap* normal, CBitmap* over, CBitmap* pressed, CBitmap* disabled)
{
    m_bLoaded = TRUE;
    ReleaseBitmaps();
    m_bBorrowed = TRUE;
    CBitmap* given[LOOK_COUNT] = {normal, over, pressed, disabled};
    for (int i = 0; i < LOOK_COUNT; ++i)
        if (given[i] != NULL && given[i]->GetSafeHandle() != NULL)
            m_bitmap[i].Attach(given[i]->GetSafeHandle());
    if (m_hWnd != NULL)
        Invalidate();
}

void CImgButton::UnLoadBitmaps()
{
    if (!m_bLoaded)
        return;
    ReleaseBitmaps();
    m_bLoaded = FALSE;
    if (m_hWnd != NULL)
        Invalidate();
}

void CImgButton::LoadColors(tagBtnColor* normal, tagBtnColor* over, tagBtnColor* pressed, tagBtnColor* disabled)
{
    tagBtnColor* given[LOOK_COUNT] = {normal, over, pressed, disabled};
    for (int i = 0; i < LOOK_COUNT; ++i) {
        if (given[i] == NULL)
            continue;
        m_colours[i] = *given[i];
        m_nColorMask |= 1u << i;
    }
    if (m_hWnd != NULL)
        Invalidate();
}

HBITMAP CImgButton::GetLookBitmap(int look) const
{
    return look >= 0 && look < LOOK_COUNT ? static_cast<HBITMAP>(m_bitmap[look].GetSafeHandle()) : NULL;
}

void CImgButton::SetCheck(int check)
{
    m_bCheck = check == 1;
    if (m_hWnd != NULL)
        Invalidate();
}

void CImgButton::SetTextColor(COLORREF colour)
{
    m_clrText = colour;
    if (m_hWnd != NULL)
        Invalidate();
}

void CImgButton::SetMultiLines(BOOL multi)
{
    m_bMultiLine = multi;
    if (m_hWnd != NULL)
        Invalidate();
}

void CImgButton::SetFocusRect(BOOL focus)
{
    m_bFocusRect = focus;
    if (m_hWnd != NULL)
        Invalidate();
}

void CImgButton::SetHint(CString hint)
{
    m_strHint = hint;
    if (m_hWnd == NULL)
        return;
    if (m_pToolTip == NULL) {
        m_pToolTip = new CToolTipCtrl;
        if (!m_pToolTip->Create(this)) {
            delete m_pToolTip;
            m_pToolTip = NULL;
            return;
        }
    }
    CRect client;
    GetClientRect(&client);
    m_pToolTip->DelTool(this, IMGBUTTON_HINT_TOOL);
    m_pToolTip->AddTool(this, m_strHint, &client, IMGBUTTON_HINT_TOOL);
}

void CImgButton::UpdateState(int state)
{
    m_nState = state;
    if (m_hWnd != NULL)
        Invalidate();
}

int CImgButton::GetCurState()
{
    return ButtonLookState(m_nState, m_hWnd != NULL && (GetStyle() & WS_DISABLED), FALSE, m_bCheck);
}

void CImgButton::OnClick()
{
    m_bCheck = !m_bCheck;
    CWnd* parent = GetParent();
    if (parent != NULL)
        parent->PostMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), 0), reinterpret_cast<LPARAM>(m_hWnd));
}

void CImgButton::MouseEvent(ButtonEvent event, BOOL inside)
{
    const ButtonStep step = NextButtonState(m_nState, m_bPressedInside, event, inside);
    m_bPressedInside = step.bPressedInside;
    UpdateState(step.nState);
    if (step.bClick)
        OnClick();
}

int CImgButton::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CButton::OnCreate(lpCreateStruct) == -1)
        return -1;
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_pDefFont->GetSafeHandle()), FALSE);
    UpdateState(BTN_STATE_NORMAL);
    return 0;
}

void CImgButton::OnDestroy()
{
    if (m_pToolTip != NULL)
        m_pToolTip->DestroyWindow();
    CButton::OnDestroy();
}

void CImgButton::OnMouseMove(UINT nFlags, CPoint point)
{
    CRect client;
    GetClientRect(&client);
    if (m_pToolTip != NULL && m_pToolTip->m_hWnd != NULL && client.PtInRect(point))
        m_pToolTip->SetToolRect(this, IMGBUTTON_HINT_TOOL, &client);
    if (!m_bTracking) {
        TRACKMOUSEEVENT track;
        track.cbSize = sizeof track;
        track.dwFlags = TME_HOVER | TME_LEAVE;
        track.hwndTrack = m_hWnd;
        track.dwHoverTime = 1;
        m_bTracking = ::TrackMouseEvent(&track);
    }
    CButton::OnMouseMove(nFlags, point);
}

void CImgButton::OnMouseHover(UINT nFlags, CPoint point)
{
    (void)nFlags;
    (void)point;
    MouseEvent(BTN_EVENT_HOVER, TRUE);
}

void CImgButton::OnMouseLeave()
{
    m_bTracking = FALSE;
    MouseEvent(BTN_EVENT_LEAVE, FALSE);
}

void CImgButton::OnLButtonDown(UINT nFlags, CPoint point)
{
    (void)nFlags;
    (void)point;
    SetCapture();
    MouseEvent(BTN_EVENT_DOWN, TRUE);
}

void CImgButton::OnLButtonUp(UINT nFlags, CPoint point)
{
    (void)nFlags;
    if (GetCapture() == this)
        ::ReleaseCapture();
    CRect window;
    GetWindowRect(&window);
    CPoint screen = point;
    ClientToScreen(&screen);
    MouseEvent(BTN_EVENT_UP, window.PtInRect(screen));
}

void CImgButton::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    (void)nFlags;
    (void)point;
    MouseEvent(BTN_EVENT_DBLCLK, TRUE);
}

BOOL CImgButton::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN && pMsg->hwnd == m_hWnd)
        OnClick();
    return CButton::PreTranslateMessage(pMsg);
}

LRESULT CImgButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pToolTip != NULL && m_pToolTip->m_hWnd != NULL && message >= WM_MOUSEFIRST && message <= WM_MBUTTONUP &&
        message != WM_LBUTTONDOWN && message != WM_LBUTTONDBLCLK && message != WM_RBUTTONDBLCLK) {
        MSG msg = {m_hWnd, message, wParam, lParam, 0, {0, 0}};
        m_pToolTip->RelayEvent(&msg);
    }
    return CButton::WindowProc(message, wParam, lParam);
}
