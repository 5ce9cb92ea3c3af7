#include "LinkTestSupport.h"

#include <afxwin.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

#include "NetCourier.h"

namespace link_test {

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (done())
            return true;
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs)
            return done();
        MsgWaitForMultipleObjects(0, NULL, FALSE, std::min<DWORD>(timeoutMs - elapsed, 20), QS_ALLINPUT);
    }
}

void PumpFor(DWORD ms)
{
    PumpUntil([] { return false; }, ms);
}

namespace {

const char kRecordingClass[] = "LinkTestRecordingWindow";

int FrameLength(const BYTE* frame)
{
    char text[9] = {0};
    memcpy(text, frame, 8);
    return atoi(text);
}

} // namespace

RecordingWindow::RecordingWindow()
{
    static const bool registered = [] {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = &RecordingWindow::WndProc;
        wc.hInstance = GetModuleHandleA(NULL);
        wc.lpszClassName = kRecordingClass;
        return RegisterClassA(&wc) != 0;
    }();
    (void)registered;
    m_hWnd = CreateWindowExA(0, kRecordingClass, "", WS_OVERLAPPED, 0, 0, 10, 10, NULL, NULL, GetModuleHandleA(NULL),
                             this);
}

RecordingWindow::~RecordingWindow()
{
    if (m_hWnd != NULL)
        DestroyWindow(m_hWnd);
}

void RecordingWindow::Clear()
{
    copies.clear();
    commands.clear();
    linkClosed = 0;
    forceLogout = 0;
}

std::vector<CopyRecord> RecordingWindow::DataRecords() const
{
    std::vector<CopyRecord> out;
    for (const CopyRecord& r : copies)
        if (r.dwData != 20000)
            out.push_back(r);
    return out;
}

std::vector<std::string> RecordingWindow::StatusTexts() const
{
    std::vector<std::string> out;
    for (const CopyRecord& r : copies)
        if (r.dwData == 20000)
            out.push_back(r.data.c_str());
    return out;
}

LRESULT CALLBACK RecordingWindow::WndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const CREATESTRUCTA* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
    }
    RecordingWindow* self = reinterpret_cast<RecordingWindow*>(GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    if (self != NULL) {
        switch (message) {
        case WM_COPYDATA: {
            const COPYDATASTRUCT* cds = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            CopyRecord record;
            record.wParam = wParam;
            record.dwData = cds->dwData;
            record.data.assign(static_cast<const char*>(cds->lpData), cds->cbData);
            if (wParam != 0) {
                const BYTE* frame = reinterpret_cast<const BYTE*>(wParam);
                record.frame.assign(reinterpret_cast<const char*>(frame), FrameLength(frame));
            }
            self->copies.push_back(record);
            if (self->onCopy)
                self->onCopy(record);
            return TRUE;
        }
        case WM_COMMAND:
            self->commands.emplace_back(wParam, lParam);
            return 0;
        case WM_LINK_CLOSED:
            ++self->linkClosed;
            if (self->onLinkClosed)
                self->onLinkClosed();
            return self->linkClosedResult;
        case WM_FORCE_LOGOUT:
            ++self->forceLogout;
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrA(hWnd, GWLP_USERDATA, 0);
            break;
        }
    }
    return DefWindowProcA(hWnd, message, wParam, lParam);
}

void WriteBitmapFile(const std::string& path, int width, int height, COLORREF color)
{
    const int rowSize = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biSizeImage = rowSize * height;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    std::string pixels(info.biSizeImage, '\0');
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            char* p = &pixels[y * rowSize + x * 3];
            p[0] = static_cast<char>(GetBValue(color));
            p[1] = static_cast<char>(GetGValue(color));
            p[2] = static_cast<char>(GetRValue(color));
        }
    FILE* out = fopen(path.c_str(), "wb");
    if (out == NULL)
        return;
    fwrite(&file, sizeof file, 1, out);
    fwrite(&info, sizeof info, 1, out);
    fwrite(pixels.data(), 1, pixels.size(), out);
    fclose(out);
}

TempFolder::TempFolder()
{
    char base[MAX_PATH] = {0};
    GetTempPathA(MAX_PATH, base);
    m_path = std::string(base) + "nctest" + std::to_string(GetCurrentProcessId()) + "_" +
             std::to_string(GetTickCount());
    CreateDirectoryA(m_path.c_str(), NULL);
}

TempFolder::~TempFolder()
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((m_path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do
            DeleteFileA((m_path + "\\" + found.cFileName).c_str());
        while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(m_path.c_str());
}

namespace {

std::mutex g_boxLock;
std::vector<MessageBoxRecorder::Box> g_boxes;
AFX_MSGBOX_HANDLER g_previousHandler = NULL;

int AFXAPI RecordBox(HWND, LPCTSTR text, LPCTSTR, UINT type)
{
    std::lock_guard<std::mutex> hold(g_boxLock);
    g_boxes.push_back({text != NULL ? text : "", type});
    return IDOK;
}

} // namespace

MessageBoxRecorder::MessageBoxRecorder()
{
    Clear();
    g_previousHandler = AfxSetMessageBoxHandler(RecordBox);
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    AfxSetMessageBoxHandler(g_previousHandler);
}

std::vector<MessageBoxRecorder::Box> MessageBoxRecorder::Boxes() const
{
    std::lock_guard<std::mutex> hold(g_boxLock);
    return g_boxes;
}

void MessageBoxRecorder::Clear()
{
    std::lock_guard<std::mutex> hold(g_boxLock);
    g_boxes.clear();
}

std::string InstallRoot()
{
    char path[MAX_PATH] = {0};
    GetModuleFileNameA(NULL, path, MAX_PATH);
    std::string folder(path);
    for (int i = 0; i < 2; ++i)
        folder = folder.substr(0, folder.find_last_of('\\'));
    return folder + "\\";
}

namespace {

std::string SystemIni()
{
    return InstallRoot() + "User\\system.ini";
}

} // namespace

IniValue::IniValue(const std::string& path, const char* section, const char* key, const std::string& value)
    : m_path(path), m_section(section), m_key(key)
{
    char previous[512] = {0};
    const char kAbsent[] = "\x01" "absent";
    GetPrivateProfileStringA(section, key, kAbsent, previous, sizeof previous, path.c_str());
    m_existed = strcmp(previous, kAbsent) != 0;
    m_previous = previous;
    const std::string folder = path.substr(0, path.find_last_of('\\'));
    CreateDirectoryA(folder.c_str(), NULL);
    WritePrivateProfileStringA(section, key, value.c_str(), path.c_str());
}

IniValue::~IniValue()
{
    WritePrivateProfileStringA(m_section.c_str(), m_key.c_str(), m_existed ? m_previous.c_str() : NULL,
                               m_path.c_str());
    // A section left without keys goes too.
    char keys[4] = {0};
    if (GetPrivateProfileSectionA(m_section.c_str(), keys, sizeof keys, m_path.c_str()) == 0)
        WritePrivateProfileStringA(m_section.c_str(), NULL, NULL, m_path.c_str());
}

ServerSetting::ServerSetting(const std::string& address, int port)
    : m_ip(SystemIni(), "SERVER", "IP", address), m_port(SystemIni(), "SERVER", "PORT", std::to_string(port))
{
}

ServerPeer::ServerPeer() : m_control(PeerControl::PortFromEnv("MOLVANE_SERVER_CONTROL"))
{
}

int ServerPeer::Port() const
{
    return PeerControl::PortFromEnv("MOLVANE_SERVER_PORT");
}

Json::Value ServerPeer::Call(const std::string& json)
{
    const std::string reply = m_control.Call(json);
    Json::Value value;
    Json::Reader reader;
    if (reply.empty() || !reader.parse(reply, value)) {
        value = Json::Value(Json::objectValue);
        value["ok"] = false;
        value["error"] = reply.empty() ? m_control.LastError() : reply;
    }
    return value;
}

Json::Value ServerPeer::Must(const std::string& json)
{
    Json::Value value = Call(json);
    EXPECT_TRUE(value["ok"].asBool()) << json << " -> " << value.toStyledString();
    return value;
}

Json::Value ServerPeer::Records(const std::string& kind, int code)
{
    std::string json = "{\"cmd\":\"requests\",\"kind\":\"" + kind + "\"";
    if (code != 0)
        json += ",\"code\":" + std::to_string(code);
    return Must(json + "}")["requests"];
}

std::string QueryFrame(int code, char type, HWND window, const std::string& body)
{
    std::string frame(297, ' ');
    char field[16];
    snprintf(field, sizeof field, "%08d", static_cast<int>(297 + body.size()));
    frame.replace(0, 8, field, 8);
    snprintf(field, sizeof field, "%08d", code);
    frame.replace(8, 8, field, 8);
    frame[16] = type;
    snprintf(field, sizeof field, "%08d", static_cast<int>(reinterpret_cast<INT_PTR>(window)));
    frame.replace(50, 8, field, 8);
    frame[59] = 0;
    return frame + body;
}

std::string Hex(const std::string& bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char c : bytes) {
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    return hex;
}

std::string FromHex(const std::string& hex)
{
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes += static_cast<char>(strtol(hex.substr(i, 2).c_str(), NULL, 16));
    return bytes;
}

} // namespace link_test
