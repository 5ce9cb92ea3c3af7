// The version check's records: the installed version from version.dat, the request body and
// the answer.
#include "VersionCheck.h"

#include "TextUtils.h"

BOOL ReadInstalledVersion(const char* path, CString& version)
{
    version.Empty();
    CStdioFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyNone | CFile::typeText))
        return FALSE;
    CString line;
    while (file.ReadString(line)) {
        line.Trim();
        if (line.IsEmpty())
            continue;
        if (line.Find("version") < 0)
            continue;
        CStringArray parts;
        if (ExStrTok(parts, line, '=') == 2)
            version = parts[1];
        break;
    }
    file.Close();
    return TRUE;
}

void MakeVersionBody(const CString& version, BYTE body[VERSION_BODY_SIZE])
{
    memset(body, ' ', VERSION_BODY_SIZE);
    const int n = version.GetLength() < VERSION_BODY_SIZE ? version.GetLength() : VERSION_BODY_SIZE;
    memcpy(body, (LPCTSTR)version, n);
}

int IsUpdateReply(const BYTE* body, int len)
{
    return body != NULL && len >= VERSION_BODY_SIZE + 1 && body[VERSION_BODY_SIZE] == 'Y' ? 1 : 0;
}
