// The member tool bar below the main title bar: up to eight buttons from "mbrlst.cfg" that
// open screens, and the service expiry date at the right.
#pragma once

#include <afxtempl.h>

#include "BaseToolBar.h"

class CImgButton;

#define MEMBER_LIST_FILE "mbrlst.cfg"
#define MEMBER_BUTTONS_MAX 8
#define MEMBER_BUTTON_FIRST_ID 100
#define MEMBER_BUTTON_LAST_ID 110

class CMainToolBar : public CBaseToolBar
{
public:
    CMainToolBar();
    virtual ~CMainToolBar();

    // Rebuilds the buttons from the file (min(CNT, 8) entries; an empty text or a negative
    // number is skipped and uses no id).
    void BuildButtons();
    // "이용만료일: %s년 %s월 %s일" of an 8-digit date, else empty.
    static CString ExpiryText(int yyyymmdd);

    int GetButtonCount() const { return (int)m_arrButtons.GetSize(); }
    CImgButton* GetButton(int i) const { return m_arrButtons[i]; }
    int GetScreenOf(UINT id) const;

protected:
    void RemoveButtons();
    void Layout();

    CArray<CImgButton*, CImgButton*> m_arrButtons;
    CMap<UINT, UINT, int, int> m_mapScreens;
    CStatic m_icon;
    CBitmap m_iconBitmap;
    CStatic m_expiry;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg void OnDestroy();
    afx_msg void OnButton(UINT nID);
    DECLARE_MESSAGE_MAP()
};
