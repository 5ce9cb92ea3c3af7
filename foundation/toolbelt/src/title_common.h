// What the screen and main title bars share: fonts, the platform frame's removal, the edge hit
// test, the black frame, activation, sizing, and painting of the cached caption image.
#pragma once

#include <afxwin.h>
#include "SysButton.h"

namespace titlebar {

// The window rectangle in screen coordinates, height pixels high.
CRect CaptionRect(HWND hWnd, int height);
// WM_NCCALCSIZE: the caption at the top and a 1-pixel frame round the rest.
void TakeFrame(RECT& rect, int captionHeight);
void SetStyleBit(UINT& style, UINT bit, BOOL on);
void StayOnTop(HWND hWnd, BOOL onTop);

// The caption fonts ("굴림체", 12 pixels, normal and bold) and their measured text heights.
void CreateFonts(HWND hWnd, CFont*& normal, CFont*& bold, int& normalHeight, int& boldHeight);
// Takes the platform's caption and sizing frame away and has the frame computed again.
void RemovePlatformFrame(HWND hWnd);
// Hit test of the window rectangle and its edges (point in screen coordinates): 0 outside,
// an edge code (HTLEFT ... HTBOTTOMRIGHT) allowed by the sizing mask, else HTCLIENT.
UINT HitEdges(HWND hWnd, CPoint point, UINT sizingMask);
// The edge codes start the platform's sizing loop on that edge.
bool IsEdge(UINT hitCode);
void StartSizing(HWND hWnd, UINT hitCode);
// The outermost pixel ring of the window in black.
void DrawFrame(HWND hWnd);
// The window's show state (SW_SHOWNORMAL, SW_SHOWMINIMIZED, ...).
UINT ShowState(HWND hWnd);
// Places button at top, gap pixels left of x (the previous button's left); returns its left.
int PlaceLeftOf(CSysButton& button, int x, int gap, int top);
// WM_NCACTIVATE: the look follows the flag, kept active by the framework's stay-active flag
// and inactive while the window is disabled. Without the tool-window style the window's
// top-level frame is told to take the same look; with it, a tool window in the foreground
// keeps its look. True when the look changed.
bool Activate(HWND hWnd, BOOL flag, UINT style, BOOL& active);
// WM_SYNCPAINT: the frame and background painted by the system with real device contexts.
void SyncPaint(HWND hWnd);

// WM_NCHITTEST outside the caption: true with the code when the point is outside the window
// (0), on an edge the sizing mask allows (remembered as the last hit) or below the caption
// (client).
bool HitOutsideCaption(HWND hWnd, CPoint point, const CRect& caption, UINT sizingMask, UINT& lastHit, UINT& code);
// WM_NCHITTEST in the caption (point relative to the window): the caption (the client for a
// pinned window), with the minimise style the minimise, maximise (no code) and restore
// buttons, and the close button over all.
UINT HitWindowButtons(CPoint local, UINT style, const CSysButton& min, const CSysButton& max,
                      const CSysButton& restore, const CSysButton& close);
// WM_NCHITTEST's hover bookkeeping: when the code changes, the button left loses its hover
// and press, the button entered gains the hover, and the frame is painted again.
void TrackHover(HWND hWnd, UINT& lastHit, UINT code, CSysButton* left, CSysButton* entered, CBitmap& image);
// WM_NCLBUTTONDOWN: an edge starts the sizing loop, a button is pressed; the frame is painted
// and a tool window tells the main window about the click.
void Press(HWND hWnd, UINT hitCode, CSysButton* button, CBitmap& image, UINT style);
// WM_NCLBUTTONUP on a button: true when it was pressed (it is released and drawn).
bool Release(CSysButton* button, CBitmap& image);
// Closes, minimises, maximises or restores the window for those buttons' codes.
void ActOnWindowButton(HWND hWnd, UINT hitCode);

// One caption to paint: what is drawn, in order, on the cached image of the current look.
struct Caption
{
    int width; // of the caption rectangle
    int height;
    BOOL active;
    CBitmap* images;      // [0] inactive look, [1] active look
    int* cachedWidth;     // size the images were made for; 0 forces new images
    int* cachedHeight;
    CBitmap* background;
    HICON icon;
    const CSysButton* const* buttons;
    int buttonCount;
    CString text;
    CRect textRect;
    CFont* textFont;
    CString rightText;
    CRect rightRect;
    CFont* rightFont;
};
void PaintCaption(HWND hWnd, const Caption& caption);
// Draws one button into the cached image of the current look (seen at the next paint).
void DrawButtonInto(CBitmap& image, const CSysButton& button);
// The text rectangle's top and bottom: centred in the caption for a font of that height.
CRect CentredText(int captionHeight, int fontHeight, int left, int right, int extraTop = 0);

} // namespace titlebar
