// The exported functions that drive the connection.
#include "AddressText.h"
#include "InfoMng.h"
#include "Link.h"

namespace {

const DWORD kReceiverEndWait = 2000;

bool IsUp(CQuelmarSocket* socket)
{
    return socket != NULL && socket->GetState() == LCM_STATE_CONNECTED;
}

} // namespace

extern "C" {

HWND LCM_SetMainHwnd(HWND hWnd)
{
    TheLinkTable().SetMainWnd(hWnd);
    return hWnd;
}

int LCM_ConnectServer(int nConn, HWND hReceiver)
{
    CLinkTable& table = TheLinkTable();
    table.GetPump().SetReceiver(hReceiver);
    // After LCM_Close(-1) a new connection needs the receive thread again.
    table.GetPump().Start();
    CQuelmarSocket* socket = table.GetSocket(nConn);
    if (nConn != 0 || socket == NULL)
        return 1;
    CInfoMng& info = TheInfoMng();
    info.ApplyServerSetting();
    socket->ConnectTo(info.GetMainServer().szAddress, info.GetMainServer().nPort);
    return 1;
}

int LCM_ConnectEMRServer(int nConn)
{
    CQuelmarSocket* socket = TheLinkTable().GetSocket(nConn);
    if (nConn != 0 || socket == NULL)
        return 1;
    const tagServerInfo& second = TheInfoMng().GetSecondServer();
    if (second.szAddress[0] != '\0')
        socket->ConnectTo(second.szAddress, second.nPort);
    return 1;
}

int LCM_ReConnectServer(int nConn, const char* ip)
{
    CQuelmarSocket* socket = TheLinkTable().GetSocket(nConn);
    if (nConn != 0 || socket == NULL)
        return 1;
    // The address comes from a server reply: only a well-formed IPv4 address is stored.
    CString address(ip != NULL ? ip : "");
    address.Trim();
    if (!address_text::IsIPv4(address))
        return 0;
    CInfoMng& info = TheInfoMng();
    tagServerInfo& server = info.GetMainServer();
    if (address != server.szAddress) {
        const LONG state = socket->GetState();
        if (state == LCM_STATE_CONNECTED || state == LCM_STATE_CREATED)
            socket->Close();
        info.SetMainServerAddress(address);
        socket->ConnectTo(server.szAddress, server.nPort);
        return 1;
    }
    if (!IsUp(socket))
        return socket->ConnectTo(server.szAddress, server.nPort);
    return 1;
}

int LCM_RequestQueryData(int nConn, char, const char* frame, int len)
{
    CQuelmarSocket* socket = TheLinkTable().GetSocket(nConn);
    if (nConn != 0 || !IsUp(socket) || frame == NULL || len <= 0)
        return 0;
    return socket->Send(frame, len) == len ? 1 : 0;
}

int LCM_IsConnected(int nConn)
{
    return IsUp(TheLinkTable().GetSocket(nConn)) ? 1 : 0;
}

int LCM_IsTerminated(int nConn)
{
    CLinkTable& table = TheLinkTable();
    if (nConn == -1) {
        for (int i = 0; i < CLinkTable::kConnections; ++i)
            if (table.GetSocket(i)->IsThreadRunning())
                return 0;
        return 1;
    }
    CQuelmarSocket* socket = table.GetSocket(nConn);
    return socket == NULL || !socket->IsThreadRunning() ? 1 : 0;
}

int LCM_Close(int nConn)
{
    CLinkTable& table = TheLinkTable();
    if (nConn == -1) {
        table.GetSocket(0)->Close();
        table.GetPump().Stop(kReceiverEndWait);
        return 1;
    }
    if (nConn == 0)
        table.GetSocket(0)->Close();
    return 1;
}

} // extern "C"
