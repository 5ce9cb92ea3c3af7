// The code search dialog of the item-code control (CSTOCKCodectrlDlg): the code master sorted by
// name in a grid, a search edit, sixteen initial-letter buttons; the choice goes to the owner
// with WM_CODE_CHOSEN.
#pragma once

#include <afxtempl.h>
#include <afxwin.h>

#include <functional>
#include <vector>

#include "BaseView.h"
#include "CodeInfo.h"
#include "CdeCtrl.h"
#include "GridDataList.h"
#include "ImgButton.h"
#include "SessionRecords.h"
#include "WidgetKitApi.h"

#pragma pack(push, 1)
// One row of the code search dialog: [0,4) type, [4,10) code, [10,50) name (fields not
// terminated when full), then the master record (54 bytes with 32-bit pointers).
struct tagSTOCKCODEROW
{
    enum { CODE_LENGTH = 6, NAME_LENGTH = 40 };
    int nType;
    char szCode[CODE_LENGTH];
    char szName[NAME_LENGTH];
    _API_CODE_INFO* pRecord;
};
#pragma pack(pop)
static_assert(sizeof(tagSTOCKCODEROW) == 50 + sizeof(void*), "the code row is 54 bytes with 32-bit pointers");

// The row of a master record: code and name cut on character boundaries.
WIDGETKIT_API tagSTOCKCODEROW MakeStockCodeRow(_API_CODE_INFO* record);
// The dialog's search over rows sorted by name: with a digit in the text the first row whose
// code begins with it, else the first whose name reaches it; -1 when none.
WIDGETKIT_API int FindStockCodeRow(const std::vector<tagSTOCKCODEROW>& rows, const char* text);
// The same over count rows that rowAt gives by index.
WIDGETKIT_API int FindStockCodeRow(int count, const std::function<const tagSTOCKCODEROW*(int)>& rowAt,
                                   const char* text);

class WIDGETKIT_API CSTOCKCodectrlDlg : public CBaseView
{
    DECLARE_DYNAMIC(CSTOCKCodectrlDlg)
public:
    enum { IDD = 7214 };
    enum { IDC_GRID = 2000, IDC_SEARCH_EDIT = 103, IDC_SEARCH_LABEL = 104, IDC_FIRST_PREFIX = 1000,
           PREFIX_COUNT = 16, BODY_ROWS = 20 };

    // owner: the code control that gets the choice.
    explicit CSTOCKCodectrlDlg(CWnd* owner);
    virtual ~CSTOCKCodectrlDlg();

    // Where the dialog's top-left corner goes (screen); unset: where the system puts it.
    void SetPlace(CPoint screen) { m_ptPlace = screen; m_bPlace = TRUE; }
    // Selects the row the text finds (scrolled into view) and makes it the choice.
    int ItemCodeStringSrch(CString text);

    // The rows are the list's own records, sorted by name.
    int GetRowCount() const { return m_grid.GetRecordCount(); }
    const tagSTOCKCODEROW* GetRow(int index);
    _API_CODE_INFO* GetChoice() const { return m_pChoice; }
    // The selected row, -1 for none.
    int GetSelectedRow() const;
    CGridDataList& GetGrid() { return m_grid; }
    static const char* PrefixText(int index);

    virtual int OnKeyDown(MSG* msg);

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    void FillRows();
    void SelectRow(int index);
    // The row under a hit of the list (its rows, the header row counted), or -1.
    int RowAt(const tagGRDHITTEST& hit) const;

    CWnd* m_pOwnerCtrl;
    CPoint m_ptPlace;
    BOOL m_bPlace;
    _API_CODE_INFO* m_pChoice;
    CGridDataList m_grid;
    CImgButton m_btnOk;
    CImgButton m_btnCancel;
    CImgButton m_btnPrefix[PREFIX_COUNT];

    afx_msg LRESULT OnGridLButtonDown(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGridDblClk(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    DECLARE_MESSAGE_MAP()
};

// The warrant search of CELWCodeCtrl: issuer and call/put filters, a search edit over a list
// view of warrants (which nothing fills in this system), the choice shown in two labels.
class WIDGETKIT_API CCELWCodectrlDlg : public CBaseView
{
    DECLARE_DYNAMIC(CCELWCodectrlDlg)
public:
    enum { IDD = 7211 };
    enum { IDC_CODE_LABEL = 100, IDC_NAME_LABEL = 101, IDC_ISSUER = 103, IDC_ISSUER_LABEL = 104,
           IDC_CALLPUT = 105, IDC_CALLPUT_LABEL = 109, IDC_SEARCH_LABEL = 106, IDC_SEARCH_EDIT = 107,
           IDC_BY_NAME = 108, IDC_LIST = 1020 };

    explicit CCELWCodectrlDlg(CWnd* owner);
    virtual ~CCELWCodectrlDlg();

    // Finds the first item matching the text (see WarrantTextMatches) and makes it the choice.
    int Search(CString text);
    tagELWCode* GetChoice() const { return m_pChoice; }
    CWnd& GetList() { return m_list; }
    // Adds a row (code, name) for a record; the dialog itself never fills its list.
    int AddItem(tagELWCode* record);

    virtual int OnKeyDown(MSG* msg);

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    void EmptyList();
    void Choose(int item);
    CString ItemText(int item, int column);

    CWnd* m_pOwnerCtrl;
    tagELWCode* m_pChoice;
    CWnd m_list;
    CImgButton m_btnOk;
    CImgButton m_btnCancel;
};

// The warrant search's test: text and item, upper-cased and cut to the text's length, are equal,
// or the text is all digits and both read as the same number.
WIDGETKIT_API BOOL WarrantTextMatches(const char* itemText, const char* text);

// The grid of CCdeCtrlDlg: a record-bound list of code rows that besides the list's own
// messages posts WM_COMMAND with its id to its parent on a left press (code 0) and on a double
// click (code 5).
class WIDGETKIT_API CCdeGridList : public CGridDataList
{
    DECLARE_DYNAMIC(CCdeGridList)
public:
    enum { NOTIFY_PRESS = 0, NOTIFY_DBLCLK = 5 };
    CCdeGridList();
    virtual ~CCdeGridList();

protected:
    void PostToParent(int code);

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};

// A second code search of the securities terminal this system grew from: nothing opens it and
// nothing fills its list; a press on a row makes its record the choice, and OK (or a double
// click) sends the choice to the owner with WM_CODE_CHOSEN.
class WIDGETKIT_API CCdeCtrlDlg : public CBaseView
{
    DECLARE_DYNAMIC(CCdeCtrlDlg)
public:
    enum { IDD = 7213 };
    enum { IDC_GRID = 2000, BODY_ROWS = 10 };

    explicit CCdeCtrlDlg(CWnd* owner);
    virtual ~CCdeCtrlDlg();

    // Its list of code rows (tagSTOCKCODEROW records).
    CCdeGridList& GetGrid() { return m_grid; }
    _API_CODE_INFO* GetChoice() const { return m_pChoice; }

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // The record of the row last pressed becomes the choice.
    void ChoosePressed();

    CWnd* m_pOwnerCtrl;
    _API_CODE_INFO* m_pChoice;
    CCdeGridList m_grid;
    CImgButton m_btnCancel;
};
