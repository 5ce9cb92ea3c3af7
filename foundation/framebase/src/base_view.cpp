// CBaseView: creation, title bar, background, message line, closing and activation.
#include "BaseView.h"

#include <cstring>

#include "MemDC.h"
#include "MsgCtrl.h"
#include "ResourceMap.h"
#include "WindowHelpers.h"

IMPLEMENT_DYNAMIC(CBaseView, CDialog)

BEGIN_MESSAGE_MAP(CBaseView, CDialog)
    ON_WM_DESTROY()
    ON_WM_CLOSE()
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_WM_CTLCOLOR()
    ON_MESSAGE(WM_TITLEBAR_PIN, OnTitleBarPin)
    ON_MESSAGE(WM_TITLEBAR_TOP, OnTitleBarTop)
    ON_MESSAGE(WM_TITLEBAR_HELP, OnTitleBarHelp)
    ON_WM_GETMINMAXINFO()
    ON_WM_ACTIVATE()
    ON_WM_SIZE()
END_MESSAGE_MAP()

// 20 characters; the screen id follows.
const char CBaseView::s_szHelpBaseAddress[] = "http://molvane.kr/h/";

namespace {

// Title-bar images: normal, over, pressed.
struct ButtonImages
{
    WORD normal, over, pressed;
};
const ButtonImages kMinimise = {132, 133, 134};
const ButtonImages kMaximise = {127, 127, 127};
const ButtonImages kRestore = {135, 136, 137};
const ButtonImages kClose = {138, 139, 140};
const ButtonImages kPin = {112, 113, 114};
const ButtonImages kPinned = {121, 122, 123};
const ButtonImages kTop = {115, 116, 117};
const ButtonImages kOnTop = {124, 125, 126};
const ButtonImages kHelp = {118, 119, 120};
const WORD kViewCaption[2] = {130, 131};
const WORD kDialogCaption[2] = {128, 129};

const int kMsgCtrlBand = 24;   // the line's band at the bottom of the client area
const int kMsgCtrlInset = 2;
const int kContentCut = 26;    // what the content loses to the line
const int kHelpOffset = 20;
const CSize kHelpSize(950, 700);

CBitmap* Image(WORD id)
{
    return CResourceMap::GetBitmap(id);
}

} // namespace

CBaseView::CBaseView(UINT templateId, CWnd* parent)
    : CDialog(templateId, parent), m_pMsgCtrl(NULL), m_nSerialValue(0), m_hBackBrush(NULL), m_pOwnerWnd(parent),
      m_pBackColor(CColorMap::GetColorInfo(CLR_VIEW_BACKGROUND)), m_sizeLayout(0, 0), m_sizeMax(0, 0),
      m_sizeMin(0, 0), m_nGroupID(0), m_listTabOrder(10)
{
    m_hBackBrush = ::CreateSolidBrush(m_pBackColor != NULL ? m_pBackColor->GetColor() : 0);
}

CBaseView::~CBaseView()
{
    if (m_hBackBrush != NULL)
        ::DeleteObject(m_hBackBrush);
    m_listTabOrder.RemoveAll();
    delete m_pMsgCtrl; // only when the window went without its WM_DESTROY
}

// --- the view interface ------------------------------------------------------------------

int CBaseView::OnKeyDown(MSG* msg)
{
    (void)msg;
    return 0;
}

const char* CBaseView::GetSelectedItemCode()
{
    return "";
}

const char* CBaseView::GetSelectedAccount()
{
    return "";
}

void CBaseView::SetSelectItemCode(const char* code, int notify)
{
    (void)code;
    (void)notify;
}

void CBaseView::SetSelectAccount(const char* account)
{
    (void)account;
}

void CBaseView::SaveConfigValue() {}

BOOL CBaseView::IsOnTrading()
{
    return 0;
}

BOOL CBaseView::InitWindow()
{
    if (!m_listTabOrder.IsEmpty()) {
        CWnd* first = m_listTabOrder.GetHead();
        if (first != NULL && first->GetSafeHwnd() != NULL)
            first->SetFocus();
    }
    return 1;
}

void CBaseView::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_nSerialValue;
    else
        ar >> m_nSerialValue;
}

BOOL CBaseView::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style &= ~WS_VISIBLE; // views are shown by their creator
    return CDialog::PreCreateWindow(cs);
}

const char* CBaseView::GetScreenID()
{
    return m_strScreenID;
}

void CBaseView::SetScreenID(const char* id)
{
    m_strScreenID = id != NULL ? id : "";
}

// --- message line -------------------------------------------------------------------------

CRect CBaseView::GetMsgCtrlRect()
{
    CRect rc;
    GetClientRect(&rc);
    rc.top = rc.bottom - kMsgCtrlBand;
    rc.DeflateRect(kMsgCtrlInset, kMsgCtrlInset);
    return rc;
}

BOOL CBaseView::InstallMsgCtrl(BOOL remove)
{
    if (remove && m_pMsgCtrl != NULL) {
        if (m_pMsgCtrl->GetSafeHwnd() != NULL)
            m_pMsgCtrl->DestroyWindow();
        delete m_pMsgCtrl;
        m_pMsgCtrl = NULL;
        return 0;
    }
    // One line per view: a second would lose the first.
    if (m_pMsgCtrl != NULL && m_pMsgCtrl->GetSafeHwnd() != NULL)
        return TRUE;
    if (m_pMsgCtrl == NULL)
        m_pMsgCtrl = new CMsgCtrl;
    if (!CBaseWnd::m_bRegisted) {
        if (!CBaseWnd::RegisterWnd())
            return 0;
        CBaseWnd::m_bRegisted = TRUE;
    }
    return m_pMsgCtrl->Create(WS_CHILD | WS_VISIBLE, GetMsgCtrlRect(), this, IDC_MSGCTRL);
}

void CBaseView::SetStatusMessage(const char* text)
{
    if (m_pMsgCtrl != NULL && m_pMsgCtrl->GetSafeHwnd() != NULL)
        m_pMsgCtrl->SetMessage(text);
}

BOOL CBaseView::OnCopyData(CWnd* from, COPYDATASTRUCT* cds)
{
    (void)from;
    if (cds != NULL && cds->dwData == CDS_STATUS_TEXT && m_pMsgCtrl != NULL && m_pMsgCtrl->GetSafeHwnd() != NULL) {
        // The text is cbData bytes: never read past them, whether or not a NUL ends it.
        const char* data = static_cast<const char*>(cds->lpData);
        const size_t n = data != NULL ? strnlen(data, cds->cbData) : 0;
        m_pMsgCtrl->SetMessage(CString(data, static_cast<int>(n)));
    }
    return static_cast<BOOL>(Default());
}

// --- geometry -------------------------------------------------------------------------------

void CBaseView::SetDlgWindowStyle()
{
    m_TitleBar.SetWindowStyle(0);
    m_TitleBar.SetBackgroundImage(Image(kDialogCaption[0]), Image(kDialogCaption[1]));
}

void CBaseView::SetFrameSize(int cx, int cy)
{
    SetWindowPos(NULL, 0, 0, cx, cy, SWP_NOMOVE);
}

void CBaseView::SetFramePosition(int x, int y, int cx, int cy)
{
    SetWindowPos(NULL, x, y, cx, cy, SWP_NOMOVE | SWP_NOZORDER);
}

void CBaseView::GetContentRect(CRect& rc)
{
    GetClientRect(&rc);
    if (m_pMsgCtrl != NULL)
        rc.bottom -= kContentCut;
}

void CBaseView::ClearTabOrder()
{
    m_listTabOrder.RemoveAll();
}

void CBaseView::AddTabOrderCtrl(CWnd* ctrl)
{
    m_listTabOrder.AddTail(ctrl);
}

// --- messages -------------------------------------------------------------------------------

int CBaseView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CDialog::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_TitleBar.SetBackgroundImage(Image(kViewCaption[0]), Image(kViewCaption[1]));
    const struct
    {
        void (CTitleBar::*set)(CBitmap*, CBitmap*, CBitmap*);
        ButtonImages images;
    } buttons[] = {
        {&CTitleBar::SetMinButtonImage, kMinimise}, {&CTitleBar::SetMaxButtonImage, kMaximise},
        {&CTitleBar::SetRestoreButtonImage, kRestore}, {&CTitleBar::SetCloseButtonImage, kClose},
        {&CTitleBar::SetPinButtonImage, kPin},         {&CTitleBar::SetTopButtonImage, kTop},
        {&CTitleBar::SetHelpButtonImage, kHelp},
    };
    for (const auto& b : buttons)
        (m_TitleBar.*b.set)(Image(b.images.normal), Image(b.images.over), Image(b.images.pressed));
    m_TitleBar.SetWindowStyle(TITLEBAR_MINBUTTON | TITLEBAR_PINBUTTON);
    m_TitleBar.Install(this);
    return 0;
}

LRESULT CBaseView::OnTitleBarPin(WPARAM, LPARAM)
{
    const BOOL pinned = m_TitleBar.IsNoMove();
    const ButtonImages& images = pinned ? kPin : kPinned;
    m_TitleBar.SetPinButtonImage(Image(images.normal), Image(images.over), Image(images.pressed));
    m_TitleBar.SetNoMove(!pinned);
    m_TitleBar.Refresh();
    return 0;
}

LRESULT CBaseView::OnTitleBarTop(WPARAM, LPARAM)
{
    const BOOL onTop = m_TitleBar.IsStayOnTop();
    const ButtonImages& images = onTop ? kTop : kOnTop;
    m_TitleBar.SetTopButtonImage(Image(images.normal), Image(images.over), Image(images.pressed));
    m_TitleBar.SetStayOnTop(!onTop);
    m_TitleBar.Refresh();
    return 0;
}

LRESULT CBaseView::OnTitleBarHelp(WPARAM, LPARAM)
{
    CString address = s_szHelpBaseAddress;
    address += m_strScreenID;
    CRect rc;
    GetWindowRect(&rc);
    rc.OffsetRect(kHelpOffset, kHelpOffset);
    rc.right = rc.left + kHelpSize.cx;
    rc.bottom = rc.top + kHelpSize.cy;
    ShowBrowser(address, &rc, 0, 0, 0, 1, 0);
    return 0;
}

void CBaseView::OnClose()
{
    // A view never closes itself: its owner destroys it.
    if (m_pOwnerWnd != NULL && m_pOwnerWnd->GetSafeHwnd() != NULL)
        m_pOwnerWnd->SendMessage(WM_SCREEN_CLOSED, 0, reinterpret_cast<LPARAM>(m_hWnd));
}

void CBaseView::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    if ((nState == WA_ACTIVE || nState == WA_CLICKACTIVE) && m_pOwnerWnd != NULL &&
        m_pOwnerWnd->GetSafeHwnd() != NULL)
        m_pOwnerWnd->SendMessage(WM_SCREEN_ACTIVATED, 0, reinterpret_cast<LPARAM>(m_hWnd));
    CDialog::OnActivate(nState, pWndOther, bMinimized);
}

void CBaseView::OnDestroy()
{
    if (m_pMsgCtrl != NULL && m_pMsgCtrl->GetSafeHwnd() != NULL) {
        m_pMsgCtrl->DestroyWindow();
        delete m_pMsgCtrl;
        m_pMsgCtrl = NULL;
    }
    CDialog::OnDestroy();
}

void CBaseView::OnPaint()
{
    CPaintDC paint(this);
    CRect client;
    GetClientRect(&client);
    CMDC memDC(&paint, &client);
    memDC.FillSolidRect(&client, m_pBackColor != NULL ? m_pBackColor->GetColor() : 0);
}

HBRUSH CBaseView::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    HBRUSH brush = CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    if (nCtlColor == CTLCOLOR_STATIC) {
        pDC->SetBkMode(TRANSPARENT);
        return m_hBackBrush;
    }
    return brush;
}

void CBaseView::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    // A limit never set (a view without a layout) is no limit: a maximum of 0 would shrink the
    // screen to nothing.
    if (m_sizeMax.cx > 0 && m_sizeMax.cy > 0) {
        lpMMI->ptMaxSize.x = m_sizeMax.cx;
        lpMMI->ptMaxSize.y = m_sizeMax.cy;
        lpMMI->ptMaxTrackSize.x = m_sizeMax.cx;
        lpMMI->ptMaxTrackSize.y = m_sizeMax.cy;
    }
    if (m_sizeMin.cx > 0 && m_sizeMin.cy > 0) {
        lpMMI->ptMinTrackSize.x = m_sizeMin.cx;
        lpMMI->ptMinTrackSize.y = m_sizeMin.cy;
    }
}

void CBaseView::OnSize(UINT nType, int cx, int cy)
{
    if (m_pMsgCtrl != NULL && m_pMsgCtrl->GetSafeHwnd() != NULL)
        m_pMsgCtrl->MoveWindow(GetMsgCtrlRect(), TRUE);
    CDialog::OnSize(nType, cx, cy);
}
