// Molvane.exe as a user starts it: a temporary install root with the program, its libraries and
// a stand-in updater, pointed at the test peers, run as a process of its own whose windows the
// test finds and answers from outside.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "temp_dir.h"

class ProgramRoot
{
public:
    // Bin\ with Molvane.exe, every DLL of the test tree and the updater stand-in as
    // PatchRunner.exe; User\system.ini naming the server (and exchange) peer.
    ProgramRoot(int serverPort, const std::string& exchangeURL);

    std::string Path() const { return m_root.Path(); }
    std::string Bin() const { return m_root.Path() + "Bin\\"; }
    // The folder the program's APPDATA names.
    std::string AppData() const { return m_root.Path() + "AppData"; }
    // A file of the root (a path below it), written or read whole.
    void Write(const std::string& name, const std::string& bytes) const { WriteFileBytes(m_root.File(name), bytes); }
    std::string Read(const std::string& name) const { return ReadFileBytes(m_root.File(name)); }
    bool Exists(const std::string& name) const { return FileExists(m_root.File(name)); }

    // Every line of the server log files, in file order, the time stamps left out.
    std::vector<std::string> ServerLog() const;
    std::vector<std::string> UserLog() const;
    size_t ServerLogFiles() const;
    // Lines the updater stand-in wrote when it was started ("<pid> <path>").
    std::vector<std::string> UpdaterStarts() const;
    // A copy of the stand-in's bytes followed by the marker.
    std::string StandInBytes() const;

private:
    std::vector<std::string> LogLines(const char* folder) const;
    TempDir m_root;
};

class Program
{
public:
    explicit Program(const ProgramRoot& root);
    // Bin\Molvane.exe of any install root, its APPDATA naming appData.
    Program(const std::string& bin, const std::string& appData);
    // A program another process started (the updater starts it again).
    explicit Program(DWORD processId);
    ~Program(); // ends the process if it still runs
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool Started() const { return m_process != NULL; }
    DWORD Id() const { return m_id; }
    // Waits for the end while answering boxes; false when it still runs after timeoutMs.
    bool WaitForEnd(DWORD timeoutMs);
    DWORD ExitCode() const;
    // A visible top-level window of the process with the class and caption; NULL when none
    // appeared within timeoutMs. Boxes are answered while waiting.
    HWND WaitForWindow(const char* className, const std::string& caption, DWORD timeoutMs);
    HWND FindWindow(const char* className, const std::string& caption) const;
    // Answers the message boxes showing now (OK); their texts and captions are kept.
    void AnswerBoxes();
    const std::vector<std::string>& BoxTexts() const { return m_boxTexts; }
    const std::vector<std::string>& BoxCaptions() const { return m_boxCaptions; }

private:
    HANDLE m_process = NULL;
    DWORD m_id = 0;
    std::vector<HWND> m_answered;
    std::vector<std::string> m_boxTexts, m_boxCaptions;
};

// Fills the login dialog of another process and presses its login button.
void LogInFromOutside(HWND dialog, const std::string& id, const std::string& password);
