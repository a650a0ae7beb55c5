#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12; quiet and quick when all is there.
set -euo pipefail
packages=(cmake make g++ googletest libgtest-dev g++-mingw-w64-x86-64-posix wine wine64
          xvfb x11-utils libx11-dev imagemagick fonts-dejavu-core clang libclang-rt-14-dev pandoc
          zlib1g-dev libz-mingw-w64-dev python3-yaswfp nsis
          # Wine's DirectShow decodes through GStreamer (decodebin and the converters come with
          # -base); ffmpeg makes the test clips.
          gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-bad
          gstreamer1.0-plugins-ugly gstreamer1.0-libav ffmpeg)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  echo "Run as root (or install these packages yourself): ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
