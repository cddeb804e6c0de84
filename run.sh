#!/usr/bin/env bash
# Installs what is missing, builds the shipped 32-bit main edition and runs it under Wine in a
# prefix of its own (~/.local/share/quillborne/wineprefix, made on the first run).
#  - With DISPLAY set: the program opens on your display; this script ends when you close it.
#  - Without DISPLAY: it runs on a private virtual display; the script waits for the main
#    window, saves a screenshot of it, says where, closes the program and cleans up.
set -euo pipefail
start_dir=$PWD
cd "$(dirname "$0")"
repo=$PWD

./scripts/setup.sh
./scripts/build.sh win32

exe="$repo/build/win32/Quillborne.exe"
data_dir="${XDG_DATA_HOME:-$HOME/.local/share}/quillborne"
export WINEPREFIX="$data_dir/wineprefix" WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"  # no Mono/Gecko installer prompts
mkdir -p "$data_dir"

prepare_prefix() {
  [ -f "$WINEPREFIX/system.reg" ] && return 0
  echo "Creating the Wine prefix $WINEPREFIX (once)..."
  wineboot -i >/dev/null 2>&1
  wineserver -w
}

if [ -n "${DISPLAY:-}" ]; then
  prepare_prefix
  echo "Starting Quillborne on $DISPLAY (working directory $start_dir); close it to return."
  cd "$start_dir"
  exec wine "$exe"
fi

# --- no display: a private Xvfb, one screenshot, then everything is stopped again ---------
. "$repo/scripts/wine-env.sh"  # qb_free_display
xvfb_pid=""
program_pid=""
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  [ -n "$program_pid" ] && wait "$program_pid" 2>/dev/null || true
  wine reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f >/dev/null 2>&1 || true
  wineserver -k >/dev/null 2>&1 || true  # the server this run started for the prefix
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  return 0
}
trap cleanup EXIT

n=$(qb_free_display) || { echo "no free X display number" >&2; exit 1; }
Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$n"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || { echo "the virtual display did not start" >&2; exit 1; }

wineserver -k >/dev/null 2>&1 || true  # a server started without this display shows nothing
prepare_prefix
# No window manager here: Wine draws the frames itself (and closes windows at once).
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1

(cd "$start_dir" && exec wine "$exe") >/dev/null 2>&1 &
program_pid=$!

# The main window, or the error box of a failed start (both titled "Quillborne...").
wid=""
deadline=$((SECONDS + 90))
while [ -z "$wid" ] && [ "$SECONDS" -lt "$deadline" ]; do
  kill -0 "$program_pid" 2>/dev/null || { echo "Quillborne ended before showing a window" >&2; exit 1; }
  wid=$(xdotool search --onlyvisible --name '^Quillborne' 2>/dev/null | head -n 1 || true)
  [ -n "$wid" ] || sleep 0.2
done
[ -n "$wid" ] || { echo "no Quillborne window appeared within 90 s" >&2; exit 1; }
sleep 0.5  # let it finish painting
eval "$(xdotool getwindowgeometry --shell "$wid")"
shot="$data_dir/screenshot.png"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shot"
echo "Window: \"$(xdotool getwindowname "$wid")\" at ${X},${Y} size ${WIDTH}x${HEIGHT}"
echo "Screenshot: $shot"

# Close it as a user would (Alt+F4 goes to the window under the pointer).
xdotool mousemove $((X + WIDTH / 2)) $((Y + 10)) sleep 0.1 key alt+F4
for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$program_pid" 2>/dev/null; then
  echo "Quillborne did not close; stopping it."
else
  wait "$program_pid" 2>/dev/null || true
  program_pid=""
  echo "Quillborne closed."
fi
