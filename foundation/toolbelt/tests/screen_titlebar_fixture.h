// A screen title bar installed on a hooked popup with a solid-colour skin.
#pragma once

#include <gtest/gtest.h>

#include "titlebar_fixture.h"

// Buttons of the skin: index and width.
enum SkinButton { kMin = 1, kMax, kRestore, kClose, kPin, kTop, kHelp };
int SkinWidth(int button);

class CTitleBarProbe : public CTitleBar
{
public:
    using CTitleBar::ButtonOf;
    using CTitleBar::CurrentImage;
    using CTitleBar::m_bActive;
    using CTitleBar::m_bmpCaption;
    using CTitleBar::m_nStyle;
};

class ScreenTitleBar : public ::testing::Test
{
protected:
    void TearDown() override;
    // Skins the bar, creates the host and installs the bar with the style and sizing mask.
    void Install(UINT style, UINT sizing = 0, CWnd* pParent = NULL);
    HWND Hwnd() const { return m_host.m_hWnd; }
    CSize WindowSize() const;
    // The look a button shows in the cached caption image (its centre pixel).
    COLORREF LookOf(UINT hitCode);
    CPoint CentreOf(UINT hitCode) { return m_bar.ButtonOf(hitCode)->GetRect().CenterPoint(); }

    Skin m_skin;
    CHostWnd m_host;
    CTitleBarProbe m_bar;
};
