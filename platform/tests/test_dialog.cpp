// Dialogs from templates of another library found through the resource chain: modeless with
// keyboard handling through pre-translation, modal with its own loop and a disabled owner.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include <msgbox_recorder.h>

#include "resdll/resdll.h"
#include "wnd_test_util.h"

namespace {

class CTestDialog : public CDialog
{
public:
    explicit CTestDialog(LPCTSTR lpszTemplate, CWnd* pParent = NULL) : CDialog(lpszTemplate, pParent) {}
    explicit CTestDialog(UINT nIDTemplate, CWnd* pParent = NULL) : CDialog(nIDTemplate, pParent) {}
    CTestDialog() {}

    std::function<void(CTestDialog&)> m_onInit;
    std::function<void(CTestDialog&)> m_onApp;
    int m_initCalls = 0;
    int m_okCalls = 0;
    int m_cancelCalls = 0;
    CString m_okText;

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        ++m_initCalls;
        if (m_onInit)
            m_onInit(*this);
        return TRUE;
    }

protected:
    void OnOK() override
    {
        ++m_okCalls;
        GetDlgItemText(IDC_TEST_EDIT, m_okText);
        CDialog::OnOK();
    }
    void OnCancel() override
    {
        ++m_cancelCalls;
        CDialog::OnCancel();
    }
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        KillTimer(nIDEvent);
        EndDialog((int)nIDEvent);
    }
    afx_msg LRESULT OnApp(WPARAM, LPARAM)
    {
        if (m_onApp)
            m_onApp(*this);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestDialog, CDialog)
    ON_WM_TIMER()
    ON_MESSAGE(WM_APP, OnApp)
END_MESSAGE_MAP()

CString WindowText(HWND hWnd)
{
    CString text;
    CWnd::FromHandle(hWnd)->GetWindowText(text);
    return text;
}

class Dialogs : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_hLib = ::LoadLibraryA("PlatformTestRes.dll");
        ASSERT_NE(m_hLib, (HMODULE)NULL);
        ASSERT_TRUE(m_owner.CreateEx(0, NULL, "owner", WS_POPUP | WS_VISIBLE, 100, 100, 400, 300, NULL, NULL));
    }
    void TearDown() override
    {
        m_owner.DestroyWindow();
        if (m_hLib != NULL)
            ::FreeLibrary(m_hLib);
        CWnd::DeleteTempMap();
    }
    HMODULE m_hLib = NULL;
    CWnd m_owner;
};

// Resource chain

TEST(ResourceChain, LibrariesJoinNewestFirstAndLeaveWhenUnloaded)
{
    LPCSTR lpszDialog = MAKEINTRESOURCEA(IDD_TEST_DIALOG);
    HINSTANCE hExe = ::GetModuleHandleA(NULL);
    EXPECT_EQ(AfxFindResourceHandle(lpszDialog, (LPCSTR)RT_DIALOG), hExe) << "not found: the program's module";
    CString text;
    EXPECT_FALSE(text.LoadString(IDS_TEST_TEXT));

    HMODULE hFirst = ::LoadLibraryA("PlatformTestRes.dll");
    ASSERT_NE(hFirst, (HMODULE)NULL);
    EXPECT_EQ(AfxFindResourceHandle(lpszDialog, (LPCSTR)RT_DIALOG), hFirst);
    ASSERT_TRUE(text.LoadString(IDS_TEST_TEXT));
    EXPECT_STREQ(text, "text of the first library");

    HMODULE hSecond = ::LoadLibraryA("PlatformTestRes2.dll");
    ASSERT_NE(hSecond, (HMODULE)NULL);
    EXPECT_EQ(AfxFindResourceHandle(lpszDialog, (LPCSTR)RT_DIALOG), hSecond) << "newest first";
    ASSERT_TRUE(text.LoadString(IDS_TEST_TEXT));
    EXPECT_STREQ(text, "text of the second library");
    // A resource only the older library has is still found, a string too even when the newer
    // library holds other strings of its block.
    EXPECT_EQ(AfxFindResourceHandle("NAMEDDLG", (LPCSTR)RT_DIALOG), hFirst);
    ASSERT_TRUE(text.LoadString(IDS_FIRST_ONLY));
    EXPECT_STREQ(text, "only the first library has this");

    // The application's resource module comes before every library.
    AfxSetResourceHandle(hFirst);
    EXPECT_EQ(AfxFindResourceHandle(lpszDialog, (LPCSTR)RT_DIALOG), hFirst);
    AfxSetResourceHandle(hExe);

    ::FreeLibrary(hSecond);
    EXPECT_EQ(AfxFindResourceHandle(lpszDialog, (LPCSTR)RT_DIALOG), hFirst);
    ::FreeLibrary(hFirst);
    EXPECT_EQ(AfxFindResourceHandle(lpszDialog, (LPCSTR)RT_DIALOG), hExe);
    EXPECT_FALSE(text.LoadString(IDS_TEST_TEXT));
}

TEST(ResourceChain, InitExtensionModuleOnceAndTermRemovesTheModule)
{
    AFX_EXTENSION_MODULE state = {};
    HMODULE hLib = ::LoadLibraryExA("PlatformTestRes2.dll", NULL, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(hLib, (HMODULE)NULL);
    EXPECT_TRUE(AfxInitExtensionModule(state, hLib));
    EXPECT_TRUE(AfxInitExtensionModule(state, hLib));
    EXPECT_EQ(state.hModule, hLib);
    new CDynLinkLibrary(state);
    new CDynLinkLibrary(state);
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(IDD_TEST_DIALOG), (LPCSTR)RT_DIALOG), hLib);
    AfxTermExtensionModule(state); // both library objects go
    EXPECT_NE(AfxFindResourceHandle(MAKEINTRESOURCEA(IDD_TEST_DIALOG), (LPCSTR)RT_DIALOG), hLib);
    EXPECT_FALSE(state.bInitialized);
    ::FreeLibrary(hLib);
}

// Modeless

TEST_F(Dialogs, ModelessFromAnotherLibrarysTemplate)
{
    CTestDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST_DIALOG, &m_owner));
    EXPECT_EQ(dlg.m_initCalls, 1);
    EXPECT_STREQ(WindowText(dlg.m_hWnd), "First");
    EXPECT_NE(dlg.GetDlgItem(IDC_TEST_EDIT), (CWnd*)NULL);
    EXPECT_EQ(::GetWindow(dlg.m_hWnd, GW_OWNER), m_owner.m_hWnd);
    EXPECT_FALSE(dlg.IsWindowVisible()) << "templates without WS_VISIBLE stay hidden";
    EXPECT_TRUE(m_owner.IsWindowEnabled()) << "a modeless dialog leaves its owner alone";
    EXPECT_TRUE(dlg.DestroyWindow());
    EXPECT_EQ(dlg.m_hWnd, (HWND)NULL);
}

TEST_F(Dialogs, ModelessKeysAreHandledThroughPreTranslation)
{
    CTestDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST_DIALOG, &m_owner));
    dlg.ShowWindow(SW_SHOW);
    CWnd* pEdit = dlg.GetDlgItem(IDC_TEST_EDIT);
    dlg.GotoDlgCtrl(pEdit);
    ASSERT_EQ(::GetFocus(), pEdit->m_hWnd);

    // Dispatched without the framework's pre-translation, Enter does nothing to the dialog.
    MSG raw = {pEdit->m_hWnd, WM_KEYDOWN, VK_RETURN, 1};
    ::DispatchMessageA(&raw);
    EXPECT_EQ(dlg.m_okCalls, 0);

    // Through the loop: typed text, Tab moves on, Enter presses the default button.
    ::PostMessageA(pEdit->m_hWnd, WM_CHAR, 'x', 1);
    ::PostMessageA(pEdit->m_hWnd, WM_KEYDOWN, VK_TAB, 1);
    ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() != pEdit->m_hWnd; }));
    EXPECT_EQ(::GetFocus(), ::GetDlgItem(dlg.m_hWnd, IDC_TEST_CHECK));
    ::PostMessageA(::GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
    ASSERT_TRUE(PumpUntil([&] { return dlg.m_okCalls == 1; }));
    EXPECT_STREQ(dlg.m_okText, "x");
    EXPECT_FALSE(dlg.IsWindowVisible()) << "EndDialog hides a modeless dialog";
    dlg.DestroyWindow();
}

// Two libraries hold a template under the same id: a dialog given its own module takes that
// module's template for Create and DoModal, whatever the chain would find first, and never
// falls back to the chain.
TEST_F(Dialogs, ExplicitResourceModuleWinsOverTheChain)
{
    HMODULE hSecond = ::LoadLibraryA("PlatformTestRes2.dll");
    ASSERT_NE(hSecond, (HMODULE)NULL);
    ASSERT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(IDD_TEST_DIALOG), (LPCSTR)RT_DIALOG), hSecond);

    CTestDialog modeless;
    modeless.SetResourceModule(m_hLib);
    ASSERT_TRUE(modeless.Create(IDD_TEST_DIALOG, &m_owner));
    EXPECT_STREQ(WindowText(modeless.m_hWnd), "First");
    EXPECT_NE(modeless.GetDlgItem(IDC_TEST_CHECK), (CWnd*)NULL) << "the first library's controls";
    modeless.DestroyWindow();

    CString modalTitle;
    CTestDialog modal(IDD_TEST_DIALOG, &m_owner);
    modal.SetResourceModule(m_hLib);
    modal.m_onInit = [&](CTestDialog& d) {
        modalTitle = WindowText(d.m_hWnd);
        d.PostMessage(WM_COMMAND, IDCANCEL);
    };
    EXPECT_EQ(modal.DoModal(), IDCANCEL);
    EXPECT_STREQ(modalTitle, "First");

    CDialog viaConstructor(IDD_TEST_DIALOG, &m_owner, hSecond);
    EXPECT_EQ(viaConstructor.GetResourceModule(), (HINSTANCE)hSecond);
    ASSERT_TRUE(viaConstructor.Create(IDD_TEST_DIALOG, &m_owner));
    EXPECT_STREQ(WindowText(viaConstructor.m_hWnd), "Second");
    viaConstructor.DestroyWindow();

    // Only the first library has NAMEDDLG: a dialog of the second does not borrow it.
    CTestDialog missing;
    missing.SetResourceModule(hSecond);
    EXPECT_FALSE(missing.Create("NAMEDDLG", &m_owner));
    ::FreeLibrary(hSecond);
}

TEST_F(Dialogs, MissingTemplateFails)
{
    CTestDialog dlg(4999, &m_owner);
    EXPECT_FALSE(dlg.Create(4999, &m_owner));
    EXPECT_EQ(dlg.m_hWnd, (HWND)NULL);
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_TRUE(m_owner.IsWindowEnabled());
}

// Modal

TEST_F(Dialogs, ModalRunsUntilEnterPressesOk)
{
    CTestDialog dlg(IDD_TEST_DIALOG, &m_owner);
    bool bOwnerEnabledDuringRun = true;
    HWND hDialogOwner = NULL;
    dlg.m_onInit = [&](CTestDialog& d) {
        bOwnerEnabledDuringRun = m_owner.IsWindowEnabled() != FALSE;
        hDialogOwner = ::GetWindow(d.m_hWnd, GW_OWNER);
        HWND hEdit = ::GetDlgItem(d.m_hWnd, IDC_TEST_EDIT);
        ::SetWindowTextA(hEdit, "typed");
        ::PostMessageA(hEdit, WM_KEYDOWN, VK_RETURN, 1);
    };
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_okCalls, 1);
    EXPECT_STREQ(dlg.m_okText, "typed");
    EXPECT_FALSE(bOwnerEnabledDuringRun);
    EXPECT_EQ(hDialogOwner, m_owner.m_hWnd);
    EXPECT_TRUE(m_owner.IsWindowEnabled()) << "the owner comes back";
    EXPECT_EQ(dlg.m_hWnd, (HWND)NULL) << "the window is gone after the run";
}

struct ModalEndCase
{
    const char* name;
    LPCSTR lpszTemplate;
    UINT nEndCommand; // posted WM_COMMAND, or 0 for a timer that ends with its id
    INT_PTR expectedResult;
};

const ModalEndCase kModalEndCases[] = {
    {"CancelCommand", MAKEINTRESOURCEA(IDD_TEST_DIALOG), IDCANCEL, IDCANCEL},
    {"EndDialogWithOwnValue", MAKEINTRESOURCEA(IDD_TEST_DIALOG), 0, 42},
    {"NamedTemplate", "NAMEDDLG", IDOK, IDOK},
    {"CloseBoxCancels", MAKEINTRESOURCEA(IDD_TEST_DIALOG), SC_CLOSE, IDCANCEL},
};

class ModalEnds : public Dialogs, public ::testing::WithParamInterface<ModalEndCase>
{
};

TEST_P(ModalEnds, DoModalReturnsTheEndValue)
{
    const ModalEndCase& c = GetParam();
    CTestDialog dlg(c.lpszTemplate, &m_owner);
    dlg.m_onInit = [&](CTestDialog& d) {
        if (c.nEndCommand == SC_CLOSE)
            ::PostMessageA(d.m_hWnd, WM_CLOSE, 0, 0);
        else if (c.nEndCommand != 0)
            ::PostMessageA(d.m_hWnd, WM_COMMAND, c.nEndCommand, 0);
        else
            d.SetTimer((UINT_PTR)c.expectedResult, 10, NULL);
    };
    EXPECT_EQ(dlg.DoModal(), c.expectedResult);
    EXPECT_EQ(dlg.m_initCalls, 1);
    EXPECT_TRUE(m_owner.IsWindowEnabled());
}

INSTANTIATE_TEST_SUITE_P(Table, ModalEnds, ::testing::ValuesIn(kModalEndCases),
                         [](const ::testing::TestParamInfo<ModalEndCase>& info) { return std::string(info.param.name); });

TEST_F(Dialogs, ModalDialogIsCentredOnItsOwner)
{
    CTestDialog dlg(IDD_TEST_DIALOG, &m_owner);
    CRect rcDialog;
    dlg.m_onInit = [](CTestDialog& d) { d.PostMessage(WM_APP); };
    dlg.m_onApp = [&](CTestDialog& d) {
        d.GetWindowRect(&rcDialog);
        d.EndDialog(IDOK);
    };
    ASSERT_EQ(dlg.DoModal(), IDOK);
    CRect rcOwner;
    m_owner.GetWindowRect(&rcOwner);
    EXPECT_NEAR(rcDialog.CenterPoint().x, rcOwner.CenterPoint().x, 1);
    EXPECT_NEAR(rcDialog.CenterPoint().y, rcOwner.CenterPoint().y, 1);
}

TEST_F(Dialogs, QuitDuringModalRunEndsItAndReachesTheOuterLoop)
{
    CTestDialog dlg(IDD_TEST_DIALOG, &m_owner);
    dlg.m_onInit = [](CTestDialog&) { ::PostQuitMessage(3); };
    EXPECT_EQ(dlg.DoModal(), -1);
    MSG msg;
    ASSERT_TRUE(::PeekMessageA(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_TRUE(m_owner.IsWindowEnabled());
}

TEST_F(Dialogs, NestedModalDialogsDisableEachOwnerInTurn)
{
    CTestDialog outer(IDD_TEST_DIALOG, &m_owner);
    INT_PTR innerResult = 0;
    bool bOuterDisabledDuringInner = false;
    outer.m_onInit = [&](CTestDialog& d) { d.PostMessage(WM_APP); };
    outer.m_onApp = [&](CTestDialog& d) {
        CTestDialog inner("NAMEDDLG", &d);
        inner.m_onInit = [&](CTestDialog& i) {
            bOuterDisabledDuringInner = !d.IsWindowEnabled();
            ::PostMessageA(i.m_hWnd, WM_COMMAND, IDOK, 0);
        };
        innerResult = inner.DoModal();
        d.EndDialog(IDCANCEL);
    };
    EXPECT_EQ(outer.DoModal(), IDCANCEL);
    EXPECT_EQ(innerResult, IDOK);
    EXPECT_TRUE(bOuterDisabledDuringInner);
    EXPECT_TRUE(m_owner.IsWindowEnabled());
}

// A control or a socket that keeps posting to itself never lets the queue go idle: the dialog
// still shows within a bounded number of messages instead of staying hidden over a disabled
// owner.
TEST_F(Dialogs, ModalDialogShowsUnderAFloodOfPostedMessages)
{
    const int kGiveUpAfter = 20000;
    CTestDialog dlg(IDD_TEST_DIALOG, &m_owner);
    int posted = 0;
    int shownAfter = -1;
    bool ownerDisabledWhenShown = false;
    dlg.m_onInit = [](CTestDialog& d) { d.PostMessage(WM_APP); };
    dlg.m_onApp = [&](CTestDialog& d) {
        ++posted;
        if (d.IsWindowVisible()) {
            shownAfter = posted;
            ownerDisabledWhenShown = !m_owner.IsWindowEnabled();
            d.EndDialog(IDOK);
        } else if (posted >= kGiveUpAfter) {
            d.EndDialog(IDCANCEL);
        } else {
            d.PostMessage(WM_APP);
        }
    };
    EXPECT_EQ(dlg.DoModal(), IDOK) << "never shown in " << kGiveUpAfter << " messages";
    EXPECT_GT(shownAfter, 0);
    EXPECT_LE(shownAfter, 100);
    EXPECT_TRUE(ownerDisabledWhenShown);
    EXPECT_TRUE(m_owner.IsWindowEnabled());
}

// In-memory templates

std::vector<WORD> MakeTemplate(DWORD dwStyle, short cx, short cy)
{
    // DLGTEMPLATE, then empty menu, class and title arrays; no controls.
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD) + 3, 0);
    DLGTEMPLATE* p = reinterpret_cast<DLGTEMPLATE*>(words.data());
    p->style = dwStyle;
    p->cdit = 0;
    p->cx = cx;
    p->cy = cy;
    return words;
}

TEST_F(Dialogs, ModalAndModelessFromInMemoryTemplates)
{
    std::vector<WORD> words = MakeTemplate(WS_POPUP | WS_CAPTION, 100, 50);
    std::vector<DWORD> aligned((words.size() + 1) / 2);
    memcpy(aligned.data(), words.data(), words.size() * sizeof(WORD));
    auto* lpTemplate = reinterpret_cast<LPCDLGTEMPLATE>(aligned.data());

    CTestDialog modeless;
    ASSERT_TRUE(modeless.CreateIndirect(lpTemplate, &m_owner));
    EXPECT_EQ(modeless.m_initCalls, 1);
    modeless.DestroyWindow();

    CTestDialog modal;
    ASSERT_TRUE(modal.InitModalIndirect(lpTemplate, &m_owner));
    modal.m_onInit = [](CTestDialog& d) { ::PostMessageA(d.m_hWnd, WM_COMMAND, IDCANCEL, 0); };
    EXPECT_EQ(modal.DoModal(), IDCANCEL);
    EXPECT_EQ(modal.m_cancelCalls, 1);
}

} // namespace

namespace {

// Data exchange between the template's controls and members.
class CExchangeDialog : public CDialog
{
public:
    CExchangeDialog() : CDialog(IDD_TEST_DIALOG) {}
    int m_number = 42;
    int m_checked = 1;
    bool m_ended = false;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_TEST_EDIT, m_number);
        DDV_MinMaxInt(pDX, m_number, 0, 100);
        DDX_Check(pDX, IDC_TEST_CHECK, m_checked);
    }
    void OnOK() override
    {
        if (!UpdateData(TRUE))
            return;
        m_ended = true;
    }
};

TEST_F(Dialogs, InitialisationLoadsTheControls)
{
    CExchangeDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST_DIALOG, &m_owner));
    CString text;
    dlg.GetDlgItemText(IDC_TEST_EDIT, text);
    EXPECT_STREQ(text, "42");
    EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_TEST_CHECK), 1u);
    dlg.DestroyWindow();
}

struct ExchangeCase
{
    const char* name;
    const char* typed;
    const char* expectedPrompt; // empty: accepted
    int expectedNumber;
};

const ExchangeCase kExchangeCases[] = {
    {"NotANumber", "abc", "Please enter an integer.", 42},
    {"TrailingGarbage", "12x", "Please enter an integer.", 42},
    {"OutOfRange", "150", "Enter an integer between 0 and 100.", 150},
    {"Accepted", " 7 ", "", 7},
    {"Negative", "-1", "Enter an integer between 0 and 100.", -1},
};

class DataExchange : public Dialogs, public ::testing::WithParamInterface<ExchangeCase>
{
};

TEST_P(DataExchange, OkValidatesBeforeEnding)
{
    const ExchangeCase& c = GetParam();
    CMsgBoxRecorder recorder;
    CExchangeDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST_DIALOG, &m_owner));
    dlg.CheckDlgButton(IDC_TEST_CHECK, 0);
    dlg.SetDlgItemText(IDC_TEST_EDIT, c.typed);
    dlg.SendMessage(WM_COMMAND, IDOK);
    EXPECT_EQ(dlg.m_number, c.expectedNumber);
    if (*c.expectedPrompt == '\0') {
        EXPECT_TRUE(dlg.m_ended);
        EXPECT_EQ(recorder.Count(), 0u);
        EXPECT_EQ(dlg.m_checked, 0);
    } else {
        EXPECT_FALSE(dlg.m_ended);
        ASSERT_EQ(recorder.Count(), 1u);
        EXPECT_EQ(recorder.Last().text, c.expectedPrompt);
        // The failing field is selected for correction.
        DWORD dwSel = (DWORD)::SendDlgItemMessageA(dlg.m_hWnd, IDC_TEST_EDIT, EM_GETSEL, 0, 0);
        EXPECT_EQ(LOWORD(dwSel), 0);
        EXPECT_EQ(HIWORD(dwSel), (WORD)strlen(c.typed));
    }
    dlg.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(Table, DataExchange, ::testing::ValuesIn(kExchangeCases),
                         [](const ::testing::TestParamInfo<ExchangeCase>& info) { return std::string(info.param.name); });

TEST_F(Dialogs, ControlExchangeSubclassesOnce)
{
    struct CBoundDialog : CDialog
    {
        CBoundDialog() : CDialog(IDD_TEST_DIALOG) {}
        CWnd m_edit;
        void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_TEST_EDIT, m_edit); }
    };
    CBoundDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST_DIALOG, &m_owner));
    EXPECT_EQ(dlg.m_edit.m_hWnd, ::GetDlgItem(dlg.m_hWnd, IDC_TEST_EDIT));
    EXPECT_EQ(CWnd::FromHandlePermanent(dlg.m_edit.m_hWnd), &dlg.m_edit);
    EXPECT_TRUE(dlg.UpdateData(TRUE)) << "a second exchange keeps the binding";
    dlg.DestroyWindow();
    EXPECT_EQ(dlg.m_edit.m_hWnd, (HWND)NULL);
}

} // namespace
