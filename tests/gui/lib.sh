# Shared by the GUI tests: start the programs under Wine on the test run's display, find their
# windows, click and type into them, read their texts through qb_window_probe.exe.
# Needs DISPLAY and WINEPREFIX (from the test run) and QB_BIN (the build folder).
set -euo pipefail

: "${DISPLAY:?DISPLAY is not set: run the GUI tests through ./test.sh}"
: "${WINEPREFIX:?WINEPREFIX is not set: run the GUI tests through ./test.sh}"
: "${QB_BIN:?QB_BIN is not set: run the GUI tests through ctest}"
export WINEDEBUG="${WINEDEBUG:--all}"

QB_PROBE="$QB_BIN/qb_window_probe.exe"
QB_EXE="$QB_BIN/Quillborne.exe"
QB_TEST_DIR=$(mktemp -d "${TMPDIR:-/tmp}/qb-gui.XXXXXX")
QB_PIDS=()

qb_fail() {
  echo "FAIL: $*" >&2
  qb_screenshot "$QB_TEST_DIR/failure.png" >/dev/null 2>&1 &&
    cp "$QB_TEST_DIR/failure.png" "${TMPDIR:-/tmp}/qb-gui-failure-$$.png" 2>/dev/null &&
    echo "screenshot: ${TMPDIR:-/tmp}/qb-gui-failure-$$.png" >&2
  exit 1
}

qb_cleanup() {
  local pid
  for pid in "${QB_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${QB_PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$QB_TEST_DIR"
}
trap qb_cleanup EXIT

# qb_start <working dir> <program> [VAR=value...]: starts the program there; sets QB_PID.
qb_start() {
  local dir=$1 program=$2
  shift 2
  (cd "$dir" && exec env "$@" wine "$program") >/dev/null 2>&1 &
  QB_PID=$!
  QB_PIDS+=("$QB_PID")
}

# qb_wait_exit <pid> [seconds]: waits for the program to end; fails after the timeout.
qb_wait_exit() {
  local pid=$1 limit=${2:-20} i
  for ((i = 0; i < limit * 10; i++)); do
    kill -0 "$pid" 2>/dev/null || { wait "$pid" 2>/dev/null || true; return 0; }
    sleep 0.1
  done
  return 1
}

qb_probe() { wine "$QB_PROBE" "$@" 2>/dev/null | tr -d '\r'; }

# Regular expression matching exactly the given title.
qb_title_pattern() { printf '^%s$' "$(printf '%s' "$1" | sed 's/[][\.*^$?+(){}|/]/\\&/g')"; }

# qb_wait_window <title> [seconds]: prints the X window id of the visible window so titled.
qb_wait_window() {
  local pattern deadline=$((SECONDS + ${2:-30})) wid
  pattern=$(qb_title_pattern "$1")
  while :; do
    wid=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1 || true)
    [ -n "$wid" ] && { echo "$wid"; return 0; }
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

# qb_wait_gone <title> [seconds]: until no visible window has that title.
qb_wait_gone() {
  local pattern i
  pattern=$(qb_title_pattern "$1")
  for ((i = 0; i < ${2:-20} * 10; i++)); do
    xdotool search --onlyvisible --name "$pattern" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

# qb_until <seconds> <command...>: retries the command every 0.1 s until it succeeds.
qb_until() {
  local deadline=$((SECONDS + $1))
  shift
  while :; do
    "$@" && return 0
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

qb_window_title() { xdotool getwindowname "$1"; }

# qb_client_origin <wid> <client width> <client height>: prints "x y" of the client area's
# top-left corner on the screen. Wine draws its own frame (Managed=N): the X window is the
# whole window, with equal side and bottom borders.
qb_client_origin() {
  local WINDOW X Y WIDTH HEIGHT SCREEN
  eval "$(xdotool getwindowgeometry --shell "$1")"
  local dx=$(((WIDTH - $2) / 2))
  local dy=$((HEIGHT - $3 - dx))
  echo "$((X + dx)) $((Y + dy))"
}

# qb_client_size <title>: "W H" of the window's client area, from Win32.
qb_client_size() {
  local state
  state=$(qb_probe state "$1") || return 1
  state=${state##* }
  echo "${state%x*} ${state#*x}"
}

# qb_click <wid> <title> <x> <y>: a left click at client coordinates of that window.
qb_click() {
  local size origin
  size=$(qb_client_size "$2") || qb_fail "no window '$2' to click"
  origin=$(qb_client_origin "$1" $size)
  set -- "$1" "$2" "$3" "$4" $origin
  # No --sync: it waits for a motion event, which never comes when the pointer is already there.
  xdotool mousemove $(($5 + $3)) $(($6 + $4)) sleep 0.05 click 1
}

# qb_type <wid> <title> <x> <y> <text>: clicks into the field at x,y and types the text
# (keys go to the window under the pointer, so the pointer stays there).
qb_type() {
  qb_click "$1" "$2" "$3" "$4"
  xdotool type --delay 15 -- "$5"
}

qb_screenshot() { import -window root "$1"; }

# qb_control_text <title> <control id> [class]
qb_control_text() { qb_probe text "$@"; }

# The main window's caption before and after start-up.
QB_MAIN_CAPTION_SUFFIX=" - The most simple tool to find your right drivers."
qb_main_caption() { echo "Quillborne  $1$QB_MAIN_CAPTION_SUFFIX"; }

# qb_close_title <title>: asks the window to close; the program then ends by itself.
qb_close_title() { qb_probe close "$1" >/dev/null; }

# qb_stop_main <caption>: closes the main window and waits for the program to end.
qb_stop_main() {
  qb_close_title "$1" || qb_fail "main window '$1' not found to close"
  qb_wait_exit "$QB_PID" 20 || qb_fail "the program did not end after its window closed"
}

# Control ids of the main edition's windows.
QB_ID_LBL_PCNAME=205
QB_ID_LBL_MODEL=206
QB_ID_LBL_OS=207
QB_ID_IMAGE1=209
QB_ID_LABEL4=210
QB_ID_CHKBOX_INTERNET=212
QB_ID_TXT_EMAIL=101
QB_ID_TXT_PASSWORD=102

# qb_save_account <main wid> <main caption> <email> <password>: types both values into the
# account dialog (opened through "Already have an account?"), checks the boxes hold them as
# typed, and saves.
qb_save_account() {
  local main=$1 caption=$2 email=$3 password=$4 dialog="Account Information" box
  qb_click "$main" "$caption" 470 302
  box=$(qb_wait_window "$dialog" 10) || qb_fail "the account dialog did not open"
  qb_click "$box" "$dialog" 200 50
  xdotool key ctrl+a BackSpace
  xdotool type --delay 15 -- "$email"
  xdotool key Tab ctrl+a BackSpace
  xdotool type --delay 15 -- "$password"
  qb_until 5 test "$(qb_control_text "$dialog" $QB_ID_TXT_PASSWORD TfrmAccount)" = "$password" ||
    qb_fail "the password box holds '$(qb_control_text "$dialog" $QB_ID_TXT_PASSWORD TfrmAccount)'"
  [ "$(qb_control_text "$dialog" $QB_ID_TXT_EMAIL TfrmAccount)" = "$email" ] ||
    qb_fail "the e-mail box holds '$(qb_control_text "$dialog" $QB_ID_TXT_EMAIL TfrmAccount)'"
  qb_click "$box" "$dialog" 125 124
  qb_wait_gone "$dialog" 10 || qb_fail "the account dialog stayed open after Save"
}

# qb_wait_idle <caption>: the main window enabled again and "Please wait" hidden (a scan ended).
qb_wait_idle() {
  qb_until "${2:-60}" bash -c "[ \"\$(wine '$QB_PROBE' state '$1' 2>/dev/null | tr -d '\r' | cut -d' ' -f2)\" = enabled ] &&
    [ \"\$(wine '$QB_PROBE' state 'Please wait' 2>/dev/null | tr -d '\r' | cut -d' ' -f1)\" = hidden ]"
}
