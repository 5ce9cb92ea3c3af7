// Print preview: CDlgPreview takes a picture of a window, shows it on a paper in CPnlPreview,
// sets up the page and prints the picture centred on the page at its screen size.
#pragma once

#include <afxdlgs.h>

#include "WidgetKitApi.h"

// The panel that shows the picture on the paper of the shared page setup; the picture is the
// dialog's (borrowed).
class WIDGETKIT_API CPnlPreview : public CWnd
{
    DECLARE_DYNAMIC(CPnlPreview)
public:
    CPnlPreview();
    virtual ~CPnlPreview();

    void SetPicture(CBitmap* pPicture) { m_pPicture = pPicture; }
    CBitmap* GetPicture() const { return m_pPicture; }
    // Where the paper is in a client area of that size.
    CRect GetPaperRect(const CRect& rcClient) const;
    // Paints the client area rcClient into dc as WM_PAINT does (without buffering).
    void Paint(CDC* dc, const CRect& rcClient);

protected:
    CBitmap* m_pPicture;

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()
};

class WIDGETKIT_API CDlgPreview : public CDialog
{
    DECLARE_DYNAMIC(CDlgPreview)
public:
    enum { IDD = 101 };
    enum { IDC_PAGESETUP = 5, IDC_PRINT = 4, IDC_PANEL = 1000 };

    explicit CDlgPreview(CWnd* pParent = NULL);
    virtual ~CDlgPreview();

    // Takes the picture of the window and, when that worked, runs the dialog modally: its
    // result, or -1 without a picture.
    INT_PTR Preview(HWND hWnd);
    // The picture of the whole window (frame included); the previous one goes first.
    BOOL TakePicture(HWND hWnd);
    CBitmap& GetPicture() { return m_bmpPicture; }
    CSize GetPictureSize() const { return m_sizePicture; }
    CPnlPreview& GetPanel() { return m_pnlPreview; }

    // The rectangle a picture of width x height screen pixels prints in on that printer.
    void CalcPrintRect(CDC& printer, CRect& rect, int width, int height);
    // Prints the picture as one page on that printer's device context; FALSE (after telling the
    // user) when the job or the page cannot start.
    BOOL PrintPicture(CDC& printer);

    // The page setup every preview of the process shares (paper in thousandths of an inch).
    static CPageSetupDialog& GetPageSetup();

protected:
    CBitmap m_bmpPicture;
    CSize m_sizePicture;
    CPnlPreview m_pnlPreview;

    virtual BOOL OnInitDialog();
    afx_msg void OnPageSetup();
    afx_msg void OnPrint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    void Tell(LPCTSTR text);
};
