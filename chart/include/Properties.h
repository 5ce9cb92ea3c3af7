// CProperties: the model of one chart: time axis, regions, draw objects with their kind
// records, colours and options, font and the six series-name lists; its archive and the
// property string that rebuilds it.
#pragma once

#include <afx.h>
#include <afxcoll.h>
#include <afxtempl.h>

#include "CtlColor.h"
#include "GraphKitApi.h"
#include "KindRecords.h"
#include "LayoutRecords.h"

class CTimeDataCell;

typedef CTypedPtrList<CPtrList, DREGIONDATA*> CRegionDataList;
typedef CTypedPtrList<CPtrList, DDRAWOBJDATA*> CDrawObjDataList;

class GRAPHKIT_API CProperties : public CObject
{
    DECLARE_DYNCREATE(CProperties)
public:
    enum
    {
        kNameLists = 6,
        kArchiveVersion = 8
    };

    CProperties();
    virtual ~CProperties();

    // Frees every region and object (with its kind record) and empties the series-name lists.
    void ClearAll();

    // Stores version 8; loads versions 0 to 8 and refuses newer ones (badSchema). A load reads
    // into a model of its own and takes it over only when the whole archive was read, so a
    // short or damaged archive raises its exception and leaves this model as it was.
    virtual void Serialize(CArchive& ar);

    // Rebuilds the model from a property string; nonzero when it was read. A failed string
    // leaves the regions, objects and name lists empty.
    int ParsePropertyString(LPCSTR lpszText);
    // The first occurrence of the separator in source: token takes the text before it and
    // source loses both; false (and nothing changed) when it is missing.
    static BOOL NextToken(CString& source, CString& token, LPCSTR lpszSeparator);
    // The first token of the section as an integer, or -1 when the section has no separator.
    static int ReadCount(CString& section, LPCSTR lpszSeparator);

    // The canvas hands in its own lists and keeps them; loads and parses fill them.
    void SetNameList(int nList, CStringArray* pList);
    CStringArray* GetNameList(int nList) const;

    int GetTimeKind() const { return m_TimeData.TimeKind; }
    int SetTimeKind(int nKind)
    {
        m_TimeData.TimeKind = nKind;
        return 1;
    }
    int GetMinTerm() const { return m_TimeData.MinTerm; }
    void SetMinTerm(int nMinTerm) { m_TimeData.MinTerm = nMinTerm; }
    int GetLIndexWidth() const { return m_TimeData.LIndexWidth; }
    int GetRIndexWidth() const { return m_TimeData.RIndexWidth; }
    int GetRMargin() const { return m_TimeData.RMargin; }
    int GetTimeI7() const { return m_TimeData.I7; }
    int GetTimeHeight() const { return m_TimeData.TimeHeight; }
    int GetLabelDir() const { return m_TimeData.LabelDir; }
    int GetXDivisor() const { return m_TimeData.XDivisor; }
    int GetXDecimals() const { return m_TimeData.XDecimals; }
    CString GetXName() const { return m_TimeData.XName; }
    void SetTimeDataName(LPCSTR lpszName) { m_TimeData.S1 = lpszName; }
    int GetLeftMargin() const { return m_nLeftMargin; }
    CString GetPropertyString() const { return m_strPropString; }

    // Members in declaration order.
    int m_nReserved1[5];
    int m_nReserved2;
    int m_nRealCount;            // zeroed by the canvas's clear-all and by some real-time appends
    CTimeDataCell* m_pTimeCell;  // the canvas's main time series; not owned
    int m_nSessionTimes[4];      // HHMMSS
    int m_nReserved5;
    CStringArray* m_pNameLists[kNameLists]; // not owned
    CArray<CStringArray*, CStringArray*> m_arrNameLists;
    int m_bDefaultCount;
    int m_nDefaultCount;
    CCtlColor m_clrOuterBack;
    CCtlColor m_clrFrame;
    CCtlColor m_clrTimeBack;
    CCtlColor m_clrTime;
    int m_nCategoryAxis;
    COLORREF m_clrCategoryBack;
    COLORREF m_clrCategoryLine;
    CCtlColor m_clrBack;
    CString m_strFont;
    int m_bEnglish;
    int m_nPropVersion;
    DTIMEDATA m_TimeData;
    int m_nLeftMargin;
    CRegionDataList m_RegionList;   // owns its records
    CDrawObjDataList m_ObjectList;  // owns its records and their kind records
    CString m_strPropString;
    int m_nReserved26;
    int m_nMinMaxOpt;
    int m_nVIndi;
    int m_nHIndi;
    int m_nCheckStyle;
    CCtlColor m_clrHIndi;
    CCtlColor m_clrVIndi;
    CStringArray* m_pCategoryTexts; // the canvas's bottom-axis texts; not owned
    int m_nDataOrder;
    int m_nTimeDisplay;
    int m_nBorderDisplay;
    int m_nSendExcelDisplay;
    int m_nFixPinBtnDisplay;

private:
    CProperties(const CProperties&) = delete;
    CProperties& operator=(const CProperties&) = delete;
};

// Kind records by kind number (0 to 8): a new default record, its archive form and its
// deletion. Other kinds have no record: NULL, nothing and nothing.
GRAPHKIT_API void* NewKindRecord(int nKind);
GRAPHKIT_API void SerializeKindRecord(int nKind, void* pRecord, CArchive& ar);
GRAPHKIT_API void DeleteKindRecord(int nKind, void* pRecord);
