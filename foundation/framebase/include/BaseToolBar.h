// The control bar the main program's tool bar derives from: window class "Quelmar_TOOLBAR",
// as wide as its parent and 68 pixels high.
#pragma once

#include <afxext.h>

#include "FrameBaseApi.h"

class FRAMEBASE_API CBaseToolBar : public CControlBar
{
    DECLARE_DYNAMIC(CBaseToolBar)
public:
    CBaseToolBar();
    virtual ~CBaseToolBar();

    // Registers the class once (0 when that fails); the bar style becomes the CBRS_ bits of
    // style; creates the window "Quelmar ToolBar" under parent with an empty rectangle.
    BOOL Create(CWnd* parent, DWORD style, UINT id);

    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    // (width of the parent's window rectangle, 68).
    virtual CSize CalcDynamicLayout(int nLength, DWORD dwMode);
    // The bar's buttons are not command-updated.
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);

    static BOOL m_bRegisted;
    static CString m_strClassName;

protected:
    CWnd* m_pParent;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()
};
