// The property-string reader shared by the section parsers and the kind parsers: spans of the
// text by offset, so that a field rewritten in the stored text is the field that was read.
#pragma once

#include <vector>

#include "Properties.h"

namespace propstring {

extern const char kLevel1[];
extern const char kLevel2[];
extern const char kLevel3[];
extern const char kLevel4[];

// A part of the property string, by offsets [begin, end).
struct Span
{
    int begin;
    int end;
};

class Parser;

// Consecutive fields of one span at level 4.
class Fields
{
public:
    Fields(Parser& parser, Span rest) : m_parser(parser), m_rest(rest) {}

    // Required fields: false when the field is missing.
    bool NeedInt(int& n);
    bool NeedText(CString& str);
    bool NeedColor(CCtlColor& colour);

    // Kind-record fields: a missing field keeps the record's value.
    void Int(int& n);
    void Ints(std::initializer_list<int*> fields);
    void Text(CString& str);
    void Texts(std::initializer_list<CString*> fields);
    void Color(CCtlColor& colour);
    void Skip(int nCount);
    // Colours of line, candle, high-low-close and bar records: before version 27 the field is
    // not parsed; the colour takes the palette index nIndex (-1: keeps its own) and the field
    // is rewritten in the stored text as the colour's text form.
    void OldFormColor(CCtlColor& colour, int nIndex);

    // Appends the text to series-name list n (1 to 6).
    void Add(int nList, const CString& str);
    void Add(int nList, std::initializer_list<const CString*> texts);

    int Version() const;
    Span Rest() const { return m_rest; }

private:
    bool Next(Span& token);

    Parser& m_parser;
    Span m_rest;
};

class Parser
{
public:
    Parser(CProperties& props, const CString& text) : m_props(props), m_text(text), m_nVersion(0) {}

    int Parse();

    // The first separator in source: token is the text before it, source keeps what follows.
    bool Next(Span& source, Span& token, const char* separator) const;
    CString Text(Span span) const { return CString(LPCSTR(m_text) + span.begin, span.end - span.begin); }
    void Patch(Span field, const CString& replacement) { m_patches.push_back({field, replacement}); }
    // The stored text: the input with the rewritten fields.
    CString PatchedText() const;

    CProperties& Props() { return m_props; }
    int Version() const { return m_nVersion; }

private:
    bool ParseTimeSection(Span section);
    bool ParseRegionItem(Span item);
    bool ParseRegionSide(Span part, DREGIONSIDEDATA& side);
    bool ParseObjectItem(Span item);
    // The fields of a kind record, from what follows the object header.
    void ParseKindRecord(int nKind, void* pRecord, Fields& fields);

    struct Rewrite
    {
        Span field;
        CString text;
    };

    CProperties& m_props;
    const CString& m_text;
    int m_nVersion;
    int m_nKindCount[9] = {};
    std::vector<Rewrite> m_patches;
};

// Kind parsers, one per record (kinds 0 and 5 share the line record).
void ParseLineProp(DLINEPROP& r, Fields& f, int nLineOrder);
void ParseLine2Prop(DLINEPROP& r, Fields& f);
void ParseJapanProp(DJAPANPROP& r, Fields& f);
void ParseAmericaProp(DAMERICAPROP& r, Fields& f);
void ParseBarProp(DBARPROP& r, Fields& f);
void ParseBar2Prop(DBARPROP2& r, Fields& f);
void ParsePieProp(DPIEPROP& r, Fields& f);
void ParseMeamulProp(DMEAMULPROP& r, Fields& f);
void ParseHBarProp(DHBARPROP& r, Fields& f);

} // namespace propstring
