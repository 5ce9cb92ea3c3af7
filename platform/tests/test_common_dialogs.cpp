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
