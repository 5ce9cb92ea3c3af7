// Fixtures of the layout-view tests.
#include <gtest/gtest.h>

#include "map_fixture.h"

#include <objbase.h>

#include "InstallFolders.h"
#include "SharedKit.h"
#include "map_test.h"
#include "temp_dir.h"

int& LiveCount::Of(const char* kind)
{
    static std::map<std::string, int> counts;
    return counts[kind];
}

CTestMapView::CTestMapView(CWnd* owner, UINT templateId) : CMapView(templateId, owner) {}

CWnd* CTestMapView::GetSubControl(WORD id)
{
    asked.push_back(id);
    auto it = makers.find(id);
    return it != makers.end() ? it->second() : NULL;
}

void MapViewEnvironment::SetUp()
{
    ::CoInitialize(NULL);
    GetColorMap()->Load(CString(GetSystemDir()) + "colormap.xml", "default");
    GetResourceMap()->Load(CString(GetSystemDir()) + "ResourceMap.xml", "default");
}

void MapViewEnvironment::TearDown()
{
    GetColorMap()->Release();
    GetResourceMap()->Release();
    ::CoUninitialize();
}

void MapViewTest::SetUp()
{
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "owner", WS_POPUP, CRect(0, 0, 10, 10), NULL, 0));
    view.reset(new CTestMapView(&owner, IDD_TEST_MAP_VIEW));
    ASSERT_TRUE(view->Create(IDD_TEST_MAP_VIEW, &owner));
}

void MapViewTest::TearDown()
{
    if (view->GetSafeHwnd() != NULL)
        view->DestroyWindow();
    view.reset();
    owner.DestroyWindow();
}

std::string MapViewTest::Layout(const std::string& mapAttrs, const std::string& body, const char* name)
{
    const std::string path = dir.File(name);
    WriteFileBytes(path, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<MAP " + mapAttrs + ">\n" + body + "\n</MAP>\n");
    return path;
}

BOOL MapViewTest::Load(const std::string& mapAttrs, const std::string& body)
{
    return view->LoadMapFile(view.get(), Layout(mapAttrs, body).c_str());
}

void PumpPending()
{
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT)
        AfxPumpMessage();
}
