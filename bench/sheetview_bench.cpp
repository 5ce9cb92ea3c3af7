// SheetView: a full paint of the order book's 5 x 21 grid and of a 1,000-row grid into a
// 32-bpp memory DC, and a single-cell update repainted through the window.
#include <afxwin.h>

#include <stdio.h>

#include "GridTable.h"
#include "canvas.h"
#include "InstallFolders.h"
#include "SharedKit.h"

namespace {

double Seconds(const LARGE_INTEGER& a, const LARGE_INTEGER& b)
{
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return double(b.QuadPart - a.QuadPart) / double(f.QuadPart);
}

// The order book's look: header row, prices with signs, quantities as bars.
void FillBook(CGrid& grid, UINT rows)
{
    const char* heads[] = {"매도잔량", "매도", "호가", "매수", "매수잔량"};
    for (UINT c = 0; c < 5; ++c)
        grid.SetCellText(c, 0, heads[c]);
    grid.SetCellStyle(0, 1, 0, rows - 1, GCS_BAR, 0);
    grid.SetCellStyle(4, 1, 4, rows - 1, GCS_BAR, 0);
    grid.SetBarAlign(0, 1, 0, rows - 1, GCF_BARALIGN_RIGHT, 0);
    grid.SetCellAlign(1, 1, 4, rows - 1, 2, 0);
    char text[32];
    for (UINT r = 1; r < rows; ++r) {
        snprintf(text, sizeof text, "%u,%03u", 51000 + r * 5, r * 7 % 1000);
        grid.SetCellText(2, r, text);
        grid.SetSign(2, r, r % 3 == 0 ? '2' : r % 3 == 1 ? '5' : '3');
        snprintf(text, sizeof text, "%.4f", r * 0.137);
        grid.SetCellText(0, r, text);
        grid.SetCellText(4, r, text);
        grid.GetCellPtr(0, r)->dBarValue = (r * 13) % 100;
        grid.GetCellPtr(4, r)->dBarValue = (r * 29) % 100;
        snprintf(text, sizeof text, "%+.2f%%", (int)(r % 7) - 3.5);
        grid.SetCellText(1, r, text);
        grid.SetCellText(3, r, text);
    }
}

void MakeGrid(CGridTable& grid, CWnd& parent, UINT rows, int height)
{
    grid.Create(0, 1, 5, rows, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, height), &parent, 1000);
    FillBook(grid, rows);
}

double PaintMicros(CGridTable& grid, const CRect& clip, int width, int height, int rounds)
{
    Canvas canvas(width, height);
    grid.Paint(canvas.DC(), clip); // warm-up: fonts and bitmaps in the caches
    LARGE_INTEGER a, b;
    QueryPerformanceCounter(&a);
    for (int i = 0; i < rounds; ++i)
        grid.Paint(canvas.DC(), clip);
    ::GdiFlush();
    QueryPerformanceCounter(&b);
    return Seconds(a, b) * 1e6 / rounds;
}

} // namespace

int main()
{
    ::CoInitialize(NULL);
    GetColorMap()->Load(CString(GetSystemDir()) + "colormap.xml", "default");

    CWnd parent;
    parent.CreateEx(0, AfxRegisterWndClass(0), "bench", WS_POPUP | WS_VISIBLE, CRect(0, 0, 320, 520), NULL, 0);

    CGridTable book;
    MakeGrid(book, parent, 21, 21 * 23 + 1);
    const int bookHeight = book.GetRowStart(20) + book.GetRowHeight(20) + 1;
    printf("5 x 21 grid, full paint into a memory DC:     %8.1f us per paint\n",
           PaintMicros(book, CRect(0, 0, 300, bookHeight), 300, bookHeight, 2000));

    CGridTable big;
    MakeGrid(big, parent, 1000, 500);
    const int bigHeight = big.GetRowStart(999) + big.GetRowHeight(999) + 1;
    printf("5 x 1000 grid, full paint into a memory DC:   %8.1f us per paint\n",
           PaintMicros(big, CRect(0, 0, 300, bigHeight), 300, bigHeight, 50));
    printf("5 x 1000 grid, paint of its top 500 pixels:   %8.1f us per paint\n",
           PaintMicros(big, CRect(0, 0, 300, 500), 300, 500, 500));
    big.DestroyWindow();

    // One cell changes and is drawn again: its rectangle alone into the memory DC (the grid's
    // part of the work), then through the window (WM_PAINT, double-buffered, to the screen).
    const int rounds = 5000;
    char text[32];
    LARGE_INTEGER a, b;
    {
        Canvas canvas(300, bookHeight);
        book.Paint(canvas.DC(), CRect(0, 0, 300, bookHeight));
        const CRect cell = book.GetCellRect(2, 10);
        QueryPerformanceCounter(&a);
        for (int i = 0; i < rounds; ++i) {
            snprintf(text, sizeof text, "%d,%03d", 51000 + i % 50, i % 1000);
            book.SetCellText(2, 10, text, 0);
            book.Paint(canvas.DC(), cell);
        }
        ::GdiFlush();
        QueryPerformanceCounter(&b);
        printf("5 x 21 grid, one cell set and drawn:          %8.1f us per update\n", Seconds(a, b) * 1e6 / rounds);
    }
    book.UpdateWindow();
    QueryPerformanceCounter(&a);
    for (int i = 0; i < rounds; ++i) {
        snprintf(text, sizeof text, "%d,%03d", 51000 + i % 50, i % 1000);
        book.SetCellText(2, 10, text, 1);
        book.UpdateWindow();
    }
    ::GdiFlush();
    QueryPerformanceCounter(&b);
    printf("5 x 21 grid, one cell set, window repainted:   %8.1f us per update\n", Seconds(a, b) * 1e6 / rounds);

    parent.DestroyWindow();
    ::CoUninitialize();
    return 0;
}
