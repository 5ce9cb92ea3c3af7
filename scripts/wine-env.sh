# Sourced: the environment every Molvane program runs in under Wine, for the target in
# MOLVANE_ARCH (i686, the default, or x86_64). Sets MOLVANE_WINE to the target's loader:
# Debian's /usr/bin/wine picks the 32-bit loader whenever wine32 is installed, so 64-bit
# programs name the 64-bit loader themselves.
export MOLVANE_ARCH=${MOLVANE_ARCH:-i686}
case $MOLVANE_ARCH in
  i686)   export WINEARCH=win32 MOLVANE_WINE=/usr/lib/wine/wine ;;
  x86_64) export WINEARCH=win64 MOLVANE_WINE=/usr/lib/wine/wine64 WINELOADER=/usr/lib/wine/wine64 ;;
  *) echo "MOLVANE_ARCH must be i686 or x86_64, not '$MOLVANE_ARCH'" >&2; return 1 2>/dev/null || exit 1 ;;
esac
export WINEDEBUG=${WINEDEBUG:--all}
export LC_ALL=ko_KR.UTF-8
export LANG=ko_KR.UTF-8
# No Mono or Gecko installer prompts; without a browser engine the browser paths fail as on a
# Windows machine without one.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
