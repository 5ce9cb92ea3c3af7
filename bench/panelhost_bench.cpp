// PanelHost: LoadMapFile of a 60-control layout (the size of the largest screen's) into a view:
// the file read, every control created under the view, fonts set. Beside it: the load that
// first destroys an earlier one, the file read alone, and 60 bare windows as the floor.
#include <afxwin.h>

#include <objbase.h>
#include <stdio.h>

#include <string>

#include "InstallFolders.h"
#include "MapView.h"
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

// 60 controls as a trading screen has them: grids, a tab, panels holding buttons and labels,
// edits, combos, spin edits, check and radio boxes, a date.
std::string ScreenLayout()
{
    std::string body;
    int id = 1001;
    auto next = [&id] { return std::to_string(id++); };
    for (int i = 0; i < 6; ++i)
        body += "<GridTable id=\"" + next() + "\" " + Pos(10 + (i % 3) * 330, 10 + (i / 3) * 250, 320, 240) +
                " column=\"6\" row=\"21\" col-head=\"0\" row-head=\"1\" scroll=\"vert\" widths=\"60,50,50,50,50,50\"/>\n";
    body += "<TabCtrl id=\"" + next() + "\" " + Pos(10, 520, 980, 30) + "/>\n";
    for (int p = 0; p < 3; ++p) {
        body += "<Panel id=\"" + next() + "\" " + Pos(10 + p * 330, 560, 320, 120) + ">\n";
        for (int i = 0; i < 4; ++i)
            body += "  <ImgButton id=\"" + next() + "\" " + Pos(5 + i * 78, 5, 74, 22) +
                    " text=\"btn\" normal=\"913\" over=\"914\" pressed=\"915\"/>\n";
        for (int i = 0; i < 4; ++i)
            body += "  <Static id=\"" + next() + "\" " + Pos(5 + i * 78, 35, 74, 20) + " text=\"label\" exstyle=\"edge\"/>\n";
        body += "</Panel>\n";
    }
    for (int i = 0; i < 7; ++i)
        body += "<Static id=\"" + next() + "\" " + Pos(1000, 10 + i * 25, 80, 20) + " text=\"caption\"/>\n";
    for (int i = 0; i < 6; ++i)
        body += "<Edit id=\"" + next() + "\" " + Pos(1090, 10 + i * 25, 90, 20) + " align-right=\"true\"/>\n";
    for (int i = 0; i < 4; ++i)
        body += "<ComboBox id=\"" + next() + "\" " + Pos(1090, 170 + i * 25, 90, 120) + "/>\n";
    for (int i = 0; i < 3; ++i)
        body += "<SpinEdit id=\"" + next() + "\" " + Pos(1090, 280 + i * 25, 90, 20) + "/>\n";
    for (int i = 0; i < 2; ++i)
        body += "<CheckBox id=\"" + next() + "\" " + Pos(1000, 360 + i * 25, 90, 20) + " text=\"check\"/>\n";
    for (int i = 0; i < 2; ++i)
        body += "<RadioBox id=\"" + next() + "\" " + Pos(1090, 360 + i * 25, 90, 20) + " text=\"radio\"" +
                (i == 0 ? " group=\"true\" checked=\"true\"" : "") + "/>\n";
    body += "<DateCombo id=\"" + next() + "\" " + Pos(1000, 440, 120, 20) + "/>\n";
    body += "<GroupBox id=\"" + next() + "\" " + Pos(990, 470, 200, 60) + " text=\"group\"/>\n";
    printf("layout: %d controls\n", id - 1001);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<MAP position=\"0,0,1200,700\" max-size=\"1600,900\" "
           "min-size=\"800,500\" track=\"RIGHT|BOTTOM\">\n" +
           body + "</MAP>\n";
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
    const std::string xml = ScreenLayout();
    FILE* file = fopen(path.c_str(), "wb");
    fwrite(xml.data(), 1, xml.size(), file);
    fclose(file);

    CWnd owner;
    owner.CreateEx(0, AfxRegisterWndClass(0), "bench", WS_POPUP, CRect(0, 0, 10, 10), NULL, 0);
    CMapView view(IDD_BENCH_MAP_VIEW, &owner);
    view.Create(IDD_BENCH_MAP_VIEW, &owner);

    LARGE_INTEGER a, b;
    QueryPerformanceCounter(&a);
    const BOOL first = view.LoadMapFile(&view, path.c_str());
    QueryPerformanceCounter(&b);
    printf("first LoadMapFile:                       %8.2f ms (result %d)\n", Seconds(a, b) * 1e3, first);

    // What a screen pays when it opens: the load into a view without controls.
    const int rounds = 30;
    double loading = 0;
    for (int i = 0; i < rounds; ++i) {
        view.DeleteControls();
        QueryPerformanceCounter(&a);
        view.LoadMapFile(&view, path.c_str());
        QueryPerformanceCounter(&b);
        loading += Seconds(a, b);
    }
    printf("LoadMapFile, 60 controls (aim < 20 ms): %8.2f ms per load\n", loading * 1e3 / rounds);

    QueryPerformanceCounter(&a);
    for (int i = 0; i < rounds; ++i)
        view.LoadMapFile(&view, path.c_str());
    QueryPerformanceCounter(&b);
    printf("the same, the earlier load's controls destroyed first: %8.2f ms per load\n", Seconds(a, b) * 1e3 / rounds);

    QueryPerformanceCounter(&a);
    for (int i = 0; i < rounds; ++i)
        ReadOnly(path);
    QueryPerformanceCounter(&b);
    printf("the file read alone, nothing created:    %8.2f ms per read\n", Seconds(a, b) * 1e3 / rounds);

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

    view.DestroyWindow();
    owner.DestroyWindow();
    ::DeleteFileA(path.c_str());
    GetResourceMap()->Release();
    GetColorMap()->Release();
    ::CoUninitialize();
    return 0;
}
