// The canvas's style snapshot: the look of every line, candle and bar object under the key of
// its region and object, written back into a new object at the same place.
#include <cstdio>

#include "Canvas.h"
#include "DrawObject.h"

CString ObjectStyleKey(int regionId, int objectId)
{
    CString key;
    key.Format("%03d:%03d", regionId, objectId);
    return key;
}

BOOL SplitObjectStyleKey(LPCSTR key, int& regionId, int& objectId)
{
    if (!key)
        return FALSE;
    int region = -1, object = -1, used = 0;
    if (std::sscanf(key, "%d:%d%n", &region, &object, &used) != 2 || key[used] != '\0' || region < 0 || object < 0)
        return FALSE;
    // Only the canonical form: "7:3" or "007:03" would be another key for the same object.
    if (ObjectStyleKey(region, object) != key)
        return FALSE;
    regionId = region;
    objectId = object;
    return TRUE;
}

void CCanvas::FreeStyles()
{
    POSITION pos = m_mapStyles.GetStartPosition();
    while (pos)
    {
        CString key;
        CObject* style = nullptr;
        m_mapStyles.GetNextAssoc(pos, key, style);
        delete style;
    }
    m_mapStyles.RemoveAll();
}

void CCanvas::TakeStyleSnapshot()
{
    FreeStyles();
    for (INT_PTR r = 0; r < m_Regions.GetSize(); ++r)
    {
        int regionId = -1;
        CRegionCanvas* region = m_Regions.GetAt(r, &regionId);
        if (!region)
            continue;
        for (int o = 0; o < region->GetObjectCount(); ++o)
        {
            int objectId = -1;
            CDrawObject* object = region->GetObjectAt(o, &objectId);
            if (!object)
                continue;
            CObjectStyle* style = new CObjectStyle;
            style->m_nKind = object->GetKind();
            switch (object->GetKind())
            {
            case DRAWKIND_LINE:
                style->m_cr1 = object->m_clrLine.GetColor();
                style->m_n1 = object->m_nWidth;
                style->m_n2 = object->m_nPointStyle;
                style->m_n3 = object->m_nShadow;
                break;
            case DRAWKIND_CANDLE:
                style->m_n1 = object->m_nFallFill;
                style->m_n2 = object->m_nRiseFill;
                style->m_cr1 = object->m_clrFall.GetColor();
                style->m_cr2 = object->m_clrRise.GetColor();
                style->m_n3 = object->m_nPriceBand;
                break;
            case DRAWKIND_BAR:
                style->m_cr1 = object->m_clrFill.GetColor();
                style->m_n1 = object->m_n3D;
                style->m_cr2 = object->m_clrBarUp.GetColor();
                style->m_cr3 = object->m_clrBarDown.GetColor();
                break;
            default:
                delete style;
                continue;
            }
            m_mapStyles.SetAt(ObjectStyleKey(regionId, objectId), style);
        }
    }
}

BOOL CCanvas::RestoreStyle(LPCSTR key)
{
    int keyRegion = -1, keyObject = -1;
    if (!SplitObjectStyleKey(key, keyRegion, keyObject))
        return FALSE;
    CObject* found = nullptr;
    if (!m_mapStyles.Lookup(key, found) || !found)
        return FALSE;
    CRegionCanvas* region = m_Regions.Lookup(keyRegion);
    CDrawObject* object = region ? region->GetDrawObject(keyObject) : nullptr;
    CObjectStyle* style = static_cast<CObjectStyle*>(found);
    if (!object || style->m_nKind != object->GetKind())
        return FALSE;
    switch (style->m_nKind)
    {
    case DRAWKIND_LINE:
        object->m_clrLine = CCtlColor::Rgb(style->m_cr1);
        object->m_nWidth = style->m_n1;
        object->m_nPointStyle = style->m_n2;
        object->m_nShadow = style->m_n3;
        break;
    case DRAWKIND_CANDLE:
        object->m_nFallFill = style->m_n1;
        object->m_nRiseFill = style->m_n2;
        // A colour is written back only when it differs, so a palette colour keeps its index.
        if (object->m_clrFall.GetColor() != style->m_cr1)
            object->m_clrFall = CCtlColor::Rgb(style->m_cr1);
        if (object->m_clrRise.GetColor() != style->m_cr2)
            object->m_clrRise = CCtlColor::Rgb(style->m_cr2);
        object->m_nPriceBand = style->m_n3;
        // The drawer paints with pens and brushes made from the colours: renew them.
        object->UpdateTools();
        break;
    case DRAWKIND_BAR:
        object->m_clrFill = CCtlColor::Rgb(style->m_cr1);
        object->m_n3D = style->m_n1;
        object->m_clrBarUp = CCtlColor::Rgb(style->m_cr2);
        object->m_clrBarDown = CCtlColor::Rgb(style->m_cr3);
        break;
    default:
        return FALSE;
    }
    SetDirty();
    return TRUE;
}

void CCanvas::SetObjectStyle(LPCSTR key, CObjectStyle* style)
{
    CObject* old = nullptr;
    if (m_mapStyles.Lookup(key, old) && old != style)
        delete old;
    m_mapStyles.SetAt(key, style);
}

const CObjectStyle* CCanvas::GetObjectStyle(LPCSTR key) const
{
    CObject* found = nullptr;
    return m_mapStyles.Lookup(key, found) ? static_cast<const CObjectStyle*>(found) : nullptr;
}
