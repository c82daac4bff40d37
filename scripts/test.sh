#!/usr/bin/env bash
# Builds everything and runs every test: the host tests natively, the Windows
# tests through Wine on a private prefix and a private Xvfb display.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# Set-up first, so that a package that cannot be installed is named as such.
bash "$root/scripts/deps.sh" || { echo "set-up failed: see the deps lines above"; exit 1; }
bash "$root/scripts/build.sh" || { echo "build failed"; exit 1; }

source "$root/scripts/wine-env.sh"
unset DISPLAY
zeb_start_xvfb 1024x768x24 || exit 1
trap zeb_stop_all EXIT
zeb_start_wine

status=0
echo "== host tests"
(cd "$root/build/native" && ctest --output-on-failure) || status=1
echo "== Windows tests (Wine)"
(cd "$root/build/win32" && ctest --output-on-failure) || status=1
exit $status
