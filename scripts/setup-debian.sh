#!/usr/bin/env bash
# Installs what building the pet and running its tests need on Debian 12.
set -euo pipefail

packages=(
  # building
  cmake ninja-build g++ pkg-config
  libgtk-3-dev libcairo2-dev libgdk-pixbuf-2.0-dev libjpeg62-turbo-dev
  # unit tests and benchmarks
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # end-to-end tests: a headless X server, a window manager, input, screenshots
  xvfb openbox xdotool x11-utils imagemagick python3 procps
)

run_as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
if [ "${#missing[@]}" -gt 0 ]; then
  run_as_root apt-get update
  run_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi
