// A single-line text field that draws its text, caret and selection itself (window class
// "Quelmar_EDIT"). The text is multi-byte (code page 949); Korean input arrives through the
// input method and the character being composed shows inside the text under a block caret.
// The grid's in-place editor derives from it. It sends no notifications to its parent.
#pragma once

#include <afxwin.h>

#include "EditBuffer.h"
#include "FrameBaseApi.h"

// Context-menu commands.
#define ID_BASEEDIT_COPY 15
#define ID_BASEEDIT_CUT 16
#define ID_BASEEDIT_PASTE 26
#define ID_BASEEDIT_SELECTALL 31

class FRAMEBASE_API CBaseEdit : public CWnd
{
    DECLARE_DYNAMIC(CBaseEdit)
public:
    enum AlignStyle { ALIGN_LEFT = 0, ALIGN_CENTER = 1, ALIGN_RIGHT = 2 };

    CBaseEdit();
    virtual ~CBaseEdit();

    // Registers the class when needed (0 when that fails), then creates the window with
    // style | WS_CLIPSIBLINGS | WS_CLIPCHILDREN and an empty title.
    virtual BOOL Create(DWORD exStyle, DWORD style, const CRect& rect, CWnd* parent, UINT id);

    char* GetData();
    // Ignored when the text does not fit the buffer with its terminator; otherwise replaces the
    // text, clears the selection and puts the caret at the end.
    void SetData(char* text);
    void ClearData(BOOL showCaret);
    // Ignored for n <= 0; otherwise a new zeroed buffer of n bytes (the text is lost).
    void SetMaxLength(int n);
    void SetMargins(int left, int top, int right, int bottom);
    void SetAlign(AlignStyle align);
    void SetFont(CFont* font, BOOL redraw = TRUE);
    void SelectAll();

    // Each byte drawn as "*"; copy and cut are refused while it is on.
    void SetPasswordMode(BOOL on);
    BOOL IsPasswordMode() const { return m_bPassword; }
    // 2 keeps the selection colours when the focus leaves.
    void SetFocusMode(int mode) { m_nFocusMode = mode; }

    // State, for deriving classes and tests.
    const CEditBuffer& GetBuffer() const { return m_buffer; }
    int GetCaret() const { return m_buffer.GetCaret(); }
    BOOL IsComposing() const { return m_bComposing; }
    int GetTextX() const { return m_nTextX; }
    int GetLineHeight() const { return m_nLineHeight; }
    int GetDoubleByteWidth() const { return m_nDBCSWidth; }
    // The pixel width of bytes [from, to) of the text as drawn.
    int MeasureText(int from, int to) const;
    // The byte index a point at client x falls on (the start of the character whose middle is
    // at or right of x; the text length past the last one).
    int HitTest(int x) const;
    // The caret's rectangle in client coordinates.
    CRect GetCaretRect() const;

    // Clipboard (CF_TEXT) and the context menu's commands.
    BOOL CopySelection();
    BOOL CutSelection();
    BOOL PasteClipboard();
    // The pop-up menu: cut and copy greyed without a selection (and in password mode), paste
    // greyed without text on the clipboard.
    void BuildContextMenu(CMenu& menu);
    void RunEditCommand(UINT id);

    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnSize(UINT nType, int cx, int cy);

protected:
    // The input method's current composition string.
    virtual BOOL ReadCompositionString(CString& text);

    void RecalcTextX();
    void RebuildWidthTable();
    void UpdateCaret();
    void Changed();
    // Inserts bytes at the caret after removing the selection, when the result fits within
    // limit bytes (terminator included); else changes nothing.
    BOOL ReplaceSelection(const char* bytes, int n, int limit);
    void RemoveComposed();
    int CharWidth(const char* p, int remaining) const;

    static BOOL RegisterEditClass();

    CEditBuffer m_buffer;
    CRect m_rcText;
    BOOL m_bComposing;
    int m_nComposedLength;
    int m_nLineHeight;
    int m_arrWidth[256];
    int m_nDBCSWidth;
    int m_nAlign;
    int m_nTextX;
    CBitmap* m_pBitmap;
    CFont* m_pFont;
    COLORREF m_clrSelText;
    COLORREF m_clrSelBack;
    int m_nMargin[4];
    BOOL m_bSelecting;
    int m_nScrollOffset;
    int m_nFocusMode;
    BOOL m_bPassword;

    static BOOL s_bRegistered;

    afx_msg LRESULT OnImeComposition(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnImeChar(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnImeStartComposition(WPARAM wParam, LPARAM lParam);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnPaint();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    DECLARE_MESSAGE_MAP()
};
