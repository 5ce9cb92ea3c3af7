#include "IniFiles.h"

#include "TextUtils.h"

#include <stdlib.h>
#include <vector>

namespace {

const DWORD kValueSize = 1024;
const DWORD kSectionSize = 32767;
const DWORD kNamesSize = 1024;

// Calls visit on each NUL-terminated line of a profile block of used bytes.
template <typename Visit>
void ForEachLine(const char* block, DWORD used, Visit visit)
{
    const char* end = block + used;
    for (const char* p = block; p < end && *p;) {
        const char* line = p;
        while (p < end && *p)
            ++p;
        visit(CString(line, static_cast<int>(p - line)));
        ++p;
    }
}

template <typename Visit>
void ReadSectionLines(const CString& path, const CString& section, Visit visit)
{
    if (path.IsEmpty())
        return;
    std::vector<char> block(kSectionSize, '\0');
    const DWORD used = GetPrivateProfileSectionA(section, block.data(), kSectionSize, path);
    ForEachLine(block.data(), used, visit);
}

template <typename Visit>
void ReadSectionNames(const CString& path, Visit visit)
{
    if (path.IsEmpty())
        return;
    char block[kNamesSize] = {};
    const DWORD used = GetPrivateProfileSectionNamesA(block, kNamesSize, path);
    ForEachLine(block, used, visit);
}

CString ReadValue(const CString& path, const CString& section, const CString& key,
                  const CString& defaultValue)
{
    if (path.IsEmpty())
        return defaultValue;
    char value[kValueSize] = {};
    GetPrivateProfileStringA(section, key, defaultValue, value, kValueSize, path);
    return value;
}

CString NumberText(int value)
{
    CString text;
    text.Format("%d", value);
    return text;
}

} // namespace

int CIniFiles::Create(CString path)
{
    m_strFileName = path;
    return 1;
}

CString CIniFiles::ReadString(CString section, CString key, CString defaultValue)
{
    return ReadValue(m_strFileName, section, key, defaultValue);
}

BOOL CIniFiles::WriteString(CString section, CString key, CString value)
{
    if (m_strFileName.IsEmpty())
        return FALSE;
    return WritePrivateProfileStringA(section, key, value, m_strFileName);
}

int CIniFiles::ReadNumber(CString section, CString key, int defaultValue)
{
    return atoi(ReadValue(m_strFileName, section, key, NumberText(defaultValue)));
}

BOOL CIniFiles::WriteNumber(CString section, CString key, int value)
{
    return WriteString(section, key, NumberText(value));
}

int CIniFiles::ReadBool(CString section, CString key, int defaultValue)
{
    return ReadNumber(section, key, defaultValue);
}

int CIniFiles::ReadInteger(CString section, CString key, int defaultValue)
{
    return ReadNumber(section, key, defaultValue);
}

COLORREF CIniFiles::ReadCOLORREF(CString section, CString key, COLORREF defaultValue)
{
    return static_cast<COLORREF>(ReadNumber(section, key, static_cast<int>(defaultValue)));
}

BOOL CIniFiles::WriteBool(CString section, CString key, int value)
{
    return WriteNumber(section, key, value);
}

BOOL CIniFiles::WriteInteger(CString section, CString key, int value)
{
    return WriteNumber(section, key, value);
}

BOOL CIniFiles::WriteCOLORREF(CString section, CString key, COLORREF value)
{
    return WriteNumber(section, key, static_cast<int>(value));
}

void CIniFiles::ReadSection(CString section, CStringArray& out)
{
    out.RemoveAll();
    ReadSectionLines(m_strFileName, section, [&out](CString line) {
        line.Trim();
        out.Add(line);
    });
}

void CIniFiles::ReadSectionValues(CString section, CStringArray& out)
{
    out.RemoveAll();
    CStringArray lines;
    ReadSection(section, lines);
    out.Append(lines);
}

void CIniFiles::ReadSections(CStringArray& out)
{
    out.RemoveAll();
    ReadSectionNames(m_strFileName, [&out](CString name) {
        name.TrimRight();
        out.Add(name);
    });
}

int CIniFiles::ReadSectionValueParsing(CString section, CString key, char separator,
                                       CStringArray& out)
{
    CString value = ReadString(section, key, "");
    return SplitString(out, value, separator);
}

int CIniFiles::ValueExists(CString section, CString key)
{
    CStringArray lines;
    ReadSection(section, lines);
    for (int i = 0; i < lines.GetSize(); ++i) {
        const int equals = lines[i].Find('=');
        if (equals >= 0 && lines[i].Left(equals) == key)
            return 1;
    }
    return 0;
}

int CIniFiles::SectionExists(CString section)
{
    section.Trim();
    CStringArray names;
    ReadSections(names);
    for (int i = 0; i < names.GetSize(); ++i) {
        CString name = names[i];
        if (name.Trim() == section)
            return 1;
    }
    return 0;
}

BOOL CIniFiles::EraseSection(CString section)
{
    if (m_strFileName.IsEmpty())
        return FALSE;
    return WritePrivateProfileStringA(section, nullptr, nullptr, m_strFileName);
}

BOOL CIniFiles::DeleteKey(CString section, CString key)
{
    if (m_strFileName.IsEmpty())
        return FALSE;
    return WritePrivateProfileStringA(section, key, nullptr, m_strFileName);
}

CString CIniFiles::ReadIniString(CString path, CString section, CString key)
{
    return ReadValue(path, section, key, "");
}

int CIniFiles::ReadIniInt(CString path, CString section, CString key)
{
    if (path.IsEmpty())
        return 0;
    return static_cast<int>(GetPrivateProfileIntA(section, key, 0, path));
}

int CIniFiles::WriteIniString(CString path, CString section, CString key, CString value)
{
    if (path.IsEmpty())
        return 0;
    WritePrivateProfileStringA(section, key, value, path);
    return 1;
}

int CIniFiles::WriteIniInt(CString path, CString section, CString key, int value)
{
    return WriteIniString(path, section, key, NumberText(value));
}

int CIniFiles::GetIniSectionStrings(CString path, CString section, CStringArray& out)
{
    out.RemoveAll();
    ReadSectionLines(path, section, [&out](const CString& line) { out.Add(line); });
    return 1;
}

int CIniFiles::GetIniNames(CString path, CString section, CStringArray& out)
{
    out.RemoveAll();
    ReadSectionLines(path, section, [&out](const CString& line) {
        const int equals = line.Find('=');
        out.Add(equals >= 0 ? line.Left(equals) : CString());
    });
    return 1;
}

int CIniFiles::GetIniSectionNames(CStringArray& out, CString path)
{
    out.RemoveAll();
    ReadSectionNames(path, [&out](const CString& name) { out.Add(name); });
    return 1;
}

void CIniFiles::DeleteSection(CString path, CString section)
{
    if (!path.IsEmpty())
        WritePrivateProfileStringA(section, nullptr, nullptr, path);
}

void CIniFiles::DeleteKey(CString path, CString section, CString key)
{
    if (!path.IsEmpty())
        WritePrivateProfileStringA(section, key, nullptr, path);
}

int CIniFiles::SplitString(CStringArray& out, CString& text, char separator)
{
    text.Replace("\\n", "\n");
    return ExStrTok(out, text, separator);
}
