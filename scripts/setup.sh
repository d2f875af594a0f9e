#!/usr/bin/env bash
# Installs every Debian package the project needs that is not installed yet (apt-get; sudo when not root).
set -uo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config          # toolchain
  qt6-base-dev libmpv-dev zlib1g-dev librtmp-dev         # libraries
  libgtest-dev libgmock-dev                              # tests
  ffmpeg mpv                                             # media tools (mpv is the benchmarks' peer)
  xvfb xauth x11-apps xdotool imagemagick openbox dbus   # headless desktop for window tests and pictures
  nginx-light libnginx-mod-rtmp                          # HTTP and RTMP servers for tests
  qt6-image-formats-plugins                              # WebP pictures for the movie's loader
  fonts-liberation2 fonts-wine fonts-open-sans fonts-dejavu-core  # faces for Arial/Times, Tahoma, Segoe UI
)

missing=()
for package in "${PACKAGES[@]}"; do
  if [ "$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null)" != "install ok installed" ]; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "==> All needed packages are installed."
  exit 0
fi

echo "==> Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "ERROR: packages are missing (${missing[*]}) and this user is not root and has no sudo." >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
if ! "${as_root[@]}" apt-get update -q; then
  echo "ERROR: apt-get update failed; check the network and the package sources." >&2
  exit 1
fi
if ! "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"; then
  echo "ERROR: could not install: ${missing[*]}" >&2
  exit 1
fi
echo "==> Packages installed."
