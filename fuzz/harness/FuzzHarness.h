// The fuzzing harness: drivers that feed one parser each, deterministic mutation of their real
// fixtures, and the run loop that reports the input that crashed, hung or broke a rule.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

namespace fuzz {

// Deterministic random numbers (splitmix64): the same seed gives the same inputs everywhere.
class Random
{
public:
    explicit Random(uint64_t seed) : m_state(seed) {}
    uint64_t Next();
    // A number in [0, n); 0 when n is 0.
    size_t Below(size_t n) { return n == 0 ? 0 : size_t(Next() % n); }
    bool OneIn(size_t n) { return Below(n) == 0; }

private:
    uint64_t m_state;
};

// One parser under test. The fixtures are real inputs of it; the tokens are pieces of its
// format that mutation inserts (brackets, tags, separators, field values).
struct Driver
{
    const char* name;
    std::vector<std::string> (*fixtures)();
    std::vector<std::string> tokens;
    // Around a whole run (windows, temporary folders, COM); may be null.
    void (*begin)();
    void (*end)();
    // Feeds one input. Rules the output must keep are checked with GoogleTest's EXPECT_*;
    // random serves the driver's own choices (how a stream is cut into reads).
    void (*run)(const std::string& input, Random& random);
    size_t maxInput;    // mutated inputs are cut to this length
    uint64_t shortPass; // inputs of the short pass the tests run
};

// Registers a driver from a static initialiser of its source file.
struct Registration
{
    explicit Registration(const Driver& driver);
};

const std::vector<Driver>& Drivers();
const Driver* FindDriver(const std::string& name);

// Input `index` of a run: a fixture changed by a few random edits (sometimes left whole).
std::string MakeInput(const Driver& driver, const std::vector<std::string>& fixtures, uint64_t seed,
                      uint64_t index, Random& random);

struct RunOptions
{
    uint64_t seed = 1;
    uint64_t first = 0;   // index of the first input
    uint64_t count = 0;   // inputs to run
    int hangSeconds = 60; // one input running longer than this ends the process as hung
};

// Runs inputs [first, first + count) of the driver. Stops at the first input that broke a
// rule (returns its index); returns -1 when all went through. A crash or a hang ends the
// process after the input has been saved and named on stderr.
int64_t Run(const Driver& driver, const RunOptions& options);

// Run options from the environment: MOLVANE_FUZZ_SEED, MOLVANE_FUZZ_FIRST, MOLVANE_FUZZ_COUNT
// (default `defaultCount`), MOLVANE_FUZZ_HANG_SECONDS.
RunOptions OptionsFromEnvironment(uint64_t defaultCount);

// A fixture embedded in the program (an RCDATA resource of fixtures.rc).
std::string EmbeddedFixture(const char* name);

} // namespace fuzz
