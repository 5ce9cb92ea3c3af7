// CTimeDataCell: the one time series of a chart, newest first, with its free slots in front.
#pragma once

#include <afxcoll.h>
#include <afxwin.h>

#include "GraphKitApi.h"

class CTimeDrawerEx;
struct CSeriesSettings;

// MergeFrom results.
enum
{
    TIME_MERGE_SAME = 0,      // same newest time and count: nothing to do
    TIME_MERGE_COVERED = -1,  // this series already covers the other (or the other is empty)
    TIME_MERGE_COPIED = -2,   // this series became a copy of the other
    TIME_MERGE_JOINED = -3,   // the two were joined
    TIME_MERGE_NO_MATCH = -4, // they overlap without a shared time: nothing changed
};

class GRAPHKIT_API CTimeDataCell
{
public:
    CTimeDataCell();
    virtual ~CTimeDataCell();

    // Creates the time-axis drawer and hands it and this cell the chart's settings.
    void SetupDrawer(const CSeriesSettings* settings);

    // With align 1 and count not above length, the first length - count slots are empty
    // (99999999) and the current index points at the first value. Returns the number of slots.
    int SetTimes(const int* values, int count, int length, int align);
    int SetTimesRaw(const int* values, int count);
    void CopyFrom(const CTimeDataCell& other);
    // Joins another time series into this one (TIME_MERGE_...).
    int MergeFrom(const CTimeDataCell& other);
    void MatchViewTo(const CTimeDataCell& other);

    // How many interval bars the time lies after the newest bar (kinds other than 3: -1, 0, 1).
    int CompareTime(int time, int& isSentinel);
    // Adds count bars (one for a sentinel); returns 1 when the array had to make room.
    int AddBars(int kind, int time, int count, int sentinel, int interval, int position);
    static int SecondsOf(int hhmmss);
    // The time of the bar after previous: previous plus the interval, or with aligned (or a
    // sentinel previous) the next boundary of the interval grid from 09:00:00 after the last real
    // time. Past midnight the day carries into a month-day part (MMDD above the six time digits);
    // times without one wrap to 00:00:00, which CompareTime takes for the next day.
    int NextTime(int previous, int interval, int aligned) const;

    int GetLength() const { return m_nLength; }
    int GetKind() const { return m_nKind; }
    void SetKind(int kind) { m_nKind = kind; }
    int* GetTimes() const { return m_pTimes; }
    int GetFreeBlock() const { return m_nFreeBlock; }
    void SetFreeBlock(int size) { m_nFreeBlock = size > 0 ? size : 1; }
    int GetCurrentIndex() const { return m_nCurrent; }
    int GetNewestTime() const { return m_pTimes && m_nCurrent < m_nLength ? m_pTimes[m_nCurrent] : 0; }
    void SetDrawRange(float barWidth, int first, int count);
    void ViewAll();
    int AddRef() { return ++m_nRefCount; }
    int Release() { return --m_nRefCount; }
    void Reset();

    // Appends a CSearchData row of the time at index, and the export column of all times.
    void AddLookupRow(int index, CObList& list) const;
    void AddExportColumn(CObList& list) const;

    // The time axis along rect (through the drawer); grid x positions go to gridX.
    void Draw(CDC* target, const CRect& rect, CDC* memoryDC, CFont* font, CArray<int, int>& gridX);

    // Time-axis drawer (owned), and the bar-opening field that real-time rules read.
    CTimeDrawerEx* m_pDrawer;
    int m_nBarOpen;
    // The base of interval alignment.
    int m_nLastRealTime;
    int m_nReserved;
    int* m_pTimes;
    int m_nLength;
    int m_nKind;
    int m_nViewEnd;
    int m_nViewStart;
    int m_nDisplay[4];
    // Screen order: bar 0 is the oldest slot (length - 1).
    float m_fBarWidth;
    int m_nFirstBar;
    int m_nBarCount;
    int m_nFreeBlock;
    int m_nCurrent;
    int m_nInterval;
    int m_nRefCount;
    const CSeriesSettings* m_pSettings;

private:
    void Assign(const int* values, int length, int current);
    void MakeRoom();
    void* m_pStorage; // growable storage behind m_pTimes

    CTimeDataCell(const CTimeDataCell&) = delete;
    CTimeDataCell& operator=(const CTimeDataCell&) = delete;
};
