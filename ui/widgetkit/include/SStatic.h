// The system's static label: own colours, a solid or gradient background, a background bitmap,
// fonts changed piece by piece, flashing, 3D and rotated text, a custom border, link behaviour
// and a price-change sign in front of right-aligned text. Setters chain.
#pragma once

#include <afxwin.h>

#include "WidgetKitApi.h"

// Sent (WM_NOTIFY) to the parent when a notifying label is clicked.
#define SSTATIC_NOTIFY_CLICK 1118
#define SSTATIC_FLASH_TIMER 1

class WIDGETKIT_API CSStatic : public CStatic
{
    DECLARE_DYNAMIC(CSStatic)
public:
    enum BackFillMode { Normal = 0, Gradient = 1 };
    enum Type3D { Raised = 0, Sunken = 1 };
    enum LinkKind { LinkNone = 0, LinkOpen = 1, LinkMail = 2 };

    // Opens a link through the shell ("open" verb); replaceable so that tests see the call.
    typedef void (*PFN_SHELLOPEN)(LPCSTR target);
    static PFN_SHELLOPEN SetShellOpen(PFN_SHELLOPEN pfn);
    // Only web and mail addresses are ever handed to the shell.
    static BOOL IsOpenableLink(const CString& target);

    CSStatic();
    virtual ~CSStatic();

    virtual CSStatic& SetBkColor(COLORREF color, COLORREF color2 = 0, BackFillMode mode = Normal);
    virtual CSStatic& SetTextColor(COLORREF color);
    virtual CSStatic& SetText(const CString& text);
    virtual CSStatic& SetFontBold(BOOL bold);
    virtual CSStatic& SetFontName(const CString& face, BYTE charSet = ANSI_CHARSET);
    virtual CSStatic& SetFontUnderline(BOOL underline);
    virtual CSStatic& SetFontItalic(BOOL italic);
    virtual CSStatic& SetFontSize(int points);
    virtual CSStatic& SetSunken(BOOL sunken);
    virtual CSStatic& SetBorder(BOOL border);
    virtual CSStatic& SetTransparent(BOOL transparent);
    virtual CSStatic& FlashText(BOOL activate);
    virtual CSStatic& FlashBackground(BOOL activate);
    virtual CSStatic& SetLink(BOOL link, BOOL notify);
    virtual CSStatic& SetLinkCursor(HICON cursor);
    virtual CSStatic& SetFont3D(BOOL set, Type3D type = Raised);
    virtual CSStatic& SetRotationAngle(UINT degrees, BOOL rotate);
    virtual CSStatic& SetText3DHiliteColor(COLORREF color);
    virtual CSStatic& SetFont(LOGFONTA logFont);
    virtual CSStatic& SetMailLink(BOOL link, BOOL notify);
    virtual CSStatic& SetHyperLink(const CString& target);
    virtual CSStatic& SetUseUpDown(BOOL use);
    virtual CSStatic& SetUpDownMark(char sign);
    virtual CSStatic& SetBackgroundImg(CBitmap* bitmap);
    virtual CSStatic& SetCustomBorder(int width, COLORREF color);
    virtual CSStatic& SetUseCustomBorder(BOOL use);
    // Gives the window the font and takes its description.
    void SetFont(CFont* font, BOOL redraw = TRUE);

    // Draws the label as its paint would, into dc (client coordinates).
    void Paint(CDC* dc);

    COLORREF GetTextColor() const { return m_clrText; }
    int GetFlashKind() const { return m_nFlashKind; }
    int GetLinkKind() const { return m_nLinkKind; }
    const LOGFONTA& GetLogFont() const { return m_lf; }

protected:
    virtual void PreSubclassWindow();
    void ReconstructFont();
    void RedrawSurface();
    // A transparent label is not clipped out of its parent or of the siblings beneath it: they
    // finish their pending paint first, so that the label is drawn over them and not under.
    void PaintWhatLiesBeneath();
    // Stops a running flash timer and, when activate, starts it again; returns activate.
    BOOL RestartFlash(BOOL activate);
    void DrawSign(CDC* dc, const CRect& client);

    COLORREF m_clrText;
    COLORREF m_clrHiLite;
    CBrush* m_pBkBrush;
    CBrush m_brDefault;
    BackFillMode m_fillMode;
    COLORREF m_clrBack;
    COLORREF m_clrBack2;
    LOGFONTA m_lf;
    CFont m_font;
    BOOL m_bTimer;
    BOOL m_bState;
    int m_nFlashKind;
    int m_nLinkKind;
    BOOL m_bNotifyParent;
    CString m_strHyperLink;
    HICON m_hCursor;
    BOOL m_bTransparent;
    BOOL m_bFont3D;
    Type3D m_3dType;
    BOOL m_bRotation;
    BOOL m_bUseUpDown;
    char m_chSign;
    BOOL m_bBackImage;
    CBitmap m_bmpBack;
    BOOL m_bCustomBorder;
    int m_nBorderWidth;
    COLORREF m_clrBorder;
    COLORREF m_clrUp;
    COLORREF m_clrDown;

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnSysColorChange();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};
