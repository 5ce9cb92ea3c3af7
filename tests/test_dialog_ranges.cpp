// Dialog template ids of the staged modules against resources/include/dialog_ranges.h: each
// module keeps to its reserved range, and no two modules that can share a process hold the same
// id (which the resource chain would resolve to whichever module came first).
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "dialog_ranges.h"

namespace {

std::string BinFolder()
{
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(NULL, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

BOOL CALLBACK CollectId(HMODULE, LPCSTR, LPSTR lpszName, LONG_PTR lParam)
{
    auto* ids = reinterpret_cast<std::vector<unsigned>*>(lParam);
    // Named templates are not ids; they cannot collide with the ranges.
    if (IS_INTRESOURCE(lpszName))
        ids->push_back((unsigned)(UINT_PTR)lpszName);
    return TRUE;
}

// The dialog ids of a module file, read as data (nothing of it runs).
std::vector<unsigned> DialogIdsOf(const std::string& path)
{
    std::vector<unsigned> ids;
    HMODULE hModule = ::LoadLibraryExA(path.c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (hModule == NULL)
        hModule = ::LoadLibraryExA(path.c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
    if (hModule != NULL) {
        ::EnumResourceNamesA(hModule, (LPCSTR)RT_DIALOG, &CollectId, (LONG_PTR)&ids);
        ::FreeLibrary(hModule);
    }
    return ids;
}

bool IsPluginOwnId(unsigned id)
{
    return id == MOLVANE_DLG_PLUGIN_ACCOUNT_TAB || id == MOLVANE_DLG_PLUGIN_MAP_VIEW ||
           (id >= MOLVANE_DLG_PLUGIN_TAB_PAGE_FIRST && id <= MOLVANE_DLG_PLUGIN_TAB_PAGE_LAST);
}

struct Staged
{
    const MolvaneDialogRange* range;
    std::vector<unsigned> ids;
};

// The judgement itself, on a given set of modules.
std::vector<std::string> Problems(const std::vector<Staged>& modules)
{
    std::vector<std::string> problems;
    std::map<unsigned, const MolvaneDialogRange*> owners; // libraries' ids
    for (const Staged& m : modules) {
        for (unsigned id : m.ids) {
            bool inRange = (id >= m.range->first && id <= m.range->last) ||
                           (m.range->firstFixed != 0 && id >= m.range->firstFixed && id <= m.range->lastFixed);
            if (m.range->plugin && IsPluginOwnId(id))
                continue;
            if (!inRange)
                problems.push_back(std::string(m.range->module) + ": dialog " + std::to_string(id) +
                                   " lies outside its reserved range");
            if (!m.range->program) {
                auto it = owners.find(id);
                if (it != owners.end())
                    problems.push_back("dialog " + std::to_string(id) + " is in both " + it->second->module + " and " +
                                       m.range->module);
                else
                    owners[id] = m.range;
            }
        }
    }
    for (const Staged& m : modules) {
        if (!m.range->program)
            continue;
        for (unsigned id : m.ids) {
            auto it = owners.find(id);
            if (it != owners.end())
                problems.push_back("dialog " + std::to_string(id) + " is in both " + m.range->module + " and " +
                                   it->second->module);
        }
    }
    return problems;
}

TEST(DialogRanges, StagedModulesKeepToTheirRangesAndNeverShareAnId)
{
    std::vector<Staged> staged;
    for (const MolvaneDialogRange& range : kMolvaneDialogRanges) {
        std::string path = BinFolder() + range.module;
        if (::GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES)
            continue; // not built in this tree yet
        staged.push_back(Staged{&range, DialogIdsOf(path)});
    }
    ASSERT_FALSE(staged.empty()) << "no staged module found beside " << BinFolder();
    for (const std::string& problem : Problems(staged))
        ADD_FAILURE() << problem;
}

// The same judgement on made-up modules: what must pass and what must fail.
TEST(DialogRanges, TwoLibrariesWithOneIdFail)
{
    const MolvaneDialogRange a = {"A.dll", 100, 199, 0, 0, false, false};
    const MolvaneDialogRange b = {"B.dll", 200, 299, 150, 150, false, false};
    const MolvaneDialogRange p = {"P.exe", 100, 199, 0, 0, true, false};
    const MolvaneDialogRange q = {"Q.exe", 100, 199, 0, 0, true, false};
    const MolvaneDialogRange s1 = {"S1.dll", 300, 399, 0, 0, false, true};
    const MolvaneDialogRange s2 = {"S2.dll", 400, 499, 0, 0, false, true};
    struct Case
    {
        const char* what;
        std::vector<Staged> modules;
        size_t problems;
    } cases[] = {
        {"apart", {{&a, {100, 101}}, {&b, {200}}}, 0},
        {"same id in two libraries", {{&a, {150}}, {&b, {150}}}, 1},
        {"outside the range", {{&a, {250}}}, 1},
        {"a program and a library", {{&p, {110}}, {&a, {110}}}, 1},
        {"two programs", {{&p, {110}}, {&q, {110}}}, 0},
        {"plug-ins' own ids", {{&s1, {5001, 125, 300}}, {&s2, {5001, 125, 400}}}, 0},
        {"a plug-in id in a library", {{&a, {5001}}, {&s1, {5001}}}, 1},
        {"tab pages in two plug-ins", {{&s1, {5004, 5005, 5008}}, {&s2, {5005, 5006}}}, 0},
        {"a tab page in a library", {{&a, {5005}}, {&s1, {5005}}}, 1},
        {"next to the tab pages", {{&s1, {5003}}, {&s2, {5009}}}, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Problems(c.modules).size(), c.problems) << c.what;
}

} // namespace
