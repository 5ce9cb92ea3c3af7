// Putting a new copy of the updater in place.
#include "UpdaterSwap.h"

#include <afx.h>

UpdaterSwapResult SwapPendingUpdater(const char* binDir)
{
    const CString pending = CString(binDir) + UPDATER_PENDING_FILE_NAME;
    const CString target = CString(binDir) + UPDATER_FILE_NAME;
    CFileStatus status;
    if (!CFile::GetStatus(pending, status))
        return UPDATER_SWAP_NONE;
    // Deleting the old one first could leave no updater at all when the rename then fails
    // (the target in use, a full disk): one replacing move keeps the old one in that case.
    if (!::MoveFileExA(pending, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH))
        return UPDATER_SWAP_FAILED;
    return UPDATER_SWAP_DONE;
}
