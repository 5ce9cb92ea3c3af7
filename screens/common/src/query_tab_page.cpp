// CQueryTabPage: the common start-up and look of the account tab window's query pages.
#include "QueryTabPage.h"

#include "ColorMap.h"
#include "InstallFolders.h"

BEGIN_MESSAGE_MAP(CQueryTabPage, CMapPage)
    ON_WM_COPYDATA()
END_MESSAGE_MAP()

CQueryTabPage::CQueryTabPage(UINT templateId, CWnd* parent, const char* layoutFile, HINSTANCE resources)
    : CMapPage(templateId, parent), m_strLayoutFile(layoutFile), m_hTabOwner(NULL)
{
    SetResourceModule(resources != NULL ? resources : CodeModule());
    if (parent != NULL && parent->GetSafeHwnd() != NULL)
        m_hTabOwner = ::GetParent(parent->GetSafeHwnd());
    // The pages' own background in place of the plain page's.
    if (CColorInfo* back = CColorMap::GetColorInfo(QUERY_PAGE_BACK_COLOR)) {
        m_brBack.DeleteObject();
        m_clrBack = back->GetColor();
        m_brBack.CreateSolidBrush(m_clrBack);
    }
}

CQueryTabPage::~CQueryTabPage() {}

namespace {
// An object of this code's module, to ask which module that is.
const char kModuleAnchor = 0;
} // namespace

HINSTANCE CQueryTabPage::CodeModule()
{
    HMODULE module = NULL;
    ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         &kModuleAnchor, &module);
    return module;
}

CString CQueryTabPage::LayoutPath() const
{
    return CString(GetMapDir()) + m_strLayoutFile;
}

BOOL CQueryTabPage::OnInitDialog()
{
    if (!CMapPage::OnInitDialog())
        return 0;
    if (!LoadMapFile(this, LayoutPath()))
        return 0;
    SetupControls();
    CMapPage::InitWindow();
    return 1;
}

BOOL CQueryTabPage::OnCopyData(CWnd* from, COPYDATASTRUCT* cds)
{
    return CBaseView::OnCopyData(from, cds);
}
