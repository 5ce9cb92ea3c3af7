// The frame window the main program's main frame derives from. It initialises COM for its
// thread (the XML reader needs it) and has no client edge.
#pragma once

#include <afxext.h>

#include "FrameBaseApi.h"

class FRAMEBASE_API CBaseFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(CBaseFrame)
public:
    CBaseFrame();
    // Undoes the COM initialisation of Initialize, when it took place.
    virtual ~CBaseFrame();

    // COM for the thread; 1. Deriving frames call it first.
    virtual BOOL Initialize();
    // Creates the frame (framework class, empty title, WS_OVERLAPPEDWINDOW, default rectangle, no
    // parent, no menu); on success the result of Initialize, else 0.
    virtual BOOL Create();
    // The frame's own handling, then without WS_EX_CLIENTEDGE.
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);

    BOOL IsComInitialized() const { return m_nComInits > 0; }

protected:
    int m_nComInits; // successful CoInitialize calls still to be undone
};
