// CNoticeDlg: the notice ("유의 사항") about click ordering shown before an order screen's click
// orders are used: an introduction, a heading and the cautions, on a framed panel.
#pragma once

#include "MapView.h"
#include "OrderDialogsApi.h"
#include "OrderDialogsIds.h"

class ORDERDIALOGS_API CNoticeDlg : public CMapView
{
    DECLARE_DYNAMIC(CNoticeDlg)
public:
    enum { IDD = IDD_NOTICEDLG };

    explicit CNoticeDlg(CWnd* parent);
    virtual ~CNoticeDlg();

    static const char s_szIntroduction[];
    static const char s_szHeading[];
    static const char s_szCautions[];

protected:
    virtual BOOL OnInitDialog();

    CBrush m_brBack;
    CStatic m_stFrame;

    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()
};
