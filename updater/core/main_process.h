// Finding and stopping the main program. Only the main program of this install counts: a
// process whose image is exactly `mainExe` (letter case ignored); a Molvane.exe of another
// install root is left alone.
#pragma once

#include <string>

// The main program's executable name, compared without its folder.
extern const char MAIN_PROGRAM_NAME[]; // "Molvane.exe"

// 0 no version, 1 95, 2 98, 3 Me, 4 NT (up to 4.x, 5.2, 6.0 on), 5 NT 5.0, 6 NT 5.1, 7 other.
// `description` (128 bytes) receives a short name of the system.
int GetWindowsKind(char* description);
// The kind of one version record's platform id and version numbers.
int WindowsKindOf(unsigned long platformId, unsigned long major, unsigned long minor);

// Terminate every process of `mainExe` and wait up to `waitMs` for each to end. 1 when at
// least one was found (and a termination attempted), else 0.
int StopMainProgramByProcessList(const std::string& mainExe, unsigned long waitMs);
int StopMainProgramBySnapshot(const std::string& mainExe, unsigned long waitMs);

bool IsMainProgramRunning(const std::string& mainExe);

// Both paths name the same file (full paths compared without letter case).
bool IsSameExecutable(const std::string& a, const std::string& b);
