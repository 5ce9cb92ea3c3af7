// The colour map: colour-map ids to names and colours.
#include "ColorMap.h"

#include "XMLHelper.h"
#include "owned_entries.h"
#include "skin_file.h"

CColorInfoMap CColorMap::m_mapData;
CColorInfo* CColorMap::m_pGriFontNomal = NULL;
CColorInfo* CColorMap::m_pGriFontUp = NULL;
CColorInfo* CColorMap::m_pGriFontDown = NULL;
CColorInfo* CColorMap::m_pGridBack = NULL;
CColorInfo* CColorMap::m_pGridBackUp = NULL;
CColorInfo* CColorMap::m_pGridBackDown = NULL;
CArray<CColorInfo*, CColorInfo*> CColorMap::s_arrRetired;

namespace {

const char kDefaultGroup[] = "default";

} // namespace

CColorInfo::CColorInfo() : m_clrColor(0) {}

CColorInfo::CColorInfo(const CString& name, COLORREF colour) : m_strName(name), m_clrColor(colour) {}

CColorInfo::CColorInfo(const CColorInfo& other) : m_strName(other.m_strName), m_clrColor(other.m_clrColor) {}

CColorInfo& CColorInfo::operator=(const CColorInfo& other)
{
    m_strName = other.m_strName;
    m_clrColor = other.m_clrColor;
    return *this;
}

CColorMap::CColorMap() {}

CColorMap::~CColorMap()
{
    Release();
}

int CColorMap::Load(CString path, CString group)
{
    if (group.IsEmpty())
        group = kDefaultGroup;

    // Entries are updated in place, so that what controls borrow follows the new group.
    CColorInfoMap previous;
    for (const CColorInfoMap::CPair* p = m_mapData.PGetFirstAssoc(); p != NULL; p = m_mapData.PGetNextAssoc(p))
        previous.SetAt(p->key, p->value);

    CColorInfoMap loaded;
    CStringArray groups;
    CStringArray errors;
    const skin_file::ReadResult result =
        skin_file::ReadGroup(path, "COLORMAP", group, groups, [&](CXMLNode& node) {
            const CString idText = node.GetValue("id");
            const CString colourText = node.GetValue("color");
            WORD id = 0;
            COLORREF colour = 0;
            CString error;
            if (!skin_file::ParseId(idText, id))
                error.Format("id \"%s\": bad id", static_cast<const char*>(idText));
            else if (!skin_file::ParseColor(colourText, colour))
                error.Format("id %u: bad colour \"%s\"", id, static_cast<const char*>(colourText));
            if (!error.IsEmpty()) {
                errors.Add(error);
                return;
            }
            CColorInfo* info = NULL;
            if (!loaded.Lookup(id, info)) {
                if (previous.Lookup(id, info))
                    previous.RemoveKey(id);
                else
                    info = new CColorInfo;
                loaded.SetAt(id, info);
            }
            // A later entry with the same id answers.
            *info = CColorInfo(node.GetValue("text"), colour);
        });
    if (result == skin_file::kUnreadable)
        return FALSE;

    m_arrGroup.Copy(groups);
    m_arrErrors.Copy(errors);
    for (const CColorInfoMap::CPair* p = previous.PGetFirstAssoc(); p != NULL; p = previous.PGetNextAssoc(p))
        s_arrRetired.Add(p->value);
    owned_entries::MoveAll(loaded, m_mapData);
    RefreshCache();
    for (INT_PTR i = 0; i < errors.GetSize(); ++i)
        TRACE("colormap %s: %s\n", static_cast<const char*>(path), static_cast<const char*>(errors[i]));
    return result == skin_file::kLoaded ? TRUE : FALSE;
}

void CColorMap::Release()
{
    owned_entries::DeleteValues(m_mapData);
    owned_entries::DeleteElements(s_arrRetired);
    m_arrGroup.RemoveAll();
    m_arrErrors.RemoveAll();
    RefreshCache();
}

void CColorMap::RefreshCache()
{
    struct Slot
    {
        WORD id;
        CColorInfo** cached;
    } const slots[] = {
        {CLR_GRID_FONT_NORMAL, &m_pGriFontNomal}, {CLR_GRID_FONT_UP, &m_pGriFontUp},
        {CLR_GRID_FONT_DOWN, &m_pGriFontDown},    {CLR_GRID_BACK, &m_pGridBack},
        {CLR_GRID_BACK_UP, &m_pGridBackUp},       {CLR_GRID_BACK_DOWN, &m_pGridBackDown},
    };
    for (const Slot& slot : slots) {
        *slot.cached = NULL;
        m_mapData.Lookup(slot.id, *slot.cached);
    }
}

CColorInfo* CColorMap::GetColorInfo(WORD id)
{
    switch (id) {
    case CLR_GRID_FONT_NORMAL:
        return m_pGriFontNomal;
    case CLR_GRID_FONT_UP:
        return m_pGriFontUp;
    case CLR_GRID_FONT_DOWN:
        return m_pGriFontDown;
    case CLR_GRID_BACK:
        return m_pGridBack;
    case CLR_GRID_BACK_UP:
        return m_pGridBackUp;
    case CLR_GRID_BACK_DOWN:
        return m_pGridBackDown;
    default:
        break;
    }
    CColorInfo* info = NULL;
    return m_mapData.Lookup(id, info) ? info : NULL;
}

COLORREF CColorMap::GetColor(WORD id)
{
    CColorInfo* info = GetColorInfo(id);
    return info != NULL ? info->m_clrColor : 0;
}

CString CColorMap::GetName(WORD id)
{
    CColorInfo* info = GetColorInfo(id);
    return info != NULL ? info->m_strName : CString();
}
