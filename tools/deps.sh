#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and ./run need, where they are missing.
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev libcurl4-openssl-dev libzip-dev
          libbenchmark-dev xvfb xauth fonts-dejavu-core qt6-translations-l10n
          fonts-comic-neue fonts-liberation2 desktop-file-utils libglib2.0-bin
          python3-aiosmtpd msmtp msmtp-mta libxcb1-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=; [ "$(id -u)" = 0 ] || SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
