#!/usr/bin/env bash
# Builds as a distribution's package does, in a fresh folder with the tests
# off and neither GoogleTest nor Google Benchmark to be found, installs it
# staged with DESTDIR under /usr and starts the installed program: it shows
# the passages of its installed document, and its windows have the class its
# desktop entry names.
#   paketbau_test.sh CMAKE SOURCE_DIR CXX_COMPILER PLUGIN_DIR
set -euo pipefail
cmake=$1
quelle=$2
compiler=$3
plugins=$4

. "$(dirname "$0")/pruefungen.sh"

# A step's output shows when it fails.
schritt() {
  local was=$1; shift
  "$@" >"$ort/schritt.log" 2>&1 || { printf 'FAIL %s:\n' "$was"; tail -n 40 "$ort/schritt.log"; exit 1; }
}
# The compiler of the build around, found once already.
schritt "configure" "$cmake" -S "$quelle" -B "$ort/bau" -DCMAKE_CXX_COMPILER="$compiler" -DCMAKE_INSTALL_PREFIX=/usr \
  -DBUILD_TESTING=OFF -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON \
  -DCMAKE_BUILD_TYPE=None
schritt "build" "$cmake" --build "$ort/bau" -j4
DESTDIR="$ort/paket" schritt "install" "$cmake" --install "$ort/bau"
printf 'ok built and installed without tests\n'

pruefe "$ort/paket/usr/bin/fluvan2" "$erwartet"
pruefeDesktop "$ort/paket/usr"
pruefeFensterklasse "$ort/paket/usr/bin/fluvan2" "$ort/paket/usr/share/applications/org.fluvan.fluvan2.desktop"
