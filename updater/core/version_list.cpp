#include "version_list.h"

#include <windows.h>
#include <fstream>
#include <set>

#include "safe_names.h"

int SplitFields(const std::string& text, char separator, std::vector<std::string>& fields)
{
    fields.clear();
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i)
    {
        if (IsDBCSLeadByte((BYTE)text[i]))
        {
            ++i;
            continue;
        }
        if (text[i] == separator)
        {
            fields.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    fields.push_back(start < text.size() ? text.substr(start) : std::string());
    return (int)fields.size();
}

std::string TrimText(const std::string& text)
{
    const char* blanks = " \t\r\n\v\f";
    size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

static std::string UpperAscii(std::string text)
{
    for (size_t i = 0; i < text.size(); ++i)
    {
        if (IsDBCSLeadByte((BYTE)text[i]))
            ++i;
        else if (text[i] >= 'a' && text[i] <= 'z')
            text[i] = (char)(text[i] - 'a' + 'A');
    }
    return text;
}

bool ParseVersionLine(const std::string& line, std::string& key, std::string& version,
                      std::vector<std::string>* fieldsOut)
{
    std::vector<std::string> fields;
    if (SplitFields(line, ',', fields) != 5)
        return false;
    key = UpperAscii(TrimText(fields[0] + "/" + fields[2]));
    version = TrimText(fields[3]);
    if (fieldsOut)
        fieldsOut->swap(fields);
    return true;
}

void LoadLocalVersions(const std::string& path, VersionMap& versions)
{
    versions.clear();
    std::ifstream file(path.c_str(), std::ios::in | std::ios::binary);
    std::string line, key, version;
    while (file && std::getline(file, line))
    {
        line = TrimText(line);
        if (!line.empty() && ParseVersionLine(line, key, version))
            versions[key] = version;
    }
}

bool DownloadNameOf(const VersionRecord& rec, std::string& download, std::string& error)
{
    std::string why;
    if (MakeDownloadName(RecordField(rec, 0), RecordField(rec, 2), download, why))
        return true;
    error = why;
    return false;
}

bool CompareVersionList(const char* text, size_t length, const VersionMap& local,
                        std::vector<VersionRecord>& queue, std::string& error)
{
    queue.clear();
    const char* end = text + length;
    for (const char* p = text; p < end; ++p)
        if (*p == '\0')
        {
            end = p;
            break;
        }

    std::vector<std::string> names; // queue[i] is saved as names[i]
    int fileLines = 0;
    for (const char* start = text; start < end;)
    {
        const char* feed = start;
        while (feed < end && *feed != '\n')
            ++feed;
        if (feed == end)
            break; // no line feed after the last line: it is not read
        std::string line(start, feed);
        start = feed + 1;
        if (line.size() > VERSION_MAX_LINE)
        {
            error = "a line of the version list is longer than 1023 bytes";
            return false;
        }
        std::string key, version;
        std::vector<std::string> fields;
        if (!ParseVersionLine(line, key, version, &fields))
            continue;
        ++fileLines;
        VersionMap::const_iterator known = local.find(key);
        if (known != local.end() && known->second == version)
            continue;
        VersionRecord rec = MakeFileRecord(fields[0], fields[1], fields[2]);
        // A request carries 40 bytes a field: a longer folder or name would fetch another file.
        if (RecordField(rec, 0) != TrimText(fields[0]) || RecordField(rec, 2) != TrimText(fields[2]))
        {
            error = "\"" + TrimText(fields[0]) + "/" + TrimText(fields[2]) + "\" does not fit a request (40 bytes a field)";
            return false;
        }
        std::string download;
        if (!DownloadNameOf(rec, download, error))
            return false;
        // A file listed twice is fetched once, as its later line has it.
        download = UpperAscii(download);
        for (size_t i = 0; i < names.size(); ++i)
            if (names[i] == download)
            {
                names.erase(names.begin() + i);
                queue.erase(queue.begin() + i);
                break;
            }
        names.push_back(download);
        queue.push_back(rec);
    }
    if (fileLines == 0)
    {
        queue.clear();
        error = "the version list names no file";
        return false;
    }
    return true;
}
