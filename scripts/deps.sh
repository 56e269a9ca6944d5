#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, when missing.
set -euo pipefail
packages=(build-essential cmake ninja-build qt6-base-dev qt6-base-dev-tools qt6-translations-l10n
          libxkbcommon-dev xvfb xauth poppler-utils fonts-dejavu-core ccache
          desktop-file-utils appstream shared-mime-info pkg-config libxlsxwriter-dev unzip)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
