// Rules for names that come from the version server or from inside a downloaded archive.
// Every such name is hostile until it passes here: what passes can only name a place inside
// the folder it is joined to.
#pragma once

#include <string>
#include <vector>

// One level of a path: not empty, not "." or "..", no separator, drive colon, wildcard or
// control character, no trailing dot or blank (Windows drops them, so "..." would be ".."),
// no device name (CON, NUL, COM1, LPT1.txt ...) and no broken double-byte character.
bool IsSafePathLevel(const std::string& level, std::string* why = nullptr);

// The download name of a requested file: its folder levels (separated by '@' or '/') and the
// file name joined by '@', e.g. folder "System/map", name "a.zip" -> "System@map@a.zip".
// The folder must name at least one level; the name is one level without '@'.
bool MakeDownloadName(const std::string& folder, const std::string& fileName, std::string& download,
                      std::string& why);

// Splits a download name back into its folder levels and item (the last level).
bool SplitDownloadName(const std::string& download, std::vector<std::string>& folderLevels,
                       std::string& item, std::string& why);

// The relative path ("a\b\c") an archive entry may be unpacked to. Refused: a drive, a
// leading separator, any unsafe level. A trailing separator marks a folder entry.
bool MakeEntryPath(const std::string& entryName, std::string& relative, bool& isFolder, std::string& why);

// Splits text at any of the separators, double-byte aware (a trail byte never splits).
std::vector<std::string> SplitLevels(const std::string& text, const char* separators);
