// XML documents through MSXML 3: lookups, attributes, Korean and large text, bad files, and the
// message box shown when the document object cannot be made.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "XMLHelper.h"
#include "temp_dir.h"

#include <string>
#include <thread>
#include <vector>

namespace {

class XmlTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr))); }
    static void TearDownTestSuite() { CoUninitialize(); }

    // Writes a UTF-8 file (the narrow literals of this file are code page 949, so the Korean
    // text is given in UTF-8 bytes here).
    std::string Write(const char* name, const std::string& bytes)
    {
        const std::string path = dir.File(name);
        WriteFileBytes(path, bytes);
        return path;
    }

    TempDir dir;
};

// "프로그램" in UTF-8, and the same word in code page 949 (what the wrappers return).
const std::string kWordUtf8 = "\xED\x94\x84\xEB\xA1\x9C\xEA\xB7\xB8\xEB\x9E\xA8";
const char kWordCp949[] = "프로그램";

const char kDocument[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<ROOT version=\"3\">\n"
    "  <!-- a comment -->\n"
    "  <ITEM id=\"1\" name=\"first\" empty=\"\">plain text</ITEM>\n"
    "  <ITEM id=\"2\" name=\"second\"><SUB>a</SUB><SUB>b</SUB></ITEM>\n"
    "</ROOT>\n";

} // namespace

TEST_F(XmlTest, FindsNodesAndReadsNamesTextAndAttributes)
{
    CXMLHelper doc;
    ASSERT_TRUE(doc.Load(Write("doc.xml", kDocument).c_str()));

    CXMLNode* root = doc.GetNode("ROOT");
    ASSERT_NE(root, nullptr);
    EXPECT_STREQ(root->GetName(), "ROOT");
    EXPECT_EQ(root->GetNodeType(), NODE_ELEMENT);
    EXPECT_TRUE(root->HasChildNodes());
    EXPECT_STREQ(root->GetValue("version"), "3");

    CXMLNode* comment = root->GetFirstChild();
    ASSERT_NE(comment, nullptr);
    EXPECT_STREQ(comment->GetName(), "#comment");
    EXPECT_EQ(comment->GetNodeType(), NODE_COMMENT);

    CXMLNode* first = comment->GetNextSibling();
    ASSERT_NE(first, nullptr);
    EXPECT_STREQ(first->GetName(), "ITEM");
    // Present but empty and absent attributes both read as empty text.
    EXPECT_STREQ(first->GetValue("empty"), "");
    EXPECT_STREQ(first->GetValue("absent"), "");
    CXMLNode* text = first->GetFirstChild();
    ASSERT_NE(text, nullptr);
    EXPECT_STREQ(text->GetName(), "#text");
    EXPECT_EQ(text->GetNodeType(), NODE_TEXT);
    EXPECT_FALSE(text->HasChildNodes());
    EXPECT_STREQ(text->GetValue("id"), "");

    CXMLNode* second = first->GetNextSibling();
    ASSERT_NE(second, nullptr);
    EXPECT_STREQ(second->GetText(), "ab");
    EXPECT_EQ(second->GetNextSibling(), nullptr);

    CXMLAttributeMap attributes;
    attributes["stale"] = "x";
    first->GetAttributes(attributes);
    EXPECT_EQ(attributes.GetCount(), 3);
    CString value;
    EXPECT_TRUE(attributes.Lookup("name", value));
    EXPECT_STREQ(value, "first");
    EXPECT_FALSE(attributes.Lookup("stale", value));

    // XPath, predicates included.
    doc.GetAttributes("/ROOT/ITEM[@id='2']", attributes);
    EXPECT_TRUE(attributes.Lookup("name", value));
    EXPECT_STREQ(value, "second");
    CXMLNode* sub = doc.GetNode("/ROOT/ITEM[2]/SUB[2]");
    ASSERT_NE(sub, nullptr);
    EXPECT_STREQ(sub->GetText(), "b");

    doc.ClearNodeArray();
}

TEST_F(XmlTest, MissesReturnNothingAndAddNoWrapper)
{
    CXMLHelper doc;
    ASSERT_TRUE(doc.Load(Write("doc.xml", kDocument).c_str()));
    const long before = CXMLNode::GetInstanceCount();
    EXPECT_EQ(doc.GetNode("/ROOT/NOTHING"), nullptr);
    EXPECT_EQ(doc.GetNode("/ROOT/ITEM[@id='9']"), nullptr);
    EXPECT_EQ(CXMLNode::GetInstanceCount(), before);
    CXMLAttributeMap attributes;
    attributes["stale"] = "x";
    doc.GetAttributes("/ROOT/NOTHING", attributes);
    EXPECT_EQ(attributes.GetCount(), 0);
    EXPECT_EQ(CXMLNode::GetInstanceCount(), before);
}

TEST_F(XmlTest, ClearNodeArrayDeletesEveryWrapperAndIsHarmlessTwice)
{
    const long before = CXMLNode::GetInstanceCount();
    CXMLHelper doc;
    ASSERT_TRUE(doc.Load(Write("doc.xml", kDocument).c_str()));
    for (CXMLNode* node = doc.GetNode("ROOT")->GetFirstChild(); node; node = node->GetNextSibling())
        node->GetFirstChild();
    EXPECT_GT(CXMLNode::GetInstanceCount(), before + 3);
    doc.ClearNodeArray();
    EXPECT_EQ(CXMLNode::GetInstanceCount(), before);
    doc.ClearNodeArray();
    EXPECT_EQ(CXMLNode::GetInstanceCount(), before);
}

TEST_F(XmlTest, KoreanTextAndAttributesArriveInCodePage949)
{
    ASSERT_EQ(GetACP(), 949u);
    CXMLHelper doc;
    const std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><MENU text=\"" + kWordUtf8 + "\">" +
                            kWordUtf8 + "</MENU>";
    // A file name in Korean too.
    ASSERT_TRUE(doc.Load((dir.Path() + "메뉴.xml").c_str()) == FALSE);
    WriteFileBytes(dir.Path() + "메뉴.xml", xml);
    ASSERT_TRUE(doc.Load((dir.Path() + "메뉴.xml").c_str()));
    CXMLNode* menu = doc.GetNode("MENU");
    ASSERT_NE(menu, nullptr);
    EXPECT_STREQ(menu->GetValue("text"), kWordCp949);
    EXPECT_STREQ(menu->GetText(), kWordCp949);
    doc.ClearNodeArray();
}

TEST_F(XmlTest, LargeTextIsConvertedWhole)
{
    std::string big;
    // 1.4 million characters: far more than a stack buffer sized from the text could hold.
    for (int i = 0; i < 100000; ++i)
        big += kWordUtf8;             // 400 000 Korean characters
    big += std::string(1000000, 'x'); // and plain bytes
    CXMLHelper doc;
    ASSERT_TRUE(doc.Load(Write("big.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\"?><BIG a=\"" + big + "\">" +
                                              big + "</BIG>")
                             .c_str()));
    CXMLNode* node = doc.GetNode("BIG");
    ASSERT_NE(node, nullptr);
    const CString text = node->GetText();
    ASSERT_EQ(text.GetLength(), 400000 * 2 + 1000000);
    EXPECT_EQ(std::string(text.GetString(), 8), std::string(kWordCp949));
    EXPECT_EQ(node->GetValue("a").GetLength(), 400000 * 2 + 1000000);
    doc.ClearNodeArray();
}

TEST_F(XmlTest, BadFilesFailToLoadAndLeaveNothingToFind)
{
    const struct
    {
        const char* name;
        std::string bytes;
    } files[] = {
        {"empty.xml", ""},
        {"truncated.xml", std::string(kDocument, 80)},
        {"malformed.xml", "<ROOT><ITEM></ROOT>"},
        {"binary.xml", std::string("\x00\x01\xFF\xFE<ROOT/>", 11)},
        {"text.xml", "just some text"},
    };
    for (const auto& f : files) {
        CXMLHelper doc;
        EXPECT_FALSE(doc.Load(Write(f.name, f.bytes).c_str())) << f.name;
        EXPECT_EQ(doc.GetNode("ROOT"), nullptr) << f.name;
        EXPECT_EQ(doc.GetNode("/ROOT/ITEM"), nullptr) << f.name;
    }
    CXMLHelper doc;
    EXPECT_FALSE(doc.Load(dir.File("missing.xml").c_str()));
    EXPECT_EQ(doc.GetNode("ROOT"), nullptr);
}

namespace {

std::vector<std::string> g_boxes;

int AFXAPI RecordBox(HWND, LPCTSTR text, LPCTSTR, UINT)
{
    g_boxes.emplace_back(text ? text : "");
    return IDOK;
}

} // namespace

TEST_F(XmlTest, DocumentThatCannotBeCreatedShowsTheErrorOnceAndFindsNothing)
{
    const std::string path = Write("doc.xml", kDocument);
    AFX_MSGBOX_HANDLER previous = AfxSetMessageBoxHandler(RecordBox);
    BOOL loaded = TRUE;
    bool found = true;
    // COM is not initialised on a fresh thread, so the DOM cannot be created there.
    std::thread worker([&] {
        CXMLHelper doc;
        loaded = doc.Load(path.c_str());
        found = doc.GetNode("ROOT") != nullptr;
        CXMLAttributeMap attributes;
        doc.GetAttributes("ROOT", attributes);
        found = found || attributes.GetCount() != 0;
        doc.ClearNodeArray();
    });
    worker.join();
    AfxSetMessageBoxHandler(previous);
    EXPECT_EQ(g_boxes.size(), 1u);
    if (!g_boxes.empty()) {
        EXPECT_FALSE(g_boxes[0].empty());
    }
    EXPECT_FALSE(loaded);
    EXPECT_FALSE(found);
}
