// CDataCell: the parallel integer series of one chart object, newest first along the chart's
// time series, with their extremes, derived series and the real-time rules.
#pragma once

#include <afxcoll.h>

#include "GraphKitApi.h"

class CTimeDataCell;
struct CSeriesSettings;

// Derived kinds.
enum
{
    DATACELL_PLAIN = 0,
    DATACELL_MOVING_AVERAGE = 2,
    DATACELL_RATE = 8,
};

// The code sets of FindCodedEntry.
#define SERIES_CODES_PRICE "OHLC"
#define SERIES_CODES_VOLUME "V"
#define SERIES_CODES_SIZE "S"
#define SERIES_CODES_SIDE "s"

// A drawer's pointer to one series, re-pointed whenever the series moves.
class GRAPHKIT_API CSeriesBinding : public CObject
{
public:
    CSeriesBinding(int index, int** holder) : m_nIndex(index), m_ppHolder(holder) {}
    int m_nIndex;
    int** m_ppHolder;
};

class GRAPHKIT_API CDataCell : public CObject
{
    DECLARE_DYNAMIC(CDataCell)
public:
    CDataCell();
    virtual ~CDataCell();

    // Table, minima and maxima for count series, all empty.
    void AllocSeriesTable(int count);
    // Series index becomes a copy of values; with align 1 and count not above length it gets
    // length slots, the first length - count empty (99999999). Returns the number of slots.
    int SetSeriesData(const int* values, int count, int index, int length, int align);
    int SetSeriesDataRaw(const int* values, int count, int index);

    void RegisterSeriesCode(LPCSTR dataName, LPCSTR code);
    int FindSeriesIndex(LPCSTR dataName) const;
    // Position of the first coded name made of dataName and one of the codes (its letter goes to
    // code), or -1.
    int FindCodedEntry(LPCSTR dataName, LPCSTR codes, char* code = nullptr) const;

    void ComputeMinMax(int count);
    // The range the drawers map: from the oldest slot to the newest bar's slot. Both follow the
    // length and the time series, so real-time bars and grown arrays are always inside it.
    int GetViewFirst() const { return m_nLength - 1; }
    int GetViewLast() const { return GetCurrentIndex(); }
    int GetPeriod() const { return m_nKind == DATACELL_MOVING_AVERAGE ? m_nPeriod : -1; }
    void SetPeriod(int period) { m_nPeriod = period; }
    int AddRef() { return ++m_nRefCount; }
    int Release() { return --m_nRefCount; }

    // The time series' current index (the newest bar's slot).
    int GetCurrentIndex() const;
    // The bar-opening field of the chart's main time series (1 when there is none).
    int GetBarOpen() const;
    int GetFirstUsedIndex() const;

    int MaxOf(const int* values, int count, int skipSwitch, int skipValue) const;
    int MinOf(const int* values, int count, int skipSwitch, int skipValue) const;

    // A drawer keeps *holder pointing at series index; UnbindSeries before the holder goes.
    int* BindSeries(int index, int** holder);
    void UnbindSeries(int** holder);

    // Builds (or, with key -1 and no source, rebuilds) this store as the moving average of the
    // source's series sourceName over the period. Returns 0 when that series does not exist.
    int BuildMovingAverage(int key, CDataCell* sourceStore, LPCSTR sourceName);
    // Applies the items of this store to the newest bar and removes them from both lists; the
    // others stay for the next store. lastVolume is the caller's memory of the running volume.
    void ApplyRealData(CStringArray& names, CStringArray& values, int opensBar, int& lastVolume);
    // Recomputes a derived store at the newest newCount bars after the source changed.
    void UpdateDerived(CDataCell* sourceStore, int newCount);
    // Opens count new bars in front of the newest one; called before the time series adds its
    // own, whose free-block size and grow rule it follows, and whose length a shorter store is
    // first brought to. position (one past the time series' view end) is not needed for that.
    void AddNewBars(int count, int position);

    int m_nBase;
    CObArray m_arBindings;
    int m_nPeriod;
    CString m_strSourceName;
    int** m_ppSeries;
    CStringArray m_arNames;
    CStringArray m_arCodedNames;
    int* m_pMin;
    int* m_pMax;
    const CSeriesSettings* m_pSettings;
    CDataCell* m_pSource;
    int m_nSourceKey;
    CTimeDataCell* m_pTime;
    int m_nReserved;
    int m_nKind;
    int m_nInherited; // copied from the source by a derived store
    int m_nRefCount;
    int m_nSeriesCount;
    int m_nLength;
    int m_nSpare;
    int m_nSkipValue;
    int m_nSkipSwitch;
    int m_nViewExtra;

private:
    void FreeSeries();
    void SetArray(int index, int* data);
    void RepointBindings(int index);
    void MakeRoom(int newLength, int offset);
    void FillNewBar(int slot);
    void* m_pStorage; // growable storage behind the series table

    CDataCell(const CDataCell&) = delete;
    CDataCell& operator=(const CDataCell&) = delete;
};
