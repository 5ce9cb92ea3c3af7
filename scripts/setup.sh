#!/usr/bin/env bash
# Makes a fresh Debian machine ready to build and test Molvane. Idempotent: every step
# checks what is already there, so a second run costs seconds.
#
#   scripts/setup.sh            packages, locale, dependencies of both targets
#
# Environment:
#   MOLVANE_CACHE   where cross-built dependencies are kept (default /var/cache/molvane)
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
cache=${MOLVANE_CACHE:-/var/cache/molvane}
log() { printf '[setup] %s\n' "$*" >&2; }

packages=(
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine32:i386 wine64 fonts-wine xvfb xauth fonts-nanum
  cmake ninja-build python3 openssl dpkg-dev locales zip unzip
)

install_packages() {
  local missing=()
  # Outputs are read whole before they are searched: under pipefail a reader that leaves
  # early (grep -q) kills its writer with SIGPIPE and the test reads as false.
  local foreign status
  foreign=$(dpkg --print-foreign-architectures)
  case $'\n'"$foreign"$'\n' in *$'\n'i386$'\n'*) ;; *) dpkg --add-architecture i386 ;; esac
  for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [ "$status" = 'install ok installed' ] || missing+=("$p")
  done
  local need_src=0
  if [ -f /etc/apt/sources.list.d/debian.sources ] &&
     ! grep -q '^Types: deb deb-src' /etc/apt/sources.list.d/debian.sources; then
    sed -i 's/^Types: deb$/Types: deb deb-src/' /etc/apt/sources.list.d/debian.sources
    need_src=1
  fi
  if [ -f /etc/apt/sources.list ] && grep -q '^deb ' /etc/apt/sources.list &&
     ! grep -q '^deb-src ' /etc/apt/sources.list; then
    sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >> /etc/apt/sources.list
    need_src=1
  fi
  if [ ${#missing[@]} -gt 0 ] || [ $need_src = 1 ] || ! apt-cache showsrc zlib >/dev/null 2>&1; then
    log "installing: ${missing[*]:-(source lists only)}"
    apt-get update -q
    [ ${#missing[@]} -eq 0 ] || DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
  fi
}

make_locale() {
  local locales
  locales=$(locale -a 2>/dev/null || true)
  if ! grep -qix 'ko_KR.utf8' <<<"$locales"; then
    log "generating ko_KR.UTF-8"
    sed -i 's/^# *ko_KR.UTF-8 UTF-8/ko_KR.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^ko_KR.UTF-8 UTF-8' /etc/locale.gen || echo 'ko_KR.UTF-8 UTF-8' >> /etc/locale.gen
    locale-gen >/dev/null
  fi
}

install_packages
make_locale
# Both targets build everywhere; which of them run is the tests' question (scripts/targets.sh).
for arch in i686 x86_64; do "$here/scripts/build-deps.sh" "$cache" "$arch"; done
log "ready (dependencies in $cache/deps/<target>)"
