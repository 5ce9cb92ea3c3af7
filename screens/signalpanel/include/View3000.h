// CView3000: screen 3000, the system server's signal scores: the four best coins as rank cards
// with a score gauge each, the next eight in a ranking grid, and a description of the scores.
// It asks once (transaction 1301) while its dialog starts and fills itself from the reply.
#pragma once

#include <afxwin.h>

#include "MapView.h"
#include "SignalPanelApi.h"
#include "SignalScores.h"

class CGridTable;
class CSStatic;
class CRankingChart;

#define VIEW3000_CARD_COUNT 4
#define VIEW3000_ROW_COUNT 8   // ranking-grid rows 1 to 8: ranks 5 to 12
#define VIEW3000_LABEL_COUNT 13
#define VIEW3000_CARD_ID 2001  // cards 2001 to 2004
#define VIEW3000_RANK_IMAGE_ID 2200
#define VIEW3000_LABEL_ID 2300
#define VIEW3000_BMP_RANK_IMAGE 821 // rows 1 to 8: 821 to 828
#define VIEW3000_BMP_BULLET 830

class SIGNALPANEL_API CView3000 : public CMapView
{
public:
    CView3000(UINT templateId, CWnd* parent);
    virtual ~CView3000();

    virtual BOOL InitWindow();
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);

    // Writes a reply body into the cards and the ranking grid (records of ReadSignalScores).
    void ShowScores(const void* body, int length);

    CRankingChart* GetCard(int index) const;
    CSStatic* GetRankImage(int index) const;
    CSStatic* GetLabel(int index) const;
    static CString LayoutPath();

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK() {}
    virtual void OnCancel() {}

    void SetupControls();
    void SetupGrids();
    void CreateCards();
    void CreateRankImages();
    void CreateLabels();
    void RequestScores();
    void ShowRow(UINT row, const SIGNAL_SCORE_RECORD& record);

    CGridTable* m_pBackGrid;
    CGridTable* m_pCardGrid;
    CGridTable* m_pRankGrid;
    CRankingChart* m_pCards[VIEW3000_CARD_COUNT];
    CSStatic* m_pRankImages[VIEW3000_ROW_COUNT];
    CSStatic* m_pLabels[VIEW3000_LABEL_COUNT];

    afx_msg void OnDestroy();
    afx_msg LRESULT OnCopyDataMessage(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
