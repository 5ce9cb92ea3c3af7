// Driver of the framework's archive format, as saved files hold it: object graphs with class
// records, the collections, strings, counts and numbers. The first byte of an input chooses
// what is read from the rest; a load that fails must fail with the framework's exceptions,
// which the program catches around every load.
#include <afxcoll.h>
#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "FuzzHarness.h"

// Objects as saved screen sets hold them: a record with a name, a version and members.
class CFuzzGroup : public CObject
{
    DECLARE_SERIAL(CFuzzGroup)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << name << version;
        else
            ar >> name >> version;
        members.Serialize(ar);
    }
    CString name;
    DWORD version = 2013052301;
    CObArray members; // not owned: the driver frees the whole graph
};
IMPLEMENT_SERIAL(CFuzzGroup, CObject, VERSIONABLE_SCHEMA | 2)

namespace {

enum Kind
{
    kObject,
    kString,
    kStringArray,
    kNumberArrays,
    kObjectArray,
    kLists,
    kMaps,
    kValues,
    kKinds
};

// Frees every object reachable from the ones read, each once (graphs may share and cycle).
void Collect(CObject* p, std::set<CObject*>& all)
{
    if (p == nullptr || !all.insert(p).second)
        return;
    auto eachOf = [&](const CObArray& a) {
        for (INT_PTR i = 0; i < a.GetSize(); ++i)
            Collect(a[i], all);
    };
    if (CFuzzGroup* g = DYNAMIC_DOWNCAST(CFuzzGroup, p))
        eachOf(g->members);
    else if (CObArray* a = DYNAMIC_DOWNCAST(CObArray, p))
        eachOf(*a);
    else if (CObList* l = DYNAMIC_DOWNCAST(CObList, p)) {
        for (POSITION pos = l->GetHeadPosition(); pos != NULL;)
            Collect(l->GetNext(pos), all);
    } else if (CMapStringToOb* m = DYNAMIC_DOWNCAST(CMapStringToOb, p)) {
        for (POSITION pos = m->GetStartPosition(); pos != NULL;) {
            CString key;
            CObject* value = nullptr;
            m->GetNextAssoc(pos, key, value);
            Collect(value, all);
        }
    } else if (CMapWordToOb* w = DYNAMIC_DOWNCAST(CMapWordToOb, p)) {
        for (POSITION pos = w->GetStartPosition(); pos != NULL;) {
            WORD key;
            CObject* value = nullptr;
            w->GetNextAssoc(pos, key, value);
            Collect(value, all);
        }
    }
}

void FreeGraph(const std::vector<CObject*>& roots)
{
    std::set<CObject*> all;
    for (CObject* p : roots)
        Collect(p, all);
    for (CObject* p : all)
        delete p;
}

void ReadOne(CArchive& ar, Kind kind, std::vector<CObject*>& read)
{
    switch (kind) {
    case kObject: {
        CObject* p = nullptr;
        ar >> p;
        read.push_back(p);
        break;
    }
    case kString: {
        CString s;
        ar >> s;
        break;
    }
    case kStringArray: {
        CStringArray a;
        a.Serialize(ar);
        break;
    }
    case kNumberArrays: {
        CByteArray b;
        CWordArray w;
        CDWordArray d;
        b.Serialize(ar);
        w.Serialize(ar);
        d.Serialize(ar);
        break;
    }
    case kObjectArray: {
        CObArray a;
        a.Serialize(ar);
        for (INT_PTR i = 0; i < a.GetSize(); ++i)
            read.push_back(a[i]);
        break;
    }
    case kLists: {
        CObList objects;
        CStringList strings;
        objects.Serialize(ar);
        strings.Serialize(ar);
        for (POSITION pos = objects.GetHeadPosition(); pos != NULL;)
            read.push_back(objects.GetNext(pos));
        break;
    }
    case kMaps: {
        CMapStringToString texts;
        CMapStringToOb objects;
        CMapWordToOb words;
        texts.Serialize(ar);
        objects.Serialize(ar);
        words.Serialize(ar);
        std::set<CObject*> values;
        Collect(&objects, values);
        Collect(&words, values);
        values.erase(&objects);
        values.erase(&words);
        read.insert(read.end(), values.begin(), values.end());
        break;
    }
    default: {
        int i;
        double d;
        LONGLONG q;
        CTime t;
        ar >> i >> d >> q >> t;
        ar.ReadCount();
        CString line;
        ar.ReadString(line);
        break;
    }
    }
}

void Load(const std::string& in, fuzz::Random&)
{
    if (in.empty())
        return;
    const Kind kind = Kind(BYTE(in[0]) % kKinds);
    CMemFile file;
    file.Write(in.data() + 1, UINT(in.size() - 1));
    file.SeekToBegin();
    std::vector<CObject*> read;
    try {
        CArchive ar(&file, CArchive::load);
        for (int n = 0; n < 4; ++n)
            ReadOne(ar, kind, read);
    } catch (CException* e) {
        e->Delete();
    }
    FreeGraph(read);
}

std::string Stored(Kind kind, const std::function<void(CArchive&)>& write)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        for (int n = 0; n < 4; ++n)
            write(ar);
    }
    std::string bytes(size_t(file.GetLength()), '\0');
    file.SeekToBegin();
    file.Read(&bytes[0], UINT(bytes.size()));
    return std::string(1, char(kind)) + bytes;
}

std::vector<std::string> Fixtures()
{
    // A saved set: groups holding collections, a shared member and a group that holds itself.
    CFuzzGroup top, inner, deeper;
    top.name = "화면 묶음";
    inner.name = "inner";
    deeper.name = std::string(300, 'd').c_str();
    CStringArray codes;
    codes.Add("BTC");
    codes.Add("이더리움");
    CDWordArray numbers;
    numbers.Add(2009122901);
    CMapStringToString settings;
    settings["1000"] = "TradePanel.dll";
    CStringList names;
    names.AddTail("first");
    CObList list;
    list.AddTail(&codes);
    list.AddTail(&names);
    top.members.Add(&inner);
    top.members.Add(&codes);
    top.members.Add(&settings);
    top.members.Add(&list);
    inner.members.Add(&deeper);
    inner.members.Add(&numbers);
    inner.members.Add(&codes);
    deeper.members.Add(&deeper);
    deeper.members.Add(nullptr);

    CMapStringToOb byName;
    byName["top"] = &inner;
    CMapWordToOb byId;
    byId[1000] = &codes;
    CByteArray bytes;
    bytes.Add(7);
    CWordArray words;
    words.Add(0xFFFF);

    return {
        Stored(kObject, [&](CArchive& ar) { ar << &top; }),
        Stored(kString, [&](CArchive& ar) { ar << CString("잔고") << CString(std::string(70000, 's').c_str()); }),
        Stored(kStringArray, [&](CArchive& ar) { codes.Serialize(ar); }),
        Stored(kNumberArrays, [&](CArchive& ar) {
            bytes.Serialize(ar);
            words.Serialize(ar);
            numbers.Serialize(ar);
        }),
        Stored(kObjectArray, [&](CArchive& ar) { top.members.Serialize(ar); }),
        Stored(kLists, [&](CArchive& ar) {
            list.Serialize(ar);
            names.Serialize(ar);
        }),
        Stored(kMaps, [&](CArchive& ar) {
            settings.Serialize(ar);
            byName.Serialize(ar);
            byId.Serialize(ar);
        }),
        Stored(kValues, [&](CArchive& ar) {
            ar << 7 << 1.5 << LONGLONG(1) << CTime(2026, 12, 10, 18, 0, 0);
            ar.WriteCount(70000);
            ar.WriteString("line\r\n");
        }),
    };
}

fuzz::Registration archive({"platform_archive",
                            Fixtures,
                            {std::string("\xFF\xFF", 2), std::string("\x01\x80", 2), std::string("\xFF\x7F", 2),
                             std::string("\x00\x00", 2), std::string("\xFF\xFF\xFF\xFF", 4),
                             std::string("\xFF\xFE\xFF", 3), std::string("\x01\x00", 2),
                             std::string("\xFF\xFF\x01\x00\x0A\x00", 6) + "CFuzzGroup", "CObArray", "CStringList",
                             "CMapStringToOb"},
                            nullptr,
                            nullptr,
                            Load,
                            256 * 1024,
                            3000});

} // namespace
