#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program in its application
# folder. Without a display the program runs on a virtual one, saves a picture
# of its main window and exits; the picture's path is printed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${PENTARIX_BUILD_DIR:-$root/build}
"$root/scripts/build.sh" >/dev/null
app="$build/app"
cd "$app"

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  exec ./pentarix "$@"
fi

shot=${PENTARIX_SCREENSHOT:-$build/main-window.png}
# Xvfb picks a free display itself and writes its number once it accepts
# connections, so the program never lands on another X server.
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -f "$fifo"' EXIT
number=""
read -r -t 10 number <"$fifo" || true
[[ -n "$number" ]] || { echo "Xvfb did not start" >&2; exit 1; }
display=":$number"
DISPLAY=$display QT_QPA_PLATFORM=xcb ./pentarix --screenshot "$shot"
echo "$shot"
