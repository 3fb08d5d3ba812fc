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

"$cmake" --install "$bau" --prefix "$ort/prefix" >/dev/null
pruefe "$ort/prefix/bin/fluvan2" "$erwartet"

DESTDIR="$ort/paket" "$cmake" --install "$bau" --prefix /opt/fluvan2 >/dev/null
pruefe "$ort/paket/opt/fluvan2/bin/fluvan2" "$erwartet"

rm "$ort/prefix/share/fluvan2/Leitfaehigkeit.rtf"
pruefe "$ort/prefix/bin/fluvan2" "$unlesbar"
