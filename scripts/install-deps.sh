#!/usr/bin/env bash
# Installs, with apt-get, whatever the build needs and this machine lacks. Quiet when nothing
# is missing; needs root only when something is.
set -euo pipefail

packages=(cmake g++ googletest libgtest-dev libgmock-dev libbenchmark-dev libfreetype-dev
  libfontconfig-dev libpng-dev nlohmann-json3-dev libcli11-dev fonts-dejavu-core fonts-wine)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
