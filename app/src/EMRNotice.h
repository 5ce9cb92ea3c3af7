// The notice window of exchange errors: a list of the newest notices (time and title), the
// chosen notice's title and text below it, and a button that hides the window. Modeless; it
// deletes itself with its window and clears the owner's pointer to it then.
#pragma once

#include <afxwin.h>

#include "GridDataList.h"
#include "GridTable.h"
#include "ImgButton.h"

struct tagAPIErrorNotice;

#define NOTICE_MAX_RECORDS 100
#define NOTICE_WIDTH 326
#define NOTICE_HEIGHT 400

class CEMRNotice : public CDialog
{
public:
    // slot: where the owner keeps the window; emptied when the window is gone.
    CEMRNotice(CWnd* pParent, CWnd** slot);
    virtual ~CEMRNotice();

    // Creates, shows and centres the window at its size.
    BOOL Create();
    // Puts the notice at the top of the list (the oldest beyond 100 dropped) and shows it.
    void AddNotice(const tagAPIErrorNotice& notice);
    // Shows the list's record in the title cell and the text edit; FALSE for no such record.
    BOOL ShowRecord(int index);

    CGridDataList& GetList() { return m_list; }
    CGridTable& GetTable() { return m_table; }
    CEdit& GetTextEdit() { return m_edit; }

    // A fixed field of a notice, read no further than its end, blanks trimmed.
    static CString FieldText(const char* field, size_t size);

protected:
    virtual BOOL OnInitDialog();
    virtual void PostNcDestroy();
    virtual void OnOK();
    virtual void OnCancel();

    CWnd** m_pSlot;
    CGridDataList m_list;
    CGridTable m_table;
    CEdit m_edit;
    CImgButton m_btnOK;
    CBrush m_brBack;

    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnGridLButtonDown(WPARAM wParam, LPARAM lParam);
    afx_msg void OnOKButton();
    DECLARE_MESSAGE_MAP()
};
