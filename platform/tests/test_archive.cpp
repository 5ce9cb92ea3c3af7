// CArchive byte format, object graphs and errors; CObject run-time classes and the exception
// macros.
#include <afxcoll.h>
#include <afxdisp.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

typedef std::vector<BYTE> Bytes;

class CPoint3 : public CObject
{
    DECLARE_SERIAL(CPoint3)
public:
    CPoint3() {}
    CPoint3(int ax, int ay, CPoint3* pNext = nullptr) : x(ax), y(ay), next(pNext) {}
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << x << y << next;
        else
            ar >> x >> y >> next;
    }
    int x = 0;
    int y = 0;
    CPoint3* next = nullptr;
};
IMPLEMENT_SERIAL(CPoint3, CObject, 1)

// Versionable: older schemas load, and Serialize sees which one.
class CVersioned : public CObject
{
    DECLARE_SERIAL(CVersioned)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsLoading())
            loadedSchema = ar.GetObjectSchema();
    }
    UINT loadedSchema = 0;
};
IMPLEMENT_SERIAL(CVersioned, CObject, VERSIONABLE_SCHEMA | 3)

class CTiny : public CObject
{
    DECLARE_SERIAL(CTiny)
};
IMPLEMENT_SERIAL(CTiny, CObject, 1)

// A group of objects in a CObArray, nesting as deep as the file says; it owns its members.
class CNestedGroup : public CObject
{
    DECLARE_SERIAL(CNestedGroup)
public:
    ~CNestedGroup() override
    {
        for (INT_PTR i = 0; i < members.GetSize(); ++i)
            delete members[i];
    }
    void Serialize(CArchive& ar) override { members.Serialize(ar); }
    // Levels below and including this one, following the first member.
    int Depth() const
    {
        int n = 1;
        for (const CNestedGroup* g = this; g->members.GetSize() > 0;) {
            g = static_cast<const CNestedGroup*>(g->members[0]);
            ++n;
        }
        return n;
    }
    CObArray members;
};
IMPLEMENT_SERIAL(CNestedGroup, CObject, 1)

class CNotCreatable : public CObject
{
    DECLARE_DYNAMIC(CNotCreatable)
};
IMPLEMENT_DYNAMIC(CNotCreatable, CObject)

namespace {

Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }

Bytes FileBytes(CMemFile& file)
{
    Bytes bytes(size_t(file.GetLength()));
    ULONGLONG pos = file.GetPosition();
    file.SeekToBegin();
    file.Read(bytes.data(), UINT(bytes.size()));
    file.Seek(LONGLONG(pos), CFile::begin);
    return bytes;
}

Bytes Store(const std::function<void(CArchive&)>& write)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        write(ar);
    }
    return FileBytes(file);
}

void Load(const Bytes& bytes, const std::function<void(CArchive&)>& read)
{
    CMemFile file;
    if (!bytes.empty())
        file.Write(bytes.data(), UINT(bytes.size()));
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    read(ar);
}

// The cause of the CArchiveException that read raises, or -1 when it raises none.
int LoadFailure(const Bytes& bytes, const std::function<void(CArchive&)>& read)
{
    try {
        Load(bytes, read);
    } catch (CArchiveException* e) {
        int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

Bytes ClassRecord(WORD schema, const std::string& name)
{
    return Concat({{0xFF, 0xFF, BYTE(schema), BYTE(schema >> 8), BYTE(name.size()), 0x00}, Text(name)});
}

TEST(ArchiveTest, NumbersAreLittleEndianWithFixedSizes)
{
    const struct
    {
        const char* what;
        std::function<void(CArchive&)> write;
        Bytes expected;
    } cases[] = {
        {"BYTE", [](CArchive& ar) { ar << BYTE(0xAB); }, {0xAB}},
        {"char", [](CArchive& ar) { ar << 'A'; }, {0x41}},
        {"bool", [](CArchive& ar) { ar << true << false; }, {0x01, 0x00}},
        {"WORD", [](CArchive& ar) { ar << WORD(0x1234); }, {0x34, 0x12}},
        {"short", [](CArchive& ar) { ar << short(-2); }, {0xFE, 0xFF}},
        {"wchar_t", [](CArchive& ar) { ar << L'가'; }, {0x00, 0xAC}},
        {"int", [](CArchive& ar) { ar << -1; }, {0xFF, 0xFF, 0xFF, 0xFF}},
        {"unsigned", [](CArchive& ar) { ar << 5u; }, {0x05, 0x00, 0x00, 0x00}},
        {"LONG", [](CArchive& ar) { ar << LONG(-2); }, {0xFE, 0xFF, 0xFF, 0xFF}},
        {"DWORD", [](CArchive& ar) { ar << DWORD(0x01020304); }, {0x04, 0x03, 0x02, 0x01}},
        {"LONGLONG", [](CArchive& ar) { ar << LONGLONG(0x0102030405060708LL); },
         {0x08, 0x07, 0x06, 0x05, 0x04, 0x03, 0x02, 0x01}},
        {"ULONGLONG", [](CArchive& ar) { ar << ULONGLONG(0xFFFFFFFFFFFFFFFEULL); },
         {0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {"float", [](CArchive& ar) { ar << 1.0f; }, {0x00, 0x00, 0x80, 0x3F}},
        {"double", [](CArchive& ar) { ar << -2.0; }, {0, 0, 0, 0, 0, 0, 0x00, 0xC0}},
        {"CTime", [](CArchive& ar) { ar << CTime(0x01020304); }, {0x04, 0x03, 0x02, 0x01, 0, 0, 0, 0}},
        {"text pointer", [](CArchive& ar) { ar << "ab"; }, {0x02, 'a', 'b'}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Store(c.write), c.expected) << c.what;
}

TEST(ArchiveTest, NumbersReadBackAsWritten)
{
    Bytes bytes = Store([](CArchive& ar) {
        ar << BYTE(200) << 'z' << true << WORD(65000) << short(-300) << L'글' << -7 << 4000000000u << LONG(-8)
           << DWORD(0xDEADBEEF) << LONGLONG(-5) << ULONGLONG(1ULL << 63) << 0.5f << 1e300 << CTimeSpan(90);
    });
    Load(bytes, [](CArchive& ar) {
        BYTE by;
        char ch;
        bool b;
        WORD w;
        short sh;
        wchar_t wc;
        int i;
        UINT u;
        LONG l;
        DWORD dw;
        LONGLONG ll;
        ULONGLONG ull;
        float f;
        double d;
        CTimeSpan span;
        ar >> by >> ch >> b >> w >> sh >> wc >> i >> u >> l >> dw >> ll >> ull >> f >> d >> span;
        EXPECT_EQ(by, 200);
        EXPECT_EQ(ch, 'z');
        EXPECT_TRUE(b);
        EXPECT_EQ(w, 65000);
        EXPECT_EQ(sh, -300);
        EXPECT_EQ(wc, L'글');
        EXPECT_EQ(i, -7);
        EXPECT_EQ(u, 4000000000u);
        EXPECT_EQ(l, -8);
        EXPECT_EQ(dw, 0xDEADBEEF);
        EXPECT_EQ(ll, -5);
        EXPECT_EQ(ull, 1ULL << 63);
        EXPECT_EQ(f, 0.5f);
        EXPECT_EQ(d, 1e300);
        EXPECT_EQ(span.GetTotalSeconds(), 90);
    });
}

TEST(ArchiveTest, StringLengthPrefixesAtTheBoundaries)
{
    const struct
    {
        int length;
        Bytes prefix;
    } cases[] = {
        {0, {0x00}},
        {1, {0x01}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {256, {0xFF, 0x00, 0x01}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {65535, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const auto& c : cases) {
        CString s('q', c.length);
        Bytes bytes = Store([&](CArchive& ar) { ar << s; });
        ASSERT_EQ(bytes.size(), c.prefix.size() + size_t(c.length)) << c.length;
        EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + c.prefix.size()), c.prefix) << c.length;
        CString back("stale");
        Load(bytes, [&](CArchive& ar) { ar >> back; });
        EXPECT_EQ(back.GetLength(), c.length);
        EXPECT_TRUE(back == s) << c.length;
    }
}

TEST(ArchiveTest, UnicodeStringsAreRecognisedAndConverted)
{
    const struct
    {
        Bytes bytes;
        const char* expected;
    } cases[] = {
        {{0xFF, 0xFE, 0xFF, 0x02, 0x41, 0x00, 0x00, 0xAC}, "A가"},
        {{0xFF, 0xFE, 0xFF, 0x00}, ""},
        {Concat({{0xFF, 0xFE, 0xFF, 0xFF, 0x03, 0x00}, {0x5C, 0xD5, 0x00, 0xAE, 0x21, 0x00}}), "한글!"},
    };
    for (const auto& c : cases) {
        CString s;
        Load(c.bytes, [&](CArchive& ar) { ar >> s; });
        EXPECT_STREQ(s, c.expected);
    }
}

TEST(ArchiveTest, CountsUseAWordOrAnEscapedDword)
{
    const struct
    {
        DWORD_PTR count;
        Bytes bytes;
    } cases[] = {
        {0, {0x00, 0x00}},
        {0xFFFE, {0xFE, 0xFF}},
        {0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {0x10000, {0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Store([&](CArchive& ar) { ar.WriteCount(c.count); }), c.bytes) << c.count;
        DWORD_PTR back = 0;
        Load(c.bytes, [&](CArchive& ar) { back = ar.ReadCount(); });
        EXPECT_EQ(back, c.count);
    }
}

TEST(ArchiveTest, ObjectsWriteClassRecordsThenReferences)
{
    CPoint3 first(1, 2);
    CPoint3 second(3, 4, &first);
    Bytes bytes = Store([&](CArchive& ar) { ar << &first << &second << &first << static_cast<CObject*>(nullptr); });
    const Bytes expected = Concat({
        ClassRecord(1, "CPoint3"),                     // class index 1
        {1, 0, 0, 0, 2, 0, 0, 0, 0x00, 0x00},          // first (index 2): x, y, null next
        {0x01, 0x80},                                  // class index 1 again
        {3, 0, 0, 0, 4, 0, 0, 0, 0x02, 0x00},          // second (index 3), next = object 2
        {0x02, 0x00},                                  // first again
        {0x00, 0x00},                                  // null
    });
    EXPECT_EQ(bytes, expected);

    CPoint3 *a = nullptr, *b = nullptr, *c = nullptr, *d = reinterpret_cast<CPoint3*>(1);
    Load(bytes, [&](CArchive& ar) { ar >> a >> b >> c >> d; });
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(a->x, 1);
    EXPECT_EQ(b->y, 4);
    EXPECT_EQ(b->next, a) << "references load as the same object";
    EXPECT_EQ(c, a);
    EXPECT_EQ(d, nullptr);
    delete a;
    delete b;
}

TEST(ArchiveTest, IndexesFrom7FFFUseBigTags)
{
    const int n = 0x7FFE; // objects get indexes 2 .. 0x7FFF after the class (index 1)
    std::vector<CTiny> tinies(n);
    CPoint3 p1(1, 1), p2(2, 2);
    CMemFile file;
    Bytes refNear, refBig, classBig;
    {
        CArchive ar(&file, CArchive::store);
        for (CTiny& t : tinies)
            ar << &t;
        ar << &p1; // new class record, class index 0x8000, object 0x8001
        auto slice = [&](const std::function<void()>& write) {
            ar.Flush();
            ULONGLONG from = file.GetPosition();
            write();
            ar.Flush();
            Bytes all = FileBytes(file);
            return Bytes(all.begin() + LONGLONG(from), all.end());
        };
        refNear = slice([&] { ar << &tinies[n - 2]; });
        refBig = slice([&] { ar << &tinies[n - 1]; });
        classBig = slice([&] { ar << &p2; });
    }
    EXPECT_EQ(refNear, (Bytes{0xFE, 0x7F}));
    EXPECT_EQ(refBig, (Bytes{0xFF, 0x7F, 0xFF, 0x7F, 0x00, 0x00}));
    EXPECT_EQ(classBig, (Bytes{0xFF, 0x7F, 0x00, 0x80, 0x00, 0x80, 2, 0, 0, 0, 2, 0, 0, 0, 0, 0}));

    std::vector<CObject*> loaded;
    Load(FileBytes(file), [&](CArchive& ar) {
        for (int i = 0; i < n + 4; ++i) {
            CObject* p = nullptr;
            ar >> p;
            loaded.push_back(p);
        }
    });
    EXPECT_EQ(loaded[n + 1], loaded[n - 2]);
    EXPECT_EQ(loaded[n + 2], loaded[n - 1]);
    CPoint3* last = DYNAMIC_DOWNCAST(CPoint3, loaded[n + 3]);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->x, 2);
    for (size_t i = 0; i < loaded.size(); ++i) {
        if (i != size_t(n + 1) && i != size_t(n + 2))
            delete loaded[i];
    }
}

TEST(ArchiveTest, SchemasOfVersionableClassesReachSerialize)
{
    const struct
    {
        WORD schema;
        UINT seen;
    } cases[] = {{3, 3}, {1, 1}};
    for (const auto& c : cases) {
        CVersioned* p = nullptr;
        Load(ClassRecord(c.schema, "CVersioned"), [&](CArchive& ar) { ar >> p; });
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->loadedSchema, c.seen);
        delete p;
    }
}

TEST(ArchiveTest, BadArchivesRaiseTheirCause)
{
    auto readPoint = [](CArchive& ar) {
        CPoint3* p = nullptr;
        ar >> p;
        delete p;
    };
    auto readVersioned = [](CArchive& ar) {
        CVersioned* p = nullptr;
        ar >> p;
        delete p;
    };
    auto readAny = [](CArchive& ar) {
        CObject* p = nullptr;
        ar >> p;
        delete p;
    };
    const Bytes point = Concat({ClassRecord(1, "CPoint3"), {1, 0, 0, 0, 2, 0, 0, 0, 0, 0}});
    const struct
    {
        const char* what;
        Bytes bytes;
        std::function<void(CArchive&)> read;
        int cause;
    } cases[] = {
        {"unknown class", ClassRecord(1, "CNoSuchClass"), readAny, CArchiveException::badClass},
        {"other class than asked", point, readVersioned, CArchiveException::badClass},
        {"class that cannot be created", ClassRecord(0xFFFF, "CNotCreatable"), readAny, CArchiveException::badClass},
        {"class name too long", ClassRecord(1, std::string(70, 'C')), readAny, CArchiveException::badClass},
        {"other schema", ClassRecord(2, "CPoint3"), readPoint, CArchiveException::badSchema},
        {"object never loaded", {0x05, 0x00}, readAny, CArchiveException::badIndex},
        {"class never loaded", {0x05, 0x80}, readAny, CArchiveException::badIndex},
        {"class index used as object", Concat({point, {0x01, 0x00}}),
         [](CArchive& ar) {
             CObject *a = nullptr, *b = nullptr;
             ar >> a;
             delete a;
             ar >> b;
         },
         CArchiveException::badIndex},
        {"empty archive", {}, [](CArchive& ar) { int i; ar >> i; }, CArchiveException::endOfFile},
        {"short number", {1, 2, 3}, [](CArchive& ar) { DWORD d; ar >> d; }, CArchiveException::endOfFile},
        {"short string", {0x05, 'a', 'b'}, [](CArchive& ar) { CString s; ar >> s; }, CArchiveException::endOfFile},
        {"huge string length", {0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0x0F, 'a'},
         [](CArchive& ar) { CString s; ar >> s; }, CArchiveException::endOfFile},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LoadFailure(c.bytes, c.read), c.cause) << c.what;
}

// Groups nested `depth` deep, written by hand: storing them would recurse as deep.
Bytes NestedGroups(int depth)
{
    Bytes bytes = ClassRecord(1, "CNestedGroup"); // class index 1
    for (int level = 1; level <= depth; ++level) {
        if (level > 1)
            bytes.insert(bytes.end(), {0x01, 0x80}); // class 1 again: a new group
        bytes.insert(bytes.end(), {BYTE(level < depth ? 1 : 0), 0x00}); // its member count
    }
    return bytes;
}

TEST(ArchiveTest, NestingIsBoundedBeforeTheStackRunsOut)
{
    auto readGroup = [](int* depth) {
        return [depth](CArchive& ar) {
            CNestedGroup* g = nullptr;
            ar >> g;
            *depth = g ? g->Depth() : 0;
            delete g;
        };
    };
    int depth = 0;
    EXPECT_EQ(LoadFailure(NestedGroups(500), readGroup(&depth)), -1);
    EXPECT_EQ(depth, 500);
    // Far past the stack: the bad-format error, not an overflow that ends the process.
    for (int deep : {1001, 12000, 100000})
        EXPECT_EQ(LoadFailure(NestedGroups(deep), readGroup(&depth)), CArchiveException::badIndex) << deep;

    // The bound is on nesting, not on objects: two chains of 701 side by side load whole.
    CNestedGroup top;
    for (int side = 0; side < 2; ++side) {
        CNestedGroup* g = new CNestedGroup;
        top.members.Add(g);
        for (int i = 0; i < 700; ++i) {
            CNestedGroup* below = new CNestedGroup;
            g->members.Add(below);
            g = below;
        }
    }
    Bytes wide = Store([&](CArchive& ar) { ar << &top; });
    CNestedGroup* loaded = nullptr;
    EXPECT_EQ(LoadFailure(wide, [&](CArchive& ar) { ar >> loaded; }), -1);
    ASSERT_NE(loaded, nullptr);
    ASSERT_EQ(loaded->members.GetSize(), 2);
    EXPECT_EQ(static_cast<CNestedGroup*>(loaded->members[1])->Depth(), 701);
    delete loaded;
}

TEST(ArchiveTest, EveryShortenedArchiveRaisesEndOfFile)
{
    CPoint3 first(1, 2);
    CPoint3 second(3, 4, &first);
    auto write = [&](CArchive& ar) {
        ar << 7 << CString("이름") << &second << WORD(9) << CString(std::string(300, 'x').c_str());
        ar.WriteCount(70000);
    };
    auto read = [](CArchive& ar) {
        int i;
        CString s, t;
        CPoint3* p = nullptr;
        WORD w;
        ar >> i >> s >> p >> w >> t;
        ar.ReadCount();
    };
    Bytes full = Store(write);
    ASSERT_EQ(LoadFailure(full, read), -1);
    for (size_t n = 0; n < full.size(); ++n)
        EXPECT_EQ(LoadFailure(Bytes(full.begin(), full.begin() + LONGLONG(n)), read), CArchiveException::endOfFile)
            << "cut at " << n << " of " << full.size();
}

TEST(ArchiveTest, WrongDirectionRaisesReadOnlyOrWriteOnly)
{
    const struct
    {
        const char* what;
        UINT mode;
        std::function<void(CArchive&)> op;
        int cause;
    } cases[] = {
        {"store into loading", CArchive::load, [](CArchive& ar) { ar << 1; }, CArchiveException::readOnly},
        {"write bytes into loading", CArchive::load, [](CArchive& ar) { ar.Write("x", 1); }, CArchiveException::readOnly},
        {"object into loading", CArchive::load, [](CArchive& ar) { ar << static_cast<CObject*>(nullptr); },
         CArchiveException::readOnly},
        {"load from storing", CArchive::store, [](CArchive& ar) { int i; ar >> i; }, CArchiveException::writeOnly},
        {"string from storing", CArchive::store, [](CArchive& ar) { CString s; ar >> s; }, CArchiveException::writeOnly},
        {"count from storing", CArchive::store, [](CArchive& ar) { ar.ReadCount(); }, CArchiveException::writeOnly},
    };
    for (const auto& c : cases) {
        CMemFile file;
        file.Write("abcd", 4);
        file.SeekToBegin();
        CArchive ar(&file, c.mode);
        int cause = -1;
        try {
            c.op(ar);
        } catch (CArchiveException* e) {
            cause = e->m_cause;
            e->Delete();
        }
        EXPECT_EQ(cause, c.cause) << c.what;
        ar.Abort();
    }
}

TEST(ArchiveTest, LinesFileAndClosing)
{
    Bytes bytes = Store([](CArchive& ar) {
        ar.WriteString("one\r\n");
        ar.WriteString("two\nthree\rfour");
    });
    EXPECT_EQ(bytes, Text("one\r\ntwo\nthree\rfour"));
    std::vector<std::string> lines;
    Load(bytes, [&](CArchive& ar) {
        CString line;
        while (ar.ReadString(line))
            lines.push_back(line.GetString());
        char buf[4];
        EXPECT_EQ(ar.ReadString(buf, sizeof(buf)), nullptr);
    });
    EXPECT_EQ(lines, (std::vector<std::string>{"one", "two", "three", "four"}));

    CMemFile file;
    file.Write("0123456789", 10);
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    EXPECT_TRUE(ar.IsLoading());
    EXPECT_FALSE(ar.IsStoring());
    EXPECT_EQ(ar.GetFile(), &file);
    EXPECT_EQ(ar.m_pDocument, nullptr);
    char c;
    ar >> c;
    ar.Close();
    EXPECT_EQ(file.GetPosition(), 1u) << "closing gives back what was read ahead";

    CMemFile out;
    CArchive store(&out, CArchive::store);
    store << DWORD(1);
    EXPECT_EQ(out.GetLength(), 0u) << "buffered until flushed";
    store.Flush();
    EXPECT_EQ(out.GetLength(), 4u);
    store << DWORD(2);
    store.Abort();
    EXPECT_EQ(out.GetLength(), 4u) << "abort drops what is buffered";
}

TEST(RuntimeClassTest, KindsNamesAndDynamicCreation)
{
    CPoint3 point;
    EXPECT_STREQ(RUNTIME_CLASS(CPoint3)->m_lpszClassName, "CPoint3");
    EXPECT_EQ(point.GetRuntimeClass(), RUNTIME_CLASS(CPoint3));
    EXPECT_TRUE(point.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(point.IsKindOf(RUNTIME_CLASS(CVersioned)));
    EXPECT_TRUE(point.IsSerializable());
    EXPECT_TRUE(RUNTIME_CLASS(CFileException)->IsDerivedFrom(RUNTIME_CLASS(CException)));
    EXPECT_EQ(RUNTIME_CLASS(CVersioned)->m_wSchema, VERSIONABLE_SCHEMA | 3);

    EXPECT_EQ(CRuntimeClass::FromName("CPoint3"), RUNTIME_CLASS(CPoint3));
    EXPECT_EQ(CRuntimeClass::FromName("CStringArray"), RUNTIME_CLASS(CStringArray)) << "library classes too";
    EXPECT_EQ(CRuntimeClass::FromName("CNoSuchClass"), nullptr);
    CObject* made = CRuntimeClass::CreateObject("CPoint3");
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->GetRuntimeClass(), RUNTIME_CLASS(CPoint3));
    EXPECT_EQ(DYNAMIC_DOWNCAST(CPoint3, made), made);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CVersioned, made), nullptr);
    delete made;
    EXPECT_EQ(RUNTIME_CLASS(CNotCreatable)->CreateObject(), nullptr);
    EXPECT_FALSE(RUNTIME_CLASS(CNotCreatable)->IsSerializable());
}

// Counts deletions, to see the exception macros delete what they catch.
class CCountedException : public CException
{
public:
    static int deleted;
    ~CCountedException() override { ++deleted; }
};
int CCountedException::deleted = 0;

TEST(ExceptionMacroTest, CaughtExceptionsAreDeletedUnlessRethrown)
{
    CCountedException::deleted = 0;
    bool caught = false;
    TRY
    {
        throw new CCountedException;
    }
    CATCH(CFileException, e)
    {
        ADD_FAILURE() << "wrong handler";
    }
    AND_CATCH(CException, e)
    {
        caught = e->IsKindOf(RUNTIME_CLASS(CException));
    }
    END_CATCH
    EXPECT_TRUE(caught);
    EXPECT_EQ(CCountedException::deleted, 1);

    CException* outer = nullptr;
    try {
        TRY
        {
            throw new CCountedException;
        }
        CATCH_ALL(e)
        {
            THROW_LAST();
        }
        END_CATCH_ALL
    } catch (CException* e) {
        outer = e;
    }
    ASSERT_NE(outer, nullptr);
    EXPECT_EQ(CCountedException::deleted, 1) << "a rethrown exception stays alive";
    outer->Delete();
    EXPECT_EQ(CCountedException::deleted, 2);

    char text[128];
    CFileException fe(CFileException::fileNotFound, ERROR_FILE_NOT_FOUND, "C:\\x.dat");
    EXPECT_TRUE(fe.GetErrorMessage(text, sizeof(text)));
    EXPECT_STREQ(text, "C:\\x.dat was not found.");
}

// An automation method's failure reaches its caller with the code and text it was raised with;
// a handler of the framework's exceptions catches it like any other.
TEST(ExceptionMessageTest, DispatchExceptionCarriesCodeAndText)
{
    COleDispatchException* caught = nullptr;
    try {
        AfxThrowOleDispatchException(1002, "Type Mismatch", 7);
    } catch (CException* e) {
        ASSERT_TRUE(e->IsKindOf(RUNTIME_CLASS(COleDispatchException)));
        caught = static_cast<COleDispatchException*>(e);
    }
    ASSERT_NE(caught, nullptr);
    EXPECT_EQ(caught->m_wCode, 1002);
    EXPECT_STREQ(caught->m_strDescription, "Type Mismatch");
    char text[8];
    UINT help = 0;
    EXPECT_TRUE(caught->GetErrorMessage(text, sizeof(text), &help));
    EXPECT_STREQ(text, "Type Mi") << "cut to the buffer, terminated";
    EXPECT_EQ(help, 7u);
    caught->Delete();

    COleDispatchException empty("", 0, 1);
    text[0] = 'x';
    EXPECT_FALSE(empty.GetErrorMessage(text, sizeof(text)));
    EXPECT_STREQ(text, "");
}

} // namespace
