#!/usr/bin/env bash
# Installs the dependencies with the word processor for the hand-over, builds
# Fluvan II and starts it on the desktop.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --desktop
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target fluvan2
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: run it as 'xvfb-run -a build/bin/fluvan2' or from a desktop session."
  exit 1
fi
exec build/bin/fluvan2
