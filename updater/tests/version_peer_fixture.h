// The version-server peer as the updater tests use it: canned lists and files (zip archives
// made here), faults, the request log; and a temporary install root with a stand-in for the
// main program.
#pragma once

#include <string>
#include <vector>

#include "peer_control.h"
#include "temp_folder.h"
#include "zip_fixture.h"

class VersionPeer
{
public:
    VersionPeer();
    int Port() const { return m_nPort; }
    bool Available() const { return m_nPort != 0 && m_nControl != 0; }

    bool Reset();
    bool SetList(const std::string& text);
    bool SetFile(const std::string& folder, const std::string& name, const std::string& bytes);
    bool SetZip(const std::string& folder, const std::string& name, const std::vector<ZipEntry>& entries);
    // {"cmd":"fault","mode":mode, <params>}; params is JSON members without braces, or empty.
    bool Fault(const std::string& mode, const std::string& params = "");
    // Content bytes per reply frame (1..102679).
    bool SetChunk(int size);
    // Closes every client connection now.
    bool Disconnect();
    // The request log reply, and the file names requested in order ("version.dat" for lists).
    std::string Requests();
    std::vector<std::string> RequestedNames();
    const std::string& LastError() const { return m_control.LastError(); }

private:
    int m_nPort;
    int m_nControl;
    PeerControl m_control;
};

// An install root with Bin\ (the stand-in as Molvane.exe), System\ (an old version.dat),
// map\, Images\, User\ and Temp\, and a few installed files.
class InstallTree
{
public:
    explicit InstallTree(const char* prefix = "root");
    ~InstallTree();

    std::string Root() const { return m_dir.Path(); }
    std::string operator/(const std::string& relative) const { return m_dir / relative; }
    // The tree without Temp\ and without the stand-in's log, for before/after comparisons.
    TreeSnapshot Installed() const;
    // Processes of the stand-in that wrote to User\standin.log.
    std::vector<unsigned long> StandInStarts() const;
    void StopStandIns();

    static const char* OldList();

private:
    TempFolder m_dir;
};

// The update the tests serve: a new list of seven files, six of them changed (archives of a
// file or a folder, a new Molvane.exe and the next updater), one unchanged.
extern const char UPDATE_LIST[];
const int UPDATE_CHANGED_FILES = 6;
// The new Molvane.exe: the stand-in with a marker appended.
std::string NewMolvaneBytes();
bool ServeUpdate(VersionPeer& peer);
// What differs from a completed update (empty when the tree holds it).
std::string CheckUpdated(const InstallTree& tree);
