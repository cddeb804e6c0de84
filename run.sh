#!/usr/bin/env bash
# Installs what is missing, builds the shipped 32-bit main edition and runs the whole job under
# Wine in a prefix of its own (~/.local/share/quillborne/wineprefix, made on the first run):
# the stand-in analysis service receives the scans (database ~/.local/share/quillborne/
# scans.sqlite) and shows them decoded at http://127.0.0.1:<port>/scans/<n>.
#  - With DISPLAY set: the program opens on your display and pages open in your own browser
#    (Wine's winebrowser / xdg-open). Click the scan picture; each scan that arrives is
#    summarised here. The script ends, and stops the service, when you close the program.
#  - Without DISPLAY: on a private virtual display the script clicks the scan picture itself,
#    a headless Chromium posts the page, the scan is summarised with its click-to-post time,
#    a screenshot is saved, and everything is stopped again.
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
run_dir=$(mktemp -d "${TMPDIR:-/tmp}/quillborne-run.XXXXXX")

# The address the build's page posts to; the stand-in service listens on its port.
address=$(sed -n 's/^QB_SERVICE_BASE_ADDRESS:STRING=//p' "$repo/build/win32/CMakeCache.txt")
address=${address:-http://127.0.0.1:47811}
port=${address##*:}
port=${port%%/*}
[[ "$port" =~ ^[0-9]+$ ]] || port=80
service_url="http://127.0.0.1:$port"

xvfb_pid=""
program_pid=""
service_pid=""
headless=""
cleanup() {
  set +e
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  [ -n "$program_pid" ] && wait "$program_pid" 2>/dev/null
  if [ -f "$run_dir/browser.pids" ]; then  # headless browsers, each in a session of its own
    while read -r pid; do [ -n "$pid" ] && kill -- "-$pid" 2>/dev/null; done <"$run_dir/browser.pids"
  fi
  if [ -n "$headless" ]; then
    wine reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f >/dev/null 2>&1
    wine reg delete 'HKCU\Software\Wine\WineBrowser' /v Browsers /f >/dev/null 2>&1
    wineserver -k >/dev/null 2>&1  # the server this run started for the prefix
  fi
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  if [ -n "$service_pid" ]; then
    kill "$service_pid" 2>/dev/null
    wait "$service_pid" 2>/dev/null
    echo "Service stopped."
  fi
  rm -rf "$run_dir"
  return 0
}
trap cleanup EXIT

# service_get <path> <python expression over the parsed JSON j>
service_get() {
  python3 - "$service_url$1" "$2" <<'PY'
import json, sys, urllib.request
j = json.load(urllib.request.urlopen(sys.argv[1], timeout=10))
print(eval(sys.argv[2]))
PY
}

scan_count() { service_get /scans.json 'len(j)' 2>/dev/null; }

start_service() {
  if scan_count >/dev/null; then
    echo "Using the service already running at $service_url"
    return 0
  fi
  python3 "$repo/service/server.py" --port "$port" --db "$data_dir/scans.sqlite" \
    --port-file "$run_dir/service.port" >"$data_dir/service.log" 2>&1 &
  service_pid=$!
  for _ in $(seq 100); do
    [ -s "$run_dir/service.port" ] && break
    kill -0 "$service_pid" 2>/dev/null || {
      service_pid=""
      echo "The service did not start (port $port taken?); see $data_dir/service.log" >&2
      exit 1
    }
    sleep 0.1
  done
  echo "Service: $service_url (scans in $data_dir/scans.sqlite, log $data_dir/service.log)"
}

prepare_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix $WINEPREFIX (once)..."
    wineboot -i >/dev/null 2>&1
    wineserver -w
  fi
  # A prefix without Gecko has no ".html" association: give it the one whose "open" runs
  # winebrowser, which hands the page to a browser.
  local ext
  for ext in .html .htm; do
    wine reg add "HKCR\\$ext" /ve /t REG_SZ /d htmlfile /f >/dev/null 2>&1
  done
}

# summarize <scan number> [click time]: where it is shown, what it holds, how long it took.
summarize() {
  python3 - "$service_url" "$1" "${2:-}" <<'PY'
import datetime, json, sys, urllib.request
url, number, clicked = sys.argv[1], sys.argv[2], sys.argv[3]
scan = json.load(urllib.request.urlopen("%s/scans/%s.json" % (url, number), timeout=10))
d = scan["decoded"]
print("Scan %s (%s) received; decoded at %s/scans/%s" % (number, scan["scanid"], url, number))
print("  version %s, %d devices, %d processes, hardware identifier %s"
      % (d.get("version"), len(d.get("devices", [])), len(d.get("processes", [])),
         d.get("hwid") or "(none)"))
for name, error in d.get("errors", {}).items():
    print("  %s could not be deciphered: %s" % (name, error))
if clicked:
    received = datetime.datetime.fromisoformat(scan["received"]).timestamp()
    print("  click-to-post: %.1f s" % (received - float(clicked)))
PY
}

# --- with a display: the user's own session ---------------------------------------------------
if [ -n "${DISPLAY:-}" ]; then
  prepare_prefix
  # Wine's own choice of browser (an earlier headless run's hook must not stay behind).
  wine reg delete 'HKCU\Software\Wine\WineBrowser' /v Browsers /f >/dev/null 2>&1 || true
  start_service
  seen=$(scan_count)
  echo "Starting Quillborne on $DISPLAY (working directory $start_dir); close it to return."
  (cd "$start_dir" && exec wine "$exe") &
  program_pid=$!
  while kill -0 "$program_pid" 2>/dev/null; do
    count=$(scan_count || echo "$seen")
    while [ "$seen" -lt "$count" ]; do
      seen=$((seen + 1))
      summarize "$seen" || true
    done
    sleep 1
  done
  wait "$program_pid" 2>/dev/null || true
  program_pid=""
  exit 0
fi

# --- no display: a private Xvfb, one scan, one screenshot, then everything is stopped --------
headless=1
. "$repo/scripts/wine-env.sh"  # qb_free_display
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
# Pages open in headless Chromium, which posts them (tests/gui/browser_hook.sh).
export QB_BROWSER_LOG="$run_dir/browser.log" QB_BROWSER_PIDS="$run_dir/browser.pids"
: >"$QB_BROWSER_PIDS"
wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /t REG_SZ \
  /d "$repo/tests/gui/browser_hook.sh" /f >/dev/null 2>&1
start_service
seen=$(scan_count)

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
echo "Window: \"$(xdotool getwindowname "$wid")\" at ${X},${Y} size ${WIDTH}x${HEIGHT}"

# The scan picture at client 312,164 of the 606 x 410 client area (Wine draws the frame:
# equal side and bottom borders, the caption above).
dx=$(((WIDTH - 606) / 2))
dy=$((HEIGHT - 410 - dx))
clicked=$(date +%s.%N)
xdotool mousemove $((X + dx + 312)) $((Y + dy + 164)) sleep 0.05 click 1
echo "Scan started; waiting for the service to receive it..."
scanned=""
for _ in $(seq 600); do
  count=$(scan_count || echo "$seen")
  [ "$count" -gt "$seen" ] && { scanned=$count; break; }
  kill -0 "$program_pid" 2>/dev/null || break
  sleep 0.2
done
if [ -n "$scanned" ]; then
  summarize "$scanned" "$clicked"
else
  echo "No scan arrived within 120 s (browser log: $(tail -n 3 "$QB_BROWSER_LOG" 2>/dev/null))" >&2
fi
sleep 1  # the wait window goes and the main window repaints

shot="$data_dir/screenshot.png"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shot"
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
[ -n "$scanned" ]
