// Characters typed as Unicode keys reach the program's edits in its code page: Korean arrives
// as double-byte characters, whether the edit sits in a dialog or in a plain window, is the
// system's own or subclassed by a framework object, and whether the loop is a dialog's modal
// one or the thread's.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "resdll/resdll.h"
#include "wnd_test_util.h"

namespace {

// Korean and Latin mixed; 갂 (81 41) has a trail byte that is also the letter 'A'.
const char kTyped[] = "내 화면 1갂a";

std::string Hex(const std::string& bytes)
{
    std::string out;
    char one[4];
    for (unsigned char c : bytes) {
        snprintf(one, sizeof one, "%02X ", c);
        out += one;
    }
    return out;
}

std::string TextOf(HWND hWnd)
{
    char text[128] = {0};
    ::GetWindowTextA(hWnd, text, sizeof text);
    return text;
}

// An edit of a framework object that records the characters its handler saw.
class CRecordingEdit : public CEdit
{
public:
    std::string m_seen;

protected:
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        m_seen += (char)nChar;
        CEdit::OnChar(nChar, nRepCnt, nFlags);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecordingEdit, CEdit)
    ON_WM_CHAR()
END_MESSAGE_MAP()

// Brings the edit's top-level window forward with the focus in the edit.
bool FocusOn(HWND hTop, HWND hEdit)
{
    ::SetForegroundWindow(hTop);
    ::SetFocus(hEdit);
    return PumpUntil([&] { return ::GetForegroundWindow() == hTop && ::GetFocus() == hEdit; });
}

enum class Host { DIALOG, WINDOW };

struct TypedCase
{
    const char* name;
    Host host;
    bool bFrameworkEdit; // subclassed by a framework object, else the system's edit alone
};

void PrintTo(const TypedCase& c, std::ostream* os)
{
    *os << c.name;
}

const TypedCase kTypedCases[] = {
    {"DialogSystemEdit", Host::DIALOG, false},
    {"DialogFrameworkEdit", Host::DIALOG, true},
    {"WindowSystemEdit", Host::WINDOW, false},
    {"WindowFrameworkEdit", Host::WINDOW, true},
};

// The dialog template's library loaded, in the Korean code page.
class KoreanInput : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(949u, ::GetACP()) << "runs in the Korean code page";
        m_hLib = ::LoadLibraryA("PlatformTestRes.dll");
        ASSERT_NE(m_hLib, (HMODULE)NULL);
    }
    void TearDown() override
    {
        if (m_hLib != NULL)
            ::FreeLibrary(m_hLib);
        CWnd::DeleteTempMap();
    }
    HMODULE m_hLib = NULL;
};

class TypedChars : public KoreanInput, public ::testing::WithParamInterface<TypedCase>
{
};

TEST_P(TypedChars, ArriveAsTheCodePagesBytes)
{
    const TypedCase& c = GetParam();
    CDialog dialog;
    CWnd window;
    HWND hTop = NULL, hEdit = NULL;
    if (c.host == Host::DIALOG) {
        ASSERT_TRUE(dialog.Create(IDD_TEST_DIALOG));
        dialog.ShowWindow(SW_SHOW);
        hTop = dialog.m_hWnd;
        hEdit = ::GetDlgItem(hTop, IDC_TEST_EDIT);
    } else {
        ASSERT_TRUE(window.CreateEx(0, NULL, "typing", WS_POPUP | WS_VISIBLE, 100, 100, 300, 80, NULL, NULL));
        hTop = window.m_hWnd;
        hEdit = CreateForeignWindow("EDIT", hTop, WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL);
        ::MoveWindow(hEdit, 10, 10, 250, 24, TRUE);
    }
    ASSERT_NE((HWND)NULL, hEdit);
    CRecordingEdit edit;
    ::SetWindowTextA(hEdit, "");
    if (c.bFrameworkEdit) {
        ASSERT_TRUE(edit.SubclassWindow(hEdit));
    }
    ASSERT_TRUE(FocusOn(hTop, hEdit));

    TypeUnicode(kTyped);
    const bool typed = PumpUntil([&] { return TextOf(hEdit) == kTyped; });
    EXPECT_TRUE(typed) << "the edit holds " << Hex(TextOf(hEdit)) << "instead of " << Hex(kTyped);
    if (c.bFrameworkEdit) {
        EXPECT_EQ(Hex(kTyped), Hex(edit.m_seen)) << "the handler sees each byte, lead then trail";
    }

    if (c.bFrameworkEdit)
        edit.UnsubclassWindow();
    if (c.host == Host::DIALOG)
        dialog.DestroyWindow();
    else
        window.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(Table, TypedChars, ::testing::ValuesIn(kTypedCases),
                         [](const ::testing::TestParamInfo<TypedCase>& info) { return std::string(info.param.name); });

// The modal loop pumps for itself: a dialog run with DoModal, typed into once it shows.
class CTypingDialog : public CDialog
{
public:
    CTypingDialog() : CDialog(IDD_TEST_DIALOG) {}
    std::string m_text;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        SetTimer(1, 20, NULL);
        return TRUE;
    }
    afx_msg void OnTimer(UINT_PTR)
    {
        HWND hEdit = ::GetDlgItem(m_hWnd, IDC_TEST_EDIT);
        if (!m_bTyped) {
            if (!IsWindowVisible())
                return;
            ::SetForegroundWindow(m_hWnd);
            ::SetFocus(hEdit);
            if (::GetForegroundWindow() != m_hWnd || ::GetFocus() != hEdit)
                return;
            TypeUnicode(kTyped);
            m_bTyped = true;
            m_nStarted = ::GetTickCount();
            return;
        }
        m_text = TextOf(hEdit);
        if (m_text == kTyped || ::GetTickCount() - m_nStarted > 5000)
            EndDialog(IDOK);
    }
    DECLARE_MESSAGE_MAP()

private:
    bool m_bTyped = false;
    DWORD m_nStarted = 0;
};

BEGIN_MESSAGE_MAP(CTypingDialog, CDialog)
    ON_WM_TIMER()
END_MESSAGE_MAP()

TEST_F(KoreanInput, TypedIntoAModalDialog)
{
    CTypingDialog dialog;
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(Hex(kTyped), Hex(dialog.m_text));
}

// The dialog manager gets a pair only whole: a lead byte waits for the trail byte of its own
// window, a lead byte without one makes no character and takes nothing with it, and messages of
// windows outside the dialog are not the dialog's.
TEST_F(KoreanInput, DialogJoinsOnlyAPairOfOneWindow)
{
    CDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_TEST_DIALOG));
    HWND hFirst = ::GetDlgItem(dialog.m_hWnd, IDC_TEST_EDIT);
    HWND hSecond = CreateForeignWindow("EDIT", dialog.m_hWnd, WS_CHILD | WS_VISIBLE);
    ::SetWindowTextA(hSecond, "");
    HWND hOutside = CreateForeignWindow("EDIT");
    auto offer = [&](HWND hWnd, BYTE b) {
        MSG msg = {hWnd, WM_CHAR, b, 1};
        return dialog.IsDialogMessage(&msg);
    };
    // 내 is B3 BB, 가 is B0 A1; B3 B0 would be a character of its own.
    EXPECT_TRUE(offer(hFirst, 0xB3));
    EXPECT_TRUE(offer(hSecond, 0xB0));
    EXPECT_TRUE(offer(hSecond, 0xA1));
    EXPECT_EQ(Hex(""), Hex(TextOf(hFirst)));
    EXPECT_EQ(Hex("가"), Hex(TextOf(hSecond)));
    EXPECT_TRUE(offer(hFirst, 0xB3));
    EXPECT_TRUE(offer(hFirst, '1'));
    EXPECT_EQ(Hex("1"), Hex(TextOf(hFirst)));
    EXPECT_FALSE(offer(hOutside, 0xB0));
    ::DestroyWindow(hOutside);
    dialog.DestroyWindow();
}

} // namespace
