#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# Quick when everything is present: only missing packages trigger apt.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config clang-format python3 clang llvm
  qt6-base-dev libpng-dev libfreetype-dev libminizip-dev zlib1g-dev
  libsdl2-dev libvorbis-dev librtmidi-dev jackd2 libasound2-dev
  libcpp-httplib-dev libsqlite3-dev
  libgtest-dev googletest libbenchmark-dev
  fonts-liberation2 fonts-dseg fonts-noto-core wngerman
  xvfb xauth imagemagick xdotool
  chromium
  librsvg2-bin hicolor-icon-theme dpkg-dev desktop-file-utils appstream lintian adduser
)

# One dpkg-query for all packages keeps an unchanged build quick.
installed=$(dpkg-query -W -f='${Package} ${Status}\n' "${packages[@]}" 2>/dev/null || true)
missing=()
for package in "${packages[@]}"; do
  grep -qx "$package install ok installed" <<<"$installed" || missing+=("$package")
done

if ((${#missing[@]})); then
  echo "install-deps: installing ${missing[*]}"
  sudo_cmd=""
  [[ $(id -u) -eq 0 ]] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
