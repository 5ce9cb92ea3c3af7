// Window hooks: chains in order, unhooking in any order, the chain taken down at WM_NCDESTROY,
// hooks that die before their window, refused second hooks and Default's current message.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "SubclassWnd.h"
#include "wnd_test_util.h"

namespace {

const UINT WM_PROBE = WM_APP + 1;
const UINT WM_OTHER = WM_APP + 2;

// A framework window whose own procedure writes what reaches it into a shared log.
class CLogWnd : public CWnd
{
public:
    explicit CLogWnd(std::string* log) : m_log(log) {}
    std::string* m_log;
    WPARAM m_lastProbeW = 0;
    LPARAM m_lastProbeL = 0;
    bool m_ncDestroyWithOwnProc = false;
    WNDPROC m_ownProc = NULL;

    BOOL Make()
    {
        if (!CreateEx(0, NULL, "hooked", WS_POPUP, 0, 0, 100, 80, NULL, NULL))
            return FALSE;
        m_ownProc = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC));
        return TRUE;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_PROBE) {
            *m_log += "own ";
            m_lastProbeW = wParam;
            m_lastProbeL = lParam;
            return 7;
        }
        if (message == WM_NCDESTROY)
            m_ncDestroyWithOwnProc = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC)) == m_ownProc;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// A hook that writes its name and passes everything on; counts WM_NCDESTROY it would see.
class CTagHook : public CSubclassWnd
{
public:
    CTagHook(std::string name, std::string* log) : m_name(std::move(name)), m_log(log) {}
    std::string m_name;
    std::string* m_log;
    int m_ncDestroySeen = 0;
    LRESULT m_swallow = 0; // nonzero: answer WM_PROBE with it

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NCDESTROY)
            ++m_ncDestroySeen;
        if (message == WM_PROBE) {
            *m_log += m_name + " ";
            if (m_swallow != 0)
                return m_swallow;
        }
        return CSubclassWnd::WindowProc(message, wParam, lParam);
    }
};

class HookChain : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_wnd.Make()); }
    void TearDown() override
    {
        if (m_wnd.m_hWnd != NULL)
            m_wnd.DestroyWindow();
    }
    std::string Probe(WPARAM w = 0, LPARAM l = 0)
    {
        m_log.clear();
        ::SendMessageA(m_wnd.m_hWnd, WM_PROBE, w, l);
        return m_log;
    }
    WNDPROC CurrentProc() const { return reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_wnd.m_hWnd, GWLP_WNDPROC)); }

    std::string m_log;
    CLogWnd m_wnd{&m_log};
};

TEST_F(HookChain, NewestHookSeesMessagesFirstAndTheOwnProcedureLast)
{
    CTagHook a("A", &m_log), b("B", &m_log);
    ASSERT_TRUE(a.HookWindow(&m_wnd));
    ASSERT_TRUE(b.HookWindow(&m_wnd));
    EXPECT_EQ(Probe(), "B A own ");
    EXPECT_EQ(a.m_pOldWndProc, m_wnd.m_ownProc);
    EXPECT_EQ(b.m_pOldWndProc, m_wnd.m_ownProc);
    EXPECT_EQ(b.m_pNext, &a);
    EXPECT_NE(CurrentProc(), m_wnd.m_ownProc);
}

TEST_F(HookChain, AHookThatAnswersEndsThePassing)
{
    CTagHook a("A", &m_log), b("B", &m_log);
    a.HookWindow(&m_wnd);
    b.HookWindow(&m_wnd);
    b.m_swallow = 42;
    m_log.clear();
    EXPECT_EQ(::SendMessageA(m_wnd.m_hWnd, WM_PROBE, 0, 0), 42);
    EXPECT_EQ(m_log, "B ");
}

// Three hooks A, B, C (C newest); some are taken out by HookWindow(NULL) or by their
// destruction, and the rest still see messages in order.
struct UnhookCase
{
    const char* name;
    const char* removed; // hook names taken out, in this order
    bool byDestruction;
    const char* expected;
};

class HookRemoval : public HookChain, public ::testing::WithParamInterface<UnhookCase>
{
};

TEST_P(HookRemoval, RemainingHooksKeepTheirOrder)
{
    const UnhookCase& c = GetParam();
    std::unique_ptr<CTagHook> hooks[3];
    const char* names[3] = {"A", "B", "C"};
    for (int i = 0; i < 3; ++i) {
        hooks[i].reset(new CTagHook(names[i], &m_log));
        ASSERT_TRUE(hooks[i]->HookWindow(&m_wnd));
    }
    for (const char* p = c.removed; *p; ++p) {
        std::unique_ptr<CTagHook>& hook = hooks[*p - 'A'];
        if (c.byDestruction) {
            hook.reset();
        } else {
            EXPECT_TRUE(hook->HookWindow(NULL));
            EXPECT_FALSE(hook->IsHooked());
            EXPECT_EQ(hook->m_pOldWndProc, (WNDPROC)NULL);
        }
    }
    EXPECT_EQ(Probe(), c.expected);
    const bool allGone = std::string(c.removed).size() == 3;
    EXPECT_EQ(CurrentProc() == m_wnd.m_ownProc, allGone);
}

const UnhookCase kUnhookCases[] = {
    {"Nothing", "", false, "C B A own "},
    {"Oldest", "A", false, "C B own "},
    {"Middle", "B", false, "C A own "},
    {"Newest", "C", false, "B A own "},
    {"AllNewestFirst", "CBA", false, "own "},
    {"AllOldestFirst", "ABC", false, "own "},
    {"OldestDestroyed", "A", true, "C B own "},
    {"MiddleDestroyed", "B", true, "C A own "},
    {"NewestDestroyed", "C", true, "B A own "},
    {"AllDestroyed", "BCA", true, "own "},
};

INSTANTIATE_TEST_SUITE_P(Cases, HookRemoval, ::testing::ValuesIn(kUnhookCases),
                         [](const ::testing::TestParamInfo<UnhookCase>& info) { return info.param.name; });

TEST_F(HookChain, DestroyingTheWindowRemovesEveryHookBeforeItsOwnProcedureEnds)
{
    CTagHook a("A", &m_log), b("B", &m_log), c("C", &m_log);
    a.HookWindow(&m_wnd);
    b.HookWindow(&m_wnd);
    c.HookWindow(&m_wnd);
    ASSERT_TRUE(m_wnd.DestroyWindow());
    for (CTagHook* hook : {&a, &b, &c}) {
        EXPECT_FALSE(hook->IsHooked()) << hook->m_name;
        EXPECT_EQ(hook->m_ncDestroySeen, 0) << hook->m_name;
        EXPECT_EQ(hook->m_pNext, (CSubclassWnd*)NULL) << hook->m_name;
    }
    EXPECT_TRUE(m_wnd.m_ncDestroyWithOwnProc);
}

TEST_F(HookChain, ASecondHookOfTheSameObjectIsRefused)
{
    CLogWnd other(&m_log);
    ASSERT_TRUE(other.Make());
    CTagHook a("A", &m_log);
    ASSERT_TRUE(a.HookWindow(&m_wnd));
    EXPECT_FALSE(a.HookWindow(&m_wnd));
    EXPECT_FALSE(a.HookWindow(&other));
    EXPECT_EQ(Probe(), "A own ");
    EXPECT_EQ(a.m_pNext, (CSubclassWnd*)NULL);
    m_log.clear();
    ::SendMessageA(other.m_hWnd, WM_PROBE, 0, 0);
    EXPECT_EQ(m_log, "own ");
    other.DestroyWindow();
}

TEST_F(HookChain, UnhookedHooksAndWindowlessObjectsAreHandled)
{
    CTagHook a("A", &m_log);
    EXPECT_TRUE(a.HookWindow(NULL)); // not hooked: nothing to do
    CWnd noWindow;
    EXPECT_FALSE(a.HookWindow(&noWindow));
    EXPECT_FALSE(a.IsHooked());
    // Unhooked and hooked again: works like the first time.
    ASSERT_TRUE(a.HookWindow(&m_wnd));
    ASSERT_TRUE(a.HookWindow(NULL));
    ASSERT_TRUE(a.HookWindow(&m_wnd));
    EXPECT_EQ(Probe(), "A own ");
}

// Handles WM_PROBE by first sending a message to another hooked window, then passing its own
// message on with Default.
class CDefaultHook : public CSubclassWnd
{
public:
    HWND m_hOther = NULL;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_PROBE) {
            ::SendMessageA(m_hOther, WM_OTHER, 5, 6);
            return Default();
        }
        return CSubclassWnd::WindowProc(message, wParam, lParam);
    }
};

TEST_F(HookChain, DefaultPassesOnTheMessageBeingHandledAfterNestedDispatch)
{
    CLogWnd other(&m_log);
    ASSERT_TRUE(other.Make());
    CTagHook otherHook("X", &m_log);
    otherHook.HookWindow(&other);
    CDefaultHook hook;
    hook.m_hOther = other.m_hWnd;
    hook.HookWindow(&m_wnd);

    m_log.clear();
    EXPECT_EQ(::SendMessageA(m_wnd.m_hWnd, WM_PROBE, 123, 456), 7);
    EXPECT_EQ(m_log, "own ");
    EXPECT_EQ(m_wnd.m_lastProbeW, WPARAM(123));
    EXPECT_EQ(m_wnd.m_lastProbeL, LPARAM(456));
    other.DestroyWindow();
}

TEST_F(HookChain, HooksSeeTheSystemsOwnMessages)
{
    // A hook that counts WM_SETTEXT sees the framework's SetWindowText.
    class CTextHook : public CSubclassWnd
    {
    public:
        int m_seen = 0;
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
        {
            if (message == WM_SETTEXT)
                ++m_seen;
            return CSubclassWnd::WindowProc(message, wParam, lParam);
        }
    } hook;
    hook.HookWindow(&m_wnd);
    m_wnd.SetWindowText("changed");
    EXPECT_EQ(hook.m_seen, 1);
    CString text;
    m_wnd.GetWindowText(text);
    EXPECT_STREQ(text, "changed");
}

} // namespace
