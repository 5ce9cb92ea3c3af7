// Fixtures of the order dialogs' tests: COM and the shipped colour and image maps, a server log
// of the process's own to read back, an owner window, and order events built field by field.
#pragma once

#include <afxwin.h>

#include <string>

#include "TokenBoardRecords.h"

class OrderDialogsEnvironment
{
public:
    static void SetUp();
    static void TearDown();
    // Everything the server log of this process holds so far.
    static std::string ServerLog();
};

// An order event as the trading manager fills it: blank-filled texts without terminator.
COIN_ORD_INFO OrderEvent(const char* name, const char* side, const char* orderId, const char* contId, int price,
                         double units, int total, double fee, const char* message, const char* code = "BTC");

// The ids of the dialog's visible child controls that reach outside its client area.
std::string ControlsOutside(CWnd& dialog);

// A top-level window owning the dialogs under test.
class OwnerWindow : public CWnd
{
public:
    OwnerWindow();
    ~OwnerWindow();
};
