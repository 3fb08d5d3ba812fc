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

. "$(dirname "$0")/pruefungen.sh"
unlesbar='Acetaldehyde: The conductivity document cannot be read.
Zinc sulphate: The conductivity document cannot be read.'

"$cmake" --install "$bau" --prefix "$ort/prefix" >/dev/null
pruefe "$ort/prefix/bin/fluvan2" "$erwartet"
pruefeDesktop "$ort/prefix"

DESTDIR="$ort/paket" "$cmake" --install "$bau" --prefix /opt/fluvan2 >/dev/null
pruefe "$ort/paket/opt/fluvan2/bin/fluvan2" "$erwartet"
pruefeDesktop "$ort/paket/opt/fluvan2"

rm "$ort/prefix/share/fluvan2/Leitfaehigkeit.rtf"
pruefe "$ort/prefix/bin/fluvan2" "$unlesbar"
