// CCtlChart: the chart control a host gets from GetNewControl: the canvas window with the
// common control state and the chart's own named properties.
#pragma once

#include <afxdisp.h>

#include "Canvas.h"
#include "CtlBase.h"

class CDataCell;

// The safe-array calls the data input makes, replaceable so that a test can make a bound or an
// element read fail as a broken automation caller would.
struct GraphKitSafeArrayCalls
{
    UINT(WINAPI* getDim)(SAFEARRAY*);
    HRESULT(WINAPI* getLBound)(SAFEARRAY*, UINT, LONG*);
    HRESULT(WINAPI* getUBound)(SAFEARRAY*, UINT, LONG*);
    HRESULT(WINAPI* getElement)(SAFEARRAY*, LONG*, void*);
};
// Null restores the system's calls; returns the calls in use before.
extern "C" GRAPHKIT_API GraphKitSafeArrayCalls GraphKitSetSafeArrayCalls(const GraphKitSafeArrayCalls* calls);

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

    void OpenConfigDlg() override;
    short AddLineChart(short nRegion, const char* lpszTitle, short nThick, unsigned long color, short nScale,
                       LONG_PTR pTimes, LONG_PTR pValues, long nCount) override;
    int AddLineRealData(short nRegion, short nObject, long nValue) override;
    int AddBongChart(long** ppColumns, long nCount, int nOption1, int nOption2) override;
    int AddBongRealData(CString str1, CString str2, CString str3) override;
    long GetChartDataCount() override;
    LONG_PTR GetLineChartDataPtr(short nRegion, short nObject) override;
    void SetRegionShowHide(int nRegion, int nShow) override;
    int GetRegionShowHide(int nRegion) override;
    LONG_PTR GetTimeDataPtr() override;
    int SetRegionIndexChange(short nRegion, short nSide) override;
    int SetRegionRMask(short nRegion, long nEmpty, long nDivisor, short nDecimals, CString strUnit) override;
    int ShowHideObject(int nRegion, int nObject, int nShow) override;
    int Add_Real_Time(long nTime) override;
    int Add_Region() override;
    void Remove_Chart_All() override;
    int Remove_Draw_Object(int nRegion, int nObject, int nFlag) override;
    void Set_MinTerm(int nMinTerm) override;
    void Set_TimeKind(int nKind) override;

    // Data input from safe arrays, as an automation host hands them over. Arrays and tables are
    // read from their lower bounds; a wrong dimension count raises the dispatch exception 1002,
    // a failed bound read 1003 or 1004. The result is the new object's index, or -1.
    short AddLineChart(int nRegion, const char* lpszTitle, short nThick, unsigned long color, short nScale,
                       const VARIANT* pData);
    short AddLineChart2(int nRegion, const char* lpszTitle, short nThick, unsigned long color, short nScale,
                        const VARIANT* pData, const char* lpszTimeColumn, const char* lpszValueColumn, short nReverse);
    short AddBarChart(int nRegion, const char* lpszTitle, unsigned long color, short nScale, const VARIANT* pData);
    short AddHBarChart(int nRegion, int nLinked, short nMode, const char* lpszTitle, long color1, long color2,
                       VARIANT* pData);

    // Regions and objects.
    int SetRegionLMask(short nRegion, long nEmpty, long nDivisor, short nDecimals, CString strUnit);
    int SetRegionRUnit(short nRegion, CString strUnit);
    int SetRegionLUnit(short nRegion, CString strUnit);
    int SetRegionFixedMinMax(short nRegion, int nSide, int nFixed, long nMax, long nMin);
    int SetRegionObjectIndexChange(short nRegion, short nObject, short nSide);
    int GetShowHideObject(short nRegion, short nObject);
    // The region's absolute-scale switch, kept for the host.
    void SetAbsoluteMode(short nRegion, int nOn);
    unsigned long GetLineChartColor(short nRegion, short nObject);
    short GetLineChartThick(short nRegion, short nObject);
    CString GetLineChartTitle(short nRegion, short nObject);
    void SetLineChartColor(short nRegion, short nObject, unsigned long color);
    void SetLineChartThick(short nRegion, short nObject, short nThick);
    void SetLineChartTitle(short nRegion, short nObject, const char* lpszTitle);
    // The vertical base line of every region: at an entry counted from the newest (a negative
    // entry clears it), or at the entry of a time with a text.
    void SetCanvasVertBaseIndex(int nIndex);
    void SetCanvasVertBase(CString strText, long nTime);
    int GetCanvasVertBaseEntry() const { return m_nVertBaseEntry; }
    int GetBongLastVal(short nRegion, VARIANT* pOpen, VARIANT* pHigh, VARIANT* pLow, VARIANT* pClose);
    int GetGeneralLastVal(short nRegion, VARIANT* pValue);

    // The volume-at-price chart (time kind -1): nCount price levels already grouped per price,
    // each with its first and last volume parts and, when given, its middle part (three-part
    // bars) and its percentage in hundredths of a per cent; the chart draws them from the
    // highest price down, in the look of its volume-at-price object. Returns the number of
    // levels, or -1 (nothing changed) for a negative or absurd count or a missing price or part.
    int SetVolumeAtPrice(long nCount, const long* pPrices, const long* pFirst, const long* pLast,
                         const long* pMiddle = nullptr, const long* pPercents = nullptr);

    // Real-time updates.
    int AddVolumeBarRealData(short nRegion, short nObject, long nValue);
    int UpdateLineRealData(short nRegion, short nObject, long nTime, long nValue);
    int UpdateVolumeBarRealData(short nRegion, short nObject, long nTime, long nValue);
    // One named value after the real-time append of the time (the name in parentheses keeps a
    // test framework's TEST macro from taking the declaration).
    int(TEST)(CString strTime, CString strName, CString strValue);

    // Persistence: the last-information record of the settings and the look of the objects.
    void SaveLastInfo(const char* lpsz1, const char* lpsz2, CArchive& ar);
    void LoadLastInfo(const char* lpsz1, const char* lpsz2, CArchive& ar);

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
    CMenu* GetPopupMenu(CPoint point);
    // Id 101 switches the value lookup window on or off; other ids do nothing.
    void ActionPopupMenu(unsigned int nID);
    // Clears the chart when the record's fourth field is 0; a null record does nothing.
    void UpdateOutputData(DATAUPDATEINFO* pInfo);
    int GetExcelAlign(long nColumn, int nRow);
    CString GetCommonPath() override;
    // Hooks of the host's control family that this control leaves empty; hosts resolve them.
    void AddChartData();
    void SetConnectCtl();
    void SetFontInfo();
    void UpdateRealData();
    void AddDataToCtl();
    void AddRealDataToCtl();
    void UpdatePriceIndexInfo();
    // A refused command's message: this control shows none.
    void ShowMessageBox(CString strText) override;
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
    // The two text lists of the chart's archive, which the chart itself neither fills nor reads.
    CStringArray m_arArchiveTexts1;
    CStringArray m_arArchiveTexts2;
    // The property set came from the chart's archive: window creation must not parse the stored
    // property string over it.
    int m_bPropertySetLoaded;
    // The running volume total of the real-time updates.
    int m_nRealVolume;
    // The entry of the vertical base line (-1: none).
    int m_nVertBaseEntry;

private:
    // Data input.
    CDataCell* NewAlignedStore(const int* const* columns, const char* const* names, int nColumns, int count);
    int AttachObject(int nRegion, CDataCell* store, int kind, int axisSide, const void* record);
    int AddLineObject(int nRegion, const char* lpszTitle, short nThick, unsigned long color, int axisSide,
                      const int* values, int count);
    void AlignToAxis(const long* times, const long* values, int count, CArray<int, int>& column);
    CDrawObject* FindObject(int nRegion, int nObject) const;
    CDrawObject* FindLineObject(short nRegion, short nObject, LPCSTR lpszGetter);
    void Relayout(BOOL erase);
    // Real-time: the named values go to the newest bar of every series.
    void ApplyRealValues(CStringArray& names, CStringArray& values, int added);
    int SetRealValue(short nRegion, short nObject, int kind, LPCSTR lpszMessage, BOOL atTime, long nTime,
                     long nValue);

protected:
    DECLARE_MESSAGE_MAP()
};

// The factory, exported undecorated: a new chart control, or null when memory runs out.
extern "C" GRAPHKIT_API IChartBase* GetNewControl();
