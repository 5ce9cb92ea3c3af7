// The warrant-code entry of the layout views ("ELWCodeCombo"): a plain combo whose items carry
// warrant master records, a find button (hidden) and a name label; a choice moves to the top and
// colours the background by the warrant's kind. Nothing fills its combo in this system.
#pragma once

#include <afxwin.h>

#include "CodeInfo.h"
#include "CtrlBase.h"
#include "DefFont.h"
#include "ImgButton.h"
#include "SStatic.h"
#include "WidgetKitApi.h"

class WIDGETKIT_API CELWCodeCtrl : public CCtrlBase, public CDefFont
{
    DECLARE_DYNAMIC(CELWCodeCtrl)
public:
    CELWCodeCtrl();
    virtual ~CELWCodeCtrl();

    virtual BOOL Create(DWORD style, CRect& rect, CWnd* parent, UINT id);

    CODE_INFO GetSelectCode() const { return m_Code; }
    // The kind (digits at byte 76) of the first item's record; -1 for an empty combo.
    int GetCodeType();
    void ClearCode();
    // The background by warrant kind: 1 light red, 2 light blue, else the window colour.
    void SetBgColor(int kind);
    // Filling the combo from outside is not supported here: these leave it as it is.
    void SetItemCode(CString code, BOOL notify);
    void SetCodeInfoByCode(const char* code, BOOL notify);
    // Takes the record of a combo item (the choice of the user or of the search dialog).
    void TakeItem(int index);

    CComboBox* GetComboBox() { return &m_combo; }
    CImgButton* GetFindButton() { return &m_btnFind; }
    CSStatic* GetNameLabel() { return &m_stName; }
    COLORREF GetBgColor() const { return m_clrBg; }

protected:
    void Notify(int code);

    CComboBox m_combo;
    CImgButton m_btnFind;
    CSStatic m_stName;
    CODE_INFO m_Code;
    COLORREF m_clrBg;
    CBrush m_brBg;

    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnComboSelChange();
    afx_msg void OnFind();
    afx_msg LRESULT OnCodeChosen(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
