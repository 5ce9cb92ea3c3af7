// The saved-screens dialog: saves the open screens as a numbered set, opens a set, removes
// sets or single screens of a set; nothing is written before OK.
#pragma once

#include <afxwin.h>
#include <commctrl.h>

#include "ScreenSets.h"

class CImgButton;
class CMainFrame;

class CSaveScrDlg : public CDialog
{
public:
    explicit CSaveScrDlg(CMainFrame* frame);
    virtual ~CSaveScrDlg();

    CUserScrInfo& GetSets() { return m_info; }

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);

    void FillTree();
    void SaveOpenScreens();
    void OpenSelected();
    void RemoveSelectedSet();
    void RemoveSelectedScreen();
    // The per-set file's own data of each record, before a record of the set goes.
    void LoadOwnData(CSerializeItems* set);
    HWND Tree() const { return ::GetDlgItem(m_hWnd, 1013); }
    void Message(const char* text);

    CMainFrame* m_pFrame;
    CUserScrInfo m_info;
    CImgButton* m_pButtons[6];
};
