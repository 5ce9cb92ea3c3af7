// Signing of private exchange requests: form body, signed message, HMAC-SHA-512 signature and the
// header lines, each in a fixed buffer; and the HTTPS POST that carries them.
#pragma once

#include <afx.h>
#include "ExchLinkExport.h"

// Everything one signed private request puts on the wire. Each text is NUL-terminated; the
// signed message holds two 0x01 bytes and no other control bytes.
struct ZEMBRA_SIGNED_REQUEST
{
    char szURL[128];              // base address + endpoint
    char szNonce[20];             // decimal milliseconds since 1970
    char szForm[1024];            // "endpoint=<endpoint>&<parameters>"
    char szBody[1024];            // the form text URL-encoded
    char szMessage[1024];         // endpoint 0x01 body 0x01 nonce
    char szMacHex[129];           // HMAC-SHA-512 of the message, lower-case hexadecimal
    char szSign[173];             // Base64 of szMacHex
    char szHeaderKey[128];        // "Api-Key: <API key>"
    char szHeaderSign[1024];      // "Api-Sign:<signature>"
    char szHeaderNonce[128];      // "Api-Nonce:<nonce>"
    char szHeaderClientType[128]; // "api-client-type:1"
};

class EXCHLINK_API CZembraSigner
{
public:
    // Digits, ASCII letters and "@.=\-_:&" stay; every other byte becomes "%XX" (upper case).
    static CString UrlEncode(LPCSTR pszText);

    // Fills req for one request. FALSE (req then holds nothing usable) when the URL, form text,
    // body, message or a header line would not fit its buffer: such a request is never sent.
    static BOOL Sign(LPCSTR pszBaseURL, LPCSTR pszEndpoint, LPCSTR pszParams, LPCSTR pszAPIKey,
                     LPCSTR pszSecKey, ULONGLONG ullNonce, ZEMBRA_SIGNED_REQUEST& req);

    // Milliseconds since 1970-01-01 UTC, raised where needed so that every nonce handed out in
    // this process is strictly greater than the one before (the exchange refuses a reused one).
    static ULONGLONG NextNonce();

    // One HTTPS POST of a signed request over a fresh internet session. The reply body whatever
    // the HTTP status; the empty text when the URL cannot be split or no reply came; the bytes
    // read so far when reading broke off.
    static CString Post(const ZEMBRA_SIGNED_REQUEST& req);

    // Sign with a new nonce and Post; the empty text when the request does not fit its buffers.
    static CString PostSignedRequest(LPCSTR pszEndpoint, LPCSTR pszParams, LPCSTR pszAPIKey,
                                     LPCSTR pszSecKey);
};
