// A fresh folder under the system's temporary folder for one test, removed with everything in
// it afterwards; files written and read whole.
#pragma once

#include <string>

class TempTree
{
public:
    TempTree();
    ~TempTree();
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    // The folder, with a trailing backslash.
    const std::string& Path() const { return m_path; }
    // Writes name (folders on the way are made) and returns its full path.
    std::string Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;
    std::string MakeFolder(const std::string& name) const;

private:
    std::string m_path;
};

// Removes a folder with everything in it.
void RemoveTree(const std::string& path);
std::string ReadWholeFile(const std::string& path);
