// Painting cost of a grid: 10,000 cells, each selecting a font and a pen into a 32-bit memory DC,
// drawing its text and border and putting the previous objects back. Figures for the framework's
// SelectObject (which hands back a wrapper of the previous object) and for the select guard, and
// the selections alone.
#include <afxcontrolbarutil.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const int kCells = 10000;
const int kColumns = 100;
const int kCellWidth = 60;
const int kCellHeight = 16;
const int kPasses = 15;

double Now()
{
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return (double)counter.QuadPart / (double)frequency.QuadPart;
}

struct Grid
{
    CDC dc;
    CBitmap bitmap;
    HGDIOBJ hOldBitmap = NULL;
    CFont fonts[2];
    CPen pens[2];

    bool Make()
    {
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bi.bmiHeader.biWidth = kColumns * kCellWidth;
        bi.bmiHeader.biHeight = -(kCells / kColumns) * kCellHeight;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        if (!dc.CreateCompatibleDC(NULL) ||
            !bitmap.Attach(::CreateDIBSection(NULL, &bi, DIB_RGB_COLORS, &bits, NULL, 0)))
            return false;
        hOldBitmap = ::SelectObject(dc.m_hDC, bitmap.m_hObject);
        return fonts[0].CreatePointFont(90, "굴림") && fonts[1].CreatePointFont(90, "굴림체") &&
               pens[0].CreatePen(PS_SOLID, 1, RGB(192, 192, 192)) && pens[1].CreatePen(PS_SOLID, 1, RGB(0, 0, 255));
    }
    ~Grid()
    {
        if (hOldBitmap != NULL)
            ::SelectObject(dc.m_hDC, hOldBitmap);
    }
};

const char* const kTexts[] = {"12,345.67", "-0.0042", "BTC", "1,000,000", "3.14159", "호가"};

// The framework's way: SelectObject returns the previous object's wrapper, put back at the end.
void PaintWithSelectObject(Grid& g)
{
    for (int i = 0; i < kCells; ++i) {
        int x = (i % kColumns) * kCellWidth, y = (i / kColumns) * kCellHeight;
        CFont* pOldFont = g.dc.SelectObject(&g.fonts[i & 1]);
        CPen* pOldPen = g.dc.SelectObject(&g.pens[(i >> 1) & 1]);
        g.dc.TextOut(x + 2, y + 1, kTexts[i % 6]);
        g.dc.MoveTo(x, y + kCellHeight - 1);
        g.dc.LineTo(x + kCellWidth, y + kCellHeight - 1);
        g.dc.SelectObject(pOldPen);
        g.dc.SelectObject(pOldFont);
    }
}

// The same cells through the select guard.
void PaintWithGuards(Grid& g)
{
    for (int i = 0; i < kCells; ++i) {
        int x = (i % kColumns) * kCellWidth, y = (i / kColumns) * kCellHeight;
        CDCSelectGuard font(g.dc, g.fonts[i & 1]);
        CDCSelectGuard pen(g.dc, g.pens[(i >> 1) & 1]);
        g.dc.TextOut(x + 2, y + 1, kTexts[i % 6]);
        g.dc.MoveTo(x, y + kCellHeight - 1);
        g.dc.LineTo(x + kCellWidth, y + kCellHeight - 1);
    }
}

// Selection and restore alone (no drawing): the part of a cell the two ways differ in.
void SelectOnlyWithSelectObject(Grid& g)
{
    for (int i = 0; i < kCells; ++i) {
        CFont* pOldFont = g.dc.SelectObject(&g.fonts[i & 1]);
        CPen* pOldPen = g.dc.SelectObject(&g.pens[(i >> 1) & 1]);
        g.dc.SelectObject(pOldPen);
        g.dc.SelectObject(pOldFont);
    }
}

void SelectOnlyWithGuards(Grid& g)
{
    for (int i = 0; i < kCells; ++i) {
        CDCSelectGuard font(g.dc, g.fonts[i & 1]);
        CDCSelectGuard pen(g.dc, g.pens[(i >> 1) & 1]);
    }
}

void Measure(const char* name, void (*paint)(Grid&), Grid& g)
{
    std::vector<double> ms;
    for (int pass = 0; pass < kPasses; ++pass) {
        double start = Now();
        paint(g);
        ms.push_back((Now() - start) * 1000.0);
        // Idle time of a real loop frees the pass's temporary wrappers.
        CGdiObject::DeleteTempMap();
        CDC::DeleteTempMap();
    }
    std::sort(ms.begin(), ms.end());
    printf("%-28s %8.2f ms per 10,000 cells (best %.2f), %6.3f us per cell\n", name, ms[ms.size() / 2], ms[0],
           ms[ms.size() / 2] * 1000.0 / kCells);
}

} // namespace

int main()
{
    Grid grid;
    if (!grid.Make()) {
        printf("could not make the memory DC\n");
        return 1;
    }
    PaintWithSelectObject(grid); // warm the font cache
    Measure("CDC::SelectObject", &PaintWithSelectObject, grid);
    Measure("CDCSelectGuard", &PaintWithGuards, grid);
    Measure("select only, SelectObject", &SelectOnlyWithSelectObject, grid);
    Measure("select only, guard", &SelectOnlyWithGuards, grid);
    return 0;
}
