#!/usr/bin/env bash
# Configures (once) and builds into build/.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
elif [ -n "${CI:-}" ] && [ "$CI" != false ] && [ "$CI" != 0 ]; then
  # A build folder configured outside CI still treats warnings as errors in CI.
  cmake -S . -B build -DRIDE_WERROR=ON >/dev/null
fi
cmake --build build -j "$(nproc)"
