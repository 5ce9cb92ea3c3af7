// Receiver registries: one entry per window and code, codes byte for byte, and the poll list's
// round-robin pick.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>
#include "DataReceiverList.h"

namespace {

const HWND kWndA = reinterpret_cast<HWND>(0x1000);
const HWND kWndB = reinterpret_cast<HWND>(0x2000);

std::vector<HWND> Receivers(CDataReceiverList& list, const char* code)
{
    CHwndArray arr;
    list.GetReceivers(code, arr);
    std::vector<HWND> out;
    for (INT_PTR i = 0; i < arr.GetSize(); ++i)
        out.push_back(arr[i]);
    return out;
}

TEST(ReceiverList, SameWindowTwiceKeepsOneEntryAndOneStopRemovesTheCode)
{
    CDataReceiverList list;
    EXPECT_EQ(1, list.Add("BTC", kWndA));
    EXPECT_EQ(0, list.Add("BTC", kWndA));
    EXPECT_EQ(std::vector<HWND>{kWndA}, Receivers(list, "BTC"));
    list.RebuildPollList();
    EXPECT_EQ(1, list.GetPollCount());

    EXPECT_EQ(1, list.Remove("BTC", kWndA));
    list.RebuildPollList();
    EXPECT_EQ(0, list.GetCodeCount());
    EXPECT_EQ(0, list.GetPollCount());
    EXPECT_STREQ("", list.NextPollCode());
    EXPECT_EQ(0, list.Remove("BTC", kWndA));
}

TEST(ReceiverList, StoppingOneOfTwoWindowsKeepsTheCode)
{
    CDataReceiverList list;
    list.Add("BTC", kWndA);
    list.Add("BTC", kWndB);
    EXPECT_EQ(0, list.Remove("BTC", kWndA));
    EXPECT_EQ(std::vector<HWND>{kWndB}, Receivers(list, "BTC"));
    list.RebuildPollList();
    EXPECT_STREQ("BTC", list.NextPollCode());
    // A window that was never registered changes nothing.
    EXPECT_EQ(0, list.Remove("BTC", kWndA));
    EXPECT_EQ(1, list.GetCodeCount());
}

TEST(ReceiverList, CodesCompareByteForByte)
{
    CDataReceiverList list;
    EXPECT_EQ(1, list.Add("BTC", kWndA));
    EXPECT_EQ(1, list.Add("btc", kWndA));
    EXPECT_EQ(1, list.Add("BTC ", kWndA));
    EXPECT_EQ(3, list.GetCodeCount());
    EXPECT_TRUE(Receivers(list, "Btc").empty());
    // Empty codes are kept in the map but never polled.
    list.Add("", kWndB);
    list.RebuildPollList();
    EXPECT_EQ(3, list.GetPollCount());
}

TEST(ReceiverList, RoundRobinVisitsEveryCodeAndWrapsAfterTheListShrinks)
{
    CDataReceiverList list;
    const char* codes[] = {"BTC", "ETH", "XRP", "EOS", "LTC"};
    for (const char* code : codes)
        list.Add(code, kWndA);
    list.RebuildPollList();

    std::vector<std::string> seen;
    for (int i = 0; i < 5; ++i)
        seen.push_back(std::string(list.NextPollCode()));
    std::vector<std::string> sorted = seen;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ((std::vector<std::string>{"BTC", "EOS", "ETH", "LTC", "XRP"}), sorted);
    // Now the index sits at the end of five codes; drop three and the next picks stay valid.
    for (int i = 0; i < 4; ++i)
        list.NextPollCode();
    for (const char* code : {"XRP", "EOS", "LTC"})
        list.Remove(code, kWndA);
    list.RebuildPollList();
    for (int i = 0; i < 6; ++i)
    {
        CString code = list.NextPollCode();
        EXPECT_TRUE(code == "BTC" || code == "ETH") << code.GetString();
    }
    // Two codes alternate.
    CString a = list.NextPollCode(), b = list.NextPollCode(), c = list.NextPollCode();
    EXPECT_NE(a, b);
    EXPECT_EQ(a, c);
}

} // namespace
