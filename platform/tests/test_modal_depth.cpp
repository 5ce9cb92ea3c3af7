// The modal depth of a thread: the framework's modal loops and message boxes count while they
// run, and a message asked to wait for them is posted once, after the last of them has ended.
#include <gtest/gtest.h>

#include <afxdlgs.h>
#include <afxmodal_.h>

#include <functional>
#include <vector>

#include <msgbox_recorder.h>

#include "resdll/resdll.h"
#include "wnd_test_util.h"

namespace {

const UINT WM_LATER = WM_APP + 40;
const UINT WM_INSIDE = WM_APP + 41;

// Notes the depth at each arrival of WM_LATER.
class CLaterTarget : public CWnd
{
public:
    std::vector<int> arrivals;

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_LATER) {
            arrivals.push_back(AfxPlatformModalDepth());
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// A modal dialog that runs `inside` once its loop runs, then ends.
class CInsideDialog : public CDialog
{
public:
    CInsideDialog(CWnd* pParent, std::function<void()> inside) : CDialog(IDD_TEST_DIALOG, pParent), m_inside(inside) {}
    int depthInside = -1;

protected:
    virtual BOOL OnInitDialog()
    {
        CDialog::OnInitDialog();
        PostMessage(WM_INSIDE);
        return TRUE;
    }
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_INSIDE) {
            depthInside = AfxPlatformModalDepth();
            m_inside();
            EndDialog(IDOK);
            return 0;
        }
        return CDialog::WindowProc(message, wParam, lParam);
    }
    std::function<void()> m_inside;
};

// The box handler of these tests: runs the step while "the box is open".
std::function<void()> g_whileBoxOpen;
int g_depthInBox = -1;

int AFXAPI BoxThatRunsTheStep(HWND, LPCTSTR, LPCTSTR, UINT)
{
    g_depthInBox = AfxPlatformModalDepth();
    if (g_whileBoxOpen)
        g_whileBoxOpen();
    return IDOK;
}

int g_depthInFileDialog = -1;
HWND g_hLaterTarget = NULL;

UINT_PTR CALLBACK EndFileDialogAtOnce(HWND hDlg, UINT message, WPARAM, LPARAM)
{
    if (message == WM_INITDIALOG) {
        g_depthInFileDialog = AfxPlatformModalDepth();
        AfxPlatformPostWhenNotModal(g_hLaterTarget, WM_LATER);
        // The explorer dialog is the hook dialog's parent.
        ::PostMessageA(::GetParent(hDlg), WM_COMMAND, IDCANCEL, 0);
    }
    return 0;
}

class ModalDepth : public ::testing::Test
{
public: // the cases' steps reach the window and the request through the fixture
    void SetUp() override
    {
        m_hLib = ::LoadLibraryA("PlatformTestRes.dll");
        ASSERT_NE(m_hLib, (HMODULE)NULL);
        ASSERT_TRUE(m_owner.CreateEx(0, NULL, "owner", WS_POPUP | WS_VISIBLE, 100, 100, 400, 300, NULL, NULL));
        ASSERT_TRUE(m_target.CreateEx(0, NULL, "later", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
        m_previous = AfxSetMessageBoxHandler(&BoxThatRunsTheStep);
        g_whileBoxOpen = nullptr;
        g_depthInBox = g_depthInFileDialog = -1;
        g_hLaterTarget = m_target.m_hWnd;
    }
    void TearDown() override
    {
        AfxSetMessageBoxHandler(m_previous);
        g_whileBoxOpen = nullptr;
        m_target.DestroyWindow();
        m_owner.DestroyWindow();
        if (m_hLib != NULL)
            ::FreeLibrary(m_hLib);
        CWnd::DeleteTempMap();
    }
    void AskLater() { EXPECT_TRUE(AfxPlatformPostWhenNotModal(m_target.m_hWnd, WM_LATER)); }

    HMODULE m_hLib = NULL;
    CWnd m_owner;
    CLaterTarget m_target;
    AFX_MSGBOX_HANDLER m_previous = nullptr;
};

TEST_F(ModalDepth, OutsideEveryLoopTheMessageIsPostedAtOnce)
{
    EXPECT_EQ(0, AfxPlatformModalDepth());
    AskLater();
    PumpPending();
    EXPECT_EQ(std::vector<int>({0}), m_target.arrivals);
}

// Each kind of modal loop counts while it runs; asked from inside (repeatedly, and from a box
// over the dialog), the message comes once, when the outermost loop has ended.
TEST_F(ModalDepth, EachModalLoopCountsAndTheMessageWaitsForTheLast)
{
    struct Case
    {
        const char* what;
        std::function<void(ModalDepth&)> run; // runs the loops, asking from inside
    } cases[] = {
        {"a dialog asking twice",
         [](ModalDepth& t) {
             CInsideDialog dialog(&t.m_owner, [&t] {
                 t.AskLater();
                 t.AskLater();
                 PumpPending();
                 EXPECT_TRUE(t.m_target.arrivals.empty()) << "posted while the dialog runs";
             });
             EXPECT_EQ(IDOK, dialog.DoModal());
             EXPECT_EQ(1, dialog.depthInside);
         }},
        {"a box",
         [](ModalDepth& t) {
             g_whileBoxOpen = [&t] { t.AskLater(); };
             EXPECT_EQ(IDOK, t.m_owner.MessageBox("open", "box", MB_OK));
             EXPECT_EQ(1, g_depthInBox);
         }},
        {"a box over a dialog",
         [](ModalDepth& t) {
             g_whileBoxOpen = [&t] {
                 t.AskLater();
                 PumpPending();
             };
             CInsideDialog dialog(&t.m_owner, [&t] {
                 AfxMessageBox("over the dialog");
                 EXPECT_EQ(2, g_depthInBox);
                 EXPECT_EQ(1, AfxPlatformModalDepth()) << "the box has ended";
                 PumpPending();
                 EXPECT_TRUE(t.m_target.arrivals.empty()) << "posted while the dialog still runs";
                 t.AskLater();
             });
             EXPECT_EQ(IDOK, dialog.DoModal());
         }},
        {"a file dialog",
         [](ModalDepth& t) {
             CFileDialog files(TRUE, NULL, NULL, OFN_ENABLEHOOK, NULL, &t.m_owner);
             files.m_ofn.lpfnHook = &EndFileDialogAtOnce;
             EXPECT_EQ(IDCANCEL, files.DoModal());
             EXPECT_EQ(1, g_depthInFileDialog);
         }},
    };
    for (const Case& c : cases) {
        m_target.arrivals.clear();
        c.run(*this);
        EXPECT_EQ(0, AfxPlatformModalDepth()) << c.what;
        PumpPending();
        EXPECT_EQ(std::vector<int>({0}), m_target.arrivals) << c.what << ": once, with no loop running";
    }
}

} // namespace
