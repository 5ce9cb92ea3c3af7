// CProperties archive: stored as version 8; loaded (versions 0 to 8) into a model of its own
// that replaces the current one only once the whole archive was read.
#include "Properties.h"

#include <memory>
#include <vector>

#include "record_archive.h"

namespace {

// Colour indices that archives older than version 8 did not hold: the chart's scheme.
void SetOldPaletteIndices(DDRAWOBJDATA& object, int nLineOrder)
{
    static const WORD lineIndices[5] = {466, 467, 468, 87, 88};
    switch (object.Kind) {
    case 0: {
        DLINEPROP* p = static_cast<DLINEPROP*>(object.KindProp);
        if (nLineOrder < 5)
            p->LineColor.SetIndex(lineIndices[nLineOrder]);
        p->UpColor.SetIndex(465);
        p->DownColor.SetIndex(464);
        break;
    }
    case 1: {
        DJAPANPROP* p = static_cast<DJAPANPROP*>(object.KindProp);
        p->FallColor.SetIndex(464);
        p->RiseColor.SetIndex(465);
        break;
    }
    case 2:
        static_cast<DAMERICAPROP*>(object.KindProp)->C1.SetIndex(465);
        break;
    case 3: {
        DBARPROP* p = static_cast<DBARPROP*>(object.KindProp);
        p->BarColor.SetIndex(469);
        p->UpColor.SetIndex(465);
        p->DownColor.SetIndex(464);
        break;
    }
    default:
        break;
    }
}

struct ObjectDeleter
{
    void operator()(DDRAWOBJDATA* p) const
    {
        DeleteKindRecord(p->Kind, p->KindProp);
        delete p;
    }
};

// What one load reads, owned until it is handed to the model.
struct LoadedModel
{
    DTIMEDATA time;
    std::vector<std::unique_ptr<DREGIONDATA>> regions;
    std::vector<std::unique_ptr<DDRAWOBJDATA, ObjectDeleter>> objects;
    CCtlColor back;
    CString font;
    int bDefaultCount = 0;
    int nDefaultCount = 0;
    int nCategoryAxis = 0;
    CStringArray names[CProperties::kNameLists];
};

DWORD ReadDword(CArchive& ar)
{
    DWORD n;
    ar >> n;
    return n;
}

} // namespace

void CProperties::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << BYTE(kArchiveVersion);
        m_TimeData.Serialize(ar);
        ar << DWORD(m_RegionList.GetCount());
        for (POSITION pos = m_RegionList.GetHeadPosition(); pos != NULL;)
            m_RegionList.GetNext(pos)->Serialize(ar);
        ar << DWORD(m_ObjectList.GetCount());
        for (POSITION pos = m_ObjectList.GetHeadPosition(); pos != NULL;) {
            DDRAWOBJDATA* pObject = m_ObjectList.GetNext(pos);
            pObject->Serialize(ar);
            SerializeKindRecord(pObject->Kind, pObject->KindProp, ar);
        }
        m_clrBack.Serialize(ar);
        ar << m_strFont;
        ar << DWORD(m_bDefaultCount) << DWORD(m_nDefaultCount) << DWORD(m_nCategoryAxis);
        for (CStringArray* pList : m_pNameLists)
            WriteArchiveTextList(ar, pList);
        return;
    }

    BYTE nVersion;
    ar >> nVersion;
    if (nVersion > kArchiveVersion)
        AfxThrowArchiveException(CArchiveException::badSchema);

    // Fields an older version lacks keep the values they have now.
    LoadedModel in;
    in.time = m_TimeData;
    in.back = m_clrBack;
    in.bDefaultCount = m_bDefaultCount;
    in.nDefaultCount = m_nDefaultCount;
    in.nCategoryAxis = m_nCategoryAxis;

    in.time.Serialize(ar);
    for (DWORD n = ReadDword(ar); n > 0; --n) {
        in.regions.emplace_back(new DREGIONDATA);
        in.regions.back()->Serialize(ar);
    }
    int nLineOrder = 0;
    for (DWORD n = ReadDword(ar); n > 0; --n) {
        in.objects.emplace_back(new DDRAWOBJDATA);
        DDRAWOBJDATA& object = *in.objects.back();
        object.Serialize(ar);
        object.KindProp = NewKindRecord(object.Kind);
        if (object.KindProp == NULL)
            continue;
        SerializeKindRecord(object.Kind, object.KindProp, ar);
        if (nVersion < 8)
            SetOldPaletteIndices(object, nLineOrder);
        if (object.Kind == 0)
            ++nLineOrder;
    }
    if (nVersion >= 6)
        in.back.Serialize(ar);
    else
        in.back = CCtlColor(COLORREF(ReadDword(ar)));
    ReadArchiveText(ar, in.font);
    if (nVersion >= 3) {
        in.bDefaultCount = int(ReadDword(ar));
        in.nDefaultCount = int(ReadDword(ar));
    }
    if (nVersion >= 5)
        in.nCategoryAxis = int(ReadDword(ar));
    const int nLists = nVersion >= 4 ? kNameLists : 3;
    for (int i = 0; i < nLists; ++i)
        ReadArchiveTextList(ar, in.names[i]);

    // Everything was read: take it over. The name lists stay the canvas's own; only their
    // contents change.
    ClearAll();
    m_TimeData = in.time;
    for (auto& region : in.regions)
        m_RegionList.AddTail(region.release());
    for (auto& object : in.objects)
        m_ObjectList.AddTail(object.release());
    m_clrBack = in.back;
    m_strFont = in.font;
    m_bDefaultCount = in.bDefaultCount;
    m_nDefaultCount = in.nDefaultCount;
    m_nCategoryAxis = in.nCategoryAxis;
    for (int i = 0; i < nLists; ++i) {
        if (m_pNameLists[i] != NULL)
            m_pNameLists[i]->Copy(in.names[i]);
    }
}
