#!/usr/bin/env bash
# Installs what the build and the tests need on a fresh Debian machine (as root).
# Quiet and quick when everything is already there.
set -euo pipefail

packages=(cmake ninja-build g++ g++-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev
  googletest libstb-dev wine wine32:i386 xvfb xauth xdotool x11-apps imagemagick)
# The imaging benchmark's reference program and the pictures it is run on.
packages+=(pkg-config libjpeg62-turbo-dev libjpeg-turbo-progs libmagickcore-6.q16-dev)

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "deps: missing packages: ${missing[*]}; run this script as root to install them" >&2
  exit 1
fi
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
echo "deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -q >/dev/null
apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null
