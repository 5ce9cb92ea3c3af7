#include "InstallFolders.h"

#include "install_root.h"

#include <string.h>
#include <windows.h>

namespace {

char g_root[MAX_PATH];
char g_map[MAX_PATH];
char g_bin[MAX_PATH];
char g_system[MAX_PATH];
char g_images[MAX_PATH];
char g_user[MAX_PATH];

// Builds a sub-folder buffer on the first call that finds it empty.
const char* SubFolder(char* buffer, const char* name)
{
    if (buffer[0] == '\0') {
        const char* root = GetWorkingDir();
        if (strlen(root) + strlen(name) < MAX_PATH) {
            strcpy(buffer, root);
            strcat(buffer, name);
        }
    }
    return buffer;
}

} // namespace

const char* GetWorkingDir()
{
    if (g_root[0] == '\0') {
        char path[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, path, 255);
        InstallRootOf(path, g_root, sizeof g_root);
    }
    return g_root;
}

const char* GetMapDir() { return SubFolder(g_map, "map\\"); }
const char* GetBinDir() { return SubFolder(g_bin, "Bin\\"); }
const char* GetSystemDir() { return SubFolder(g_system, "System\\"); }
const char* GetImageDir() { return SubFolder(g_images, "Images\\"); }
const char* GetUserDir() { return SubFolder(g_user, "User\\"); }
