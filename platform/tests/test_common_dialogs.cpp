// The printing common dialogs: what they ask the system for, who owns the printer handles, and
// the default look-up on a machine without a printer.
#include <gtest/gtest.h>

#include <afxdlgs.h>
#include <winspool.h>

namespace {

bool MachineHasDefaultPrinter()
{
    char name[512];
    DWORD size = sizeof(name);
    return ::GetDefaultPrinterA(name, &size) != FALSE;
}

TEST(PrintDialog, AsksForTheDeviceContextUnlessSetUpOnly)
{
    const struct
    {
        BOOL setupOnly;
        DWORD flags;
        DWORD expected;
    } cases[] = {
        {FALSE, 0x0C, 0x0C | PD_RETURNDC},
        {TRUE, 0x0C, 0x0C | PD_PRINTSETUP},
        {FALSE, 0x14000C, 0x14000C | PD_RETURNDC},
    };
    for (const auto& c : cases) {
        CPrintDialog dlg(c.setupOnly, c.flags);
        EXPECT_EQ(c.expected, dlg.m_pd.Flags) << c.flags;
        EXPECT_EQ(sizeof(PRINTDLG), dlg.m_pd.lStructSize);
        EXPECT_EQ(1, dlg.m_pd.nCopies);
        EXPECT_EQ(NULL, dlg.GetPrinterDC());
    }
    // The framework's default: all pages, copies by the device mode, no page numbers, no
    // print-to-file, no selection.
    CPrintDialog byDefault(FALSE);
    EXPECT_EQ(DWORD(PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE | PD_NOSELECTION |
                    PD_RETURNDC),
              byDefault.m_pd.Flags);
}

TEST(PageSetupDialog, StartsEmptyAndFreesTheHandlesItHolds)
{
    HGLOBAL devMode = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DEVMODEA));
    HGLOBAL devNames = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 64);
    ASSERT_NE(nullptr, devMode);
    ASSERT_NE(nullptr, devNames);
    {
        CPageSetupDialog dlg(PSD_MARGINS | PSD_INTHOUSANDTHSOFINCHES);
        EXPECT_EQ(sizeof(PAGESETUPDLG), dlg.m_psd.lStructSize);
        EXPECT_EQ(DWORD(PSD_MARGINS | PSD_INTHOUSANDTHSOFINCHES), dlg.m_psd.Flags);
        EXPECT_EQ(CSize(0, 0), dlg.GetPaperSize());
        dlg.m_psd.ptPaperSize.x = 8267;
        dlg.m_psd.ptPaperSize.y = 11692;
        EXPECT_EQ(CSize(8267, 11692), dlg.GetPaperSize());
        dlg.m_psd.hDevMode = devMode;
        dlg.m_psd.hDevNames = devNames;
    }
    EXPECT_EQ(UINT(GMEM_INVALID_HANDLE), ::GlobalFlags(devMode));
    EXPECT_EQ(UINT(GMEM_INVALID_HANDLE), ::GlobalFlags(devNames));
}

// Without a printer the default look-up fails at once with the reason and shows nothing. (The
// dialogs themselves are not run here: Wine shows them even without a printer.)
TEST(PrintDialog, DefaultsWithoutAPrinterFailWithTheReason)
{
    if (MachineHasDefaultPrinter())
        GTEST_SKIP() << "this machine has a printer";
    CPrintDialog print(FALSE, 0x14000C);
    EXPECT_FALSE(print.GetDefaults());
    EXPECT_EQ(DWORD(PDERR_NODEFAULTPRN), ::CommDlgExtendedError());
    EXPECT_EQ(NULL, print.GetPrinterDC());
    EXPECT_EQ(NULL, print.m_pd.hDevMode);
    EXPECT_EQ(DWORD(PD_RETURNDC | 0x14000C), print.m_pd.Flags) << "the flags come back after the look-up";
}

} // namespace

namespace {

// The system's filter list as text, each NUL shown as '|', up to the ending pair.
std::string FilterList(const char* filter)
{
    std::string shown;
    if (filter == nullptr)
        return "<none>";
    for (const char* p = filter; !(p[0] == '\0' && p[1] == '\0'); ++p)
        shown += *p == '\0' ? '|' : *p;
    return shown + "||";
}

} // namespace

TEST(FileDialog, TurnsTheFilterIntoTheSystemsList)
{
    ASSERT_EQ(949u, ::GetACP());
    const struct
    {
        const char* filter;
        const char* list;
    } cases[] = {
        {"WAV Files (*.wav)|*.wav|All Files (*.*)|*.*|", "WAV Files (*.wav)|*.wav|All Files (*.*)|*.*||"},
        // Without the last bar the list still ends with its pair.
        {"Text (*.txt)|*.txt", "Text (*.txt)|*.txt||"},
        // A trail byte equal to '|' (0x7C) is part of its character, not a separator.
        {"\xB0\x7C (*.x)|*.x|", "\xB0\x7C (*.x)|*.x||"},
        {"", "<none>"},
        {nullptr, "<none>"},
    };
    for (const auto& c : cases) {
        CFileDialog dlg(TRUE, NULL, NULL, OFN_HIDEREADONLY, c.filter);
        const char* list = dlg.m_ofn.lpstrFilter;
        EXPECT_EQ(c.list, FilterList(list)) << (c.filter != nullptr ? c.filter : "null");
        // The shown list prints a NUL as '|' too: the trail byte is looked at itself.
        if (c.filter != nullptr && c.filter[0] == '\xB0') {
            EXPECT_EQ('\x7C', list[1]);
        }
    }
}

TEST(FileDialog, StartsWithTheNameExtensionAndFlagsGiven)
{
    CFileDialog open(TRUE, NULL, NULL, OFN_HIDEREADONLY, "All (*.*)|*.*|");
    EXPECT_EQ(sizeof(OPENFILENAMEA), open.m_ofn.lStructSize);
    EXPECT_EQ(DWORD(OFN_HIDEREADONLY | OFN_EXPLORER), open.m_ofn.Flags);
    EXPECT_EQ(nullptr, open.m_ofn.lpstrDefExt);
    EXPECT_EQ(CString(""), open.GetPathName());
    EXPECT_EQ(DWORD(_MAX_PATH), open.m_ofn.nMaxFile);

    CFileDialog save(FALSE, "txt", "C:\\notes\\today.txt");
    EXPECT_EQ(DWORD(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_EXPLORER), save.m_ofn.Flags);
    EXPECT_STREQ("txt", save.m_ofn.lpstrDefExt);
    EXPECT_EQ(CString("C:\\notes\\today.txt"), save.GetPathName());
    // What the system writes into the name buffer is the chosen path.
    lstrcpyA(save.m_ofn.lpstrFile, "D:\\a.txt");
    EXPECT_EQ(CString("D:\\a.txt"), save.GetPathName());

    // A name longer than the buffer is cut, never written past it.
    std::string longName(_MAX_PATH + 40, 'n');
    CFileDialog cut(TRUE, NULL, longName.c_str());
    EXPECT_EQ(_MAX_PATH - 1, cut.GetPathName().GetLength());
}
