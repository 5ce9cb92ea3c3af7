#include "Utils.h"

#include <string.h>
#include <wincrypt.h>

namespace {

DWORD LastError()
{
    const DWORD error = GetLastError();
    return error ? error : static_cast<DWORD>(NTE_FAIL);
}

// RC4 keyed by the MD5 hash of key, applied in place to out after copying in.
DWORD RunCipher(bool encrypt, const char* key, DWORD keyLen, const char* in, char* out, DWORD len)
{
    if ((len && (in == nullptr || out == nullptr)) || (keyLen && key == nullptr))
        return ERROR_INVALID_PARAMETER;
    if (len)
        memmove(out, in, len);

    HCRYPTPROV provider = 0;
    HCRYPTHASH hash = 0;
    HCRYPTKEY rc4 = 0;
    DWORD error = 0;
    DWORD outLen = len;
    if (!CryptAcquireContextA(&provider, nullptr, nullptr, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT))
        error = LastError();
    else if (!CryptCreateHash(provider, CALG_MD5, 0, 0, &hash))
        error = LastError();
    else if (!CryptHashData(hash, reinterpret_cast<const BYTE*>(key), keyLen, 0))
        error = LastError();
    else if (!CryptDeriveKey(provider, CALG_RC4, hash, CRYPT_EXPORTABLE, &rc4))
        error = LastError();
    else if (encrypt ? !CryptEncrypt(rc4, 0, TRUE, 0, reinterpret_cast<BYTE*>(out), &outLen, len)
                     : !CryptDecrypt(rc4, 0, TRUE, 0, reinterpret_cast<BYTE*>(out), &outLen))
        error = LastError();
    if (error == 0 && outLen != len)
        error = ERROR_INVALID_DATA;

    if (rc4)
        CryptDestroyKey(rc4);
    if (hash)
        CryptDestroyHash(hash);
    if (provider)
        CryptReleaseContext(provider, 0);
    return error;
}

} // namespace

DWORD CUtils::GetEncrypt(char* key, DWORD keyLen, char* in, char* out, DWORD len)
{
    return RunCipher(true, key, keyLen, in, out, len);
}

DWORD CUtils::GetDecrypt(char* key, DWORD keyLen, char* in, char* out, DWORD len)
{
    return RunCipher(false, key, keyLen, in, out, len);
}
