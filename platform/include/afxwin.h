// The framework's window layer: command targets, windows and message maps, menus, threads and the
// application object, the module resource chain, message boxes, dialogs, frames and the basic
// controls. Includes the core (afx.h) and the GDI wrappers (afxgdi_.h).
#pragma once

#include "afx.h"
#include "afxgdi_.h"
#include "afxwnd_.h"
#include "afxmenu_.h"
#include "afxthread_.h"
#include "afxmodule_.h"
#include "afxdlg_.h"
#include "afxdd_.h"
#include "afxctl_.h"
