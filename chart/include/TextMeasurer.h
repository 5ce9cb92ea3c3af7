// Text measuring handed to the axis layouts, so their results do not depend on fonts.
#pragma once

#include <afxwin.h>

#include "GraphKitApi.h"

class GRAPHKIT_API ITextMeasurer
{
public:
    virtual ~ITextMeasurer() {}
    virtual CSize Measure(LPCSTR text) const = 0;
};

// Measures with the font selected into a device context.
class GRAPHKIT_API CDCTextMeasurer : public ITextMeasurer
{
public:
    explicit CDCTextMeasurer(CDC* dc) : m_pDC(dc) {}
    CSize Measure(LPCSTR text) const override;

private:
    CDC* m_pDC;
};
