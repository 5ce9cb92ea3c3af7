// A visible popup holding one own-drawn edit that has the focus, for the edit's window tests.
#pragma once

#include <afxwin.h>

#include <string>

#include "BaseEdit.h"

// An edit whose input-method composition string is given by the test.
class CScriptedEdit : public CBaseEdit
{
public:
    CString m_strComposition;

protected:
    virtual BOOL ReadCompositionString(CString& text)
    {
        text = m_strComposition;
        return TRUE;
    }
};

class EditHost
{
public:
    explicit EditHost(int maxLength = 0)
    {
        parent.CreateEx(0, AfxRegisterWndClass(0), "host", WS_POPUP | WS_VISIBLE, CRect(10, 10, 310, 60), NULL, 0);
        edit.Create(0, WS_CHILD | WS_VISIBLE, CRect(5, 5, 295, 30), &parent, 100);
        if (maxLength > 0)
            edit.SetMaxLength(maxLength);
        parent.SetForegroundWindow();
        edit.SetFocus();
    }
    ~EditHost() { parent.DestroyWindow(); }

    std::string Text() { return edit.GetData(); }
    void Key(UINT vk) { edit.SendMessage(WM_KEYDOWN, vk, 1); }
    void Char(UINT ch, int repeat = 1) { edit.SendMessage(WM_CHAR, ch, repeat & 0xFFFF); }

    CWnd parent;
    CScriptedEdit edit;
};
