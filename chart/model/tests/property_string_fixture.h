// Builders of property strings for the tests: fields joined by a level's separator, each
// field terminated by it, and the sections of a chart of a given version.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

namespace propfixture {

const std::string L1 = "\x14\x14";
const std::string L2 = "\x15\x15";
const std::string L3 = "\x16\x16";
const std::string L4 = "\x17\x17";

// Every part followed by the separator.
inline std::string Join(const std::string& sep, const std::vector<std::string>& parts)
{
    std::string out;
    for (const std::string& p : parts)
        out += p + sep;
    return out;
}

// The time section of version v: kind, view count, name, minute term, right and left widths,
// right margin, I7, then what v adds.
inline std::string TimeSection(int v, int timeKind = 0, int viewCount = 120)
{
    std::vector<std::string> f = {std::to_string(timeKind), std::to_string(viewCount), "date", "5", "61", "16", "9",
                                  "12"};
    if (v >= 5)
        f.push_back("1");
    if (v >= 6)
        f.push_back("time2");
    if (v >= 9)
        f.push_back("2");
    if (v >= 12) {
        f.push_back("3");
        f.push_back("4");
        f.push_back("5");
    }
    if (timeKind == 6 || timeKind == -1 || v >= 15) {
        f.push_back("20");
        f.push_back("1");
        if (v >= 15) {
            for (const char* s : {"t3", "t5", "t6", "t4"})
                f.push_back(s);
        }
    }
    if (v >= 21) {
        f.push_back("100");
        f.push_back("2");
        f.push_back("price");
    }
    return Join(L4, f);
}

// A side: I1, I2, empty value, unit, divisor, fixed, max, min, colour, decimals.
inline std::string Side(const std::string& unit, const std::string& colour = "000:000000000")
{
    return Join(L4, {"0", "0", "99999999", unit, "1", "0", "0", "0", colour, "2"});
}

inline std::string RegionItem(const std::vector<std::string>& header, const std::string& right,
                              const std::string& left)
{
    return Join(L3, {Join(L4, header), right, left});
}

inline std::string Section(const std::vector<std::string>& items)
{
    std::vector<std::string> all = {std::to_string(items.size())};
    all.insert(all.end(), items.begin(), items.end());
    return Join(L2, all);
}

// An object item with its header fields only: its kind record keeps its initial values.
inline std::string HeaderOnlyObject(int v, int kind)
{
    std::vector<std::string> f = {std::to_string(kind), "0", "1"};
    if (v >= 26)
        f.push_back("0");
    return Join(L4, f);
}

inline std::string Whole(int v, const std::string& time, const std::string& regions, const std::string& objects)
{
    return Join(L1, {std::to_string(v), time, regions, objects});
}

} // namespace propfixture
