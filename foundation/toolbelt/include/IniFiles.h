// INI settings files through the platform's private-profile functions. An object is bound to
// one file path; the static operations take the path first. Nothing is cached: every call reads
// or writes the file. An object without a path reads defaults and writes nothing (it never
// falls back to the platform's default file).
#pragma once

#include <afx.h>
#include <afxcoll.h>
#include "ToolBeltApi.h"

class TOOLBELT_API CIniFiles
{
public:
    CIniFiles() {}
    explicit CIniFiles(CString path) : m_strFileName(path) {}
    CIniFiles(const CIniFiles& other) : m_strFileName(other.m_strFileName) {}
    ~CIniFiles() {}
    CIniFiles& operator=(const CIniFiles& other)
    {
        m_strFileName = other.m_strFileName;
        return *this;
    }
    CString GetFileName() const { return m_strFileName; }

    // Binds the object to path; the file is neither opened nor tested. Returns 1.
    int Create(CString path);

    CString ReadString(CString section, CString key, CString defaultValue);
    BOOL WriteString(CString section, CString key, CString value);
    // Integers, flags and colours are stored as "%d"; the reads return atoi of the stored text
    // (a flag holding 5 reads as 5, text that is not a number as 0).
    int ReadBool(CString section, CString key, int defaultValue);
    int ReadInteger(CString section, CString key, int defaultValue);
    COLORREF ReadCOLORREF(CString section, CString key, COLORREF defaultValue);
    BOOL WriteBool(CString section, CString key, int value);
    BOOL WriteInteger(CString section, CString key, int value);
    BOOL WriteCOLORREF(CString section, CString key, COLORREF value);

    // The section's "key=value" lines, trimmed, in file order.
    void ReadSection(CString section, CStringArray& out);
    void ReadSectionValues(CString section, CStringArray& out);
    // Every section name, right-trimmed, in file order.
    void ReadSections(CStringArray& out);
    // The value split at separator (with "\n" as written in the file turned into line feeds).
    int ReadSectionValueParsing(CString section, CString key, char separator, CStringArray& out);
    // 1 when a line of the section has exactly key before its first "=".
    int ValueExists(CString section, CString key);
    // 1 when a section name equals section, blanks around both ignored.
    int SectionExists(CString section);
    BOOL EraseSection(CString section);
    BOOL DeleteKey(CString section, CString key);

    static CString ReadIniString(CString path, CString section, CString key);
    static int ReadIniInt(CString path, CString section, CString key);
    static int WriteIniString(CString path, CString section, CString key, CString value);
    static int WriteIniInt(CString path, CString section, CString key, int value);
    // The section's lines as the platform returns them.
    static int GetIniSectionStrings(CString path, CString section, CStringArray& out);
    // The text before the first "=" of every line of the section.
    static int GetIniNames(CString path, CString section, CStringArray& out);
    static int GetIniSectionNames(CStringArray& out, CString path);
    static void DeleteSection(CString path, CString section);
    static void DeleteKey(CString path, CString section, CString key);
    // Replaces every backslash-n pair in text by a line feed (in place), then splits it at
    // separator into out; returns the number of fields (an empty text gives one empty field).
    static int SplitString(CStringArray& out, CString& text, char separator);

private:
    int ReadNumber(CString section, CString key, int defaultValue);
    BOOL WriteNumber(CString section, CString key, int value);

    CString m_strFileName;
};
