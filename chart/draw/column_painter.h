// Paints runs of one-pixel columns as a sequence of copy-mode paints would, settling each pixel
// column once: where later shapes cover earlier ones only what shows is drawn.
#pragma once

#include <afxwin.h>

#include <atomic>
#include <memory>
#include <vector>

#include "GraphKitApi.h"

class GRAPHKIT_API CColumnPainter
{
public:
    explicit CColumnPainter(CDC* pDC);
    ~CColumnPainter();

    // A one-pixel pen line from (x, y1) towards (x, y2), its end not painted.
    void VLine(int x, int y1, int y2, COLORREF colour);
    // The same along row y.
    void HLine(int x1, int x2, int y, COLORREF colour);
    // A filled rectangle (normalised: left < right, top < bottom).
    void Fill(const CRect& rect, COLORREF colour);
    // No shape reaches a column left of x any more: those columns are settled.
    void Settle(int x);
    // Settles every column and draws what shows, one PolyPolyline per colour.
    void Finish();

private:
    struct Span
    {
        int x, y0, y1;
        COLORREF colour;
    };
    void Add(int x, int y0, int y1, COLORREF colour);
    void SettleColumn(const Span* first, const Span* last);
    void Emit(int x, int y0, int y1, COLORREF colour);

    // What shows, by colour: pairs of points and their counts.
    struct Batch
    {
        COLORREF colour;
        std::vector<POINT> points;
        std::vector<DWORD> counts;
    };
public:
    // Work arrays, kept from paint to paint so a paint allocates nothing once they have grown.
    struct Storage
    {
        std::atomic<bool> busy{false};
        // Shapes of the columns not settled yet, by column, each column's in painting order.
        std::vector<Span> pending;
        std::vector<std::pair<int, int>> covered;
        std::vector<Batch> batches;
    };

private:
    CDC* m_pDC;
    std::unique_ptr<Storage> m_own; // when the thread's storage is in use
    Storage* m_pStore;
    std::vector<Span>& m_pending;
    std::vector<std::pair<int, int>>& m_covered;
    std::vector<Batch>& m_batches;

    static Storage* Acquire(std::unique_ptr<Storage>& own);
};
