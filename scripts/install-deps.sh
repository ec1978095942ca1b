#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running need; does nothing when all are there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-qpa-plugins libqt6svg6 libgl-dev
  qt6-translations-l10n
  libdxflib-dev libfreexl-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  python3 python3-xlwt python3-ezdxf
  dbus dbus-bin dbus-daemon libglib2.0-bin
  fonts-arphic-gbsn00lp fonts-wqy-microhei fonts-noto-cjk fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then SUDO=sudo; else
    echo "install-deps: missing packages (${missing[*]}) and not root" >&2; exit 1
  fi
else
  SUDO=
fi

export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends "${missing[@]}"
