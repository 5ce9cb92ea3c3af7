// CCtlChart: the chart control a host gets from GetNewControl: the canvas window with the
// common control state and the chart's own named properties.
#pragma once

#include "Canvas.h"
#include "CtlBase.h"

// The record a data link hands to UpdateOutputData; only the fourth field is read (0 clears
// the chart).
struct DATAUPDATEINFO
{
    long nField1;
    long nField2;
    long nField3;
    long nUpdate;
};

class GRAPHKIT_API CCtlChart : public CCanvas, public CCtlBase
{
public:
    CCtlChart();
    virtual ~CCtlChart();

    // Window part and interface part of one object.
    static CCtlChart* FromInterface(IChartBase* pBase) { return static_cast<CCtlChart*>(static_cast<CCtlBase*>(pBase)); }

    BOOL MakeControl(CWnd* pParent) override;
    CWnd* GetWndPoint() override { return this; }
    void SetBackColor(CCtlColor color) override;
    void SetVisible(BOOL bVisible) override;
    void SerializeCtl(CArchive& ar) override;
    void ShowControl(BOOL bShow) override;
    void SetCtlFont(CString strFont) override;

    void OpenConfigDlg() override {}
    short AddLineChart(short nRegion, const char* lpszTitle, short nKind, unsigned long color, short nStyle,
                       long nData, long nCount, long nOption) override;
    int AddLineRealData(short nRegion, short nObject, long nValue) override;
    int AddBongChart(long** ppColumns, long nCount, int nOption1, int nOption2) override;
    int AddBongRealData(CString str1, CString str2, CString str3) override;
    long GetChartDataCount() override;
    LONG_PTR GetLineChartDataPtr(short nRegion, short nObject) override;
    void SetRegionShowHide(int nRegion, int nShow) override;
    int GetRegionShowHide(int nRegion) override;
    LONG_PTR GetTimeDataPtr() override;
    int SetRegionIndexChange(short nFrom, short nTo) override;
    int SetRegionRMask(short nRegion, long n1, long n2, short n3, CString str) override;
    int ShowHideObject(int nRegion, int nObject, int nShow) override;
    int Add_Real_Time(long nTime) override;
    int Add_Region() override;
    void Remove_Chart_All() override;
    int Remove_Draw_Object(int n1, int n2, int n3) override;
    void Set_MinTerm(int nMinTerm) override;
    void Set_TimeKind(int nKind) override;

    // The chart's own properties.
    CCtlColor GetOuterBackColor() { return m_clrOuterBack; }
    void SetOuterBackColor(CCtlColor color);
    CCtlColor GetFrameColor() { return m_clrFrame; }
    void SetFrameColor(CCtlColor color);
    CCtlColor GetTimeBackColor() { return m_clrTimeBack; }
    void SetTimeBackColor(CCtlColor color);
    CCtlColor GetTimeColor() { return m_clrTime; }
    void SetTimeColor(CCtlColor color);
    int GetToolBarUse() { return m_nToolBarUseProp; }
    void SetToolBarUse(int n);
    int GetToolTipUse() { return m_nToolTipUse; }
    void SetToolTipUse(int n) { m_nToolTipUse = n; }
    int GetFluctuationUse() { return m_nFluctuationUse; }
    void SetFluctuationUse(int n) { m_nFluctuationUse = n; }
    int GetRealFixNeed() { return m_nRealFixNeed; }
    void SetRealFixNeed(int n) { m_nRealFixNeed = n; }
    CCtlColor GetVIndiColor() { return m_clrVIndi; }
    void SetVIndiColor(CCtlColor color);
    CCtlColor GetHIndiColor() { return m_clrHIndi; }
    void SetHIndiColor(CCtlColor color);
    int GetCheckStyle() { return m_nCheckStyle; }
    void SetCheckStyle(int n);
    int GetHIndi() { return m_nHIndi; }
    void SetHIndi(int n);
    int GetVIndi() { return m_nVIndi; }
    void SetVIndi(int n);
    int GetMinMaxOpt() { return m_nMinMaxOpt; }
    void SetMinMaxOpt(int n);
    int GetDataOrder() { return m_nDataOrder; }
    void SetDataOrder(int n);
    int GetTimeDisplay() { return m_nTimeDisplay; }
    void SetTimeDisplay(int n);
    int GetBorderDisplay() { return m_nBorderDisplay; }
    void SetBorderDisplay(int n);
    int GetSendExcelDisplay() { return m_nSendExcelDisplay; }
    void SetSendExcelDisplay(int n);
    int GetFixBtnDisplay() { return m_nFixPinBtnDisplay; }
    void SetFixBtnDisplay(int n);

    // The parent window's font, taken when the window was made; null before.
    HFONT GetFont() { return m_hFont; }
    void SetEnglishVersion(int nEnglish);
    void SetCanvasVertColor(CCtlColor color) { m_clrCanvasVert = color; }
    CCtlColor GetCanvasVertColor() { return m_clrCanvasVert; }
    void SetChartProp();
    void InitProperty();
    // An empty text does nothing; otherwise it is kept and applied to the chart property set.
    void SetPropertyString(CString strText);
    CString GetPropertyString() { return GetProperties().GetPropertyString(); }
    void UseCanvasDblClick(CString strName) { UseDblClick(strName); }
    CMenu* GetPopupMenu(CPoint) { return m_pPopupMenu; }
    // Clears the chart when the record's fourth field is 0; a null record does nothing.
    void UpdateOutputData(DATAUPDATEINFO* pInfo);
    int GetExcelAlign(long, int) { return 0; }
    CString GetCommonPath() override { return CString(); }
    // The bottom bar's spreadsheet button (10012): every column of the chart into a new workbook
    // of Excel, running or started; "Could not start Excel..." when there is none.
    afx_msg void OnSendToExcel();

    // Members in declaration order.
    HFONT m_hFont;
    CCtlColor m_clrOuterBack;
    CCtlColor m_clrFrame;
    CCtlColor m_clrTimeBack;
    CCtlColor m_clrTime;
    int m_nToolBarUseProp;
    CCtlColor m_clrVIndi;
    CCtlColor m_clrHIndi;
    CString m_strPropertyString;
    int m_nCheckStyle;
    int m_nHIndi;
    int m_nVIndi;
    int m_nMinMaxOpt;
    int m_nDataOrder;
    CCtlColor m_clrDefaultBack;
    int m_nTimeDisplay;
    int m_nBorderDisplay;
    int m_nSendExcelDisplay;
    int m_nFixPinBtnDisplay;
    CCtlColor m_clrCanvasVert;
    CMenu* m_pPopupMenu;
    CStringArray m_arChartDataNames;

protected:
    DECLARE_MESSAGE_MAP()
};

// The factory, exported undecorated: a new chart control, or null when memory runs out.
extern "C" GRAPHKIT_API IChartBase* GetNewControl();
