// The logout dialog.
#include "LogOutDlg.h"

#include <algorithm>

#include "DialogFace.h"
#include "InstallFolders.h"
#include "../res/SessionResource.h"

BEGIN_MESSAGE_MAP(CLogOutDlg, CDialog)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_CTLCOLOR()
    ON_BN_CLICKED(IDC_LOGOUT_OK, OnOKButton)
    ON_BN_CLICKED(IDC_LOGOUT_CANCEL, OnCancelButton)
END_MESSAGE_MAP()

namespace {

CString LoginImage(const char* name)
{
    return CString(GetImageDir()) + "Login\\" + name;
}

const UINT kLabels[3] = {IDC_LOGOUT_LOGIN_TIME, IDC_LOGOUT_LOGOUT_TIME, IDC_LOGOUT_TIME_USED};
const int kLabelTops[3] = {118, 166, 209};

} // namespace

CLogOutDlg::CLogOutDlg(ULONGLONG loginTick, __time64_t loginTime, CWnd* pParent)
    : CDialog(IDD_LOGOUT, pParent), m_ullLoginTick(loginTick), m_tLogin(loginTime)
{
}

CLogOutDlg::~CLogOutDlg() {}

CString CLogOutDlg::FormatClockTime(const SYSTEMTIME& time)
{
    const bool afternoon = time.wHour >= 12;
    int hour = time.wHour % 12;
    if (hour == 0)
        hour = 12;
    CString text;
    text.Format(afternoon ? "%2.2d월 %2.2d일 오후 %2.2d:%2.2d:%2.2d" : "%2.2d월 %2.2d일 오전 %2.2d:%2.2d:%2.2d",
                time.wMonth, time.wDay, hour, time.wMinute, time.wSecond);
    return text;
}

CString CLogOutDlg::FormatTimeUsed(ULONGLONG milliseconds)
{
    const ULONGLONG seconds = milliseconds / 1000;
    CString text;
    text.Format("%d일 %d시간 %d분 %d초", (int)(seconds / 86400), (int)(seconds / 3600 % 24), (int)(seconds / 60 % 60),
                (int)(seconds % 60));
    return text;
}

CString CLogOutDlg::GetLabelText(int index) const
{
    CString text;
    if (index >= 0 && index < 3 && m_label[index].GetSafeHwnd() != NULL)
        m_label[index].GetWindowText(text);
    return text;
}

CPoint CLogOutDlg::PlaceOnMainWindow(const CRect& mainWindow, const CRect& workArea, CSize dialog)
{
    const int left = workArea.left, top = workArea.top, right = workArea.right, bottom = workArea.bottom;
    const int below = std::max(top, std::min<int>(mainWindow.bottom, bottom));
    int x = mainWindow.CenterPoint().x - dialog.cx / 2;
    int y = below + (bottom - below - dialog.cy) / 2;
    // Kept on the work area (a short one: as low as it fits, never above its top).
    x = std::max(left, std::min<int>(x, right - dialog.cx));
    y = std::max(top, std::min<int>(y, bottom - dialog.cy));
    return CPoint(x, y);
}

void CLogOutDlg::CentreOnMainWindow()
{
    HWND main = ::GetWindow(m_hWnd, GW_OWNER);
    if (main == NULL && AfxGetMainWnd() != NULL)
        main = AfxGetMainWnd()->GetSafeHwnd();
    CRect mainWindow, dialog;
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    if (main == NULL || !::IsWindowVisible(main) || ::IsIconic(main) || !::GetWindowRect(main, &mainWindow) ||
        !::GetMonitorInfoA(::MonitorFromWindow(main, MONITOR_DEFAULTTONEAREST), &monitor)) {
        CenterWindow();
        return;
    }
    GetWindowRect(&dialog);
    const CPoint place = PlaceOnMainWindow(mainWindow, CRect(monitor.rcWork), dialog.Size());
    SetWindowPos(NULL, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CLogOutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(LOGOUT_CAPTION);
    m_bmpBackground.LoadBitmap(IDB_LOGOUT_BACKGROUND);
    FitDialogToFace(this, m_bmpBackground);
    CentreOnMainWindow();

    m_btnOK.Create("", WS_CHILD | WS_VISIBLE, CRect(30, 270, 30 + 213, 270 + 48), this, IDC_LOGOUT_OK);
    m_btnOK.LoadBitmaps(LoginImage("LogoutOk_normal.bmp"), LoginImage("LogoutOk_over.bmp"),
                        LoginImage("LogoutOk_Click.bmp"));
    m_btnCancel.Create("", WS_CHILD | WS_VISIBLE, CRect(248, 270, 248 + 111, 270 + 48), this, IDC_LOGOUT_CANCEL);
    m_btnCancel.LoadBitmaps(LoginImage("LogoutCancel_normal.bmp"), LoginImage("LogoutCancel_over.bmp"),
                            LoginImage("LogoutCancel_Click.bmp"));

    m_brWhite.CreateSolidBrush(RGB(255, 255, 255));
    SYSTEMTIME login = {}, now = {};
    struct tm local = {};
    if (_localtime64_s(&local, &m_tLogin) == 0) {
        login.wMonth = (WORD)(local.tm_mon + 1);
        login.wDay = (WORD)local.tm_mday;
        login.wHour = (WORD)local.tm_hour;
        login.wMinute = (WORD)local.tm_min;
        login.wSecond = (WORD)local.tm_sec;
    }
    ::GetLocalTime(&now);
    // 64-bit ticks: a session that runs past the 32-bit counter's wrap (49.7 days) is still
    // measured right.
    const ULONGLONG now64 = ::GetTickCount64();
    const CString texts[3] = {FormatClockTime(login), FormatClockTime(now),
                              FormatTimeUsed(now64 >= m_ullLoginTick ? now64 - m_ullLoginTick : 0)};
    for (int i = 0; i < 3; ++i) {
        m_label[i].Create(texts[i], WS_CHILD | WS_VISIBLE | SS_LEFT,
                          CRect(140, kLabelTops[i], 140 + 198, kLabelTops[i] + 20), this, kLabels[i]);
        m_label[i].SetFontName("굴림체").SetFontSize(9).SetFontBold(TRUE).SetBkColor(RGB(255, 255, 255));
    }
    return TRUE;
}

void CLogOutDlg::OnPaint()
{
    PaintDialogFace(this, m_bmpBackground);
}

void CLogOutDlg::OnLButtonDown(UINT nFlags, CPoint point)
{
    // No caption bar: the dialog is dragged by any point of its surface.
    DragDialogBySurface(this, point);
    CDialog::OnLButtonDown(nFlags, point);
}

HBRUSH CLogOutDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor == CTLCOLOR_STATIC && m_brWhite.GetSafeHandle() != NULL) {
        pDC->SetBkColor(RGB(255, 255, 255));
        return (HBRUSH)m_brWhite.GetSafeHandle();
    }
    return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}

void CLogOutDlg::OnOKButton()
{
    EndDialog(IDOK);
}

void CLogOutDlg::OnCancelButton()
{
    EndDialog(IDCANCEL);
}
