// Mutation of fixtures: a few random edits of the kinds that break parsers (flipped bits,
// boundary numbers, dropped and repeated spans, format tokens, splices of other fixtures).
#include "FuzzHarness.h"

#include <windows.h>
#include <string.h>

#include <utility>

namespace fuzz {

namespace {

const char* const kNumbers[] = {"0",          "-1",         "1",          "127",        "128",
                                "255",        "256",        "32767",      "32768",      "65535",
                                "65536",      "2147483647", "2147483648", "4294967295", "4294967296",
                                "-2147483648", "9223372036854775807", "18446744073709551615",
                                "99999999999999999999", "1e19", "1e309", "-0", "0.0000001", "NaN",
                                "00000000", "99999999", "-9999999", "        "};

const BYTE kBytes[] = {0x00, 0x01, 0x7F, 0x80, 0xFF, 0xFE, '\n', '\r', ' ', '"', '\\', '0', '9', ',', ':',
                       '[',  ']',  '{',  '}',  '<',  '>',  '&',  '=', '/', 0xA1, 0xB0, 0xC8, 0xED};

uint64_t Mix(uint64_t h, uint64_t v)
{
    h ^= v + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
    return h;
}

size_t Position(const std::string& s, Random& r)
{
    return r.Below(s.size() + 1);
}

// A short span inside s: [at, at + len).
void Span(const std::string& s, Random& r, size_t& at, size_t& len)
{
    at = r.Below(s.size() + 1);
    const size_t room = s.size() - at;
    const size_t longest = r.OneIn(8) ? room : (room < 32 ? room : 32);
    len = r.Below(longest + 1);
}

void ReplaceNumber(std::string& s, Random& r)
{
    // The digits around a random position, or a random spot when there are none.
    size_t at = r.Below(s.size() + 1), end = at;
    for (size_t tries = 0; tries < 64 && at < s.size() && !(s[at] >= '0' && s[at] <= '9'); ++tries)
        at = r.Below(s.size());
    end = at;
    while (at > 0 && s[at - 1] >= '0' && s[at - 1] <= '9')
        --at;
    while (end < s.size() && s[end] >= '0' && s[end] <= '9')
        ++end;
    s.replace(at, end - at, kNumbers[r.Below(sizeof kNumbers / sizeof kNumbers[0])]);
}

void Edit(std::string& s, const std::vector<std::string>& fixtures, const std::vector<std::string>& tokens,
          Random& r)
{
    size_t at, len;
    switch (r.Below(11)) {
    case 0: // flip a bit
        if (!s.empty())
            s[r.Below(s.size())] ^= char(1 << r.Below(8));
        break;
    case 1: // a byte that means something to some format
        if (!s.empty())
            s[r.Below(s.size())] = char(kBytes[r.Below(sizeof kBytes)]);
        break;
    case 2: // random bytes in
        at = Position(s, r);
        for (size_t n = 1 + r.Below(8); n > 0; --n)
            s.insert(s.begin() + at, char(r.Next()));
        break;
    case 3: // a span out
        Span(s, r, at, len);
        s.erase(at, len);
        break;
    case 4: // a span repeated, now and then many times over (nesting, long fields)
        Span(s, r, at, len);
        if (len > 0) {
            const std::string piece = s.substr(at, len);
            size_t times = r.OneIn(4) ? 1 + r.Below(2000 / len + 1) : 1 + r.Below(3);
            std::string more;
            for (; times > 0; --times)
                more += piece;
            s.insert(Position(s, r), more);
        }
        break;
    case 5: // a token of the format, sometimes a long run of it
        if (!tokens.empty()) {
            const std::string& token = tokens[r.Below(tokens.size())];
            size_t times = r.OneIn(6) ? 1 + r.Below(3000) : 1;
            std::string more;
            for (; times > 0; --times)
                more += token;
            s.insert(Position(s, r), more);
        }
        break;
    case 6:
        ReplaceNumber(s, r);
        break;
    case 7: // a piece of another fixture
        if (!fixtures.empty()) {
            const std::string& other = fixtures[r.Below(fixtures.size())];
            Span(other, r, at, len);
            s.insert(Position(s, r), other.substr(at, len));
        }
        break;
    case 8: // cut short
        s.resize(Position(s, r));
        break;
    case 9: // a span overwritten with random bytes
        Span(s, r, at, len);
        for (size_t i = 0; i < len; ++i)
            s[at + i] = char(r.Next());
        break;
    default: // two spans swapped
        if (s.size() > 2) {
            size_t a = r.Below(s.size() / 2), b = s.size() / 2 + r.Below(s.size() / 2);
            size_t n = 1 + r.Below(16);
            if (a + n <= s.size() / 2 && b + n <= s.size())
                for (size_t i = 0; i < n; ++i)
                    std::swap(s[a + i], s[b + i]);
        }
        break;
    }
}

} // namespace

uint64_t Random::Next()
{
    uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::string MakeInput(const Driver& driver, const std::vector<std::string>& fixtures, uint64_t seed,
                      uint64_t index, Random& random)
{
    uint64_t h = Mix(seed, index);
    for (const char* p = driver.name; *p; ++p)
        h = Mix(h, uint64_t(BYTE(*p)));
    random = Random(h);
    if (fixtures.empty())
        return std::string();
    std::string s = fixtures[random.Below(fixtures.size())];
    // Every so often a fixture as it is: the driver must take real input too.
    if (random.OneIn(32))
        return s;
    size_t edits = 1 + random.Below(4);
    if (random.OneIn(4))
        edits += random.Below(16);
    for (; edits > 0; --edits)
        Edit(s, fixtures, driver.tokens, random);
    if (driver.maxInput != 0 && s.size() > driver.maxInput)
        s.resize(driver.maxInput);
    return s;
}

} // namespace fuzz
