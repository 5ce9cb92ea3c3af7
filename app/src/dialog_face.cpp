#include "DialogFace.h"

void FitDialogToFace(CWnd* dialog, CBitmap& face)
{
    if (face.GetSafeHandle() != NULL) {
        BITMAP bm = {};
        face.GetBitmap(&bm);
        dialog->SetWindowPos(NULL, 0, 0, bm.bmWidth + 1, bm.bmHeight + 1, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    CRect client;
    dialog->GetClientRect(&client);
    HRGN region = ::CreateRectRgn(client.left, client.top, client.right, client.bottom);
    // The window owns the region once it is set.
    if (::SetWindowRgn(dialog->GetSafeHwnd(), region, FALSE) == 0)
        ::DeleteObject(region);
}

void PaintDialogFace(CWnd* dialog, CBitmap& face)
{
    CPaintDC dc(dialog);
    if (face.GetSafeHandle() == NULL)
        return;
    CDC memory;
    memory.CreateCompatibleDC(&dc);
    CBitmap* old = memory.SelectObject(&face);
    BITMAP bm = {};
    face.GetBitmap(&bm);
    dc.BitBlt(0, 0, bm.bmWidth, bm.bmHeight, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(old);
}

void DragDialogBySurface(CWnd* dialog, CPoint point)
{
    dialog->PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
}
