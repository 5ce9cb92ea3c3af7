#include "patch_runner_dlg.h"

#include <shellapi.h>

#include "main_process.h"

BEGIN_MESSAGE_MAP(CPatchRunnerDlg, CDialog)
    ON_WM_PAINT()
    ON_WM_CTLCOLOR()
    ON_WM_LBUTTONDOWN()
    ON_WM_DESTROY()
    ON_BN_CLICKED(IDC_CLOSE_BOX, OnCloseBox)
END_MESSAGE_MAP()

CPatchRunnerDlg::CPatchRunnerDlg(const UpdaterSettings& settings, CWnd* pParent)
    : CDialog(IDD, pParent), m_settings(settings)
{
    m_brStatic.CreateSolidBrush(RGB(40, 80, 130));
}

CPatchRunnerDlg::~CPatchRunnerDlg()
{
}

static void ResizeToBitmap(CWnd* pWnd, CBitmap& bitmap)
{
    BITMAP bm;
    if (bitmap.GetSafeHandle() && bitmap.GetBitmap(&bm))
        pWnd->SetWindowPos(NULL, 0, 0, bm.bmWidth, bm.bmHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CPatchRunnerDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    m_btnClose.SubclassDlgItem(IDC_CLOSE_BOX, this);
    m_btnClose.SetBitmapMode(TRUE);
    m_btnClose.LoadBitmaps(IDB_CLOSE_BOX);
    m_btnClose.SizeToBitmap();

    m_btnCancel.SubclassDlgItem(IDCANCEL, this);
    m_btnCancel.SetBitmapMode(TRUE);
    m_btnCancel.LoadBitmaps(IDB_CANCEL_FACE);
    m_btnCancel.SetTextColor(RGB(255, 255, 255));
    m_btnCancel.Invalidate();

    m_status.SubclassDlgItem(IDC_STATUS, this);
    m_status.SetWindowText("현재파일 ()");

    m_progress.SubclassDlgItem(IDC_PROGRESS, this);
    m_progress.SetGradientColors(RGB(255, 191, 0), RGB(255, 121, 31));
    m_progress.ModifyStyleEx(WS_EX_STATICEDGE | WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE, 0, SWP_FRAMECHANGED);
    m_progress.ModifyStyle(0, WS_BORDER, SWP_FRAMECHANGED);

    if (m_bmpBackground.LoadBitmap(IDB_BACKGROUND))
    {
        BITMAP bm;
        m_bmpBackground.GetBitmap(&bm);
        CRect rcWindow, rcClient;
        GetWindowRect(&rcWindow);
        GetClientRect(&rcClient);
        SetWindowPos(NULL, 0, 0, bm.bmWidth + rcWindow.Width() - rcClient.Width(),
                     bm.bmHeight + rcWindow.Height() - rcClient.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    m_worker.Create(this, m_settings);
    m_btnCancel.SetFocus();
    return FALSE; // the focus is set
}

void CPatchRunnerDlg::SetProgressRange(int nCount)
{
    m_progress.SetBounds(0, nCount);
    m_progress.SetStepSize(1);
}

void CPatchRunnerDlg::SetProgressPos(int nTotal, int nPos)
{
    m_progress.SetPosition(nPos);
    m_progress.UpdateWindow();
    CString strText;
    strText.Format("총 %d개 파일중 %d개 완료", nTotal, nPos);
    SetStatusText(strText);
}

void CPatchRunnerDlg::SetStatusText(LPCTSTR lpszText)
{
    if (m_status.GetSafeHwnd())
    {
        m_status.SetWindowText(lpszText);
        // The status line is transparent over the background: repaint what lies under it.
        CRect rc;
        m_status.GetWindowRect(&rc);
        ScreenToClient(&rc);
        InvalidateRect(&rc);
    }
}

void CPatchRunnerDlg::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    CDC memDC;
    memDC.CreateCompatibleDC(&dc);
    CBitmap canvas;
    CBitmap* pOld;
    if (m_bmpBackground.GetSafeHandle())
        pOld = memDC.SelectObject(&m_bmpBackground);
    else
    {
        canvas.CreateCompatibleBitmap(&dc, rcClient.Width(), rcClient.Height());
        pOld = memDC.SelectObject(&canvas);
        memDC.FillSolidRect(&rcClient, RGB(40, 80, 130));
    }
    CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* pOldPen = memDC.SelectObject(&pen);
    CGdiObject* pOldBrush = memDC.SelectStockObject(NULL_BRUSH);
    memDC.Rectangle(&rcClient);
    memDC.SelectObject(pOldBrush);
    memDC.SelectObject(pOldPen);
    dc.BitBlt(0, 0, rcClient.Width(), rcClient.Height(), &memDC, 0, 0, SRCCOPY);
    memDC.SelectObject(pOld);
}

HBRUSH CPatchRunnerDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor == CTLCOLOR_STATIC)
    {
        pDC->SetTextColor(RGB(255, 255, 255));
        pDC->SetBkMode(TRANSPARENT);
        return (HBRUSH)m_brStatic.GetSafeHandle();
    }
    return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}

void CPatchRunnerDlg::OnLButtonDown(UINT nFlags, CPoint point)
{
    CDialog::OnLButtonDown(nFlags, point);
    // A press anywhere on the window moves it.
    PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
}

void CPatchRunnerDlg::OnCancel()
{
    if (m_worker.GetSafeHwnd())
        m_worker.DestroyWindow();
    CDialog::OnCancel();
}

void CPatchRunnerDlg::OnCloseBox()
{
    EndDialog(IDCANCEL);
}

void CPatchRunnerDlg::OnOK()
{
    CString strPath = m_settings.MainProgramPath().c_str();
    ::ShellExecuteA(NULL, NULL, strPath, NULL, NULL, SW_SHOWNORMAL);
    EndDialog(IDOK);
}

void CPatchRunnerDlg::OnDestroy()
{
    CDialog::OnDestroy();
    m_bmpBackground.DeleteObject();
    m_brStatic.DeleteObject();
}
