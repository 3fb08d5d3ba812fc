#!/usr/bin/env bash
# Writes data/Leitfaehigkeit.rtf anew from the media table and the public table
# of conductivities (after a change of either).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j4 --target fluvan_leitfaehigkeitsdokument
# A writer that fails leaves the shipped document as it was.
trap 'rm -f data/Leitfaehigkeit.rtf.neu' EXIT
build/bin/fluvan_leitfaehigkeitsdokument data/lange-pure-species-conductivity.tsv > data/Leitfaehigkeit.rtf.neu
mv data/Leitfaehigkeit.rtf.neu data/Leitfaehigkeit.rtf
