// CHBar: the horizontal-bar drawer of a chart object: amounts at value levels, drawn before
// the object linked to it.
#pragma once

#include <afxwin.h>

#include "CtlColor.h"
#include "GraphKitApi.h"

class CDrawObject;
class DHBARPROP;

class GRAPHKIT_API CHBar
{
public:
    CHBar();
    virtual ~CHBar() {}

    void Draw(CRect rect, CDC* pDC);
    void DrawSelection(CRect rect, CDC* pDC);
    void SetProperty(const DHBARPROP& record);
    void SetOwner(CDrawObject* owner) { m_pOwner = owner; }
    CDrawObject* GetOwner() const { return m_pOwner; }
    CDrawObject* GetLinkedObject() const { return m_pLinked; }

    CString m_strTitle;
    // 0 one amount per level; 1 two amounts per level.
    short m_nStyle;
    // Base row of the selection handles: 1 the reference value, 2 zero, else the bottom.
    int m_nBaseMode;
    CCtlColor m_clrFirst;
    CCtlColor m_clrSecond;
    // Where the zero column of the amounts stands.
    int m_nRefValue;
    CDrawObject* m_pLinked; // not owned; the region re-resolves it from the id below
    // The linked object's id in the region (-1: none given by id).
    int m_nLinkedId;
    CDrawObject* m_pOwner;

private:
    void DrawOneAmount(CRect rect, CDC* pDC);
    void DrawTwoAmounts(CRect rect, CDC* pDC);
};
