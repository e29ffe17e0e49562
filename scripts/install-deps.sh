#!/usr/bin/env bash
# Installs the Debian packages the program and its tests need. Idempotent and
# quiet when everything is already present; works as root or through sudo.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-pdf-dev libqt6pdfwidgets6
  qt6-translations-l10n qt6-qpa-plugins
  libsqlite3-dev sqlite3 libxlsxwriter-dev python3-openpyxl
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  fonts-farsiweb fonts-freefarsi fonts-noto-core fontconfig
  xvfb xauth xdotool x11-utils imagemagick poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
