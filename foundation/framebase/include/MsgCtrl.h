// The one-line status bar along the bottom of a view: the latest status text behind the local
// time, the 20 newest texts, and a history button that opens them as a drop-down list.
#pragma once

#include <afxcoll.h>
#include <afxwin.h>

#include "BaseWnd.h"
#include "FrameBaseApi.h"
#include "ImgButtonCCL.h"

class CBaseDropList;

#define IDC_MSGCTRL_HISTORY 8000

class FRAMEBASE_API CMsgCtrl : public CBaseWnd
{
    DECLARE_DYNAMIC(CMsgCtrl)
public:
    enum { MAX_HISTORY = 20 };

    CMsgCtrl();
    virtual ~CMsgCtrl();

    // Shows "[hh:mm:ss] text" (local time) and keeps it first in the history.
    void SetMessage(const char* text);
    const char* GetMessage();

    // "[%2.2d:%2.2d:%2.2d] %s"
    static CString StampText(int hour, int minute, int second, const char* text);

    const CStringArray& GetHistory() const { return m_arrHistory; }
    BOOL IsListOpen() const { return m_bListOpen; }
    CBaseDropList* GetDropList() { return m_pDropList; }
    CImgButtonCCL& GetHistoryButton() { return m_btnHistory; }

protected:
    void CreateDropDownControl();
    void CloseDropList();

    CString m_strMessage;
    CStringArray m_arrHistory;
    CImgButtonCCL m_btnHistory;
    CBaseDropList* m_pDropList;
    BOOL m_bListOpen;

    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnHistoryClicked();
    afx_msg LRESULT OnDropListSetCapture(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDropListReleaseCapture(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDropListClose(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDropListSelect(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};
