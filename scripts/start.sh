#!/usr/bin/env bash
# Installs what is missing, builds, and starts the scoreboard. Parameters are
# handed to the program: "./scripts/start.sh h" starts the remote helper.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
build=${TK_BUILD_DIR:-$root/build}
program="$build/src/app/tavelkorn"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<MSG
The scoreboard is built, but there is no display to show it on
(neither DISPLAY nor WAYLAND_DISPLAY is set).

Start it from a desktop session:
    $program
or on a virtual display:
    xvfb-run -s "-screen 0 1920x1080x24" $program
MSG
  exit 1
fi

exec "$program" "$@"
