#!/usr/bin/env bash
# Installs what Fluvan II needs to build, test and run on Debian 12.
set -euo pipefail
if [ "$(id -u)" -ne 0 ]; then sudo=sudo; else sudo=; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends \
  g++ cmake make libgtest-dev libgmock-dev libbenchmark-dev \
  qt6-base-dev qt6-qpa-plugins libgl-dev qt6-translations-l10n \
  fonts-liberation fonts-dejavu-core locales \
  xvfb xauth \
  clang libclang-rt-14-dev \
  poppler-utils libreoffice-writer-nogui
# A comma locale for the tests that the core never reads the process locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  $sudo sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen
fi
