#include "screen_titlebar_fixture.h"

int SkinWidth(int button)
{
    static const int widths[] = {0, 16, 17, 18, 20, 12, 13, 14};
    return widths[button];
}

void ScreenTitleBar::TearDown()
{
    if (m_host.m_hWnd != NULL)
        m_host.DestroyWindow();
}

void ScreenTitleBar::Install(UINT style, UINT sizing, CWnd* pParent)
{
    m_bar.SetBackgroundImage(m_skin.Background(true), m_skin.Background(false));
    auto looks = [this](int n) {
        return std::vector<CBitmap*>{m_skin.Button(n, SkinWidth(n), 0), m_skin.Button(n, SkinWidth(n), 1),
                                     m_skin.Button(n, SkinWidth(n), 2)};
    };
    std::vector<CBitmap*> b;
    b = looks(kMin), m_bar.SetMinButtonImage(b[0], b[1], b[2]);
    b = looks(kMax), m_bar.SetMaxButtonImage(b[0], b[1], b[2]);
    b = looks(kRestore), m_bar.SetRestoreButtonImage(b[0], b[1], b[2]);
    b = looks(kClose), m_bar.SetCloseButtonImage(b[0], b[1], b[2]);
    b = looks(kPin), m_bar.SetPinButtonImage(b[0], b[1], b[2]);
    b = looks(kTop), m_bar.SetTopButtonImage(b[0], b[1], b[2]);
    b = looks(kHelp), m_bar.SetHelpButtonImage(b[0], b[1], b[2]);
    m_bar.SetWindowStyle(style);
    m_bar.UseTrackSize(sizing);
    ASSERT_TRUE(m_host.Make(CRect(100, 100, 400, 300), pParent));
    ASSERT_TRUE(m_bar.Install(&m_host));
}

CSize ScreenTitleBar::WindowSize() const
{
    CRect rect;
    ::GetWindowRect(m_host.m_hWnd, &rect);
    return rect.Size();
}

COLORREF ScreenTitleBar::LookOf(UINT hitCode)
{
    const CPoint centre = CentreOf(hitCode);
    return BitmapPixel(m_bar.CurrentImage(), centre.x, centre.y);
}
