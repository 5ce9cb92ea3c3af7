// CMsgCtrl: the status text with its time stamp, its history and its painting.
#include "MsgCtrl.h"

#include <cstring>
#include <ctime>

#include "DCSelectors.h"
#include "MemDC.h"
#include "ResourceMap.h"
#include "SharedData.h"
#include "window_class.h"

IMPLEMENT_DYNAMIC(CMsgCtrl, CBaseWnd)

namespace {

const char kClassName[] = "CMsgCtrl";
const COLORREF kLineColour = RGB(97, 99, 114);
const COLORREF kTextColour = RGB(255, 255, 255);
const WORD kHistoryImages[3] = {501, 502, 503};
const int kButtonSize = 19;

} // namespace

CMsgCtrl::CMsgCtrl() : m_pDropList(NULL), m_bListOpen(FALSE)
{
    // Registered as the line always was; its windows are made with CBaseWnd's class.
    window_class::Register(kClassName, CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS, window_class::ApplicationIcon());
}

CString CMsgCtrl::StampText(int hour, int minute, int second, const char* text)
{
    CString stamped;
    stamped.Format("[%2.2d:%2.2d:%2.2d] %s", hour, minute, second, text != NULL ? text : "");
    return stamped;
}

void CMsgCtrl::SetMessage(const char* text)
{
    __time64_t now = _time64(NULL);
    struct tm local;
    int hour = -1, minute = -1, second = -1;
    if (_localtime64_s(&local, &now) == 0) {
        hour = local.tm_hour;
        minute = local.tm_min;
        second = local.tm_sec;
    }
    m_strMessage = StampText(hour, minute, second, text);
    m_arrHistory.InsertAt(0, m_strMessage);
    if (m_arrHistory.GetSize() > MAX_HISTORY)
        m_arrHistory.RemoveAt(m_arrHistory.GetSize() - 1);
    if (m_hWnd != NULL)
        Invalidate(TRUE);
}

const char* CMsgCtrl::GetMessage()
{
    return m_strMessage;
}

int CMsgCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CBaseWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    const int cx = lpCreateStruct->cx;
    const int cy = lpCreateStruct->cy;
    if (m_btnHistory.Create("", WS_CHILD | WS_VISIBLE, CRect(cx - 22, 1, cx - 2, cy - 1), this, IDC_MSGCTRL_HISTORY))
        m_btnHistory.LoadBitmaps(CResourceMap::GetBitmap(kHistoryImages[0]), CResourceMap::GetBitmap(kHistoryImages[1]),
                                 CResourceMap::GetBitmap(kHistoryImages[2]), NULL);
    return 0;
}

void CMsgCtrl::OnSize(UINT nType, int cx, int cy)
{
    CBaseWnd::OnSize(nType, cx, cy);
    if (m_btnHistory.GetSafeHwnd() != NULL)
        m_btnHistory.SetWindowPos(NULL, cx - 20, 0, kButtonSize, kButtonSize, SWP_NOZORDER);
    Invalidate();
}

void CMsgCtrl::OnTimer(UINT_PTR nIDEvent)
{
    (void)nIDEvent; // timer 100 is never started
}

BOOL CMsgCtrl::OnEraseBkgnd(CDC* pDC)
{
    (void)pDC;
    return TRUE;
}

void CMsgCtrl::OnPaint()
{
    CPaintDC paint(this);
    CRect client;
    GetClientRect(&client);
    CMDC memDC(&paint, &client);
    memDC.FillSolidRect(&client, kLineColour);
    CRect edge = client;
    memDC.DrawEdge(&edge, BDR_SUNKENOUTER, BF_RECT);
    CRect text = client;
    text.DeflateRect(3, 3);
    text.left += 5;
    CFont* font = CSharedData::GetDefaultFont(1);
    CFont* oldFont = font != NULL ? memDC.SelectObject(font) : NULL;
    {
        CBoldDC bold(memDC.GetSafeHdc(), true);
        memDC.SetBkMode(TRANSPARENT);
        memDC.SetTextColor(kTextColour);
        memDC.DrawText(m_strMessage, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    }
    if (oldFont != NULL)
        memDC.SelectObject(oldFont);
}
