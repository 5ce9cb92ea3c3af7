// CBaseToolBar: a control bar along the top of its frame, 68 pixels high.
#include "BaseToolBar.h"

#include "window_class.h"

IMPLEMENT_DYNAMIC(CBaseToolBar, CControlBar)

BEGIN_MESSAGE_MAP(CBaseToolBar, CControlBar)
    ON_WM_CREATE()
END_MESSAGE_MAP()

BOOL CBaseToolBar::m_bRegisted = FALSE;
CString CBaseToolBar::m_strClassName = "Quelmar_TOOLBAR";

namespace {

const int kBarHeight = 68;
const CSize kFixedSize(100, 100);

} // namespace

CBaseToolBar::CBaseToolBar() : m_pParent(NULL) {}

CBaseToolBar::~CBaseToolBar() {}

BOOL CBaseToolBar::Create(CWnd* parent, DWORD style, UINT id)
{
    if (!m_bRegisted) {
        if (!window_class::Register(m_strClassName, CS_DBLCLKS, NULL))
            return 0;
        m_bRegisted = TRUE;
    }
    m_pParent = parent;
    m_dwStyle = style & CBRS_ALL;
    // The bar bits are the bar's, not the window's (CBRS_GRIPPER is WS_DLGFRAME's bit).
    return CWnd::Create(m_strClassName, "Quelmar ToolBar", style & ~CBRS_ALL, CRect(0, 0, 0, 0), parent, id);
}

CSize CBaseToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    (void)bStretch;
    (void)bHorz;
    return kFixedSize;
}

CSize CBaseToolBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    (void)nLength;
    (void)dwMode;
    CRect parent(0, 0, 0, 0);
    if (m_pParent != NULL && m_pParent->GetSafeHwnd() != NULL)
        m_pParent->GetWindowRect(&parent);
    return CSize(parent.Width(), kBarHeight);
}

void CBaseToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    (void)pTarget;
    (void)bDisableIfNoHndler;
}

int CBaseToolBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CControlBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    return 0;
}
