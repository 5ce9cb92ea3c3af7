// The bitmap variant of the owner-drawn button.
#include "DrawBtn.h"

CDrawImgBtn::CDrawImgBtn(DWORD style) : CDrawBtn(style), m_nStatus(0), m_clrFont(RGB(0, 0, 0))
{
}

CDrawImgBtn::~CDrawImgBtn()
{
}

int CDrawImgBtn::SetImage(const char* first, const char* second, const char* third)
{
    m_bmpFirst.DeleteObject();
    m_bmpSecond.DeleteObject();
    m_bmpThird.DeleteObject();
    CBitmap* targets[] = {&m_bmpFirst, &m_bmpSecond, &m_bmpThird};
    const char* paths[] = {first, second, third};
    for (int i = 0; i < 3; ++i) {
        HANDLE hImage = paths[i] == NULL ? NULL
                                         : ::LoadImageA(NULL, paths[i], IMAGE_BITMAP, 0, 0,
                                                        LR_LOADFROMFILE | LR_CREATEDIBSECTION | LR_DEFAULTSIZE);
        if (hImage == NULL) {
            AfxMessageBox("Image Loading Failed");
            return -1;
        }
        targets[i]->Attach(hImage);
    }
    return 1;
}

CSize CDrawImgBtn::GetImageSize()
{
    BITMAP bm;
    if (m_bmpFirst.GetSafeHandle() == NULL || !m_bmpFirst.GetBitmap(&bm))
        return CSize(0, 0);
    return CSize(bm.bmWidth, bm.bmHeight);
}

void CDrawImgBtn::Draw(CDC* pDC, DWORD state)
{
    if ((state & 0x1) == 0 || (state & 0x8) == 0)
        return;
    CBitmap* bitmap = m_nStatus == 1 ? &m_bmpThird : m_nStatus == 2 ? &m_bmpFirst : &m_bmpSecond;
    BITMAP bm;
    if (bitmap->GetSafeHandle() != NULL && bitmap->GetBitmap(&bm)) {
        CDC memory;
        memory.CreateCompatibleDC(pDC);
        CDCSelectGuard select(memory, *bitmap);
        pDC->BitBlt(m_rect.left, m_rect.top, bm.bmWidth, bm.bmHeight, &memory, 0, 0, SRCCOPY);
    }
    if ((state & 0x10) && !m_strText.IsEmpty()) {
        CFont font;
        LOGFONT lf;
        font.CreatePointFont(90, "굴림체", pDC);
        if (state & 0x2) {
            font.GetLogFont(&lf);
            lf.lfWeight = FW_BOLD;
            font.DeleteObject();
            font.CreateFontIndirect(&lf);
        }
        CDCSelectGuard select(pDC, &font);
        const int oldMode = pDC->SetBkMode(TRANSPARENT);
        const COLORREF oldColour = pDC->SetTextColor(m_clrFont);
        CRect text(m_rect.left + 4, m_rect.top + 4, m_rect.right - 3, m_rect.bottom - 3);
        pDC->DrawText(m_strText, &text, DT_VCENTER | DT_SINGLELINE);
        pDC->SetTextColor(oldColour);
        pDC->SetBkMode(oldMode);
    }
}

void CDrawImgBtn::CheckForMouseOver(CWnd* pOwner, CPoint point)
{
    if (!PtInRect(point)) {
        m_nStatus = 0;
        return;
    }
    if (m_nStatus != 1 && pOwner->GetSafeHwnd() != NULL)
        pOwner->Invalidate();
    m_nStatus = 1;
}
