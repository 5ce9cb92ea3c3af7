// The login dialog's edit: paints itself, with a grey cue text while it is empty and one "*"
// per character when it has the password style.
#pragma once

#include <afxwin.h>

#define SYMBOL_EDIT_DEFAULT_CUE_COLOUR RGB(0x7F, 0x7F, 0x7F)

class CSymbolEdit : public CEdit
{
public:
    CSymbolEdit();
    virtual ~CSymbolEdit();

    // An icon drawn at the right end, the right margin widened to keep the text clear of it.
    void SetIcon(HICON hIcon);
    void SetCueBanner(const CString& text) { m_strCue = text; }
    CString GetCueBanner() const { return m_strCue; }
    void SetCueColour(COLORREF colour) { m_clrCue = colour; }
    COLORREF GetCueColour() const { return m_clrCue; }

protected:
    virtual void PreSubclassWindow();

    afx_msg void OnPaint();
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

private:
    void CreateOwnFont();

    CFont m_font;
    HICON m_hIcon;
    CString m_strCue;
    COLORREF m_clrCue;
};
