// GDI wrappers: geometry values, drawing objects (pens, brushes, fonts, bitmaps, regions,
// palettes) and device contexts. Included by afxwin.h.
#pragma once

#include "afx.h"
#include "afxgdi_geom_.h"

class CDC;
class CBitmap;
class CWnd;

// True when p is null. Member functions that must work on a null object ("GetSafeHandle")
// test `this` through this helper so the compiler cannot assume it is non-null.
template <class T>
inline bool AfxIsNullObject_(const T* p) noexcept
{
    const void* q = p;
    __asm__("" : "+r"(q));
    return q == nullptr;
}

/////////////////////////////////////////////////////////////////////////////
// Drawing objects

// Owns one GDI object handle (deleted with the wrapper unless detached first). Wrappers made by
// FromHandle for handles nobody attached are temporary: they belong to the thread's temporary
// map and live until DeleteTempMap, which the thread's idle processing calls.
class AFX_PLATFORM_API CGdiObject : public CObject
{
    DECLARE_DYNCREATE(CGdiObject)
public:
    HGDIOBJ m_hObject;

    CGdiObject() noexcept : m_hObject(NULL) {}
    virtual ~CGdiObject();
    // Moving hands the handle (and its place in the handle map) to the new wrapper; the moved-from
    // wrapper is empty. A wrapper moved onto deletes the object it held.
    CGdiObject(CGdiObject&& other) noexcept : m_hObject(NULL) { MoveFrom_(other); }
    CGdiObject& operator=(CGdiObject&& other) noexcept;

    operator HGDIOBJ() const { return AfxIsNullObject_(this) ? NULL : m_hObject; }
    HGDIOBJ GetSafeHandle() const { return AfxIsNullObject_(this) ? NULL : m_hObject; }

    static CGdiObject* PASCAL FromHandle(HGDIOBJ hObject);
    static void PASCAL DeleteTempMap();
    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();

    BOOL DeleteObject();
    int GetObject(int nCount, LPVOID lpObject) const;
    UINT GetObjectType() const;
    BOOL CreateStockObject(int nIndex);
    BOOL UnrealizeObject();
    BOOL operator==(const CGdiObject& obj) const { return obj.m_hObject == m_hObject; }
    BOOL operator!=(const CGdiObject& obj) const { return obj.m_hObject != m_hObject; }

protected:
    void MoveFrom_(CGdiObject& other) noexcept;
};

// Number of temporary CDC and GDI object wrappers alive in the whole process (diagnostics and
// tests).
AFX_PLATFORM_API int AFXAPI AfxGetTempGdiCount();

// Move operations of the typed wrappers: the same handle transfer as CGdiObject's.
#define AFX_GDI_MOVABLE_(Class)                                                                            \
    Class(Class&& other) noexcept : CGdiObject(static_cast<CGdiObject&&>(other)) {}                       \
    Class& operator=(Class&& other) noexcept                                                               \
    {                                                                                                      \
        CGdiObject::operator=(static_cast<CGdiObject&&>(other));                                           \
        return *this;                                                                                      \
    }

class AFX_PLATFORM_API CPen : public CGdiObject
{
    DECLARE_DYNAMIC(CPen)
public:
    CPen() noexcept {}
    CPen(int nPenStyle, int nWidth, COLORREF crColor); // throws CResourceException on failure
    CPen(int nPenStyle, int nWidth, const LOGBRUSH* pLogBrush, int nStyleCount = 0,
         const DWORD* lpStyle = NULL);
    virtual ~CPen();
    AFX_GDI_MOVABLE_(CPen)

    static CPen* PASCAL FromHandle(HPEN hPen) { return (CPen*)CGdiObject::FromHandle(hPen); }
    operator HPEN() const { return (HPEN)(AfxIsNullObject_(this) ? NULL : m_hObject); }

    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
    BOOL CreatePen(int nPenStyle, int nWidth, const LOGBRUSH* pLogBrush, int nStyleCount = 0,
                   const DWORD* lpStyle = NULL);
    BOOL CreatePenIndirect(LPLOGPEN lpLogPen);
    int GetLogPen(LOGPEN* pLogPen) const;
    int GetExtLogPen(EXTLOGPEN* pLogPen) const;
};

class AFX_PLATFORM_API CBrush : public CGdiObject
{
    DECLARE_DYNAMIC(CBrush)
public:
    CBrush() noexcept {}
    explicit CBrush(COLORREF crColor);          // solid; throws CResourceException on failure
    CBrush(int nIndex, COLORREF crColor);       // hatched
    explicit CBrush(CBitmap* pBitmap);          // pattern
    virtual ~CBrush();
    AFX_GDI_MOVABLE_(CBrush)

    static CBrush* PASCAL FromHandle(HBRUSH hBrush) { return (CBrush*)CGdiObject::FromHandle(hBrush); }
    operator HBRUSH() const { return (HBRUSH)(AfxIsNullObject_(this) ? NULL : m_hObject); }

    BOOL CreateSolidBrush(COLORREF crColor);
    BOOL CreateHatchBrush(int nIndex, COLORREF crColor);
    BOOL CreateBrushIndirect(const LOGBRUSH* lpLogBrush);
    BOOL CreatePatternBrush(CBitmap* pBitmap);
    BOOL CreateDIBPatternBrush(const void* lpPackedDIB, UINT nUsage);
    BOOL CreateSysColorBrush(int nIndex);
    int GetLogBrush(LOGBRUSH* pLogBrush) const;
};

class AFX_PLATFORM_API CFont : public CGdiObject
{
    DECLARE_DYNAMIC(CFont)
public:
    CFont() noexcept {}
    virtual ~CFont();
    AFX_GDI_MOVABLE_(CFont)

    static CFont* PASCAL FromHandle(HFONT hFont) { return (CFont*)CGdiObject::FromHandle(hFont); }
    operator HFONT() const { return (HFONT)(AfxIsNullObject_(this) ? NULL : m_hObject); }

    BOOL CreateFontIndirect(const LOGFONT* lpLogFont);
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                    BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision,
                    BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily, LPCTSTR lpszFacename);
    // nPointSize in tenths of a point, converted with pDC's attribute DC (the screen when null).
    BOOL CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC = NULL);
    BOOL CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC = NULL);
    int GetLogFont(LOGFONT* pLogFont) const;
};

class AFX_PLATFORM_API CBitmap : public CGdiObject
{
    DECLARE_DYNAMIC(CBitmap)
public:
    CBitmap() noexcept {}
    virtual ~CBitmap();
    AFX_GDI_MOVABLE_(CBitmap)

    static CBitmap* PASCAL FromHandle(HBITMAP hBitmap) { return (CBitmap*)CGdiObject::FromHandle(hBitmap); }
    operator HBITMAP() const { return (HBITMAP)(AfxIsNullObject_(this) ? NULL : m_hObject); }

    // Loaded from the module that AfxFindResourceHandle names for the bitmap.
    BOOL LoadBitmap(LPCTSTR lpszResourceName);
    BOOL LoadBitmap(UINT nIDResource);
    BOOL LoadOEMBitmap(UINT nIDBitmap);
    BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits);
    BOOL CreateBitmapIndirect(LPBITMAP lpBitmap);
    BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
    BOOL CreateDiscardableBitmap(CDC* pDC, int nWidth, int nHeight);

    int GetBitmap(BITMAP* pBitMap) const;
    DWORD SetBitmapBits(DWORD dwCount, const void* lpBits);
    DWORD GetBitmapBits(DWORD dwCount, LPVOID lpBits) const;
    CSize SetBitmapDimension(int nWidth, int nHeight);
    CSize GetBitmapDimension() const;
};

class AFX_PLATFORM_API CPalette : public CGdiObject
{
    DECLARE_DYNAMIC(CPalette)
public:
    CPalette() noexcept {}
    virtual ~CPalette();
    AFX_GDI_MOVABLE_(CPalette)

    static CPalette* PASCAL FromHandle(HPALETTE hPalette)
    {
        return (CPalette*)CGdiObject::FromHandle(hPalette);
    }
    operator HPALETTE() const { return (HPALETTE)(AfxIsNullObject_(this) ? NULL : m_hObject); }

    BOOL CreatePalette(LPLOGPALETTE lpLogPalette);
    BOOL CreateHalftonePalette(CDC* pDC);
    int GetEntryCount();
    UINT GetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) const;
    UINT SetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors);
    UINT GetNearestPaletteIndex(COLORREF crColor) const;
};

class AFX_PLATFORM_API CRgn : public CGdiObject
{
    DECLARE_DYNAMIC(CRgn)
public:
    CRgn() noexcept {}
    virtual ~CRgn();
    AFX_GDI_MOVABLE_(CRgn)

    static CRgn* PASCAL FromHandle(HRGN hRgn) { return (CRgn*)CGdiObject::FromHandle(hRgn); }
    operator HRGN() const { return (HRGN)(AfxIsNullObject_(this) ? NULL : m_hObject); }

    BOOL CreateRectRgn(int x1, int y1, int x2, int y2);
    BOOL CreateRectRgnIndirect(LPCRECT lpRect);
    BOOL CreateEllipticRgn(int x1, int y1, int x2, int y2);
    BOOL CreateEllipticRgnIndirect(LPCRECT lpRect);
    BOOL CreatePolygonRgn(const POINT* lpPoints, int nCount, int nMode);
    BOOL CreatePolyPolygonRgn(const POINT* lpPoints, const INT* lpPolyCounts, int nCount, int nPolyFillMode);
    BOOL CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3);
    BOOL CreateFromPath(CDC* pDC);
    BOOL CreateFromData(const XFORM* lpXForm, int nCount, const RGNDATA* pRgnData);

    void SetRectRgn(int x1, int y1, int x2, int y2);
    void SetRectRgn(LPCRECT lpRect);
    // Results are the region type (NULLREGION, SIMPLEREGION, COMPLEXREGION) or ERROR.
    int CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode);
    int CopyRgn(const CRgn* pRgnSrc);
    BOOL EqualRgn(const CRgn* pRgn) const;
    int OffsetRgn(int x, int y);
    int OffsetRgn(POINT point);
    int GetRgnBox(LPRECT lpRect) const;
    BOOL PtInRegion(int x, int y) const;
    BOOL PtInRegion(POINT point) const;
    BOOL RectInRegion(LPCRECT lpRect) const;
    int GetRegionData(LPRGNDATA lpRgnData, int nCount) const;
};

/////////////////////////////////////////////////////////////////////////////
// Device contexts

// Output goes to m_hDC, attribute queries read m_hAttribDC (the same handle unless a derived
// class separates them); attribute setters change both.
class AFX_PLATFORM_API CDC : public CObject
{
    DECLARE_DYNCREATE(CDC)
public:
    HDC m_hDC;
    HDC m_hAttribDC;
    BOOL m_bPrinting;

    CDC() noexcept : m_hDC(NULL), m_hAttribDC(NULL), m_bPrinting(FALSE) {}
    virtual ~CDC();
    // Moving hands the handles (and the handle-map entry) over; the moved-from wrapper is empty.
    // A wrapper moved onto deletes the DC it held. Only plain CDCs move: paint, client and window
    // DCs stay with the window they were taken from.
    CDC(CDC&& other) noexcept;
    CDC& operator=(CDC&& other) noexcept;

    HDC GetSafeHdc() const { return AfxIsNullObject_(this) ? NULL : m_hDC; }
    operator HDC() const { return AfxIsNullObject_(this) ? NULL : m_hDC; }
    CWnd* GetWindow() const;

    static CDC* PASCAL FromHandle(HDC hDC);
    static void PASCAL DeleteTempMap();
    BOOL Attach(HDC hDC);
    HDC Detach();

    virtual void SetAttribDC(HDC hDC);
    virtual void SetOutputDC(HDC hDC);
    virtual void ReleaseAttribDC();
    virtual void ReleaseOutputDC();

    BOOL IsPrinting() const { return m_bPrinting; }

    BOOL CreateDC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData);
    BOOL CreateIC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData);
    BOOL CreateCompatibleDC(CDC* pDC);
    BOOL DeleteDC();

    virtual int SaveDC();
    virtual BOOL RestoreDC(int nSavedDC);
    int GetDeviceCaps(int nIndex) const;

    CPoint GetBrushOrg() const;
    CPoint SetBrushOrg(int x, int y);
    CPoint SetBrushOrg(POINT point);

    // Selection: each returns the object that was selected before (a permanent wrapper when one
    // is attached to that handle, else a temporary one), or null on failure.
    CPen* SelectObject(CPen* pPen);
    CBrush* SelectObject(CBrush* pBrush);
    virtual CFont* SelectObject(CFont* pFont);
    CBitmap* SelectObject(CBitmap* pBitmap);
    int SelectObject(CRgn* pRgn); // region type, as SelectClipRgn
    CGdiObject* SelectObject(CGdiObject* pObject);
    HGDIOBJ SelectObject(HGDIOBJ hObject);
    virtual CGdiObject* SelectStockObject(int nIndex);
    CPalette* SelectPalette(CPalette* pPalette, BOOL bForceBackground);
    UINT RealizePalette();

    CPen* GetCurrentPen() const;
    CBrush* GetCurrentBrush() const;
    CFont* GetCurrentFont() const;
    CBitmap* GetCurrentBitmap() const;
    CPalette* GetCurrentPalette() const;

    // Colours and modes
    COLORREF GetNearestColor(COLORREF crColor) const;
    COLORREF GetBkColor() const;
    virtual COLORREF SetBkColor(COLORREF crColor);
    int GetBkMode() const;
    int SetBkMode(int nBkMode);
    COLORREF GetTextColor() const;
    virtual COLORREF SetTextColor(COLORREF crColor);
    int GetROP2() const;
    int SetROP2(int nDrawMode);
    int GetPolyFillMode() const;
    int SetPolyFillMode(int nPolyFillMode);
    int GetStretchBltMode() const;
    int SetStretchBltMode(int nStretchMode);
    UINT GetTextAlign() const;
    UINT SetTextAlign(UINT nFlags);
    int GetTextCharacterExtra() const;
    int SetTextCharacterExtra(int nCharExtra);

    // Mapping
    int GetMapMode() const;
    virtual int SetMapMode(int nMapMode);
    CPoint GetViewportOrg() const;
    virtual CPoint SetViewportOrg(int x, int y);
    CPoint SetViewportOrg(POINT point);
    virtual CPoint OffsetViewportOrg(int nWidth, int nHeight);
    CSize GetViewportExt() const;
    virtual CSize SetViewportExt(int cx, int cy);
    CSize SetViewportExt(SIZE size);
    virtual CSize ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom);
    CPoint GetWindowOrg() const;
    CPoint SetWindowOrg(int x, int y);
    CPoint SetWindowOrg(POINT point);
    CPoint OffsetWindowOrg(int nWidth, int nHeight);
    CSize GetWindowExt() const;
    virtual CSize SetWindowExt(int cx, int cy);
    CSize SetWindowExt(SIZE size);
    virtual CSize ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom);
    void DPtoLP(LPPOINT lpPoints, int nCount = 1) const;
    void DPtoLP(LPRECT lpRect) const;
    void DPtoLP(LPSIZE lpSize) const;
    void LPtoDP(LPPOINT lpPoints, int nCount = 1) const;
    void LPtoDP(LPRECT lpRect) const;
    void LPtoDP(LPSIZE lpSize) const;

    // Regions and clipping
    BOOL FillRgn(CRgn* pRgn, CBrush* pBrush);
    BOOL FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight);
    BOOL InvertRgn(CRgn* pRgn);
    BOOL PaintRgn(CRgn* pRgn);
    virtual int GetClipBox(LPRECT lpRect) const;
    BOOL PtVisible(int x, int y) const;
    BOOL PtVisible(POINT point) const;
    BOOL RectVisible(LPCRECT lpRect) const;
    int SelectClipRgn(CRgn* pRgn); // null removes the clipping region
    int SelectClipRgn(CRgn* pRgn, int nMode);
    int ExcludeClipRect(int x1, int y1, int x2, int y2);
    int ExcludeClipRect(LPCRECT lpRect);
    int IntersectClipRect(int x1, int y1, int x2, int y2);
    int IntersectClipRect(LPCRECT lpRect);
    int OffsetClipRgn(int x, int y);
    int OffsetClipRgn(SIZE size);

    // Lines and curves
    CPoint GetCurrentPosition() const;
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point);
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT point);
    BOOL Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    BOOL Arc(LPCRECT lpRect, POINT ptStart, POINT ptEnd);
    BOOL ArcTo(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    BOOL AngleArc(int x, int y, int nRadius, float fStartAngle, float fSweepAngle);
    BOOL Polyline(const POINT* lpPoints, int nCount);
    BOOL PolylineTo(const POINT* lpPoints, int nCount);
    BOOL PolyPolyline(const POINT* lpPoints, const DWORD* lpPolyPoints, int nCount);
    BOOL PolyBezier(const POINT* lpPoints, int nCount);
    BOOL PolyBezierTo(const POINT* lpPoints, int nCount);

    // Simple drawing
    void FillRect(LPCRECT lpRect, CBrush* pBrush);
    void FrameRect(LPCRECT lpRect, CBrush* pBrush);
    void InvertRect(LPCRECT lpRect);
    BOOL DrawIcon(int x, int y, HICON hIcon);
    BOOL DrawIcon(POINT point, HICON hIcon);
    void DrawFocusRect(LPCRECT lpRect);
    BOOL DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags);
    BOOL DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState);
    // Leaves the background colour set to clr, as the framework does.
    void FillSolidRect(LPCRECT lpRect, COLORREF clr);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr);
    void Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight);

    // Closed shapes (outlined with the pen, filled with the brush)
    BOOL Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    BOOL Chord(LPCRECT lpRect, POINT ptStart, POINT ptEnd);
    BOOL Ellipse(int x1, int y1, int x2, int y2);
    BOOL Ellipse(LPCRECT lpRect);
    BOOL Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    BOOL Pie(LPCRECT lpRect, POINT ptStart, POINT ptEnd);
    BOOL Polygon(const POINT* lpPoints, int nCount);
    BOOL PolyPolygon(const POINT* lpPoints, const INT* lpPolyCounts, int nCount);
    BOOL Rectangle(int x1, int y1, int x2, int y2);
    BOOL Rectangle(LPCRECT lpRect);
    BOOL RoundRect(int x1, int y1, int x2, int y2, int x3, int y3);
    BOOL RoundRect(LPCRECT lpRect, POINT point);

    // Bitmaps
    BOOL PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop);
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);
    BOOL StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                    int nSrcWidth, int nSrcHeight, DWORD dwRop);
    BOOL MaskBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                 CBitmap& maskBitmap, int xMask, int yMask, DWORD dwRop);
    BOOL TransparentBlt(int xDest, int yDest, int nDestWidth, int nDestHeight, CDC* pSrcDC, int xSrc,
                        int ySrc, int nSrcWidth, int nSrcHeight, UINT clrTransparent);
    BOOL AlphaBlend(int xDest, int yDest, int nDestWidth, int nDestHeight, CDC* pSrcDC, int xSrc,
                    int ySrc, int nSrcWidth, int nSrcHeight, BLENDFUNCTION blend);
    BOOL GradientFill(TRIVERTEX* pVertices, ULONG nVertices, void* pMesh, ULONG nMeshElements, DWORD dwMode);
    COLORREF GetPixel(int x, int y) const;
    COLORREF GetPixel(POINT point) const;
    COLORREF SetPixel(int x, int y, COLORREF crColor);
    COLORREF SetPixel(POINT point, COLORREF crColor);
    BOOL SetPixelV(int x, int y, COLORREF crColor);
    BOOL SetPixelV(POINT point, COLORREF crColor);
    BOOL FloodFill(int x, int y, COLORREF crColor);
    BOOL ExtFloodFill(int x, int y, COLORREF crColor, UINT nFillType);

    // Text
    virtual BOOL TextOut(int x, int y, LPCTSTR lpszString, int nCount);
    BOOL TextOut(int x, int y, const CString& str);
    virtual BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount,
                            LPINT lpDxWidths);
    BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str, LPINT lpDxWidths);
    virtual CSize TabbedTextOut(int x, int y, LPCTSTR lpszString, int nCount, int nTabPositions,
                                LPINT lpnTabStopPositions, int nTabOrigin);
    CSize TabbedTextOut(int x, int y, const CString& str, int nTabPositions, LPINT lpnTabStopPositions,
                        int nTabOrigin);
    virtual int DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat);
    int DrawText(const CString& str, LPRECT lpRect, UINT nFormat);
    virtual int DrawTextEx(LPTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat,
                           LPDRAWTEXTPARAMS lpDTParams);
    int DrawTextEx(const CString& str, LPRECT lpRect, UINT nFormat, LPDRAWTEXTPARAMS lpDTParams);
    CSize GetTextExtent(LPCTSTR lpszString, int nCount) const;
    CSize GetTextExtent(const CString& str) const;
    CSize GetOutputTextExtent(LPCTSTR lpszString, int nCount) const;
    CSize GetOutputTextExtent(const CString& str) const;
    CSize GetTabbedTextExtent(LPCTSTR lpszString, int nCount, int nTabPositions, LPINT lpnTabStopPositions) const;
    CSize GetTabbedTextExtent(const CString& str, int nTabPositions, LPINT lpnTabStopPositions) const;
    int GetTextFace(int nCount, LPTSTR lpszFacename) const;
    int GetTextFace(CString& rString) const;
    BOOL GetTextMetrics(LPTEXTMETRIC lpMetrics) const;
    BOOL GetOutputTextMetrics(LPTEXTMETRIC lpMetrics) const;
    BOOL GetCharWidth(UINT nFirstChar, UINT nLastChar, LPINT lpBuffer) const;

    // Scrolling
    BOOL ScrollDC(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip, CRgn* pRgnUpdate, LPRECT lpRectUpdate);

    // Paths
    BOOL BeginPath();
    BOOL EndPath();
    BOOL AbortPath();
    BOOL CloseFigure();
    BOOL StrokePath();
    BOOL FillPath();
    BOOL StrokeAndFillPath();

    // Printing
    int StartDoc(LPDOCINFO lpDocInfo);
    int StartDoc(LPCTSTR lpszDocName);
    int StartPage();
    int EndPage();
    int EndDoc();
    int AbortDoc();
    int SetAbortProc(BOOL(CALLBACK* lpfn)(HDC, int));
    virtual int Escape(int nEscape, int nCount, LPCSTR lpszInData, LPVOID lpOutData);

private:
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
};

// Selects one object into a DC for the guard's life and puts back what was selected before,
// on the raw handles: no handle-map lookup and no temporary wrapper per selection (what
// CDC::SelectObject returns costs both). Guards nest; destroy them in reverse order, as scopes do.
class CDCSelectGuard
{
public:
    CDCSelectGuard(HDC hDC, HGDIOBJ hObject) noexcept
        : m_hDC(hDC), m_hOld(hDC != NULL && hObject != NULL ? ::SelectObject(hDC, hObject) : NULL)
    {
    }
    CDCSelectGuard(CDC& dc, const CGdiObject& object) noexcept : CDCSelectGuard(dc.m_hDC, object.m_hObject) {}
    CDCSelectGuard(CDC* pDC, const CGdiObject* pObject) noexcept
        : CDCSelectGuard(pDC->GetSafeHdc(), pObject->GetSafeHandle())
    {
    }
    CDCSelectGuard(CDCSelectGuard&& other) noexcept : m_hDC(other.m_hDC), m_hOld(other.m_hOld)
    {
        other.m_hOld = NULL;
    }
    ~CDCSelectGuard() { Restore(); }
    CDCSelectGuard(const CDCSelectGuard&) = delete;
    CDCSelectGuard& operator=(const CDCSelectGuard&) = delete;
    CDCSelectGuard& operator=(CDCSelectGuard&&) = delete;

    // What the DC held before (null when nothing was selected: a null DC or object, a failure).
    HGDIOBJ GetOldObject() const { return m_hOld; }
    // Puts the previous object back now; the guard then does nothing more.
    void Restore() noexcept
    {
        if (m_hOld != NULL)
            ::SelectObject(m_hDC, m_hOld);
        m_hOld = NULL;
    }

private:
    HDC m_hDC;
    HGDIOBJ m_hOld;
};

// BeginPaint/EndPaint around the wrapper's life.
class AFX_PLATFORM_API CPaintDC : public CDC
{
    DECLARE_DYNAMIC(CPaintDC)
public:
    explicit CPaintDC(CWnd* pWnd); // throws CResourceException when BeginPaint fails
    virtual ~CPaintDC();

    PAINTSTRUCT m_ps;

protected:
    HWND m_hWnd;
};

// GetDC/ReleaseDC of the client area (the whole screen for a null window).
class AFX_PLATFORM_API CClientDC : public CDC
{
    DECLARE_DYNAMIC(CClientDC)
public:
    explicit CClientDC(CWnd* pWnd); // throws CResourceException when GetDC fails
    virtual ~CClientDC();

protected:
    HWND m_hWnd;
};

// GetWindowDC/ReleaseDC of the whole window, frame included.
class AFX_PLATFORM_API CWindowDC : public CDC
{
    DECLARE_DYNAMIC(CWindowDC)
public:
    explicit CWindowDC(CWnd* pWnd); // throws CResourceException when GetWindowDC fails
    virtual ~CWindowDC();

protected:
    HWND m_hWnd;
};
