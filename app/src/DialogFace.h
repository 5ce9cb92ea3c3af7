// The login and logout dialogs have no caption: their face is one bitmap, the window is sized
// to it and clipped to its client area, and any point of the surface drags the dialog.
#pragma once

#include <afxwin.h>

// Sizes the dialog to the loaded face (one pixel more each way for the frame) and clips the
// window to its client area. An unloaded face leaves the size as it is.
void FitDialogToFace(CWnd* dialog, CBitmap& face);

// Draws the face at the client area's top left (from WM_PAINT).
void PaintDialogFace(CWnd* dialog, CBitmap& face);

// Lets a button press anywhere on the surface move the dialog as a caption would.
void DragDialogBySurface(CWnd* dialog, CPoint point);
