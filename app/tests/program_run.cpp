#include "ProgramRun.h"

#include <algorithm>
#include <cstring>

namespace {

std::string ModuleFolder()
{
    char path[MAX_PATH] = {0};
    ::GetModuleFileNameA(NULL, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

const char kStandInMarker[] = "\r\nMOLVANE-TEST-NEW-UPDATER";

void CopyMatching(const std::string& from, const char* pattern, const std::string& to)
{
    WIN32_FIND_DATAA found;
    HANDLE find = ::FindFirstFileA((from + pattern).c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do
        ::CopyFileA((from + found.cFileName).c_str(), (to + found.cFileName).c_str(), FALSE);
    while (::FindNextFileA(find, &found));
    ::FindClose(find);
}

// The text behind the "hh:mm:ss:n " stamp of a log line (lines without one as they are).
std::string Unstamped(const std::string& line)
{
    int colons = 0;
    for (size_t i = 0; i < line.size() && i < 24; ++i) {
        if (line[i] == ':')
            ++colons;
        if (colons == 3 && line[i] == ' ')
            return line.substr(i + 1);
    }
    return line;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
            line.pop_back();
        if (!line.empty())
            lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::vector<std::string> FilesIn(const std::string& folder, const char* pattern)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE find = ::FindFirstFileA((folder + pattern).c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do
        names.push_back(found.cFileName);
    while (::FindNextFileA(find, &found));
    ::FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

ProgramRoot::ProgramRoot(int serverPort, const std::string& exchangeURL)
{
    const std::string from = ModuleFolder();
    for (const char* folder : {"Bin", "System", "map", "Images", "User", "Temp", "AppData"})
        ::CreateDirectoryA(m_root.File(folder).c_str(), nullptr);
    CopyMatching(from, "*.dll", Bin());
    ::CopyFileA((from + "Molvane.exe").c_str(), (Bin() + "Molvane.exe").c_str(), FALSE);
    ::CopyFileA((from + "MolvaneStandIn.exe").c_str(), (Bin() + "PatchRunner.exe").c_str(), FALSE);
    // The main window's menu, colour and image maps and member list.
    CopyMatching(from + "..\\System\\", "*.*", m_root.File("System") + "\\");
    // The layouts of the windows the main window opens itself (the order alarm).
    CopyMatching(from + "..\\map\\", "*.xml", m_root.File("map") + "\\");
    std::string ini = "[SERVER]\r\nIP=127.0.0.1\r\nPORT=" + std::to_string(serverPort) + "\r\n";
    if (!exchangeURL.empty())
        ini += "[EXCHANGE]\r\nBASEURL=" + exchangeURL + "\r\n";
    Write("User\\system.ini", ini);
    Write("System\\version.dat", "version=1.0.0\r\n");
}

std::string ProgramRoot::StandInBytes() const
{
    return ReadFileBytes(ModuleFolder() + "MolvaneStandIn.exe") + kStandInMarker;
}

std::vector<std::string> ProgramRoot::LogLines(const char* folder) const
{
    const std::string dir = AppData() + "\\Molvane\\" + folder + "\\";
    std::vector<std::string> lines;
    for (const std::string& name : FilesIn(dir, "*.log"))
        for (const std::string& line : Lines(ReadFileBytes(dir + name)))
            lines.push_back(Unstamped(line));
    return lines;
}

std::vector<std::string> ProgramRoot::ServerLog() const
{
    return LogLines("System");
}

std::vector<std::string> ProgramRoot::UserLog() const
{
    return LogLines("UserLog");
}

size_t ProgramRoot::ServerLogFiles() const
{
    return FilesIn(AppData() + "\\Molvane\\System\\", "*.log").size();
}

std::vector<std::string> ProgramRoot::UpdaterStarts() const
{
    std::vector<std::string> starts;
    for (const std::string& line : Lines(Read("User\\standin.log")))
        if (line.find("PatchRunner.exe") != std::string::npos)
            starts.push_back(line);
    return starts;
}

Program::Program(const ProgramRoot& root) : Program(root.Bin(), root.AppData())
{
}

Program::Program(const std::string& bin, const std::string& appData)
{
    // The program's own environment, with APPDATA naming the root's folder for the logs.
    std::string block;
    LPCH strings = ::GetEnvironmentStringsA();
    for (LPCH p = strings; *p; p += strlen(p) + 1) {
        if (_strnicmp(p, "APPDATA=", 8) != 0)
            block.append(p).push_back('\0');
    }
    ::FreeEnvironmentStringsA(strings);
    block.append("APPDATA=" + appData).push_back('\0');
    block.push_back('\0');

    std::string command = "\"" + bin + "Molvane.exe\"";
    STARTUPINFOA si = {sizeof si};
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION pi = {};
    if (::CreateProcessA(NULL, &command[0], NULL, NULL, FALSE, 0, &block[0], bin.c_str(), &si, &pi)) {
        ::CloseHandle(pi.hThread);
        m_process = pi.hProcess;
        m_id = pi.dwProcessId;
    }
}

Program::Program(DWORD processId)
{
    m_process = ::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_TERMINATE, FALSE, processId);
    if (m_process != NULL)
        m_id = processId;
}

Program::~Program()
{
    if (m_process == NULL)
        return;
    if (::WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(m_process, 99);
        ::WaitForSingleObject(m_process, 5000);
    }
    ::CloseHandle(m_process);
}

bool Program::WaitForEnd(DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    while (::WaitForSingleObject(m_process, 20) == WAIT_TIMEOUT) {
        AnswerBoxes();
        if (::GetTickCount() - start > timeoutMs)
            return false;
    }
    return true;
}

DWORD Program::ExitCode() const
{
    DWORD code = STILL_ACTIVE;
    ::GetExitCodeProcess(m_process, &code);
    return code;
}

namespace {

struct Search
{
    DWORD pid;
    const char* className;
    const std::string* caption;
    std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND hWnd, LPARAM param)
{
    Search& search = *reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    if (pid != search.pid || !::IsWindowVisible(hWnd))
        return TRUE;
    char name[64] = {0}, caption[256] = {0};
    ::GetClassNameA(hWnd, name, sizeof name);
    ::GetWindowTextA(hWnd, caption, sizeof caption);
    if ((search.className == nullptr || strcmp(name, search.className) == 0) &&
        (search.caption == nullptr || *search.caption == caption))
        search.found.push_back(hWnd);
    return TRUE;
}

} // namespace

HWND Program::FindWindow(const char* className, const std::string& caption) const
{
    Search search = {m_id, className, &caption, {}};
    ::EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
    return search.found.empty() ? NULL : search.found.front();
}

HWND Program::WaitForWindow(const char* className, const std::string& caption, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    for (;;) {
        HWND found = FindWindow(className, caption);
        if (found != NULL)
            return found;
        AnswerBoxes();
        if (::GetTickCount() - start > timeoutMs || ::WaitForSingleObject(m_process, 0) != WAIT_TIMEOUT)
            return NULL;
        ::Sleep(20);
    }
}

void Program::AnswerBoxes()
{
    Search search = {m_id, "#32770", nullptr, {}};
    ::EnumWindows(Collect, reinterpret_cast<LPARAM>(&search));
    for (HWND box : search.found) {
        // A message box has its text in the static 0xFFFF; the login dialog has none.
        HWND text = ::GetDlgItem(box, 0xFFFF);
        if (text == NULL || std::find(m_answered.begin(), m_answered.end(), box) != m_answered.end())
            continue;
        char buffer[1024] = {0}, caption[256] = {0};
        ::GetWindowTextA(text, buffer, sizeof buffer);
        ::GetWindowTextA(box, caption, sizeof caption);
        m_boxTexts.push_back(buffer);
        m_boxCaptions.push_back(caption);
        m_answered.push_back(box);
        ::PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
}

void LogInFromOutside(HWND dialog, const std::string& id, const std::string& password)
{
    ::SetDlgItemTextA(dialog, 1027, id.c_str());
    ::SetDlgItemTextA(dialog, 1033, password.c_str());
    ::SetDlgItemTextA(dialog, 1034, "api-key");
    ::SetDlgItemTextA(dialog, 1035, "secret-key");
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(1029, BN_CLICKED), (LPARAM)::GetDlgItem(dialog, 1029));
}
