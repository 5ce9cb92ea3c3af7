#!/usr/bin/env bash
# Creates the Wine prefix the tests and the demo run in, for the target in MOLVANE_ARCH:
# Korean locale (ANSI code page 949), Nanum fonts in place of "굴림" and "굴림체", the test CA
# trusted machine-wide, a virtual desktop (without a window manager every hide or destroy of a
# top-level X window waits about two seconds for a WM answer; inside Wine's own desktop window it
# does not), and no crash dialog: a program that crashes prints its backtrace and ends instead of
# waiting for a click that never comes (a crashing test fails at once, with its output).
# Writes PREFIX.stamp when the prefix is whole; the tests refuse to start without it.
# Whether the target runs here comes from MOLVANE_RUNNABLE, as the caller decided it.
set -euo pipefail
prefix=$1 certs=$2 certinstall=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
. "$here/targets-lib.sh"
export WINEPREFIX=$prefix
rm -f "$prefix.stamp"
molvane_decide_runnable
# A target this machine cannot run still builds (to be shipped or checked); it gets no prefix.
if ! molvane_runs "$MOLVANE_ARCH"; then
  echo "[prefix] $MOLVANE_ARCH programs do not run on this machine: no Wine prefix" >&2
  exit 0
fi
"$MOLVANE_WINE" wineboot -i >/dev/null 2>&1 || true
wineserver -w
# Wine draws the caption buttons of the system's own windows (a message box's close box) in its
# Marlett font, which this Wine build does not find in its data folder: without it a close box
# shows the letter "r". Debian's fonts-wine ships it; the prefix's Fonts folder is searched.
install -m 644 /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/marlett.ttf"
reg=$(mktemp --suffix=.reg)
# regedit reads UTF-16 files; the face names are Korean.
printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n"굴림"="NanumGothic"\r\n"굴림체"="NanumGothicCoding"\r\n"돋움"="NanumGothic"\r\n"돋움체"="NanumGothicCoding"\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n"Desktop"="Default"\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n"Default"="1680x1050"\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n' |
  iconv -f UTF-8 -t UTF-16 > "$reg"
"$MOLVANE_WINE" regedit /S "$("$MOLVANE_WINE" winepath -w "$reg" 2>/dev/null)" >/dev/null 2>&1
rm -f "$reg"
"$MOLVANE_WINE" "$certinstall" "$("$MOLVANE_WINE" winepath -w "$certs/ca.der" 2>/dev/null)"
wineserver -w
touch "$prefix.stamp"
