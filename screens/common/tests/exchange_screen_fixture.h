// The fixture of the exchange-query screens' tests (balance, trade history): the shipped colour
// and image maps, the exchange peer reset with the demo keys, a host frame, a server log of the
// test's own, the screen from its plug-in's export and the account-tab page hosted in a tab
// strip with TradePanel.dll's templates.
#pragma once

#include <gtest/gtest.h>

#include <afxwin.h>

#include <string>

#include "BaseView.h"
#include "peer_link.h"

class CGrid;

class ExchangeScreenTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // The screen of the plug-in's export, created under the host frame.
    CBaseView* OpenScreen(const char* dll, const char* id);
    // The strip a tab page sits in (a child of the tab owner, as in the account tab window).
    CWnd* Strip() { return &m_strip; }
    CWnd* TabOwner() { return &m_owner; }
    // The module of TradePanel.dll, which holds the account tab pages' templates.
    HINSTANCE TradePanelModule() const { return m_hTradePanel; }

    // A click on a control as the user makes it: the button's own handling, then what it queued.
    static void Click(CWnd* button);
    static CString Cell(CWnd* grid, UINT col, UINT row);
    // What the server log got since the test began.
    std::string ServerLog() const;
    // The peer answers path with this JSON text (canned), or with a fault mode.
    static void CannedReply(const char* path, const char* json);
    static void FaultReply(const char* path, const char* mode);
    // The newest line of the view's message line.
    static CString MessageLine(CBaseView* view);

    CWnd m_frame;
    CWnd m_owner;
    CWnd m_strip;
    HMODULE m_hPlugin = NULL;
    HMODULE m_hTradePanel = NULL;
    CBaseView* m_pScreen = NULL;
    size_t m_nLogStart = 0;
};

// The text as the exchange sends it (UTF-8) from the code page 949 text.
std::string ToUtf8(const char* text);
// How often part stands in text.
size_t Occurrences(const std::string& text, const std::string& part);
