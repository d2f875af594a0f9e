#!/usr/bin/env bash
# Configures and builds one configuration: scripts/build.sh <build folder> [sanitize]
set -uo pipefail
cd "$(dirname "$0")/.."
folder=$1
sanitize=OFF
[ "${2:-}" = "sanitize" ] && sanitize=ON

echo "==> Building in $folder (sanitizers: $sanitize)"
if ! cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKAVO_SANITIZE=$sanitize >"$folder.configure.log" 2>&1; then
  cat "$folder.configure.log" >&2
  echo "ERROR: configuring the build in $folder failed (log above)." >&2
  exit 1
fi
if ! cmake --build "$folder" -j 2; then
  echo "ERROR: the build in $folder failed (errors above)." >&2
  exit 1
fi
echo "==> Built $folder"
