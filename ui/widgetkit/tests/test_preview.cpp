// The print preview under Wine: the picture of a real window, the dialog as the user meets it
// (layout, the no-printer message of both buttons), the panel's pixels and the printing steps
// on a device that is no printer.
#include <gtest/gtest.h>

#include <ostream>

#include <msgbox_recorder.h>
#include <winspool.h>

#include "DlgPreview.h"
#include "canvas.h"
#include "modal_script.h"
#include "widget_host.h"

// Rectangles in failures as their corners.
static void PrintTo(const CRect& rc, std::ostream* os)
{
    *os << "(" << rc.left << ", " << rc.top << ")-(" << rc.right << ", " << rc.bottom << ")";
}

namespace {

const COLORREF kGrey = RGB(0x80, 0x80, 0x80);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kPicture = RGB(200, 30, 40);

bool MachineHasDefaultPrinter()
{
    char name[512];
    DWORD size = sizeof(name);
    return ::GetDefaultPrinterA(name, &size) != FALSE;
}

// A picture of one colour, as the dialog would have taken it.
void SolidPicture(CBitmap& bitmap, int width, int height, COLORREF colour)
{
    CClientDC screen(NULL);
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    bitmap.CreateCompatibleBitmap(&screen, width, height);
    CBitmap* old = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, width, height, colour);
    dc.SelectObject(old);
}

COLORREF PixelOf(CBitmap& bitmap, int x, int y)
{
    CClientDC screen(NULL);
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CBitmap* old = dc.SelectObject(&bitmap);
    const COLORREF colour = dc.GetPixel(x, y);
    dc.SelectObject(old);
    return colour;
}

// A top-most window of one colour, shown and painted.
class CColourWindow : public CWnd
{
public:
    BOOL CreateShown(const CRect& rect, COLORREF colour)
    {
        m_brush.CreateSolidBrush(colour);
        if (!CreateEx(WS_EX_TOPMOST, AfxRegisterWndClass(0, NULL, static_cast<HBRUSH>(m_brush.GetSafeHandle())),
                      "picture", WS_POPUP | WS_VISIBLE, rect, NULL, 0))
            return FALSE;
        UpdateWindow();
        DispatchQueued();
        return TRUE;
    }

private:
    CBrush m_brush;
};

class PreviewPanelTest : public ::testing::Test
{
protected:
    void SetUp() override { saved = CDlgPreview::GetPageSetup().m_psd.ptPaperSize; }
    void TearDown() override { CDlgPreview::GetPageSetup().m_psd.ptPaperSize = saved; }

    Canvas& Painted(CBitmap* picture)
    {
        panel.SetPicture(picture);
        canvas.Fill(RGB(1, 2, 3));
        panel.Paint(canvas.DC(), CRect(0, 0, 420, 320));
        return canvas;
    }

    POINT saved;
    CDlgPreview dialog; // sets the shared paper to A4 when it has none
    CPnlPreview panel;
    Canvas canvas{420, 320};
};

TEST_F(PreviewPanelTest, PaperOnGreyWithThePictureCentredAtItsSizeInInches)
{
    ASSERT_EQ(96, CClientDC(NULL).GetDeviceCaps(LOGPIXELSX)) << "the figures below are for 96 pixels per inch";
    CBitmap picture;
    SolidPicture(picture, 200, 100, kPicture);
    Canvas& c = Painted(&picture);
    // The paper (104, 10)-(316, 310); the picture (183, 146)-(236, 173).
    EXPECT_EQ(kGrey, c.Pixel(5, 5));
    EXPECT_EQ(kGrey, c.Pixel(103, 160));
    EXPECT_EQ(kBlack, c.Pixel(104, 160));
    EXPECT_EQ(kBlack, c.Pixel(315, 309));
    EXPECT_EQ(kGrey, c.Pixel(316, 160));
    EXPECT_EQ(kWhite, c.Pixel(110, 20));
    EXPECT_EQ(kWhite, c.Pixel(182, 160));
    EXPECT_EQ(kPicture, c.Pixel(183, 160));
    EXPECT_EQ(kPicture, c.Pixel(235, 146));
    EXPECT_EQ(kPicture, c.Pixel(209, 172));
    EXPECT_EQ(kWhite, c.Pixel(236, 160));
    EXPECT_EQ(kWhite, c.Pixel(209, 173));
    EXPECT_EQ(53 * 27, c.Count(CRect(0, 0, 420, 320), kPicture));
}

TEST_F(PreviewPanelTest, PictureLargerThanThePaperIsClippedInsideItsFrame)
{
    CBitmap picture;
    SolidPicture(picture, 1000, 1500, kPicture);
    Canvas& c = Painted(&picture);
    EXPECT_EQ(kGrey, c.Pixel(100, 5));
    EXPECT_EQ(kGrey, c.Pixel(103, 100));
    EXPECT_EQ(kBlack, c.Pixel(104, 100)) << "the frame stays";
    EXPECT_EQ(kBlack, c.Pixel(200, 10));
    EXPECT_EQ(kPicture, c.Pixel(105, 11));
    EXPECT_EQ(kPicture, c.Pixel(314, 308));
    EXPECT_EQ(kBlack, c.Pixel(315, 100));
    EXPECT_EQ(kGrey, c.Pixel(330, 100));
    EXPECT_EQ(210 * 298, c.Count(CRect(0, 0, 420, 320), kPicture));
}

TEST_F(PreviewPanelTest, LandscapePaperTurnsTheRectangleAndNoPictureLeavesItWhite)
{
    CDlgPreview::GetPageSetup().m_psd.ptPaperSize = POINT{11692, 8267};
    Canvas& c = Painted(nullptr);
    // The paper (60, 54)-(360, 266).
    EXPECT_EQ(kGrey, c.Pixel(62, 50));
    EXPECT_EQ(kBlack, c.Pixel(60, 100));
    EXPECT_EQ(kWhite, c.Pixel(62, 56));
    EXPECT_EQ(kWhite, c.Pixel(358, 264));
    EXPECT_EQ(kGrey, c.Pixel(362, 100));
    EXPECT_EQ(298 * 210, c.Count(CRect(0, 0, 420, 320), kWhite));
}

TEST(PreviewPicture, TakesTheWholeWindowAndRefusesNoWindow)
{
    CColourWindow window;
    ASSERT_TRUE(window.CreateShown(CRect(40, 60, 240, 160), kPicture));
    CDlgPreview dialog;
    ASSERT_TRUE(dialog.TakePicture(window.GetSafeHwnd()));
    EXPECT_EQ(CSize(200, 100), dialog.GetPictureSize());
    EXPECT_EQ(kPicture, PixelOf(dialog.GetPicture(), 0, 0));
    EXPECT_EQ(kPicture, PixelOf(dialog.GetPicture(), 199, 99));

    const HWND gone = window.GetSafeHwnd();
    window.DestroyWindow();
    EXPECT_FALSE(dialog.TakePicture(gone));
    EXPECT_EQ(CSize(0, 0), dialog.GetPictureSize());
    EXPECT_EQ(nullptr, dialog.GetPicture().GetSafeHandle()) << "the previous picture goes first";
    EXPECT_EQ(-1, dialog.Preview(NULL)) << "no picture, no dialog";
}

TEST(PreviewPrinting, RectangleAndStepsOnADeviceThatIsNoPrinter)
{
    CMsgBoxRecorder boxes;
    CDlgPreview dialog;
    CClientDC screen(NULL);
    CDC device;
    ASSERT_TRUE(device.CreateCompatibleDC(&screen));
    CRect rect;
    dialog.CalcPrintRect(device, rect, 200, 100);
    const int width = device.GetDeviceCaps(HORZRES), height = device.GetDeviceCaps(VERTRES);
    EXPECT_EQ(CRect((width - 200) / 2, (height - 100) / 2, (width - 200) / 2 + 200, (height - 100) / 2 + 100), rect)
        << "same resolution: the picture's own size, centred";

    // A memory device starts no print job: the user is told, nothing else happens.
    EXPECT_FALSE(dialog.PrintPicture(device));
    ASSERT_EQ(1u, boxes.Count());
    EXPECT_EQ("Printer wouldn't initalize", boxes.Last().text);
    EXPECT_EQ("인쇄", boxes.Last().caption);
}

TEST(PreviewDialog, LaysOutMaximisedAndTellsTheUserThereIsNoPrinter)
{
    const bool noPrinter = !MachineHasDefaultPrinter();
    CMsgBoxRecorder boxes;
    CColourWindow window;
    ASSERT_TRUE(window.CreateShown(CRect(40, 60, 240, 160), kPicture));
    CDlgPreview dialog;
    CRect pageSetup, print, cancel, panel, client;
    BOOL maximised = FALSE;
    CBitmap* shown = nullptr;
    COLORREF corner = 0, middle = 0, onPaper = 0;
    std::vector<RecordedMessageBox> told;
    const ModalScriptResult run = RunModalScript([&] { return dialog.Preview(window.GetSafeHwnd()); },
                                                  CDlgPreview::IDC_PANEL,
                                                  {
                                                      [&](HWND dlg) {
                                                          maximised = ::IsZoomed(dlg);
                                                          const auto place = [dlg](int id) {
                                                              CRect rc;
                                                              const HWND child = ::GetDlgItem(dlg, id);
                                                              ::GetWindowRect(child, &rc);
                                                              ::MapWindowPoints(NULL, dlg, reinterpret_cast<POINT*>(&rc), 2);
                                                              return rc;
                                                          };
                                                          pageSetup = place(CDlgPreview::IDC_PAGESETUP);
                                                          print = place(CDlgPreview::IDC_PRINT);
                                                          cancel = place(IDCANCEL);
                                                          panel = place(CDlgPreview::IDC_PANEL);
                                                          ::GetClientRect(dlg, &client);
                                                          shown = dialog.GetPanel().GetPicture();
                                                          // What the user sees: grey around the paper, the
                                                          // picture in its middle.
                                                          const HWND pnl = ::GetDlgItem(dlg, CDlgPreview::IDC_PANEL);
                                                          ::UpdateWindow(dlg);
                                                          CRect rc;
                                                          ::GetClientRect(pnl, &rc);
                                                          const CRect paper = dialog.GetPanel().GetPaperRect(rc);
                                                          HDC dc = ::GetDC(pnl);
                                                          corner = ::GetPixel(dc, 2, 2);
                                                          middle = ::GetPixel(dc, paper.CenterPoint().x, paper.CenterPoint().y);
                                                          onPaper = ::GetPixel(dc, paper.left + 3, paper.top + 3);
                                                          ::ReleaseDC(pnl, dc);
                                                          return true;
                                                      },
                                                      [&](HWND dlg) {
                                                          if (noPrinter) {
                                                              ClickDlgButton(dlg, CDlgPreview::IDC_PRINT);
                                                              ClickDlgButton(dlg, CDlgPreview::IDC_PAGESETUP);
                                                          }
                                                          told = boxes.Boxes();
                                                          ClickDlgButton(dlg, IDCANCEL);
                                                          return true;
                                                      },
                                                  });
    EXPECT_FALSE(run.stalled);
    EXPECT_EQ(IDCANCEL, run.result);
    EXPECT_TRUE(maximised);
    EXPECT_EQ(CRect(4, 4, 104, 26), pageSetup);
    EXPECT_EQ(CRect(108, 4, 208, 26), print);
    EXPECT_EQ(CRect(212, 4, 312, 26), cancel);
    EXPECT_EQ(CRect(0, 30, client.Width(), 30 + client.Height() - 28), panel);
    EXPECT_EQ(&dialog.GetPicture(), shown);
    EXPECT_EQ(kGrey, corner);
    EXPECT_EQ(kPicture, middle);
    EXPECT_EQ(kWhite, onPaper);
    if (!noPrinter)
        GTEST_SKIP() << "this machine has a printer: the print dialogs would wait for a user";
    ASSERT_EQ(2u, told.size());
    for (const RecordedMessageBox& box : told) {
        EXPECT_EQ("Buy a printer!", box.text);
        EXPECT_EQ("인쇄", box.caption);
    }
}

} // namespace
