// Dialog templates, control ids and timer ids of OrderDialogs.dll (its templates keep to the
// library's range in dialog_ranges.h; the notice dialog's template keeps a fixed id outside it).
// Included by the resource script, so plain defines only.
#pragma once

#define IDD_ORDCONFIRM 24000
#define IDD_ORDOPTION 24001
#define IDD_ORDALARM 24002
#define IDD_NOTICEDLG 28001

// The order alarm: its record list, the clear and hide buttons, the slide timer.
#define IDC_ORDALARM_GRID 1001
#define IDC_ORDALARM_CLEAR 1002
#define IDC_ORDALARM_HIDE 1003
#define IDT_ORDALARM_SLIDE 1004

// The order confirmation: the bound separator of the template, the account and order grids, the
// buttons, the title and the label beside it.
#define IDC_ORDCONFIRM_BOUND 24000
#define IDC_ORDCONFIRM_ACCOUNT 1001
#define IDC_ORDCONFIRM_ORDER 1002
#define IDC_ORDCONFIRM_OK 1301
#define IDC_ORDCONFIRM_CANCEL 1302
#define IDC_ORDCONFIRM_LABEL 1502
#define IDC_ORDCONFIRM_TITLE 1503

// The notice dialog: the framed static made before the layout, the introduction, the heading
// and the cautions.
#define IDC_NOTICE_FRAME 10011
#define IDC_NOTICE_INTRO 10012
#define IDC_NOTICE_HEADING 10013
#define IDC_NOTICE_CAUTIONS 10014

// The order options: check boxes, the cursor choice, price-choice combos and spin edits.
#define IDC_OPT_CONFIRM_SELLBUY 31101
#define IDC_OPT_CONFIRM_CORRECTION 31102
#define IDC_OPT_CONFIRM_CANCEL 31103
#define IDC_OPT_CURSOR_FIRST 31104 // to 31107
#define IDC_OPT_CURSOR_LAST 31107
#define IDC_OPT_DELETE_PRICE 31108
#define IDC_OPT_DELETE_QUANTITY 31109
#define IDC_OPT_DELETE_ISSUE 31110
#define IDC_OPT_DELETE_PASS 31111
#define IDC_OPT_SEND_PRICE 31112
#define IDC_OPT_SEND_QUANTITY 31113
#define IDC_OPT_PRICEAUTO_SELL 31114
#define IDC_OPT_PRICEAUTO_SELL_COMBO 31115
#define IDC_OPT_PRICEAUTO_BUY 31117
#define IDC_OPT_PRICEAUTO_BUY_COMBO 31118
#define IDC_OPT_QTYAUTO 31120
#define IDC_OPT_QTYAUTO_FUT 31121
#define IDC_OPT_QTYAUTO_OPT 31122
#define IDC_OPT_ALARM_RATE 31123
#define IDC_OPT_ALARM_TICK 31124
#define IDC_OPT_ALARM_FUT_SELL 31125
#define IDC_OPT_ALARM_FUT_BUY 31126
#define IDC_OPT_ALARM_OPT_SELL 31127
#define IDC_OPT_ALARM_OPT_BUY 31128
#define IDC_OPT_ALARM_FUT_SELLRATE 31129
#define IDC_OPT_ALARM_FUT_BUYRATE 31130
#define IDC_OPT_ALARM_OPT_SELLRATE 31131
#define IDC_OPT_ALARM_OPT_BUYRATE 31132
#define IDC_OPT_ALARM2_FUT 31133
#define IDC_OPT_ALARM2_OPT 31134
#define IDC_OPT_ALARM2_FUT_QTY 31135
#define IDC_OPT_ALARM2_OPT_QTY 31136
#define IDC_OPT_HEAD_FIRST 31140 // section headings, to 31147
#define IDC_OPT_HEAD_LAST 31147
