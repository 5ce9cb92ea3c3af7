// Adds a DER certificate to the machine's Root store of the current Wine prefix, so that
// WinINet trusts the local exchange peer without any certificate-ignore flag.
#include <windows.h>
#include <wincrypt.h>
#include <cstdio>
#include <vector>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: certinstall ca.der\n");
        return 2;
    }
    FILE* f = std::fopen(argv[1], "rb");
    if (!f) {
        std::fprintf(stderr, "certinstall: cannot open %s\n", argv[1]);
        return 1;
    }
    std::vector<BYTE> der;
    BYTE buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        der.insert(der.end(), buf, buf + n);
    std::fclose(f);

    HCERTSTORE store = CertOpenStore(CERT_STORE_PROV_SYSTEM_A, 0, 0,
                                     CERT_SYSTEM_STORE_LOCAL_MACHINE, "ROOT");
    if (!store) {
        std::fprintf(stderr, "certinstall: CertOpenStore failed %lu\n", GetLastError());
        return 1;
    }
    BOOL ok = CertAddEncodedCertificateToStore(store, X509_ASN_ENCODING, der.data(),
                                               (DWORD)der.size(), CERT_STORE_ADD_REPLACE_EXISTING,
                                               nullptr);
    DWORD err = GetLastError();
    CertCloseStore(store, 0);
    if (!ok) {
        std::fprintf(stderr, "certinstall: adding the certificate failed %lu\n", err);
        return 1;
    }
    return 0;
}
