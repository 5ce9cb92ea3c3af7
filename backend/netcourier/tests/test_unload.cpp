// NetCourier.dll loaded and freed again and again through a plug-in, as a host does with its
// screens. The library's receive thread starts at load: freeing the plug-in while it runs must
// not unmap the thread's code, and once the link is closed for good the library unloads.
#include <gtest/gtest.h>

#include <windows.h>

namespace {

const int kCycles = 50;
const char kPlugin[] = "NetCourierTestPlugin.dll";
const char kLink[] = "NetCourier.dll";

template <typename F>
F Export(HMODULE module, const char* name)
{
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

struct CycleCase
{
    const char* what;
    bool connect; // the socket thread runs too (a connection attempt to this machine)
};

class PluginCycles : public ::testing::TestWithParam<CycleCase>
{
};

TEST_P(PluginCycles, FreedWhileTheLinkRunsItStaysUntilClosedForGood)
{
    const CycleCase& c = GetParam();
    ASSERT_EQ(NULL, GetModuleHandleA(kLink)) << "nothing else of this program holds the link";
    for (int i = 0; i < kCycles; ++i) {
        HMODULE plugin = LoadLibraryA(kPlugin);
        ASSERT_NE(nullptr, plugin) << c.what << ", cycle " << i;
        HMODULE link = GetModuleHandleA(kLink);
        ASSERT_NE(nullptr, link) << c.what << ", cycle " << i;
        auto terminated = Export<int (*)()>(plugin, "PluginLinkTerminated");
        ASSERT_NE(nullptr, terminated);
        if (c.connect) {
            // Refused or not, the attempt leaves the socket thread running until the close.
            Export<int (*)(int, const char*)>(link, "LCM_ReConnectServer")(0, "127.0.0.1");
            EXPECT_EQ(0, terminated()) << c.what << ", cycle " << i;
        }
        ASSERT_TRUE(FreeLibrary(plugin));

        // The link's threads still run its code: the library stays.
        HMODULE held = NULL;
        ASSERT_TRUE(GetModuleHandleExA(0, kLink, &held)) << c.what << ", cycle " << i << ": unloaded under its threads";
        EXPECT_EQ(link, held);

        // The program's end for an update: the link closes for good, then its last user goes.
        EXPECT_EQ(1, Export<int (*)(int)>(held, "LCM_Close")(-1));
        EXPECT_EQ(1, Export<int (*)(int)>(held, "LCM_IsTerminated")(-1));
        ASSERT_TRUE(FreeLibrary(held));
        ASSERT_EQ(NULL, GetModuleHandleA(kLink)) << c.what << ", cycle " << i << ": a thread still holds the library";
    }
}

const CycleCase kCycleCases[] = {
    {"receive thread only", false},
    {"receive and socket threads", true},
};

INSTANTIATE_TEST_SUITE_P(Table, PluginCycles, ::testing::ValuesIn(kCycleCases));

} // namespace
