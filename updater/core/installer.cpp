#include "installer.h"

#include <windows.h>

#include "file_operation.h"
#include "folder_ops.h"
#include "install_journal.h"
#include "safe_names.h"
#include "version_archive.h"

static const char kListName[] = "version.dat";

static bool EndsWithNoCase(const std::string& text, const char* tail)
{
    size_t n = strlen(tail);
    return text.size() >= n && lstrcmpiA(text.c_str() + text.size() - n, tail) == 0;
}

CVersionInstaller::CVersionInstaller(const std::string& installRoot, const std::string& tempFolder)
    : m_strRoot(WithBackslash(installRoot)), m_strTemp(WithBackslash(tempFolder)), m_bRollbackComplete(true),
      m_nUnpackLimit(512LL * 1024 * 1024)
{
}

bool CVersionInstaller::BackupsLeft() const
{
    return FolderHoldsFiles(BackupFolder());
}

bool CVersionInstaller::Fail(const std::string& text)
{
    m_strError = text;
    return false;
}

bool CVersionInstaller::UnpackArchive(const std::string& download, const std::string& stageFolder)
{
    VersionArchive archive;
    archive.SetUnpackLimit(m_nUnpackLimit);
    VersionArchiveItem info;
    if (archive.Open(m_strTemp + download) != VA_OK || archive.SetBaseFolder(stageFolder) != VA_OK ||
        archive.GetItem(-1, info) != VA_OK)
        return Fail(download + ": " + archive.ErrorText());
    for (int i = 0; i < info.nIndex; ++i)
        if (archive.UnpackItem(i) != VA_OK)
            return Fail(download + ": " + archive.ErrorText());
    return true;
}

bool CVersionInstaller::Stage(const std::vector<std::string>& downloads, std::vector<Placement>& plan,
                              std::string& listFile)
{
    const std::string stageRoot = m_strTemp + "@unpack\\";
    if (!DeleteFolderTree(stageRoot))
        return Fail("cannot clear \"" + stageRoot + "\"");
    for (size_t k = 0; k < downloads.size(); ++k)
    {
        const std::string& download = downloads[k];
        if (lstrcmpiA(download.c_str(), kListName) == 0)
        {
            listFile = m_strTemp + download;
            continue;
        }
        if (!EndsWithNoCase(download, ".zip"))
            continue; // only archives are installed
        std::vector<std::string> levels;
        std::string item, why;
        if (!SplitDownloadName(download.substr(0, download.size() - 4), levels, item, why))
            return Fail(why);
        std::string stage = stageRoot + std::to_string(k + 1) + "\\";
        if (!EnsureFolder(stage))
            return Fail("cannot create \"" + stage + "\"");
        if (!UnpackArchive(download, stage))
            return false;
        if (GetPathKind(stage + item) == PATH_MISSING)
            return Fail(download + ": the archive holds no \"" + item + "\"");
        std::string destination = m_strRoot;
        for (const std::string& level : levels)
            destination += level + "\\";
        // The Temp folder holds the downloads, the staging and the backups, and goes after the
        // install: an item put there would replace one of them, or vanish.
        if (IsInFolder(destination, m_strTemp))
            return Fail(download + ": \"" + destination + "\" lies in the Temp folder");
        plan.push_back(Placement{stage + item, destination});
    }
    if (listFile.empty() || GetPathKind(listFile) != PATH_FILE)
        return Fail("the new version list is missing");
    return true;
}

bool CVersionInstaller::InstallDownloads(const std::vector<std::string>& downloads)
{
    m_strError.clear();
    m_bRollbackComplete = true;
    if (!IsAbsolutePath(m_strRoot) || m_strTemp.compare(0, m_strRoot.size(), m_strRoot) != 0)
        return Fail("install root \"" + m_strRoot + "\" is not an absolute folder holding the Temp folder");

    if (BackupsLeft())
        return Fail("\"" + BackupFolder() + "\" still holds the originals of an install that could not be undone");

    std::vector<Placement> plan;
    std::string listFile;
    if (!Stage(downloads, plan, listFile))
        return false; // nothing under the install root has changed yet

    if (!DeleteFolderTree(BackupFolder()))
        return Fail("cannot clear \"" + BackupFolder() + "\"");
    InstallJournal journal(BackupFolder());
    CFileOperation operation(journal);
    std::string error;
    bool installed = true;
    for (const Placement& place : plan)
    {
        if (!journal.MakeFolder(place.destination, error) || !operation.Copy(place.source, place.destination))
        {
            if (error.empty())
                error = operation.GetErrorString();
            installed = false;
            break;
        }
    }
    if (installed && (!journal.MakeFolder(m_strRoot + "System", error) ||
                      !journal.PutFile(listFile, m_strRoot + "System\\" + kListName, error)))
        installed = false;
    if (installed)
        return true;

    std::string left;
    m_bRollbackComplete = journal.Rollback(left);
    m_strError = error;
    if (!m_bRollbackComplete)
        m_strError += "\nnot restored:\n" + left;
    return false;
}
