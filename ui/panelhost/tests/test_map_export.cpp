// The view's grids into a spreadsheet: grids found and ordered, their rows and the empty rows
// between them through a recording writer; column names; the Excel writer's failures under
// Wine (no Excel here): the registry's install path, the quoted start command, the messages,
// and the thread's COM left as it was.
#include <gtest/gtest.h>

#include <objbase.h>

#include <cstddef>
#include <cstdio>

#include <string>
#include <thread>
#include <vector>

#include "Grid.h"
#include "GridDataList.h"
#include "SheetWriter.h"
#include "map_fixture.h"
#include "msgbox_recorder.h"

namespace {

const char kNotInstalled[] = "Excel이 설치 되지 않았거나 설치된 경로가 올바르지 않습니다.";
const char kCannotStart[] = "Excel을 실행할 수 없습니다....";
const char kNotFound[] = "실행된 Excel객체를 찾을 수 없습니다.";

// Keeps what the export asks of it.
class CRecordingWriter : public CSheetWriter
{
public:
    BOOL Open() override
    {
        ++opened;
        return openResult;
    }
    void WriteRow(int row, const std::vector<CString>& cells) override
    {
        std::vector<std::string> texts;
        for (size_t i = 0; i < cells.size(); ++i)
            texts.push_back((LPCSTR)cells[i]);
        rows.push_back({row, texts});
    }
    void Close() override { ++closed; }

    BOOL openResult = TRUE;
    int opened = 0, closed = 0;
    std::vector<std::pair<int, std::vector<std::string>>> rows;
};

class MapExportTest : public MapViewTest
{
protected:
    CGrid* Grid(WORD id) { return dynamic_cast<CGrid*>(view->GetControl(id)); }
    // Fills each cell of the grid with "<tag><col>.<row>".
    void Fill(WORD id, const char* tag)
    {
        CGrid* grid = Grid(id);
        ASSERT_NE(grid, nullptr);
        for (UINT c = 0; c < grid->GetColumnCount(); ++c)
            for (UINT r = 0; r < grid->GetRowCount(); ++r)
                grid->SetCellText(c, r, (CString(tag) + std::to_string(c).c_str() + "." + std::to_string(r).c_str()));
    }
    static std::vector<std::string> Cells(const char* tag, int columns, int row)
    {
        std::vector<std::string> out;
        for (int c = 0; c < columns; ++c)
            out.push_back(std::string(tag) + std::to_string(c) + "." + std::to_string(row));
        return out;
    }
};

TEST_F(MapExportTest, GridsGoTopThenLeftWithTwoEmptyRowsBetween)
{
    // Ids against the order on screen: the map's own order must not show through.
    ASSERT_TRUE(Load("position=\"0,0,500,400\"",
                     "<GridTable id=\"1001\" position=\"0,200,200,60\" column=\"1\" row=\"1\"/>"
                     "<Edit id=\"1002\" position=\"0,0,80,20\"/>"
                     "<GridTable id=\"1003\" position=\"250,10,200,60\" column=\"3\" row=\"2\"/>"
                     "<GridTable id=\"1004\" position=\"0,10,200,80\" column=\"2\" row=\"3\" row-head=\"1\"/>"));
    Fill(1001, "c");
    Fill(1003, "b");
    Fill(1004, "a");
    CRecordingWriter writer;
    CMsgBoxRecorder boxes;
    EXPECT_TRUE(view->ExportGridData(writer));
    EXPECT_EQ(writer.opened, 1);
    EXPECT_EQ(writer.closed, 1);
    EXPECT_EQ(boxes.Count(), 0u);
    // The left grid of the top two first (its header row too), rows 1-3; the right one 6-7;
    // the lower one 10.
    const std::vector<std::pair<int, std::vector<std::string>>> expected = {
        {1, Cells("a", 2, 0)}, {2, Cells("a", 2, 1)}, {3, Cells("a", 2, 2)},
        {6, Cells("b", 3, 0)}, {7, Cells("b", 3, 1)},
        {10, Cells("c", 1, 0)},
    };
    EXPECT_EQ(writer.rows, expected);
}

TEST_F(MapExportTest, GridsTiedInPlaceKeepTheirOrderAndEmptyCellsStayInTheRow)
{
    ASSERT_TRUE(Load("position=\"0,0,500,400\"",
                     "<GridTable id=\"1001\" position=\"0,0,200,60\" column=\"2\" row=\"1\"/>"
                     "<GridTable id=\"1002\" position=\"0,0,200,60\" column=\"2\" row=\"1\"/>"));
    Grid(1001)->SetCellText(1, 0, "x");
    Grid(1002)->SetCellText(1, 0, "y");
    CRecordingWriter writer;
    EXPECT_TRUE(view->ExportGridData(writer));
    ASSERT_EQ(writer.rows.size(), 2u);
    EXPECT_EQ(writer.rows[0].first, 1);
    EXPECT_EQ(writer.rows[1].first, 4);
    EXPECT_EQ(writer.rows[0].second, (std::vector<std::string>{"", writer.rows[0].second[1]}));
    // Both written, one each, whichever the map walked first.
    EXPECT_NE(writer.rows[0].second[1], writer.rows[1].second[1]);
}

TEST_F(MapExportTest, WithoutGridsNothingIsStarted)
{
    ASSERT_TRUE(Load("position=\"0,0,300,200\"", "<Edit id=\"1001\" position=\"0,0,80,20\"/>"));
    CRecordingWriter writer;
    EXPECT_TRUE(view->ExportGridData(writer));
    EXPECT_EQ(writer.opened, 0);
    // The real path too: no box, no program.
    CMsgBoxRecorder boxes;
    EXPECT_TRUE(view->ExportGridData());
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(MapExportTest, AWriterThatCannotOpenEndsTheExportWithNothingWritten)
{
    ASSERT_TRUE(Load("position=\"0,0,300,200\"", "<GridTable id=\"1001\" position=\"0,0,200,60\" column=\"2\" row=\"2\"/>"));
    CRecordingWriter writer;
    writer.openResult = FALSE;
    EXPECT_FALSE(view->ExportGridData(writer));
    EXPECT_TRUE(writer.rows.empty());
}

TEST_F(MapExportTest, GridsWiderThanTheAlphabetWriteEveryRowAndColumn)
{
    ASSERT_TRUE(Load("position=\"0,0,600,200\"", "<GridTable id=\"1001\" position=\"0,0,500,60\" column=\"30\" row=\"3\"/>"));
    Fill(1001, "w");
    CRecordingWriter writer;
    EXPECT_TRUE(view->ExportGridData(writer));
    ASSERT_EQ(writer.rows.size(), 3u);
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(writer.rows[r].first, r + 1);
        EXPECT_EQ(writer.rows[r].second, Cells("w", 30, r));
    }
}

// A record of the lists below: a name, a quantity and a byte no column shows.
#pragma pack(push, 1)
struct ExportRecord
{
    char name[8];
    int quantity;
    char hidden;
};
#pragma pack(pop)

ExportRecord Numbered(int i)
{
    ExportRecord r = {};
    snprintf(r.name, sizeof r.name, "n%d", i);
    r.quantity = i * 1000;
    return r;
}

// A record-bound list shows a few of its records at a time: the export gives every one, each
// as the list formats it, whatever is on screen.
TEST_F(MapExportTest, ARecordListGivesEveryRecordNotOnlyThoseOnScreen)
{
    ASSERT_TRUE(Load("position=\"0,0,500,400\"",
                     "<GridDataList id=\"1001\" position=\"0,0,300,120\" column=\"3\" row=\"5\" row-head=\"1\" "
                     "scroll=\"vert\"/>"
                     "<GridTable id=\"1002\" position=\"0,200,200,40\" column=\"1\" row=\"1\"/>"));
    CGridDataList* list = dynamic_cast<CGridDataList*>(view->GetControl(1001));
    ASSERT_NE(list, nullptr);
    list->SetRecordSize(sizeof(ExportRecord));
    list->AddColumnDataInfo(offsetof(ExportRecord, name), sizeof ExportRecord::name, DT_TEXT, 0, GDF_TEXT, 0, NULL, 0);
    list->AddColumnDataInfo(offsetof(ExportRecord, quantity), sizeof(int), DT_INT, 1, GDF_QUANTITY, 0, NULL, 2);
    // A second description of the name's cell that sets only its sign leaves the name standing.
    list->AddColumnDataInfo(offsetof(ExportRecord, hidden), 1, DT_FLAG, 0, GDF_SIGN, 0, NULL, 0);
    const char* heads[] = {"이름", "수량", "비고"};
    for (UINT col = 0; col < 3; ++col)
        list->SetCellText(col, 0, heads[col]);
    const int records = 30;
    for (int i = 0; i < records; ++i) {
        ExportRecord r = Numbered(i);
        list->AddRecord(reinterpret_cast<BYTE*>(&r), sizeof r, 1);
    }
    // Scrolled into the middle: neither the first nor the last records are on screen.
    list->SetScrollPosition(1, 12);
    ASSERT_EQ(list->GetTopRecord(), 12);
    Fill(1002, "t");

    CRecordingWriter writer;
    EXPECT_TRUE(view->ExportGridData(writer));
    ASSERT_EQ(writer.rows.size(), 1u + records + 1u);
    EXPECT_EQ(writer.rows[0], (std::pair<int, std::vector<std::string>>{1, {"이름", "수량", "비고"}}));
    for (int i = 0; i < records; ++i) {
        char quantity[16];
        snprintf(quantity, sizeof quantity, "%d,%03d", i, 0);
        const std::string expected = i == 0 ? "0" : quantity;
        EXPECT_EQ(writer.rows[1 + i].first, 2 + i);
        EXPECT_EQ(writer.rows[1 + i].second, (std::vector<std::string>{"n" + std::to_string(i), expected, ""})) << i;
    }
    // The records on screen read the same in the sheet as in their cells.
    for (UINT row = 1; row < list->GetRowCount(); ++row)
        for (UINT col = 0; col < 2; ++col)
            EXPECT_EQ(writer.rows[12 + row].second[col], std::string((LPCSTR)list->GetCellText(col, row))) << row;
    // The next grid two empty rows below the last record.
    EXPECT_EQ(writer.rows.back(), (std::pair<int, std::vector<std::string>>{1 + records + 3, Cells("t", 1, 0)}));
}

// A list laid across runs one record per column after its head column, every record again.
TEST_F(MapExportTest, ARecordListLaidAcrossGivesEveryRecordAsAColumn)
{
    ASSERT_TRUE(Load("position=\"0,0,500,400\"",
                     "<GridDataList id=\"1001\" position=\"0,0,200,80\" column=\"3\" row=\"2\" col-head=\"1\"/>"));
    CGridDataList* list = dynamic_cast<CGridDataList*>(view->GetControl(1001));
    ASSERT_NE(list, nullptr);
    list->SetUpdateStyle(0);
    list->SetRecordSize(sizeof(ExportRecord));
    list->AddColumnDataInfo(offsetof(ExportRecord, name), sizeof ExportRecord::name, DT_TEXT, 0, GDF_TEXT, 0, NULL, 0);
    list->AddColumnDataInfo(offsetof(ExportRecord, quantity), sizeof(int), DT_INT, 1, GDF_QUANTITY, 0, NULL, 2);
    list->SetCellText(0, 0, "이름");
    list->SetCellText(0, 1, "수량");
    for (int i = 1; i <= 5; ++i) {
        ExportRecord r = Numbered(i);
        list->AddRecord(reinterpret_cast<BYTE*>(&r), sizeof r, 1);
    }
    CRecordingWriter writer;
    EXPECT_TRUE(view->ExportGridData(writer));
    const std::vector<std::pair<int, std::vector<std::string>>> expected = {
        {1, {"이름", "n1", "n2", "n3", "n4", "n5"}},
        {2, {"수량", "1,000", "2,000", "3,000", "4,000", "5,000"}},
    };
    EXPECT_EQ(writer.rows, expected);
}

struct ColumnCase
{
    int index;
    const char* name;
};

class ColumnNameTest : public ::testing::TestWithParam<ColumnCase>
{
};

TEST_P(ColumnNameTest, NamesGoOnPastZ)
{
    EXPECT_STREQ(CSheetWriter::ColumnName(GetParam().index), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Columns, ColumnNameTest,
                         ::testing::Values(ColumnCase{0, "A"}, ColumnCase{25, "Z"}, ColumnCase{26, "AA"},
                                           ColumnCase{27, "AB"}, ColumnCase{51, "AZ"}, ColumnCase{52, "BA"},
                                           ColumnCase{701, "ZZ"}, ColumnCase{702, "AAA"},
                                           ColumnCase{16383, "XFD"}, ColumnCase{-1, ""}));

TEST(ExcelStartCommandTest, TheProgramPathIsQuoted)
{
    EXPECT_STREQ(CExcelSheetWriter::StartCommand("C:\\Program Files\\Office"),
                 "\"C:\\Program Files\\Office\\excel.exe\" /automation");
    EXPECT_STREQ(CExcelSheetWriter::StartCommand("C:\\Office\\"), "\"C:\\Office\\excel.exe\" /automation");
}

// HKEY_LOCAL_MACHINE seen by this process only: a scratch key of the user's hive takes its
// place for the test's lifetime.
class ScratchMachineHive
{
public:
    ScratchMachineHive()
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kRoot);
        EXPECT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, kRoot, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &m_root, NULL),
                  ERROR_SUCCESS);
        EXPECT_EQ(::RegOverridePredefKey(HKEY_LOCAL_MACHINE, m_root), ERROR_SUCCESS);
    }
    ~ScratchMachineHive()
    {
        ::RegOverridePredefKey(HKEY_LOCAL_MACHINE, NULL);
        ::RegCloseKey(m_root);
        ::RegDeleteTreeA(HKEY_CURRENT_USER, kRoot);
    }
    // Values of one install key, in the order given.
    void InstallKey(const char* version, const std::vector<std::pair<std::string, std::string>>& values)
    {
        HKEY key;
        const std::string name = std::string("SOFTWARE\\Microsoft\\Office\\") + version + "\\Excel\\InstallRoot";
        ASSERT_EQ(::RegCreateKeyExA(m_root, name.c_str(), 0, NULL, 0, KEY_ALL_ACCESS, NULL, &key, NULL), ERROR_SUCCESS);
        for (const auto& v : values)
            ::RegSetValueExA(key, v.first.c_str(), 0, REG_SZ, (const BYTE*)v.second.c_str(), (DWORD)v.second.size() + 1);
        ::RegCloseKey(key);
    }

private:
    static constexpr const char* kRoot = "Software\\MolvaneTest\\ExportMachine";
    HKEY m_root = NULL;
};

std::string ModuleFolder()
{
    char path[MAX_PATH];
    const DWORD n = ::GetModuleFileNameA(NULL, path, sizeof path);
    std::string s(path, n);
    return s.substr(0, s.find_last_of('\\') + 1);
}

// One way the program's start goes: install keys (version, folder under the scratch folder or
// an absolute one; empty: none), files the folder holds, the message, and the command line the
// started program saw (empty: nothing started).
struct StartCase
{
    const char* name;
    const char* version;
    const char* folder;       // under the scratch folder; "" for no key at all
    int pathIndex;            // how many other values come before "Path"
    bool excelThere;          // the stand-in program as excel.exe in the folder
    const char* decoy;        // the stand-in program also as this file of the scratch folder
    const char* message;
    bool started;
};

class ExcelStartTest : public MapViewTest, public ::testing::WithParamInterface<StartCase>
{
};

TEST_P(ExcelStartTest, FailuresEndWithTheirMessage)
{
    const StartCase& c = GetParam();
    ASSERT_TRUE(Load("position=\"0,0,300,200\"", "<GridTable id=\"1001\" position=\"0,0,200,60\" column=\"2\" row=\"2\"/>"));
    ScratchMachineHive hive;
    const std::string fake = ModuleFolder() + "panelhost_fake_program.exe";
    const std::string folder = dir.Path() + c.folder;
    if (c.folder[0] != '\0') {
        std::vector<std::pair<std::string, std::string>> values;
        for (int i = 0; i < c.pathIndex; ++i)
            values.push_back({"Other" + std::to_string(i), "x"});
        values.push_back({"Path", folder});
        hive.InstallKey(c.version, values);
    }
    if (c.excelThere) {
        ASSERT_TRUE(::CreateDirectoryA(folder.c_str(), NULL));
        ASSERT_TRUE(::CopyFileA(fake.c_str(), (folder + "\\excel.exe").c_str(), FALSE));
    }
    if (c.decoy != nullptr)
        ASSERT_TRUE(::CopyFileA(fake.c_str(), (dir.Path() + c.decoy).c_str(), FALSE));
    const std::string marker = dir.File("started.txt");
    ::SetEnvironmentVariableA("MOLVANE_FAKE_MARKER", marker.c_str());
    // The started program says when its line is written: the writer waits only for the
    // program to go idle, which under Wine may come before the program has run.
    const std::string doneName = "MolvaneFakeDone-" + std::to_string(::GetCurrentProcessId()) + "-" + c.name;
    const HANDLE done = ::CreateEventA(NULL, TRUE, FALSE, doneName.c_str());
    ASSERT_NE(done, (HANDLE)NULL);
    ::SetEnvironmentVariableA("MOLVANE_FAKE_DONE", doneName.c_str());

    CMsgBoxRecorder boxes;
    EXPECT_FALSE(view->ExportGridData());
    ::SetEnvironmentVariableA("MOLVANE_FAKE_MARKER", NULL);
    ::SetEnvironmentVariableA("MOLVANE_FAKE_DONE", NULL);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text, c.message);
    if (c.started) {
        EXPECT_EQ(::WaitForSingleObject(done, 30000), WAIT_OBJECT_0) << "the started program never ran";
        EXPECT_EQ(ReadFileBytes(marker), "\"" + folder + "\\excel.exe\" /automation\n");
    } else {
        EXPECT_EQ(::WaitForSingleObject(done, 0), (DWORD)WAIT_TIMEOUT);
        EXPECT_FALSE(FileExists(marker)) << ReadFileBytes(marker);
    }
    ::CloseHandle(done);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ExcelStartTest,
    ::testing::Values(StartCase{"NoKey", "9.0", "", 0, false, nullptr, kNotInstalled, false},
                      StartCase{"PathPastTheFirstFive", "9.0", "Office", 5, true, nullptr, kNotInstalled, false},
                      StartCase{"NoProgram", "9.0", "Office", 0, false, nullptr, kCannotStart, false},
                      // Unquoted, "...\My Office\excel.exe" would start "...\My.exe".
                      StartCase{"SpaceInPathStartsNoOtherProgram", "9.0", "My Office", 0, false, "My.exe",
                                kCannotStart, false},
                      StartCase{"StartedButNoObject", "9.0", "My Office", 4, true, "My.exe", kNotFound, true},
                      StartCase{"OlderVersionKey", "8.0", "Office", 0, true, nullptr, kNotFound, true}),
    [](const ::testing::TestParamInfo<StartCase>& info) { return info.param.name; });

// COM of the thread as it was before the writer: a thread of the other kind keeps its own, a
// thread without COM is left without.
struct ComCase
{
    const char* name;
    bool initialised;
};

class ExcelComTest : public ::testing::TestWithParam<ComCase>
{
};

TEST_P(ExcelComTest, TheThreadsComIsLeftAsItWas)
{
    const bool multi = GetParam().initialised;
    HRESULT after = E_FAIL;
    CMsgBoxRecorder boxes;
    std::thread worker([&] {
        if (multi)
            ASSERT_EQ(::CoInitializeEx(NULL, COINIT_MULTITHREADED), S_OK);
        {
            ScratchMachineHive hive; // no install key: the writer fails at once
            CExcelSheetWriter writer;
            EXPECT_FALSE(writer.Open());
            writer.Close();
        }
        // Still multithreaded (S_FALSE), or not initialised at all (S_OK).
        after = ::CoInitializeEx(NULL, COINIT_MULTITHREADED);
        ::CoUninitialize();
        if (multi)
            ::CoUninitialize();
    });
    worker.join();
    EXPECT_EQ(after, multi ? S_FALSE : S_OK);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text, kNotInstalled);
}

INSTANTIATE_TEST_SUITE_P(Threads, ExcelComTest,
                         ::testing::Values(ComCase{"Multithreaded", true}, ComCase{"WithoutCom", false}),
                         [](const ::testing::TestParamInfo<ComCase>& info) { return info.param.name; });

} // namespace
