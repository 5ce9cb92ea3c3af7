// COrdAlarm: the real-time execution alarm ("실시간 체결 알림창"), a pop-up that lists every order
// event of the automatic trading, newest first, and slides up out of the bottom-right corner of
// the work area when a new one arrives. Closing only hides it; its records stay until cleared.
#pragma once

#include "MapView.h"
#include "OrderDialogsApi.h"
#include "OrderDialogsIds.h"
#include "TokenBoardRecords.h"

class CGridDataList;
struct tagCell;

class ORDERDIALOGS_API COrdAlarm : public CMapView
{
    DECLARE_DYNAMIC(COrdAlarm)
public:
    enum { IDD = IDD_ORDALARM };
    // Records the list keeps; beyond it the oldest goes.
    enum { MAX_RECORDS = 1000 };

    explicit COrdAlarm(CWnd* parent);
    virtual ~COrdAlarm();

    // Pixels the window rises per timer tick.
    void SetScrollStep(int step) { m_nScrollStep = step; }
    // Copies the event to the top of the list.
    void InsertOrder(COIN_ORD_INFO* rec);
    // Starts the slide when hidden; restarts its rise when shown.
    void DisplayAlarm();

    CGridDataList* GetGrid() const { return m_pGrid; }
    int GetSlideOffset() const { return m_nSlideOffset; }

    // Cell procedures for screens' own lists: the side as "매수"/"매도" in the rise/fall colour,
    // and a 1/2/3 state as plain/fall/rise colour.
    static void ApplyBSColor(void* field, tagCell* cell, void* info);
    static void DrawRTColor(void* field, tagCell* cell, void* info);

protected:
    virtual BOOL OnInitDialog();
    virtual void OnCancel();
    // The list's columns, headers and limits.
    void SetUpGrid();
    // A list of the layout's size when the layout could not be read, so no event is lost.
    BOOL CreateStandInGrid();
    // Out of sight, and the slide ended with it.
    void Hide();

    // The layout file's name in the map folder.
    CString m_strLayoutFile;
    CGridDataList* m_pGrid;
    int m_nSlideOffset;
    int m_nScrollStep;

    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnClose();
    afx_msg void OnButton(UINT nID);
    DECLARE_MESSAGE_MAP()
};
