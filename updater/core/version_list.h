// "version.dat": lines "folder,second field,file name,version,unused". A line counts only
// when it splits into exactly five fields; its key is "folder/file name", trimmed and
// upper-cased, and its version the fourth field, trimmed.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "version_frame.h"

typedef std::map<std::string, std::string> VersionMap; // key -> version

// Splits at the separator byte; a double-byte character never splits. Empty fields count.
// Returns the number of fields (separators + 1).
int SplitFields(const std::string& text, char separator, std::vector<std::string>& fields);

std::string TrimText(const std::string& text);

// Key and version of a line, when it has exactly five fields.
bool ParseVersionLine(const std::string& line, std::string& key, std::string& version,
                      std::vector<std::string>* fields = nullptr);

// The installed list: a missing or unreadable file gives an empty map (later lines win).
void LoadLocalVersions(const std::string& path, VersionMap& versions);

// The longest line a list may hold.
const size_t VERSION_MAX_LINE = 1023;

// Compares the server's list with the installed one and queues every new or changed file,
// in list order (the fetch works from the end). Refuses, with a reason in `error`, a list
// without a single file line (installing it would empty the installed list), an overlong
// line, a folder or name longer than a request field, and any line whose folder or file name
// could leave its folder. Only lines ended by a
// line feed are read; the text ends at its first zero byte.
bool CompareVersionList(const char* text, size_t length, const VersionMap& local,
                        std::vector<VersionRecord>& queue, std::string& error);

// The name a fetched file is saved under in the Temp folder ("Bin@TradePanel.dll.zip").
bool DownloadNameOf(const VersionRecord& rec, std::string& download, std::string& error);
