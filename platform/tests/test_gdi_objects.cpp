// Drawing objects: handle ownership and maps, bitmaps, regions, fonts, pens and brushes.
#include <gtest/gtest.h>

#include <vector>

#include "afxgdi_.h"

namespace {

TEST(GdiObjectTest, WrapperOwnsAttachedHandleUntilDetached)
{
    HBRUSH hBrush = ::CreateSolidBrush(RGB(1, 2, 3));
    {
        CBrush brush;
        ASSERT_TRUE(brush.Attach(hBrush));
        EXPECT_EQ(CGdiObject::FromHandle(hBrush), &brush);
        EXPECT_EQ(brush.Detach(), hBrush);
        EXPECT_EQ(brush.GetSafeHandle(), (HGDIOBJ)NULL);
    }
    // Detached: the handle survived the wrapper.
    EXPECT_EQ(::GetObjectType(hBrush), (DWORD)OBJ_BRUSH);
    {
        CBrush brush;
        brush.Attach(hBrush);
    }
    // Attached at destruction: the handle went with it.
    EXPECT_EQ(::GetObjectType(hBrush), 0u);
}

TEST(GdiObjectTest, NullObjectGivesNullHandle)
{
    CPen* none = nullptr;
    EXPECT_EQ(none->GetSafeHandle(), (HGDIOBJ)NULL);
    CDC* noDC = nullptr;
    EXPECT_EQ(noDC->GetSafeHdc(), (HDC)NULL);
}

TEST(GdiObjectTest, TemporaryWrappersAreStablePerHandleAndTyped)
{
    HGDIOBJ hPen = ::GetStockObject(BLACK_PEN);
    HGDIOBJ hFont = ::GetStockObject(DEFAULT_GUI_FONT);
    CGdiObject* pen = CGdiObject::FromHandle(hPen);
    ASSERT_NE(pen, nullptr);
    EXPECT_EQ(CGdiObject::FromHandle(hPen), pen);
    EXPECT_TRUE(pen->IsKindOf(RUNTIME_CLASS(CPen)));
    EXPECT_TRUE(CGdiObject::FromHandle(hFont)->IsKindOf(RUNTIME_CLASS(CFont)));
    EXPECT_EQ(CGdiObject::FromHandle(NULL), nullptr);

    // Once someone attaches the handle, FromHandle names that wrapper instead.
    CPen attached;
    attached.Attach(hPen);
    EXPECT_EQ(CGdiObject::FromHandle(hPen), &attached);
    attached.Detach(); // a stock object: not ours to delete
    CGdiObject::DeleteTempMap();
    EXPECT_EQ(CGdiObject::FromHandle(hPen)->m_hObject, hPen);
    CGdiObject::DeleteTempMap();
    // Deleting temporaries never deletes the objects themselves.
    EXPECT_EQ(::GetObjectType(hPen), (DWORD)OBJ_PEN);
}

DWORD WINAPI WrapGrayBrushOnOwnThread(LPVOID p)
{
    auto* out = static_cast<CGdiObject**>(p);
    *out = CGdiObject::FromHandle(::GetStockObject(GRAY_BRUSH));
    bool same = (*out)->m_hObject == ::GetStockObject(GRAY_BRUSH);
    CGdiObject::DeleteTempMap();
    return same ? 0 : 1;
}

TEST(GdiObjectTest, TemporaryWrappersAreCreatedPerThread)
{
    HGDIOBJ hBrush = ::GetStockObject(GRAY_BRUSH);
    CGdiObject* mine = CGdiObject::FromHandle(hBrush);
    CGdiObject* theirs = nullptr;
    HANDLE thread = ::CreateThread(NULL, 0, WrapGrayBrushOnOwnThread, &theirs, 0, NULL);
    ASSERT_NE(thread, (HANDLE)NULL);
    ::WaitForSingleObject(thread, INFINITE);
    DWORD code = 1;
    ::GetExitCodeThread(thread, &code);
    ::CloseHandle(thread);
    EXPECT_EQ(code, 0u);
    EXPECT_NE(theirs, mine);
    // The other thread's clean-up left this thread's wrapper alone.
    EXPECT_EQ(CGdiObject::FromHandle(hBrush), mine);
    EXPECT_EQ(mine->m_hObject, hBrush);
    CGdiObject::DeleteTempMap();
}

// A thread that ends without an idle time (a worker painting into a memory DC) takes its
// temporary wrappers with it.
struct ThreadTemps
{
    HPEN hPen;
    HDC hDC;
    int countInside;
};

DWORD WINAPI WrapAndEnd(LPVOID p)
{
    ThreadTemps& t = *static_cast<ThreadTemps*>(p);
    CGdiObject::FromHandle(t.hPen);
    CDC* pDC = CDC::FromHandle(t.hDC);
    pDC->SelectObject(CPen::FromHandle(t.hPen)); // the old pen comes back wrapped too
    t.countInside = AfxGetTempGdiCount();
    return 0; // no DeleteTempMap
}

TEST(GdiObjectTest, TemporaryWrappersAreFreedWhenTheirThreadEnds)
{
    CGdiObject::DeleteTempMap();
    CDC::DeleteTempMap();
    ThreadTemps t = {::CreatePen(PS_SOLID, 1, RGB(1, 2, 3)), ::CreateCompatibleDC(NULL), 0};
    const int before = AfxGetTempGdiCount();
    HANDLE thread = ::CreateThread(NULL, 0, WrapAndEnd, &t, 0, NULL);
    ASSERT_NE(thread, (HANDLE)NULL);
    ::WaitForSingleObject(thread, INFINITE);
    ::CloseHandle(thread);
    EXPECT_EQ(t.countInside, before + 3) << "pen, DC and the DC's first pen";
    EXPECT_EQ(AfxGetTempGdiCount(), before);
    ::DeleteDC(t.hDC);
    ::DeleteObject(t.hPen);
}

TEST(GdiObjectTest, PenBrushAndFontReportTheirSettings)
{
    CPen pen(PS_DASH, 1, RGB(10, 20, 30));
    LOGPEN lp;
    ASSERT_EQ(pen.GetLogPen(&lp), (int)sizeof(LOGPEN));
    EXPECT_EQ(lp.lopnStyle, (UINT)PS_DASH);
    EXPECT_EQ(lp.lopnColor, RGB(10, 20, 30));

    struct BrushCase
    {
        const char* name;
        bool (*create)(CBrush&);
        UINT style;
        COLORREF color;
    };
    const BrushCase brushes[] = {
        {"solid", [](CBrush& b) { return !!b.CreateSolidBrush(RGB(1, 2, 3)); }, BS_SOLID, RGB(1, 2, 3)},
        {"hatch", [](CBrush& b) { return !!b.CreateHatchBrush(HS_CROSS, RGB(4, 5, 6)); }, BS_HATCHED, RGB(4, 5, 6)},
        {"system", [](CBrush& b) { return !!b.CreateSysColorBrush(COLOR_BTNFACE); }, BS_SOLID,
         ::GetSysColor(COLOR_BTNFACE)},
    };
    for (const BrushCase& c : brushes) {
        CBrush brush;
        ASSERT_TRUE(c.create(brush)) << c.name;
        LOGBRUSH lb;
        ASSERT_EQ(brush.GetLogBrush(&lb), (int)sizeof(LOGBRUSH)) << c.name;
        EXPECT_EQ(lb.lbStyle, c.style) << c.name;
        EXPECT_EQ(lb.lbColor, c.color) << c.name;
    }

    // Tenths of a point become a negative character height in screen pixels.
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, "Arial"));
    LOGFONT lf;
    ASSERT_EQ(font.GetLogFont(&lf), (int)sizeof(LOGFONT));
    HDC screen = ::GetDC(NULL);
    int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(NULL, screen);
    EXPECT_EQ(lf.lfHeight, -::MulDiv(dpi, 120, 720));
    EXPECT_STREQ(lf.lfFaceName, "Arial");
}

TEST(GdiObjectTest, ResourceFailureInConstructorThrows)
{
    bool thrown = false;
    try {
        CBrush brush((CBitmap*)nullptr); // no pattern bitmap
    } catch (CResourceException* e) {
        thrown = true;
        e->Delete();
    }
    EXPECT_TRUE(thrown);
}

TEST(BitmapTest, BitsRoundTrip)
{
    const DWORD pixels[] = {0x00FF0000, 0x0000FF00, 0x000000FF, 0x00FFFFFF,
                            0x00000000, 0x00123456, 0x00ABCDEF, 0x00808080};
    CBitmap bmp;
    ASSERT_TRUE(bmp.CreateBitmap(4, 2, 1, 32, pixels));
    BITMAP info;
    ASSERT_EQ(bmp.GetBitmap(&info), (int)sizeof(BITMAP));
    EXPECT_EQ(info.bmWidth, 4);
    EXPECT_EQ(info.bmHeight, 2);
    EXPECT_EQ(info.bmBitsPixel, 32);

    std::vector<DWORD> read(8, 0xDEADBEEF);
    ASSERT_EQ(bmp.GetBitmapBits(sizeof(pixels), read.data()), (DWORD)sizeof(pixels));
    EXPECT_EQ(std::vector<DWORD>(pixels, pixels + 8), read);

    const DWORD changed[] = {1, 2, 3, 4, 5, 6, 7, 8};
    ASSERT_EQ(bmp.SetBitmapBits(sizeof(changed), changed), (DWORD)sizeof(changed));
    ASSERT_EQ(bmp.GetBitmapBits(sizeof(changed), read.data()), (DWORD)sizeof(changed));
    EXPECT_EQ(std::vector<DWORD>(changed, changed + 8), read);

    // Reading fewer bytes than the bitmap holds stops at that count.
    std::vector<DWORD> part(8, 0);
    EXPECT_EQ(bmp.GetBitmapBits(8, part.data()), 8u);
    EXPECT_EQ(part[1], 2u);
    EXPECT_EQ(part[2], 0u);
}

// The program's own resources come first in the resource chain.
TEST(BitmapTest, LoadsFromTheProgramsResources)
{
    CBitmap byName, byId;
    ASSERT_TRUE(byName.LoadBitmap("GDI_TEST_QUAD"));
    ASSERT_TRUE(byId.LoadBitmap(201));
    for (CBitmap* bmp : {&byName, &byId}) {
        BITMAP info;
        ASSERT_EQ(bmp->GetBitmap(&info), (int)sizeof(BITMAP));
        EXPECT_EQ(info.bmWidth, 2);
        EXPECT_EQ(info.bmHeight, 2);
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(NULL));
        CBitmap* old = dc.SelectObject(bmp);
        ASSERT_NE(old, nullptr);
        EXPECT_EQ(dc.GetPixel(0, 0), RGB(255, 0, 0));
        EXPECT_EQ(dc.GetPixel(1, 0), RGB(0, 255, 0));
        EXPECT_EQ(dc.GetPixel(0, 1), RGB(0, 0, 255));
        EXPECT_EQ(dc.GetPixel(1, 1), RGB(255, 255, 255));
        dc.SelectObject(old);
    }
}

TEST(BitmapTest, MissingResourceFailsWithoutHandle)
{
    CBitmap bmp;
    EXPECT_FALSE(bmp.LoadBitmap("NO_SUCH_BITMAP"));
    EXPECT_EQ(bmp.GetSafeHandle(), (HGDIOBJ)NULL);
}

struct RegionCase
{
    const char* name;
    int mode;
    int type;
    CPoint in[3];
    CPoint out[3];
};

std::ostream& operator<<(std::ostream& os, const RegionCase& c) { return os << c.name; }

class CombineRgnTest : public ::testing::TestWithParam<RegionCase> {};

// a = (0,0)-(20,20), b = (10,10)-(30,30): the overlap is (10,10)-(20,20).
TEST_P(CombineRgnTest, PointsFollowTheCombination)
{
    const RegionCase& c = GetParam();
    CRgn a, b, result;
    ASSERT_TRUE(a.CreateRectRgn(0, 0, 20, 20));
    ASSERT_TRUE(b.CreateRectRgn(10, 10, 30, 30));
    // The destination need not exist beforehand.
    EXPECT_EQ(result.CombineRgn(&a, &b, c.mode), c.type);
    for (const CPoint& pt : c.in)
        EXPECT_TRUE(result.PtInRegion(pt)) << pt.x << "," << pt.y;
    for (const CPoint& pt : c.out)
        EXPECT_FALSE(result.PtInRegion(pt)) << pt.x << "," << pt.y;
}

INSTANTIATE_TEST_SUITE_P(
    Modes, CombineRgnTest,
    ::testing::Values(
        RegionCase{"and", RGN_AND, SIMPLEREGION, {{10, 10}, {19, 19}, {15, 12}}, {{5, 5}, {25, 25}, {20, 20}}},
        RegionCase{"or", RGN_OR, COMPLEXREGION, {{5, 5}, {25, 25}, {15, 15}}, {{25, 5}, {5, 25}, {30, 30}}},
        RegionCase{"xor", RGN_XOR, COMPLEXREGION, {{5, 5}, {25, 25}, {19, 5}}, {{15, 15}, {25, 5}, {10, 10}}},
        RegionCase{"diff", RGN_DIFF, COMPLEXREGION, {{5, 5}, {19, 9}, {9, 19}}, {{15, 15}, {25, 25}, {20, 0}}}));

TEST(RegionTest, ShapesCopyOffsetAndBox)
{
    CRgn ellipse;
    ASSERT_TRUE(ellipse.CreateEllipticRgn(0, 0, 40, 20));
    EXPECT_TRUE(ellipse.PtInRegion(20, 10));
    EXPECT_FALSE(ellipse.PtInRegion(1, 1));

    CRgn round;
    ASSERT_TRUE(round.CreateRoundRectRgn(0, 0, 40, 40, 20, 20));
    EXPECT_TRUE(round.PtInRegion(20, 1));
    EXPECT_FALSE(round.PtInRegion(0, 0));

    const POINT triangle[] = {{0, 0}, {40, 0}, {0, 40}};
    CRgn poly;
    ASSERT_TRUE(poly.CreatePolygonRgn(triangle, 3, ALTERNATE));
    EXPECT_TRUE(poly.PtInRegion(5, 5));
    EXPECT_FALSE(poly.PtInRegion(35, 35));

    CRgn copy;
    EXPECT_EQ(copy.CopyRgn(&poly), COMPLEXREGION);
    EXPECT_TRUE(copy.EqualRgn(&poly));
    EXPECT_EQ(copy.OffsetRgn(CPoint(100, 50)), COMPLEXREGION);
    EXPECT_FALSE(copy.EqualRgn(&poly));
    CRect original, box;
    EXPECT_EQ(poly.GetRgnBox(&original), COMPLEXREGION);
    EXPECT_EQ(copy.GetRgnBox(&box), COMPLEXREGION);
    EXPECT_TRUE(box == original + CPoint(100, 50));
    EXPECT_TRUE(copy.PtInRegion(105, 55));
    EXPECT_FALSE(copy.PtInRegion(5, 5));

    copy.SetRectRgn(CRect(0, 0, 0, 0));
    EXPECT_EQ(copy.GetRgnBox(&box), NULLREGION);
}

} // namespace
