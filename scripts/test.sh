#!/usr/bin/env bash
# Installs the dependencies, builds and runs every test.
#   scripts/test.sh             normal build in build/
#   scripts/test.sh --sanitize  AddressSanitizer + UBSan build in build-san/
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
if [ "${1:-}" = "--sanitize" ]; then
  dir=build-san
  flags=(-DFLUVAN_SANITIZE=ON -DFLUVAN_BENCHMARKS=OFF)
else
  dir=build
  flags=(-DFLUVAN_BENCHMARKS=ON)
fi
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFLUVAN_WERROR=ON -DBUILD_TESTING=ON "${flags[@]}"
cmake --build "$dir" -j"$(nproc)"
ctest --test-dir "$dir" --output-on-failure -j"$(nproc)"
