#!/usr/bin/env bash
# Installs what is missing, then builds and runs the whole test suite twice: a plain build, and one
# with AddressSanitizer and UndefinedBehaviorSanitizer.
set -uo pipefail
cd "$(dirname "$0")"
scripts/setup.sh || exit 1

run_suite() {
  local folder=$1
  echo "==> Running the tests in $folder"
  if ! (cd "$folder" && ctest --output-on-failure -j 2 --timeout 300); then
    echo "ERROR: tests failed in $folder (see above)." >&2
    return 1
  fi
}

scripts/build.sh build || exit 1
run_suite build || exit 1

scripts/build.sh build-sanitize sanitize || exit 1
# shellcheck source=scripts/sanitizers.env
. scripts/sanitizers.env
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
run_suite build-sanitize || exit 1

echo "==> All tests passed (plain and sanitizer builds)."
