// The dialog template ids each module of the install tree may use: one reserved range per
// module (two where the module's templates keep fixed ids below its range).
//
// The framework finds a template through the process-wide resource chain unless the dialog
// names its own resource module, so two libraries with the same id would take each other's
// template. A new module reserves its range here before its first template; a module's
// templates stay inside its range. The ids every screen plug-in holds for itself (its
// layout-view and account-tab templates and the account tab pages') are the only ids several
// modules share: they are always loaded from the plug-in's own module. Programs run in processes of their own, so
// their ranges may overlap each other, never a library's templates.
// test_dialog_ranges (tests/) reads every staged module listed here against this table.
#pragma once

#define MOLVANE_DLG_PLUGIN_ACCOUNT_TAB 125 // every screen plug-in's own
#define MOLVANE_DLG_PLUGIN_MAP_VIEW 5001   // every screen plug-in's own
// The account tab window's pages: a plug-in that shows one holds its template itself.
#define MOLVANE_DLG_PLUGIN_TAB_PAGE_FIRST 5004
#define MOLVANE_DLG_PLUGIN_TAB_PAGE_LAST 5008

#ifndef RC_INVOKED

struct MolvaneDialogRange
{
    const char* module; // file name in Bin\ .
    unsigned first, last;
    unsigned firstFixed, lastFixed; // fixed ids outside the range (0, 0: none)
    bool program;                   // a program: compared with the libraries, not other programs
    bool plugin;                    // a screen plug-in: may hold the plug-ins' own ids too
};

const MolvaneDialogRange kMolvaneDialogRanges[] = {
    // Programs.
    {"Molvane.exe", 1000, 1999, 102, 119, true, false},
    {"PatchRunner.exe", 100, 199, 0, 0, true, false},
    // Foundation.
    {"ToolBelt.dll", 3000, 3099, 0, 0, false, false},
    {"SharedKit.dll", 3100, 3199, 0, 0, false, false},
    {"FrameBase.dll", 3200, 3299, 0, 0, false, false},
    // Back end.
    {"NetCourier.dll", 32464, 32479, 0, 0, false, false},
    {"QueryBroker.dll", 3300, 3399, 0, 0, false, false},
    {"ExchLink.dll", 3400, 3499, 0, 0, false, false},
    {"TokenBoard.dll", 3500, 3599, 0, 0, false, false},
    // User-interface components.
    {"SheetView.dll", 3600, 3699, 0, 0, false, false},
    {"WidgetKit.dll", 7200, 7299, 101, 101, false, false},
    {"PanelHost.dll", 3700, 3799, 0, 0, false, false},
    {"OrderDialogs.dll", 24000, 24099, 28001, 28001, false, false},
    // Screens.
    {"TradePanel.dll", 4000, 4099, 5004, 5008, false, true}, // 5004-5008: the account tab pages
    {"BalancePanel.dll", 4100, 4199, 0, 0, false, true},
    {"HistoryPanel.dll", 4200, 4299, 0, 0, false, true},
    {"SignalPanel.dll", 4300, 4399, 0, 0, false, true},
    // Chart.
    {"GraphKit.dll", 2000, 2099, 131, 131, false, false},
};

#endif
