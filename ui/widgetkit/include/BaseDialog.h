// The skinned dialogs of the controls library: CBaseDialog (own caption, close box, thin frame
// and rounded corners for pop-ups, a light grey client and image buttons for plain push
// buttons), CMessageBox (a box that sizes itself to its message) and CShowMsgDlg (a small
// modeless message window that deletes itself).
#pragma once

#include <afxtempl.h>
#include <afxwin.h>

#include "ImgButton.h"
#include "WidgetKitApi.h"

#define BASEDIALOG_GREY RGB(245, 245, 245)
#define BASEDIALOG_FRAME RGB(124, 124, 124)
// Non-client sizes of a skinned pop-up.
#define BASEDIALOG_CAPTION_HEIGHT 25

class WIDGETKIT_API CBaseDialog : public CDialog
{
    DECLARE_DYNAMIC(CBaseDialog)
public:
    CBaseDialog(UINT templateId, CWnd* parent = NULL);
    virtual ~CBaseDialog();

    // Frees the image buttons and the region with the window.
    virtual BOOL DestroyWindow();
    // The close box in screen coordinates, or an empty rectangle when empty is nonzero.
    CRect GetSystemMenuRect(BOOL empty);

    int GetImageButtonCount() const { return static_cast<int>(m_arrButtons.GetSize()); }
    CImgButton* GetImageButton(int index) const { return m_arrButtons[index]; }
    int GetCloseState() const { return m_nCloseState; }
    // Paints the skinned frame and caption into a window DC of the dialog.
    void PaintFrame(CDC* dc);

protected:
    virtual BOOL OnInitDialog();
    virtual void PostNcDestroy();
    BOOL IsPopup() const;
    void SubclassPushButtons();
    // The image button a plain push button becomes; the dialog's list owns it.
    virtual CImgButton* NewPushButton();
    void FreeButtons();
    void RedrawFrame();
    BOOL InCloseBox(CPoint client) const;

    UINT m_nTemplateId;
    CFont m_fontCaption;
    CBrush m_brGrey;
    CBitmap m_bmpCaption;
    CBitmap m_bmpClose;
    int m_nCloseState; // bit 0 pressed, bit 1 over; 3 pressed
    BOOL m_bTracking;
    CFont* m_pFont;
    CArray<CImgButton*, CImgButton*> m_arrButtons;
    CRgn m_rgn;

    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()
};

class WIDGETKIT_API CMessageBox : public CBaseDialog
{
    DECLARE_DYNAMIC(CMessageBox)
public:
    explicit CMessageBox(CWnd* parent = NULL);
    virtual ~CMessageBox();

    // Stores the texts and type (bit 0 shows button 1 "확인", bit 1 button 2 "취소") and runs
    // the box; IDOK for button 1, IDCANCEL for button 2. Through the layer's message-box function.
    int Show(const char* message, const char* caption, int type);
    // Titles of buttons 1 and 2; an empty one keeps the template's.
    void SetButtonTitle(const char* title1, const char* title2);
    void SetTitle(const char* caption) { m_strCaption = caption; }
    void SetMessage(const char* message) { m_strMessage = message; }
    void SetType(int type) { m_nType = type; }
    BOOL IsEnterHeld() const { return m_bEnterHeld; }

    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    virtual BOOL OnInitDialog();
    virtual CImgButton* NewPushButton();
    static int AFXAPI RunBox(void* pContext);

    CString m_strCaption;
    CString m_strMessage;
    CString m_strTitle1;
    CString m_strTitle2;
    int m_nType;
    BOOL m_bEnterHeld;

    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};

class WIDGETKIT_API CShowMsgDlg : public CDialog
{
    DECLARE_DYNAMIC(CShowMsgDlg)
public:
    // Creates, shows and updates the modeless window at once (owner: the main window).
    CShowMsgDlg(CString message, CWnd* parent = NULL);
    virtual ~CShowMsgDlg();

protected:
    virtual BOOL OnInitDialog();
    virtual void PostNcDestroy();
    CString m_strMessage;
};
