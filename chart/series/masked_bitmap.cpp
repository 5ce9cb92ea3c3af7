// A bitmap drawn with one colour transparent.
#include "ChartText.h"

void DrawMaskedBitmap(CDC* target, int x, int y, int width, int height, CBitmap* bitmap, int sourceX, int sourceY,
                      COLORREF transparentColour)
{
    if (!target || !bitmap || !bitmap->GetSafeHandle() || width <= 0 || height <= 0)
        return;
    CDC source, work, mask;
    source.CreateCompatibleDC(target);
    work.CreateCompatibleDC(target);
    mask.CreateCompatibleDC(target);
    CBitmap workBitmap, maskBitmap;
    workBitmap.CreateCompatibleBitmap(target, width, height);
    maskBitmap.CreateBitmap(width, height, 1, 1, NULL);

    CBitmap* oldSource = source.SelectObject(bitmap);
    CBitmap* oldWork = work.SelectObject(&workBitmap);
    CBitmap* oldMask = mask.SelectObject(&maskBitmap);

    work.BitBlt(0, 0, width, height, &source, sourceX, sourceY, SRCCOPY);
    // Mono mask: the background colour of the source becomes white, everything else black.
    COLORREF oldBk = work.SetBkColor(transparentColour);
    mask.BitBlt(0, 0, width, height, &work, 0, 0, SRCCOPY);
    work.SetBkColor(oldBk);
    // Transparent pixels of the work image to black: AND with the inverted mask.
    COLORREF oldWorkBk = work.SetBkColor(RGB(255, 255, 255));
    COLORREF oldWorkText = work.SetTextColor(RGB(0, 0, 0));
    work.BitBlt(0, 0, width, height, &mask, 0, 0, 0x00220326); // DSna
    work.SetBkColor(oldWorkBk);
    work.SetTextColor(oldWorkText);
    // Target: keep where the mask is white, then lay the picture over it.
    COLORREF oldTargetBk = target->SetBkColor(RGB(255, 255, 255));
    COLORREF oldTargetText = target->SetTextColor(RGB(0, 0, 0));
    target->BitBlt(x, y, width, height, &mask, 0, 0, SRCAND);
    target->SetBkColor(oldTargetBk);
    target->SetTextColor(oldTargetText);
    target->BitBlt(x, y, width, height, &work, 0, 0, SRCPAINT);

    source.SelectObject(oldSource);
    work.SelectObject(oldWork);
    mask.SelectObject(oldMask);
}
