// SheetView's record-bound list: 1,000 records of 96 bytes appended one by one to a 6-column
// list with formats and the list painted into a 32-bpp memory DC, and one record inserted at
// the top of a full 1,000-record list with the paint that follows.
#include <afxwin.h>

#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <numeric>
#include <vector>

#include "GridDataList.h"
#include "InstallFolders.h"
#include "SharedKit.h"
#include "canvas.h"

namespace {

const int kRecordSize = 96;
const int kRows = 21;

double Seconds(const LARGE_INTEGER& a, const LARGE_INTEGER& b)
{
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return double(b.QuadPart - a.QuadPart) / double(f.QuadPart);
}

double Median(std::vector<double> v)
{
    std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
    return v[v.size() / 2];
}

// A fill record: code and name texts, quantity, price, rate and amount.
void MakeRecord(BYTE* r, int n)
{
    memset(r, 0, kRecordSize);
    snprintf((char*)r, 12, "KRW-C%05d", n);
    snprintf((char*)r + 12, 20, "Coin %d", n);
    const int qty = n * 37 % 100000, rate = n % 3000 - 1500;
    const double price = 51000.0 + n * 0.125, amount = price * qty / 1000.0;
    memcpy(r + 32, &qty, 4);
    memcpy(r + 36, &price, 8);
    memcpy(r + 44, &rate, 4);
    memcpy(r + 48, &amount, 8);
}

void Describe(CGridDataList& list)
{
    list.SetRecordSize(kRecordSize);
    list.SetDataListScrollbar(GDL_SCROLL_VERT);
    list.AddColumnDataInfo(0, 12, DT_TEXT, 0, GDF_TEXT, 0, NULL, 0);
    list.AddColumnDataInfo(12, 20, DT_TEXT, 1, GDF_TEXT, 0, NULL, 0);
    list.AddColumnDataInfo(32, 4, DT_INT, 2, GDF_QUANTITY | GDF_HIDEZERO, 0, NULL, -1);
    list.AddColumnDataInfo(36, 8, DT_DOUBLE, 3, GDF_DECIMAL, 0, NULL, -1);
    list.AddColumnDataInfo(44, 4, DT_INT, 4, GDF_RATE, 0, NULL, -1);
    list.AddColumnDataInfo(48, 8, DT_DOUBLE, 5, GDF_PRICE | GDF_SIGNCOLOR, 0, NULL, -1);
}

} // namespace

int main()
{
    ::CoInitialize(NULL);
    GetColorMap()->Load(CString(GetSystemDir()) + "colormap.xml", "default");

    CWnd parent;
    parent.CreateEx(0, AfxRegisterWndClass(0), "bench", WS_POPUP | WS_VISIBLE, CRect(0, 0, 640, 560), NULL, 0);
    CGridDataList list;
    Describe(list);
    const int height = kRows * 23 + 2;
    list.Create(0, 1, 6, kRows, WS_CHILD | WS_VISIBLE, CRect(0, 0, 600, height), &parent, 1000);
    const int widths[] = {110, 110, 80, 130, 60, 100};
    for (int c = 0; c < 6; ++c)
        list.SetColumnWidth(c, widths[c]);
    for (int c = 0; c < 6; ++c)
        list.SetCellText(c, 0, "head");

    static BYTE records[1000][kRecordSize];
    for (int i = 0; i < 1000; ++i)
        MakeRecord(records[i], i);
    Canvas canvas(600, height);
    const CRect clip(0, 0, 600, height);

    // 1,000 records appended one call each, then painted.
    const int rounds = 50;
    list.ClearData(1);
    for (int i = 0; i < 1000; ++i)
        list.AddRecord(records[i], kRecordSize, 1);
    list.Paint(canvas.DC(), clip); // warm-up
    LARGE_INTEGER a, b;
    double total = 0, appendOnly = 0;
    for (int round = 0; round < rounds; ++round) {
        list.ClearData(1);
        QueryPerformanceCounter(&a);
        for (int i = 0; i < 1000; ++i)
            list.AddRecord(records[i], kRecordSize, 1);
        LARGE_INTEGER mid;
        QueryPerformanceCounter(&mid);
        list.Paint(canvas.DC(), clip);
        ::GdiFlush();
        QueryPerformanceCounter(&b);
        total += Seconds(a, b);
        appendOnly += Seconds(a, mid);
    }
    printf("1,000 x 96-byte records appended and painted:  %8.2f ms (appending %.2f ms)\n", total * 1e3 / rounds,
           appendOnly * 1e3 / rounds);

    // The list is full: each insert at the top drops the last record and repaints. The machine
    // may be shared: the median of the single inserts shows the path, the mean what load adds.
    list.SetMaxRowCount(1000);
    const int inserts = 2000;
    std::vector<double> whole(inserts), inserting(inserts);
    for (int i = 0; i < inserts; ++i) {
        LARGE_INTEGER s, m, e;
        QueryPerformanceCounter(&s);
        list.InsertRecord(records[i % 1000], kRecordSize);
        QueryPerformanceCounter(&m);
        list.Paint(canvas.DC(), clip);
        ::GdiFlush();
        QueryPerformanceCounter(&e);
        whole[i] = Seconds(s, e) * 1e6;
        inserting[i] = Seconds(s, m) * 1e6;
    }
    const double mean = std::accumulate(whole.begin(), whole.end(), 0.0) / inserts;
    printf("insert at the top of 1,000 records, painted:   %8.1f us median, %.1f us mean (inserting %.1f us median)\n",
           Median(whole), mean, Median(inserting));
    // A digest of the last painted list: a change to the paint path must leave it as it was.
    unsigned long long digest = 1469598103934665603ull;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < 600; ++x)
            digest = (digest ^ canvas.Pixel(x, y)) * 1099511628211ull;
    printf("digest of the painted pixels:                  %016llx\n", digest);
    // The same through the window: WM_PAINT of what the insert invalidated.
    list.UpdateWindow();
    QueryPerformanceCounter(&a);
    for (int i = 0; i < inserts; ++i) {
        list.InsertRecord(records[i % 1000], kRecordSize);
        list.UpdateWindow();
    }
    ::GdiFlush();
    QueryPerformanceCounter(&b);
    printf("insert at the top, window repainted:           %8.1f us per insert\n", Seconds(a, b) * 1e6 / inserts);

    list.DestroyWindow();
    parent.DestroyWindow();
    ::CoUninitialize();
    return 0;
}
