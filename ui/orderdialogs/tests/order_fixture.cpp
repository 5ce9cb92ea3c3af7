// Fixtures of the order dialogs' tests.
#include "order_fixture.h"

#include <objbase.h>

#include <algorithm>
#include <cstring>

#include "ColorMap.h"
#include "InstallFolders.h"
#include "ResourceMap.h"
#include "server_log_probe.h"
#include "SharedKit.h"

namespace {

void PutText(char* field, size_t width, const char* text)
{
    memset(field, ' ', width);
    memcpy(field, text, std::min(width, strlen(text)));
}

} // namespace

void OrderDialogsEnvironment::SetUp()
{
    ::CoInitialize(NULL);
    ServerLogText(); // points the server log at the process's own folder before anything logs
    GetColorMap()->Load(CString(GetSystemDir()) + "colormap.xml", "default");
    GetResourceMap()->Load(CString(GetSystemDir()) + "ResourceMap.xml", "default");
}

void OrderDialogsEnvironment::TearDown()
{
    GetColorMap()->Release();
    GetResourceMap()->Release();
    ::CoUninitialize();
}

std::string OrderDialogsEnvironment::ServerLog()
{
    return ServerLogText();
}

COIN_ORD_INFO OrderEvent(const char* name, const char* side, const char* orderId, const char* contId, int price,
                         double units, int total, double fee, const char* message, const char* code)
{
    COIN_ORD_INFO info;
    memset(&info, 0, sizeof info);
    PutText(info.szCoinName, sizeof info.szCoinName, name);
    PutText(info.szSide, sizeof info.szSide, side);
    PutText(info.szOrderID, sizeof info.szOrderID, orderId);
    PutText(info.szContID, sizeof info.szContID, contId);
    info.nPrice = price;
    info.dUnits = units;
    info.nTotal = total;
    info.dFee = fee;
    PutText(info.szMessage, sizeof info.szMessage, message);
    PutText(info.szCoinCode, sizeof info.szCoinCode, code);
    return info;
}

OwnerWindow::OwnerWindow()
{
    CreateEx(0, AfxRegisterWndClass(0), "owner", WS_POPUP, CRect(0, 0, 10, 10), NULL, 0);
}

OwnerWindow::~OwnerWindow()
{
    if (GetSafeHwnd() != NULL)
        DestroyWindow();
}

std::string ControlsOutside(CWnd& dialog)
{
    CRect client;
    dialog.GetClientRect(&client);
    std::string outside;
    for (HWND child = ::GetWindow(dialog.GetSafeHwnd(), GW_CHILD); child != NULL;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!(::GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE))
            continue;
        CRect rc;
        ::GetWindowRect(child, &rc);
        dialog.ScreenToClient(&rc);
        CRect inside;
        if (!inside.IntersectRect(&rc, &client) || inside != rc)
            outside += std::to_string(::GetDlgCtrlID(child)) + " ";
    }
    return outside;
}
