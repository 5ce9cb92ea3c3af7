// The server log of a test program: written into a folder of its own for the process, opened
// on first use, and read back whole.
#pragma once

#include <string>

// Points the server log at the process's folder (once) and returns everything written to it.
std::string ServerLogText();
