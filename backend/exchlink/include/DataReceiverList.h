// Registry of one market-data feed: coin code -> the windows that want its records, and the
// feed's poll list of codes with its round-robin index. Every operation holds the lock.
#pragma once

#include <afx.h>
#include <afxcoll.h>
#include <afxtempl.h>
#include <afxmt.h>
#include "ExchLinkExport.h"

typedef CArray<HWND, HWND> CHwndArray;

class EXCHLINK_API CDataReceiverList
{
public:
    CDataReceiverList();
    virtual ~CDataReceiverList();

    // 1 when the code was new. A window stands at most once under a code.
    int Add(LPCTSTR pszCode, HWND hWnd);
    // 1 when the code left the map (its last window went).
    int Remove(LPCTSTR pszCode, HWND hWnd);
    void RemoveAll();

    // The windows registered for the code now (empty when none).
    void GetReceivers(LPCTSTR pszCode, CHwndArray& arrWnd);
    // Every code in the map, empty codes left out.
    void GetCodes(CStringArray& arrCodes);
    int GetCodeCount();

    // Poll list: rebuilt from the map's codes after every change of a polled feed.
    void RebuildPollList();
    // The next code of the poll list in turn (the empty text when the list is empty). The index
    // wraps to 0 whenever it passes the end, also after the list has shrunk.
    CString NextPollCode();
    int GetPollCount();

protected:
    void GetCodesLocked(CStringArray& arrCodes);

    CMapStringToPtr m_mapCodes; // code -> CHwndArray* (owned)
    CStringArray m_arrPoll;
    int m_nPollIndex;
    CCriticalSection m_cs;

private:
    CDataReceiverList(const CDataReceiverList&) = delete;
    void operator=(const CDataReceiverList&) = delete;
};
