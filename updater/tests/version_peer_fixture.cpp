#include "version_peer_fixture.h"

#include <windows.h>
#include <sstream>

#include "folder_ops.h"
#include "main_process.h"

VersionPeer::VersionPeer()
    : m_nPort(PeerControl::PortFromEnv("MOLVANE_VERSION_PORT")),
      m_nControl(PeerControl::PortFromEnv("MOLVANE_VERSION_CONTROL")), m_control(m_nControl)
{
}

bool VersionPeer::Reset()
{
    return m_control.Command("{\"cmd\":\"reset\"}");
}

bool VersionPeer::SetList(const std::string& text)
{
    return m_control.Command("{\"cmd\":\"set_version_list\",\"base64\":\"" + Base64(text) + "\"}");
}

bool VersionPeer::SetFile(const std::string& folder, const std::string& name, const std::string& bytes)
{
    return m_control.Command("{\"cmd\":\"set_file\",\"folder\":" + JsonString(folder) + ",\"name\":" +
                             JsonString(name) + ",\"base64\":\"" + Base64(bytes) + "\"}");
}

bool VersionPeer::SetZip(const std::string& folder, const std::string& name, const std::vector<ZipEntry>& entries)
{
    return SetFile(folder, name, MakeZip(entries));
}

bool VersionPeer::Fault(const std::string& mode, const std::string& params)
{
    return m_control.Command("{\"cmd\":\"fault\",\"mode\":\"" + mode + "\"" + (params.empty() ? "" : "," + params) +
                             "}");
}

bool VersionPeer::SetChunk(int size)
{
    return m_control.Command("{\"cmd\":\"set_chunk\",\"size\":" + std::to_string(size) + "}");
}

bool VersionPeer::Disconnect()
{
    return m_control.Command("{\"cmd\":\"disconnect\"}");
}

std::string VersionPeer::Requests()
{
    return m_control.Call("{\"cmd\":\"requests\"}");
}

std::vector<std::string> VersionPeer::RequestedNames()
{
    std::vector<std::string> names;
    std::string log = Requests();
    const std::string key = "\"name\": \"";
    for (size_t at = log.find(key); at != std::string::npos; at = log.find(key, at))
    {
        at += key.size();
        names.push_back(log.substr(at, log.find('"', at) - at));
    }
    return names;
}

const char* InstallTree::OldList()
{
    return "version=1.0.0\r\n"
           "Bin,main,TradePanel.dll.zip,1.0.0,\r\n"
           "Bin,main,Keep.dll.zip,1.0.0,\r\n"
           "System,sys,colormap.xml.zip,1.0.0,\r\n";
}

InstallTree::InstallTree(const char* prefix) : m_dir(prefix)
{
    for (const char* folder : {"Bin", "System", "map", "Images", "User", "Temp"})
        CreateDirectoryA((m_dir / folder).c_str(), nullptr);
    CopyFileA((ModuleFolder() + "MolvaneStandIn.exe").c_str(), (m_dir / "Bin\\Molvane.exe").c_str(), FALSE);
    WriteBytes(m_dir / "Bin\\TradePanel.dll", "old TradePanel");
    WriteBytes(m_dir / "Bin\\Keep.dll", "kept");
    WriteBytes(m_dir / "System\\colormap.xml", "<old/>");
    WriteBytes(m_dir / "System\\version.dat", OldList());
    WriteBytes(m_dir / "User\\user.cfg", "[LOGIN]\r\nID=tester\r\n");
    WriteBytes(m_dir / "Temp\\leftover.tmp", "from an earlier run");
}

InstallTree::~InstallTree()
{
    StopStandIns();
}

TreeSnapshot InstallTree::Installed() const
{
    TreeSnapshot tree = SnapshotTree(m_dir.Path());
    for (auto it = tree.begin(); it != tree.end();)
        it = (it->first.compare(0, 4, "Temp") == 0 || it->first == "User\\standin.log") ? tree.erase(it) : std::next(it);
    return tree;
}

std::vector<unsigned long> InstallTree::StandInStarts() const
{
    std::vector<unsigned long> pids;
    std::istringstream log(ReadBytes(m_dir / "User\\standin.log"));
    std::string line;
    while (std::getline(log, line))
        if (unsigned long pid = strtoul(line.c_str(), nullptr, 10))
            pids.push_back(pid);
    return pids;
}

void InstallTree::StopStandIns()
{
    // Whatever runs from this root's Bin\Molvane.exe, and whatever the log names (a start
    // that is still on its way may not show in the process list yet).
    StopMainProgramBySnapshot(m_dir / "Bin\\Molvane.exe", 5000);
    for (unsigned long pid : StandInStarts())
    {
        HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
        if (process)
        {
            TerminateProcess(process, 0);
            WaitForSingleObject(process, 5000);
            CloseHandle(process);
        }
    }
}

const char UPDATE_LIST[] = "version=1.0.1\r\n"
                           "Bin,main,TradePanel.dll.zip,1.0.1,\r\n"
                           "Bin,main,Keep.dll.zip,1.0.0,\r\n"
                           "System,sys,colormap.xml.zip,1.0.1,\r\n"
                           "map,map,MF_1000.xml.zip,1.0.1,\r\n"
                           "Images,img,skin.zip,1.0.1,\r\n"
                           "Bin,main,Molvane.exe.zip,1.0.1,\r\n"
                           "Bin,main,_PatchRunner.exe.zip,1.0.1,\r\n";

std::string NewMolvaneBytes()
{
    return ReadBytes(ModuleFolder() + "MolvaneStandIn.exe") + "-- version 1.0.1 --";
}

bool ServeUpdate(VersionPeer& peer)
{
    struct Archive
    {
        const char* folder;
        const char* name;
        std::vector<ZipEntry> entries;
    };
    std::vector<Archive> archives(6);
    archives[0] = {"Bin", "TradePanel.dll.zip", {ZipEntry{"TradePanel.dll", "new TradePanel"}}};
    archives[1] = {"System", "colormap.xml.zip", {ZipEntry{"colormap.xml", "<new/>"}}};
    archives[2] = {"map", "MF_1000.xml.zip", {ZipEntry{"MF_1000.xml", "<MAP/>"}}};
    archives[3] = {"Images", "skin.zip", {ZipEntry{"skin/", ""}, ZipEntry{"skin/a.bmp", "A"}, ZipEntry{"skin/dark/b.bmp", "B"}}};
    archives[4] = {"Bin", "Molvane.exe.zip", {ZipEntry{"Molvane.exe", NewMolvaneBytes()}}};
    archives[5] = {"Bin", "_PatchRunner.exe.zip", {ZipEntry{"_PatchRunner.exe", "next updater"}}};
    if (!peer.SetList(UPDATE_LIST))
        return false;
    for (const Archive& archive : archives)
        if (!peer.SetZip(archive.folder, archive.name, archive.entries))
            return false;
    return true;
}

std::string CheckUpdated(const InstallTree& tree)
{
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Bin\\TradePanel.dll", "new TradePanel"}, {"Bin\\Keep.dll", "kept"},
        {"System\\colormap.xml", "<new/>"},        {"map\\MF_1000.xml", "<MAP/>"},
        {"Images\\skin\\a.bmp", "A"},             {"Images\\skin\\dark\\b.bmp", "B"},
        {"Bin\\Molvane.exe", NewMolvaneBytes()},     {"Bin\\_PatchRunner.exe", "next updater"},
        {"System\\version.dat", UPDATE_LIST},        {"User\\user.cfg", "[LOGIN]\r\nID=tester\r\n"},
    };
    std::string diff;
    for (const auto& file : expected)
        if (ReadBytes(tree / file.first) != file.second)
            diff += "not as updated: " + file.first + "\n";
    if (FolderExists(tree / "Temp"))
        diff += "the Temp folder is still there\n";
    return diff;
}
