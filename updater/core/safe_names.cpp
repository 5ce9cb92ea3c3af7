#include "safe_names.h"

#include <windows.h>
#include <string.h>

static bool Refuse(std::string* why, const std::string& text)
{
    if (why)
        *why = text;
    return false;
}

static bool IsDeviceName(std::wstring base)
{
    // Windows maps these names to devices in every folder and with any extension.
    base = base.substr(0, base.find(L'.'));
    while (!base.empty() && base.back() == L' ')
        base.pop_back();
    for (wchar_t& c : base)
        if (c >= L'a' && c <= L'z')
            c = (wchar_t)(c - L'a' + L'A');
    static const wchar_t* const kDevices[] = {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$", L"CLOCK$"};
    for (const wchar_t* device : kDevices)
        if (base == device)
            return true;
    if (base.size() == 4 && (base.compare(0, 3, L"COM") == 0 || base.compare(0, 3, L"LPT") == 0) &&
        ((base[3] >= L'0' && base[3] <= L'9') || base[3] == 0xB9 || base[3] == 0xB2 || base[3] == 0xB3))
        return true;
    return false;
}

bool IsSafePathLevel(const std::string& level, std::string* why)
{
    if (level.empty())
        return Refuse(why, "empty name");
    // Judge the name as the file system will see it: in UTF-16, after the code page's
    // conversion, so that no broken double-byte sequence can turn into a separator.
    int length = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, level.data(), (int)level.size(), nullptr, 0);
    if (length <= 0 || level.find('\0') != std::string::npos)
        return Refuse(why, "invalid characters in \"" + level + "\"");
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, level.data(), (int)level.size(), &wide[0], length);
    if (wide == L"." || wide == L"..")
        return Refuse(why, "parent or current folder step \"" + level + "\"");
    for (wchar_t c : wide)
        if (c < 0x20 || c == 0x7F || wcschr(L"\\/:*?\"<>|", c))
            return Refuse(why, "forbidden character in \"" + level + "\"");
    if (wide.back() == L'.' || wide.back() == L' ')
        return Refuse(why, "trailing dot or blank in \"" + level + "\"");
    if (IsDeviceName(wide))
        return Refuse(why, "device name \"" + level + "\"");
    return true;
}

std::vector<std::string> SplitLevels(const std::string& text, const char* separators)
{
    std::vector<std::string> levels;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i)
    {
        unsigned char c = (unsigned char)text[i];
        if (IsDBCSLeadByte(c) && i + 1 < text.size())
        {
            ++i;
            continue;
        }
        if (strchr(separators, c) && c != '\0')
        {
            levels.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    levels.push_back(text.substr(start));
    return levels;
}

bool MakeDownloadName(const std::string& folder, const std::string& fileName, std::string& download,
                      std::string& why)
{
    if (folder.empty())
        return Refuse(&why, "no folder for \"" + fileName + "\"");
    // A leading separator would otherwise show up as an empty first level.
    if (folder[0] == '/' || folder[0] == '\\')
        return Refuse(&why, "folder \"" + folder + "\": absolute path");
    std::string joined;
    for (const std::string& level : SplitLevels(folder, "@/"))
    {
        if (!IsSafePathLevel(level, &why))
            return Refuse(&why, "folder \"" + folder + "\": " + why);
        joined += level + "@";
    }
    if (!IsSafePathLevel(fileName, &why))
        return Refuse(&why, "file \"" + fileName + "\": " + why);
    if (SplitLevels(fileName, "@").size() != 1)
        return Refuse(&why, "file \"" + fileName + "\": '@' in a file name");
    download = joined + fileName;
    return true;
}

bool SplitDownloadName(const std::string& download, std::vector<std::string>& folderLevels, std::string& item,
                       std::string& why)
{
    std::vector<std::string> levels = SplitLevels(download, "@");
    if (levels.size() < 2)
        return Refuse(&why, "download \"" + download + "\" names no folder");
    for (const std::string& level : levels)
        if (!IsSafePathLevel(level, &why))
            return Refuse(&why, "download \"" + download + "\": " + why);
    item = levels.back();
    levels.pop_back();
    folderLevels = levels;
    return true;
}

bool MakeEntryPath(const std::string& entryName, std::string& relative, bool& isFolder, std::string& why)
{
    if (entryName.empty())
        return Refuse(&why, "empty entry name");
    if (entryName[0] == '/' || entryName[0] == '\\')
        return Refuse(&why, "absolute entry name \"" + entryName + "\"");
    std::vector<std::string> levels = SplitLevels(entryName, "/\\");
    isFolder = levels.size() > 1 && levels.back().empty();
    if (isFolder)
        levels.pop_back();
    relative.clear();
    for (const std::string& level : levels)
    {
        if (!IsSafePathLevel(level, &why))
            return Refuse(&why, "entry \"" + entryName + "\": " + why);
        if (!relative.empty())
            relative += '\\';
        relative += level;
    }
    return true;
}
