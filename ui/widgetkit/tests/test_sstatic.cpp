// The rich label: gradient bands, sign colours, background bitmap, transparency, flashing and
// links, painted into a memory DC and driven by real messages.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "SStatic.h"
#include "test_skin.h"
#include "widget_host.h"

namespace {

std::vector<std::string> g_opened;
void RecordOpen(LPCSTR target)
{
    g_opened.push_back(target);
}

class LabelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        LoadTestSkin();
        g_opened.clear();
        previous = CSStatic::SetShellOpen(&RecordOpen);
        ASSERT_TRUE(parent.CreateHost());
        label.reset(new CSStatic);
        ASSERT_TRUE(label->Create("1,234", WS_CHILD | WS_VISIBLE | SS_RIGHT, CRect(10, 10, 260, 40), &parent, 7201));
    }
    void TearDown() override
    {
        label.reset();
        parent.DestroyWindow();
        CSStatic::SetShellOpen(previous);
    }
    Canvas& Painted()
    {
        canvas.Fill(RGB(1, 2, 3));
        label->Paint(canvas.DC());
        return canvas;
    }

    CSStatic::PFN_SHELLOPEN previous = nullptr;
    CRecordingParent parent;
    std::unique_ptr<CSStatic> label;
    Canvas canvas{250, 30};
};

TEST_F(LabelTest, GradientBandsFromLeftToRight)
{
    label->SetWindowText("");
    label->SetBkColor(RGB(0, 0, 0), RGB(200, 100, 50), CSStatic::Gradient);
    Canvas& c = Painted();
    EXPECT_EQ(RGB(0, 0, 0), c.Pixel(0, 15));
    EXPECT_EQ(RGB(0, 0, 0), c.Pixel(1, 15));          // bands of 2 pixels (250 / 100)
    EXPECT_EQ(RGB(2, 1, 0), c.Pixel(2, 15));
    EXPECT_EQ(RGB(198, 99, 49), c.Pixel(249, 29));    // the last band reaches the right edge
    EXPECT_EQ(RGB(100, 50, 25), c.Pixel(100, 0));
}

TEST_F(LabelTest, NarrowGradientHasABandPerPixel)
{
    label->SetWindowText("");
    label->MoveWindow(10, 10, 40, 30);
    label->SetBkColor(RGB(0, 0, 0), RGB(200, 0, 0), CSStatic::Gradient);
    Canvas& c = Painted();
    for (int x = 0; x < 40; ++x)
        EXPECT_EQ(RGB(x * 5, 0, 0), c.Pixel(x, 10)) << x;
    EXPECT_EQ(RGB(1, 2, 3), c.Pixel(40, 10)); // nothing beyond the label
}

TEST_F(LabelTest, SolidBackgroundAndTextColour)
{
    label->SetWindowText("WWWW");
    label->SetBkColor(RGB(255, 255, 255)).SetTextColor(RGB(0, 0, 255));
    Canvas& c = Painted();
    EXPECT_EQ(RGB(255, 255, 255), c.Pixel(2, 2));
    EXPECT_GT(c.Count(CRect(125, 0, 250, 30), RGB(0, 0, 255)), 0) << "right-aligned text";
    EXPECT_EQ(0, c.Count(CRect(0, 0, 125, 30), RGB(0, 0, 255)));
}

TEST_F(LabelTest, SignColoursInFrontOfRightAlignedText)
{
    label->SetBkColor(RGB(255, 255, 255)).SetTextColor(RGB(0, 0, 0)).SetUseUpDown(TRUE);
    const CRect signBox(0, 0, 20, 30);
    const struct
    {
        char sign;
        COLORREF colour; // the sign's colour, 0 for none
    } cases[] = {{'1', TestColour(102)}, {'2', TestColour(102)}, {'3', 0}, {'4', TestColour(103)},
                 {'5', TestColour(103)}, {'9', 0}};
    for (const auto& c : cases) {
        label->SetUpDownMark(c.sign);
        Canvas& painted = Painted();
        const int up = painted.Count(signBox, TestColour(102));
        const int down = painted.Count(signBox, TestColour(103));
        if (c.colour == TestColour(102)) {
            EXPECT_GT(up, 10) << c.sign;
            EXPECT_EQ(0, down) << c.sign;
        } else if (c.colour == TestColour(103)) {
            EXPECT_GT(down, 10) << c.sign;
            EXPECT_EQ(0, up) << c.sign;
        } else {
            EXPECT_EQ(0, up + down) << c.sign;
        }
        EXPECT_GT(painted.Count(CRect(125, 0, 250, 30), RGB(0, 0, 0)), 0) << "text still drawn right";
    }
    // The rise triangle points up: wider at the bottom than at the top.
    label->SetUpDownMark('2');
    Canvas& painted = Painted();
    EXPECT_LT(painted.Count(CRect(0, 4, 20, 8), TestColour(102)), painted.Count(CRect(0, 22, 20, 26), TestColour(102)));
}

TEST_F(LabelTest, BackgroundBitmapHidesEverythingElse)
{
    std::unique_ptr<CBitmap> picture(SolidBitmap(RGB(0, 160, 0)));
    label->SetBkColor(RGB(255, 255, 255)).SetUseUpDown(TRUE).SetUpDownMark('2');
    label->SetBackgroundImg(picture.get());
    Canvas& c = Painted();
    EXPECT_EQ(250 * 30, c.Count(CRect(0, 0, 250, 30), RGB(0, 160, 0)));
    label->DestroyWindow();
    label.reset();
    BITMAP info;
    EXPECT_EQ(static_cast<int>(sizeof info), ::GetObject(picture->GetSafeHandle(), sizeof info, &info))
        << "the label only borrows its background";
}

TEST_F(LabelTest, TransparentOnAndOff)
{
    label->SetBkColor(RGB(255, 255, 255));
    label->SetTransparent(TRUE);
    EXPECT_TRUE(label->GetExStyle() & WS_EX_TRANSPARENT);
    EXPECT_EQ(RGB(1, 2, 3), Painted().Pixel(2, 2)) << "no background of its own";
    label->SetTransparent(FALSE);
    EXPECT_FALSE(label->GetExStyle() & WS_EX_TRANSPARENT);
    EXPECT_EQ(RGB(255, 255, 255), Painted().Pixel(2, 2));
}

// A transparent label on what lies beneath it: a parent that paints its background, or a
// sibling beneath that clips its siblings. Neither clips the label out, and a whole repaint paints
// the parent, then the children from the top down: the label must still be drawn last, show its
// new text, and lose its old text when it changes.
TEST_F(LabelTest, TransparentLabelStaysOverWhatLiesBeneath)
{
    const COLORREF ground = RGB(40, 200, 40), ink = RGB(200, 0, 0);
    CBrush groundBrush(ground);
    for (const bool sibling : {false, true}) {
        CWnd host;
        ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0, NULL, sibling ? NULL : (HBRUSH)groundBrush.m_hObject),
                                  "ground", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, 300, 60), NULL, 0));
        CSStatic beneath, text;
        if (sibling) {
            ASSERT_TRUE(beneath.Create("", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, CRect(0, 0, 300, 60), &host, 1));
            beneath.SetBkColor(ground);
        }
        ASSERT_TRUE(text.Create("1,234", WS_CHILD | WS_VISIBLE, CRect(10, 10, 260, 40), &host, 2));
        if (sibling)
            beneath.SetWindowPos(&CWnd::wndBottom, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        text.SetTextColor(ink);
        text.SetTransparent(TRUE);
        // Pixels of the label's rectangle of one colour, as the window shows them.
        auto shown = [&](COLORREF colour) {
            HDC dc = ::GetDCEx(host.m_hWnd, NULL, DCX_CACHE);
            int n = 0;
            for (int y = 10; y < 40; ++y)
                for (int x = 10; x < 260; ++x)
                    n += ::GetPixel(dc, x, y) == colour;
            ::ReleaseDC(host.m_hWnd, dc);
            return n;
        };
        const char* const kind = sibling ? "on a sibling" : "on its parent";
        for (int round = 0; round < 2; ++round) {
            host.RedrawWindow(NULL, NULL, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            EXPECT_GT(shown(ink), 0) << kind << ": the text is painted over, repaint " << round;
            EXPECT_GT(shown(ground), 0) << kind << ": the label hides what lies beneath, repaint " << round;
        }
        text.SetText("5,678");
        EXPECT_GT(shown(ink), 0) << kind << ": the new text is painted over";
        text.SetText("");
        EXPECT_EQ(0, shown(ink)) << kind << ": the old text stays";
        text.DestroyWindow();
        beneath.DestroyWindow();
        host.DestroyWindow();
    }
}

TEST_F(LabelTest, FlashingTextTakesTheBackgroundColourInItsOffPhase)
{
    label->SetWindowText("WWWWWWWW");
    label->SetBkColor(RGB(255, 255, 255)).SetTextColor(RGB(0, 0, 255)).FlashText(TRUE);
    EXPECT_EQ(1, label->GetFlashKind());
    EXPECT_GT(Painted().Count(CRect(0, 0, 250, 30), RGB(0, 0, 255)), 0);
    label->SendMessage(WM_TIMER, SSTATIC_FLASH_TIMER, 0);
    EXPECT_EQ(0, Painted().Count(CRect(0, 0, 250, 30), RGB(0, 0, 255)));
    label->SendMessage(WM_TIMER, SSTATIC_FLASH_TIMER, 0);
    EXPECT_GT(Painted().Count(CRect(0, 0, 250, 30), RGB(0, 0, 255)), 0);
    label->FlashText(FALSE);
    EXPECT_EQ(0, label->GetFlashKind());
}

TEST_F(LabelTest, SetTextBeforeTheWindowExistsChangesNothing)
{
    CSStatic unborn;
    unborn.SetText("x");
    EXPECT_EQ(NULL, unborn.m_hWnd);
    label->SetText("9,876");
    CString text;
    label->GetWindowText(text);
    EXPECT_STREQ("9,876", text.GetString());
}

TEST_F(LabelTest, LinksOpenOnlyWebAndMailAddressesTheProgramSet)
{
    const struct
    {
        const char* name;
        int kind; // 1 open, 2 mail
        const char* windowText;
        const char* target;
        const char* opened; // null: nothing
    } cases[] = {
        {"program's web address", 1, "help", "https://zembra.example/help", "https://zembra.example/help"},
        {"plain http", 1, "help", "http://zembra.example/", "http://zembra.example/"},
        {"the window text is never run", 1, "calc.exe", "", nullptr},
        {"no program or file target", 1, "help", "C:\\Windows\\notepad.exe", nullptr},
        {"no other scheme", 1, "help", "file:///C:/x.bat", nullptr},
        {"mail", 2, "desk@zembra.example", "", "mailto:desk@zembra.example"},
        {"mail text with blanks", 2, "a b@c", "", nullptr},
    };
    for (const auto& c : cases) {
        g_opened.clear();
        label->SetWindowText(c.windowText);
        label->SetHyperLink(c.target);
        if (c.kind == 1)
            label->SetLink(TRUE, FALSE);
        else
            label->SetMailLink(TRUE, FALSE);
        EXPECT_TRUE(label->GetStyle() & SS_NOTIFY) << c.name;
        label->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        label->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        if (c.opened == nullptr) {
            EXPECT_TRUE(g_opened.empty()) << c.name;
        } else {
            ASSERT_EQ(1u, g_opened.size()) << c.name;
            EXPECT_EQ(c.opened, g_opened[0]) << c.name;
        }
    }
    label->SetLink(FALSE, FALSE);
    EXPECT_FALSE(label->GetStyle() & SS_NOTIFY);
}

TEST_F(LabelTest, NotifyingLabelTellsItsParentAndOpensNothing)
{
    label->SetHyperLink("https://zembra.example/");
    label->SetLink(TRUE, TRUE);
    label->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    EXPECT_TRUE(g_opened.empty());
    const std::vector<RecordedMessage> notes = parent.Of(WM_NOTIFY);
    ASSERT_EQ(1u, notes.size());
    EXPECT_EQ(7201u, notes[0].wParam);
}

TEST_F(LabelTest, FontSettersChangeOneField)
{
    label->SetFontName("굴림체").SetFontBold(TRUE).SetFontItalic(TRUE);
    EXPECT_EQ(FW_BOLD, label->GetLogFont().lfWeight);
    EXPECT_EQ(1, label->GetLogFont().lfItalic);
    EXPECT_STREQ("굴림체", label->GetLogFont().lfFaceName);
    label->SetFontBold(FALSE).SetRotationAngle(90, TRUE);
    EXPECT_EQ(FW_NORMAL, label->GetLogFont().lfWeight);
    EXPECT_EQ(900, label->GetLogFont().lfEscapement);
    label->SetFontSize(12);
    EXPECT_LT(label->GetLogFont().lfHeight, 0);
}

} // namespace
