// The print preview dialog: the window's picture, page setup and printing.
#include "DlgPreview.h"

#include <winspool.h>

#include "MemDC.h"
#include "WidgetKitModule.h"
#include "WidgetRules.h"

namespace {

const char kPrintCaption[] = "인쇄";
// No selection, no page numbers, copies and collation by the device mode, no print-to-file.
const DWORD kPrintFlags = PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE | PD_HIDEPRINTTOFILE;

// A printer to set up or print on: the one the page setup holds, else the default. Without one
// the system's dialogs have nothing to offer (and some show a box of their own).
BOOL HasPrinter(const PAGESETUPDLG& psd)
{
    if (psd.hDevNames != NULL)
        return TRUE;
    char name[512];
    DWORD size = sizeof(name);
    return ::GetDefaultPrinterA(name, &size);
}

CSize ScreenPerInch()
{
    HDC screen = ::GetDC(NULL);
    const CSize perInch(::GetDeviceCaps(screen, LOGPIXELSX), ::GetDeviceCaps(screen, LOGPIXELSY));
    ::ReleaseDC(NULL, screen);
    return perInch;
}

} // namespace

IMPLEMENT_DYNAMIC(CDlgPreview, CDialog)

BEGIN_MESSAGE_MAP(CDlgPreview, CDialog)
    ON_BN_CLICKED(CDlgPreview::IDC_PAGESETUP, OnPageSetup)
    ON_BN_CLICKED(CDlgPreview::IDC_PRINT, OnPrint)
    ON_WM_SIZE()
END_MESSAGE_MAP()

CPageSetupDialog& CDlgPreview::GetPageSetup()
{
    // Thousandths of an inch whatever the user's measurement system: the preview's arithmetic
    // and the A4 default are in those units.
    static CPageSetupDialog pageSetup(PSD_MARGINS | PSD_INTHOUSANDTHSOFINCHES);
    return pageSetup;
}

CDlgPreview::CDlgPreview(CWnd* pParent) : CDialog(IDD, pParent, WidgetKitInstance()), m_sizePicture(0, 0)
{
    PAGESETUPDLG& psd = GetPageSetup().m_psd;
    if (psd.ptPaperSize.x == 0 || psd.ptPaperSize.y == 0) {
        psd.ptPaperSize.x = 8267;
        psd.ptPaperSize.y = 11692;
    }
}

CDlgPreview::~CDlgPreview() {}

INT_PTR CDlgPreview::Preview(HWND hWnd)
{
    if (!TakePicture(hWnd))
        return -1;
    return DoModal();
}

BOOL CDlgPreview::TakePicture(HWND hWnd)
{
    m_bmpPicture.DeleteObject();
    m_sizePicture = CSize(0, 0);
    if (hWnd == NULL || !::IsWindow(hWnd))
        return FALSE;
    CRect rcWindow;
    ::GetWindowRect(hWnd, &rcWindow);
    if (rcWindow.Width() <= 0 || rcWindow.Height() <= 0)
        return FALSE;

    HDC hWindowDC = ::GetWindowDC(hWnd);
    if (hWindowDC == NULL)
        return FALSE;
    CDC windowDC;
    windowDC.Attach(hWindowDC);
    BOOL bDone = FALSE;
    CDC memDC;
    if (memDC.CreateCompatibleDC(&windowDC) &&
        m_bmpPicture.CreateCompatibleBitmap(&windowDC, rcWindow.Width(), rcWindow.Height())) {
        CBitmap* pOld = memDC.SelectObject(&m_bmpPicture);
        bDone = memDC.BitBlt(0, 0, rcWindow.Width(), rcWindow.Height(), &windowDC, 0, 0, SRCCOPY);
        memDC.SelectObject(pOld);
    }
    windowDC.Detach();
    ::ReleaseDC(hWnd, hWindowDC);
    if (!bDone) {
        m_bmpPicture.DeleteObject();
        return FALSE;
    }
    m_sizePicture = rcWindow.Size();
    return TRUE;
}

BOOL CDlgPreview::OnInitDialog()
{
    CDialog::OnInitDialog();
    const struct
    {
        UINT id;
        int x;
    } buttons[] = {{IDC_PAGESETUP, 4}, {IDC_PRINT, 108}, {IDCANCEL, 212}};
    for (const auto& b : buttons) {
        if (CWnd* pButton = GetDlgItem(b.id))
            pButton->MoveWindow(b.x, 4, 100, 22);
    }
    if (m_pnlPreview.SubclassDlgItem(IDC_PANEL, this)) {
        CRect rcClient;
        GetClientRect(&rcClient);
        m_pnlPreview.MoveWindow(0, 30, rcClient.Width(), rcClient.Height() - 28);
        m_pnlPreview.SetPicture(m_sizePicture.cx > 0 ? &m_bmpPicture : NULL);
    }
    ShowWindow(SW_MAXIMIZE);
    return TRUE;
}

void CDlgPreview::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (m_pnlPreview.GetSafeHwnd() != NULL)
        m_pnlPreview.MoveWindow(0, 30, cx, cy - 28);
}

void CDlgPreview::OnPageSetup()
{
    CPageSetupDialog& pageSetup = GetPageSetup();
    if (!HasPrinter(pageSetup.m_psd)) {
        Tell("Buy a printer!");
        return;
    }
    pageSetup.m_pParentWnd = this;
    const INT_PTR nResult = pageSetup.DoModal();
    pageSetup.m_pParentWnd = NULL;
    if (nResult != IDOK && ::CommDlgExtendedError() == PDERR_NODEFAULTPRN)
        Tell("Buy a printer!");
    // The panel too: the paper may have turned.
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CDlgPreview::OnPrint()
{
    CPageSetupDialog& pageSetup = GetPageSetup();
    if (!HasPrinter(pageSetup.m_psd)) {
        Tell("Buy a printer!");
        return;
    }
    CPrintDialog dlg(FALSE, kPrintFlags, this);
    dlg.m_pd.hDevMode = pageSetup.m_psd.hDevMode;
    dlg.m_pd.hDevNames = pageSetup.m_psd.hDevNames;
    const INT_PTR nResult = dlg.DoModal();
    const DWORD dwError = nResult == IDOK ? 0 : ::CommDlgExtendedError();
    // The print dialog may free the settings it was lent and hand back new ones: the page
    // setup keeps whatever came back.
    pageSetup.m_psd.hDevMode = dlg.m_pd.hDevMode;
    pageSetup.m_psd.hDevNames = dlg.m_pd.hDevNames;
    if (nResult != IDOK) {
        if (dwError == PDERR_NODEFAULTPRN)
            Tell("Buy a printer!");
        return;
    }
    HDC hPrinter = dlg.GetPrinterDC();
    if (hPrinter == NULL) {
        Tell("Buy a printer!");
        return;
    }
    CDC printer;
    printer.Attach(hPrinter);
    PrintPicture(printer);
    printer.DeleteDC();
}

BOOL CDlgPreview::PrintPicture(CDC& printer)
{
    if (printer.StartDoc("Pellorix") <= 0) {
        Tell("Printer wouldn't initalize");
        return FALSE;
    }
    if (printer.StartPage() <= 0) {
        Tell("Could not start page");
        printer.AbortDoc();
        return FALSE;
    }
    CRect rcPrint;
    CalcPrintRect(printer, rcPrint, m_sizePicture.cx, m_sizePicture.cy);
    CDC memDC;
    if (m_sizePicture.cx > 0 && memDC.CreateCompatibleDC(&printer)) {
        CBitmap* pOld = memDC.SelectObject(&m_bmpPicture);
        printer.SetStretchBltMode(COLORONCOLOR);
        printer.StretchBlt(rcPrint.left, rcPrint.top, rcPrint.Width(), rcPrint.Height(), &memDC, 0, 0,
                           m_sizePicture.cx, m_sizePicture.cy, SRCCOPY);
        memDC.SelectObject(pOld);
    }
    printer.EndPage();
    printer.EndDoc();
    return TRUE;
}

void CDlgPreview::CalcPrintRect(CDC& printer, CRect& rect, int width, int height)
{
    rect = PrintRectFor(CSize(width, height), ScreenPerInch(),
                        CSize(printer.GetDeviceCaps(LOGPIXELSX), printer.GetDeviceCaps(LOGPIXELSY)),
                        CSize(printer.GetDeviceCaps(HORZRES), printer.GetDeviceCaps(VERTRES)));
}

void CDlgPreview::Tell(LPCTSTR text)
{
    AfxPlatformMessageBox(GetSafeHwnd(), text, kPrintCaption, MB_OK | MB_ICONWARNING);
}

// --- the panel ------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CPnlPreview, CWnd)

BEGIN_MESSAGE_MAP(CPnlPreview, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
END_MESSAGE_MAP()

CPnlPreview::CPnlPreview() : m_pPicture(NULL) {}

CPnlPreview::~CPnlPreview() {}

CRect CPnlPreview::GetPaperRect(const CRect& rcClient) const
{
    return PreviewPaperRect(rcClient, CDlgPreview::GetPageSetup().GetPaperSize());
}

void CPnlPreview::Paint(CDC* dc, const CRect& rcClient)
{
    dc->FillSolidRect(&rcClient, RGB(0x80, 0x80, 0x80));
    const CRect rcPaper = GetPaperRect(rcClient);
    CPen* pOldPen = static_cast<CPen*>(dc->SelectStockObject(BLACK_PEN));
    CBrush* pOldBrush = static_cast<CBrush*>(dc->SelectStockObject(WHITE_BRUSH));
    dc->Rectangle(&rcPaper);
    dc->SelectObject(pOldBrush);
    dc->SelectObject(pOldPen);

    BITMAP bm;
    if (m_pPicture == NULL || m_pPicture->GetSafeHandle() == NULL || m_pPicture->GetBitmap(&bm) == 0)
        return;
    CDC memDC;
    if (!memDC.CreateCompatibleDC(dc))
        return;
    const int nSaved = dc->SaveDC();
    CRect rcClip = rcPaper;
    rcClip.DeflateRect(1, 1);
    dc->IntersectClipRect(&rcClip);
    const CRect rcPicture = PreviewPictureRect(rcPaper, CSize(bm.bmWidth, bm.bmHeight),
                                               CDlgPreview::GetPageSetup().GetPaperSize(), ScreenPerInch());
    CBitmap* pOld = memDC.SelectObject(m_pPicture);
    dc->SetStretchBltMode(COLORONCOLOR);
    dc->StretchBlt(rcPicture.left, rcPicture.top, rcPicture.Width(), rcPicture.Height(), &memDC, 0, 0, bm.bmWidth,
                   bm.bmHeight, SRCCOPY);
    memDC.SelectObject(pOld);
    dc->RestoreDC(nSaved);
}

void CPnlPreview::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    CMDC memDC(&dc, &rcClient);
    Paint(&memDC, rcClient);
}

BOOL CPnlPreview::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CPnlPreview::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    Invalidate(FALSE);
}
