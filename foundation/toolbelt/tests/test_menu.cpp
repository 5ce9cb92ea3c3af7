// The menu built from a fixture menu.xml on a real window: labels, states, the group filter,
// the kept item attributes, no leaked node wrappers, and bad files.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "XMLMenu.h"
#include "temp_dir.h"
#include "test_window.h"

#include <string>

namespace {

// UTF-8 file; "파일" (file) and "열기" (open) as UTF-8 bytes.
const char kMenuXml[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<SYSTEM>\n"
    "  <ADMIN><ITEM id=\"1\" text=\"Admin only\"/></ADMIN>\n"
    "  <NORMAL_USER>\n"
    "    <MENU id=\"100\" text=\"\xED\x8C\x8C\xEC\x9D\xBC\">\n"
    "      <ITEM id=\"101\" text=\"\xEC\x97\xB4\xEA\xB8\xB0\" shortcut=\"Ctrl+O\"/>\n"
    "      <ITEM id=\"0\" text=\"-\"/>\n"
    "      <ITEM id=\"1001\" text=\"Orders\" dll=\"TradePanel.dll\" sg=\"1\"/>\n"
    "      <ITEM id=\"999\" text=\"Short\"/>\n"
    "      <!-- comments are skipped -->\n"
    "      <ITEM id=\"102\" text=\"Grey\" disabled=\"true\"/>\n"
    "      <ITEM id=\"103\" text=\"Upper\" disabled=\"TRUE\"/>\n"
    "      <ITEM text=\"-\"/>\n"
    "    </MENU>\n"
    "    <MENU id=\"200\" text=\"Groups\">\n"
    "      <ITEM id=\"201\" text=\"Mine\" group=\"10000\"/>\n"
    "      <ITEM id=\"202\" text=\"Theirs\" group=\"20000\"/>\n"
    "      <ITEM id=\"203\" text=\"All\"/>\n"
    "      <ITEM/>\n"
    "    </MENU>\n"
    "    <ITEM id=\"300\" text=\"First\"/>\n"
    "    <ITEM id=\"300\" text=\"Second\" url=\"http://example.invalid/\"/>\n"
    "  </NORMAL_USER>\n"
    "</SYSTEM>\n";

std::string Label(HMENU menu, int position)
{
    char text[128] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

UINT State(HMENU menu, int position)
{
    return GetMenuState(menu, position, MF_BYPOSITION);
}

CString Attribute(CXMLAttributeMap& map, const char* name)
{
    CString value;
    map.Lookup(name, value);
    return value;
}

class MenuTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr))); }
    static void TearDownTestSuite() { CoUninitialize(); }

    void SetUp() override
    {
        hWnd = CreateTestWindow("frame");
        ASSERT_NE(hWnd, nullptr);
        owner.Attach(hWnd);
        path = dir.File("menu.xml");
        WriteFileBytes(path, kMenuXml);
    }
    void TearDown() override
    {
        owner.Detach();
        DestroyWindow(hWnd);
    }

    TempDir dir;
    std::string path;
    HWND hWnd = nullptr;
    CWnd owner;
};

} // namespace

TEST_F(MenuTest, BuildsLabelsStatesAndTheGroupFilter)
{
    ASSERT_EQ(GetACP(), 949u);
    CXMLMenu menu(&owner);
    menu.SetUserGroup(0x10000);
    ASSERT_EQ(menu.Load(path.c_str(), "NORMAL_USER"), 1);
    HMENU bar = menu.GetMenuHandle();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(GetMenu(hWnd), bar);

    ASSERT_EQ(GetMenuItemCount(bar), 4);
    EXPECT_EQ(Label(bar, 0), "파일");
    EXPECT_EQ(Label(bar, 1), "Groups");
    EXPECT_EQ(Label(bar, 2), "First");
    EXPECT_EQ(Label(bar, 3), "Second");

    HMENU file = GetSubMenu(bar, 0);
    ASSERT_NE(file, nullptr);
    const struct
    {
        std::string label;
        UINT id;
        bool separator, grey;
    } fileItems[] = {
        {"열기", 101, false, false},     {"", 0, true, false},
        {"[1001] Orders", 1001, false, false}, {"Short", 999, false, false},
        {"Grey", 102, false, true},      {"Upper", 103, false, false}, // only "true" greys
        {"", 0, true, false},
    };
    ASSERT_EQ(GetMenuItemCount(file), 7);
    for (int i = 0; i < 7; ++i) {
        const auto& item = fileItems[i];
        EXPECT_EQ(Label(file, i), item.label) << i;
        EXPECT_EQ(GetMenuItemID(file, i), item.id) << i;
        EXPECT_EQ((State(file, i) & MF_SEPARATOR) != 0, item.separator) << i;
        if (!item.separator) {
            EXPECT_EQ((State(file, i) & MF_GRAYED) != 0, item.grey) << i;
        }
    }

    HMENU groups = GetSubMenu(bar, 1);
    ASSERT_NE(groups, nullptr);
    ASSERT_EQ(GetMenuItemCount(groups), 3); // "Theirs" belongs to another group
    EXPECT_EQ(Label(groups, 0), "Mine");
    EXPECT_EQ(Label(groups, 1), "All");
    EXPECT_EQ(Label(groups, 2), ""); // an element without attributes: empty, enabled, id 0
    EXPECT_EQ(GetMenuItemID(groups, 2), 0u);
    EXPECT_EQ(State(groups, 2) & (MF_GRAYED | MF_SEPARATOR), 0u);

    // Command id -> the menu holding the item, or the sub-menu of a sub-menu item.
    HMENU holder = nullptr;
    EXPECT_TRUE(menu.m_mapMenu.Lookup(100, holder));
    EXPECT_EQ(holder, file);
    EXPECT_TRUE(menu.m_mapMenu.Lookup(1001, holder));
    EXPECT_EQ(holder, file);
    EXPECT_TRUE(menu.m_mapMenu.Lookup(202, holder)); // hidden, still mapped
    EXPECT_EQ(holder, groups);
    EXPECT_TRUE(menu.m_mapMenu.Lookup(0, holder));   // separators too (the last id-0 item)
    EXPECT_EQ(holder, groups);
}

TEST_F(MenuTest, KeepsTheAttributesBehindEveryCommand)
{
    CXMLMenu menu(&owner);
    menu.SetUserGroup(0x10000);
    ASSERT_EQ(menu.Load(path.c_str(), "NORMAL_USER"), 1);
    CXMLAttributeMap attributes;

    ASSERT_EQ(menu.GetAttribute(1001, attributes), 1);
    EXPECT_STREQ(Attribute(attributes, "dll"), "TradePanel.dll");
    EXPECT_STREQ(Attribute(attributes, "sg"), "1");
    EXPECT_STREQ(Attribute(attributes, "text"), "Orders");

    // The later of two items with one id wins.
    ASSERT_EQ(menu.GetAttribute(300, attributes), 1);
    EXPECT_STREQ(Attribute(attributes, "text"), "Second");
    EXPECT_STREQ(Attribute(attributes, "url"), "http://example.invalid/");

    ASSERT_EQ(menu.GetAttribute(202, attributes), 1); // hidden by its group
    EXPECT_STREQ(Attribute(attributes, "text"), "Theirs");
    ASSERT_EQ(menu.GetAttribute(101, attributes), 1);
    EXPECT_STREQ(Attribute(attributes, "text"), "열기");
    EXPECT_STREQ(Attribute(attributes, "shortcut"), "Ctrl+O");

    attributes["stale"] = "x";
    EXPECT_EQ(menu.GetAttribute(7777, attributes), 0);
    EXPECT_EQ(attributes.GetCount(), 0);
}

TEST_F(MenuTest, ReplacedAndReleasedNodesAreFreed)
{
    const long before = CXMLNode::GetInstanceCount();
    {
        CXMLMenu menu(&owner);
        menu.SetUserGroup(0x10000);
        ASSERT_EQ(menu.Load(path.c_str(), "NORMAL_USER"), 1);
        // One wrapper per distinct command id: 100 101 0 1001 999 102 103 200 201 202 203 300.
        EXPECT_EQ(CXMLNode::GetInstanceCount() - before, 12);
        // A second load replaces the first menu and its nodes.
        ASSERT_EQ(menu.Load(path.c_str(), "NORMAL_USER"), 1);
        EXPECT_EQ(CXMLNode::GetInstanceCount() - before, 12);
        EXPECT_EQ(GetMenu(hWnd), menu.GetMenuHandle());
    }
    EXPECT_EQ(CXMLNode::GetInstanceCount(), before);
}

TEST_F(MenuTest, SubMenuWhoseIdItsOwnSeparatorReuses)
{
    // The sub-menu has no id (0) and neither has its separator: the separator replaces the
    // sub-menu's node while the sub-menu is being built.
    const std::string file = dir.File("reuse.xml");
    WriteFileBytes(file, "<SYSTEM><U><MENU text=\"Tools\"><ITEM text=\"-\"/><ITEM id=\"5\" text=\"Calc\"/>"
                         "</MENU><ITEM id=\"6\" text=\"After\"/></U></SYSTEM>");
    const long before = CXMLNode::GetInstanceCount();
    {
        CXMLMenu menu(&owner);
        ASSERT_EQ(menu.Load(file.c_str(), "U"), 1);
        HMENU bar = menu.GetMenuHandle();
        ASSERT_EQ(GetMenuItemCount(bar), 2);
        EXPECT_EQ(Label(bar, 0), "Tools");
        EXPECT_EQ(Label(bar, 1), "After");
        EXPECT_EQ(GetMenuItemCount(GetSubMenu(bar, 0)), 2);
        CXMLAttributeMap attributes;
        ASSERT_EQ(menu.GetAttribute(0, attributes), 1);
        EXPECT_STREQ(Attribute(attributes, "text"), "-");
        HMENU holder = nullptr;
        EXPECT_TRUE(menu.m_mapMenu.Lookup(0, holder));
        EXPECT_EQ(holder, GetSubMenu(bar, 0)); // the sub-menu entry is set after its items
    }
    EXPECT_EQ(CXMLNode::GetInstanceCount(), before);
}

TEST_F(MenuTest, EmptyClassNameBuildsTheWholeSystemElement)
{
    CXMLMenu menu(&owner);
    menu.SetUserGroup(0x10000);
    ASSERT_EQ(menu.Load(path.c_str(), ""), 1);
    HMENU bar = menu.GetMenuHandle();
    ASSERT_EQ(GetMenuItemCount(bar), 2); // ADMIN and NORMAL_USER as sub-menus
    ASSERT_NE(GetSubMenu(bar, 0), nullptr);
    EXPECT_EQ(Label(GetSubMenu(bar, 0), 0), "Admin only");
}

TEST_F(MenuTest, BadFilesGiveZeroAndNoMenu)
{
    const struct
    {
        const char* name;
        std::string bytes;
        bool attached; // an empty menu bar is attached
    } files[] = {
        {"malformed.xml", "<SYSTEM><NORMAL_USER><ITEM id=\"1\"></SYSTEM>", false},
        {"truncated.xml", std::string(kMenuXml, 200), false},
        {"empty.xml", "", false},
        {"other_root.xml", "<MENU><NORMAL_USER><ITEM id=\"1\"/></NORMAL_USER></MENU>", false},
        {"childless.xml", "<SYSTEM/>", false},
        {"no_class.xml", "<SYSTEM><ADMIN><ITEM id=\"1\" text=\"a\"/></ADMIN></SYSTEM>", true},
        {"empty_class.xml", "<SYSTEM><NORMAL_USER/></SYSTEM>", true},
    };
    const long before = CXMLNode::GetInstanceCount();
    for (const auto& f : files) {
        SetMenu(hWnd, nullptr);
        const std::string file = dir.File(f.name);
        WriteFileBytes(file, f.bytes);
        CXMLMenu menu(&owner);
        menu.SetUserGroup(0x10000);
        EXPECT_EQ(menu.Load(file.c_str(), "NORMAL_USER"), 0) << f.name;
        if (f.attached) {
            EXPECT_EQ(GetMenu(hWnd), menu.GetMenuHandle()) << f.name;
            EXPECT_EQ(GetMenuItemCount(menu.GetMenuHandle()), 0) << f.name;
        } else {
            EXPECT_EQ(GetMenu(hWnd), nullptr) << f.name;
        }
        CXMLAttributeMap attributes;
        EXPECT_EQ(menu.GetAttribute(1, attributes), 0) << f.name;
    }
    EXPECT_EQ(CXMLNode::GetInstanceCount(), before);

    SetMenu(hWnd, nullptr);
    CXMLMenu missing(&owner);
    EXPECT_EQ(missing.Load(dir.File("absent.xml").c_str(), "NORMAL_USER"), 0);
    EXPECT_EQ(missing.GetMenuHandle(), nullptr);
    EXPECT_EQ(GetMenu(hWnd), nullptr);
}
