# Sourced by test.sh and run.sh: a private X display and a throw-away Wine prefix for this run.
# Sets DISPLAY (unless QB_USE_DISPLAY keeps the user's), WINEPREFIX and QB_RUN_DIR; removes them on exit.

qb_free_display() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ] || { echo "$n"; return; }
  done
  return 1
}

qb_env_cleanup() {
  [ -n "${WINEPREFIX:-}" ] && WINEPREFIX="$WINEPREFIX" wineserver -k >/dev/null 2>&1 || true
  [ -n "${QB_XVFB_PID:-}" ] && kill "$QB_XVFB_PID" >/dev/null 2>&1 || true
  [ -n "${QB_RUN_DIR:-}" ] && [ -z "${QB_KEEP_RUN_DIR:-}" ] && rm -rf "$QB_RUN_DIR"
  return 0
}

qb_start_env() {
  QB_RUN_DIR=$(mktemp -d /tmp/quillborne-run.XXXXXX)
  export QB_RUN_DIR
  trap qb_env_cleanup EXIT

  if [ -z "${QB_USE_DISPLAY:-}" ]; then
    local n
    n=$(qb_free_display) || { echo "no free X display number" >&2; return 1; }
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    QB_XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  fi

  export WINEPREFIX="$QB_RUN_DIR/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  wineboot -i >/dev/null 2>&1
  wineserver -w
  # Wine draws its own frames: windows close at once and the X window is the whole window.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  # Keep one wineserver alive for the whole run, so no test pays for a cold start.
  wineserver -p >/dev/null 2>&1 || true
  wine cmd /c exit >/dev/null 2>&1
}
