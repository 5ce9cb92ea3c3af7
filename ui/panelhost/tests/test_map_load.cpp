// Layout files into controls: every element kind's class, id, styles and flags; scroll bars of
// the grids (the record list's own); the view's size limits and sizing edges; the view's own objects first; comments
// and unknown elements skipped; a missing or broken file, a failed element and a repeated id.
#include <gtest/gtest.h>

#include <typeinfo>

#include <afxcmn.h>

#include "AccountCtrl.h"
#include "BaseWnd.h"
#include "CdeCtrl.h"
#include "ELWCodeCtrl.h"
#include "GridDataList.h"
#include "GridList.h"
#include "GridTable.h"
#include "ImgButton.h"
#include "Panel.h"
#include "SComboBox.h"
#include "SEdit.h"
#include "SStatic.h"
#include "SpinEdit.h"
#include "UITabCtrl.h"
#include "map_fixture.h"
#include "msgbox_recorder.h"
#include "server_log_probe.h"

namespace {

CString ClassOf(CWnd* wnd)
{
    char name[64] = {};
    ::GetClassNameA(wnd->GetSafeHwnd(), name, sizeof name);
    return name;
}

// One element kind (the edit draws its own outline in place of WS_BORDER; a combo keeps its
// scroll bar for its list): the element, the object's class, the window class, style bits that must
// be set, style bits that must be clear, extended style bits that must be set.
struct KindCase
{
    const char* element;
    WORD id;
    const std::type_info& type;
    const char* windowClass;
    DWORD styleSet;
    DWORD styleClear;
    DWORD exStyleSet;
};

const DWORD V = WS_CHILD | WS_VISIBLE;

const KindCase kKinds[] = {
    {"<TabCtrl id=\"1001\" position=\"0,0,200,30\"/>", 1001, typeid(CUITabCtrl), "SysTabControl32", V, 0, 0},
    {"<CodeCombo id=\"1016\" position=\"0,260,200,22\"/>", 1016, typeid(CCdeCtrl), "", V, 0, 0},
    {"<ELWCodeCombo id=\"1017\" position=\"0,260,200,22\"/>", 1017, typeid(CELWCodeCtrl), "", V, 0, 0},
    {"<ImgButton id=\"1002\" position=\"0,40,60,20\" text=\"go\" normal=\"112\" over=\"113\" pressed=\"114\"/>",
     1002, typeid(CImgButton), "Button", V | WS_TABSTOP, 0, 0},
    {"<ImgToggle id=\"1003\" position=\"70,40,60,20\" text=\"on\"/>", 1003, typeid(CImgToggle), "Button",
     V | WS_TABSTOP, 0, 0},
    {"<GridTable id=\"1004\" position=\"0,70,200,80\" column=\"3\" row=\"4\" col-head=\"1\" widths=\"50,60\"/>",
     1004, typeid(CGridTable), "", V, WS_VSCROLL | WS_HSCROLL, 0},
    {"<GridList id=\"1018\" position=\"0,70,200,80\" column=\"3\" row=\"4\"/>", 1018, typeid(CGridList), "",
     V | WS_VSCROLL, WS_HSCROLL, 0},
    {"<GridDataList id=\"1019\" position=\"0,70,200,80\" column=\"3\" row=\"4\" scroll=\"both\"/>", 1019,
     typeid(CGridDataList), "", V, WS_VSCROLL | WS_HSCROLL, 0},
    {"<Account id=\"1020\" position=\"0,260,250,22\" account=\"ALL\" pwd=\"True\"/>", 1020, typeid(CAccountCtrl),
     "", V, 0, 0},
    {"<Static id=\"1005\" position=\"0,160,80,20\" text=\"label\" exstyle=\"x|Edge\"/>", 1005, typeid(CSStatic),
     "Static", V, 0, WS_EX_STATICEDGE},
    {"<GroupBox id=\"1006\" position=\"0,190,100,50\" text=\"group\"/>", 1006, typeid(CButton), "Button",
     V | BS_GROUPBOX | BS_LEFT, 0, 0},
    {"<Edit id=\"1007\" position=\"110,190,80,20\" readonly=\"true\" password=\"true\" align-right=\"true\"/>", 1007,
     typeid(CSEdit), "Edit", V | WS_TABSTOP | ES_READONLY | ES_PASSWORD | ES_RIGHT, ES_MULTILINE, 0},
    {"<Edit id=\"1008\" position=\"110,220,80,40\" multiline=\"true\" readonly=\"TRUE\"/>", 1008, typeid(CSEdit),
     "Edit", V | ES_MULTILINE | WS_VSCROLL, ES_READONLY | ES_PASSWORD, 0},
    {"<ComboBox id=\"1009\" position=\"200,0,80,100\" style=\"DropDown\"/>", 1009, typeid(CSComboBox), "ComboBox",
     V | WS_TABSTOP | CBS_DROPDOWN, 0, 0},
    {"<RadioBox id=\"1010\" position=\"200,30,80,20\" text=\"a\" group=\"true\" checked=\"true\"/>", 1010,
     typeid(CButton), "Button", V | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 0, 0},
    {"<CheckBox id=\"1011\" position=\"200,60,80,20\" text=\"c\"/>", 1011, typeid(CButton), "Button",
     V | WS_TABSTOP | BS_AUTOCHECKBOX, WS_GROUP, 0},
    {"<DateCombo id=\"1012\" position=\"200,90,100,20\"/>", 1012, typeid(CDateTimeCtrl), "SysDateTimePick32",
     V | WS_TABSTOP, 0, 0},
    {"<SpinEdit id=\"1013\" position=\"200,120,80,20\"/>", 1013, typeid(CSpinEdit), "Edit", V | WS_TABSTOP, 0,
     WS_EX_CLIENTEDGE},
    {"<Window id=\"1014\" position=\"300,0,50,50\"/>", 1014, typeid(CBaseWnd), "Quelmar_WND", V, 0, 0},
    {"<Panel id=\"1015\" position=\"300,60,50,50\"/>", 1015, typeid(CPanel), "Quelmar_WND", V,
     WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0},
};

class MapKindTest : public MapViewTest, public ::testing::WithParamInterface<KindCase>
{
};

TEST_P(MapKindTest, ElementMakesItsControl)
{
    const KindCase& c = GetParam();
    ASSERT_TRUE(Load("position=\"0,0,400,300\"", c.element));
    CWnd* control = view->GetControl(c.id);
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(typeid(*control) == c.type) << typeid(*control).name();
    ASSERT_NE(control->GetSafeHwnd(), nullptr);
    if (*c.windowClass != 0) {
        EXPECT_EQ(ClassOf(control), CString(c.windowClass));
    }
    EXPECT_EQ(control->GetDlgCtrlID(), c.id);
    EXPECT_EQ(::GetParent(control->GetSafeHwnd()), view->GetSafeHwnd());
    const DWORD style = control->GetStyle();
    EXPECT_EQ(style & c.styleSet, c.styleSet) << std::hex << style;
    EXPECT_EQ(style & c.styleClear, 0u) << std::hex << style;
    EXPECT_EQ(control->GetExStyle() & c.exStyleSet, c.exStyleSet);
}

INSTANTIATE_TEST_SUITE_P(Kinds, MapKindTest, ::testing::ValuesIn(kKinds));

TEST_F(MapViewTest, ControlsTakeTheirPlaceTextsAndSettings)
{
    ASSERT_TRUE(Load("position=\"0,0,400,300\"",
                     "<GridTable id=\"1004\" position=\"5,7,200,80\" column=\"3\" row=\"4\" widths=\"50,60\"/>"
                     "<Static id=\"1005\" position=\"10,160,80,20\" text=\"label\"/>"
                     "<RadioBox id=\"1010\" position=\"200,30,80,20\" text=\"a\" checked=\"true\"/>"
                     "<CheckBox id=\"1011\" position=\"200,60,80,20\" text=\"c\" checked=\"yes\"/>"
                     "<ComboBox id=\"1012\" position=\"200,90,80,100\" style=\"dropdown\"/>"
                     "<ComboBox id=\"1013\" position=\"200,120,80,100\" style=\"Simple\"/>"
                     "<Static id=\"1014\" text=\"nowhere\"/>"));
    CWnd* grid = view->GetControl(1004);
    CRect rc;
    grid->GetWindowRect(&rc);
    view->ScreenToClient(&rc);
    EXPECT_EQ(rc, CRect(5, 7, 205, 87));
    CGridTable* table = dynamic_cast<CGridTable*>(grid);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->GetColumnCount(), 3u);
    EXPECT_EQ(table->GetRowCount(), 4u);
    EXPECT_EQ(table->GetColumnWidth(0), 50);
    EXPECT_EQ(table->GetColumnWidth(1), 60);

    CString text;
    view->GetControl(1005)->GetWindowText(text);
    EXPECT_EQ(text, "label");
    EXPECT_EQ(view->GetControl(1010)->SendMessage(BM_GETCHECK), BST_CHECKED);
    EXPECT_EQ(view->GetControl(1011)->SendMessage(BM_GETCHECK), BST_UNCHECKED);
    // Keywords are compared exactly: "dropdown" is neither DropDown nor Simple.
    EXPECT_EQ(view->GetControl(1012)->GetStyle() & 3u, static_cast<DWORD>(CBS_DROPDOWNLIST));
    EXPECT_EQ(view->GetControl(1013)->GetStyle() & 3u, static_cast<DWORD>(CBS_SIMPLE));
    // No position: an empty rectangle.
    view->GetControl(1014)->GetWindowRect(&rc);
    EXPECT_TRUE(rc.IsRectEmpty());
}

// The window's scroll styles, and for a record list its own bars (1 vertical, 2 horizontal).
struct ScrollCase
{
    const char* kind;
    const char* scroll; // null: no attribute
    DWORD bars;
    UINT ownBars;
};

const ScrollCase kScrolls[] = {
    {"GridTable", nullptr, 0, 0},
    {"GridTable", "none", 0, 0},
    {"GridTable", "vert", WS_VSCROLL, 0},
    {"GridTable", "horz", WS_HSCROLL, 0},
    {"GridTable", "both", WS_VSCROLL | WS_HSCROLL, 0},
    {"GridTable", "Vert", WS_VSCROLL | WS_HSCROLL, 0},
    {"GridList", nullptr, WS_VSCROLL, 0},
    {"GridList", "none", 0, 0},
    {"GridList", "horz", WS_HSCROLL, 0},
    {"GridList", "all", WS_VSCROLL | WS_HSCROLL, 0},
    {"GridDataList", nullptr, 0, 1},
    {"GridDataList", "none", 0, 0},
    {"GridDataList", "vert", 0, 1},
    {"GridDataList", "horz", 0, 2},
    {"GridDataList", "HORZ", 0, 3},
};

class MapScrollTest : public MapViewTest, public ::testing::WithParamInterface<ScrollCase>
{
};

TEST_P(MapScrollTest, GridScrollBarsFollowTheAttribute)
{
    const ScrollCase& c = GetParam();
    // Rows and columns beyond the window, so a list shows every bar its style has.
    std::string element =
        std::string("<") + c.kind + " id=\"1001\" position=\"0,0,200,100\" column=\"2\" row=\"9\" widths=\"150,150\"";
    if (c.scroll != nullptr)
        element += std::string(" scroll=\"") + c.scroll + "\"";
    element += "/>";
    ASSERT_TRUE(Load("position=\"0,0,300,200\"", element));
    CWnd* grid = view->GetControl(1001);
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->GetStyle() & (WS_VSCROLL | WS_HSCROLL), c.bars);
    CGridDataList* list = dynamic_cast<CGridDataList*>(grid);
    if (list != nullptr) {
        const UINT own = (list->GetOwnScrollBar(1)->GetSafeHwnd() != NULL ? 1u : 0u) |
                         (list->GetOwnScrollBar(0)->GetSafeHwnd() != NULL ? 2u : 0u);
        EXPECT_EQ(own, c.ownBars);
    }
}

INSTANTIATE_TEST_SUITE_P(Scroll, MapScrollTest, ::testing::ValuesIn(kScrolls));

// The view's size limits, read back as the window manager asks for them.
MINMAXINFO LimitsOf(CWnd& wnd)
{
    MINMAXINFO info = {};
    wnd.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    return info;
}

// What the bottom-left corner of the window answers to the mouse.
LRESULT CornerHit(CWnd& wnd)
{
    CRect rc;
    wnd.GetWindowRect(&rc);
    return wnd.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rc.left, rc.bottom - 1));
}

struct SizeCase
{
    const char* attrs;
    CSize layout, maxTrack, minTrack;
    bool cornerSizes;
};

const SizeCase kSizes[] = {
    {"position=\"0,0,320,240\"", {320, 240}, {320, 240}, {320, 240}, false},
    {"position=\"5,5,320,240\" max-size=\"800,600\" min-size=\"200,100\" track=\"LEFT|BOTTOM\"", {320, 240},
     {800, 600}, {200, 100}, true},
    {"position=\"0,0,320,240\" max-size=\"800\" track=\"left|bottom\"", {320, 240}, {320, 240}, {320, 240}, false},
    {"position=\"0,0,320\" track=\"BOTTOM|LEFT|SIDE\"", {0, 0}, {0, 0}, {0, 0}, true},
};

class MapSizeTest : public MapViewTest, public ::testing::WithParamInterface<SizeCase>
{
};

TEST_P(MapSizeTest, MapElementSetsSizeLimitsAndSizingEdges)
{
    const SizeCase& c = GetParam();
    ASSERT_TRUE(Load(c.attrs, ""));
    CRect rc;
    view->GetWindowRect(&rc);
    EXPECT_EQ(rc.Size(), c.layout);
    const MINMAXINFO info = LimitsOf(*view);
    EXPECT_EQ(CSize(info.ptMaxTrackSize.x, info.ptMaxTrackSize.y), c.maxTrack);
    EXPECT_EQ(CSize(info.ptMinTrackSize.x, info.ptMinTrackSize.y), c.minTrack);
    if (c.layout.cx > 0) {
        if (c.cornerSizes)
            EXPECT_EQ(CornerHit(*view), HTBOTTOMLEFT);
        else
            EXPECT_NE(CornerHit(*view), HTBOTTOMLEFT);
    }
}

INSTANTIATE_TEST_SUITE_P(Size, MapSizeTest, ::testing::ValuesIn(kSizes));

TEST_F(MapViewTest, ChildElementsGoInsideTheirControl)
{
    ASSERT_TRUE(Load("position=\"0,0,300,200\"",
                     "<Panel id=\"1001\" position=\"10,10,200,100\">"
                     "  <ImgButton id=\"1002\" position=\"5,5,40,20\" text=\"in\"/>"
                     "  <Static id=\"1003\" position=\"5,30,40,20\"/>"
                     "</Panel>"));
    CWnd* panel = view->GetControl(1001);
    ASSERT_NE(panel, nullptr);
    for (WORD id : {1002, 1003}) {
        ASSERT_NE(view->GetControl(id), nullptr);
        EXPECT_EQ(::GetParent(view->GetControl(id)->GetSafeHwnd()), panel->GetSafeHwnd());
    }
    CRect rc;
    view->GetControl(1002)->GetWindowRect(&rc);
    panel->ScreenToClient(&rc);
    EXPECT_EQ(rc.TopLeft(), CPoint(5, 5));
}

// A label of the test's own class, counting its objects.
class CCountedStatic : public CSStatic
{
public:
    CCountedStatic() { ++LiveCount::Of("static"); }
    ~CCountedStatic() { --LiveCount::Of("static"); }
};

class CCountedTable : public CGridTable
{
public:
    CCountedTable() { ++LiveCount::Of("table"); }
    ~CCountedTable() { --LiveCount::Of("table"); }
};

class CCountedWnd : public CBaseWnd
{
public:
    CCountedWnd() { ++LiveCount::Of("wnd"); }
    ~CCountedWnd() { --LiveCount::Of("wnd"); }
};

class CCountedList : public CGridList
{
public:
    CCountedList() { ++LiveCount::Of("list"); }
    ~CCountedList() { --LiveCount::Of("list"); }
};

class CCountedDataList : public CGridDataList
{
public:
    CCountedDataList() { ++LiveCount::Of("datalist"); }
    ~CCountedDataList() { --LiveCount::Of("datalist"); }
};

TEST_F(MapViewTest, TheViewsOwnObjectsComeFirstWhereTheKindAsks)
{
    view->makers[1001] = [] { return new CCountedStatic; };
    view->makers[1002] = [] { return new CCountedTable; };
    view->makers[1003] = [] { return new CCountedWnd; };
    view->makers[1004] = [] { return new CCountedWnd; }; // an ImgButton never asks
    view->makers[1006] = [] { return new CCountedList; };
    view->makers[1007] = [] { return new CCountedDataList; };
    view->makers[1008] = [] { return new CCountedWnd; }; // nor do the selectors
    view->makers[1009] = [] { return new CCountedWnd; };
    ASSERT_TRUE(Load("position=\"0,0,300,200\"",
                     "<Static id=\"1001\" position=\"0,0,50,20\"/>"
                     "<GridTable id=\"1002\" position=\"0,30,100,50\" column=\"2\" row=\"2\"/>"
                     "<Window id=\"1003\" position=\"0,90,50,50\"/>"
                     "<ImgButton id=\"1004\" position=\"60,0,50,20\"/>"
                     "<Edit id=\"1005\" position=\"60,30,50,20\"/>"
                     "<GridList id=\"1006\" position=\"100,30,100,50\" column=\"2\" row=\"2\"/>"
                     "<GridDataList id=\"1007\" position=\"100,90,100,50\" column=\"2\" row=\"2\"/>"
                     "<CodeCombo id=\"1008\" position=\"0,150,200,22\"/>"
                     "<Account id=\"1009\" position=\"0,175,250,22\"/>"));
    EXPECT_TRUE(typeid(*view->GetControl(1001)) == typeid(CCountedStatic));
    EXPECT_TRUE(typeid(*view->GetControl(1002)) == typeid(CCountedTable));
    EXPECT_TRUE(typeid(*view->GetControl(1003)) == typeid(CCountedWnd));
    EXPECT_TRUE(typeid(*view->GetControl(1004)) == typeid(CImgButton));
    EXPECT_TRUE(typeid(*view->GetControl(1005)) == typeid(CSEdit));
    EXPECT_TRUE(typeid(*view->GetControl(1006)) == typeid(CCountedList));
    EXPECT_TRUE(typeid(*view->GetControl(1007)) == typeid(CCountedDataList));
    EXPECT_TRUE(typeid(*view->GetControl(1008)) == typeid(CCdeCtrl));
    EXPECT_TRUE(typeid(*view->GetControl(1009)) == typeid(CAccountCtrl));
    EXPECT_EQ(view->asked, (std::vector<WORD>{1001, 1002, 1003, 1005, 1006, 1007}));
    EXPECT_EQ(LiveCount::Of("static"), 1);
    EXPECT_EQ(LiveCount::Of("table"), 1);
    EXPECT_EQ(LiveCount::Of("wnd"), 1);
    EXPECT_EQ(LiveCount::Of("list"), 1);
    EXPECT_EQ(LiveCount::Of("datalist"), 1);
    // The view owns them.
    view->DestroyWindow();
    view.reset();
    EXPECT_EQ(LiveCount::Of("static"), 0);
    EXPECT_EQ(LiveCount::Of("table"), 0);
    EXPECT_EQ(LiveCount::Of("wnd"), 0);
    EXPECT_EQ(LiveCount::Of("list"), 0);
    EXPECT_EQ(LiveCount::Of("datalist"), 0);
}

TEST_F(MapViewTest, CommentsAndOtherElementsAreSkipped)
{
    ASSERT_TRUE(Load("position=\"0,0,300,200\"",
                     "<Static id=\"1001\" position=\"0,0,50,20\"/>"
                     "<!-- <Static id=\"1002\" position=\"0,0,50,20\"/> -->"
                     "<Gadget id=\"1003\" position=\"0,0,50,20\"/>"
                     "<static id=\"1004\" position=\"0,0,50,20\"/>"
                     "<Edit id=\"1005\" position=\"0,30,50,20\"/>"));
    EXPECT_NE(view->GetControl(1001), nullptr);
    EXPECT_EQ(view->GetControl(1002), nullptr);
    EXPECT_EQ(view->GetControl(1003), nullptr);
    EXPECT_EQ(view->GetControl(1004), nullptr);
    EXPECT_NE(view->GetControl(1005), nullptr);
}

TEST_F(MapViewTest, MissingOrBrokenFileShowsTheErrorBoxAndLeavesNoControls)
{
    ASSERT_TRUE(Load("position=\"0,0,300,200\"", "<Static id=\"1001\" position=\"0,0,50,20\"/>"));
    HWND earlier = view->GetControl(1001)->GetSafeHwnd();
    const std::string broken = dir.File("MF_BROKEN.xml");
    WriteFileBytes(broken, "<MAP position=\"0,0,10,10\"><Static id=\"1\"></MAP>");
    for (const std::string& path : {dir.File("MF_NONE.xml"), broken}) {
        CMsgBoxRecorder boxes;
        EXPECT_FALSE(view->LoadMapFile(view.get(), path.c_str()));
        ASSERT_EQ(boxes.Count(), 1u);
        const RecordedMessageBox box = boxes.Last();
        EXPECT_EQ(box.text, " 해당 파일이 존재하지 않습니다.   \n\n IT팀에 문의하십시요.  \n\n 파일명 : [" + path + "]   ");
        EXPECT_EQ(box.caption, "Molvane");
        EXPECT_EQ(box.nType & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
        EXPECT_EQ(box.hWndOwner, view->GetSafeHwnd());
    }
    // The earlier layout is left as it was.
    EXPECT_NE(view->GetControl(1001), nullptr);
    EXPECT_TRUE(::IsWindow(earlier));
}

// A label whose window the system refuses.
class CRefusedStatic : public CCountedStatic
{
protected:
    virtual BOOL PreCreateWindow(CREATESTRUCT&) { return FALSE; }
};

TEST_F(MapViewTest, AFailedElementLeavesNoControlsFailsTheLoadAndLogsWhy)
{
    struct Case
    {
        const char* why;
        const char* body;
        const char* log; // the server log's line: the element, its id and the reason
    };
    const Case cases[] = {
        {"grid without rows", "<GridTable id=\"1003\" position=\"0,0,50,50\" column=\"2\"/>",
         "CMapView: layout element GridTable id 1003 not created: \"column\" or \"row\" is missing"},
        {"grid without columns", "<GridTable id=\"1003\" position=\"0,0,50,50\" row=\"2\"/>",
         "CMapView: layout element GridTable id 1003 not created: \"column\" or \"row\" is missing"},
        {"child grid without rows",
         "<Panel id=\"1008\" position=\"0,0,90,90\"><Static id=\"1004\"/><GridTable id=\"1005\" column=\"1\"/>"
         "<Static id=\"1006\"/></Panel>",
         "CMapView: layout element GridTable id 1005 not created: \"column\" or \"row\" is missing"},
        {"view's object of another class", "<Static id=\"1007\" position=\"0,0,50,20\"/>",
         "CMapView: layout element Static id 1007 not created: the view's own object is of another class"},
        {"window refused", "<Static id=\"1010\" position=\"0,0,50,20\"/>",
         "CMapView: layout element Static id 1010 not created: its window could not be created"},
    };
    view->makers[1003] = [] { return new CCountedTable; };
    view->makers[1007] = [] { return new CCountedWnd; };
    view->makers[1010] = [] { return new CRefusedStatic; };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const size_t logStart = ServerLogText().size();
        std::vector<HWND> before;
        const std::string body = std::string("<Static id=\"1001\" position=\"0,0,50,20\"/>"
                                             "<Edit id=\"1002\" position=\"0,30,50,20\"/>") +
                                 c.body + "<Static id=\"1009\" position=\"0,60,50,20\"/>";
        CMsgBoxRecorder boxes;
        EXPECT_FALSE(Load("position=\"0,0,300,200\"", body));
        EXPECT_EQ(boxes.Count(), 0u);
        for (WORD id = 1001; id <= 1010; ++id)
            EXPECT_EQ(view->GetControl(id), nullptr) << id;
        EXPECT_EQ(view->GetWindow(GW_CHILD), nullptr);
        EXPECT_EQ(LiveCount::Of("table"), 0);
        EXPECT_EQ(LiveCount::Of("wnd"), 0);
        EXPECT_EQ(LiveCount::Of("static"), 0);
        // No box tells the user; the log says which element failed, why, and in which file.
        const std::string log = ServerLogText().substr(logStart);
        EXPECT_NE(log.find(c.log), std::string::npos) << log;
        EXPECT_NE(log.find("CMapView: layout " + dir.File("MF_TEST.xml") + " given up"), std::string::npos) << log;
    }
}

TEST_F(MapViewTest, ALaterControlWithTheSameIdTakesTheIdAndTheEarlierOneIsReleased)
{
    int made = 0;
    view->makers[1001] = [&made] {
        ++made;
        return new CCountedStatic;
    };
    ASSERT_TRUE(Load("position=\"0,0,300,200\"",
                     "<Static id=\"1001\" position=\"0,0,50,20\" text=\"first\"/>"
                     "<Static id=\"1001\" position=\"0,30,50,20\" text=\"second\"/>"));
    EXPECT_EQ(made, 2);
    CString text;
    view->GetControl(1001)->GetWindowText(text);
    EXPECT_EQ(text, "second");
    // A new load releases both.
    ASSERT_TRUE(Load("position=\"0,0,300,200\"", ""));
    EXPECT_EQ(LiveCount::Of("static"), 0);
    EXPECT_EQ(view->GetWindow(GW_CHILD), nullptr);
}

} // namespace
