// The combo box of screens and layouts: a flat outlined frame drawn over the system one, the
// drop-down arrow from two image-map bitmaps, own colours, a CSEdit as the edit field, selection
// by text or item data that can notify the parent, and a list as wide as its longest item whose
// rows leave the system's menu padding around the font.
#pragma once

#include <afxwin.h>

#include "SEdit.h"
#include "WidgetKitApi.h"

// The id of a combo box's edit field.
#define SCOMBO_EDIT_ID 1001

class WIDGETKIT_API CSComboBox : public CComboBox
{
    DECLARE_DYNAMIC(CSComboBox)
public:
    CSComboBox();
    virtual ~CSComboBox();

    virtual void CreateBrushType();
    virtual void DrawBorder(CDC* dc);

    // Takes the image map's arrows 919 and 920, only when both exist.
    void Initialize(int reserved);
    // The caller's arrows (normal, dropped), borrowed; ignored unless both are given.
    void SetBitmap(CBitmap* normal, CBitmap* dropped);
    HBITMAP GetArrowBitmap(BOOL dropped) const;

    COLORREF SetBackColor(COLORREF colour);
    COLORREF SetTextColor(COLORREF colour);
    void SetFlat(BOOL flat) { m_bFlat = flat; }
    void SetDrawOutline(BOOL outline) { m_bOutline = outline; }
    void SetOutlineColor(COLORREF colour) { m_clrOutline = colour; }

    int AddString(const char* text);
    int AddString(const char* text, DWORD data);
    CString GetCurSelString() const;
    DWORD GetCurSelData() const;
    void* GetCurSelDataPtr() const;
    int SetCurSelEx(int index, BOOL notify);
    int SetCurSelString(const char* text, BOOL notify);
    int SetCurSelDataPtr(void* data, BOOL notify);
    int SetCurSelData(DWORD data, BOOL notify);

    CSEdit& GetEdit() { return m_edit; }
    // What the system's menus put around their font in a row: the padding of a list row.
    static int SystemRowPadding();
    const CRect& GetArrowRect() const { return m_rcArrow; }

    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void PreSubclassWindow();
    void AttachEdit();
    void ReleaseArrows();
    void NotifySelChange();
    void ReadSystemColours();
    // The drop-down list's rows: the combo's font height plus the system's row padding, so that
    // lines keep apart and the highlight stays inside its row.
    void FitListRows();

    COLORREF m_clrText;
    COLORREF m_clrBack;
    CBrush m_brBack;
    COLORREF m_clrFace, m_clrLight, m_clrHilite, m_clrShadow, m_clrDkShadow;
    COLORREF m_clrOutline;
    BOOL m_bFlat;
    BOOL m_bOutline;
    CSEdit m_edit;
    CRect m_rcArrow;
    CBitmap m_bmpArrow;
    CBitmap m_bmpArrowDropped;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg BOOL OnDropDown();
    afx_msg BOOL OnSelEndCancel();
    afx_msg LRESULT OnEditChar(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSysColorChange();
    DECLARE_MESSAGE_MAP()
};
