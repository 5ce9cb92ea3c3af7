// CMapIntToOb: ids in order of addition, positions kept in step with the map, and positions
// outside the list answered rather than read.
#include <gtest/gtest.h>

#include <vector>

#include "MapIntToOb.h"

namespace
{

int g_objects[8];

void* Obj(int n)
{
    return &g_objects[n];
}

struct Step
{
    char op; // 'a' add object n, 's' set id to object n, 'r' remove id, 'c' remove all
    int id;
    int n;
};

struct MapCase
{
    const char* name;
    std::vector<Step> steps;
    std::vector<int> ids;     // by position
    std::vector<int> objects; // object number at each position
    int nextId;
};

class IdMap : public ::testing::TestWithParam<MapCase>
{
};

TEST_P(IdMap, Table)
{
    const MapCase& c = GetParam();
    CMapIntToOb map;
    for (const Step& s : c.steps)
    {
        switch (s.op)
        {
        case 'a':
            EXPECT_EQ(s.id, map.Add(Obj(s.n))) << c.name;
            break;
        case 's':
            map.SetAt(s.id, Obj(s.n));
            break;
        case 'r':
            map.Remove(s.id);
            break;
        case 'c':
            map.RemoveAll();
            break;
        }
    }
    ASSERT_EQ(INT_PTR(c.ids.size()), map.GetSize()) << c.name;
    EXPECT_EQ(map.GetSize(), map.GetCount()) << c.name << ": every position has its object";
    for (size_t i = 0; i < c.ids.size(); ++i)
    {
        int id = -1;
        void* object = nullptr;
        ASSERT_TRUE(map.GetAt(INT_PTR(i), id, object)) << c.name;
        EXPECT_EQ(c.ids[i], id) << c.name << " position " << i;
        EXPECT_EQ(Obj(c.objects[i]), object) << c.name << " position " << i;
        EXPECT_EQ(Obj(c.objects[i]), map.Lookup(id)) << c.name;
        EXPECT_EQ(INT_PTR(i), map.IndexOf(object)) << c.name;
    }
    EXPECT_EQ(c.nextId, map.GetNextId()) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Table, IdMap,
    ::testing::Values(
        MapCase{"three additions", {{'a', 0, 0}, {'a', 1, 1}, {'a', 2, 2}}, {0, 1, 2}, {0, 1, 2}, 3},
        MapCase{"removing the middle one closes the gap, ids go on",
                {{'a', 0, 0}, {'a', 1, 1}, {'a', 2, 2}, {'r', 1, 0}, {'a', 3, 3}},
                {0, 2, 3},
                {0, 2, 3},
                4},
        MapCase{"replacing an id keeps its position",
                {{'a', 0, 0}, {'a', 1, 1}, {'s', 0, 5}},
                {0, 1},
                {5, 1},
                2},
        MapCase{"a new id set joins the end; additions pass it",
                {{'a', 0, 0}, {'s', 4, 4}, {'a', 5, 1}},
                {0, 4, 5},
                {0, 4, 1},
                6},
        MapCase{"a new id below the next one",
                {{'a', 0, 0}, {'a', 1, 1}, {'a', 2, 2}, {'r', 1, 0}, {'s', 1, 6}, {'a', 3, 3}},
                {0, 2, 1, 3},
                {0, 2, 6, 3},
                4},
        MapCase{"removing an absent id changes nothing", {{'a', 0, 0}, {'r', 7, 0}}, {0}, {0}, 1},
        MapCase{"remove all starts the ids again", {{'a', 0, 0}, {'a', 1, 1}, {'c', 0, 0}, {'a', 0, 2}}, {0}, {2}, 1}));

TEST(IdMap, PositionsOutsideTheListAreRefused)
{
    CMapIntToOb map;
    map.Add(Obj(0));
    for (INT_PTR index : {INT_PTR(-1), INT_PTR(1), INT_PTR(1000)})
    {
        int id = 7;
        void* object = Obj(3);
        EXPECT_FALSE(map.GetAt(index, id, object)) << index;
        EXPECT_EQ(-1, id);
        EXPECT_EQ(nullptr, object);
    }
    CTypedMapIntToOb<int> typed;
    EXPECT_EQ(nullptr, typed.GetAt(0));
    EXPECT_EQ(nullptr, typed.Lookup(0));
    EXPECT_EQ(-1, map.IndexOf(Obj(5)));
}

TEST(IdMap, IterationInMapOrderReadsEveryIdBack)
{
    CMapIntToOb map;
    for (int n = 0; n < 8; ++n)
        map.Add(Obj(n));
    map.Remove(3);
    std::vector<bool> seen(8, false);
    for (POSITION pos = map.GetStartPosition(); pos != NULL;)
    {
        int id;
        void* object;
        map.GetNextAssoc(pos, id, object);
        ASSERT_GE(id, 0);
        ASSERT_LT(id, 8);
        EXPECT_EQ(Obj(id), object);
        seen[size_t(id)] = true;
    }
    EXPECT_EQ((std::vector<bool>{true, true, true, false, true, true, true, true}), seen);
}

} // namespace
