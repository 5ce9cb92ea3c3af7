// The session's password hash: PBKDF2-HMAC-SHA256 over a random salt.
#include "SessionPassword.h"

#include <bcrypt.h>

#include <mbedtls/md.h>
#include <mbedtls/pkcs5.h>
#include <mbedtls/platform_util.h>

namespace {

const int kSaltSize = 16;
const int kHashSize = 32;
// Enough to make a copied memory image costly to search, short enough for an unlock on Enter.
const unsigned kRounds = 20000;

struct Stored
{
    BOOL set;
    BYTE salt[kSaltSize];
    BYTE hash[kHashSize];
} g_stored = {FALSE, {0}, {0}};

BOOL Derive(const char* password, const BYTE* salt, BYTE* out)
{
    const mbedtls_md_info_t* info = mbedtls_md_info_from_type(MBEDTLS_MD_SHA256);
    if (info == NULL)
        return FALSE;
    mbedtls_md_context_t md;
    mbedtls_md_init(&md);
    BOOL ok = mbedtls_md_setup(&md, info, 1) == 0 &&
              mbedtls_pkcs5_pbkdf2_hmac(&md, reinterpret_cast<const unsigned char*>(password), strlen(password), salt,
                                        kSaltSize, kRounds, kHashSize, out) == 0;
    mbedtls_md_free(&md);
    return ok;
}

} // namespace

void CSessionPassword::Remember(const char* password)
{
    Forget();
    if (password == NULL || *password == '\0')
        return;
    if (!BCRYPT_SUCCESS(::BCryptGenRandom(NULL, g_stored.salt, kSaltSize, BCRYPT_USE_SYSTEM_PREFERRED_RNG)))
        return;
    g_stored.set = Derive(password, g_stored.salt, g_stored.hash);
    if (!g_stored.set)
        Forget();
}

BOOL CSessionPassword::Matches(const char* text)
{
    if (!g_stored.set || text == NULL || *text == '\0')
        return FALSE;
    BYTE hash[kHashSize];
    if (!Derive(text, g_stored.salt, hash))
        return FALSE;
    // Every byte compared, whatever differs first.
    BYTE diff = 0;
    for (int i = 0; i < kHashSize; ++i)
        diff |= (BYTE)(hash[i] ^ g_stored.hash[i]);
    mbedtls_platform_zeroize(hash, sizeof hash);
    return diff == 0;
}

BOOL CSessionPassword::IsSet()
{
    return g_stored.set;
}

void CSessionPassword::Forget()
{
    mbedtls_platform_zeroize(&g_stored, sizeof g_stored);
    g_stored.set = FALSE;
}
