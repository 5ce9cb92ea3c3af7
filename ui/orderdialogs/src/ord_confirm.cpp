// COrdConfirm: the order's texts in the account and order grids, the kind's colours, and the
// keys that confirm or refuse it.
#include "OrdConfirm.h"

#include "BtnColor.h"
#include "ColorMap.h"
#include "GridTable.h"
#include "ImgButton.h"
#include "InstallFolders.h"
#include "MemDC.h"
#include "dialog_fonts.h"
#include "NumberFormat.h"
#include "OrderDialogsModule.h"
#include "SStatic.h"
#include "SharedData.h"
#include "Utils.h"

IMPLEMENT_DYNAMIC(COrdConfirm, CMapView)

BEGIN_MESSAGE_MAP(COrdConfirm, CMapView)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_CTLCOLOR()
    ON_WM_COPYDATA()
    ON_BN_CLICKED(IDC_ORDCONFIRM_OK, OnOK)
    ON_BN_CLICKED(IDC_ORDCONFIRM_CANCEL, OnCancelButton)
END_MESSAGE_MAP()

namespace {

const char kLayoutFile[] = "MF_Confirm.xml";
const int kRowHeight = 22;
const int kBoldHeight = 18;
const WORD kTitleTextColour = 637;

// The look of one order kind: title, dialog and title grounds, OK button fill, frame,
// highlight and shadow (colour-map ids).
struct KindLook
{
    const char* title;
    WORD back;
    WORD titleBack;
    WORD button[4];
};

const KindLook kKinds[ORDER_KIND_COUNT] = {
    {"매도주문", 614, 644, {641, 645, 642, 643}},
    {"매수주문", 615, 649, {646, 650, 647, 648}},
    {"정정주문", 616, 654, {651, 655, 652, 653}},
    {"취소주문", 617, 659, {656, 660, 657, 658}},
};

struct OrderType
{
    int code;
    const char* text;
};

const OrderType kOrderTypes[] = {
    {0, "00 보통"},          {3, "03 시장가"},       {5, "05 조건부지정가"}, {6, "06 최유리지정가"},
    {7, "07 최우선지정가"},  {10, "10 보통(IOC)"},   {13, "13 시장가(IOC)"}, {16, "16 최유리(IOC)"},
    {20, "20 보통(FOK)"},    {23, "23 시장가(FOK)"}, {26, "26 최유리(FOK)"},
};

CString Quantity(int value)
{
    char text[64] = {0};
    IntToQuantityString(value, text, TRUE);
    return text;
}

} // namespace

COrdConfirm::COrdConfirm(CWnd* parent)
    : CMapView(IDD, parent), m_pOK(NULL), m_pCancel(NULL), m_pTitle(NULL), m_pGridAccount(NULL),
      m_pGridOrder(NULL)
{
    SetResourceModule(OrderDialogsInstance());
    memset(&m_info, 0, sizeof m_info);
    for (int kind = 0; kind < ORDER_KIND_COUNT; ++kind) {
        m_clrBack[kind] = CColorMap::GetColor(kKinds[kind].back);
        m_brBack[kind].CreateSolidBrush(m_clrBack[kind]);
        m_brTitle[kind].CreateSolidBrush(CColorMap::GetColor(kKinds[kind].titleBack));
    }
}

COrdConfirm::~COrdConfirm() {}

BOOL COrdConfirm::Create()
{
    return CMapView::Create(IDD, m_pOwnerWnd);
}

CString COrdConfirm::GetOrderTypeText(int code)
{
    for (const OrderType& type : kOrderTypes)
        if (type.code == code)
            return type.text;
    return "";
}

BOOL COrdConfirm::IsKnownKind() const
{
    return m_info.nKind >= 0 && m_info.nKind < ORDER_KIND_COUNT;
}

HBRUSH COrdConfirm::KindBrush(CBrush* brushes) const
{
    return IsKnownKind() ? static_cast<HBRUSH>(brushes[m_info.nKind].GetSafeHandle()) : m_hBackBrush;
}

void COrdConfirm::SetOrderInfo(tagOrdConfirmInfo* info, CString account, CString name)
{
    m_strAccount.Format("%s(%s)", (LPCSTR)CUtils::GetTarrowAcntFormat(account), (LPCSTR)name);
    if (info != NULL)
        m_info = *info;
    else
        memset(&m_info, 0, sizeof m_info);
    if (!IsKnownKind()) {
        CString line;
        line.Format("OrdConfirm: order kind %d is none of sell, buy, modify or cancel; it cannot be confirmed",
                    m_info.nKind);
        CUtils::LogServer_WriteLog(line);
    }
    if (GetSafeHwnd() != NULL)
        ShowOrder();
}

BOOL COrdConfirm::OnInitDialog()
{
    CMapView::OnInitDialog();
    SetDlgWindowStyle();
    if (!LoadMapFile(this, CString(GetMapDir()) + kLayoutFile))
        return 0;

    CreateBoldDefaultFont(m_fontBold, TRUE, kBoldHeight);

    m_pTitle = GetControl(IDC_ORDCONFIRM_TITLE);
    if (m_pTitle != NULL) {
        m_pTitle->ModifyStyle(0, SS_CENTER | SS_CENTERIMAGE);
        if (CSStatic* label = dynamic_cast<CSStatic*>(m_pTitle))
            label->SetFont(&m_fontBold);
        else
            m_pTitle->SetFont(&m_fontBold);
    }
    if (m_stBound.SubclassDlgItem(IDC_ORDCONFIRM_BOUND, this)) {
        m_stBound.MoveWindow(0, 194, 253, 2);
        m_stBound.ShowWindow(SW_HIDE);
    }
    m_pGridAccount = dynamic_cast<CGridTable*>(GetControl(IDC_ORDCONFIRM_ACCOUNT));
    m_pGridOrder = dynamic_cast<CGridTable*>(GetControl(IDC_ORDCONFIRM_ORDER));
    const struct
    {
        CGridTable* grid;
        const char* heads[4];
    } grids[] = {
        {m_pGridAccount, {"계좌정보", "종    목"}},
        {m_pGridOrder, {"주문수량", "주문가격", "주문구분", ""}},
    };
    for (const auto& g : grids) {
        if (g.grid == NULL)
            continue;
        for (UINT row = 0; row < g.grid->GetRowCount(); ++row) {
            g.grid->SetRowHeight(row, kRowHeight);
            if (row < 4 && g.heads[row] != NULL)
                g.grid->SetCellText(0, row, g.heads[row]);
        }
        g.grid->SetUseCellSelect(0);
    }
    m_pOK = dynamic_cast<CImgButton*>(GetControl(IDC_ORDCONFIRM_OK));
    m_pCancel = dynamic_cast<CImgButton*>(GetControl(IDC_ORDCONFIRM_CANCEL));
    ShowOrder();
    ClearTabOrder();
    if (m_pOK != NULL)
        AddTabOrderCtrl(m_pOK);
    if (m_pCancel != NULL)
        AddTabOrderCtrl(m_pCancel);
    return 1;
}

void COrdConfirm::ShowOrder()
{
    const bool known = IsKnownKind() != 0;
    const int kind = m_info.nKind;
    // The layout's labels draw themselves: they take the kind's grounds directly.
    const COLORREF back = known ? m_clrBack[kind] : (m_pBackColor != NULL ? m_pBackColor->GetColor() : 0);
    if (m_pTitle != NULL) {
        m_pTitle->SetWindowText(known ? kKinds[kind].title : "");
        if (CSStatic* label = dynamic_cast<CSStatic*>(m_pTitle)) {
            label->SetBkColor(known ? CColorMap::GetColor(kKinds[kind].titleBack) : back);
            label->SetTextColor(CColorMap::GetColor(kTitleTextColour));
        }
    }
    if (CSStatic* label = dynamic_cast<CSStatic*>(GetControl(IDC_ORDCONFIRM_LABEL)))
        label->SetBkColor(back);

    if (m_pGridOrder != NULL && m_pGridOrder->GetRowCount() >= 4 && m_pGridOrder->GetColumnCount() >= 2) {
        CGridTable& g = *m_pGridOrder;
        for (UINT row = 0; row < 4; ++row) {
            g.SetCellText(1, row, "");
            g.SetCellBoldFont(1, row, 0);
        }
        g.SetCellText(0, 3, "");
        // An order of an unknown kind shows nothing that could pass for a confirmed order.
        if (known) {
            const bool amends = kind == ORDER_KIND_MODIFY || kind == ORDER_KIND_CANCEL;
            g.SetCellText(1, 0, amends && m_info.nQuantity == 0 ? CString("잔량") : Quantity(m_info.nQuantity));
            CString original;
            if (m_info.nOrgOrderNo != 0)
                original.Format("%d", m_info.nOrgOrderNo);
            switch (kind) {
            case ORDER_KIND_SELL:
            case ORDER_KIND_BUY:
                g.SetCellText(1, 1, Quantity(m_info.nPrice));
                g.SetCellText(1, 2, GetOrderTypeText(m_info.nOrderType));
                g.SetCellBoldFont(1, 2, 1);
                break;
            case ORDER_KIND_MODIFY:
                g.SetCellText(0, 3, "원주문번호");
                g.SetCellText(1, 3, original);
                if (m_info.nPrice != 0)
                    g.SetCellText(1, 1, Quantity(m_info.nPrice));
                g.SetCellText(1, 2, GetOrderTypeText(m_info.nOrderType));
                break;
            case ORDER_KIND_CANCEL:
                g.SetCellText(0, 3, "원주문번호");
                g.SetCellText(1, 3, original);
                g.SetCellBoldFont(1, 3, 1);
                break;
            }
        }
        g.Invalidate();
    }

    if (m_pGridAccount != NULL && m_pGridAccount->GetRowCount() >= 2 && m_pGridAccount->GetColumnCount() >= 2) {
        CGridTable& g = *m_pGridAccount;
        g.SetCellText(1, 0, m_strAccount);
        g.SetCellBoldFont(1, 0, 1);
        CString code;
        code.Format("%06d", m_info.nCode);
        _API_CODE_INFO* item = CSharedData::GetStockCodeInfo(code);
        CString text;
        if (item != NULL)
            text.Format("%s(%s)", (LPCSTR)item->strName, (LPCSTR)code);
        g.SetCellText(1, 1, text);
        g.SetCellBoldFont(1, 1, 1);
        g.Invalidate();
    }

    if (m_pOK != NULL) {
        if (known) {
            const WORD* ids = kKinds[kind].button;
            tagBtnColor normal = {CColorMap::GetColor(ids[0]), CColorMap::GetColor(ids[1]),
                                  CColorMap::GetColor(ids[2]), CColorMap::GetColor(ids[3])};
            m_pOK->LoadColors(&normal);
        }
        m_pOK->EnableWindow(known);
        m_pOK->Invalidate();
    }
    if (GetSafeHwnd() != NULL)
        Invalidate();
}

BOOL COrdConfirm::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) {
        const HWND focus = ::GetFocus();
        if (m_pOK != NULL && focus == m_pOK->GetSafeHwnd() && focus != NULL) {
            OnOK();
            return TRUE;
        }
        if (m_pCancel != NULL && focus == m_pCancel->GetSafeHwnd() && focus != NULL) {
            OnCancelButton();
            return TRUE;
        }
    }
    // The dialog's own keys (Esc cancels), not the views' key handling.
    return CDialog::PreTranslateMessage(pMsg);
}

void COrdConfirm::OnOK()
{
    // An order of unknown kind is never confirmed, whatever sends the command.
    if (!IsKnownKind())
        return;
    EndDialog(IDOK);
}

void COrdConfirm::OnCancelButton()
{
    EndDialog(IDCANCEL);
}

void COrdConfirm::OnPaint()
{
    CPaintDC paint(this);
    CRect client;
    GetClientRect(&client);
    CMDC memDC(&paint, &client);
    const COLORREF back = IsKnownKind() ? m_clrBack[m_info.nKind] : (m_pBackColor != NULL ? m_pBackColor->GetColor() : 0);
    memDC.FillSolidRect(&client, back);
}

BOOL COrdConfirm::OnEraseBkgnd(CDC* pDC)
{
    (void)pDC;
    return TRUE;
}

HBRUSH COrdConfirm::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    HBRUSH brush = CMapView::OnCtlColor(pDC, pWnd, nCtlColor);
    const int id = pWnd != NULL ? pWnd->GetDlgCtrlID() : 0;
    if (id == IDC_ORDCONFIRM_LABEL) {
        pDC->SetBkMode(TRANSPARENT);
        return KindBrush(m_brBack);
    }
    if (id == IDC_ORDCONFIRM_TITLE) {
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(CColorMap::GetColor(kTitleTextColour));
        return KindBrush(m_brTitle);
    }
    return brush;
}

BOOL COrdConfirm::OnCopyData(CWnd* pWnd, COPYDATASTRUCT* pCopyDataStruct)
{
    return CBaseView::OnCopyData(pWnd, pCopyDataStruct);
}
