// Where each socket's notifications go: every thread that owns sockets has one hidden
// notification window, and a routing table maps a socket handle to its object and that window.
#pragma once

#include <afxsock.h>

namespace afx_socket {

// The message WSAAsyncSelect posts to the notification window.
const UINT WM_SOCKET_NOTIFY = 0x0373;

// The calling thread's notification window, created on first use; null when it cannot be made.
HWND ThreadWindow();

// Makes pSocket the owner of hSocket, notified through hWnd (null: the calling thread's window).
// FALSE when the window cannot be made.
BOOL Attach(SOCKET hSocket, CAsyncSocket* pSocket, HWND hWnd = NULL);

// The window that receives hSocket's notifications. A socket that is not routed yet, or whose
// thread has ended, is routed to the calling thread.
HWND OwnerWindow(SOCKET hSocket, CAsyncSocket* pSocket);

// Forgets hSocket (when pSocket still owns it). Notifications already queued for it are dropped,
// even when a new socket reuses the handle value meanwhile. Call after its notifications were
// switched off.
void Detach(SOCKET hSocket, CAsyncSocket* pSocket);

// The object of the calling thread that owns hSocket, or null.
CAsyncSocket* FromHandle(SOCKET hSocket);

// The object a notification for hSocket arriving on the calling thread's window belongs to, or
// null when the notification is stale (socket closed or detached meanwhile) and must be dropped.
CAsyncSocket* Recipient(SOCKET hSocket);

} // namespace afx_socket
