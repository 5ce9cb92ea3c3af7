// The account-password dialogs: CDlgAccPwd asks for one account's password, CDlgAccCfm lists
// every account with the state of its password check and checks them one by one or all at once.
// No server transaction checks an account password, so each dialog answers its own request on
// this machine: the request is built as the record a server would take and the answer arrives as
// the dialog's own WM_ACCPWD_ANSWER, handled exactly like an answer from elsewhere.
#pragma once

#include <afxwin.h>

#include "BaseView.h"
#include "GridDataList.h"
#include "GridTable.h"
#include "ImgButton.h"
#include "SessionRecords.h"
#include "WidgetKitApi.h"
#include "WidgetRules.h"

// The answer to a password check. CDlgAccPwd: wParam 1 accepted, else lParam points at the text
// to show. CDlgAccCfm: wParam 2 with lParam pointing at a tagACCPWDRESULT, wParam 4 ends the batch.
#define WM_ACCPWD_ANSWER (WM_USER + 92)
// Posted by CDlgAccPwd to itself to end with IDOK once the answer was accepted.
#define WM_ACCPWD_DONE (WM_USER + 83)

enum : WPARAM { ACCPWD_ACCEPTED = 1, ACCPWD_BATCH_RESULT = 2, ACCPWD_BATCH_END = 4 };

// One account's result in a batch check: ok, then the account number without '-' from byte 4.
struct tagACCPWDRESULT
{
    int nOk;
    char szAccount[21];
};

class WIDGETKIT_API CDlgAccPwd : public CBaseView
{
    DECLARE_DYNAMIC(CDlgAccPwd)
public:
    enum { IDD = 7202 };
    enum { IDC_PWD_EDIT = 1001, IDC_ACCOUNT_TEXT = 1003, IDC_INFO_LABEL = 1005, IDC_PWD_LABEL = 1006, IDC_NOTE_TEXT = 1007 };

    CDlgAccPwd(CWnd* parent, tagAccount* account);
    virtual ~CDlgAccPwd();

    // The password entered (trimmed) once the dialog ended with IDOK.
    CString GetPassword() const { return m_strPassword; }
    // The check request built by the last OK (ACCPWD_REQUEST_SIZE bytes).
    const char* GetRequest() const { return m_szRequest; }
    CGridTable& GetGrid() { return m_grid; }

    virtual int OnKeyDown(MSG* msg);

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    // Hands the request to the local check, which answers with WM_ACCPWD_ANSWER.
    void SendRequest();

    tagAccount* m_pAccount;
    CString m_strPassword;
    char m_szRequest[ACCPWD_REQUEST_SIZE + 1];
    CGridTable m_grid;
    CImgButton m_btnOk;
    CImgButton m_btnCancel;
    CWnd m_wndReceiver;
    CBrush m_brLabel;

    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg LRESULT OnAnswer(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDone(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// Posted by CDlgAccCfm to itself to check the next step of a batch.
#define WM_ACCCFM_NEXTSTEP (WM_USER + 94)

// One row of CDlgAccCfm (92 bytes, each text NUL-terminated in its field).
struct tagACCOUNTLIST
{
    char szAccount[21];
    char szName[41];
    char szPassword[17];
    char szResult[11];
    char cState; // 0 not confirmed, 1 mismatch, 2 confirmed
    char cKind;
};
static_assert(sizeof(tagACCOUNTLIST) == 92, "the account row is 92 bytes");

enum : char { ACCSTATE_UNCHECKED = 0, ACCSTATE_MISMATCH = 1, ACCSTATE_CONFIRMED = 2 };
#define ACCCFM_MAX_ENTRIES 200
#define ACCCFM_BATCH_STEP 20

class WIDGETKIT_API CDlgAccCfm : public CBaseView
{
    DECLARE_DYNAMIC(CDlgAccCfm)
public:
    enum { IDD = 7203 };
    enum { IDC_GRID = 104, IDC_BATCH_CHECK = 100, IDC_BATCH_INPUT = 101, IDC_CHECK_ONE = 102, IDC_CLOSE = 103,
           BODY_ROWS = 10 };

    explicit CDlgAccCfm(CWnd* parent = NULL);
    virtual ~CDlgAccCfm();

    // The rows are the list's own records.
    const tagACCOUNTLIST& GetRow(int index);
    int GetRowCount() const { return m_grid.GetRecordCount(); }
    // The selected row, -1 for none.
    int GetSelectedRow() const;
    void SelectRow(int index);
    BOOL IsRunning() const { return m_bRunning; }
    int GetEntryCount() const { return m_nEntries; }
    const char* GetEntries() const { return m_szEntries; }
    int GetStep() const { return m_nStep; }
    CGridDataList& GetGrid() { return m_grid; }
    // The colour entry the result of a row is shown in, by its state.
    static WORD ResultColour(char state);

protected:
    virtual BOOL OnInitDialog();
    virtual void OnCancel();
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    void FillRows();
    // Writes a changed row back into the list, which shows it again where it is on screen.
    void PutRow(int index, const tagACCOUNTLIST& row);
    void CheckOne(int index);
    void CopyPasswordToAll();
    void StartBatch();
    // Answers the next step of the batch on this machine, as a server would answer it.
    void RunBatchStep();
    void Close();

    BOOL m_bRunning;
    char m_szEntries[ACCCFM_MAX_ENTRIES * ACCCFM_ENTRY_SIZE];
    int m_nEntries;
    int m_nPos;
    int m_nStep;
    CGridDataList m_grid;
    CImgButton m_btn[4];
    CWnd m_wndReceiver;

    afx_msg LRESULT OnAnswer(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnNextStep(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGridDblClk(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGridEdited(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    DECLARE_MESSAGE_MAP()
};
