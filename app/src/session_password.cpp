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

// The password as the login sends it: blanks around it are no part of it. Both the remembered
// password and every entry compared with it are taken this way.
class CEntry
{
public:
    explicit CEntry(const char* typed) : m_text(typed != NULL ? typed : "") { m_text.Trim(); }
    ~CEntry()
    {
        SecureZeroMemory(m_text.GetBuffer(), m_text.GetLength());
        m_text.ReleaseBuffer(0);
    }
    const char* Text() const { return m_text; }
    BOOL IsEmpty() const { return m_text.IsEmpty(); }

private:
    CString m_text;
};

} // namespace

void CSessionPassword::Remember(const char* password)
{
    Forget();
    const CEntry entry(password);
    if (entry.IsEmpty())
        return;
    if (!BCRYPT_SUCCESS(::BCryptGenRandom(NULL, g_stored.salt, kSaltSize, BCRYPT_USE_SYSTEM_PREFERRED_RNG)))
        return;
    g_stored.set = Derive(entry.Text(), g_stored.salt, g_stored.hash);
    if (!g_stored.set)
        Forget();
}

BOOL CSessionPassword::Matches(const char* text)
{
    const CEntry entry(text);
    if (!g_stored.set || entry.IsEmpty())
        return FALSE;
    BYTE hash[kHashSize];
    if (!Derive(entry.Text(), g_stored.salt, hash))
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
