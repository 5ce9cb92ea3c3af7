#include "title_common.h"

#include "TitleBar.h"

namespace titlebar {

CRect CaptionRect(HWND hWnd, int height)
{
    CRect rect;
    ::GetWindowRect(hWnd, &rect);
    rect.bottom = rect.top + height;
    return rect;
}

void TakeFrame(RECT& rect, int captionHeight)
{
    rect.top += captionHeight;
    rect.left += 1;
    rect.right -= 1;
    rect.bottom -= 1;
}

void SetStyleBit(UINT& style, UINT bit, BOOL on)
{
    style = on ? (style | bit) : (style & ~bit);
}

void StayOnTop(HWND hWnd, BOOL onTop)
{
    ::SetWindowPos(hWnd, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void CreateFonts(HWND hWnd, CFont*& normal, CFont*& bold, int& normalHeight, int& boldHeight)
{
    normal = new CFont;
    bold = new CFont;
    normal->CreateFont(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, FF_SWISS, "굴림체");
    bold->CreateFont(12, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, FF_SWISS, "굴림체");
    HDC hDC = ::GetDC(hWnd);
    const char* sample = "한";
    SIZE size;
    HGDIOBJ old = ::SelectObject(hDC, normal->GetSafeHandle());
    ::GetTextExtentPoint32A(hDC, sample, 2, &size);
    normalHeight = size.cy;
    ::SelectObject(hDC, bold->GetSafeHandle());
    ::GetTextExtentPoint32A(hDC, sample, 2, &size);
    boldHeight = size.cy;
    ::SelectObject(hDC, old);
    ::ReleaseDC(hWnd, hDC);
}

void RemovePlatformFrame(HWND hWnd)
{
    CWnd::ModifyStyle(hWnd, WS_CAPTION | WS_THICKFRAME | 0x100, 0, 0);
    CWnd::ModifyStyleEx(hWnd, WS_EX_DLGMODALFRAME, 0, 0);
    ::SetWindowPos(hWnd, NULL, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_FRAMECHANGED);
}

UINT HitEdges(HWND hWnd, CPoint point, UINT sizingMask)
{
    CRect window;
    ::GetWindowRect(hWnd, &window);
    if (!window.PtInRect(point))
        return HTNOWHERE;
    const int fx = ::GetSystemMetrics(SM_CXDLGFRAME), fy = ::GetSystemMetrics(SM_CYDLGFRAME);
    UINT edges = 0;
    if (point.y < window.top + fy)
        edges |= 2;
    if (point.x < window.left + fx)
        edges |= 1;
    if (point.x >= window.right - fx)
        edges |= 4;
    if (point.y >= window.bottom - fy)
        edges |= 8;
    switch (edges & sizingMask) {
    case 1: return HTLEFT;
    case 2: return HTTOP;
    case 3: return HTTOPLEFT;
    case 4: return HTRIGHT;
    case 6: return HTTOPRIGHT;
    case 8: return HTBOTTOM;
    case 9: return HTBOTTOMLEFT;
    case 12: return HTBOTTOMRIGHT;
    default: return HTCLIENT;
    }
}

bool IsEdge(UINT hitCode)
{
    return hitCode >= HTLEFT && hitCode <= HTBOTTOMRIGHT;
}

void StartSizing(HWND hWnd, UINT hitCode)
{
    ::SendMessageA(hWnd, WM_SYSCOMMAND, SC_SIZE + (hitCode - 9), 0);
}

void DrawFrame(HWND hWnd)
{
    CRect window;
    ::GetWindowRect(hWnd, &window);
    window.OffsetRect(-window.left, -window.top);
    HDC hDC = ::GetWindowDC(hWnd);
    if (hDC == NULL)
        return;
    const int saved = ::SaveDC(hDC);
    ::ExcludeClipRect(hDC, 1, 1, window.right - 1, window.bottom - 1);
    HPEN pen = ::CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    ::SelectObject(hDC, pen);
    ::SelectObject(hDC, ::GetStockObject(NULL_BRUSH));
    ::Rectangle(hDC, 0, 0, window.right, window.bottom);
    ::RestoreDC(hDC, saved);
    ::DeleteObject(pen);
    ::ReleaseDC(hWnd, hDC);
}

UINT ShowState(HWND hWnd)
{
    WINDOWPLACEMENT placement = {sizeof placement};
    ::GetWindowPlacement(hWnd, &placement);
    return placement.showCmd;
}

int PlaceLeftOf(CSysButton& button, int x, int gap, int top)
{
    button.SetPosition(CPoint(x - gap - button.GetSize().cx, top));
    return button.GetRect().left;
}

bool Activate(HWND hWnd, BOOL flag, UINT style, BOOL& active)
{
    BOOL look = flag ? TRUE : FALSE;
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd != NULL && (pWnd->m_nFlags & WF_STAYACTIVE))
        look = TRUE;
    if (!::IsWindowEnabled(hWnd))
        look = FALSE;
    if (!(style & TITLEBAR_TOOLWINDOW)) {
        CFrameWnd* frame = CWnd::FromHandle(hWnd)->GetTopLevelFrame();
        if (frame != NULL && frame->GetSafeHwnd() != NULL && frame->GetSafeHwnd() != hWnd)
            ::PostMessageA(frame->GetSafeHwnd(), WM_NCACTIVATE, look, 0);
    } else if (!look && ::GetForegroundWindow() == hWnd) {
        return false;
    }
    if (look == active)
        return false;
    active = look;
    return true;
}

void SyncPaint(HWND hWnd)
{
    ::RedrawWindow(hWnd, NULL, NULL, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW);
}

bool HitOutsideCaption(HWND hWnd, CPoint point, const CRect& caption, UINT sizingMask, UINT& lastHit, UINT& code)
{
    code = HitEdges(hWnd, point, sizingMask);
    if (code != HTCLIENT) {
        if (code != HTNOWHERE)
            lastHit = code;
        return true;
    }
    return !caption.PtInRect(point);
}

UINT HitWindowButtons(CPoint local, UINT style, const CSysButton& min, const CSysButton& max,
                      const CSysButton& restore, const CSysButton& close)
{
    if (close.IsOver(local))
        return HTTB_CLOSE;
    if (style & TITLEBAR_MINBUTTON) {
        if (min.IsOver(local))
            return HTTB_MINBUTTON;
        if (max.IsOver(local))
            return HTNOWHERE;
        if (restore.IsOver(local))
            return HTTB_RESTORE;
    }
    return (style & TITLEBAR_NOMOVE) ? HTCLIENT : HTCAPTION;
}

void TrackHover(HWND hWnd, UINT& lastHit, UINT code, CSysButton* left, CSysButton* entered, CBitmap& image)
{
    if (code == lastHit)
        return;
    if (left != NULL) {
        left->SetOver(FALSE);
        left->SetPressed(FALSE);
        DrawButtonInto(image, *left);
    }
    if (entered != NULL) {
        entered->SetOver(TRUE);
        DrawButtonInto(image, *entered);
    }
    lastHit = code;
    ::SendMessageA(hWnd, WM_NCPAINT, 0, 0);
}

void Press(HWND hWnd, UINT hitCode, CSysButton* button, CBitmap& image, UINT style)
{
    if (IsEdge(hitCode))
        StartSizing(hWnd, hitCode);
    else if (button != NULL && button->SetPressed(TRUE))
        DrawButtonInto(image, *button);
    ::SendMessageA(hWnd, WM_NCPAINT, 0, 0);
    if (style & TITLEBAR_TOOLWINDOW) {
        if (CWnd* main = AfxGetMainWnd())
            ::PostMessageA(main->GetSafeHwnd(), WM_TITLEBAR_NCCLICK, 0, 0);
    }
}

bool Release(CSysButton* button, CBitmap& image)
{
    if (button == NULL || !button->IsPressed())
        return false;
    button->SetPressed(FALSE);
    DrawButtonInto(image, *button);
    return true;
}

void ActOnWindowButton(HWND hWnd, UINT hitCode)
{
    switch (hitCode) {
    case HTTB_MINBUTTON: ::ShowWindow(hWnd, SW_MINIMIZE); break;
    case HTTB_MAXBUTTON: ::ShowWindow(hWnd, SW_MAXIMIZE); break;
    case HTTB_RESTORE: ::ShowWindow(hWnd, SW_RESTORE); break;
    case HTTB_CLOSE: ::PostMessageA(hWnd, WM_CLOSE, 0, 0); break;
    }
}

void PaintCaption(HWND hWnd, const Caption& caption)
{
    const int width = caption.width, height = caption.height;
    HDC hWindowDC = ::GetWindowDC(hWnd);
    if (hWindowDC == NULL)
        return;
    CDC windowDC;
    windowDC.Attach(hWindowDC);
    CDC* pWindowDC = &windowDC;
    CDC memory;
    memory.CreateCompatibleDC(pWindowDC);

    if (width != *caption.cachedWidth || height != *caption.cachedHeight) {
        caption.images[0].DeleteObject();
        caption.images[1].DeleteObject();
        *caption.cachedWidth = width;
        *caption.cachedHeight = height;
    }
    CBitmap& image = caption.images[caption.active ? 1 : 0];
    if (image.GetSafeHandle() == NULL)
        image.CreateCompatibleBitmap(pWindowDC, width, height);
    CBitmap* oldImage = memory.SelectObject(&image);

    if (caption.background != NULL && caption.background->GetSafeHandle() != NULL) {
        CDC source;
        source.CreateCompatibleDC(pWindowDC);
        CBitmap* old = source.SelectObject(caption.background);
        memory.BitBlt(1, 1, width + 1, height + 1, &source, 0, 0, SRCCOPY);
        source.SelectObject(old);
    }
    if (caption.icon != NULL)
        ::DrawIconEx(memory.m_hDC, 5, 5, caption.icon, 16, 16, 0, NULL, DI_NORMAL);
    for (int i = 0; i < caption.buttonCount; ++i)
        if (caption.buttons[i]->IsVisible())
            caption.buttons[i]->Draw(&memory);

    memory.SetBkMode(TRANSPARENT);
    auto drawText = [&memory](const CString& text, CRect rect, CFont* font, COLORREF colour) {
        if (text.IsEmpty())
            return;
        CFont* old = font != NULL ? memory.SelectObject(font) : NULL;
        memory.SetTextColor(colour);
        memory.DrawText(text, &rect, 0);
        if (old != NULL)
            memory.SelectObject(old);
    };
    drawText(caption.text, caption.textRect, caption.textFont, RGB(255, 255, 255));
    drawText(caption.rightText, caption.rightRect, caption.rightFont, RGB(255, 255, 251));

    pWindowDC->BitBlt(0, 0, width, height, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(oldImage);
    windowDC.Detach();
    ::ReleaseDC(hWnd, hWindowDC);
}

void DrawButtonInto(CBitmap& image, const CSysButton& button)
{
    if (image.GetSafeHandle() == NULL)
        return;
    CDC memory;
    if (!memory.CreateCompatibleDC(NULL))
        return;
    CBitmap* old = memory.SelectObject(&image);
    button.Draw(&memory);
    memory.SelectObject(old);
}

CRect CentredText(int captionHeight, int fontHeight, int left, int right, int extraTop)
{
    const int top = captionHeight / 2 - fontHeight / 2 + extraTop;
    return CRect(left, top, right, top + fontHeight);
}

} // namespace titlebar
