// Form body, signed message and signature of a private request, each bounded by its buffer.
#include "ZembraSigner.h"

#include <afxmt.h>
#include <mbedtls/base64.h>
#include <mbedtls/md.h>
#include <stdio.h>
#include <string.h>

namespace {

// printf into a fixed buffer; FALSE when the text would not fit (the buffer is then cleared).
template <size_t N, typename... Args>
BOOL FitFormat(char (&buf)[N], const char* fmt, Args... args)
{
    int n = snprintf(buf, N, fmt, args...);
    if (n < 0 || static_cast<size_t>(n) >= N)
    {
        buf[0] = '\0';
        return FALSE;
    }
    return TRUE;
}

BOOL IsPlainByte(unsigned char c)
{
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))
        return TRUE;
    return strchr("@.=\\-_:&", c) != NULL && c != '\0';
}

// HMAC-SHA-512 of the message keyed with the secret, as 128 lower-case hexadecimal characters.
BOOL MacHex(const char* pszSecret, const char* pszMessage, char (&szHex)[129])
{
    const mbedtls_md_info_t* info = mbedtls_md_info_from_type(MBEDTLS_MD_SHA512);
    unsigned char mac[64];
    if (!info || mbedtls_md_hmac(info, reinterpret_cast<const unsigned char*>(pszSecret), strlen(pszSecret),
                                 reinterpret_cast<const unsigned char*>(pszMessage), strlen(pszMessage), mac) != 0)
        return FALSE;
    static const char digits[] = "0123456789abcdef";
    for (int i = 0; i < 64; ++i)
    {
        szHex[2 * i] = digits[mac[i] >> 4];
        szHex[2 * i + 1] = digits[mac[i] & 0x0F];
    }
    szHex[128] = '\0';
    return TRUE;
}

CCriticalSection g_csNonce;
ULONGLONG g_ullLastNonce = 0;

} // namespace

CString CZembraSigner::UrlEncode(LPCSTR pszText)
{
    CString out;
    if (!pszText)
        return out;
    int len = static_cast<int>(strlen(pszText));
    // Three bytes per input byte at most.
    char* dst = out.GetBuffer(3 * len + 1);
    char* p = dst;
    static const char hex[] = "0123456789ABCDEF";
    for (const unsigned char* s = reinterpret_cast<const unsigned char*>(pszText); *s; ++s)
    {
        if (IsPlainByte(*s))
            *p++ = static_cast<char>(*s);
        else
        {
            *p++ = '%';
            *p++ = hex[*s >> 4];
            *p++ = hex[*s & 0x0F];
        }
    }
    out.ReleaseBuffer(static_cast<int>(p - dst));
    return out;
}

BOOL CZembraSigner::Sign(LPCSTR pszBaseURL, LPCSTR pszEndpoint, LPCSTR pszParams, LPCSTR pszAPIKey,
                         LPCSTR pszSecKey, ULONGLONG ullNonce, ZEMBRA_SIGNED_REQUEST& req)
{
    memset(&req, 0, sizeof(req));
    if (!pszBaseURL || !pszEndpoint)
        return FALSE;
    if (!pszParams)
        pszParams = "";
    if (!pszAPIKey)
        pszAPIKey = "";
    if (!pszSecKey)
        pszSecKey = "";

    if (!FitFormat(req.szURL, "%s%s", pszBaseURL, pszEndpoint) ||
        !FitFormat(req.szNonce, "%llu", static_cast<unsigned long long>(ullNonce)) ||
        !FitFormat(req.szForm, "endpoint=%s&%s", pszEndpoint, pszParams))
        return FALSE;

    CString body = UrlEncode(req.szForm);
    if (!FitFormat(req.szBody, "%s", body.GetString()))
        return FALSE;
    body.Empty();

    if (!FitFormat(req.szMessage, "%s%c%s%c%s", pszEndpoint, 1, req.szBody, 1, req.szNonce) ||
        !MacHex(pszSecKey, req.szMessage, req.szMacHex))
        return FALSE;

    size_t olen = 0;
    if (mbedtls_base64_encode(reinterpret_cast<unsigned char*>(req.szSign), sizeof(req.szSign), &olen,
                              reinterpret_cast<const unsigned char*>(req.szMacHex), 128) != 0)
        return FALSE;

    return FitFormat(req.szHeaderKey, "Api-Key: %s", pszAPIKey) &&
           FitFormat(req.szHeaderSign, "Api-Sign:%s", req.szSign) &&
           FitFormat(req.szHeaderNonce, "Api-Nonce:%s", req.szNonce) &&
           FitFormat(req.szHeaderClientType, "%s", "api-client-type:1");
}

ULONGLONG CZembraSigner::NextNonce()
{
    FILETIME ft;
    GetSystemTimeAsFileTime(&ft);
    ULONGLONG ticks = (static_cast<ULONGLONG>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    ULONGLONG micros = (ticks - 116444736000000000ULL) / 10; // since 1970-01-01 UTC
    ULONGLONG now = (micros / 1000000) * 1000 + (micros % 1000000) / 1000;

    CSingleLock lock(&g_csNonce, TRUE);
    if (now <= g_ullLastNonce)
        now = g_ullLastNonce + 1;
    g_ullLastNonce = now;
    return now;
}
