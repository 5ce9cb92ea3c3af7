// The chart's modal dialogs: settings, display count, the axis choice of a dropped series, the
// trend-line settings and the property dialogs of candle, line, bar and volume objects. Each
// runs with GraphKit's own resources current; its public values are set before and read after
// DoModal (OK 1 saves them, Cancel 2 leaves them).
#pragma once

#include <afxcmn.h>
#include <afxwin.h>

#include "ChartDialogIds.h"
#include "ColourPicker.h"
#include "GraphKitApi.h"

// GraphKit's module as the current resource handle for a scope; the previous one comes back at
// its end.
class GRAPHKIT_API CGraphKitResourceScope
{
public:
    CGraphKitResourceScope();
    ~CGraphKitResourceScope();
    static HINSTANCE Module();

private:
    HINSTANCE m_hPrevious;
    CGraphKitResourceScope(const CGraphKitResourceScope&) = delete;
    CGraphKitResourceScope& operator=(const CGraphKitResourceScope&) = delete;
};

class GRAPHKIT_API CChartDialog : public CDialog
{
public:
    CChartDialog(UINT nIDTemplate, CWnd* pParent);
    virtual INT_PTR DoModal();

protected:
    // Fills a list with the string-table entries from firstString on, up to the first missing.
    void FillList(int controlId, UINT firstString);
};

class GRAPHKIT_API CChartConfigDlg : public CChartDialog
{
public:
    explicit CChartConfigDlg(CWnd* pParent = NULL);
    COLORREF m_clrOuterBack;
    COLORREF m_clrFrame;
    COLORREF m_clrTimeBack;
    COLORREF m_clrChartBack;
    COLORREF m_clrTimeText;
    COLORREF m_clrIndexText;
    COLORREF m_clrHLine;
    COLORREF m_clrVLine;
    int m_nToolBar;
    int m_nToolTip;
    int m_nFluctuation;
    int m_nTimeDisplay;
    int m_nHLines;
    int m_nVLines;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    CColourPicker m_Pickers[8];
};

class GRAPHKIT_API CDataNumDlg : public CChartDialog
{
public:
    explicit CDataNumDlg(CWnd* pParent = NULL);
    UINT m_nTotal;
    UINT m_nCount;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    afx_msg void OnAll();
    DECLARE_MESSAGE_MAP()
    CSpinButtonCtrl m_Spin;
};

class GRAPHKIT_API DIndexOption : public CChartDialog
{
public:
    explicit DIndexOption(CWnd* pParent = NULL);
    int m_nChoice;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
};

// The axis choice of a dropped series as the canvas asks for it (axisSide 1 right, 0 left): the
// dialog opens on the right or left side, sharing the existing axis when the region already
// draws a series; a right or left choice gives the side, "no axis" keeps the one given. FALSE on
// Cancel.
GRAPHKIT_API BOOL RunDropAxisDialog(CWnd* parent, BOOL regionHasSeries, int& axisSide);

class GRAPHKIT_API CTrandConfig : public CChartDialog
{
public:
    explicit CTrandConfig(CWnd* pParent = NULL);
    COLORREF m_clrLine;
    // In: the thickness counted from 1; out: the chosen entry counted from 0.
    int m_nThickness;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    CColourPicker m_Picker;
    CLineStyleCombo m_Thickness;
};

class GRAPHKIT_API CCandlePropDlg : public CChartDialog
{
public:
    explicit CCandlePropDlg(CWnd* pParent = NULL);
    int m_nKind;
    COLORREF m_clrRise;
    COLORREF m_clrFall;
    int m_nRiseFill;
    int m_nFallFill;
    int m_nPriceBand;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    CColourPicker m_Pickers[2];
};

class GRAPHKIT_API CLinePropDlg : public CChartDialog
{
public:
    explicit CLinePropDlg(CWnd* pParent = NULL);
    COLORREF m_clrLine;
    int m_nThickness;
    int m_nShape;
    int m_nShadow;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    CColourPicker m_Picker;
    CLineStyleCombo m_Thickness;
};

class GRAPHKIT_API CBarPropDlg : public CChartDialog
{
public:
    explicit CBarPropDlg(CWnd* pParent = NULL);
    COLORREF m_clrUp;
    COLORREF m_clrDown;
    int m_nShadow;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    CColourPicker m_Pickers[2];
};

class GRAPHKIT_API CVolumePorpDlg : public CChartDialog
{
public:
    explicit CVolumePorpDlg(CWnd* pParent = NULL);
    COLORREF m_clrBar;
    int m_nShadow;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    CColourPicker m_Picker;
};
