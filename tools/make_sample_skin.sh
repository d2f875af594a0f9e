#!/usr/bin/env bash
# Redraws the sample skin in resources/skins/sample from tools/draw_skin (needs a build in ./build).
set -euo pipefail
cd "$(dirname "$0")/.."
frames=$(mktemp -d)
trap 'rm -rf "$frames"' EXIT
build/tools/draw_skin resources/skins/sample "$frames"
convert -dispose previous -delay 8 -loop 0 "$frames"/preloader-*.png resources/skins/sample/preloader.gif
