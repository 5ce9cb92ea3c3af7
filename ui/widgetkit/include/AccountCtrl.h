// The account selector of the layout views (a drop-down list of the session's accounts, the
// selected account's name and a hidden password edit), and the password helpers the screens
// call: GetAccountPWD asks for a password with the password dialog, IsFutOptAccount tells a
// futures/options account by its number.
#pragma once

#include <afxcmn.h>
#include <afxwin.h>

#include "CtrlBase.h"
#include "DefFont.h"
#include "SComboBox.h"
#include "SEdit.h"
#include "SStatic.h"
#include "SessionRecords.h"
#include "WidgetKitApi.h"

// Notification code (high word of WM_COMMAND, posted) after every account selection.
#define ACCOUNTCTRL_SELECTED 2103
// Child ids of the selector.
#define ACCOUNTCTRL_COMBO_ID 100
#define ACCOUNTCTRL_NAME_ID 101
#define ACCOUNTCTRL_PWD_ID 102

class WIDGETKIT_API CAccountCtrl : public CCtrlBase, public CDefFont
{
    DECLARE_DYNAMIC(CAccountCtrl)
public:
    // all nonzero: every kind of account (mask 0x1111, flag 0); else mask 0x100, flag 1.
    explicit CAccountCtrl(int all = 0);
    virtual ~CAccountCtrl();

    virtual BOOL Create(DWORD style, CRect& rect, CWnd* parent, UINT id);
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // A copy of the selected account; an empty record when nothing is selected.
    tagAccount GetSelectAccount(int reserved);
    void GetSelectAccount(tagAccount* out, int reserved);
    // Selects the first account with that number as a user would; nothing when none has it.
    void SelectAccount(const char* accountNo);
    void EnablePassword(BOOL enable);
    void EnableAccountName(BOOL enable);
    // Posts WM_COMMAND (id, code) with the control's window to the parent.
    void SendAccNotify(int code);

    CSComboBox* GetComboBox() { return &m_combo; }
    CSStatic* GetNameLabel() { return &m_stName; }
    CSEdit* GetPasswordEdit() { return &m_edPwd; }
    CToolTipCtrl* GetToolTip() { return &m_toolTip; }

    static int GetActiveAccountIndex() { return m_nCurAcc; }
    static void SetActiveAccountIndex(int index) { m_nCurAcc = index; }
    UINT GetAccountType() const { return m_nAccountType; }
    void SetAccountType(UINT mask) { m_nAccountType = mask; }
    int GetAccountFlag() const { return m_nFlag; }
    // The kind of an account number by its second '-'-separated field (-1 when unknown).
    static int GetAccountType(const char* accountNo);

    // The selected account, shared by every selector of the process.
    static int m_nCurAcc;

protected:
    void FillAccounts();
    void OnSelected();

    CSComboBox m_combo;
    CSStatic m_stName;
    CSEdit m_edPwd;
    CToolTipCtrl m_toolTip;
    CRect m_rcCtrl;
    UINT m_nAccountType;
    int m_nFlag;

    afx_msg void OnComboSelChange();
    DECLARE_MESSAGE_MAP()
};

// Asks for the account's password: 0 for a null account or an empty number; 1 at once for a
// staff user (the placeholder becomes the password) or, without ask, for an account that has a
// password; else the password dialog decides (1 on OK, the password then kept in the session's
// record and in account).
WIDGETKIT_API int GetAccountPWD(CWnd* parent, tagAccount* account, BOOL ask);
// 1 when the number's second '-'-separated field is "11" (0 for null).
WIDGETKIT_API int IsFutOptAccount(tagAccount* account);
