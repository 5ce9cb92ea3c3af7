// Collections: CArray, CList, CMap, the typed pointer wrappers and the ready-made classes.
#include <afxcoll.h>
#include <gtest/gtest.h>

#include "exception_probe.h"

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace {

template <class ARRAY>
std::vector<int> Values(const ARRAY& a)
{
    std::vector<int> v;
    for (INT_PTR i = 0; i < a.GetSize(); ++i)
        v.push_back(int(a[i]));
    return v;
}

template <class LIST>
std::vector<std::string> Walk(const LIST& list)
{
    std::vector<std::string> v;
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
        v.push_back(std::string(list.GetNext(pos)));
    return v;
}

// Bytes that Serialize writes for a collection.
std::vector<BYTE> Stored(CObject& collection)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        collection.Serialize(ar);
    }
    std::vector<BYTE> bytes(size_t(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), UINT(bytes.size()));
    return bytes;
}

void Load(CObject& collection, const std::vector<BYTE>& bytes)
{
    CMemFile file;
    file.Write(bytes.data(), UINT(bytes.size()));
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    collection.Serialize(ar);
}

TEST(ArrayTest, SetSizeZeroFillsAndShrinks)
{
    CArray<int, int> a;
    a.SetSize(5);
    EXPECT_EQ(Values(a), (std::vector<int>{0, 0, 0, 0, 0}));
    a[4] = 9;
    a.SetSize(2);
    a.SetSize(4);
    EXPECT_EQ(Values(a), (std::vector<int>{0, 0, 0, 0})) << "regrown slots start at zero again";
    a.SetSize(0);
    EXPECT_TRUE(a.IsEmpty());
    EXPECT_EQ(a.GetData(), nullptr);
    EXPECT_EQ(a.GetUpperBound(), -1);
}

TEST(ArrayTest, InsertAndRemoveShiftTheRest)
{
    const struct
    {
        std::vector<int> start;
        int op; // 0 InsertAt(index, 7, count), 1 RemoveAt(index, count)
        INT_PTR index;
        INT_PTR count;
        std::vector<int> expected;
    } cases[] = {
        {{1, 2, 3}, 0, 0, 1, {7, 1, 2, 3}}, {{1, 2, 3}, 0, 1, 2, {1, 7, 7, 2, 3}}, {{1, 2, 3}, 0, 3, 1, {1, 2, 3, 7}},
        {{1, 2}, 0, 4, 1, {1, 2, 0, 0, 7}}, {{1, 2, 3, 4}, 1, 1, 2, {1, 4}},    {{1, 2, 3}, 1, 0, 3, {}},
        {{1, 2, 3}, 1, 2, 0, {1, 2, 3}},
    };
    for (const auto& c : cases) {
        CArray<int, int> a;
        for (int v : c.start)
            a.Add(v);
        if (c.op == 0)
            a.InsertAt(c.index, 7, c.count);
        else
            a.RemoveAt(c.index, c.count);
        EXPECT_EQ(Values(a), c.expected) << "op " << c.op << " at " << c.index;
    }
}

TEST(ArrayTest, BadIndexesThrowInvalidArg)
{
    CArray<int, int> a;
    a.Add(1);
    a.Add(2);
    const std::vector<std::function<void()>> actions = {
        [&] { a.GetAt(2); },       [&] { a.ElementAt(-1); },     [&] { a.SetAt(5, 0); },
        [&] { a.RemoveAt(1, 2); }, [&] { a.RemoveAt(-1); },      [&] { a.InsertAt(0, 1, 0); },
        [&] { a.SetSize(-1); },
    };
    for (size_t i = 0; i < actions.size(); ++i)
        EXPECT_TRUE(ThrowsFrameworkException<CInvalidArgException>(actions[i])) << "action " << i;
    EXPECT_EQ(Values(a), (std::vector<int>{1, 2}));
}

TEST(ArrayTest, AddingAnElementOfTheSameArrayWhileGrowing)
{
    CStringArray a;
    a.Add("first");
    for (int i = 0; i < 100; ++i)
        a.Add(a[0]);
    a.InsertAt(0, a[50]);
    EXPECT_EQ(a.GetSize(), 102);
    for (INT_PTR i = 0; i < a.GetSize(); ++i)
        EXPECT_STREQ(a[i], "first");
}

TEST(ArrayTest, ElementsWithInnerPointersSurviveGrowth)
{
    CArray<std::string> a;
    for (int i = 0; i < 50; ++i)
        a.Add(std::to_string(i));
    a.InsertAt(0, std::string("head"));
    a.RemoveAt(10, 5);
    a.FreeExtra();
    EXPECT_EQ(a.GetSize(), 46);
    EXPECT_EQ(a[0], "head");
    EXPECT_EQ(a[10], "14");
    EXPECT_EQ(a[45], "49");
}

TEST(ArrayTest, AppendCopyAndTypedPointers)
{
    CDWordArray a, b;
    a.Add(1);
    b.Add(2);
    b.Add(3);
    EXPECT_EQ(a.Append(b), 1);
    EXPECT_EQ(Values(a), (std::vector<int>{1, 2, 3}));
    b.Copy(a);
    EXPECT_EQ(Values(b), (std::vector<int>{1, 2, 3}));
    a.SetAtGrow(5, 6);
    EXPECT_EQ(Values(a), (std::vector<int>{1, 2, 3, 0, 0, 6}));

    struct Item : CObject
    {
        explicit Item(int v) : value(v) {}
        int value;
    };
    CTypedPtrArray<CObArray, Item*> items;
    Item one(1), two(2);
    items.Add(&one);
    items.Add(&two);
    EXPECT_EQ(items[1]->value, 2);
    EXPECT_EQ(items.GetAt(0)->value, 1);
    items.RemoveAll();
    EXPECT_EQ(items.GetSize(), 0);
}

TEST(ListTest, PositionsWalkInsertAndRemove)
{
    CStringList list;
    list.AddTail("b");
    list.AddHead("a");
    POSITION c = list.AddTail("c");
    list.InsertBefore(c, "b2");
    list.InsertAfter(c, "d");
    list.InsertBefore(NULL, "0");
    EXPECT_EQ(Walk(list), (std::vector<std::string>{"0", "a", "b", "b2", "c", "d"}));
    EXPECT_EQ(list.Find("c"), c);
    EXPECT_EQ(list.Find("c", c), nullptr);
    EXPECT_EQ(list.FindIndex(4), c);
    EXPECT_EQ(list.FindIndex(6), nullptr);
    list.RemoveAt(c);
    EXPECT_STREQ(list.RemoveHead(), "0");
    EXPECT_STREQ(list.RemoveTail(), "d");
    EXPECT_EQ(Walk(list), (std::vector<std::string>{"a", "b", "b2"}));
    POSITION pos = list.GetTailPosition();
    EXPECT_STREQ(list.GetPrev(pos), "b2");
    EXPECT_STREQ(list.GetPrev(pos), "b");
    EXPECT_EQ(list.GetCount(), 3);

    CStringList more;
    more.AddTail("x");
    more.AddTail("y");
    list.AddHead(&more);
    list.AddTail(&list);
    EXPECT_EQ(Walk(list), (std::vector<std::string>{"x", "y", "a", "b", "b2", "x", "y", "a", "b", "b2"}));
}

TEST(ListTest, EmptyListAccessThrowsInvalidArg)
{
    CPtrList list;
    const std::vector<std::function<void()>> actions = {
        [&] { list.GetHead(); },
        [&] { list.GetTail(); },
        [&] { list.RemoveHead(); },
        [&] { list.RemoveTail(); },
    };
    for (size_t i = 0; i < actions.size(); ++i)
        EXPECT_TRUE(ThrowsFrameworkException<CInvalidArgException>(actions[i])) << "action " << i;
}

TEST(MapTest, SetLookupRemoveAndVisitEveryEntry)
{
    CMap<CString, LPCSTR, CString, LPCSTR> map;
    EXPECT_EQ(map.GetStartPosition(), nullptr);
    const char* keys[] = {"name", "id", "이름", "width", "height", "x", "y", "color", "font", "size",
                          "a", "b", "c", "d", "e", "f", "g", "h", "i", "j"};
    for (const char* k : keys)
        map.SetAt(k, CString(k) + "!");
    map["id"] = "changed";
    EXPECT_EQ(map.GetCount(), INT_PTR(_countof(keys)));
    CString value;
    EXPECT_TRUE(map.Lookup("이름", value));
    EXPECT_STREQ(value, "이름!");
    EXPECT_TRUE(map.Lookup("id", value));
    EXPECT_STREQ(value, "changed");
    EXPECT_FALSE(map.Lookup("ID", value)) << "keys compare byte for byte";
    EXPECT_TRUE(map.RemoveKey("x"));
    EXPECT_FALSE(map.RemoveKey("x"));

    std::set<std::string> seen;
    for (POSITION pos = map.GetStartPosition(); pos != NULL;) {
        CString key, val;
        map.GetNextAssoc(pos, key, val);
        EXPECT_TRUE(seen.insert(key.GetString()).second);
    }
    EXPECT_EQ(seen.size(), _countof(keys) - 1);
    EXPECT_EQ(seen.count("x"), 0u);
}

TEST(MapTest, InitHashTableKeepsTheEntriesAndBucketsDecideTheOrder)
{
    CMap<WORD, WORD, int, int> map;
    EXPECT_EQ(map.GetHashTableSize(), 17u);
    for (WORD k = 1; k <= 40; ++k)
        map[k] = k * 10;
    map.InitHashTable(101);
    EXPECT_EQ(map.GetHashTableSize(), 101u);
    EXPECT_EQ(map.GetCount(), 40);
    int v = 0;
    EXPECT_TRUE(map.Lookup(33, v));
    EXPECT_EQ(v, 330);

    // Iteration runs bucket by bucket in ascending order; the newest key of a bucket comes first.
    CMapWordToPtr words;
    for (WORD k : {0x10, 0x20, 0x21, 0x110})
        words[k] = NULL;
    std::vector<WORD> order;
    for (POSITION pos = words.GetStartPosition(); pos != NULL;) {
        WORD key;
        void* p;
        words.GetNextAssoc(pos, key, p);
        order.push_back(key);
    }
    // Hash = key >> 4: 0x10 -> 1, 0x20 and 0x21 -> 2, 0x110 -> 17 % 17 = 0.
    EXPECT_EQ(order, (std::vector<WORD>{0x110, 0x10, 0x21, 0x20}));
}

TEST(MapTest, ReadyMadeMapsAndTypedPointerMaps)
{
    CMapStringToString strings;
    strings["k"] = "v";
    LPCSTR stored = nullptr;
    EXPECT_TRUE(strings.LookupKey("k", stored));
    EXPECT_STREQ(stored, "k");

    CMapPtrToPtr pointers;
    int a = 0, b = 0;
    pointers[&a] = &b;
    void* found = nullptr;
    EXPECT_TRUE(pointers.Lookup(&a, found));
    EXPECT_EQ(found, &b);
    EXPECT_FALSE(pointers.Lookup(&b, found));

    struct Item : CObject
    {
    };
    Item item;
    CTypedPtrMap<CMapStringToOb, CString, Item*> typed;
    typed.SetAt("one", &item);
    Item* got = nullptr;
    EXPECT_TRUE(typed.Lookup("one", got));
    EXPECT_EQ(got, &item);
    POSITION pos = typed.GetStartPosition();
    CString key;
    typed.GetNextAssoc(pos, key, got);
    EXPECT_STREQ(key, "one");
    EXPECT_EQ(pos, nullptr);

    CMapStringToPtr names;
    names.SetAt("x", &a);
    EXPECT_EQ(names.GetCount(), 1);
    names.RemoveAll();
    EXPECT_TRUE(names.IsEmpty());
}

TEST(CollectionSerializeTest, WritesACountThenTheElements)
{
    CStringArray strings;
    strings.Add("ab");
    strings.Add("");
    CDWordArray dwords;
    dwords.Add(0x01020304);
    CByteArray bytes;
    bytes.Add(7);
    bytes.Add(8);
    CStringList list;
    list.AddTail("z");
    CMapStringToString map;
    map["k"] = "v";
    CPtrArray pointers;
    pointers.Add(&map);

    const struct
    {
        CObject* collection;
        std::vector<BYTE> expected;
    } cases[] = {
        {&strings, {0x02, 0x00, 0x02, 'a', 'b', 0x00}},
        {&dwords, {0x01, 0x00, 0x04, 0x03, 0x02, 0x01}},
        {&bytes, {0x02, 0x00, 0x07, 0x08}},
        {&list, {0x01, 0x00, 0x01, 'z'}},
        {&map, {0x01, 0x00, 0x01, 'k', 0x01, 'v'}},
        {&pointers, {}}, // pointers are not serialisable: nothing is written
    };
    for (const auto& c : cases)
        EXPECT_EQ(Stored(*c.collection), c.expected) << c.collection->GetRuntimeClass()->m_lpszClassName;

    CStringArray loadedStrings;
    Load(loadedStrings, cases[0].expected);
    ASSERT_EQ(loadedStrings.GetSize(), 2);
    EXPECT_STREQ(loadedStrings[0], "ab");
    CMapStringToString loadedMap;
    Load(loadedMap, cases[4].expected);
    CString v;
    EXPECT_TRUE(loadedMap.Lookup("k", v));
    EXPECT_STREQ(v, "v");
}

TEST(CollectionSerializeTest, ObjectArraysStoreTheObjects)
{
    CObArray arrays;
    CStringArray* inner = new CStringArray;
    inner->Add("in");
    arrays.Add(inner);
    arrays.Add(inner);
    arrays.Add(NULL);
    std::vector<BYTE> stored = Stored(arrays);
    delete inner;

    CObArray loaded;
    Load(loaded, stored);
    ASSERT_EQ(loaded.GetSize(), 3);
    EXPECT_EQ(loaded[0], loaded[1]) << "one object stored twice loads as one";
    EXPECT_EQ(loaded[2], nullptr);
    CStringArray* got = DYNAMIC_DOWNCAST(CStringArray, loaded[0]);
    ASSERT_NE(got, nullptr);
    EXPECT_STREQ(got->GetAt(0), "in");
    delete got;
}

// An element that counts its constructions: how much of an array was ever made.
struct Tally
{
    Tally() { ++made; }
    BYTE b;
    static LONGLONG made;
};
LONGLONG Tally::made = 0;

// The cause of the CArchiveException that loading raises, or -1.
int LoadCause(CObject& collection, const std::vector<BYTE>& bytes)
{
    try {
        Load(collection, bytes);
    } catch (CArchiveException* e) {
        int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

TEST(CollectionSerializeTest, ACountTheFileCannotHoldEndsEarlyWithLittleMemory)
{
    // 0x10000000 elements announced, none or three bytes of them present.
    const std::vector<BYTE> huge = {0xFF, 0xFF, 0x00, 0x00, 0x00, 0x10};
    const std::vector<BYTE> largest = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    CArray<Tally, const Tally&> tallies;
    Tally::made = 0;
    EXPECT_EQ(LoadCause(tallies, {0xFF, 0xFF, 0x00, 0x00, 0x00, 0x10, 1, 2, 3}), CArchiveException::endOfFile);
    EXPECT_LE(Tally::made, 0x10001) << "elements made before the file ran out";

    CObArray objects;
    CStringArray strings;
    CByteArray bytes;
    CWordArray words;
    CDWordArray dwords;
    for (CObject* a : std::initializer_list<CObject*>{&objects, &strings, &bytes, &words, &dwords, &tallies}) {
        EXPECT_EQ(LoadCause(*a, huge), CArchiveException::endOfFile) << a->GetRuntimeClass()->m_lpszClassName;
        EXPECT_EQ(LoadCause(*a, largest), CArchiveException::endOfFile) << a->GetRuntimeClass()->m_lpszClassName;
    }
}

TEST(CollectionSerializeTest, ArraysLoadWholeOverWhateverTheyHeld)
{
    // Sizes around the first 64 KB step and the doublings after it, into arrays that held
    // fewer or more elements before.
    for (INT_PTR size : {0, 1, 16383, 16385, 70000, 300001}) {
        for (INT_PTR before : {0, 5, 400000}) {
            CDWordArray stored, loaded;
            stored.SetSize(size);
            for (INT_PTR i = 0; i < size; ++i)
                stored[i] = DWORD(i * 2654435761u);
            loaded.SetSize(before);
            for (INT_PTR i = 0; i < before; ++i)
                loaded[i] = 0xEEEEEEEE;
            Load(loaded, Stored(stored));
            ASSERT_EQ(loaded.GetSize(), size) << size << " over " << before;
            EXPECT_TRUE(std::equal(stored.GetData(), stored.GetData() + size, loaded.GetData()))
                << size << " over " << before;
        }
    }
    CStringArray words, loadedWords;
    for (int i = 0; i < 20000; ++i)
        words.Add(CString(char('a' + i % 26), 1 + i % 7));
    loadedWords.Add("old");
    Load(loadedWords, Stored(words));
    ASSERT_EQ(loadedWords.GetSize(), words.GetSize());
    for (INT_PTR i = 0; i < words.GetSize(); ++i)
        ASSERT_STREQ(loadedWords[i], words[i]) << i;
}

} // namespace
