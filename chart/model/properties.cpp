// CProperties: construction, clearing and the series-name lists.
#include "Properties.h"

IMPLEMENT_DYNCREATE(CProperties, CObject)

CProperties::CProperties()
    : m_nReserved2(0), m_nRealCount(0), m_pTimeCell(NULL), m_nReserved5(0), m_bDefaultCount(0), m_nDefaultCount(0),
      m_clrOuterBack(COLORREF(0xEFDFDD)), m_clrFrame(COLORREF(0x828080)), m_clrTimeBack(COLORREF(0xFFFFFF)),
      m_clrTime(COLORREF(0x000000)), m_nCategoryAxis(0), m_clrCategoryBack(0xFFFFFF), m_clrCategoryLine(0),
      m_clrBack(COLORREF(0xFFFFFF)), m_strFont("MS Shell Dlg 2,-12,400,0,0,0"), m_bEnglish(0), m_nPropVersion(0),
      m_nLeftMargin(10), m_RegionList(10), m_ObjectList(10), m_nReserved26(1), m_nMinMaxOpt(1), m_nVIndi(1),
      m_nHIndi(1), m_nCheckStyle(0), m_clrHIndi(COLORREF(0xC8C8C8)), m_clrVIndi(COLORREF(0xC8C8C8)),
      m_pCategoryTexts(NULL), m_nDataOrder(1), m_nTimeDisplay(1), m_nBorderDisplay(1), m_nSendExcelDisplay(0),
      m_nFixPinBtnDisplay(0)
{
    for (int& n : m_nReserved1)
        n = 0;
    const int times[4] = {73000, 90000, 150000, 145000};
    for (int i = 0; i < 4; ++i)
        m_nSessionTimes[i] = times[i];
    for (CStringArray*& p : m_pNameLists)
        p = NULL;
    m_TimeData.ViewCount = 100;
    m_TimeData.MinTerm = 30;
    m_TimeData.LIndexWidth = 15;
    m_TimeData.RIndexWidth = 60;
    m_TimeData.RMargin = 10;
    m_TimeData.I7 = 11;
}

CProperties::~CProperties() { ClearAll(); }

void CProperties::ClearAll()
{
    while (!m_RegionList.IsEmpty())
        delete m_RegionList.RemoveHead();
    while (!m_ObjectList.IsEmpty()) {
        DDRAWOBJDATA* pObject = m_ObjectList.RemoveHead();
        DeleteKindRecord(pObject->Kind, pObject->KindProp);
        pObject->KindProp = NULL;
        delete pObject;
    }
    for (CStringArray* pList : m_pNameLists) {
        if (pList != NULL)
            pList->SetSize(0);
    }
}

void CProperties::SetNameList(int nList, CStringArray* pList)
{
    if (nList >= 1 && nList <= kNameLists)
        m_pNameLists[nList - 1] = pList;
}

CStringArray* CProperties::GetNameList(int nList) const
{
    return nList >= 1 && nList <= kNameLists ? m_pNameLists[nList - 1] : NULL;
}
