// IChartBase: the chart control's face to its host, with the named property records and the
// common control state (CCtlBase) that implements it.
//
// The slot order of IChartBase is fixed: hosts call it by position. GCC gives the virtual
// destructor two slots where other Windows compilers give one, so a host built with another
// compiler cannot call this interface (README, "what it does not do").
#pragma once

#include <afxcoll.h>
#include <afxwin.h>

#include "CtlColor.h"
#include "GraphKitApi.h"

// Property type codes.
enum
{
    PROPTYPE_SWITCH = 1,
    PROPTYPE_INT = 2,
    PROPTYPE_TEXT = 4,
    PROPTYPE_COLOR = 5,
    PROPTYPE_FONT = 6,
};

class GRAPHKIT_API IChartBase
{
public:
    virtual ~IChartBase() {}
    virtual BOOL MakeControl(CWnd* pParent) = 0;
    virtual BOOL GetPropertyValue(CString strName, CString& strValue) = 0;
    virtual BOOL SetPropertyValue(CString strName, CString strValue) = 0;
    virtual BOOL GetDataItem(CString strItem, int n1, int n2, CString& strValue) = 0;
    virtual BOOL SetDataItem(CString strItem, int n1, int n2, CString strValue) = 0;
    virtual HWND GetCtlHwnd() = 0;
    virtual CWnd* GetWndPoint() = 0;
    virtual void SetCtlID(int nID) = 0;
    virtual int GetCtlID() = 0;
    virtual void SetHostData(long nData) = 0;
    virtual long GetHostData() = 0;
    virtual CString GetCtlClass() = 0;
    virtual CString GetName() = 0;
    virtual void SetName(CString strName) = 0;
    virtual void SetCtlRect(RECT rect) = 0;
    virtual void GetCtlRect(RECT* pRect) = 0;
    virtual CCtlColor GetForeColor() = 0;
    virtual void SetForeColor(CCtlColor color) = 0;
    virtual CCtlColor GetBackColor() = 0;
    virtual void SetBackColor(CCtlColor color) = 0;
    virtual BOOL GetVisible() = 0;
    virtual void SetVisible(BOOL bVisible) = 0;
    virtual int GetTop() = 0;
    virtual void SetTop(int nTop) = 0;
    virtual int GetLeft() = 0;
    virtual void SetLeft(int nLeft) = 0;
    virtual int GetWidth() = 0;
    virtual void SetWidth(int nWidth) = 0;
    virtual int GetHeight() = 0;
    virtual void SetHeight(int nHeight) = 0;
    virtual CString GetCaption() = 0;
    virtual void SetCaption(CString strCaption) = 0;
    virtual void MoveControl() = 0;
    virtual void InvalidateControl() = 0;
    virtual void SerializeBase(CArchive& ar) = 0;
    virtual BOOL CreateControl(CWnd* pParent, RECT rect, int nID) = 0;
    virtual void OpenConfigDlg() = 0;
    // pTimes and pValues carry the addresses of two arrays of nCount longs.
    virtual short AddLineChart(short nRegion, const char* lpszTitle, short nThick, unsigned long color, short nScale,
                               LONG_PTR pTimes, LONG_PTR pValues, long nCount) = 0;
    virtual int AddLineRealData(short nRegion, short nObject, long nValue) = 0;
    virtual int AddBongChart(long** ppColumns, long nCount, int nOption1, int nOption2) = 0;
    virtual int AddBongRealData(CString str1, CString str2, CString str3) = 0;
    virtual long GetChartDataCount() = 0;
    virtual LONG_PTR GetLineChartDataPtr(short nRegion, short nObject) = 0;
    virtual void SetRegionShowHide(int nRegion, int nShow) = 0;
    virtual int GetRegionShowHide(int nRegion) = 0;
    virtual LONG_PTR GetTimeDataPtr() = 0;
    virtual int SetRegionIndexChange(short nFrom, short nTo) = 0;
    virtual int SetRegionRMask(short nRegion, long n1, long n2, short n3, CString str) = 0;
    virtual int ShowHideObject(int nRegion, int nObject, int nShow) = 0;
    virtual int Add_Real_Time(long nTime) = 0;
    virtual int Add_Region() = 0;
    virtual void Remove_Chart_All() = 0;
    virtual int Remove_Draw_Object(int n1, int n2, int n3) = 0;
    virtual void Set_MinTerm(int nMinTerm) = 0;
    virtual void Set_TimeKind(int nKind) = 0;
};

class CCtlBase;

// One named property: a getter and a setter of the control.
class GRAPHKIT_API CBaseProperty
{
public:
    CBaseProperty(LPCSTR lpszName, LPCSTR lpszDesc, int nType, LPCSTR lpszDefault);
    virtual ~CBaseProperty();

    CString m_strName; // upper-cased
    CString m_strDesc;
    int m_nType;
    CString m_strDefault;

private:
    CBaseProperty(const CBaseProperty&) = delete;
    CBaseProperty& operator=(const CBaseProperty&) = delete;
};

// The getter returns T, the setter takes T. Members of the chart class are reached through its
// CCtlBase part: a pointer to a derived member converts, and the call adjusts the object.
template <class T>
class CProperty : public CBaseProperty
{
public:
    typedef T (CCtlBase::*Getter)();
    typedef void (CCtlBase::*Setter)(T);
    CProperty(LPCSTR lpszName, LPCSTR lpszDesc, int nType, Getter get, Setter set, LPCSTR lpszDefault)
        : CBaseProperty(lpszName, lpszDesc, nType, lpszDefault), m_pGet(get), m_pSet(set)
    {
    }
    Getter m_pGet;
    Setter m_pSet;
};

// Owned records by upper-cased name and in registration order; a name stands once, at the
// place of its last registration.
template <class TYPE>
class COrdinalMap
{
public:
    COrdinalMap() : m_map(10) { m_map.InitHashTable(17); }
    ~COrdinalMap() { RemoveAll(); }

    void Add(TYPE* pRecord)
    {
        void* old = nullptr;
        if (m_map.Lookup(pRecord->m_strName, old))
        {
            for (INT_PTR i = 0; i < m_order.GetSize(); ++i)
                if (m_order[i] == old)
                {
                    m_order.RemoveAt(i);
                    break;
                }
            delete static_cast<TYPE*>(old);
        }
        m_map.SetAt(pRecord->m_strName, pRecord);
        m_order.Add(pRecord);
    }
    TYPE* Lookup(LPCSTR lpszUpperName) const
    {
        void* p = nullptr;
        return m_map.Lookup(lpszUpperName, p) ? static_cast<TYPE*>(p) : nullptr;
    }
    INT_PTR GetCount() const { return m_order.GetSize(); }
    TYPE* GetAt(INT_PTR i) const { return static_cast<TYPE*>(m_order[i]); }
    void RemoveAll()
    {
        for (INT_PTR i = 0; i < m_order.GetSize(); ++i)
            delete static_cast<TYPE*>(m_order[i]);
        m_map.RemoveAll();
        m_order.RemoveAll();
    }

private:
    CMapStringToPtr m_map;
    CPtrArray m_order;
};

class GRAPHKIT_API CCtlBase : public IChartBase
{
public:
    CCtlBase();
    virtual ~CCtlBase();

    BOOL MakeControl(CWnd* pParent) override;
    BOOL GetPropertyValue(CString strName, CString& strValue) override;
    BOOL SetPropertyValue(CString strName, CString strValue) override;
    BOOL GetDataItem(CString strItem, int n1, int n2, CString& strValue) override;
    BOOL SetDataItem(CString strItem, int n1, int n2, CString strValue) override;
    HWND GetCtlHwnd() override { return m_hCtlWnd; }
    void SetCtlID(int nID) override { m_nCtlID = nID; }
    int GetCtlID() override { return m_nCtlID; }
    void SetHostData(long nData) override { m_nHostData = nData; }
    long GetHostData() override { return m_nHostData; }
    CString GetCtlClass() override { return m_strClass; }
    CString GetName() override { return m_strName; }
    void SetName(CString strName) override { m_strName = strName; }
    void SetCtlRect(RECT rect) override;
    void GetCtlRect(RECT* pRect) override;
    CCtlColor GetForeColor() override { return m_clrFore; }
    void SetForeColor(CCtlColor color) override;
    CCtlColor GetBackColor() override { return m_clrBack; }
    void SetBackColor(CCtlColor color) override;
    BOOL GetVisible() override { return m_bVisible; }
    void SetVisible(BOOL bVisible) override;
    int GetTop() override { return m_nTop; }
    void SetTop(int nTop) override;
    int GetLeft() override { return m_nLeft; }
    void SetLeft(int nLeft) override;
    int GetWidth() override { return m_nWidth; }
    void SetWidth(int nWidth) override;
    int GetHeight() override { return m_nHeight; }
    void SetHeight(int nHeight) override;
    CString GetCaption() override { return m_strCaption; }
    void SetCaption(CString strCaption) override;
    void MoveControl() override;
    void InvalidateControl() override;
    void SerializeBase(CArchive& ar) override;
    BOOL CreateControl(CWnd* pParent, RECT rect, int nID) override;

    virtual BOOL IsSupported(int nWhat);
    virtual void SerializeCtl(CArchive& ar);
    virtual void PrepareSerialize();
    virtual void ControlNotify();
    virtual void ShowControl(BOOL bShow);
    virtual BOOL GetEnable();
    virtual void SetEnable(BOOL bEnable);
    virtual CString GetCtlFont();
    virtual void SetCtlFont(CString strFont);

    // Registration: the name is stored upper-cased; a second record of a name replaces the first.
    void AddProperty(LPCSTR lpszName, LPCSTR lpszDesc, int nType, CProperty<int>::Getter get,
                     CProperty<int>::Setter set, LPCSTR lpszDefault = "");
    void AddProperty(LPCSTR lpszName, LPCSTR lpszDesc, int nType, CProperty<CString>::Getter get,
                     CProperty<CString>::Setter set, LPCSTR lpszDefault = "");
    void AddProperty(LPCSTR lpszName, LPCSTR lpszDesc, int nType, CProperty<CCtlColor>::Getter get,
                     CProperty<CCtlColor>::Setter set, LPCSTR lpszDefault = "");
    const COrdinalMap<CBaseProperty>& GetPropertyTable() const { return m_Properties; }

    // Members in declaration order.
    long m_nHostData;
    CWnd* m_pParent;
    HWND m_hCtlWnd;
    int m_nCtlID;
    CString m_strClass;
    RECT m_rcCurrent;
    RECT m_rcSaved;
    CString m_strName;
    CString m_strCaption;
    CString m_strSavedCaption;
    BYTE m_bEnable;
    BYTE m_bSavedEnable;
    BYTE m_bVisible;
    int m_nTop;
    int m_nLeft;
    int m_nWidth;
    int m_nHeight;
    CCtlColor m_clrFore;
    CCtlColor m_clrBack;
    CCtlColor m_clrSavedFore;
    CCtlColor m_clrSavedBack;
    BYTE m_bFlag1;
    BYTE m_bFlag2;
    CString m_strFontText;
    COrdinalMap<CBaseProperty> m_Properties;

private:
    CCtlBase(const CCtlBase&) = delete;
    CCtlBase& operator=(const CCtlBase&) = delete;
};
