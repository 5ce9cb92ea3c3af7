// How the layout file's attribute texts read: positions, sizes, sizing edges, scroll bars,
// flags and ids.
#pragma once

#include <afxcoll.h>
#include <afxtempl.h>
#include <afxwin.h>

namespace maplayout {

// "x,y,w,h" (at least four fields); fewer fields or none give all 0.
CRect ReadPosition(const CString& text, CSize* size = NULL);
// "cx,cy" (at least two fields); otherwise fallback.
CSize ReadSize(const CString& text, CSize fallback);
// "LEFT|TOP|RIGHT|BOTTOM" words (exact case) summed as 1, 2, 4, 8; other words count nothing.
UINT ReadTrackEdges(const CString& text);
// The grid window's scroll style for "scroll" (absent: given present == FALSE).
DWORD ReadGridScrollStyle(const CString& text, BOOL present, DWORD absentStyle);
// A record-bound list's own scroll bars (1 vertical, 2 horizontal) for "scroll".
UINT ReadDataListScrollBars(const CString& text, BOOL present);
// The control id: the decimal value taken as 16 bits.
WORD ReadId(const CString& text);
// Comma-separated decimal numbers.
void ReadNumbers(const CString& text, CArray<int, int>& out);
// Words joined by a vertical bar; "edge" (any case) adds WS_EX_STATICEDGE.
DWORD ReadStaticExStyle(const CString& text);

} // namespace maplayout
