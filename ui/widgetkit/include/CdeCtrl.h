// The item-code entry of the layout views: a combo of the codes used recently, a find button
// that opens the code search dialog and a label with the item's name. Typing opens a pop-up
// list of the items whose code or name begins with the typed text (CCodeSearchList). Records
// come from the session's code master.
#pragma once

#include <afxwin.h>

#include "CtrlBase.h"
#include "DefFont.h"
#include "ImgButton.h"
#include "SComboBox.h"
#include "SStatic.h"
#include "SessionRecords.h"
#include "WidgetKitApi.h"

// Notification codes (high word of WM_COMMAND, sent) before and after a code is taken.
#define CDECTRL_BEFORE_CODE 2100
#define CDECTRL_AFTER_CODE 2101
// To the application's main window after a code was taken: wParam 0, lParam the selected combo
// item's record (or -1 when no item is selected).
#define WM_CODE_TAKEN (WM_USER + 50)
// From the search dialogs to their owner: wParam the chosen record.
#define WM_CODE_CHOSEN (WM_USER + 84)
// From the search list to its code control: take the selected entry / hide the list.
#define WM_CODELIST_TAKE (WM_USER + 90)
#define WM_CODELIST_HIDE (WM_USER + 91)
// Child ids of the code controls.
#define CDECTRL_COMBO_ID 100
#define CDECTRL_FIND_ID 101
#define CDECTRL_NAME_ID 102
#define CODELIST_LISTBOX_ID 100

// The pop-up list under a code control while the user types.
class WIDGETKIT_API CCodeSearchList : public CWnd
{
    DECLARE_DYNAMIC(CCodeSearchList)
public:
    CCodeSearchList();
    virtual ~CCodeSearchList();

    // A hidden pop-up owned by the code control, which gets its reports.
    BOOL CreateList(CWnd* control);
    // Empties the list and adds "code name" for every master entry that the typed text begins.
    void Fill(const char* typed);
    // Shows the list topmost without activation at the screen rectangle and captures the mouse.
    void ShowAt(const CRect& screen);
    // Hides the list and lets the mouse go.
    void HideList();
    BOOL IsShown() const { return m_hWnd != NULL && (GetStyle() & WS_VISIBLE) != 0; }
    // Moves the selection by delta, stopping at the ends.
    void MoveSelection(int delta);
    // The selected entry's record; with firstWhenNone the first entry's when none is selected.
    _API_CODE_INFO* GetSelectedRecord(BOOL firstWhenNone);
    CListBox& GetListBox() { return m_list; }

protected:
    CListBox m_list;
    CWnd* m_pControl;

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

    // A press outside the list: let the mouse go and give the press to the window under it.
    void ReplayPressBelow(UINT message, CPoint client);
};

class WIDGETKIT_API CCdeCtrl : public CCtrlBase, public CDefFont
{
    DECLARE_DYNAMIC(CCdeCtrl)
public:
    CCdeCtrl();
    virtual ~CCdeCtrl();

    virtual BOOL Create(DWORD style, CRect& rect, CWnd* parent, UINT id);
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // Looks the code up in the code master and takes it; FALSE when it is empty or unknown.
    BOOL SetCodeInfoByCode(const char* code, BOOL notify);
    // Empty: clears the control. Else the code is looked up: taken when found, otherwise the
    // user is told and the combo gets back its last text. TRUE when a code was taken.
    BOOL SetItemCode(CString code, BOOL notify);
    // Takes a master record: notices, the combo's recent list (the code moves to the top), the
    // name label and the session's recent code. FALSE for a null record or an empty code.
    BOOL SetCodeInfo(_API_CODE_INFO* record, BOOL notify);
    void SetLinkedCode(const char* text, BOOL search);
    // A free user's display of a code the master does not hold.
    void SetCodeOnlyForDisplay(CString code, CString name, BOOL coloured);
    // The current code record (a copy of the master's), valid until the next code is taken.
    const _API_CODE_INFO& GetSelectCode() const { return m_Code; }
    int GetCodeType();
    void GetRecentCode();
    void ClearCode();
    void EnableCodeName(BOOL enable);
    void EnableFind(BOOL enable);

    CSComboBox* GetComboBox() { return &m_combo; }
    CImgButton* GetFindButton() { return &m_btnFind; }
    CSStatic* GetNameLabel() { return &m_stName; }
    CCodeSearchList* GetSearchList() { return m_pSearchList; }
    CString GetLastText() const { return m_strLastText; }
    // Placed where the find button's dialog opens: just under the button.
    CPoint GetFindDialogPlace();

protected:
    // Sends a notice to the parent and keeps the combo text as the last text.
    void Notify(int code);
    void OnTyped();
    void TakeListSelection();
    void HideSearchList();
    void RestoreAfterTyping();
    // The label's name colour by the record's type.
    void ColourName(BOOL rising);

    _API_CODE_INFO m_Code;
    CSComboBox m_combo;
    CImgButton m_btnFind;
    CSStatic m_stName;
    CBrush m_brBack;
    CString m_strLastText;
    CCodeSearchList* m_pSearchList;
    BOOL m_bComboFocus;
    BOOL m_bWidened;
    int m_nComboWidth;

    afx_msg void OnDestroy();
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnComboSelChange();
    afx_msg void OnComboEditChange();
    afx_msg void OnComboSetFocus();
    afx_msg void OnComboKillFocus();
    afx_msg void OnFind();
    afx_msg LRESULT OnCodeChosen(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnListTake(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnListHide(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
