// Folder routines of the updater: creating a path level by level and deleting a tree
// without ever leaving it.
#pragma once

#include <string>
#include <vector>

// "X:\..." or "\\server\share\...": the only roots the updater works under.
bool IsAbsolutePath(const std::string& path);

// The path with exactly one trailing backslash.
std::string WithBackslash(const std::string& path);

// `path` is `folder` or lies below it (letter case ignored).
bool IsInFolder(const std::string& path, const std::string& folder);

// Creates every missing level of `path` from the drive down; true when the last level
// exists as a folder afterwards. `created`, when given, receives each level made, in order.
bool EnsureFolder(const std::string& path, std::vector<std::string>* created = nullptr);

// Deletes the content of a folder and the folder itself. Takes the folder or a search
// pattern ("<folder>\*.*"). Reparse points (junctions, symbolic links) are removed as links,
// never followed; read-only files are deleted too. A relative path, a path with "." or ".."
// levels, a drive or share root or an empty pattern deletes nothing. True when the folder is gone.
bool DeleteFolderTree(const std::string& pattern);

// Something other than empty sub-folders lies in `folder`: a file at any depth, or a folder
// link (never followed). A missing folder holds nothing.
bool FolderHoldsFiles(const std::string& folder);

enum PathKind
{
    PATH_MISSING,
    PATH_FILE,
    PATH_FOLDER,
};
PathKind GetPathKind(const std::string& path);

// The system's message text for an error code, without its line break.
std::string SystemErrorText(unsigned long code);
