// LCM_ShowLoginDlg: the link's own login, which nothing in the system calls.
#include <cstdlib>
#include <cstring>

#include "DlgLogin.h"
#include "InfoMng.h"
#include "Link.h"

namespace {

// Arguments after the program's path: ID and password (and a third value).
const int kAutomaticEntries = 4;

// Deletes a folder with everything in it: files and sub-folders first.
void DeleteFolder(const CString& folder)
{
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA(folder + "\\*", &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const CString name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const CString path = folder + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                DeleteFolder(path);
            else {
                ::SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileA(path);
            }
        } while (::FindNextFileA(search, &found));
        ::FindClose(search);
    }
    ::RemoveDirectoryA(folder);
}

// The updater delivered into Temp\Bin\ replaces the installed one; Temp\ goes.
void InstallDeliveredUpdater()
{
    const CString root = TheInfoMng().GetInstallRoot();
    CString from, to, temp;
    from.Format("%sTemp\\%sPatchRunner.exe", (LPCTSTR)root, "Bin\\");
    to.Format("%s%sPatchRunner.exe", (LPCTSTR)root, "Bin\\");
    if (::CopyFileA(from, to, FALSE))
        Sleep(50);
    temp.Format("%s%s", (LPCTSTR)root, "Temp");
    DeleteFolder(temp);
}

} // namespace

extern "C" int LCM_ShowLoginDlg(HWND hReceiver, void* pOut)
{
    TheLinkTable().GetPump().SetReceiver(hReceiver);
    const BOOL automatic = __argc >= kAutomaticEntries;
    // Only a start with arguments (the updater's way of starting the program) carries a new updater.
    if (automatic)
        InstallDeliveredUpdater();
    CDlgLogin dialog(automatic);
    if (dialog.DoModal() != IDOK)
        return 0;
    if (pOut != NULL)
        memcpy(pOut, TheInfoMng().GetUserBlock(), LCM_LOGIN_RECORD_SIZE);
    return 1;
}
