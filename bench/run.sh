#!/usr/bin/env bash
# Runs the benchmarks on media made here and prints their figures. Needs a build in ./build.
set -euo pipefail
cd "$(dirname "$0")/.."
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "==> Making a 60 s 1280x720 MP4 with AAC sound"
ffmpeg -loglevel error -nostdin -y -f lavfi -i "testsrc2=size=1280x720:rate=30:duration=60" \
  -f lavfi -i "sine=frequency=440:duration=60" -c:v libx264 -preset ultrafast -pix_fmt yuv420p -c:a aac \
  "$work/concert.mp4"
mkdir -p "$work/out"

echo "==> Converter against bare ffmpeg"
KAVO_PROGRAM_ROOT="$PWD/build" QT_QPA_PLATFORM=offscreen build/bench/converter_bench "$work/concert.mp4" "$work/out" 9

echo "==> Playback engine against mpv"
ffmpeg -loglevel error -nostdin -y -f lavfi -i "testsrc2=size=320x240:rate=12:duration=60" \
  -f lavfi -i "sine=frequency=440:duration=60" -c:v flv1 -c:a libmp3lame -ar 22050 "$work/clip.flv"
ffmpeg -loglevel error -nostdin -y -f lavfi -i "testsrc2=size=640x360:rate=25:duration=60" \
  -f lavfi -i "sine=frequency=440:duration=60" -c:v libx264 -preset ultrafast -pix_fmt yuv420p -c:a aac \
  "$work/clip360.mp4"
build/bench/playback_bench "$work/clip.flv" "$work/clip360.mp4" "$work/concert.mp4"
