// The connection table of the process: the one connection, the receive queue with its thread,
// and the main window that hears of a lost connection.
#pragma once

#include "QuelmarSocket.h"
#include "ReceivePump.h"

class CLinkTable
{
public:
    enum { kConnections = 1 };

    CLinkTable();
    ~CLinkTable();

    // The connection of `index`, or null for any index but 0.
    CQuelmarSocket* GetSocket(int index);
    CReceivePump& GetPump() { return m_pump; }

    void SetMainWnd(HWND hWnd);
    HWND GetMainWnd() const { return m_hMainWnd; }

private:
    CQuelmarSocket m_sockets[kConnections];
    CReceivePump m_pump;
    HWND volatile m_hMainWnd;
};
