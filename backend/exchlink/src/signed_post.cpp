// The HTTPS POST of a signed private request: a fresh session, connection and request each time.
#include "ZembraSigner.h"

#include <afxinet.h>
#include <string.h>
#include "base_url.h"

namespace {

const DWORD kReplyChunk = 3072;

// Connect, send and receive time-out of a private request: an exchange that stops answering
// must not hold the user-interface thread, which waits for the reply, indefinitely. Long enough
// for an exchange that is merely busy; an order given up on is settled by its caller.
const DWORD kTimeOutMs = 15000;
const DWORD kTimeOutOptions[] = {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                                 INTERNET_OPTION_RECEIVE_TIMEOUT};

void DropError(CInternetException* e)
{
    char szError[256];
    e->GetErrorMessage(szError, sizeof(szError));
    e->Delete();
}

} // namespace

CString CZembraSigner::Post(const ZEMBRA_SIGNED_REQUEST& req)
{
    DWORD dwService = 0;
    CString strServer, strObject;
    INTERNET_PORT nPort = 0;
    if (!AfxParseURL(req.szURL, dwService, strServer, strObject, nPort))
        return CString();

    CString strReply;
    CInternetSession* pSession = NULL;
    CHttpConnection* pConnection = NULL;
    CHttpFile* pFile = NULL;
    try
    {
        pSession = new CInternetSession(NULL, 1, PRE_CONFIG_INTERNET_ACCESS);
        for (DWORD option : kTimeOutOptions)
            pSession->SetOption(option, kTimeOutMs);
        pConnection = pSession->GetHttpConnection(strServer, nPort);
        DWORD dwFlags = INTERNET_FLAG_MAKE_PERSISTENT;
        if (dwService == AFX_INET_SERVICE_HTTPS)
            dwFlags |= INTERNET_FLAG_SECURE;
        pFile = pConnection->OpenRequest(CHttpConnection::HTTP_VERB_POST, strObject, NULL, 1, NULL, NULL, dwFlags);
        // Not every WinINet hands the session's time-outs on to its requests.
        for (DWORD option : kTimeOutOptions)
            pFile->SetOption(option, kTimeOutMs);

        const char* headers[] = {"Content-Type: application/x-www-form-urlencoded", req.szHeaderKey,
                                 req.szHeaderSign, req.szHeaderNonce, req.szHeaderClientType};
        BOOL bHeaders = TRUE;
        for (const char* header : headers)
            bHeaders = bHeaders && pFile->AddRequestHeaders(header, HTTP_ADDREQ_FLAG_ADD_IF_NEW);
        if (bHeaders)
        {
            // The body is written after the headers rather than handed over with them: WinINet
            // then holds no copy of it and cannot silently send the request again (same nonce,
            // refused by the exchange) when a kept-alive connection it reused dies unanswered.
            // Connections are pooled per server for the whole process, so no request flag,
            // header or session of our own keeps a request off a reused one.
            DWORD dwBody = static_cast<DWORD>(strlen(req.szBody));
            pFile->SendRequestEx(dwBody);
            pFile->Write(req.szBody, dwBody);
            pFile->EndRequest();
            DWORD dwStatus = 0;
            pFile->QueryInfoStatusCode(dwStatus); // any status: the body is the reply

            char buf[kReplyChunk];
            try
            {
                UINT nRead;
                while ((nRead = pFile->Read(buf, kReplyChunk)) > 0)
                    strReply.Append(buf, static_cast<int>(nRead));
            }
            catch (CInternetException* e)
            {
                DropError(e); // keep what was read
            }
        }
    }
    catch (CInternetException* e)
    {
        DropError(e);
        strReply.Empty();
    }

    if (pFile)
    {
        pFile->Close();
        delete pFile;
    }
    if (pConnection)
    {
        pConnection->Close();
        delete pConnection;
    }
    if (pSession)
    {
        pSession->Close();
        delete pSession;
    }
    return strReply;
}

CString CZembraSigner::PostSignedRequest(LPCSTR pszEndpoint, LPCSTR pszParams, LPCSTR pszAPIKey,
                                         LPCSTR pszSecKey)
{
    ZEMBRA_SIGNED_REQUEST req;
    if (!Sign(ZembraBaseURL(), pszEndpoint, pszParams, pszAPIKey, pszSecKey, NextNonce(), req))
        return CString();
    return Post(req);
}
