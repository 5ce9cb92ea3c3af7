// Every change the installer makes under the install root, in order, so that a failed
// install can be undone: files put in place, folders made, and the old files moved aside.
#pragma once

#include <string>
#include <vector>

class InstallJournal
{
public:
    // Replaced files are moved into `backupFolder` (under the Temp folder, so on the same
    // volume as the install root and moved, not copied).
    explicit InstallJournal(const std::string& backupFolder);

    // Creates the missing levels of a folder.
    bool MakeFolder(const std::string& path, std::string& error);
    // Puts a copy of `source` at `target`; a file already there is moved aside first.
    // A folder where the file should go is an error ("Wrong operation").
    bool PutFile(const std::string& source, const std::string& target, std::string& error);

    // Undoes every step, newest first: new files deleted, made folders removed, old files
    // moved back. False (with the paths left over in `error`) when something could not be
    // undone; the backups then stay where they are.
    bool Rollback(std::string& error);

    size_t Steps() const { return m_steps.size(); }
    const std::string& BackupFolder() const { return m_strBackup; }

private:
    enum StepKind
    {
        STEP_FOLDER_MADE,
        STEP_FILE_PUT,
        STEP_FILE_SAVED, // old file moved to `backup`
    };
    struct Step
    {
        StepKind kind;
        std::string path;
        std::string backup;
    };

    std::vector<Step> m_steps;
    std::string m_strBackup;
    int m_nBackups;
};
