// The main window made in the test's process over the test tree's own folders: a menu whose
// screens come from the test plug-in, a "user.cfg" and saved sets of the test's making (the
// originals come back afterwards), the frame's steps traced, shell opens and boxes recorded.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "MainFrame.h"
#include "msgbox_recorder.h"

// A file of the test tree put back as it was when the keeper goes.
class FileKeeper
{
public:
    explicit FileKeeper(const std::string& path);
    ~FileKeeper();

private:
    std::string m_path;
    std::string m_bytes;
    bool m_existed;
};

class FrameTest : public ::testing::Test
{
public:
    static void Record(const char* step);
    static HINSTANCE WINAPI RecordShell(HWND, LPCSTR verb, LPCSTR file, LPCSTR, LPCSTR, INT show);

protected:
    void SetUp() override;
    void TearDown() override;

    // The menu of the tests: screens 1000, 2000, 2001, 3000 and 100, 6000-6015 from the test
    // plug-in, 4001 (a null view), 4002 (a library that is not there), 4003 (a library without
    // the export), 5000 (an address with a library too), and the commands.
    static std::string TestMenu();
    void WriteUserConfig(const std::string& text);
    // Creates and shows the frame; NULL when it could not be made.
    CMainFrame* MakeFrame();
    // Destroys the frame if it is still there.
    void EndFrame();
    // Runs what is posted to this thread.
    static void Pump();
    // The test plug-in's log, emptied after reading.
    static std::string TakeScreenLog();
    static int ScreenValue(CWnd* view);
    static void SetScreenValue(CWnd* view, int value);
    CBaseView* Screen(int i) { return m_frame->GetScreenList().GetAt(i); }
    int ScreenCount() { return m_frame->GetScreenList().GetCount(); }
    static CPoint TopLeft(CWnd* wnd);
    std::string UserFile(const std::string& name) const;
    // Runs `open`, which brings up the logout dialog, and clicks one of its buttons as the user
    // does; the script's failure text (empty when it went as planned).
    static std::string AnswerLogout(int button, const std::function<void()>& open);

    static std::vector<std::string> s_trace;
    static std::vector<std::string> s_shell;

    CMainFrame* m_frame = nullptr;
    HWND m_hFrame = NULL;
    HMODULE m_screenLibrary = NULL;
    CMsgBoxRecorder m_boxes;
    std::vector<FileKeeper*> m_kept;
};
