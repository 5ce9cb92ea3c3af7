// Message boxes: every box of the layer goes through one replaceable function; test programs
// answer them without showing anything.
#include <gtest/gtest.h>

#include <msgbox_recorder.h>

#include "wnd_test_util.h"

namespace {

const UINT IDS_LINK_LOST = 7101;

struct DismissCase
{
    const char* name;
    UINT nType;
    int expectedAnswer;
};

const DismissCase kDismissCases[] = {
    {"Ok", MB_OK, IDOK},
    {"OkCancel", MB_OKCANCEL, IDCANCEL},
    {"YesNo", MB_YESNO | MB_ICONSTOP, IDNO},
    {"YesNoCancel", MB_YESNOCANCEL, IDCANCEL},
    {"RetryCancel", MB_RETRYCANCEL, IDCANCEL},
    {"AbortRetryIgnore", MB_ABORTRETRYIGNORE, IDABORT},
};

class Dismissed : public ::testing::TestWithParam<DismissCase>
{
};

TEST_P(Dismissed, EveryTestProgramAnswersWithoutShowing)
{
    // No recorder here: the test program's own handler answers.
    EXPECT_EQ(AfxMessageBox("unattended", GetParam().nType), GetParam().expectedAnswer);
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, NULL, "owner", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    EXPECT_EQ(wnd.MessageBox("unattended", "caption", GetParam().nType), GetParam().expectedAnswer);
}

INSTANTIATE_TEST_SUITE_P(Table, Dismissed, ::testing::ValuesIn(kDismissCases),
                         [](const ::testing::TestParamInfo<DismissCase>& info) { return std::string(info.param.name); });

struct IconCase
{
    const char* name;
    UINT nType;
    UINT expectedType;
};

const IconCase kIconCases[] = {
    {"OkGetsExclamation", MB_OK, MB_OK | MB_ICONEXCLAMATION},
    {"OkCancelGetsExclamation", MB_OKCANCEL, MB_OKCANCEL | MB_ICONEXCLAMATION},
    {"YesNoGetsQuestion", MB_YESNO, MB_YESNO | MB_ICONQUESTION},
    {"YesNoCancelGetsQuestion", MB_YESNOCANCEL, MB_YESNOCANCEL | MB_ICONQUESTION},
    {"RetryCancelStaysPlain", MB_RETRYCANCEL, MB_RETRYCANCEL},
    {"GivenIconIsKept", MB_OK | MB_ICONINFORMATION, MB_OK | MB_ICONINFORMATION},
};

class FrameworkBoxIcons : public ::testing::TestWithParam<IconCase>
{
};

TEST_P(FrameworkBoxIcons, AfxMessageBoxChoosesAnIconByButtons)
{
    CMsgBoxRecorder recorder;
    AfxMessageBox("text", GetParam().nType);
    ASSERT_EQ(recorder.Count(), 1u);
    EXPECT_EQ(recorder.Last().nType, GetParam().expectedType);
}

INSTANTIATE_TEST_SUITE_P(Table, FrameworkBoxIcons, ::testing::ValuesIn(kIconCases),
                         [](const ::testing::TestParamInfo<IconCase>& info) { return std::string(info.param.name); });

TEST(MessageBoxRecorder, RecordsAndAnswersFromItsScript)
{
    CMsgBoxRecorder recorder;
    recorder.QueueAnswer(IDYES);
    recorder.QueueAnswer(IDRETRY);
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, NULL, "owner", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    EXPECT_EQ(wnd.MessageBox("first", "Molvane", MB_YESNO | MB_ICONINFORMATION), IDYES);
    EXPECT_EQ(AfxPlatformMessageBox(NULL, "second", NULL, MB_RETRYCANCEL), IDRETRY);
    EXPECT_EQ(AfxPlatformMessageBox(NULL, "third", "c", MB_YESNO), IDNO) << "script used up: dismissed";

    std::vector<RecordedMessageBox> boxes = recorder.Boxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].hWndOwner, wnd.m_hWnd);
    EXPECT_EQ(boxes[0].text, "first");
    EXPECT_EQ(boxes[0].caption, "Molvane");
    EXPECT_EQ(boxes[0].nType, (UINT)(MB_YESNO | MB_ICONINFORMATION)) << "CWnd::MessageBox passes the type as is";
    EXPECT_EQ(boxes[1].caption, "") << "a null caption";
    EXPECT_EQ(boxes[2].nAnswer, IDNO);
}

TEST(MessageBoxRecorder, RecordersNestAndRestoreTheirPredecessor)
{
    CMsgBoxRecorder outer;
    {
        CMsgBoxRecorder inner;
        AfxPlatformMessageBox(NULL, "to inner", "", MB_OK);
        EXPECT_EQ(inner.Count(), 1u);
    }
    AfxPlatformMessageBox(NULL, "to outer", "", MB_OK);
    EXPECT_EQ(outer.Count(), 1u);
    EXPECT_EQ(outer.Last().text, "to outer");
}

// A box raised deep inside a modal run is answered for the user, and the answer travels back.
int AskTheUser(CWnd* pWnd)
{
    return pWnd->MessageBox("저장할까요?", "알림", MB_YESNO | MB_ICONQUESTION);
}
int DecideDeepInside(CWnd* pWnd)
{
    return AskTheUser(pWnd) == IDYES ? 1 : 2;
}

class CAskingDialog : public CDialog
{
public:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        EndDialog(100 + DecideDeepInside(this));
        return TRUE;
    }
};

std::vector<WORD> EmptyTemplate()
{
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD) + 4, 0);
    DLGTEMPLATE* p = reinterpret_cast<DLGTEMPLATE*>(words.data());
    p->style = WS_POPUP | WS_CAPTION;
    p->cx = 80;
    p->cy = 40;
    return words;
}

TEST(MessageBoxRecorder, AnswersABoxRaisedDeepInsideAModalDialog)
{
    CMsgBoxRecorder recorder;
    recorder.QueueAnswer(IDYES);
    std::vector<WORD> words = EmptyTemplate();
    CAskingDialog dlg;
    dlg.InitModalIndirect(reinterpret_cast<LPCDLGTEMPLATE>(words.data()));
    EXPECT_EQ(dlg.DoModal(), 101);
    ASSERT_EQ(recorder.Count(), 1u);
    EXPECT_EQ(recorder.Last().text, "저장할까요?");
    EXPECT_EQ(recorder.Last().caption, "알림");
    EXPECT_NE(recorder.Last().hWndOwner, (HWND)NULL) << "owned by the dialog";
}

UINT AFX_CDECL BoxOnWorker(LPVOID)
{
    return (UINT)AfxMessageBox("from a worker", MB_OKCANCEL);
}

TEST(MessageBoxRecorder, BoxesOfOtherThreadsAreRecordedToo)
{
    CMsgBoxRecorder recorder;
    CWinThread* pThread = AfxBeginThread(&BoxOnWorker, NULL, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(pThread, (CWinThread*)NULL);
    pThread->m_bAutoDelete = FALSE;
    pThread->ResumeThread();
    ASSERT_EQ(::WaitForSingleObject(pThread->m_hThread, 5000), WAIT_OBJECT_0);
    DWORD dwCode = 0;
    ::GetExitCodeThread(pThread->m_hThread, &dwCode);
    EXPECT_EQ(dwCode, (DWORD)IDCANCEL);
    ASSERT_EQ(recorder.Count(), 1u);
    EXPECT_EQ(recorder.Last().nThreadId, pThread->m_nThreadID);
    delete pThread;
}

TEST(MessageBoxRecorder, ResourceIdFormLoadsTheText)
{
    ASSERT_EQ(::GetACP(), 949u) << "the tests run with the Korean code page";
    CMsgBoxRecorder recorder;
    AfxMessageBox(IDS_LINK_LOST, MB_OK | MB_ICONSTOP);
    ASSERT_EQ(recorder.Count(), 1u);
    EXPECT_EQ(recorder.Last().text, "연결이 끊어졌습니다.");
    EXPECT_EQ(recorder.Last().nType, (UINT)(MB_OK | MB_ICONSTOP));
}

} // namespace

// A box of the system's own making is answered by an installed handler like any other, and
// shown by its own procedure only while the default handler is in place.
int AFXAPI ShowOwnBox(void* pContext)
{
    ++*static_cast<int*>(pContext);
    return 77;
}

TEST(OwnMessageBox, AnInstalledHandlerAnswersForIt)
{
    int shown = 0;
    CMsgBoxRecorder recorder;
    recorder.QueueAnswer(IDCANCEL);
    EXPECT_EQ(AfxPlatformOwnMessageBox(NULL, "잔고가 부족합니다.", "알림", MB_OKCANCEL, &ShowOwnBox, &shown), IDCANCEL);
    EXPECT_EQ(shown, 0);
    ASSERT_EQ(recorder.Count(), 1u);
    EXPECT_EQ(recorder.Last().text, "잔고가 부족합니다.");
    EXPECT_EQ(recorder.Last().caption, "알림");
    EXPECT_EQ(recorder.Last().nType, (UINT)MB_OKCANCEL);
}

TEST(OwnMessageBox, TheDefaultHandlerLetsItShowItself)
{
    int shown = 0;
    AFX_MSGBOX_HANDLER previous = AfxSetMessageBoxHandler(NULL);
    const int answer = AfxPlatformOwnMessageBox(NULL, "text", "caption", MB_OK, &ShowOwnBox, &shown);
    AfxSetMessageBoxHandler(previous);
    EXPECT_EQ(answer, 77);
    EXPECT_EQ(shown, 1);
}
