// Test helpers: a private temporary folder, file contents and a whole tree's snapshot.
#pragma once

#include <map>
#include <string>

// A fresh folder under the system's temporary folder, deleted with the object.
class TempFolder
{
public:
    explicit TempFolder(const char* prefix = "upd");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // With a trailing backslash.
    const std::string& Path() const { return m_path; }
    std::string operator/(const std::string& relative) const { return m_path + relative; }

private:
    std::string m_path;
};

bool WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);

// Relative path -> content ("<folder>" for folders, "<file attributes>" appended when a file
// is not plainly normal), for comparing a tree before and after.
typedef std::map<std::string, std::string> TreeSnapshot;
TreeSnapshot SnapshotTree(const std::string& folder);
// Differences between two snapshots, one line per path, empty when equal.
std::string DiffTrees(const TreeSnapshot& before, const TreeSnapshot& after);

// The folder of the running test executable (the staged Bin\), with a trailing backslash.
std::string ModuleFolder();

// Starts a program (no arguments); its process handle, or null.
void* StartProcess(const std::string& exe);
