// Installs the downloads of the Temp folder under the install root, all or nothing:
// 1. every archive is unpacked into a staging folder of its own and must yield its item;
// 2. the items are copied into their folders, old files moved aside into a backup;
// 3. the new "version.dat" goes into the System folder last.
// Any failure undoes what step 2 and 3 did, keeps the old "version.dat" and reports.
#pragma once

#include <string>
#include <vector>

class CVersionInstaller
{
public:
    // Both folders absolute, the Temp folder inside the install root.
    CVersionInstaller(const std::string& installRoot, const std::string& tempFolder);

    // `downloads`: the names saved in the Temp folder, "version.dat" among them. Archives
    // (".zip") are installed; "version.dat" last; other downloads are not installed.
    bool InstallDownloads(const std::vector<std::string>& downloads);

    // Why the last install failed (naming the download, the entry or the file).
    const std::string& ErrorText() const { return m_strError; }
    // False when a failed install could not be undone completely; the backups are then in
    // BackupFolder() and must not be deleted.
    bool RollbackComplete() const { return m_bRollbackComplete; }
    std::string BackupFolder() const { return m_strTemp + "@backup\\"; }
    // Originals an earlier install could not put back are still in BackupFolder(). They are
    // the user's only copies: the Temp folder must not be cleared, nor another install run,
    // until they are gone from there. Where each one belongs was only in that run's message.
    bool BackupsLeft() const;

    // Upper bound of the bytes one archive may unpack to.
    void SetUnpackLimit(long long bytes) { m_nUnpackLimit = bytes; }

private:
    struct Placement
    {
        std::string source;      // the unpacked item in its staging folder
        std::string destination; // its folder under the install root
    };

    bool Stage(const std::vector<std::string>& downloads, std::vector<Placement>& plan, std::string& listFile);
    bool UnpackArchive(const std::string& download, const std::string& stageFolder);
    bool Fail(const std::string& text);

    std::string m_strRoot;
    std::string m_strTemp;
    std::string m_strError;
    bool m_bRollbackComplete;
    long long m_nUnpackLimit;
};
