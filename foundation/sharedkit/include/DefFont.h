// The default font of the controls (12 px "굴림체", weight 400), as a base class. Each object
// owns its own font; a copy makes a font of its own.
#pragma once

#include <afxwin.h>

#include "SharedKitApi.h"

class SHAREDKIT_API CDefFont
{
public:
    CDefFont();
    CDefFont(const CDefFont& other);
    CDefFont& operator=(const CDefFont& other);
    virtual ~CDefFont();

    // A new font with the same parameters, owned by the caller.
    static CFont* CreateDefaultFont();

    CFont* GetDefFont() const { return m_pDefFont; }

protected:
    CFont* m_pDefFont;
};
