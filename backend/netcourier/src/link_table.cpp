#include "LinkTable.h"

CLinkTable::CLinkTable() : m_hMainWnd(NULL)
{
    for (CQuelmarSocket& socket : m_sockets)
        socket.SetTable(this);
    m_pump.Start();
}

CLinkTable::~CLinkTable()
{
    // A socket thread still running would push into the pump, which goes first.
    for (CQuelmarSocket& socket : m_sockets)
        if (socket.IsThreadRunning())
            socket.Close();
}

CQuelmarSocket* CLinkTable::GetSocket(int index)
{
    return index >= 0 && index < kConnections ? &m_sockets[index] : NULL;
}

void CLinkTable::SetMainWnd(HWND hWnd)
{
    InterlockedExchangePointer(reinterpret_cast<PVOID volatile*>(&m_hMainWnd), hWnd);
}
