// CMapView: the control map and its ownership, the selected code and account, and the code
// kept per screen in "screen.cfg".
#include "MapView.h"

#include "IniFiles.h"
#include "InstallFolders.h"
#include "SharedData.h"
#include "GridDefs.h"
#include "map_selectors.h"

IMPLEMENT_DYNAMIC(CMapView, CBaseView)

BEGIN_MESSAGE_MAP(CMapView, CBaseView)
    ON_WM_DESTROY()
    ON_MESSAGE(WM_GRID_RBUTTONDOWN, OnGridRButtonDown)
END_MESSAGE_MAP()

namespace {

const char kScreenCfg[] = "screen.cfg";
const char kCodeKey[] = "CODE";

CIniFiles ScreenConfig()
{
    return CIniFiles(CString(GetUserDir()) + kScreenCfg);
}

void DestroyAndDelete(CWnd* control)
{
    if (control == NULL)
        return;
    if (control->GetSafeHwnd() != NULL)
        control->DestroyWindow();
    delete control;
}

} // namespace

CMapView::CMapView(UINT templateId, CWnd* parent)
    : CBaseView(templateId, parent), m_mapControls(10), m_pCodeCtrl(NULL), m_pELWCodeCtrl(NULL),
      m_pAccountCtrl(NULL), m_bLoadFailed(FALSE)
{
    m_mapControls.InitHashTable(17);
}

CMapView::~CMapView()
{
    DeleteControls();
}

CWnd* CMapView::GetSubControl(WORD id)
{
    (void)id;
    return NULL;
}

CWnd* CMapView::GetControl(WORD id)
{
    CWnd* control = NULL;
    if (!m_mapControls.Lookup(id, control))
        return NULL;
    return control;
}

void CMapView::AddControl(WORD id, CWnd* control)
{
    CWnd* earlier = NULL;
    if (m_mapControls.Lookup(id, earlier) && earlier != NULL && earlier != control)
        m_arrDisplaced.Add(earlier);
    m_mapControls.SetAt(id, control);
}

void CMapView::DeleteControls()
{
    // The selectors are among the controls: forget them first.
    m_pCodeCtrl = NULL;
    m_pELWCodeCtrl = NULL;
    m_pAccountCtrl = NULL;
    // Children go before the windows that hold them, so no object outlives its window unseen:
    // destroying a parent destroys its children's windows, and their objects are deleted after.
    POSITION pos = m_mapControls.GetStartPosition();
    while (pos != NULL) {
        WORD id = 0;
        CWnd* control = NULL;
        m_mapControls.GetNextAssoc(pos, id, control);
        DestroyAndDelete(control);
    }
    m_mapControls.RemoveAll();
    for (INT_PTR i = 0; i < m_arrDisplaced.GetSize(); ++i)
        DestroyAndDelete(m_arrDisplaced[i]);
    m_arrDisplaced.RemoveAll();
}

// --- selected code and account -----------------------------------------------------------

const char* CMapView::GetSelectedItemCode()
{
    if (m_pCodeCtrl == NULL)
        return "";
    m_strSelectedCode = mapselectors::SelectedCode(m_pCodeCtrl);
    return m_strSelectedCode;
}

const char* CMapView::GetSelectedAccount()
{
    if (m_pAccountCtrl == NULL)
        return "";
    m_strSelectedAccount = mapselectors::SelectedAccount(m_pAccountCtrl);
    return m_strSelectedAccount;
}

void CMapView::SetSelectItemCode(const char* code, int notify)
{
    if (m_pCodeCtrl != NULL)
        mapselectors::SelectCode(m_pCodeCtrl, code, notify);
}

void CMapView::SetSelectAccount(const char* account)
{
    if (m_pAccountCtrl != NULL)
        mapselectors::SelectAccount(m_pAccountCtrl, account);
}

BOOL CMapView::InitWindow()
{
    if (m_pCodeCtrl != NULL) {
        _API_CODE_INFO* recent = CSharedData::GetRecentCode();
        if (CSharedData::GetCodeLink() && recent != NULL) {
            mapselectors::SelectRecentCode(m_pCodeCtrl, recent);
        } else {
            const CString code = ScreenConfig().ReadString(GetScreenID(), kCodeKey, "");
            mapselectors::SelectCode(m_pCodeCtrl, code, 1);
        }
    }
    return CBaseView::InitWindow();
}

void CMapView::OnDestroy()
{
    if (m_pCodeCtrl != NULL)
        ScreenConfig().WriteString(GetScreenID(), kCodeKey, mapselectors::SelectedCode(m_pCodeCtrl));
    CBaseView::OnDestroy();
}

LRESULT CMapView::OnGridRButtonDown(WPARAM wParam, LPARAM lParam)
{
    (void)wParam;
    (void)lParam;
    return 1;
}
