#!/usr/bin/env bash
# Installs what is missing, builds, and starts the player.
set -uo pipefail
cd "$(dirname "$0")"
scripts/setup.sh || exit 1
scripts/build.sh build || exit 1
player="build/Kavo FLV Player/kavoflvplayer"
echo "==> Starting the player"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "    (no display: running it on a virtual screen through xvfb-run)"
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$player"
fi
exec "$player"
