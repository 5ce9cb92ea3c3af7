// CImgToggle: a checked state, and radio toggles that clear each other under one parent.
#include "ImgButton.h"

IMPLEMENT_DYNAMIC(CImgToggle, CImgButton)

BEGIN_MESSAGE_MAP(CImgToggle, CImgButton)
    ON_MESSAGE(WM_CHG_TOGGLE, OnChgToggle)
END_MESSAGE_MAP()

CImgToggle::CImgToggle() : m_dwKind(2) {}

CImgToggle::~CImgToggle() {}

BOOL CImgToggle::Create(const char* text, DWORD style, DWORD kind, const RECT& rect, CWnd* parent, UINT id)
{
    m_dwKind = kind;
    return CImgButton::Create(text, style, rect, parent, id);
}

int CImgToggle::GetCurState()
{
    return ButtonLookState(m_nState, m_hWnd != NULL && (GetStyle() & WS_DISABLED), TRUE, m_bCheck);
}

void CImgToggle::OnClick()
{
    if (m_dwKind != KIND_RADIO) {
        CImgButton::OnClick();
        return;
    }
    if (m_bCheck)
        return;
    // Only the radio toggles among the siblings hear of it: other controls use the same
    // message number for messages of their own.
    CWnd* parent = GetParent();
    if (parent != NULL) {
        for (HWND child = ::GetWindow(parent->m_hWnd, GW_CHILD); child != NULL;
             child = ::GetWindow(child, GW_HWNDNEXT)) {
            if (child == m_hWnd)
                continue;
            CImgToggle* toggle = DYNAMIC_DOWNCAST(CImgToggle, CWnd::FromHandlePermanent(child));
            if (toggle != NULL && toggle->GetKind() == KIND_RADIO)
                ::SendMessageA(child, WM_CHG_TOGGLE, 0, 0);
        }
    }
    CImgButton::OnClick();
}

LRESULT CImgToggle::OnChgToggle(WPARAM wParam, LPARAM lParam)
{
    (void)lParam;
    if (m_dwKind == KIND_RADIO) {
        m_bCheck = wParam == 1;
        Invalidate();
    }
    return 1;
}
