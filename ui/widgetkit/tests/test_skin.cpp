// The fixture colour and image maps of the control tests.
#include "test_skin.h"

#include <gtest/gtest.h>

#include "ColorMap.h"
#include "ResourceMap.h"
#include "SharedKit.h"
#include "skin_fixture.h"
#include "temp_dir.h"

const std::map<WORD, COLORREF> kTestColours = {
    {101, RGB(30, 34, 42)},   {102, RGB(200, 24, 24)},  {103, RGB(20, 76, 196)},   {301, RGB(0, 128, 0)},
    {401, RGB(236, 238, 243)}, {631, RGB(250, 240, 100)}, {632, RGB(180, 190, 200)}, {633, RGB(60, 20, 90)},
    {601, RGB(201, 1, 1)},    {602, RGB(202, 2, 2)},    {603, RGB(203, 3, 3)},    {604, RGB(204, 4, 4)},
    {605, RGB(205, 5, 5)},    {606, RGB(206, 6, 6)},    {607, RGB(207, 7, 7)},    {608, RGB(208, 8, 8)},
    {609, RGB(209, 9, 9)},    {610, RGB(210, 10, 10)},  {611, RGB(211, 11, 11)},  {612, RGB(212, 12, 12)},
    {613, RGB(220, 230, 240)}, {810, RGB(90, 90, 90)},
};

const std::map<WORD, COLORREF> kTestImages = {
    {913, RGB(10, 10, 10)},  {914, RGB(20, 20, 20)},  {915, RGB(30, 30, 30)},  {919, RGB(40, 40, 40)},
    {920, RGB(50, 50, 50)},  {921, RGB(61, 0, 0)},    {922, RGB(62, 0, 0)},    {923, RGB(0, 63, 0)},
    {924, RGB(0, 64, 0)},    {901, RGB(0, 0, 91)},    {902, RGB(0, 0, 92)},    {903, RGB(0, 0, 93)},
    {904, RGB(0, 0, 94)},    {905, RGB(0, 0, 95)},    {906, RGB(0, 0, 96)},    {907, RGB(0, 0, 97)},
    {908, RGB(0, 0, 98)},    {909, RGB(0, 0, 99)},    {916, RGB(0, 0, 116)},   {917, RGB(0, 0, 117)},
    {918, RGB(0, 0, 118)},
};

namespace {

struct Fixture
{
    ComScope com;
    TempDir dir;
    ScratchImageFolder images;
};

} // namespace

void LoadTestSkin()
{
    static Fixture* fixture = nullptr;
    if (fixture != nullptr)
        return;
    fixture = new Fixture;
    std::string colours = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<COLORMAP><GROUP text=\"default\">\n";
    for (const auto& c : kTestColours) {
        char line[128];
        snprintf(line, sizeof line, "<COLOR id=\"%u\" text=\"c\" color=\"%d,%d,%d\"/>\n", c.first, GetRValue(c.second),
                 GetGValue(c.second), GetBValue(c.second));
        colours += line;
    }
    colours += "</GROUP></COLORMAP>\n";
    WriteFileBytes(fixture->dir.File("colormap.xml"), colours);
    ASSERT_TRUE(GetColorMap()->Load(fixture->dir.File("colormap.xml").c_str(), "default"));

    std::string images = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<RESOURCEMAP><GROUP text=\"default\">\n";
    for (const auto& i : kTestImages) {
        char name[32];
        snprintf(name, sizeof name, "img%u.bmp", i.first);
        WriteSolidBmp(fixture->images.File(name), 16, 16, i.second);
        images += "<IMAGE id=\"" + std::to_string(i.first) + "\" path=\"" + fixture->images.Name() + "\" file=\"" +
                  name + "\"/>\n";
    }
    images += "</GROUP></RESOURCEMAP>\n";
    WriteFileBytes(fixture->dir.File("ResourceMap.xml"), images);
    ASSERT_TRUE(GetResourceMap()->Load(fixture->dir.File("ResourceMap.xml").c_str(), "default"));
}

COLORREF TestColour(WORD id)
{
    return kTestColours.at(id);
}

HGDIOBJ TestImageBitmap(WORD id)
{
    CBitmap* bitmap = CResourceMap::GetBitmap(id);
    return bitmap != nullptr ? bitmap->GetSafeHandle() : nullptr;
}
