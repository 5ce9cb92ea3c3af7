// Extension classes of the window layer. Frames, dialogs and the resource chain live in afxwin.h.
#pragma once

#include "afxwin.h"
#include "afxbar_.h"
