// Message maps: the entry tables that DECLARE_MESSAGE_MAP / BEGIN_MESSAGE_MAP build, the handler
// signatures the dispatcher knows, and the ON_* macros. Included by afxwin.h.
//
// Handler names are given unqualified (ON_COMMAND(ID_X, OnX)) or qualified without '&'
// (ON_COMMAND(IDOK, CDialog::OnOK)); the macros take the address through the map's own class.
#pragma once

#include "afxplatform_.h"

#include <type_traits>

class CCmdTarget;
class CWnd;
class CWinThread;
class CCmdUI;

typedef void (AFX_MSG_CALL CCmdTarget::*AFX_PMSG)(void);
typedef void (AFX_MSG_CALL CWnd::*AFX_PMSGW)(void);
typedef void (AFX_MSG_CALL CWinThread::*AFX_PMSGT)(void);

// Calls a cracked window message's handler pfn on pWnd with the arguments taken from the
// message; returns the message's result.
typedef LRESULT (*AFX_PMSG_CRACKER)(CWnd* pWnd, AFX_PMSGW pfn, UINT nMsg, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;   // window message, or WM_COMMAND / WM_NOTIFY (+ WM_REFLECT_BASE when reflected)
    UINT nCode;      // notification or command code
    UINT nID;        // first control or command id
    UINT nLastID;    // last id of a range (nID for a single id)
    UINT_PTR nSig;   // handler signature; for registered messages the address of the message number
    AFX_PMSG pfn;    // handler
    AFX_PMSG_CRACKER pfnCrack; // cracked window messages (AfxSig_crack): the entry's own cracker
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP*(PASCAL* pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Handler signatures of the entries that are not cracked window messages.
enum AfxSig
{
    AfxSig_end = 0,
    AfxSig_crack,      // any cracked window message: the entry carries its cracker (ON_WM_*)
    AfxSig_lwl,        // LRESULT (WPARAM, LPARAM)   ON_MESSAGE, ON_REGISTERED_MESSAGE
    AfxSig_vWPLP,      // void (WPARAM, LPARAM)      thread messages

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

// Adding a cracked message takes this one macro per message (and the handler's declaration in
// CWnd): AFX_WM_(message, handler return type, (handler parameters), handler name, result of a
// handler returning void, arguments made from nMsg, wParam and lParam...). The entry checks the
// handler's type at compile time and carries the cracker that calls it.
#define AFX_WM_(msg, ret, params, fn, voidResult, ...)                                                     \
    {(UINT)(msg), 0, 0, 0, AfxSig_crack,                                                                   \
     (AFX_PMSG)(AFX_PMSGW)(static_cast<ret(AFX_MSG_CALL CWnd::*) params>(&ThisClass::fn)),                 \
     [](CWnd* pWnd, AFX_PMSGW pfn, UINT nMsg, WPARAM wParam, LPARAM lParam) -> LRESULT {                   \
         (void)nMsg;                                                                                       \
         (void)wParam;                                                                                     \
         (void)lParam;                                                                                     \
         return AfxCrackCall_(pWnd, reinterpret_cast<ret(AFX_MSG_CALL CWnd::*) params>(pfn),               \
                              (LRESULT)(voidResult), ##__VA_ARGS__);                                       \
     }},

// Helpers of the crackers.
template <class R, class... P, class... A>
inline LRESULT AfxCrackCall_(CWnd* pWnd, R (AFX_MSG_CALL CWnd::*pfn)(P...), LRESULT lVoidResult, A... args)
{
    if constexpr (std::is_void<R>::value) {
        (pWnd->*pfn)(args...);
        return lVoidResult;
    } else {
        return (LRESULT)(pWnd->*pfn)(args...);
    }
}
inline POINT AfxPointOf_(LPARAM lParam)
{
    POINT pt = {(LONG)(short)LOWORD(lParam), (LONG)(short)HIWORD(lParam)};
    return pt;
}
// The CTLCOLOR_* kind of a WM_CTLCOLORxxx message.
inline UINT AfxCtlColorOf_(UINT nMsg)
{
    return nMsg >= WM_CTLCOLORMSGBOX && nMsg <= WM_CTLCOLORSTATIC ? nMsg - WM_CTLCOLORMSGBOX : 0;
}

#define ON_WM_CREATE() AFX_WM_(WM_CREATE, int, (LPCREATESTRUCT), OnCreate, 0, reinterpret_cast<LPCREATESTRUCT>(lParam))
#define ON_WM_NCCREATE() AFX_WM_(WM_NCCREATE, BOOL, (LPCREATESTRUCT), OnNcCreate, 0, reinterpret_cast<LPCREATESTRUCT>(lParam))
#define ON_WM_DESTROY() AFX_WM_(WM_DESTROY, void, (), OnDestroy, 0)
#define ON_WM_NCDESTROY() AFX_WM_(WM_NCDESTROY, void, (), OnNcDestroy, 0)
#define ON_WM_CLOSE() AFX_WM_(WM_CLOSE, void, (), OnClose, 0)
#define ON_WM_PAINT() AFX_WM_(WM_PAINT, void, (), OnPaint, 0)
#define ON_WM_NCPAINT() AFX_WM_(WM_NCPAINT, void, (), OnNcPaint, 0)
#define ON_WM_ERASEBKGND() AFX_WM_(WM_ERASEBKGND, BOOL, (CDC*), OnEraseBkgnd, 0, CDC::FromHandle((HDC)wParam))
#define ON_WM_SIZE() AFX_WM_(WM_SIZE, void, (UINT, int, int), OnSize, 0, (UINT)wParam, (int)LOWORD(lParam), (int)HIWORD(lParam))
#define ON_WM_MOVE() AFX_WM_(WM_MOVE, void, (int, int), OnMove, 0, (int)(short)LOWORD(lParam), (int)(short)HIWORD(lParam))
#define ON_WM_SIZING() AFX_WM_(WM_SIZING, void, (UINT, LPRECT), OnSizing, TRUE, (UINT)wParam, reinterpret_cast<LPRECT>(lParam))
#define ON_WM_MOVING() AFX_WM_(WM_MOVING, void, (UINT, LPRECT), OnMoving, TRUE, (UINT)wParam, reinterpret_cast<LPRECT>(lParam))
#define ON_WM_TIMER() AFX_WM_(WM_TIMER, void, (UINT_PTR), OnTimer, 0, (UINT_PTR)wParam)
#define ON_WM_LBUTTONDOWN() AFX_WM_(WM_LBUTTONDOWN, void, (UINT, CPoint), OnLButtonDown, 0, (UINT)wParam, AfxPointOf_(lParam))
#define ON_WM_LBUTTONUP() AFX_WM_(WM_LBUTTONUP, void, (UINT, CPoint), OnLButtonUp, 0, (UINT)wParam, AfxPointOf_(lParam))
#define ON_WM_LBUTTONDBLCLK() AFX_WM_(WM_LBUTTONDBLCLK, void, (UINT, CPoint), OnLButtonDblClk, 0, (UINT)wParam, AfxPointOf_(lParam))
#define ON_WM_RBUTTONDOWN() AFX_WM_(WM_RBUTTONDOWN, void, (UINT, CPoint), OnRButtonDown, 0, (UINT)wParam, AfxPointOf_(lParam))
#define ON_WM_RBUTTONUP() AFX_WM_(WM_RBUTTONUP, void, (UINT, CPoint), OnRButtonUp, 0, (UINT)wParam, AfxPointOf_(lParam))
#define ON_WM_RBUTTONDBLCLK() AFX_WM_(WM_RBUTTONDBLCLK, void, (UINT, CPoint), OnRButtonDblClk, 0, (UINT)wParam, AfxPointOf_(lParam))
#define ON_WM_MBUTTONDOWN() AFX_WM_(WM_MBUTTONDOWN, void, (UINT, CPoint), OnMButtonDown, 0, (UINT)wParam, AfxPointOf_(lParam))
#define ON_WM_MBUTTONUP() AFX_WM_(WM_MBUTTONUP, void, (UINT, CPoint), OnMButtonUp, 0, (UINT)wParam, AfxPointOf_(lParam))
#define ON_WM_MBUTTONDBLCLK() AFX_WM_(WM_MBUTTONDBLCLK, void, (UINT, CPoint), OnMButtonDblClk, 0, (UINT)wParam, AfxPointOf_(lParam))
#define ON_WM_MOUSEMOVE() AFX_WM_(WM_MOUSEMOVE, void, (UINT, CPoint), OnMouseMove, 0, (UINT)wParam, AfxPointOf_(lParam))
#define ON_WM_MOUSEHOVER() AFX_WM_(WM_MOUSEHOVER, void, (UINT, CPoint), OnMouseHover, 0, (UINT)wParam, AfxPointOf_(lParam))
#define ON_WM_MOUSELEAVE() AFX_WM_(WM_MOUSELEAVE, void, (), OnMouseLeave, 0)
#define ON_WM_MOUSEWHEEL() AFX_WM_(WM_MOUSEWHEEL, BOOL, (UINT, short, CPoint), OnMouseWheel, 0, (UINT)LOWORD(wParam), (short)HIWORD(wParam), AfxPointOf_(lParam))
#define ON_WM_MOUSEACTIVATE() AFX_WM_(WM_MOUSEACTIVATE, int, (CWnd*, UINT, UINT), OnMouseActivate, 0, CWnd::FromHandle((HWND)wParam), (UINT)(int)(short)LOWORD(lParam), (UINT)HIWORD(lParam))
#define ON_WM_KEYDOWN() AFX_WM_(WM_KEYDOWN, void, (UINT, UINT, UINT), OnKeyDown, 0, (UINT)wParam, (UINT)LOWORD(lParam), (UINT)HIWORD(lParam))
#define ON_WM_KEYUP() AFX_WM_(WM_KEYUP, void, (UINT, UINT, UINT), OnKeyUp, 0, (UINT)wParam, (UINT)LOWORD(lParam), (UINT)HIWORD(lParam))
#define ON_WM_CHAR() AFX_WM_(WM_CHAR, void, (UINT, UINT, UINT), OnChar, 0, (UINT)wParam, (UINT)LOWORD(lParam), (UINT)HIWORD(lParam))
#define ON_WM_SYSKEYDOWN() AFX_WM_(WM_SYSKEYDOWN, void, (UINT, UINT, UINT), OnSysKeyDown, 0, (UINT)wParam, (UINT)LOWORD(lParam), (UINT)HIWORD(lParam))
#define ON_WM_SYSKEYUP() AFX_WM_(WM_SYSKEYUP, void, (UINT, UINT, UINT), OnSysKeyUp, 0, (UINT)wParam, (UINT)LOWORD(lParam), (UINT)HIWORD(lParam))
#define ON_WM_SYSCHAR() AFX_WM_(WM_SYSCHAR, void, (UINT, UINT, UINT), OnSysChar, 0, (UINT)wParam, (UINT)LOWORD(lParam), (UINT)HIWORD(lParam))
#define ON_WM_SETFOCUS() AFX_WM_(WM_SETFOCUS, void, (CWnd*), OnSetFocus, 0, CWnd::FromHandle((HWND)wParam))
#define ON_WM_KILLFOCUS() AFX_WM_(WM_KILLFOCUS, void, (CWnd*), OnKillFocus, 0, CWnd::FromHandle((HWND)wParam))
#define ON_WM_CAPTURECHANGED() AFX_WM_(WM_CAPTURECHANGED, void, (CWnd*), OnCaptureChanged, 0, CWnd::FromHandle((HWND)lParam))
#define ON_WM_CTLCOLOR() AFX_WM_(WM_CTLCOLOR, HBRUSH, (CDC*, CWnd*, UINT), OnCtlColor, 0, CDC::FromHandle((HDC)wParam), CWnd::FromHandle((HWND)lParam), AfxCtlColorOf_(nMsg))
#define ON_WM_DRAWITEM() AFX_WM_(WM_DRAWITEM, void, (int, LPDRAWITEMSTRUCT), OnDrawItem, TRUE, (int)wParam, reinterpret_cast<LPDRAWITEMSTRUCT>(lParam))
#define ON_WM_MEASUREITEM() AFX_WM_(WM_MEASUREITEM, void, (int, LPMEASUREITEMSTRUCT), OnMeasureItem, TRUE, (int)wParam, reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam))
#define ON_WM_COMPAREITEM() AFX_WM_(WM_COMPAREITEM, int, (int, LPCOMPAREITEMSTRUCT), OnCompareItem, 0, (int)wParam, reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam))
#define ON_WM_DELETEITEM() AFX_WM_(WM_DELETEITEM, void, (int, LPDELETEITEMSTRUCT), OnDeleteItem, TRUE, (int)wParam, reinterpret_cast<LPDELETEITEMSTRUCT>(lParam))
#define ON_WM_VKEYTOITEM() AFX_WM_(WM_VKEYTOITEM, int, (UINT, CListBox*, UINT), OnVKeyToItem, 0, (UINT)LOWORD(wParam), reinterpret_cast<CListBox*>(CWnd::FromHandle((HWND)lParam)), (UINT)HIWORD(wParam))
#define ON_WM_CHARTOITEM() AFX_WM_(WM_CHARTOITEM, int, (UINT, CListBox*, UINT), OnCharToItem, 0, (UINT)LOWORD(wParam), reinterpret_cast<CListBox*>(CWnd::FromHandle((HWND)lParam)), (UINT)HIWORD(wParam))
#define ON_WM_NCHITTEST() AFX_WM_(WM_NCHITTEST, LRESULT, (CPoint), OnNcHitTest, 0, AfxPointOf_(lParam))
#define ON_WM_NCACTIVATE() AFX_WM_(WM_NCACTIVATE, BOOL, (BOOL), OnNcActivate, 0, (BOOL)wParam)
#define ON_WM_NCCALCSIZE() AFX_WM_(WM_NCCALCSIZE, void, (BOOL, NCCALCSIZE_PARAMS*), OnNcCalcSize, 0, (BOOL)wParam, reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam))
#define ON_WM_NCLBUTTONDOWN() AFX_WM_(WM_NCLBUTTONDOWN, void, (UINT, CPoint), OnNcLButtonDown, 0, (UINT)wParam, AfxPointOf_(lParam))
#define ON_WM_NCLBUTTONUP() AFX_WM_(WM_NCLBUTTONUP, void, (UINT, CPoint), OnNcLButtonUp, 0, (UINT)wParam, AfxPointOf_(lParam))
#define ON_WM_NCLBUTTONDBLCLK() AFX_WM_(WM_NCLBUTTONDBLCLK, void, (UINT, CPoint), OnNcLButtonDblClk, 0, (UINT)wParam, AfxPointOf_(lParam))
#define ON_WM_NCRBUTTONDOWN() AFX_WM_(WM_NCRBUTTONDOWN, void, (UINT, CPoint), OnNcRButtonDown, 0, (UINT)wParam, AfxPointOf_(lParam))
#define ON_WM_NCRBUTTONUP() AFX_WM_(WM_NCRBUTTONUP, void, (UINT, CPoint), OnNcRButtonUp, 0, (UINT)wParam, AfxPointOf_(lParam))
#define ON_WM_NCMOUSEMOVE() AFX_WM_(WM_NCMOUSEMOVE, void, (UINT, CPoint), OnNcMouseMove, 0, (UINT)wParam, AfxPointOf_(lParam))
#define ON_WM_NCMOUSEHOVER() AFX_WM_(WM_NCMOUSEHOVER, void, (UINT, CPoint), OnNcMouseHover, 0, (UINT)wParam, AfxPointOf_(lParam))
#define ON_WM_NCMOUSELEAVE() AFX_WM_(WM_NCMOUSELEAVE, void, (), OnNcMouseLeave, 0)
#define ON_WM_SETCURSOR() AFX_WM_(WM_SETCURSOR, BOOL, (CWnd*, UINT, UINT), OnSetCursor, 0, CWnd::FromHandle((HWND)wParam), (UINT)(int)(short)LOWORD(lParam), (UINT)HIWORD(lParam))
#define ON_WM_SHOWWINDOW() AFX_WM_(WM_SHOWWINDOW, void, (BOOL, UINT), OnShowWindow, 0, (BOOL)wParam, (UINT)lParam)
#define ON_WM_ACTIVATE() AFX_WM_(WM_ACTIVATE, void, (UINT, CWnd*, BOOL), OnActivate, 0, (UINT)LOWORD(wParam), CWnd::FromHandle((HWND)lParam), (BOOL)HIWORD(wParam))
#define ON_WM_ACTIVATEAPP() AFX_WM_(WM_ACTIVATEAPP, void, (BOOL, DWORD), OnActivateApp, 0, (BOOL)wParam, (DWORD)lParam)
#define ON_WM_GETMINMAXINFO() AFX_WM_(WM_GETMINMAXINFO, void, (MINMAXINFO*), OnGetMinMaxInfo, 0, reinterpret_cast<MINMAXINFO*>(lParam))
#define ON_WM_HSCROLL() AFX_WM_(WM_HSCROLL, void, (UINT, UINT, CScrollBar*), OnHScroll, 0, (UINT)LOWORD(wParam), (UINT)HIWORD(wParam), reinterpret_cast<CScrollBar*>(CWnd::FromHandle((HWND)lParam)))
#define ON_WM_VSCROLL() AFX_WM_(WM_VSCROLL, void, (UINT, UINT, CScrollBar*), OnVScroll, 0, (UINT)LOWORD(wParam), (UINT)HIWORD(wParam), reinterpret_cast<CScrollBar*>(CWnd::FromHandle((HWND)lParam)))
#define ON_WM_COPYDATA() AFX_WM_(WM_COPYDATA, BOOL, (CWnd*, COPYDATASTRUCT*), OnCopyData, 0, CWnd::FromHandle((HWND)wParam), reinterpret_cast<COPYDATASTRUCT*>(lParam))
#define ON_WM_SYSCOMMAND() AFX_WM_(WM_SYSCOMMAND, void, (UINT, LPARAM), OnSysCommand, 0, (UINT)wParam, lParam)
#define ON_WM_PARENTNOTIFY() AFX_WM_(WM_PARENTNOTIFY, void, (UINT, LPARAM), OnParentNotify, 0, (UINT)wParam, lParam)
#define ON_WM_WINDOWPOSCHANGED() AFX_WM_(WM_WINDOWPOSCHANGED, void, (WINDOWPOS*), OnWindowPosChanged, 0, reinterpret_cast<WINDOWPOS*>(lParam))
#define ON_WM_WINDOWPOSCHANGING() AFX_WM_(WM_WINDOWPOSCHANGING, void, (WINDOWPOS*), OnWindowPosChanging, 0, reinterpret_cast<WINDOWPOS*>(lParam))
#define ON_WM_CONTEXTMENU() AFX_WM_(WM_CONTEXTMENU, void, (CWnd*, CPoint), OnContextMenu, 0, CWnd::FromHandle((HWND)wParam), AfxPointOf_(lParam))
#define ON_WM_SETTINGCHANGE() AFX_WM_(WM_SETTINGCHANGE, void, (UINT, LPCTSTR), OnSettingChange, 0, (UINT)wParam, reinterpret_cast<LPCTSTR>(lParam))
#define ON_WM_GETDLGCODE() AFX_WM_(WM_GETDLGCODE, UINT, (), OnGetDlgCode, 0)
#define ON_WM_ENABLE() AFX_WM_(WM_ENABLE, void, (BOOL), OnEnable, 0, (BOOL)wParam)
#define ON_WM_CANCELMODE() AFX_WM_(WM_CANCELMODE, void, (), OnCancelMode, 0)
#define ON_WM_CHILDACTIVATE() AFX_WM_(WM_CHILDACTIVATE, void, (), OnChildActivate, 0)
#define ON_WM_SYSCOLORCHANGE() AFX_WM_(WM_SYSCOLORCHANGE, void, (), OnSysColorChange, 0)
#define ON_WM_TIMECHANGE() AFX_WM_(WM_TIMECHANGE, void, (), OnTimeChange, 0)
#define ON_WM_ENTERSIZEMOVE() AFX_WM_(WM_ENTERSIZEMOVE, void, (), OnEnterSizeMove, 0)
#define ON_WM_EXITSIZEMOVE() AFX_WM_(WM_EXITSIZEMOVE, void, (), OnExitSizeMove, 0)
#define ON_WM_QUERYDRAGICON() AFX_WM_(WM_QUERYDRAGICON, HCURSOR, (), OnQueryDragIcon, 0)
#define ON_WM_QUERYENDSESSION() AFX_WM_(WM_QUERYENDSESSION, BOOL, (), OnQueryEndSession, 0)
#define ON_WM_ENDSESSION() AFX_WM_(WM_ENDSESSION, void, (BOOL), OnEndSession, 0, (BOOL)wParam)
#define ON_WM_INITMENUPOPUP() AFX_WM_(WM_INITMENUPOPUP, void, (CMenu*, UINT, BOOL), OnInitMenuPopup, 0, CMenu::FromHandle((HMENU)wParam), (UINT)LOWORD(lParam), (BOOL)HIWORD(lParam))
#define ON_WM_MENUSELECT() AFX_WM_(WM_MENUSELECT, void, (UINT, UINT, HMENU), OnMenuSelect, 0, (UINT)LOWORD(wParam), (UINT)HIWORD(wParam), (HMENU)lParam)
#define ON_WM_HELPINFO() AFX_WM_(WM_HELPINFO, BOOL, (HELPINFO*), OnHelpInfo, 0, reinterpret_cast<HELPINFO*>(lParam))
#define ON_WM_STYLECHANGED() AFX_WM_(WM_STYLECHANGED, void, (int, LPSTYLESTRUCT), OnStyleChanged, 0, (int)wParam, reinterpret_cast<LPSTYLESTRUCT>(lParam))
#define ON_WM_STYLECHANGING() AFX_WM_(WM_STYLECHANGING, void, (int, LPSTYLESTRUCT), OnStyleChanging, 0, (int)wParam, reinterpret_cast<LPSTYLESTRUCT>(lParam))
#define ON_WM_ENTERIDLE() AFX_WM_(WM_ENTERIDLE, void, (UINT, CWnd*), OnEnterIdle, 0, (UINT)wParam, CWnd::FromHandle((HWND)lParam))
#define ON_WM_DROPFILES() AFX_WM_(WM_DROPFILES, void, (HDROP), OnDropFiles, 0, (HDROP)wParam)

// Reflected to the control that sent the notification.
#define ON_WM_CTLCOLOR_REFLECT() AFX_WM_(WM_CTLCOLOR + WM_REFLECT_BASE, HBRUSH, (CDC*, UINT), CtlColor, 0, CDC::FromHandle(reinterpret_cast<AFX_CTLCOLOR*>(lParam)->hDC), reinterpret_cast<AFX_CTLCOLOR*>(lParam)->nCtlType)
#define ON_WM_DRAWITEM_REFLECT() AFX_WM_(WM_DRAWITEM + WM_REFLECT_BASE, void, (LPDRAWITEMSTRUCT), DrawItem, TRUE, reinterpret_cast<LPDRAWITEMSTRUCT>(lParam))
#define ON_WM_MEASUREITEM_REFLECT()                                                                        \
    AFX_WM_(WM_MEASUREITEM + WM_REFLECT_BASE, void, (LPMEASUREITEMSTRUCT), MeasureItem, TRUE, reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam))
#define ON_WM_COMPAREITEM_REFLECT()                                                                        \
    AFX_WM_(WM_COMPAREITEM + WM_REFLECT_BASE, int, (LPCOMPAREITEMSTRUCT), CompareItem, 0, reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam))
#define ON_WM_DELETEITEM_REFLECT()                                                                         \
    AFX_WM_(WM_DELETEITEM + WM_REFLECT_BASE, void, (LPDELETEITEMSTRUCT), DeleteItem, TRUE, reinterpret_cast<LPDELETEITEMSTRUCT>(lParam))
#define ON_WM_VKEYTOITEM_REFLECT() AFX_WM_(WM_VKEYTOITEM + WM_REFLECT_BASE, int, (UINT, UINT), VKeyToItem, 0, (UINT)LOWORD(wParam), (UINT)HIWORD(wParam))
#define ON_WM_CHARTOITEM_REFLECT() AFX_WM_(WM_CHARTOITEM + WM_REFLECT_BASE, int, (UINT, UINT), CharToItem, 0, (UINT)LOWORD(wParam), (UINT)HIWORD(wParam))
#define ON_WM_HSCROLL_REFLECT() AFX_WM_(WM_HSCROLL + WM_REFLECT_BASE, void, (UINT, UINT), HScroll, 0, (UINT)LOWORD(wParam), (UINT)HIWORD(wParam))
#define ON_WM_VSCROLL_REFLECT() AFX_WM_(WM_VSCROLL + WM_REFLECT_BASE, void, (UINT, UINT), VScroll, 0, (UINT)LOWORD(wParam), (UINT)HIWORD(wParam))
#define ON_WM_PARENTNOTIFY_REFLECT() AFX_WM_(WM_PARENTNOTIFY + WM_REFLECT_BASE, void, (UINT, LPARAM), ParentNotify, 0, (UINT)wParam, lParam)

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
