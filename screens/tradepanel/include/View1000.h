// CView1000: screen 1000, the trading board: the price board of the listed coins, the chosen
// coin's current price, order book, fills and 24-hour figures from the exchange agent's feeds,
// and the switch of amount-based automatic trading.
#pragma once

#include <afxwin.h>

#include "MapView.h"
#include "TradePanelApi.h"
#include "WebBrowser.h"

class CGridTable;
class CSComboBox;
class CSEdit;
class CImgButton;
class CAccountTabWnd;

// A coin change gives the new coin's feeds this long to answer before the combo opens again.
#define VIEW1000_COMBO_TIMER 1000
#define VIEW1000_COMBO_TIMEOUT_MS 3000
// The banner page's browser over the banner grid's second row.
#define VIEW1000_BANNER_ID 1901

class TRADEPANEL_API CView1000 : public CMapView
{
public:
    CView1000(UINT templateId, CWnd* parent);
    virtual ~CView1000();

    virtual BOOL InitWindow();
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);

    // The tradable won of the selected coin's account; 0 on any failure (logged, and shown on
    // the message line).
    LONGLONG QueryAvailableKrw();
    void UpdateAutoState(BOOL running);

    const CString& GetSelectedCoin() const { return m_strSelectedCode; }
    char GetSelectedSign() const { return m_cSelectedSign; }
    CAccountTabWnd* GetAccountTabWnd() const { return m_pTabWnd; }
    CWebBrowser& GetBanner() { return m_Banner; }
    // The banner page's address ("system.ini" [WEB] BANNER); empty when not configured.
    static CString BannerAddress();
    // The layout's map file of this screen.
    static CString LayoutPath();

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK() {}
    virtual void OnCancel() {}

    void SetupControls();
    void SetupBoard();
    void SetupPriceGrids();
    void SetupAutoPanel();
    void SetupBanner();
    void ChangeCoin();
    void OnTickerRecord(const char* record);
    void RepaintCells(CGridTable* grid, int col1, int row1, int col2, int row2);
    void EnableCombo();
    void RelayToTab(UINT message, WPARAM wParam, LPARAM lParam);
    // The balance reply's tradable won; FALSE with a reason when the reply cannot give it.
    static BOOL ReadAvailableKrw(const CString& reply, LONGLONG& amount, CString& failure);

    CGridTable* m_pBoard;
    CGridTable* m_pBackGrid;
    CSComboBox* m_pCoinCombo;
    CGridTable* m_pPriceGrid;
    CGridTable* m_pHogaGrid;
    CGridTable* m_pAutoPanel;
    CSEdit* m_pAmountEdit;
    CGridTable* m_pAutoStatus;
    CImgButton* m_pStartButton;
    CImgButton* m_pLampButton;
    CGridTable* m_pBannerGrid;
    CAccountTabWnd* m_pTabWnd;
    CWebBrowser m_Banner;
    CString m_strSelectedCode;
    char m_cSelectedSign;
    BOOL m_bSubscribed;

    afx_msg void OnDestroy();
    afx_msg BOOL OnCopyData(CWnd* from, COPYDATASTRUCT* cds);
    afx_msg void OnTimer(UINT_PTR id);
    afx_msg LRESULT OnTicker(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnHoga(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnFillList(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnAutoSignalChanged(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnUserLogLine(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGridDblClk(WPARAM wParam, LPARAM lParam);
    afx_msg void OnCoinChange();
    afx_msg void OnQueryAmount();
    afx_msg void OnStartStop();
    afx_msg void OnReset();
    afx_msg void OnWebSite();
    DECLARE_MESSAGE_MAP()
};
