// The run loop: drivers by name, inputs one after another, and the report of an input that
// crashed, hung, threw what the program would not catch, or broke a rule of its driver.
#include "FuzzHarness.h"

#include <windows.h>
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>

#include <exception>

namespace fuzz {

namespace {

std::vector<Driver>& Registry()
{
    static std::vector<Driver> drivers;
    return drivers;
}

// What the crash handlers and the watchdog report. Written by the run loop only.
struct Current
{
    const char* driver = nullptr;
    uint64_t seed = 0;
    uint64_t index = 0;
    const std::string* input = nullptr;
    volatile LONG started = 0; // bumped as each input starts
    volatile LONG running = 0;
};
Current g_current;

// Saves the input beside the run (the current folder) and names it on stderr.
void Report(const char* what)
{
    char name[160];
    snprintf(name, sizeof name, "fuzz-%s-seed%llu-%llu.bin", g_current.driver ? g_current.driver : "none",
             (unsigned long long)g_current.seed, (unsigned long long)g_current.index);
    if (g_current.input != nullptr) {
        if (FILE* f = fopen(name, "wb")) {
            fwrite(g_current.input->data(), 1, g_current.input->size(), f);
            fclose(f);
        }
    }
    fprintf(stderr,
            "\nfuzz: driver %s, seed %llu, input #%llu: %s\n"
            "fuzz: input saved as %s (%u bytes); again with MOLVANE_FUZZ_SEED=%llu MOLVANE_FUZZ_FIRST=%llu "
            "MOLVANE_FUZZ_COUNT=1\n",
            g_current.driver ? g_current.driver : "none", (unsigned long long)g_current.seed,
            (unsigned long long)g_current.index, what, name,
            g_current.input ? unsigned(g_current.input->size()) : 0u, (unsigned long long)g_current.seed,
            (unsigned long long)g_current.index);
    fflush(stderr);
}

LONG WINAPI OnCrash(EXCEPTION_POINTERS* info)
{
    char what[64];
    snprintf(what, sizeof what, "crashed (exception 0x%08lX)",
             info && info->ExceptionRecord ? (unsigned long)info->ExceptionRecord->ExceptionCode : 0ul);
    Report(what);
    return EXCEPTION_EXECUTE_HANDLER;
}

void OnTerminate()
{
    Report("ended the process (std::terminate)");
    TerminateProcess(GetCurrentProcess(), 3);
}

DWORD WINAPI Watchdog(void* param)
{
    const int limit = *static_cast<int*>(param);
    LONG seen = -1;
    DWORD since = GetTickCount();
    for (;;) {
        Sleep(250);
        const LONG now = g_current.started;
        if (now != seen || !g_current.running) {
            seen = now;
            since = GetTickCount();
            continue;
        }
        if (GetTickCount() - since > DWORD(limit) * 1000) {
            char what[64];
            snprintf(what, sizeof what, "hung (no end after %d s)", limit);
            Report(what);
            TerminateProcess(GetCurrentProcess(), 4);
        }
    }
}

void Guard(int hangSeconds)
{
    static bool armed = false;
    static int limit = 0;
    limit = hangSeconds;
    if (armed)
        return;
    armed = true;
    SetUnhandledExceptionFilter(&OnCrash);
    std::set_terminate(&OnTerminate);
    // Room for the report after a stack overflow, where the platform gives it.
    ULONG reserve = 64 * 1024;
    SetThreadStackGuarantee(&reserve);
    CloseHandle(CreateThread(NULL, 0, &Watchdog, &limit, 0, NULL));
}

uint64_t Number(const char* name, uint64_t fallback)
{
    const char* text = getenv(name);
    if (text == nullptr || *text == '\0')
        return fallback;
    return strtoull(text, nullptr, 10);
}

} // namespace

Registration::Registration(const Driver& driver)
{
    Registry().push_back(driver);
}

const std::vector<Driver>& Drivers()
{
    return Registry();
}

const Driver* FindDriver(const std::string& name)
{
    for (const Driver& d : Registry())
        if (name == d.name)
            return &d;
    return nullptr;
}

RunOptions OptionsFromEnvironment(uint64_t defaultCount)
{
    RunOptions o;
    o.seed = Number("MOLVANE_FUZZ_SEED", o.seed);
    o.first = Number("MOLVANE_FUZZ_FIRST", o.first);
    o.count = Number("MOLVANE_FUZZ_COUNT", defaultCount);
    o.hangSeconds = int(Number("MOLVANE_FUZZ_HANG_SECONDS", uint64_t(o.hangSeconds)));
    return o;
}

int64_t Run(const Driver& driver, const RunOptions& options)
{
    Guard(options.hangSeconds);
    const std::vector<std::string> fixtures = driver.fixtures();
    if (driver.begin)
        driver.begin();
    int64_t failed = -1;
    std::string input;
    g_current.driver = driver.name;
    g_current.seed = options.seed;
    g_current.input = &input;
    const DWORD start = GetTickCount();
    for (uint64_t i = options.first; i < options.first + options.count; ++i) {
        Random random(0);
        input = MakeInput(driver, fixtures, options.seed, i, random);
        g_current.index = i;
        InterlockedIncrement(&g_current.started);
        g_current.running = 1;
        try {
            driver.run(input, random);
        } catch (...) {
            // The drivers catch what the program itself catches; anything else would end it.
            Report("threw an exception the program does not catch");
            ADD_FAILURE() << driver.name << " input #" << i << " threw";
        }
        g_current.running = 0;
        if (::testing::Test::HasFailure()) {
            if (failed < 0)
                Report("broke a rule of its driver (see the failures above)");
            failed = int64_t(i);
            break;
        }
    }
    g_current.input = nullptr;
    if (driver.end)
        driver.end();
    printf("fuzz: driver %s, seed %llu, inputs #%llu..#%llu: %s in %.1f s\n", driver.name,
           (unsigned long long)options.seed, (unsigned long long)options.first,
           (unsigned long long)(options.first + options.count - 1),
           failed < 0 ? "all went through" : "stopped at a failure", (GetTickCount() - start) / 1000.0);
    fflush(stdout);
    return failed;
}

std::string EmbeddedFixture(const char* name)
{
    HRSRC found = FindResourceA(NULL, name, MAKEINTRESOURCEA(10)); // RT_RCDATA
    HGLOBAL loaded = found ? LoadResource(NULL, found) : NULL;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (bytes == nullptr) {
        ADD_FAILURE() << "fixture " << name << " is not in the program";
        return std::string();
    }
    return std::string(static_cast<const char*>(bytes), SizeofResource(NULL, found));
}

} // namespace fuzz
