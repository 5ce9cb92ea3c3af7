// Drag and drop of a series between chart windows in the private clipboard format
// "CF_LONGARRAY": the canvas's drop target and drag source, the drop message it sends its window,
// and the checked reading of a dropped block.
#pragma once

#include <afxole.h>
#include <afxtempl.h>

#include "GraphKitApi.h"

// The clipboard format's name, registered by every canvas.
#define CHART_DRAG_FORMAT "CF_LONGARRAY"
// The drop message to the target's window: WPARAM the block's copy, LPARAM a CHARTDROPINFO;
// both valid during the call only. A reply of -1 refuses the drop.
#define WM_CHART_DROP (WM_USER + 100)

struct CHARTDROPINFO
{
    LONG_PTR x;     // the drop point in the window's client coordinates
    LONG_PTR y;
    LONG_PTR kind;  // 3: a block of "CF_LONGARRAY"
    const BYTE* block;
    SIZE_T size;    // the block's bytes
};

// A "CF_LONGARRAY" block, all 32-bit little-endian ints:
//   item count n, column count c, time kind, minute unit,
//   n times (newest first, each older than the one before),
//   then c columns of n values each.
// It comes from another window, maybe another program: nothing in it is trusted.
struct CDroppedSeries
{
    int count = 0;
    int columns = 0;
    int timeKind = 0;
    int minuteUnit = 0;
    const int* times = nullptr;      // into the block
    const int* values[4] = {};       // into the block
};

enum
{
    CHART_DROP_HEADER_INTS = 4,
    CHART_DROP_MAX_COLUMNS = 4,
    CHART_DROP_MAX_COUNT = 1000000,
};

// Reads a block whose size must be exactly what its header says; FALSE for anything else (short,
// cut or padded blocks, counts out of range, a time kind no chart has, times out of order).
GRAPHKIT_API BOOL ParseDroppedSeries(const BYTE* block, SIZE_T size, CDroppedSeries& series);

// The canvas's drag source: the platform's rules, unchanged.
class GRAPHKIT_API CKOleDropSource : public COleDropSource
{
public:
    CKOleDropSource();
    SCODE QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState) override;
    SCODE GiveFeedback(DROPEFFECT dropEffect) override;
    BOOL OnBeginDrag(CWnd* pWnd) override;

    int m_nField1;
    int m_nField2;
};

// The canvas's drop target: takes only the formats it was given and hands the dropped block to
// its window in WM_CHART_DROP.
class GRAPHKIT_API COleDropTargetCanvas : public COleDropTarget
{
public:
    COleDropTargetCanvas();

    void AddFormat(CLIPFORMAT format) { m_arFormats.Add(WORD(format)); }
    BOOL Register(CWnd* pWnd) { return COleDropTarget::Register(pWnd); }

    // Move (Shift held) or copy when the data offers an accepted format, else none.
    DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    void OnDragLeave(CWnd* pWnd) override;
    // The last accepted format the data offers, copied out whole and sent to the window; FALSE
    // when there is none, its memory cannot be read, or the window refuses it.
    BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point) override;

    DROPEFFECT GetLastEffect() const { return m_nLastEffect; }

private:
    CArray<WORD, WORD> m_arFormats;
    DROPEFFECT m_nLastEffect;
};
