// The numbers drawers write beside their drawings (amounts of horizontal bars, price-band
// volumes, a line's base value, grouped-bar values) follow the number settings the region
// hands their object; the texts are read back from a metafile the drawer drew into.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "draw_fixture.h"

namespace
{

const CRect AREA(0, 0, 400, 200);

// A device context recording what is drawn; Texts() ends the recording and returns every text
// written, in the ANSI code page.
class TextRecorder
{
public:
    TextRecorder() : m_hdc(::CreateEnhMetaFileA(NULL, NULL, NULL, NULL)) { m_dc.Attach(m_hdc); }
    ~TextRecorder()
    {
        if (m_hdc)
            ::DeleteEnhMetaFile(::CloseEnhMetaFile(m_dc.Detach()));
    }
    CDC* dc() { return &m_dc; }
    std::vector<std::string> Texts()
    {
        std::vector<std::string> texts;
        HENHMETAFILE file = ::CloseEnhMetaFile(m_dc.Detach());
        m_hdc = NULL;
        ::EnumEnhMetaFile(NULL, file, &TextRecorder::Record, &texts, NULL);
        ::DeleteEnhMetaFile(file);
        return texts;
    }

private:
    static int CALLBACK Record(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM param)
    {
        auto* texts = reinterpret_cast<std::vector<std::string>*>(param);
        if (record->iType == EMR_EXTTEXTOUTW)
        {
            const auto* text = reinterpret_cast<const EMREXTTEXTOUTW*>(record);
            const auto* chars =
                reinterpret_cast<const WCHAR*>(reinterpret_cast<const BYTE*>(record) + text->emrtext.offString);
            const int count = int(text->emrtext.nChars);
            char narrow[256] = "";
            const int n = ::WideCharToMultiByte(CP_ACP, 0, chars, count, narrow, int(sizeof narrow) - 1, NULL, NULL);
            texts->push_back(std::string(narrow, size_t(n > 0 ? n : 0)));
        }
        else if (record->iType == EMR_EXTTEXTOUTA)
        {
            const auto* text = reinterpret_cast<const EMREXTTEXTOUTA*>(record);
            const char* chars = reinterpret_cast<const char*>(record) + text->emrtext.offString;
            texts->push_back(std::string(chars, text->emrtext.nChars));
        }
        return 1;
    }

    HDC m_hdc;
    CDC m_dc;
};

// Number settings as a region hands them: divisor, decimals, fraction base, precision.
struct Settings
{
    int divisor, decimals, fractionBase, precision;
};

struct NumberCase
{
    const char* what;
    // Builds the object over 1500 and draws it.
    std::function<std::vector<std::string>(const Settings&)> draw;
    Settings settings;
    const char* expected;
};

std::vector<std::string> DrawWith(DrawFixture& f, const Settings& s, BOOL inverted = FALSE)
{
    f.object.SetAxisSettings(s.divisor, s.decimals, s.fractionBase, s.precision);
    TextRecorder recorder;
    f.object.Draw(AREA, recorder.dc(), inverted);
    return recorder.Texts();
}

// Levels 70 and 30 with amounts 1500 and 600 on a scale of 0..100.
std::vector<std::string> HBarAmounts(const Settings& s)
{
    DrawFixture f(DRAWKIND_HBAR, {{70, 30}, {1500, 600}}, 10);
    return DrawWith(f, s);
}

// Bars closing at 20 and 10, 15 rows to a price step so every band has room for its text; the
// 1500 of volume is all in band 9.
std::vector<std::string> BandVolumes(const Settings& s)
{
    DrawFixture f(DRAWKIND_CANDLE,
                  {{0, 0, 0, 0}, {20, 20, 10, 10}, {20, 20, 10, 10}, {20, 20, 10, 10}, {20, 20, 10, 10},
                   {750, 750, 0, 0}},
                  10, 15.0f, 8);
    f.object.BindCandleSeries();
    f.object.m_pS4 = f.store.m_ppSeries[5];
    f.object.SetStyle(1, 1, 0xFF0000, 0x0000FF, 1);
    return DrawWith(f, s);
}

// A line with its base line at 1500.
std::vector<std::string> LineBase(const Settings& s)
{
    DrawFixture f(DRAWKIND_LINE, {{1400, 1600}}, 10, 0.05f, 1000);
    f.object.SetMaximum(3000);
    f.object.m_nBaseLine = 1;
    f.object.m_nS4Number = 1500;
    return DrawWith(f, s);
}

// One wide grouped bar of 1500 with its value written.
std::vector<std::string> GroupedValue(const Settings& s)
{
    DrawFixture f(DRAWKIND_BAR2, {{1500}}, 100, 0.05f, 0);
    f.object.SetMaximum(3000);
    f.object.m_nSeries = 1;
    f.object.m_nValueText = 1;
    return DrawWith(f, s);
}

void PrintTo(const NumberCase& c, std::ostream* out)
{
    *out << c.what;
}

class DrawnNumbers : public ::testing::TestWithParam<NumberCase>
{
};

TEST_P(DrawnNumbers, TakeTheObjectsNumberSettings)
{
    const NumberCase& c = GetParam();
    const std::vector<std::string> texts = c.draw(c.settings);
    bool found = false;
    for (const std::string& text : texts)
    {
        found = found || text.find(c.expected) != std::string::npos;
        // Settings without a fraction base never print the fraction notation.
        if (c.settings.fractionBase <= 0 && c.settings.precision <= 0)
        {
            EXPECT_EQ(std::string::npos, text.find('\'')) << c.what << ": " << text;
        }
    }
    EXPECT_TRUE(found) << c.what << ": no text holds " << c.expected;
}

const Settings kPlain{1, 0, -1, -1};     // the region side's defaults: separators, no fraction
const Settings kCents{100, 2, -1, -1};   // hundredths, two decimals
const Settings kThirtySeconds{1, 2, 32, 2}; // fraction notation in 32nds

INSTANTIATE_TEST_SUITE_P(
    Table, DrawnNumbers,
    ::testing::Values(NumberCase{"horizontal-bar amount", HBarAmounts, kPlain, "1,500"},
                      NumberCase{"horizontal-bar amount in hundredths", HBarAmounts, kCents, "15.00"},
                      NumberCase{"price-band volume", BandVolumes, kPlain, "(1,500)"},
                      NumberCase{"line base value", LineBase, kPlain, "1,500"},
                      NumberCase{"line base value in 32nds", LineBase, kThirtySeconds, "15'00.00"},
                      NumberCase{"grouped-bar value", GroupedValue, kPlain, "1,500"},
                      NumberCase{"grouped-bar value in hundredths", GroupedValue, kCents, "15.00"}),
    [](const ::testing::TestParamInfo<NumberCase>& info) { return "Case" + std::to_string(info.index); });

} // namespace
