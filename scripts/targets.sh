#!/usr/bin/env bash
# Prints the targets this machine can run under Wine, one per line (i686 first). Decided by
# starting each Wine loader, not by the machine's name: some kernels refuse 32-bit programs
# ("Exec format error"), and there 32-bit Wine cannot run at all.
for arch in i686 x86_64; do
  case $arch in i686) loader=/usr/lib/wine/wine ;; x86_64) loader=/usr/lib/wine/wine64 ;; esac
  if [ -x "$loader" ] && "$loader" --version >/dev/null 2>&1; then
    echo "$arch"
  else
    echo "[targets] $arch skipped: $loader does not run on this machine" \
         "($( { "$loader" --version; } 2>&1 >/dev/null | tail -n1 | sed -E 's/^.*line [0-9]+: [^:]+: //'))" >&2
  fi
done
