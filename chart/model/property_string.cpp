// Property string: the four sections, the time section, regions and object headers.
#include <string.h>

#include <algorithm>

#include "ClampedNumber.h"
#include "property_parser.h"

namespace propstring {

const char kLevel1[] = "\x14\x14";
const char kLevel2[] = "\x15\x15";
const char kLevel3[] = "\x16\x16";
const char kLevel4[] = "\x17\x17";

namespace {

// A colour field: the text form when it holds ":", else a decimal RGB with index 0.
CCtlColor ColorOfField(const CString& field)
{
    if (field.Find(':') >= 0)
        return CCtlColor(LPCSTR(field));
    return CCtlColor(COLORREF(ClampedAtoi(field, 0, 0xFFFFFF)));
}

} // namespace

bool Fields::Next(Span& token) { return m_parser.Next(m_rest, token, kLevel4); }

int Fields::Version() const { return m_parser.Version(); }

bool Fields::NeedInt(int& n)
{
    Span token;
    if (!Next(token))
        return false;
    n = ClampedAtoi(m_parser.Text(token));
    return true;
}

bool Fields::NeedText(CString& str)
{
    Span token;
    if (!Next(token))
        return false;
    str = m_parser.Text(token);
    return true;
}

bool Fields::NeedColor(CCtlColor& colour)
{
    Span token;
    if (!Next(token))
        return false;
    colour = ColorOfField(m_parser.Text(token));
    return true;
}

void Fields::Int(int& n) { NeedInt(n); }

void Fields::Ints(std::initializer_list<int*> fields)
{
    for (int* p : fields)
        Int(*p);
}

void Fields::Text(CString& str) { NeedText(str); }

void Fields::Texts(std::initializer_list<CString*> fields)
{
    for (CString* p : fields)
        Text(*p);
}

void Fields::Color(CCtlColor& colour) { NeedColor(colour); }

void Fields::Skip(int nCount)
{
    Span token;
    for (int i = 0; i < nCount; ++i)
        Next(token);
}

void Fields::OldFormColor(CCtlColor& colour, int nIndex)
{
    if (Version() >= 27) {
        Color(colour);
        return;
    }
    Span token;
    if (!Next(token))
        return;
    if (nIndex >= 0)
        colour.SetIndex(WORD(nIndex));
    m_parser.Patch(token, colour.GetText());
}

void Fields::Add(int nList, const CString& str)
{
    if (CStringArray* pList = m_parser.Props().GetNameList(nList))
        pList->Add(str);
}

void Fields::Add(int nList, std::initializer_list<const CString*> texts)
{
    for (const CString* p : texts)
        Add(nList, *p);
}

bool Parser::Next(Span& source, Span& token, const char* separator) const
{
    LPCSTR base = m_text;
    for (int i = source.begin; i + 1 < source.end; ++i) {
        if (base[i] == separator[0] && base[i + 1] == separator[1]) {
            token = Span{source.begin, i};
            source.begin = i + 2;
            return true;
        }
    }
    return false;
}

CString Parser::PatchedText() const
{
    std::vector<Rewrite> patches = m_patches;
    std::sort(patches.begin(), patches.end(),
              [](const Rewrite& a, const Rewrite& b) { return a.field.begin > b.field.begin; });
    CString text = m_text;
    for (const Rewrite& r : patches) {
        text.Delete(r.field.begin, r.field.end - r.field.begin);
        text.Insert(r.field.begin, r.text);
    }
    return text;
}

int Parser::Parse()
{
    Span whole{0, m_text.GetLength()};
    Span token;
    if (!Next(whole, token, kLevel1))
        return 0;
    m_nVersion = ClampedAtoi(Text(token));
    m_props.m_nPropVersion = m_nVersion;
    if (!Next(whole, token, kLevel1) || !ParseTimeSection(token))
        return 0;

    // Regions, then objects: a count, then that many items. A count of 0 describes an empty
    // chart: the model is emptied (name lists included) and the string ends there. A missing or
    // negative count is a broken string and fails it.
    Span section;
    if (!Next(whole, section, kLevel1))
        return 0;
    Span count;
    if (!Next(section, count, kLevel2))
        return 0;
    int nRegions = ClampedAtoi(Text(count));
    if (nRegions < 0)
        return 0;
    if (nRegions == 0) {
        m_props.ClearAll();
        return 1;
    }
    for (int i = 0; i < nRegions; ++i) {
        Span item;
        if (!Next(section, item, kLevel2) || !ParseRegionItem(item))
            return 0;
    }

    if (!Next(whole, section, kLevel1) || !Next(section, count, kLevel2))
        return 0;
    int nObjects = ClampedAtoi(Text(count));
    if (nObjects < 0)
        return 0;
    if (nObjects == 0) {
        m_props.ClearAll();
        return 1;
    }
    for (int i = 0; i < nObjects; ++i) {
        Span item;
        if (!Next(section, item, kLevel2))
            return 0;
        ParseObjectItem(item); // a failed object is left out, the rest are read
    }
    return 1;
}

bool Parser::ParseTimeSection(Span section)
{
    DTIMEDATA& t = m_props.m_TimeData;
    Fields f(*this, section);
    const int v = m_nVersion;
    if (!f.NeedInt(t.TimeKind) || !f.NeedInt(t.ViewCount))
        return false;
    m_props.m_nDefaultCount = t.ViewCount;
    m_props.m_bDefaultCount = t.ViewCount >= 10 ? 1 : 0;
    if (!f.NeedText(t.S1) || !f.NeedInt(t.MinTerm) || !f.NeedInt(t.RIndexWidth) || !f.NeedInt(t.LIndexWidth) ||
        !f.NeedInt(t.RMargin) || !f.NeedInt(t.I7))
        return false;
    t.I8 = 0;
    if (v >= 5 && !f.NeedInt(t.I8))
        return false;
    t.S2.Empty();
    if (v >= 6) {
        if (!f.NeedText(t.S2))
            return false;
        f.Add(1, t.S1);
        f.Add(2, t.S2);
    }
    t.I9 = 0;
    if (v >= 9 && !f.NeedInt(t.I9))
        return false;
    t.I10 = t.I11 = t.I12 = 0;
    if (v >= 12 && !(f.NeedInt(t.I10) && f.NeedInt(t.I11) && f.NeedInt(t.I12)))
        return false;
    if (t.TimeKind == 6 || t.TimeKind == -1 || v >= 15) {
        if (!f.NeedInt(t.TimeHeight) || !f.NeedInt(t.LabelDir))
            return false;
        if (v >= 15) {
            if (!(f.NeedText(t.S3) && f.NeedText(t.S5) && f.NeedText(t.S6) && f.NeedText(t.S4)))
                return false;
            f.Add(4, t.S5);
            f.Add(5, t.S6);
        }
    }
    t.XDivisor = t.XDecimals = 0;
    t.XName.Empty();
    if (v >= 21 && !(f.NeedInt(t.XDivisor) && f.NeedInt(t.XDecimals) && f.NeedText(t.XName)))
        return false;
    return true;
}

bool Parser::ParseRegionItem(Span item)
{
    DREGIONDATA* pRegion = new DREGIONDATA;
    Span header, right, left;
    bool bRead = Next(item, header, kLevel3) && Next(item, right, kLevel3) && Next(item, left, kLevel3);
    if (bRead) {
        Fields f(*this, header);
        bRead = f.NeedInt(pRegion->I1) && (m_nVersion < 1 || f.NeedInt(pRegion->TagOff)) &&
                (m_nVersion < 13 || f.NeedInt(pRegion->Reverse));
        if (bRead && m_nVersion >= 13)
            m_props.m_nCategoryAxis = pRegion->Reverse;
    }
    bRead = bRead && ParseRegionSide(right, pRegion->RightSide) && ParseRegionSide(left, pRegion->LeftSide);
    if (!bRead) {
        delete pRegion;
        return false;
    }
    m_props.m_RegionList.AddTail(pRegion);
    return true;
}

bool Parser::ParseRegionSide(Span part, DREGIONSIDEDATA& side)
{
    Fields f(*this, part);
    if (!(f.NeedInt(side.I1) && f.NeedInt(side.I2) && f.NeedInt(side.EmptyValue) && f.NeedText(side.Unit) &&
          f.NeedInt(side.Divisor) && f.NeedInt(side.Fixed) && f.NeedInt(side.FixedMax) && f.NeedInt(side.FixedMin) &&
          f.NeedColor(side.UnitColor) && f.NeedInt(side.Decimals)))
        return false;
    f.Int(side.I11);
    return true;
}

bool Parser::ParseObjectItem(Span item)
{
    DDRAWOBJDATA* pObject = new DDRAWOBJDATA;
    Fields f(*this, item);
    if (!(f.NeedInt(pObject->Kind) && f.NeedInt(pObject->I2) && f.NeedInt(pObject->I3) &&
          (m_nVersion < 26 || f.NeedInt(pObject->I5)))) {
        delete pObject;
        return false;
    }
    pObject->KindProp = NewKindRecord(pObject->Kind);
    if (pObject->KindProp != NULL) {
        ParseKindRecord(pObject->Kind, pObject->KindProp, f);
        ++m_nKindCount[pObject->Kind];
    }
    m_props.m_ObjectList.AddTail(pObject);
    return true;
}

void Parser::ParseKindRecord(int nKind, void* pRecord, Fields& f)
{
    switch (nKind) {
    case 0:
        ParseLineProp(*static_cast<DLINEPROP*>(pRecord), f, m_nKindCount[0]);
        break;
    case 1:
        ParseJapanProp(*static_cast<DJAPANPROP*>(pRecord), f);
        break;
    case 2:
        ParseAmericaProp(*static_cast<DAMERICAPROP*>(pRecord), f);
        break;
    case 3:
        ParseBarProp(*static_cast<DBARPROP*>(pRecord), f);
        break;
    case 4:
        ParseBar2Prop(*static_cast<DBARPROP2*>(pRecord), f);
        break;
    case 5:
        ParseLine2Prop(*static_cast<DLINEPROP*>(pRecord), f);
        break;
    case 6:
        ParsePieProp(*static_cast<DPIEPROP*>(pRecord), f);
        break;
    case 7:
        ParseMeamulProp(*static_cast<DMEAMULPROP*>(pRecord), f);
        break;
    case 8:
        ParseHBarProp(*static_cast<DHBARPROP*>(pRecord), f);
        break;
    default:
        break;
    }
}

} // namespace propstring

int CProperties::ParsePropertyString(LPCSTR lpszText)
{
    ClearAll();
    CString text = lpszText != NULL ? lpszText : "";
    propstring::Parser parser(*this, text);
    int nResult = parser.Parse();
    if (nResult == 0)
        ClearAll();
    m_strPropString = parser.PatchedText();
    return nResult;
}

BOOL CProperties::NextToken(CString& source, CString& token, LPCSTR lpszSeparator)
{
    int nAt = lpszSeparator != NULL && *lpszSeparator != '\0' ? source.Find(lpszSeparator) : -1;
    if (nAt < 0)
        return FALSE;
    token = source.Left(nAt);
    source = source.Mid(nAt + int(strlen(lpszSeparator)));
    return TRUE;
}

int CProperties::ReadCount(CString& section, LPCSTR lpszSeparator)
{
    CString token;
    if (!NextToken(section, token, lpszSeparator))
        return -1;
    return ClampedAtoi(token);
}
