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
    // Settles every column and draws what shows: straight into the target's pixels where the DC
    // would paint them there unchanged, else one PolyPolyline per colour.
    void Finish();
    // Whether Finish, with the DC as it is now, writes the runs into the selected bitmap's bits
    // (CPixelRows).
    bool IntoBits() const;

    // From the top down, for many shapes whose last ones are known first: the shapes given since
    // the last group, in their painting order, form a group that lies under every group before
    // it and shows only where those leave its columns open. Not mixed with Settle.
    void EndGroup();
    // Whether the groups so far cover rows y0 to y1 (exclusive) of columns x0 to x1 whole.
    bool Covered(int x0, int x1, int y0, int y1) const;
    // No group reaches column x or one right of it any more.
    void Close(int x);

private:
    struct Span
    {
        int x, y0, y1;
        COLORREF colour;
    };
    // Rows of one column painted already, as sorted runs that do not touch.
    using Runs = std::vector<std::pair<int, int>>;
    void Add(int x, int y0, int y1, COLORREF colour);
    void SettleColumn(const Span* first, const Span* last);
    // Draws what shows of a span under the covered runs and adds it to them.
    void Show(const Span& s, Runs& covered);
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
        Runs covered;
        std::vector<Batch> batches;
        // From the top down: the columns still open, the first `open` of them, and spares.
        struct Column
        {
            int x;
            Runs covered;
        };
        std::vector<Column> columns;
        size_t open = 0;
    };

private:
    CDC* m_pDC;
    std::unique_ptr<Storage> m_own; // when the thread's storage is in use
    Storage* m_pStore;
    std::vector<Span>& m_pending;
    Runs& m_covered;
    std::vector<Batch>& m_batches;

    static Storage* Acquire(std::unique_ptr<Storage>& own);
    Storage::Column* FindColumn(int x) const;
};
