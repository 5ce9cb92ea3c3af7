#!/usr/bin/env bash
# Test CA and a localhost server certificate for the local exchange peer.
# The CA goes into the Wine prefix's machine Root store (scripts/wine-prefix.sh) so that
# WinINet trusts the peer exactly as it would trust the real exchange.
set -euo pipefail
dir=$1
mkdir -p "$dir"
cd "$dir"
[ -f localhost.pem ] && [ -f ca.der ] && exit 0

openssl req -x509 -newkey rsa:2048 -nodes -days 3650 -sha256 \
  -subj "/CN=Molvane Test CA" -keyout ca.key -out ca.pem \
  -addext "basicConstraints=critical,CA:TRUE" -addext "keyUsage=critical,keyCertSign,cRLSign" 2>/dev/null
openssl req -newkey rsa:2048 -nodes -sha256 -subj "/CN=localhost" \
  -keyout localhost.key -out localhost.csr 2>/dev/null
cat > ext.cnf <<'EOF'
basicConstraints=CA:FALSE
keyUsage=critical,digitalSignature,keyEncipherment
extendedKeyUsage=serverAuth
subjectAltName=DNS:localhost,IP:127.0.0.1
EOF
openssl x509 -req -in localhost.csr -CA ca.pem -CAkey ca.key -CAcreateserial \
  -days 3650 -sha256 -extfile ext.cnf -out localhost.pem 2>/dev/null
openssl x509 -in ca.pem -outform DER -out ca.der
rm -f localhost.csr ext.cnf
echo "[setup] test certificates in $dir" >&2
