// The spin edit: a right-aligned number edit with a skinned up-down button at its right edge.
// The value is an int, shown scaled by its decimals with thousands separators; steps follow the
// kind of item (options and futures by 5, others by the set step) and stay within the range.
#pragma once

#include <afxcmn.h>
#include <afxwin.h>

#include "WidgetKitApi.h"
#include "WidgetRules.h"

// WM_COMMAND code posted to the parent on every change of the value.
#define SPIN_VALUE_CHANGED 7020

class CSpinEdit;

class WIDGETKIT_API CSpinBtn : public CSpinButtonCtrl
{
    DECLARE_DYNAMIC(CSpinBtn)
public:
    CSpinBtn();
    virtual ~CSpinBtn();

    void SetEdit(CSpinEdit* edit) { m_pEdit = edit; }
    int GetStep() const { return m_nStep; }
    void SetStep(int step) { m_nStep = step; }
    int GetValue() const { return m_nValue; }
    void SetValue(int value) { m_nValue = value; }
    BOOL IsPressed() const { return m_bPressed; }
    void SetPressed(BOOL pressed) { m_bPressed = pressed; }
    // One step up (+1) or down (-1), scaled by the edit's kind, within the range.
    void Step(int delta);
    // Paints the button as on screen (upper half up, lower half down) into dc.
    void Paint(CDC* dc, CPoint cursor);

protected:
    int m_nStep;
    int m_nValue;
    BOOL m_bPressed;
    CSpinEdit* m_pEdit;
    CPen m_penDkShadow, m_penShadow, m_penHilite, m_penLight, m_penFace;
    CBitmap m_bmpUp, m_bmpUpPressed, m_bmpDown, m_bmpDownPressed;

    afx_msg BOOL OnDeltaPos(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};

class WIDGETKIT_API CSpinEdit : public CEdit
{
    DECLARE_DYNAMIC(CSpinEdit)
public:
    CSpinEdit();
    virtual ~CSpinEdit();

    virtual BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    BOOL CreateEx(DWORD exStyle, DWORD style, const RECT& rect, CWnd* parent, UINT id, void* param = NULL,
                  BOOL showSpin = TRUE);

    void SetRange(int lower, int upper);
    void GetRange(int& lower, int& upper) const;
    void SetDeltaPos(int step) { m_spin.SetStep(step); }
    int GetDeltaPos() const { return m_spin.GetStep(); }
    void SetPos(int value) { SetSpinValue(value); }
    int GetPos() const { return m_spin.GetValue(); }
    void SetDecimalPoint(int decimals);
    int GetDecimalPoint() const { return m_nDecimals; }
    void SetItemType(char kind) { m_chItemType = kind; }
    char GetItemType() const { return m_chItemType; }
    void SetShowSpinBtn(BOOL show);
    BOOL GetShowSpinBtn() const { return m_bShowSpin; }
    CSpinBtn* GetSpinControl() { return &m_spin; }

    // Shows the value and posts the change notice.
    void SetSpinValue(int value);
    void SendChgNotify();
    // Brings the value into the range (Enter, focus loss).
    void CheckRange();

    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    virtual void OnTextChanged();
    void WriteText(const CString& text, int caret);
    void PlaceSpin();

    CRect m_rcCreate;
    BOOL m_bShowSpin;
    char m_chItemType;
    int m_nDecimals;
    BOOL m_bSelfText;
    CSpinBtn m_spin;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg BOOL OnChange();
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};

class WIDGETKIT_API CPriceSpinEdit : public CSpinEdit
{
    DECLARE_DYNAMIC(CPriceSpinEdit)
public:
    CPriceSpinEdit();
    virtual ~CPriceSpinEdit();
    int GetLastTick() const { return m_nLastTick; }

protected:
    virtual void OnTextChanged();
    int m_nLastTick;
};
