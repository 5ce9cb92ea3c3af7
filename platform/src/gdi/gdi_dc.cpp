// CDC: handle lifetime, handle map, object selection, modes and mapping.
#include "afxgdi_.h"

#include <stdlib.h>

#include "gdi_dc_both.h"
#include "wndimpl_.h"

namespace {

AfxHandleMap_<HDC, CDC>& Map()
{
    static AfxHandleMap_<HDC, CDC> map(
        [](HDC h) {
            CDC* dc = new CDC;
            dc->m_hDC = dc->m_hAttribDC = h;
            return dc;
        },
        [](CDC*, HDC) { return true; },
        [](CDC* dc) {
            dc->m_hDC = dc->m_hAttribDC = NULL;
            delete dc;
        });
    return map;
}

} // namespace

void AfxDeleteTempDCs_(AfxTempWndMap_* map)
{
    Map().DeleteTemporaries(map->dcs);
}

int AFXAPI AfxGetTempGdiCount()
{
    return Map().TemporaryCount() + AfxGetTempGdiObjectCount_();
}

IMPLEMENT_DYNCREATE(CDC, CObject)

CDC::~CDC()
{
    if (m_hDC != NULL)
        ::DeleteDC(Detach());
}

CDC* PASCAL CDC::FromHandle(HDC hDC)
{
    return hDC == NULL ? NULL : Map().FromHandle(hDC, AfxGetThreadState()->m_pTempWnds->dcs);
}

void PASCAL CDC::DeleteTempMap()
{
    AfxDeleteTempDCs_(AfxGetThreadState()->m_pTempWnds);
}

namespace {

void MoveDC(CDC& to, CDC& from) noexcept
{
    HDC hDC = from.m_hDC;
    HDC hAttribDC = from.m_hAttribDC;
    BOOL bPrinting = from.m_bPrinting;
    if (hDC != NULL)
        Map().RemovePermanent(hDC, &from);
    from.m_hDC = from.m_hAttribDC = NULL;
    from.m_bPrinting = FALSE;
    to.m_hDC = hDC;
    to.m_hAttribDC = hAttribDC;
    to.m_bPrinting = bPrinting;
    if (hDC != NULL)
        Map().SetPermanent(hDC, &to);
}

} // namespace

CDC::CDC(CDC&& other) noexcept : m_hDC(NULL), m_hAttribDC(NULL), m_bPrinting(FALSE)
{
    MoveDC(*this, other);
}

CDC& CDC::operator=(CDC&& other) noexcept
{
    if (this != &other) {
        if (m_hDC != NULL)
            ::DeleteDC(Detach());
        MoveDC(*this, other);
    }
    return *this;
}

BOOL CDC::Attach(HDC hDC)
{
    if (hDC == NULL)
        return FALSE;
    if (m_hDC != NULL)
        Map().RemovePermanent(m_hDC, this);
    m_hDC = hDC;
    Map().SetPermanent(hDC, this);
    SetAttribDC(m_hDC);
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    if (hDC != NULL)
        Map().RemovePermanent(hDC, this);
    ReleaseAttribDC();
    ReleaseOutputDC();
    return hDC;
}

void CDC::SetAttribDC(HDC hDC) { m_hAttribDC = hDC; }
void CDC::SetOutputDC(HDC hDC) { m_hDC = hDC; }
void CDC::ReleaseAttribDC() { m_hAttribDC = NULL; }
void CDC::ReleaseOutputDC() { m_hDC = NULL; }

BOOL CDC::CreateDC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData)
{
    return Attach(::CreateDC(lpszDriverName, lpszDeviceName, lpszOutput, (const DEVMODE*)lpInitData));
}

BOOL CDC::CreateIC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData)
{
    return Attach(::CreateIC(lpszDriverName, lpszDeviceName, lpszOutput, (const DEVMODE*)lpInitData));
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    return Attach(::CreateCompatibleDC(pDC->GetSafeHdc()));
}

BOOL CDC::DeleteDC()
{
    if (m_hDC == NULL)
        return FALSE;
    return ::DeleteDC(Detach());
}

// With separate output and attribute handles both are saved; only -1 (the last state) can
// then be restored consistently, so that is what the caller gets.
int CDC::SaveDC()
{
    int nRetVal = 0;
    if (m_hAttribDC != NULL)
        nRetVal = ::SaveDC(m_hAttribDC);
    if (m_hDC != m_hAttribDC && ::SaveDC(m_hDC) != 0)
        nRetVal = -1;
    return nRetVal;
}

BOOL CDC::RestoreDC(int nSavedDC)
{
    BOOL bRetVal = TRUE;
    if (m_hDC != m_hAttribDC)
        bRetVal = ::RestoreDC(m_hDC, nSavedDC);
    if (m_hAttribDC != NULL)
        bRetVal = bRetVal && ::RestoreDC(m_hAttribDC, nSavedDC);
    return bRetVal;
}

int CDC::GetDeviceCaps(int nIndex) const
{
    return ::GetDeviceCaps(m_hAttribDC, nIndex);
}

CPoint CDC::GetBrushOrg() const
{
    POINT point = {0, 0};
    ::GetBrushOrgEx(m_hDC, &point);
    return point;
}

CPoint CDC::SetBrushOrg(int x, int y)
{
    POINT point = {0, 0};
    ::SetBrushOrgEx(m_hDC, x, y, &point);
    return point;
}

CPoint CDC::SetBrushOrg(POINT point)
{
    return SetBrushOrg(point.x, point.y);
}

/////////////////////////////////////////////////////////////////////////////
// Selection

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject)
{
    if (hObject == NULL)
        return NULL;
    HGDIOBJ hOld = NULL;
    if (m_hDC != m_hAttribDC && m_hDC != NULL)
        hOld = ::SelectObject(m_hDC, hObject);
    if (m_hAttribDC != NULL)
        hOld = ::SelectObject(m_hAttribDC, hObject);
    return hOld;
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
    return CGdiObject::FromHandle(SelectObject(pObject->GetSafeHandle()));
}

CPen* CDC::SelectObject(CPen* pPen)
{
    return (CPen*)CGdiObject::FromHandle(SelectObject(pPen->GetSafeHandle()));
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    return (CBrush*)CGdiObject::FromHandle(SelectObject(pBrush->GetSafeHandle()));
}

CFont* CDC::SelectObject(CFont* pFont)
{
    return (CFont*)CGdiObject::FromHandle(SelectObject(pFont->GetSafeHandle()));
}

// A bitmap can be selected into one DC only: the output handle.
CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    HGDIOBJ hBitmap = pBitmap->GetSafeHandle();
    if (hBitmap == NULL || m_hDC == NULL)
        return NULL;
    return (CBitmap*)CGdiObject::FromHandle(::SelectObject(m_hDC, hBitmap));
}

int CDC::SelectObject(CRgn* pRgn)
{
    return SelectClipRgn(pRgn);
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    return CGdiObject::FromHandle(SelectObject(::GetStockObject(nIndex)));
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground)
{
    return (CPalette*)CGdiObject::FromHandle(
        ::SelectPalette(m_hDC, (HPALETTE)pPalette->GetSafeHandle(), bForceBackground));
}

UINT CDC::RealizePalette()
{
    return ::RealizePalette(m_hDC);
}

CPen* CDC::GetCurrentPen() const
{
    return (CPen*)CGdiObject::FromHandle(::GetCurrentObject(m_hDC, OBJ_PEN));
}

CBrush* CDC::GetCurrentBrush() const
{
    return (CBrush*)CGdiObject::FromHandle(::GetCurrentObject(m_hDC, OBJ_BRUSH));
}

CFont* CDC::GetCurrentFont() const
{
    return (CFont*)CGdiObject::FromHandle(::GetCurrentObject(m_hDC, OBJ_FONT));
}

CBitmap* CDC::GetCurrentBitmap() const
{
    return (CBitmap*)CGdiObject::FromHandle(::GetCurrentObject(m_hDC, OBJ_BITMAP));
}

CPalette* CDC::GetCurrentPalette() const
{
    return (CPalette*)CGdiObject::FromHandle(::GetCurrentObject(m_hDC, OBJ_PAL));
}

/////////////////////////////////////////////////////////////////////////////
// Colours and modes

COLORREF CDC::GetNearestColor(COLORREF crColor) const { return ::GetNearestColor(m_hAttribDC, crColor); }
COLORREF CDC::GetBkColor() const { return ::GetBkColor(m_hAttribDC); }
COLORREF CDC::SetBkColor(COLORREF crColor) { return afx_gdi::SetOnBoth(*this, CLR_INVALID, ::SetBkColor, crColor); }
int CDC::GetBkMode() const { return ::GetBkMode(m_hAttribDC); }
int CDC::SetBkMode(int nBkMode) { return afx_gdi::SetOnBoth(*this, 0, ::SetBkMode, nBkMode); }
COLORREF CDC::GetTextColor() const { return ::GetTextColor(m_hAttribDC); }
COLORREF CDC::SetTextColor(COLORREF crColor) { return afx_gdi::SetOnBoth(*this, CLR_INVALID, ::SetTextColor, crColor); }
int CDC::GetROP2() const { return ::GetROP2(m_hAttribDC); }
int CDC::SetROP2(int nDrawMode) { return afx_gdi::SetOnBoth(*this, 0, ::SetROP2, nDrawMode); }
int CDC::GetPolyFillMode() const { return ::GetPolyFillMode(m_hAttribDC); }
int CDC::SetPolyFillMode(int nMode) { return afx_gdi::SetOnBoth(*this, 0, ::SetPolyFillMode, nMode); }
int CDC::GetStretchBltMode() const { return ::GetStretchBltMode(m_hAttribDC); }
int CDC::SetStretchBltMode(int nMode) { return afx_gdi::SetOnBoth(*this, 0, ::SetStretchBltMode, nMode); }
UINT CDC::GetTextAlign() const { return ::GetTextAlign(m_hAttribDC); }
UINT CDC::SetTextAlign(UINT nFlags) { return afx_gdi::SetOnBoth(*this, (UINT)GDI_ERROR, ::SetTextAlign, nFlags); }
int CDC::GetTextCharacterExtra() const { return ::GetTextCharacterExtra(m_hAttribDC); }
int CDC::SetTextCharacterExtra(int nExtra)
{
    return afx_gdi::SetOnBoth(*this, (int)0x80000000, ::SetTextCharacterExtra, nExtra);
}

/////////////////////////////////////////////////////////////////////////////
// Mapping

int CDC::GetMapMode() const { return ::GetMapMode(m_hAttribDC); }
int CDC::SetMapMode(int nMapMode) { return afx_gdi::SetOnBoth(*this, 0, ::SetMapMode, nMapMode); }

CPoint CDC::GetViewportOrg() const
{
    POINT point = {0, 0};
    ::GetViewportOrgEx(m_hAttribDC, &point);
    return point;
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    return afx_gdi::SetOutOnBoth<CPoint>(*this, ::SetViewportOrgEx, x, y);
}

CPoint CDC::SetViewportOrg(POINT point) { return SetViewportOrg(point.x, point.y); }

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    return afx_gdi::SetOutOnBoth<CPoint>(*this, ::OffsetViewportOrgEx, nWidth, nHeight);
}

CSize CDC::GetViewportExt() const
{
    SIZE size = {0, 0};
    ::GetViewportExtEx(m_hAttribDC, &size);
    return size;
}

CSize CDC::SetViewportExt(int cx, int cy)
{
    return afx_gdi::SetOutOnBoth<CSize>(*this, ::SetViewportExtEx, cx, cy);
}

CSize CDC::SetViewportExt(SIZE size) { return SetViewportExt(size.cx, size.cy); }

CSize CDC::ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom)
{
    return afx_gdi::SetOutOnBoth<CSize>(*this, ::ScaleViewportExtEx, xNum, xDenom, yNum, yDenom);
}

CPoint CDC::GetWindowOrg() const
{
    POINT point = {0, 0};
    ::GetWindowOrgEx(m_hAttribDC, &point);
    return point;
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    return afx_gdi::SetOutOnBoth<CPoint>(*this, ::SetWindowOrgEx, x, y);
}

CPoint CDC::SetWindowOrg(POINT point) { return SetWindowOrg(point.x, point.y); }

CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight)
{
    return afx_gdi::SetOutOnBoth<CPoint>(*this, ::OffsetWindowOrgEx, nWidth, nHeight);
}

CSize CDC::GetWindowExt() const
{
    SIZE size = {0, 0};
    ::GetWindowExtEx(m_hAttribDC, &size);
    return size;
}

CSize CDC::SetWindowExt(int cx, int cy)
{
    return afx_gdi::SetOutOnBoth<CSize>(*this, ::SetWindowExtEx, cx, cy);
}

CSize CDC::SetWindowExt(SIZE size) { return SetWindowExt(size.cx, size.cy); }

CSize CDC::ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom)
{
    return afx_gdi::SetOutOnBoth<CSize>(*this, ::ScaleWindowExtEx, xNum, xDenom, yNum, yDenom);
}

void CDC::DPtoLP(LPPOINT lpPoints, int nCount) const { ::DPtoLP(m_hAttribDC, lpPoints, nCount); }
void CDC::DPtoLP(LPRECT lpRect) const { ::DPtoLP(m_hAttribDC, (LPPOINT)lpRect, 2); }
void CDC::LPtoDP(LPPOINT lpPoints, int nCount) const { ::LPtoDP(m_hAttribDC, lpPoints, nCount); }
void CDC::LPtoDP(LPRECT lpRect) const { ::LPtoDP(m_hAttribDC, (LPPOINT)lpRect, 2); }

// Sizes are distances: only the extents' ratio applies, not the origins or the axis directions.
void CDC::DPtoLP(LPSIZE lpSize) const
{
    CSize winExt = GetWindowExt();
    CSize vpExt = GetViewportExt();
    if (vpExt.cx == 0 || vpExt.cy == 0)
        return;
    lpSize->cx = ::MulDiv(lpSize->cx, abs(winExt.cx), abs(vpExt.cx));
    lpSize->cy = ::MulDiv(lpSize->cy, abs(winExt.cy), abs(vpExt.cy));
}

void CDC::LPtoDP(LPSIZE lpSize) const
{
    CSize winExt = GetWindowExt();
    CSize vpExt = GetViewportExt();
    if (winExt.cx == 0 || winExt.cy == 0)
        return;
    lpSize->cx = ::MulDiv(lpSize->cx, abs(vpExt.cx), abs(winExt.cx));
    lpSize->cy = ::MulDiv(lpSize->cy, abs(vpExt.cy), abs(winExt.cy));
}
