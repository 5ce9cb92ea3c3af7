// Helpers of the control tests: a parent window that records what its children tell it,
// pumping of posted messages, solid bitmaps and owner drawing into a canvas.
#pragma once

#include <afxwin.h>

#include <vector>

#include "canvas.h"

struct RecordedMessage
{
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// A pop-up parent that records WM_COMMAND, WM_NOTIFY, WM_KILLFOCUS from children and the
// private WM_USER messages it is sent.
class CRecordingParent : public CWnd
{
public:
    BOOL CreateHost(const CRect& rect = CRect(0, 0, 400, 300));
    std::vector<RecordedMessage> messages;
    std::vector<RecordedMessage> Of(UINT message) const;
    void Clear() { messages.clear(); }

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
};

// A child window of another class that records every message it gets from WM_USER on.
class CForeignChild : public CWnd
{
public:
    BOOL CreateChild(CWnd* parent, const CRect& rect, UINT id);
    std::vector<UINT> userMessages;

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
};

// Dispatches what is queued now, straight to the windows (no pre-translation).
void DispatchQueued();
// A 4 x 4 bitmap of one colour, owned by the caller.
CBitmap* SolidBitmap(COLORREF colour);
// Has the control paint itself (WM_DRAWITEM's way) into the canvas.
void DrawInto(CWnd& control, Canvas& canvas, void (*draw)(CWnd&, LPDRAWITEMSTRUCT));
