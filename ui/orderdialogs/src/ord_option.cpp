// COrdOption: the order-options page, its spin limits and price choices, and its save into
// "user.cfg".
#include "OrdOption.h"

#include <cstdlib>

#include "ColorMap.h"
#include "IniFiles.h"
#include "InstallFolders.h"
#include "OrderDialogsModule.h"
#include "SComboBox.h"
#include "SStatic.h"
#include "SpinEdit.h"
#include "dialog_fonts.h"

IMPLEMENT_DYNAMIC(COrdOption, CMapView)

BEGIN_MESSAGE_MAP(COrdOption, CMapView)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

namespace {

const char kLayoutFile[] = "MF_OrdOption.xml";
const char kConfigFile[] = "user.cfg";
const WORD kBackColour = 613;
const WORD kHeadColour = 202;
const int kSpinMax = 500000;

const char* const kPriceChoices[] = {"현재가", "상대1호가", "상대2호가", "상대3호가", "하한가", "상한가"};

// What one key is written from.
enum Source {
    CHECK,     // the check box's state
    CURSOR,    // index of the checked cursor choice
    PRICEAUTO, // -1 with the check box off, else the combo's choice
    SPIN,      // the spin edit's number
};

struct OptionKey
{
    const char* section;
    const char* key;
    Source source;
    WORD id;
    WORD combo; // PRICEAUTO: the price-choice combo
    bool boolean; // written as a flag, else as an integer
};

// In the order the file receives them.
const OptionKey kKeys[] = {
    {"ORDCONFIRM", "SELLBUY", CHECK, IDC_OPT_CONFIRM_SELLBUY, 0, true},
    {"ORDCONFIRM", "CORRECTION", CHECK, IDC_OPT_CONFIRM_CORRECTION, 0, true},
    {"ORDCONFIRM", "CANCEL", CHECK, IDC_OPT_CONFIRM_CANCEL, 0, true},
    {"ORDCURSOR", "CURSOR", CURSOR, IDC_OPT_CURSOR_FIRST, 0, false},
    {"ORDDELETE", "PRICE", CHECK, IDC_OPT_DELETE_PRICE, 0, true},
    {"ORDDELETE", "QUANTITY", CHECK, IDC_OPT_DELETE_QUANTITY, 0, true},
    {"ORDDELETE", "ISSUE", CHECK, IDC_OPT_DELETE_ISSUE, 0, true},
    {"ORDDELETE", "PASS", CHECK, IDC_OPT_DELETE_PASS, 0, true},
    {"ORDSEND", "PRICE", CHECK, IDC_OPT_SEND_PRICE, 0, true},
    {"ORDSEND", "QUANTITY", CHECK, IDC_OPT_SEND_QUANTITY, 0, true},
    {"ORDPRICEAUTO", "SELL", PRICEAUTO, IDC_OPT_PRICEAUTO_SELL, IDC_OPT_PRICEAUTO_SELL_COMBO, false},
    {"ORDPRICEAUTO", "BUY", PRICEAUTO, IDC_OPT_PRICEAUTO_BUY, IDC_OPT_PRICEAUTO_BUY_COMBO, false},
    {"ORDQTYAUTO", "AUTOQTY", CHECK, IDC_OPT_QTYAUTO, 0, false},
    {"ORDQTYAUTO", "FUT", SPIN, IDC_OPT_QTYAUTO_FUT, 0, false},
    {"ORDQTYAUTO", "OPT", SPIN, IDC_OPT_QTYAUTO_OPT, 0, false},
    {"ORDALARM", "RATE", CHECK, IDC_OPT_ALARM_RATE, 0, true},
    {"ORDALARM", "TICK", CHECK, IDC_OPT_ALARM_TICK, 0, true},
    {"ORDALARM", "FUT_SELL", CHECK, IDC_OPT_ALARM_FUT_SELL, 0, true},
    {"ORDALARM", "FUT_BUY", CHECK, IDC_OPT_ALARM_FUT_BUY, 0, true},
    {"ORDALARM", "OPT_SELL", CHECK, IDC_OPT_ALARM_OPT_SELL, 0, true},
    {"ORDALARM", "OPT_BUY", CHECK, IDC_OPT_ALARM_OPT_BUY, 0, true},
    {"ORDALARM", "FUT_SELLRATE", SPIN, IDC_OPT_ALARM_FUT_SELLRATE, 0, false},
    {"ORDALARM", "FUT_BUYRATE", SPIN, IDC_OPT_ALARM_FUT_BUYRATE, 0, false},
    {"ORDALARM", "OPT_SELLRATE", SPIN, IDC_OPT_ALARM_OPT_SELLRATE, 0, false},
    {"ORDALARM", "OPT_BUYRATE", SPIN, IDC_OPT_ALARM_OPT_BUYRATE, 0, false},
    {"ORDALARM2", "FUT", CHECK, IDC_OPT_ALARM2_FUT, 0, true},
    {"ORDALARM2", "OPT", CHECK, IDC_OPT_ALARM2_OPT, 0, true},
    {"ORDALARM2", "FUT_QTY", SPIN, IDC_OPT_ALARM2_FUT_QTY, 0, false},
    {"ORDALARM2", "OPT_QTY", SPIN, IDC_OPT_ALARM2_OPT_QTY, 0, false},
};

bool IsHeading(int id)
{
    return id >= IDC_OPT_HEAD_FIRST && id <= IDC_OPT_HEAD_LAST;
}

} // namespace

COrdOption::COrdOption(CWnd* parent) : CMapView(IDD, parent)
{
    SetResourceModule(OrderDialogsInstance());
    m_brBack.CreateSolidBrush(CColorMap::GetColor(kBackColour));
    m_brHead.CreateSolidBrush(CColorMap::GetColor(kHeadColour));
}

COrdOption::~COrdOption() {}

BOOL COrdOption::Create()
{
    return CMapView::Create(IDD, m_pOwnerWnd);
}

BOOL COrdOption::OnInitDialog()
{
    CMapView::OnInitDialog();
    SetDlgWindowStyle();
    if (!LoadMapFile(this, CString(GetMapDir()) + kLayoutFile))
        return 0;

    CreateBoldDefaultFont(m_fontBold, FALSE, 0);

    for (WORD id = IDC_OPT_HEAD_FIRST; id <= IDC_OPT_HEAD_LAST; ++id) {
        if (CSStatic* head = dynamic_cast<CSStatic*>(GetControl(id))) {
            head->SetFont(&m_fontBold);
            head->SetBkColor(CColorMap::GetColor(kHeadColour));
        }
    }
    for (const OptionKey& k : kKeys) {
        if (k.source == SPIN) {
            if (CSpinEdit* spin = dynamic_cast<CSpinEdit*>(GetControl(k.id))) {
                spin->SetRange(0, kSpinMax);
                spin->SetDeltaPos(1);
                spin->SetPos(0);
            }
        } else if (k.source == PRICEAUTO) {
            if (CSComboBox* combo = dynamic_cast<CSComboBox*>(GetControl(k.combo))) {
                for (const char* choice : kPriceChoices)
                    combo->AddString(choice);
                combo->SetCurSel(0);
            }
        }
    }
    return 1;
}

int COrdOption::SpinNumber(WORD id)
{
    CWnd* spin = GetControl(id);
    if (spin == NULL)
        return 0;
    CString text;
    spin->GetWindowText(text);
    text.Remove(',');
    return atoi(text);
}

BOOL COrdOption::SaveOrderOption()
{
    CIniFiles ini(CString(GetUserDir()) + kConfigFile);
    BOOL written = TRUE;
    for (const OptionKey& k : kKeys) {
        int value = 0;
        switch (k.source) {
        case CHECK:
            value = GetButtonCheck(k.id) == BST_CHECKED ? 1 : 0;
            break;
        case CURSOR:
            for (WORD id = IDC_OPT_CURSOR_FIRST; id <= IDC_OPT_CURSOR_LAST; ++id)
                if (GetButtonCheck(id) == BST_CHECKED)
                    value = id - IDC_OPT_CURSOR_FIRST;
            break;
        case PRICEAUTO:
            value = GetButtonCheck(k.id) == BST_CHECKED ? GetSelectIndex(k.combo) : -1;
            break;
        case SPIN:
            value = SpinNumber(k.id);
            break;
        }
        written &= k.boolean ? ini.WriteBool(k.section, k.key, value) : ini.WriteInteger(k.section, k.key, value);
    }
    return written;
}

HBRUSH COrdOption::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    HBRUSH brush = CMapView::OnCtlColor(pDC, pWnd, nCtlColor);
    if (nCtlColor == CTLCOLOR_STATIC || nCtlColor == CTLCOLOR_BTN) {
        pDC->SetBkMode(TRANSPARENT);
        const int id = pWnd != NULL ? pWnd->GetDlgCtrlID() : 0;
        return static_cast<HBRUSH>((IsHeading(id) ? m_brHead : m_brBack).GetSafeHandle());
    }
    return brush;
}
