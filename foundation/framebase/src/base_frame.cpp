// CBaseFrame: COM for the user-interface thread, and a frame without a client edge.
#include "BaseFrame.h"

#include <objbase.h>

IMPLEMENT_DYNCREATE(CBaseFrame, CFrameWnd)

CBaseFrame::CBaseFrame() : m_nComInits(0) {}

CBaseFrame::~CBaseFrame()
{
    // Only what Initialize did is undone: a CoUninitialize without its CoInitialize would pull
    // COM from under another user on this thread.
    for (; m_nComInits > 0; --m_nComInits)
        ::CoUninitialize();
}

BOOL CBaseFrame::Initialize()
{
    const HRESULT hr = ::CoInitialize(NULL);
    if (SUCCEEDED(hr)) // S_FALSE (already initialised) also counts and needs its CoUninitialize
        ++m_nComInits;
    return 1;
}

BOOL CBaseFrame::Create()
{
    if (!CFrameWnd::Create(NULL, "", WS_OVERLAPPEDWINDOW, rectDefault, NULL, NULL))
        return 0;
    return Initialize();
}

BOOL CBaseFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CFrameWnd::PreCreateWindow(cs))
        return 0;
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    return 1;
}
