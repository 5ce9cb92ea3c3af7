// Message maps: the entry tables that DECLARE_MESSAGE_MAP / BEGIN_MESSAGE_MAP build, the handler
// signatures the dispatcher knows, and the ON_* macros. Included by afxwin.h.
//
// Handler names are given unqualified (ON_COMMAND(ID_X, OnX)) or qualified without '&'
// (ON_COMMAND(IDOK, CDialog::OnOK)); the macros take the address through the map's own class.
#pragma once

#include "afxplatform_.h"

class CCmdTarget;
class CWnd;
class CWinThread;
class CCmdUI;

typedef void (AFX_MSG_CALL CCmdTarget::*AFX_PMSG)(void);
typedef void (AFX_MSG_CALL CWnd::*AFX_PMSGW)(void);
typedef void (AFX_MSG_CALL CWinThread::*AFX_PMSGT)(void);

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;   // window message, or WM_COMMAND / WM_NOTIFY (+ WM_REFLECT_BASE when reflected)
    UINT nCode;      // notification or command code
    UINT nID;        // first control or command id
    UINT nLastID;    // last id of a range (nID for a single id)
    UINT_PTR nSig;   // handler signature; for registered messages the address of the message number
    AFX_PMSG pfn;    // handler
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP*(PASCAL* pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Handler signatures (return type, then arguments).
enum AfxSig
{
    AfxSig_end = 0,
    AfxSig_lwl,        // LRESULT (WPARAM, LPARAM)
    AfxSig_vv,         // void ()
    AfxSig_bv,         // BOOL ()
    AfxSig_wv,         // UINT ()
    AfxSig_hv,         // HCURSOR ()
    AfxSig_iCREATE,    // int (LPCREATESTRUCT)
    AfxSig_bCREATE,    // BOOL (LPCREATESTRUCT)
    AfxSig_bD,         // BOOL (CDC*)
    AfxSig_vwii,       // void (UINT, int, int)
    AfxSig_vii,        // void (int, int)
    AfxSig_vt,         // void (UINT_PTR)
    AfxSig_vwp,        // void (UINT, CPoint)
    AfxSig_bwsp,       // BOOL (UINT, short, CPoint)
    AfxSig_vwww,       // void (UINT, UINT, UINT)
    AfxSig_vW,         // void (CWnd*)
    AfxSig_hDWw,       // HBRUSH (CDC*, CWnd*, UINT)
    AfxSig_hDw,        // HBRUSH (CDC*, UINT)         reflected colour
    AfxSig_vDRAW,      // void (int, LPDRAWITEMSTRUCT)
    AfxSig_vMEASURE,   // void (int, LPMEASUREITEMSTRUCT)
    AfxSig_iCOMPARE,   // int (int, LPCOMPAREITEMSTRUCT)
    AfxSig_vDELETE,    // void (int, LPDELETEITEMSTRUCT)
    AfxSig_vDRAW_R,    // void (LPDRAWITEMSTRUCT)      reflected
    AfxSig_vMEASURE_R, // void (LPMEASUREITEMSTRUCT)   reflected
    AfxSig_iCOMPARE_R, // int (LPCOMPAREITEMSTRUCT)    reflected
    AfxSig_vDELETE_R,  // void (LPDELETEITEMSTRUCT)    reflected
    AfxSig_iwWw,       // int (UINT, CWnd*, UINT)      WM_VKEYTOITEM, WM_CHARTOITEM
    AfxSig_iww,        // int (UINT, UINT)             reflected WM_VKEYTOITEM, WM_CHARTOITEM
    AfxSig_lp,         // LRESULT (CPoint)
    AfxSig_bb,         // BOOL (BOOL)
    AfxSig_vb,         // void (BOOL)
    AfxSig_vbNCCALC,   // void (BOOL, NCCALCSIZE_PARAMS*)
    AfxSig_bWww,       // BOOL (CWnd*, UINT, UINT)
    AfxSig_iWww,       // int (CWnd*, UINT, UINT)
    AfxSig_vbw,        // void (BOOL, UINT)
    AfxSig_vwWb,       // void (UINT, CWnd*, BOOL)
    AfxSig_vbh,        // void (BOOL, DWORD)
    AfxSig_vMINMAX,    // void (MINMAXINFO*)
    AfxSig_vwwSCROLL,  // void (UINT, UINT, CScrollBar*)
    AfxSig_vww,        // void (UINT, UINT)            reflected scroll
    AfxSig_bWCDS,      // BOOL (CWnd*, COPYDATASTRUCT*)
    AfxSig_vwl,        // void (UINT, LPARAM)
    AfxSig_vPOS,       // void (WINDOWPOS*)
    AfxSig_vWp,        // void (CWnd*, CPoint)
    AfxSig_vws,        // void (UINT, LPCTSTR)
    AfxSig_vwRECT,     // void (UINT, LPRECT)
    AfxSig_vMwb,       // void (CMenu*, UINT, BOOL)
    AfxSig_vwwh,       // void (UINT, UINT, HMENU)
    AfxSig_bHELPINFO,  // BOOL (HELPINFO*)
    AfxSig_viSTYLE,    // void (int, LPSTYLESTRUCT)
    AfxSig_vwW,        // void (UINT, CWnd*)
    AfxSig_vDROP,      // void (HDROP)
    AfxSig_vWPLP,      // void (WPARAM, LPARAM)        thread messages

    // Command routing (OnCmdMsg)
    AfxSigCmd_v,        // void ()
    AfxSigCmd_b,        // BOOL ()                    ON_CONTROL_REFLECT_EX
    AfxSigCmd_RANGE,    // void (UINT)
    AfxSigCmd_EX,       // BOOL (UINT)
    AfxSigCmdUI,        // void (CCmdUI*)
    AfxSigNotify_v,     // void (NMHDR*, LRESULT*)
    AfxSigNotify_b,     // BOOL (NMHDR*, LRESULT*)
    AfxSigNotify_RANGE, // void (UINT, NMHDR*, LRESULT*)
    AfxSigNotify_EX,    // BOOL (UINT, NMHDR*, LRESULT*)
};

// Messages reflected back to the child control that sent them.
#define WM_REFLECT_BASE 0xBC00
// The framework's catch-all colour message: WM_CTLCOLORxxx arrive at handlers as this one.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif
// Answered 1 by every framework window procedure.
#define WM_QUERYAFXWNDPROC 0x0360
// Posted by modal loops while idle; sent to windows for idle-time command updates.
#define WM_KICKIDLE 0x036A
#define WM_IDLEUPDATECMDUI 0x0363
#define WM_INITIALUPDATE 0x0364

// Codes of OnCmdMsg besides control notifications.
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))

/////////////////////////////////////////////////////////////////////////////
// Declaring and defining maps

#define DECLARE_MESSAGE_MAP()                                                                              \
protected:                                                                                                 \
    static const AFX_MSGMAP* PASCAL GetThisMessageMap();                                                   \
    virtual const AFX_MSGMAP* GetMessageMap() const;

#define BEGIN_TEMPLATE_MESSAGE_MAP(theClass, type_name, baseClass)                                         \
    template <typename type_name>                                                                          \
    const AFX_MSGMAP* theClass<type_name>::GetMessageMap() const { return GetThisMessageMap(); }           \
    template <typename type_name>                                                                          \
    const AFX_MSGMAP* PASCAL theClass<type_name>::GetThisMessageMap()                                      \
    {                                                                                                      \
        typedef theClass<type_name> ThisClass;                                                             \
        typedef baseClass TheBaseClass;                                                                    \
        (void)sizeof(ThisClass*);                                                                          \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                             \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }                      \
    const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap()                                                 \
    {                                                                                                      \
        typedef theClass ThisClass;                                                                        \
        typedef baseClass TheBaseClass;                                                                    \
        (void)sizeof(ThisClass*);                                                                          \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                                  \
    {0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0}                                                                  \
    }                                                                                                      \
    ;                                                                                                      \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};          \
    return &messageMap;                                                                                    \
    }

// Entry helpers: check the handler's signature against the framework's, then store it untyped.
#define AFX_MSG_ENTRY_(msg, sig, type, fn)                                                                 \
    {(UINT)(msg), 0, 0, 0, (UINT_PTR)(sig), (AFX_PMSG)(AFX_PMSGW)(static_cast<type>(&ThisClass::fn))},
#define AFX_CMD_ENTRY_(msg, code, id, idLast, sig, type, fn)                                               \
    {(UINT)(msg), (UINT)(code), (UINT)(id), (UINT)(idLast), (UINT_PTR)(sig),                               \
     (AFX_PMSG)(static_cast<type>(&ThisClass::fn))},

/////////////////////////////////////////////////////////////////////////////
// User and registered messages

#define ON_MESSAGE(message, memberFxn)                                                                     \
    AFX_MSG_ENTRY_(message, AfxSig_lwl, LRESULT(AFX_MSG_CALL CWnd::*)(WPARAM, LPARAM), memberFxn)
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn)                                                 \
    {0xC000, 0, 0, 0, (UINT_PTR)(UINT*)(&nMessageVariable),                                                \
     (AFX_PMSG)(AFX_PMSGW)(static_cast<LRESULT(AFX_MSG_CALL CWnd::*)(WPARAM, LPARAM)>(&ThisClass::memberFxn))},
#define ON_THREAD_MESSAGE(message, memberFxn)                                                              \
    {(UINT)(message), 0, 0, 0, AfxSig_vWPLP,                                                               \
     (AFX_PMSG)(AFX_PMSGT)(static_cast<void(AFX_MSG_CALL CWinThread::*)(WPARAM, LPARAM)>(&ThisClass::memberFxn))},
#define ON_REGISTERED_THREAD_MESSAGE(nMessageVariable, memberFxn)                                          \
    {0xC000, 0, 0, 0, (UINT_PTR)(UINT*)(&nMessageVariable),                                                \
     (AFX_PMSG)(AFX_PMSGT)(static_cast<void(AFX_MSG_CALL CWinThread::*)(WPARAM, LPARAM)>(&ThisClass::memberFxn))},

/////////////////////////////////////////////////////////////////////////////
// Commands and control notifications

#define ON_COMMAND(id, memberFxn)                                                                          \
    AFX_CMD_ENTRY_(WM_COMMAND, CN_COMMAND, id, id, AfxSigCmd_v, void(AFX_MSG_CALL CCmdTarget::*)(), memberFxn)
#define ON_COMMAND_EX(id, memberFxn)                                                                       \
    AFX_CMD_ENTRY_(WM_COMMAND, CN_COMMAND, id, id, AfxSigCmd_EX, BOOL(AFX_MSG_CALL CCmdTarget::*)(UINT), memberFxn)
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                            \
    AFX_CMD_ENTRY_(WM_COMMAND, CN_COMMAND, id, idLast, AfxSigCmd_RANGE, void(AFX_MSG_CALL CCmdTarget::*)(UINT), \
                   memberFxn)
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn)                                                         \
    AFX_CMD_ENTRY_(WM_COMMAND, CN_COMMAND, id, idLast, AfxSigCmd_EX, BOOL(AFX_MSG_CALL CCmdTarget::*)(UINT),   \
                   memberFxn)
#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                                                \
    AFX_CMD_ENTRY_(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, id, AfxSigCmdUI,                                  \
                   void(AFX_MSG_CALL CCmdTarget::*)(CCmdUI*), memberFxn)
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn)                                                  \
    AFX_CMD_ENTRY_(WM_COMMAND, CN_UPDATE_COMMAND_UI, id, idLast, AfxSigCmdUI,                              \
                   void(AFX_MSG_CALL CCmdTarget::*)(CCmdUI*), memberFxn)

#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                             \
    AFX_CMD_ENTRY_(WM_COMMAND, (WORD)(wNotifyCode), id, id, AfxSigCmd_v, void(AFX_MSG_CALL CCmdTarget::*)(),  \
                   memberFxn)
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn)                                               \
    AFX_CMD_ENTRY_(WM_COMMAND, (WORD)(wNotifyCode), id, idLast, AfxSigCmd_RANGE,                           \
                   void(AFX_MSG_CALL CCmdTarget::*)(UINT), memberFxn)
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                                                         \
    AFX_CMD_ENTRY_(WM_COMMAND + WM_REFLECT_BASE, (WORD)(wNotifyCode), 0, 0, AfxSigCmd_v,                   \
                   void(AFX_MSG_CALL CCmdTarget::*)(), memberFxn)
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn)                                                      \
    AFX_CMD_ENTRY_(WM_COMMAND + WM_REFLECT_BASE, (WORD)(wNotifyCode), 0, 0, AfxSigCmd_b,                   \
                   BOOL(AFX_MSG_CALL CCmdTarget::*)(), memberFxn)

#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                                              \
    AFX_CMD_ENTRY_(WM_NOTIFY, (WORD)(int)(wNotifyCode), id, id, AfxSigNotify_v,                            \
                   void(AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn)                                                \
    AFX_CMD_ENTRY_(WM_NOTIFY, (WORD)(int)(wNotifyCode), id, idLast, AfxSigNotify_RANGE,                    \
                   void(AFX_MSG_CALL CCmdTarget::*)(UINT, NMHDR*, LRESULT*), memberFxn)
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn)                                                           \
    AFX_CMD_ENTRY_(WM_NOTIFY, (WORD)(int)(wNotifyCode), id, id, AfxSigNotify_EX,                           \
                   BOOL(AFX_MSG_CALL CCmdTarget::*)(UINT, NMHDR*, LRESULT*), memberFxn)
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn)                                             \
    AFX_CMD_ENTRY_(WM_NOTIFY, (WORD)(int)(wNotifyCode), id, idLast, AfxSigNotify_EX,                       \
                   BOOL(AFX_MSG_CALL CCmdTarget::*)(UINT, NMHDR*, LRESULT*), memberFxn)
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn)                                                          \
    AFX_CMD_ENTRY_(WM_NOTIFY + WM_REFLECT_BASE, (WORD)(int)(wNotifyCode), 0, 0, AfxSigNotify_v,            \
                   void(AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn)                                                       \
    AFX_CMD_ENTRY_(WM_NOTIFY + WM_REFLECT_BASE, (WORD)(int)(wNotifyCode), 0, 0, AfxSigNotify_b,            \
                   BOOL(AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)

// Control notifications by control kind.
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_EN_HSCROLL(id, memberFxn) ON_CONTROL(EN_HSCROLL, id, memberFxn)
#define ON_EN_VSCROLL(id, memberFxn) ON_CONTROL(EN_VSCROLL, id, memberFxn)
#define ON_EN_ERRSPACE(id, memberFxn) ON_CONTROL(EN_ERRSPACE, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)
#define ON_LBN_SELCANCEL(id, memberFxn) ON_CONTROL(LBN_SELCANCEL, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn) ON_CONTROL(STN_DBLCLK, id, memberFxn)

/////////////////////////////////////////////////////////////////////////////
// Window messages with cracked arguments (handler names are the framework's)

#define AFX_WM_(msg, sig, ret, args, fn) AFX_MSG_ENTRY_(msg, sig, ret(AFX_MSG_CALL CWnd::*) args, fn)

#define ON_WM_CREATE() AFX_WM_(WM_CREATE, AfxSig_iCREATE, int, (LPCREATESTRUCT), OnCreate)
#define ON_WM_NCCREATE() AFX_WM_(WM_NCCREATE, AfxSig_bCREATE, BOOL, (LPCREATESTRUCT), OnNcCreate)
#define ON_WM_DESTROY() AFX_WM_(WM_DESTROY, AfxSig_vv, void, (), OnDestroy)
#define ON_WM_NCDESTROY() AFX_WM_(WM_NCDESTROY, AfxSig_vv, void, (), OnNcDestroy)
#define ON_WM_CLOSE() AFX_WM_(WM_CLOSE, AfxSig_vv, void, (), OnClose)
#define ON_WM_PAINT() AFX_WM_(WM_PAINT, AfxSig_vv, void, (), OnPaint)
#define ON_WM_NCPAINT() AFX_WM_(WM_NCPAINT, AfxSig_vv, void, (), OnNcPaint)
#define ON_WM_ERASEBKGND() AFX_WM_(WM_ERASEBKGND, AfxSig_bD, BOOL, (CDC*), OnEraseBkgnd)
#define ON_WM_SIZE() AFX_WM_(WM_SIZE, AfxSig_vwii, void, (UINT, int, int), OnSize)
#define ON_WM_MOVE() AFX_WM_(WM_MOVE, AfxSig_vii, void, (int, int), OnMove)
#define ON_WM_SIZING() AFX_WM_(WM_SIZING, AfxSig_vwRECT, void, (UINT, LPRECT), OnSizing)
#define ON_WM_MOVING() AFX_WM_(WM_MOVING, AfxSig_vwRECT, void, (UINT, LPRECT), OnMoving)
#define ON_WM_TIMER() AFX_WM_(WM_TIMER, AfxSig_vt, void, (UINT_PTR), OnTimer)
#define ON_WM_LBUTTONDOWN() AFX_WM_(WM_LBUTTONDOWN, AfxSig_vwp, void, (UINT, CPoint), OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_WM_(WM_LBUTTONUP, AfxSig_vwp, void, (UINT, CPoint), OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_WM_(WM_LBUTTONDBLCLK, AfxSig_vwp, void, (UINT, CPoint), OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_WM_(WM_RBUTTONDOWN, AfxSig_vwp, void, (UINT, CPoint), OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_WM_(WM_RBUTTONUP, AfxSig_vwp, void, (UINT, CPoint), OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() AFX_WM_(WM_RBUTTONDBLCLK, AfxSig_vwp, void, (UINT, CPoint), OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() AFX_WM_(WM_MBUTTONDOWN, AfxSig_vwp, void, (UINT, CPoint), OnMButtonDown)
#define ON_WM_MBUTTONUP() AFX_WM_(WM_MBUTTONUP, AfxSig_vwp, void, (UINT, CPoint), OnMButtonUp)
#define ON_WM_MBUTTONDBLCLK() AFX_WM_(WM_MBUTTONDBLCLK, AfxSig_vwp, void, (UINT, CPoint), OnMButtonDblClk)
#define ON_WM_MOUSEMOVE() AFX_WM_(WM_MOUSEMOVE, AfxSig_vwp, void, (UINT, CPoint), OnMouseMove)
#define ON_WM_MOUSEHOVER() AFX_WM_(WM_MOUSEHOVER, AfxSig_vwp, void, (UINT, CPoint), OnMouseHover)
#define ON_WM_MOUSELEAVE() AFX_WM_(WM_MOUSELEAVE, AfxSig_vv, void, (), OnMouseLeave)
#define ON_WM_MOUSEWHEEL() AFX_WM_(WM_MOUSEWHEEL, AfxSig_bwsp, BOOL, (UINT, short, CPoint), OnMouseWheel)
#define ON_WM_MOUSEACTIVATE() AFX_WM_(WM_MOUSEACTIVATE, AfxSig_iWww, int, (CWnd*, UINT, UINT), OnMouseActivate)
#define ON_WM_KEYDOWN() AFX_WM_(WM_KEYDOWN, AfxSig_vwww, void, (UINT, UINT, UINT), OnKeyDown)
#define ON_WM_KEYUP() AFX_WM_(WM_KEYUP, AfxSig_vwww, void, (UINT, UINT, UINT), OnKeyUp)
#define ON_WM_CHAR() AFX_WM_(WM_CHAR, AfxSig_vwww, void, (UINT, UINT, UINT), OnChar)
#define ON_WM_SYSKEYDOWN() AFX_WM_(WM_SYSKEYDOWN, AfxSig_vwww, void, (UINT, UINT, UINT), OnSysKeyDown)
#define ON_WM_SYSKEYUP() AFX_WM_(WM_SYSKEYUP, AfxSig_vwww, void, (UINT, UINT, UINT), OnSysKeyUp)
#define ON_WM_SYSCHAR() AFX_WM_(WM_SYSCHAR, AfxSig_vwww, void, (UINT, UINT, UINT), OnSysChar)
#define ON_WM_SETFOCUS() AFX_WM_(WM_SETFOCUS, AfxSig_vW, void, (CWnd*), OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_WM_(WM_KILLFOCUS, AfxSig_vW, void, (CWnd*), OnKillFocus)
#define ON_WM_CAPTURECHANGED() AFX_WM_(WM_CAPTURECHANGED, AfxSig_vW, void, (CWnd*), OnCaptureChanged)
#define ON_WM_CTLCOLOR() AFX_WM_(WM_CTLCOLOR, AfxSig_hDWw, HBRUSH, (CDC*, CWnd*, UINT), OnCtlColor)
#define ON_WM_DRAWITEM() AFX_WM_(WM_DRAWITEM, AfxSig_vDRAW, void, (int, LPDRAWITEMSTRUCT), OnDrawItem)
#define ON_WM_MEASUREITEM() AFX_WM_(WM_MEASUREITEM, AfxSig_vMEASURE, void, (int, LPMEASUREITEMSTRUCT), OnMeasureItem)
#define ON_WM_COMPAREITEM() AFX_WM_(WM_COMPAREITEM, AfxSig_iCOMPARE, int, (int, LPCOMPAREITEMSTRUCT), OnCompareItem)
#define ON_WM_DELETEITEM() AFX_WM_(WM_DELETEITEM, AfxSig_vDELETE, void, (int, LPDELETEITEMSTRUCT), OnDeleteItem)
#define ON_WM_VKEYTOITEM() AFX_WM_(WM_VKEYTOITEM, AfxSig_iwWw, int, (UINT, CListBox*, UINT), OnVKeyToItem)
#define ON_WM_CHARTOITEM() AFX_WM_(WM_CHARTOITEM, AfxSig_iwWw, int, (UINT, CListBox*, UINT), OnCharToItem)
#define ON_WM_NCHITTEST() AFX_WM_(WM_NCHITTEST, AfxSig_lp, LRESULT, (CPoint), OnNcHitTest)
#define ON_WM_NCACTIVATE() AFX_WM_(WM_NCACTIVATE, AfxSig_bb, BOOL, (BOOL), OnNcActivate)
#define ON_WM_NCCALCSIZE() AFX_WM_(WM_NCCALCSIZE, AfxSig_vbNCCALC, void, (BOOL, NCCALCSIZE_PARAMS*), OnNcCalcSize)
#define ON_WM_NCLBUTTONDOWN() AFX_WM_(WM_NCLBUTTONDOWN, AfxSig_vwp, void, (UINT, CPoint), OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP() AFX_WM_(WM_NCLBUTTONUP, AfxSig_vwp, void, (UINT, CPoint), OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() AFX_WM_(WM_NCLBUTTONDBLCLK, AfxSig_vwp, void, (UINT, CPoint), OnNcLButtonDblClk)
#define ON_WM_NCRBUTTONDOWN() AFX_WM_(WM_NCRBUTTONDOWN, AfxSig_vwp, void, (UINT, CPoint), OnNcRButtonDown)
#define ON_WM_NCRBUTTONUP() AFX_WM_(WM_NCRBUTTONUP, AfxSig_vwp, void, (UINT, CPoint), OnNcRButtonUp)
#define ON_WM_NCMOUSEMOVE() AFX_WM_(WM_NCMOUSEMOVE, AfxSig_vwp, void, (UINT, CPoint), OnNcMouseMove)
#define ON_WM_NCMOUSEHOVER() AFX_WM_(WM_NCMOUSEHOVER, AfxSig_vwp, void, (UINT, CPoint), OnNcMouseHover)
#define ON_WM_NCMOUSELEAVE() AFX_WM_(WM_NCMOUSELEAVE, AfxSig_vv, void, (), OnNcMouseLeave)
#define ON_WM_SETCURSOR() AFX_WM_(WM_SETCURSOR, AfxSig_bWww, BOOL, (CWnd*, UINT, UINT), OnSetCursor)
#define ON_WM_SHOWWINDOW() AFX_WM_(WM_SHOWWINDOW, AfxSig_vbw, void, (BOOL, UINT), OnShowWindow)
#define ON_WM_ACTIVATE() AFX_WM_(WM_ACTIVATE, AfxSig_vwWb, void, (UINT, CWnd*, BOOL), OnActivate)
#define ON_WM_ACTIVATEAPP() AFX_WM_(WM_ACTIVATEAPP, AfxSig_vbh, void, (BOOL, DWORD), OnActivateApp)
#define ON_WM_GETMINMAXINFO() AFX_WM_(WM_GETMINMAXINFO, AfxSig_vMINMAX, void, (MINMAXINFO*), OnGetMinMaxInfo)
#define ON_WM_HSCROLL() AFX_WM_(WM_HSCROLL, AfxSig_vwwSCROLL, void, (UINT, UINT, CScrollBar*), OnHScroll)
#define ON_WM_VSCROLL() AFX_WM_(WM_VSCROLL, AfxSig_vwwSCROLL, void, (UINT, UINT, CScrollBar*), OnVScroll)
#define ON_WM_COPYDATA() AFX_WM_(WM_COPYDATA, AfxSig_bWCDS, BOOL, (CWnd*, COPYDATASTRUCT*), OnCopyData)
#define ON_WM_SYSCOMMAND() AFX_WM_(WM_SYSCOMMAND, AfxSig_vwl, void, (UINT, LPARAM), OnSysCommand)
#define ON_WM_PARENTNOTIFY() AFX_WM_(WM_PARENTNOTIFY, AfxSig_vwl, void, (UINT, LPARAM), OnParentNotify)
#define ON_WM_WINDOWPOSCHANGED() AFX_WM_(WM_WINDOWPOSCHANGED, AfxSig_vPOS, void, (WINDOWPOS*), OnWindowPosChanged)
#define ON_WM_WINDOWPOSCHANGING() AFX_WM_(WM_WINDOWPOSCHANGING, AfxSig_vPOS, void, (WINDOWPOS*), OnWindowPosChanging)
#define ON_WM_CONTEXTMENU() AFX_WM_(WM_CONTEXTMENU, AfxSig_vWp, void, (CWnd*, CPoint), OnContextMenu)
#define ON_WM_SETTINGCHANGE() AFX_WM_(WM_SETTINGCHANGE, AfxSig_vws, void, (UINT, LPCTSTR), OnSettingChange)
#define ON_WM_GETDLGCODE() AFX_WM_(WM_GETDLGCODE, AfxSig_wv, UINT, (), OnGetDlgCode)
#define ON_WM_ENABLE() AFX_WM_(WM_ENABLE, AfxSig_vb, void, (BOOL), OnEnable)
#define ON_WM_CANCELMODE() AFX_WM_(WM_CANCELMODE, AfxSig_vv, void, (), OnCancelMode)
#define ON_WM_CHILDACTIVATE() AFX_WM_(WM_CHILDACTIVATE, AfxSig_vv, void, (), OnChildActivate)
#define ON_WM_SYSCOLORCHANGE() AFX_WM_(WM_SYSCOLORCHANGE, AfxSig_vv, void, (), OnSysColorChange)
#define ON_WM_TIMECHANGE() AFX_WM_(WM_TIMECHANGE, AfxSig_vv, void, (), OnTimeChange)
#define ON_WM_ENTERSIZEMOVE() AFX_WM_(WM_ENTERSIZEMOVE, AfxSig_vv, void, (), OnEnterSizeMove)
#define ON_WM_EXITSIZEMOVE() AFX_WM_(WM_EXITSIZEMOVE, AfxSig_vv, void, (), OnExitSizeMove)
#define ON_WM_QUERYDRAGICON() AFX_WM_(WM_QUERYDRAGICON, AfxSig_hv, HCURSOR, (), OnQueryDragIcon)
#define ON_WM_QUERYENDSESSION() AFX_WM_(WM_QUERYENDSESSION, AfxSig_bv, BOOL, (), OnQueryEndSession)
#define ON_WM_ENDSESSION() AFX_WM_(WM_ENDSESSION, AfxSig_vb, void, (BOOL), OnEndSession)
#define ON_WM_INITMENUPOPUP() AFX_WM_(WM_INITMENUPOPUP, AfxSig_vMwb, void, (CMenu*, UINT, BOOL), OnInitMenuPopup)
#define ON_WM_MENUSELECT() AFX_WM_(WM_MENUSELECT, AfxSig_vwwh, void, (UINT, UINT, HMENU), OnMenuSelect)
#define ON_WM_HELPINFO() AFX_WM_(WM_HELPINFO, AfxSig_bHELPINFO, BOOL, (HELPINFO*), OnHelpInfo)
#define ON_WM_STYLECHANGED() AFX_WM_(WM_STYLECHANGED, AfxSig_viSTYLE, void, (int, LPSTYLESTRUCT), OnStyleChanged)
#define ON_WM_STYLECHANGING() AFX_WM_(WM_STYLECHANGING, AfxSig_viSTYLE, void, (int, LPSTYLESTRUCT), OnStyleChanging)
#define ON_WM_ENTERIDLE() AFX_WM_(WM_ENTERIDLE, AfxSig_vwW, void, (UINT, CWnd*), OnEnterIdle)
#define ON_WM_DROPFILES() AFX_WM_(WM_DROPFILES, AfxSig_vDROP, void, (HDROP), OnDropFiles)

// Reflected to the control that sent the notification.
#define ON_WM_CTLCOLOR_REFLECT() AFX_WM_(WM_CTLCOLOR + WM_REFLECT_BASE, AfxSig_hDw, HBRUSH, (CDC*, UINT), CtlColor)
#define ON_WM_DRAWITEM_REFLECT() AFX_WM_(WM_DRAWITEM + WM_REFLECT_BASE, AfxSig_vDRAW_R, void, (LPDRAWITEMSTRUCT), DrawItem)
#define ON_WM_MEASUREITEM_REFLECT()                                                                        \
    AFX_WM_(WM_MEASUREITEM + WM_REFLECT_BASE, AfxSig_vMEASURE_R, void, (LPMEASUREITEMSTRUCT), MeasureItem)
#define ON_WM_COMPAREITEM_REFLECT()                                                                        \
    AFX_WM_(WM_COMPAREITEM + WM_REFLECT_BASE, AfxSig_iCOMPARE_R, int, (LPCOMPAREITEMSTRUCT), CompareItem)
#define ON_WM_DELETEITEM_REFLECT()                                                                         \
    AFX_WM_(WM_DELETEITEM + WM_REFLECT_BASE, AfxSig_vDELETE_R, void, (LPDELETEITEMSTRUCT), DeleteItem)
#define ON_WM_VKEYTOITEM_REFLECT() AFX_WM_(WM_VKEYTOITEM + WM_REFLECT_BASE, AfxSig_iww, int, (UINT, UINT), VKeyToItem)
#define ON_WM_CHARTOITEM_REFLECT() AFX_WM_(WM_CHARTOITEM + WM_REFLECT_BASE, AfxSig_iww, int, (UINT, UINT), CharToItem)
#define ON_WM_HSCROLL_REFLECT() AFX_WM_(WM_HSCROLL + WM_REFLECT_BASE, AfxSig_vww, void, (UINT, UINT), HScroll)
#define ON_WM_VSCROLL_REFLECT() AFX_WM_(WM_VSCROLL + WM_REFLECT_BASE, AfxSig_vww, void, (UINT, UINT), VScroll)
#define ON_WM_PARENTNOTIFY_REFLECT() AFX_WM_(WM_PARENTNOTIFY + WM_REFLECT_BASE, AfxSig_vwl, void, (UINT, LPARAM), ParentNotify)

// Carried in pExtra of OnCmdMsg for WM_NOTIFY entries.
struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// Carried in lParam of the reflected WM_CTLCOLOR.
struct AFX_CTLCOLOR
{
    HWND hWnd;
    HDC hDC;
    UINT nCtlType;
};

// Filled by OnCmdMsg when a caller only asks whether a handler exists.
struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
    AFX_PMSG pmf;
};
