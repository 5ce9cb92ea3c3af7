// COrdConfirm: the order confirmation ("주문확인") of an order screen: the account, the item,
// quantity, price and order type of a sell, buy, modify or cancel order in the kind's colours;
// OK confirms, cancel or Esc refuses. An order of an unknown kind cannot be confirmed.
#pragma once

#include "MapView.h"
#include "OrderDialogsApi.h"
#include "OrderDialogsIds.h"

class CGridTable;
class CImgButton;

// The order the caller asks to confirm (24 bytes).
struct tagOrdConfirmInfo
{
    int nKind;       // ORDER_KIND_*
    int nCode;       // item code, shown as "%06d"
    int nPrice;
    int nQuantity;   // 0 in a modify or cancel: the remaining quantity
    int nOrgOrderNo; // the order being modified or cancelled; 0: none
    int nOrderType;  // order-type code ("00 보통", "03 시장가", ...)
};
static_assert(sizeof(tagOrdConfirmInfo) == 24, "the order record is six 32-bit fields");

enum {
    ORDER_KIND_SELL = 0,
    ORDER_KIND_BUY = 1,
    ORDER_KIND_MODIFY = 2,
    ORDER_KIND_CANCEL = 3,
    ORDER_KIND_COUNT = 4
};

class ORDERDIALOGS_API COrdConfirm : public CMapView
{
    DECLARE_DYNAMIC(COrdConfirm)
public:
    enum { IDD = IDD_ORDCONFIRM };

    explicit COrdConfirm(CWnd* parent);
    virtual ~COrdConfirm();

    // The modeless dialog under the owner given at construction.
    BOOL Create();
    // The order to show, the account number and its holder's name.
    void SetOrderInfo(tagOrdConfirmInfo* info, CString account, CString name);

    // The order-type text of a code; empty for an unknown code.
    static CString GetOrderTypeText(int code);

    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    virtual BOOL OnInitDialog();
    // The order's texts into the grids and the kind's look onto the title and OK button.
    void ShowOrder();
    // Whether the record's kind is one of the four the dialog knows.
    BOOL IsKnownKind() const;
    HBRUSH KindBrush(CBrush* brushes) const;

    COLORREF m_clrBack[ORDER_KIND_COUNT];
    CBrush m_brBack[ORDER_KIND_COUNT];
    CBrush m_brTitle[ORDER_KIND_COUNT];
    CFont m_fontBold;
    tagOrdConfirmInfo m_info;
    CString m_strAccount;
    CStatic m_stBound;
    CImgButton* m_pOK;
    CImgButton* m_pCancel;
    CWnd* m_pTitle;
    CGridTable* m_pGridAccount;
    CGridTable* m_pGridOrder;

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg BOOL OnCopyData(CWnd* pWnd, COPYDATASTRUCT* pCopyDataStruct);
    afx_msg void OnOK();
    afx_msg void OnCancelButton();
    DECLARE_MESSAGE_MAP()
};
