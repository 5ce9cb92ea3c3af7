#include "install_journal.h"

#include <windows.h>

#include "folder_ops.h"

InstallJournal::InstallJournal(const std::string& backupFolder)
    : m_strBackup(WithBackslash(backupFolder)), m_nBackups(0)
{
}

bool InstallJournal::MakeFolder(const std::string& path, std::string& error)
{
    std::vector<std::string> created;
    bool made = EnsureFolder(path, &created);
    for (const std::string& level : created)
        m_steps.push_back(Step{STEP_FOLDER_MADE, level, std::string()});
    if (!made)
        error = "cannot create the folder \"" + path + "\": " + SystemErrorText(GetLastError());
    return made;
}

bool InstallJournal::PutFile(const std::string& source, const std::string& target, std::string& error)
{
    PathKind existing = GetPathKind(target);
    if (existing == PATH_FOLDER)
    {
        error = "Wrong operation: \"" + target + "\" is a folder";
        return false;
    }
    if (existing == PATH_FILE)
    {
        if (m_nBackups == 0 && !EnsureFolder(m_strBackup))
        {
            error = "cannot create the backup folder \"" + m_strBackup + "\"";
            return false;
        }
        std::string backup = m_strBackup + std::to_string(++m_nBackups);
        if (!MoveFileExA(target.c_str(), backup.c_str(), MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH))
        {
            error = "\"" + target + "\": " + SystemErrorText(GetLastError());
            return false;
        }
        m_steps.push_back(Step{STEP_FILE_SAVED, target, backup});
    }
    if (!CopyFileA(source.c_str(), target.c_str(), TRUE))
    {
        error = "\"" + target + "\": " + SystemErrorText(GetLastError());
        return false;
    }
    m_steps.push_back(Step{STEP_FILE_PUT, target, std::string()});
    return true;
}

bool InstallJournal::Rollback(std::string& error)
{
    bool complete = true;
    for (size_t i = m_steps.size(); i-- > 0;)
    {
        const Step& step = m_steps[i];
        bool undone = true;
        switch (step.kind)
        {
        case STEP_FILE_PUT:
            SetFileAttributesA(step.path.c_str(), FILE_ATTRIBUTE_NORMAL);
            undone = DeleteFileA(step.path.c_str()) || GetPathKind(step.path) == PATH_MISSING;
            break;
        case STEP_FOLDER_MADE:
            undone = RemoveDirectoryA(step.path.c_str()) || GetPathKind(step.path) == PATH_MISSING;
            break;
        case STEP_FILE_SAVED:
            undone = MoveFileExA(step.backup.c_str(), step.path.c_str(), MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH);
            break;
        }
        if (!undone)
        {
            complete = false;
            // The backups are numbered: the message is the only record of where each belongs.
            error += (error.empty() ? "" : "\n") + step.path;
            if (step.kind == STEP_FILE_SAVED)
                error += " (original: " + step.backup + ")";
        }
    }
    m_steps.clear();
    return complete;
}
