// The skin cache: name -> resource id -> bitmap.
#include "SkinCache.h"

namespace
{
struct SkinName
{
    const char* name;
    DWORD id;
};

const SkinName kSkinNames[] = {
    {SKIN_SLIDE_BODY, 6017},     {SKIN_SLIDE_BLOCK, 6018},  {SKIN_SHOWTYPE_BTN, 6019},
    {SKIN_SEARCH_BTN, 6020},     {SKIN_SCROLL_THUMB, 6021}, {SKIN_SCROLL_RIGHT, 6022},
    {SKIN_SCROLL_LEFT, 6023},    {SKIN_SCROLL_CHANNEL, 6024}, {SKIN_PIN_BTN, 6025},
    {SKIN_LINE_BTN, 6026},       {SKIN_EXCEL_BTN, 6027},    {SKIN_DATANUM_BTN, 6028},
    {SKIN_CROSS_BTN, 6029},      {SKIN_CONFIG_BTN, 6030},
};
} // namespace

const char* const g_szChartButtonImages[8] = {SKIN_PIN_BTN,    SKIN_LINE_BTN,   SKIN_CONFIG_BTN,
                                              SKIN_CROSS_BTN,  SKIN_SEARCH_BTN, SKIN_DATANUM_BTN,
                                              SKIN_SHOWTYPE_BTN, SKIN_EXCEL_BTN};

CSkinCache::CSkinCache()
    : m_mapBitmaps(10), m_mapIDs(10)
{
    m_mapBitmaps.InitHashTable(17);
    m_mapIDs.InitHashTable(17);
}

CSkinCache::~CSkinCache() { Free(); }

void CSkinCache::Free()
{
    POSITION pos = m_mapBitmaps.GetStartPosition();
    while (pos)
    {
        DWORD id = 0;
        HBITMAP bitmap = NULL;
        m_mapBitmaps.GetNextAssoc(pos, id, bitmap);
        if (bitmap)
            ::DeleteObject(bitmap);
    }
    m_mapBitmaps.RemoveAll();
    m_mapIDs.RemoveAll();
}

void CSkinCache::Load()
{
    Free();
    for (DWORD id = IDB_SKIN_LAST; id >= IDB_SKIN_FIRST; --id)
    {
        LPCSTR name = MAKEINTRESOURCE(id);
        HINSTANCE module = AfxFindResourceHandle(name, RT_BITMAP);
        HBITMAP bitmap = module ? (HBITMAP)::LoadImageA(module, name, IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR) : NULL;
        m_mapBitmaps.SetAt(id, bitmap);
    }
    for (const SkinName& entry : kSkinNames)
        m_mapIDs.SetAt(entry.name, entry.id);
}

DWORD CSkinCache::GetID(const CString& name) const
{
    DWORD id = 0;
    return m_mapIDs.Lookup(name, id) ? id : 0;
}

HBITMAP CSkinCache::GetBitmap(DWORD id) const
{
    HBITMAP bitmap = NULL;
    return m_mapBitmaps.Lookup(id, bitmap) ? bitmap : NULL;
}

CSize SkinBitmapSize(HBITMAP bitmap)
{
    BITMAP info = {};
    if (!bitmap || !::GetObject(bitmap, sizeof info, &info))
        return CSize(0, 0);
    return CSize(info.bmWidth, info.bmHeight);
}

namespace
{
void BlitSkin(CDC* pDC, HBITMAP bitmap, const CRect& rect, BOOL transparent, COLORREF colour)
{
    const CSize size = SkinBitmapSize(bitmap);
    if (size.cx <= 0 || size.cy <= 0 || rect.IsRectEmpty())
        return;
    CDC source;
    source.CreateCompatibleDC(pDC);
    HGDIOBJ old = ::SelectObject(source.GetSafeHdc(), bitmap);
    if (transparent)
        pDC->TransparentBlt(rect.left, rect.top, rect.Width(), rect.Height(), &source, 0, 0, size.cx, size.cy, colour);
    else
        pDC->StretchBlt(rect.left, rect.top, rect.Width(), rect.Height(), &source, 0, 0, size.cx, size.cy, SRCCOPY);
    ::SelectObject(source.GetSafeHdc(), old);
}
} // namespace

void DrawSkinBitmap(CDC* pDC, HBITMAP bitmap, const CRect& rect) { BlitSkin(pDC, bitmap, rect, FALSE, 0); }

void DrawSkinBitmapTransparent(CDC* pDC, HBITMAP bitmap, const CRect& rect, COLORREF transparent)
{
    BlitSkin(pDC, bitmap, rect, TRUE, transparent);
}
