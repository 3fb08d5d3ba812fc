#!/usr/bin/env bash
# Installs what Fluvan II needs on Debian 12.
#   scripts/install-deps.sh            to build and test
#   scripts/install-deps.sh --desktop  to build and run on a desktop as well
set -euo pipefail
if [ "$(id -u)" -ne 0 ]; then sudo=sudo; else sudo=; fi
export DEBIAN_FRONTEND=noninteractive
pakete=(
  g++ cmake make libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-qpa-plugins libgl-dev qt6-translations-l10n
  fonts-liberation fonts-dejavu-core locales
  xvfb xauth
  openbox x11-utils weston qt6-wayland libxcb1-dev
  clang libclang-rt-14-dev
  poppler-utils xdg-utils file
  desktop-file-utils appstream
  cups-daemon cups-client libcups2-dev
  kde-cli-tools dbus
)
# The hand-over opens its RTF document with xdg-open, which finds the word
# processor by the document's type (file tells it) and Writer's desktop entry.
# The tests only convert a document: the smaller Writer without windows does.
# The two Writers exclude each other; a full one already there serves both.
installiert() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'ok installed'; }
if [ "${1:-}" = "--desktop" ]; then
  pakete+=(libreoffice-writer)
elif ! installiert libreoffice-writer; then
  pakete+=(libreoffice-writer-nogui)
fi
# Only what is missing: on a machine that has everything this needs neither
# the network nor root.
fehlend=()
for paket in "${pakete[@]}"; do installiert "$paket" || fehlend+=("$paket"); done
if [ "${#fehlend[@]}" -gt 0 ]; then
  $sudo apt-get update
  $sudo apt-get install -y --no-install-recommends "${fehlend[@]}"
fi
# A comma locale for the tests that the core never reads the process locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  $sudo sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen
fi
