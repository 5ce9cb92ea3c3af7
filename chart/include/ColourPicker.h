// CColourPicker: an owner-drawn push button that shows a colour and opens CColourPopup, a
// 40-colour palette with a "More..." entry for the system colour dialog. Exported for hosts'
// own dialogs; used there by subclassing a button.
//
// The notifications share their numbers with other chart messages: 2025 and 2026 are the chart
// tool bar's tooltip requests, 2027 the chart tooltip's "pointer left" notice and 2028 the
// canvas's "object style changed". The numbers stay, as hosts rely on them. Every receiver in
// the chart library acts only on its own senders: the tool bar only on requests that carry one
// of its element windows, the canvas on 2028 only from its draw objects (both parameters 0) and
// from pickers that are its own children, and a picker only on its own open popup. A host that
// handles these messages tells its pickers apart by the long parameter (the picker's control
// id, never 0 for a dialog control), since the chart tooltip sends 2027 with both parameters 0.
#pragma once

#include <afxcmn.h>
#include <afxtempl.h>
#include <afxwin.h>

#include "GraphKitApi.h"

// Notifications to the picker's parent: word parameter the colour, long parameter the picker's
// control id. The popup sends 2025, 2028 and 2029 to its picker with a long parameter of 0.
#define CPN_SELCHANGE 2025
#define CPN_DROPDOWN 2026
#define CPN_CLOSEUP 2027
#define CPN_SELENDOK 2028
#define CPN_SELENDCANCEL 2029

// One cell of the palette.
struct GRAPHKIT_API ColourTableEntry
{
    COLORREF colour;
    const char* name;
};
GRAPHKIT_API extern const ColourTableEntry COLOUR_TABLE[40];

// Where the popup goes: the given top-left, moved left / right / above the button (by its own
// height plus the button's) so that the whole window stays on the screen.
GRAPHKIT_API CRect PlaceColourPopup(CPoint topLeft, CSize size, int buttonHeight, CSize screen);

// The popup's keyboard moves over rows x columns cells; row and column -2 are the custom entry,
// -1 none. Returns the new hot cell.
struct GRAPHKIT_API ColourCell
{
    int row;
    int column;
};
GRAPHKIT_API ColourCell MoveColourCell(ColourCell cell, UINT key, int rows, int columns, BOOL customEntry);

class CColourPicker;

class GRAPHKIT_API CColourPopup : public CWnd
{
public:
    CColourPopup(CPoint topLeft, COLORREF initial, CColourPicker* picker, LPCSTR customText);
    virtual ~CColourPopup();

    BOOL Create(CPoint topLeft, COLORREF initial, CColourPicker* picker, LPCSTR customText);
    COLORREF GetCurrentColour() const { return m_crCurrent; }
    ColourCell GetChosenCell() const { return {m_nChosenRow, m_nChosenColumn}; }
    ColourCell GetHotCell() const { return {m_nCurrentRow, m_nCurrentColumn}; }
    CRect GetCellRect(int row, int column) const;
    const CRect& GetCustomRect() const { return m_rcCustom; }
    // Ends the choice: confirms (on the custom entry after the system colour dialog) or
    // cancels with the initial colour; destroys the popup, which deletes itself.
    void EndSelection(BOOL confirm);
    // The system colour dialog of the custom entry; a test replaces it.
    typedef BOOL (*ChooseColourFn)(CWnd* owner, COLORREF& colour);
    static void SetChooseColour(ChooseColourFn fn);

    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    afx_msg void OnPaint();
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg LRESULT OnPaletteMessage(WPARAM wParam, LPARAM lParam);
    afx_msg void OnNcDestroy();
    virtual void PostNcDestroy();
    DECLARE_MESSAGE_MAP()

private:
    void Layout();
    void ChangeHot(int row, int column);
    COLORREF ColourAt(int row, int column) const;

    int m_nNumColours;
    int m_nNumColumns;
    int m_nNumRows;
    int m_nBoxSize;
    int m_nMargin;
    int m_nCurrentRow;
    int m_nCurrentColumn;
    int m_nChosenRow;
    int m_nChosenColumn;
    int m_bCustomEntry;
    CString m_strCustomText;
    CRect m_rcCustom;
    CRect m_rcWindow;
    CFont m_Font;
    COLORREF m_crInitial;
    COLORREF m_crCurrent;
    CToolTipCtrl m_ToolTip;
    CColourPicker* m_pPicker;
    BOOL m_bEnded;
};

class GRAPHKIT_API CColourPicker : public CButton
{
    DECLARE_DYNCREATE(CColourPicker)
public:
    CColourPicker();
    virtual ~CColourPicker();

    COLORREF GetColour() const;
    void SetColour(COLORREF colour);
    COLORREF GetBkColour() const { return m_crColourBk; }
    void SetBkColour(COLORREF colour);
    COLORREF GetTextColour() const { return m_crColourText; }
    void SetTextColour(COLORREF colour);
    void SetSelectionMode(UINT mode) { m_nSelectionMode = mode; }
    UINT GetSelectionMode() const { return m_nSelectionMode; }
    void SetTrackSelection(BOOL track) { m_bTrackSelection = track; }
    BOOL GetTrackSelection() const { return m_bTrackSelection; }
    BOOL IsActive() const { return m_bActive; }
    // The popup while it is open, else null.
    CColourPopup* GetPopup() const { return m_pPopup; }
    const CRect& GetArrowRect() const { return m_rcArrow; }
    void SetWindowSize();

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    virtual void PreSubclassWindow();
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnClicked();
    afx_msg LRESULT OnSelChange(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSelEndOK(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSelEndCancel(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    friend class CColourPopup;
    // A notification from this picker's own open popup.
    BOOL FromOwnPopup(LPARAM lParam) const;
    void Notify(UINT message, COLORREF colour);
    void TakeColour(COLORREF colour);

    int m_bActive;
    int m_bTrackSelection;
    COLORREF m_crColourBk;
    COLORREF m_crColourText;
    UINT m_nSelectionMode;
    CRect m_rcArrow;
    CColourPopup* m_pPopup;
};

// Dialog data exchange of a picker's colour: the text colour in selection mode 1, else the
// background colour.
GRAPHKIT_API void AFXAPI DDX_ColourPicker(CDataExchange* pDX, int nIDC, COLORREF& colour);

// CLineStyleCombo: an owner-drawn drop-down list of line thicknesses (options 0, 1, 3) or pen
// styles (option 2), each entry drawn as lines.
class GRAPHKIT_API CLineStyleCombo : public CComboBox
{
public:
    CLineStyleCombo();
    virtual ~CLineStyleCombo();

    // Option 3 keeps five entries, any other four (option 0 keeps its fifth, blank entry only
    // until an option is set).
    void SetStyleOption(int option);
    int GetStyleOption() const { return m_nStyleOption; }
    int GetValueCount() const { return int(m_arValues.GetSize()); }
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    // Draws entry value v over rect as the option shows it.
    void DrawEntry(CDC* pDC, const CRect& rect, int value) const;

protected:
    virtual void PreSubclassWindow();

private:
    CArray<int, int> m_arValues;
    int m_nStyleOption;
};
