// Internal: the install root of a module path, kept apart so that it can be tested on paths the
// test program does not run from.
#pragma once

#include <stddef.h>

// Writes into root (rootSize bytes) every component of modulePath but the last two (the file
// name and the folder holding it), each followed by "\"; an empty text when the path has fewer
// than three components or the result does not fit.
void InstallRootOf(const char* modulePath, char* root, size_t rootSize);
