// The rules of the controls as pure functions: the button's mouse states, the numeric input
// filter, thousands separators, spin steps and their parsing and clamping, the label's gradient
// bands, the tab colours, the message box geometry and the candle geometry.
#pragma once

#include <afxwin.h>

#include <vector>

#include "BtnColor.h"
#include "WidgetKitApi.h"

// --- image buttons -----------------------------------------------------------------------

enum : int { BTN_STATE_NORMAL = 100, BTN_STATE_OVER = 101, BTN_STATE_PRESSED = 102, BTN_STATE_DISABLED = 104 };

enum ButtonEvent { BTN_EVENT_HOVER, BTN_EVENT_LEAVE, BTN_EVENT_DOWN, BTN_EVENT_UP, BTN_EVENT_DBLCLK };

struct ButtonStep
{
    int nState;          // the mouse state after the event
    BOOL bPressedInside; // the left button went down on the button and is still held
    BOOL bClick;         // the event clicks the button
};

// One mouse event of an image button; bInside tells whether a release happened over the button.
WIDGETKIT_API ButtonStep NextButtonState(int nState, BOOL bPressedInside, ButtonEvent event, BOOL bInside);
// The look a button paints: a disabled push button 104; a disabled toggle 100, a checked one 102.
WIDGETKIT_API int ButtonLookState(int nMouseState, BOOL bDisabled, BOOL bToggle, BOOL bChecked);

// --- numeric edits -------------------------------------------------------------------------

struct NumericRules
{
    BOOL bReal;       // a decimal point is allowed
    BOOL bMinus;      // a leading minus is allowed
    BOOL bMinMax;     // the value must stay within dMin..dMax
    double dMin;
    double dMax;
    int nDecimals;    // digits allowed after the point, 0 for no limit
};

WIDGETKIT_API NumericRules DefaultNumericRules();
// Nonzero when the character typed into text (selection nStart..nEnd, commas included) is refused.
WIDGETKIT_API BOOL IsNotInputChar(const NumericRules& rules, const CString& text, int nStart, int nEnd, UINT nChar);
// The text (without commas) after typing nChar into text over the selection, as the edit shows
// it once accepted; FALSE (out untouched) when refused. Backspace (8) and Delete (12) delete.
WIDGETKIT_API BOOL TypeIntoNumber(const NumericRules& rules, const CString& text, int nStart, int nEnd, UINT nChar,
                                  CString& out);
// Pasting is typing every character in turn: TRUE with the text (without commas) when each one
// is accepted, FALSE when any is refused (the edit then keeps its text).
WIDGETKIT_API BOOL PasteIntoNumber(const NumericRules& rules, const CString& text, int nStart, int nEnd,
                                   const CString& pasted, CString& out);

// --- thousands separators ----------------------------------------------------------------------

// The longest number text that gets separators; a longer one is cut to it first.
#define WIDGETKIT_MAX_NUMBER_INPUT 99
// Separators between groups of three integer digits (the text is cut to 99 characters; a text
// too long for separators stays as it is). Never writes beyond its 100-byte buffer.
WIDGETKIT_API CString SeparatorText(const CString& plain);
WIDGETKIT_API CString StripSeparators(const CString& text);
// Where the caret goes after the edit's text (plain, caret at nCaret) was given its separators.
WIDGETKIT_API int CaretAfterSeparators(const CString& typed, int nCaret);

// --- spin edits ----------------------------------------------------------------------------

// The step the up-down takes for a delta of +1 or -1: kinds 'C' and 'P' step by 5 from 300
// (301 going down), 'F' and 'S' by 5, others by nStep.
WIDGETKIT_API LONGLONG SpinDelta(char kind, int nValue, int nDelta, int nStep);
// The value plus the delta, within lower..upper (also when the sum leaves the int range).
WIDGETKIT_API int SpinStep(int nValue, LONGLONG delta, int nLower, int nUpper);
WIDGETKIT_API int ClampSpin(LONGLONG value, int nLower, int nUpper);
// "%d", or the value / 10^decimals with that many decimals, with separators.
WIDGETKIT_API CString SpinText(int nValue, int nDecimals);

struct SpinParse
{
    int nValue;     // the value the text stands for, kept within the int range
    CString strText; // the text to show (with separators)
    int nCaret;     // the caret in strText
};
// A typed spin text (commas allowed) with the caret at nCaret: without decimals the integer; with
// d decimals a text without a point gets ".00.." appended, extra decimals are cut.
WIDGETKIT_API SpinParse ParseSpinText(const CString& typed, int nCaret, int nDecimals);

// --- rich label ------------------------------------------------------------------------------

struct GradientBand
{
    int nLeft;
    int nRight;
    COLORREF clr;
};
// Left-to-right bands from first to second colour: 100, or one per pixel when narrower.
WIDGETKIT_API std::vector<GradientBand> GradientBands(int nWidth, COLORREF clrFirst, COLORREF clrSecond);

// --- tab control -------------------------------------------------------------------------------

struct TabColours
{
    COLORREF clrFill;
    COLORREF clrLine;
    COLORREF clrText;
};
// A selected tab with its own set takes fill, line and text from it; a selected one without
// uses the selected fill and the line colour; the others the unselected fill and line colour.
WIDGETKIT_API TabColours TabButtonColours(BOOL bSelected, const tagBtnColor* pSet, COLORREF clrSelectedFill,
                                          COLORREF clrUnselectedFill, COLORREF clrLine);

// --- message box -----------------------------------------------------------------------------

struct MessageBoxLayout
{
    CSize sizeWindow;
    CRect rcButton1; // client coordinates
    CRect rcButton2;
    BOOL bShow1;
    BOOL bShow2;
};
// Sizes the box around its text (measured size without margins) and places its buttons.
WIDGETKIT_API MessageBoxLayout LayoutMessageBox(CSize sizeText, CSize sizeNonClient, CSize sizeButton, int nType);

// --- candle ------------------------------------------------------------------------------------

struct CandleShape
{
    BOOL bDraw;   // all four prices nonzero
    WORD nColor;  // colour-map id: 102 rise, 103 fall, 101 unchanged
    CRect rcBody;
    int nWickX;
    int nWickTop;
    int nWickBottom;
};
WIDGETKIT_API CandleShape CandleGeometry(const CRect& rcClient, int nMargin, int nOpen, int nClose, int nLow,
                                         int nHigh);

// --- account selector and password dialogs -----------------------------------------------------

// The account number as the selector lists it: without '-', cut to 11 characters, then '-'
// inserted at 5 and at 3 ("12345678901" -> "123-45-678901").
WIDGETKIT_API CString AccountDisplayNumber(const char* accountNo);
// The account number without its '-' separators.
WIDGETKIT_API CString AccountWithoutDashes(const char* accountNo);
// The kind mask of an account number by its second '-'-separated field: 0 -> 0; 1, 33, 55, 75,
// 76, 77 -> 1; 11 -> 0x100; 21, 22, 23 -> 0x10; 88 -> 0x1000; anything else or none -> -1.
WIDGETKIT_API int AccountTypeOfNumber(const char* accountNo);
// 1 when the second '-'-separated field is exactly "11".
WIDGETKIT_API int IsFutOptNumber(const char* accountNo);

#define ACCPWD_REQUEST_SIZE 33
#define ACCCFM_ENTRY_SIZE 29
// The password check of one account (33 bytes, blank-filled): "00001", the account number
// without '-' in 20 bytes, the password in 8.
WIDGETKIT_API void MakePasswordRequest(const char* accountNo, const char* password, char out[ACCPWD_REQUEST_SIZE]);
// One entry of a batch check (29 bytes, blank-filled): '1' for account kind '9' else '2', the
// account number without '-' in 20 bytes, the password in 8.
WIDGETKIT_API void MakeBatchEntry(char kind, const char* accountNo, const char* password,
                                  char out[ACCCFM_ENTRY_SIZE]);

// --- item codes ------------------------------------------------------------------------------------

// Code page of the item names (Korean names are double-byte).
#define WIDGETKIT_TEXT_CODEPAGE 949
// At most nBytes bytes of the text, never ending inside a double-byte character.
WIDGETKIT_API CString CutOnCharBoundary(const char* text, int nBytes);
// Single-byte letters upper-cased; double-byte characters left as they are.
WIDGETKIT_API CString UpperSingleByte(const char* text);
// The search list's test: the code or the name, cut to the typed length and upper-cased,
// equals the upper-cased typed text.
WIDGETKIT_API BOOL CodeMatchesTyped(const char* code, const char* name, const char* typed);
// Whether the text holds a digit (the search dialog then searches codes).
WIDGETKIT_API BOOL HasDigit(const char* text);
// The name search of the code dialog: the name, upper-cased and cut to the text's length, is not
// less than the upper-cased text.
WIDGETKIT_API BOOL NameReachesText(const char* name, const char* text);

// --- print preview -------------------------------------------------------------------------------

// Where a picture of sizePicture screen pixels prints: scaled from the screen's pixels per inch to
// the printer's on each axis (rounded, not cut to whole inches) and centred in the printable
// area. Empty when a resolution is not positive.
WIDGETKIT_API CRect PrintRectFor(CSize sizePicture, CSize screenPerInch, CSize printerPerInch, CSize printable);
// The paper in the preview panel: the client less 20 pixels right and bottom gives the long side
// (its shorter extent), the paper's proportions the other; centred in the client. A paper
// without a size counts as A4.
WIDGETKIT_API CRect PreviewPaperRect(const CRect& rcClient, CSize sizePaper);
// The picture on the previewed paper: its size in inches at screenPerInch as a share of the
// paper's (thousandths of an inch) times the paper rectangle's size, centred in it.
WIDGETKIT_API CRect PreviewPictureRect(const CRect& rcPaper, CSize sizePicture, CSize sizePaper,
                                       CSize screenPerInch);
