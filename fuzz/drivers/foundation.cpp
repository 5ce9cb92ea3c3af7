// Drivers of the foundation's files: XML documents through the DOM wrapper, the menu built
// from menu.xml, the colour and image maps, and INI files through the settings reader. Each
// input is written to a file first, as the program reads them from disk.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <stdio.h>

#include "ColorMap.h"
#include "FuzzHarness.h"
#include "IniFiles.h"
#include "ResourceMap.h"
#include "XMLHelper.h"
#include "XMLMenu.h"
#include "temp_folder.h"

namespace {

TempFolder* g_folder = nullptr;
unsigned g_serial = 0;

void Begin()
{
    ASSERT_TRUE(SUCCEEDED(CoInitialize(NULL)));
    g_folder = new TempFolder("fzx");
}

void End()
{
    delete g_folder;
    g_folder = nullptr;
    CoUninitialize();
}

// The input as a file of its own: the platform's readers may keep a file they read recently.
std::string WriteInput(const std::string& in, const char* extension)
{
    char name[64];
    snprintf(name, sizeof name, "in%u.%s", ++g_serial, extension);
    const std::string path = *g_folder / name;
    EXPECT_TRUE(WriteBytes(path, in));
    return path;
}

const std::vector<std::string> kXmlTokens = {"<", ">", "</", "/>", "=", "\"", "'", "&amp;", "&#0;", "&#xFFFF;",
                                             "&undefined;", "<!--", "-->", "<![CDATA[", "]]>", "<?xml ?>",
                                             "<!DOCTYPE a [<!ENTITY e \"eeeeeeeeee\">]>", "&e;", "<GROUP>",
                                             "</GROUP>", " id=\"", " text=\"", " color=\"", "\xED\x8C\x8C",
                                             "\xFF\xFE", "encoding=\"UTF-16\"", "<MENU text=\"m\">"};

std::vector<std::string> XmlFixtures()
{
    return {fuzz::EmbeddedFixture("FOUNDATION_COLORMAP"), fuzz::EmbeddedFixture("FOUNDATION_RESOURCEMAP"),
            fuzz::EmbeddedFixture("FOUNDATION_MENU")};
}

// Walks the tree as the readers do: names, texts, attributes, children and siblings.
void Walk(CXMLNode* node, int depth, int& budget)
{
    for (; node != nullptr && budget > 0; node = node->GetNextSibling(), --budget) {
        node->GetName();
        node->GetNodeType();
        CXMLAttributeMap attributes;
        node->GetAttributes(attributes);
        node->GetValue("id");
        if (depth < 3)
            node->GetText();
        if (depth < 64 && node->HasChildNodes())
            Walk(node->GetFirstChild(), depth + 1, budget);
    }
}

void Xml(const std::string& in, fuzz::Random&)
{
    const std::string path = WriteInput(in, "xml");
    {
        CXMLHelper xml;
        if (xml.Load(path.c_str())) {
            int budget = 5000;
            Walk(xml.GetNode("/*"), 0, budget);
            CXMLAttributeMap attributes;
            xml.GetAttributes("//GROUP", attributes);
            xml.GetNode("//*[@id='101']");
        }
        xml.ClearNodeArray();
    }
    DeleteFileA(path.c_str());
}

void Menu(const std::string& in, fuzz::Random& random)
{
    const std::string path = WriteInput(in, "xml");
    {
        CXMLMenu menu(nullptr);
        menu.SetUserGroup(random.OneIn(2) ? 0x10000 : 0);
        if (menu.Load(path.c_str(), random.OneIn(4) ? "" : "NORMAL_USER")) {
            CXMLAttributeMap attributes;
            menu.GetAttribute(101, attributes);
            menu.GetAttribute(300, attributes);
        }
    }
    DeleteFileA(path.c_str());
}

void Colours(const std::string& in, fuzz::Random& random)
{
    const std::string path = WriteInput(in, "xml");
    CColorMap map;
    map.Load(path.c_str(), random.OneIn(8) ? "" : "default");
    for (WORD id : {WORD(101), WORD(102), WORD(201), WORD(401), WORD(0), WORD(65535)}) {
        CColorMap::GetColor(id);
        CColorMap::GetName(id);
    }
    map.Release();
    DeleteFileA(path.c_str());
}

void Images(const std::string& in, fuzz::Random& random)
{
    const std::string path = WriteInput(in, "xml");
    CResourceMap map;
    map.Load(path.c_str(), random.OneIn(8) ? "" : "default");
    int loaded = 0;
    POSITION pos = CResourceMap::m_mapData.GetStartPosition();
    while (pos != NULL && loaded < 8) {
        WORD id = 0;
        CResourceItem* item = nullptr;
        CResourceMap::m_mapData.GetNextAssoc(pos, id, item);
        CResourceMap::GetPath(id);
        if (random.OneIn(4)) {
            CResourceMap::GetBitmap(id);
            ++loaded;
        }
    }
    map.Release();
    DeleteFileA(path.c_str());
}

std::vector<std::string> IniFixtures()
{
    return {fuzz::EmbeddedFixture("FOUNDATION_SYSTEM_INI"), fuzz::EmbeddedFixture("FOUNDATION_USER_CFG")};
}

void Ini(const std::string& in, fuzz::Random&)
{
    const std::string path = WriteInput(in, "ini");
    {
        CIniFiles ini(path.c_str());
        CStringArray sections;
        ini.ReadSections(sections);
        for (INT_PTR s = 0; s < sections.GetSize() && s < 6; ++s) {
            const CString section = sections[s];
            CStringArray lines, values, names;
            ini.ReadSection(section, lines);
            ini.ReadSectionValues(section, values);
            CIniFiles::GetIniNames(path.c_str(), section, names);
            ini.SectionExists(section);
            for (INT_PTR k = 0; k < names.GetSize() && k < 6; ++k) {
                const CString key = names[k];
                ini.ReadInteger(section, key, -1);
                ini.ReadCOLORREF(section, key, RGB(1, 2, 3));
                CStringArray parts;
                ini.ReadSectionValueParsing(section, key, ',', parts);
            }
        }
        CIniFiles::ReadIniString(path.c_str(), "SERVER", "IP");
        CIniFiles::ReadIniInt(path.c_str(), "SERVER", "PORT");
    }
    DeleteFileA(path.c_str());
}

const std::vector<std::string> kIniTokens = {"[", "]", "=", "\r\n", "\n", "\r", ";", "\\n", ",", " ", "\t", "\"",
                                             "[SERVER]", "PORT=", "\xB0\xA1", "\x81", std::string(1, '\0'),
                                             "\xFF\xFE", "\xEF\xBB\xBF"};

fuzz::Registration xml({"foundation_xml", XmlFixtures, kXmlTokens, Begin, End, Xml, 64 * 1024, 800});
fuzz::Registration menu({"foundation_menu", XmlFixtures, kXmlTokens, Begin, End, Menu, 64 * 1024, 800});
fuzz::Registration colours({"foundation_colour_map", XmlFixtures, kXmlTokens, Begin, End, Colours, 64 * 1024, 800});
fuzz::Registration images({"foundation_image_map", XmlFixtures, kXmlTokens, Begin, End, Images, 64 * 1024, 800});
fuzz::Registration ini({"foundation_ini", IniFixtures, kIniTokens, Begin, End, Ini, 32 * 1024, 600});

} // namespace
