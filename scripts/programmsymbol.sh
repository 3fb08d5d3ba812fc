#!/usr/bin/env bash
# Renders the program's icon data/icons/hicolor/scalable/apps/org.fluvan.fluvan2.svg
# into the PNG sizes beside it (after a change of the drawing); needs rsvg-convert
# (Debian's librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../data/icons/hicolor"
for groesse in 16 24 32 48 64 128 256; do
  mkdir -p "${groesse}x${groesse}/apps"
  rsvg-convert -w "$groesse" -h "$groesse" scalable/apps/org.fluvan.fluvan2.svg \
    -o "${groesse}x${groesse}/apps/org.fluvan.fluvan2.png"
done
