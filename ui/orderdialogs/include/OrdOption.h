// COrdOption: the order-options page of order screens: check boxes, price choices and limits
// for confirmation, cursor, clearing, sending, automatic price and quantity and the mistake
// guards, saved into "user.cfg" of the user folder.
#pragma once

#include "MapView.h"
#include "OrderDialogsApi.h"
#include "OrderDialogsIds.h"

class ORDERDIALOGS_API COrdOption : public CMapView
{
    DECLARE_DYNAMIC(COrdOption)
public:
    enum { IDD = IDD_ORDOPTION };

    explicit COrdOption(CWnd* parent);
    virtual ~COrdOption();

    // The modeless page under the owner given at construction.
    BOOL Create();
    // Writes every option into "user.cfg"; 0 when a write failed.
    BOOL SaveOrderOption();

protected:
    virtual BOOL OnInitDialog();
    // The number an option's spin edit shows, separators removed.
    int SpinNumber(WORD id);

    CBrush m_brBack;
    CBrush m_brHead;
    CFont m_fontBold;

    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()
};
