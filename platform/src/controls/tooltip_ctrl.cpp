// CToolTipCtrl: comctl32's tooltip window, one message per call.
#include <afxcmn.h>

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

CToolTipCtrl::~CToolTipCtrl()
{
    DestroyWindow();
}

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle)
{
    return CreateEx(pParentWnd, dwStyle, 0);
}

BOOL CToolTipCtrl::CreateEx(CWnd* pParentWnd, DWORD dwStyle, DWORD dwStyleEx)
{
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    return CWnd::CreateEx(dwStyleEx, TOOLTIPS_CLASSA, NULL, WS_POPUP | TTS_NOPREFIX | dwStyle, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, pParentWnd->GetSafeHwnd(), NULL, NULL);
}

void CToolTipCtrl::FillInToolInfo(TOOLINFOA& ti, CWnd* pWnd, UINT_PTR nIDTool) const
{
    memset(&ti, 0, sizeof ti);
    // The version-2 record: every comctl32 version takes it.
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.hwnd = pWnd->GetSafeHwnd();
    if (nIDTool == 0) {
        ti.uFlags = TTF_IDISHWND;
        ti.uId = reinterpret_cast<UINT_PTR>(pWnd->GetSafeHwnd());
    } else {
        ti.uId = nIDTool;
    }
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    if (lpRectTool != NULL)
        ti.rect = *lpRectTool;
    else if (nIDTool != 0)
        pWnd->GetClientRect(&ti.rect);
    ti.lpszText = const_cast<LPSTR>(lpszText);
    return (BOOL)SendMessage(TTM_ADDTOOLA, 0, (LPARAM)&ti);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    CString text;
    text.LoadString(nIDText);
    return AddTool(pWnd, text, lpRectTool, nIDTool);
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    SendMessage(TTM_DELTOOLA, 0, (LPARAM)&ti);
}

BOOL CToolTipCtrl::GetToolInfo(CToolInfo& ToolInfo, CWnd* pWnd, UINT_PTR nIDTool) const
{
    FillInToolInfo(ToolInfo, pWnd, nIDTool);
    ToolInfo.szText[0] = '\0';
    ToolInfo.lpszText = ToolInfo.szText;
    return (BOOL)SendMessage(TTM_GETTOOLINFOA, 0, (LPARAM) static_cast<TOOLINFOA*>(&ToolInfo));
}

void CToolTipCtrl::SetToolInfo(LPTOOLINFO lpToolInfo)
{
    SendMessage(TTM_SETTOOLINFOA, 0, (LPARAM)lpToolInfo);
}

void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect)
{
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.rect = *lpRect;
    SendMessage(TTM_NEWTOOLRECTA, 0, (LPARAM)&ti);
}

void CToolTipCtrl::UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.lpszText = const_cast<LPSTR>(lpszText);
    SendMessage(TTM_UPDATETIPTEXTA, 0, (LPARAM)&ti);
}

void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool) const
{
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    char buffer[256] = "";
    ti.lpszText = buffer;
    SendMessage(TTM_GETTEXTA, 0, (LPARAM)&ti);
    str = buffer;
}

int CToolTipCtrl::GetToolCount() const
{
    return (int)SendMessage(TTM_GETTOOLCOUNT);
}

void CToolTipCtrl::Activate(BOOL bActivate)
{
    SendMessage(TTM_ACTIVATE, (WPARAM)bActivate);
}

void CToolTipCtrl::RelayEvent(LPMSG lpMsg)
{
    SendMessage(TTM_RELAYEVENT, 0, (LPARAM)lpMsg);
}

void CToolTipCtrl::Pop()
{
    SendMessage(TTM_POP);
}

int CToolTipCtrl::SetMaxTipWidth(int iWidth)
{
    return (int)SendMessage(TTM_SETMAXTIPWIDTH, 0, (LPARAM)iWidth);
}

int CToolTipCtrl::GetDelayTime(DWORD dwDuration) const
{
    return (int)SendMessage(TTM_GETDELAYTIME, (WPARAM)dwDuration);
}

void CToolTipCtrl::SetDelayTime(UINT nDelay)
{
    SendMessage(TTM_SETDELAYTIME, TTDT_AUTOMATIC, (LPARAM)nDelay);
}

void CToolTipCtrl::SetDelayTime(DWORD dwDuration, int iTime)
{
    SendMessage(TTM_SETDELAYTIME, (WPARAM)dwDuration, MAKELPARAM(iTime, 0));
}
