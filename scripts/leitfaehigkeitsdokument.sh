#!/usr/bin/env bash
# Writes data/Leitfaehigkeit.rtf anew from the media table (after a change of the table).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j4 --target fluvan_leitfaehigkeitsdokument
build/bin/fluvan_leitfaehigkeitsdokument > data/Leitfaehigkeit.rtf
