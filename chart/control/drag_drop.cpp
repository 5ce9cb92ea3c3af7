// Drag and drop between chart windows: the drop target and drag source of a canvas, and the
// checked reading of a dropped "CF_LONGARRAY" block.
#include "ChartDragDrop.h"

#include <string.h>

#include <vector>

namespace
{

const LRESULT kRefused = -1;

int ReadInt(const BYTE* p)
{
    int v;
    memcpy(&v, p, sizeof v); // the block need not be aligned
    return v;
}

} // namespace

BOOL ParseDroppedSeries(const BYTE* block, SIZE_T size, CDroppedSeries& series)
{
    series = CDroppedSeries();
    const SIZE_T header = CHART_DROP_HEADER_INTS * sizeof(int);
    if (!block || size < header || size % sizeof(int) != 0)
        return FALSE;
    const int count = ReadInt(block);
    const int columns = ReadInt(block + 4);
    const int timeKind = ReadInt(block + 8);
    const int minuteUnit = ReadInt(block + 12);
    if (count < 1 || count > CHART_DROP_MAX_COUNT || columns < 1 || columns > CHART_DROP_MAX_COLUMNS)
        return FALSE;
    if (timeKind < 0 || timeKind > 5 || minuteUnit < 0)
        return FALSE;
    // Bounded above, so this cannot overflow even with a 32-bit SIZE_T.
    const unsigned long long expected =
        header + (unsigned long long)count * (unsigned long long)(1 + columns) * sizeof(int);
    if (expected != size)
        return FALSE;
    // The block's ints, aligned: the caller's copy is a byte buffer.
    if ((reinterpret_cast<UINT_PTR>(block) % alignof(int)) != 0)
        return FALSE;
    const int* times = reinterpret_cast<const int*>(block + header);
    for (int i = 1; i < count; ++i)
        if (times[i] >= times[i - 1])
            return FALSE;
    series.count = count;
    series.columns = columns;
    series.timeKind = timeKind;
    series.minuteUnit = minuteUnit;
    series.times = times;
    for (int k = 0; k < columns; ++k)
        series.values[k] = times + (SIZE_T)count * (SIZE_T)(k + 1);
    return TRUE;
}

CKOleDropSource::CKOleDropSource() : m_nField1(0), m_nField2(0) {}

SCODE CKOleDropSource::QueryContinueDrag(BOOL bEscapePressed, DWORD dwKeyState)
{
    return COleDropSource::QueryContinueDrag(bEscapePressed, dwKeyState);
}

SCODE CKOleDropSource::GiveFeedback(DROPEFFECT dropEffect)
{
    return COleDropSource::GiveFeedback(dropEffect);
}

BOOL CKOleDropSource::OnBeginDrag(CWnd* pWnd)
{
    return COleDropSource::OnBeginDrag(pWnd);
}

COleDropTargetCanvas::COleDropTargetCanvas() : m_nLastEffect(DROPEFFECT_NONE)
{
    m_arFormats.SetSize(0, 10);
}

DROPEFFECT COleDropTargetCanvas::OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                                             CPoint point)
{
    return OnDragOver(pWnd, pDataObject, dwKeyState, point);
}

DROPEFFECT COleDropTargetCanvas::OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                                            CPoint point)
{
    (void)pWnd;
    (void)point;
    DROPEFFECT effect = DROPEFFECT_NONE;
    for (INT_PTR i = 0; pDataObject && i < m_arFormats.GetSize() && effect == DROPEFFECT_NONE; ++i)
        if (pDataObject->IsDataAvailable(CLIPFORMAT(m_arFormats[i])))
            effect = (dwKeyState & MK_SHIFT) ? DROPEFFECT_MOVE : DROPEFFECT_COPY;
    m_nLastEffect = effect;
    return effect;
}

void COleDropTargetCanvas::OnDragLeave(CWnd* pWnd)
{
    COleDropTarget::OnDragLeave(pWnd);
}

BOOL COleDropTargetCanvas::OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point)
{
    (void)dropEffect;
    if (!pWnd || !pDataObject)
        return FALSE;
    int taken = -1;
    for (INT_PTR i = 0; i < m_arFormats.GetSize(); ++i)
        if (pDataObject->IsDataAvailable(CLIPFORMAT(m_arFormats[i])))
            taken = int(i);
    if (taken < 0)
        return FALSE;
    HGLOBAL memory = pDataObject->GetGlobalData(CLIPFORMAT(m_arFormats[taken]));
    if (!memory)
        return FALSE;
    // The block is copied out whole: the window reads it after the shared memory is let go.
    std::vector<BYTE> copy;
    const SIZE_T size = ::GlobalSize(memory);
    const void* shared = size > 0 ? ::GlobalLock(memory) : NULL;
    if (shared)
    {
        try
        {
            copy.assign(static_cast<const BYTE*>(shared), static_cast<const BYTE*>(shared) + size);
        }
        catch (const std::bad_alloc&)
        {
            copy.clear();
        }
        ::GlobalUnlock(memory);
    }
    ::GlobalFree(memory);
    if (!shared || copy.size() != size)
        return FALSE; // nothing readable: the drop fails and nothing changes

    CHARTDROPINFO info = {point.x, point.y, 3, copy.data(), size};
    const LRESULT reply = pWnd->SendMessage(WM_CHART_DROP, reinterpret_cast<WPARAM>(copy.data()),
                                            reinterpret_cast<LPARAM>(&info));
    return reply != kRefused;
}
