#include "grid_fixture.h"

#include "SharedKit.h"
#include "canvas.h"

namespace {

std::string Colour(WORD id, COLORREF c)
{
    char line[128];
    snprintf(line, sizeof line, "    <COLOR id=\"%u\" text=\"c\" color=\"%u,%u,%u\"/>\n", id, GetRValue(c), GetGValue(c),
             GetBValue(c));
    return line;
}

} // namespace

GridSkin::GridSkin(const std::vector<WORD>& without)
{
    const struct
    {
        WORD id;
        COLORREF colour;
    } colours[] = {{101, skin::kFore},        {102, skin::kUp},         {103, skin::kDown},
                   {201, skin::kBack},        {202, skin::kHeaderBack}, {207, skin::kHighlight},
                   {301, skin::kBorder},      {302, skin::kHeaderLine}, {601, skin::kButtonBack},
                   {skin::kCustomId, skin::kCustom}};
    std::string file = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<COLORMAP>\n  <GROUP text=\"default\">\n";
    for (const auto& c : colours) {
        bool skip = false;
        for (WORD id : without)
            skip = skip || id == c.id;
        if (!skip)
            file += Colour(c.id, c.colour);
    }
    file += "  </GROUP>\n</COLORMAP>\n";
    WriteFileBytes(m_dir.File("colormap.xml"), file);
    GetColorMap()->Load(m_dir.File("colormap.xml").c_str(), "default");

    WriteSolidBmp(m_images.File("checked.bmp"), skin::kBoxWidth, skin::kBoxHeight, skin::kChecked);
    WriteSolidBmp(m_images.File("unchecked.bmp"), skin::kBoxWidth, skin::kBoxHeight, skin::kUnchecked);
    const std::string& f = m_images.Name();
    WriteFileBytes(m_dir.File("ResourceMap.xml"),
                   "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<RESOURCEMAP>\n  <GROUP text=\"default\">\n"
                   "    <IMAGE id=\"303\" path=\"" + f + "\" file=\"checked.bmp\"/>\n"
                   "    <IMAGE id=\"304\" path=\"" + f + "\" file=\"unchecked.bmp\"/>\n"
                   "  </GROUP>\n</RESOURCEMAP>\n");
    GetResourceMap()->Load(m_dir.File("ResourceMap.xml").c_str(), "default");
}

GridSkin::~GridSkin()
{
    GetColorMap()->Release();
    GetResourceMap()->Release();
}

std::vector<UINT> CRecordingParent::Kinds() const
{
    std::vector<UINT> kinds;
    for (const GridMessage& m : m_messages)
        kinds.push_back(m.message);
    return kinds;
}

LRESULT CRecordingParent::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GRID_LBUTTONDOWN:
    case WM_GRID_LBUTTONUP:
    case WM_GRID_LBUTTONDBLCLK:
    case WM_GRID_BUTTONCLICK:
    case WM_GRID_RBUTTONDOWN:
    case WM_GRID_SETEDITDATA: {
        GridMessage m = {};
        m.message = message;
        m.wParam = wParam;
        m.lParam = lParam;
        if (message == WM_GRID_LBUTTONDOWN || message == WM_GRID_LBUTTONUP || message == WM_GRID_RBUTTONDOWN)
            m.point = *reinterpret_cast<const CPoint*>(lParam);
        else if (message == WM_GRID_LBUTTONDBLCLK)
            m.hit = *reinterpret_cast<const tagGRDHITTEST*>(lParam);
        else if (message == WM_GRID_BUTTONCLICK)
            m.cell = *reinterpret_cast<const tagCellInfo*>(lParam);
        m_messages.push_back(m);
        return 0;
    }
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

GridHost::GridHost(UINT columns, UINT rows, UINT colHeads, UINT rowHeads)
{
    parent.CreateEx(0, AfxRegisterWndClass(0), "grid host", WS_POPUP | WS_VISIBLE, CRect(40, 40, 480, 300), NULL, 0);
    grid.Create(colHeads, rowHeads, columns, rows, WS_CHILD | WS_VISIBLE, CRect(10, 10, 410, 230), &parent, 1001);
    parent.SetForegroundWindow();
    grid.SetFocus();
}

GridHost::~GridHost()
{
    if (::GetCapture() != NULL)
        ::ReleaseCapture();
    parent.DestroyWindow();
}

LRESULT GridHost::Mouse(UINT message, int x, int y, WPARAM keys)
{
    return grid.SendMessage(message, keys, MAKELPARAM(x, y));
}

CPoint GridHost::Centre(UINT col, UINT row)
{
    return grid.GetCellRect(col, row).CenterPoint();
}

struct GridPicture::Impl
{
    Impl(int w, int h) : canvas(w, h, RGB(1, 1, 1)) {}
    Canvas canvas;
};

GridPicture::GridPicture(CGridTable& grid, int width, int height) : m_impl(new Impl(width, height))
{
    grid.Paint(m_impl->canvas.DC(), CRect(0, 0, width, height));
}

GridPicture::~GridPicture() {}

COLORREF GridPicture::Pixel(int x, int y) const
{
    return m_impl->canvas.Pixel(x, y);
}

int GridPicture::Count(const CRect& area, COLORREF colour) const
{
    return m_impl->canvas.Count(area, colour);
}

int GridPicture::CountOther(const CRect& area, COLORREF colour) const
{
    return area.Width() * area.Height() - Count(area, colour);
}

int GridPicture::CountWhere(const CRect& area, bool (*test)(COLORREF)) const
{
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            n += test(Pixel(x, y)) ? 1 : 0;
    return n;
}
