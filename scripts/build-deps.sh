#!/usr/bin/env bash
# Cross-builds the third-party libraries for one MinGW target from Debian's source packages:
# jsoncpp, mbed TLS (crypto part), zlib, minizip and GoogleTest, as static libraries.
# Each lands in CACHE/deps/<arch>/<source>-<version>/{include,lib}; CACHE/deps/<arch>/<source>
# points at the version in use. A version already built is reused as it is.
#   scripts/build-deps.sh [CACHE [ARCH]]      ARCH: i686 (default) or x86_64
set -euo pipefail
cache=${1:-/var/cache/molvane}
arch=${2:-i686}
deps=$cache/deps/$arch
mkdir -p "$deps"
CC=$arch-w64-mingw32-gcc-posix
CXX=$arch-w64-mingw32-g++-posix
AR=$arch-w64-mingw32-ar
# The same floating point on both targets (see the top-level CMakeLists.txt).
archflags=
[ "$arch" = i686 ] && archflags="-msse2 -mfpmath=sse"
jobs=$(nproc)
log() { printf '[deps %s] %s\n' "$arch" "$*" >&2; }

# Every version the source lists offer, newest first: a security update may be listed
# but not served as source, so the next one down is tried.
src_versions() { apt-cache showsrc "$1" | sed -n 's/^Version: //p' | sort -Vru; }
dest_of() { echo "$deps/$1-${2//[:~]/_}"; }

# compile FILES... into archive OUT with FLAGS (space-separated) in parallel
compile_archive() {
  local out=$1 flags="$2 $archflags"; shift 2
  local objdir; objdir=$(mktemp -d)
  printf '%s\n' "$@" | xargs -P "$jobs" -I{} sh -c '
    f="{}"; o="'"$objdir"'/$(echo "$f" | tr / _).o"
    case "$f" in *.c) '"$CC"' '"$flags"' -c "$f" -o "$o";; *) '"$CXX"' '"$flags"' -std=c++17 -c "$f" -o "$o";; esac'
  rm -f "$out"
  $AR rcs "$out" "$objdir"/*.o
  rm -rf "$objdir"
}

build_one() {
  local src=$1 ver versions dest
  versions=$(src_versions "$src")
  [ -n "$versions" ] || { log "no source package $src (deb-src lines missing?)"; exit 1; }
  for ver in $versions; do
    dest=$(dest_of "$src" "$ver")
    if [ -f "$dest/.done" ]; then
      ln -sfn "$(basename "$dest")" "$deps/$src"
      return
    fi
  done
  local work; work=$(mktemp -d); chmod 755 "$work"
  for ver in $versions; do
    ( cd "$work" && apt-get source -q --only-source "$src=$ver" >/dev/null 2>&1 ) && break
    log "source $src=$ver not served, trying the next version"
    rm -rf "${work:?}"/*
    ver=
  done
  [ -n "$ver" ] || { log "no version of $src could be fetched"; exit 1; }
  log "building $src $ver"
  dest=$(dest_of "$src" "$ver")
  local dir; dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d); dir=${dir%%$'\n'*}
  rm -rf "$dest"; mkdir -p "$dest/include" "$dest/lib"
  case $src in
    zlib)
      ( cd "$dir" && compile_archive "$dest/lib/libz.a" "-O2 -I." \
          adler32.c compress.c crc32.c deflate.c gzclose.c gzlib.c gzread.c gzwrite.c \
          infback.c inffast.c inflate.c inftrees.c trees.c uncompr.c zutil.c )
      cp "$dir"/zlib.h "$dir"/zconf.h "$dest/include/" ;;
    minizip)
      local zinc=$deps/zlib/include
      ( cd "$dir" && compile_archive "$dest/lib/libminizip.a" "-O2 -I. -I$zinc" \
          ioapi.c unzip.c zip.c iowin32.c )
      mkdir -p "$dest/include/minizip"
      cp "$dir"/ioapi.h "$dir"/unzip.h "$dir"/zip.h "$dir"/iowin32.h "$dir"/crypt.h "$dest/include/minizip/" ;;
    libjsoncpp)
      ( cd "$dir" && compile_archive "$dest/lib/libjsoncpp.a" "-O2 -Iinclude -Isrc/lib_json" \
          src/lib_json/json_reader.cpp src/lib_json/json_value.cpp src/lib_json/json_writer.cpp )
      cp -r "$dir"/include/json "$dest/include/" ;;
    mbedtls)
      ( cd "$dir" && compile_archive "$dest/lib/libmbedcrypto.a" "-O2 -Iinclude -Ilibrary" \
          $(ls library/*.c | grep -vE 'library/(ssl|x509|net_sockets|debug|pkcs11|mps_)') )
      cp -r "$dir"/include/mbedtls "$dest/include/"
      [ -d "$dir/include/psa" ] && cp -r "$dir"/include/psa "$dest/include/" ;;
    googletest)
      ( cd "$dir" && compile_archive "$dest/lib/libgtest.a" \
          "-O1 -Igoogletest/include -Igoogletest -Igooglemock/include -Igooglemock" \
          googletest/src/gtest-all.cc googlemock/src/gmock-all.cc )
      ( cd "$dir" && compile_archive "$dest/lib/libgtest_main.a" "-O1 -Igoogletest/include -Igoogletest" \
          googletest/src/gtest_main.cc )
      cp -r "$dir"/googletest/include/gtest "$dir"/googlemock/include/gmock "$dest/include/" ;;
  esac
  echo "$ver" > "$dest/.done"
  ln -sfn "$(basename "$dest")" "$deps/$src"
  rm -rf "$work"
}

# zlib first: minizip compiles against it.
for s in zlib minizip libjsoncpp mbedtls googletest; do build_one "$s"; done
log "dependencies ready in $deps"
