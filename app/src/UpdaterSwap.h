// The pending swap of the updater's executable: the updater delivers a new copy of itself as
// "_PatchRunner.exe", which the main program puts in place at its next start.
#pragma once

#define UPDATER_FILE_NAME "PatchRunner.exe"
#define UPDATER_PENDING_FILE_NAME "_PatchRunner.exe"

enum UpdaterSwapResult
{
    UPDATER_SWAP_NONE = 0,     // no new copy waiting
    UPDATER_SWAP_DONE = 1,     // the new copy replaced the old one
    UPDATER_SWAP_FAILED = 2,   // the replacement failed: the old one and the new copy stay
};

// Replaces binDir + "PatchRunner.exe" by binDir + "_PatchRunner.exe" in one step, so that an
// updater is there whatever happens (binDir ends in a backslash).
UpdaterSwapResult SwapPendingUpdater(const char* binDir);
