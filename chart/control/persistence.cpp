// The control's archives: the common control state, the whole chart with its property set, and
// the last-information record of the settings and the look of the objects.
//
// Loads read everything into locals first (the chart's property set into a set aside) and take
// the values over only when the archive was read to its end: a short or damaged archive raises
// its exception and leaves the control as it was.
#include "CtlChart.h"

#include <memory>
#include <vector>

#include "DrawObject.h"

namespace
{

const BYTE kBaseVersion = 1;
const BYTE kChartVersion = 9;
const BYTE kLastInfoVersion = 2;

CCtlColor LoadColor(CArchive& ar)
{
    CCtlColor colour;
    colour.Serialize(ar);
    return colour;
}

void StoreColor(CArchive& ar, CCtlColor colour)
{
    colour.Serialize(ar);
}

// One property set copied into another through their archive form, which a load reads into a
// model of its own first: the target's fields that the form lacks keep their values.
void CopyProperties(CProperties& from, CProperties& to)
{
    CMemFile file;
    {
        CArchive out(&file, CArchive::store);
        from.Serialize(out);
        out.Close();
    }
    file.SeekToBegin();
    CArchive in(&file, CArchive::load);
    to.Serialize(in);
}

// A property set with name lists of its own, for reading an archive aside.
struct ScratchProperties
{
    CProperties set;
    CStringArray lists[CProperties::kNameLists];
    ScratchProperties()
    {
        for (int i = 0; i < CProperties::kNameLists; ++i)
            set.SetNameList(i + 1, &lists[i]);
    }
};

} // namespace

void CCtlBase::SerializeBase(CArchive& ar)
{
    if (ar.IsStoring())
    {
        PrepareSerialize();
        ar << kBaseVersion << LONG(m_nHostData) << m_nCtlID << m_strName << m_strCaption << m_bEnable << m_bVisible;
        ar << m_nTop << m_nLeft << m_nWidth << m_nHeight;
        StoreColor(ar, m_clrFore);
        StoreColor(ar, m_clrBack);
        ar << m_bFlag1 << m_bFlag2 << m_strFontText;
        return;
    }
    BYTE version = 0, enable = 0, visible = 0, flag1 = 0, flag2 = 0;
    LONG host = 0;
    int id = 0, top = 0, left = 0, width = 0, height = 0;
    CString name, caption, font;
    ar >> version >> host >> id >> name >> caption >> enable >> visible >> top >> left >> width >> height;
    const CCtlColor fore = LoadColor(ar);
    const CCtlColor back = LoadColor(ar);
    ar >> flag1 >> flag2 >> font;
    m_nHostData = host;
    m_nCtlID = id;
    m_strName = name;
    m_strCaption = caption;
    m_bEnable = enable;
    m_bVisible = visible;
    m_nTop = top;
    m_nLeft = left;
    m_nWidth = width;
    m_nHeight = height;
    // Sizes from a file may be anything: the sums wrap instead of overflowing.
    const LONG right = LONG(int(static_cast<long long>(left) + width));
    const LONG bottom = LONG(int(static_cast<long long>(top) + height));
    m_rcCurrent = RECT{left, top, right, bottom};
    m_rcSaved = m_rcCurrent;
    m_clrFore = fore;
    m_clrBack = back;
    m_bFlag1 = flag1;
    m_bFlag2 = flag2;
    m_strFontText = font;
}

void CCtlChart::SerializeCtl(CArchive& ar)
{
    if (ar.IsStoring())
    {
        ar << kChartVersion;
        StoreColor(ar, m_clrOuterBack);
        StoreColor(ar, m_clrFrame);
        StoreColor(ar, m_clrTimeBack);
        StoreColor(ar, m_clrTime);
        ar << m_nToolBarUseProp << GetToolTipUse() << GetRealFixNeed();
        StoreColor(ar, m_clrVIndi);
        StoreColor(ar, m_clrHIndi);
        ar << m_strPropertyString;
        ar << m_nCheckStyle << m_nHIndi << m_nVIndi << m_nMinMaxOpt << m_nDataOrder;
        GetProperties().Serialize(ar);
        StoreColor(ar, m_clrDefaultBack);
        ar << m_nTimeDisplay << m_nBorderDisplay << m_nSendExcelDisplay << m_nFixPinBtnDisplay << GetFluctuationUse();
        m_arArchiveTexts1.Serialize(ar);
        m_arArchiveTexts2.Serialize(ar);
        return;
    }

    BYTE version = 0;
    ar >> version;
    if (version > kChartVersion)
        AfxThrowArchiveException(CArchiveException::badSchema);
    CCtlColor outer = LoadColor(ar), frame = LoadColor(ar), timeBack = LoadColor(ar), time = LoadColor(ar);
    int toolBar = 0, toolTip = 0, realFix = 0;
    ar >> toolBar >> toolTip >> realFix;
    CCtlColor vIndi = LoadColor(ar), hIndi = LoadColor(ar);
    CString propertyString;
    ar >> propertyString;
    int checkStyle = 0, hIndiSwitch = 0, vIndiSwitch = 0, minMax = 0, dataOrder = 0;
    ar >> checkStyle >> hIndiSwitch >> vIndiSwitch >> minMax >> dataOrder;
    // The set is read aside, starting from the chart's own (fields an older set lacks keep
    // their values), and taken over with the rest.
    std::unique_ptr<ScratchProperties> scratch;
    if (version >= 1)
    {
        scratch.reset(new ScratchProperties);
        CopyProperties(GetProperties(), scratch->set);
        scratch->set.Serialize(ar);
    }
    if (version == 2)
    {
        CString dropped;
        ar >> dropped;
    }
    CCtlColor defaultBack = m_clrDefaultBack;
    if (version >= 4)
        defaultBack = LoadColor(ar);
    int timeDisplay = m_nTimeDisplay, borderDisplay = m_nBorderDisplay, excel = m_nSendExcelDisplay,
        pin = m_nFixPinBtnDisplay, fluctuation = GetFluctuationUse();
    if (version >= 5)
        ar >> timeDisplay >> borderDisplay;
    if (version >= 6)
        ar >> excel;
    if (version >= 7)
        ar >> pin;
    if (version >= 9)
        ar >> fluctuation;
    if (version <= 7)
    {
        // Older archives kept other palette numbers: the defaults' indices, the stored colours.
        outer.SetIndex(180);
        frame.SetIndex(181);
        timeBack.SetIndex(179);
        time.SetIndex(1);
        vIndi.SetIndex(183);
        hIndi.SetIndex(182);
        defaultBack.SetIndex(179);
    }
    CStringArray texts1, texts2;
    texts1.Serialize(ar);
    texts2.Serialize(ar);

    if (scratch)
        CopyProperties(scratch->set, GetProperties());

    m_clrOuterBack = outer;
    m_clrFrame = frame;
    m_clrTimeBack = timeBack;
    m_clrTime = time;
    m_nToolBarUseProp = toolBar;
    SetToolTipUse(toolTip);
    SetRealFixNeed(realFix);
    m_clrVIndi = vIndi;
    m_clrHIndi = hIndi;
    m_strPropertyString = propertyString;
    m_nCheckStyle = checkStyle;
    m_nHIndi = hIndiSwitch;
    m_nVIndi = vIndiSwitch;
    m_nMinMaxOpt = minMax;
    m_nDataOrder = dataOrder;
    m_clrDefaultBack = defaultBack;
    m_nTimeDisplay = timeDisplay;
    m_nBorderDisplay = borderDisplay;
    m_nSendExcelDisplay = excel;
    m_nFixPinBtnDisplay = pin;
    SetFluctuationUse(fluctuation);
    m_arArchiveTexts1.Copy(texts1);
    m_arArchiveTexts2.Copy(texts2);
    // The archived set holds every change made after its property string was given.
    m_bPropertySetLoaded = version >= 1;
    GetVolumeDrawer().SetChart(&GetProperties());
}

void CCtlChart::SaveLastInfo(const char*, const char*, CArchive& ar)
{
    if (ar.IsLoading())
        AfxThrowArchiveException(CArchiveException::readOnly);
    ar << kLastInfoVersion;
    StoreColor(ar, m_clrOuterBack);
    StoreColor(ar, m_clrFrame);
    StoreColor(ar, m_clrTimeBack);
    StoreColor(ar, m_clrTime);
    ar << m_nToolBarUseProp << GetToolTipUse() << GetRealFixNeed();
    StoreColor(ar, m_clrVIndi);
    StoreColor(ar, m_clrHIndi);
    ar << m_nCheckStyle << m_nHIndi << m_nVIndi << m_nMinMaxOpt << m_nDataOrder;
    StoreColor(ar, m_clrDefaultBack);
    ar << m_nTimeDisplay << m_nBorderDisplay << m_nSendExcelDisplay << GetDisplayCount() << GetFluctuationUse();
    ar << GetRegionCount();
    for (int r = 0; r < GetRegionCount(); ++r)
    {
        int regionId = -1;
        CRegionCanvas* region = GetRegionAt(r, &regionId);
        if (!region || regionId < 0)
            continue;
        ar << regionId << region->GetObjectCount();
        for (int o = 0; o < region->GetObjectCount(); ++o)
        {
            int objectId = -1;
            CDrawObject* object = region->GetObjectAt(o, &objectId);
            const int kind = object ? object->GetKind() : -1;
            ar << objectId << kind;
            switch (kind)
            {
            case DRAWKIND_LINE:
                ar << int(object->m_clrLine.GetColor()) << object->m_nWidth << object->m_nPointStyle << object->m_nShadow;
                break;
            case DRAWKIND_CANDLE:
                ar << object->m_nFallFill << object->m_nRiseFill << int(object->m_clrFall.GetColor())
                   << int(object->m_clrRise.GetColor()) << object->m_nPriceBand;
                break;
            case DRAWKIND_BAR:
                ar << int(object->m_clrFill.GetColor()) << object->m_n3D << int(object->m_clrBarUp.GetColor())
                   << int(object->m_clrBarDown.GetColor());
                break;
            default:
                break;
            }
        }
    }
}

void CCtlChart::LoadLastInfo(const char*, const char*, CArchive& ar)
{
    if (ar.IsStoring())
        AfxThrowArchiveException(CArchiveException::writeOnly);
    BYTE version = 0;
    ar >> version;
    if (version > kLastInfoVersion)
        AfxThrowArchiveException(CArchiveException::badSchema);
    const CCtlColor outer = LoadColor(ar), frame = LoadColor(ar), timeBack = LoadColor(ar), time = LoadColor(ar);
    int toolBar = 0, toolTip = 0, realFix = 0;
    ar >> toolBar >> toolTip >> realFix;
    const CCtlColor vIndi = LoadColor(ar), hIndi = LoadColor(ar);
    int checkStyle = 0, hIndiSwitch = 0, vIndiSwitch = 0, minMax = 0, dataOrder = 0;
    ar >> checkStyle >> hIndiSwitch >> vIndiSwitch >> minMax >> dataOrder;
    const CCtlColor defaultBack = LoadColor(ar);
    int timeDisplay = 0, borderDisplay = 0, excel = 0;
    ar >> timeDisplay >> borderDisplay >> excel;
    int displayCount = -1, fluctuation = GetFluctuationUse();
    if (version >= 1)
        ar >> displayCount;
    if (version >= 2)
        ar >> fluctuation;

    struct Look
    {
        CString key;
        std::unique_ptr<CObjectStyle> style;
    };
    std::vector<Look> looks;
    int regions = 0;
    ar >> regions;
    for (int r = 0; r < regions; ++r)
    {
        int regionId = 0, objects = 0;
        ar >> regionId >> objects;
        for (int o = 0; o < objects; ++o)
        {
            int objectId = 0, kind = 0;
            ar >> objectId >> kind;
            std::unique_ptr<CObjectStyle> style(new CObjectStyle);
            style->m_nKind = kind;
            int colour1 = 0, colour2 = 0, colour3 = 0;
            switch (kind)
            {
            case DRAWKIND_LINE:
                ar >> colour1 >> style->m_n1 >> style->m_n2 >> style->m_n3;
                break;
            case DRAWKIND_CANDLE:
                ar >> style->m_n1 >> style->m_n2 >> colour1 >> colour2 >> style->m_n3;
                break;
            case DRAWKIND_BAR:
                ar >> colour1 >> style->m_n1 >> colour2 >> colour3;
                break;
            default:
                continue; // no look of its own
            }
            style->m_cr1 = COLORREF(colour1);
            style->m_cr2 = COLORREF(colour2);
            style->m_cr3 = COLORREF(colour3);
            // Negative ids name no place a later object can take.
            if (regionId >= 0 && objectId >= 0)
                looks.push_back(Look{ObjectStyleKey(regionId, objectId), std::move(style)});
        }
    }

    m_clrOuterBack = outer;
    m_clrFrame = frame;
    m_clrTimeBack = timeBack;
    m_clrTime = time;
    m_nToolBarUseProp = toolBar;
    SetToolTipUse(toolTip);
    SetRealFixNeed(realFix);
    m_clrVIndi = vIndi;
    m_clrHIndi = hIndi;
    m_nCheckStyle = checkStyle;
    m_nHIndi = hIndiSwitch;
    m_nVIndi = vIndiSwitch;
    m_nMinMaxOpt = minMax;
    m_nDataOrder = dataOrder;
    m_clrDefaultBack = defaultBack;
    m_nTimeDisplay = timeDisplay;
    m_nBorderDisplay = borderDisplay;
    m_nSendExcelDisplay = excel;
    SetFluctuationUse(fluctuation);
    if (displayCount >= 0)
        SetShowWindow(GetFirstIndex(), displayCount);
    ClearStyles();
    // A later look of the same place takes the earlier one's place (which is freed).
    for (Look& look : looks)
        SetObjectStyle(look.key, look.style.release());
}
