#!/usr/bin/env bash
# Prints the targets this machine can run under Wine, one per line (i686 first). Decided by
# starting each Wine loader, not by the machine's name: some kernels refuse 32-bit programs
# ("Exec format error"), and there 32-bit Wine cannot run at all. The reason a target is
# skipped goes to standard error.
# Callers decide once per run and hand the list down in MOLVANE_RUNNABLE (see wine-env.sh),
# so that the build's prefix step and the tests never ask twice and never disagree.
for arch in i686 x86_64; do
  case $arch in i686) loader=/usr/lib/wine/wine ;; x86_64) loader=/usr/lib/wine/wine64 ;; esac
  if [ -x "$loader" ] && "$loader" --version >/dev/null 2>&1; then
    echo "$arch"
  elif [ ! -x "$loader" ]; then
    echo "[targets] $arch skipped: $loader is not installed" >&2
  else
    why=$( { "$loader" --version; } 2>&1 >/dev/null )
    why=${why##*$'\n'}
    why=$(sed -E 's/^.*line [0-9]+: [^:]+: //' <<<"$why")
    echo "[targets] $arch skipped: $loader does not run on this machine ($why)" >&2
  fi
done
