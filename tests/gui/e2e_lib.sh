# End-to-end test helpers: the stand-in analysis service, Wine's browser hook, and waiting for
# scans to arrive. Source it from a test run with WINEPREFIX and DISPLAY set (ctest's GUI tests,
# or scripts/wine-env.sh's qb_start_env); QB_SRC is the source folder.
#
#   qb_e2e_begin                 work folder QB_E2E_DIR, clean-up on exit
#   qb_e2e_start_service [PORT]  service on PORT (default: the port of QB_SERVICE_BASE_ADDRESS;
#                                0 = any free one); sets QB_E2E_PORT and QB_E2E_SERVICE_URL
#   qb_e2e_install_browser_hook  Wine opens web pages with tests/gui/browser_hook.sh
#   qb_e2e_wait_for_scans N [S]  waits up to S seconds (default 60) for N scans; prints the
#                                newest scan's number
#   qb_e2e_wait_for_page_scan PAGE [S]
#                                waits up to S seconds (default 60) for the scan whose id the
#                                page file PAGE posts to (other runs may post to the same
#                                service port); prints its number
#   qb_e2e_scan_json ID          the service's JSON of one scan
#   qb_e2e_json EXPR < JSON      a Python expression over the parsed JSON `j`, printed
#   qb_e2e_add_device SUFFIX NAME HWIDS [KEY] [INF]
#                                a present test device ROOT\QBTEST\SUFFIX, removed on exit
#   qb_e2e_now                   seconds since the epoch, with fractions
#   qb_e2e_post_delay ID SINCE   seconds from SINCE (qb_e2e_now) until the service received ID
#   qb_e2e_unix_path WINPATH     the prefix's Linux path of a Windows path
#   QB_E2E_LEFTOVERS+=(PATH)     files and folders the clean-up removes

: "${QB_SRC:=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}"

QB_E2E_LEFTOVERS=()

qb_e2e_fail() {
  echo "FAIL: $*" >&2
  if [ -n "${QB_BROWSER_LOG:-}" ] && [ -f "$QB_BROWSER_LOG" ]; then
    echo "--- browser log" >&2
    tail -n 40 "$QB_BROWSER_LOG" >&2
  fi
  if [ -n "${QB_E2E_DIR:-}" ] && [ -f "$QB_E2E_DIR/service.log" ]; then
    echo "--- service log" >&2
    tail -n 40 "$QB_E2E_DIR/service.log" >&2
  fi
  exit 1
}

qb_e2e_cleanup() {
  local pid suffix
  local -
  set +e  # a test sourced with -e must still clean up everything
  for suffix in ${QB_E2E_DEVICES:-}; do
    wine "$QB_BIN/qb_test_devices.exe" remove "$suffix" >/dev/null 2>&1
  done
  for suffix in "${QB_E2E_LEFTOVERS[@]}"; do
    [ -n "$suffix" ] && rm -rf -- "$suffix"
  done
  if [ -n "${QB_BROWSER_PIDS:-}" ] && [ -f "$QB_BROWSER_PIDS" ]; then
    # Each browser runs in a session of its own: end its whole process group.
    while read -r pid; do
      [ -n "$pid" ] && kill -- "-$pid" >/dev/null 2>&1
    done <"$QB_BROWSER_PIDS"
  fi
  if [ -n "${QB_E2E_SERVICE_PID:-}" ]; then
    kill "$QB_E2E_SERVICE_PID" >/dev/null 2>&1
    wait "$QB_E2E_SERVICE_PID" 2>/dev/null
  fi
  [ -n "${QB_E2E_DIR:-}" ] && [ -z "${QB_KEEP_RUN_DIR:-}" ] && rm -rf "$QB_E2E_DIR"
  return 0
}

qb_e2e_begin() {
  : "${WINEPREFIX:?WINEPREFIX is not set: run through ctest in a test run}"
  QB_E2E_DIR=$(mktemp -d /tmp/qb-e2e.XXXXXX)
  export QB_E2E_DIR
  # Run an earlier exit trap too (scripts/wine-env.sh removes its display and prefix in one).
  local earlier
  earlier=$(trap -p EXIT | sed -E "s/^trap -- '(.*)' EXIT$/\1/")
  trap "qb_e2e_cleanup; ${earlier:-:}" EXIT
}

# The port in an address such as "http://127.0.0.1:47811" (80 when none is given).
qb_e2e_port_of() {
  local hostport=${1#*://}
  hostport=${hostport%%/*}
  case "$hostport" in
    *:*) printf '%s\n' "${hostport##*:}" ;;
    *) printf '80\n' ;;
  esac
}

qb_e2e_start_service() {
  local port=${1:-$(qb_e2e_port_of "${QB_SERVICE_BASE_ADDRESS:-http://127.0.0.1:47811}")}
  local port_file="$QB_E2E_DIR/service.port" i
  # The programs post to the build's fixed port, which another test run on this machine may
  # hold for a while: wait for it rather than fail at once.
  for i in $(seq 120); do
    rm -f "$port_file"
    python3 "$QB_SRC/service/server.py" --port "$port" --db "$QB_E2E_DIR/scans.sqlite" \
      --port-file "$port_file" >"$QB_E2E_DIR/service.log" 2>&1 &
    QB_E2E_SERVICE_PID=$!
    qb_e2e_until_port_file "$port_file" && break
    wait "$QB_E2E_SERVICE_PID" 2>/dev/null
    QB_E2E_SERVICE_PID=""
    grep -q "Address already in use" "$QB_E2E_DIR/service.log" || qb_e2e_fail "service did not start"
    [ "$i" = 1 ] && echo "port $port is taken; waiting for it" >&2
    sleep 1
  done
  [ -s "$port_file" ] || qb_e2e_fail "service wrote no port"
  QB_E2E_PORT=$(cat "$port_file")
  QB_E2E_SERVICE_URL="http://127.0.0.1:$QB_E2E_PORT"
  export QB_E2E_PORT QB_E2E_SERVICE_URL
}

# True once the service wrote its port file; false when it ended first.
qb_e2e_until_port_file() {
  local i
  for i in $(seq 100); do
    [ -s "$1" ] && return 0
    kill -0 "$QB_E2E_SERVICE_PID" 2>/dev/null || return 1
    sleep 0.1
  done
  [ -s "$1" ]
}

qb_e2e_install_browser_hook() {
  export QB_BROWSER_LOG="$QB_E2E_DIR/browser.log"
  export QB_BROWSER_PIDS="$QB_E2E_DIR/browser.pids"
  : >"$QB_BROWSER_LOG"
  : >"$QB_BROWSER_PIDS"
  wine reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /t REG_SZ \
    /d "$QB_SRC/tests/gui/browser_hook.sh" /f >/dev/null 2>&1 ||
    qb_e2e_fail "could not set Wine's browser"
  # A prefix made with mshtml disabled has no ".html" association; on Windows the default
  # browser owns it. "htmlfile" opens with winebrowser, which runs the hook.
  local ext
  for ext in .html .htm; do
    wine reg add "HKCR\\$ext" /ve /t REG_SZ /d htmlfile /f >/dev/null 2>&1 ||
      qb_e2e_fail "could not associate $ext"
  done
}

qb_e2e_get() {
  python3 -c 'import sys, urllib.request
sys.stdout.write(urllib.request.urlopen(sys.argv[1], timeout=10).read().decode())' "$1"
}

qb_e2e_json() {
  python3 -c 'import json, sys
j = json.load(sys.stdin)
print(eval(sys.argv[1]))' "$1"
}

qb_e2e_wait_for_scans() {
  local want=$1 seconds=${2:-60} i count
  for i in $(seq $((seconds * 5))); do
    count=$(qb_e2e_get "$QB_E2E_SERVICE_URL/scans.json" | qb_e2e_json 'len(j)')
    if [ "${count:-0}" -ge "$want" ]; then
      qb_e2e_get "$QB_E2E_SERVICE_URL/scans.json" | qb_e2e_json 'j[-1]["id"]'
      return 0
    fi
    sleep 0.2
  done
  qb_e2e_fail "expected $want scan(s) within $seconds s, got ${count:-0}"
}

qb_e2e_scan_json() {
  qb_e2e_get "$QB_E2E_SERVICE_URL/scans/$1.json"
}

qb_e2e_add_device() {
  : "${QB_BIN:?QB_BIN is not set}"
  # Registered for removal first: a half-made device is removed as well.
  QB_E2E_DEVICES="${QB_E2E_DEVICES:-} $1"
  wine "$QB_BIN/qb_test_devices.exe" add "$@" >"$QB_E2E_DIR/device.log" 2>&1 ||
    qb_e2e_fail "could not add test device $1: $(cat "$QB_E2E_DIR/device.log")"
}

qb_e2e_now() { date +%s.%N; }

qb_e2e_post_delay() {
  qb_e2e_scan_json "$1" | python3 -c 'import datetime, json, sys
received = datetime.datetime.fromisoformat(json.load(sys.stdin)["received"])
print("%.1f" % (received.timestamp() - float(sys.argv[1])))' "$2"
}

qb_e2e_unix_path() { wine winepath -u "$1" 2>/dev/null | tr -d '\r'; }

qb_e2e_wait_for_page_scan() {
  local page=$1 seconds=${2:-60} i scanid number
  for i in $(seq $((seconds * 5))); do
    scanid=$(grep -aoP '/scan/desktop\.php\?scanid=\K[0-9A-F]{32}(?=")' "$page" 2>/dev/null || true)
    if [ -n "$scanid" ]; then
      number=$(qb_e2e_get "$QB_E2E_SERVICE_URL/scans.json" |
        qb_e2e_json '" ".join(str(s["id"]) for s in j if s["scanid"] == "'"$scanid"'")')
      [ -n "$number" ] && { printf '%s\n' "$number"; return 0; }
    fi
    sleep 0.2
  done
  qb_e2e_fail "the scan ${scanid:-of $page} did not arrive within $seconds s"
}
