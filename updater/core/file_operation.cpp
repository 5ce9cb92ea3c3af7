#include "file_operation.h"

#include <windows.h>

#include "folder_ops.h"
#include "install_journal.h"

CFileOperation::CFileOperation(InstallJournal& journal) : m_journal(journal), m_strError("No error")
{
}

bool CFileOperation::Fail(const std::string& text)
{
    m_strError = text;
    return false;
}

bool CFileOperation::Copy(const std::string& sourcePath, const std::string& destination)
{
    std::string source = sourcePath;
    while (!source.empty() && source.back() == '\\')
        source.pop_back();
    PathKind sourceKind = GetPathKind(source);
    PathKind destinationKind = GetPathKind(destination);
    if (sourceKind == PATH_MISSING)
        return Fail(source + " not found");
    if (destinationKind == PATH_MISSING)
        return Fail(destination + " not found");
    if (destinationKind == PATH_FILE)
        return Fail("Wrong operation");

    size_t slash = source.rfind('\\');
    std::string name = source.substr(slash + 1);
    std::string target = WithBackslash(destination) + name;
    if (sourceKind == PATH_FILE)
        return m_journal.PutFile(source, target, m_strError);

    const std::string parent = source.substr(0, slash);
    if (IsInFolder(parent, destination) && IsInFolder(destination, parent))
        return true; // already where it belongs: its folder is the destination
    if (IsInFolder(destination, source))
        return Fail("Wrong operation: \"" + destination + "\" lies inside \"" + source + "\"");
    return CopyFolder(source, target);
}

bool CFileOperation::CopyFolder(const std::string& source, const std::string& target)
{
    if (GetPathKind(target) == PATH_FILE)
        return Fail("Wrong operation: \"" + target + "\" is a file");
    if (!m_journal.MakeFolder(target, m_strError))
        return false;
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((source + "\\*.*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return true;
    bool ok = true;
    do
    {
        std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        std::string from = source + "\\" + name, to = target + "\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
            ok = Fail("\"" + from + "\" is a link");
        else if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            ok = CopyFolder(from, to);
        else
            ok = m_journal.PutFile(from, to, m_strError);
    } while (ok && FindNextFileA(find, &found));
    FindClose(find);
    return ok;
}
