// The window-token table on its own, with made-up handles of every size: each window gets a
// number that fits the 8-digit field and leads back to it, and a number given up never leads
// to another window.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "WindowTokens.h"

namespace {

HWND Handle(unsigned long long value)
{
    return reinterpret_cast<HWND>(static_cast<UINT_PTR>(value));
}

// The field as the agent writes it.
std::string Field(int token)
{
    char text[16];
    snprintf(text, sizeof text, "%08d", token);
    return text;
}

TEST(WindowTokens, HandlesOfEverySizeGetNumbersThatFitTheFieldAndLeadBack)
{
    const bool wide = sizeof(HWND) > 4;
    const HWND handles[] = {
        Handle(0x10050),            // the first windows of a fresh Wine server
        Handle(99999999),           // the largest handle the field could hold as it is
        Handle(100000000),          // the smallest it could not
        Handle(0x12345678),         // a handle slot reused about 4660 times
        Handle(0xFFFE0052),         // reuse counter at its top: negative as an int
        Handle(wide ? 0x00007FF612345678ull : 0x7FFFFFF0ull), // pointer-sized
        Handle(wide ? 0xFFFFFFFF80001234ull : 0x80001234ull), // sign-extended
    };
    CWindowTokens tokens;
    std::set<int> seen;
    for (HWND window : handles) {
        const int token = tokens.Ask(window);
        EXPECT_GE(token, 1) << window;
        EXPECT_LE(token, CWindowTokens::kLargest) << window;
        EXPECT_EQ(8u, Field(token).size()) << window;
        EXPECT_TRUE(seen.insert(token).second) << "one number per window";
        EXPECT_EQ(token, tokens.Ask(window)) << "a window keeps its number";
    }
    // Read back as a reply carries it, every number finds its own window.
    for (HWND window : handles)
        EXPECT_EQ(window, tokens.ReplyWindow(atoi(Field(tokens.TokenOf(window)).c_str()))) << window;
    EXPECT_EQ(NULL, tokens.ReplyWindow(0));
    EXPECT_EQ(NULL, tokens.ReplyWindow(-1));
    EXPECT_EQ(NULL, tokens.ReplyWindow(static_cast<int>(sizeof handles / sizeof handles[0]) + 1));
}

TEST(WindowTokens, ARegisteredWindowIsNoReplyWindowAndItsNumberGoesWithItsLastRegistration)
{
    CWindowTokens tokens;
    const HWND window = Handle(0x12345678);
    const int registered = tokens.Register(window);
    ASSERT_NE(0, registered);
    EXPECT_EQ(registered, tokens.Register(window));
    EXPECT_EQ(NULL, tokens.ReplyWindow(registered)) << "it never asked";
    tokens.Unregister(window);
    EXPECT_EQ(0, tokens.TokenOf(window));
    EXPECT_EQ(0u, tokens.Count());
    // The window comes back: a new number, and the stale one leads nowhere.
    const int again = tokens.Ask(window);
    EXPECT_NE(registered, again);
    EXPECT_EQ(window, tokens.ReplyWindow(again));
    EXPECT_EQ(NULL, tokens.ReplyWindow(registered));
}

TEST(WindowTokens, AnAskingWindowKeepsItsNumberThroughRegistrationsUntilItIsForgotten)
{
    CWindowTokens tokens;
    const HWND asking = Handle(0x20050);
    const HWND listening = Handle(0x30050);
    const int token = tokens.Ask(asking);
    EXPECT_EQ(token, tokens.Register(asking));
    const int other = tokens.Register(listening);
    tokens.Unregister(asking);
    EXPECT_EQ(asking, tokens.ReplyWindow(token));
    tokens.UnregisterAll();
    EXPECT_EQ(asking, tokens.ReplyWindow(token));
    EXPECT_EQ(0, tokens.TokenOf(listening));
    EXPECT_EQ(1u, tokens.Count());

    tokens.ForgetIf([&](HWND w) { return w == asking; });
    EXPECT_EQ(NULL, tokens.ReplyWindow(token));
    EXPECT_EQ(0u, tokens.Count());
    // A new window that comes by the same handle is another window: it gets a number of its
    // own, and a late reply to the old number reaches nobody.
    const int reused = tokens.Ask(asking);
    EXPECT_NE(token, reused);
    EXPECT_NE(other, reused);
    EXPECT_EQ(NULL, tokens.ReplyWindow(token));
    EXPECT_EQ(asking, tokens.ReplyWindow(reused));
}

TEST(WindowTokens, NumbersRiseWrapAfterTheLargestAndSkipThoseInUse)
{
    CWindowTokens tokens(3);
    const HWND a = Handle(1000), b = Handle(2000), c = Handle(3000), d = Handle(4000);
    EXPECT_EQ(1, tokens.Ask(a));
    EXPECT_EQ(2, tokens.Ask(b));
    tokens.Forget(a);
    // 1 is free again, but numbers go on rising before any comes round again.
    EXPECT_EQ(3, tokens.Ask(c));
    EXPECT_EQ(1, tokens.Ask(d));
    EXPECT_EQ(0, tokens.Ask(a)) << "every number taken";
    EXPECT_EQ(0, tokens.Register(a));
    EXPECT_EQ(3u, tokens.Count());
    tokens.Forget(c);
    EXPECT_EQ(3, tokens.Ask(a)) << "2 is in use: skipped";
    EXPECT_EQ(a, tokens.ReplyWindow(3));
    EXPECT_EQ(b, tokens.ReplyWindow(2));
    EXPECT_EQ(d, tokens.ReplyWindow(1));
}

} // namespace
