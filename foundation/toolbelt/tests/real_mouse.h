// The real mouse of the test desktop; each call lets the messages it causes be handled.
#pragma once

#include <afxwin.h>

void MouseTo(CPoint screen);
void MouseButton(bool down);
void PumpFor(DWORD ms);
