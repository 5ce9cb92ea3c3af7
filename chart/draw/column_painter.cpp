// CColumnPainter: shapes gathered per pixel column, settled from the last painted back to the
// first, and what shows drawn as vertical one-pixel runs.
#include "column_painter.h"

#include "pixel_rows.h"

#include <algorithm>
#include <climits>

// One set of work arrays serves the paints of the chart's thread; a painter that finds it taken
// (another thread, or a painter inside a painter) works with arrays of its own. The set lives
// with the library, not with a thread, so unloading the library leaves nothing behind.
static CColumnPainter::Storage& Shared()
{
    static CColumnPainter::Storage shared;
    return shared;
}

CColumnPainter::Storage* CColumnPainter::Acquire(std::unique_ptr<Storage>& own)
{
    Storage& shared = Shared();
    if (!shared.busy.exchange(true))
        return &shared;
    own.reset(new Storage);
    own->busy = true;
    return own.get();
}

CColumnPainter::CColumnPainter(CDC* pDC)
    : m_pDC(pDC), m_pStore(Acquire(m_own)), m_pending(m_pStore->pending),
      m_covered(m_pStore->covered), m_batches(m_pStore->batches)
{
    m_pending.clear();
    m_pStore->open = 0;
}

CColumnPainter::~CColumnPainter()
{
    Finish();
    m_pStore->busy = false;
}

void CColumnPainter::Add(int x, int y0, int y1, COLORREF colour)
{
    if (y1 <= y0)
        return;
    // Pending shapes stay in column order, each column's in painting order. Shapes come nearly
    // in column order, so a new one moves back past a few at most.
    m_pending.push_back(Span{x, y0, y1, colour});
    for (size_t i = m_pending.size() - 1; i > 0 && m_pending[i - 1].x > x; --i)
        std::swap(m_pending[i - 1], m_pending[i]);
}

void CColumnPainter::VLine(int x, int y1, int y2, COLORREF colour)
{
    if (y1 < y2)
        Add(x, y1, y2, colour);
    else if (y1 > y2)
        Add(x, y2 + 1, y1 + 1, colour);
}

void CColumnPainter::HLine(int x1, int x2, int y, COLORREF colour)
{
    const int from = x1 < x2 ? x1 : x2 + 1, to = x1 < x2 ? x2 : x1 + 1;
    for (int x = from; x < to; ++x)
        Add(x, y, y + 1, colour);
}

void CColumnPainter::Fill(const CRect& rect, COLORREF colour)
{
    for (int x = rect.left; x < rect.right; ++x)
        Add(x, rect.top, rect.bottom, colour);
}

void CColumnPainter::Settle(int x)
{
    if (m_pending.empty() || m_pending.front().x >= x)
        return;
    auto it = m_pending.begin();
    while (it != m_pending.end() && it->x < x)
    {
        auto end = it;
        while (end != m_pending.end() && end->x == it->x)
            ++end;
        SettleColumn(&*it, &*it + (end - it));
        it = end;
    }
    m_pending.erase(m_pending.begin(), it);
}

// The last shape shows whole; each earlier one only where no later one covers it.
void CColumnPainter::SettleColumn(const Span* first, const Span* last)
{
    m_covered.clear();
    for (const Span* s = last; s != first;)
        Show(*--s, m_covered);
}

void CColumnPainter::Show(const Span& s, Runs& covered)
{
    // The first covered run that ends at or below the shape's top.
    auto lo = std::lower_bound(covered.begin(), covered.end(), s.y0,
                               [](const std::pair<int, int>& c, int v) { return c.second < v; });
    // In a crowded column most shapes lie wholly under later ones.
    if (lo != covered.end() && lo->first <= s.y0 && lo->second >= s.y1)
        return;
    int y = s.y0;
    for (auto at = lo; y < s.y1; ++at)
    {
        if (at == covered.end() || at->first >= s.y1)
        {
            Emit(s.x, y, s.y1, s.colour);
            break;
        }
        if (at->second <= y)
            continue;
        if (at->first > y)
            Emit(s.x, y, at->first, s.colour);
        y = at->second;
    }
    // Add the span to the covered rows, merging what it touches.
    auto hi = lo;
    int a = s.y0, b = s.y1;
    while (hi != covered.end() && hi->first <= b)
    {
        a = std::min(a, hi->first);
        b = std::max(b, hi->second);
        ++hi;
    }
    lo = covered.erase(lo, hi);
    covered.insert(lo, std::make_pair(a, b));
}

CColumnPainter::Storage::Column* CColumnPainter::FindColumn(int x) const
{
    for (size_t i = 0; i < m_pStore->open; ++i)
        if (m_pStore->columns[i].x == x)
            return &m_pStore->columns[i];
    return nullptr;
}

void CColumnPainter::EndGroup()
{
    // The group's shapes are in column order, each column's in painting order: the last of a
    // column shows first.
    auto& columns = m_pStore->columns;
    for (auto it = m_pending.begin(); it != m_pending.end();)
    {
        auto end = it;
        while (end != m_pending.end() && end->x == it->x)
            ++end;
        Storage::Column* column = FindColumn(it->x);
        if (!column)
        {
            if (m_pStore->open == columns.size())
                columns.push_back(Storage::Column{it->x, {}});
            column = &columns[m_pStore->open++];
            column->x = it->x;
            column->covered.clear();
        }
        for (auto s = end; s != it;)
            Show(*--s, column->covered);
        it = end;
    }
    m_pending.clear();
}

bool CColumnPainter::Covered(int x0, int x1, int y0, int y1) const
{
    for (int x = x0; x <= x1; ++x)
    {
        const Storage::Column* column = FindColumn(x);
        if (!column)
            return false;
        auto run = std::lower_bound(column->covered.begin(), column->covered.end(), y0,
                                    [](const std::pair<int, int>& c, int v) { return c.second < v; });
        if (run == column->covered.end() || run->first > y0 || run->second < y1)
            return false;
    }
    return true;
}

void CColumnPainter::Close(int x)
{
    // Closed columns swap places with the last open one; their runs stay allocated for reuse.
    auto& columns = m_pStore->columns;
    for (size_t i = 0; i < m_pStore->open;)
        if (columns[i].x >= x)
            std::swap(columns[i], columns[--m_pStore->open]);
        else
            ++i;
}

void CColumnPainter::Emit(int x, int y0, int y1, COLORREF colour)
{
    Batch* batch = nullptr;
    for (Batch& b : m_batches)
        if (b.colour == colour)
            batch = &b;
    if (!batch)
    {
        // Batches of colours no longer drawn are taken over before new ones are made.
        for (Batch& b : m_batches)
            if (b.counts.empty())
            {
                b.colour = colour;
                batch = &b;
                break;
            }
    }
    if (!batch)
    {
        m_batches.push_back(Batch{colour, {}, {}});
        batch = &m_batches.back();
    }
    // A run that continues the last one of its colour in the same column grows it.
    if (!batch->points.empty())
    {
        POINT& end = batch->points.back();
        POINT& start = batch->points[batch->points.size() - 2];
        if (start.x == x && end.y == y0)
        {
            end.y = y1;
            return;
        }
        if (start.x == x && start.y == y1)
        {
            start.y = y0;
            return;
        }
    }
    batch->points.push_back(POINT{x, y0});
    batch->points.push_back(POINT{x, y1});
    batch->counts.push_back(2);
}

bool CColumnPainter::IntoBits() const
{
    CPixelRows rows;
    return rows.Attach(m_pDC);
}

void CColumnPainter::Finish()
{
    Settle(INT_MAX);
    CPixelRows rows;
    if (rows.Attach(m_pDC))
        for (Batch& b : m_batches)
        {
            if (b.counts.empty() || !CPixelRows::Plain(b.colour))
                continue;
            const DWORD pixel = CPixelRows::Pixel(b.colour);
            for (size_t i = 0; i + 1 < b.points.size(); i += 2)
                rows.Run(b.points[i].x, b.points[i].y, b.points[i + 1].y, pixel);
            b.points.clear();
            b.counts.clear();
        }
    // Shown runs never share a pixel, so what is left may follow in any order.
    for (Batch& b : m_batches)
    {
        if (b.counts.empty())
            continue;
        CPen pen(PS_SOLID, 1, b.colour);
        CDCSelectGuard guard(m_pDC, &pen);
        m_pDC->PolyPolyline(b.points.data(), b.counts.data(), int(b.counts.size()));
        b.points.clear();
        b.counts.clear();
    }
}
