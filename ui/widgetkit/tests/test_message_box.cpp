// The message box: its size from its text (at least 300 pixels), its caption, its buttons,
// and which answer Enter and Escape give; run modally with scripted keys, never hanging.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "BaseDialog.h"
#include "msgbox_recorder.h"
#include "test_skin.h"
#include "widget_host.h"

namespace {

// Ends the box with this when the scripted keys did not.
const int kStillOpen = -5;
const UINT WM_SCRIPT_KEY = WM_APP + 7;
const UINT WM_SCRIPT_END = WM_APP + 8;

struct Seen
{
    CSize window;
    CSize client;
    CString caption;
    BOOL visible1 = FALSE, visible2 = FALSE;
    CRect button1, button2;
    BOOL enterHeld = FALSE;
    CString text1, text2;
};

// Records what the box looks like once open, then plays its keys: (message, key, button to
// focus first: 0 none, else the id).
class CScriptedBox : public CMessageBox
{
public:
    struct Key
    {
        UINT message;
        UINT vk;
        int focus;
        // The key message's long parameter: 0 for a first press or a release as typed.
        LPARAM lParam = 0;
    };
    std::vector<Key> keys;
    Seen seen;
    BOOL enterDownAtOpening = FALSE;
    int m_nDrains = 0;

protected:
    virtual BOOL OnInitDialog()
    {
        const BOOL result = CMessageBox::OnInitDialog();
        CRect window, client;
        GetWindowRect(&window);
        GetClientRect(&client);
        seen.window = window.Size();
        seen.client = client.Size();
        GetWindowText(seen.caption);
        seen.visible1 = (GetDlgItem(IDOK)->GetStyle() & WS_VISIBLE) != 0;
        seen.visible2 = (GetDlgItem(IDCANCEL)->GetStyle() & WS_VISIBLE) != 0;
        GetDlgItem(IDOK)->GetWindowRect(&seen.button1);
        GetDlgItem(IDCANCEL)->GetWindowRect(&seen.button2);
        ScreenToClient(&seen.button1);
        ScreenToClient(&seen.button2);
        seen.enterHeld = IsEnterHeld();
        if (enterDownAtOpening)
            m_bEnterHeld = TRUE;
        GetDlgItemText(IDOK, seen.text1);
        GetDlgItemText(IDCANCEL, seen.text2);
        for (size_t i = 0; i < keys.size(); ++i) {
            if (keys[i].focus != 0)
                GetDlgItem(keys[i].focus)->SetFocus();
            HWND target = ::GetFocus();
            PostMessage(WM_SCRIPT_KEY, reinterpret_cast<WPARAM>(target), (LPARAM)i);
        }
        PostMessage(WM_SCRIPT_END);
        return result;
    }
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_SCRIPT_KEY) {
            // Delivered through the modal loop like a typed key.
            const Key& k = keys[(size_t)lParam];
            const LPARAM typed = k.lParam != 0 ? k.lParam : (k.message == WM_KEYUP ? (LPARAM)0xC0000001 : 1);
            ::PostMessageA(reinterpret_cast<HWND>(wParam), k.message, k.vk, typed);
            return 0;
        }
        if (message == WM_SCRIPT_END) {
            // Behind every key: only reached when none of them closed the box.
            PostMessage(WM_SCRIPT_END + 1);
            return 0;
        }
        if (message == WM_SCRIPT_END + 1) {
            // Whatever the keys left queued (a click a button posts) is handled first.
            MSG pending;
            if (++m_nDrains < 50 && ::PeekMessageA(&pending, NULL, 0, 0, PM_NOREMOVE)) {
                PostMessage(WM_SCRIPT_END + 1);
                return 0;
            }
            EndDialog(kStillOpen);
            return 0;
        }
        return CMessageBox::WindowProc(message, wParam, lParam);
    }
};

int RunBox(CScriptedBox& box, const char* message, const char* caption, int type)
{
    box.SetMessage(message);
    box.SetTitle(caption);
    box.SetType(type);
    return static_cast<int>(box.DoModal());
}

class MessageBoxTest : public ::testing::Test
{
protected:
    void SetUp() override { LoadTestSkin(); }
};

TEST_F(MessageBoxTest, ShortMessageOneButtonEscapeCancels)
{
    CScriptedBox box;
    box.keys.push_back({WM_KEYDOWN, VK_ESCAPE, 0});
    EXPECT_EQ(IDCANCEL, RunBox(box, "확인하세요.", "", 1));
    EXPECT_EQ(300, box.seen.window.cx) << "a short message still gives 300 pixels";
    EXPECT_STREQ("   알림", box.seen.caption.GetString());
    EXPECT_TRUE(box.seen.visible1);
    EXPECT_FALSE(box.seen.visible2);
    EXPECT_EQ(box.seen.client.cx / 2, box.seen.button1.CenterPoint().x) << "one centred button";
    EXPECT_EQ(box.seen.client.cy - 5, box.seen.button1.bottom);
}

TEST_F(MessageBoxTest, LongMessageWidensTheBoxEnterGivesOk)
{
    const std::string message(120, 'W');
    CScriptedBox box;
    box.keys.push_back({WM_KEYUP, VK_RETURN, 0});
    EXPECT_EQ(IDOK, RunBox(box, message.c_str(), "주문", 3));
    EXPECT_GT(box.seen.window.cx, 300);
    EXPECT_STREQ("   주문", box.seen.caption.GetString());
    EXPECT_TRUE(box.seen.visible1);
    EXPECT_TRUE(box.seen.visible2);
    const int centre = box.seen.client.cx / 2;
    EXPECT_EQ(centre - 2, box.seen.button1.right);
    EXPECT_EQ(centre + 2, box.seen.button2.left);
    EXPECT_EQ(box.seen.button1.Size(), box.seen.button2.Size());
    // Its text decides its width: the client less the margins holds it.
    CScriptedBox shorter;
    shorter.keys.push_back({WM_KEYDOWN, VK_ESCAPE, 0});
    const std::string half(60, 'W');
    RunBox(shorter, half.c_str(), "주문", 3);
    EXPECT_GT(box.seen.window.cx, shorter.seen.window.cx);
}

TEST_F(MessageBoxTest, EnterAnswersTheFocusedButton)
{
    CScriptedBox box;
    box.keys.push_back({WM_KEYUP, VK_RETURN, IDCANCEL});
    EXPECT_EQ(IDCANCEL, RunBox(box, "취소할까요?", "", 3));
}

TEST_F(MessageBoxTest, TallerTextMakesATallerBox)
{
    CScriptedBox one, three;
    one.keys.push_back({WM_KEYDOWN, VK_ESCAPE, 0});
    three.keys.push_back({WM_KEYDOWN, VK_ESCAPE, 0});
    RunBox(one, "한 줄", "", 1);
    RunBox(three, "한 줄\n두 줄\n세 줄", "", 1);
    EXPECT_GT(three.seen.window.cy, one.seen.window.cy);
    EXPECT_EQ(one.seen.window.cx, three.seen.window.cx);
}

TEST_F(MessageBoxTest, EnterHeldAtOpeningDoesNotCloseOnItsRelease)
{
    // The box opened while Enter was down: that key's release only clears the flag.
    CScriptedBox box;
    box.enterDownAtOpening = TRUE;
    box.keys.push_back({WM_KEYUP, VK_RETURN, 0});
    EXPECT_EQ(kStillOpen, RunBox(box, "held", "", 1));
    // The next release closes it.
    CScriptedBox again;
    again.enterDownAtOpening = TRUE;
    again.keys.push_back({WM_KEYUP, VK_RETURN, 0});
    again.keys.push_back({WM_KEYUP, VK_RETURN, 0});
    EXPECT_EQ(IDOK, RunBox(again, "held", "", 1));
    // Without Enter down at opening the first release closes it.
    CScriptedBox fresh;
    fresh.keys.push_back({WM_KEYUP, VK_RETURN, 0});
    EXPECT_EQ(IDOK, RunBox(fresh, "not held", "", 1));
    EXPECT_FALSE(fresh.seen.enterHeld) << "no key is down in the test";
}

// Enter answers on its release only, whichever button has the focus: its key-down clicks no
// button, and an Enter held when the box opened (its key-down repeating) answers nothing up to
// and with its release.
TEST_F(MessageBoxTest, EnterDownAnswersNothingWhicheverButtonHasTheFocus)
{
    const LPARAM kRepeat = 0x40000001; // key-down of a key that was already down
    struct Case
    {
        const char* what;
        int focus;
        BOOL heldAtOpening;
        std::vector<std::pair<UINT, LPARAM>> keys;
        int answer;
    } cases[] = {
        {"press on OK", IDOK, FALSE, {{WM_KEYDOWN, 0}}, kStillOpen},
        {"press on Cancel", IDCANCEL, FALSE, {{WM_KEYDOWN, 0}}, kStillOpen},
        {"press and release on OK", IDOK, FALSE, {{WM_KEYDOWN, 0}, {WM_KEYUP, 0}}, IDOK},
        {"press and release on Cancel", IDCANCEL, FALSE, {{WM_KEYDOWN, 0}, {WM_KEYUP, 0}}, IDCANCEL},
        {"held on OK", IDOK, TRUE, {{WM_KEYDOWN, kRepeat}, {WM_KEYDOWN, kRepeat}, {WM_KEYUP, 0}}, kStillOpen},
        {"held on Cancel", IDCANCEL, TRUE, {{WM_KEYDOWN, kRepeat}, {WM_KEYDOWN, kRepeat}, {WM_KEYUP, 0}}, kStillOpen},
        {"held, then pressed again on Cancel", IDCANCEL, TRUE,
         {{WM_KEYDOWN, kRepeat}, {WM_KEYUP, 0}, {WM_KEYDOWN, 0}, {WM_KEYUP, 0}}, IDCANCEL},
    };
    for (const Case& c : cases) {
        CScriptedBox box;
        box.enterDownAtOpening = c.heldAtOpening;
        for (size_t i = 0; i < c.keys.size(); ++i) {
            CScriptedBox::Key key = {c.keys[i].first, VK_RETURN, i == 0 ? c.focus : 0};
            key.lParam = c.keys[i].second;
            box.keys.push_back(key);
        }
        EXPECT_EQ(c.answer, RunBox(box, "자동매매가 설정되었습니다.", "확인", 3)) << c.what;
    }
}

TEST_F(MessageBoxTest, ShowGoesThroughTheLayersMessageBoxFunction)
{
    CMsgBoxRecorder recorder;
    recorder.QueueAnswer(IDCANCEL);
    CMessageBox box;
    EXPECT_EQ(IDCANCEL, box.Show("잔고가 부족합니다.", "", 3));
    ASSERT_EQ(1u, recorder.Count());
    EXPECT_EQ("잔고가 부족합니다.", recorder.Last().text);
    EXPECT_EQ("알림", recorder.Last().caption);
    EXPECT_EQ(static_cast<UINT>(MB_OKCANCEL), recorder.Last().nType);
    EXPECT_EQ(IDOK, box.Show("", "확인", 1)) << "dismissed";
    EXPECT_EQ(" ", recorder.Last().text) << "an empty message still makes a box";
    EXPECT_EQ(static_cast<UINT>(MB_OK), recorder.Last().nType);
}

TEST_F(MessageBoxTest, ButtonTitlesReplaceOnlyWhenGiven)
{
    CScriptedBox box;
    box.SetButtonTitle("매수", "");
    box.keys.push_back({WM_KEYDOWN, VK_ESCAPE, 0});
    RunBox(box, "x", "", 3);
    EXPECT_STREQ("매수", box.seen.text1.GetString());
    EXPECT_STREQ("취소", box.seen.text2.GetString());
}

} // namespace
