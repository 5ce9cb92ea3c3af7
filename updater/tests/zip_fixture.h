// Small zip archives made at test time (minizip's writer), including the damaged and hostile
// kinds the updater must refuse.
#pragma once

#include <string>
#include <vector>

struct ZipEntry
{
    std::string name;            // raw bytes as stored (a trailing '/' makes a folder entry)
    std::string data;
    bool stored = false;         // no compression, so the data can be found and damaged
    const char* password = nullptr; // traditional PKWARE encryption
};

// The bytes of an archive holding the entries in order.
std::string MakeZip(const std::vector<ZipEntry>& entries);

// Flips one byte inside the first occurrence of `inside` in the archive (a stored entry's data).
std::string FlipByteOf(std::string archive, const std::string& inside);
