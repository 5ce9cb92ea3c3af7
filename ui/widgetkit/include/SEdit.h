// Single-line edits: CSEdit (own colours, a flat or outlined frame, font setters, and a numeric
// mode that filters typed and pasted input and shows thousands separators), CHKEdit (captures
// one key and shows its name) and CNumberEdit (digits only).
#pragma once

#include <afxtempl.h>
#include <afxwin.h>

#include "WidgetKitApi.h"
#include "WidgetRules.h"

// To the parent after every accepted character (wParam the character, lParam the edit object)
// and on every Enter key-down (wParam 13).
#define WM_SEDIT_CHAR (WM_USER + 93)

class WIDGETKIT_API CSEdit : public CEdit
{
    DECLARE_DYNAMIC(CSEdit)
public:
    CSEdit();
    virtual ~CSEdit();

    virtual void DrawBorder();
    virtual void CreateBrushType();

    void SetNumeric(BOOL numeric, BOOL realType);
    void SetMinusInput(BOOL minus) { m_rules.bMinus = minus; }
    void SetUseComma(BOOL comma) { m_bUseComma = comma; }
    void SetDecSize(int decimals) { m_rules.nDecimals = decimals; }
    void UseMinMaxValue(BOOL use) { m_rules.bMinMax = use; }
    void SetValueGap(double minimum, double maximum);
    BOOL IsNumeric() const { return m_bNumeric; }
    BOOL IsRealType() const { return m_rules.bReal; }
    BOOL IsMinusInput() const { return m_rules.bMinus; }
    const NumericRules& GetRules() const { return m_rules; }

    // The window text; in numeric mode without separators.
    CString GetText() const;
    // In numeric mode with separators on, the text gets them first.
    void SetText(CString text);

    COLORREF SetBackColor(COLORREF colour);
    COLORREF SetTextColor(COLORREF colour);
    COLORREF GetBackColor() const { return m_clrBack; }
    COLORREF GetTextColor() const { return m_clrText; }
    void SetFlat(BOOL flat) { m_bFlat = flat; }
    void SetDrawOutline(BOOL outline) { m_bOutline = outline; }
    void SetOutlineColor(COLORREF colour) { m_clrOutline = colour; }

    BOOL SetTextFont(long points, BOOL bold, BOOL italic, const CString& face);
    BOOL SetTextFont(const LOGFONTA& logFont);
    BOOL GetTextFont(LOGFONTA* logFont);
    BOOL SetFontBold(BOOL bold);
    BOOL SetFontItalic(BOOL italic);
    BOOL SetFontHeight(int points);
    BOOL SetFontFaceName(const CString& face);
    BOOL SetFontRotation(int degrees);

    void SetPopupMenu(UINT menuId) { m_nMenuId = menuId; }

    // Nonzero when the typed character is refused in numeric mode.
    BOOL IsNotInputChar(UINT nChar);

    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    void ReadSystemColours();
    BOOL ApplyFont(const LOGFONTA& logFont);
    void NotifyParent(UINT nChar);
    void ShowNumber(const CString& plain, int caret);

    CFont m_font;
    COLORREF m_clrText;
    COLORREF m_clrBack;
    CBrush m_brBack;
    COLORREF m_clrFace, m_clrLight, m_clrHilite, m_clrShadow, m_clrDkShadow;
    COLORREF m_clrOutline;
    BOOL m_bFlat;
    BOOL m_bOutline;
    BOOL m_bNumeric;
    BOOL m_bUseComma;
    NumericRules m_rules;
    UINT m_nMenuId;

    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg LRESULT OnPaste(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg void OnPaint();
    afx_msg void OnNcPaint();
    afx_msg void OnSysColorChange();
    DECLARE_MESSAGE_MAP()
};

class WIDGETKIT_API CHKEdit : public CEdit
{
    DECLARE_DYNAMIC(CHKEdit)
public:
    CHKEdit();
    virtual ~CHKEdit();

    // Shows the key's name selected and keeps the code; 0 (nothing changes) for a key without
    // a name. 0 shows "키를 누르세요.".
    int SetKey(WORD vk);
    WORD GetKey() const { return m_wKey; }
    // The name of a virtual key, empty when it has none.
    static CString KeyName(WORD vk);

    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    virtual void PreSubclassWindow();
    void FillKeyMap();

    CMap<WORD, WORD, CString, LPCTSTR> m_mapKeys;
    WORD m_wKey;
};

class WIDGETKIT_API CNumberEdit : public CEdit
{
    DECLARE_DYNAMIC(CNumberEdit)
public:
    CNumberEdit() {}
    virtual ~CNumberEdit();
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
};
