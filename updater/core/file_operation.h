// Copies an unpacked item (a file or a whole folder) into a folder of the install root,
// through the install journal so that every change can be undone.
#pragma once

#include <string>

class InstallJournal;

class CFileOperation
{
public:
    explicit CFileOperation(InstallJournal& journal);

    // Source file -> the file of the same name inside the destination folder.
    // Source folder -> a folder of its name inside the destination, copied level by level.
    // False leaves the reason in the error text.
    bool Copy(const std::string& source, const std::string& destination);

    const std::string& GetErrorString() const { return m_strError; }

private:
    bool CopyFolder(const std::string& source, const std::string& destination);
    bool Fail(const std::string& text);

    InstallJournal& m_journal;
    std::string m_strError;
};
