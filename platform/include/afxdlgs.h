// Dialog classes of the window layer (CDialog lives in afxwin.h).
#pragma once

#include "afxwin.h"
