// The loaders fed mutated fixtures: a bounded run of each fuzz target, deterministic, that
// must end without a crash, a hang or any exception other than the archive's.
#include <gtest/gtest.h>
#include <stdio.h>

#include <string>
#include <vector>

#include "Properties.h"
#include "model_with_lists.h"
#include "archive_bytes.h"
#include "model_fuzz_target.h"
#include "property_string_fixture.h"

using namespace propfixture;

namespace {

const int kInputsPerTarget = 20000;

// xorshift: the same inputs on every run.
class Mutator
{
public:
    explicit Mutator(unsigned seed) : m_state(seed | 1) {}

    unsigned Next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }
    size_t Below(size_t n) { return n == 0 ? 0 : Next() % n; }

    Bytes Mutate(Bytes bytes)
    {
        static const BYTE interesting[] = {0x00, 0x01, 0x02, 0x03, 0x08, 0x09, 0x7F, 0x80, 0xFE, 0xFF,
                                           0x14, 0x15, 0x16, 0x17, ':',  '-',  '9'};
        int steps = 1 + int(Below(4));
        for (int i = 0; i < steps; ++i) {
            size_t at = Below(bytes.size() + 1);
            switch (Below(7)) {
            case 0: // flip a bit
                if (at < bytes.size())
                    bytes[at] ^= BYTE(1u << Below(8));
                break;
            case 1: // an interesting byte
                if (at < bytes.size())
                    bytes[at] = interesting[Below(sizeof(interesting))];
                break;
            case 2: // insert bytes
                bytes.insert(bytes.begin() + at, 1 + Below(3), interesting[Below(sizeof(interesting))]);
                break;
            case 3: // delete a run
                if (at < bytes.size())
                    bytes.erase(bytes.begin() + at, bytes.begin() + std::min(bytes.size(), at + 1 + Below(8)));
                break;
            case 4: // cut the end
                bytes.resize(at);
                break;
            case 5: // a 32-bit length or count of 0xFFFFFFxx
                if (at + 4 <= bytes.size()) {
                    bytes[at] = BYTE(Next());
                    bytes[at + 1] = bytes[at + 2] = bytes[at + 3] = 0xFF;
                }
                break;
            default: // copy a chunk elsewhere
                if (!bytes.empty()) {
                    size_t from = Below(bytes.size());
                    size_t n = std::min(bytes.size() - from, 1 + Below(16));
                    Bytes chunk(bytes.begin() + from, bytes.begin() + from + n);
                    bytes.insert(bytes.begin() + Below(bytes.size() + 1), chunk.begin(), chunk.end());
                }
                break;
            }
        }
        return bytes;
    }

private:
    unsigned m_state;
};

typedef ModelWithLists Model;

Bytes ArchiveOfEveryKind()
{
    Model m;
    for (int i = 0; i < 2; ++i)
        m.props.m_RegionList.AddTail(new DREGIONDATA);
    for (int kind = 0; kind <= 9; ++kind) {
        DDRAWOBJDATA* pObject = new DDRAWOBJDATA;
        pObject->Kind = kind;
        pObject->KindProp = NewKindRecord(kind);
        m.props.m_ObjectList.AddTail(pObject);
    }
    m.lists[0].Add("close");
    m.lists[3].Add("volume");
    return StoreRecord(m.props);
}

std::string StringOf(int v)
{
    std::vector<std::string> line = {"0", "0", "1", "5", "255", "1", "0", "0", "1", "s1", "t", "1", "b", "2", "3"};
    std::vector<std::string> bar = {"3", "0", "1", "5", "7", "0", "vol", "1", "ref", "1", "2", "s2", "bar", "b2", "b3"};
    std::vector<std::string> hbar = {"8", "0", "1", "5", "a", "b", "c", "d", "1", "e", "f", "g", "h", "i", "1", "2"};
    std::vector<std::string> side = {"0", "0", "99999999", "u", "0", "0", "0", "0", "1:000000000", "0", "0"};
    std::string region = Join(L3, {Join(L4, {"1", "0", "0"}), Join(L4, side), Join(L4, side)});
    std::string time = Join(L4, {"0", "150", "date", "1", "60", "15", "10", "11", "0", "x", "0", "0", "0", "0", "18",
                                 "0", "a", "b", "c", "d", "0", "0", "n"});
    return Whole(v, time, Join(L2, {"1", region}), Join(L2, {"3", Join(L4, line), Join(L4, bar), Join(L4, hbar)}));
}

TEST(ModelFuzz, PropertiesArchive)
{
    std::vector<Bytes> seeds = {ArchiveOfEveryKind()};
    Model empty;
    seeds.push_back(StoreRecord(empty.props));
    // Older versions: the same archive with its version byte lowered.
    for (BYTE v : {0, 2, 3, 5, 7}) {
        Bytes old = seeds[0];
        old[0] = v;
        seeds.push_back(old);
    }
    Mutator mutator(20231);
    int nRead = 0;
    for (int i = 0; i < kInputsPerTarget; ++i) {
        Bytes input = mutator.Mutate(seeds[i % seeds.size()]);
        bool bRead = false;
        ASSERT_NO_THROW(bRead = FuzzPropertiesArchive(input.data(), input.size())) << "input " << i;
        nRead += bRead ? 1 : 0;
    }
    // The mutations reach past the first fields: a fair share of inputs still loads.
    EXPECT_GT(nRead, kInputsPerTarget / 20);
    EXPECT_LT(nRead, kInputsPerTarget);
    printf("%d of %d archives read\n", nRead, kInputsPerTarget);
}

TEST(ModelFuzz, PropertyString)
{
    std::vector<Bytes> seeds;
    for (int v : {0, 2, 6, 15, 21, 26, 27}) {
        std::string s = StringOf(v);
        seeds.push_back(Bytes(s.begin(), s.end()));
    }
    Mutator mutator(7919);
    int nRead = 0;
    for (int i = 0; i < kInputsPerTarget; ++i) {
        Bytes input = mutator.Mutate(seeds[i % seeds.size()]);
        bool bRead = false;
        ASSERT_NO_THROW(bRead = FuzzPropertyString(input.data(), input.size())) << "input " << i;
        nRead += bRead ? 1 : 0;
    }
    EXPECT_GT(nRead, kInputsPerTarget / 20);
    EXPECT_LT(nRead, kInputsPerTarget);
    printf("%d of %d property strings read\n", nRead, kInputsPerTarget);
}

} // namespace
