#!/usr/bin/env bash
# Installs the build into fresh prefixes, once with --prefix and once staged
# with DESTDIR as a packager does, and starts each installed program with the
# plugin that walks it to the conductivity window: it must show the passages
# of its installed document. Without that document it must not, so it reads
# no other copy (the build tree's or the checkout's).
#   installation_test.sh CMAKE BUILD_DIR PLUGIN_DIR
set -euo pipefail
cmake=$1
bau=$2
plugins=$3

ort=$(mktemp -d)
trap 'rm -rf "$ort"' EXIT

# What the window shows, one line per medium (line breaks and tabs as \n, \t):
# the first medium as it opens, then the last one of the list. The shipped
# document holds a row of values for the first and an empty row for the last.
erwartet='Acetaldehyde: \n100\t15\t1.7\n
Zinc sulphate: \n\t\t\n'
unlesbar='Acetaldehyde: The conductivity document cannot be read.
Zinc sulphate: The conductivity document cannot be read.'

starte() {
  QT_PLUGIN_PATH="$plugins" QT_QPA_GENERIC_PLUGINS=fluvan-fernsteuerung "$1"
}

pruefe() {
  local programm=$1 soll=$2 ist
  if ! ist=$(cd "$ort" && starte "$programm"); then
    printf 'FAIL %s ended with an error:\n%s\n' "$programm" "$ist"
    exit 1
  fi
  if [ "$ist" != "$soll" ]; then
    printf 'FAIL %s shows:\n%s\nexpected:\n%s\n' "$programm" "$ist" "$soll"
    exit 1
  fi
  printf 'ok %s\n' "$programm"
}

# The desktop's menu and a software centre find the program: its desktop
# entry and AppStream metadata pass their validators, the entry's Icon names
# an installed icon and its Exec the installed program.
#   pruefeDesktop PREFIX
pruefeDesktop() {
  local ort=$1 kennung=org.fluvan.fluvan2 eintrag metainfo meldung wert
  eintrag="$ort/share/applications/$kennung.desktop"
  metainfo="$ort/share/metainfo/$kennung.metainfo.xml"
  for datei in "$eintrag" "$metainfo" "$ort/share/icons/hicolor/scalable/apps/$kennung.svg"; do
    [ -f "$datei" ] || { printf 'FAIL %s is not installed\n' "$datei"; exit 1; }
  done
  if ! meldung=$(desktop-file-validate "$eintrag" 2>&1) || [ -n "$meldung" ]; then
    printf 'FAIL desktop-file-validate %s:\n%s\n' "$eintrag" "$meldung"
    exit 1
  fi
  if ! meldung=$(appstreamcli validate --no-net "$metainfo" 2>&1); then
    printf 'FAIL appstreamcli validate %s:\n%s\n' "$metainfo" "$meldung"
    exit 1
  fi
  wert=$(sed -n 's/^Icon=//p' "$eintrag")
  ls "$ort"/share/icons/hicolor/*/apps/"$wert".png "$ort/share/icons/hicolor/scalable/apps/$wert.svg" >/dev/null 2>&1 ||
    { printf 'FAIL the entry names the icon %s, which is not installed\n' "$wert"; exit 1; }
  wert=$(sed -n 's/^Exec=//p' "$eintrag")
  # A bare name, which the desktop finds on its PATH in the prefix's bin/.
  [[ "$wert" != */* && -x "$ort/bin/$wert" ]] ||
    { printf 'FAIL the entry runs %s, which is not the installed program\n' "$wert"; exit 1; }
  printf 'ok desktop entry, metadata and icon under %s\n' "$ort"
}

"$cmake" --install "$bau" --prefix "$ort/prefix" >/dev/null
pruefe "$ort/prefix/bin/fluvan2" "$erwartet"
pruefeDesktop "$ort/prefix"

DESTDIR="$ort/paket" "$cmake" --install "$bau" --prefix /opt/fluvan2 >/dev/null
pruefe "$ort/paket/opt/fluvan2/bin/fluvan2" "$erwartet"
pruefeDesktop "$ort/paket/opt/fluvan2"

rm "$ort/prefix/share/fluvan2/Leitfaehigkeit.rtf"
pruefe "$ort/prefix/bin/fluvan2" "$unlesbar"
