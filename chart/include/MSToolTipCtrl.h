// CMSToolTipCtrl: the chart's tooltip, one text or a two-column table next to the mouse, which
// passes every mouse and key action on to the window beneath; and the parser of its table text.
#pragma once

#include <afxcoll.h>
#include <afxwin.h>

#include "GraphKitApi.h"
#include "TextMeasurer.h"

// Message sent to the window under the mouse when the tooltip goes away on a mouse move.
#define WM_TOOLTIP_LEFT 2027

// Splits a table text into lines of two columns. Rows are separated by 0x16 0x16, a row's
// title ends at 0x14 0x14 and its value at 0x15 0x15. A row whose title holds "(시간)" ("(TIME)"
// in English) gives two lines: the title cut before the marker with the value's date (before
// its first blank), and "시간" ("TIME") with the time. Empty rows are left out. Returns the
// number of lines.
GRAPHKIT_API int ParseTipTable(LPCSTR text, BOOL english, CStringArray& titles, CStringArray& values);

// The window size of a table: the widest title, two blanks and the widest value plus 3 pixels,
// and 36 pixels plus one line height per line.
GRAPHKIT_API CSize TipTableSize(const CStringArray& titles, const CStringArray& values, const ITextMeasurer& measurer);

class GRAPHKIT_API CMSToolTipCtrl : public CWnd
{
public:
    CMSToolTipCtrl();
    virtual ~CMSToolTipCtrl();

    // A top-most tool window without a parent; owner gets the input passed through.
    BOOL Create(CWnd* owner);
    void SetEnglish(BOOL english) { m_bEnglish = english; }

    // Shows the text (or the table) beside the screen point, left of it when asked, vertically
    // centred, without activation; the tooltip then holds the mouse capture.
    void ShowText(CPoint point, LPCSTR text, BOOL left = FALSE);
    void ShowTable(CPoint point, LPCSTR table, BOOL left = FALSE);
    // Hides the tooltip and gives up the capture.
    void HideTip();

    CWnd* GetOwnerWnd() const { return m_pOwnerWnd; }
    const CRect& GetTipRect() const { return m_rcTip; }

protected:
    afx_msg void OnPaint();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void ShowAt(CPoint point, CSize size, BOOL left);
    void PassKey(UINT message, UINT nChar, UINT nRepCnt, UINT nFlags);
    void PassButton(UINT clientMessage, UINT ncMessage, UINT nFlags, CPoint point);
    // The window under the screen point, the owner when that is the tooltip itself.
    HWND WindowBeneath(CPoint screen) const;
    // The mouse message to that window: in its client coordinates, or as the non-client message
    // with the hit-test code.
    static void PostMouse(HWND under, UINT clientMessage, UINT ncMessage, UINT nFlags, CPoint screen);
    void MakeFont();

    CWnd* m_pOwnerWnd;
    CRect m_rcTip;
    BOOL m_bEnglish;
    CFont m_font;
    CString m_strText;
    CStringArray m_arTitles;
    CStringArray m_arValues;
    int m_nTitleWidth;
};
