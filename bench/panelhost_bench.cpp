// PanelHost: LoadMapFile of a 60-control layout (the size of the largest screen's) into a view:
// the file read, every control created under the view, fonts set. Beside it, per phase: the load
// that first destroys an earlier one, the file read alone, each kind of control loaded alone
// (with the windows it makes), an empty layout, and 60 bare windows as the floor.
#include <afxwin.h>

#include <objbase.h>
#include <stdio.h>

#include <string>
#include <functional>
#include <vector>

#include "InstallFolders.h"
#include "GridTable.h"
#include "MapView.h"
#include "SComboBox.h"
#include "SStatic.h"
#include "SharedData.h"
#include "UITabCtrl.h"
#include <afxcmn.h>
#include "SharedKit.h"
#include "XMLHelper.h"
#include "panelhost_bench.h"

namespace {

double Seconds(const LARGE_INTEGER& a, const LARGE_INTEGER& b)
{
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return double(b.QuadPart - a.QuadPart) / double(f.QuadPart);
}

std::string Pos(int x, int y, int w, int h)
{
    char text[64];
    snprintf(text, sizeof text, "position=\"%d,%d,%d,%d\"", x, y, w, h);
    return text;
}

// One kind of control of the layout: its label and its elements.
struct LayoutGroup
{
    const char* label;
    std::string elements;
    int controls;
};

// 60 controls as a trading screen has them: grids, a tab, panels holding buttons and labels,
// edits, combos, spin edits, check and radio boxes, a date.
std::vector<LayoutGroup> ScreenGroups()
{
    std::vector<LayoutGroup> groups;
    int id = 1001;
    auto next = [&id] { return std::to_string(id++); };
    auto group = [&groups, &id](const char* label, int first, std::string elements) {
        groups.push_back(LayoutGroup{label, elements, id - first});
    };
    int first = id;
    std::string body;
    for (int i = 0; i < 6; ++i)
        body += "<GridTable id=\"" + next() + "\" " + Pos(10 + (i % 3) * 330, 10 + (i / 3) * 250, 320, 240) +
                " column=\"6\" row=\"21\" col-head=\"0\" row-head=\"1\" scroll=\"vert\" widths=\"60,50,50,50,50,50\"/>\n";
    group("GridTable", first, body);
    first = id;
    group("TabCtrl", first, "<TabCtrl id=\"" + next() + "\" " + Pos(10, 520, 980, 30) + "/>\n");
    first = id;
    body.clear();
    for (int p = 0; p < 3; ++p) {
        body += "<Panel id=\"" + next() + "\" " + Pos(10 + p * 330, 560, 320, 120) + ">\n";
        for (int i = 0; i < 4; ++i)
            body += "  <ImgButton id=\"" + next() + "\" " + Pos(5 + i * 78, 5, 74, 22) +
                    " text=\"btn\" normal=\"913\" over=\"914\" pressed=\"915\"/>\n";
        for (int i = 0; i < 4; ++i)
            body += "  <Static id=\"" + next() + "\" " + Pos(5 + i * 78, 35, 74, 20) + " text=\"label\" exstyle=\"edge\"/>\n";
        body += "</Panel>\n";
    }
    group("Panel+ImgButton+Static", first, body);
    first = id;
    body.clear();
    for (int i = 0; i < 7; ++i)
        body += "<Static id=\"" + next() + "\" " + Pos(1000, 10 + i * 25, 80, 20) + " text=\"caption\"/>\n";
    group("Static", first, body);
    first = id;
    body.clear();
    for (int i = 0; i < 6; ++i)
        body += "<Edit id=\"" + next() + "\" " + Pos(1090, 10 + i * 25, 90, 20) + " align-right=\"true\"/>\n";
    group("Edit", first, body);
    first = id;
    body.clear();
    for (int i = 0; i < 4; ++i)
        body += "<ComboBox id=\"" + next() + "\" " + Pos(1090, 170 + i * 25, 90, 120) + "/>\n";
    group("ComboBox", first, body);
    first = id;
    body.clear();
    for (int i = 0; i < 3; ++i)
        body += "<SpinEdit id=\"" + next() + "\" " + Pos(1090, 280 + i * 25, 90, 20) + "/>\n";
    group("SpinEdit", first, body);
    first = id;
    body.clear();
    for (int i = 0; i < 2; ++i)
        body += "<CheckBox id=\"" + next() + "\" " + Pos(1000, 360 + i * 25, 90, 20) + " text=\"check\"/>\n";
    for (int i = 0; i < 2; ++i)
        body += "<RadioBox id=\"" + next() + "\" " + Pos(1090, 360 + i * 25, 90, 20) + " text=\"radio\"" +
                (i == 0 ? " group=\"true\" checked=\"true\"" : "") + "/>\n";
    body += "<GroupBox id=\"" + next() + "\" " + Pos(990, 470, 200, 60) + " text=\"group\"/>\n";
    group("CheckBox+RadioBox+GroupBox", first, body);
    first = id;
    group("DateCombo", first, "<DateCombo id=\"" + next() + "\" " + Pos(1000, 440, 120, 20) + "/>\n");
    return groups;
}

std::string LayoutOf(const std::string& body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<MAP position=\"0,0,1200,700\" max-size=\"1600,900\" "
           "min-size=\"800,500\" track=\"RIGHT|BOTTOM\">\n" +
           body + "</MAP>\n";
}

void WriteFile(const std::string& path, const std::string& text)
{
    FILE* file = fopen(path.c_str(), "wb");
    fwrite(text.data(), 1, text.size(), file);
    fclose(file);
}

// Windows created (every child window, the controls' own parts included) while a hook is set.
int g_created = 0;
HHOOK g_hook = NULL;

LRESULT CALLBACK CountCreation(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND)
        ++g_created;
    return ::CallNextHookEx(g_hook, code, wParam, lParam);
}

// Per load of the file into the view (its earlier controls deleted outside the timing).
double LoadTime(CMapView& view, const std::string& path, int rounds, int* windows)
{
    LARGE_INTEGER a, b;
    double total = 0;
    for (int i = 0; i < rounds; ++i) {
        view.DeleteControls();
        g_created = 0;
        QueryPerformanceCounter(&a);
        view.LoadMapFile(&view, path.c_str());
        QueryPerformanceCounter(&b);
        total += Seconds(a, b);
    }
    if (windows != NULL)
        *windows = g_created;
    return total * 1e3 / rounds;
}

// The file read and every element's attributes taken, nothing created.
void ReadOnly(const std::string& path)
{
    CXMLHelper xml;
    xml.Load(path.c_str());
    CXMLNode* root = xml.GetNode("MAP");
    for (CXMLNode* e = root->GetFirstChild(); e != NULL; e = e->GetNextSibling()) {
        CXMLAttributeMap attrs;
        e->GetAttributes(attrs);
        for (CXMLNode* c = e->GetFirstChild(); c != NULL; c = c->GetNextSibling())
            c->GetAttributes(attrs);
    }
    xml.ClearNodeArray();
}

} // namespace

int main()
{
    ::CoInitialize(NULL);
    GetColorMap()->Load(CString(GetSystemDir()) + "colormap.xml", "default");
    GetResourceMap()->Load(CString(GetSystemDir()) + "ResourceMap.xml", "default");

    char temp[MAX_PATH];
    ::GetTempPathA(sizeof temp, temp);
    const std::string path = std::string(temp) + "MF_BENCH_60.xml";
    const std::vector<LayoutGroup> groups = ScreenGroups();
    std::string whole;
    int controls = 0;
    for (const LayoutGroup& g : groups) {
        whole += g.elements;
        controls += g.controls;
    }
    printf("layout: %d controls\n", controls);
    WriteFile(path, LayoutOf(whole));

    CWnd owner;
    owner.CreateEx(0, AfxRegisterWndClass(0), "bench", WS_POPUP, CRect(0, 0, 10, 10), NULL, 0);
    CMapView view(IDD_BENCH_MAP_VIEW, &owner);
    view.Create(IDD_BENCH_MAP_VIEW, &owner);
    g_hook = ::SetWindowsHookExA(WH_CBT, CountCreation, NULL, ::GetCurrentThreadId());

    LARGE_INTEGER a, b;
    QueryPerformanceCounter(&a);
    const BOOL first = view.LoadMapFile(&view, path.c_str());
    QueryPerformanceCounter(&b);
    printf("first LoadMapFile:                       %8.2f ms (result %d)\n", Seconds(a, b) * 1e3, first);

    // What a screen pays when it opens: the load into a view without controls.
    const int rounds = 30;
    int windows = 0;
    const double perLoad = LoadTime(view, path, rounds, &windows);
    printf("LoadMapFile, %d controls (aim < 20 ms): %8.2f ms per load, %d windows created\n", controls, perLoad,
           windows);

    // The largest layout the terminal ships: screen 1000's board.
    const std::string board = std::string(GetMapDir()) + "MF_1000.xml";
    if (::GetFileAttributesA(board.c_str()) != INVALID_FILE_ATTRIBUTES) {
        int boardWindows = 0;
        const double boardLoad = LoadTime(view, board, rounds, &boardWindows);
        printf("LoadMapFile, screen 1000's layout (aim < 20 ms): %8.2f ms per load, %d windows created\n",
               boardLoad, boardWindows);
    }

    QueryPerformanceCounter(&a);
    for (int i = 0; i < rounds; ++i)
        view.LoadMapFile(&view, path.c_str());
    QueryPerformanceCounter(&b);
    printf("the same, the earlier load's controls destroyed first: %8.2f ms per load\n", Seconds(a, b) * 1e3 / rounds);

    QueryPerformanceCounter(&a);
    for (int i = 0; i < rounds; ++i)
        ReadOnly(path);
    QueryPerformanceCounter(&b);
    printf("phase: the file read alone, nothing created: %8.2f ms per read\n", Seconds(a, b) * 1e3 / rounds);

    // Each kind of the layout loaded alone: where the time of the whole goes.
    const std::string part = std::string(temp) + "MF_BENCH_PART.xml";
    double sum = 0;
    for (const LayoutGroup& g : groups) {
        WriteFile(part, LayoutOf(g.elements));
        int made = 0;
        const double ms = LoadTime(view, part, rounds, &made);
        sum += ms;
        printf("phase: %-28s %2d controls, %3d windows: %7.2f ms per load, %6.3f ms per control\n", g.label,
               g.controls, made, ms, ms / g.controls);
    }
    printf("phase: sum of the kinds alone:         %8.2f ms\n", sum);
    WriteFile(part, LayoutOf(""));
    printf("phase: an empty layout (file, view sized): %8.2f ms per load\n", LoadTime(view, part, rounds, NULL));
    ::DeleteFileA(part.c_str());

    // The platform's floor: 60 bare child windows created under the same view.
    view.DeleteControls();
    HWND bare[60];
    double creating = 0;
    for (int r = 0; r < rounds; ++r) {
        QueryPerformanceCounter(&a);
        for (int i = 0; i < 60; ++i)
            bare[i] = ::CreateWindowExA(0, "static", "", WS_CHILD | WS_VISIBLE, i, i, 50, 20, view.GetSafeHwnd(),
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(1001 + i)), NULL, NULL);
        QueryPerformanceCounter(&b);
        creating += Seconds(a, b);
        for (int i = 0; i < 60; ++i)
            ::DestroyWindow(bare[i]);
    }
    printf("60 bare static windows created:          %8.2f ms (the platform's floor)\n", creating * 1e3 / rounds);

    // Wine's own window classes, created bare (no object of ours): what each kind costs before
    // any of our code runs.
    struct RawClass
    {
        const char* name;
        DWORD style;
    };
    // WS_VISIBLE is part of the style: the first two show what a hidden child saves.
    const RawClass raw[] = {
        {"static", WS_VISIBLE},
        {"static", 0},
        {"button", WS_VISIBLE | BS_PUSHBUTTON},
        {"edit", WS_VISIBLE | WS_BORDER},
        {"combobox", WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL},
        {"combobox", WS_VISIBLE | CBS_DROPDOWN | WS_VSCROLL},
        {"msctls_updown32", WS_VISIBLE},
        {"SysTabControl32", WS_VISIBLE},
        {"SysDateTimePick32", WS_VISIBLE},
        {"scrollbar", WS_VISIBLE | SBS_VERT},
    };
    for (const RawClass& c : raw) {
        HWND made[10];
        double spent = 0;
        for (int r = 0; r < rounds; ++r) {
            QueryPerformanceCounter(&a);
            for (int i = 0; i < 10; ++i)
                made[i] = ::CreateWindowExA(0, c.name, "", WS_CHILD | c.style, i, i, 80, 20,
                                            view.GetSafeHwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(1001 + i)),
                                            NULL, NULL);
            QueryPerformanceCounter(&b);
            spent += Seconds(a, b);
            for (int i = 0; i < 10; ++i)
                ::DestroyWindow(made[i]);
        }
        printf("phase: bare %-18s (style %08lx): %6.3f ms per window\n", c.name, static_cast<unsigned long>(c.style),
               spent * 1e3 / rounds / 10);
    }
    ::UnhookWindowsHookEx(g_hook);

    // Our objects over those classes, step by step: creation, then the default font as the
    // load sends it (WM_SETFONT with redraw).
    HFONT font = CSharedData::GetDefaultFont(1) != NULL ? (HFONT)CSharedData::GetDefaultFont(1)->GetSafeHandle() : NULL;
    auto step = [&](const char* label, std::function<CWnd*()> make) {
        double creating = 0, fonting = 0;
        for (int r = 0; r < rounds; ++r) {
            QueryPerformanceCounter(&a);
            CWnd* w = make();
            QueryPerformanceCounter(&b);
            creating += Seconds(a, b);
            QueryPerformanceCounter(&a);
            if (font != NULL)
                w->SendMessage(WM_SETFONT, (WPARAM)font, TRUE);
            QueryPerformanceCounter(&b);
            fonting += Seconds(a, b);
            w->DestroyWindow();
            delete w;
        }
        printf("phase: %-28s created %6.3f ms, WM_SETFONT %6.3f ms\n", label, creating * 1e3 / rounds,
               fonting * 1e3 / rounds);
    };
    CRect rc(0, 0, 120, 20);
    step("CDateTimeCtrl", [&] {
        CDateTimeCtrl* c = new CDateTimeCtrl;
        c->Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, rc, &view, 1001);
        return c;
    });
    step("CSComboBox", [&] {
        CSComboBox* c = new CSComboBox;
        c->Create(CBS_DROPDOWNLIST | WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP, CRect(0, 0, 90, 120), &view, 1001);
        return c;
    });
    step("CUITabCtrl", [&] {
        CUITabCtrl* c = new CUITabCtrl;
        c->Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 980, 30), &view, 1001);
        return c;
    });
    step("CGridTable 6x21", [&] {
        CGridTable* c = new CGridTable;
        c->Create(0, 1, 6, 21, WS_CHILD | WS_VISIBLE | WS_VSCROLL, CRect(0, 0, 320, 240), &view, 1001);
        return c;
    });
    step("CSStatic", [&] {
        CSStatic* c = new CSStatic;
        c->CreateEx(0, "static", "", WS_CHILD | WS_VISIBLE, rc, &view, 1001);
        return c;
    });

    // The Win32 calls a grid makes when its window is created, one by one.
    HWND probe = ::CreateWindowExA(0, "static", "", WS_CHILD | WS_VISIBLE, 0, 0, 80, 20, view.GetSafeHwnd(), NULL,
                                   NULL, NULL);
    auto call = [&](const char* label, std::function<void()> work) {
        QueryPerformanceCounter(&a);
        for (int r = 0; r < rounds; ++r)
            work();
        QueryPerformanceCounter(&b);
        printf("phase: call %-40s %6.3f ms\n", label, Seconds(a, b) * 1e3 / rounds);
    };
    typedef HRESULT(WINAPI * SetThemeFn)(HWND, LPCWSTR, LPCWSTR);
    HMODULE uxtheme = ::LoadLibraryA("uxtheme.dll");
    SetThemeFn setTheme =
        uxtheme != NULL ? reinterpret_cast<SetThemeFn>(::GetProcAddress(uxtheme, "SetWindowTheme")) : NULL;
    if (setTheme != NULL)
        call("SetWindowTheme(L\"\", L\"\")", [&] { setTheme(probe, L"", L""); });
    call("two CreateFont + DeleteObject", [&] {
        HFONT f1 = ::CreateFontA(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0x20, "굴림체");
        HFONT f2 = ::CreateFontA(12, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0x20, "굴림체");
        ::DeleteObject(f1);
        ::DeleteObject(f2);
    });
    call("new font measured (GetDC, select, extent)", [&] {
        HFONT f1 = ::CreateFontA(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0x20, "굴림체");
        HDC dc = ::GetDC(probe);
        HGDIOBJ old = ::SelectObject(dc, f1);
        SIZE size;
        ::GetTextExtentPoint32A(dc, "한", 2, &size);
        ::SelectObject(dc, old);
        ::ReleaseDC(probe, dc);
        ::DeleteObject(f1);
    });
    call("LoadCursor x3 (system)", [&] {
        ::LoadCursor(NULL, IDC_ARROW);
        ::LoadCursor(NULL, IDC_IBEAM);
        ::LoadCursor(NULL, IDC_HAND);
    });
    call("SetWindowsHookEx(WH_CBT) + Unhook", [&] {
        HHOOK hook = ::SetWindowsHookExA(WH_CBT, CountCreation, NULL, ::GetCurrentThreadId());
        ::UnhookWindowsHookEx(hook);
    });
    call("CreateSolidBrush + DeleteObject", [&] { ::DeleteObject(::CreateSolidBrush(RGB(1, 2, 3))); });
    call("SetWindowPos (move, no redraw)", [&] {
        ::SetWindowPos(probe, NULL, 1, 1, 80, 20, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
        ::SetWindowPos(probe, NULL, 0, 0, 80, 20, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    });
    call("GetWindowText + SetWindowText", [&] {
        char text[16];
        ::GetWindowTextA(probe, text, sizeof text);
        ::SetWindowTextA(probe, "x");
    });
    ::DestroyWindow(probe);

    view.DestroyWindow();
    owner.DestroyWindow();
    ::DeleteFileA(path.c_str());
    GetResourceMap()->Release();
    GetColorMap()->Release();
    ::CoUninitialize();
    return 0;
}
