// AfxParseURL: splits a URL into service, server, object and port.
#include <afxinet.h>

#include <ctype.h>

namespace {

struct Scheme
{
    const char* name;
    DWORD dwServiceType;
    INTERNET_PORT nDefaultPort;
    bool bHierarchical; // "scheme://server/object" rather than "scheme:object"
};

const Scheme kSchemes[] = {
    {"http", AFX_INET_SERVICE_HTTP, INTERNET_DEFAULT_HTTP_PORT, true},
    {"https", AFX_INET_SERVICE_HTTPS, INTERNET_DEFAULT_HTTPS_PORT, true},
    {"ftp", AFX_INET_SERVICE_FTP, INTERNET_DEFAULT_FTP_PORT, true},
    {"gopher", AFX_INET_SERVICE_GOPHER, INTERNET_DEFAULT_GOPHER_PORT, true},
    {"file", AFX_INET_SERVICE_FILE, 0, true},
    {"telnet", AFX_INET_SERVICE_TELNET, 23, true},
    {"nntp", AFX_INET_SERVICE_NNTP, 119, true},
    {"wais", AFX_INET_SERVICE_WAIS, 210, true},
    {"prospero", AFX_INET_SERVICE_PROSPERO, 1525, true},
    {"afs", AFX_INET_SERVICE_AFS, 0, true},
    {"mailto", AFX_INET_SERVICE_MAILTO, 0, false},
    {"news", AFX_INET_SERVICE_NEWS, 0, false},
    {"mid", AFX_INET_SERVICE_MID, 0, false},
    {"cid", AFX_INET_SERVICE_CID, 0, false},
};

const Scheme* FindScheme(const CString& name)
{
    for (const Scheme& s : kSchemes)
        if (name.CompareNoCase(s.name) == 0)
            return &s;
    return NULL;
}

// "[user[:password]@]host[:port]" of a hierarchical URL.
bool SplitAuthority(const CString& authority, const Scheme& scheme, CString& strServer, INTERNET_PORT& nPort,
                    CString& strUsername, CString& strPassword)
{
    CString hostPort = authority;
    const int nAt = authority.ReverseFind('@');
    if (nAt >= 0) {
        const CString userInfo = authority.Left(nAt);
        hostPort = authority.Mid(nAt + 1);
        const int nColon = userInfo.Find(':');
        strUsername = nColon >= 0 ? userInfo.Left(nColon) : userInfo;
        strPassword = nColon >= 0 ? userInfo.Mid(nColon + 1) : CString();
    }
    int nPortStart = -1;
    if (hostPort.Left(1) == "[") { // IPv6 literal
        const int nClose = hostPort.Find(']');
        if (nClose < 0)
            return false;
        strServer = hostPort.Mid(1, nClose - 1);
        if (nClose + 1 < hostPort.GetLength()) {
            if (hostPort[nClose + 1] != ':')
                return false;
            nPortStart = nClose + 2;
        }
    } else {
        const int nColon = hostPort.Find(':');
        strServer = nColon >= 0 ? hostPort.Left(nColon) : hostPort;
        if (nColon >= 0)
            nPortStart = nColon + 1;
    }
    nPort = scheme.nDefaultPort;
    if (nPortStart >= 0 && nPortStart < hostPort.GetLength()) {
        unsigned long value = 0;
        for (int i = nPortStart; i < hostPort.GetLength(); ++i) {
            const char ch = hostPort[i];
            if (!isdigit(static_cast<unsigned char>(ch)) || (value = value * 10 + (ch - '0')) > 65535)
                return false;
        }
        if (value == 0)
            return false;
        nPort = static_cast<INTERNET_PORT>(value);
    }
    return !strServer.IsEmpty() || scheme.dwServiceType == AFX_INET_SERVICE_FILE;
}

} // namespace

BOOL AFXAPI AfxParseURLEx(LPCSTR pstrURL, DWORD& dwServiceType, CString& strServer, CString& strObject,
                          INTERNET_PORT& nPort, CString& strUsername, CString& strPassword, DWORD)
{
    dwServiceType = AFX_INET_SERVICE_UNK;
    strServer.Empty();
    strObject.Empty();
    strUsername.Empty();
    strPassword.Empty();
    nPort = 0;
    if (pstrURL == NULL)
        return FALSE;

    CString url(pstrURL);
    url.Trim();
    const int nColon = url.Find(':');
    if (nColon <= 0)
        return FALSE;
    const Scheme* scheme = FindScheme(url.Left(nColon));
    if (scheme == NULL)
        return FALSE;
    CString rest = url.Mid(nColon + 1);

    if (!scheme->bHierarchical) {
        if (rest.IsEmpty())
            return FALSE;
        dwServiceType = scheme->dwServiceType;
        strObject = rest;
        return TRUE;
    }
    if (rest.Left(2) != "//")
        return FALSE;
    rest = rest.Mid(2);
    int nObject = rest.FindOneOf("/?#");
    if (nObject < 0)
        nObject = rest.GetLength();
    CString server;
    INTERNET_PORT port = 0;
    if (!SplitAuthority(rest.Left(nObject), *scheme, server, port, strUsername, strPassword)) {
        strUsername.Empty();
        strPassword.Empty();
        return FALSE;
    }
    CString object = rest.Mid(nObject);
    if (object.IsEmpty() || object[0] != '/')
        object.Insert(0, '/');

    dwServiceType = scheme->dwServiceType;
    strServer = server;
    strObject = object;
    nPort = port;
    return TRUE;
}

BOOL AFXAPI AfxParseURL(LPCSTR pstrURL, DWORD& dwServiceType, CString& strServer, CString& strObject,
                        INTERNET_PORT& nPort)
{
    CString strUsername, strPassword;
    return AfxParseURLEx(pstrURL, dwServiceType, strServer, strObject, nPort, strUsername, strPassword, 0);
}
