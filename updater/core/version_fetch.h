// The exchange with the version server, one request outstanding at a time: the version
// list first, then every new or changed file it names, each saved into the Temp folder.
// Fed with complete frames; says what the caller has to do next.
#pragma once

#include <string>
#include <vector>

#include "version_frame.h"
#include "version_list.h"

// The largest download the updater holds.
const size_t VERSION_MAX_DOWNLOAD = 10240000;

class CVersionFetch
{
public:
    enum Step
    {
        STEP_WAIT,         // more frames are due for the outstanding request
        STEP_REQUEST,      // send Request(); the progress moved on
        STEP_ALL_FETCHED,  // every file is in the Temp folder
        STEP_SERVER_ERROR, // the server answered with an error frame
        STEP_FAILED,       // see ErrorText(); nothing may be installed
    };

    CVersionFetch(const std::string& tempFolder, const VersionMap& local);

    // Starts the exchange: Request() then holds the version-list request.
    void Start();
    Step OnFrame(const char* frame, int length);

    // The request frame to send (146 bytes).
    const std::string& Request() const { return m_strRequest; }
    // A reply is due (a request went out and its last frame has not come).
    bool Outstanding() const { return m_nOutstanding != 0; }
    // Code of the request due (VFC_VERSION_LIST or VFC_FILE), 0 when none.
    int OutstandingCode() const { return m_nOutstanding; }
    // Number of files queued by the list, and how many of them are fetched or on their way.
    int Total() const { return m_nTotal; }
    int Position() const { return m_nTotal - (int)m_queue.size(); }
    // Saved names in the Temp folder, in the order fetched ("version.dat" first).
    const std::vector<std::string>& Downloads() const { return m_downloads; }
    const std::string& ErrorText() const { return m_strError; }
    // What the outstanding request asks for ("version.dat" or "Bin/TradePanel.dll.zip").
    std::string CurrentName() const;

    void SetDownloadLimit(size_t bytes) { m_nLimit = bytes; }

private:
    Step Fail(const std::string& text);
    Step FetchNextFile();
    bool SaveDownload(const std::string& name);
    void SendRequest(int code, const VersionRecord& rec);

    std::string m_strTemp;
    VersionMap m_local;
    std::vector<char> m_content;
    std::vector<VersionRecord> m_queue;
    VersionRecord m_current;
    int m_nOutstanding; // code of the request due, 0 when none
    int m_nTotal;
    size_t m_nLimit;
    std::string m_strRequest;
    std::vector<std::string> m_downloads;
    std::string m_strError;
};
