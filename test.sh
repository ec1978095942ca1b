#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless on a private session bus.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
cd build
export QT_QPA_PLATFORM=offscreen
exec dbus-run-session -- ctest --output-on-failure -j "$(nproc)" "$@"
