// Fixtures of the layout-view tests: layout files in a temporary folder, a view whose own
// objects for control ids are set by the test, classes that count their destruction, and the
// shipped colour and image maps.
#pragma once

#include <afxwin.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "MapView.h"
#include "temp_dir.h"

// Objects of these classes alive (their destructors count down).
struct LiveCount
{
    static int& Of(const char* kind);
};

// A view whose GetSubControl answers from a table of makers the test fills.
class CTestMapView : public CMapView
{
public:
    explicit CTestMapView(CWnd* owner, UINT templateId);
    std::map<WORD, std::function<CWnd*()>> makers;
    std::vector<WORD> asked;

    virtual CWnd* GetSubControl(WORD id);
};

// The colour and image maps of the test tree, COM for the XML reader.
class MapViewEnvironment
{
public:
    static void SetUp();
    static void TearDown();
};

class MapViewTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { MapViewEnvironment::SetUp(); }
    static void TearDownTestSuite() { MapViewEnvironment::TearDown(); }
    void SetUp() override;
    void TearDown() override;

    // Writes "<MAP attrs>body</MAP>" as a layout file and returns its path.
    std::string Layout(const std::string& mapAttrs, const std::string& body, const char* name = "MF_TEST.xml");
    // Loads the layout into the view, under the view.
    BOOL Load(const std::string& mapAttrs, const std::string& body);

    CWnd owner;
    std::unique_ptr<CTestMapView> view;
    TempDir dir;
};

void PumpPending();
