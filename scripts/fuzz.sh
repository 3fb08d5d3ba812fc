#!/usr/bin/env bash
# Builds the rich-text reader's libFuzzer target with clang (AddressSanitizer
# and UBSan on) and runs it for 60 seconds, or as many as given; any crash,
# hang or broken invariant fails the run and leaves the input in build-fuzz/.
#   scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
sekunden="${1:-60}"
dir=build-fuzz
mkdir -p "$dir/korpus" "$dir/start"
clang++ -std=c++20 -g -O1 -Wall -Wextra -Werror -fsanitize=fuzzer,address,undefined \
  -fno-sanitize-recover=undefined -I. \
  tests/conductivity/rtf_fuzz.cpp conductivity/rtf.cpp -o "$dir/rtf_fuzz"
# Seeds: the shipped document and the test documents.
cp data/Leitfaehigkeit.rtf tests/conductivity/dokumente/* "$dir/start/"
cd "$dir"
./rtf_fuzz -max_total_time="$sekunden" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 korpus start
