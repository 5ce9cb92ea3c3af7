// The quick-menu editor "빠른메뉴설정창": the user's own groups of menu entries ("quickmenu.ini"
// of the user folder) beside the full menu of "menu.xml"; entries are added from the full
// menu, removed and moved, and OK writes the groups back.
#pragma once

#include <afxcoll.h>
#include <afxtempl.h>
#include <afxwin.h>
#include <commctrl.h>

#include "resource.h"

#define QUICK_MENU_FILE "quickmenu.ini"
#define QUICK_MENU_HOME "HOME"

class CImgButton;
class CXMLNode;

class CQuickMenuSetup : public CDialog
{
public:
    enum { IDD = IDD_QUICK_MENU };

    explicit CQuickMenuSetup(CWnd* parent);
    virtual ~CQuickMenuSetup();

    static CString FilePath();
    // "[number]name" of an entry split into its key and name; FALSE when it has no "[...]".
    static BOOL SplitEntry(const CString& entry, CString& key, CString& name);

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    HWND Groups() const { return ::GetDlgItem(m_hWnd, IDC_QUICK_GROUPS); }
    HWND Menu() const { return ::GetDlgItem(m_hWnd, IDC_QUICK_MENU); }
    void SetUpTree(HWND tree);
    void FillGroups();
    void FillMenu();
    void AddLeaves(HWND tree, HTREEITEM top, CXMLNode* node);
    // The group of the selected group item or entry; NULL with none.
    HTREEITEM SelectedGroup() const;
    void AddSelected();
    void RemoveSelected();
    void MoveSelected(BOOL up);
    void MoveGroup(HTREEITEM group, BOOL up);
    void AddGroup();
    void EditSelectedGroup();
    void RemoveSelectedGroup();
    void Save();

    CArray<CImgButton*, CImgButton*> m_arrButtons;
    // The entry text ("[id]short") of every leaf of the full menu; a leaf's item data is its
    // index here plus one.
    CStringArray m_arrEntries;
    CString m_strActive;
    HIMAGELIST m_hImages;
};
