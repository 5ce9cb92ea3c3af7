// The setup dialog's pages, each a layout page that shows the setup record in its controls,
// stores them back on apply and knows its defaults.
#pragma once

#include "MapPage.h"

class CSetupPage : public CMapPage
{
public:
    CSetupPage(UINT templateId, const char* layout, CWnd* parent);

    // The controls into the setup record.
    virtual void Store() = 0;
    // The controls to the settings' defaults (nothing is stored).
    virtual void SetDefaults() = 0;

protected:
    virtual BOOL OnInitDialog();
    // The setup record into the controls.
    virtual void Show() = 0;
    // A page never ends itself: Enter and Esc belong to the dialog.
    virtual void OnOK() {}
    virtual void OnCancel() {}

    void SetCheck(WORD id, int on);
    CComboBox* Combo(WORD id);
    // Fills a list and selects the entry whose text is selected, the first one when none is.
    void FillList(WORD id, const char* const* entries, int count, const CString& selected);

    const char* m_pszLayout;
};

class CPageMain : public CSetupPage
{
public:
    explicit CPageMain(CWnd* parent);
    virtual void Store();
    virtual void SetDefaults();

protected:
    virtual void Show();

    afx_msg void OnLastScreenOn();
    afx_msg void OnLastScreenOff();
    afx_msg void OnScreenSetChosen();
    DECLARE_MESSAGE_MAP()
};

class CPageConnection : public CSetupPage
{
public:
    explicit CPageConnection(CWnd* parent);
    virtual void Store();
    virtual void SetDefaults();

protected:
    virtual void Show();
};

class CPageAlarm : public CSetupPage
{
public:
    explicit CPageAlarm(CWnd* parent);
    virtual void Store();
    virtual void SetDefaults();

    // The file-open dialog (tests answer for the user): TRUE with the chosen path.
    static BOOL (*s_pfnChooseFile)(HWND owner, CString& path);
    // The asynchronous play of a sound file (tests record it).
    static BOOL(WINAPI* s_pfnPlaySound)(LPCSTR path, UINT flags);

protected:
    virtual void Show();
    static BOOL ChooseWaveFile(HWND owner, CString& path);

    afx_msg void OnChooseFile();
    afx_msg void OnPlay();
    DECLARE_MESSAGE_MAP()
};
